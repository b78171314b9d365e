#include "controller/WriteSteps.h"

#include <QCoreApplication>

#include <algorithm>

namespace nerka {

void WriteSteps::begin(bool backup, bool verify, WriteSubject subject) {
    m_steps = {};
    m_subject = subject;
    at(WriteStep::backup).state = backup ? WriteStepState::waiting : WriteStepState::skipped;
    at(WriteStep::verify).state = verify ? WriteStepState::waiting : WriteStepState::skipped;
    m_begun = true;
    m_ended = false;
    m_failed = false;
}

void WriteSteps::start(WriteStep step) {
    if (!active())
        return;
    at(step) = {WriteStepState::running, {}};
}

void WriteSteps::complete(WriteStep step, const QString& detail) {
    if (!active())
        return;
    at(step) = {WriteStepState::done, detail};
    settle();
}

void WriteSteps::skip(WriteStep step) {
    if (!active())
        return;
    at(step) = {WriteStepState::skipped, {}};
    settle();
}

void WriteSteps::settle() {
    m_ended = std::none_of(kSteps.begin(), kSteps.end(), [this](WriteStep s) {
        const WriteStepState state = at(s).state;
        return state == WriteStepState::waiting || state == WriteStepState::running;
    });
}

void WriteSteps::fail(WriteStep step, const QString& reason) {
    if (!active())
        return;
    at(step) = {WriteStepState::failed, reason};
    m_ended = true;
    m_failed = true;
}

const WriteStep* WriteSteps::running() const {
    for (const WriteStep& step : kSteps) {
        if (at(step).state == WriteStepState::running)
            return &step;
    }
    return nullptr;
}

QString WriteSteps::name(WriteStep step) {
    switch (step) {
    case WriteStep::backup:
        return QCoreApplication::translate("WriteSteps", "Backup");
    case WriteStep::write:
        return QCoreApplication::translate("WriteSteps", "Write");
    case WriteStep::reboot:
        return QCoreApplication::translate("WriteSteps", "Reboot");
    case WriteStep::verify:
        return QCoreApplication::translate("WriteSteps", "Verify");
    }
    return {};
}

QString WriteSteps::label(WriteStep step) const {
    if (m_subject == WriteSubject::dmrDatabase && step == WriteStep::verify)
        return QCoreApplication::translate("WriteSteps", "Verify count");
    return name(step);
}

QString WriteSteps::stateText(WriteStepState state) {
    switch (state) {
    case WriteStepState::waiting:
        return QCoreApplication::translate("WriteSteps", "Waiting");
    case WriteStepState::running:
        return QCoreApplication::translate("WriteSteps", "Running");
    case WriteStepState::done:
        return QCoreApplication::translate("WriteSteps", "Done");
    case WriteStepState::failed:
        return QCoreApplication::translate("WriteSteps", "Failed");
    case WriteStepState::skipped:
        return QCoreApplication::translate("WriteSteps", "Skipped");
    }
    return {};
}

} // namespace nerka
