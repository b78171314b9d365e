#pragma once

#include "codeplug/CodeplugImage.h"
#include "satellites/Satellite.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>
#include <variant>

namespace nerka {

// The satellite block of the custom-data area: type 3, 25 record slots of 100
// bytes. A block made here is 2520 bytes long, the last 20 of them zero.
struct SatelliteBlock {
    static constexpr int kSlotCount = 25;
    static constexpr std::uint32_t kCreatedLength = 2520;
};

// One 100-byte slot; all integers little-endian. A slot whose first byte is 0
// is empty and ends the table.
struct SatelliteRecord {
    static constexpr int kSize = 100;
    static constexpr int kNameOffset = 0;
    static constexpr int kNameSize = 8; // ISO-8859-1, ended by 0 or the end of the field
    static constexpr int kTle1Offset = 8;
    static constexpr int kTle1Size = 12; // packed text, 24 characters
    static constexpr int kTle2Offset = 20;
    static constexpr int kTle2Size = 28; // packed text, 56 characters
    static constexpr int kRxFreq1Offset = 48;
    static constexpr int kTxFreq1Offset = 52;
    static constexpr int kTxToneOffset = 56; // 16-bit tone code
    static constexpr int kArmToneOffset = 58;
    static constexpr int kRxFreq2Offset = 60;
    static constexpr int kTxFreq2Offset = 64;
    static constexpr int kRxFreq3Offset = 68;
    static constexpr int kTxFreq3Offset = 72;
    static constexpr int kAdditionalDataOffset = 76;
    static constexpr int kAdditionalDataSize = 24;
};

namespace SatelliteCodec {

// Why a satellite block could not be added to a codeplug.
struct BlockError {
    enum class Kind { noSignature, noRoom };
    Kind kind = Kind::noSignature;

    static BlockError noSignature() { return {Kind::noSignature}; }
    static BlockError noRoom() { return {Kind::noRoom}; }
    [[nodiscard]] QString description() const;

    friend bool operator==(const BlockError&, const BlockError&) = default;
};

} // namespace SatelliteCodec

// The satellites in slot order, up to the first empty slot; nothing without a
// variant, without a readable custom-data area, or without a satellite block
// whose declared length fits the area. Only slots that lie wholly inside the
// block are read.
[[nodiscard]] std::optional<QList<Satellite>> decodeSatellites(const CodeplugImage& image);

// Rewrites the whole table, compacted: satellites with a blank name are
// dropped, the rest fill the slots in list order (an `index` plays no part) and
// the slots after them are zeroed. Only slots that lie wholly inside the block
// are written, so a block declared shorter than 25 slots never spills into the
// block after it. Empty when there is no satellite block with room for a slot;
// nothing is then written.
[[nodiscard]] RegionSet writeSatellites(const QList<Satellite>& satellites, CodeplugImage& image);

// Adds an empty satellite block in the erased space after the last block. An
// empty set when there is nothing to do: the codeplug already has a satellite
// block, or it has no variant or no readable custom-data area.
[[nodiscard]] std::variant<RegionSet, SatelliteCodec::BlockError>
ensureSatelliteBlock(CodeplugImage& image);

// Orbital-element text packed two characters a byte, first in the high nibble,
// from the alphabet "0123456789. +-*". Missing characters and characters
// outside the alphabet (lower-case letters too) become spaces.
[[nodiscard]] QByteArray packText(const QString& text, int byteCount);
// Two characters a byte; the unused code 15 reads as a space.
[[nodiscard]] QString unpackText(const QByteArray& bytes);

// The epoch of the satellite's orbital elements: year 2000 + characters 0-1 of
// the unpacked tle1, day of the year with fraction from characters 2-13, UTC.
[[nodiscard]] std::optional<QDateTime> epochDate(const Satellite& satellite);

} // namespace nerka
