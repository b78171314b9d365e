#pragma once

#include "codeplug/RadioChannel.h"
#include "codeplug/RepeaterListCsv.h"

#include <QChar>
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

// The header row's column names, in order.
[[nodiscard]] const QStringList& channelRowColumns();

// The header row and one row per channel, lines ended by "\n".
[[nodiscard]] QString channelRowsText(const QList<RadioChannel>& channels, QChar separator);

struct ChannelRowsRead {
    QList<ChannelEdit> channels; // in row order
    // Rows not taken, with their 1-based line and the reason ("no name",
    // "RX 'abc' is not a frequency"); nothing of such a row is added.
    QList<SkippedCsvRow> skipped;
};

// Reads rows of tab-, comma- or semicolon-separated text (a line with a tab
// is split at tabs only, so a name may hold a comma). When a field of the
// first non-empty line is "Name" (any case) that line is a header, and
// columns are found by their names in any order (unknown columns are
// ignored); otherwise the first seven fields are taken in the order above. A row follows
// the rules of the channel CSV import (Mode "DMR" anywhere, Bandwidth "25"
// or "wide", Time slot "2"), except that a field that is given but cannot be
// read refuses the row with the reason instead of falling back to a default.
// Empty lines and lines starting with "#" are skipped silently. Never fails.
[[nodiscard]] ChannelRowsRead parseChannelRows(const QString& text);

// The texts of single fields, as the rows write them and as a table cell
// takes them. Each gives nothing for a text it cannot read.
// Tone: empty, "Off" or "None" for none, "88.5" (Hz, "Hz" may follow) for
// CTCSS, "D023N" / "D023I" for DCS; only tones of the radio's tables.
[[nodiscard]] std::optional<std::optional<Tone>> parseToneText(const QString& text);
// Yes/no: "Yes", "y", "true", "1", "x", "on", "ja" and "No", "n", "false",
// "0", "off", "nein" or empty, in any case.
[[nodiscard]] std::optional<bool> parseFlagText(const QString& text);
// A power level by its name ("High", any case; empty is Global), as the byte
// the editor stores for it.
[[nodiscard]] std::optional<std::uint8_t> parsePowerText(const QString& text);

} // namespace nerka
