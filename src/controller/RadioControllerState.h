#pragma once

// The private part of RadioController: the types its operations hand between
// the main thread and the work queue, and its data. Only RadioController (and
// the files implementing it) use any of it; it is a header of its own so that
// RadioController.h shows what the controller offers.

#include "codeplug/CodeplugImage.h"
#include "controller/ActivityLog.h"
#include "controller/CodeplugBackups.h"
#include "controller/CodeplugDocument.h"
#include "controller/ControllerStatus.h"
#include "controller/ControllerTuning.h"
#include "controller/OperationResult.h"
#include "controller/Preferences.h"
#include "controller/WebServices.h"
#include "controller/WorkQueue.h"
#include "controller/WritePlan.h"
#include "controller/WriteSteps.h"
#include "dmrdb/DMRUserDatabase.h"
#include "link/FirmwareInfo.h"
#include "link/LinkError.h"
#include "link/SerialDevice.h"
#include "satellites/SatNOGS.h"
#include "satellites/SatelliteCandidates.h"
#include "satellites/TLE.h"

#include <QList>
#include <QNetworkReply>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class QNetworkAccessManager;
class QSettings;
class QTimer;

namespace nerka {

class RadioControllerState {
protected:
    // The preference store (null: the platform's per-user store), the
    // default port discovery and web services, and the serial work queue.
    explicit RadioControllerState(QSettings* settings);
    ~RadioControllerState();
    RadioControllerState(const RadioControllerState&) = delete;
    RadioControllerState& operator=(const RadioControllerState&) = delete;

    // ---- the frame of every device operation (DeviceFrame.cpp) ----
    struct DeviceFrame {
        DeviceOperation operation = DeviceOperation::connect;
        // The status while the work runs, for an operation the user waits on;
        // such an operation is refused while another one of them runs. Empty:
        // the status stays as it is and the operation is never busy-refused.
        QString workingText;
        bool resetsProgress = true; // progress goes to 0 when the work is posted
        bool needsLink = true;      // refused with "Nicht verbunden." without a radio
        bool reportsRefusal = true; // false: a refusal ends it without an error report
        // Main thread, after the busy and link guard: why the operation must
        // not start (a result of kind `none` means there is nothing to do),
        // nothing when it may.
        std::function<std::optional<OperationResult>()> check;
    };
    // What the work of a device operation on the queue hands back to the frame.
    struct DeviceOutcome {
        OperationResult result; // its operation is filled in by the frame
        // A failure is reported (lastError and "Error: " line), and the status
        // returns to this with progress 0 (none: both stay). Unreported
        // failures do what they need in `publish`.
        bool reported = true;
        std::optional<ControllerStatus> statusAfterFailure = ControllerStatus::connected();
        std::function<void()> publish; // main thread, before `finished`
        std::function<void()> then;    // main thread, after `finished` (what follows)

        static DeviceOutcome done(std::function<void()> publish = {},
                                  std::function<void()> then = {});
        static DeviceOutcome failed(const LinkError& error,
                                    std::optional<QString> text = std::nullopt);
        static DeviceOutcome
        failed(OperationErrorKind kind, QString text,
               std::optional<ControllerStatus> status = ControllerStatus::connected());
    };

    // Safe writes (SafeWrite.cpp): what the preparation of a write found and
    // planned.
    struct PreparedWrite {
        QString backupPath; // empty when no backup was taken
        // What the radio held before the write, when known.
        std::optional<CodeplugImage> baseline;
        WritePlan plan;
        bool wholeRegionsAsked = false;
        // What goes to the radio: the codeplug, or its records laid over the
        // radio's own (a new codeplug), with the radio's identity when kept.
        CodeplugImage image;
    };
    // What a codeplug write was asked for, taken on the main thread when it starts.
    struct WriteSettings {
        std::optional<CodeplugBackups> backups; // none: no backup before the write
        bool verify = true;
        bool wholeRegions = false;
        // The radio's codeplug is read first when this connection has not
        // (another radio than the codeplug's, a new codeplug, a kept identity).
        bool readRadio = false;
        bool recordsOnly = false;  // a new codeplug: only its records go over the radio's
        bool keepIdentity = false; // the radio keeps its call sign and DMR ID
    };
    // A write to read back once the radio is connected again.
    struct PendingVerification {
        CodeplugImage image; // as sent
        RegionSet regions;
        QString backupPath;
        std::uint32_t flashSerial = 0;
        // The blocks to read back; empty: the written regions whole.
        QList<VerifyBlock> blocks;
        // What the radio holds once the read-back matches, when known.
        std::optional<CodeplugImage> after;
    };
    // What a radio was last known to hold (read, or verified after a write),
    // kept across connections and checked before use: the radio's flash
    // serial must match and, when it is not the image read in the current
    // connection, the blocks a write touches are read back first. Dropped
    // after a failed write. Work queue only.
    struct KeptBaseline {
        CodeplugImage image;
        std::uint32_t flashSerial = 0;
    };

    Preferences m_preferences;
    // The running operation that holds the working status; main thread only.
    std::optional<DeviceOperation> m_runningOperation;
    // The path of the connected port and the device node it named at connect
    // (main thread; empty when none), watched by m_presenceTimer while
    // connected. A radio that reboots or is plugged in again gets a new node.
    QString m_connectedPortPath;
    std::pair<quint64, quint64> m_connectedPortNode{0, 0};
    QTimer* m_presenceTimer = nullptr;

    // ---- connection objects: assigned on the work queue only ----
    struct Link;
    std::unique_ptr<Link> m_link; // port + interface, both present or both absent
    std::atomic<bool> m_hasInterface{false};
    std::atomic<bool> m_stopRequested{false}; // see requestStop(); read by the link

    std::optional<KeptBaseline> m_keptBaseline;       // work queue only
    std::optional<KeptBaseline> m_keptBaselineMirror; // main thread
    bool m_wholeRegionWrites = false;
    bool m_backupBeforeWrite = true;
    bool m_verifyAfterWrite = true;
    std::optional<bool> m_keepRadioIdentity; // none: RadioController::keepIdentityByDefault()
    CodeplugBackups m_backups;
    std::optional<CodeplugImage> m_radioImage; // mirrors Link::codeplugAsRead
    std::optional<PendingVerification> m_pendingVerification;
    WriteSteps m_writeSteps;
    int m_verificationGeneration = 0; // tells a stale reconnect deadline from the current one

    QList<SerialDevice> m_ports;
    std::optional<SerialDevice> m_selectedPort;
    ControllerStatus m_status = ControllerStatus::disconnected();
    std::optional<FirmwareInfo> m_firmware;
    double m_progress = 0.0;
    ActivityLog m_activityLog;
    std::optional<QUrl> m_documentURL;
    CodeplugDocument m_document;
    std::optional<DMRUserDatabase> m_dmrUserDB;
    std::optional<int> m_dmrDBOnDeviceCount;
    QList<TLERecord> m_tleCache;
    QList<SatelliteCandidate> m_satelliteCandidates;

    std::function<QList<SerialDevice>(bool showAllPorts)> m_portLister;
    QList<SerialDevice> m_registeredDevices;
    ControllerTuning m_tuning;

    // Web services. The access manager lives on the main thread; downloads
    // complete there and hop to the work queue for their slow parts.
    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply>
        m_dmrDownloadTask; // dmrDownloadTask; its progress is observed through it
    QPointer<QNetworkReply> m_tleDownloadTask;
    // Ends a blocking wait of the work queue (the SatNOGS fetch) at once, so
    // destroying the controller never waits out a network timeout. Set and
    // cleared by the waiting task, called by the destructor.
    std::mutex m_cancelWaitMutex;
    std::function<void()> m_cancelWait;

    // Tasks posted to the main thread, oldest first (postToMain, runMainTask).
    std::mutex m_mainTasksMutex;
    std::deque<std::function<void()>> m_mainTasks;

    // Last member: destroyed first, so no task runs against a half-destroyed controller.
    std::unique_ptr<WorkQueue> m_queue;
};

} // namespace nerka
