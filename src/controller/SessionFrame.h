#pragma once

#include "controller/ActivityLog.h"
#include "controller/ControllerStatus.h"
#include "controller/Download.h"
#include "controller/OperationResult.h"
#include "controller/RadioControllerState.h"
#include "link/FirmwareInfo.h"
#include "link/SerialDevice.h"

#include <QList>
#include <QNetworkReply>
#include <QObject>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class QSettings;

namespace nerka {

// The frame every device session runs in: the link's observable state (ports,
// status, progress, the identified firmware), the activity log, the two
// threads (the main thread, where observable fields are assigned and each
// assignment emits its NOTIFY signal, and the serial work queue, where device
// I/O runs) and the guard that turns each operation asked for into exactly
// one `finished`. RadioController builds the sessions on it; nothing outside
// the controller posts work or reports through it.
class SessionFrame : public QObject, protected RadioControllerState {
    Q_OBJECT
    Q_PROPERTY(QList<nerka::SerialDevice> ports READ ports NOTIFY portsChanged)
    Q_PROPERTY(nerka::ControllerStatus status READ status NOTIFY statusChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)

public:
    using Status = ControllerStatus;

    [[nodiscard]] const QList<SerialDevice>& ports() const { return m_ports; }
    [[nodiscard]] const std::optional<SerialDevice>& selectedPort() const { return m_selectedPort; }
    [[nodiscard]] const Status& status() const { return m_status; }
    [[nodiscard]] const std::optional<FirmwareInfo>& firmware() const { return m_firmware; }
    [[nodiscard]] double progress() const { return m_progress; }
    // True while a radio is connected and identified (port and interface exist).
    // Safe to read on the main thread while the queue assigns them.
    [[nodiscard]] bool hasInterface() const { return m_hasInterface.load(); }

    // The activity log: its lines and signals, and (main thread) the lines
    // and error reports of the window and the command line.
    [[nodiscard]] const ActivityLog& activityLog() const { return m_activityLog; }
    [[nodiscard]] ActivityLog& activityLog() { return m_activityLog; }

    // Main thread: runs `fn` there once everything already asked of the work
    // queue has run and posted its results (a caller waiting for the last
    // lines of an operation that has ended).
    void afterQueuedWork(std::function<void()> fn);

Q_SIGNALS:
    void portsChanged();
    void selectedPortChanged();
    void statusChanged();
    void firmwareChanged();
    void progressChanged();
    // Every device operation that was asked for ends with exactly one of
    // these, on the main thread, after everything it published: also one the
    // guard refused (busy, no radio) and the read-back after a write (which
    // ends this way too when the radio never came back).
    void finished(const nerka::OperationResult& result);

protected:
    // `settings` is the preference store (not owned); null means the
    // platform's per-user store.
    SessionFrame(QSettings* settings, QObject* parent);

    // ---- threads ----
    // Runs `fn` on the main thread after everything posted before it. Safe from
    // any thread; dropped when the controller is gone.
    void postToMain(std::function<void()> fn);
    // Runs `task` on the serial work queue.
    void postToQueue(std::function<void()> task);
    [[nodiscard]] bool onMainThread() const;

    // ---- reporting (any thread) ----
    // Appends "• " + message to the activity log. On the main thread at
    // once; from elsewhere posted.
    void logLine(const QString& message);
    // Posts the error report: the line "• Error: " + message. Status and
    // progress stay as they are.
    void reportError(const QString& message);
    // Posts the error report of `description`, then status = `status`,
    // progress = 0.
    void reportFailure(const QString& description, const Status& status);
    // Post the assignment to the main thread.
    void setStatus(const Status& status);
    void setProgress(double fraction);

    // ---- main-thread assignments and reports ----
    void assignPorts(const QList<SerialDevice>& ports);
    void assignSelectedPort(const std::optional<SerialDevice>& device);
    void assignStatus(const Status& status);
    void assignFirmware(const std::optional<FirmwareInfo>& firmware);
    void assignProgress(double fraction);
    void appendLogLine(const QString& message);
    void recordError(const QString& message);
    void recordFailure(const QString& description, const Status& status);

    // ---- the device operation frame ----
    // Main thread. Runs one device operation: the guard (busy, no radio, then
    // `frame.check`), the working status, `work` on the queue with the link
    // present (when the operation needs it; a disconnect that ran first ends
    // it as not connected), and the outcome back on the main thread, ending
    // with `finished`. A refusal is reported like any failure.
    void runDeviceOperation(DeviceFrame frame, std::function<DeviceOutcome()> work);
    // Any thread: ends an operation that never reached the queue, or one that
    // failed outside the device frame (`report`: with an error report of its
    // text), on the main thread after everything posted so far.
    void endDeviceOperation(const OperationResult& result, bool report);
    // Main thread: publishes an outcome and ends its operation.
    void finishDeviceOperation(const DeviceOutcome& outcome);
    // Work queue only: closes and drops port and interface.
    void dropLinkOnQueue();
    // Work queue only, after a failed codeplug or database write: commits an
    // open flash sector and closes the transfer screen (skipped when even the
    // commit fails); the failure of `error`, returning to the connected status.
    DeviceOutcome writeFailure(const LinkError& error);

    // ---- downloads ----
    // Web services. The access manager lives on the main thread; downloads
    // complete there and hop to the work queue for their slow parts.
    QNetworkAccessManager* networkAccess();
    // The downloads the user starts (DMR list, keps): the status shows
    // `workingText` and the progress while the body arrives; `done` gets the
    // result and the step that puts the status back to `restored()` (only
    // while it still shows this download: a connect, disconnect or transfer
    // started meanwhile has set its own). The reply is returned to tell whether
    // the download still runs and to cancel it.
    using DownloadDone =
        std::function<void(const Download::Result& result, const std::function<void()>& restore)>;
    QNetworkReply* startDownload(const QUrl& url, qint64 maxBytes, const QString& workingText,
                                 std::function<Status()> restored, DownloadDone done);

private:
    Q_INVOKABLE void runMainTask();
};

} // namespace nerka
