#include "ui/editors/RecordSheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace nerka {

namespace {

constexpr int kMinimumWidthChars = 64;
// How much of the screen a sheet may ask for when it opens.
constexpr double kMostOfScreen = 0.85;

} // namespace

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

    m_cancelText = cancelText.isEmpty() ? tr("Abbrechen") : cancelText;
    m_confirmText = confirmText.isEmpty() ? tr("Apply") : confirmText;

    // A field that takes the focus is scrolled into view, whichever way the
    // focus came: QScrollArea does so itself only for Tab presses made inside
    // it, not for Shift+Tab from the buttons below it into its last field.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || now->window() != this)
            return;
        for (QWidget* up = now->parentWidget(); up && up != this; up = up->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(up)) {
                area->ensureWidgetVisible(now);
                return;
            }
        }
    });
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
    // Wide enough for a line of about 64 characters: without it the sheet
    // takes the narrowest width its fields allow and wraps its notes into
    // tall, thin columns.
    setMinimumWidth(kMinimumWidthChars * fontMetrics().averageCharWidth());
    refreshValidity();
}

QSize RecordSheet::sizeHint() const {
    QSize hint = QDialog::sizeHint();
    // A scrolled form asks for at most a few dozen lines and leaves its
    // scroll bar out of its width, so the sheet would open with both bars
    // showing. Ask for the whole form and the bar beside it; the bound below
    // and the window system keep the sheet on the screen.
    for (const QScrollArea* area : findChildren<QScrollArea*>()) {
        if (!area->widget() || !area->isVisibleTo(this))
            continue;
        const int frame = 2 * area->frameWidth();
        const QSize wanted = area->widget()->sizeHint() + QSize(frame, frame);
        const QSize asked = area->sizeHint();
        hint.rwidth() += std::max(
            0, wanted.width() + area->verticalScrollBar()->sizeHint().width() - asked.width());
        hint.rheight() += std::max(0, wanted.height() - asked.height());
    }
    hint.setWidth(std::max(hint.width(), minimumWidth()));
    if (const QScreen* shown = screen())
        hint = hint.boundedTo(shown->availableGeometry().size() * kMostOfScreen);
    return hint;
}

void RecordSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The sheet opens in its first field (unless the editor chose another)
    // with the text selected, ready to be typed over.
    QWidget* first = focusWidget();
    for (QWidget* w = nextInFocusChain(); !first && w && w != this; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(this) && w->isEnabled())
            first = w;
    }
    if (!first)
        return;
    first->setFocus(Qt::TabFocusReason);
    if (auto* field = qobject_cast<QLineEdit*>(first))
        field->selectAll();
}

QString RecordSheet::invalidNote() {
    return tr("Nothing is saved while the input is invalid.");
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
    if (isVisible())
        m_userChanged = true;
    const bool show = !valid && m_userChanged;
    const QString reason = show ? invalidReason() : QString();
    const QString note = reason.isEmpty() ? invalidNote() : reason + u'\n' + invalidNote();
    m_note->setText(note);
    m_note->setAccessibleName(note);
    m_note->setVisible(show);
    m_mark.mark(show ? invalidField() : nullptr, reason);
}

QString RecordSheet::shownNote() const {
    return m_note && m_note->isVisibleTo(this) ? m_note->text() : QString();
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
