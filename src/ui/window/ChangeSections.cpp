#include "ui/window/ChangeSections.h"

#include <QCoreApplication>

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
    return regions == 1 ? QCoreApplication::translate("nerka::ChangeSections", "1 region changed")
                        : QCoreApplication::translate("nerka::ChangeSections", "%1 regions changed")
                              .arg(regions);
}

QString unsavedChangesMessage(const RadioController& controller, const QString& consequence) {
    return QCoreApplication::translate("nerka::ChangeSections",
                                       "%1 in memory, not yet written to the device. %2")
        .arg(unsavedChangesText(controller), consequence);
}

} // namespace nerka
