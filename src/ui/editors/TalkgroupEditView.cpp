#include "ui/editors/TalkgroupEditView.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>

#include <algorithm>

namespace nerka {

namespace {

constexpr int kSlotRole = Qt::UserRole;

} // namespace

TalkgroupEditView::TalkgroupEditView(const Talkgroup& talkgroup, bool isNew,
                                     QList<DMRContact> contacts, int maxMembers, QWidget* parent)
    : RecordSheet(parent), m_selection(talkgroup.memberSlots, maxMembers) {
    setSheetTitle(isNew ? tr("New talkgroup (slot %1)").arg(talkgroup.index + 1)
                        : tr("Edit talkgroup %1").arg(talkgroup.index + 1));
    auto* form = new QFormLayout;
    body()->addLayout(form);
    m_name = new QLineEdit(talkgroup.name, this);
    m_name->setAccessibleName(tr("Name"));
    m_name->setMaxLength(GroupListRecord::kNameWidth);
    form->addRow(tr("Name"), m_name);

    m_counter = new QLabel(this);
    body()->addWidget(m_counter);

    const bool anyGroup = std::any_of(contacts.cbegin(), contacts.cend(), [](const DMRContact& c) {
        return c.type == ContactType::group;
    });
    if (!anyGroup && talkgroup.memberSlots.isEmpty()) {
        auto* empty = new QLabel(tr("No contacts available."), this);
        empty->setAccessibleName(empty->text());
        body()->addWidget(empty);
    }
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("Contacts"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    // Group contacts are the candidates. A private or all-call contact (or a
    // slot with no contact left) that the list already names stays, marked,
    // so it can be taken out.
    QSet<int> members(talkgroup.memberSlots.cbegin(), talkgroup.memberSlots.cend());
    QSet<int> listed;
    const auto addRow = [&](const QString& text, int slot) {
        auto* item = new QListWidgetItem(text, m_list);
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        item->setData(kSlotRole, slot);
        listed.insert(slot);
    };
    for (const DMRContact& contact : contacts) {
        const bool group = contact.type == ContactType::group;
        if (!group && !members.contains(contact.slot))
            continue;
        QString text = QStringLiteral("%1 (%2)").arg(contact.name, QString::number(contact.dmrID));
        if (!group)
            text += contact.type == ContactType::privateCall
                        ? tr(" \u2014 private call, not a talkgroup")
                        : tr(" \u2014 all call, not a talkgroup");
        addRow(text, contact.slot);
    }
    for (int i = 0; i < talkgroup.memberSlots.size(); ++i) {
        const int slot = talkgroup.memberSlots[i];
        if (listed.contains(slot))
            continue;
        const QString name = i < talkgroup.contactNames.size()
                                 ? talkgroup.contactNames[i]
                                 : QStringLiteral("#%1").arg(slot + 1);
        addRow(name + tr(" \u2014 no such contact"), slot);
    }
    for (int row = 0; row < m_list->count(); ++row)
        showItem(m_list->item(row));
    m_list->setVisible(m_list->count() > 0);
    body()->addWidget(m_list, 1);
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { toggleRow(m_list->row(item)); });
    connect(m_name, &QLineEdit::textChanged, this, &TalkgroupEditView::refreshValidity);
    m_counter->setText(m_selection.talkgroupCounterText());
    m_counter->setAccessibleName(m_counter->text());
    finishSheet();
}

void TalkgroupEditView::showItem(QListWidgetItem* item) {
    const bool ticked = m_selection.contains(item->data(kSlotRole).toInt());
    // The check box is the one tick, for the eye and for screen readers. The
    // item is not user-checkable, so a click on the box comes here through
    // toggleRow like any click and the member limit holds.
    item->setData(Qt::CheckStateRole, ticked ? Qt::Checked : Qt::Unchecked);
}

void TalkgroupEditView::toggleRow(int row) {
    QListWidgetItem* item = m_list->item(row);
    if (!item || !m_selection.toggle(item->data(kSlotRole).toInt()))
        return;
    showItem(item);
    m_counter->setText(m_selection.talkgroupCounterText());
    m_counter->setAccessibleName(m_counter->text());
}

bool TalkgroupEditView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        toggleRow(m_list->currentRow());
        return true;
    }
    return RecordSheet::eventFilter(watched, event);
}

// The name may be empty: the list is identified by its index, and its
// members are what matters on the radio.
bool TalkgroupEditView::isInputValid() const {
    return true;
}

bool TalkgroupEditView::save() {
    return !onSave || onSave(TalkgroupEdit{m_name->text(), m_selection.members()});
}

} // namespace nerka
