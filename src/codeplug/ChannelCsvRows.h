#pragma once

#include "codeplug/RadioChannel.h"
#include "codeplug/RepeaterListCsv.h"

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace nerka {

// Channel rows as text: what the channel table copies for a spreadsheet and
// reads back when rows are pasted. The columns start with the seven of the
// channel CSV import, in its order, so a file in that layout reads the same:
//   Name, RX (MHz), TX (MHz), Mode, Bandwidth, Colour code, Time slot,
// followed by Power, RX tone, TX tone, Scan skip, RX only.
// Fields are separated by a tab (copied text) or a comma; a field holding the
// separator, a quote or a line break is quoted with "" for a quote inside.

// Then every other field: TX contact and Group list by name, Zones (the
// names of the zones holding the channel, ", " between them), Squelch,
// Squelch level, Zone scan skip, VOX, Monitor, Power save, Key beep and APRS
// (the system's number).

// The names the rows show for references, and read them back by.
struct ChannelRowNames {
    QHash<int, QString> contacts;   // by contact slot
    QHash<int, QString> groupLists; // by talkgroup index
    QHash<int, QStringList> zones;  // by channel number: the zones holding it
    QHash<int, QString> zoneList;   // by zone index: the zones a file may name
};

// The record a reference names: its name as `byKey` has it (exactly, else
// ignoring case; the lowest key wins when several share a name), or "#"
// and its 1-based position. None when nothing has that name.
[[nodiscard]] std::optional<int> referenceNamed(const QHash<int, QString>& byKey,
                                                const QString& name);

// The header row's column names, in order.
[[nodiscard]] const QStringList& channelRowColumns();

// The header row and one row per channel, lines ended by "\n". A reference
// whose name `names` lacks is written "#" and its 1-based position; the
// power is the level's name, or the stored byte when it is not the one the
// editor stores for that level, so reading it back gives the same byte.
[[nodiscard]] QString channelRowsText(const QList<RadioChannel>& channels, QChar separator,
                                      const ChannelRowNames& names = {});

// True when the first line is a header naming a column beyond the import's
// seven: a file in this layout rather than the import's own.
[[nodiscard]] bool hasChannelRowsHeader(const QString& text);

struct ChannelRowsRead {
    QList<ChannelEdit> channels; // in row order
    // Per channel, the indices of the zones its row names (empty without a
    // Zones column).
    QList<QList<int>> zones;
    // Per channel, its 1-based line.
    QList<int> lines;
    // Rows not taken, with their 1-based line and the reason ("no name",
    // "RX 'abc' is not a frequency"); nothing of such a row is added.
    QList<SkippedCsvRow> skipped;
    // Names of taken rows that `names` lacks ("contact 'Hamburg'"), one
    // entry each with the row's line; the reference is left empty.
    QList<SkippedCsvRow> unresolved;
};

// Reads rows of tab-, comma- or semicolon-separated text (a line with a tab
// is split at tabs only, so a name may hold a comma). When a field of the
// first non-empty line is "Name" (any case) that line is a header, and
// columns are found by their names in any order (unknown columns are
// ignored); otherwise the first seven fields are taken in the order above. A row follows
// the rules of the channel CSV import (Mode "DMR" anywhere, Bandwidth "25"
// or "wide", Time slot "2"), except that a field that is given but cannot be
// read refuses the row with the reason instead of falling back to a default.
// Empty lines and lines starting with "#" are skipped silently. Contact and
// group list are looked up in `names` (exact name first, then ignoring case,
// or "#N"). Zones are looked up in `names.zoneList` (the whole field as one
// name, else its parts between commas). A name that `names` lacks leaves
// that reference empty and is listed in `unresolved`. Never fails.
[[nodiscard]] ChannelRowsRead parseChannelRows(const QString& text,
                                               const ChannelRowNames& names = {});

// The texts of single fields, as the rows write them and as a table cell
// takes them. Each gives nothing for a text it cannot read.
// Tone: empty, "Off" or "None" for none, "88.5" (Hz, "Hz" may follow) for
// CTCSS, "D023N" / "D023I" for DCS; only tones of the radio's tables.
[[nodiscard]] std::optional<std::optional<Tone>> parseToneText(const QString& text);
// Yes/no: "Yes", "y", "true", "1", "x", "on", "ja" and "No", "n", "false",
// "0", "off", "nein" or empty, in any case.
[[nodiscard]] std::optional<bool> parseFlagText(const QString& text);
// A power level by its name ("High", any case; empty is Global), as the byte
// the editor stores for it, or a stored byte as a number (0-255).
[[nodiscard]] std::optional<std::uint8_t> parsePowerText(const QString& text);

// The reference columns of channel rows text (TX contact, Group list, Zones),
// as written, per data row in order; empty texts where the header lacks a
// column, and an empty list without a header naming one of them.
struct ChannelRowReferences {
    QString contact;
    QString groupList;
    QString zones;
};
[[nodiscard]] QList<ChannelRowReferences> channelRowReferences(const QString& text);

} // namespace nerka
