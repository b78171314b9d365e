// Moving the codeplug between the radio, memory and files.

#include "controller/ControllerLink.h"
#include "controller/FileStore.h"
#include "controller/RadioController.h"

#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"
#include "link/RadioType.h"

#include <QFileInfo>

#include <algorithm>

namespace nerka {

namespace {

constexpr int kFlashAlignment = 32; // a flash piece must not cross a sector boundary

const QString kReading = QStringLiteral("Reading codeplug…");
const QString kWriting = QStringLiteral("Writing changes…");

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
                ? QStringLiteral("the ") + familyText(image.variant) + QStringLiteral(" family")
                : QStringLiteral("no radio family");
        return QStringLiteral("The codeplug is for ") + imageFamily +
               QStringLiteral(", but the connected radio is ") + familyText(radioFamily) +
               QStringLiteral(" family. Nothing was written.");
    }
    for (int index : dirty) {
        const CodeplugRegion& region = image.regions[index];
        if (region.bank == Bank::flash && region.address % kFlashAlignment != 0)
            return QStringLiteral("Region ") + QString::number(index + 1) +
                   QStringLiteral(" starts at flash address 0x") +
                   QString::number(region.address, 16).toUpper() +
                   QStringLiteral(", which the radio cannot write. Nothing was written.");
    }
    // Only the family's own regions go out: a damaged or crafted file must
    // not write outside the codeplug, nor more than the region holds.
    const QList<CodeplugRegion>& known = layoutForVariant(radioFamily).regions;
    for (int index : dirty) {
        const CodeplugRegion& region = image.regions[index];
        if (!known.contains(region) || image.blobs.value(index).size() != region.length)
            return QStringLiteral("Region ") + QString::number(index + 1) + QStringLiteral(" (") +
                   (region.bank == Bank::flash ? QStringLiteral("flash")
                                               : QStringLiteral("EEPROM")) +
                   QStringLiteral(" 0x") + QString::number(region.address, 16).toUpper() +
                   QStringLiteral(", ") + QString::number(region.length) +
                   QStringLiteral(" bytes) is not a region of the ") + familyText(radioFamily) +
                   QStringLiteral(" codeplug. Nothing was written.");
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
    frame.workingText = kReading;
    runDeviceOperation(frame, [this]() -> DeviceOutcome {
        OpenGD77Interface& radio = *m_link->interface;
        const RadioVariant variant = radio.variant();
        const CodeplugLayout& layout = layoutForVariant(variant);
        qint64 total = 0;
        for (const CodeplugRegion& region : layout.regions)
            total += region.length;
        log(QStringLiteral("Lese Codeplug (") + QString::number(total / 1024) +
            QStringLiteral(" KB, ") + familyText(variant) + QStringLiteral("-Layout)…"));

        auto read = readWholeCodeplug(radio, [this](double f) { setProgress(f); });
        if (!read)
            return DeviceOutcome::failed(read.error());
        const CodeplugImage image = std::move(*read);
        m_link->codeplugAsRead = image;
        const DecodedImage decoded = decodeImage(image);
        return DeviceOutcome::done([this, image, decoded] {
            applyDecodedImage(image, decoded);
            m_document.setBaseline(image);
            m_radioImage = image;
            assignProgress(1.0);
            assignStatus(Status::connected());
            assignDocumentURL(std::nullopt);
            appendLogLine(QStringLiteral("Codeplug read: ") + QString::number(channels().size()) +
                          QStringLiteral(" channels, ") + QString::number(contacts().size()) +
                          QStringLiteral(" contacts, ") + QString::number(talkgroups().size()) +
                          QStringLiteral(" talkgroups, ") + QString::number(zones().size()) +
                          QStringLiteral(" zones."));
        });
    });
}

void RadioController::writeChanges() {
    DeviceFrame frame;
    frame.operation = DeviceOperation::writeCodeplug;
    frame.workingText = kWriting;
    // Without an image there is nothing a radio could be written from.
    if (!image()) {
        frame.check = [] {
            return std::optional(OperationResult::failure(
                DeviceOperation::writeCodeplug, OperationErrorKind::notConnected, kNotConnected));
        };
        return runDeviceOperation(frame, {});
    }
    const RegionSet dirty = dirtyRegions(); // ascending
    // The regions as they are now: edits made while the task runs do not
    // change what is sent.
    const CodeplugImage image = *this->image();
    frame.check = [this, &image, &dirty]() -> std::optional<OperationResult> {
        if (dirty.empty())
            return OperationResult::success(DeviceOperation::writeCodeplug);
        if (m_firmware) {
            if (auto refusal = writeRefusal(image, radioVariant(m_firmware->radioType), dirty))
                return OperationResult::failure(DeviceOperation::writeCodeplug,
                                                OperationErrorKind::refused, *refusal);
        }
        m_stopRequested = false;
        return std::nullopt;
    };
    std::optional<CodeplugBackups> backups;
    if (m_backupBeforeWrite)
        backups = m_backups;
    const bool verify = m_verifyAfterWrite;
    runDeviceOperation(frame, [this, image, dirty, backups, verify]() -> DeviceOutcome {
        OpenGD77Interface& radio = *m_link->interface;
        // The radio's own family decides, also for a write started before the
        // firmware was known on the main thread.
        if (auto refusal = writeRefusal(image, radio.variant(), dirty))
            return DeviceOutcome::failed(OperationErrorKind::refused, *refusal);
        updateWriteSteps([backup = backups.has_value(), verify](WriteSteps& steps) {
            steps.begin(backup, verify);
            steps.start(backup ? WriteStep::backup : WriteStep::write);
        });
        auto prepared = prepareWriteOnQueue(image, dirty, backups);
        if (!prepared)
            return prepared.error();
        qint64 total = 0;
        for (int index : dirty)
            total += image.regions[index].length;
        log(QStringLiteral("Writing ") + QString::number(dirty.size()) +
            QStringLiteral(" changed region(s) (") + QString::number(total / 1024) +
            QStringLiteral(" KB)…"));

        updateWriteSteps([](WriteSteps& steps) { steps.start(WriteStep::write); });
        const auto transfer = [&]() -> std::optional<LinkError> {
            if (auto shown =
                    radio.showTransferScreen(QStringLiteral("Writing"), QStringLiteral("Codeplug"));
                !shown)
                return shown.error();
            qint64 done = 0;
            for (int index : dirty) {
                const CodeplugRegion& region = image.regions[index];
                const QByteArray& bytes = image.blobs[index];
                if (region.bank == Bank::flash) {
                    const qint64 before = done;
                    auto written = radio.writeFlash(region.address, bytes, [&](int n) {
                        setProgress(double(before + n) / double(total));
                    });
                    if (!written)
                        return written.error();
                } else {
                    // An EEPROM region never interleaves with an open flash sector.
                    if (auto committed = radio.commitOpenSector(); !committed)
                        return committed.error();
                    for (int offset = 0; offset < region.length; offset += kBlockSize) {
                        const int end = std::min(offset + kBlockSize, region.length);
                        auto written = radio.writeEEPROM(region.address + std::uint32_t(offset),
                                                         bytes.mid(offset, end - offset));
                        if (!written)
                            return written.error();
                        setProgress(double(done + end) / double(total));
                    }
                }
                done += region.length;
            }
            if (auto finished = radio.finishTransfer(); !finished)
                return finished.error();
            return std::nullopt;
        };
        if (auto error = transfer())
            return writeFailure(*error);
        updateWriteSteps([count = dirty.size(), total, verify](WriteSteps& steps) {
            steps.complete(WriteStep::write, QString::number(count) +
                                                 QStringLiteral(" region(s), ") +
                                                 QString::number(total / 1024) +
                                                 QStringLiteral(" KB"));
            // Without a read-back the reboot command is the last step.
            if (verify)
                steps.start(WriteStep::reboot);
            else
                steps.complete(WriteStep::reboot);
        });
        if (verify)
            scheduleVerificationOnQueue(image, dirty, prepared->backupPath);
        rebootAndDisconnect();
        return DeviceOutcome::done([this, image, dirty] {
            publishReboot();
            assignProgress(1.0);
            m_document.markWritten(image, dirty);
            appendLogLine(QStringLiteral("Changes written. Device is rebooting — disconnected."));
        });
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

RadioController::DeviceOutcome RadioController::writeFailure(const LinkError& error) {
    // Commit what the sector buffer holds, then close the transfer screen;
    // when even the commit fails the radio is not answering and the close is
    // skipped.
    (void)m_link->interface->finishTransfer();
    return DeviceOutcome::failed(error);
}

std::optional<CodeplugImage> RadioController::readCodeplugFileImage(const QString& path) {
    auto read = FileStore::read(path, FileStore::Kind::codeplug);
    if (const auto* failure = std::get_if<QString>(&read)) {
        reportError(*failure);
        return std::nullopt;
    }
    auto decodedFile = decodeCodeplugFile(std::get<QByteArray>(read));
    if (const auto* error = std::get_if<CodeplugError>(&decodedFile)) {
        reportError(error->description());
        return std::nullopt;
    }
    return std::get<CodeplugImage>(std::move(decodedFile));
}

void RadioController::openCodeplugFile(const QString& path) {
    const auto opened = readCodeplugFileImage(path);
    if (!opened)
        return;
    const CodeplugImage& image = *opened;
    assignDocumentURL(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    const DecodedImage decoded = decodeImage(image);
    postToMain([this, image, decoded] {
        applyDecodedImage(image, decoded);
    });
    log(QStringLiteral("File loaded: ") + QFileInfo(path).fileName() + QStringLiteral(" (") +
        familyText(image.variant) + QStringLiteral(")"));
}

void RadioController::saveCodeplugFile(const QString& path) {
    if (!image()) {
        reportError(QStringLiteral("No codeplug loaded."));
        return;
    }
    // Atomic: a failure leaves any file already there untouched.
    if (auto failure = FileStore::write(path, encodeCodeplugFile(*image()))) {
        reportError(*failure);
        return;
    }
    assignDocumentURL(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    log(QStringLiteral("Gespeichert: ") + QFileInfo(path).fileName());
}

void RadioController::markRegionsChanged(const RegionSet& regions) {
    m_document.markRegionsChanged(regions);
}

} // namespace nerka
