#include "link/OpenGD77Interface.h"

#include "link/LinkProtocol.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace nerka {

namespace {

using P = LinkProtocol;

void appendU16be(QByteArray& out, std::uint32_t value) {
    out.append(char((value >> 8) & 0xFF));
    out.append(char(value & 0xFF));
}

void appendU32be(QByteArray& out, std::uint32_t value) {
    appendU16be(out, value >> 16);
    appendU16be(out, value & 0xFFFF);
}

// Upper-case hexadecimal without leading zeros, as in "@ 0x7500".
QString hexAddress(std::uint32_t address) {
    return QString::number(address, 16).toUpper();
}

// A received byte shown as the character with that code.
QString byteChar(char byte) {
    return QString(QChar(std::uint8_t(byte)));
}

QByteArray textLine(std::uint8_t row, const QString& text) {
    QByteArray packet;
    packet.append(char(P::kCommand));
    packet.append(char(P::kTextLine));
    packet.append('\0');
    packet.append(char(row));
    packet.append(char(0x03));
    packet.append(char(0x01));
    packet.append('\0');
    QByteArray utf8 = text.toUtf8().left(P::kTextLineTextSize);
    utf8.append(P::kTextLineTextSize - utf8.size(), '\0');
    packet.append(utf8);
    return packet;
}

// A reply that did not match may leave the rest of itself (or of a stray
// byte's answer) in the port's input. Discarding it lets the next exchange on
// this connection, such as closing the transfer screen after the error, read
// its own answer instead of the leftovers.
LinkError mismatch(SerialPort* port, const QString& text) {
    if (port)
        port->flush();
    return LinkError(InterfaceError::badResponse(text));
}

QByteArray command(std::initializer_list<std::uint8_t> values) {
    QByteArray packet;
    for (auto v : values)
        packet.append(char(v));
    return packet;
}

} // namespace

OpenGD77Interface::OpenGD77Interface(std::shared_ptr<SerialPort> port, int timeoutMs)
    : m_port(std::move(port)), m_timeoutMs(timeoutMs) {}

char OpenGD77Interface::writeCommand() const {
    return char(m_variant == RadioVariant::uv380 ? P::kWriteUv380 : P::kWriteGd77);
}

OpenGD77Interface::Status OpenGD77Interface::send(const QByteArray& request) {
    if (!m_port)
        return LinkError(SerialError::notOpen());
    if (auto written = m_port->write(request, m_timeoutMs); !written)
        return LinkError(written.error());
    return {};
}

Result<QByteArray, LinkError> OpenGD77Interface::receive(int count) {
    if (!m_port)
        return LinkError(SerialError::notOpen());
    auto data = m_port->read(count, m_timeoutMs);
    if (!data)
        return LinkError(data.error());
    return std::move(data).value();
}

Result<QByteArray, LinkError> OpenGD77Interface::readRange(Bank bank, std::uint32_t address,
                                                           qint64 length,
                                                           const Progress& progress) {
    QByteArray bytes;
    bytes.reserve(qsizetype(std::max<qint64>(length, 0)) + P::kBlockSize);
    for (qint64 offset = 0; offset < length; offset += P::kBlockSize) {
        auto block = readBlock(bank, address + std::uint32_t(offset));
        if (!block)
            return block.error();
        bytes.append(*block);
        if (progress)
            progress(int(std::min<qint64>(offset + P::kBlockSize, length)));
    }
    // The last block may reach beyond the range.
    bytes.truncate(qsizetype(std::max<qint64>(length, 0)));
    return bytes;
}

Result<QList<QByteArray>, LinkError>
OpenGD77Interface::readRegions(const QList<CodeplugRegion>& regions, const Progress& progress) {
    QList<QByteArray> blobs;
    const auto transfer = [&]() -> std::optional<LinkError> {
        if (auto shown = showReadingScreen(); !shown)
            return shown.error();
        qint64 finished = 0;
        for (const CodeplugRegion& region : regions) {
            auto bytes = readRange(region.bank, region.address, region.length, [&](int done) {
                if (progress)
                    progress(int(finished + done));
            });
            if (!bytes)
                return bytes.error();
            blobs.append(std::move(*bytes));
            finished += region.length;
        }
        if (auto closed = closeTransferScreen(); !closed)
            return closed.error();
        return std::nullopt;
    };
    if (auto error = transfer()) {
        (void)closeTransferScreen();
        return *error;
    }
    return blobs;
}

Result<QByteArray, LinkError> OpenGD77Interface::readBlock(Bank bank, std::uint32_t address) {
    QByteArray request;
    request.reserve(P::kReadRequestSize);
    request.append(char(P::kRead));
    request.append(char(bank == Bank::flash ? P::kModeFlash : P::kModeEeprom));
    appendU32be(request, address);
    appendU16be(request, P::kBlockSize);
    if (auto sent = send(request); !sent)
        return sent.error();

    auto header = receive(P::kReadResponseHeaderSize);
    if (!header)
        return header.error();
    if (std::uint8_t(header->at(0)) != P::kRead)
        return mismatch(m_port.get(),
                        QCoreApplication::translate("LinkError", "Lese-Antwort Typ '%1' @ 0x%2")
                            .arg(byteChar(header->at(0)), hexAddress(address)));
    const int length = (std::uint8_t(header->at(1)) << 8) | std::uint8_t(header->at(2));
    if (length != P::kBlockSize)
        return mismatch(m_port.get(), QCoreApplication::translate(
                                          "LinkError", "Unexpected block length %1 @ 0x%2")
                                          .arg(QString::number(length), hexAddress(address)));
    return receive(P::kBlockSize);
}

OpenGD77Interface::Status OpenGD77Interface::expectAck(char command, std::uint8_t subCommand,
                                                       const QString& context) {
    auto ack = receive(P::kAckSize);
    if (!ack)
        return ack.error();
    if (ack->at(0) == command && std::uint8_t(ack->at(1)) == subCommand)
        return {};
    return mismatch(m_port.get(), QCoreApplication::translate("LinkError", "%1: Antwort '%2'")
                                      .arg(context, byteChar(ack->at(0))));
}

OpenGD77Interface::Status OpenGD77Interface::sendCommand(const QByteArray& bytes) {
    if (bytes.size() > P::kCommandPacketSize)
        return LinkError(InterfaceError::invalidRequest(
            QCoreApplication::translate("LinkError", "command of %1 bytes exceeds %2")
                .arg(bytes.size())
                .arg(P::kCommandPacketSize)));
    QByteArray packet = bytes;
    packet.append(P::kCommandPacketSize - packet.size(), '\0');
    if (auto sent = send(packet); !sent)
        return sent;
    auto answer = receive(1);
    if (!answer)
        return answer.error();
    if (std::uint8_t(answer->at(0)) != P::kCommandAck)
        return mismatch(m_port.get(),
                        QCoreApplication::translate("LinkError", "Kommando-Antwort '%1'")
                            .arg(byteChar(answer->at(0))));
    return {};
}

namespace {

// CMD, sub-command, address, length, data: the two data-carrying writes.
Result<QByteArray, LinkError> dataRequest(char cmd, std::uint8_t sub, std::uint32_t address,
                                          const QByteArray& bytes) {
    if (bytes.size() > P::kMaxPayloadSize)
        return LinkError(InterfaceError::invalidRequest(
            QCoreApplication::translate("LinkError", "%1 bytes do not fit one write request")
                .arg(bytes.size())));
    QByteArray request;
    request.reserve(P::kDataRequestHeaderSize + bytes.size());
    request.append(cmd);
    request.append(char(sub));
    appendU32be(request, address);
    appendU16be(request, std::uint32_t(bytes.size()));
    request.append(bytes);
    return request;
}

} // namespace

OpenGD77Interface::Status OpenGD77Interface::writeEEPROM(std::uint32_t address,
                                                         const QByteArray& bytes) {
    if (stopRequested())
        return LinkError(InterfaceError::interrupted());
    auto request = dataRequest(writeCommand(), P::kWriteEeprom, address, bytes);
    if (!request)
        return request.error();
    if (auto sent = send(*request); !sent)
        return sent;
    return expectAck(writeCommand(), P::kWriteEeprom,
                     QStringLiteral("EEPROM @ 0x") + hexAddress(address));
}

OpenGD77Interface::Status OpenGD77Interface::setFlashSector(std::uint32_t address) {
    if (stopRequested())
        return LinkError(InterfaceError::interrupted());
    const std::uint32_t sector = address / P::kSectorSize;
    QByteArray request;
    request.append(writeCommand());
    request.append(char(P::kSetFlashSector));
    request.append(char((sector >> 16) & 0xFF));
    appendU16be(request, sector & 0xFFFF);
    if (auto sent = send(request); !sent)
        return sent;
    return expectAck(writeCommand(), P::kSetFlashSector,
                     QStringLiteral("SET_FLASH_SECTOR %1").arg(sector));
}

OpenGD77Interface::Status OpenGD77Interface::writeFlashBuffer(std::uint32_t address,
                                                              const QByteArray& bytes) {
    if (stopRequested())
        return LinkError(InterfaceError::interrupted());
    auto request = dataRequest(writeCommand(), P::kWriteFlashBuffer, address, bytes);
    if (!request)
        return request.error();
    if (auto sent = send(*request); !sent)
        return sent;
    return expectAck(writeCommand(), P::kWriteFlashBuffer,
                     QStringLiteral("FLASH-Buffer @ 0x") + hexAddress(address));
}

OpenGD77Interface::Status OpenGD77Interface::commitFlashSector() {
    QByteArray request;
    request.append(writeCommand());
    request.append(char(P::kWriteFlashSector));
    if (auto sent = send(request); !sent)
        return sent;
    return expectAck(writeCommand(), P::kWriteFlashSector, QStringLiteral("WRITE_FLASH_SECTOR"));
}

OpenGD77Interface::Status OpenGD77Interface::writeFlash(std::uint32_t address,
                                                        const QByteArray& bytes,
                                                        const Progress& progress) {
    const int length = int(bytes.size());
    int offset = 0;
    while (offset < length) {
        const std::uint32_t a = address + std::uint32_t(offset);
        const int sector = int(a / P::kSectorSize);
        if (m_currentSector < 0) {
            if (auto opened = setFlashSector(a); !opened)
                return opened;
            m_currentSector = sector;
        } else if (m_currentSector != sector) {
            if (auto committed = commitFlashSector(); !committed)
                return committed;
            m_currentSector = -1;
            continue; // the next pass opens the new sector for the same offset
        }
        const int end = std::min(offset + P::kBlockSize, length);
        if (auto written = writeFlashBuffer(a, bytes.mid(offset, end - offset)); !written)
            return written;
        if (progress)
            progress(end);
        offset += P::kBlockSize;
    }
    return {};
}

OpenGD77Interface::Status OpenGD77Interface::writeBlocks(const QList<MemoryBlock>& blocks,
                                                         const Progress& progress) {
    int done = 0;
    for (const MemoryBlock& block : blocks) {
        const auto size = std::uint32_t(block.bytes.size());
        if (size > std::uint32_t(P::kBlockSize) ||
            (block.bank == Bank::flash && size > 0 &&
             block.address / P::kSectorSize != (block.address + size - 1) / P::kSectorSize))
            return LinkError(InterfaceError::invalidRequest(
                QCoreApplication::translate("LinkError",
                                            "block of %1 bytes @ 0x%2 is not one block")
                    .arg(QString::number(size), hexAddress(block.address))));
        if (block.bank == Bank::eeprom) {
            // An EEPROM write never interleaves with an open flash sector.
            if (auto committed = commitOpenSector(); !committed)
                return committed;
            if (auto written = writeEEPROM(block.address, block.bytes); !written)
                return written;
        } else if (auto written = writeFlash(block.address, block.bytes); !written) {
            return written;
        }
        done += int(size);
        if (progress)
            progress(done);
    }
    return {};
}

OpenGD77Interface::Status OpenGD77Interface::showScreen(std::uint8_t startCommand,
                                                        const QString& line2,
                                                        const QString& line3) {
    const QByteArray packets[] = {
        command({P::kCommand, P::kOpenScreen}),
        command({P::kCommand, P::kClearScreen}),
        textLine(0x00, QStringLiteral("Nerka")),
        textLine(0x10, line2),
        textLine(0x20, line3),
        command({P::kCommand, P::kRenderScreen}),
        command({P::kCommand, P::kControl, startCommand}),
        command({P::kCommand, P::kControl, P::kControlScreenDone}),
    };
    for (const QByteArray& packet : packets) {
        if (auto sent = sendCommand(packet); !sent)
            return sent;
    }
    return {};
}

OpenGD77Interface::Status OpenGD77Interface::showReadingScreen() {
    return showScreen(P::kControlReadStart, QStringLiteral("Reading"), QStringLiteral("Codeplug"));
}

OpenGD77Interface::Status OpenGD77Interface::showTransferScreen(const QString& line2,
                                                                const QString& line3) {
    if (auto shown = showScreen(P::kControlWriteStart, line2, line3); !shown)
        return shown;
    m_currentSector = -1;
    return {};
}

OpenGD77Interface::Status OpenGD77Interface::commitOpenSector() {
    if (m_currentSector < 0)
        return {};
    if (auto committed = commitFlashSector(); !committed)
        return committed;
    m_currentSector = -1;
    return {};
}

OpenGD77Interface::Status OpenGD77Interface::closeTransferScreen() {
    return sendCommand(command({P::kCommand, P::kCloseScreen}));
}

OpenGD77Interface::Status OpenGD77Interface::finishTransfer() {
    // The close is skipped only when the commit gets no answer at all (the
    // radio is silent or gone): a radio that answers the commit wrongly, for
    // example because the failed request already committed the sector, still
    // takes the close and leaves its transfer screen.
    const Status committed = commitOpenSector();
    if (!committed && committed.error().interfaceError() == nullptr)
        return committed;
    const Status closed = closeTransferScreen();
    return committed ? closed : committed;
}

OpenGD77Interface::Status OpenGD77Interface::reboot() {
    return sendCommand(command({P::kCommand, P::kControl, P::kControlReboot}));
}

Result<FirmwareInfo, LinkError> OpenGD77Interface::identify() {
    if (!m_port)
        return LinkError(SerialError::notOpen());
    m_port->flush();
    QByteArray request;
    request.append(char(P::kRead));
    request.append(char(P::kModeFirmwareInfo));
    appendU32be(request, 0);
    appendU16be(request, P::kFirmwareInfoLength);
    if (auto sent = send(request); !sent)
        return sent.error();

    auto header = receive(P::kReadResponseHeaderSize);
    if (!header)
        return header.error();
    if (std::uint8_t(header->at(0)) != P::kRead)
        return mismatch(m_port.get(),
                        QCoreApplication::translate("LinkError", "Firmware-Info Typ '%1'")
                            .arg(byteChar(header->at(0))));
    const int length = (std::uint8_t(header->at(1)) << 8) | std::uint8_t(header->at(2));
    auto block = receive(length);
    if (!block)
        return block.error();
    auto info = parseFirmwareInfo(*block);
    if (!info)
        return LinkError(InterfaceError::badResponse(
            QCoreApplication::translate("LinkError", "Could not parse firmware info.")));
    m_variant = radioVariant(info->radioType);
    return *info;
}

} // namespace nerka
