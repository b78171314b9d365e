#include "codeplug/ContactCodec.h"
#include "codeplug/CodeplugLayout.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::hex;
using nerka::test::name16;

namespace {

// Where the tables of each family sit, written out by hand from the memory map.
struct ContactFamily {
    RadioVariant variant;
    Bank channelBank0Bank;
    std::uint32_t contactTable;
    std::uint32_t groupListTable;
    int contactRegion;
    int channelBank0Region;
};

const ContactFamily kGd77Contacts{RadioVariant::gd77, Bank::eeprom, 0x87620, 0x8D620, 3, 0};
const ContactFamily kUv380Contacts{RadioVariant::uv380, Bank::flash, 0xA7620, 0xAD620, 3, 0};

constexpr std::uint32_t kChannelBank0 = 0x3780;

class ContactCodecTest : public ::testing::TestWithParam<ContactFamily> {
protected:
    void SetUp() override {
        image.variant = GetParam().variant;
        image.regions = layoutForVariant(GetParam().variant).regions;
        for (const auto& region : image.regions)
            image.blobs.append(QByteArray(region.length, '\0'));
    }

    std::uint32_t slotAddress(int slot) const { return GetParam().contactTable + 24 * slot; }
    QByteArray contactBytes(int slot) const {
        return readBytes(image, Bank::flash, slotAddress(slot), 24).value_or(QByteArray());
    }
    void putContact(int slot, const QByteArray& record) {
        ASSERT_EQ(record.size(), 24);
        ASSERT_TRUE(writeBytes(image, Bank::flash, slotAddress(slot), record));
    }
    // A channel of the first bank, marked in use, with its contact field set.
    void putChannelContact(int slot, std::uint16_t contactField, bool inUse = true) {
        const Bank bank = GetParam().channelBank0Bank;
        auto bitmap = *readBytes(image, bank, kChannelBank0 + slot / 8, 1);
        if (inUse)
            bitmap[0] = char(bitmap[0] | (1 << (slot % 8)));
        ASSERT_TRUE(writeBytes(image, bank, kChannelBank0 + slot / 8, bitmap));
        ASSERT_TRUE(writeBytes(image, bank, kChannelBank0 + 16 + 56 * slot + 46,
                               bytes({contactField & 0xFFu, unsigned(contactField >> 8)})));
    }
    std::uint16_t channelContact(int slot) const {
        auto field =
            *readBytes(image, GetParam().channelBank0Bank, kChannelBank0 + 16 + 56 * slot + 46, 2);
        return std::uint16_t(std::uint8_t(field[0]) | std::uint8_t(field[1]) << 8);
    }

    CodeplugImage image;
};

} // namespace

TEST_P(ContactCodecTest, DecodesSlotsWhoseNameIsSetAndSkipsTheOthers) {
    putContact(0, name16("DL1ABC") + bytes({0x01, 0x23, 0x45, 0x67, 1, 0, 0, 0x00}));
    putContact(2, QByteArray(16, char(0xFF)) + bytes({0x02, 0x62, 0, 0, 0, 0, 0, 1}));
    putContact(3, QByteArray(16, '\0') + bytes({0x02, 0x62, 0, 0, 0, 0, 0, 1}));
    putContact(5, name16("Z\xFCrich") + bytes({0, 0, 0x26, 0x20, 7, 0, 0, 0x03}));
    putContact(1023, name16("Last") + bytes({0x99, 0x99, 0x99, 0x99, 2, 0xAA, 0xBB, 0x02}));

    const QList<DMRContact> contacts = decodeContacts(image);
    ASSERT_EQ(contacts.size(), 3);

    EXPECT_EQ(contacts[0].slot, 0);
    EXPECT_EQ(contacts[0].name, QStringLiteral("DL1ABC"));
    EXPECT_EQ(contacts[0].dmrID, 1234567u);
    EXPECT_EQ(contacts[0].type, ContactType::privateCall);
    EXPECT_EQ(contacts[0].timeSlotOverride, TimeSlotOverride::ts1);

    EXPECT_EQ(contacts[1].slot, 5);
    EXPECT_EQ(contacts[1].name, QString::fromUtf8("Zürich"));
    EXPECT_EQ(contacts[1].dmrID, 2620u);
    EXPECT_EQ(contacts[1].type, ContactType::group) << "unknown call type 7 reads as group";
    EXPECT_EQ(contacts[1].timeSlotOverride, TimeSlotOverride::none) << "override 0x03";

    EXPECT_EQ(contacts[2].slot, 1023);
    EXPECT_EQ(contacts[2].dmrID, 99999999u);
    EXPECT_EQ(contacts[2].type, ContactType::allCall);
    EXPECT_EQ(contacts[2].timeSlotOverride, TimeSlotOverride::ts2);
    EXPECT_EQ(decodeContacts(image), contacts) << "decodes compare by content";
}

TEST_P(ContactCodecTest, EditRewritesTheWholeRecordAndOnlyThatSlot) {
    putContact(3, QByteArray(24, char(0xAA)));
    putContact(4, QByteArray(24, char(0xAA)));
    putContact(2, QByteArray(24, char(0xAA)));

    const ContactEdit edit{QStringLiteral("TG 262"), 2620, ContactType::allCall,
                           TimeSlotOverride::ts2};
    EXPECT_EQ(applyContactEdit(edit, 3, image), RegionSet{GetParam().contactRegion});

    EXPECT_EQ(hex(contactBytes(3)),
              hex(name16("TG 262") + bytes({0x00, 0x00, 0x26, 0x20, 0x02, 0x00, 0x00, 0x02})));
    EXPECT_EQ(contactBytes(2), QByteArray(24, char(0xAA)));
    EXPECT_EQ(contactBytes(4), QByteArray(24, char(0xAA)));

    const ContactEdit none{QStringLiteral("A"), 123456789, ContactType::group,
                           TimeSlotOverride::none};
    EXPECT_FALSE(applyContactEdit(none, 3, image).empty());
    EXPECT_EQ(hex(contactBytes(3)),
              hex(name16("A") + bytes({0x23, 0x45, 0x67, 0x89, 0x00, 0x00, 0x00, 0x01})))
        << "a ninth digit is lost, no override is 0x01";
}

TEST_P(ContactCodecTest, UnknownOverrideIsWrittenBackAsNoOverride) {
    putContact(7, name16("Odd") + bytes({0, 0, 0, 0x91, 1, 0, 0, 0x03}));
    const DMRContact c = decodeContacts(image).value(0);
    ASSERT_EQ(c.slot, 7);
    EXPECT_FALSE(
        applyContactEdit({c.name, c.dmrID, c.type, c.timeSlotOverride}, c.slot, image).empty());
    EXPECT_EQ(hex(contactBytes(7)), hex(name16("Odd") + bytes({0, 0, 0, 0x91, 1, 0, 0, 0x01})));
}

TEST_P(ContactCodecTest, EmptyNameOrClearTakesTheSlotOutOfUse) {
    putContact(1, name16("Gone") + bytes({0x01, 0x23, 0x45, 0x67, 1, 0x5A, 0xA5, 0x00}));
    putContact(2, name16("Also") + bytes({0x01, 0x23, 0x45, 0x67, 1, 0x5A, 0xA5, 0x02}));
    ASSERT_EQ(decodeContacts(image).size(), 2);

    EXPECT_FALSE(
        applyContactEdit({QString(), 1, ContactType::group, TimeSlotOverride::none}, 1, image)
            .empty());
    EXPECT_EQ(contactBytes(1).left(16), QByteArray(16, char(0xFF)));

    EXPECT_EQ(clearContact(2, image), RegionSet{GetParam().contactRegion});
    EXPECT_EQ(hex(contactBytes(2)),
              hex(QByteArray(16, char(0xFF)) + bytes({0, 0, 0, 0, 0, 0x5A, 0xA5, 0x01})))
        << "clearing keeps bytes 21 and 22";
    EXPECT_TRUE(decodeContacts(image).isEmpty());
}

TEST_P(ContactCodecTest, PositionsOutsideTheTableWriteNothing) {
    const CodeplugImage before = image;
    const ContactEdit edit{QStringLiteral("X"), 1, ContactType::group, TimeSlotOverride::none};
    EXPECT_TRUE(applyContactEdit(edit, -1, image).empty());
    EXPECT_TRUE(applyContactEdit(edit, 1024, image).empty()) << "would land in the group lists";
    EXPECT_TRUE(clearContact(1024, image).empty());
    EXPECT_TRUE(compactContacts({0, 1024}, image).empty());
    EXPECT_EQ(image, before);
}

TEST_P(ContactCodecTest, CompactMovesRecordsAndRenumbersEveryReference) {
    const QByteArray a = name16("A") + bytes({0, 0, 0, 1, 0, 0x11, 0x12, 1});
    const QByteArray b = name16("B") + bytes({0, 0, 0, 2, 1, 0x21, 0x22, 0});
    const QByteArray c = name16("C") + bytes({0, 0, 0, 3, 2, 0x31, 0x32, 2});
    putContact(0, a);
    putContact(3, b);
    putContact(7, c);

    putChannelContact(0, 8);         // contact C
    putChannelContact(1, 4);         // contact B
    putChannelContact(2, 10);        // slot 9, not listed: stays
    putChannelContact(3, 0);         // none
    putChannelContact(10, 8, false); // not in use: stays

    // RX group list 0 in use with members 4, 8, (empty), 10; list 1 not in use.
    const std::uint32_t lists = GetParam().groupListTable;
    ASSERT_TRUE(writeBytes(image, Bank::flash, lists, bytes({5, 0})));
    ASSERT_TRUE(writeBytes(image, Bank::flash, lists + 128 + 16, bytes({4, 0, 8, 0, 0, 0, 10, 0})));
    ASSERT_TRUE(writeBytes(image, Bank::flash, lists + 128 + 80 + 16, bytes({8, 0})));

    const RegionSet regions = compactContacts({7, 0, 3}, image);
    EXPECT_EQ(regions, (RegionSet{GetParam().channelBank0Region, GetParam().contactRegion}));

    EXPECT_EQ(hex(contactBytes(0)), hex(c));
    EXPECT_EQ(hex(contactBytes(1)), hex(a));
    EXPECT_EQ(hex(contactBytes(2)), hex(b));
    EXPECT_EQ(hex(contactBytes(3)),
              hex(QByteArray(16, char(0xFF)) + bytes({0, 0, 0, 0, 0, 0x21, 0x22, 1})));
    EXPECT_EQ(hex(contactBytes(7)),
              hex(QByteArray(16, char(0xFF)) + bytes({0, 0, 0, 0, 0, 0x31, 0x32, 1})));

    EXPECT_EQ(channelContact(0), 1);
    EXPECT_EQ(channelContact(1), 3);
    EXPECT_EQ(channelContact(2), 10);
    EXPECT_EQ(channelContact(3), 0);
    EXPECT_EQ(channelContact(10), 8);

    EXPECT_EQ(hex(*readBytes(image, Bank::flash, lists + 128 + 16, 8)),
              hex(bytes({3, 0, 1, 0, 0, 0, 10, 0})));
    EXPECT_EQ(hex(*readBytes(image, Bank::flash, lists + 128 + 80 + 16, 2)), hex(bytes({8, 0})))
        << "a list not in use is not renumbered";
}

TEST_P(ContactCodecTest, CompactWithASlotListedTwiceWritesNothing) {
    putContact(0, name16("A") + QByteArray(8, '\0'));
    putContact(1, name16("B") + QByteArray(8, '\0'));
    const CodeplugImage before = image;
    EXPECT_TRUE(compactContacts({1, 0, 1}, image).empty());
    EXPECT_EQ(image, before);
}

INSTANTIATE_TEST_SUITE_P(Families, ContactCodecTest,
                         ::testing::Values(kGd77Contacts, kUv380Contacts), [](const auto& info) {
                             return std::string(variantKey(info.param.variant));
                         });

TEST(ContactCodec, ImageWithoutVariantOrTableDecodesEmptyAndWritesNothing) {
    CodeplugImage image;
    image.regions = layoutForVariant(RadioVariant::gd77).regions;
    for (const auto& region : image.regions)
        image.blobs.append(QByteArray(region.length, 'A'));
    EXPECT_TRUE(decodeContacts(image).isEmpty());
    EXPECT_TRUE(applyContactEdit(
                    {QStringLiteral("X"), 1, ContactType::group, TimeSlotOverride::none}, 0, image)
                    .empty());

    image.variant = RadioVariant::gd77;
    ASSERT_EQ(decodeContacts(image).size(), 1024) << "every slot named AAAA…";
    image.blobs[3].truncate(0x87620 - 0x7B000 + 24 * 1024 - 1);
    EXPECT_TRUE(decodeContacts(image).isEmpty()) << "the table is not there whole";
}

TEST(ContactCodec, RawTextsRoundTrip) {
    for (ContactType type : kAllContactTypes)
        EXPECT_EQ(contactTypeFromRawText(rawText(type)), type);
    for (TimeSlotOverride o : kAllTimeSlotOverrides)
        EXPECT_EQ(timeSlotOverrideFromRawText(rawText(o)), o);
    EXPECT_EQ(rawText(ContactType::privateCall), QStringLiteral("Private"));
    EXPECT_EQ(rawText(TimeSlotOverride::none), QStringLiteral("No override"));
    EXPECT_EQ(contactTypeFromRawText(QStringLiteral("group")), std::nullopt);
}
