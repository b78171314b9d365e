#include "ui/editors/SettingsEditView.h"

#include "controller/RadioController.h"
#include "ui/editors/RecordSheet.h"
#include "ui/kit/Icons.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace nerka {

namespace {

// Wide enough for the note on one line; wider, the fields would stretch
// across a large window for numbers of three digits.
constexpr int kSettingsFormWidthChars = 64;

} // namespace

SettingsEditView::SettingsEditView(RadioController& controller, QWidget* parent)
    : QWidget(parent), m_controller(controller) {
    setAccessibleName(tr("Device settings"));
    m_pages = new QStackedWidget(this);
    m_emptyPage = buildEmptyPage();
    m_formPage = buildFormPage();
    m_pages->addWidget(m_emptyPage);
    m_pages->addWidget(m_formPage);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    CodeplugDocument& document = controller.document();
    connect(&document, &CodeplugDocument::recordsChanged, this, &SettingsEditView::followCodeplug);
    connect(&document, &CodeplugDocument::imageChanged, this, &SettingsEditView::followCodeplug);
    connect(&controller, &RadioController::statusChanged, this, &SettingsEditView::refreshState);
    followCodeplug();
}

QWidget* SettingsEditView::buildEmptyPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addStretch(1);
    auto* icon = new QLabel(page);
    icon->setPixmap(Icons::icon(QStringLiteral("slider.horizontal.3")).pixmap(48));
    icon->setAlignment(Qt::AlignCenter);
    auto* title = new QLabel(tr(kEmptyTitle), page);
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* message = new QLabel(tr(kEmptyMessage), page);
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    layout->addWidget(icon);
    layout->addWidget(title);
    layout->addWidget(message);
    layout->addStretch(1);
    return page;
}

QWidget* SettingsEditView::buildFormPage() {
    auto* form = new QWidget;
    form->setMaximumWidth(kSettingsFormWidthChars * fontMetrics().averageCharWidth());
    auto* body = new QVBoxLayout(form);
    auto* title = new QLabel(tr("Device settings"), form);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    title->setFont(titleFont);
    body->addWidget(title);
    auto* note = new QLabel(tr("Changes take effect only after writing to the device."), form);
    note->setWordWrap(true);
    note->setAccessibleName(note->text());
    body->addWidget(note);

    const auto section = [form, body](const QString& caption) {
        auto* box = new QGroupBox(caption, form);
        box->setAccessibleName(caption);
        body->addWidget(box);
        return new QFormLayout(box);
    };
    QFormLayout* radio = section(tr("Radio"));
    QLineEdit* call = addField(radio, tr("Callsign"), &SettingsForm::call);
    // The field holds 8 characters; typing or pasting more keeps the first 8.
    call->setMaxLength(SettingsForm::kCallWidth);
    addField(radio, tr("DMR-ID"), &SettingsForm::dmrID);
    // A codeplug without an identity (a new one, a club's shared one) would
    // put a radio on the air without one.
    m_identityWarning = new QLabel(
        tr("The call sign or the DMR ID is empty: a radio written with this codeplug has no "
           "identity on the air, unless the write keeps the radio's own."),
        form);
    m_identityWarning->setWordWrap(true);
    m_identityWarning->setAccessibleName(m_identityWarning->text());
    m_identityWarning->setVisible(false);
    body->addWidget(m_identityWarning);
    QFormLayout* vhf = section(tr("VHF"));
    addField(vhf, tr("Minimum (MHz)"), &SettingsForm::vhfMin);
    addField(vhf, tr("Maximum (MHz)"), &SettingsForm::vhfMax);
    QFormLayout* uhf = section(tr("UHF"));
    addField(uhf, tr("Minimum (MHz)"), &SettingsForm::uhfMin);
    addField(uhf, tr("Maximum (MHz)"), &SettingsForm::uhfMax);
    alignLabels({radio, vhf, uhf});

    m_note = new QLabel(form);
    m_note->setWordWrap(true);
    m_note->setVisible(false);
    body->addWidget(m_note);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_revert = new QPushButton(tr("Abbrechen"), form);
    m_apply = new QPushButton(tr("Apply"), form);
    for (QPushButton* button : {m_revert, m_apply}) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    connect(m_revert, &QPushButton::clicked, this, &SettingsEditView::revert);
    connect(m_apply, &QPushButton::clicked, this, &SettingsEditView::apply);
    body->addLayout(buttons);
    body->addStretch(1);

    // A short window scrolls the form; the scroll area itself is no stop
    // for Tab, only the fields and buttons in it are.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    auto* row = new QWidget;
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(form, 1);
    rowLayout->addStretch(0);
    scroll->setWidget(row);
    m_firstField = call;
    return scroll;
}

QLineEdit* SettingsEditView::addField(QFormLayout* form, const QString& label,
                                      QString SettingsForm::*text) {
    auto* edit = new QLineEdit(form->parentWidget());
    edit->setAccessibleName(label);
    form->addRow(label, edit);
    m_fields.append({text, edit});
    connect(edit, &QLineEdit::textChanged, this, [this, text](const QString& value) {
        m_form.*text = value;
        if (!m_filling)
            refreshState();
    });
    connect(edit, &QLineEdit::returnPressed, this, &SettingsEditView::apply);
    return edit;
}

void SettingsEditView::alignLabels(const QList<QFormLayout*>& forms) {
    // Each section lays out its own rows; giving every caption the width of
    // the widest one starts all fields at the same place down the page.
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

void SettingsEditView::followCodeplug() {
    const CodeplugDocument& document = m_controller.document();
    const std::optional<DeviceSettings>& settings = document.settings();
    if (!document.image() || !settings) {
        m_shown.reset();
        m_pages->setCurrentWidget(m_emptyPage);
        // Nothing to type into: the section itself holds the focus.
        setFocusProxy(nullptr);
        refreshState();
        return;
    }
    m_pages->setCurrentWidget(m_formPage);
    // The window puts the keyboard into the section here.
    setFocusProxy(m_firstField);
    if (m_shown != settings)
        fillFields(*settings);
}

void SettingsEditView::fillFields(const DeviceSettings& settings) {
    m_shown = settings;
    const SettingsForm stored(settings);
    m_form = stored;
    m_filling = true;
    for (const auto& [text, edit] : m_fields)
        edit->setText(stored.*text);
    m_filling = false;
    refreshState();
}

bool SettingsEditView::textsChanged() const {
    if (!m_shown)
        return false;
    const SettingsForm stored(*m_shown);
    return std::any_of(m_fields.cbegin(), m_fields.cend(), [&](const auto& field) {
        return m_form.*field.first != stored.*field.first;
    });
}

void SettingsEditView::refreshState() {
    const bool changed = textsChanged();
    const std::optional<DeviceSettings> edited = m_form.settings();
    const bool canEdit = m_shown && !m_controller.status().isWorking();
    m_apply->setEnabled(canEdit && edited && *edited != *m_shown);
    m_revert->setEnabled(changed);
    // What the codeplug holds is shown as it is; only the user's own input
    // is judged.
    const auto problem = changed ? m_form.problem() : std::nullopt;
    QWidget* field = nullptr;
    if (problem) {
        for (const auto& [text, edit] : m_fields) {
            if (text == problem->field)
                field = edit;
        }
    }
    const QString note = problem ? problem->reason + u'\n' + RecordSheet::invalidNote() : QString();
    m_note->setText(note);
    m_note->setAccessibleName(note);
    m_note->setVisible(problem.has_value());
    m_mark.mark(field, problem ? problem->reason : QString());
    m_identityWarning->setVisible(m_shown && (m_shown->call.isEmpty() || m_shown->dmrID == 0));
}

bool SettingsEditView::warnsOfMissingIdentity() const {
    return m_identityWarning->isVisibleTo(m_formPage) && m_pages->currentWidget() == m_formPage;
}

void SettingsEditView::apply() {
    const std::optional<DeviceSettings> edited = m_form.settings();
    if (!edited || !m_apply->isEnabled())
        return;
    if (m_controller.document().writeSettings(*edited).isRefused())
        return;
    // The fields show what the codeplug holds now.
    m_shown.reset();
    followCodeplug();
}

void SettingsEditView::revert() {
    if (m_shown)
        fillFields(*m_shown);
}

bool SettingsEditView::showsEmptyState() const {
    return m_pages->currentWidget() == m_emptyPage;
}

QString SettingsEditView::shownNote() const {
    return m_note->isVisibleTo(this) ? m_note->text() : QString();
}

} // namespace nerka
