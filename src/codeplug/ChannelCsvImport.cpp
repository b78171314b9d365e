#include "codeplug/ChannelCsvImport.h"

#include <QStringList>

#include <charconv>

namespace nerka {

namespace {

bool isLineBreak(QChar c) {
    switch (c.unicode()) {
    case 0x0A: // LF
    case 0x0B: // VT
    case 0x0C: // FF
    case 0x0D: // CR
    case 0x85: // next line
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

bool isFieldSeparator(QChar c) {
    return c == u',' || c == u';';
}

// Only spaces and tabs are trimmed; any other white space stays and makes a
// number fail to parse.
QString trimSpacesAndTabs(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(begin, end - begin);
}

QStringList splitAt(const QString& text, bool (*isSeparator)(QChar), bool dropEmpty) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isSeparator(text[i]))
            continue;
        if (!dropEmpty || i > start)
            parts.append(text.mid(start, i - start));
        start = i + 1;
    }
    return parts;
}

// An optional sign followed by ASCII digits only, fitting a signed 64-bit integer.
std::optional<std::int64_t> parseInteger(const QString& text) {
    const QByteArray ascii = text.toLatin1();
    if (text.isEmpty() || ascii.size() != text.size())
        return std::nullopt;
    const char* begin = ascii.constData();
    const char* end = begin + ascii.size();
    const bool negative = *begin == '-';
    if (*begin == '+' || *begin == '-')
        ++begin;
    if (begin == end)
        return std::nullopt;
    for (const char* p = begin; p != end; ++p) {
        if (*p < '0' || *p > '9')
            return std::nullopt;
    }
    // Parsed with its sign so that the most negative value fits.
    std::int64_t value = 0;
    const char* digitsStart = negative ? begin - 1 : begin;
    const auto [ptr, ec] = std::from_chars(digitsStart, end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

QList<ChannelEdit> parseChannelCsv(const QString& text) {
    QList<int> lines;
    return parseChannelCsv(text, lines);
}

QList<ChannelEdit> parseChannelCsv(const QString& text, QList<int>& channelLines) {
    QList<ChannelEdit> channels;
    channelLines.clear();
    // The non-empty lines, each with its 1-based number in the text.
    QStringList lines;
    QList<int> numbers;
    int number = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isLineBreak(text[i]))
            continue;
        if (i > start) {
            lines.append(text.mid(start, i - start));
            numbers.append(number);
        }
        // CR LF ends one line, not two.
        if (!(i < text.size() && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n'))
            ++number;
        start = i + 1;
    }
    for (qsizetype lineIndex = 0; lineIndex < lines.size(); ++lineIndex) {
        const QString line = trimSpacesAndTabs(lines[lineIndex]);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;

        QStringList fields = splitAt(line, isFieldSeparator, false);
        for (QString& field : fields)
            field = trimSpacesAndTabs(field);

        // Only the very first line can be a header.
        if (lineIndex == 0 && fields[0].toLower() == QLatin1String("name"))
            continue;
        if (fields.size() < 2 || fields[0].isEmpty())
            continue;
        const auto rxHz = parseMegahertz(fields[1]);
        if (!rxHz)
            continue;

        ChannelEdit edit;
        edit.name = fields[0];
        edit.rxHz = *rxHz;
        edit.txHz = *rxHz;
        if (fields.size() > 2 && !fields[2].isEmpty()) {
            if (const auto txHz = parseMegahertz(fields[2]))
                edit.txHz = *txHz;
        }
        if (fields.size() > 3)
            edit.isDMR = fields[3].toUpper().contains(QLatin1String("DMR"));
        if (fields.size() > 4)
            edit.bandwidthWide = fields[4].contains(QLatin1String("25")) ||
                                 fields[4].toLower().contains(QLatin1String("wide"));
        if (fields.size() > 5) {
            // A colour code the record cannot hold makes the line unusable;
            // one that is no number at all keeps the default.
            if (const auto colorCode = parseInteger(fields[5])) {
                if (*colorCode < 0 || *colorCode > kMaxColorCode)
                    continue;
                edit.colorCode = int(*colorCode);
            }
        }
        if (fields.size() > 6)
            edit.timeSlotTS2 = fields[6].contains(u'2');
        channels.append(edit);
        channelLines.append(numbers[lineIndex]);
    }
    return channels;
}

ChannelCsvRead readChannelCsv(const QString& text, const ChannelRowNames& names) {
    if (isRepeaterListCsv(text)) {
        RepeaterListImport list = parseRepeaterListCsv(text);
        return {ChannelCsvLayout::repeaterList, std::move(list.channels),
                std::move(list.skipped),        {},
                std::move(list.lines),          {}};
    }
    if (hasChannelRowsHeader(text)) {
        ChannelRowsRead rows = parseChannelRows(text, names);
        return {ChannelCsvLayout::allFields, std::move(rows.channels), std::move(rows.skipped),
                std::move(rows.zones),       std::move(rows.lines),    std::move(rows.unresolved)};
    }
    ChannelCsvRead read;
    read.channels = parseChannelCsv(text, read.lines);
    return read;
}

} // namespace nerka
