#pragma once

#include "codeplug/ChannelFields.h"
#include "codeplug/RadioChannel.h"
#include "codeplug/RepeaterListCsv.h"

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace nerka {

// Channel rows as text, one column per field of the channel field table
// (ChannelFields.h) in its CSV order: what "Export to CSV (all fields)"
// writes and the clipboard carries. The columns start with the seven of the
// channel CSV import, in its order, so a file in that layout reads the same:
//   Name, RX (MHz), TX (MHz), Mode, Bandwidth, Colour code, Time slot,
// followed by Power, RX tone, TX tone, Scan skip, RX only, TX contact and
// Group list by name, Zones (the names of the zones holding the channel,
// ", " between them), Squelch, Squelch level, Zone scan skip, VOX, Monitor,
// Power save, Key beep and APRS (the system's number).
// Fields are separated by a tab (copied text) or a comma; a field holding the
// separator, a quote or a line break is quoted with "" for a quote inside.

// The header row's column names, in order.
[[nodiscard]] const QStringList& channelRowColumns();

// The header row and one row per channel, lines ended by "\n". A reference
// whose name `names` lacks is written "#" and its 1-based position; the
// power is the level's name, or the stored byte when it is not the one the
// editor stores for that level, so reading it back gives the same byte.
[[nodiscard]] QString channelRowsText(const QList<RadioChannel>& channels, QChar separator,
                                      const ChannelRowNames& names = {});

// One channel's fields in the columns above: each field's text
// (ChannelFieldInfo::text) with references by name from `names`.
[[nodiscard]] QStringList channelRowFields(const RadioChannel& channel,
                                           const ChannelRowNames& names = {});

// One row read back: the edit (defaults of an imported channel for fields
// the row leaves empty) and the zones the row names.
struct ChannelRowRead {
    ChannelEdit edit;
    QList<int> zones; // zone indices
    // Names `names` lacks ("contact 'Hamburg'"); those references are
    // left empty: the channel is still wanted, and any other record would be
    // the wrong one.
    QStringList unresolved;
};
// Reads the fields of one row whose columns are `columns` (a column of no
// field is ignored), or the reason the row is refused, worded as the
// field's label and its problem ("Farbcode: '16' is not 0–15").
[[nodiscard]] std::variant<ChannelRowRead, QString>
readChannelRow(const QStringList& fields, const QList<std::optional<ChannelField>>& columns,
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
