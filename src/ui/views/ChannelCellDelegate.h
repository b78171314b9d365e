#pragma once

#include <QStyledItemDelegate>

#include <functional>

namespace nerka {

// The channel table's cell editor: a line edit whose Return commits the
// entry and asks to go on to the same column of the next row (as in a
// spreadsheet); Tab commits and goes on to the next cell, Escape leaves the
// cell as it was (the delegate's usual keys). Tab from the row's last
// editable cell (as `isLastCell` tells) commits and asks to leave the table.
class ChannelCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // True while the cell being edited is the row's last editable one.
    std::function<bool()> isLastCell;

Q_SIGNALS:
    // Return was pressed in a cell's editor; the entry has been committed.
    void returnPressed();
    // Tab was pressed in the last cell; the entry has been committed.
    void tabbedOut();

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;
};

} // namespace nerka
