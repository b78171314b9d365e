#pragma once

#include "ui/views/ListSection.h"

class QTableView;

namespace nerka {

class ContactTableModel;

// The list of DMR contacts: name, DMR ID, call type and time slot. "New", "Edit" and "Delete" in
// the toolbar, "Edit contact" and "Delete contact" in the context menu; "Import contacts…" and
// "Export contacts…" read and write them as CSV.
class ContactsSection final : public ListSection {
    Q_OBJECT

public:
    ContactsSection(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);

    [[nodiscard]] ContactTableModel* model() const { return m_model; }

protected:
    void deleteRecord(int key) override;
    void updateActions() override;

private:
    void importCsv();
    void exportCsv();

    ContactTableModel* m_model = nullptr;
    QAction* m_import = nullptr;
    QAction* m_export = nullptr;
    QTableView* m_view = nullptr;
};

} // namespace nerka
