// The steps of a codeplug write as they happen, for the write panel and the
// command line: what the write and its verification report, kept in one place.

#include "controller/RadioController.h"

#include <QCoreApplication>

namespace nerka {

void RadioController::updateWriteSteps(std::function<void(WriteSteps&)> change) {
    const auto apply = [this, change = std::move(change)] {
        change(m_writeSteps);
        Q_EMIT writeStepsChanged();
    };
    if (onMainThread())
        apply();
    else
        postToMain(apply);
}

void RadioController::trackWriteSteps(const OperationResult& result) {
    if (!m_writeSteps.active())
        return;
    const WriteStep* running = m_writeSteps.running();
    // The backup or the write, whichever was running. A second write refused
    // while this one runs (busy, or no radio during the reboot) is not its end.
    if (result.operation == DeviceOperation::writeCodeplug && !result.ok() &&
        result.error != OperationErrorKind::busy && running &&
        (*running == WriteStep::backup || *running == WriteStep::write)) {
        updateWriteSteps([failed = *running, text = result.text](WriteSteps& steps) {
            steps.fail(failed, text);
        });
    } else if (result.operation == DeviceOperation::verifyWrite) {
        // A radio that never came back fails its reboot, not the read-back.
        const bool rebooting = m_writeSteps.state(WriteStep::reboot) == WriteStepState::running;
        updateWriteSteps([ok = result.ok(), rebooting, text = result.text](WriteSteps& steps) {
            if (ok)
                steps.complete(WriteStep::verify,
                               QCoreApplication::translate("WriteSteps", "Verified"));
            else
                steps.fail(rebooting ? WriteStep::reboot : WriteStep::verify, text);
        });
    }
}

} // namespace nerka
