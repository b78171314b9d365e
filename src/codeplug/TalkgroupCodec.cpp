#include "codeplug/TalkgroupCodec.h"

#include "codeplug/ByteIO.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/MemberEntries.h"
#include "codeplug/NameField.h"

#include <algorithm>
#include <array>

namespace nerka {

namespace {

using GroupListMembers =
    MemberEntries<GroupListRecord::kMembersOffset, GroupListRecord::kMemberCount>;

std::optional<BankAddress> groupListTable(const CodeplugImage& image) {
    if (!image.variant)
        return std::nullopt;
    return layoutForVariant(*image.variant).groupListBank;
}

bool isValidGroupListIndex(int index) {
    return index >= 0 && index < GroupListTable::kListCount;
}

std::uint32_t groupListRecordAddress(BankAddress table, int index) {
    return table.address +
           std::uint32_t(GroupListTable::kRecordsOffset + GroupListRecord::kSize * index);
}

std::uint32_t inUseAddress(BankAddress table, int index) {
    return table.address + std::uint32_t(GroupListTable::kInUseOffset + index);
}

// The in-use byte of a list with `count` members; a list holds at most 32.
std::uint8_t inUseByteFor(qsizetype count) {
    return std::uint8_t(std::clamp<qsizetype>(count, 0, GroupListRecord::kMemberCount) + 1);
}

} // namespace

QList<Talkgroup> decodeTalkgroups(const CodeplugImage& image, const QList<DMRContact>& contacts) {
    QList<Talkgroup> lists;
    const auto table = groupListTable(image);
    if (!table)
        return lists;
    const auto data = readBytes(image, table->bank, table->address, GroupListTable::kSize);
    if (!data)
        return lists;

    std::array<const QString*, ContactTable::kSlotCount> nameBySlot{};
    for (const DMRContact& contact : contacts)
        if (contact.slot >= 0 && contact.slot < ContactTable::kSlotCount)
            nameBySlot[std::size_t(contact.slot)] = &contact.name;

    const char* base = data->constData();
    for (int i = 0; i < GroupListTable::kListCount; ++i) {
        if (base[GroupListTable::kInUseOffset + i] == 0)
            continue;
        const char* record = base + GroupListTable::kRecordsOffset + GroupListRecord::kSize * i;
        Talkgroup list;
        list.index = i;
        list.name = decodeName(QByteArray::fromRawData(record + GroupListRecord::kNameOffset,
                                                       GroupListRecord::kNameWidth));
        const int count = GroupListMembers::count(record);
        list.memberSlots.reserve(count);
        list.contactNames.reserve(count);
        for (int j = 0; j < GroupListRecord::kMemberCount; ++j) {
            const int value = GroupListMembers::word(record, j);
            if (value == 0)
                continue;
            const int slot = value - 1;
            list.memberSlots.append(slot);
            const QString* name =
                slot < ContactTable::kSlotCount ? nameBySlot[std::size_t(slot)] : nullptr;
            list.contactNames.append(name ? *name
                                          : QString(QLatin1Char('#') + QString::number(value)));
        }
        lists.append(std::move(list));
    }
    return lists;
}

RegionSet applyTalkgroupEdit(const TalkgroupEdit& edit, int index, CodeplugImage& image) {
    const auto table = groupListTable(image);
    if (!table || !isValidGroupListIndex(index))
        return {};
    auto record = readBytes(image, table->bank, groupListRecordAddress(*table, index),
                            GroupListRecord::kSize);
    if (!record || !readBytes(image, table->bank, inUseAddress(*table, index), 1))
        return {};

    const QList<int> stored =
        GroupListMembers::storable(edit.memberSlots, ContactTable::kSlotCount);
    ByteWriter w(*record);
    w.setBytes(GroupListRecord::kNameOffset, encodeName(edit.name, GroupListRecord::kNameWidth));
    GroupListMembers::write(w, stored);

    RegionSet regions;
    addRegion(regions,
              writeBytes(image, table->bank, groupListRecordAddress(*table, index), *record));
    addRegion(regions, writeBytes(image, table->bank, inUseAddress(*table, index),
                                  QByteArray(1, char(inUseByteFor(stored.size())))));
    return regions;
}

RegionSet clearTalkgroup(int index, CodeplugImage& image) {
    const auto table = groupListTable(image);
    if (!table || !isValidGroupListIndex(index))
        return {};
    auto record = readBytes(image, table->bank, groupListRecordAddress(*table, index),
                            GroupListRecord::kSize);
    if (!record || !readBytes(image, table->bank, inUseAddress(*table, index), 1))
        return {};
    ByteWriter w(*record);
    w.setBytes(0, QByteArray(GroupListRecord::kMembersOffset, char(0xFF)));
    w.setBytes(GroupListRecord::kMembersOffset,
               QByteArray(GroupListRecord::kSize - GroupListRecord::kMembersOffset, '\0'));

    RegionSet regions;
    addRegion(regions,
              writeBytes(image, table->bank, groupListRecordAddress(*table, index), *record));
    addRegion(regions,
              writeBytes(image, table->bank, inUseAddress(*table, index), QByteArray(1, '\0')));
    return regions;
}

RegionSet compactTalkgroups(const QList<TalkgroupOrderEntry>& order, CodeplugImage& image) {
    const auto table = groupListTable(image);
    if (!table || order.size() > GroupListTable::kListCount)
        return {};

    // Everything is read and checked before the first write.
    const std::uint32_t inUseStart = table->address + GroupListTable::kInUseOffset;
    auto inUse = readBytes(image, table->bank, inUseStart, GroupListTable::kInUseSize);
    if (!inUse)
        return {};
    QList<QByteArray> records;
    records.reserve(order.size());
    QHash<int, int> oldToNew;
    for (const TalkgroupOrderEntry& entry : order) {
        if (!isValidGroupListIndex(entry.oldIndex) || oldToNew.contains(entry.oldIndex))
            return {};
        auto record = readBytes(image, table->bank, groupListRecordAddress(*table, entry.oldIndex),
                                GroupListRecord::kSize);
        if (!record)
            return {};
        oldToNew.insert(entry.oldIndex, int(records.size()));
        records.append(*record);
    }

    RegionSet regions;
    for (int k = 0; k < records.size(); ++k)
        addRegion(regions,
                  writeBytes(image, table->bank, groupListRecordAddress(*table, k), records[k]));
    // Bytes 76-127 belong to no list and keep their values.
    for (int k = 0; k < GroupListTable::kListCount; ++k)
        (*inUse)[k] = k < order.size() ? char(inUseByteFor(order[k].memberCount)) : '\0';
    addRegion(regions, writeBytes(image, table->bank, inUseStart, *inUse));
    regions.merge(remapChannelReferences(ChannelRecord::kGroupListOffset, 1, oldToNew, image));
    return regions;
}

RegionSet remapTalkgroupMembers(const QHash<int, int>& map, CodeplugImage& image) {
    const auto table = groupListTable(image);
    if (!table || map.isEmpty())
        return {};
    auto data = readBytes(image, table->bank, table->address, GroupListTable::kSize);
    if (!data)
        return {};

    RegionSet regions;
    for (int i = 0; i < GroupListTable::kListCount; ++i) {
        if (data->at(GroupListTable::kInUseOffset + i) == 0)
            continue;
        const int recordOffset = GroupListTable::kRecordsOffset + GroupListRecord::kSize * i;
        QByteArray record = data->mid(recordOffset, GroupListRecord::kSize);
        if (GroupListMembers::remap(record, map))
            addRegion(regions,
                      writeBytes(image, table->bank, groupListRecordAddress(*table, i), record));
    }
    return regions;
}

} // namespace nerka
