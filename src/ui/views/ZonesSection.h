#pragma once

#include "ui/views/ListSection.h"

class QListView;

namespace nerka {

class MembershipGridView;
class ZoneListModel;

// The list of zones, each with its channels. "New", "Edit", "Delete", "Move up"
// and "Move down" in the toolbar, "Edit zone" and "Delete zone" in the context
// menu. The "Membership" toggle shows the grid of channels × zones in place of
// the list; the search then filters its channels by name or frequency.
class ZonesSection final : public ListSection {
    Q_OBJECT

public:
    ZonesSection(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);

    [[nodiscard]] ZoneListModel* model() const { return m_model; }
    [[nodiscard]] MembershipGridView* membershipGrid() const { return m_grid; }
    [[nodiscard]] QAction* membershipAction() const { return m_membership; }
    // Moves the current zone one place up (delta -1) or down (+1) among the
    // zones shown; it stays selected.
    void moveCurrent(int delta);

protected:
    void deleteRecord(int key) override;
    void updateActions() override;

private:
    // The row of the zone among those the search shows, or -1.
    [[nodiscard]] int shownRowOf(int key) const;

    ZoneListModel* m_model = nullptr;
    QListView* m_view = nullptr;
    MembershipGridView* m_grid = nullptr;
    QAction* m_membership = nullptr;
    QAction* m_moveUp = nullptr;
    QAction* m_moveDown = nullptr;
};

} // namespace nerka
