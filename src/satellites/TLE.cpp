#include "satellites/TLE.h"

#include "satellites/SatelliteCodec.h"
#include "satellites/TextCharacters.h"

#include <array>
#include <utility>

namespace nerka {

namespace {

bool isLineBreak(QChar c) {
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case 0x000B: // VT
    case 0x000C: // FF
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

// Non-empty lines; CR LF counts as one break, and every CR is a break, so no CR
// is left inside a line.
QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isLineBreak(text[i]))
            continue;
        if (i > start)
            lines.append(text.mid(start, i - start));
        start = i + 1;
    }
    return lines;
}

bool isElementLine(const QString& line, QStringView prefix) {
    return line.startsWith(prefix) && TextCharacters(line).count() >= TLEFormat::kMinimumLineLength;
}

// Inclusive character ranges of the fields the radio keeps.
constexpr std::array<std::pair<int, int>, 3> kLine1Fields{{{18, 19}, {20, 31}, {33, 42}}};
constexpr std::array<std::pair<int, int>, 7> kLine2Fields{
    {{8, 15}, {17, 24}, {26, 32}, {34, 41}, {43, 50}, {52, 62}, {63, 67}}};

template <std::size_t N>
QString joinFields(const QString& line, const std::array<std::pair<int, int>, N>& fields) {
    const TextCharacters characters(line);
    QString out;
    for (const auto& [first, last] : fields)
        out += characters.mid(first, last - first + 1);
    return out;
}

} // namespace

QList<TLERecord> parseTLE(const QString& text) {
    const QStringList lines = splitLines(text);
    QList<TLERecord> records;
    std::optional<QString> pendingName;
    qsizetype i = 0;
    while (i < lines.size()) {
        const QString& line = lines[i];
        if (i + 1 < lines.size() && isElementLine(line, u"1 ") &&
            isElementLine(lines[i + 1], u"2 ")) {
            const QString name = pendingName ? *pendingName
                                             : TextCharacters(line)
                                                   .mid(TLEFormat::kCatalogueNumberFirst,
                                                        TLEFormat::kCatalogueNumberLength)
                                                   .trimmed();
            records.append({name, line, lines[i + 1]});
            pendingName.reset();
            i += 2;
            continue;
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            pendingName.reset();
        else
            pendingName = trimmed;
        ++i;
    }
    return records;
}

QString shortName(const QString& fullName) {
    const QString name = fullName.trimmed();
    const qsizetype open = name.indexOf(u'(');
    if (open >= 0) {
        const qsizetype close = name.indexOf(u')', open + 1);
        if (close >= 0) {
            const QString inner = name.mid(open + 1, close - open - 1).trimmed();
            if (!inner.isEmpty() && TextCharacters(inner).count() <= TLEFormat::kShortNameLength)
                return inner;
        }
    }
    return TextCharacters(name).left(TLEFormat::kShortNameLength);
}

std::optional<int> noradID(const QString& line1) {
    const QString field =
        TextCharacters(line1)
            .mid(TLEFormat::kCatalogueNumberFirst, TLEFormat::kCatalogueNumberLength)
            .trimmed();
    return parseWholeNumber(field);
}

std::optional<PackedTLE> packTLE(const QString& line1, const QString& line2) {
    const QString text1 = joinFields(line1, kLine1Fields);
    const QString text2 = joinFields(line2, kLine2Fields);
    if (TextCharacters(text1).count() != TLEFormat::kPackedText1Length ||
        TextCharacters(text2).count() != TLEFormat::kPackedText2Length)
        return std::nullopt;
    return PackedTLE{packText(text1, SatelliteRecord::kTle1Size),
                     packText(text2, SatelliteRecord::kTle2Size)};
}

} // namespace nerka
