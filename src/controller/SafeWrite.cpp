// Safe codeplug writes: the automatic backup and change summary before a
// write, the read-back after the reconnect, and restoring a backup.

#include "controller/CodeplugDiff.h"
#include "controller/ControllerLink.h"
#include "controller/OutgoingCodeplug.h"
#include "controller/RadioController.h"

#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"
#include "link/RadioType.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace nerka {

namespace {

QString notReconnectedText() {
    return QCoreApplication::translate("nerka::RadioController",
                                       "Could not verify: the radio did not reconnect.");
}
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

QList<ChangeGroup> summaryGroups(const CodeplugImage& radio, const CodeplugImage& image,
                                 const RegionSet& dirty) {
    const auto diff = diffCodeplugs(radio, imageAfterWrite(radio, image, dirty));
    if (const auto* reason = std::get_if<QString>(&diff))
        return {ChangeGroup{CodeplugChange::Kind::bytes,
                            QCoreApplication::translate("ChangeText", "Codeplug"),
                            0,
                            {*reason}}};
    return changeGroups(std::get<CodeplugDiff>(diff));
}

QString hexAddress(std::uint32_t address) {
    return QStringLiteral("0x") + QString::number(address, 16).toUpper();
}

} // namespace

Result<bool, RadioController::DeviceOutcome>
RadioController::keptBaselineHoldsOnQueue(const CodeplugImage& image, const RegionSet& dirty) {
    const CodeplugImage& kept = m_keptBaseline->image;
    const WritePlan plan = planWrite(kept, image, dirty);
    QList<CodeplugRegion> touched;
    for (const VerifyBlock& block : plan.verifyBlocks)
        touched.append({block.bank, block.address, block.length});
    // A plan that sends nothing cannot tell; the full read can.
    if (touched.isEmpty())
        return false;
    auto held = m_link->interface->readRegions(touched);
    if (!held)
        return DeviceOutcome::failed(
            held.error(), tr("Could not read the radio's codeplug: %1 Nothing was written.")
                              .arg(held.error().description()));
    for (qsizetype i = 0; i < touched.size(); ++i) {
        const CodeplugRegion& block = touched[i];
        if (readBytes(kept, block.bank, block.address, block.length) != held->at(i))
            return false;
    }
    return true;
}

Result<CodeplugImage, RadioController::DeviceOutcome>
RadioController::readBaselineOnQueue(bool forBackup) {
    if (forBackup)
        logLine(tr("Reading the radio's codeplug for the backup…"));
    auto read = readWholeCodeplug(*m_link->interface, [this](double f) { setProgress(f); });
    if (!read)
        return DeviceOutcome::failed(
            read.error(),
            (forBackup ? tr("Could not back up the radio's codeplug: %1 Nothing was written.")
                       : tr("Could not read the radio's codeplug: %1 Nothing was written."))
                .arg(read.error().description()));
    setProgress(0.0);
    // Read in this connection: valid until the first byte is written.
    m_link->codeplugAsRead = *read;
    keepBaseline(KeptBaseline{*read, m_link->firmware.flashChipSerial});
    postToMain([this, image = *read] { m_radioImage = image; });
    return std::move(*read);
}

Result<QString, RadioController::DeviceOutcome>
RadioController::saveBackupOnQueue(const CodeplugBackups& backups, const CodeplugImage& before) {
    const FirmwareInfo& firmware = m_link->firmware;
    auto saved =
        backups.save(before, radioTypeDisplayName(firmware.radioType), firmware.flashChipSerial);
    if (!saved)
        return DeviceOutcome::failed(
            OperationErrorKind::file,
            tr("Could not save the backup: %1 Nothing was written.").arg(saved.error()));
    const QString name = QFileInfo(saved->path).fileName();
    logLine(tr("Backup saved: %1").arg(name));
    updateWriteSteps([name](WriteSteps& steps) { steps.complete(WriteStep::backup, name); });
    return saved->path;
}

Result<RadioController::PreparedWrite, RadioController::DeviceOutcome>
RadioController::prepareWriteOnQueue(const CodeplugImage& image, const RegionSet& dirty,
                                     const WriteSettings& settings) {
    const std::optional<CodeplugBackups>& backups = settings.backups;
    const bool wholeRegions = settings.wholeRegions;
    std::optional<CodeplugImage> before = m_link->codeplugAsRead;
    PreparedWrite prepared;
    prepared.wholeRegionsAsked = wholeRegions;
    bool readAgain = false;
    // Without a backup read, a baseline from an earlier connection of this
    // radio saves the write most of its requests, but another program may
    // have written since: the blocks the write touches must still hold what
    // it says. A backup is always read afresh, so that it is the radio's.
    if (!before && !backups && !wholeRegions && m_keptBaseline &&
        m_keptBaseline->flashSerial == m_link->firmware.flashChipSerial &&
        m_keptBaseline->image.variant == m_link->interface->variant()) {
        auto holds = keptBaselineHoldsOnQueue(image, dirty);
        if (!holds)
            return holds.error();
        if (*holds) {
            before = m_keptBaseline->image;
        } else {
            logLine(
                tr("The radio's codeplug is not what it was when last read; reading it again…"));
            readAgain = true;
        }
    }
    if (!before && (backups || readAgain || settings.readRadio)) {
        auto read = readBaselineOnQueue(backups.has_value());
        if (!read)
            return read.error();
        before = std::move(*read);
    }
    if (backups) {
        auto saved = saveBackupOnQueue(*backups, *before);
        if (!saved)
            return saved.error();
        prepared.backupPath = *saved;
    }
    prepared.image =
        before ? outgoingCodeplug(*before, image, settings.recordsOnly, settings.keepIdentity)
               : image;
    if (before) {
        const QList<ChangeGroup> groups = summaryGroups(*before, prepared.image, dirty);
        postToMain([this, groups] { Q_EMIT writeSummaryReady(groups); });
    }
    prepared.plan = planWrite(before, prepared.image, dirty, wholeRegions);
    prepared.baseline = std::move(before);
    return prepared;
}

void RadioController::scheduleVerificationOnQueue(const CodeplugImage& image,
                                                  const RegionSet& dirty,
                                                  const PreparedWrite& prepared) {
    PendingVerification pending;
    pending.image = image;
    pending.regions = dirty;
    pending.backupPath = prepared.backupPath;
    pending.flashSerial = m_link->firmware.flashChipSerial;
    if (prepared.baseline) {
        pending.after = imageAfterWrite(*prepared.baseline, image, dirty);
        // Asked for whole regions, the read-back is the one of whole regions too.
        if (!prepared.wholeRegionsAsked)
            pending.blocks = prepared.plan.verifyBlocks;
    } else {
        // When every region of the family was written, the radio holds
        // exactly the image once it matches.
        const CodeplugLayout& layout = layoutForVariant(m_link->interface->variant());
        if (image.variant == m_link->interface->variant() && image.regions == layout.regions &&
            int(dirty.size()) == layout.regions.size())
            pending.after = image;
    }
    postToMain([this, pending] {
        m_pendingVerification = pending;
        // The auto-connect chain can end without giving up (a connect attempt
        // still running when its next step is due, and then failing), so the
        // verification keeps its own deadline rather than waiting for ever.
        const int generation = ++m_verificationGeneration;
        QTimer::singleShot(int(std::lround(kReconnectWindowSeconds * 1000.0 * m_tuning.timeScale)),
                           this, [this, generation] {
                               if (generation == m_verificationGeneration)
                                   abandonPendingVerification(notReconnectedText());
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

namespace {

// What a read-back reads, and what each piece must hold: the written
// regions whole (as long as what was sent of them), or the planned blocks
// against what the radio holds after the write.
struct ReadBackPieces {
    QList<CodeplugRegion> pieces;
    QList<QByteArray> expected;
};

ReadBackPieces readBackPieces(const CodeplugImage& sent, const RegionSet& regions,
                              const QList<VerifyBlock>& blocks,
                              const std::optional<CodeplugImage>& after) {
    ReadBackPieces read;
    if (blocks.isEmpty()) {
        for (int index : regions) {
            CodeplugRegion region = sent.regions[index];
            region.length = int(sent.blobs[index].size());
            read.pieces.append(region);
            read.expected.append(sent.blobs[index]);
        }
        return read;
    }
    for (const VerifyBlock& block : blocks) {
        read.pieces.append({block.bank, block.address, block.length});
        read.expected.append(
            readBytes(*after, block.bank, block.address, block.length).value_or(QByteArray()));
    }
    return read;
}

// The region of `sent` holding an address; a block of a flash sector the
// write opened may lie in a region that was not to be written.
int regionHolding(const CodeplugImage& sent, const RegionSet& written, Bank bank,
                  std::uint32_t address) {
    for (qsizetype i = 0; i < sent.regions.size(); ++i) {
        const CodeplugRegion& region = sent.regions[i];
        if (region.bank == bank && address >= region.address &&
            address < region.address + std::uint32_t(region.length))
            return int(i);
    }
    return written.empty() ? 0 : *written.begin();
}

// Where a read-back first differs from what was expected, and every region
// to write again: the written ones and each other one that differs.
struct ReadBackMismatch {
    Bank bank = Bank::eeprom;
    std::uint32_t address = 0;
    RegionSet retry;
};

std::optional<ReadBackMismatch> readBackMismatch(const ReadBackPieces& read,
                                                 const QList<QByteArray>& held,
                                                 const CodeplugImage& sent,
                                                 const RegionSet& written) {
    std::optional<ReadBackMismatch> mismatch;
    RegionSet retry = written;
    for (qsizetype p = 0; p < read.pieces.size(); ++p) {
        const CodeplugRegion& piece = read.pieces[p];
        const QByteArray& expected = read.expected[p];
        const QByteArray& got = held.at(p);
        for (qsizetype i = 0; i < piece.length; ++i) {
            if (i < expected.size() && i < got.size() && got.at(i) == expected.at(i))
                continue;
            const std::uint32_t address = piece.address + std::uint32_t(i);
            if (!mismatch)
                mismatch = ReadBackMismatch{piece.bank, address, {}};
            retry.insert(regionHolding(sent, written, piece.bank, address));
            break;
        }
    }
    if (mismatch)
        mismatch->retry = std::move(retry);
    return mismatch;
}

QString mismatchText(const ReadBackMismatch& mismatch, int region, const QString& backupPath) {
    QString message =
        QCoreApplication::translate("nerka::RadioController",
                                    "Verification failed: region %1 on the radio differs from what "
                                    "was written, first at %2 address %3. ")
            .arg(QString::number(region), QLatin1String(bankKey(mismatch.bank)),
                 hexAddress(mismatch.address));
    message += backupPath.isEmpty()
                   ? QCoreApplication::translate("nerka::RadioController",
                                                 "No backup was taken before the write.")
                   : QCoreApplication::translate(
                         "nerka::RadioController",
                         "The radio's codeplug from before the write is in the backup %1.")
                         .arg(backupPath);
    return message;
}

} // namespace

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
    frame.workingText = tr("Verifying the write…");
    // Started right after a connection; a disconnect queued before it says
    // that the radio is not back.
    frame.needsLink = false;
    runDeviceOperation(frame, [this, pending] { return verifyWriteOnQueue(pending); });
    return true;
}

RadioController::DeviceOutcome
RadioController::verifyWriteOnQueue(const PendingVerification& pending) {
    if (!m_link)
        return DeviceOutcome::failed(OperationErrorKind::notConnected, notReconnectedText(),
                                     Status::disconnected());
    OpenGD77Interface& radio = *m_link->interface;
    const std::uint32_t serial = m_link->firmware.flashChipSerial;
    if (serial != pending.flashSerial)
        return DeviceOutcome::failed(OperationErrorKind::refused,
                                     tr("Could not verify: a different radio connected (flash "
                                        "serial %1, the write went to %2).")
                                         .arg(QString::asprintf("0x%08X", serial),
                                              QString::asprintf("0x%08X", pending.flashSerial)));
    const ReadBackPieces read =
        readBackPieces(pending.image, pending.regions, pending.blocks, pending.after);
    qint64 total = 0;
    for (const CodeplugRegion& piece : read.pieces)
        total += piece.length;
    auto readBack = radio.readRegions(read.pieces, [&](int done) {
        setProgress(double(done) / double(std::max<qint64>(total, 1)));
    });
    if (!readBack)
        return DeviceOutcome::failed(
            readBack.error(), tr("Could not verify: %1").arg(readBack.error().description()));
    if (const auto mismatch = readBackMismatch(read, *readBack, pending.image, pending.regions)) {
        const int region =
            regionHolding(pending.image, pending.regions, mismatch->bank, mismatch->address);
        // The written regions, and every other one that differs, count
        // as unwritten again, so the next write retries them.
        postToMain([this, pending, retry = mismatch->retry] {
            if (m_document.image() && m_document.image()->regions == pending.image.regions)
                m_document.markRegionsChanged(retry);
        });
        return DeviceOutcome::failed(OperationErrorKind::mismatch,
                                     mismatchText(*mismatch, region, pending.backupPath));
    }
    // The radio holds what the write left: the next write needs no read of its own.
    if (pending.after) {
        m_link->codeplugAsRead = *pending.after;
        keepBaseline(KeptBaseline{*pending.after, serial});
        postToMain([this, image = *pending.after] { m_radioImage = image; });
    }
    const int count = int(pending.regions.size());
    return DeviceOutcome::done([this, count, pending] {
        m_document.markWritten(pending.image, pending.regions, pending.flashSerial);
        assignProgress(1.0);
        assignStatus(Status::connected());
        appendLogLine(tr("Verified: %n region(s) match the radio.", nullptr, count));
    });
}

void RadioController::keepBaseline(std::optional<KeptBaseline> baseline) {
    m_keptBaseline = baseline;
    postToMain([this, baseline = std::move(baseline)] { m_keptBaselineMirror = baseline; });
}

std::optional<QList<ChangeGroup>> RadioController::pendingWriteChanges() const {
    if (!m_document.image())
        return std::nullopt;
    // What the radio was last known to hold counts while the connected radio
    // is the same one (a reconnect after a reboot, a DMR database write): the
    // write itself checks the blocks it touches before it trusts it.
    const CodeplugImage* radio = m_radioImage ? &*m_radioImage : nullptr;
    if (!radio && m_keptBaselineMirror && m_firmware &&
        m_firmware->flashChipSerial == m_keptBaselineMirror->flashSerial &&
        m_keptBaselineMirror->image.variant == m_document.image()->variant)
        radio = &m_keptBaselineMirror->image;
    if (!radio)
        return std::nullopt;
    return summaryGroups(
        *radio,
        outgoingCodeplug(*radio, *m_document.image(), m_document.isNew(), keepRadioIdentity()),
        regionsToWrite());
}

EditResult RadioController::restoreBackup(const QString& path) {
    Q_ASSERT(onMainThread());
    auto opened = readCodeplugFileImage(path);
    if (!opened)
        return recordFileResult(EditResult::refused(RefusalKind::invalid, opened.error()));
    m_document.load(*opened, decodeImage(*opened));
    // No document location: saving asks where, and never overwrites the backup.
    assignDocumentURL(std::nullopt);
    ChangeSet all;
    all.replaced = true;
    return recordFileResult(EditResult::done(
        all, tr("Backup opened: %1 — %n region(s) will be written with the next write.", nullptr,
                int(m_document.dirtyRegions().size()))
                 .arg(QFileInfo(path).fileName())));
}

} // namespace nerka
