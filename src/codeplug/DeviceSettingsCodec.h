#pragma once

#include "codeplug/CodeplugImage.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// The device settings block. 144 bytes are read; only the band limits, the call
// sign and the radio's DMR ID are interpreted, every other byte is kept.
struct DeviceSettingsBlock {
    static constexpr int kReadSize = 144;
    static constexpr int kUhfMinOffset = 0; // each limit: 4-digit BCD, MHz
    static constexpr int kUhfMaxOffset = 2;
    static constexpr int kVhfMinOffset = 4;
    static constexpr int kVhfMaxOffset = 6;
    static constexpr int kCallOffset = 96;
    static constexpr int kCallWidth = 8;
    static constexpr int kDmrIdOffset = 104; // 8 BCD digits, big-endian
};

struct DeviceSettings {
    QString call;
    std::uint32_t dmrID = 0;
    int vhfMin = 0; // MHz
    int vhfMax = 0;
    int uhfMin = 0;
    int uhfMax = 0;

    friend bool operator==(const DeviceSettings&, const DeviceSettings&) = default;
};

// Band limits: 4 decimal digits in 2 bytes, units and tens in the first byte,
// hundreds and thousands in the second (136 is 36 01). Values are clamped to
// 0..9999 before encoding.
[[nodiscard]] QByteArray encodeBcd4(int value);
// Reads the first 2 bytes; a shorter field reads as 0.
[[nodiscard]] int decodeBcd4(const QByteArray& bytes);

// Nothing when the image has no variant or the block cannot be read.
[[nodiscard]] std::optional<DeviceSettings> decodeDeviceSettings(const CodeplugImage& image);

// Writes the four limits, the call sign and the DMR ID; every other byte of the
// block stays. Writes nothing (empty result) when the block cannot be read, so
// the settings are written whole or not at all.
[[nodiscard]] RegionSet encodeDeviceSettings(const DeviceSettings& settings, CodeplugImage& image);

} // namespace nerka
