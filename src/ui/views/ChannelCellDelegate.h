#pragma once

#include <QStyledItemDelegate>

namespace nerka {

// The channel table's cell editor: a line edit whose Return commits the
// entry and asks to go on to the same column of the next row (as in a
// spreadsheet); Tab commits and goes on to the next cell, Escape leaves the
// cell as it was (the delegate's usual keys).
class ChannelCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

Q_SIGNALS:
    // Return was pressed in a cell's editor; the entry has been committed.
    void returnPressed();

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;
};

} // namespace nerka
