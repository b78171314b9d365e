#pragma once

#include "codeplug/CodeplugImage.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/RadioChannel.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ZoneCodec.h"

#include <QList>

namespace nerka {

// The three list tables that refer to each other and to the channels.
struct MemberLists {
    QList<DMRContact> contacts;
    QList<Talkgroup> talkgroups;
    QList<Zone> zones;
};

// Decodes the contacts, then the RX group lists with the contacts' names, then
// the zones with the names of `channels` (the caller's decoded channel list).
// Each table is read once; a table that cannot be read gives an empty list.
[[nodiscard]] MemberLists decodeMemberLists(const CodeplugImage& image,
                                            const QList<RadioChannel>& channels);

} // namespace nerka
