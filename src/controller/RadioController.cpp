#include "controller/RadioController.h"

#include <QCoreApplication>
#include <QThread>

namespace nerka {

namespace {
const QString kBullet = QStringLiteral("\u2022 ");
}

RadioController::RadioController(QSettings* settings, QObject* parent)
    : QObject(parent), m_preferences(settings),
      m_queue(std::make_unique<WorkQueue>(QString::fromLatin1(kQueueLabel))) {}

RadioController::~RadioController() {
    // Pending tasks are dropped and the running one finishes before any member
    // goes away; what it posts back is discarded with this object.
    m_queue->shutdown();
}

bool RadioController::onMainThread() const { return QThread::currentThread() == thread(); }

void RadioController::postToMain(std::function<void()> fn) {
    // Queued calls on this object run on its thread in the order posted, and Qt
    // drops them if the object is destroyed first.
    QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}

void RadioController::postToQueue(std::function<void()> task) { m_queue->post(std::move(task)); }

void RadioController::clearLastError() { assignLastError(std::nullopt); }

// ---- reporting steps ----

void RadioController::log(const QString& message) {
    if (onMainThread()) {
        appendLogLine(message);
        return;
    }
    postToMain([this, message] { appendLogLine(message); });
}

void RadioController::reportError(const QString& message) {
    postToMain([this, message] {
        assignLastError(message);
        appendLogLine(QStringLiteral("Error: ") + message);
    });
}

void RadioController::reportFailure(const QString& description, const Status& status) {
    postToMain([this, description, status] {
        assignLastError(description);
        appendLogLine(QStringLiteral("Error: ") + description);
        assignStatus(status);
        assignProgress(0.0);
    });
}

void RadioController::setStatus(const Status& status) {
    postToMain([this, status] { assignStatus(status); });
}

void RadioController::setProgress(double fraction) {
    postToMain([this, fraction] { assignProgress(fraction); });
}

DecodedImage RadioController::decodeImage(const CodeplugImage& /*image*/) { return {}; }

void RadioController::applyDecodedImage(const CodeplugImage& image, const DecodedImage& /*decoded*/) {
    Q_ASSERT(onMainThread());
    assignImage(image);
    assignDirtyRegions({});
}

// ---- assignments ----

void RadioController::assignStatus(const Status& status) {
    m_status = status;
    Q_EMIT statusChanged();
}

void RadioController::assignProgress(double fraction) {
    m_progress = fraction;
    Q_EMIT progressChanged();
}

void RadioController::assignLastError(const std::optional<QString>& text) {
    m_lastError = text;
    Q_EMIT lastErrorChanged();
}

void RadioController::assignImage(const std::optional<CodeplugImage>& image) {
    m_image = image;
    Q_EMIT imageChanged();
}

void RadioController::assignDocumentURL(const std::optional<QUrl>& url) {
    m_documentURL = url;
    Q_EMIT documentURLChanged();
}

void RadioController::assignDirtyRegions(const RegionSet& regions) {
    m_dirtyRegions = regions;
    Q_EMIT dirtyRegionsChanged();
}

void RadioController::appendLogLine(const QString& message) {
    const QString line = kBullet + message;
    m_log.append(line);
    Q_EMIT lineLogged(line);
    Q_EMIT logChanged();
}

void RadioController::resetAfterDisconnect() {
    assignStatus(Status::disconnected());
    assignProgress(0.0);
    assignImage(std::nullopt);
    assignDirtyRegions({});
    appendLogLine(QStringLiteral("Verbindung getrennt."));
}

} // namespace nerka
