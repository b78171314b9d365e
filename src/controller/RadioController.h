#pragma once

#include "controller/CodeplugBackups.h"
#include "controller/CodeplugDiff.h"
#include "controller/CodeplugDocument.h"
#include "controller/ControllerTuning.h"
#include "controller/Download.h"
#include "controller/EditResult.h"
#include "controller/Preferences.h"
#include "controller/SessionFrame.h"
#include "controller/WriteSteps.h"
#include "dmrdb/DMRSelection.h"
#include "dmrdb/DMRUserDatabase.h"
#include "satellites/SatelliteCandidates.h"
#include "satellites/TLE.h"

#include <QList>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace nerka {

// The one controller of the program: it runs the device sessions (connection,
// codeplug transfers and safe writes, the DMR database on the radio,
// downloads) on the frame every device operation runs in (SessionFrame), and
// owns the codeplug document they load and write. Every edit, import and
// export of the codeplug is the document's (document()); the controller tells
// the document what the radio holds and when a transfer runs.
//
// The sessions are implemented by concern: Connection.cpp (ports, connect,
// auto-connect), Transfer.cpp (read, write, files), SafeWrite.cpp (backup,
// change summary and read-back around a write), Satellites.cpp and
// DmrDatabase.cpp. Their data and the types their steps hand around are
// RadioControllerState's.
class RadioController : public SessionFrame {
    Q_OBJECT
    Q_PROPERTY(QList<nerka::SatelliteCandidate> satelliteCandidates READ satelliteCandidates NOTIFY
                   satelliteCandidatesChanged)

public:
    using PortLister = std::function<QList<SerialDevice>(bool showAllPorts)>;

    static constexpr const char* kQueueLabel = "org.nerka.radio.serial";
    static constexpr int kSerialBaudRate = 115200;

    // `settings` is the preference store (not owned); null means the
    // platform's per-user store.
    explicit RadioController(QSettings* settings = nullptr, QObject* parent = nullptr);
    ~RadioController() override;

    // ---- observable state (main thread; the link's is SessionFrame's) ----
    [[nodiscard]] const std::optional<QUrl>& documentURL() const { return m_documentURL; }
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
    [[nodiscard]] bool tleDownloadRunning() const { return m_tleDownloadTask != nullptr; }
    [[nodiscard]] Preferences& preferences() { return m_preferences; }

    void selectPort(const std::optional<SerialDevice>& device);

    // ---- seams (tests, the demo) ----
    // Discovery; by default the platform's serial devices.
    void setPortLister(PortLister lister);
    // Devices the program attaches itself (the demo's stand-in) are listed
    // beside discovery's, under their own path and USB identity.
    void registerDevice(const SerialDevice& device);
    void unregisterDevice(const QString& path);
    // Waits and web service addresses.
    [[nodiscard]] ControllerTuning& tuning() { return m_tuning; }

    // ---- connection (Connection.cpp) ----
    void refreshPorts();
    void connectRadio(bool automatic = false);
    // Drops the link after whatever runs on the work queue now (nothing is
    // sent to the radio) and logs "Verbindung getrennt."; the codeplug stays
    // with its unsaved changes, for the next radio;
    // ends with `finished` for DeviceOperation::disconnect, which never fails.
    void disconnectRadio();
    void startAutoConnect();
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

    // True from a write that is to be verified until its verification ended.
    [[nodiscard]] bool verificationPending() const {
        return m_pendingVerification.has_value() ||
               m_runningOperation == DeviceOperation::verifyWrite;
    }

    // ---- satellites (Satellites.cpp) ----
    // Loads keps from a file on the work queue.
    void importTLEFile(const QString& path);
    void downloadKeps();
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

Q_SIGNALS:
    void documentURLChanged();
    void dmrUserDBChanged();
    void dmrDBOnDeviceCountChanged();
    // A keps load brought new candidates: the window offers them in its picker.
    void satelliteCandidatesChanged();
    // A write is about to send its first byte; `groups` are its changes
    // against the radio's codeplug (posted only when that codeplug is known).
    void writeSummaryReady(const QList<nerka::ChangeGroup>& groups);
    // A step of the running codeplug write started, ended or failed.
    void writeStepsChanged();

protected:
    // ---- main-thread assignments of observable fields ----
    void assignDocumentURL(const std::optional<QUrl>& url);
    void assignDmrUserDB(const std::optional<DMRUserDatabase>& database);
    void assignDmrDBOnDeviceCount(const std::optional<int>& count);
    void assignTleCache(const QList<TLERecord>& records) { m_tleCache = records; }
    void assignSatelliteCandidates(const QList<SatelliteCandidate>& candidates);

    // Resets what a disconnect by the user resets, then logs "Verbindung getrennt.".
    void resetAfterDisconnect();
    // The whole port list: discovery's plus the registered devices.
    [[nodiscard]] QList<SerialDevice> listAllPorts() const;

    // Constructor only: the presence timer, and the check after every failed
    // device operation.
    void watchPortPresence();

    // Work queue only: reboots the radio and drops the connection (after a
    // codeplug or database write). The outcome then publishes the reboot.
    void rebootAndDisconnect();
    // Main thread, after rebootAndDisconnect: the disconnected state, no
    // firmware, and the reconnect.
    void publishReboot();
    // Main thread, after a DMR database write: once the radio is back, its
    // record count is read and must be `written` (the write's last step).
    void verifyDmrCountAfterReboot(int written);

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
    // The connected radio went away without a disconnect (unplugged): the link
    // is dropped, the codeplug stays in memory with every region to be
    // written, since the next radio may hold anything.
    void connectionLost();
    // Connected and idle, or after a failed exchange: when the port the radio
    // was connected on no longer exists, the connection is lost.
    void checkPortPresent();
    void autoConnectAttempt(double waitSeconds, double elapsedSeconds);
    void reconnectAfterReboot();
    // Work queue: blocks on the SatNOGS fetch for at most the SatNOGS wait.
    // The load ends with `finished` for DeviceOperation::loadKeps.
    void processTLEs(const QList<TLERecord>& records, const QString& source);
    // Work queue: the keps file's load.
    void loadKepsFileOnQueue(const QString& path);
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
};

} // namespace nerka
