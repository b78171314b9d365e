#include "ui/views/ZonesSection.h"

#include "controller/RadioController.h"
#include "ui/views/ZoneListModel.h"

#include <QListView>

namespace nerka {

ZonesSection::ZonesSection(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : ListSection(controller, dialogs, parent) {
    m_model = new ZoneListModel(controller, this);
    m_view = new QListView;
    m_view->setAccessibleName(QStringLiteral("Zones"));
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Each row shows the name and, below it, the members.
    m_view->setWordWrap(true);
    m_view->setSpacing(3);
    addRecordCommands(QStringLiteral("zone"));
    setUpList(m_model, m_view, QStringLiteral("Search zones"), false);
}

void ZonesSection::deleteRecord(int key) {
    for (const Zone& zone : controller().zones()) {
        if (zone.index == key) {
            (void)controller().deleteZone(zone);
            return;
        }
    }
}

void ZonesSection::updateActions() {
    updateRecordActions();
}

} // namespace nerka
