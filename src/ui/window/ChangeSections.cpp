#include "ui/window/ChangeSections.h"

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

} // namespace nerka
