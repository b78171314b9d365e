// Safe codeplug writes: the automatic backup and change summary before a
// write, the read-back after the reconnect, and restoring a backup.

#include "controller/CodeplugDiff.h"
#include "controller/ControllerLink.h"
#include "controller/RadioController.h"

#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"
#include "link/RadioType.h"

#include <QFileInfo>
#include <QTimer>

#include <cmath>

namespace nerka {

namespace {

const QString kNotReconnected = QStringLiteral("Could not verify: the radio did not reconnect.");
// The reboot delay plus the whole auto-connect schedule (its last attempt at
// 23.5 s, giving up at 31.5 s) and a little more for that attempt to finish.
constexpr double kReconnectWindowSeconds = 3.0 + 31.5 + 3.5;

// The radio's codeplug as it will be after `dirty` regions of `image` are
// written over it. A region is matched by bank and address; one the radio's
// image does not hold as such lands wherever its bytes fall.
CodeplugImage imageAfterWrite(const CodeplugImage& radio, const CodeplugImage& image,
                              const RegionSet& dirty) {
    CodeplugImage after = radio;
    for (int index : dirty) {
        if (index < 0 || index >= image.regions.size())
            continue;
        const CodeplugRegion& region = image.regions[index];
        bool placed = false;
        for (qsizetype i = 0; i < after.regions.size() && !placed; ++i) {
            if (after.regions[i].bank == region.bank &&
                after.regions[i].address == region.address &&
                after.blobs[i].size() == image.blobs[index].size()) {
                after.blobs[i] = image.blobs[index];
                placed = true;
            }
        }
        if (!placed)
            (void)writeBytes(after, region.bank, region.address, image.blobs[index]);
    }
    return after;
}

QStringList summaryLines(const CodeplugImage& radio, const CodeplugImage& image,
                         const RegionSet& dirty) {
    const auto diff = diffCodeplugs(radio, imageAfterWrite(radio, image, dirty));
    if (const auto* reason = std::get_if<QString>(&diff))
        return {*reason};
    return diffText(std::get<CodeplugDiff>(diff));
}

QString hexAddress(std::uint32_t address) {
    return QStringLiteral("0x") + QString::number(address, 16).toUpper();
}

} // namespace

Result<RadioController::PreparedWrite, RadioController::DeviceOutcome>
RadioController::prepareWriteOnQueue(const CodeplugImage& image, const RegionSet& dirty,
                                     const std::optional<CodeplugBackups>& backups) {
    OpenGD77Interface& radio = *m_link->interface;
    std::optional<CodeplugImage> before = m_link->codeplugAsRead;
    PreparedWrite prepared;
    if (backups) {
        if (!before) {
            log(QStringLiteral("Reading the radio's codeplug for the backup…"));
            auto read = readWholeCodeplug(radio, [this](double f) { setProgress(f); });
            if (!read)
                return DeviceOutcome::failed(
                    read.error(), QStringLiteral("Could not back up the radio's codeplug: ") +
                                      read.error().description() +
                                      QStringLiteral(" Nothing was written."));
            before = *read;
            setProgress(0.0);
        }
        const FirmwareInfo& firmware = m_link->firmware;
        auto saved = backups->save(*before, radioTypeDisplayName(firmware.radioType),
                                   firmware.flashChipSerial);
        if (!saved)
            return DeviceOutcome::failed(OperationErrorKind::file,
                                         QStringLiteral("Could not save the backup: ") +
                                             saved.error() +
                                             QStringLiteral(" Nothing was written."));
        prepared.backupPath = saved->path;
        log(QStringLiteral("Backup saved: ") + QFileInfo(saved->path).fileName());
        updateWriteSteps([name = QFileInfo(saved->path).fileName()](WriteSteps& steps) {
            steps.complete(WriteStep::backup, name);
        });
    }
    if (before) {
        const QStringList lines = summaryLines(*before, image, dirty);
        postToMain([this, lines] { Q_EMIT writeSummaryReady(lines); });
    }
    // From the first byte written on, the image as read no longer describes the radio.
    m_link->codeplugAsRead.reset();
    postToMain([this] { m_radioImage.reset(); });
    return prepared;
}

void RadioController::scheduleVerificationOnQueue(const CodeplugImage& image,
                                                  const RegionSet& dirty,
                                                  const QString& backupPath) {
    PendingVerification pending{image, dirty, backupPath, m_link->firmware.flashChipSerial};
    postToMain([this, pending] {
        m_pendingVerification = pending;
        // The auto-connect chain can end without giving up (a connect attempt
        // still running when its next step is due, and then failing), so the
        // verification keeps its own deadline rather than waiting for ever.
        const int generation = ++m_verificationGeneration;
        QTimer::singleShot(int(std::lround(kReconnectWindowSeconds * 1000.0 * m_timeScale)), this,
                           [this, generation] {
                               if (generation == m_verificationGeneration)
                                   abandonPendingVerification(kNotReconnected);
                           });
    });
}

void RadioController::abandonPendingVerification(const QString& message) {
    if (!m_pendingVerification)
        return;
    m_pendingVerification.reset();
    endDeviceOperation(OperationResult::failure(DeviceOperation::verifyWrite,
                                                OperationErrorKind::notConnected, message),
                       true);
}

bool RadioController::startPendingVerification() {
    if (!m_pendingVerification || m_runningOperation == DeviceOperation::verifyWrite)
        return false;
    const PendingVerification pending = *m_pendingVerification;
    m_pendingVerification.reset();
    // The radio is back: its reboot is over.
    updateWriteSteps([](WriteSteps& steps) {
        steps.complete(WriteStep::reboot);
        steps.start(WriteStep::verify);
    });
    DeviceFrame frame;
    frame.operation = DeviceOperation::verifyWrite;
    frame.workingText = QStringLiteral("Verifying the write…");
    // Started right after a connection; a disconnect queued before it says
    // that the radio is not back.
    frame.needsLink = false;
    runDeviceOperation(frame, [this, pending]() -> DeviceOutcome {
        if (!m_link)
            return DeviceOutcome::failed(OperationErrorKind::notConnected, kNotReconnected,
                                         Status::disconnected());
        OpenGD77Interface& radio = *m_link->interface;
        const std::uint32_t serial = m_link->firmware.flashChipSerial;
        if (serial != pending.flashSerial)
            return DeviceOutcome::failed(
                OperationErrorKind::refused,
                QStringLiteral("Could not verify: a different radio connected (flash serial ") +
                    QString::asprintf("0x%08X", serial) + QStringLiteral(", the write went to ") +
                    QString::asprintf("0x%08X", pending.flashSerial) + QStringLiteral(")."));
        // The written regions as long as what was sent of them.
        QList<CodeplugRegion> written;
        qint64 total = 0;
        for (int index : pending.regions) {
            CodeplugRegion region = pending.image.regions[index];
            region.length = int(pending.image.blobs[index].size());
            written.append(region);
            total += region.length;
        }
        auto readBack = radio.readRegions(
            written, [&](int done) { setProgress(double(done) / double(total)); });
        if (!readBack)
            return DeviceOutcome::failed(readBack.error(), QStringLiteral("Could not verify: ") +
                                                               readBack.error().description());

        // The first differing region and absolute address, if any.
        std::optional<std::pair<int, std::uint32_t>> mismatch;
        qsizetype position = 0;
        for (int index : pending.regions) {
            const QByteArray& sent = pending.image.blobs[index];
            const QByteArray& held = readBack->at(position++);
            for (qsizetype i = 0; i < sent.size() && !mismatch; ++i) {
                if (i >= held.size() || held.at(i) != sent.at(i))
                    mismatch =
                        std::pair{index, pending.image.regions[index].address + std::uint32_t(i)};
            }
            if (mismatch)
                break;
        }
        if (mismatch) {
            const auto [index, address] = *mismatch;
            const CodeplugRegion& region = pending.image.regions[index];
            QString message =
                QStringLiteral("Verification failed: region ") + QString::number(index) +
                QStringLiteral(" on the radio differs from what was written, first at ") +
                QLatin1String(bankKey(region.bank)) + QStringLiteral(" address ") +
                hexAddress(address) + QStringLiteral(". ");
            message += pending.backupPath.isEmpty()
                           ? QStringLiteral("No backup was taken before the write.")
                           : QStringLiteral(
                                 "The radio's codeplug from before the write is in the backup ") +
                                 pending.backupPath + QLatin1Char('.');
            // The written regions count as unwritten again, so the next write retries them.
            postToMain([this, pending] {
                if (image() && image()->regions == pending.image.regions)
                    m_document.markRegionsChanged(pending.regions);
            });
            return DeviceOutcome::failed(OperationErrorKind::mismatch, message);
        }
        // When every region of the family was written and matched, the radio
        // holds exactly the image: a later backup needs no read.
        const CodeplugLayout& layout = layoutForVariant(radio.variant());
        if (pending.image.variant == radio.variant() && pending.image.regions == layout.regions &&
            int(pending.regions.size()) == layout.regions.size()) {
            m_link->codeplugAsRead = pending.image;
            postToMain([this, image = pending.image] { m_radioImage = image; });
        }
        const int count = int(pending.regions.size());
        return DeviceOutcome::done([this, count, pending] {
            m_document.markWritten(pending.image, pending.regions);
            assignProgress(1.0);
            assignStatus(Status::connected());
            appendLogLine(QStringLiteral("Verified: ") + QString::number(count) +
                          QStringLiteral(" region(s) match the radio."));
        });
    });
    return true;
}

std::optional<QStringList> RadioController::pendingWriteSummary() const {
    if (!image() || !m_radioImage)
        return std::nullopt;
    return summaryLines(*m_radioImage, *image(), dirtyRegions());
}

QString RadioController::pendingWritePreviewText() const {
    const auto lines = pendingWriteSummary();
    if (!lines)
        return QStringLiteral("The radio's codeplug has not been read in this connection, so the "
                              "changes cannot be listed. It is read and saved as a backup before "
                              "anything is written.");
    if (lines->isEmpty())
        return QStringLiteral("No record differs from what the radio holds now.");
    return lines->join(QLatin1Char('\n'));
}

void RadioController::restoreBackup(const QString& path) {
    const auto opened = readCodeplugFileImage(path);
    if (!opened)
        return;
    const CodeplugImage image = *opened;
    const DecodedImage decoded = decodeImage(image);
    const QString name = QFileInfo(path).fileName();
    postToMain([this, image, decoded, name] {
        applyDecodedImage(image, decoded);
        // No document location: saving asks where, and never overwrites the backup.
        assignDocumentURL(std::nullopt);
        appendLogLine(QStringLiteral("Backup opened: ") + name + QStringLiteral(" — ") +
                      QString::number(dirtyRegions().size()) +
                      QStringLiteral(" region(s) will be written with the next write."));
    });
}

} // namespace nerka
