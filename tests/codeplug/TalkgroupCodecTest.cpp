#include "codeplug/TalkgroupCodec.h"
#include "codeplug/CodeplugLayout.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::hex;

namespace {

struct GroupListFamily {
    RadioVariant variant;
    Bank channelBank0Bank;
    std::uint32_t groupListTable;
};

const GroupListFamily kGd77GroupLists{RadioVariant::gd77, Bank::eeprom, 0x8D620};
const GroupListFamily kUv380GroupLists{RadioVariant::uv380, Bank::flash, 0xAD620};

constexpr std::uint32_t kGroupListChannelBank0 = 0x3780;

// 32 member words, little-endian, zero-padded.
QByteArray groupListMembers(std::initializer_list<unsigned> values) {
    QByteArray out;
    for (unsigned v : values)
        out += bytes({v & 0xFF, v >> 8});
    return out + QByteArray(64 - out.size(), '\0');
}

QByteArray name15(const char* text) {
    QByteArray field(text);
    return field + QByteArray(15 - field.size(), char(0xFF));
}

DMRContact contact(int slot, const char* name) {
    DMRContact c;
    c.slot = slot;
    c.name = QString::fromLatin1(name);
    return c;
}

class TalkgroupCodecTest : public ::testing::TestWithParam<GroupListFamily> {
protected:
    void SetUp() override {
        image.variant = GetParam().variant;
        image.regions = layoutForVariant(GetParam().variant).regions;
        for (const auto& region : image.regions)
            image.blobs.append(QByteArray(region.length, '\0'));
    }

    std::uint32_t recordAddress(int i) const { return GetParam().groupListTable + 128 + 80 * i; }
    QByteArray record(int i) const { return *readBytes(image, Bank::flash, recordAddress(i), 80); }
    void putRecord(int i, const QByteArray& bytes80) {
        ASSERT_EQ(bytes80.size(), 80);
        ASSERT_TRUE(writeBytes(image, Bank::flash, recordAddress(i), bytes80));
    }
    int inUse(int i) const {
        return std::uint8_t(readBytes(image, Bank::flash, GetParam().groupListTable + i, 1)->at(0));
    }
    void setInUse(int i, int value) {
        ASSERT_TRUE(writeBytes(image, Bank::flash, GetParam().groupListTable + i,
                               bytes({unsigned(value)})));
    }
    void putChannelGroupList(int slot, int value, bool inUseBit = true) {
        const Bank bank = GetParam().channelBank0Bank;
        auto bitmap = *readBytes(image, bank, kGroupListChannelBank0 + slot / 8, 1);
        if (inUseBit)
            bitmap[0] = char(bitmap[0] | (1 << (slot % 8)));
        ASSERT_TRUE(writeBytes(image, bank, kGroupListChannelBank0 + slot / 8, bitmap));
        ASSERT_TRUE(writeBytes(image, bank, kGroupListChannelBank0 + 16 + 56 * slot + 43,
                               bytes({unsigned(value)})));
    }
    int channelGroupList(int slot) const {
        return std::uint8_t(readBytes(image, GetParam().channelBank0Bank,
                                      kGroupListChannelBank0 + 16 + 56 * slot + 43, 1)
                                ->at(0));
    }

    CodeplugImage image;
};

} // namespace

TEST_P(TalkgroupCodecTest, DecodesListsInUseWithTheirMemberNames) {
    // In-use byte 5 claims 4 members, but only 2 words are set.
    setInUse(0, 5);
    putRecord(0, name15("Local") + bytes({0x5A}) + groupListMembers({7, 0, 3}));
    setInUse(1, 0);
    putRecord(1, name15("Unused") + bytes({0}) + groupListMembers({1}));
    setInUse(2, 1);
    putRecord(2, QByteArray(16, char(0xFF)) + groupListMembers({}));
    setInUse(75, 2);
    putRecord(75, name15("ABCDEFGHIJKLMNO") + bytes({0xFF}) + groupListMembers({1024}));

    const QList<Talkgroup> lists =
        decodeTalkgroups(image, {contact(2, "Bob"), contact(1023, "Last")});
    ASSERT_EQ(lists.size(), 3);

    EXPECT_EQ(lists[0].index, 0);
    EXPECT_EQ(lists[0].name, QStringLiteral("Local"));
    EXPECT_EQ(lists[0].memberSlots, (QList<int>{6, 2}));
    EXPECT_EQ(lists[0].contactNames, (QStringList{QStringLiteral("#7"), QStringLiteral("Bob")}));

    EXPECT_EQ(lists[1].index, 2);
    EXPECT_EQ(lists[1].name, QString()) << "an empty name is allowed";
    EXPECT_TRUE(lists[1].memberSlots.isEmpty());

    EXPECT_EQ(lists[2].index, 75);
    EXPECT_EQ(lists[2].name, QStringLiteral("ABCDEFGHIJKLMNO"))
        << "the name ends at 15 bytes, byte 15 is not part of it";
    EXPECT_EQ(lists[2].contactNames, QStringList{QStringLiteral("Last")});
}

TEST_P(TalkgroupCodecTest, EditWritesNameMembersAndCountAndKeepsByte15) {
    setInUse(0, 5);
    putRecord(0, name15("Old") + bytes({0x5A}) + groupListMembers({7, 0, 3, 9, 11}));
    setInUse(1, 9);

    const TalkgroupEdit edit{QStringLiteral("ABCDEFGHIJKLMNOP"), {2, 6}};
    EXPECT_EQ(applyTalkgroupEdit(edit, 0, image), RegionSet{3});
    EXPECT_EQ(hex(record(0)),
              hex(name15("ABCDEFGHIJKLMNO") + bytes({0x5A}) + groupListMembers({3, 7})));
    EXPECT_EQ(inUse(0), 3);
    EXPECT_EQ(inUse(1), 9);
}

TEST_P(TalkgroupCodecTest, EditStoresAtMost32ValidMembers) {
    TalkgroupEdit edit{QStringLiteral("Big"), {}};
    edit.memberSlots = {-1, 1024};
    for (int slot = 0; slot < 40; ++slot)
        edit.memberSlots.append(slot);
    EXPECT_FALSE(applyTalkgroupEdit(edit, 4, image).empty());

    QByteArray expected = name15("Big") + bytes({0});
    for (unsigned v = 1; v <= 32; ++v)
        expected += bytes({v, 0});
    EXPECT_EQ(hex(record(4)), hex(expected));
    EXPECT_EQ(inUse(4), 33) << "the count byte matches what is stored";
}

TEST_P(TalkgroupCodecTest, ClearEmptiesTheRecordAndTakesTheListOutOfUse) {
    setInUse(3, 4);
    setInUse(4, 2);
    putRecord(3, name15("Gone") + bytes({0x5A}) + groupListMembers({1, 2, 3}));
    EXPECT_EQ(clearTalkgroup(3, image), RegionSet{3});
    EXPECT_EQ(hex(record(3)), hex(QByteArray(16, char(0xFF)) + QByteArray(64, '\0')));
    EXPECT_EQ(inUse(3), 0);
    EXPECT_EQ(inUse(4), 2);
}

TEST_P(TalkgroupCodecTest, IndicesOutsideTheTableWriteNothing) {
    const CodeplugImage before = image;
    EXPECT_TRUE(applyTalkgroupEdit({QStringLiteral("X"), {1}}, 76, image).empty())
        << "index 76 would write an in-use byte of no list";
    EXPECT_TRUE(applyTalkgroupEdit({QStringLiteral("X"), {1}}, -1, image).empty());
    EXPECT_TRUE(clearTalkgroup(76, image).empty());
    EXPECT_TRUE(compactTalkgroups({{0, 1}, {76, 1}}, image).empty());
    EXPECT_TRUE(compactTalkgroups({{0, 1}, {0, 1}}, image).empty());
    EXPECT_EQ(image, before);
}

TEST_P(TalkgroupCodecTest, CompactMovesListsSetsCountsAndRenumbersChannels) {
    const QByteArray a = name15("A") + bytes({0xA0}) + groupListMembers({1});
    const QByteArray b = name15("B") + bytes({0xB0}) + QByteArray(64, '\0');
    const QByteArray c = name15("C") + bytes({0xC0}) + groupListMembers({5, 6});
    putRecord(0, a);
    putRecord(4, b);
    putRecord(9, c);
    setInUse(0, 2);
    setInUse(4, 1);
    setInUse(9, 3);
    setInUse(20, 1); // not listed: falls out of use
    for (int i = 76; i < 128; ++i)
        setInUse(i, 0x77);

    putChannelGroupList(0, 10);        // list 9
    putChannelGroupList(1, 5);         // list 4
    putChannelGroupList(2, 0);         // none
    putChannelGroupList(3, 21);        // list 20, not listed: stays
    putChannelGroupList(4, 10, false); // channel not in use: stays

    const RegionSet regions = compactTalkgroups({{9, 2}, {0, 1}, {4, 0}}, image);
    EXPECT_EQ(regions, (RegionSet{0, 3}));

    EXPECT_EQ(hex(record(0)), hex(c));
    EXPECT_EQ(hex(record(1)), hex(a));
    EXPECT_EQ(hex(record(2)), hex(b));
    EXPECT_EQ(hex(record(4)), hex(b)) << "old records stay where they were";
    EXPECT_EQ(hex(record(9)), hex(c));

    QByteArray expectedInUse = bytes({3, 2, 1}) + QByteArray(73, '\0') + QByteArray(52, 0x77);
    EXPECT_EQ(hex(*readBytes(image, Bank::flash, GetParam().groupListTable, 128)),
              hex(expectedInUse));

    EXPECT_EQ(channelGroupList(0), 1);
    EXPECT_EQ(channelGroupList(1), 3);
    EXPECT_EQ(channelGroupList(2), 0);
    EXPECT_EQ(channelGroupList(3), 21);
    EXPECT_EQ(channelGroupList(4), 10);
}

TEST_P(TalkgroupCodecTest, RemapLeavesUnmappedAndUnstorableMembersAlone) {
    setInUse(0, 4);
    putRecord(0, name15("L") + bytes({0}) + groupListMembers({1, 2, 3}));
    const RegionSet regions = remapTalkgroupMembers({{0, 5}, {1, 70000}}, image);
    EXPECT_EQ(regions, RegionSet{3});
    EXPECT_EQ(hex(record(0)), hex(name15("L") + bytes({0}) + groupListMembers({6, 2, 3})));

    EXPECT_TRUE(remapTalkgroupMembers({{500, 1}}, image).empty())
        << "no list holds contact 501, so nothing is written";
}

INSTANTIATE_TEST_SUITE_P(Families, TalkgroupCodecTest,
                         ::testing::Values(kGd77GroupLists, kUv380GroupLists),
                         [](const auto& info) {
                             return std::string(variantKey(info.param.variant));
                         });
