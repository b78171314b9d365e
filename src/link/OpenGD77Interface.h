#pragma once

#include "codeplug/CodeplugImage.h"
#include "link/FirmwareInfo.h"
#include "link/LinkError.h"
#include "link/MemoryBlock.h"
#include "link/Result.h"
#include "link/SerialPort.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

namespace nerka {

// The OpenGD77 firmware's USB serial protocol over one open SerialPort. Every
// exchange is one request and one fixed-form answer; nothing is retried, and
// any mismatch is returned to the caller. One object per connection, used
// from one thread at a time.
class OpenGD77Interface {
public:
    using Status = Result<void, LinkError>;
    // Bytes done in the current readRange, readRegions, writeFlash or writeBlocks call.
    using Progress = std::function<void(int bytesDone)>;

    // The family starts as uv380; identify() sets the real one before any
    // other use.
    explicit OpenGD77Interface(std::shared_ptr<SerialPort> port,
                               int timeoutMs = SerialPort::kDefaultTimeoutMs);

    [[nodiscard]] const std::shared_ptr<SerialPort>& port() const { return m_port; }
    [[nodiscard]] RadioVariant variant() const { return m_variant; }
    void setVariant(RadioVariant variant) { m_variant = variant; }
    // 'W' for gd77, 'X' for uv380.
    [[nodiscard]] char writeCommand() const;
    // The flash sector (address / 4096) the radio's buffer holds, −1 for none.
    [[nodiscard]] int currentSector() const { return m_currentSector; }
    // Callers set −1 after committing or abandoning the open sector.
    void setCurrentSector(int sector) { m_currentSector = sector; }
    [[nodiscard]] int timeoutMs() const { return m_timeoutMs; }
    // A flag (owned by the caller, set from any thread) that stops a write:
    // once it is true, every request that would write data (EEPROM blocks,
    // sector selection, sector-buffer pieces) fails with `interrupted` before
    // anything is sent. Committing the open sector, screen commands and
    // reads still go out, so a stopped write can be ended cleanly.
    void setStopRequest(const std::atomic<bool>* stop) { m_stop = stop; }

    // One 32-byte block of EEPROM or flash.
    Result<QByteArray, LinkError> readBlock(Bank bank, std::uint32_t address);
    // `length` bytes from `address` in 32-byte blocks, in order; progress after
    // every block. The first failing block ends the read with its error.
    Result<QByteArray, LinkError> readRange(Bank bank, std::uint32_t address, qint64 length,
                                            const Progress& progress = {});
    // The regions in order under the reading screen: shows it, reads each
    // region whole (its `length` bytes) in 32-byte blocks, and closes the
    // screen. Progress after every block counts the bytes done over all
    // regions. The screen is closed after a failure too (the outcome of that
    // close is then ignored); the first error is returned.
    Result<QList<QByteArray>, LinkError> readRegions(const QList<CodeplugRegion>& regions,
                                                     const Progress& progress = {});
    // Bytes to EEPROM in one request (callers send at most 32 at a time).
    Status writeEEPROM(std::uint32_t address, const QByteArray& bytes);
    // Loads the sector of `address` into the radio's buffer; leaves currentSector alone.
    Status setFlashSector(std::uint32_t address);
    // Bytes into the radio's sector buffer at their absolute flash address.
    Status writeFlashBuffer(std::uint32_t address, const QByteArray& bytes);
    // Programs the buffered sector into flash; leaves currentSector alone.
    Status commitFlashSector();
    // Bytes to flash in 32-byte pieces through the sector buffer, changing
    // sectors as the address crosses 4096-byte boundaries. Returns with the
    // last sector still open: the caller ends a flash write with
    // commitFlashSector() and setCurrentSector(-1). `address` must be a
    // multiple of 32 so that no piece crosses a sector boundary.
    Status writeFlash(std::uint32_t address, const QByteArray& bytes,
                      const Progress& progress = {});
    // Writes `blocks` in the given order with the requests of the region
    // writers: an EEPROM block commits the open flash sector first and goes
    // out in one EEPROM write; a flash block goes into the sector buffer,
    // committing the open sector and opening its own (the sector of its first
    // byte) when another or none is open. The radio loads a sector's current
    // contents into its buffer when it opens it, so bytes of the sector that
    // no block names keep their value. Returns with the last sector still
    // open, as writeFlash does. Progress after every block counts the bytes
    // done. A block longer than 32 bytes, or a flash block crossing a sector
    // boundary, fails with `invalidRequest` before it is sent.
    Status writeBlocks(const QList<MemoryBlock>& blocks, const Progress& progress = {});
    // One 'C' packet (at most 23 bytes, filled with 0x00), answered by '-'.
    Status sendCommand(const QByteArray& bytes);
    // Reads the 2-byte acknowledgement of a write request.
    Status expectAck(char command, std::uint8_t subCommand, const QString& context);
    // "Nerka" / "Reading" / "Codeplug" on the radio's transfer screen.
    Status showReadingScreen();
    // "Nerka" / line2 / line3 for a write; currentSector becomes −1.
    Status showTransferScreen(const QString& line2, const QString& line3);
    // Programs the open flash sector, if any, and sets currentSector to −1.
    // A failed commit leaves currentSector as it was.
    Status commitOpenSector();
    // Takes the transfer screen off the radio's display.
    Status closeTransferScreen();
    // The end of every transfer, also after a failure or an interruption:
    // commits the open flash sector, then closes the transfer screen. The
    // close is skipped only when the commit got no answer at all; the first
    // failure is returned.
    Status finishTransfer();
    // Asks the radio to reboot (after a codeplug or database write).
    Status reboot();
    // Asks for the firmware information and sets the family from the radio type.
    Result<FirmwareInfo, LinkError> identify();

private:
    Status send(const QByteArray& request);
    Result<QByteArray, LinkError> receive(int count);
    Status showScreen(std::uint8_t startCommand, const QString& line2, const QString& line3);

    std::shared_ptr<SerialPort> m_port;
    int m_timeoutMs;
    RadioVariant m_variant = RadioVariant::uv380;
    int m_currentSector = -1;
    const std::atomic<bool>* m_stop = nullptr;

    [[nodiscard]] bool stopRequested() const { return m_stop && m_stop->load(); }
};

} // namespace nerka
