// Moving the codeplug between the radio, memory and files.

#include "controller/ControllerLink.h"
#include "controller/FileStore.h"
#include "controller/RadioController.h"

#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"
#include "link/MemoryBlock.h"
#include "link/RadioType.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace nerka {

namespace {

constexpr int kFlashAlignment = 32; // a flash piece must not cross a sector boundary

QString readingText() {
    return QCoreApplication::translate("nerka::RadioController", "Reading codeplug…");
}
QString writingText() {
    return QCoreApplication::translate("nerka::RadioController", "Writing changes…");
}
QString nothingToWriteText() {
    return QCoreApplication::translate("nerka::RadioController",
                                       "Nothing to write: the radio already holds this codeplug.");
}

QString familyText(std::optional<RadioVariant> variant) {
    if (!variant)
        return QStringLiteral("?");
    return *variant == RadioVariant::uv380 ? QStringLiteral("UV380") : QStringLiteral("GD77");
}

// Why an image must not go to the connected radio, or nothing when it may.
// The image's regions sit at the addresses of its own family; sent to a radio
// of the other family they would land on unrelated memory.
std::optional<QString> writeRefusal(const CodeplugImage& image, RadioVariant radioFamily,
                                    const RegionSet& dirty) {
    if (image.variant != radioFamily) {
        const QString imageFamily =
            image.variant
                ? QCoreApplication::translate("nerka::RadioController", "the %1 family")
                      .arg(familyText(image.variant))
                : QCoreApplication::translate("nerka::RadioController", "no radio family");
        return QCoreApplication::translate("nerka::RadioController",
                                           "The codeplug is for %1, but the connected radio is %2 "
                                           "family. Nothing was written.")
            .arg(imageFamily, familyText(radioFamily));
    }
    for (int index : dirty) {
        const CodeplugRegion& region = image.regions[index];
        if (region.bank == Bank::flash && region.address % kFlashAlignment != 0)
            return QCoreApplication::translate("nerka::RadioController",
                                               "Region %1 starts at flash address 0x%2, which the "
                                               "radio cannot write. Nothing was written.")
                .arg(index + 1)
                .arg(QString::number(region.address, 16).toUpper());
    }
    // Only the family's own regions go out: a damaged or crafted file must
    // not write outside the codeplug, nor more than the region holds.
    const QList<CodeplugRegion>& known = layoutForVariant(radioFamily).regions;
    for (int index : dirty) {
        const CodeplugRegion& region = image.regions[index];
        if (!known.contains(region) || image.blobs.value(index).size() != region.length)
            return QCoreApplication::translate("nerka::RadioController",
                                               "Region %1 (%2 0x%3, %4 bytes) is not a region of "
                                               "the %5 codeplug. Nothing was written.")
                .arg(index + 1)
                .arg(region.bank == Bank::flash ? QStringLiteral("flash")
                                                : QStringLiteral("EEPROM"))
                .arg(QString::number(region.address, 16).toUpper())
                .arg(region.length)
                .arg(familyText(radioFamily));
    }
    return std::nullopt;
}

} // namespace

Result<CodeplugImage, LinkError> readWholeCodeplug(OpenGD77Interface& radio,
                                                   const std::function<void(double)>& progress) {
    const CodeplugLayout& layout = layoutForVariant(radio.variant());
    qint64 total = 0;
    for (const CodeplugRegion& region : layout.regions)
        total += region.length;
    auto blobs = radio.readRegions(layout.regions,
                                   [&](int done) { progress(double(done) / double(total)); });
    if (!blobs)
        return blobs.error();
    CodeplugImage image;
    image.variant = radio.variant();
    image.regions = layout.regions;
    image.blobs = std::move(*blobs);
    return image;
}

void RadioController::readCodeplug() {
    DeviceFrame frame;
    frame.operation = DeviceOperation::readCodeplug;
    frame.workingText = readingText();
    runDeviceOperation(frame, [this]() -> DeviceOutcome {
        OpenGD77Interface& radio = *m_link->interface;
        const RadioVariant variant = radio.variant();
        const CodeplugLayout& layout = layoutForVariant(variant);
        qint64 total = 0;
        for (const CodeplugRegion& region : layout.regions)
            total += region.length;
        logLine(tr("Lese Codeplug (%1 KB, %2)…")
                    .arg(total / 1024)
                    .arg(tr("%1-Layout").arg(familyText(variant))));

        auto read = readWholeCodeplug(radio, [this](double f) { setProgress(f); });
        if (!read)
            return DeviceOutcome::failed(read.error());
        const CodeplugImage image = std::move(*read);
        m_link->codeplugAsRead = image;
        keepBaseline(KeptBaseline{image, m_link->firmware.flashChipSerial});
        const DecodedImage decoded = decodeImage(image);
        const std::uint32_t serial = m_link->firmware.flashChipSerial;
        return DeviceOutcome::done([this, image, decoded, serial] {
            m_document.load(image, decoded);
            m_document.setBaseline(image, serial);
            m_radioImage = image;
            assignProgress(1.0);
            assignStatus(Status::connected());
            assignDocumentURL(std::nullopt);
            appendLogLine(tr("Codeplug read: %1 channels, %2 contacts, %3 talkgroups, %4 zones.")
                              .arg(m_document.channels().size())
                              .arg(m_document.contacts().size())
                              .arg(m_document.talkgroups().size())
                              .arg(m_document.zones().size()));
        });
    });
}

namespace {

// The data of the plan's EEPROM and sector-buffer writes, in sending order.
QList<MemoryBlock> planBlocks(const WritePlan& plan, const CodeplugImage& image) {
    QList<MemoryBlock> blocks;
    for (const WriteRequest& request : plan.requests) {
        if (request.kind != WriteRequest::Kind::eepromWrite &&
            request.kind != WriteRequest::Kind::flashBufferWrite)
            continue;
        const CodeplugRegion& region = image.regions[request.regionIndex];
        blocks.append({region.bank, request.address,
                       image.blobs[request.regionIndex].mid(
                           qsizetype(request.address - region.address), request.length)});
    }
    return blocks;
}

// "Sending 2 of 767 block(s): 0 EEPROM, 2 into 1 flash sector(s)." and why
// regions go whole, for the log.
QString planText(const WritePlan& plan) {
    int total = 0;
    QStringList whole;
    for (const RegionWritePlan& region : plan.regions) {
        total += region.blockCount;
        switch (region.whole) {
        case WholeRegionReason::none:
            break;
        case WholeRegionReason::noBaseline:
        case WholeRegionReason::notInBaseline:
            whole.append(
                QCoreApplication::translate("nerka::RadioController",
                                            "region %1 whole: the radio's copy is not known")
                    .arg(region.regionIndex));
            break;
        case WholeRegionReason::mostBlocksChanged:
            whole.append(QCoreApplication::translate("nerka::RadioController",
                                                     "region %1 whole: most of it changed")
                             .arg(region.regionIndex));
            break;
        case WholeRegionReason::forced:
            whole.append(
                QCoreApplication::translate("nerka::RadioController", "region %1 whole, as asked")
                    .arg(region.regionIndex));
            break;
        }
    }
    QString text = QCoreApplication::translate(
                       "nerka::RadioController",
                       "Sending %1 of %2 block(s): %3 EEPROM, %4 into %5 flash sector(s).")
                       .arg(plan.eepromWrites + plan.bufferWrites)
                       .arg(total)
                       .arg(plan.eepromWrites)
                       .arg(plan.bufferWrites)
                       .arg(plan.sectorsOpened);
    if (!whole.isEmpty())
        text += QStringLiteral(" (") + whole.join(QStringLiteral("; ")) + QStringLiteral(")");
    return text;
}

// Sends the blocks (`sendingBytes` in all) inside the radio's transfer
// screen; `progress` over them. The link's error when a step fails.
std::optional<LinkError> sendCodeplugBlocks(OpenGD77Interface& radio,
                                            const QList<MemoryBlock>& blocks, qint64 sendingBytes,
                                            const std::function<void(double)>& progress) {
    if (auto shown =
            radio.showTransferScreen(QStringLiteral("Writing"), QStringLiteral("Codeplug"));
        !shown)
        return shown.error();
    auto written = radio.writeBlocks(blocks, [&](int done) {
        progress(double(done) / double(std::max<qint64>(sendingBytes, 1)));
    });
    if (!written)
        return written.error();
    if (auto finished = radio.finishTransfer(); !finished)
        return finished.error();
    return std::nullopt;
}

} // namespace

void RadioController::writeChanges() {
    DeviceFrame frame;
    frame.operation = DeviceOperation::writeCodeplug;
    frame.workingText = writingText();
    // Without an image there is nothing a radio could be written from.
    if (!m_document.image()) {
        frame.check = [] {
            return std::optional(OperationResult::failure(DeviceOperation::writeCodeplug,
                                                          OperationErrorKind::notConnected,
                                                          notConnectedText()));
        };
        return runDeviceOperation(frame, {});
    }
    // Another radio than the codeplug's, or a new codeplug: every region, planned
    // against what that radio holds.
    const RegionSet dirty = regionsToWrite(); // ascending
    // The regions as they are now: edits made while the task runs do not
    // change what is sent.
    const CodeplugImage image = *m_document.image();
    frame.check = [this, &image, &dirty]() -> std::optional<OperationResult> {
        if (dirty.empty()) {
            appendLogLine(nothingToWriteText());
            return OperationResult::success(DeviceOperation::writeCodeplug);
        }
        if (m_firmware) {
            if (auto refusal = writeRefusal(image, radioVariant(m_firmware->radioType), dirty))
                return OperationResult::failure(DeviceOperation::writeCodeplug,
                                                OperationErrorKind::refused, *refusal);
        }
        m_stopRequested = false;
        return std::nullopt;
    };
    WriteSettings settings;
    if (m_backupBeforeWrite)
        settings.backups = m_backups;
    settings.verify = m_verifyAfterWrite;
    settings.wholeRegions = m_wholeRegionWrites || m_preferences.writeWholeRegions();
    settings.recordsOnly = m_document.isNew();
    settings.keepIdentity = keepRadioIdentity();
    // Asked for one write: the next one follows its own radio again.
    m_keepRadioIdentity.reset();
    settings.readRadio = settings.recordsOnly || settings.keepIdentity || connectedToOtherRadio();
    runDeviceOperation(frame, [this, image, dirty, settings] {
        return writeChangesOnQueue(image, dirty, settings);
    });
}

RadioController::DeviceOutcome RadioController::nothingToWriteOnQueue(const CodeplugImage& image,
                                                                      const RegionSet& dirty,
                                                                      bool recordsOnly,
                                                                      std::uint32_t serial) {
    // The radio already holds every dirty region: no screen, no reboot.
    logLine(nothingToWriteText());
    updateWriteSteps([](WriteSteps& steps) {
        steps.complete(WriteStep::write, nothingToWriteText());
        steps.skip(WriteStep::reboot);
        steps.skip(WriteStep::verify);
    });
    return DeviceOutcome::done([this, image, dirty, recordsOnly, serial] {
        assignProgress(1.0);
        assignStatus(Status::connected());
        if (recordsOnly)
            m_document.adoptWritten(image);
        m_document.markWritten(image, dirty, serial);
    });
}

RadioController::DeviceOutcome RadioController::writeChangesOnQueue(const CodeplugImage& codeplug,
                                                                    const RegionSet& dirty,
                                                                    const WriteSettings& settings) {
    OpenGD77Interface& radio = *m_link->interface;
    // The radio's own family decides, also for a write started before the
    // firmware was known on the main thread.
    if (auto refusal = writeRefusal(codeplug, radio.variant(), dirty))
        return DeviceOutcome::failed(OperationErrorKind::refused, *refusal);
    const bool backup = settings.backups.has_value();
    const bool verify = settings.verify;
    updateWriteSteps([backup, verify](WriteSteps& steps) {
        steps.begin(backup, verify);
        steps.start(backup ? WriteStep::backup : WriteStep::write);
    });
    auto prepared = prepareWriteOnQueue(codeplug, dirty, settings);
    if (!prepared)
        return prepared.error();
    const WritePlan& plan = prepared->plan;
    // What goes out: the codeplug, shaped for this radio.
    const CodeplugImage& image = prepared->image;
    const bool recordsOnly = settings.recordsOnly;
    const std::uint32_t serial = m_link->firmware.flashChipSerial;
    if (plan.nothingToWrite())
        return nothingToWriteOnQueue(image, dirty, recordsOnly, serial);
    // From the first byte written on, the image as read no longer describes the radio.
    m_link->codeplugAsRead.reset();
    postToMain([this] { m_radioImage.reset(); });
    // Also when the write fails: what the radio then holds is not known.
    keepBaseline(std::nullopt);

    qint64 total = 0;
    for (int index : dirty)
        total += image.regions[index].length;
    logLine(
        tr("Writing %n changed region(s) (%1 KB)…", nullptr, int(dirty.size())).arg(total / 1024));
    logLine(planText(plan));

    updateWriteSteps([](WriteSteps& steps) { steps.start(WriteStep::write); });
    const QList<MemoryBlock> blocks = planBlocks(plan, image);
    qint64 sending = 0;
    for (const MemoryBlock& block : blocks)
        sending += block.bytes.size();
    if (auto error =
            sendCodeplugBlocks(radio, blocks, sending, [this](double f) { setProgress(f); }))
        return writeFailure(*error);
    updateWriteSteps([count = blocks.size(), sending, verify](WriteSteps& steps) {
        steps.complete(WriteStep::write,
                       tr("%n block(s), %1 bytes", nullptr, int(count)).arg(sending));
        // Without a read-back the reboot command is the last step.
        if (verify)
            steps.start(WriteStep::reboot);
        else
            steps.complete(WriteStep::reboot);
    });
    if (verify)
        scheduleVerificationOnQueue(image, dirty, *prepared);
    rebootAndDisconnect();
    return DeviceOutcome::done([this, image, dirty, recordsOnly, serial] {
        publishReboot();
        assignProgress(1.0);
        if (recordsOnly)
            m_document.adoptWritten(image);
        m_document.markWritten(image, dirty, serial);
        appendLogLine(tr("Changes written. Device is rebooting — disconnected."));
    });
}

void RadioController::rebootAndDisconnect() {
    if (m_link && m_link->interface)
        (void)m_link->interface->reboot();
    dropLinkOnQueue();
}

void RadioController::publishReboot() {
    assignStatus(Status::disconnected());
    assignFirmware(std::nullopt);
    reconnectAfterReboot();
}

Result<CodeplugImage, QString> RadioController::readCodeplugFileImage(const QString& path) {
    auto read = FileStore::read(path, FileStore::Kind::codeplug);
    if (const auto* failure = std::get_if<QString>(&read))
        return *failure;
    auto decodedFile = decodeCodeplugFile(std::get<QByteArray>(read));
    if (const auto* error = std::get_if<CodeplugError>(&decodedFile))
        return error->description();
    return std::get<CodeplugImage>(std::move(decodedFile));
}

EditResult RadioController::recordFileResult(EditResult result) {
    m_activityLog.record(result);
    return result;
}

EditResult RadioController::openCodeplugFile(const QString& path) {
    Q_ASSERT(onMainThread());
    auto opened = readCodeplugFileImage(path);
    if (!opened)
        return recordFileResult(EditResult::refused(RefusalKind::invalid, opened.error()));
    const CodeplugImage& image = *opened;
    assignDocumentURL(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    m_document.load(image, decodeImage(image));
    ChangeSet all;
    all.replaced = true;
    return recordFileResult(EditResult::done(
        all,
        tr("File loaded: %1 (%2)").arg(QFileInfo(path).fileName(), familyText(image.variant))));
}

EditResult RadioController::saveCodeplugFile(const QString& path) {
    Q_ASSERT(onMainThread());
    if (!m_document.image())
        return recordFileResult(
            EditResult::refused(RefusalKind::noCodeplug, tr("No codeplug loaded.")));
    // Atomic: a failure leaves any file already there untouched.
    if (auto failure = FileStore::write(path, encodeCodeplugFile(*m_document.image())))
        return recordFileResult(EditResult::refused(RefusalKind::invalid, *failure));
    assignDocumentURL(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    return recordFileResult(
        EditResult::done({}, tr("Gespeichert: %1").arg(QFileInfo(path).fileName())));
}

void RadioController::markRegionsChanged(const RegionSet& regions) {
    m_document.markRegionsChanged(regions);
}

void RadioController::writeOnlyRegions(const RegionSet& regions) {
    m_document.writeOnly(regions);
}

} // namespace nerka
