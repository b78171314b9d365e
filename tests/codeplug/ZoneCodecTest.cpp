#include "codeplug/ZoneCodec.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/MemberLists.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::hex;
using nerka::test::name16;

namespace {

struct ZoneFamily {
    RadioVariant variant;
    Bank zoneBank;
};

// The zone table sits at 0x8010 in both families, in EEPROM on one and in flash
// on the other; it lies in region 1.
const ZoneFamily kGd77Zones{RadioVariant::gd77, Bank::eeprom};
const ZoneFamily kUv380Zones{RadioVariant::uv380, Bank::flash};
constexpr std::uint32_t kZoneTable = 0x8010;
constexpr int kZoneRegion = 1;

// 80 member words, little-endian, zero-padded.
QByteArray zoneMembers(std::initializer_list<unsigned> values) {
    QByteArray out;
    for (unsigned v : values)
        out += bytes({v & 0xFF, v >> 8});
    return out + QByteArray(160 - out.size(), '\0');
}

RadioChannel channel(int number, const QString& name) {
    RadioChannel c;
    c.number = number;
    c.name = name;
    return c;
}

class ZoneCodecTest : public ::testing::TestWithParam<ZoneFamily> {
protected:
    void SetUp() override {
        image.variant = GetParam().variant;
        image.regions = layoutForVariant(GetParam().variant).regions;
        for (const auto& region : image.regions)
            image.blobs.append(QByteArray(region.length, '\0'));
    }

    Bank bank() const { return GetParam().zoneBank; }
    std::uint32_t recordAddress(int i) const { return kZoneTable + 32 + 176 * i; }
    QByteArray record(int i) const { return *readBytes(image, bank(), recordAddress(i), 176); }
    void putRecord(int i, const QByteArray& bytes176) {
        ASSERT_EQ(bytes176.size(), 176);
        ASSERT_TRUE(writeBytes(image, bank(), recordAddress(i), bytes176));
    }
    QByteArray bitmap() const { return *readBytes(image, bank(), kZoneTable, 32); }
    void setBitmap(const QByteArray& bytes32) {
        ASSERT_EQ(bytes32.size(), 32);
        ASSERT_TRUE(writeBytes(image, bank(), kZoneTable, bytes32));
    }

    CodeplugImage image;
};

QByteArray bitmapWith(std::initializer_list<unsigned> firstBytes, char rest = '\0') {
    QByteArray out = bytes(firstBytes);
    return out + QByteArray(32 - out.size(), rest);
}

} // namespace

TEST_P(ZoneCodecTest, DecodesNamedZonesInUseWithChannelNames) {
    // Zones 0, 1 and 67 in use (byte 8 bit 3); zone 2 has a name but no bit.
    setBitmap(bitmapWith({0x03, 0, 0, 0, 0, 0, 0, 0, 0x08}));
    putRecord(0, name16("Home") + zoneMembers({5, 3, 0, 1}));
    putRecord(1, QByteArray(16, char(0xFF)) + zoneMembers({1}));
    putRecord(2, name16("Hidden") + zoneMembers({1}));
    putRecord(67, name16("Last") + zoneMembers({2, 1025}));

    const QList<RadioChannel> channels = {channel(1, QStringLiteral("Eins")),
                                          channel(2, QStringLiteral("Zwei")),
                                          channel(5, QString::fromUtf8("Fünf"))};
    const QList<Zone> zones = decodeZones(image, channels);
    ASSERT_EQ(zones.size(), 2);

    EXPECT_EQ(zones[0].index, 0);
    EXPECT_EQ(zones[0].name, QStringLiteral("Home"));
    EXPECT_EQ(zones[0].memberIndices, (QList<int>{4, 2, 0}));
    EXPECT_EQ(zones[0].channelNames, (QStringList{QString::fromUtf8("Fünf"), QStringLiteral("#3"),
                                                  QStringLiteral("Eins")}))
        << "channel 3 is not in use, so its number shows";

    EXPECT_EQ(zones[1].index, 67);
    EXPECT_EQ(zones[1].memberIndices, (QList<int>{1, 1024}));
    EXPECT_EQ(zones[1].channelNames,
              (QStringList{QStringLiteral("Zwei"), QStringLiteral("#1025")}));
}

TEST_P(ZoneCodecTest, EditWritesTheRecordAndSetsOnlyItsBit) {
    setBitmap(bitmapWith({0x00, 0x81}, char(0xEE)));
    putRecord(9, name16("Old") + zoneMembers({4, 4, 4, 4, 4, 4}));

    EXPECT_EQ(applyZoneEdit({QStringLiteral("Zürich Nord 2025"), {4, 0, 1023}}, 9, image),
              RegionSet{kZoneRegion});
    EXPECT_EQ(hex(record(9)), hex(QByteArray("Z\xFCrich Nord 2025") + zoneMembers({5, 1, 0x400})));
    EXPECT_EQ(hex(bitmap()), hex(bitmapWith({0x00, 0x83}, char(0xEE))));
}

TEST_P(ZoneCodecTest, EmptyNameSetsTheBitButStaysOutOfTheList) {
    EXPECT_FALSE(applyZoneEdit({QString(), {0}}, 3, image).empty());
    EXPECT_EQ(bitmap().at(0), char(0x08));
    EXPECT_EQ(record(3).left(16), QByteArray(16, char(0xFF)));
    EXPECT_TRUE(decodeZones(image, {}).isEmpty());
}

TEST_P(ZoneCodecTest, EditStoresAtMost80ValidMembers) {
    ZoneEdit edit{QStringLiteral("Many"), {-1, 1024}};
    for (int p = 0; p < 90; ++p)
        edit.memberIndices.append(p);
    EXPECT_FALSE(applyZoneEdit(edit, 0, image).empty());
    QByteArray expected = name16("Many");
    for (unsigned v = 1; v <= 80; ++v)
        expected += bytes({v, 0});
    EXPECT_EQ(hex(record(0)), hex(expected));
}

TEST_P(ZoneCodecTest, ClearEmptiesTheRecordAndClearsOnlyItsBit) {
    setBitmap(bitmapWith({0xFF}));
    putRecord(2, name16("Gone") + zoneMembers({1, 2}));
    EXPECT_EQ(clearZone(2, image), RegionSet{kZoneRegion});
    EXPECT_EQ(hex(record(2)), hex(QByteArray(16, char(0xFF)) + QByteArray(160, '\0')));
    EXPECT_EQ(hex(bitmap()), hex(bitmapWith({0xFB})));
}

TEST_P(ZoneCodecTest, IndicesOutsideTheTableWriteNothing) {
    const CodeplugImage before = image;
    EXPECT_TRUE(applyZoneEdit({QStringLiteral("X"), {}}, 68, image).empty());
    EXPECT_TRUE(applyZoneEdit({QStringLiteral("X"), {}}, -1, image).empty());
    EXPECT_TRUE(clearZone(68, image).empty());
    EXPECT_TRUE(compactZones({0, 68}, image).empty());
    EXPECT_TRUE(compactZones({1, 0, 1}, image).empty());
    EXPECT_EQ(image, before);
}

TEST_P(ZoneCodecTest, CompactRewritesBitmapBytes0To8Only) {
    // Zones 3, 10 and 20 in use, plus the unused bits of zones 68-71 and a
    // filler in bytes 9-31.
    setBitmap(bitmapWith({0x08, 0x04, 0x10, 0, 0, 0, 0, 0, 0xF0}, char(0xEE)));
    const QByteArray z3 = name16("Three") + zoneMembers({1});
    const QByteArray z10 = name16("Ten") + zoneMembers({2});
    const QByteArray z20 = name16("Twenty") + zoneMembers({3});
    putRecord(3, z3);
    putRecord(10, z10);
    putRecord(20, z20);

    EXPECT_EQ(compactZones({20, 3, 10}, image), RegionSet{kZoneRegion});
    EXPECT_EQ(hex(record(0)), hex(z20));
    EXPECT_EQ(hex(record(1)), hex(z3));
    EXPECT_EQ(hex(record(2)), hex(z10));
    EXPECT_EQ(hex(record(3)), hex(z3)) << "old records stay, only their bits go";
    EXPECT_EQ(hex(bitmap()), hex(bitmapWith({0x07, 0, 0, 0, 0, 0, 0, 0, 0}, char(0xEE))));

    const QList<Zone> zones = decodeZones(image, {});
    ASSERT_EQ(zones.size(), 3);
    EXPECT_EQ(zones[0].name, QStringLiteral("Twenty"));
}

TEST_P(ZoneCodecTest, RemapRenumbersMembersOfZonesInUse) {
    setBitmap(bitmapWith({0x01}));
    putRecord(0, name16("Used") + zoneMembers({1, 5, 9, 0, 300, 1}));
    putRecord(1, name16("Unused") + zoneMembers({1, 5}));

    // Old position 0 → 1, 4 → 0, 8 stays 8; 299 is not in the map.
    const QHash<int, int> oldToNew{{0, 1}, {4, 0}, {8, 8}};
    EXPECT_EQ(remapZoneMembers(oldToNew, image), RegionSet{kZoneRegion});
    EXPECT_EQ(hex(record(0)), hex(name16("Used") + zoneMembers({2, 1, 9, 0, 300, 2})));
    EXPECT_EQ(hex(record(1)), hex(name16("Unused") + zoneMembers({1, 5})));

    EXPECT_TRUE(remapZoneMembers({{500, 0}}, image).empty());
    EXPECT_TRUE(remapZoneMembers({}, image).empty());
}

INSTANTIATE_TEST_SUITE_P(Families, ZoneCodecTest, ::testing::Values(kGd77Zones, kUv380Zones),
                         [](const auto& info) {
                             return std::string(variantKey(info.param.variant));
                         });

TEST(MemberLists, DecodesContactsThenListsThenZonesFromOneImage) {
    CodeplugImage image;
    image.variant = RadioVariant::gd77;
    image.regions = layoutForVariant(RadioVariant::gd77).regions;
    for (const auto& region : image.regions)
        image.blobs.append(QByteArray(region.length, '\0'));

    // Contact slot 4 "TG91"; list 0 naming contacts 5 and 6; zone 0 naming channel 2.
    ASSERT_TRUE(writeBytes(image, Bank::flash, 0x87620 + 24 * 4,
                           name16("TG91") + bytes({0, 0, 0, 0x91, 0, 0, 0, 1})));
    ASSERT_TRUE(writeBytes(image, Bank::flash, 0x8D620, bytes({3})));
    ASSERT_TRUE(writeBytes(image, Bank::flash, 0x8D620 + 128,
                           QByteArray("World") + QByteArray(11, char(0xFF)) + bytes({5, 0, 6, 0})));
    ASSERT_TRUE(writeBytes(image, Bank::eeprom, 0x8010, bytes({1})));
    ASSERT_TRUE(writeBytes(image, Bank::eeprom, 0x8010 + 32, name16("Z") + bytes({2, 0})));

    const MemberLists lists = decodeMemberLists(image, {channel(2, QStringLiteral("Relay"))});
    ASSERT_EQ(lists.contacts.size(), 1);
    EXPECT_EQ(lists.contacts[0].dmrID, 91u);
    ASSERT_EQ(lists.talkgroups.size(), 1);
    EXPECT_EQ(lists.talkgroups[0].contactNames,
              (QStringList{QStringLiteral("TG91"), QStringLiteral("#6")}));
    ASSERT_EQ(lists.zones.size(), 1);
    EXPECT_EQ(lists.zones[0].channelNames, QStringList{QStringLiteral("Relay")});

    image.variant.reset();
    const MemberLists none = decodeMemberLists(image, {channel(2, QStringLiteral("Relay"))});
    EXPECT_TRUE(none.contacts.isEmpty());
    EXPECT_TRUE(none.talkgroups.isEmpty());
    EXPECT_TRUE(none.zones.isEmpty());
}
