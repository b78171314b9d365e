#pragma once

#include "codeplug/CodeplugImage.h"
#include "link/RadioType.h"
#include "link/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace nerka {

class PseudoTerminal;

// A fault the stand-in can be told to produce. Each fires once at the first
// request it applies to, counted from the moment it is injected, except
// `silence`, which lasts until the faults are cleared.
enum class SimFault {
    silence,     // requests are received and recorded, nothing is answered
    wrongLength, // the next read is answered with 16 data bytes instead of 32 (or 46)
    wrongAck,    // the next answer starts with 'N' instead of its proper first byte
    garbage,     // one stray byte 0xA5 goes out before the next answer
    vanish,      // the device disappears instead of answering (like a pulled cable)
    shortAnswer, // the next answer goes out without its last byte
    reboot,      // the device reboots instead of answering: the screen closes, the
                 // sector buffer is lost, and it comes back behind the same link
    // The next data write (flash buffer or EEPROM) stores its first byte
    // inverted and is acknowledged as if all went well.
    corruptWrite,
    // The next set-flash-sector request leaves the sector buffer erased (0xFF)
    // instead of loading the sector's contents, and is acknowledged: a commit
    // then erases every byte of the sector that no buffer write replaced.
    unloadedSectorBuffer,
};

// What the radio's transfer screen shows.
struct SimScreen {
    bool open = false;    // between 'C' 0x00 and 'C' 0x05
    bool visible = false; // the three lines were rendered ('C' 0x03)
    QStringList lines = {QString(), QString(), QString()};
    int closeCount = 0; // how often 'C' 0x05 closed the screen

    friend bool operator==(const SimScreen&, const SimScreen&) = default;
};

// A stand-in for an OpenGD77 radio on a pseudo-terminal: 64 KiB EEPROM, 1 MiB
// (GD-77 family) or 16 MiB (UV380 family) flash, the 4096-byte sector buffer,
// the firmware information block, the 'C' screen and reboot commands. It runs
// on its own thread; every accessor is thread-safe.
//
// The device is reached through a stable path, a symbolic link the stand-in
// owns. A reboot ('C' 0x06 0x01) takes the device away and after a short pause
// brings up a new pseudo-terminal behind the same link, as a real radio
// re-enumerates on USB, so a remembered port finds it again.
class RadioSimulator {
public:
    static constexpr int kEepromSize = 64 * 1024;
    static constexpr int kGd77FlashSize = 1024 * 1024;
    static constexpr int kUv380FlashSize = 16 * 1024 * 1024;
    static constexpr int kDefaultRebootDelayMs = 300;
    static constexpr std::uint8_t kWrongAckByte = 'N';
    static constexpr std::uint8_t kRefusalByte = '?'; // a request the radio cannot carry out
    static constexpr std::uint8_t kGarbageByte = 0xA5;

    // Memory starts erased (0xFF); flash size follows the type's family.
    explicit RadioSimulator(RadioType type = RadioType::gd77);
    ~RadioSimulator(); // stops
    RadioSimulator(const RadioSimulator&) = delete;
    RadioSimulator& operator=(const RadioSimulator&) = delete;

    // Creates the pseudo-terminal and the link and starts serving. Without a
    // link path the link is made in a new private temporary folder.
    Result<void, QString> start(const QString& linkPath = {});
    // Stops serving, removes the link (and the folder it made).
    void stop();
    // The stable path (the symbolic link) a program opens.
    [[nodiscard]] QString devicePath() const;
    // The current pseudo-terminal's slave device, empty while the device is away.
    [[nodiscard]] QString currentTerminal() const;
    // Counts the pseudo-terminals brought up: 1 after start, +1 per reboot.
    [[nodiscard]] int generation() const;
    // Waits until the generation is at least `generation`; false on timeout.
    bool waitForGeneration(int generation, int timeoutMs) const;
    void setRebootDelayMs(int delayMs);

    // Firmware information. The type may be any raw value, also one no radio
    // has; the family (flash size, write command) follows raw values 0–4 →
    // GD-77, otherwise UV380. A block set with setFirmwareInfoBlock replaces
    // the generated one in the answer.
    void setRadioType(std::uint32_t rawType);
    [[nodiscard]] RadioVariant variant() const;
    void setFirmwareRevision(const QString& revision);
    void setBuildDate(const QString& buildDate);
    void setStructVersion(std::uint32_t version);
    void setFlashChipSerial(std::uint32_t serial);
    void setFeatures(std::uint16_t features);
    void setFirmwareInfoBlock(const QByteArray& block);
    [[nodiscard]] QByteArray firmwareInfoBlock() const;

    // Memory, read and written directly (not through the protocol). Writes
    // outside the bank return false and change nothing.
    [[nodiscard]] int flashSize() const;
    [[nodiscard]] QByteArray memory(Bank bank, std::uint32_t address, int count) const;
    bool setMemory(Bank bank, std::uint32_t address, const QByteArray& bytes);
    // Places every region's bytes at its bank and address; on failure (a
    // region outside the memory) nothing is changed and the reason returned.
    Result<void, QString> loadCodeplug(const CodeplugImage& image);

    // Every request received, whole, in order of arrival (bytes that start
    // no known request are recorded one by one).
    [[nodiscard]] QList<QByteArray> requests() const;
    [[nodiscard]] int requestCount() const;
    void clearRequests();

    [[nodiscard]] SimScreen screen() const;
    [[nodiscard]] int rebootCount() const;
    // The sector the buffer holds, −1 for none.
    [[nodiscard]] int bufferedSector() const;

    void injectFault(SimFault fault, int afterRequests = 0);
    void clearFaults();

private:
    struct State;
    void serve();
    void handleInput();
    bool processRequest(QByteArray& input, QByteArray& answer);
    void sendAnswer(const QByteArray& answer);
    void vanish();
    // `answerSent`: wait for the program to take the last answer first.
    void reboot(bool answerSent = true);
    bool publishTerminal();

    std::unique_ptr<State> m_state;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::thread m_thread;
};

} // namespace nerka
