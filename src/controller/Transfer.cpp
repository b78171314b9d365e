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

void RadioController::readCodeplug() {
    if (!hasInterface()) {
        reportError(kNotConnected);
        return;
    }
    assignStatus(Status::working(kReading));
    assignProgress(0.0);
    postToQueue([this] {
        if (!m_link) {
            // A disconnect ran first.
            reportFailure(kNotConnected, Status::disconnected());
            return;
        }
        OpenGD77Interface& radio = *m_link->interface;
        const RadioVariant variant = radio.variant();
        const CodeplugLayout& layout = layoutForVariant(variant);
        qint64 total = 0;
        for (const CodeplugRegion& region : layout.regions)
            total += region.length;
        log(QStringLiteral("Lese Codeplug (") + QString::number(total / 1024) +
            QStringLiteral(" KB, ") + familyText(variant) + QStringLiteral("-Layout)…"));

        CodeplugImage image;
        image.variant = variant;
        image.regions = layout.regions;
        const auto transfer = [&]() -> std::optional<LinkError> {
            if (auto shown = radio.showReadingScreen(); !shown)
                return shown.error();
            qint64 finished = 0;
            for (const CodeplugRegion& region : layout.regions) {
                auto bytes =
                    radio.readRange(region.bank, region.address, region.length, [&](int done) {
                        setProgress(double(finished + done) / double(total));
                    });
                if (!bytes)
                    return bytes.error();
                image.blobs.append(*bytes);
                finished += region.length;
            }
            if (auto closed = radio.closeTransferScreen(); !closed)
                return closed.error();
            return std::nullopt;
        };
        if (auto error = transfer()) {
            (void)radio.closeTransferScreen();
            reportFailure(error->description(), Status::connected());
            return;
        }
        m_link->codeplugAsRead = image;
        const DecodedImage decoded = decodeImage(image);
        postToMain([this, image, decoded] {
            applyDecodedImage(image, decoded);
            clearUndoHistory();
            m_radioImage = image;
        });
        postToMain([this] {
            assignProgress(1.0);
            assignStatus(Status::connected());
            assignDocumentURL(std::nullopt);
            appendLogLine(QStringLiteral("Codeplug read: ") + QString::number(m_channels.size()) +
                          QStringLiteral(" channels, ") + QString::number(m_contacts.size()) +
                          QStringLiteral(" contacts, ") + QString::number(m_talkgroups.size()) +
                          QStringLiteral(" talkgroups, ") + QString::number(m_zones.size()) +
                          QStringLiteral(" zones."));
        });
    });
}

void RadioController::writeChanges() {
    if (!hasInterface() || !m_image) {
        reportError(kNotConnected);
        return;
    }
    const RegionSet dirty = m_dirtyRegions; // ascending
    if (dirty.empty())
        return;
    if (m_firmware) {
        if (auto refusal = writeRefusal(*m_image, radioVariant(m_firmware->radioType), dirty)) {
            reportError(*refusal);
            return;
        }
    }
    m_stopRequested = false;
    assignStatus(Status::working(kWriting));
    assignProgress(0.0);
    // The regions as they are now: edits made while the task runs do not
    // change what is sent.
    const CodeplugImage image = *m_image;
    std::optional<CodeplugBackups> backups;
    if (m_backupBeforeWrite)
        backups = m_backups;
    const bool verify = m_verifyAfterWrite;
    postToQueue([this, image, dirty, backups, verify] {
        if (!m_link) {
            reportFailure(kNotConnected, Status::disconnected());
            return;
        }
        OpenGD77Interface& radio = *m_link->interface;
        // The radio's own family decides, also for a write started before the
        // firmware was known on the main thread.
        if (auto refusal = writeRefusal(image, radio.variant(), dirty)) {
            reportFailure(*refusal, Status::connected());
            return;
        }
        const auto prepared = prepareWriteOnQueue(image, dirty, backups);
        if (!prepared) {
            reportFailure(prepared.error(), Status::connected());
            return;
        }
        qint64 total = 0;
        for (int index : dirty)
            total += image.regions[index].length;
        log(QStringLiteral("Writing ") + QString::number(dirty.size()) +
            QStringLiteral(" changed region(s) (") + QString::number(total / 1024) +
            QStringLiteral(" KB)…"));

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
            return reportWriteFailure(error->description());
        if (verify)
            scheduleVerificationOnQueue(image, dirty, prepared->backupPath);
        rebootAndDisconnect();
        postToMain([this] {
            assignProgress(1.0);
            assignDirtyRegions({});
            appendLogLine(QStringLiteral("Changes written. Device is rebooting — disconnected."));
        });
    });
}

void RadioController::rebootAndDisconnect() {
    if (m_link && m_link->interface)
        (void)m_link->interface->reboot();
    dropLinkOnQueue();
    postToMain([this] {
        assignStatus(Status::disconnected());
        assignFirmware(std::nullopt);
        reconnectAfterReboot();
    });
}

void RadioController::reportWriteFailure(const QString& description) {
    // Commit what the sector buffer holds, then close the transfer screen;
    // when even the commit fails the radio is not answering and the close is
    // skipped.
    (void)m_link->interface->finishTransfer();
    reportFailure(description, Status::connected());
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
        clearUndoHistory();
    });
    log(QStringLiteral("File loaded: ") + QFileInfo(path).fileName() + QStringLiteral(" (") +
        familyText(image.variant) + QStringLiteral(")"));
}

void RadioController::saveCodeplugFile(const QString& path) {
    if (!m_image) {
        reportError(QStringLiteral("No codeplug loaded."));
        return;
    }
    // Atomic: a failure leaves any file already there untouched.
    if (auto failure = FileStore::write(path, encodeCodeplugFile(*m_image))) {
        reportError(*failure);
        return;
    }
    assignDocumentURL(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    log(QStringLiteral("Gespeichert: ") + QFileInfo(path).fileName());
}

void RadioController::markRegionsChanged(const RegionSet& regions) {
    if (!m_image)
        return;
    RegionSet dirty = m_dirtyRegions;
    for (int index : regions) {
        if (index >= 0 && index < m_image->regions.size())
            dirty.insert(index);
    }
    assignDirtyRegions(dirty);
}

} // namespace nerka
