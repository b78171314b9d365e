#include "codeplug/ChannelIntake.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelReferences.h"

#include <QSet>
#include <QStringList>

namespace nerka {

namespace {

// "a; b; c" of the notes that say something.
QString joinedNotes(const QStringList& notes) {
    QStringList said;
    for (const QString& note : notes) {
        if (!note.isEmpty())
            said.append(note);
    }
    return said.join(QStringLiteral("; "));
}

// The unresolved names of the rows that are still added.
QList<SkippedCsvRow> unresolvedOfKept(const QList<SkippedCsvRow>& unresolved,
                                      const QList<SkippedCsvRow>& outside) {
    QSet<int> dropped;
    for (const SkippedCsvRow& row : outside)
        dropped.insert(row.line);
    QList<SkippedCsvRow> kept;
    for (const SkippedCsvRow& row : unresolved) {
        if (!dropped.contains(row.line))
            kept.append(row);
    }
    return kept;
}

ChannelIntake screenEdits(const QList<ChannelEdit>& edits, const QList<int>& lines,
                          const QList<QList<int>>& zones, const QList<SkippedCsvRow>& skipped,
                          const QList<SkippedCsvRow>& unresolved,
                          const std::optional<BandLimits>& bands) {
    ChannelIntake intake;
    const ScreenedChannelRows screened = screenChannelRows(edits, lines, bands);
    for (const qsizetype i : screened.kept) {
        intake.edits.append(edits[i]);
        intake.zones.append(zones.value(i));
    }
    intake.note = joinedNotes(
        {skippedRowsText(skipped), bands ? outsideRowsNote(screened.outside, *bands) : QString(),
         unresolvedNamesNote(unresolvedOfKept(unresolved, screened.outside))});
    return intake;
}

} // namespace

ChannelIntake screenChannelCsvRows(const ChannelCsvRead& read,
                                   const std::optional<BandLimits>& bands) {
    return screenEdits(read.channels, read.lines, read.zones, read.skipped, read.unresolved, bands);
}

ChannelIntake screenChannelRows(const ChannelRowsRead& read,
                                const std::optional<BandLimits>& bands) {
    return screenEdits(read.channels, read.lines, read.zones, read.skipped, read.unresolved, bands);
}

ChannelIntake screenChannelRecords(const QList<QByteArray>& records,
                                   const QList<ChannelRowReferences>& references,
                                   const ChannelRowNames& here,
                                   const std::optional<BandLimits>& bands) {
    const ResolvedChannelRecords resolved =
        resolveChannelRecordReferences(records, references, here);
    // The band check looks at what the records hold, named as the rows are.
    QList<ChannelEdit> held;
    QList<int> lines;
    for (qsizetype i = 0; i < resolved.records.size(); ++i) {
        ChannelEdit edit;
        if (const auto channel = decodeChannelRecord(resolved.records[i], int(i) + 1)) {
            edit.name = channel->name;
            edit.rxHz = channel->rxHz;
            edit.txHz = channel->txHz;
            edit.rxOnly = channel->rxOnly;
        }
        held.append(edit);
        lines.append(int(i) + 2);
    }
    const ScreenedChannelRows screened = screenChannelRows(held, lines, bands);
    ChannelIntake intake;
    for (const qsizetype i : screened.kept) {
        intake.records.append(resolved.records[i]);
        intake.zones.append(resolved.zones.value(i));
    }
    intake.note =
        joinedNotes({bands ? outsideRowsNote(screened.outside, *bands) : QString(),
                     unresolvedNamesNote(unresolvedOfKept(resolved.unresolved, screened.outside))});
    return intake;
}

} // namespace nerka
