#pragma once

#include "ui/views/ListSection.h"

class QListView;

namespace nerka {

class TalkgroupListModel;

// The list of talkgroups (RX group lists), each with its members. "New", "Edit" and "Delete" in the
// toolbar, "Edit talkgroup" and "Delete talkgroup" in the context menu.
class TalkgroupsSection final : public ListSection {
    Q_OBJECT

public:
    TalkgroupsSection(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);

    [[nodiscard]] TalkgroupListModel* model() const { return m_model; }

protected:
    void deleteRecord(int key) override;
    void updateActions() override;

private:
    TalkgroupListModel* m_model = nullptr;
    QListView* m_view = nullptr;
};

} // namespace nerka
