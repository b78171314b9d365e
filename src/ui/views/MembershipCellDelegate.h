#pragma once

#include <QStyledItemDelegate>

namespace nerka {

// A tick cell of the membership grid: the check box drawn in the middle of
// the cell, and no toggle of its own on a click. The grid toggles the cell
// on a click anywhere in it (and the selection on Space), so a tick is one
// action whichever part of the cell is hit.
class MembershipCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

} // namespace nerka
