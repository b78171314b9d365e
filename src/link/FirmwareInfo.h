#pragma once

#include "link/RadioType.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// What the radio's firmware says about itself.
struct FirmwareInfo {
    std::uint32_t structVersion = 0;
    RadioType radioType = RadioType::gd77;
    QString firmwareRevision;
    QString buildDate;
    std::uint32_t flashChipSerial = 0;
    std::uint16_t features = 0; // kept, not interpreted

    friend bool operator==(const FirmwareInfo&, const FirmwareInfo&) = default;
};

// Firmware information block as the radio sends it (little-endian numbers,
// unlike the big-endian protocol headers). Bytes after the block are ignored.
struct FirmwareInfoBlock {
    static constexpr int kStructVersionOffset = 0;
    static constexpr int kRadioTypeOffset = 4;
    static constexpr int kRevisionOffset = 8;
    static constexpr int kBuildDateOffset = 24;
    static constexpr int kTextSize = 16;
    static constexpr int kFlashChipSerialOffset = 40;
    static constexpr int kFeaturesOffset = 44;
    static constexpr int kSize = 46;
};

// The record, or nothing for a block shorter than 46 bytes or an unknown
// radio type. A text field ends at its first 0x00, is ASCII (a byte of 0x80
// or above gives empty text) and loses spaces and tabs at both ends.
[[nodiscard]] std::optional<FirmwareInfo> parseFirmwareInfo(const QByteArray& block);

} // namespace nerka
