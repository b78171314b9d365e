#pragma once

#include "ui/views/ListSection.h"

class QListView;

namespace nerka {

class MembershipGridView;
class TalkgroupListModel;

// The list of talkgroups (RX group lists), each with its members. "New", "Edit" and "Delete" in the
// toolbar, "Edit talkgroup" and "Delete talkgroup" in the context menu. The
// "Membership" toggle shows the grid of contacts × talkgroups in place of the list.
class TalkgroupsSection final : public ListSection {
    Q_OBJECT

public:
    TalkgroupsSection(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);

    [[nodiscard]] TalkgroupListModel* model() const { return m_model; }
    [[nodiscard]] MembershipGridView* membershipGrid() const { return m_grid; }
    [[nodiscard]] QAction* membershipAction() const { return m_membership; }

protected:
    void deleteRecord(int key) override;
    void updateActions() override;

private:
    TalkgroupListModel* m_model = nullptr;
    QListView* m_view = nullptr;
    MembershipGridView* m_grid = nullptr;
    QAction* m_membership = nullptr;
};

} // namespace nerka
