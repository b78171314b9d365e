#include "ui/editors/RecordSheet.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace nerka {

RecordSheet::RecordSheet(QWidget* parent, const QString& cancelText, const QString& confirmText)
    : QDialog(parent) {
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);

    m_titleRow = new QHBoxLayout;
    m_title = new QLabel(this);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_title->setFont(titleFont);
    m_titleRow->addWidget(m_title, 1);
    layout->addLayout(m_titleRow);

    m_body = new QVBoxLayout;
    layout->addLayout(m_body, 1);

    m_cancelText = cancelText;
    m_confirmText = confirmText;
}

void RecordSheet::finishSheet() {
    auto* layout = qobject_cast<QVBoxLayout*>(this->layout());
    m_note = new QLabel(invalidNote(), this);
    m_note->setWordWrap(true);
    m_note->setAccessibleName(invalidNote());
    m_note->setVisible(false);
    layout->addWidget(m_note);

    auto* buttons = new QDialogButtonBox(this);
    m_cancel = buttons->addButton(m_cancelText, QDialogButtonBox::RejectRole);
    m_confirm = buttons->addButton(m_confirmText, QDialogButtonBox::AcceptRole);
    m_cancel->setAccessibleName(m_cancelText);
    m_confirm->setAccessibleName(m_confirmText);
    m_cancel->setAutoDefault(false);
    m_confirm->setAutoDefault(false);
    m_confirm->setDefault(true);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_confirm, &QPushButton::clicked, this, &RecordSheet::confirm);
    layout->addWidget(buttons);
    refreshValidity();
}

QString RecordSheet::invalidNote() {
    return QStringLiteral("Nothing is saved while the input is invalid.");
}

QString RecordSheet::sheetTitle() const {
    return m_title->text();
}

void RecordSheet::setSheetTitle(const QString& title) {
    m_title->setText(title);
    m_title->setAccessibleName(title);
    setWindowTitle(title);
}

void RecordSheet::refreshValidity() {
    if (!m_confirm)
        return;
    const bool valid = isInputValid();
    m_confirm->setEnabled(valid);
    m_note->setVisible(!valid);
}

void RecordSheet::confirm() {
    // Return reaches here only through the enabled default button, but the
    // check stays so no path saves invalid input.
    if (!isInputValid())
        return;
    if (save())
        accept();
}

} // namespace nerka
