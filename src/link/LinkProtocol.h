#pragma once

#include <cstdint>

namespace nerka {

// Bytes of the OpenGD77 USB serial protocol. Multi-byte numbers in requests
// and response headers are big-endian. The radio stand-in in sim/ serves the
// same bytes: a change here must be made there too.
struct LinkProtocol {
    static constexpr int kBlockSize = 32;         // data bytes of every block read and write piece
    static constexpr int kSectorSize = 4096;      // flash sector held in the radio's buffer
    static constexpr int kMaxPayloadSize = 65535; // 16-bit length field

    // Read: 'R', mode, address (4), length (2); response 'R', length (2), data.
    static constexpr std::uint8_t kRead = 'R';
    static constexpr std::uint8_t kModeFlash = 0x01;
    static constexpr std::uint8_t kModeEeprom = 0x02;
    static constexpr std::uint8_t kModeFirmwareInfo = 0x09;
    static constexpr int kReadRequestSize = 8;
    static constexpr int kReadResponseHeaderSize = 3;
    static constexpr int kFirmwareInfoLength = 46;

    // Writes: CMD, sub-command, ...; acknowledged by CMD and the sub-command.
    static constexpr std::uint8_t kWriteGd77 = 'W';
    static constexpr std::uint8_t kWriteUv380 = 'X';
    static constexpr std::uint8_t kSetFlashSector = 0x01;   // CMD, 1, sector (3)
    static constexpr std::uint8_t kWriteFlashBuffer = 0x02; // CMD, 2, address (4), length (2), data
    static constexpr std::uint8_t kWriteFlashSector = 0x03; // CMD, 3
    static constexpr std::uint8_t kWriteEeprom = 0x04;      // CMD, 4, address (4), length (2), data
    static constexpr int kSetSectorRequestSize = 5;
    static constexpr int kDataRequestHeaderSize = 8;
    static constexpr int kCommitRequestSize = 2;
    static constexpr int kAckSize = 2;

    // Command packets: 'C' and the command, 0x00-filled to 23 bytes; answered by '-'.
    static constexpr std::uint8_t kCommand = 'C';
    static constexpr std::uint8_t kCommandAck = '-';
    static constexpr int kCommandPacketSize = 23;
    static constexpr std::uint8_t kOpenScreen = 0x00;
    static constexpr std::uint8_t kClearScreen = 0x01;
    static constexpr std::uint8_t kTextLine = 0x02; // 'C', 2, 0, row, 3, 1, 0, text (16)
    static constexpr std::uint8_t kRenderScreen = 0x03;
    static constexpr std::uint8_t kCloseScreen = 0x05;
    static constexpr std::uint8_t kControl = 0x06; // followed by one of the four below
    static constexpr std::uint8_t kControlReboot = 0x01;
    static constexpr std::uint8_t kControlScreenDone = 0x02;
    static constexpr std::uint8_t kControlReadStart = 0x03;
    static constexpr std::uint8_t kControlWriteStart = 0x04;
    static constexpr int kTextLineHeaderSize = 7;
    static constexpr int kTextLineTextSize = 16;
    static constexpr int kTextLineRowOffset = 3;
};

} // namespace nerka
