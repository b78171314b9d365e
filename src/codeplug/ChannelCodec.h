#pragma once

#include "codeplug/CodeplugImage.h"
#include "codeplug/RadioChannel.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <optional>

namespace nerka {

// Codec of the channel banks. Positions are 0-based (channel number − 1);
// every writer returns the regions it wrote and changes nothing when the image
// has no variant, the position has no slot or a record cannot be read. Every
// writer reads the current record first, so bytes and bits the program does
// not interpret keep their values.

// Every channel in use, in ascending channel number.
[[nodiscard]] QList<RadioChannel> decodeChannels(const CodeplugImage& image);

// Writes the fields of `edit` into channel `number` (1-based). The in-use bit
// is not touched.
[[nodiscard]] RegionSet applyChannelEdit(const ChannelEdit& edit, int number, CodeplugImage& image);

// Writes a blank record ("New", FM, 145.000 MHz, no tones, colour code 1) and
// marks the slot in use.
[[nodiscard]] RegionSet createBlankChannel(int position, CodeplugImage& image);

// The channel a raw 56-byte record holds, numbered `number`; nothing for
// any other length.
[[nodiscard]] std::optional<RadioChannel> decodeChannelRecord(const QByteArray& record, int number);

// The raw 56 bytes of a slot, whether it is in use or not.
[[nodiscard]] std::optional<QByteArray> readChannelRecord(int position, const CodeplugImage& image);

// Writes exactly 56 raw bytes as the slot's record and marks it in use; any
// other length writes nothing.
[[nodiscard]] RegionSet pasteChannelRecord(const QByteArray& record, int position,
                                           CodeplugImage& image);

// Marks the slot free. The record bytes stay.
[[nodiscard]] RegionSet clearChannelSlot(int position, CodeplugImage& image);

// Moves the records at `order` (old positions, in their new order) to
// positions 0..n−1, leaves exactly those in use, then renumbers the zone
// members through `oldToNew` (old position → new position). Writes nothing
// when a listed position has no slot or cannot be read, or when the list is
// longer than the channel memory.
[[nodiscard]] RegionSet compactChannels(const QList<int>& order, const QHash<int, int>& oldToNew,
                                        CodeplugImage& image);

// Rewrites a reference field of every channel in use through `map` (old
// 0-based index → new 0-based index): the contact field (offset 46, width 2)
// or the RX group list field (offset 43, width 1). A stored value v ≠ 0 whose
// index v − 1 the map holds becomes map[v − 1] + 1; other values stay, and so
// does a value whose new index does not fit the field. An index mapped to
// kClearedReference is cleared (stored 0: no reference).
inline constexpr int kClearedReference = -1;
[[nodiscard]] RegionSet remapChannelReferences(int fieldOffset, int width,
                                               const QHash<int, int>& map, CodeplugImage& image);

// The squelch byte: 0 global, 1 open, 15 closed, anything else normal with the
// level (1..9) whose code L × 14 / 10 + 1 lies nearest, the lower level on a
// tie. Encoding clamps the level to 1..9.
struct SquelchSetting {
    SquelchMode mode = SquelchMode::global;
    int level = 5;

    friend bool operator==(const SquelchSetting&, const SquelchSetting&) = default;
};
[[nodiscard]] SquelchSetting decodeSquelch(std::uint8_t code);
[[nodiscard]] std::uint8_t encodeSquelch(SquelchMode mode, int level);

} // namespace nerka
