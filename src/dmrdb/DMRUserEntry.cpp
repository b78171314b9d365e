#include "dmrdb/DMRUserEntry.h"

namespace nerka {

QString nameFormatKey(DMRNameFormat format) {
    switch (format) {
    case DMRNameFormat::firstName:
        return QStringLiteral("firstName");
    case DMRNameFormat::fullName:
        return QStringLiteral("fullName");
    }
    return {};
}

std::optional<DMRNameFormat> nameFormatFromKey(QStringView key) {
    if (key == u"firstName")
        return DMRNameFormat::firstName;
    if (key == u"fullName")
        return DMRNameFormat::fullName;
    return std::nullopt;
}

QString dbFormatKey(DMRDBFormat format) {
    switch (format) {
    case DMRDBFormat::compressed:
        return QStringLiteral("compressed");
    case DMRDBFormat::uncompressed:
        return QStringLiteral("uncompressed");
    }
    return {};
}

std::optional<DMRDBFormat> dbFormatFromKey(QStringView key) {
    if (key == u"compressed")
        return DMRDBFormat::compressed;
    if (key == u"uncompressed")
        return DMRDBFormat::uncompressed;
    return std::nullopt;
}

namespace {

QString joinNonEmpty(const QString& a, const QString& b) {
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + QLatin1Char(' ') + b;
}

// The reader splits at "," and ";" alike, so both are quoted.
QString csvValue(const QString& value) {
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char(';')) &&
        !value.contains(QLatin1Char('"')))
        return value;
    QString quoted = value;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString displayText(const DMRUserEntry& entry, DMRNameFormat nameFormat) {
    const QString name = nameFormat == DMRNameFormat::fullName
                             ? joinNonEmpty(entry.firstName, entry.lastName)
                             : entry.firstName;
    return joinNonEmpty(entry.callsign, name);
}

QString csvLine(const DMRUserEntry& entry) {
    return QString::number(entry.id) + QLatin1Char(',') + csvValue(entry.callsign) +
           QLatin1Char(',') + csvValue(entry.firstName) + QLatin1Char(',') +
           csvValue(entry.lastName) + QLatin1Char('\n');
}

} // namespace nerka
