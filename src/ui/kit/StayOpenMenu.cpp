#include "ui/kit/StayOpenMenu.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace nerka {

bool StayOpenMenu::toggleInPlace(QAction* action) {
    if (!action || !action->isCheckable() || !action->isEnabled() || action->menu())
        return false;
    action->trigger();
    return true;
}

void StayOpenMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && toggleInPlace(actionAt(event->position().toPoint())))
        return;
    QMenu::mouseReleaseEvent(event);
}

void StayOpenMenu::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        toggleInPlace(activeAction()))
        return;
    QMenu::keyPressEvent(event);
}

} // namespace nerka
