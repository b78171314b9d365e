#include "controller/RadioController.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/MemberLists.h"
#include "controller/ControllerLink.h"
#include "controller/WebServices.h"
#include "satellites/SatelliteCodec.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QThread>

#include <algorithm>

namespace nerka {

RadioControllerState::RadioControllerState(QSettings* settings)
    : m_preferences(settings),
      m_portLister([](bool showAll) { return filterPorts(enumerateSerialDevices(), showAll); }),
      m_dmrIdServiceUrl(WebServices::baseUrl(WebServices::kDmrIdBase, WebServices::kDmrIdEnv)),
      m_kepsServiceUrl(WebServices::baseUrl(WebServices::kKepsBase, WebServices::kKepsEnv)),
      m_satnogsServiceUrl(
          WebServices::baseUrl(WebServices::kSatnogsBase, WebServices::kSatnogsEnv)),
      m_queue(std::make_unique<WorkQueue>(QString::fromLatin1(RadioController::kQueueLabel))) {}

// Here, where a connection's objects are complete.
RadioControllerState::~RadioControllerState() = default;

RadioController::RadioController(QSettings* settings, QObject* parent)
    : QObject(parent), RadioControllerState(settings) {
    // Every edit's result becomes its lines in the activity log.
    QObject::connect(&m_document, &CodeplugDocument::edited, &m_activityLog, &ActivityLog::record);
    watchPortPresence();
    QObject::connect(this, &RadioController::finished, this, &RadioController::trackWriteSteps);
}

RadioController::~RadioController() {
    // Pending tasks are dropped and the running one finishes before any member
    // goes away; what it posts back is discarded with this object. A task that
    // waits for the network is woken first.
    {
        std::lock_guard lock(m_cancelWaitMutex);
        if (m_cancelWait)
            m_cancelWait();
    }
    m_queue->shutdown();
    m_link.reset();
}

void RadioController::setPortLister(PortLister lister) {
    m_portLister = std::move(lister);
}

void RadioController::registerDevice(const SerialDevice& device) {
    unregisterDevice(device.path);
    m_registeredDevices.append(device);
}

void RadioController::unregisterDevice(const QString& path) {
    m_registeredDevices.removeIf([&](const SerialDevice& d) { return d.path == path; });
}

QList<SerialDevice> RadioController::listAllPorts() const {
    QList<SerialDevice> all =
        m_portLister ? m_portLister(m_preferences.showAllPorts()) : QList<SerialDevice>{};
    for (const SerialDevice& device : m_registeredDevices) {
        const bool listed = std::any_of(
            all.begin(), all.end(), [&](const SerialDevice& d) { return d.path == device.path; });
        if (!listed)
            all.append(device);
    }
    return sortSerialDevices(all);
}

void RadioController::dropLinkOnQueue() {
    if (m_link && m_link->port)
        m_link->port->close();
    m_link.reset();
    m_hasInterface = false;
    postToMain([this] { m_radioImage.reset(); });
}

QNetworkReply* RadioController::startDownload(const QUrl& url, qint64 maxBytes,
                                              const QString& workingText,
                                              std::function<Status()> restored, DownloadDone done) {
    const Status working = Status::working(workingText);
    assignStatus(working);
    assignProgress(0.0);
    return Download::start(
        *networkAccess(), url, maxBytes, m_downloadTimeoutMs, this,
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

QNetworkAccessManager* RadioController::networkAccess() {
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        // Qt sets no transfer timeout by default; a stalled server would hang
        // a download for ever.
        m_network->setTransferTimeout(m_downloadTimeoutMs);
    }
    return m_network;
}

void RadioController::setShowSatellitePicker(bool show) {
    m_showSatellitePicker = show;
    Q_EMIT showSatellitePickerChanged();
}

void RadioController::selectPort(const std::optional<SerialDevice>& device) {
    assignSelectedPort(device);
}

bool RadioController::onMainThread() const {
    return QThread::currentThread() == thread();
}

void RadioController::postToMain(std::function<void()> fn) {
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

void RadioController::runMainTask() {
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

void RadioController::postToQueue(std::function<void()> task) {
    m_queue->post(std::move(task));
}

// ---- reporting steps ----

void RadioController::logLine(const QString& message) {
    if (onMainThread()) {
        appendLogLine(message);
        return;
    }
    postToMain([this, message] { appendLogLine(message); });
}

void RadioController::reportError(const QString& message) {
    postToMain([this, message] { recordError(message); });
}

void RadioController::reportFailure(const QString& description, const Status& status) {
    postToMain([this, description, status] { recordFailure(description, status); });
}

void RadioController::recordError(const QString& message) {
    m_activityLog.appendError(message);
}

void RadioController::recordFailure(const QString& description, const Status& status) {
    recordError(description);
    assignStatus(status);
    assignProgress(0.0);
}

void RadioController::setStatus(const Status& status) {
    postToMain([this, status] { assignStatus(status); });
}

void RadioController::setProgress(double fraction) {
    postToMain([this, fraction] { assignProgress(fraction); });
}

DecodedImage RadioController::decodeImage(const CodeplugImage& image) {
    DecodedImage decoded;
    decoded.channels = decodeChannels(image);
    MemberLists lists = decodeMemberLists(image, decoded.channels);
    decoded.contacts = std::move(lists.contacts);
    decoded.talkgroups = std::move(lists.talkgroups);
    decoded.zones = std::move(lists.zones);
    return decoded;
}

void RadioController::applyDecodedImage(const CodeplugImage& image, const DecodedImage& decoded) {
    Q_ASSERT(onMainThread());
    m_document.load(image, decoded);
}

// ---- assignments ----

void RadioController::assignPorts(const QList<SerialDevice>& ports) {
    m_ports = ports;
    Q_EMIT portsChanged();
}

void RadioController::assignSelectedPort(const std::optional<SerialDevice>& device) {
    m_selectedPort = device;
    Q_EMIT selectedPortChanged();
}

void RadioController::assignFirmware(const std::optional<FirmwareInfo>& firmware) {
    m_firmware = firmware;
    Q_EMIT firmwareChanged();
}

void RadioController::assignDmrUserDB(const std::optional<DMRUserDatabase>& database) {
    m_dmrUserDB = database;
    Q_EMIT dmrUserDBChanged();
}

void RadioController::assignSatelliteCandidates(const QList<SatelliteCandidate>& candidates) {
    m_satelliteCandidates = candidates;
    Q_EMIT satelliteCandidatesChanged();
}

void RadioController::assignDmrDBOnDeviceCount(const std::optional<int>& count) {
    m_dmrDBOnDeviceCount = count;
    Q_EMIT dmrDBOnDeviceCountChanged();
}

void RadioController::assignStatus(const Status& status) {
    m_status = status;
    m_document.setBusy(status.isWorking());
    Q_EMIT statusChanged();
}

void RadioController::assignProgress(double fraction) {
    m_progress = fraction;
    Q_EMIT progressChanged();
}

void RadioController::assignDocumentURL(const std::optional<QUrl>& url) {
    m_documentURL = url;
    Q_EMIT documentURLChanged();
}

void RadioController::appendLogLine(const QString& message) {
    m_activityLog.append(message);
}

void RadioController::resetAfterDisconnect() {
    // The codeplug stays with its unsaved changes and its baseline (what the
    // radio last read held), so the next radio can be written with it;
    // documentURL, the DMR database, ports, the selection, the log, the last
    // error and the clipboard keep their values too.
    assignStatus(Status::disconnected());
    assignFirmware(std::nullopt);
    assignProgress(0.0);
    assignDmrDBOnDeviceCount(std::nullopt);
    m_connectedPortPath.clear();
    appendLogLine(tr("Verbindung getrennt."));
}

void RadioController::connectionLost() {
    m_connectedPortPath.clear();
    postToQueue([this] {
        dropLinkOnQueue();
        postToMain([this] {
            assignStatus(Status::disconnected());
            assignFirmware(std::nullopt);
            assignProgress(0.0);
            assignDmrDBOnDeviceCount(std::nullopt);
            // Whatever radio comes next may hold anything: every region is
            // written with the next write.
            m_document.forgetBaseline();
            if (m_document.image())
                appendLogLine(tr("Radio disconnected (unplugged?). The codeplug stays in memory; "
                                 "nothing was lost."));
            else
                appendLogLine(tr("Radio disconnected (unplugged?)."));
        });
    });
}

} // namespace nerka
