#include "codeplug/ZoneCodec.h"

#include "codeplug/ByteIO.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/MemberEntries.h"
#include "codeplug/NameField.h"

#include <QSet>

#include <vector>

namespace nerka {

namespace {

// Channel positions 0..1023 are channel numbers 1..1024 in a zone record.
constexpr int kChannelCount = ChannelBank::kTotalChannels;

using ZoneMembers = MemberEntries<ZoneRecord::kMembersOffset, ZoneRecord::kMemberCount>;

std::optional<BankAddress> zoneTable(const CodeplugImage& image) {
    if (!image.variant)
        return std::nullopt;
    return layoutForVariant(*image.variant).zoneBank;
}

bool isValidZoneIndex(int index) {
    return index >= 0 && index < ZoneTable::kZoneCount;
}

std::uint32_t zoneRecordAddress(BankAddress table, int index) {
    return table.address + std::uint32_t(ZoneTable::kRecordsOffset + ZoneRecord::kSize * index);
}

std::uint32_t bitmapByteAddress(BankAddress table, int index) {
    return table.address + std::uint32_t(ZoneTable::kBitmapOffset + index / 8);
}

bool zoneBit(const char* table, int index) {
    return (std::uint8_t(table[ZoneTable::kBitmapOffset + index / 8]) >> (index % 8)) & 1;
}

// Reads the zone's bitmap byte, sets or clears its bit and writes the byte back.
RegionSet setZoneBit(BankAddress table, int index, bool on, CodeplugImage& image) {
    auto byte = readBytes(image, table.bank, bitmapByteAddress(table, index), 1);
    if (!byte)
        return {};
    ByteWriter(*byte).setBit(0, index % 8, on);
    RegionSet regions;
    addRegion(regions, writeBytes(image, table.bank, bitmapByteAddress(table, index), *byte));
    return regions;
}

} // namespace

QList<Zone> decodeZones(const CodeplugImage& image, const QList<RadioChannel>& channels) {
    QList<Zone> zones;
    const auto table = zoneTable(image);
    if (!table)
        return zones;
    const auto data = readBytes(image, table->bank, table->address, ZoneTable::kSize);
    if (!data)
        return zones;

    // Channel number → name, for numbers 1..1024.
    std::vector<const QString*> nameByNumber(kChannelCount + 1, nullptr);
    for (const RadioChannel& channel : channels)
        if (channel.number >= 1 && channel.number <= kChannelCount)
            nameByNumber[std::size_t(channel.number)] = &channel.name;

    const char* base = data->constData();
    for (int i = 0; i < ZoneTable::kZoneCount; ++i) {
        if (!zoneBit(base, i))
            continue;
        const char* record = base + ZoneTable::kRecordsOffset + ZoneRecord::kSize * i;
        QString name = decodeName(
            QByteArray::fromRawData(record + ZoneRecord::kNameOffset, ZoneRecord::kNameWidth));
        if (name.isEmpty())
            continue;
        Zone zone;
        zone.index = i;
        zone.name = std::move(name);
        const int count = ZoneMembers::count(record);
        zone.memberIndices.reserve(count);
        zone.channelNames.reserve(count);
        for (int j = 0; j < ZoneRecord::kMemberCount; ++j) {
            const int value = ZoneMembers::word(record, j);
            if (value == 0)
                continue;
            zone.memberIndices.append(value - 1);
            const QString* channelName =
                value <= kChannelCount ? nameByNumber[std::size_t(value)] : nullptr;
            zone.channelNames.append(
                channelName ? *channelName : QString(QLatin1Char('#') + QString::number(value)));
        }
        zones.append(std::move(zone));
    }
    return zones;
}

RegionSet applyZoneEdit(const ZoneEdit& edit, int index, CodeplugImage& image) {
    const auto table = zoneTable(image);
    if (!table || !isValidZoneIndex(index))
        return {};
    auto record =
        readBytes(image, table->bank, zoneRecordAddress(*table, index), ZoneRecord::kSize);
    if (!record || !readBytes(image, table->bank, bitmapByteAddress(*table, index), 1))
        return {};

    const QList<int> stored = ZoneMembers::storable(edit.memberIndices, kChannelCount);
    ByteWriter w(*record);
    w.setBytes(ZoneRecord::kNameOffset, encodeName(edit.name, ZoneRecord::kNameWidth));
    ZoneMembers::write(w, stored);

    RegionSet regions;
    addRegion(regions, writeBytes(image, table->bank, zoneRecordAddress(*table, index), *record));
    regions.merge(setZoneBit(*table, index, true, image));
    return regions;
}

RegionSet clearZone(int index, CodeplugImage& image) {
    const auto table = zoneTable(image);
    if (!table || !isValidZoneIndex(index))
        return {};
    auto record =
        readBytes(image, table->bank, zoneRecordAddress(*table, index), ZoneRecord::kSize);
    if (!record || !readBytes(image, table->bank, bitmapByteAddress(*table, index), 1))
        return {};
    ByteWriter w(*record);
    w.setBytes(ZoneRecord::kNameOffset, QByteArray(ZoneRecord::kNameWidth, char(0xFF)));
    w.setBytes(ZoneRecord::kMembersOffset,
               QByteArray(ZoneRecord::kSize - ZoneRecord::kMembersOffset, '\0'));

    RegionSet regions;
    addRegion(regions, writeBytes(image, table->bank, zoneRecordAddress(*table, index), *record));
    regions.merge(setZoneBit(*table, index, false, image));
    return regions;
}

RegionSet compactZones(const QList<int>& order, CodeplugImage& image) {
    const auto table = zoneTable(image);
    if (!table || order.size() > ZoneTable::kZoneCount)
        return {};

    // Everything is read and checked before the first write.
    QList<QByteArray> records;
    records.reserve(order.size());
    QSet<int> seen;
    for (int oldIndex : order) {
        if (!isValidZoneIndex(oldIndex) || seen.contains(oldIndex))
            return {};
        seen.insert(oldIndex);
        auto record =
            readBytes(image, table->bank, zoneRecordAddress(*table, oldIndex), ZoneRecord::kSize);
        if (!record)
            return {};
        records.append(*record);
    }

    RegionSet regions;
    for (int k = 0; k < records.size(); ++k)
        addRegion(regions,
                  writeBytes(image, table->bank, zoneRecordAddress(*table, k), records[k]));
    // A fresh bitmap for bytes 0-8 (zones 0-71); bytes 9-31 are left alone.
    QByteArray bitmap(ZoneTable::kUsedBitmapBytes, '\0');
    for (int k = 0; k < records.size(); ++k)
        ByteWriter(bitmap).setBit(k / 8, k % 8, true);
    addRegion(regions,
              writeBytes(image, table->bank, table->address + ZoneTable::kBitmapOffset, bitmap));
    return regions;
}

RegionSet remapZoneMembers(const QHash<int, int>& oldToNew, CodeplugImage& image) {
    const auto table = zoneTable(image);
    if (!table || oldToNew.isEmpty())
        return {};
    const auto data = readBytes(image, table->bank, table->address, ZoneTable::kSize);
    if (!data)
        return {};

    RegionSet regions;
    for (int i = 0; i < ZoneTable::kZoneCount; ++i) {
        if (!zoneBit(data->constData(), i))
            continue;
        const int recordOffset = ZoneTable::kRecordsOffset + ZoneRecord::kSize * i;
        QByteArray record = data->mid(recordOffset, ZoneRecord::kSize);
        if (ZoneMembers::remap(record, oldToNew))
            addRegion(regions,
                      writeBytes(image, table->bank, zoneRecordAddress(*table, i), record));
    }
    return regions;
}

} // namespace nerka
