#pragma once

#include "codeplug/ChannelChecks.h"
#include "codeplug/ChannelCsvImport.h"
#include "codeplug/ChannelCsvRows.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace nerka {

// Channels arriving from a file or the clipboard, after the checks: what to
// add, and the one note that names every row left out or changed on the way
// ("2 rows skipped: …; 3 rows outside this radio's bands (…): …; 1 name not
// in this codeplug, left empty: …"). The caller adds them all in one step or,
// when they do not fit, none (channelRoomRefusal).
struct ChannelIntake {
    QList<ChannelEdit> edits;  // rows read as fields
    QList<QByteArray> records; // or raw records (the clipboard's own format)
    QList<QList<int>> zones;   // per channel: the zone indices to join
    QString note;              // empty when nothing was left out or changed

    [[nodiscard]] qsizetype size() const { return edits.size() + records.size(); }
};

// Rows read from a CSV file (any layout) or from pasted text: rows outside
// the bands are left out; names the codeplug lacks were already left empty
// by the reader and are named here (except for rows left out).
[[nodiscard]] ChannelIntake screenChannelCsvRows(const ChannelCsvRead& read,
                                                 const std::optional<BandLimits>& bands);
[[nodiscard]] ChannelIntake screenChannelRows(const ChannelRowsRead& read,
                                              const std::optional<BandLimits>& bands);

// Raw records pasted with the rows copied beside them: references by name
// in the codeplug named by `here` (resolveChannelRecordReferences), then
// records outside the bands left out (named by their row's line).
[[nodiscard]] ChannelIntake screenChannelRecords(const QList<QByteArray>& records,
                                                 const QList<ChannelRowReferences>& references,
                                                 const ChannelRowNames& here,
                                                 const std::optional<BandLimits>& bands);

} // namespace nerka
