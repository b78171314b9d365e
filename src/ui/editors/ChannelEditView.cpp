#include "ui/editors/ChannelEditView.h"

#include "codeplug/ChannelChecks.h"

#include "ui/kit/Icons.h"
#include "ui/rules/FrequencyText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

namespace nerka {

namespace {

constexpr int kNone = -1;
// The picker entry that stands for "Mixed" in bulk mode.
constexpr int kMixed = -2;
QString mixedText() {
    return QCoreApplication::translate("nerka::ChannelEditView", "Mixed");
}
constexpr int kNameWidth = 16;

constexpr std::array<FreqMode, 5> kFreqModes = {FreqMode::simplex, FreqMode::minus, FreqMode::plus,
                                                FreqMode::custom, FreqMode::split};
// The squelch picker's order.
constexpr std::array<SquelchMode, 4> kSquelchPickerOrder = {
    SquelchMode::global, SquelchMode::normal, SquelchMode::closed, SquelchMode::open};

QComboBox* picker(const QString& label, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setAccessibleName(label);
    return box;
}

QLineEdit* field(const QString& label, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(label);
    return edit;
}

QCheckBox* toggle(const QString& label, QWidget* parent) {
    auto* box = new QCheckBox(label, parent);
    box->setAccessibleName(label);
    return box;
}

QSpinBox* stepper(const QString& label, const QString& prefix, int min, int max, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(min, max);
    box->setSingleStep(1);
    box->setPrefix(prefix);
    box->setAccessibleName(label);
    return box;
}

QGroupBox* section(const QString& title, QWidget* parent, QFormLayout*& form) {
    auto* box = new QGroupBox(title, parent);
    box->setAccessibleName(title);
    form = new QFormLayout(box);
    return box;
}

// Selects the entry whose data is `value`, adding `fallback` for a value the
// list does not offer, so a reference the record holds is never lost.
void selectData(QComboBox* box, int value, const QString& fallback) {
    int row = box->findData(value);
    if (row < 0) {
        box->addItem(fallback, value);
        row = box->count() - 1;
    }
    box->setCurrentIndex(row);
}

std::optional<int> optionalData(const QComboBox* box) {
    const int value = box->currentData().toInt();
    return value == kNone ? std::nullopt : std::optional<int>(value);
}

} // namespace

ChannelEditView::ChannelEditView(const RadioChannel& channel, bool isNew, Lists lists,
                                 QWidget* parent)
    : RecordSheet(parent), m_form(std::make_unique<ChannelForm>(channel)),
      m_lists(std::move(lists)), m_isNew(isNew) {
    buildForm();
    finishSheet();
    populate();
}

ChannelEditView::ChannelEditView(const QList<RadioChannel>& channels, Lists lists, QWidget* parent)
    : RecordSheet(parent), m_form(std::make_unique<ChannelForm>(channels.value(0))),
      m_bulk(std::make_unique<ChannelBulkForm>(channels)), m_lists(std::move(lists)) {
    buildForm();
    finishSheet();
    populate();
    enterBulkMode();
}

ChannelEditView::~ChannelEditView() = default;

const ChannelBulkForm* ChannelEditView::bulkForm() const {
    if (m_bulk)
        m_bulk->values = *m_form;
    return m_bulk.get();
}

void ChannelEditView::buildForm() {
    buildNavigation();
    // The form is long; it scrolls inside the sheet.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes from field to field, not to the frame
    auto* content = new QWidget(scroll);
    auto* column = new QVBoxLayout(content);
    scroll->setWidget(content);
    body()->addWidget(scroll);
    buildGeneral(content, column);
    buildModeSections(content, column);
    buildOptions(content, column);
    column->addStretch(1);
    connectFields();
}

void ChannelEditView::buildNavigation() {
    const QString prevText = tr("Previous channel (saves)");
    const QString nextText = tr("Next channel (saves)");
    m_prev = new QToolButton(this);
    m_prev->setIcon(Icons::icon(QStringLiteral("chevron.left")));
    m_prev->setToolTip(prevText);
    m_prev->setAccessibleName(prevText);
    m_prev->setVisible(false);
    m_next = new QToolButton(this);
    m_next->setIcon(Icons::icon(QStringLiteral("chevron.right")));
    m_next->setToolTip(nextText);
    m_next->setAccessibleName(nextText);
    m_next->setVisible(false);
    // Shown only where neither the icon theme nor the bundled icons have a chevron.
    m_prev->setText(QStringLiteral("\u2039"));
    m_next->setText(QStringLiteral("\u203A"));
    titleRow()->insertWidget(0, m_prev);
    titleRow()->addWidget(m_next);
    connect(m_prev, &QToolButton::clicked, this, [this] { navigate(onPrev); });
    connect(m_next, &QToolButton::clicked, this, [this] { navigate(onNext); });
    // Ctrl+PgUp / Ctrl+PgDn step like the buttons, from any field.
    const auto step = [this](const QKeySequence& keys, QToolButton* button) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
    };
    step(QKeySequence(Qt::CTRL | Qt::Key_PageUp), m_prev);
    step(QKeySequence(Qt::CTRL | Qt::Key_PageDown), m_next);
    m_prev->setAccessibleDescription(QStringLiteral("Ctrl+PgUp"));
    m_next->setAccessibleDescription(QStringLiteral("Ctrl+PgDown"));
}

// Frequencies, mode, power.
void ChannelEditView::buildGeneral(QWidget* content, QVBoxLayout* column) {
    auto* general = new QFormLayout;
    m_general = general;
    column->addLayout(general);
    m_name = field(tr("Name"), content);
    m_name->setMaxLength(kNameWidth);
    general->addRow(tr("Name"), m_name);
    m_rx = field(tr("RX (MHz)"), content);
    general->addRow(tr("RX (MHz)"), m_rx);
    const auto warning = [content] {
        auto* label = new QLabel(content);
        label->setWordWrap(true);
        label->setVisible(false);
        return label;
    };
    m_rxWarning = warning();
    general->addRow(QString(), m_rxWarning);
    m_offsetMode = picker(tr("Ablage"), content);
    for (FreqMode mode : kFreqModes)
        m_offsetMode->addItem(QString(), int(mode));
    general->addRow(tr("Ablage"), m_offsetMode);
    m_customLabel = new QLabel(tr("Ablage (MHz)"), content);
    m_customOffset = field(tr("Ablage (MHz)"), content);
    general->addRow(m_customLabel, m_customOffset);
    m_tx = field(tr("TX (MHz)"), content);
    general->addRow(tr("TX (MHz)"), m_tx);
    m_txWarning = warning();
    general->addRow(QString(), m_txWarning);
    m_mode = picker(tr("Mode"), content);
    m_mode->addItem(tr("DMR"), int(ChannelMode::dmr));
    m_mode->addItem(tr("FM"), int(ChannelMode::fm));
    general->addRow(tr("Mode"), m_mode);
    m_power = choicePicker(ChannelField::power, general, content);
    addToggle(ChannelField::rxOnly, general, content);
}

void ChannelEditView::buildModeSections(QWidget* content, QVBoxLayout* column) {
    QFormLayout* dmr = nullptr;
    m_dmrBox = section(tr("DMR"), content, dmr);
    column->addWidget(m_dmrBox);
    m_timeSlot = choicePicker(ChannelField::timeSlot, dmr, m_dmrBox);
    m_colorCode = stepper(tr("Farbcode"), tr("Farbcode: "), 0, 15, m_dmrBox);
    dmr->addRow(m_colorCode);
    m_contact = picker(tr("Contact (TX)"), m_dmrBox);
    dmr->addRow(tr("Contact (TX)"), m_contact);
    m_groupList = picker(tr("RX group list"), m_dmrBox);
    dmr->addRow(tr("RX group list"), m_groupList);

    // ---- FM ----
    QFormLayout* fm = nullptr;
    m_fmBox = section(tr("FM"), content, fm);
    column->addWidget(m_fmBox);
    m_bandwidth = choicePicker(ChannelField::bandwidth, fm, m_fmBox);
    // Each label is translated whole ("TX tone frequency", "Frequenz des TX-Tons").
    struct ToneLabels {
        TonePickers* pickers;
        QString label, frequency, code, inverted;
    };
    for (const auto& [pickers, label, frequency, code, inverted] :
         {ToneLabels{&m_rxTone, tr("RX tone"), tr("RX tone Frequenz"), tr("RX tone Code"),
                     tr("RX tone invertiert (D\u2026I)")},
          ToneLabels{&m_txTone, tr("TX tone"), tr("TX tone Frequenz"), tr("TX tone Code"),
                     tr("TX tone invertiert (D\u2026I)")}}) {
        pickers->kind = picker(label, m_fmBox);
        pickers->kind->addItem(tr("Off"), int(ToneKind::none));
        pickers->kind->addItem(tr("CTCSS"), int(ToneKind::ctcss));
        pickers->kind->addItem(tr("DCS"), int(ToneKind::dcs));
        fm->addRow(label, pickers->kind);
        pickers->ctcssLabel = new QLabel(frequency, m_fmBox);
        pickers->ctcss = picker(frequency, m_fmBox);
        fm->addRow(pickers->ctcssLabel, pickers->ctcss);
        pickers->dcsLabel = new QLabel(code, m_fmBox);
        pickers->dcs = picker(code, m_fmBox);
        fm->addRow(pickers->dcsLabel, pickers->dcs);
        pickers->inverted = toggle(inverted, m_fmBox);
        fm->addRow(pickers->inverted);
    }
}

void ChannelEditView::buildOptions(QWidget* content, QVBoxLayout* column) {
    QFormLayout* squelch = nullptr;
    column->addWidget(section(tr("Squelch"), content, squelch));
    m_squelchMode = picker(tr("Mode"), content);
    for (SquelchMode mode : kSquelchPickerOrder)
        m_squelchMode->addItem(rawText(mode), int(mode));
    squelch->addRow(tr("Mode"), m_squelchMode);
    m_squelchLevel = stepper(tr("Level"), tr("Level: "), 1, 9, content);
    squelch->addRow(m_squelchLevel);

    QFormLayout* scan = nullptr;
    column->addWidget(section(tr("Scan"), content, scan));
    for (const ChannelField flag : {ChannelField::skipScan, ChannelField::skipZoneScan})
        addToggle(flag, scan, content);

    QFormLayout* more = nullptr;
    column->addWidget(section(tr("More"), content, more));
    for (const ChannelField flag :
         {ChannelField::vox, ChannelField::monitor, ChannelField::powerSave, ChannelField::beep})
        addToggle(flag, more, content);
    m_aprs = picker(tr("APRS"), content);
    more->addRow(tr("APRS"), m_aprs);
}

// The name field shows the name as the radio will store it: a character it
// cannot store turns into "?" as it is typed.
void ChannelEditView::connectName() {
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_loading)
            return;
        const QString stored = storedChannelName(text);
        if (stored != text) {
            const QSignalBlocker quiet(m_name);
            const int cursor = m_name->cursorPosition();
            m_name->setText(stored);
            m_name->setCursorPosition(std::min(cursor, int(stored.size())));
        }
        m_form->name = stored;
        inputChanged();
    });
}

// Every change goes into the form, then the derived fields are refreshed.
void ChannelEditView::connectFields() {
    connectName();
    const auto onText = [this](QLineEdit* edit, auto apply) {
        connect(edit, &QLineEdit::textChanged, this, [this, apply](const QString& text) {
            if (m_loading)
                return;
            apply(text);
            inputChanged();
        });
    };
    onText(m_rx, [this](const QString& text) { m_form->setRxText(text); });
    onText(m_tx, [this](const QString& text) { m_form->setTxText(text); });
    onText(m_customOffset, [this](const QString& text) { m_form->setCustomOffset(text); });
    const auto onPick = [this](QComboBox* box, ChannelField field, auto apply) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, box, field, apply] {
            if (m_loading)
                return;
            const bool mixed = box->currentData().toInt() == kMixed;
            if (!mixed)
                apply(box->currentData().toInt());
            fieldEdited(field, mixed);
            inputChanged();
        });
    };
    onPick(m_offsetMode, ChannelField::tx, [this](int v) { m_form->setFreqMode(FreqMode(v)); });
    onPick(m_mode, ChannelField::mode,
           [this](int v) { m_form->isDMR = ChannelMode(v) == ChannelMode::dmr; });
    onPick(m_power, ChannelField::power, [this](int v) { m_form->power = ChannelPowerLevel(v); });
    onPick(m_timeSlot, ChannelField::timeSlot, [this](int v) { m_form->timeSlot2 = v == 1; });
    onPick(m_contact, ChannelField::contact,
           [this](int) { m_form->contactSlot = optionalData(m_contact); });
    onPick(m_groupList, ChannelField::groupList,
           [this](int) { m_form->groupListIndex = optionalData(m_groupList); });
    onPick(m_bandwidth, ChannelField::bandwidth, [this](int v) { m_form->bandwidthWide = v == 1; });
    onPick(m_rxTone.kind, ChannelField::rxTone,
           [this](int v) { m_form->rxToneKind = ToneKind(v); });
    onPick(m_rxTone.ctcss, ChannelField::rxTone, [this](int v) { m_form->rxCtcss = v; });
    onPick(m_rxTone.dcs, ChannelField::rxTone, [this](int v) { m_form->rxDcs = v; });
    onPick(m_txTone.kind, ChannelField::txTone,
           [this](int v) { m_form->txToneKind = ToneKind(v); });
    onPick(m_txTone.ctcss, ChannelField::txTone, [this](int v) { m_form->txCtcss = v; });
    onPick(m_txTone.dcs, ChannelField::txTone, [this](int v) { m_form->txDcs = v; });
    onPick(m_squelchMode, ChannelField::squelch,
           [this](int v) { m_form->squelchMode = SquelchMode(v); });
    onPick(m_aprs, ChannelField::aprs, [this](int) { m_form->aprsIndex = optionalData(m_aprs); });
    const auto onStep = [this](QSpinBox* box, ChannelField field, auto apply) {
        connect(box, &QSpinBox::valueChanged, this, [this, box, field, apply](int value) {
            if (m_loading)
                return;
            // A bulk edit's mixed stepper shows its special text at its minimum.
            const bool mixed = !box->specialValueText().isEmpty() && value == box->minimum();
            if (!mixed)
                apply(value);
            fieldEdited(field, mixed);
            inputChanged();
        });
    };
    onStep(m_colorCode, ChannelField::colorCode, [this](int v) { m_form->colorCode = v; });
    onStep(m_squelchLevel, ChannelField::squelchLevel, [this](int v) { m_form->squelchLevel = v; });
    // The inverted-DCS boxes belong to their tone.
    for (auto [box, field, member] :
         {std::tuple{m_rxTone.inverted, ChannelField::rxTone, &ChannelForm::rxDcsInv},
          std::tuple{m_txTone.inverted, ChannelField::txTone, &ChannelForm::txDcsInv}}) {
        connect(box, &QCheckBox::stateChanged, this, [this, field, member](int state) {
            if (m_loading)
                return;
            const bool mixed = state == Qt::PartiallyChecked;
            if (!mixed)
                (*m_form).*member = state == Qt::Checked;
            fieldEdited(field, mixed);
            inputChanged();
        });
    }
}

// An enumeration of the channel field table as a picker with its label and
// one entry per value, the value's position as its data.
QComboBox* ChannelEditView::choicePicker(ChannelField field, QFormLayout* form, QWidget* parent) {
    const ChannelFieldInfo& row = channelField(field);
    // Shown in the window's language; the data stays the value's position.
    const QString label = row.displayLabel();
    const QStringList choices = row.displayChoices();
    QComboBox* box = picker(label, parent);
    for (qsizetype i = 0; i < choices.size(); ++i)
        box->addItem(choices[i], int(i));
    form->addRow(label, box);
    return box;
}

// A flag of the channel field table as a toggle with its label.
void ChannelEditView::addToggle(ChannelField field, QFormLayout* form, QWidget* content) {
    QCheckBox* box = toggle(channelField(field).displayLabel(), content);
    form->addRow(box);
    m_toggles[std::size_t(field)] = box;
    connect(box, &QCheckBox::stateChanged, this, [this, field](int state) {
        if (m_loading)
            return;
        const bool mixed = state == Qt::PartiallyChecked;
        if (!mixed)
            m_form->setFlag(field, state == Qt::Checked);
        fieldEdited(field, mixed);
        inputChanged();
    });
}

void ChannelEditView::fieldEdited(ChannelField field, bool showsMixed) {
    if (m_bulk)
        m_bulk->setChanged(field, !showsMixed);
}

void ChannelEditView::enterBulkMode() {
    const ChannelBulkForm& bulk = *m_bulk;
    m_loading = true;
    setSheetTitle(tr("Edit %1 channels").arg(bulk.channels().size()));
    // Name and frequencies stay each channel's own.
    for (QWidget* own : std::initializer_list<QWidget*>{m_name, m_rx, m_tx, m_customOffset,
                                                        m_rxWarning, m_txWarning})
        m_general->setRowVisible(own, false);
    // Only the offsets that follow from each channel's RX. Channels that all
    // have a custom offset show "Mixed" too: none of the choices is theirs.
    const bool ownOffset = m_form->freqMode() == FreqMode::custom;
    for (const FreqMode mode : {FreqMode::custom, FreqMode::split})
        m_offsetMode->removeItem(m_offsetMode->findData(int(mode)));
    const auto mixedPicker = [this, ownOffset](QComboBox* box, ChannelField field) {
        const bool noneApplies = box == m_offsetMode && ownOffset;
        if (!m_bulk->isMixed(field) && !noneApplies && box->currentIndex() >= 0)
            return;
        box->insertItem(0, mixedText(), kMixed);
        box->setCurrentIndex(0);
    };
    mixedPicker(m_offsetMode, ChannelField::tx);
    mixedPicker(m_mode, ChannelField::mode);
    mixedPicker(m_power, ChannelField::power);
    mixedPicker(m_timeSlot, ChannelField::timeSlot);
    mixedPicker(m_contact, ChannelField::contact);
    mixedPicker(m_groupList, ChannelField::groupList);
    mixedPicker(m_bandwidth, ChannelField::bandwidth);
    mixedPicker(m_rxTone.kind, ChannelField::rxTone);
    mixedPicker(m_txTone.kind, ChannelField::txTone);
    mixedPicker(m_squelchMode, ChannelField::squelch);
    mixedPicker(m_aprs, ChannelField::aprs);
    const auto mixedStepper = [this](QSpinBox* box, ChannelField field) {
        if (!m_bulk->isMixed(field))
            return;
        box->setMinimum(box->minimum() - 1);
        box->setSpecialValueText(box->prefix() + mixedText());
        box->setValue(box->minimum());
    };
    mixedStepper(m_colorCode, ChannelField::colorCode);
    mixedStepper(m_squelchLevel, ChannelField::squelchLevel);
    const auto mixedToggle = [this](QCheckBox* box, ChannelField field) {
        if (!m_bulk->isMixed(field))
            return;
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    };
    for (std::size_t f = 0; f < m_toggles.size(); ++f) {
        if (m_toggles[f])
            mixedToggle(m_toggles[f], ChannelField(f));
    }
    m_loading = false;
    m_offsetMode->setFocus(Qt::OtherFocusReason);
    inputChanged();
}

void ChannelEditView::loadChannel(const RadioChannel& channel, bool isNew, Lists lists) {
    m_form = std::make_unique<ChannelForm>(channel);
    m_lists = std::move(lists);
    m_isNew = isNew;
    populate();
}

void ChannelEditView::setNavigation(bool hasPrevious, bool hasNext) {
    m_prev->setVisible(bool(onPrev));
    m_next->setVisible(bool(onNext));
    m_prev->setEnabled(hasPrevious);
    m_next->setEnabled(hasNext);
}

// Puts the form into the widgets. Signals of the fields are ignored meanwhile
// (m_loading), so nothing is recalculated from half-filled widgets.
void ChannelEditView::populate() {
    m_loading = true;
    const ChannelForm& form = *m_form;
    const int number = form.channel().number;
    setSheetTitle((m_isNew ? tr("New channel %1") : tr("Edit channel %1")).arg(number));

    m_name->setText(form.name);
    m_rx->setText(form.rxText());
    m_tx->setText(form.txText());
    m_customOffset->setText(form.customOffset());
    m_offsetMode->setCurrentIndex(m_offsetMode->findData(int(form.freqMode())));
    m_mode->setCurrentIndex(m_mode->findData(int(form.isDMR ? ChannelMode::dmr : ChannelMode::fm)));
    m_power->setCurrentIndex(m_power->findData(int(form.power)));

    m_timeSlot->setCurrentIndex(m_timeSlot->findData(form.timeSlot2 ? 1 : 0));
    // The record may hold any colour code byte; the stepper shows what it can.
    m_colorCode->setValue(std::clamp(form.colorCode, 0, 15));

    m_contact->clear();
    m_contact->addItem(tr("None"), kNone);
    for (const DMRContact& contact : m_lists.contacts)
        m_contact->addItem(contact.name, contact.slot);
    selectData(m_contact, form.contactSlot.value_or(kNone),
               QStringLiteral("#%1").arg(form.contactSlot.value_or(0) + 1));

    m_groupList->clear();
    m_groupList->addItem(tr("None"), kNone);
    for (const Talkgroup& talkgroup : m_lists.talkgroups)
        m_groupList->addItem(talkgroup.name, talkgroup.index);
    selectData(m_groupList, form.groupListIndex.value_or(kNone),
               QStringLiteral("#%1").arg(form.groupListIndex.value_or(0) + 1));

    m_bandwidth->setCurrentIndex(form.bandwidthWide ? 1 : 0);
    fillTonePickers();

    m_squelchMode->setCurrentIndex(m_squelchMode->findData(int(form.squelchMode)));
    m_squelchLevel->setValue(form.squelchLevel);
    for (std::size_t f = 0; f < m_toggles.size(); ++f) {
        if (m_toggles[f])
            m_toggles[f]->setChecked(form.flag(ChannelField(f)));
    }

    m_aprs->clear();
    m_aprs->addItem(tr("None"), kNone);
    for (int i = 0; i < m_lists.aprsSystems.size(); ++i)
        m_aprs->addItem(tr("APRS %1: %2").arg(i + 1).arg(m_lists.aprsSystems[i]), i);
    selectData(m_aprs, form.aprsIndex.value_or(kNone),
               tr("APRS %1").arg(form.aprsIndex.value_or(0) + 1));
    m_loading = false;
    // The sheet opens (and steps to a neighbour) with the name ready to be
    // typed over, not on "Previous channel (saves)", where Space would save
    // and jump.
    m_name->setFocus(Qt::OtherFocusReason);
    m_name->selectAll();
    inputChanged();
}

void ChannelEditView::fillTonePickers() {
    const ChannelForm& form = *m_form;
    struct Side {
        TonePickers* pickers;
        ToneKind kind;
        int ctcss;
        int dcs;
        bool inverted;
    };
    for (const Side& side :
         {Side{&m_rxTone, form.rxToneKind, form.rxCtcss, form.rxDcs, form.rxDcsInv},
          Side{&m_txTone, form.txToneKind, form.txCtcss, form.txDcs, form.txDcsInv}}) {
        TonePickers& p = *side.pickers;
        p.kind->setCurrentIndex(p.kind->findData(int(side.kind)));
        p.ctcss->clear();
        for (int tenths : toneChoices(Tone::Kind::ctcss, side.ctcss))
            p.ctcss->addItem(QString::asprintf("%.1f Hz", tenths / 10.0), tenths);
        p.ctcss->setCurrentIndex(p.ctcss->findData(side.ctcss));
        p.dcs->clear();
        for (int code : toneChoices(Tone::Kind::dcs, side.dcs))
            p.dcs->addItem(QString::asprintf("D%03d", code), code);
        p.dcs->setCurrentIndex(p.dcs->findData(side.dcs));
        p.inverted->setChecked(side.inverted);
    }
}

void ChannelEditView::showFieldsForMode() {
    const ChannelForm& form = *m_form;
    // In bulk mode, with the mode left as it is, both sections show when the
    // selection holds both kinds of channel.
    const bool modeKept = m_bulk && !m_bulk->isChanged(ChannelField::mode);
    m_dmrBox->setVisible(modeKept ? m_bulk->anyDMR() : form.isDMR);
    m_fmBox->setVisible(modeKept ? m_bulk->anyFM() : !form.isDMR);
    const bool custom = form.freqMode() == FreqMode::custom;
    m_customLabel->setVisible(custom);
    m_customOffset->setVisible(custom);
    for (auto [p, kind] :
         {std::pair{&m_rxTone, form.rxToneKind}, std::pair{&m_txTone, form.txToneKind}}) {
        if (p->kind->currentData().toInt() == kMixed)
            kind = ToneKind::none;
        p->ctcssLabel->setVisible(kind == ToneKind::ctcss);
        p->ctcss->setVisible(kind == ToneKind::ctcss);
        p->dcsLabel->setVisible(kind == ToneKind::dcs);
        p->dcs->setVisible(kind == ToneKind::dcs);
        p->inverted->setVisible(kind == ToneKind::dcs);
    }
    // The level means something only for the normal squelch.
    m_squelchLevel->setVisible(form.squelchMode == SquelchMode::normal &&
                               m_squelchMode->currentData().toInt() != kMixed);
}

void ChannelEditView::refreshOffsetLabels() {
    const std::uint64_t rxHz = m_form->referenceRxHz();
    for (int row = 0; row < m_offsetMode->count(); ++row) {
        const int mode = m_offsetMode->itemData(row).toInt();
        if (mode != kMixed)
            m_offsetMode->setItemText(row, ChannelForm::freqModeLabel(FreqMode(mode), rxHz));
    }
}

void ChannelEditView::inputChanged() {
    // TX follows RX and the offset; write it back without re-entering.
    if (m_tx->text() != m_form->txText()) {
        const QSignalBlocker block(m_tx);
        m_tx->setText(m_form->txText());
    }
    if (m_customOffset->text() != m_form->customOffset()) {
        const QSignalBlocker block(m_customOffset);
        m_customOffset->setText(m_form->customOffset());
    }
    refreshOffsetLabels();
    showFieldsForMode();
    refreshBandWarnings();
    refreshValidity();
}

void ChannelEditView::refreshBandWarnings() {
    const auto show = [this](QLabel* label, const QString& text) {
        std::optional<std::uint64_t> hz = FrequencyText::parseHz(text);
        const QString warning =
            hz && m_lists.bands ? ChannelForm::bandWarning(*hz, *m_lists.bands) : QString();
        label->setText(warning.isEmpty() ? QString() : QStringLiteral("\u26A0 ") + warning);
        label->setAccessibleName(warning);
        label->setVisible(!warning.isEmpty());
    };
    show(m_rxWarning, m_form->rxText());
    show(m_txWarning, m_form->txText());
}

bool ChannelEditView::isInputValid() const {
    // A bulk edit offers only pickers, steppers and boxes: always valid.
    return m_bulk || m_form->isValid();
}

QString ChannelEditView::invalidReason() const {
    if (!m_form->nameValid())
        return channelField(ChannelField::name).reason(tr("enter a name"));
    if (!m_form->rxValid())
        return channelField(ChannelField::rx).reason(FrequencyText::problem(m_form->rxText()));
    if (!m_form->txValid())
        return channelField(ChannelField::tx).reason(FrequencyText::problem(m_form->txText()));
    return {};
}

QWidget* ChannelEditView::invalidField() const {
    if (!m_form->nameValid())
        return m_name;
    if (!m_form->rxValid())
        return m_rx;
    if (!m_form->txValid())
        return m_tx;
    return nullptr;
}

bool ChannelEditView::save() {
    if (m_bulk) {
        m_bulk->values = *m_form;
        return !onSaveBulk || onSaveBulk(m_bulk->apply());
    }
    const auto edit = m_form->edit();
    if (!edit)
        return false;
    return !onSave || onSave(*edit);
}

void ChannelEditView::navigate(const std::function<void()>& to) {
    // Valid input is saved first; a refused save keeps this channel open so
    // nothing typed is lost. Invalid input cannot be saved and is left behind.
    if (m_form->isValid() && !save())
        return;
    if (to)
        to();
}

} // namespace nerka
