// The DMR user-ID database: import from a CSV file, download from the ID
// service, write to and read from the radio's flash, export to CSV.

#include "controller/ControllerLink.h"
#include "controller/Download.h"
#include "controller/FileStore.h"
#include "controller/RadioController.h"

#include "dmrdb/DMRFlashFormat.h"
#include "dmrdb/DMRUserDBExport.h"
#include "dmrdb/DMRUserDBImport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

namespace nerka {

namespace {

QString downloadingText() {
    return QCoreApplication::translate("nerka::RadioController", "Downloading DMR database…");
}
QString writingDBText() {
    return QCoreApplication::translate("nerka::RadioController", "Writing DMR database…");
}
QString readingDBText() {
    return QCoreApplication::translate("nerka::RadioController", "Reading DMR database…");
}
QString nothingInFileText() {
    return QCoreApplication::translate("nerka::RadioController",
                                       "No usable DMR IDs found in the file.");
}
QString nothingInDownloadText() {
    return QCoreApplication::translate("nerka::RadioController",
                                       "No usable DMR IDs found in the download.");
}
QString downloadFailedText() {
    return QCoreApplication::translate("nerka::RadioController", "Download failed.");
}
QString downloadTimedOutText() {
    return QCoreApplication::translate("nerka::RadioController", "Download timed out.");
}
// The result of a second download asked for while one runs (not reported).
QString downloadRunningText() {
    return QCoreApplication::translate("nerka::RadioController",
                                       "A download of the DMR database is running.");
}
QString noDatabaseOnDeviceText() {
    return QCoreApplication::translate("nerka::RadioController",
                                       "No DMR database found on the device.");
}
// How long the count check after a write waits for the radio: the reboot
// delay and the whole auto-connect schedule, with a little to spare.
constexpr double kDmrReconnectWindowSeconds = 3.0 + 31.5 + 3.5;

// A new entry list keeps the encoding options of the database it replaces.
DMRUserDatabase withEntries(const std::optional<DMRUserDatabase>& previous,
                            DMRUserEntryList entries) {
    DMRUserDatabase database;
    if (previous) {
        database.nameFormat = previous->nameFormat;
        database.format = previous->format;
        database.textLength = previous->textLength;
    }
    database.entries = std::move(entries);
    return database;
}

// The count a header states, as the "On device" figure.
int headerCount(std::uint32_t count) {
    return int(std::min<std::uint32_t>(count, INT_MAX));
}

// "Writing DMR database: 120 entries (4 KB), 2 duplicate IDs merged…"; with
// a selection its own line says which entries stay and which do not, so
// those left out need not be over capacity.
QString dmrWriteLine(const DMRFlashImage& encoded, const DMRSelection& selection, qint64 total) {
    QString line = QCoreApplication::translate("nerka::RadioController",
                                               "Writing DMR database: %1 entries (%2 KB)")
                       .arg(encoded.written)
                       .arg(total / 1024);
    if (encoded.merged >= 1)
        line += QStringLiteral(", ") +
                QCoreApplication::translate("nerka::RadioController", "%1 duplicate IDs merged")
                    .arg(encoded.merged);
    if (selection.isEmpty() && encoded.dropped >= 1)
        line += QStringLiteral(", ") +
                QCoreApplication::translate("nerka::RadioController", "%1 dropped (over capacity)")
                    .arg(encoded.dropped);
    return line + QStringLiteral("…");
}

// Sends both flash areas inside the radio's transfer screen; `progress` over
// both. The link's error when a step fails.
std::optional<LinkError> sendDmrAreas(OpenGD77Interface& radio, const DMRFlashAreas& areas,
                                      const DMRFlashImage& encoded,
                                      const std::function<void(double)>& progress) {
    const qint64 area1Length = encoded.area1.size();
    const qint64 total = std::max<qint64>(area1Length + encoded.area2.size(), 1);
    if (auto shown = radio.showTransferScreen(QStringLiteral("Writing"), QStringLiteral("DMR DB"));
        !shown)
        return shown.error();
    auto first = radio.writeFlash(areas.area1.address, encoded.area1,
                                  [&](int done) { progress(double(done) / double(total)); });
    if (!first)
        return first.error();
    if (!encoded.area2.isEmpty()) {
        auto second = radio.writeFlash(areas.area2.address, encoded.area2, [&](int done) {
            progress(double(area1Length + done) / double(total));
        });
        if (!second)
            return second.error();
    }
    if (auto finished = radio.finishTransfer(); !finished)
        return finished.error();
    return std::nullopt;
}

} // namespace

void RadioController::importDMRDatabase(const QString& path) {
    // A worldwide list is several hundred thousand rows: reading and parsing
    // stay off the main thread.
    postToQueue([this, path] {
        DMRUserDBImport::Result result;
        {
            const auto read = FileStore::read(path, FileStore::Kind::dmrList);
            if (const auto* failure = std::get_if<QString>(&read))
                return endDeviceOperation(
                    OperationResult::failure(DeviceOperation::importDmrDatabase,
                                             OperationErrorKind::file, *failure),
                    true);
            // UTF-8 or ISO 8859-1, decided line by line.
            result = DMRUserDBImport::parseFileContents(std::get<QByteArray>(read));
        }
        if (result.entries.isEmpty())
            return endDeviceOperation(OperationResult::failure(DeviceOperation::importDmrDatabase,
                                                               OperationErrorKind::file,
                                                               nothingInFileText()),
                                      true);
        const QString fileName = QFileInfo(path).fileName();
        postToMain([this, result, fileName] {
            assignDmrUserDB(withEntries(m_dmrUserDB, result.entries));
            appendLogLine(tr("Imported DMR database from %1: %2 entries (%3 skipped).")
                              .arg(fileName, QString::number(result.parsed),
                                   QString::number(result.skipped)));
            Q_EMIT finished(OperationResult::success(DeviceOperation::importDmrDatabase));
        });
    });
}

void RadioController::downloadDMRDatabase() {
    if (m_dmrDownloadTask)
        return endDeviceOperation(OperationResult::failure(DeviceOperation::downloadDmrDatabase,
                                                           OperationErrorKind::busy,
                                                           downloadRunningText()),
                                  false);
    // The status goes back to what the link is then.
    m_dmrDownloadTask = startDownload(
        WebServices::join(m_tuning.dmrIdServiceUrl, WebServices::kDmrIdPath),
        m_tuning.dmrDownloadMaxBytes, downloadingText(),
        [this] { return hasInterface() ? Status::connected() : Status::disconnected(); },
        [this](const Download::Result& download, const std::function<void()>& restoreStatus) {
            m_dmrDownloadTask = nullptr;
            const auto fail = [this, restoreStatus](const QString& message) {
                recordError(message);
                restoreStatus();
                Q_EMIT finished(OperationResult::failure(DeviceOperation::downloadDmrDatabase,
                                                         OperationErrorKind::network, message));
            };
            if (download.tooLarge)
                return fail(downloadFailedText());
            if (download.error != QNetworkReply::NoError && !download.httpFailed())
                return fail(download.timedOut ? downloadTimedOutText() : download.errorText);
            if (!download.ok())
                return fail(tr("Download failed (HTTP %1).").arg(download.httpStatus));
            // Decoding and parsing the list stay off the main thread.
            postToQueue([this, bytes = download.body, restoreStatus]() mutable {
                DMRUserDBImport::Result result = DMRUserDBImport::parseFileContents(bytes);
                bytes = QByteArray();
                postToMain([this, result, restoreStatus] {
                    restoreStatus();
                    if (result.entries.isEmpty()) {
                        recordError(nothingInDownloadText());
                        Q_EMIT finished(OperationResult::failure(
                            DeviceOperation::downloadDmrDatabase, OperationErrorKind::network,
                            nothingInDownloadText()));
                        return;
                    }
                    assignDmrUserDB(withEntries(m_dmrUserDB, result.entries));
                    appendLogLine(tr("Downloaded DMR database: %1 entries (%2 skipped).")
                                      .arg(result.parsed)
                                      .arg(result.skipped));
                    Q_EMIT finished(OperationResult::success(DeviceOperation::downloadDmrDatabase));
                });
            });
        });
    logLine(tr("Downloading DMR database from %1…")
                .arg(WebServices::hostName(m_tuning.dmrIdServiceUrl)));
}

void RadioController::writeDMRDatabase(const DMRSelection& selection) {
    DeviceFrame frame;
    frame.operation = DeviceOperation::writeDmrDatabase;
    // A transfer like a codeplug write: editing is blocked while it runs.
    frame.workingText = writingDBText();
    frame.check = [this]() -> std::optional<OperationResult> {
        if (!m_dmrUserDB || m_dmrUserDB->entries.isEmpty())
            return OperationResult::failure(
                DeviceOperation::writeDmrDatabase, OperationErrorKind::refused,
                QCoreApplication::translate("nerka::RadioController", "No DMR database imported."));
        m_stopRequested = false;
        return std::nullopt;
    };
    const DMRUserDatabase database = m_dmrUserDB.value_or(DMRUserDatabase{});
    runDeviceOperation(frame, [this, database, selection]() -> DeviceOutcome {
        OpenGD77Interface& radio = *m_link->interface;
        const RadioVariant family = radio.variant();
        const DMRFlashAreas areas = dmrFlashAreas(family);
        const DMRFlashImage encoded = encodeForFlash(database, family, selection);
        const qint64 total = std::max<qint64>(encoded.area1.size() + encoded.area2.size(), 1);
        if (!selection.isEmpty())
            logLine(selectionSummary(encoded.selection));
        logLine(dmrWriteLine(encoded, selection, total));
        updateWriteSteps([](WriteSteps& steps) {
            steps.begin(false, true, WriteSubject::dmrDatabase);
            steps.start(WriteStep::write);
        });

        if (auto error =
                sendDmrAreas(radio, areas, encoded, [this](double f) { setProgress(f); })) {
            updateWriteSteps([text = error->description()](WriteSteps& steps) {
                steps.fail(WriteStep::write, text);
            });
            return writeFailure(*error);
        }
        const int written = int(encoded.written);
        updateWriteSteps([written, total](WriteSteps& steps) {
            steps.complete(WriteStep::write, QCoreApplication::translate("nerka::RadioController",
                                                                         "%1 entries, %2 KB")
                                                 .arg(written)
                                                 .arg(total / 1024));
            steps.start(WriteStep::reboot);
        });
        rebootAndDisconnect();
        return DeviceOutcome::done([this, written] {
            publishReboot();
            assignProgress(1.0);
            assignDmrDBOnDeviceCount(written);
            appendLogLine(QCoreApplication::translate(
                "nerka::RadioController",
                "DMR database written. Device is rebooting — disconnected."));
            verifyDmrCountAfterReboot(written);
        });
    });
}

void RadioController::verifyDmrCountAfterReboot(int written) {
    // The radio comes back on its own (the reconnect after the reboot); its
    // header must then name every record written. Connection attempts that
    // fail while it boots are no answer yet.
    const auto fail = [this](WriteStep step, const QString& text) {
        updateWriteSteps([step, text](WriteSteps& steps) { steps.fail(step, text); });
    };
    auto reconnected = std::make_shared<QMetaObject::Connection>();
    *reconnected = QObject::connect(
        this, &RadioController::finished, this,
        [this, written, reconnected, fail](const OperationResult& result) {
            if (result.operation != DeviceOperation::connect || !result.ok())
                return;
            QObject::disconnect(*reconnected);
            updateWriteSteps([](WriteSteps& steps) {
                steps.complete(WriteStep::reboot);
                steps.start(WriteStep::verify);
            });
            auto counted = std::make_shared<QMetaObject::Connection>();
            *counted = QObject::connect(
                this, &RadioController::finished, this,
                [this, written, counted, fail](const OperationResult& count) {
                    if (count.operation != DeviceOperation::countDmrDatabase)
                        return;
                    QObject::disconnect(*counted);
                    const int onDevice = m_dmrDBOnDeviceCount.value_or(0);
                    if (!count.ok())
                        fail(WriteStep::verify,
                             QCoreApplication::translate("nerka::RadioController",
                                                         "Could not verify: %1")
                                 .arg(count.text));
                    else if (onDevice != written)
                        fail(WriteStep::verify,
                             QCoreApplication::translate(
                                 "nerka::RadioController",
                                 "The radio reports %1 entries; %2 were written.")
                                 .arg(onDevice)
                                 .arg(written));
                    else
                        updateWriteSteps([onDevice](WriteSteps& steps) {
                            steps.complete(WriteStep::verify,
                                           QCoreApplication::translate("nerka::RadioController",
                                                                       "%1 entries on the device")
                                               .arg(onDevice));
                        });
                });
            refreshDMRDatabaseOnDeviceCount(true);
        });
    QTimer::singleShot(
        int(std::lround(kDmrReconnectWindowSeconds * 1000.0 * m_tuning.timeScale)), this,
        [reconnected, fail] {
            if (QObject::disconnect(*reconnected))
                fail(WriteStep::reboot,
                     QCoreApplication::translate("nerka::RadioController",
                                                 "Could not verify: the radio did not reconnect."));
        });
}

void RadioController::readDMRDatabaseFromDevice() {
    DeviceFrame frame;
    frame.operation = DeviceOperation::readDmrDatabase;
    frame.workingText = readingDBText();
    runDeviceOperation(frame, [this]() -> DeviceOutcome {
        OpenGD77Interface& radio = *m_link->interface;
        const DMRFlashAreas areas = dmrFlashAreas(radio.variant());

        auto headerBlock = radio.readBlock(Bank::flash, areas.area1.address);
        if (!headerBlock)
            return DeviceOutcome::failed(headerBlock.error());
        const std::optional<DMRDBHeader> header =
            parseHeader(QByteArrayView(*headerBlock)
                            .first(std::min<qsizetype>(headerBlock->size(), kBlockSize)));
        if (!header || header->count < 1) {
            return DeviceOutcome::done([this] {
                assignStatus(Status::connected());
                assignProgress(0.0);
                assignDmrDBOnDeviceCount(0);
                appendLogLine(noDatabaseOnDeviceText());
            });
        }

        const std::uint32_t count = header->count;
        const int size = header->recordSize;
        const qint64 area1Count = std::min<qint64>(count, area1RecordCapacity(size));
        const qint64 length1 = area1Count * size + DMRDBHeader::kSize;
        const qint64 length2 = count > area1Count
                                   ? std::min<qint64>((count - area1Count) * size, areas.area2.size)
                                   : 0;
        const qint64 total = std::max<qint64>(length1 + length2, 1);
        logLine(tr("Reading DMR database from device: %1 entries (%2 KB) — this can take a while…")
                    .arg(count)
                    .arg(total / 1024));

        // Area 1 without its header, then area 2; progress over both.
        auto area1 = radio.readRange(Bank::flash, areas.area1.address, length1,
                                     [&](int done) { setProgress(double(done) / double(total)); });
        if (!area1)
            return DeviceOutcome::failed(area1.error());
        QByteArray records = std::move(*area1);
        records.remove(0, DMRDBHeader::kSize);
        if (length2 > 0) {
            auto area2 = radio.readRange(Bank::flash, areas.area2.address, length2, [&](int done) {
                setProgress(double(length1 + done) / double(total));
            });
            if (!area2)
                return DeviceOutcome::failed(area2.error());
            records.append(*area2);
        }
        DMRUserEntryList entries = decodeRecords(records, count, size, header->compressed);
        records = QByteArray();

        const DMRDBFormat format =
            header->compressed ? DMRDBFormat::compressed : DMRDBFormat::uncompressed;
        const int textLength = textLengthForRecordSize(size, header->compressed);
        const int onDevice = headerCount(count);
        return DeviceOutcome::done([this, entries, format, textLength, onDevice] {
            DMRUserDatabase database;
            database.entries = entries;
            database.nameFormat = m_dmrUserDB ? m_dmrUserDB->nameFormat : DMRNameFormat::firstName;
            database.format = format;
            database.textLength = textLength;
            assignStatus(Status::connected());
            assignProgress(1.0);
            assignDmrDBOnDeviceCount(onDevice);
            assignDmrUserDB(database);
            appendLogLine(tr("Read DMR database from device: %1 entries.").arg(entries.size()));
        });
    });
}

void RadioController::refreshDMRDatabaseOnDeviceCount(bool reportLinkErrors) {
    // A look at the header without a word: no status, no log line, and
    // without a radio nothing at all.
    DeviceFrame frame;
    frame.operation = DeviceOperation::countDmrDatabase;
    frame.reportsRefusal = false;
    runDeviceOperation(frame, [this, reportLinkErrors]() -> DeviceOutcome {
        OpenGD77Interface& radio = *m_link->interface;
        auto block = radio.readBlock(Bank::flash, dmrFlashAreas(radio.variant()).area1.address);
        if (!block && reportLinkErrors) {
            DeviceOutcome outcome = DeviceOutcome::failed(block.error());
            outcome.statusAfterFailure = std::nullopt;
            return outcome;
        }
        int count = 0;
        if (block) {
            const auto header = parseHeader(
                QByteArrayView(*block).first(std::min<qsizetype>(block->size(), kBlockSize)));
            if (header)
                count = headerCount(header->count);
        }
        DeviceOutcome outcome =
            DeviceOutcome::done([this, count] { assignDmrDBOnDeviceCount(count); });
        // Counted as none: the failure is the figure 0, not an error.
        if (!block)
            outcome.result =
                OperationResult::linkFailure(DeviceOperation::countDmrDatabase, block.error());
        outcome.reported = false;
        return outcome;
    });
}

void RadioController::exportDMRDatabase(const QString& path) {
    if (!m_dmrUserDB || m_dmrUserDB->entries.isEmpty())
        return endDeviceOperation(
            OperationResult::failure(DeviceOperation::exportDmrDatabase,
                                     OperationErrorKind::refused,
                                     QCoreApplication::translate("nerka::RadioController",
                                                                 "No DMR database to export.")),
            true);
    const DMRUserEntryList entries = m_dmrUserDB->entries;
    postToQueue([this, entries, path] {
        // Sorted by ID and written atomically: the whole file or nothing.
        if (auto failure = FileStore::write(path, csvExportText(entries)))
            return endDeviceOperation(OperationResult::failure(DeviceOperation::exportDmrDatabase,
                                                               OperationErrorKind::file, *failure),
                                      true);
        const QString line =
            QCoreApplication::translate("nerka::RadioController", "Exported %1 DMR entries to %2.")
                .arg(QString::number(entries.size()), QFileInfo(path).fileName());
        postToMain([this, line] {
            appendLogLine(line);
            Q_EMIT finished(OperationResult::success(DeviceOperation::exportDmrDatabase));
        });
    });
}

void RadioController::setDMRDatabaseOptions(DMRNameFormat nameFormat, DMRDBFormat format,
                                            int textLength) {
    // Without a database the options are kept in an empty one, so the next
    // import or download takes them over.
    DMRUserDatabase database = m_dmrUserDB.value_or(DMRUserDatabase{});
    database.nameFormat = nameFormat;
    database.format = format;
    database.textLength = clampDMRTextLength(textLength);
    assignDmrUserDB(database);
}

} // namespace nerka
