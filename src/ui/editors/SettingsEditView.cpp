#include "ui/editors/SettingsEditView.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace nerka {

SettingsEditView::SettingsEditView(const DeviceSettings& settings, QWidget* parent)
    : RecordSheet(parent), m_form(settings) {
    setSheetTitle(QStringLiteral("Device settings"));
    auto* note =
        new QLabel(QStringLiteral("Changes take effect only after writing to the device."), this);
    note->setWordWrap(true);
    note->setAccessibleName(note->text());
    body()->addWidget(note);

    const auto section = [this](const QString& title) {
        auto* box = new QGroupBox(title, this);
        box->setAccessibleName(title);
        body()->addWidget(box);
        return new QFormLayout(box);
    };
    QFormLayout* radio = section(QStringLiteral("Radio"));
    QLineEdit* call = addField(radio, QStringLiteral("Callsign"), &SettingsForm::call);
    // The field holds 8 characters; typing or pasting more keeps the first 8.
    call->setMaxLength(SettingsForm::kCallWidth);
    addField(radio, QStringLiteral("DMR-ID"), &SettingsForm::dmrID);
    QFormLayout* vhf = section(QStringLiteral("VHF"));
    addField(vhf, QStringLiteral("Minimum (MHz)"), &SettingsForm::vhfMin);
    addField(vhf, QStringLiteral("Maximum (MHz)"), &SettingsForm::vhfMax);
    QFormLayout* uhf = section(QStringLiteral("UHF"));
    addField(uhf, QStringLiteral("Minimum (MHz)"), &SettingsForm::uhfMin);
    addField(uhf, QStringLiteral("Maximum (MHz)"), &SettingsForm::uhfMax);
    alignLabels({radio, vhf, uhf});
    finishSheet();
}

QLineEdit* SettingsEditView::addField(QFormLayout* form, const QString& label,
                                      QString SettingsForm::*text) {
    auto* edit = new QLineEdit(m_form.*text, form->parentWidget());
    edit->setAccessibleName(label);
    form->addRow(label, edit);
    m_fields.append({text, edit});
    connect(edit, &QLineEdit::textChanged, this, [this, text](const QString& value) {
        m_form.*text = value;
        refreshValidity();
    });
    return edit;
}

void SettingsEditView::alignLabels(const QList<QFormLayout*>& forms) {
    // Each section lays out its own rows; giving every caption the width of
    // the widest one starts all fields at the same place down the sheet.
    QList<QWidget*> captions;
    int widest = 0;
    for (QFormLayout* form : forms) {
        for (int row = 0; row < form->rowCount(); ++row) {
            QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole);
            if (QWidget* caption = item ? item->widget() : nullptr) {
                captions.append(caption);
                widest = std::max(widest, caption->sizeHint().width());
            }
        }
    }
    for (QWidget* caption : captions)
        caption->setMinimumWidth(widest);
}

bool SettingsEditView::isInputValid() const {
    return m_form.isValid();
}

QString SettingsEditView::invalidReason() const {
    const auto problem = m_form.problem();
    return problem ? problem->reason : QString();
}

QWidget* SettingsEditView::invalidField() const {
    const auto problem = m_form.problem();
    if (!problem)
        return nullptr;
    for (const auto& [text, edit] : m_fields) {
        if (text == problem->field)
            return edit;
    }
    return nullptr;
}

bool SettingsEditView::save() {
    const auto settings = m_form.settings();
    if (!settings)
        return false;
    return !onSave || onSave(*settings);
}

} // namespace nerka
