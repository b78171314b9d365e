#pragma once

#include "codeplug/FieldText.h"
#include "codeplug/RadioChannel.h"

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1String>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace nerka {

// The names that texts show for references, and read them back by.
struct ChannelRowNames {
    QHash<int, QString> contacts;   // by contact slot
    QHash<int, QString> groupLists; // by talkgroup index
    QHash<int, QStringList> zones;  // by channel number: the zones holding it
    QHash<int, QString> zoneList;   // by zone index: the zones a text may name
};

// Every field of a channel a user sees, in the order of the record (and of
// `dump --json`). Zones is the channel's membership in zones: it is shown and
// carried with the channel but lives in the zone records.
enum class ChannelField {
    name,
    mode,
    rx,
    tx,
    power,
    bandwidth,
    rxOnly,
    timeSlot,
    colorCode,
    rxTone,
    txTone,
    contact,
    groupList,
    squelch,
    squelchLevel,
    skipScan,
    skipZoneScan,
    vox,
    monitor,
    powerSave,
    beep,
    aprs,
    zones,
    count
};
inline constexpr int kChannelFieldCount = int(ChannelField::count);

// What kind of value a field holds; it decides how a value is written as text
// and read back.
enum class FieldKind { text, flag, integer, enumeration, frequency, tone, reference };

// The channels a field means something on.
enum class FieldModes { both, fm, dmr };

// One row of the channel field table: everything the program needs to show,
// carry and change one field. Every path that lists channel fields (JSON dump
// and edit, the all-fields CSV and the clipboard, the change list, the table's
// columns, cell editing, fill down and the bulk editor) iterates over these.
struct ChannelFieldInfo {
    ChannelField id = ChannelField::name;
    // The key in `dump --json` (empty for zones).
    QLatin1String dumpKey;
    // A second dump key carrying the value's display text beside the stored
    // value ("power": "Low" beside "powerRaw": 2); empty for the others.
    QLatin1String dumpTextKey;
    // The key of the ChannelEdit object of `edit` (empty for zones).
    QLatin1String editKey;
    // The one label: table header, change list, reasons, column chooser.
    QString label;
    // A reference's record in running text ("no contact named 'Hamburg'").
    QString noun;
    // Headers of the all-fields CSV: the first is written, every one (and the
    // label) is accepted in any case.
    QStringList csvHeaders;
    int csvColumn = 0; // position in the all-fields CSV
    FieldKind kind = FieldKind::text;
    FieldModes modes = FieldModes::both;
    bool required = false; // a CSV row without it is refused
    // The display text of each value of an enumeration, in value order.
    QStringList choices;
    // The range an integer or an index may take in `edit`'s JSON.
    qint64 min = 0;
    qint64 max = 0;

    // The value as `dump --json` has it.
    QJsonValue (*dump)(const RadioChannel&) = nullptr;
    // The value as text: the all-fields CSV, the clipboard, the text a cell
    // offers for editing.
    QString (*text)(const RadioChannel&, const ChannelRowNames&) = nullptr;
    // The value as the channel table shows it, when it differs from `text`.
    QString (*display)(const RadioChannel&, const ChannelRowNames&) = nullptr;
    // Reads a text (as typed: not trimmed) onto the edit; on refusal the
    // problem ("'16' is not 0–15") and the edit is left as it was. Null for
    // zones, which the edit does not hold.
    std::optional<QString> (*read)(const QString&, ChannelEdit&, const ChannelRowNames&) = nullptr;
    // Reads the value of `editKey` onto the edit; on refusal the message
    // ("'colorCode' must be an integer from 0 to 15").
    std::optional<QString> (*readJson)(const QJsonValue&, ChannelEdit&) = nullptr;
    // Sets the field of `to` to its value in `from`.
    void (*copy)(const ChannelEdit& from, ChannelEdit& to) = nullptr;
    // A flag's member of ChannelEdit, so a form can bind a toggle to it.
    bool ChannelEdit::*editFlag = nullptr;

    [[nodiscard]] bool appliesTo(bool isDMR) const {
        return modes == FieldModes::both || (modes == FieldModes::dmr) == isDMR;
    }
    // "Farbcode: '16' is not 0–15", the label in the window's language.
    [[nodiscard]] QString reason(const QString& problem) const {
        return displayLabel() + QStringLiteral(": ") + problem;
    }
    // The label and the choices in the window's language (FieldText.h); `label`
    // and `choices` stay the words files carry.
    [[nodiscard]] QString displayLabel() const;
    [[nodiscard]] QStringList displayChoices() const;
    // shownText in the window's language: the words of enumerations and flags
    // translated, names, numbers and frequencies as they are.
    [[nodiscard]] QString displayText(const RadioChannel& channel,
                                      const ChannelRowNames& names) const;
    // The table's text of the value: empty for a field of the other mode.
    [[nodiscard]] QString shownText(const RadioChannel& channel,
                                    const ChannelRowNames& names) const;
    // True when the text reads onto `edit`: `read` without a problem.
    [[nodiscard]] bool canRead() const { return read != nullptr; }
};

// The table, indexed by ChannelField.
[[nodiscard]] const QList<ChannelFieldInfo>& channelFieldTable();
[[nodiscard]] const ChannelFieldInfo& channelField(ChannelField id);
// The row with this dump key or dump text key, if any.
[[nodiscard]] const ChannelFieldInfo* channelFieldByDumpKey(QStringView key);
// The fields of the all-fields CSV in column order.
[[nodiscard]] const QList<ChannelField>& allFieldsCsvOrder();
// The field a CSV header names (its headers or its label, any case).
[[nodiscard]] std::optional<ChannelField> channelFieldByCsvHeader(const QString& header);

// Reads every field of `object` named by an edit key onto `edit`; the first
// refusal's message, or an unknown key ("unknown field 'x'"). Fields left out
// keep their values.
[[nodiscard]] std::optional<QString> readChannelEditJson(const QJsonObject& object,
                                                         ChannelEdit& edit);

// ---- value texts shared by every path ----

// "Yes" / "No".
[[nodiscard]] QString yesNoText(bool flag);
// A reference by name, or by "#" and its 1-based position when the name is
// not known; empty for none.
[[nodiscard]] QString referenceText(const QHash<int, QString>& byKey,
                                    const std::optional<int>& key);
// The record a reference names: its name as `byKey` has it (exactly, else
// ignoring case; the lowest key wins when several share a name), or "#"
// and its 1-based position. None when nothing has that name.
[[nodiscard]] std::optional<int> referenceNamed(const QHash<int, QString>& byKey,
                                                const QString& name);
// The power level's name, or the stored byte when it is not the one the
// editor stores for its level (so reading it back gives the same byte).
[[nodiscard]] QString powerText(std::uint8_t raw);
// Tone: empty, "Off" or "None" for none, "88.5" (Hz, "Hz" may follow) for
// CTCSS, "D023N" / "D023I" for DCS; only tones of the radio's tables.
[[nodiscard]] std::optional<std::optional<Tone>> parseToneText(const QString& text);
// Yes/no: "Yes", "y", "true", "1", "x", "on", "ja" and "No", "n", "false",
// "0", "off", "nein" or empty, in any case.
[[nodiscard]] std::optional<bool> parseFlagText(const QString& text);
// A power level by its name ("High", any case; empty is Global), as the byte
// the editor stores for it, or a stored byte as a number (0-255).
[[nodiscard]] std::optional<std::uint8_t> parsePowerText(const QString& text);

// A tone as JSON: null, {"ctcss": tenths} or {"dcs": code, "inverted": bool};
// and back (nothing for anything else).
[[nodiscard]] QJsonValue toneToJson(const std::optional<Tone>& tone);
[[nodiscard]] std::optional<std::optional<Tone>> toneFromJson(const QJsonValue& value);

} // namespace nerka
