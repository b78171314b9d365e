// Moving the codeplug between the radio, memory and files.

#include "controller/ControllerLink.h"
#include "controller/RadioController.h"

#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"
#include "link/RadioType.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace nerka {

namespace {

constexpr int kBlockSize = 32;
constexpr int kFlashAlignment = 32; // a flash piece must not cross a sector boundary

const QString kNotConnected = QStringLiteral("Nicht verbunden.");
const QString kReading = QStringLiteral("Reading codeplug…");
const QString kWriting = QStringLiteral("Writing changes…");

const QByteArray kCloseTransferScreen("C\x05", 2);
const QByteArray kReboot("C\x06\x01", 3);

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
            if (auto closed = radio.sendCommand(kCloseTransferScreen); !closed)
                return closed.error();
            return std::nullopt;
        };
        if (auto error = transfer()) {
            (void)radio.sendCommand(kCloseTransferScreen);
            reportFailure(error->description(), Status::connected());
            return;
        }
        const DecodedImage decoded = decodeImage(image);
        postToMain([this, image, decoded] {
            applyDecodedImage(image, decoded);
            clearUndoHistory();
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
    assignStatus(Status::working(kWriting));
    assignProgress(0.0);
    // The regions as they are now: edits made while the task runs do not
    // change what is sent.
    const CodeplugImage image = *m_image;
    postToQueue([this, image, dirty] {
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
                    if (radio.currentSector() >= 0) {
                        if (auto committed = radio.commitFlashSector(); !committed)
                            return committed.error();
                        radio.setCurrentSector(-1);
                    }
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
            if (radio.currentSector() >= 0) {
                if (auto committed = radio.commitFlashSector(); !committed)
                    return committed.error();
                radio.setCurrentSector(-1);
            }
            if (auto closed = radio.sendCommand(kCloseTransferScreen); !closed)
                return closed.error();
            return std::nullopt;
        };
        if (auto error = transfer())
            return reportWriteFailure(error->description());
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
        (void)m_link->interface->sendCommand(kReboot);
    dropLinkOnQueue();
    postToMain([this] {
        assignStatus(Status::disconnected());
        assignFirmware(std::nullopt);
        reconnectAfterReboot();
    });
}

void RadioController::reportWriteFailure(const QString& description) {
    // Commit what the sector buffer holds, then close the transfer screen.
    // The close is skipped only when the commit gets no answer at all (the
    // radio is silent or gone): a radio that answers the commit wrongly, for
    // example because the failed request already committed the sector, still
    // takes the close and leaves its transfer screen.
    OpenGD77Interface& radio = *m_link->interface;
    bool answering = true;
    if (radio.currentSector() >= 0) {
        const auto committed = radio.commitFlashSector();
        answering = committed.ok() || committed.error().interfaceError() != nullptr;
        if (committed)
            radio.setCurrentSector(-1);
    }
    if (answering)
        (void)radio.sendCommand(kCloseTransferScreen);
    reportFailure(description, Status::connected());
}

void RadioController::openCodeplugFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportError(file.errorString());
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        reportError(file.errorString());
        return;
    }
    auto decodedFile = decodeCodeplugFile(bytes);
    if (const auto* error = std::get_if<CodeplugError>(&decodedFile)) {
        reportError(error->description());
        return;
    }
    const CodeplugImage image = std::get<CodeplugImage>(std::move(decodedFile));
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
    // Written to a temporary file and renamed over the target on success, so
    // a failure leaves any file already there untouched.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reportError(file.errorString());
        return;
    }
    const QByteArray bytes = encodeCodeplugFile(*m_image);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString message = file.errorString();
        file.cancelWriting();
        reportError(message);
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
