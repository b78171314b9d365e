#include "ui/editors/SatelliteEditView.h"

#include "ui/rules/FrequencyText.h"
#include "ui/rules/SatelliteFormRules.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace nerka {

namespace {

QComboBox* tonePicker(const QString& label, const std::optional<Tone>& current, QWidget* parent) {
    auto* picker = new QComboBox(parent);
    picker->setAccessibleName(label);
    const QList<std::optional<Tone>> choices = SatelliteFormRules::toneChoices(current);
    for (const std::optional<Tone>& tone : choices) {
        picker->addItem(SatelliteFormRules::toneLabel(tone));
        if (tone == current)
            picker->setCurrentIndex(picker->count() - 1);
    }
    // The tone of each item, kept beside its text so saving reads it back exactly.
    for (int i = 0; i < choices.size(); ++i) {
        const std::optional<Tone>& tone = choices[i];
        picker->setItemData(
            i, tone ? QVariant(QList<QVariant>{int(tone->kind), tone->value, tone->inverted})
                    : QVariant());
    }
    return picker;
}

std::optional<Tone> pickedTone(const QComboBox* picker) {
    const QVariant data = picker->currentData();
    if (!data.isValid())
        return std::nullopt;
    const QList<QVariant> parts = data.toList();
    return Tone{Tone::Kind(parts.value(0).toInt()), parts.value(1).toInt(),
                parts.value(2).toBool()};
}

} // namespace

SatelliteEditView::SatelliteEditView(const Satellite& satellite, bool isNew, QWidget* parent)
    : RecordSheet(parent, tr("Cancel"), tr("Save")), m_satellite(satellite) {
    const QString slot = QString::number(satellite.index + 1);
    setSheetTitle(isNew ? tr("New satellite (slot %1)").arg(slot)
                        : tr("Edit satellite %1").arg(slot));
    setAccessibleName(windowTitle());

    const SatelliteForm form = SatelliteFormRules::formFor(satellite);
    QVBoxLayout* layout = body();

    auto* nameForm = new QFormLayout;
    m_name = new QLineEdit(form.name, this);
    m_name->setAccessibleName(tr("Name"));
    nameForm->addRow(tr("Name"), m_name);
    auto* note = new QLabel(tr("Up to 8 characters, and it must match the satellite's "
                               "name in the TLE data (e.g. SO-50, AO-91) so Import "
                               "can find its orbital data."),
                            this);
    note->setWordWrap(true);
    nameForm->addRow(note);
    layout->addLayout(nameForm);
    // Longer names are cut as they are typed, so what shows is what is stored.
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString cut = SatelliteFormRules::cutName(text);
        if (cut != text) {
            const int cursor = std::min<int>(m_name->cursorPosition(), int(cut.size()));
            m_name->setText(cut);
            m_name->setCursorPosition(cursor);
        }
    });

    const QString pairs[3] = {tr("Voice"), tr("APRS"), tr("Other")};
    for (int pair = 0; pair < 3; ++pair) {
        auto* group = new QGroupBox(pairs[pair], this);
        group->setAccessibleName(pairs[pair]);
        auto* pairForm = new QFormLayout(group);
        for (int side = 0; side < 2; ++side) {
            const int i = pair * 2 + side;
            const QString label = side == 0 ? tr("RX (MHz)") : tr("TX (MHz)");
            m_freq[i] = new QLineEdit(form.frequencies[i], group);
            m_freq[i]->setAccessibleName(label);
            m_freq[i]->setAccessibleDescription(pairs[pair]);
            m_freq[i]->setPlaceholderText(tr("not set"));
            pairForm->addRow(label, m_freq[i]);
            connect(m_freq[i], &QLineEdit::textChanged, this, &SatelliteEditView::revalidate);
        }
        layout->addWidget(group);
    }

    auto* toneForm = new QFormLayout;
    m_txTone = tonePicker(tr("TX CTCSS"), form.txTone, this);
    m_armTone = tonePicker(tr("Arm CTCSS"), form.armTone, this);
    toneForm->addRow(tr("TX CTCSS"), m_txTone);
    toneForm->addRow(tr("Arm CTCSS"), m_armTone);
    auto* epoch = new QLineEdit(this);
    epoch->setReadOnly(true);
    epoch->setAccessibleName(tr("Keps epoch (UTC)"));
    epoch->setText(SatelliteFormRules::epochText(satellite));
    // Wide enough for the whole date and time, which a form row would cut.
    epoch->setMinimumWidth(epoch->fontMetrics().horizontalAdvance(epoch->text()) +
                           epoch->fontMetrics().averageCharWidth() * 4);
    toneForm->addRow(tr("Keps epoch (UTC)"), epoch);
    layout->addLayout(toneForm);

    finishSheet();
    connect(m_name, &QLineEdit::textChanged, this, &SatelliteEditView::revalidate);
    revalidate();
}

SatelliteForm SatelliteEditView::currentForm() const {
    SatelliteForm form;
    form.name = m_name->text();
    for (int i = 0; i < SatelliteForm::kFrequencyCount; ++i)
        form.frequencies[i] = m_freq[i]->text();
    form.txTone = pickedTone(m_txTone);
    form.armTone = pickedTone(m_armTone);
    return form;
}

bool SatelliteEditView::isInputValid() const {
    return SatelliteFormRules::isValid(currentForm());
}

void SatelliteEditView::revalidate() {
    refreshValidity();
}

// The first field that keeps the form from being saved: the name, or a
// frequency that is neither empty (not set) nor valid.
int SatelliteEditView::firstInvalidFrequency() const {
    for (int i = 0; i < SatelliteForm::kFrequencyCount; ++i) {
        const QString text = m_freq[i]->text();
        if (!text.trimmed().isEmpty() && !FrequencyText::isValid(text))
            return i;
    }
    return -1;
}

QString SatelliteEditView::invalidReason() const {
    if (!SatelliteFormRules::isNameValid(m_name->text()))
        return tr("Name: enter a name");
    const int i = firstInvalidFrequency();
    if (i < 0)
        return {};
    return m_freq[i]->accessibleDescription().section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ') +
           m_freq[i]->accessibleName().section(QLatin1Char(' '), 0, 0) + QStringLiteral(": ") +
           FrequencyText::problem(m_freq[i]->text()) + tr(" (or empty for not set)");
}

QWidget* SatelliteEditView::invalidField() const {
    if (!SatelliteFormRules::isNameValid(m_name->text()))
        return m_name;
    const int i = firstInvalidFrequency();
    return i < 0 ? nullptr : m_freq[i];
}

bool SatelliteEditView::save() {
    const std::optional<Satellite> edited = SatelliteFormRules::apply(m_satellite, currentForm());
    if (!edited)
        return false;
    if (onSave)
        onSave(*edited);
    return true;
}

} // namespace nerka
