#include "ui/views/ChannelCellDelegate.h"

#include <QKeyEvent>
#include <QWidget>

namespace nerka {

bool ChannelCellDelegate::eventFilter(QObject* editor, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier)) {
            auto* widget = qobject_cast<QWidget*>(editor);
            Q_EMIT commitData(widget);
            Q_EMIT closeEditor(widget, QAbstractItemDelegate::NoHint);
            Q_EMIT returnPressed();
            return true;
        }
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier && isLastCell &&
            isLastCell()) {
            auto* widget = qobject_cast<QWidget*>(editor);
            Q_EMIT commitData(widget);
            Q_EMIT closeEditor(widget, QAbstractItemDelegate::NoHint);
            Q_EMIT tabbedOut();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}

} // namespace nerka
