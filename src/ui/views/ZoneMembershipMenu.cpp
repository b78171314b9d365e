#include "ui/views/ZoneMembershipMenu.h"

#include "controller/RadioController.h"

#include <QAction>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QSet>

namespace nerka {

ZoneMembershipMenu::ZoneMembershipMenu(RadioController& controller,
                                       std::function<QList<int>()> selection, QWidget* parent)
    : QObject(parent), m_controller(controller), m_selection(std::move(selection)),
      m_parent(parent) {
    setObjectName(QStringLiteral("zoneMembershipMenu"));
    m_addMenu = new QMenu(tr("Add to zone"), parent);
    m_removeMenu = new QMenu(tr("Remove from zone"), parent);
    m_add = m_addMenu->menuAction();
    m_remove = m_removeMenu->menuAction();
    // Opened from anywhere (a submenu of another menu too), the items are current.
    connect(m_addMenu, &QMenu::aboutToShow, this, &ZoneMembershipMenu::refresh);
    connect(m_removeMenu, &QMenu::aboutToShow, this, &ZoneMembershipMenu::refresh);
    refresh();
}

QList<QAction*> ZoneMembershipMenu::actions() {
    refresh();
    return {m_add, m_remove};
}

void ZoneMembershipMenu::refresh() {
    const QList<int> numbers = m_selection ? m_selection() : QList<int>{};
    const QSet<int> positions = [&] {
        QSet<int> set;
        for (int number : numbers)
            set.insert(number - 1);
        return set;
    }();
    const bool editable =
        m_controller.document().image().has_value() && !m_controller.status().isWorking();
    const int limit = m_controller.document().zoneMemberLimit();

    m_addMenu->clear();
    m_removeMenu->clear();
    for (const Zone& zone : m_controller.document().zones()) {
        const int index = zone.index;
        const QString label =
            QStringLiteral("%1 (%2/%3)")
                .arg(zone.name, QString::number(zone.memberIndices.size()), QString::number(limit));
        QAction* add = m_addMenu->addAction(label);
        // Offered while some selected channel is not in the zone yet.
        int missing = 0;
        for (int position : positions)
            missing += zone.memberIndices.contains(position) ? 0 : 1;
        add->setEnabled(missing > 0);
        connect(add, &QAction::triggered, this, [this, index] { addToZone(index); });
        if (missing < positions.size()) {
            QAction* remove = m_removeMenu->addAction(zone.name);
            connect(remove, &QAction::triggered, this, [this, index] { removeFromZone(index); });
        }
    }
    if (!m_controller.document().zones().isEmpty())
        m_addMenu->addSeparator();
    QAction* fresh = m_addMenu->addAction(tr("New zone from selection\u2026"));
    connect(fresh, &QAction::triggered, this, &ZoneMembershipMenu::newZoneFromSelection);

    m_add->setEnabled(editable && !numbers.isEmpty());
    m_remove->setEnabled(editable && !m_removeMenu->isEmpty());
}

void ZoneMembershipMenu::addToZone(int zoneIndex) {
    const QList<int> numbers = m_selection();
    if (!numbers.isEmpty())
        (void)m_controller.document().setZoneMembership(zoneIndex, numbers, true);
}

void ZoneMembershipMenu::removeFromZone(int zoneIndex) {
    const QList<int> numbers = m_selection();
    if (!numbers.isEmpty())
        (void)m_controller.document().setZoneMembership(zoneIndex, numbers, false);
}

void ZoneMembershipMenu::newZoneFromSelection() {
    const QList<int> numbers = m_selection();
    const std::optional<int> index = m_controller.document().freeZoneIndex();
    if (numbers.isEmpty() || !m_controller.document().image())
        return;
    const QString proposed = tr("Zone %1").arg(index.value_or(0) + 1);
    if (!index || numbers.size() > m_controller.document().zoneMemberLimit()) {
        // Refused before a name is asked for: the controller names the limit.
        (void)m_controller.document().createZoneFromChannels(proposed, numbers);
        return;
    }
    // Window-modal and answered through the signal, never a nested loop.
    auto* dialog = new QInputDialog(m_parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("New zone from selection"));
    dialog->setLabelText(tr("Name"));
    dialog->setTextValue(proposed);
    dialog->setOkButtonText(tr("Create"));
    dialog->setCancelButtonText(tr("Abbrechen"));
    dialog->setWindowModality(Qt::WindowModal);
    if (auto* field = dialog->findChild<QLineEdit*>()) {
        field->setAccessibleName(tr("Name"));
        field->setMaxLength(ZoneRecord::kNameWidth);
    }
    connect(dialog, &QInputDialog::textValueSelected, this, [this, numbers](const QString& name) {
        (void)m_controller.document().createZoneFromChannels(name, numbers);
    });
    dialog->open();
}

} // namespace nerka
