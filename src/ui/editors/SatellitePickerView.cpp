#include "ui/editors/SatellitePickerView.h"

#include "ui/kit/AccessibleNames.h"
#include "ui/kit/Icons.h"
#include "ui/rules/SatellitePickerRules.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace nerka {

namespace {
constexpr int kCandidateRole = Qt::UserRole + 1;
}

SatellitePickerView::SatellitePickerView(QList<SatelliteCandidate> candidates,
                                         QList<Satellite> existing, int freeSlots, QWidget* parent)
    : QDialog(parent), m_candidates(std::move(candidates)), m_existing(std::move(existing)),
      m_freeSlots(freeSlots) {
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr("Add satellites"));
    setAccessibleName(windowTitle());
    resize(520, 560);

    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Frequencies come from the SatNOGS database. CTCSS "
                               "tones are filled in where SatNOGS lists one \u2014 "
                               "check them, and set any arming tone in the editor."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* filters = new QHBoxLayout;
    m_onlyFM = new QCheckBox(tr("Only FM satellites"), this);
    m_onlyFM->setAccessibleName(m_onlyFM->text());
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(tr("Search"));
    m_search->setAccessibleName(tr("Search"));
    addNamedClearButton(m_search, tr("Clear search"));
    filters->addWidget(m_onlyFM);
    filters->addWidget(m_search, 1);
    layout->addLayout(filters);

    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("Satellites"));
    m_list->setUniformItemSizes(true);
    m_list->installEventFilter(this);
    layout->addWidget(m_list, 1);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { toggleRow(m_list->row(item)); });

    auto* footer = new QHBoxLayout;
    m_footer = new QLabel(this);
    m_warningIcon = new QLabel(this);
    m_warningIcon->setPixmap(
        Icons::icon(QStringLiteral("exclamationmark.triangle.fill")).pixmap(16));
    m_warning = new QLabel(SatellitePickerRules::tooManyText(), this);
    footer->addWidget(m_footer);
    footer->addStretch(1);
    footer->addWidget(m_warningIcon);
    footer->addWidget(m_warning);
    layout->addLayout(footer);

    auto* buttons = new QDialogButtonBox(this);
    auto* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setAccessibleName(tr("Cancel"));
    m_add = buttons->addButton(tr("Add"), QDialogButtonBox::AcceptRole);
    m_add->setAccessibleName(tr("Add"));
    m_add->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        const QList<SatelliteCandidate> chosen =
            SatellitePickerRules::chosen(m_candidates, m_selection);
        if (chosen.isEmpty())
            return;
        if (onAdd)
            onAdd(chosen);
        accept();
    });
    layout->addWidget(buttons);

    connect(m_onlyFM, &QCheckBox::toggled, this, &SatellitePickerView::rebuildRows);
    connect(m_search, &QLineEdit::textChanged, this, &SatellitePickerView::rebuildRows);
    rebuildRows();
    updateFooter();
}

bool SatellitePickerView::eventFilter(QObject* watched, QEvent* event) {
    // Space ticks the current row, as it does a check box; Return is left to
    // the dialog's default button.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && m_list->currentRow() >= 0) {
            toggleRow(m_list->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SatellitePickerView::rebuildRows() {
    const int currentCandidate =
        m_list->currentRow() >= 0 ? m_shown.value(m_list->currentRow(), -1) : -1;
    m_shown = SatellitePickerRules::visible(m_candidates, m_onlyFM->isChecked(), m_search->text());
    m_list->clear();
    for (int index : m_shown) {
        const SatelliteCandidate& candidate = m_candidates[index];
        QString text = candidate.name;
        if (!candidate.fullName.isEmpty() && candidate.fullName != candidate.name)
            text += QStringLiteral(" (") + candidate.fullName + QStringLiteral(")");
        text += QStringLiteral("  ") + SatellitePickerRules::frequencyText(candidate);
        if (SatellitePickerRules::inCodeplug(candidate, m_existing))
            text += tr("  in codeplug");
        auto* item = new QListWidgetItem(text, m_list);
        item->setData(kCandidateRole, index);
        updateRow(m_list->count() - 1);
        if (index == currentCandidate)
            m_list->setCurrentItem(item);
    }
}

void SatellitePickerView::updateRow(int row) {
    QListWidgetItem* item = m_list->item(row);
    if (!item)
        return;
    const bool ticked = m_selection.contains(m_candidates[m_shown[row]].id);
    item->setIcon(
        Icons::icon(ticked ? QStringLiteral("checkmark.circle.fill") : QStringLiteral("circle")));
    // The tick is part of what assistive technology reads for the row.
    item->setData(Qt::AccessibleDescriptionRole, ticked ? tr("selected") : tr("not selected"));
}

void SatellitePickerView::toggleRow(int row) {
    if (row < 0 || row >= m_shown.size())
        return;
    const QUuid id = m_candidates[m_shown[row]].id;
    if (!m_selection.remove(id))
        m_selection.insert(id);
    updateRow(row);
    updateFooter();
}

void SatellitePickerView::updateFooter() {
    const int selected = int(m_selection.size());
    m_footer->setText(SatellitePickerRules::footerText(selected, m_freeSlots));
    const bool tooMany = SatellitePickerRules::tooMany(selected, m_freeSlots);
    m_warningIcon->setVisible(tooMany);
    m_warning->setVisible(tooMany);
    m_add->setEnabled(selected > 0);
}

} // namespace nerka
