#include "codeplug/ChannelCsvRows.h"

#include "codeplug/ChannelCsvImport.h"
#include "codeplug/CsvText.h"

#include <QHash>

#include <tuple>

#include <algorithm>
#include <array>
#include <cmath>
#include <variant>

namespace nerka {

namespace {

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
    contact,
    groupList,
    zones,
    squelch,
    squelchLevel,
    zoneScanSkip,
    vox,
    monitor,
    powerSave,
    beep,
    aprs,
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
        QStringList{"TX contact", "Contact"},
        QStringList{"Group list", "RX group list"},
        QStringList{"Zones"},
        QStringList{"Squelch"},
        QStringList{"Squelch level"},
        QStringList{"Zone scan skip"},
        QStringList{"VOX"},
        QStringList{"Monitor"},
        QStringList{"Power save"},
        QStringList{"Key beep", "Beep"},
        QStringList{"APRS"},
    };
    return names;
}

QString mhz(std::uint64_t hz) {
    return QString::asprintf("%.5f", double(hz) / 1'000'000.0);
}

// The level's name, or the raw byte when it is not the byte the editor
// stores for its level (so a file keeps it).
QString powerText(std::uint8_t raw) {
    const ChannelPowerLevel level = powerLevel(raw);
    if (powerRawFor(level, 0) == raw || (level == ChannelPowerLevel::global && raw == 0))
        return rawText(level);
    return QString::number(raw);
}

// The key of the record named `name` (exactly, else ignoring case), or of
// "#N" (1-based).

QString toneText(const std::optional<Tone>& tone) {
    return tone ? tone->displayText() : QString();
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

std::optional<int> referenceNamed(const QHash<int, QString>& byKey, const QString& name) {
    std::optional<int> exact;
    std::optional<int> caseless;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value() == name && (!exact || it.key() < *exact))
            exact = it.key();
        if (it.value().compare(name, Qt::CaseInsensitive) == 0 &&
            (!caseless || it.key() < *caseless))
            caseless = it.key();
    }
    if (exact)
        return exact;
    if (caseless)
        return caseless;
    if (name.startsWith(u'#')) {
        bool ok = false;
        const int number = name.mid(1).toInt(&ok);
        if (ok && number >= 1)
            return number - 1;
    }
    return std::nullopt;
}

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
    bool isNumber = false;
    const int raw = t.toInt(&isNumber);
    if (isNumber)
        return raw >= 0 && raw <= 255 ? std::optional<std::uint8_t>(std::uint8_t(raw))
                                      : std::nullopt;
    for (const ChannelPowerLevel level : kAllChannelPowerLevels) {
        if (rawText(level).compare(t, Qt::CaseInsensitive) == 0)
            return powerRawFor(level, 0);
    }
    return std::nullopt;
}

namespace {

// The row as an edit, or the reason it cannot be one.
struct RowRead {
    ChannelEdit edit;
    QList<int> zones;
    QStringList unresolved; // names this codeplug lacks, left empty ("contact 'Hamburg'")
};

std::variant<RowRead, QString> readRow(const QStringList& fields,
                                       const QList<std::optional<Column>>& columns,
                                       const ChannelRowNames& names) {
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
    const std::array<std::pair<Column, bool*>, 5> moreFlags = {
        std::pair{Column::zoneScanSkip, &edit.skipZoneScan}, std::pair{Column::vox, &edit.vox},
        std::pair{Column::monitor, &edit.monitor}, std::pair{Column::powerSave, &edit.powerSave},
        std::pair{Column::beep, &edit.beep}};
    for (const auto& [column, target] : moreFlags) {
        if (const auto text = given(column)) {
            const auto flag = parseFlagText(*text);
            if (!flag)
                return QStringLiteral("'%1' is neither yes nor no").arg(*text);
            *target = *flag;
        }
    }
    const std::array<std::tuple<Column, const QHash<int, QString>*, std::optional<int>*, QString>,
                     2>
        references = {std::tuple{Column::contact, &names.contacts, &edit.contactSlot,
                                 QStringLiteral("contact")},
                      std::tuple{Column::groupList, &names.groupLists, &edit.groupListIndex,
                                 QStringLiteral("group list")}};
    QStringList unresolved;
    // A name this codeplug lacks leaves the reference empty: the channel is
    // still wanted, and any other record would be the wrong one.
    for (const auto& [column, byKey, target, what] : references) {
        const auto text = given(column);
        if (!text)
            continue;
        if (const auto key = referenceNamed(*byKey, *text))
            *target = *key;
        else
            unresolved.append(QStringLiteral("%1 '%2'").arg(what, *text));
    }
    if (const auto squelch = given(Column::squelch)) {
        const auto mode =
            std::find_if(kAllSquelchModes.begin(), kAllSquelchModes.end(), [&](SquelchMode m) {
                return rawText(m).compare(*squelch, Qt::CaseInsensitive) == 0;
            });
        if (mode == kAllSquelchModes.end())
            return QStringLiteral("squelch '%1' unknown").arg(*squelch);
        edit.squelchMode = *mode;
    }
    if (const auto level = given(Column::squelchLevel)) {
        bool ok = false;
        const int value = level->toInt(&ok);
        if (!ok || value < 1 || value > 9)
            return QStringLiteral("squelch level '%1' is not 1\u20139").arg(*level);
        edit.squelchLevel = value;
    }
    if (const auto aprs = given(Column::aprs)) {
        bool ok = false;
        const int value = aprs->toInt(&ok);
        if (!ok || value < 1 || value > 255)
            return QStringLiteral("APRS '%1' is not a system number").arg(*aprs);
        edit.aprsIndex = value - 1;
    }
    QList<int> zones;
    if (const auto zoneText = given(Column::zones)) {
        QStringList wanted{*zoneText};
        if (!referenceNamed(names.zoneList, *zoneText))
            wanted = zoneText->split(u',', Qt::SkipEmptyParts);
        for (const QString& name : wanted) {
            const auto index = referenceNamed(names.zoneList, name.trimmed());
            if (!index || !names.zoneList.contains(*index))
                unresolved.append(QStringLiteral("zone '%1'").arg(name.trimmed()));
            else if (!zones.contains(*index))
                zones.append(*index);
        }
    }
    return RowRead{edit, zones, unresolved};
}

} // namespace

bool hasChannelRowsHeader(const QString& text) {
    const QList<CsvTextRow> rows = splitCsvText(text.left(4096));
    if (rows.isEmpty())
        return false;
    // Beyond the seven columns of the import's own layout.
    for (const QString& header : rows.first().fields) {
        const auto column = columnNamed(header);
        if (column && int(*column) > int(Column::timeSlot))
            return true;
    }
    return false;
}

const QStringList& channelRowColumns() {
    static const QStringList columns = [] {
        QStringList list;
        for (const QStringList& names : columnNames())
            list.append(names.first());
        return list;
    }();
    return columns;
}

QString channelRowsText(const QList<RadioChannel>& channels, QChar separator,
                        const ChannelRowNames& names) {
    QString text;
    const auto appendRow = [&](const QStringList& fields) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text.append(separator);
            text.append(csvField(fields[i], separator));
        }
        text.append(u'\n');
    };
    const auto yesNo = [](bool flag) {
        return flag ? QStringLiteral("Yes") : QStringLiteral("No");
    };
    // A reference by name, or by "#" and its 1-based position when the name
    // is not known.
    const auto reference = [](const QHash<int, QString>& byKey, const std::optional<int>& key) {
        if (!key)
            return QString();
        return byKey.value(*key, QStringLiteral("#%1").arg(*key + 1));
    };
    appendRow(channelRowColumns());
    for (const RadioChannel& c : channels) {
        appendRow({c.name,
                   mhz(c.rxHz),
                   mhz(c.txHz),
                   c.isDMR() ? QStringLiteral("DMR") : QStringLiteral("FM"),
                   c.bandwidthWide ? QStringLiteral("25 kHz") : QStringLiteral("12.5 kHz"),
                   QString::number(c.colorCode),
                   QString::number(c.timeSlot),
                   powerText(c.powerRaw),
                   toneText(c.rxTone),
                   toneText(c.txTone),
                   yesNo(c.skipScan),
                   yesNo(c.rxOnly),
                   reference(names.contacts, c.contactIndex),
                   reference(names.groupLists, c.groupListIndex),
                   names.zones.value(c.number).join(QStringLiteral(", ")),
                   rawText(c.squelchMode),
                   QString::number(c.squelchLevel),
                   yesNo(c.skipZoneScan),
                   yesNo(c.vox),
                   yesNo(c.monitor),
                   yesNo(c.powerSave),
                   yesNo(c.beep),
                   c.aprsIndex ? QString::number(*c.aprsIndex + 1) : QString()});
    }
    return text;
}

ChannelRowsRead parseChannelRows(const QString& text, const ChannelRowNames& names) {
    ChannelRowsRead read;
    QList<CsvTextRow> rows = splitCsvText(text);
    // Comment lines are dropped before the header is looked for.
    rows.removeIf([](const CsvTextRow& row) { return row.fields.first().startsWith(u'#'); });
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
        auto row = readRow(rows[r].fields, columns, names);
        if (auto* taken = std::get_if<RowRead>(&row)) {
            read.channels.append(std::move(taken->edit));
            read.zones.append(std::move(taken->zones));
            read.lines.append(rows[r].line);
            for (const QString& name : taken->unresolved)
                read.unresolved.append({rows[r].line, name});
        } else
            read.skipped.append({rows[r].line, std::get<QString>(row)});
    }
    return read;
}

QList<ChannelRowReferences> channelRowReferences(const QString& text) {
    QList<CsvTextRow> rows = splitCsvText(text);
    rows.removeIf([](const CsvTextRow& row) { return row.fields.first().startsWith(u'#'); });
    if (rows.isEmpty())
        return {};
    qsizetype contact = -1;
    qsizetype groupList = -1;
    qsizetype zones = -1;
    const QStringList& header = rows.first().fields;
    for (qsizetype i = 0; i < header.size(); ++i) {
        const auto column = columnNamed(header[i]);
        if (column == Column::contact)
            contact = i;
        else if (column == Column::groupList)
            groupList = i;
        else if (column == Column::zones)
            zones = i;
    }
    if (contact < 0 && groupList < 0 && zones < 0)
        return {};
    QList<ChannelRowReferences> references;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& fields = rows[r].fields;
        const auto field = [&](qsizetype at) {
            return at >= 0 ? fields.value(at).trimmed() : QString();
        };
        references.append({field(contact), field(groupList), field(zones)});
    }
    return references;
}

} // namespace nerka
