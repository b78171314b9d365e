#include "ui/editors/ContactEditView.h"

#include "ui/rules/ContactRules.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace nerka {

ContactEditView::ContactEditView(const DMRContact& contact, bool isNew, QWidget* parent)
    : RecordSheet(parent) {
    setSheetTitle(isNew ? tr("New contact (slot %1)").arg(contact.slot + 1)
                        : tr("Edit contact %1").arg(contact.slot + 1));
    auto* form = new QFormLayout;
    body()->addLayout(form);

    m_name = new QLineEdit(contact.name, this);
    m_name->setAccessibleName(tr("Name"));
    m_name->setMaxLength(ContactRecord::kNameWidth);
    form->addRow(tr("Name"), m_name);

    m_id = new QLineEdit(isNew ? QString() : QString::number(contact.dmrID), this);
    m_id->setAccessibleName(tr("DMR-ID"));
    form->addRow(tr("DMR-ID"), m_id);

    m_type = new QComboBox(this);
    m_type->setAccessibleName(tr("Type"));
    for (ContactType type : kAllContactTypes)
        m_type->addItem(displayText(type), int(type));
    m_type->setCurrentIndex(m_type->findData(int(contact.type)));
    form->addRow(tr("Type"), m_type);

    m_override = new QComboBox(this);
    m_override->setAccessibleName(tr("Time slot override"));
    for (TimeSlotOverride override : kAllTimeSlotOverrides)
        m_override->addItem(rawText(override), int(override));
    m_override->setCurrentIndex(m_override->findData(int(contact.timeSlotOverride)));
    form->addRow(tr("Time slot override"), m_override);

    connect(m_name, &QLineEdit::textChanged, this, &ContactEditView::refreshValidity);
    connect(m_id, &QLineEdit::textChanged, this, &ContactEditView::refreshValidity);
    finishSheet();
}

std::optional<ContactEdit> ContactEditView::edit() const {
    return ContactRules::edit(m_name->text(), m_id->text(),
                              ContactType(m_type->currentData().toInt()),
                              TimeSlotOverride(m_override->currentData().toInt()));
}

bool ContactEditView::isInputValid() const {
    return edit().has_value();
}

QString ContactEditView::invalidReason() const {
    if (m_name->text().trimmed().isEmpty())
        return tr("Name: enter a name");
    if (!ContactRules::parseDmrId(m_id->text()))
        return tr("DMR-ID: must be a number from 1 to 16777215");
    return {};
}

QWidget* ContactEditView::invalidField() const {
    if (m_name->text().trimmed().isEmpty())
        return m_name;
    if (!ContactRules::parseDmrId(m_id->text()))
        return m_id;
    return nullptr;
}

bool ContactEditView::save() {
    const auto result = edit();
    if (!result)
        return false;
    return !onSave || onSave(*result);
}

} // namespace nerka
