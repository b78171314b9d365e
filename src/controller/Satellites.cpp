// Satellites: keps from a file or the keps service, FM frequencies from
// SatNOGS, the picker's candidates, and the edits of the satellite table.

#include "controller/RadioController.h"

#include "controller/Download.h"
#include "controller/FileStore.h"
#include "controller/WebServices.h"
#include "satellites/SatelliteCodec.h"

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

const QString kSatellitesBusyText =
    QStringLiteral("Busy: wait for the running transfer to finish.");
const QString kDownloadingText = QStringLiteral("Downloading TLEs…");
const QString kNoCodeplugText = QStringLiteral("Load a codeplug first.");
const QString kNotWrittenText = QStringLiteral("Could not write the satellite.");
const QString kBlockAddedText = QStringLiteral("Added a satellite block to the codeplug.");

QString memoryFullText() {
    return QStringLiteral("Satellite memory is full (max %1).")
        .arg(RadioController::kSatelliteCapacity);
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
    const auto read = FileStore::read(path, FileStore::Kind::keps);
    if (const auto* failure = std::get_if<QString>(&read))
        return reportError(*failure);
    const QList<TLERecord> records = parseTLE(kepsText(std::get<QByteArray>(read)));
    if (records.isEmpty())
        return reportError(QStringLiteral("No TLEs found in the file."));
    processTLEs(records, QFileInfo(path).fileName());
}

void RadioController::downloadKeps() {
    if (m_tleDownloadTask)
        return; // one download at a time
    const Status restored =
        m_status.isDisconnected() ? Status::disconnected() : Status::connected();
    const QString host = WebServices::hostName(m_kepsServiceUrl);
    m_tleDownloadTask = startDownload(
        WebServices::join(m_kepsServiceUrl, WebServices::kKepsPath), WebServices::kKepsMaxBytes,
        kDownloadingText, [restored] { return restored; },
        [this, host](const Download::Result& download, const std::function<void()>& restoreStatus) {
            m_tleDownloadTask = nullptr;
            const QString httpFailure =
                QString::asprintf("Download failed (HTTP %d).", download.httpStatus);
            if (download.tooLarge) {
                reportError(QStringLiteral("Download failed."));
                return restoreStatus();
            }
            if (download.httpFailed()) {
                reportError(httpFailure);
                return restoreStatus();
            }
            // Also a body cut short (a timeout or a reset after the headers): a
            // partial keps file is not taken for a whole one.
            if (download.error != QNetworkReply::NoError) {
                reportError(download.timedOut ? QStringLiteral("Download timed out.")
                                              : download.errorText);
                return restoreStatus();
            }
            if (download.httpStatus < 0 || download.body.isEmpty()) {
                reportError(httpFailure);
                return restoreStatus();
            }
            const QList<TLERecord> records = parseTLE(kepsText(download.body));
            restoreStatus();
            if (records.isEmpty())
                return reportError(QStringLiteral("No TLEs found in the download."));
            postToQueue([this, records, host] { processTLEs(records, host); });
        });
    log(QStringLiteral("Downloading satellite keps from ") + host + QStringLiteral("…"));
}

void RadioController::processTLEs(const QList<TLERecord>& records, const QString& source) {
    const SatNOGSFrequencyMap frequencies = fetchSatNOGSFrequencies();
    const QList<SatelliteCandidate> candidates = buildCandidates(records, frequencies);
    const auto withFM = std::count_if(candidates.begin(), candidates.end(),
                                      [](const SatelliteCandidate& c) { return c.isFM(); });
    const QString loaded =
        QStringLiteral("Loaded %1 TLEs from %2").arg(QString::number(records.size()), source);
    const QString line =
        frequencies.isEmpty()
            ? loaded + QStringLiteral(". Frequencies unavailable (SatNOGS could not be reached).")
            : loaded + QStringLiteral("; %1 have FM frequencies from SatNOGS.").arg(withFM);
    postToMain([this, records, candidates, line] {
        assignTleCache(records);
        assignSatelliteCandidates(candidates);
        appendLogLine(line);
        refreshKeps(records);
        setShowSatellitePicker(true);
    });
}

SatNOGSFrequencyMap RadioController::fetchSatNOGSFrequencies() {
    if (m_satnogsOverride)
        return *m_satnogsOverride;
    // The reply is delivered on the main thread; waiting for it there would
    // only ever end in the timeout.
    if (onMainThread())
        return {};

    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(m_satnogsWaitMs);
    auto exchange = std::make_shared<SatnogsExchange>();
    const QUrl url = WebServices::join(m_satnogsServiceUrl, WebServices::kSatnogsPath);

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
                                          m_downloadTimeoutMs, this, {},
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

// ---- the satellite table ----

void RadioController::refreshKeps(const QList<TLERecord>& records) {
    if (!image() || satellites().isEmpty())
        return;
    const KepsRefresh refresh = refreshKepsOf(satellites(), records);
    if (refresh.updatedCount == 0)
        return;
    // Without a table to write, no keps were refreshed.
    CodeplugImage changed = *image();
    const RegionSet regions = writeSatellites(refresh.satellites, changed);
    if (!storeEdit(QStringLiteral("Refresh keps"), changed, regions))
        return;
    QString line =
        QStringLiteral("Refreshed the keps of %1 satellite(s)").arg(refresh.updatedCount);
    if (!refresh.missingNames.isEmpty())
        line += QStringLiteral(" — no TLE for: ") + refresh.missingNames.join(QStringLiteral(", "));
    log(line + QStringLiteral("."));
}

namespace {

// A codeplug copy with a satellite block; the regions written when one had to
// be added, or the text of the BlockError when none can be.
std::variant<RegionSet, QString> ensureBlock(CodeplugImage& image) {
    auto ensured = ensureSatelliteBlock(image);
    if (const auto* error = std::get_if<SatelliteCodec::BlockError>(&ensured))
        return error->description();
    return std::get<RegionSet>(ensured);
}

Satellite satelliteFrom(const SatelliteCandidate& candidate) {
    Satellite satellite;
    satellite.id = QUuid::createUuid();
    satellite.name = candidate.name;
    satellite.tle1 = candidate.tle1;
    satellite.tle2 = candidate.tle2;
    satellite.rxFreq1 = candidate.rxFreq1;
    satellite.txFreq1 = candidate.txFreq1;
    satellite.txTone = candidate.txTone;
    satellite.additionalData = QByteArray(SatelliteRecord::kAdditionalDataSize, '\0');
    return satellite;
}

} // namespace

void RadioController::addSatellites(const QList<SatelliteCandidate>& candidates) {
    if (candidates.isEmpty())
        return;
    if (!image())
        return reportError(kNoCodeplugText);
    if (editingBlocked())
        return reportError(kSatellitesBusyText);

    CodeplugImage changed = *image();
    auto ensured = ensureBlock(changed);
    if (const auto* error = std::get_if<QString>(&ensured))
        return reportError(*error);
    RegionSet regions = std::get<RegionSet>(ensured);
    const bool blockAdded = !regions.empty();

    QList<Satellite> list = satellites();
    int processed = 0;
    for (const SatelliteCandidate& candidate : candidates) {
        if (list.size() >= kSatelliteCapacity)
            break;
        Satellite satellite = satelliteFrom(candidate);
        auto same = std::find_if(list.begin(), list.end(), [&](const Satellite& s) {
            return s.name.compare(candidate.name, Qt::CaseInsensitive) == 0;
        });
        if (same != list.end()) {
            satellite.index = same->index;
            *same = satellite;
        } else {
            satellite.index = int(list.size());
            list.append(satellite);
        }
        ++processed;
    }
    const int skipped = int(candidates.size()) - processed;

    const RegionSet written = writeSatellites(list, changed);
    if (written.empty())
        return reportError(kNotWrittenText);
    regions.insert(written.begin(), written.end());

    if (!storeEdit(QStringLiteral("Add satellites"), changed, regions))
        return;
    // Logged once the block is really part of the codeplug.
    if (blockAdded)
        log(kBlockAddedText);
    QString line = QStringLiteral("Added %1 satellite(s)").arg(processed);
    if (skipped > 0)
        line +=
            QStringLiteral(" (%1 skipped — only %2 slots)").arg(skipped).arg(kSatelliteCapacity);
    log(line + QStringLiteral("."));
}

std::optional<Satellite> RadioController::newSatellite() const {
    if (satellites().size() >= kSatelliteCapacity)
        return std::nullopt;
    Satellite satellite;
    satellite.id = QUuid::createUuid();
    satellite.index = int(satellites().size());
    satellite.tle1 = QByteArray(SatelliteRecord::kTle1Size, '\0');
    satellite.tle2 = QByteArray(SatelliteRecord::kTle2Size, '\0');
    satellite.additionalData = QByteArray(SatelliteRecord::kAdditionalDataSize, '\0');
    return satellite;
}

void RadioController::updateSatellite(Satellite satellite) {
    if (!image())
        return;
    if (editingBlocked())
        return reportError(kSatellitesBusyText);

    CodeplugImage changed = *image();
    auto ensured = ensureBlock(changed);
    if (const auto* error = std::get_if<QString>(&ensured))
        return reportError(*error);
    RegionSet regions = std::get<RegionSet>(ensured);
    const bool blockAdded = !regions.empty();

    Satellite edited = satellite;
    if (const auto record = findTLE(satellite.name, m_tleCache)) {
        if (const auto packed = packTLE(record->line1, record->line2)) {
            edited.tle1 = packed->tle1;
            edited.tle2 = packed->tle2;
        }
    }

    QList<Satellite> list = satellites();
    auto same = std::find_if(list.begin(), list.end(),
                             [&](const Satellite& s) { return s.index == satellite.index; });
    int slot = satellite.index;
    if (same != list.end()) {
        *same = edited;
    } else {
        // The table has 25 slots: a 26th satellite would be cut off by the
        // write while the log called it changed.
        if (list.size() >= kSatelliteCapacity)
            return reportError(memoryFullText());
        // Appended satellites land in the slot after the last one, whatever
        // index the caller gave.
        slot = int(list.size());
        edited.index = slot;
        list.append(edited);
    }

    const RegionSet written = writeSatellites(list, changed);
    if (written.empty())
        return reportError(kNotWrittenText);
    regions.insert(written.begin(), written.end());

    if (!storeEdit(QStringLiteral("Edit satellite %1").arg(slot + 1), changed, regions))
        return;
    if (blockAdded)
        log(kBlockAddedText);
    log(QStringLiteral("Satellite %1 changed: %2").arg(QString::number(slot + 1), satellite.name));
}

void RadioController::deleteSatellite(Satellite satellite) {
    if (!image())
        return;
    if (editingBlocked())
        return reportError(kSatellitesBusyText);

    QList<Satellite> list = satellites();
    auto removed = std::find_if(list.begin(), list.end(),
                                [&](const Satellite& s) { return s.index == satellite.index; });
    // Nothing to delete must not be logged as a deletion.
    if (removed == list.end())
        return reportError(
            QStringLiteral("Could not locate satellite %1 in memory.").arg(satellite.index + 1));
    const QString name = removed->name;
    list.removeIf([&](const Satellite& s) { return s.index == satellite.index; });

    CodeplugImage changed = *image();
    const RegionSet regions = writeSatellites(list, changed);
    if (regions.empty())
        return;

    if (!storeEdit(QStringLiteral("Delete satellite %1").arg(satellite.index + 1), changed,
                   regions))
        return;
    log(QStringLiteral("Satellite deleted: ") + name);
}

} // namespace nerka
