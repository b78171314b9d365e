#include "ui/window/WritePanel.h"

#include "controller/RadioController.h"

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
    setAccessibleName(QStringLiteral("Write progress"));
    auto* layout = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    layout->addWidget(m_heading);

    auto* grid = new QGridLayout;
    for (int i = 0; i < WriteSteps::kCount; ++i) {
        const WriteStep step = WriteSteps::kSteps[std::size_t(i)];
        auto* caption = new QLabel(WriteSteps::name(step), this);
        name(caption, caption->text());
        Row& row = m_rows[std::size_t(i)];
        row.state = new QLabel(this);
        row.state->setTextInteractionFlags(Qt::TextSelectableByMouse);
        row.progress = new QProgressBar(this);
        row.progress->setRange(0, 100);
        name(row.progress, WriteSteps::name(step) + QStringLiteral(" progress"));
        grid->addWidget(caption, i, 0);
        grid->addWidget(row.state, i, 1);
        grid->addWidget(row.progress, i, 2);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    m_warning = new QLabel(QStringLiteral("Do not unplug the radio"), this);
    m_warning->setFont(bold);
    name(m_warning, m_warning->text());
    layout->addWidget(m_warning);
    m_outcome = new QLabel(this);
    m_outcome->setWordWrap(true);
    m_outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_outcome);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_close = new QPushButton(QStringLiteral("Close"), this);
    name(m_close, m_close->text());
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    QObject::connect(m_close, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT closed();
    });

    for (auto signal : {&RadioController::writeStepsChanged, &RadioController::progressChanged})
        QObject::connect(&controller, signal, this, &WritePanel::refresh);
    hide();
    refresh();
}

QString WritePanel::outcome(const WriteSteps& steps) {
    if (!steps.ended())
        return {};
    for (WriteStep step : WriteSteps::kSteps) {
        if (steps.state(step) == WriteStepState::failed)
            return WriteSteps::name(step) + QStringLiteral(" failed: ") + steps.detail(step);
    }
    // Nothing sent (the radio held the codeplug already) needs no reboot.
    QString nothingSent = steps.detail(WriteStep::write);
    if (nothingSent.endsWith(u'.'))
        nothingSent.chop(1);
    QString text = steps.state(WriteStep::reboot) == WriteStepState::skipped ? nothingSent
                   : steps.state(WriteStep::verify) == WriteStepState::done
                       ? QStringLiteral("Verified")
                       : QStringLiteral("Written; not verified (switched off)");
    if (steps.state(WriteStep::backup) == WriteStepState::done)
        text += QStringLiteral(". Backup: ") + steps.detail(WriteStep::backup);
    return text + u'.';
}

QString WritePanel::outcomeText() const {
    return m_outcome->text();
}

void WritePanel::refresh() {
    const WriteSteps& steps = m_controller.writeSteps();
    // Each write shows itself; the user closes the panel after it ended.
    if (steps.active() && !m_wasActive)
        show();
    m_wasActive = steps.active();
    m_heading->setText(steps.active()   ? QStringLiteral("Writing the codeplug")
                       : steps.failed() ? QStringLiteral("The write failed")
                                        : QStringLiteral("The write is finished"));
    name(m_heading, m_heading->text());
    const int percent = int(std::floor(m_controller.progress() * 100.0));
    for (int i = 0; i < WriteSteps::kCount; ++i) {
        const WriteStep step = WriteSteps::kSteps[std::size_t(i)];
        const WriteStepState state = steps.state(step);
        Row& row = m_rows[std::size_t(i)];
        QString text = WriteSteps::stateText(state);
        if ((state == WriteStepState::done || state == WriteStepState::failed) &&
            !steps.detail(step).isEmpty())
            text += QStringLiteral(" — ") + steps.detail(step);
        row.state->setText(text);
        name(row.state, WriteSteps::name(step) + QStringLiteral(": ") + text);
        // The reboot has no amount to show; the others show the transfer's.
        const bool running = state == WriteStepState::running;
        row.progress->setVisible(running || state == WriteStepState::done);
        if (step == WriteStep::reboot && running)
            row.progress->setRange(0, 0);
        else
            row.progress->setRange(0, 100);
        row.progress->setValue(state == WriteStepState::done ? 100 : running ? percent : 0);
    }
    // The codeplug is on its way into the radio from the first byte of the
    // write until the radio has been read back.
    const WriteStepState writing = steps.state(WriteStep::write);
    m_warning->setVisible(steps.active() &&
                          (writing == WriteStepState::running || writing == WriteStepState::done));
    const QString result = outcome(steps);
    m_outcome->setText(result);
    name(m_outcome, result);
    m_outcome->setVisible(!result.isEmpty());
    m_close->setEnabled(!steps.active());
}

} // namespace nerka
