// Port list, connect and disconnect, auto-connect at launch and after a reboot.

#include "controller/ControllerLink.h"
#include "controller/RadioController.h"

#include "link/RadioType.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include <sys/stat.h>

namespace nerka {

namespace {

constexpr double kFirstWaitSeconds = 0.5;
constexpr double kLongestWaitSeconds = 8.0;
constexpr double kGiveUpSeconds = 30.0;
constexpr double kRebootDelaySeconds = 3.0;
// How often an idle connection looks whether its port still exists: a stat
// of one path, cheap enough to do every second.
constexpr int kPresenceCheckMs = 1000;

QString connectingText() {
    return QCoreApplication::translate("nerka::RadioController", "Connecting…");
}

// The file system's identity (device, inode) of what `path` names, after
// following links; none when nothing is there.
std::optional<std::pair<quint64, quint64>> nodeAt(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return std::pair<quint64, quint64>{quint64(info.st_dev), quint64(info.st_ino)};
}

std::optional<SerialDevice> deviceAt(const QList<SerialDevice>& list, const QString& path) {
    const auto it = std::find_if(list.begin(), list.end(),
                                 [&](const SerialDevice& d) { return d.path == path; });
    if (it == list.end())
        return std::nullopt;
    return *it;
}

// The remembered path counts as present even when it is empty text: the
// preferences can forget a port by storing "".
bool hasRememberedPort(const Preferences& preferences) {
    return preferences.store()->contains(QLatin1String(Preferences::kLastPortKey));
}

} // namespace

void RadioController::refreshPorts() {
    const QList<SerialDevice> list = listAllPorts();
    assignPorts(list);
    if (hasRememberedPort(m_preferences)) {
        if (auto remembered = deviceAt(list, m_preferences.lastPortPath())) {
            assignSelectedPort(remembered);
            return;
        }
    }
    if (m_selectedPort && deviceAt(list, m_selectedPort->path))
        return;
    const auto radio = std::find_if(list.begin(), list.end(),
                                    [](const SerialDevice& d) { return d.isOpenGD77(); });
    if (radio != list.end())
        assignSelectedPort(*radio);
    else if (!list.isEmpty())
        assignSelectedPort(list.first());
    else
        assignSelectedPort(std::nullopt);
}

std::optional<SerialDevice>
RadioController::automaticPortChoice(const QList<SerialDevice>& list) const {
    if (hasRememberedPort(m_preferences)) {
        if (auto remembered = deviceAt(list, m_preferences.lastPortPath()))
            return remembered;
    }
    std::optional<SerialDevice> radio;
    for (const SerialDevice& device : list) {
        if (!device.isOpenGD77())
            continue;
        if (radio)
            return std::nullopt; // two or more radios: the choice is the user's
        radio = device;
    }
    return radio;
}

void RadioController::connectRadio(bool automatic) {
    const std::optional<SerialDevice> selected = m_selectedPort;
    DeviceFrame frame;
    frame.operation = DeviceOperation::connect;
    // The status is assigned at once (we are on the main thread), so a
    // pending auto-connect attempt sees the connection under way.
    frame.workingText = connectingText();
    frame.resetsProgress = false;
    frame.needsLink = false;
    // An automatic attempt fails quietly: the chain tries again.
    frame.reportsRefusal = !automatic;
    frame.check = [selected]() -> std::optional<OperationResult> {
        if (!selected)
            return OperationResult::failure(DeviceOperation::connect, OperationErrorKind::refused,
                                            tr("No serial port selected."));
        return std::nullopt;
    };
    const QString path = selected ? selected->path : QString();
    const int timeoutMs = m_tuning.serialTimeoutMs;
    runDeviceOperation(frame, [this, path, timeoutMs, automatic]() -> DeviceOutcome {
        // A connection that already exists is replaced by the new one.
        dropLinkOnQueue();
        auto port = std::make_shared<SerialPort>();
        auto fail = [&](const LinkError& error) {
            port->close();
            DeviceOutcome outcome = DeviceOutcome::failed(error);
            outcome.statusAfterFailure = Status::disconnected();
            if (automatic) {
                outcome.reported = false;
                outcome.publish = [this, description = error.description()] {
                    assignStatus(Status::disconnected());
                    appendLogLine(tr("Auto-connect not possible yet: %1").arg(description));
                };
            }
            return outcome;
        };
        if (auto opened = port->open(path, kSerialBaudRate); !opened)
            return fail(opened.error());
        auto interface = std::make_unique<OpenGD77Interface>(port, timeoutMs);
        interface->setStopRequest(&m_stopRequested);
        auto identified = interface->identify();
        if (!identified)
            return fail(identified.error());
        m_link = std::make_unique<Link>(Link{port, std::move(interface), *identified, {}});
        m_hasInterface = true;
        const FirmwareInfo info = *identified;
        return DeviceOutcome::done(
            [this, info, path] {
                // The preference store belongs to the main thread.
                m_preferences.setLastPortPath(path);
                // A path that names no file cannot be watched.
                const auto node = nodeAt(path);
                m_connectedPortPath = node ? path : QString();
                m_connectedPortNode = node.value_or(std::pair<quint64, quint64>{0, 0});
                assignFirmware(info);
                assignStatus(Status::connected());
                appendLogLine(tr("Connected: %1 — FW %2 (%3)")
                                  .arg(radioTypeDisplayName(info.radioType), info.firmwareRevision,
                                       info.buildDate));
            },
            // What follows a connection starts once it has ended.
            [this, automatic] {
                if (startPendingVerification())
                    return;
                if (automatic && m_preferences.autoRead() && !m_document.image() &&
                    m_document.dirtyRegions().empty()) {
                    appendLogLine(tr("Auto-read: reading codeplug…"));
                    readCodeplug();
                }
            });
    });
}

void RadioController::disconnectRadio() {
    // After whatever runs on the queue now; nothing is sent to the radio.
    postToQueue([this] {
        dropLinkOnQueue();
        postToMain([this] {
            resetAfterDisconnect();
            Q_EMIT finished(OperationResult::success(DeviceOperation::disconnect));
        });
    });
}

void RadioController::watchPortPresence() {
    m_presenceTimer = new QTimer(this);
    m_presenceTimer->setInterval(kPresenceCheckMs);
    QObject::connect(m_presenceTimer, &QTimer::timeout, this, &RadioController::checkPortPresent);
    m_presenceTimer->start();
    // A failed exchange is the first sign of an unplugged radio while it is
    // busy: the working status keeps the timer's check away until then.
    QObject::connect(this, &RadioController::finished, this, [this](const OperationResult& result) {
        if (!result.ok() && result.linkError)
            checkPortPresent();
    });
}

void RadioController::checkPortPresent() {
    // Only a connection that is idle: a running operation ends with its own
    // failure first, and the reboot after a write removes the port on purpose
    // (the status is disconnected then). A port that is back under the same
    // name is another device node: the open one is dead all the same.
    if (m_connectedPortPath.isEmpty() || m_status != Status::connected())
        return;
    if (nodeAt(m_connectedPortPath) != m_connectedPortNode)
        connectionLost();
}

void RadioController::startAutoConnect() {
    if (!m_preferences.autoConnect() || !hasRememberedPort(m_preferences) ||
        !m_status.isDisconnected())
        return;
    logLine(tr("Auto-connect: looking for remembered device…"));
    autoConnectAttempt(kFirstWaitSeconds, 0.0);
}

void RadioController::autoConnectAttempt(double waitSeconds, double elapsedSeconds) {
    // A connect still running is no reason to stop: an identification can
    // take the whole serial timeout (3 s) while the attempts come every 0.5 s
    // at first, and when it fails (a radio still booting after a write) a
    // later attempt finds it. The chain only waits for it and goes on; any
    // other status (connected, or another operation) ends the chain.
    const bool connectRunning = m_status == Status::working(connectingText());
    if (!m_status.isDisconnected() && !connectRunning)
        return;
    if (elapsedSeconds > kGiveUpSeconds && !connectRunning) {
        logLine(tr("Auto-connect cancelled (30 s timeout)."));
        abandonPendingVerification(tr("Could not verify: the radio did not reconnect."));
        return;
    }
    if (!connectRunning) {
        const QList<SerialDevice> list = listAllPorts();
        assignPorts(list);
        if (auto chosen = automaticPortChoice(list)) {
            assignSelectedPort(chosen);
            connectRadio(true);
        }
    }
    const double nextWait = std::min(2.0 * waitSeconds, kLongestWaitSeconds);
    const double nextElapsed = elapsedSeconds + waitSeconds;
    // `this` as the context: the timer dies with the controller.
    QTimer::singleShot(
        int(std::lround(waitSeconds * 1000.0 * m_tuning.timeScale)), this,
        [this, nextWait, nextElapsed] { autoConnectAttempt(nextWait, nextElapsed); });
}

void RadioController::reconnectAfterReboot() {
    if (!hasRememberedPort(m_preferences)) {
        abandonPendingVerification(tr("Could not verify: the radio did not reconnect."));
        return;
    }
    logLine(tr("Device is rebooting — auto-reconnect will follow…"));
    QTimer::singleShot(int(std::lround(kRebootDelaySeconds * 1000.0 * m_tuning.timeScale)), this,
                       [this] {
                           if (m_status.isDisconnected())
                               autoConnectAttempt(kFirstWaitSeconds, 0.0);
                       });
}

} // namespace nerka
