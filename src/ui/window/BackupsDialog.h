#pragma once

#include "controller/CodeplugBackups.h"
#include "ui/kit/ChangeListView.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace nerka {

class Dialogs;
class RadioController;

// File › "Backups…": the automatic backups of the connected radio (of every
// radio when none is connected), newest first, with date, radio, size and
// what differs from the codeplug in memory; the changes of the selected backup
// are listed below, wrapped and scrollable. "Restore" opens the chosen backup
// and marks every region changed, so the next "Write changes" (with its
// preview) writes it whole; unsaved changes are only replaced after a
// confirmation.
class BackupsDialog : public QDialog {
    Q_OBJECT

public:
    BackupsDialog(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);

    // The backups listed, in row order.
    [[nodiscard]] const QList<CodeplugBackup>& backups() const { return m_backups; }
    // Re-reads the folder and the differences.
    void refresh();
    // Restores the backup in `row` and closes the sheet; with unsaved changes
    // only once the user has confirmed the question about them.
    void restoreRow(int row);

private:
    void updateButtons();
    void showChanges();

    RadioController& m_controller;
    Dialogs& m_dialogs;
    QList<CodeplugBackup> m_backups;
    QList<QList<ChangeListSection>> m_changes; // per row: what restoring the backup changes
    QLabel* m_heading = nullptr;
    QTreeWidget* m_list = nullptr;
    ChangeListView* m_changeList = nullptr;
    QPushButton* m_restore = nullptr;
};

} // namespace nerka
