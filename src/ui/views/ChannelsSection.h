#pragma once

#include "codeplug/RadioChannel.h"
#include "ui/views/ListSection.h"

class QMenu;
class QTableView;

namespace nerka {

class ChannelTableModel;

// The channel table: multiple selection, search by name, frequencies and
// number, and the channel commands (new, edit, move, delete, duplicate,
// copy and paste, import of the built-in sets and of CSV files, export as a
// repeater-list CSV). Delete deletes the selection; Return and a double click
// edit the current channel.
class ChannelsSection final : public ListSection {
    Q_OBJECT

public:
    ChannelsSection(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);

    // Numbers (1-based) of the selected channels, ascending.
    [[nodiscard]] QList<int> selectedChannelNumbers() const;
    [[nodiscard]] ChannelTableModel* model() const { return m_model; }

    // The commands, also reachable from the toolbar and the context menu.
    void deleteSelection() override;
    [[nodiscard]] QList<QAction*> contextActions() const override;
    // Moves the selected channels one place up (delta -1) or down (+1) in
    // the channel order; the moved channels stay selected.
    void moveSelection(int delta);
    void duplicateCurrent();
    // Puts every selected channel on the clipboard (Nerka's own format and
    // tab-separated text); one channel also goes to the controller's channel
    // clipboard, as the single-channel Copy always did.
    void copySelection();
    // Copies the selection, then deletes it.
    void cutSelection();
    // Inserts the clipboard's channels after the last selected channel (at
    // the end without a selection) and selects them.
    void paste();
    void selectAll();
    // Ctrl+D: fills the current column of the selected rows from the top
    // selected row (a frequency step in the first two continues), as one step.
    void fillDown();
    // Renumbers the channels in the order the view is sorted in (every
    // channel, also those a search hides), as one undoable reorder; the view
    // then shows them by number again.
    void renumberInViewOrder();
    // Shows or hides a column and remembers the visible set in the preferences.
    void setColumnShown(int column, bool shown);
    [[nodiscard]] bool isColumnShown(int column) const;
    // The reason the last in-place entry was refused (shown at the cell).
    [[nodiscard]] const QString& lastCellProblem() const { return m_cellProblem; }

    // Opens the editor on the selection: the channel editor for one channel,
    // the bulk editor ("Edit N channels…") for several (also Return and the
    // toolbar's "Edit").
    void editSelection();
    void importCsv();
    // Saves the selected channels, or every channel when none is selected,
    // as a repeater-list CSV.
    void exportCsv();
    // Saves the selected channels, or every channel, with every field (the
    // layout the channel import reads back whole).
    void exportAllFields();

    [[nodiscard]] QAction* commandAction(ListCommand command) const override;
    void leaveShortcutsToWindow() override;
    [[nodiscard]] QMenu* columnMenu() const { return m_columnMenu; }

Q_SIGNALS:
    // The user asked to edit these channels together (two or more).
    void editChannelsRequested(const QList<int>& numbers);
    // The user asked for repeaters from a directory.
    void addRepeatersRequested();

protected:
    void updateActions() override;
    // The first shown column that can be edited in place (Name by default).
    [[nodiscard]] int firstFocusColumn() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The section toolbar's commands and the import menu.
    void buildCommands();
    // The clipboard, fill down and context menu commands of the table.
    void buildTableCommands();
    // Editing cells in place: triggers, the delegate, Tab and Return.
    void buildCellEditing();
    // Sorting, the column chooser and the columns' widths.
    void buildColumns();
    [[nodiscard]] QList<RadioChannel> selectedChannels() const;
    // Whether the clipboard holds something a paste would insert.
    [[nodiscard]] bool canPaste() const;
    // Selects `count` channels from `first` on and scrolls to them.
    void selectCreated(int first, qsizetype count);
    // Selects these channels (those shown), the first one current and in view.
    void selectChannels(const QList<int>& numbers);
    // True while the view is sorted by anything but ascending number.
    [[nodiscard]] bool isSortedByOtherThanNumber() const;
    void restoreColumns();
    // Widens the shown columns (all but the last, which fills the row) to
    // their contents, once, when the table first holds channels: a column
    // that is not last starts at the default width, which cuts the details
    // ("TS2, CC 1, D…") or the zone names short. Later loads keep the widths
    // the user has made.
    void fitColumnsOnce();
    // Widens `column` to its contents and header, up to a limit; never narrows it.
    void widenToContents(int column);
    void showCellProblem(const QModelIndex& sourceIndex, const QString& reason);

    ChannelTableModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QAction* m_new = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_moveUp = nullptr;
    QAction* m_moveDown = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_import = nullptr;
    QMenu* m_importMenu = nullptr;
    QAction* m_export = nullptr;
    QAction* m_duplicate = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_cut = nullptr;
    QAction* m_selectAll = nullptr;
    QAction* m_contextDelete = nullptr; // "Delete" or "Delete N channels"
    QAction* m_contextEdit = nullptr;   // "Edit" or "Edit N channels…"
    QAction* m_fillDown = nullptr;
    QAction* m_renumber = nullptr;
    QAction* m_exportAllFields = nullptr;
    QAction* m_columns = nullptr;
    QMenu* m_columnMenu = nullptr;
    QString m_cellProblem;
    bool m_pasting = false; // a paste selects what it inserted itself
    bool m_columnsFitted = false;
};

} // namespace nerka
