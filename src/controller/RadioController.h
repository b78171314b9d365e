#pragma once

#include "codeplug/AprsCodec.h"
#include "codeplug/ChannelCsvRows.h"
#include "codeplug/CodeplugImage.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/RadioChannel.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ThemeCodec.h"
#include "codeplug/ZoneCodec.h"
#include "controller/ActivityLog.h"
#include "controller/CodeplugBackups.h"
#include "controller/CodeplugDiff.h"
#include "controller/CodeplugDocument.h"
#include "controller/ControllerStatus.h"
#include "controller/Download.h"
#include "controller/OperationResult.h"
#include "controller/Preferences.h"
#include "controller/RadioControllerState.h"
#include "controller/WebServices.h"
#include "controller/WorkQueue.h"
#include "controller/WritePlan.h"
#include "controller/WriteSteps.h"
#include "dmrdb/DMRSelection.h"
#include "dmrdb/DMRUserDatabase.h"
#include "link/FirmwareInfo.h"
#include "link/Result.h"
#include "link/SerialDevice.h"
#include "satellites/SatNOGS.h"
#include "satellites/Satellite.h"
#include "satellites/SatelliteCandidates.h"
#include "satellites/TLE.h"

#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace nerka {

// The one controller of the program: it runs the device sessions (connection,
// codeplug transfers and safe writes, the DMR database on the radio,
// downloads) and owns the codeplug document they load and write, status,
// progress and the activity log. Every edit, import and export of the codeplug
// is the document's (document()); the controller tells the document what the
// radio holds and when a transfer runs. Observable fields are assigned on the
// main thread only and each assignment emits its NOTIFY signal. Device I/O
// runs on the serial work queue.
//
// The operations are implemented by concern in separate files: DeviceFrame.cpp
// (the frame every device operation runs in: guard, working status, work on
// the queue, typed result), Connection.cpp (ports, connect, auto-connect),
// Transfer.cpp (read, write, files), SafeWrite.cpp (backup, change summary and
// read-back around a write), and the satellite and DMR database files. Its
// data and the types its steps hand around are RadioControllerState's.
class RadioController : public QObject, private RadioControllerState {
    Q_OBJECT
    Q_PROPERTY(QList<nerka::SerialDevice> ports READ ports NOTIFY portsChanged)
    Q_PROPERTY(nerka::ControllerStatus status READ status NOTIFY statusChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QUrl documentURL READ documentURLValue NOTIFY documentURLChanged)
    Q_PROPERTY(QList<nerka::SatelliteCandidate> satelliteCandidates READ satelliteCandidates NOTIFY
                   satelliteCandidatesChanged)
    Q_PROPERTY(bool showSatellitePicker READ showSatellitePicker WRITE setShowSatellitePicker NOTIFY
                   showSatellitePickerChanged)

public:
    using Status = ControllerStatus;
    using PortLister = std::function<QList<SerialDevice>(bool showAllPorts)>;

    static constexpr const char* kQueueLabel = "org.nerka.radio.serial";
    static constexpr int kSerialBaudRate = 115200;

    // `settings` is the preference store (not owned); null means the
    // platform's per-user store.
    explicit RadioController(QSettings* settings = nullptr, QObject* parent = nullptr);
    ~RadioController() override;

    // ---- observable state (main thread) ----
    [[nodiscard]] const QList<SerialDevice>& ports() const { return m_ports; }
    [[nodiscard]] const std::optional<SerialDevice>& selectedPort() const { return m_selectedPort; }
    [[nodiscard]] const Status& status() const { return m_status; }
    [[nodiscard]] const std::optional<FirmwareInfo>& firmware() const { return m_firmware; }
    [[nodiscard]] double progress() const { return m_progress; }
    // The activity log: its lines, and the signals the window and the
    // command line follow.
    [[nodiscard]] const ActivityLog& activityLog() const { return m_activityLog; }
    [[nodiscard]] const std::optional<QUrl>& documentURL() const { return m_documentURL; }
    [[nodiscard]] QUrl documentURLValue() const { return m_documentURL.value_or(QUrl()); }
    // The codeplug being edited: its records, and every edit, import and
    // export of them. What the radio holds and whether a transfer runs are
    // the controller's to tell it.
    [[nodiscard]] CodeplugDocument& document() { return m_document; }
    [[nodiscard]] const CodeplugDocument& document() const { return m_document; }
    [[nodiscard]] const std::optional<DMRUserDatabase>& dmrUserDB() const { return m_dmrUserDB; }
    [[nodiscard]] const std::optional<int>& dmrDBOnDeviceCount() const {
        return m_dmrDBOnDeviceCount;
    }
    [[nodiscard]] bool dmrDownloadRunning() const { return m_dmrDownloadTask != nullptr; }
    [[nodiscard]] const QList<TLERecord>& tleCache() const { return m_tleCache; }
    [[nodiscard]] const QList<SatelliteCandidate>& satelliteCandidates() const {
        return m_satelliteCandidates;
    }
    [[nodiscard]] bool showSatellitePicker() const { return m_showSatellitePicker; }
    // The picker clears it when it closes.
    void setShowSatellitePicker(bool show);
    [[nodiscard]] bool tleDownloadRunning() const { return m_tleDownloadTask != nullptr; }
    // True while a radio is connected and identified (port and interface exist).
    // Safe to read on the main thread while the queue assigns them.
    [[nodiscard]] bool hasInterface() const { return m_hasInterface.load(); }

    [[nodiscard]] Preferences& preferences() { return m_preferences; }

    void selectPort(const std::optional<SerialDevice>& device);

    // ---- seams (tests, the demo) ----
    // Discovery; by default the platform's serial devices.
    void setPortLister(PortLister lister);
    // Devices the program attaches itself (the demo's stand-in) are listed
    // beside discovery's, under their own path and USB identity.
    void registerDevice(const SerialDevice& device);
    void unregisterDevice(const QString& path);
    // Multiplies every auto-connect and reconnect wait (1.0 in the program).
    void setTimeScale(double scale) { m_timeScale = scale; }
    [[nodiscard]] double timeScale() const { return m_timeScale; }
    // Timeout of every serial wait (3000 ms in the program).
    void setSerialTimeoutMs(int timeoutMs) { m_serialTimeoutMs = timeoutMs; }
    // Base URLs of the web services (defaults and environment overrides in
    // WebServices.h) and the limits of their downloads.
    void setDmrIdServiceUrl(const QUrl& base) { m_dmrIdServiceUrl = base; }
    void setKepsServiceUrl(const QUrl& base) { m_kepsServiceUrl = base; }
    void setSatnogsServiceUrl(const QUrl& base) { m_satnogsServiceUrl = base; }
    [[nodiscard]] const QUrl& dmrIdServiceUrl() const { return m_dmrIdServiceUrl; }
    [[nodiscard]] const QUrl& kepsServiceUrl() const { return m_kepsServiceUrl; }
    [[nodiscard]] const QUrl& satnogsServiceUrl() const { return m_satnogsServiceUrl; }
    void setDownloadTimeoutMs(int timeoutMs) { m_downloadTimeoutMs = timeoutMs; }
    // Largest DMR user-ID download body accepted (64 MiB in the program).
    void setDmrDownloadMaxBytes(qint64 maxBytes) { m_dmrDownloadMaxBytes = maxBytes; }
    void setSatnogsWaitMs(int waitMs) { m_satnogsWaitMs = waitMs; }
    // Set by the command line when SatNOGS answers come from a local file.
    void setSatnogsOverride(std::optional<SatNOGSFrequencyMap> frequencies) {
        m_satnogsOverride = std::move(frequencies);
    }

    // ---- connection (Connection.cpp) ----
    void refreshPorts();
    void connectRadio(bool automatic = false);
    // Drops the link after whatever runs on the work queue now (nothing is
    // sent to the radio) and logs "Verbindung getrennt."; the codeplug stays
    // with its unsaved changes, for the next radio;
    // ends with `finished` for DeviceOperation::disconnect, which never fails.
    void disconnectRadio();
    // The connected radio went away without a disconnect (unplugged): the link
    // is dropped, the codeplug stays in memory with every region to be
    // written, since the next radio may hold anything.
    void connectionLost();
    // Connected and idle, or after a failed exchange: when the port the radio
    // was connected on no longer exists, the connection is lost.
    void checkPortPresent();
    void startAutoConnect();
    void autoConnectAttempt(double waitSeconds, double elapsedSeconds);
    void reconnectAfterReboot();
    // The device auto-connect takes from `list`: the one at the remembered
    // path, else the only OpenGD77 radio, else none.
    [[nodiscard]] std::optional<SerialDevice>
    automaticPortChoice(const QList<SerialDevice>& list) const;

    // Stops a running codeplug or database write after the block being sent
    // (any thread): the write then ends as a failed one does, committing the
    // open sector and closing the transfer screen, and reports "Interrupted".
    // Every write clears the request when it starts.
    void requestStop() { m_stopRequested = true; }

    // ---- codeplug transfer and files (Transfer.cpp) ----
    void readCodeplug();
    void writeChanges();
    // Main thread. Opens a codeplug file as the new document (no undo
    // history, the file as its location) before it returns: "File loaded: …",
    // or refused (invalid) with the reason, reported as an error.
    EditResult openCodeplugFile(const QString& path);
    // Main thread. Saves the document atomically and makes `path` its
    // location: "Gespeichert: …", or refused (noCodeplug, or invalid when the
    // file cannot be written), reported as an error; the document stays as it was.
    EditResult saveCodeplugFile(const QString& path);
    // Marks regions of the image as changed, so the next writeChanges sends
    // them whole whatever the radio holds. Indices that the image does not
    // have are ignored.
    void markRegionsChanged(const RegionSet& regions);
    // Makes exactly `regions` the ones the next writeChanges sends, whatever
    // the radio holds in the others (the command line's write of chosen
    // regions of a file).
    void writeOnlyRegions(const RegionSet& regions);

    // ---- safe writes (SafeWrite.cpp) ----
    // Before every codeplug write the codeplug the radio holds is saved as an
    // automatic backup (the one read from it in this connection, or left by a
    // verified write, when nothing was written since; otherwise a fresh read);
    // when that fails nothing is written. After the reboot and reconnect what
    // was written is read back and compared. Both are on by default; the
    // command line can skip either.
    void setBackupBeforeWrite(bool on) { m_backupBeforeWrite = on; }
    void setVerifyAfterWrite(bool on) { m_verifyAfterWrite = on; }
    [[nodiscard]] bool backupBeforeWrite() const { return m_backupBeforeWrite; }
    [[nodiscard]] bool verifyAfterWrite() const { return m_verifyAfterWrite; }
    // Where backups go and are listed (the per-user data folder by default).
    [[nodiscard]] CodeplugBackups& backups() { return m_backups; }
    // The codeplug as read from the connected radio in this connection (or as
    // a verified write left it), while nothing has been written to it since;
    // nothing otherwise.
    [[nodiscard]] const std::optional<CodeplugImage>& radioImage() const { return m_radioImage; }
    // What the next writeChanges changes on the radio, grouped by kind (the
    // codeplug diff's text), against radioImage(), or against what this
    // radio (same flash serial) was last known to hold in an earlier
    // connection. Nothing when the radio's codeplug is not known: the write
    // then reads it for its backup.
    [[nodiscard]] std::optional<QList<ChangeGroup>> pendingWriteChanges() const;
    // The same lines, one per record.
    [[nodiscard]] std::optional<QStringList> pendingWriteSummary() const;
    // Where the last codeplug write stands, step by step (main thread).
    [[nodiscard]] const WriteSteps& writeSteps() const { return m_writeSteps; }
    // Opens a backup (any codeplug file); every region where it differs from
    // what the radio holds is then to be written. The document location is
    // cleared, so a later save never overwrites the backup. Main thread; the
    // document is replaced before it returns, or refused (invalid) as an open is.
    EditResult restoreBackup(const QString& path);
    // ---- one codeplug, many radios (NextRadio.cpp) ----
    // Starts a new codeplug of the family, with no location (File › New…):
    // "New codeplug (GD77 family).". Its write lays only its records over the
    // radio's own codeplug (CodeplugDocument::isNew).
    EditResult newCodeplug(RadioVariant variant);
    // The connected radio is not the one the codeplug's baseline is of (its
    // flash serial differs): a write reads its codeplug first and sends every
    // difference.
    [[nodiscard]] bool connectedToOtherRadio() const;
    // Whether the next write keeps the radio's own call sign and DMR ID; none
    // (the default) follows keepIdentityByDefault(). The next write uses it up.
    void setKeepRadioIdentity(std::optional<bool> keep) { m_keepRadioIdentity = keep; }
    [[nodiscard]] bool keepRadioIdentity() const {
        return m_keepRadioIdentity.value_or(keepIdentityByDefault());
    }
    // On for another radio than the codeplug's and for a new codeplug.
    [[nodiscard]] bool keepIdentityByDefault() const;
    // The regions the next write sends (ascending): the document's dirty
    // regions, or every region for another radio or a new codeplug.
    [[nodiscard]] RegionSet regionsToWrite() const;

    // ---- block writes (Transfer.cpp, SafeWrite.cpp) ----
    // With a baseline (what the radio holds: read in this connection, or the
    // backup read before the write) a write sends only the 32-byte blocks
    // that changed and verifies every block it wrote and every block of each
    // flash sector it opened. Whole regions are sent without a baseline, where
    // the plan says so, or when this is set (the command line's
    // --whole-regions) or the preference asks for it.
    void setWholeRegionWrites(bool on) { m_wholeRegionWrites = on; }
    [[nodiscard]] bool wholeRegionWrites() const { return m_wholeRegionWrites; }

    // True from a write that is to be verified until its verification ended.
    [[nodiscard]] bool verificationPending() const {
        return m_pendingVerification.has_value() ||
               m_runningOperation == DeviceOperation::verifyWrite;
    }

    // ---- satellites (Satellites.cpp) ----
    // Work queue (the interface posts it there with postToQueue).
    void importTLEFile(const QString& path);
    void downloadKeps();
    // Work queue: blocks on the SatNOGS fetch for at most the SatNOGS wait.
    // The load ends with `finished` for DeviceOperation::loadKeps.
    void processTLEs(const QList<TLERecord>& records, const QString& source);
    // Blocking fetch of the SatNOGS transmitter list (never on the main
    // thread); an empty map stands for every failure.
    [[nodiscard]] SatNOGSFrequencyMap fetchSatNOGSFrequencies();

    // ---- DMR user database (DmrDatabase.cpp) ----
    // The import, download and export end with `finished` for their
    // DeviceOperation, after the log line or the error report.
    void importDMRDatabase(const QString& path);
    void downloadDMRDatabase();
    // `selection` chooses the entries when not all fit (none: the lowest IDs).
    void writeDMRDatabase(const DMRSelection& selection = {});
    void readDMRDatabaseFromDevice();
    // `reportLinkErrors` (the command line): a failed read is reported instead
    // of counting as 0.
    void refreshDMRDatabaseOnDeviceCount(bool reportLinkErrors = false);
    void exportDMRDatabase(const QString& path);
    // Name format, format and text length chosen in the database screen.
    void setDMRDatabaseOptions(DMRNameFormat nameFormat, DMRDBFormat format, int textLength);

    // ---- reporting steps (any thread) ----
    // Appends "• " + message to the activity log. On the main thread at
    // once; from elsewhere posted.
    void logLine(const QString& message);
    // Posts: lastError = message, then log("Error: " + message). Status and
    // progress stay as they are.
    void reportError(const QString& message);
    // Posts: lastError = description, log("Error: " + description),
    // status = `status`, progress = 0.
    void reportFailure(const QString& description, const Status& status);
    // Post the assignment to the main thread.
    void setStatus(const Status& status);
    void setProgress(double fraction);

    // Decodes channels, then contacts, talkgroups and zones of an image where
    // it is called (the work queue after a read, the main thread after a file open).
    [[nodiscard]] static DecodedImage decodeImage(const CodeplugImage& image);
    // Main thread only: publishes the image and every list decoded from it as
    // a new document (no undo history).
    void applyDecodedImage(const CodeplugImage& image, const DecodedImage& decoded);

    // Runs `fn` on the main thread after everything posted before it. Safe from
    // any thread; dropped when the controller is gone.
    void postToMain(std::function<void()> fn);
    // Runs `task` on the serial work queue.
    void postToQueue(std::function<void()> task);
    [[nodiscard]] bool onMainThread() const;

Q_SIGNALS:
    void portsChanged();
    void selectedPortChanged();
    void statusChanged();
    void firmwareChanged();
    void progressChanged();
    void documentURLChanged();
    void dmrUserDBChanged();
    void dmrDBOnDeviceCountChanged();
    void satelliteCandidatesChanged();
    void showSatellitePickerChanged();
    // A write is about to send its first byte; `groups` are its changes
    // against the radio's codeplug (posted only when that codeplug is known).
    void writeSummaryReady(const QList<nerka::ChangeGroup>& groups);
    // A step of the running codeplug write started, ended or failed.
    void writeStepsChanged();
    // Every device operation that was asked for ends with exactly one of
    // these, on the main thread, after everything it published: also one the
    // guard refused (busy, no radio) and the read-back after a write (which
    // ends this way too when the radio never came back).
    void finished(const nerka::OperationResult& result);

protected:
    // ---- main-thread assignments of observable fields ----
    void assignPorts(const QList<SerialDevice>& ports);
    void assignSelectedPort(const std::optional<SerialDevice>& device);
    void assignStatus(const Status& status);
    void assignFirmware(const std::optional<FirmwareInfo>& firmware);
    void assignProgress(double fraction);
    void assignDocumentURL(const std::optional<QUrl>& url);
    void assignDmrUserDB(const std::optional<DMRUserDatabase>& database);
    void assignDmrDBOnDeviceCount(const std::optional<int>& count);
    void assignTleCache(const QList<TLERecord>& records) { m_tleCache = records; }
    void assignSatelliteCandidates(const QList<SatelliteCandidate>& candidates);
    void appendLogLine(const QString& message);
    // The main-thread steps of reportError and reportFailure.
    void recordError(const QString& message);
    void recordFailure(const QString& description, const Status& status);

    // Resets what a disconnect by the user resets, then logs "Verbindung getrennt.".
    void resetAfterDisconnect();
    // The whole port list: discovery's plus the registered devices.
    [[nodiscard]] QList<SerialDevice> listAllPorts() const;

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
    // Constructor only: the presence timer, and the check after every failed
    // device operation.
    void watchPortPresence();

    // Work queue only: closes and drops port and interface.
    void dropLinkOnQueue();
    // Work queue only: reboots the radio and drops the connection (after a
    // codeplug or database write). The outcome then publishes the reboot.
    void rebootAndDisconnect();
    // Main thread, after rebootAndDisconnect: the disconnected state, no
    // firmware, and the reconnect.
    void publishReboot();
    // Main thread, after a DMR database write: once the radio is back, its
    // record count is read and must be `written` (the write's last step).
    void verifyDmrCountAfterReboot(int written);
    // Work queue only, after a failed codeplug or database write: commits an
    // open flash sector and closes the transfer screen (skipped when even the
    // commit fails); the failure of `error`, returning to the connected status.
    DeviceOutcome writeFailure(const LinkError& error);

    // Safe writes (SafeWrite.cpp). Work queue, before the first write request:
    // saves the backup (when `backups` is given) and posts the change summary;
    // the failure when the write must not start.
    // It also plans what is sent: block by block against the baseline it
    // found (see setWholeRegionWrites), or whole regions.
    Result<PreparedWrite, DeviceOutcome> prepareWriteOnQueue(const CodeplugImage& image,
                                                             const RegionSet& dirty,
                                                             const WriteSettings& settings);
    // Its steps. Whether the radio still holds the kept baseline in the
    // blocks the write touches (false when the plan touches none).
    Result<bool, DeviceOutcome> keptBaselineHoldsOnQueue(const CodeplugImage& image,
                                                         const RegionSet& dirty);
    // Reads the radio's whole codeplug as the write's baseline (`forBackup`:
    // for the backup, which its log line and failure say).
    Result<CodeplugImage, DeviceOutcome> readBaselineOnQueue(bool forBackup);
    // Saves the backup; its path.
    Result<QString, DeviceOutcome> saveBackupOnQueue(const CodeplugBackups& backups,
                                                     const CodeplugImage& before);
    // Work queue: the codeplug write (Transfer.cpp), and its end when the
    // radio already holds every dirty region.
    DeviceOutcome writeChangesOnQueue(const CodeplugImage& image, const RegionSet& dirty,
                                      const WriteSettings& settings);
    DeviceOutcome nothingToWriteOnQueue(const CodeplugImage& image, const RegionSet& dirty,
                                        bool recordsOnly, std::uint32_t serial);
    // Work queue, after a write succeeded and before the reboot: posts the
    // verification to run after the reconnect.
    void scheduleVerificationOnQueue(const CodeplugImage& image, const RegionSet& dirty,
                                     const PreparedWrite& prepared);
    // Main thread: starts the read-back when a verification is pending; true
    // when one started (the reconnect then reads nothing else).
    bool startPendingVerification();
    // Main thread: ends a pending verification as not connected, with
    // `message` as the error.
    void abandonPendingVerification(const QString& message);

private:
    // Any thread: a keps load failed; reported, and ends with its result.
    void failKepsLoad(OperationErrorKind kind, const QString& text);
    // Reads and decodes a codeplug file, or why it cannot (Transfer.cpp;
    // shared by opening a file and restoring a backup).
    static Result<CodeplugImage, QString> readCodeplugFileImage(const QString& path);
    // Writes the lines of a file command's result to the activity log.
    EditResult recordFileResult(EditResult result);

    // Work queue: reads back what a write sent and compares it.
    DeviceOutcome verifyWriteOnQueue(const PendingVerification& pending);
    // Work queue: sets m_keptBaseline and its mirror for the main thread,
    // which lists a write's changes from it before the write runs.
    void keepBaseline(std::optional<KeptBaseline> baseline);
    // Any thread: changes the write's steps on the main thread, in order with
    // everything else posted there.
    void updateWriteSteps(std::function<void(WriteSteps&)> change);
    // Main thread: a write or its verification that failed ends the step it
    // was in; a verification that succeeded ends the write.
    void trackWriteSteps(const OperationResult& result);

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
    Q_INVOKABLE void runMainTask();
};

} // namespace nerka
