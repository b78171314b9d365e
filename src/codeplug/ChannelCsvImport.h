#pragma once

#include "codeplug/ChannelCsvRows.h"
#include "codeplug/Megahertz.h"
#include "codeplug/RadioChannel.h"
#include "codeplug/RepeaterListCsv.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// Channels from CSV text, one per line, fields separated by "," or ";":
// Name, RX MHz, TX MHz (defaults to RX), Mode ("DMR" anywhere, else FM),
// Bandwidth ("25" or "wide", else narrow), colour code, time slot ("2", else 1).
// Empty lines, lines starting with "#", a header ("Name" as first field of the
// first line) and lines without a name or a valid RX, or with a colour code
// outside 0-15, are skipped; fields not
// given keep the ChannelEdit defaults. Never fails; the result may be empty.
[[nodiscard]] QList<ChannelEdit> parseChannelCsv(const QString& text);
// The same, with each channel's 1-based line in the text (a CR LF pair ends
// one line) in `lines`.
[[nodiscard]] QList<ChannelEdit> parseChannelCsv(const QString& text, QList<int>& lines);

// The layouts a channel CSV file may have, told apart by the header row:
// Nerka's own (above), the repeater list (RepeaterListCsv.h) and the table
// of every field that the channel export writes (ChannelCsvRows.h).
enum class ChannelCsvLayout { nerka, repeaterList, allFields };

struct ChannelCsvRead {
    ChannelCsvLayout layout = ChannelCsvLayout::nerka;
    QList<ChannelEdit> channels;
    // Rows not imported, with line and reason. Always empty for the import's
    // own seven-column layout, whose bad lines are skipped without a word.
    QList<SkippedCsvRow> skipped;
    // Per channel, the zones its row names (the layout with every field only).
    QList<QList<int>> zones;
    // Per channel, its 1-based line in the file.
    QList<int> lines;
    // Names of taken rows that the codeplug lacks (the layout with every
    // field only); those references are left empty.
    QList<SkippedCsvRow> unresolved;
};

// A text whose header row names Frequency, Duplex and Offset is read as a
// repeater list, else one whose header names a column beyond the seven with
// parseChannelRows (references looked up in `names`), any other with
// parseChannelCsv. Never fails.
[[nodiscard]] ChannelCsvRead readChannelCsv(const QString& text, const ChannelRowNames& names = {});

} // namespace nerka
