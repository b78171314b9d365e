#pragma once

#include "codeplug/CodeplugImage.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace nerka {

// The custom-data area: "OpenGD77", 4 bytes we keep as they are, then a chain
// of typed blocks, each an 8-byte head (u32le type, u32le data length) and its
// data. Erased flash (type 0xFFFFFFFF) marks the free space after the last block.
struct CustomDataArea {
    static constexpr char kSignature[] = "OpenGD77";
    static constexpr int kSignatureSize = 8;
    static constexpr int kSize = 4512; // read and written whole, the whole of region 2
    static constexpr int kFirstBlockOffset = 12;
    static constexpr int kMinimumSize = 20; // signature, the kept word and one block head

    static constexpr int kBlockHeadSize = 8;
    static constexpr int kBlockTypeOffset = 0;
    static constexpr int kBlockLengthOffset = 4;

    // A chain that reaches this offset is taken as broken.
    static constexpr std::uint64_t kChainLimit = 0x10000;

    static constexpr std::uint32_t kSatelliteBlockType = 3;
    static constexpr std::uint32_t kDayThemeBlockType = 4;
    static constexpr std::uint32_t kNightThemeBlockType = 5;
    static constexpr std::uint32_t kFreeSpaceType = 0xFFFFFFFF;
};

// True when the area begins with the "OpenGD77" signature.
[[nodiscard]] bool hasCustomDataSignature(const QByteArray& area);

// Offset, within the area, of the head of the first block of `type`; nothing
// when the area has no signature, is too short, or the chain is broken (a zero
// or erased length, a next head at or beyond 0x10000 or past the area) before a
// block of that type is reached. The found block's length is not examined.
[[nodiscard]] std::optional<int> findCustomDataBlock(const QByteArray& area, std::uint32_t type);

// A block whose head and declared data both lie inside the area.
struct CustomDataBlock {
    int headOffset = 0;
    std::uint32_t length = 0;

    [[nodiscard]] int dataOffset() const { return headOffset + CustomDataArea::kBlockHeadSize; }
};

// The first block of `type` when its declared data fits in the area; nothing
// when there is none or its length runs past the end of the area.
[[nodiscard]] std::optional<CustomDataBlock> findFittingCustomDataBlock(const QByteArray& area,
                                                                        std::uint32_t type);

// The whole custom-data area of the image's family; nothing without a variant or
// when no region holds it.
[[nodiscard]] std::optional<QByteArray> readCustomDataArea(const CodeplugImage& image);

} // namespace nerka
