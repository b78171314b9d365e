#include "ui/views/ZonesSection.h"

#include "controller/RadioController.h"
#include "ui/views/MembershipGridView.h"
#include "ui/views/MembershipSwitch.h"
#include "ui/views/RecordRoles.h"
#include "ui/views/SearchProxyModel.h"
#include "ui/views/ZoneListModel.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QListView>

namespace nerka {

ZonesSection::ZonesSection(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : ListSection(controller, dialogs, parent) {
    m_model = new ZoneListModel(controller, this);
    m_view = new QListView;
    m_view->setAccessibleName(tr("Zones"));
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Each row shows the name and, below it, the members.
    m_view->setWordWrap(true);
    m_view->setSpacing(3);
    addRecordCommands(tr("zone"));
    m_moveUp = addToolAction(tr("Move up"), QStringLiteral("arrow.up"), tr("Move zone up"));
    m_moveDown = addToolAction(tr("Move down"), QStringLiteral("arrow.down"), tr("Move zone down"));
    connect(m_moveUp, &QAction::triggered, this, [this] { moveCurrent(-1); });
    connect(m_moveDown, &QAction::triggered, this, [this] { moveCurrent(+1); });
    m_grid = new MembershipGridView(controller, MembershipModel::Kind::zones);
    m_membership = addToolAction(tr("Membership"), QStringLiteral("checkmark.circle.fill"),
                                 tr("Channels × zones"));
    setUpList(m_model, m_view, tr("Search zones"), tr("zones"), false);
    setAlternateView(m_grid);
    connectMembershipSwitch(*this, m_membership, m_grid, tr("Search zones"), tr("Search channels"),
                            [this](bool on) { showAlternateView(on); });
}

void ZonesSection::deleteRecord(int key) {
    for (const Zone& zone : controller().document().zones()) {
        if (zone.index == key) {
            (void)controller().document().deleteZone(zone.index);
            return;
        }
    }
}

int ZonesSection::shownRowOf(int key) const {
    for (int row = 0; proxy() && row < proxy()->rowCount(); ++row)
        if (proxy()->index(row, 0).data(KeyRole).toInt() == key)
            return row;
    return -1;
}

void ZonesSection::moveCurrent(int delta) {
    const std::optional<int> key = currentKey();
    if (!canEdit() || !key || isAlternateViewShown() || (delta != -1 && delta != 1))
        return;
    // The neighbour is the one the search shows; hidden zones keep their place.
    const int row = shownRowOf(*key);
    const QModelIndex neighbour = proxy()->index(row + delta, 0);
    if (row < 0 || !neighbour.isValid())
        return;
    QList<Zone> order = m_model->zones();
    const int from = proxy()->mapToSource(proxy()->index(row, 0)).row();
    const int to = proxy()->mapToSource(neighbour).row();
    order.move(from, to);
    if (!controller().document().reorderZones(recordKeys(order)).isDone())
        return;
    // The reorder numbers the zones 0 … n − 1 in their new order.
    selectKeys({to});
}

void ZonesSection::updateActions() {
    updateRecordActions();
    if (!m_moveUp)
        return;
    const std::optional<int> key = isAlternateViewShown() ? std::nullopt : currentKey();
    const int row = key ? shownRowOf(*key) : -1;
    const int shown = proxy() ? proxy()->rowCount() : 0;
    m_moveUp->setEnabled(canEdit() && row > 0);
    m_moveDown->setEnabled(canEdit() && row >= 0 && row + 1 < shown);
}

} // namespace nerka
