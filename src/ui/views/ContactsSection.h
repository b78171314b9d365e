#pragma once

#include "ui/views/ListSection.h"

class QTableView;

namespace nerka {

class ContactTableModel;

// The list of DMR contacts: name, DMR ID, call type and time slot. "New", "Edit" and "Delete" in
// the toolbar, "Edit contact" and "Delete contact" in the context menu.
class ContactsSection final : public ListSection {
    Q_OBJECT

public:
    ContactsSection(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);

    [[nodiscard]] ContactTableModel* model() const { return m_model; }

protected:
    void deleteRecord(int key) override;
    void updateActions() override;

private:
    ContactTableModel* m_model = nullptr;
    QTableView* m_view = nullptr;
};

} // namespace nerka
