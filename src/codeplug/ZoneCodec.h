#pragma once

#include "codeplug/CodeplugImage.h"
#include "codeplug/RadioChannel.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace nerka {

// Zone table: a 32-byte in-use bitmap (zone i is bit i mod 8 of byte i / 8),
// then 68 records of 176 bytes.
struct ZoneTable {
    static constexpr int kBitmapOffset = 0;
    static constexpr int kBitmapSize = 32;
    // Zones 0 to 67 live in bytes 0 to 8; compacting rewrites exactly these.
    static constexpr int kUsedBitmapBytes = 9;
    static constexpr int kRecordsOffset = 32;
    static constexpr int kZoneCount = 68;
    static constexpr int kSize = 12000;
};

// One zone: a 16-byte name field, then 80 little-endian 16-bit channel numbers
// (channel position + 1; 0 = empty entry).
struct ZoneRecord {
    static constexpr int kSize = 176;
    static constexpr int kNameOffset = 0;
    static constexpr int kNameWidth = 16;
    static constexpr int kMembersOffset = 16;
    static constexpr int kMemberCount = 80;
};

struct Zone {
    int index = 0; // 0-based zone index
    QString name;
    QList<int> memberIndices; // 0-based channel positions, stored order, empty entries skipped
    QStringList channelNames; // one per member; "#<stored value>" when no such channel

    friend bool operator==(const Zone&, const Zone&) = default;
};

struct ZoneEdit {
    QString name;
    QList<int> memberIndices; // 0-based channel positions; at most 80 are stored

    friend bool operator==(const ZoneEdit&, const ZoneEdit&) = default;
};

// Zones in index order. A zone is listed when its bitmap bit is set and its name
// is not empty. Member names come from `channels` (matched by channel number).
// Empty when the image has no variant or the table cannot be read whole.
[[nodiscard]] QList<Zone> decodeZones(const CodeplugImage& image,
                                      const QList<RadioChannel>& channels);

// Writes name and members into zone `index` (the rest of the record is
// rewritten too; nothing else is kept there) and sets the zone's bitmap bit.
[[nodiscard]] RegionSet applyZoneEdit(const ZoneEdit& edit, int index, CodeplugImage& image);

// Empty name (0xFF), no members, bitmap bit cleared.
[[nodiscard]] RegionSet clearZone(int index, CodeplugImage& image);

// Moves the zones listed in `order` (old indices) to indices 0..n-1 and marks
// exactly those in use in bitmap bytes 0 to 8. Writes nothing when an index is
// outside the table, listed twice, or its record cannot be read.
[[nodiscard]] RegionSet compactZones(const QList<int>& order, CodeplugImage& image);

// Renumbers the members of every zone in use after the channels moved:
// a member naming old position p (stored as p + 1) becomes oldToNew[p] + 1.
// Members whose old position the map does not hold keep their value.
[[nodiscard]] RegionSet remapZoneMembers(const QHash<int, int>& oldToNew, CodeplugImage& image);

} // namespace nerka
