// The frame every device operation runs in: the guard on the main thread, the
// working status, the work on the serial queue, and its typed result back on
// the main thread, ending with one `finished`.

#include "controller/ControllerLink.h"
#include "controller/RadioController.h"

namespace nerka {

namespace {} // namespace

RadioControllerState::DeviceOutcome
RadioControllerState::DeviceOutcome::done(std::function<void()> publish,
                                          std::function<void()> then) {
    DeviceOutcome outcome;
    outcome.publish = std::move(publish);
    outcome.then = std::move(then);
    return outcome;
}

RadioControllerState::DeviceOutcome
RadioControllerState::DeviceOutcome::failed(const LinkError& error, std::optional<QString> text) {
    DeviceOutcome outcome;
    outcome.result = OperationResult::linkFailure(DeviceOperation::connect, error, std::move(text));
    return outcome;
}

RadioControllerState::DeviceOutcome
RadioControllerState::DeviceOutcome::failed(OperationErrorKind kind, QString text,
                                            std::optional<ControllerStatus> status) {
    DeviceOutcome outcome;
    outcome.result = OperationResult::failure(DeviceOperation::connect, kind, std::move(text));
    outcome.statusAfterFailure = std::move(status);
    return outcome;
}

void RadioController::runDeviceOperation(DeviceFrame frame, std::function<DeviceOutcome()> work) {
    Q_ASSERT(onMainThread());
    const DeviceOperation operation = frame.operation;
    const bool holdsStatus = !frame.workingText.isEmpty();
    // Two operations that hold the status would fight over it, and the second
    // would run against whatever the first left (a rebooting radio).
    if (holdsStatus && m_runningOperation)
        return endDeviceOperation(
            OperationResult::failure(operation, OperationErrorKind::busy, transferBusyText()),
            frame.reportsRefusal);
    if (frame.needsLink && !hasInterface())
        return endDeviceOperation(OperationResult::failure(operation,
                                                           OperationErrorKind::notConnected,
                                                           notConnectedText()),
                                  frame.reportsRefusal);
    if (frame.check) {
        if (std::optional<OperationResult> refusal = frame.check()) {
            refusal->operation = operation;
            return endDeviceOperation(*refusal, frame.reportsRefusal);
        }
    }
    if (holdsStatus) {
        m_runningOperation = operation;
        assignStatus(Status::working(frame.workingText));
        if (frame.resetsProgress)
            assignProgress(0.0);
    }
    postToQueue([this, operation, needsLink = frame.needsLink, reports = frame.reportsRefusal,
                 work = std::move(work)] {
        DeviceOutcome outcome;
        if (needsLink && !m_link) {
            // A disconnect ran first.
            outcome = DeviceOutcome::failed(OperationErrorKind::notConnected, notConnectedText(),
                                            Status::disconnected());
            outcome.reported = reports;
        } else {
            outcome = work();
        }
        outcome.result.operation = operation;
        // Posted after everything the work posted, so `finished` comes last.
        postToMain([this, outcome = std::move(outcome)] { finishDeviceOperation(outcome); });
    });
}

void RadioController::endDeviceOperation(const OperationResult& result, bool report) {
    // Posted like every error report, so the refusal keeps its place among them.
    postToMain([this, result, report] {
        if (report && !result.ok())
            recordError(result.text);
        Q_EMIT finished(result);
    });
}

void RadioController::finishDeviceOperation(const DeviceOutcome& outcome) {
    Q_ASSERT(onMainThread());
    const OperationResult& result = outcome.result;
    if (!result.ok() && outcome.reported) {
        if (outcome.statusAfterFailure)
            recordFailure(result.text, *outcome.statusAfterFailure);
        else
            recordError(result.text);
    }
    if (outcome.publish)
        outcome.publish();
    if (m_runningOperation == result.operation)
        m_runningOperation.reset();
    Q_EMIT finished(result);
    if (outcome.then)
        outcome.then();
}

} // namespace nerka
