#pragma once

#include "codeplug/ChannelCsvRows.h"
#include "codeplug/RepeaterListCsv.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace nerka {

// Channels carried as raw 56-byte records (the clipboard's own format) hold
// their TX contact and group list as slot numbers, which mean another record
// in another codeplug, or after a slot was reused. The rows copied beside
// them name the records; these functions make the records refer by those
// names to the records of the codeplug they land in.

struct ResolvedChannelRecords {
    QList<QByteArray> records; // in order, references rewritten
    QList<QList<int>> zones;   // per record: the indices of the zones its row names
    // Names this codeplug lacks ("contact 'Hamburg'"), with the row's line in
    // the copied text (its header is line 1); those references are left empty.
    QList<SkippedCsvRow> unresolved;
};

// Each record's contact and group list as its row names them, looked up in
// `here` (exactly, else ignoring case). A record keeps its stored slot while
// the record there still has the copied name (so same-named records stay
// apart), takes the slot of the record of that name otherwise, and refers to
// none when `here` has no such name. Without references for every record
// (foreign bytes, rows that do not match) the records are left as they are.
[[nodiscard]] ResolvedChannelRecords
resolveChannelRecordReferences(const QList<QByteArray>& records,
                               const QList<ChannelRowReferences>& references,
                               const ChannelRowNames& here);

// "2 names not in this codeplug, left empty: line 3 contact 'Hamburg', line 5
// zone 'Local'"; the first ten named, the rest counted. Empty for none.
[[nodiscard]] QString unresolvedNamesNote(const QList<SkippedCsvRow>& unresolved);

} // namespace nerka
