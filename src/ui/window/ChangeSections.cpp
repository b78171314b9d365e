#include "ui/window/ChangeSections.h"

#include "controller/RadioController.h"

namespace nerka {

QList<ChangeListSection> changeSections(const QList<ChangeGroup>& groups) {
    QList<ChangeListSection> sections;
    sections.reserve(groups.size());
    for (const ChangeGroup& group : groups) {
        QString title = group.heading;
        if (group.count > 0)
            title += QStringLiteral(" (") + QString::number(group.count) + QLatin1Char(')');
        sections.append({title, group.lines});
    }
    return sections;
}

QString unsavedChangesText(const RadioController& controller) {
    if (const auto groups = controller.pendingWriteChanges(); groups && !groups->isEmpty())
        return changeCountText(*groups);
    const auto regions = qsizetype(controller.document().dirtyRegions().size());
    return QString::number(regions) +
           (regions == 1 ? QStringLiteral(" region changed") : QStringLiteral(" regions changed"));
}

QString unsavedChangesMessage(const RadioController& controller, const QString& consequence) {
    return unsavedChangesText(controller) +
           QStringLiteral(" in memory, not yet written to the device. ") + consequence;
}

} // namespace nerka
