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
      m_queue(std::make_unique<WorkQueue>(QString::fromLatin1(RadioController::kQueueLabel))) {}

// Here, where a connection's objects are complete.
RadioControllerState::~RadioControllerState() = default;

RadioController::RadioController(QSettings* settings, QObject* parent)
    : SessionFrame(settings, parent) {
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

void RadioController::selectPort(const std::optional<SerialDevice>& device) {
    assignSelectedPort(device);
}

// ---- assignments ----

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

void RadioController::assignDocumentURL(const std::optional<QUrl>& url) {
    m_documentURL = url;
    Q_EMIT documentURLChanged();
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
