#include "codeplug/RepeaterListCsv.h"

#include "codeplug/ChannelCsvImport.h"
#include "codeplug/ChannelRecord.h"

#include <QCoreApplication>
#include <QHash>

#include <cmath>
#include <optional>
#include <variant>

namespace nerka {

namespace {

// Greater differences between TX and RX are written as "split" (the TX
// frequency itself) rather than as an offset: a cross-band pair reads better so.
constexpr std::uint64_t kMaxOffsetHz = 70'000'000;
constexpr int kNamedSkipsInSummary = 10;
constexpr std::uint64_t kHzPerMHz = 1'000'000;

// Column names as the header spells them.
const QString kLocation = QStringLiteral("Location");
const QString kName = QStringLiteral("Name");
const QString kFrequency = QStringLiteral("Frequency");
const QString kDuplex = QStringLiteral("Duplex");
const QString kOffset = QStringLiteral("Offset");
const QString kTone = QStringLiteral("Tone");
const QString kRToneFreq = QStringLiteral("rToneFreq");
const QString kCToneFreq = QStringLiteral("cToneFreq");
const QString kDtcsCode = QStringLiteral("DtcsCode");
const QString kDtcsPolarity = QStringLiteral("DtcsPolarity");
const QString kRxDtcsCode = QStringLiteral("RxDtcsCode");
const QString kCrossMode = QStringLiteral("CrossMode");
const QString kMode = QStringLiteral("Mode");
const QString kTStep = QStringLiteral("TStep");
const QString kSkip = QStringLiteral("Skip");
const QString kPower = QStringLiteral("Power");
const QString kComment = QStringLiteral("Comment");

// ---- CSV records ----

struct CsvRecord {
    int line = 0; // 1-based line of the record's first character
    QStringList fields;
    bool unclosedQuote = false;
};

bool isSpaceOrTab(QChar c) {
    return c == u' ' || c == u'\t';
}

// Splits text into records: fields separated by ",", a field that starts with
// '"' (after spaces) runs to the next lone '"', and "" inside it is a quote.
// Unquoted fields are trimmed of spaces and tabs; quoted ones are kept as
// they stand. CRLF, LF and CR end a record outside quotes. Records whose
// fields are all empty (blank lines) are dropped.
QList<CsvRecord> readCsvRecords(const QString& text, qsizetype maxRecords = -1) {
    QList<CsvRecord> records;
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (n > 0 && text[0] == QChar(0xFEFF))
        ++i;
    int line = 1;
    while (i < n && records.size() != maxRecords) {
        CsvRecord record;
        record.line = line;
        bool endOfRecord = false;
        while (!endOfRecord) {
            while (i < n && isSpaceOrTab(text[i]))
                ++i;
            QString field;
            if (i < n && text[i] == u'"') {
                ++i;
                bool closed = false;
                while (i < n) {
                    const QChar c = text[i];
                    if (c == u'"') {
                        if (i + 1 < n && text[i + 1] == u'"') {
                            field += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    if (c == u'\n' || (c == u'\r' && !(i + 1 < n && text[i + 1] == u'\n')))
                        ++line;
                    field += c;
                    ++i;
                }
                if (!closed)
                    record.unclosedQuote = true;
                // Anything between the closing quote and the next separator
                // belongs to the field, except spaces and tabs.
                qsizetype start = i;
                while (i < n && text[i] != u',' && text[i] != u'\n' && text[i] != u'\r')
                    ++i;
                field += text.mid(start, i - start).trimmed();
            } else {
                const qsizetype start = i;
                while (i < n && text[i] != u',' && text[i] != u'\n' && text[i] != u'\r')
                    ++i;
                qsizetype end = i;
                while (end > start && isSpaceOrTab(text[end - 1]))
                    --end;
                field = text.mid(start, end - start);
            }
            record.fields.append(field);
            if (i < n && text[i] == u',') {
                ++i;
                continue;
            }
            // A line end or the end of the text.
            if (i < n && text[i] == u'\r')
                ++i;
            if (i < n && text[i] == u'\n')
                ++i;
            ++line;
            endOfRecord = true;
        }
        bool blank = true;
        for (const QString& field : record.fields)
            blank = blank && field.isEmpty();
        if (!blank || record.unclosedQuote)
            records.append(record);
    }
    return records;
}

// ---- rows ----

// Column positions by lower-cased header name; the first of two equal names wins.
class Columns {
public:
    explicit Columns(const QStringList& header) {
        for (qsizetype i = 0; i < header.size(); ++i) {
            const QString key = header[i].trimmed().toLower();
            if (!m_index.contains(key))
                m_index.insert(key, i);
        }
    }
    [[nodiscard]] bool has(const QString& name) const { return m_index.contains(name.toLower()); }
    // The row's field of that column; empty when the header or the row lacks it.
    [[nodiscard]] QString field(const QStringList& row, const QString& name) const {
        const auto at = m_index.constFind(name.toLower());
        return at == m_index.cend() || *at >= row.size() ? QString() : row[*at];
    }

private:
    QHash<QString, qsizetype> m_index;
};

QString quoted(const QString& text) {
    return u'\'' + text + u'\'';
}

QString megahertzText(std::uint64_t hz) {
    return QString::asprintf("%llu.%06llu", static_cast<unsigned long long>(hz / kHzPerMHz),
                             static_cast<unsigned long long>(hz % kHzPerMHz));
}

using Reason = QString;

// A frequency of the record: above 0 and within its 8 BCD digits.
std::variant<std::uint64_t, Reason> readFrequency(const QString& text, const QString& column) {
    if (text.isEmpty())
        return QCoreApplication::translate("CsvImport", "%1 missing").arg(column);
    if (const auto hz = parseMegahertz(text))
        return *hz;
    bool isNumber = false;
    (void)text.toDouble(&isNumber);
    if (isNumber)
        return QCoreApplication::translate("CsvImport", "frequency %1 MHz not available").arg(text);
    return QCoreApplication::translate("CsvImport", "%1 %2 not readable")
        .arg(column.toLower(), quoted(text));
}

// An offset in MHz; 0 is allowed.
std::variant<std::uint64_t, Reason> readOffset(const QString& text) {
    if (text.isEmpty())
        return QCoreApplication::translate("CsvImport", "offset missing");
    if (const auto hz = parseMegahertz(text))
        return *hz;
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (isNumber && value == 0.0)
        return std::uint64_t{0};
    return QCoreApplication::translate("CsvImport", "offset %1 not readable").arg(quoted(text));
}

std::variant<Tone, Reason> readCtcss(const QString& text, const QString& column) {
    if (text.isEmpty())
        return QCoreApplication::translate("CsvImport", "%1 missing").arg(column);
    bool isNumber = false;
    const double hz = text.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(hz))
        return QCoreApplication::translate("CsvImport", "tone %1 not readable").arg(quoted(text));
    const double tenths = hz * 10.0;
    const double rounded = std::round(tenths);
    if (std::abs(tenths - rounded) > 1e-6 || rounded < 0 || rounded > 100'000 ||
        !ctcssTable().contains(int(rounded)))
        return QCoreApplication::translate("CsvImport", "tone %1 Hz not available").arg(text);
    return Tone::ctcss(int(rounded));
}

// A DCS code as three octal digits ("023", "23" also taken); `polarity` is
// 'N' or 'R'.
std::variant<Tone, Reason> readDcs(const QString& text, const QString& column, QChar polarity) {
    if (text.isEmpty())
        return QCoreApplication::translate("CsvImport", "%1 missing").arg(column);
    bool allDigits = text.size() <= 4;
    for (const QChar c : text)
        allDigits = allDigits && c >= u'0' && c <= u'9';
    if (!allDigits)
        return QCoreApplication::translate("CsvImport", "DTCS code %1 not readable")
            .arg(quoted(text));
    const int code = text.toInt();
    if (!dcsTable().contains(code))
        return QCoreApplication::translate("CsvImport", "DTCS code %1 not available")
            .arg(code, 3, 10, QChar(u'0'));
    return Tone::dcs(code, polarity == u'R');
}

struct Tones {
    std::optional<Tone> tx;
    std::optional<Tone> rx;
};

// What each side of a CrossMode carries.
enum class Squelch { none, ctcss, dcs };

std::optional<Squelch> squelchFromText(const QString& text) {
    if (text.isEmpty())
        return Squelch::none;
    if (text.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0)
        return Squelch::ctcss;
    if (text.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0)
        return Squelch::dcs;
    return std::nullopt;
}

std::variant<Tones, Reason> readTones(const Columns& columns, const QStringList& row) {
    const QString tone = columns.field(row, kTone);
    QString polarity = columns.field(row, kDtcsPolarity).toUpper();
    if (polarity.isEmpty())
        polarity = QStringLiteral("NN");
    const bool polarityReadable = polarity.size() == 2 &&
                                  (polarity[0] == u'N' || polarity[0] == u'R') &&
                                  (polarity[1] == u'N' || polarity[1] == u'R');

    // Which squelch each side uses, and from which column.
    Squelch tx = Squelch::none;
    Squelch rx = Squelch::none;
    QString txCtcssColumn = kRToneFreq;
    QString rxCtcssColumn = kCToneFreq;
    QString rxDcsColumn = kRxDtcsCode;
    if (tone.isEmpty())
        return Tones{};
    if (tone.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0) {
        tx = Squelch::ctcss;
    } else if (tone.compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0) {
        tx = rx = Squelch::ctcss;
        txCtcssColumn = kCToneFreq;
    } else if (tone.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0) {
        tx = rx = Squelch::dcs;
        rxDcsColumn = kDtcsCode;
    } else if (tone.compare(QLatin1String("Cross"), Qt::CaseInsensitive) == 0) {
        const QString crossMode = columns.field(row, kCrossMode);
        const qsizetype arrow = crossMode.indexOf(QLatin1String("->"));
        const auto txSide = arrow < 0 ? std::nullopt : squelchFromText(crossMode.left(arrow));
        const auto rxSide = arrow < 0 ? std::nullopt : squelchFromText(crossMode.mid(arrow + 2));
        if (!txSide || !rxSide || (*txSide == Squelch::none && *rxSide == Squelch::none))
            return QCoreApplication::translate("CsvImport", "cross mode %1 not available")
                .arg(quoted(crossMode));
        tx = *txSide;
        rx = *rxSide;
    } else {
        return QCoreApplication::translate("CsvImport", "tone mode %1 not available")
            .arg(quoted(tone));
    }
    if ((tx == Squelch::dcs || rx == Squelch::dcs) && !polarityReadable)
        return QCoreApplication::translate("CsvImport", "DTCS polarity %1 not readable")
            .arg(quoted(columns.field(row, kDtcsPolarity)));

    const auto side = [&](Squelch squelch, const QString& ctcssColumn, const QString& dcsColumn,
                          QChar dcsPolarity) -> std::variant<std::optional<Tone>, Reason> {
        if (squelch == Squelch::none)
            return std::optional<Tone>{};
        auto read = squelch == Squelch::ctcss
                        ? readCtcss(columns.field(row, ctcssColumn), ctcssColumn)
                        : readDcs(columns.field(row, dcsColumn), dcsColumn, dcsPolarity);
        if (auto* reason = std::get_if<Reason>(&read))
            return *reason;
        return std::optional<Tone>(std::get<Tone>(read));
    };
    // The polarity is read only when a side uses DCS, and then it is readable.
    auto txTone = side(tx, txCtcssColumn, kDtcsCode, polarityReadable ? polarity[0] : u'N');
    if (auto* reason = std::get_if<Reason>(&txTone))
        return *reason;
    auto rxTone = side(rx, rxCtcssColumn, rxDcsColumn, polarityReadable ? polarity[1] : u'N');
    if (auto* reason = std::get_if<Reason>(&rxTone))
        return *reason;
    return Tones{std::get<std::optional<Tone>>(txTone), std::get<std::optional<Tone>>(rxTone)};
}

// The name as the channel record keeps it: its first 16 characters (one byte
// each in the record; a character outside the BMP counts as one).
QString cutName(const QString& name) {
    qsizetype end = 0;
    int kept = 0;
    while (end < name.size() && kept < ChannelRecord::kNameWidth) {
        end += name[end].isHighSurrogate() && end + 1 < name.size() ? 2 : 1;
        ++kept;
    }
    return name.left(end);
}

std::variant<ChannelEdit, Reason> readRow(const Columns& columns, const QStringList& row) {
    ChannelEdit edit;
    const QString mode = columns.field(row, kMode);
    if (mode.compare(QLatin1String("FM"), Qt::CaseInsensitive) == 0) {
        edit.bandwidthWide = true;
    } else if (mode.compare(QLatin1String("NFM"), Qt::CaseInsensitive) == 0) {
        edit.bandwidthWide = false;
    } else if (mode.compare(QLatin1String("DMR"), Qt::CaseInsensitive) == 0) {
        edit.isDMR = true;
        edit.colorCode = 1;
    } else if (mode.isEmpty()) {
        return QCoreApplication::translate("CsvImport", "Mode missing");
    } else {
        return QCoreApplication::translate("CsvImport", "%1 mode").arg(mode);
    }

    const auto rx = readFrequency(columns.field(row, kFrequency), kFrequency);
    if (const auto* reason = std::get_if<Reason>(&rx))
        return *reason;
    edit.rxHz = std::get<std::uint64_t>(rx);
    edit.txHz = edit.rxHz;

    const QString duplex = columns.field(row, kDuplex);
    if (duplex == QLatin1String("+") || duplex == QLatin1String("-")) {
        const auto offset = readOffset(columns.field(row, kOffset));
        if (const auto* reason = std::get_if<Reason>(&offset))
            return *reason;
        const std::uint64_t offsetHz = std::get<std::uint64_t>(offset);
        const bool up = duplex == QLatin1String("+");
        if (up ? offsetHz > kMaxChannelFrequencyHz - edit.rxHz : offsetHz >= edit.rxHz)
            return QCoreApplication::translate("CsvImport", "TX frequency %1 MHz not available")
                .arg(up ? megahertzText(edit.rxHz) + QStringLiteral(" + ") + megahertzText(offsetHz)
                        : megahertzText(edit.rxHz) + QStringLiteral(" - ") +
                              megahertzText(offsetHz));
        edit.txHz = up ? edit.rxHz + offsetHz : edit.rxHz - offsetHz;
    } else if (duplex.compare(QLatin1String("split"), Qt::CaseInsensitive) == 0) {
        const auto tx = readFrequency(columns.field(row, kOffset), kOffset);
        if (const auto* reason = std::get_if<Reason>(&tx))
            return *reason;
        edit.txHz = std::get<std::uint64_t>(tx);
    } else if (duplex.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) {
        edit.rxOnly = true;
    } else if (!duplex.isEmpty()) {
        return QCoreApplication::translate("CsvImport", "duplex %1 not available")
            .arg(quoted(duplex));
    }

    // A DMR channel has no CTCSS or DCS: its tone columns are not read.
    if (!edit.isDMR) {
        const auto tones = readTones(columns, row);
        if (const auto* reason = std::get_if<Reason>(&tones))
            return *reason;
        edit.txTone = std::get<Tones>(tones).tx;
        edit.rxTone = std::get<Tones>(tones).rx;
    }

    edit.skipScan = columns.field(row, kSkip).compare(QLatin1String("S"), Qt::CaseInsensitive) == 0;
    edit.name = cutName(columns.field(row, kName));
    return edit;
}

// ---- export ----

QString csvField(const QString& text) {
    const bool needsQuotes =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\n') ||
        text.contains(u'\r') ||
        (!text.isEmpty() && (isSpaceOrTab(text.front()) || isSpaceOrTab(text.back())));
    if (!needsQuotes)
        return text;
    QString escaped = text;
    escaped.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + escaped + u'"';
}

QString ctcssText(const Tone& tone) {
    return QString::asprintf("%.1f", tone.value / 10.0);
}

QString dcsText(const Tone& tone) {
    return QString::asprintf("%03d", tone.value);
}

QChar polarityChar(const std::optional<Tone>& tone) {
    return tone && tone->isDcs() && tone->inverted ? u'R' : u'N';
}

// The largest common tuning step that both frequencies lie on (informative only).
QString tuningStepText(std::uint64_t rxHz, std::uint64_t txHz) {
    static const std::uint64_t kStepsHz[] = {25'000, 12'500, 10'000, 6'250, 5'000, 2'500};
    for (const std::uint64_t step : kStepsHz) {
        if (rxHz % step == 0 && txHz % step == 0)
            return QString::asprintf("%.2f", double(step) / 1000.0);
    }
    return QStringLiteral("5.00");
}

QStringList exportRow(const RadioChannel& channel) {
    QHash<QString, QString> f;
    f[kLocation] = QString::number(channel.number);
    f[kName] = channel.name;
    f[kFrequency] = megahertzText(channel.rxHz);
    if (channel.rxOnly) {
        f[kDuplex] = QStringLiteral("off");
        f[kOffset] = megahertzText(0);
    } else if (channel.txHz == channel.rxHz) {
        f[kOffset] = megahertzText(0);
    } else {
        const std::uint64_t difference =
            channel.txHz > channel.rxHz ? channel.txHz - channel.rxHz : channel.rxHz - channel.txHz;
        if (difference > kMaxOffsetHz) {
            f[kDuplex] = QStringLiteral("split");
            f[kOffset] = megahertzText(channel.txHz);
        } else {
            f[kDuplex] = channel.txHz > channel.rxHz ? QStringLiteral("+") : QStringLiteral("-");
            f[kOffset] = megahertzText(difference);
        }
    }

    // Unused tone columns keep the usual defaults.
    f[kRToneFreq] = QStringLiteral("88.5");
    f[kCToneFreq] = QStringLiteral("88.5");
    f[kDtcsCode] = QStringLiteral("023");
    f[kRxDtcsCode] = QStringLiteral("023");
    f[kCrossMode] = QStringLiteral("Tone->Tone");
    const std::optional<Tone> tx = channel.isDMR() ? std::nullopt : channel.txTone;
    const std::optional<Tone> rx = channel.isDMR() ? std::nullopt : channel.rxTone;
    f[kDtcsPolarity] = QString(polarityChar(tx)) + polarityChar(rx);
    if (tx && !tx->isDcs())
        f[kRToneFreq] = ctcssText(*tx);
    if (tx && tx->isDcs())
        f[kDtcsCode] = dcsText(*tx);
    if (rx && !rx->isDcs())
        f[kCToneFreq] = ctcssText(*rx);
    if (rx && rx->isDcs())
        f[kRxDtcsCode] = dcsText(*rx);

    const auto sideText = [](const std::optional<Tone>& tone) {
        return !tone ? QString() : tone->isDcs() ? QStringLiteral("DTCS") : QStringLiteral("Tone");
    };
    if (!tx && !rx) {
        f[kTone] = QString();
    } else if (tx && !rx && !tx->isDcs()) {
        f[kTone] = QStringLiteral("Tone");
    } else if (tx && rx && !tx->isDcs() && *tx == *rx) {
        f[kTone] = QStringLiteral("TSQL");
    } else if (tx && rx && tx->isDcs() && rx->isDcs() && tx->value == rx->value) {
        f[kTone] = QStringLiteral("DTCS");
    } else {
        f[kTone] = QStringLiteral("Cross");
        f[kCrossMode] = sideText(tx) + QStringLiteral("->") + sideText(rx);
    }

    f[kMode] = channel.isDMR()         ? QStringLiteral("DMR")
               : channel.bandwidthWide ? QStringLiteral("FM")
                                       : QStringLiteral("NFM");
    f[kTStep] = tuningStepText(channel.rxHz, channel.txHz);
    f[kSkip] = channel.skipScan ? QStringLiteral("S") : QString();

    QStringList row;
    for (const QString& column : repeaterListColumns())
        row.append(csvField(f.value(column)));
    return row;
}

} // namespace

const QStringList& repeaterListColumns() {
    static const QStringList columns = {
        kLocation,  kName,      kFrequency, kDuplex,       kOffset,     kTone,
        kRToneFreq, kCToneFreq, kDtcsCode,  kDtcsPolarity, kRxDtcsCode, kCrossMode,
        kMode,      kTStep,     kSkip,      kPower,        kComment};
    return columns;
}

bool isRepeaterListCsv(const QString& text) {
    const QList<CsvRecord> header = readCsvRecords(text, 1);
    if (header.isEmpty())
        return false;
    const Columns columns(header.first().fields);
    return columns.has(kFrequency) && columns.has(kDuplex) && columns.has(kOffset);
}

RepeaterListImport parseRepeaterListCsv(const QString& text) {
    RepeaterListImport result;
    const QList<CsvRecord> records = readCsvRecords(text);
    if (records.isEmpty())
        return result;
    const Columns columns(records.first().fields);
    for (qsizetype i = 1; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        if (record.unclosedQuote) {
            result.skipped.append(
                {record.line, QCoreApplication::translate("CsvImport", "quote not closed")});
            continue;
        }
        auto row = readRow(columns, record.fields);
        if (auto* reason = std::get_if<Reason>(&row))
            result.skipped.append({record.line, *reason});
        else {
            result.channels.append(std::get<ChannelEdit>(row));
            result.lines.append(record.line);
        }
    }
    return result;
}

QString repeaterListCsv(const QList<RadioChannel>& channels) {
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = repeaterListColumns().join(u',') + lineEnd;
    for (const RadioChannel& channel : channels)
        text += exportRow(channel).join(u',') + lineEnd;
    return text;
}

QString skippedRowsText(const QList<SkippedCsvRow>& skipped) {
    if (skipped.isEmpty())
        return {};
    QStringList named;
    for (qsizetype i = 0; i < skipped.size() && i < kNamedSkipsInSummary; ++i)
        named.append(QCoreApplication::translate("CsvImport", "line %1 %2")
                         .arg(skipped[i].line)
                         .arg(skipped[i].reason));
    if (skipped.size() > kNamedSkipsInSummary)
        named.append(QCoreApplication::translate("CsvImport", "%1 more")
                         .arg(skipped.size() - kNamedSkipsInSummary));
    return QCoreApplication::translate("CsvImport", "%1 %2 skipped: %3")
        .arg(skipped.size())
        .arg(skipped.size() == 1 ? QCoreApplication::translate("CsvImport", "row")
                                 : QCoreApplication::translate("CsvImport", "rows"),
             named.join(QStringLiteral(", ")));
}

} // namespace nerka
