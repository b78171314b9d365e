#include "codeplug/ChannelCsvRows.h"

#include "codeplug/ChannelCsvImport.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <variant>

namespace nerka {

namespace {

constexpr int kMaxColorCode = 15;

enum class Column {
    name,
    rx,
    tx,
    mode,
    bandwidth,
    colorCode,
    timeSlot,
    power,
    rxTone,
    txTone,
    scanSkip,
    rxOnly,
    count
};

// Header names a column is known by, compared lower-cased; the first is the
// one written.
const std::array<QStringList, std::size_t(Column::count)>& columnNames() {
    static const std::array<QStringList, std::size_t(Column::count)> names = {
        QStringList{"Name"},
        QStringList{"RX (MHz)", "RX", "RX MHz"},
        QStringList{"TX (MHz)", "TX", "TX MHz"},
        QStringList{"Mode"},
        QStringList{"Bandwidth"},
        QStringList{"Colour code", "Color code", "CC"},
        QStringList{"Time slot", "TS", "Timeslot"},
        QStringList{"Power"},
        QStringList{"RX tone"},
        QStringList{"TX tone"},
        QStringList{"Scan skip", "Skip"},
        QStringList{"RX only", "Receive only"},
    };
    return names;
}

QString mhz(std::uint64_t hz) {
    return QString::asprintf("%.5f", double(hz) / 1'000'000.0);
}

QString toneText(const std::optional<Tone>& tone) {
    return tone ? tone->displayText() : QString();
}

QString quoted(const QString& field, QChar separator) {
    // A reader splits a row with a bare tab at tabs, any other at "," and ";".
    const bool splitsHere =
        separator == u'\t' ? field.contains(u'\t')
                           : field.contains(u'\t') || field.contains(u',') || field.contains(u';');
    const bool needsQuotes =
        splitsHere || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r');
    if (!needsQuotes)
        return field;
    QString escaped = field;
    escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

QString trimmed(const QString& text, bool keepTabs) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    const auto blank = [keepTabs](QChar c) { return c == u' ' || (!keepTabs && c == u'\t'); };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

struct TextRow {
    int line = 0; // 1-based line of the row's first character
    QStringList fields;
};

// Splits text into rows and fields. A row holding a tab outside quotes is
// split at tabs only, any other at "," and ";". A field starting with '"'
// runs to the next lone '"' (line breaks included); "" inside is a quote.
QList<TextRow> splitRows(const QString& text) {
    QList<TextRow> rows;
    qsizetype i = 0;
    int line = 1;
    const qsizetype n = text.size();
    while (i < n) {
        // Find the row's end first, to learn whether it holds a tab.
        bool inQuotes = false;
        bool hasTab = false;
        qsizetype end = i;
        int lines = 0;
        for (; end < n; ++end) {
            const QChar c = text[end];
            if (c == u'"')
                inQuotes = !inQuotes;
            else if (!inQuotes && (c == u'\n' || c == u'\r'))
                break;
            else if (c == u'\n')
                ++lines;
            else if (!inQuotes && c == u'\t')
                hasTab = true;
        }
        const auto isSeparator = [hasTab](QChar c) {
            return hasTab ? c == u'\t' : (c == u',' || c == u';');
        };
        TextRow row{line, {}};
        QString field;
        bool quotedField = false;
        qsizetype k = i;
        while (k <= end) {
            if (k == end || isSeparator(text[k])) {
                row.fields.append(quotedField ? field : trimmed(field, hasTab));
                field.clear();
                quotedField = false;
                ++k;
                continue;
            }
            if (text[k] == u'"' && trimmed(field, hasTab).isEmpty() && !quotedField) {
                // A quoted field: up to the closing quote, "" being a quote.
                field.clear();
                quotedField = true;
                ++k;
                while (k < end) {
                    if (text[k] == u'"') {
                        if (k + 1 < end && text[k + 1] == u'"') {
                            field.append(u'"');
                            k += 2;
                            continue;
                        }
                        ++k;
                        break;
                    }
                    field.append(text[k++]);
                }
                // Anything between the closing quote and the separator is dropped.
                while (k < end && !isSeparator(text[k]))
                    ++k;
                continue;
            }
            field.append(text[k++]);
        }
        const bool blank = std::all_of(row.fields.cbegin(), row.fields.cend(),
                                       [](const QString& f) { return f.isEmpty(); });
        if (!blank)
            rows.append(row);
        line += 1 + lines;
        i = end;
        if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        if (i < n)
            ++i;
    }
    return rows;
}

std::optional<Column> columnNamed(const QString& header) {
    const QString wanted = header.trimmed().toLower();
    const auto& names = columnNames();
    for (std::size_t c = 0; c < names.size(); ++c) {
        for (const QString& name : names[c]) {
            if (name.toLower() == wanted)
                return Column(c);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::optional<Tone>> parseToneText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0 ||
        t.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
        return std::optional<Tone>{};
    if (t.startsWith(u'D', Qt::CaseInsensitive)) {
        QString digits = t.mid(1);
        bool inverted = false;
        if (digits.endsWith(u'I', Qt::CaseInsensitive) ||
            digits.endsWith(u'N', Qt::CaseInsensitive)) {
            inverted = digits.endsWith(u'I', Qt::CaseInsensitive);
            digits.chop(1);
        }
        bool ok = false;
        const int code = digits.toInt(&ok);
        if (!ok || digits.size() != 3 || !dcsTable().contains(code))
            return std::nullopt;
        return std::optional<Tone>{Tone::dcs(code, inverted)};
    }
    QString hzText = t;
    if (hzText.endsWith(QLatin1String("Hz"), Qt::CaseInsensitive))
        hzText = hzText.chopped(2).trimmed();
    hzText.replace(u',', u'.');
    bool ok = false;
    const double hz = hzText.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    const int tenths = int(std::lround(hz * 10.0));
    if (std::abs(hz * 10.0 - tenths) > 1e-6 || !ctcssTable().contains(tenths))
        return std::nullopt;
    return std::optional<Tone>{Tone::ctcss(tenths)};
}

std::optional<bool> parseFlagText(const QString& text) {
    const QString t = text.trimmed().toLower();
    static const QStringList yes{"yes", "y", "true", "1", "x", "on", "ja"};
    static const QStringList no{"", "no", "n", "false", "0", "off", "nein"};
    if (yes.contains(t))
        return true;
    if (no.contains(t))
        return false;
    return std::nullopt;
}

std::optional<std::uint8_t> parsePowerText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::uint8_t(0);
    for (const ChannelPowerLevel level : kAllChannelPowerLevels) {
        if (rawText(level).compare(t, Qt::CaseInsensitive) == 0)
            return powerRawFor(level, 0);
    }
    return std::nullopt;
}

namespace {

// The row as an edit, or the reason it cannot be one.
std::variant<ChannelEdit, QString> readRow(const QStringList& fields,
                                           const QList<std::optional<Column>>& columns) {
    std::array<std::optional<QString>, std::size_t(Column::count)> value;
    for (qsizetype i = 0; i < fields.size() && i < columns.size(); ++i) {
        if (columns[i])
            value[std::size_t(*columns[i])] = fields[i];
    }
    const auto given = [&](Column c) -> std::optional<QString> {
        const auto& v = value[std::size_t(c)];
        if (!v || v->trimmed().isEmpty())
            return std::nullopt;
        return v->trimmed();
    };

    ChannelEdit edit;
    const auto name = value[std::size_t(Column::name)];
    if (!name || name->trimmed().isEmpty())
        return QStringLiteral("no name");
    edit.name = *name;
    const auto rxText = given(Column::rx);
    if (!rxText)
        return QStringLiteral("no RX frequency");
    const auto rxHz = parseMegahertz(*rxText);
    if (!rxHz)
        return QStringLiteral("RX '%1' is not a frequency").arg(*rxText);
    edit.rxHz = edit.txHz = *rxHz;
    if (const auto txText = given(Column::tx)) {
        const auto txHz = parseMegahertz(*txText);
        if (!txHz)
            return QStringLiteral("TX '%1' is not a frequency").arg(*txText);
        edit.txHz = *txHz;
    }
    if (const auto mode = given(Column::mode))
        edit.isDMR = mode->toUpper().contains(QLatin1String("DMR"));
    if (const auto bandwidth = given(Column::bandwidth))
        edit.bandwidthWide = bandwidth->contains(QLatin1String("25")) ||
                             bandwidth->toLower().contains(QLatin1String("wide"));
    if (const auto colorCode = given(Column::colorCode)) {
        bool ok = false;
        const int cc = colorCode->toInt(&ok);
        if (!ok || cc < 0 || cc > kMaxColorCode)
            return QStringLiteral("colour code '%1' is not 0\u201315").arg(*colorCode);
        edit.colorCode = cc;
    }
    if (const auto timeSlot = given(Column::timeSlot))
        edit.timeSlotTS2 = timeSlot->contains(u'2');
    if (const auto power = value[std::size_t(Column::power)]) {
        const auto raw = parsePowerText(*power);
        if (!raw)
            return QStringLiteral("power '%1' unknown").arg(power->trimmed());
        edit.powerRaw = *raw;
    }
    const std::array<std::pair<Column, std::optional<Tone>*>, 2> tones = {
        std::pair{Column::rxTone, &edit.rxTone}, std::pair{Column::txTone, &edit.txTone}};
    for (const auto& [column, target] : tones) {
        if (const auto text = value[std::size_t(column)]) {
            const auto tone = parseToneText(*text);
            if (!tone)
                return QStringLiteral("%1 '%2' not available")
                    .arg(column == Column::rxTone ? QStringLiteral("RX tone")
                                                  : QStringLiteral("TX tone"),
                         text->trimmed());
            *target = *tone;
        }
    }
    const std::array<std::pair<Column, bool*>, 2> flags = {
        std::pair{Column::scanSkip, &edit.skipScan}, std::pair{Column::rxOnly, &edit.rxOnly}};
    for (const auto& [column, target] : flags) {
        if (const auto text = value[std::size_t(column)]) {
            const auto flag = parseFlagText(*text);
            if (!flag)
                return QStringLiteral("'%1' is neither yes nor no").arg(text->trimmed());
            *target = *flag;
        }
    }
    return edit;
}

} // namespace

const QStringList& channelRowColumns() {
    static const QStringList columns = [] {
        QStringList list;
        for (const QStringList& names : columnNames())
            list.append(names.first());
        return list;
    }();
    return columns;
}

QString channelRowsText(const QList<RadioChannel>& channels, QChar separator) {
    QString text;
    const auto appendRow = [&](const QStringList& fields) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text.append(separator);
            text.append(quoted(fields[i], separator));
        }
        text.append(u'\n');
    };
    appendRow(channelRowColumns());
    for (const RadioChannel& c : channels) {
        appendRow({c.name, mhz(c.rxHz), mhz(c.txHz),
                   c.isDMR() ? QStringLiteral("DMR") : QStringLiteral("FM"),
                   c.bandwidthWide ? QStringLiteral("25 kHz") : QStringLiteral("12.5 kHz"),
                   QString::number(c.colorCode), QString::number(c.timeSlot),
                   rawText(powerLevel(c.powerRaw)), toneText(c.rxTone), toneText(c.txTone),
                   c.skipScan ? QStringLiteral("Yes") : QStringLiteral("No"),
                   c.rxOnly ? QStringLiteral("Yes") : QStringLiteral("No")});
    }
    return text;
}

ChannelRowsRead parseChannelRows(const QString& text) {
    ChannelRowsRead read;
    QList<TextRow> rows = splitRows(text);
    // Comment lines are dropped before the header is looked for.
    rows.removeIf([](const TextRow& row) { return row.fields.first().startsWith(u'#'); });
    if (rows.isEmpty())
        return read;

    QList<std::optional<Column>> columns;
    qsizetype first = 0;
    const QStringList& top = rows.first().fields;
    if (std::any_of(top.cbegin(), top.cend(), [](const QString& field) {
            return field.trimmed().compare(QLatin1String("name"), Qt::CaseInsensitive) == 0;
        })) {
        for (const QString& header : rows.first().fields)
            columns.append(columnNamed(header));
        first = 1;
    } else {
        // Without a header only the import's seven columns are known by place.
        for (int c = 0; c <= int(Column::timeSlot); ++c)
            columns.append(Column(c));
    }
    for (qsizetype r = first; r < rows.size(); ++r) {
        auto row = readRow(rows[r].fields, columns);
        if (auto* edit = std::get_if<ChannelEdit>(&row))
            read.channels.append(std::move(*edit));
        else
            read.skipped.append({rows[r].line, std::get<QString>(row)});
    }
    return read;
}

} // namespace nerka
