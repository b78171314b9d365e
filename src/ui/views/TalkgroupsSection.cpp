#include "ui/views/TalkgroupsSection.h"

#include "controller/RadioController.h"
#include "ui/views/MembershipGridView.h"
#include "ui/views/MembershipSwitch.h"
#include "ui/views/TalkgroupListModel.h"

#include <QAction>

#include <QListView>

namespace nerka {

TalkgroupsSection::TalkgroupsSection(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : ListSection(controller, dialogs, parent) {
    m_model = new TalkgroupListModel(controller, this);
    m_view = new QListView;
    m_view->setAccessibleName(tr("Talkgroups"));
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Each row shows the name and, below it, the members.
    m_view->setWordWrap(true);
    m_view->setSpacing(3);
    addRecordCommands(tr("talkgroup"));
    m_grid = new MembershipGridView(controller, MembershipModel::Kind::talkgroups);
    m_membership = addToolAction(tr("Membership"), QStringLiteral("checkmark.circle.fill"),
                                 tr("Contacts × talkgroups"));
    setUpList(m_model, m_view, tr("Search talkgroups"), tr("talkgroups"), false);
    setAlternateView(m_grid);
    connectMembershipSwitch(*this, m_membership, m_grid, tr("Search talkgroups"),
                            tr("Search contacts"), [this](bool on) { showAlternateView(on); });
}

void TalkgroupsSection::deleteRecord(int key) {
    for (const Talkgroup& talkgroup : controller().document().talkgroups()) {
        if (talkgroup.index == key) {
            deleteAfterAsking(tr("Talkgroup '%1'").arg(talkgroup.name), false,
                              controller().document().referencesToTalkgroup(key),
                              [this, talkgroup] {
                                  (void)controller().document().deleteTalkgroup(talkgroup.index);
                              });
            return;
        }
    }
}

void TalkgroupsSection::updateActions() {
    updateRecordActions();
}

} // namespace nerka
