#pragma once

#include "codeplug/CodeplugImage.h"

#include <QStringList>

namespace nerka {

// APRS systems table: 8 entries of 64 bytes; only each entry's 8-byte name
// field is read. A channel's APRS system index is the entry number.
struct AprsTable {
    static constexpr int kSize = 512;
    static constexpr int kEntryCount = 8;
    static constexpr int kEntrySize = 64;
    static constexpr int kNameOffset = 0;
    static constexpr int kNameWidth = 8;
};

// Exactly 8 names in entry order, empty names included, so that a name's list
// index is its APRS system index; an empty list when the table cannot be read.
[[nodiscard]] QStringList decodeAprsSystems(const CodeplugImage& image);

} // namespace nerka
