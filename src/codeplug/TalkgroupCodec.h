#pragma once

#include "codeplug/CodeplugImage.h"
#include "codeplug/ContactCodec.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace nerka {

// RX group list table ("talkgroups"): 128 in-use bytes (only the first 76 are
// used; 0 = not in use, otherwise member count + 1), then 76 records of 80 bytes.
struct GroupListTable {
    static constexpr int kInUseOffset = 0;
    static constexpr int kInUseSize = 128;
    static constexpr int kRecordsOffset = 128;
    static constexpr int kListCount = 76;
    static constexpr int kSize = 6208;
};

// One RX group list: a 15-byte name field, one byte that edits keep (cleared
// lists get 0xFF), then 32 little-endian 16-bit members (contact slot + 1; 0 = empty).
struct GroupListRecord {
    static constexpr int kSize = 80;
    static constexpr int kNameOffset = 0;
    static constexpr int kNameWidth = 15;
    static constexpr int kKeptOffset = 15;
    static constexpr int kMembersOffset = 16;
    static constexpr int kMemberCount = 32;
};

struct Talkgroup {
    int index = 0; // 0-based list index
    QString name;
    QList<int> memberSlots;   // contact slots, stored order, empty entries skipped
    QStringList contactNames; // one per member; "#<stored value>" when no contact has the slot

    friend bool operator==(const Talkgroup&, const Talkgroup&) = default;
};

struct TalkgroupEdit {
    QString name;
    QList<int> memberSlots; // at most 32 are stored

    friend bool operator==(const TalkgroupEdit&, const TalkgroupEdit&) = default;
};

// One entry of a talkgroup reorder: the list's old index and its member count.
struct TalkgroupOrderEntry {
    int oldIndex = 0;
    int memberCount = 0;

    friend bool operator==(const TalkgroupOrderEntry&, const TalkgroupOrderEntry&) = default;
};

// Lists whose in-use byte is not 0, in index order (an empty name is allowed).
// Member names come from `contacts` (matched by slot). Empty when the image has
// no variant or the table cannot be read whole.
[[nodiscard]] QList<Talkgroup> decodeTalkgroups(const CodeplugImage& image,
                                                const QList<DMRContact>& contacts);

// Writes name and members of list `index` (byte 15 is kept) and sets its in-use
// byte to the number of members stored + 1, which also brings a new list into
// being. Members that are no contact slot (outside 0..1023) are not stored.
[[nodiscard]] RegionSet applyTalkgroupEdit(const TalkgroupEdit& edit, int index,
                                           CodeplugImage& image);

// Name and byte 15 0xFF, no members, in-use byte 0.
[[nodiscard]] RegionSet clearTalkgroup(int index, CodeplugImage& image);

// Moves the listed lists to indices 0..n-1 with in-use byte member count + 1,
// takes lists n..75 out of use (their records stay) and renumbers the RX group
// list field of every channel. Writes nothing when an index is outside the
// table, listed twice, or its record cannot be read.
[[nodiscard]] RegionSet compactTalkgroups(const QList<TalkgroupOrderEntry>& order,
                                          CodeplugImage& image);

// Renumbers the members of every list in use: a member naming contact slot s
// (stored as s + 1) becomes map[s] + 1 when the map holds s; others stay.
[[nodiscard]] RegionSet remapTalkgroupMembers(const QHash<int, int>& map, CodeplugImage& image);

} // namespace nerka
