#include "ui/window/WritePanel.h"

#include "controller/RadioController.h"
#include "ui/window/ChangeSections.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace nerka {

namespace {

void name(QWidget* widget, const QString& text) {
    widget->setAccessibleName(text);
}

} // namespace

WritePanel::WritePanel(RadioController& controller, QWidget* parent)
    : QFrame(parent), m_controller(controller) {
    setFrameShape(QFrame::StyledPanel);
    setAccessibleName(tr("Write progress"));
    auto* layout = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    layout->addWidget(m_heading);

    auto* grid = new QGridLayout;
    // What the write changes, as the write found it against the radio's
    // codeplug, in the row under its step.
    m_changes = new ChangeListView(tr("Changes written"), this);
    m_changes->hide();
    int gridRow = 0;
    for (int i = 0; i < WriteSteps::kCount; ++i) {
        const WriteStep step = WriteSteps::kSteps[std::size_t(i)];
        auto* caption = new QLabel(WriteSteps::name(step), this);
        name(caption, caption->text());
        Row& row = m_rows[std::size_t(i)];
        row.caption = caption;
        row.state = new QLabel(this);
        // As tall as a line from the start: a label still empty when the
        // panel appears must not lend its height to the others.
        row.state->setMinimumHeight(row.state->fontMetrics().height());
        row.state->setTextInteractionFlags(Qt::TextSelectableByMouse);
        row.progress = new QProgressBar(this);
        row.progress->setRange(0, 100);
        name(row.progress, tr("%1 progress").arg(WriteSteps::name(step)));
        grid->addWidget(caption, gridRow, 0);
        grid->addWidget(row.state, gridRow, 1);
        grid->addWidget(row.progress, gridRow, 2);
        ++gridRow;
        if (step == WriteStep::write)
            grid->addWidget(m_changes, gridRow++, 0, 1, 3);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    m_warning = new QLabel(tr("Do not unplug the radio"), this);
    m_warning->setFont(bold);
    name(m_warning, m_warning->text());
    layout->addWidget(m_warning);
    m_outcome = new QLabel(this);
    m_outcome->setWordWrap(true);
    m_outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_outcome);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_close = new QPushButton(tr("Close"), this);
    name(m_close, m_close->text());
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    QObject::connect(m_close, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT closed();
    });

    QObject::connect(&controller, &RadioController::writeStepsChanged, this, &WritePanel::refresh);
    QObject::connect(&controller, &RadioController::progressChanged, this, &WritePanel::refresh);
    QObject::connect(&controller, &RadioController::writeSummaryReady, this,
                     [this](const QList<ChangeGroup>& groups) {
                         m_changes->setSections(changeSections(groups));
                         m_changes->setVisible(!groups.isEmpty());
                     });
    hide();
    refresh();
}

QString WritePanel::outcome(const WriteSteps& steps) {
    if (!steps.ended())
        return {};
    for (WriteStep step : WriteSteps::kSteps) {
        if (steps.state(step) == WriteStepState::failed)
            return tr("%1 failed: %2").arg(WriteSteps::name(step), steps.detail(step));
    }
    // Nothing sent (the radio held the codeplug already) needs no reboot.
    QString nothingSent = steps.detail(WriteStep::write);
    if (nothingSent.endsWith(u'.'))
        nothingSent.chop(1);
    QString text = steps.state(WriteStep::reboot) == WriteStepState::skipped ? nothingSent
                   : steps.state(WriteStep::verify) == WriteStepState::done
                       ? tr("Verified")
                       : tr("Written; not verified (switched off)");
    if (steps.state(WriteStep::backup) == WriteStepState::done)
        text = tr("%1. Backup: %2").arg(text, steps.detail(WriteStep::backup));
    return text + u'.';
}

QStringList WritePanel::changeLines() const {
    return !m_changes->isHidden() ? m_changes->shownLines() : QStringList{};
}

QString WritePanel::outcomeText() const {
    return m_outcome->text();
}

void WritePanel::refresh() {
    const WriteSteps& steps = m_controller.writeSteps();
    // A new write lists its own changes once it has found them.
    if (steps.active() && !m_wasActive) {
        m_changes->clear();
        m_changes->hide();
    }
    const bool dmr = steps.subject() == WriteSubject::dmrDatabase;
    m_heading->setText(steps.active()
                           ? (dmr ? tr("Writing the DMR database") : tr("Writing the codeplug"))
                       : steps.failed() ? tr("The write failed")
                                        : tr("The write is finished"));
    name(m_heading, m_heading->text());
    const int percent = int(std::floor(m_controller.progress() * 100.0));
    for (int i = 0; i < WriteSteps::kCount; ++i)
        refreshRow(steps, WriteSteps::kSteps[std::size_t(i)], percent);
    // The data is on its way into the radio from the first byte of the
    // write until the radio has been read back.
    const WriteStepState writing = steps.state(WriteStep::write);
    m_warning->setVisible(steps.active() &&
                          (writing == WriteStepState::running || writing == WriteStepState::done));
    const QString result = outcome(steps);
    m_outcome->setText(result);
    name(m_outcome, result);
    m_outcome->setVisible(!result.isEmpty());
    m_close->setEnabled(!steps.active());
    // Each write shows itself; the user closes the panel after it ended. Its
    // rows are laid out with their texts before it appears, so no frame
    // shows them overlapping or cut.
    if (steps.active() && !m_wasActive) {
        layout()->activate();
        setMinimumHeight(sizeHint().height());
        show();
    }
    m_wasActive = steps.active();
}

void WritePanel::refreshRow(const WriteSteps& steps, WriteStep step, int percent) {
    Row& row = m_rows[std::size_t(step)];
    // The DMR database write takes no backup: its row is not shown.
    const bool shown = !(steps.subject() == WriteSubject::dmrDatabase && step == WriteStep::backup);
    for (QWidget* part : {static_cast<QWidget*>(row.caption), static_cast<QWidget*>(row.state)})
        part->setVisible(shown);
    row.caption->setText(steps.label(step));
    name(row.caption, row.caption->text());
    const WriteStepState state = steps.state(step);
    QString text = WriteSteps::stateText(state);
    if ((state == WriteStepState::done || state == WriteStepState::failed) &&
        !steps.detail(step).isEmpty())
        text += QStringLiteral(" — ") + steps.detail(step);
    row.state->setText(text);
    name(row.state, steps.label(step) + QStringLiteral(": ") + text);
    // The reboot has no amount to show; the others show the transfer's.
    const bool running = state == WriteStepState::running;
    row.progress->setVisible(shown && (running || state == WriteStepState::done));
    if (step == WriteStep::reboot && running)
        row.progress->setRange(0, 0);
    else
        row.progress->setRange(0, 100);
    row.progress->setValue(state == WriteStepState::done ? 100 : running ? percent : 0);
}

} // namespace nerka
