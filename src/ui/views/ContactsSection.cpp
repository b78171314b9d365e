#include "ui/views/ContactsSection.h"

#include "controller/RadioController.h"
#include "ui/views/ContactTableModel.h"

#include <QHeaderView>
#include <QTableView>

namespace nerka {

ContactsSection::ContactsSection(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : ListSection(controller, dialogs, parent) {
    m_model = new ContactTableModel(controller, this);
    m_view = new QTableView;
    m_view->setAccessibleName(QStringLiteral("Contacts"));
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setWordWrap(false);
    addRecordCommands(QStringLiteral("contact"));
    setUpList(m_model, m_view, QStringLiteral("Search contacts"), false);
    m_view->setColumnWidth(ContactTableModel::NameColumn, 180);
}

void ContactsSection::deleteRecord(int key) {
    for (const DMRContact& contact : controller().contacts()) {
        if (contact.slot == key) {
            deleteAfterAsking(QStringLiteral("Contact '%1'").arg(contact.name), false,
                              controller().document().referencesToContact(key),
                              [this, contact] { (void)controller().deleteContact(contact); });
            return;
        }
    }
}

void ContactsSection::updateActions() {
    updateRecordActions();
}

} // namespace nerka
