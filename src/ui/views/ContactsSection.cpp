#include "ui/views/ContactsSection.h"

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"
#include "ui/views/ContactTableModel.h"

#include <QAction>

#include <QHeaderView>
#include <QTableView>

namespace nerka {

ContactsSection::ContactsSection(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : ListSection(controller, dialogs, parent) {
    m_model = new ContactTableModel(controller, this);
    m_view = new QTableView;
    m_view->setAccessibleName(tr("Contacts"));
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setWordWrap(false);
    addRecordCommands(tr("contact"));
    m_import = addToolAction(tr("Import contacts\u2026"),
                             QStringLiteral("square.and.arrow.down.on.square"));
    m_export = addToolAction(tr("Export contacts\u2026"), QStringLiteral("square.and.arrow.up"));
    connect(m_import, &QAction::triggered, this, &ContactsSection::importCsv);
    connect(m_export, &QAction::triggered, this, &ContactsSection::exportCsv);
    setUpList(m_model, m_view, tr("Search contacts"), tr("contacts"), false);
    m_view->setColumnWidth(ContactTableModel::NameColumn, 180);
}

void ContactsSection::deleteRecord(int key) {
    for (const DMRContact& contact : controller().document().contacts()) {
        if (contact.slot == key) {
            deleteAfterAsking(tr("Contact '%1'").arg(contact.name), false,
                              controller().document().referencesToContact(key), [this, contact] {
                                  (void)controller().document().deleteContact(contact.slot);
                              });
            return;
        }
    }
}

void ContactsSection::updateActions() {
    updateRecordActions();
    const bool idle = controller().document().image() && !controller().status().isWorking();
    m_import->setEnabled(idle);
    m_export->setEnabled(idle && !controller().document().contacts().isEmpty());
}

void ContactsSection::importCsv() {
    dialogs().openFile(
        this, tr("Import contacts from CSV"), {tr("CSV files (*.csv)"), tr("All files (*)")},
        [this](const QString& path) { controller().document().importContactsCsv(path); });
}

void ContactsSection::exportCsv() {
    dialogs().saveFile(this, tr("Export contacts"), {tr("CSV files (*.csv)"), tr("All files (*)")},
                       QStringLiteral("contacts.csv"), [this](const QString& path) {
                           (void)controller().document().exportContactsCsv(path);
                       });
}

} // namespace nerka
