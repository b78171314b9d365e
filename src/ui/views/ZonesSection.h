#pragma once

#include "ui/views/ListSection.h"

class QListView;

namespace nerka {

class ZoneListModel;

// The list of zones, each with its channels. "New", "Edit" and "Delete" in the toolbar, "Edit zone"
// and "Delete zone" in the context menu.
class ZonesSection final : public ListSection {
    Q_OBJECT

public:
    ZonesSection(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);

    [[nodiscard]] ZoneListModel* model() const { return m_model; }

protected:
    void deleteRecord(int key) override;
    void updateActions() override;

private:
    ZoneListModel* m_model = nullptr;
    QListView* m_view = nullptr;
};

} // namespace nerka
