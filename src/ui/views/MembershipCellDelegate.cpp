#include "ui/views/MembershipCellDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace nerka {

void MembershipCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const bool checkable = cell.features & QStyleOptionViewItem::HasCheckIndicator;
    const Qt::CheckState state = cell.checkState;
    // The cell's ground (selection, focus, alternate rows) as usual, without
    // the tick at its left edge.
    cell.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    if (!checkable)
        return;
    QStyleOptionViewItem tick = cell;
    const QRect box = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &cell, widget);
    tick.rect = QRect(QPoint(), box.size());
    tick.rect.moveCenter(option.rect.center());
    tick.state &= ~QStyle::State_HasFocus;
    tick.state |= state == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &tick, painter, widget);
}

bool MembershipCellDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                         const QStyleOptionViewItem& option,
                                         const QModelIndex& index) {
    // The grid does the toggling; the default would toggle a second time
    // when the click hits where the tick used to be drawn.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
        return false;
    default:
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
}

} // namespace nerka
