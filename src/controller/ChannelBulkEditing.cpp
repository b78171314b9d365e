#include "controller/RadioController.h"

namespace nerka {

namespace {

// "12 channels changed." + "; " + note + "."
QString withNote(QString summary, const QString& note) {
    if (note.isEmpty())
        return summary;
    if (summary.endsWith(QLatin1Char('.')))
        summary.chop(1);
    return summary + QStringLiteral("; ") + note + QLatin1Char('.');
}

} // namespace

EditResult RadioController::insertChannelRecords(const QList<QByteArray>& records,
                                                 std::optional<int> afterNumber,
                                                 const QList<QList<int>>& zones,
                                                 const QString& skippedNote) {
    if (records.isEmpty()) {
        if (!skippedNote.isEmpty() && image())
            reportError(QStringLiteral("No channels pasted: ") + skippedNote + QLatin1Char('.'));
        return EditResult::nothingToDo();
    }
    EditResult result = m_document.insertChannelRecords(records, afterNumber, zones);
    if (result.isDone())
        result.setSummary(withNote(result.summary(), skippedNote));
    return report(std::move(result));
}

EditResult RadioController::insertChannels(const QList<ChannelEdit>& edits,
                                           std::optional<int> afterNumber,
                                           const QString& skippedNote,
                                           const QList<QList<int>>& zones) {
    if (edits.isEmpty()) {
        if (!skippedNote.isEmpty() && image())
            reportError(QStringLiteral("No channels pasted: ") + skippedNote + QLatin1Char('.'));
        return EditResult::nothingToDo();
    }
    EditResult result = m_document.insertChannels(edits, afterNumber, zones);
    if (result.isDone())
        result.setSummary(withNote(result.summary(), skippedNote));
    return report(std::move(result));
}

EditResult RadioController::updateChannels(const QList<std::pair<int, ChannelEdit>>& edits,
                                           const QString& note) {
    EditResult result = m_document.updateChannels(edits);
    if (result.isDone())
        result.setSummary(withNote(result.summary(), note));
    else if (result.isNothingToDo() && !note.isEmpty() && image())
        log(QStringLiteral("No channel changed; ") + note + QLatin1Char('.'));
    return report(std::move(result));
}

EditResult RadioController::importChannelsIntoZones(const QList<ChannelEdit>& edits,
                                                    const QList<QList<int>>& zones,
                                                    const QString& skippedNote) {
    EditResult result = m_document.importChannelsIntoZones(edits, zones);
    if (result.isRefused() && result.refusal()->kind == RefusalKind::noCodeplug)
        reportError(result.refusal()->text);
    if (result.isDone())
        result.setSummary(withNote(result.summary(), skippedNote));
    return report(std::move(result));
}

} // namespace nerka
