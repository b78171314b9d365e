#include "codeplug/MemberLists.h"

namespace nerka {

MemberLists decodeMemberLists(const CodeplugImage& image, const QList<RadioChannel>& channels) {
    MemberLists lists;
    lists.contacts = decodeContacts(image);
    lists.talkgroups = decodeTalkgroups(image, lists.contacts);
    lists.zones = decodeZones(image, channels);
    return lists;
}

} // namespace nerka
