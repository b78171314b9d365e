#include "codeplug/ChannelFields.h"

#include "codeplug/AprsCodec.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/FieldText.h"
#include "codeplug/Megahertz.h"
#include "codeplug/TalkgroupCodec.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace nerka {

namespace {

using Info = ChannelFieldInfo;

// ---- edit JSON: one reader per kind of value ----

QString jsonKey(const Info& row) {
    return QLatin1Char('\'') + row.editKey + QLatin1Char('\'');
}

std::optional<qint64> jsonInteger(const QJsonValue& v, qint64 min, qint64 max) {
    const double d = v.toDouble();
    if (!v.isDouble() || std::floor(d) != d || d < double(min) || d > double(max))
        return std::nullopt;
    return qint64(d);
}

QString integerRule(const Info& row) {
    return jsonKey(row) + QStringLiteral(" must be an integer from %1 to %2")
                              .arg(QString::number(row.min), QString::number(row.max));
}

// ---- rows by kind ----

template <auto Member> void copyMember(const ChannelEdit& from, ChannelEdit& to) {
    to.*Member = from.*Member;
}

template <bool RadioChannel::*Flag> QJsonValue dumpFlag(const RadioChannel& c) {
    return c.*Flag;
}

template <bool RadioChannel::*Flag>
QString flagText(const RadioChannel& c, const ChannelRowNames&) {
    return yesNoText(c.*Flag);
}

template <bool ChannelEdit::*Flag>
std::optional<QString> readFlag(const QString& text, ChannelEdit& e, const ChannelRowNames&) {
    const auto flag = parseFlagText(text);
    if (!flag)
        return QCoreApplication::translate("Fields", "'%1' is neither yes nor no")
            .arg(text.trimmed());
    e.*Flag = *flag;
    return std::nullopt;
}

template <bool ChannelEdit::*Flag>
std::optional<QString> readFlagJson(const QJsonValue& v, ChannelEdit& e) {
    if (!v.isBool())
        return QStringLiteral("must be true or false");
    e.*Flag = v.toBool();
    return std::nullopt;
}

// A flag row: the same name in the record, the dump and the edit.
template <bool RadioChannel::*Flag, bool ChannelEdit::*EditFlag>
Info flagRow(ChannelField id, const char* key, const QString& label, QStringList headers,
             int csvColumn) {
    Info row;
    row.id = id;
    row.dumpKey = row.editKey = QLatin1String(key);
    row.label = label;
    row.csvHeaders = std::move(headers);
    row.csvColumn = csvColumn;
    row.kind = FieldKind::flag;
    row.dump = &dumpFlag<Flag>;
    row.text = &flagText<Flag>;
    row.read = &readFlag<EditFlag>;
    row.readJson = &readFlagJson<EditFlag>;
    row.copy = &copyMember<EditFlag>;
    row.editFlag = EditFlag;
    return row;
}

template <std::uint64_t RadioChannel::*Hz> QJsonValue dumpHz(const RadioChannel& c) {
    return qint64(c.*Hz);
}

template <std::uint64_t RadioChannel::*Hz>
QString hzText(const RadioChannel& c, const ChannelRowNames&) {
    return megahertzText(c.*Hz);
}

template <std::uint64_t ChannelEdit::*Hz>
std::optional<QString> readHz(const QString& text, ChannelEdit& e, const ChannelRowNames&) {
    const auto hz = parseMegahertz(text.trimmed());
    if (!hz)
        return megahertzProblem(text.trimmed());
    e.*Hz = *hz;
    return std::nullopt;
}

template <std::uint64_t ChannelEdit::*Hz>
std::optional<QString> readHzJson(const QJsonValue& v, ChannelEdit& e) {
    const auto hz = jsonInteger(v, 0, qint64(kMaxChannelFrequencyHz));
    if (!hz)
        return QString(); // the caller words the range
    e.*Hz = std::uint64_t(*hz);
    return std::nullopt;
}

template <std::uint64_t RadioChannel::*Hz, std::uint64_t ChannelEdit::*EditHz>
Info frequencyRow(ChannelField id, const char* key, const QString& label, QStringList headers,
                  int csvColumn) {
    Info row;
    row.id = id;
    row.dumpKey = row.editKey = QLatin1String(key);
    row.label = label;
    row.csvHeaders = std::move(headers);
    row.csvColumn = csvColumn;
    row.kind = FieldKind::frequency;
    row.required = id == ChannelField::rx; // TX defaults to RX
    row.max = qint64(kMaxChannelFrequencyHz);
    row.dump = &dumpHz<Hz>;
    row.text = &hzText<Hz>;
    row.read = &readHz<EditHz>;
    row.readJson = &readHzJson<EditHz>;
    row.copy = &copyMember<EditHz>;
    return row;
}

template <std::optional<Tone> RadioChannel::*T> QJsonValue dumpTone(const RadioChannel& c) {
    return toneToJson(c.*T);
}

template <std::optional<Tone> RadioChannel::*T>
QString toneText(const RadioChannel& c, const ChannelRowNames&) {
    return (c.*T) ? (c.*T)->displayText() : QString();
}

template <std::optional<Tone> ChannelEdit::*T>
std::optional<QString> readTone(const QString& text, ChannelEdit& e, const ChannelRowNames&) {
    const auto tone = parseToneText(text);
    if (!tone)
        return QCoreApplication::translate(
                   "Fields", "'%1' is no tone of the radio's tables (88.5, D023N or Off)")
            .arg(text.trimmed());
    e.*T = *tone;
    return std::nullopt;
}

// A tone of the tone tables, or the value the field holds already (a record
// read from a radio may hold another). Other values would be stored cut to
// the digits the 16-bit tone code holds.
template <std::optional<Tone> ChannelEdit::*T>
std::optional<QString> readToneJson(const QJsonValue& v, ChannelEdit& e) {
    const auto tone = toneFromJson(v);
    if (!tone)
        return QStringLiteral("must be null, {\"ctcss\": tenths} or "
                              "{\"dcs\": code, \"inverted\": bool}");
    if (*tone && *tone != e.*T) {
        const QList<int>& table = (*tone)->isDcs() ? dcsTable() : ctcssTable();
        if (!table.contains((*tone)->value))
            return QStringLiteral(
                "must be a CTCSS tone (tenths of Hz) or DCS code of the tone tables");
    }
    e.*T = *tone;
    return std::nullopt;
}

template <std::optional<Tone> RadioChannel::*T, std::optional<Tone> ChannelEdit::*EditT>
Info toneRow(ChannelField id, const char* key, const QString& label, int csvColumn) {
    Info row;
    row.id = id;
    row.dumpKey = row.editKey = QLatin1String(key);
    row.label = label;
    row.csvHeaders = {label};
    row.csvColumn = csvColumn;
    row.kind = FieldKind::tone;
    row.modes = FieldModes::fm;
    row.dump = &dumpTone<T>;
    row.text = &toneText<T>;
    row.read = &readTone<EditT>;
    row.readJson = &readToneJson<EditT>;
    row.copy = &copyMember<EditT>;
    return row;
}

QJsonValue optionalJson(const std::optional<int>& value) {
    return value ? QJsonValue(*value) : QJsonValue();
}

// Null or an index from 0 to the row's maximum.
template <std::optional<int> ChannelEdit::*Index, qint64 Max>
std::optional<QString> readIndexJson(const QJsonValue& v, ChannelEdit& e) {
    if (v.isNull()) {
        (e.*Index).reset();
        return std::nullopt;
    }
    const auto index = jsonInteger(v, 0, Max);
    if (!index)
        return QString();
    e.*Index = int(*index);
    return std::nullopt;
}

// A reference to a contact or a talkgroup list, by name.
template <ChannelField Id, std::optional<int> RadioChannel::*Index,
          std::optional<int> ChannelEdit::*EditIndex, QHash<int, QString> ChannelRowNames::*Names,
          qint64 Max>
Info referenceRow(const char* dumpKey, const char* editKey, const QString& label,
                  const QString& noun, QStringList headers, int csvColumn) {
    Info row;
    row.id = Id;
    row.dumpKey = QLatin1String(dumpKey);
    row.editKey = QLatin1String(editKey);
    row.label = label;
    row.noun = noun;
    row.csvHeaders = std::move(headers);
    row.csvColumn = csvColumn;
    row.kind = FieldKind::reference;
    row.modes = FieldModes::dmr;
    row.max = Max;
    row.dump = [](const RadioChannel& c) { return optionalJson(c.*Index); };
    row.text = [](const RadioChannel& c, const ChannelRowNames& names) {
        return referenceText(names.*Names, c.*Index);
    };
    row.read = [](const QString& text, ChannelEdit& e,
                  const ChannelRowNames& names) -> std::optional<QString> {
        const QString t = text.trimmed();
        std::optional<int> key;
        if (!t.isEmpty()) {
            key = referenceNamed(names.*Names, t);
            if (!key)
                return QCoreApplication::translate("Fields", "no %1 named '%2'")
                    .arg(fieldDisplayText(channelField(Id).noun), t);
        }
        e.*EditIndex = key;
        return std::nullopt;
    };
    row.readJson = &readIndexJson<EditIndex, Max>;
    row.copy = &copyMember<EditIndex>;
    return row;
}

// An enumeration whose choices are read ignoring case.
std::optional<int> choiceIndex(const QStringList& choices, const QString& text) {
    const QString t = text.trimmed();
    for (qsizetype i = 0; i < choices.size(); ++i) {
        if (choices[i].compare(t, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return std::nullopt;
}

QString choiceProblem(const QString& text, const QStringList& choices) {
    return QCoreApplication::translate("Fields", "'%1' is not one of %2")
        .arg(text.trimmed(), choices.join(QStringLiteral(", ")));
}

QStringList powerChoices() {
    QStringList choices;
    for (ChannelPowerLevel level : kAllChannelPowerLevels)
        choices.append(rawText(level));
    return choices;
}

QStringList squelchChoices() {
    QStringList choices;
    for (SquelchMode mode : kAllSquelchModes)
        choices.append(rawText(mode));
    return choices;
}

Info nameField() {
    Info name;
    name.id = ChannelField::name;
    name.dumpKey = name.editKey = QLatin1String("name");
    name.label = QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Name"));
    name.csvHeaders = {QStringLiteral("Name")};
    name.required = true;
    name.dump = [](const RadioChannel& c) { return QJsonValue(c.name); };
    name.text = [](const RadioChannel& c, const ChannelRowNames&) { return c.name; };
    name.read = [](const QString& text, ChannelEdit& e,
                   const ChannelRowNames&) -> std::optional<QString> {
        if (text.trimmed().isEmpty())
            return QCoreApplication::translate("Fields", "enter a name");
        e.name = text;
        return std::nullopt;
    };
    name.readJson = [](const QJsonValue& v, ChannelEdit& e) -> std::optional<QString> {
        if (!v.isString())
            return QStringLiteral("must be a text");
        e.name = v.toString();
        return std::nullopt;
    };
    name.copy = &copyMember<&ChannelEdit::name>;
    return name;
}

Info modeField() {
    Info mode;
    mode.id = ChannelField::mode;
    mode.dumpKey = QLatin1String("mode");
    mode.editKey = QLatin1String("isDMR");
    mode.label = QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Mode"));
    mode.csvHeaders = {QStringLiteral("Mode")};
    mode.csvColumn = 3;
    mode.kind = FieldKind::enumeration;
    mode.choices = {rawText(ChannelMode::fm), rawText(ChannelMode::dmr)};
    mode.dump = [](const RadioChannel& c) { return QJsonValue(rawText(c.mode)); };
    mode.text = [](const RadioChannel& c, const ChannelRowNames&) { return rawText(c.mode); };
    // As the channel CSV import reads it: "DMR" anywhere is DMR.
    mode.read = [](const QString& text, ChannelEdit& e,
                   const ChannelRowNames&) -> std::optional<QString> {
        const QString t = text.toUpper();
        if (!t.contains(QLatin1String("DMR")) && !t.contains(QLatin1String("FM")))
            return choiceProblem(text, channelField(ChannelField::mode).choices);
        e.isDMR = t.contains(QLatin1String("DMR"));
        return std::nullopt;
    };
    mode.readJson = &readFlagJson<&ChannelEdit::isDMR>;
    mode.copy = &copyMember<&ChannelEdit::isDMR>;
    return mode;
}

Info powerField() {
    Info power;
    power.id = ChannelField::power;
    power.dumpKey = power.editKey = QLatin1String("powerRaw");
    power.dumpTextKey = QLatin1String("power");
    power.label = QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Power"));
    power.csvHeaders = {QStringLiteral("Power")};
    power.csvColumn = 7;
    power.kind = FieldKind::enumeration;
    power.choices = powerChoices();
    power.max = 255;
    power.dump = [](const RadioChannel& c) { return QJsonValue(int(c.powerRaw)); };
    power.text = [](const RadioChannel& c, const ChannelRowNames&) {
        return powerText(c.powerRaw);
    };
    power.display = [](const RadioChannel& c, const ChannelRowNames&) {
        return rawText(powerLevel(c.powerRaw));
    };
    power.read = [](const QString& text, ChannelEdit& e,
                    const ChannelRowNames&) -> std::optional<QString> {
        const auto raw = parsePowerText(text);
        if (!raw)
            return choiceProblem(text, channelField(ChannelField::power).choices);
        // The editor's rule: the stored byte stays when its level is chosen again.
        bool isNumber = false;
        (void)text.trimmed().toInt(&isNumber);
        if (isNumber || powerLevel(*raw) != powerLevel(e.powerRaw))
            e.powerRaw = *raw;
        return std::nullopt;
    };
    power.readJson = [](const QJsonValue& v, ChannelEdit& e) -> std::optional<QString> {
        const auto raw = jsonInteger(v, 0, 255);
        if (!raw)
            return QString();
        e.powerRaw = std::uint8_t(*raw);
        return std::nullopt;
    };
    power.copy = &copyMember<&ChannelEdit::powerRaw>;
    return power;
}

Info bandwidthField() {
    Info bandwidth;
    bandwidth.id = ChannelField::bandwidth;
    bandwidth.dumpKey = bandwidth.editKey = QLatin1String("bandwidthWide");
    bandwidth.label = QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Bandwidth"));
    bandwidth.csvHeaders = {QStringLiteral("Bandwidth")};
    bandwidth.csvColumn = 4;
    bandwidth.kind = FieldKind::enumeration;
    bandwidth.modes = FieldModes::fm;
    bandwidth.choices = {QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "12.5 kHz")),
                         QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "25 kHz"))};
    bandwidth.dump = &dumpFlag<&RadioChannel::bandwidthWide>;
    bandwidth.text = [](const RadioChannel& c, const ChannelRowNames&) {
        return channelField(ChannelField::bandwidth).choices[c.bandwidthWide ? 1 : 0];
    };
    // As the channel CSV import reads it: "25" or "wide" anywhere is wide.
    bandwidth.read = [](const QString& text, ChannelEdit& e,
                        const ChannelRowNames&) -> std::optional<QString> {
        const QString t = text.toLower();
        const bool wide = t.contains(QLatin1String("25")) || t.contains(QLatin1String("wide"));
        if (!wide && !t.contains(QLatin1String("12.5")) && !t.contains(QLatin1String("narrow")))
            return choiceProblem(text, channelField(ChannelField::bandwidth).choices);
        e.bandwidthWide = wide;
        return std::nullopt;
    };
    bandwidth.readJson = &readFlagJson<&ChannelEdit::bandwidthWide>;
    bandwidth.copy = &copyMember<&ChannelEdit::bandwidthWide>;
    return bandwidth;
}

Info timeSlotField() {
    Info timeSlot;
    timeSlot.id = ChannelField::timeSlot;
    timeSlot.dumpKey = QLatin1String("timeSlot");
    timeSlot.editKey = QLatin1String("timeSlotTS2");
    timeSlot.label = QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Time slot"));
    timeSlot.csvHeaders = {QStringLiteral("Time slot"), QStringLiteral("TS"),
                           QStringLiteral("Timeslot")};
    timeSlot.csvColumn = 6;
    timeSlot.kind = FieldKind::enumeration;
    timeSlot.modes = FieldModes::dmr;
    timeSlot.choices = {QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "TS1")),
                        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "TS2"))};
    timeSlot.dump = [](const RadioChannel& c) { return QJsonValue(c.timeSlot); };
    timeSlot.text = [](const RadioChannel& c, const ChannelRowNames&) {
        return QString::number(c.timeSlot);
    };
    timeSlot.display = [](const RadioChannel& c, const ChannelRowNames&) {
        return channelField(ChannelField::timeSlot).choices[c.timeSlot == 2 ? 1 : 0];
    };
    // As the channel CSV import reads it: "2" anywhere is time slot 2.
    timeSlot.read = [](const QString& text, ChannelEdit& e,
                       const ChannelRowNames&) -> std::optional<QString> {
        if (!text.contains(u'1') && !text.contains(u'2'))
            return choiceProblem(text, channelField(ChannelField::timeSlot).choices);
        e.timeSlotTS2 = text.contains(u'2');
        return std::nullopt;
    };
    timeSlot.readJson = &readFlagJson<&ChannelEdit::timeSlotTS2>;
    timeSlot.copy = &copyMember<&ChannelEdit::timeSlotTS2>;
    return timeSlot;
}

Info colorCodeField() {
    Info colorCode;
    colorCode.id = ChannelField::colorCode;
    colorCode.dumpKey = colorCode.editKey = QLatin1String("colorCode");
    colorCode.label = QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Farbcode"));
    colorCode.csvHeaders = {QStringLiteral("Colour code"), QStringLiteral("Color code"),
                            QStringLiteral("CC")};
    colorCode.csvColumn = 5;
    colorCode.kind = FieldKind::integer;
    colorCode.modes = FieldModes::dmr;
    colorCode.max = kMaxColorCode;
    colorCode.dump = [](const RadioChannel& c) { return QJsonValue(c.colorCode); };
    colorCode.text = [](const RadioChannel& c, const ChannelRowNames&) {
        return QString::number(c.colorCode);
    };
    colorCode.read = [](const QString& text, ChannelEdit& e,
                        const ChannelRowNames&) -> std::optional<QString> {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (!ok || value < 0 || value > kMaxColorCode)
            return QCoreApplication::translate("Fields", "'%1' is not 0–%2")
                .arg(text.trimmed())
                .arg(kMaxColorCode);
        e.colorCode = value;
        return std::nullopt;
    };
    colorCode.readJson = [](const QJsonValue& v, ChannelEdit& e) -> std::optional<QString> {
        const auto value = jsonInteger(v, 0, kMaxColorCode);
        if (!value)
            return QString();
        e.colorCode = int(*value);
        return std::nullopt;
    };
    colorCode.copy = &copyMember<&ChannelEdit::colorCode>;
    return colorCode;
}

Info squelchField() {
    Info squelch;
    squelch.id = ChannelField::squelch;
    squelch.dumpKey = squelch.editKey = QLatin1String("squelchMode");
    squelch.label = QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Squelch"));
    squelch.csvHeaders = {QStringLiteral("Squelch")};
    squelch.csvColumn = 15;
    squelch.kind = FieldKind::enumeration;
    squelch.choices = squelchChoices();
    squelch.dump = [](const RadioChannel& c) { return QJsonValue(rawText(c.squelchMode)); };
    squelch.text = [](const RadioChannel& c, const ChannelRowNames&) {
        return rawText(c.squelchMode);
    };
    squelch.read = [](const QString& text, ChannelEdit& e,
                      const ChannelRowNames&) -> std::optional<QString> {
        const QStringList& choices = channelField(ChannelField::squelch).choices;
        const auto index = choiceIndex(choices, text);
        if (!index)
            return choiceProblem(text, choices);
        e.squelchMode = kAllSquelchModes[std::size_t(*index)];
        return std::nullopt;
    };
    squelch.readJson = [](const QJsonValue& v, ChannelEdit& e) -> std::optional<QString> {
        if (!v.isString())
            return QStringLiteral("must be a text");
        const auto mode = squelchModeFromRawText(v.toString());
        if (!mode)
            return QStringLiteral("must be one of ") +
                   channelField(ChannelField::squelch).choices.join(QStringLiteral(", "));
        e.squelchMode = *mode;
        return std::nullopt;
    };
    squelch.copy = &copyMember<&ChannelEdit::squelchMode>;
    return squelch;
}

Info levelField() {
    Info level;
    level.id = ChannelField::squelchLevel;
    level.dumpKey = level.editKey = QLatin1String("squelchLevel");
    level.label = QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Squelch level"));
    level.csvHeaders = {QStringLiteral("Squelch level")};
    level.csvColumn = 16;
    level.kind = FieldKind::integer;
    level.min = 1;
    level.max = 9;
    level.dump = [](const RadioChannel& c) { return QJsonValue(c.squelchLevel); };
    level.text = [](const RadioChannel& c, const ChannelRowNames&) {
        return QString::number(c.squelchLevel);
    };
    level.read = [](const QString& text, ChannelEdit& e,
                    const ChannelRowNames&) -> std::optional<QString> {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (!ok || value < 1 || value > 9)
            return QCoreApplication::translate("Fields", "'%1' is not 1–9").arg(text.trimmed());
        e.squelchLevel = value;
        return std::nullopt;
    };
    level.readJson = [](const QJsonValue& v, ChannelEdit& e) -> std::optional<QString> {
        const auto value = jsonInteger(v, 1, 9);
        if (!value)
            return QString();
        e.squelchLevel = int(*value);
        return std::nullopt;
    };
    level.copy = &copyMember<&ChannelEdit::squelchLevel>;
    return level;
}

// The APRS system by its number (1-based) in text, by index in JSON.
Info aprsField() {
    Info aprs;
    aprs.id = ChannelField::aprs;
    aprs.dumpKey = aprs.editKey = QLatin1String("aprsIndex");
    aprs.label = QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "APRS"));
    aprs.csvHeaders = {QStringLiteral("APRS")};
    aprs.csvColumn = 22;
    aprs.kind = FieldKind::reference;
    aprs.max = AprsTable::kEntryCount - 1;
    aprs.dump = [](const RadioChannel& c) { return optionalJson(c.aprsIndex); };
    aprs.text = [](const RadioChannel& c, const ChannelRowNames&) {
        return c.aprsIndex ? QString::number(*c.aprsIndex + 1) : QString();
    };
    aprs.read = [](const QString& text, ChannelEdit& e,
                   const ChannelRowNames&) -> std::optional<QString> {
        const QString t = text.trimmed();
        if (t.isEmpty()) {
            e.aprsIndex.reset();
            return std::nullopt;
        }
        bool ok = false;
        const int number = t.toInt(&ok);
        if (!ok || number < 1 || number > AprsTable::kEntryCount)
            return QCoreApplication::translate("Fields", "'%1' is not 1–%2")
                .arg(t)
                .arg(AprsTable::kEntryCount);
        e.aprsIndex = number - 1;
        return std::nullopt;
    };
    aprs.readJson = &readIndexJson<&ChannelEdit::aprsIndex, AprsTable::kEntryCount - 1>;
    aprs.copy = &copyMember<&ChannelEdit::aprsIndex>;
    return aprs;
}

Info zonesField() {
    Info zones;
    zones.id = ChannelField::zones;
    zones.label = QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Zones"));
    zones.noun = QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "zone"));
    zones.csvHeaders = {QStringLiteral("Zones")};
    zones.csvColumn = 14;
    zones.kind = FieldKind::reference;
    zones.text = [](const RadioChannel& c, const ChannelRowNames& names) {
        return names.zones.value(c.number).join(QStringLiteral(", "));
    };
    return zones;
}

QList<ChannelFieldInfo> buildTable() {
    QList<Info> rows(kChannelFieldCount);
    const auto put = [&rows](Info row) { rows[int(row.id)] = std::move(row); };
    // A row per field, in any order; each lands at its ChannelField.
    put(nameField());
    put(modeField());
    put(frequencyRow<&RadioChannel::rxHz, &ChannelEdit::rxHz>(
        ChannelField::rx, "rxHz", QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "RX (MHz)")),
        {QStringLiteral("RX (MHz)"), QStringLiteral("RX"), QStringLiteral("RX MHz")}, 1));
    put(frequencyRow<&RadioChannel::txHz, &ChannelEdit::txHz>(
        ChannelField::tx, "txHz", QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "TX (MHz)")),
        {QStringLiteral("TX (MHz)"), QStringLiteral("TX"), QStringLiteral("TX MHz")}, 2));

    put(powerField());
    put(bandwidthField());
    put(flagRow<&RadioChannel::rxOnly, &ChannelEdit::rxOnly>(
        ChannelField::rxOnly, "rxOnly",
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Receive only (RX-only)")),
        {QStringLiteral("RX only"), QStringLiteral("Receive only")}, 11));

    put(timeSlotField());
    put(colorCodeField());
    put(toneRow<&RadioChannel::rxTone, &ChannelEdit::rxTone>(
        ChannelField::rxTone, "rxTone", QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "RX tone")),
        8));
    put(toneRow<&RadioChannel::txTone, &ChannelEdit::txTone>(
        ChannelField::txTone, "txTone", QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "TX tone")),
        9));

    put(referenceRow<ChannelField::contact, &RadioChannel::contactIndex, &ChannelEdit::contactSlot,
                     &ChannelRowNames::contacts, ContactTable::kSlotCount - 1>(
        "contactIndex", "contactSlot",
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Contact (TX)")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "contact")),
        {QStringLiteral("TX contact"), QStringLiteral("Contact")}, 12));
    put(referenceRow<ChannelField::groupList, &RadioChannel::groupListIndex,
                     &ChannelEdit::groupListIndex, &ChannelRowNames::groupLists,
                     GroupListTable::kListCount - 1>(
        "groupListIndex", "groupListIndex",
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "RX group list")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "group list")),
        {QStringLiteral("Group list"), QStringLiteral("RX group list")}, 13));

    put(squelchField());
    put(levelField());
    put(flagRow<&RadioChannel::skipScan, &ChannelEdit::skipScan>(
        ChannelField::skipScan, "skipScan",
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Skip when scanning")),
        {QStringLiteral("Scan skip"), QStringLiteral("Skip")}, 10));
    put(flagRow<&RadioChannel::skipZoneScan, &ChannelEdit::skipZoneScan>(
        ChannelField::skipZoneScan, "skipZoneScan",
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Skip in zone scan")),
        {QStringLiteral("Zone scan skip")}, 17));
    put(flagRow<&RadioChannel::vox, &ChannelEdit::vox>(
        ChannelField::vox, "vox", QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "VOX")),
        {QStringLiteral("VOX")}, 18));
    put(flagRow<&RadioChannel::monitor, &ChannelEdit::monitor>(
        ChannelField::monitor, "monitor",
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Monitor (open squelch)")),
        {QStringLiteral("Monitor")}, 19));
    put(flagRow<&RadioChannel::powerSave, &ChannelEdit::powerSave>(
        ChannelField::powerSave, "powerSave",
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Power save")),
        {QStringLiteral("Power save")}, 20));
    put(flagRow<&RadioChannel::beep, &ChannelEdit::beep>(
        ChannelField::beep, "beep", QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Key beep")),
        {QStringLiteral("Key beep"), QStringLiteral("Beep")}, 21));

    put(aprsField());
    put(zonesField());
    return rows;
}

} // namespace

QString ChannelFieldInfo::shownText(const RadioChannel& channel,
                                    const ChannelRowNames& names) const {
    if (!appliesTo(channel.isDMR()))
        return {};
    return display ? display(channel, names) : text(channel, names);
}

QString ChannelFieldInfo::displayLabel() const {
    return fieldDisplayText(label);
}

QStringList ChannelFieldInfo::displayChoices() const {
    return fieldDisplayTexts(choices);
}

QString ChannelFieldInfo::displayText(const RadioChannel& channel,
                                      const ChannelRowNames& names) const {
    const QString shown = shownText(channel, names);
    return kind == FieldKind::flag || kind == FieldKind::enumeration ? fieldDisplayText(shown)
                                                                     : shown;
}

const QList<ChannelFieldInfo>& channelFieldTable() {
    static const QList<ChannelFieldInfo> table = buildTable();
    return table;
}

const ChannelFieldInfo& channelField(ChannelField id) {
    return channelFieldTable()[int(id)];
}

const ChannelFieldInfo* channelFieldByDumpKey(QStringView key) {
    for (const ChannelFieldInfo& row : channelFieldTable()) {
        if ((!row.dumpKey.isEmpty() && row.dumpKey == key) ||
            (!row.dumpTextKey.isEmpty() && row.dumpTextKey == key))
            return &row;
    }
    return nullptr;
}

const QList<ChannelField>& allFieldsCsvOrder() {
    static const QList<ChannelField> order = [] {
        QList<ChannelField> fields;
        for (const ChannelFieldInfo& row : channelFieldTable())
            fields.append(row.id);
        std::sort(fields.begin(), fields.end(), [](ChannelField a, ChannelField b) {
            return channelField(a).csvColumn < channelField(b).csvColumn;
        });
        return fields;
    }();
    return order;
}

std::optional<ChannelField> channelFieldByCsvHeader(const QString& header) {
    const QString wanted = header.trimmed();
    for (const ChannelFieldInfo& row : channelFieldTable()) {
        for (const QString& name : row.csvHeaders) {
            if (name.compare(wanted, Qt::CaseInsensitive) == 0)
                return row.id;
        }
    }
    for (const ChannelFieldInfo& row : channelFieldTable()) {
        if (row.label.compare(wanted, Qt::CaseInsensitive) == 0)
            return row.id;
    }
    return std::nullopt;
}

std::optional<QString> readChannelEditJson(const QJsonObject& object, ChannelEdit& edit) {
    const QList<ChannelFieldInfo>& table = channelFieldTable();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const bool known = std::any_of(table.cbegin(), table.cend(), [&](const auto& row) {
            return !row.editKey.isEmpty() && row.editKey == it.key();
        });
        if (!known)
            return QStringLiteral("unknown field '%1'").arg(it.key());
    }
    for (const ChannelFieldInfo& row : table) {
        if (row.editKey.isEmpty() || !object.contains(row.editKey))
            continue;
        const QJsonValue value = object.value(row.editKey);
        // Each reader words its own refusal; an empty word is the integer rule.
        const std::optional<QString> problem = row.readJson(object.value(row.editKey), edit);
        if (!problem)
            continue;
        if (!problem->isEmpty())
            return jsonKey(row) + QLatin1Char(' ') + *problem;
        return integerRule(row);
    }
    return std::nullopt;
}

// ---- value texts ----

QString yesNoText(bool flag) {
    return flag ? QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Yes"))
                : QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "No"));
}

QString referenceText(const QHash<int, QString>& byKey, const std::optional<int>& key) {
    if (!key)
        return QString();
    return byKey.value(*key, QStringLiteral("#%1").arg(*key + 1));
}

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

QString powerText(std::uint8_t raw) {
    const ChannelPowerLevel level = powerLevel(raw);
    if (powerRawFor(level, 0) == raw || (level == ChannelPowerLevel::global && raw == 0))
        return rawText(level);
    return QString::number(raw);
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

QJsonValue toneToJson(const std::optional<Tone>& tone) {
    if (!tone)
        return QJsonValue();
    if (tone->kind == Tone::Kind::ctcss)
        return QJsonObject{{QStringLiteral("ctcss"), tone->value}};
    return QJsonObject{{QStringLiteral("dcs"), tone->value},
                       {QStringLiteral("inverted"), tone->inverted}};
}

std::optional<std::optional<Tone>> toneFromJson(const QJsonValue& value) {
    if (value.isNull())
        return std::optional<Tone>{};
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject o = value.toObject();
    if (o.contains(QStringLiteral("ctcss")) && o.value(QStringLiteral("ctcss")).isDouble())
        return std::optional<Tone>{Tone::ctcss(o.value(QStringLiteral("ctcss")).toInt())};
    if (o.contains(QStringLiteral("dcs")) && o.value(QStringLiteral("dcs")).isDouble())
        return std::optional<Tone>{Tone::dcs(o.value(QStringLiteral("dcs")).toInt(),
                                             o.value(QStringLiteral("inverted")).toBool())};
    return std::nullopt;
}

} // namespace nerka
