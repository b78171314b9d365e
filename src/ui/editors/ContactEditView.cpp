#include "ui/editors/ContactEditView.h"

#include "ui/rules/ContactRules.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace nerka {

ContactEditView::ContactEditView(const DMRContact& contact, bool isNew, QWidget* parent)
    : RecordSheet(parent) {
    setSheetTitle(isNew ? QStringLiteral("New contact (slot %1)").arg(contact.slot + 1)
                        : QStringLiteral("Edit contact %1").arg(contact.slot + 1));
    auto* form = new QFormLayout;
    body()->addLayout(form);

    m_name = new QLineEdit(contact.name, this);
    m_name->setAccessibleName(QStringLiteral("Name"));
    m_name->setMaxLength(ContactRecord::kNameWidth);
    form->addRow(QStringLiteral("Name"), m_name);

    m_id = new QLineEdit(isNew ? QString() : QString::number(contact.dmrID), this);
    m_id->setAccessibleName(QStringLiteral("DMR-ID"));
    form->addRow(QStringLiteral("DMR-ID"), m_id);

    m_type = new QComboBox(this);
    m_type->setAccessibleName(QStringLiteral("Type"));
    for (ContactType type : kAllContactTypes)
        m_type->addItem(displayText(type), int(type));
    m_type->setCurrentIndex(m_type->findData(int(contact.type)));
    form->addRow(QStringLiteral("Type"), m_type);

    m_override = new QComboBox(this);
    m_override->setAccessibleName(QStringLiteral("Time slot override"));
    for (TimeSlotOverride override : kAllTimeSlotOverrides)
        m_override->addItem(rawText(override), int(override));
    m_override->setCurrentIndex(m_override->findData(int(contact.timeSlotOverride)));
    form->addRow(QStringLiteral("Time slot override"), m_override);

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
        return QStringLiteral("Name: enter a name");
    if (!ContactRules::parseDmrId(m_id->text()))
        return QStringLiteral("DMR-ID: must be a number from 1 to 16777215");
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
