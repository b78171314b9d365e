#pragma once

#include "ui/views/ListSection.h"

class QLabel;
class QTableView;

namespace nerka {

class SatelliteTableModel;

// The satellite table: name, frequencies, CTCSS and the epoch of the keps.
// "New", "Edit", "Delete" and the "Import satellite TLEs" menu in the
// toolbar, "Edit satellite" and "Delete satellite" in the context menu, and a
// hint to import instead of the table while it is empty.
class SatellitesSection final : public ListSection {
    Q_OBJECT

public:
    SatellitesSection(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);

    [[nodiscard]] SatelliteTableModel* model() const { return m_model; }

    // "From TLE file…": reads the keps file on the work queue.
    void importTleFile();
    // The text shown instead of the table while it is empty.
    [[nodiscard]] QString emptyText() const;

protected:
    void deleteRecord(int key) override;
    void updateActions() override;

private:
    SatelliteTableModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    QAction* m_import = nullptr;
    QAction* m_download = nullptr;
    QAction* m_fromFile = nullptr;
    QLabel* m_empty = nullptr;
};

} // namespace nerka
