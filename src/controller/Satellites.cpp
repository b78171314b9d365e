// Satellites: keps from a file or the keps service, FM frequencies from
// SatNOGS and the picker's candidates (the table's edits are the document's).

#include "controller/RadioController.h"

#include "controller/Download.h"
#include "controller/FileStore.h"
#include "controller/WebServices.h"
#include "satellites/SatelliteCodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace nerka {

namespace {

QString kepsDownloadingText() {
    return QCoreApplication::translate("nerka::RadioController", "Downloading TLEs…");
}

// Keps text: UTF-8 when the bytes are valid UTF-8, else ISO 8859-1 (which
// accepts every byte sequence).
QString kepsText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

// One SatNOGS request as seen by the waiting work-queue task and by the reply
// handlers on the main thread. It is shared, so a reply that comes after the
// wait has given up still writes into a living object.
struct SatnogsExchange {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;             // a reply has been handled
    bool gaveUp = false;           // the waiter stopped waiting; later replies are ignored
    QByteArray body;               // the body of a complete reply within the size limit
    QPointer<QNetworkReply> reply; // main thread only
};

} // namespace

// ---- keps loading ----

void RadioController::importTLEFile(const QString& path) {
    // The read and the SatNOGS fetch that follows block: both run on the queue.
    postToQueue([this, path] { loadKepsFileOnQueue(path); });
}

void RadioController::loadKepsFileOnQueue(const QString& path) {
    const auto read = FileStore::read(path, FileStore::Kind::keps);
    if (const auto* failure = std::get_if<QString>(&read))
        return failKepsLoad(OperationErrorKind::file, *failure);
    const QList<TLERecord> records = parseTLE(kepsText(std::get<QByteArray>(read)));
    if (records.isEmpty())
        return failKepsLoad(
            OperationErrorKind::file,
            QCoreApplication::translate("nerka::RadioController", "No TLEs found in the file."));
    processTLEs(records, QFileInfo(path).fileName());
}

void RadioController::downloadKeps() {
    if (m_tleDownloadTask) // one download at a time
        return endDeviceOperation(
            OperationResult::failure(DeviceOperation::loadKeps, OperationErrorKind::busy,
                                     QCoreApplication::translate("nerka::RadioController",
                                                                 "A keps download is running.")),
            false);
    const Status restored =
        m_status.isDisconnected() ? Status::disconnected() : Status::connected();
    const QString host = WebServices::hostName(m_tuning.kepsServiceUrl);
    m_tleDownloadTask = startDownload(
        WebServices::join(m_tuning.kepsServiceUrl, WebServices::kKepsPath),
        WebServices::kKepsMaxBytes, kepsDownloadingText(), [restored] { return restored; },
        [this, host](const Download::Result& download, const std::function<void()>& restoreStatus) {
            m_tleDownloadTask = nullptr;
            const QString httpFailure =
                QString::asprintf("Download failed (HTTP %d).", download.httpStatus);
            if (download.tooLarge) {
                failKepsLoad(
                    OperationErrorKind::network,
                    QCoreApplication::translate("nerka::RadioController", "Download failed."));
                return restoreStatus();
            }
            if (download.httpFailed()) {
                failKepsLoad(OperationErrorKind::network, httpFailure);
                return restoreStatus();
            }
            // Also a body cut short (a timeout or a reset after the headers): a
            // partial keps file is not taken for a whole one.
            if (download.error != QNetworkReply::NoError) {
                failKepsLoad(OperationErrorKind::network,
                             download.timedOut
                                 ? QCoreApplication::translate("nerka::RadioController",
                                                               "Download timed out.")
                                 : download.errorText);
                return restoreStatus();
            }
            if (download.httpStatus < 0 || download.body.isEmpty()) {
                failKepsLoad(OperationErrorKind::network, httpFailure);
                return restoreStatus();
            }
            const QList<TLERecord> records = parseTLE(kepsText(download.body));
            restoreStatus();
            if (records.isEmpty())
                return failKepsLoad(OperationErrorKind::network,
                                    QCoreApplication::translate("nerka::RadioController",
                                                                "No TLEs found in the download."));
            postToQueue([this, records, host] { processTLEs(records, host); });
        });
    logLine(
        QCoreApplication::translate("nerka::RadioController", "Downloading satellite keps from %1…")
            .arg(host));
}

void RadioController::processTLEs(const QList<TLERecord>& records, const QString& source) {
    const SatNOGSFrequencyMap frequencies = fetchSatNOGSFrequencies();
    const QList<SatelliteCandidate> candidates = buildCandidates(records, frequencies);
    const auto withFM = std::count_if(candidates.begin(), candidates.end(),
                                      [](const SatelliteCandidate& c) { return c.isFM(); });
    const QString loaded =
        QCoreApplication::translate("nerka::RadioController", "Loaded %1 TLEs from %2")
            .arg(QString::number(records.size()), source);
    const QString line =
        frequencies.isEmpty()
            ? loaded + QCoreApplication::translate(
                           "nerka::RadioController",
                           ". Frequencies unavailable (SatNOGS could not be reached).")
            : loaded + QCoreApplication::translate("nerka::RadioController",
                                                   "; %1 have FM frequencies from SatNOGS.")
                           .arg(withFM);
    postToMain([this, records, candidates, line] {
        assignTleCache(records);
        assignSatelliteCandidates(candidates);
        appendLogLine(line);
        // The satellites already in the codeplug take the new elements; when
        // the document refuses that (reported), the load has failed.
        const EditResult refreshed = m_document.refreshKeps(records);
        const QString refusal = refreshed.errorText();
        Q_EMIT finished(refusal.isEmpty()
                            ? OperationResult::success(DeviceOperation::loadKeps)
                            : OperationResult::failure(DeviceOperation::loadKeps,
                                                       OperationErrorKind::refused, refusal));
    });
}

void RadioController::failKepsLoad(OperationErrorKind kind, const QString& text) {
    endDeviceOperation(OperationResult::failure(DeviceOperation::loadKeps, kind, text), true);
}

SatNOGSFrequencyMap RadioController::fetchSatNOGSFrequencies() {
    if (m_tuning.satnogsOverride)
        return *m_tuning.satnogsOverride;
    // The reply is delivered on the main thread; waiting for it there would
    // only ever end in the timeout.
    if (onMainThread())
        return {};

    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(m_tuning.satnogsWaitMs);
    auto exchange = std::make_shared<SatnogsExchange>();
    const QUrl url = WebServices::join(m_tuning.satnogsServiceUrl, WebServices::kSatnogsPath);

    // The access manager lives on the main thread, so the request starts
    // there; this thread only waits, without an event loop of its own.
    postToMain([this, exchange, url] {
        {
            std::lock_guard lock(exchange->mutex);
            if (exchange->gaveUp)
                return;
        }
        // Status codes and transport errors are not examined: a failed
        // request has no usable body, and an error page is no transmitter list.
        exchange->reply = Download::start(*networkAccess(), url, WebServices::kSatnogsMaxBytes,
                                          m_tuning.downloadTimeoutMs, this, {},
                                          [exchange](const Download::Result& download) {
                                              {
                                                  std::lock_guard lock(exchange->mutex);
                                                  if (exchange->gaveUp)
                                                      return;
                                                  exchange->body = download.body;
                                                  exchange->done = true;
                                              }
                                              exchange->answered.notify_all();
                                          });
    });

    {
        std::lock_guard cancelLock(m_cancelWaitMutex);
        m_cancelWait = [exchange] {
            {
                std::lock_guard lock(exchange->mutex);
                exchange->done = true; // with no body: an empty map
            }
            exchange->answered.notify_all();
        };
    }
    struct ClearCancel {
        RadioController* controller;
        ~ClearCancel() {
            std::lock_guard cancelLock(controller->m_cancelWaitMutex);
            controller->m_cancelWait = nullptr;
        }
    } clearCancel{this};

    std::unique_lock lock(exchange->mutex);
    if (!exchange->answered.wait_until(lock, deadline, [&] { return exchange->done; })) {
        exchange->gaveUp = true;
        lock.unlock();
        // Stop a reply still on its way; what it would bring is ignored anyway.
        postToMain([exchange] { Download::cancel(exchange->reply); });
        return {};
    }
    const QByteArray body = std::move(exchange->body);
    lock.unlock();
    return body.isEmpty() ? SatNOGSFrequencyMap{} : parseSatNOGS(body);
}

} // namespace nerka
