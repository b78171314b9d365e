// The frame every device operation runs in: the guard on the main thread, the
// working status, the work on the serial queue, and its typed result back on
// the main thread, ending with one `finished`; the threads, the reports and the
// assignments of the link's observable state.

#include "controller/SessionFrame.h"
#include "controller/ControllerLink.h"

#include <QNetworkAccessManager>
#include <QThread>

#include <algorithm>

namespace nerka {

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

SessionFrame::SessionFrame(QSettings* settings, QObject* parent)
    : QObject(parent), RadioControllerState(settings) {}

void SessionFrame::afterQueuedWork(std::function<void()> fn) {
    // Tasks of one queue run in order, and what each posts to the main thread
    // runs in order too: the marker comes back after every earlier result.
    postToQueue([this, fn = std::move(fn)]() mutable { postToMain(std::move(fn)); });
}

void SessionFrame::runDeviceOperation(DeviceFrame frame, std::function<DeviceOutcome()> work) {
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

void SessionFrame::endDeviceOperation(const OperationResult& result, bool report) {
    // Posted like every error report, so the refusal keeps its place among them.
    postToMain([this, result, report] {
        if (report && !result.ok())
            recordError(result.text);
        Q_EMIT finished(result);
    });
}

void SessionFrame::finishDeviceOperation(const DeviceOutcome& outcome) {
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

bool SessionFrame::onMainThread() const {
    return QThread::currentThread() == thread();
}

void SessionFrame::postToMain(std::function<void()> fn) {
    // The task waits in our own queue under a standard mutex, and each queued
    // call takes the oldest one: tasks run on this object's thread in the
    // order posted, Qt drops the calls if the object is destroyed first, and
    // the hand-over is visible to ThreadSanitizer (Qt's own event queue
    // synchronises in ways the race checker cannot see).
    {
        std::lock_guard lock(m_mainTasksMutex);
        m_mainTasks.push_back(std::move(fn));
    }
    QMetaObject::invokeMethod(this, "runMainTask", Qt::QueuedConnection);
}

void SessionFrame::runMainTask() {
    std::function<void()> task;
    {
        std::lock_guard lock(m_mainTasksMutex);
        if (m_mainTasks.empty())
            return;
        task = std::move(m_mainTasks.front());
        m_mainTasks.pop_front();
    }
    task();
}

void SessionFrame::postToQueue(std::function<void()> task) {
    m_queue->post(std::move(task));
}

void SessionFrame::logLine(const QString& message) {
    if (onMainThread()) {
        appendLogLine(message);
        return;
    }
    postToMain([this, message] { appendLogLine(message); });
}

void SessionFrame::reportError(const QString& message) {
    postToMain([this, message] { recordError(message); });
}

void SessionFrame::reportFailure(const QString& description, const Status& status) {
    postToMain([this, description, status] { recordFailure(description, status); });
}

void SessionFrame::recordError(const QString& message) {
    m_activityLog.appendError(message);
}

void SessionFrame::recordFailure(const QString& description, const Status& status) {
    recordError(description);
    assignStatus(status);
    assignProgress(0.0);
}

void SessionFrame::setStatus(const Status& status) {
    postToMain([this, status] { assignStatus(status); });
}

void SessionFrame::setProgress(double fraction) {
    postToMain([this, fraction] { assignProgress(fraction); });
}

void SessionFrame::assignPorts(const QList<SerialDevice>& ports) {
    m_ports = ports;
    Q_EMIT portsChanged();
}

void SessionFrame::assignSelectedPort(const std::optional<SerialDevice>& device) {
    m_selectedPort = device;
    Q_EMIT selectedPortChanged();
}

void SessionFrame::assignFirmware(const std::optional<FirmwareInfo>& firmware) {
    m_firmware = firmware;
    Q_EMIT firmwareChanged();
}

void SessionFrame::assignStatus(const Status& status) {
    m_status = status;
    m_document.setBusy(status.isWorking());
    Q_EMIT statusChanged();
}

void SessionFrame::assignProgress(double fraction) {
    m_progress = fraction;
    Q_EMIT progressChanged();
}

void SessionFrame::appendLogLine(const QString& message) {
    m_activityLog.append(message);
}

void SessionFrame::dropLinkOnQueue() {
    if (m_link && m_link->port)
        m_link->port->close();
    m_link.reset();
    m_hasInterface = false;
    postToMain([this] { m_radioImage.reset(); });
}

QNetworkReply* SessionFrame::startDownload(const QUrl& url, qint64 maxBytes,
                                           const QString& workingText,
                                           std::function<Status()> restored, DownloadDone done) {
    const Status working = Status::working(workingText);
    assignStatus(working);
    assignProgress(0.0);
    return Download::start(
        *networkAccess(), url, maxBytes, m_tuning.downloadTimeoutMs, this,
        [this, working](qint64 received, qint64 total) {
            // Progress belongs to whichever operation set the status.
            if (total > 0 && m_status == working)
                assignProgress(std::clamp(double(received) / double(total), 0.0, 1.0));
        },
        [this, working, restored = std::move(restored),
         done = std::move(done)](const Download::Result& result) {
            const auto restore = [this, working, restored] {
                if (m_status != working)
                    return;
                assignStatus(restored());
                assignProgress(0.0);
            };
            done(result, restore);
        });
}

QNetworkAccessManager* SessionFrame::networkAccess() {
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        // Qt sets no transfer timeout by default; a stalled server would hang
        // a download for ever.
        m_network->setTransferTimeout(m_tuning.downloadTimeoutMs);
    }
    return m_network;
}

SessionFrame::DeviceOutcome SessionFrame::writeFailure(const LinkError& error) {
    // Commit what the sector buffer holds, then close the transfer screen;
    // when even the commit fails the radio is not answering and the close is
    // skipped.
    (void)m_link->interface->finishTransfer();
    return DeviceOutcome::failed(error);
}

} // namespace nerka
