#include "satellites/SatelliteFields.h"

#include "codeplug/ChannelFields.h"
#include "codeplug/Megahertz.h"
#include "satellites/SatelliteCodec.h"

#include <QDateTime>

namespace nerka {

namespace {

QJsonValue hexJson(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex());
}

QString satelliteMhzText(std::uint32_t hz) {
    return hz == 0 ? QStringLiteral("—") : megahertzText(hz);
}

QString satelliteToneText(const std::optional<Tone>& tone) {
    return tone ? tone->displayText() : QStringLiteral("—");
}

// The epoch rounded to the nearest second, in UTC; null without keps.
QJsonValue epochJson(const Satellite& s) {
    const auto epoch = epochDate(s);
    if (!epoch)
        return QJsonValue();
    const qint64 ms = epoch->toMSecsSinceEpoch();
    const qint64 seconds = (ms >= 0 ? ms + 500 : ms - 499) / 1000;
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate);
}

QString epochText(const Satellite& s) {
    const std::optional<QDateTime> epoch = epochDate(s);
    return epoch ? epoch->toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                 : QStringLiteral("—");
}

// A row for one frequency member of the record.
template <std::uint32_t Satellite::*Hz>
SatelliteFieldInfo frequencyRow(const char* key, const char* label) {
    return {QLatin1String(key), QString::fromUtf8(label), QString(),
            [](const Satellite& s) { return QJsonValue(qint64(s.*Hz)); },
            [](const Satellite& s) { return satelliteMhzText(s.*Hz); }};
}

} // namespace

const QList<SatelliteFieldInfo>& satelliteFieldTable() {
    static const QList<SatelliteFieldInfo> table{
        {QLatin1String("name"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Name")), QString(),
         [](const Satellite& s) { return QJsonValue(s.name); },
         [](const Satellite& s) { return s.name; }},
        {QLatin1String("tle1"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Keps line 1")),
         QString(), [](const Satellite& s) { return hexJson(s.tle1); },
         [](const Satellite& s) { return QString::fromLatin1(s.tle1.toHex()); }},
        {QLatin1String("tle2"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Keps line 2")),
         QString(), [](const Satellite& s) { return hexJson(s.tle2); },
         [](const Satellite& s) { return QString::fromLatin1(s.tle2.toHex()); }},
        {QLatin1String("epoch"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Keps epoch (UTC)")),
         QString(), &epochJson, &epochText},
        frequencyRow<&Satellite::rxFreq1>("rxFreq1", QT_TRANSLATE_NOOP("Fields", "Voice RX (MHz)")),
        frequencyRow<&Satellite::txFreq1>("txFreq1", QT_TRANSLATE_NOOP("Fields", "Voice TX (MHz)")),
        {QLatin1String("txTone"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "TX CTCSS")),
         QString(), [](const Satellite& s) { return toneToJson(s.txTone); },
         [](const Satellite& s) { return satelliteToneText(s.txTone); }},
        {QLatin1String("armTone"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Arm CTCSS")),
         QString(), [](const Satellite& s) { return toneToJson(s.armTone); },
         [](const Satellite& s) { return satelliteToneText(s.armTone); }},
        frequencyRow<&Satellite::rxFreq2>("rxFreq2", QT_TRANSLATE_NOOP("Fields", "APRS RX (MHz)")),
        frequencyRow<&Satellite::txFreq2>("txFreq2", QT_TRANSLATE_NOOP("Fields", "APRS TX (MHz)")),
        frequencyRow<&Satellite::rxFreq3>("rxFreq3", QT_TRANSLATE_NOOP("Fields", "Other RX (MHz)")),
        frequencyRow<&Satellite::txFreq3>("txFreq3", QT_TRANSLATE_NOOP("Fields", "Other TX (MHz)")),
        {QLatin1String("additionalData"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Additional data")), QString(),
         [](const Satellite& s) { return hexJson(s.additionalData); },
         [](const Satellite& s) { return QString::fromLatin1(s.additionalData.toHex()); }},
    };
    return table;
}

const SatelliteFieldInfo* satelliteField(QLatin1String key) {
    for (const SatelliteFieldInfo& row : satelliteFieldTable()) {
        if (row.key == key)
            return &row;
    }
    return nullptr;
}

} // namespace nerka
