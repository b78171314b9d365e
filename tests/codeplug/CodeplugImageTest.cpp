#include "codeplug/CodeplugImage.h"
#include "codeplug/ByteIO.h"
#include "codeplug/CodeplugLayout.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;

namespace {

CodeplugImage zeroImage(RadioVariant variant) {
    CodeplugImage image;
    image.variant = variant;
    image.regions = layoutForVariant(variant).regions;
    for (const auto& r : image.regions)
        image.blobs.append(QByteArray(r.length, '\0'));
    return image;
}

} // namespace

TEST(CodeplugImage, ReadTakesTheFirstRegionThatCoversTheWholeRange) {
    CodeplugImage image;
    image.regions = {{Bank::flash, 0x100, 4}, {Bank::eeprom, 0x100, 8}, {Bank::flash, 0x100, 8}};
    image.blobs = {bytes({1, 2, 3, 4}), bytes({9, 9, 9, 9, 9, 9, 9, 9}),
                   bytes({5, 6, 7, 8, 10, 11, 12, 13})};

    EXPECT_EQ(readBytes(image, Bank::flash, 0x102, 2), bytes({3, 4}));
    EXPECT_EQ(readBytes(image, Bank::flash, 0x102, 4), bytes({7, 8, 10, 11}))
        << "the first flash region is too short, so the second flash region serves";
    EXPECT_EQ(readBytes(image, Bank::flash, 0x0FF, 1), std::nullopt);
    EXPECT_EQ(readBytes(image, Bank::flash, 0x106, 3), std::nullopt);
    EXPECT_EQ(readBytes(image, Bank::eeprom, 0x100, 8), bytes({9, 9, 9, 9, 9, 9, 9, 9}));
}

TEST(CodeplugImage, ReadUsesTheBufferLengthNotTheDeclaredLength) {
    CodeplugImage image;
    image.regions = {{Bank::eeprom, 0, 100}};
    image.blobs = {bytes({1, 2})};
    EXPECT_EQ(readBytes(image, Bank::eeprom, 0, 3), std::nullopt);
    EXPECT_EQ(readBytes(image, Bank::eeprom, 1, 1), bytes({2}));
}

TEST(CodeplugImage, WriteLandsInOneRegionOrChangesNothing) {
    CodeplugImage image = zeroImage(RadioVariant::gd77);
    const CodeplugImage before = image;

    EXPECT_EQ(writeBytes(image, Bank::flash, 0x7B000 + 0x13E60 - 1, bytes({1, 2})), std::nullopt);
    EXPECT_EQ(writeBytes(image, Bank::eeprom, 0x7000, bytes({1})), std::nullopt);
    EXPECT_EQ(image, before);

    EXPECT_EQ(writeBytes(image, Bank::flash, 0x7B002, bytes({0xAB, 0xCD})), 3);
    EXPECT_EQ(image.blobs[3].left(4), bytes({0, 0, 0xAB, 0xCD}));
    EXPECT_EQ(image.blobs[3].size(), 0x13E60);
}

TEST(CodeplugImage, FirstChannelBankIsServedByTheFamilysFirstRegion) {
    for (auto variant : {RadioVariant::gd77, RadioVariant::uv380}) {
        CodeplugImage image = zeroImage(variant);
        const BankAddress bank0 = layoutForVariant(variant).channelBanks[0];
        image.blobs[0][bank0.address - 0x80] = char(0x42);
        auto read = readBytes(image, bank0.bank, bank0.address, CodeplugLayout::kChannelBankSize);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(std::uint8_t(read->at(0)), 0x42);
        EXPECT_EQ(writeBytes(image, bank0.bank, bank0.address, bytes({1})), 0);
    }
}

TEST(CodeplugLayout, EveryTableLiesInsideOneRegionOfItsFamily) {
    for (auto variant : {RadioVariant::gd77, RadioVariant::uv380}) {
        const CodeplugImage image = zeroImage(variant);
        const CodeplugLayout& l = layoutForVariant(variant);
        auto covered = [&](BankAddress at, int size) {
            return readBytes(image, at.bank, at.address, size).has_value();
        };
        for (const auto& bank : l.channelBanks)
            EXPECT_TRUE(covered(bank, CodeplugLayout::kChannelBankSize));
        EXPECT_TRUE(covered(l.zoneBank, CodeplugLayout::kZoneTableSize));
        EXPECT_TRUE(covered(l.contactBank, CodeplugLayout::kContactTableSize));
        EXPECT_TRUE(covered(l.groupListBank, CodeplugLayout::kGroupListTableSize));
        EXPECT_TRUE(covered(l.aprsBank, CodeplugLayout::kAprsTableSize));
        EXPECT_TRUE(covered(l.settingsBank, CodeplugLayout::kSettingsReadSize));
        EXPECT_TRUE(covered(l.additionalSettingsBank, CodeplugLayout::kCustomDataSize));
        // The contact table begins where the eighth channel bank ends and the
        // group lists end exactly at the end of region 3.
        EXPECT_EQ(l.contactBank.address,
                  l.channelBanks[7].address + CodeplugLayout::kChannelBankSize);
        EXPECT_EQ(l.groupListBank.address + CodeplugLayout::kGroupListTableSize,
                  l.regions[3].address + std::uint32_t(l.regions[3].length));
    }
    EXPECT_EQ(layoutForVariant(RadioVariant::gd77).channelBanks[2].address, 0x7CDC0u);
    EXPECT_EQ(layoutForVariant(RadioVariant::uv380).channelBanks[7].address, 0xA5A10u);
}

TEST(CodeplugLayout, ChannelSlotAddressing) {
    const auto& l = layoutForVariant(RadioVariant::gd77);
    auto first = channelSlot(l, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->record, (BankAddress{Bank::eeprom, 0x3780 + 16}));
    auto p130 = channelSlot(l, 130); // bank 1, slot 2
    ASSERT_TRUE(p130);
    EXPECT_EQ(p130->record, (BankAddress{Bank::flash, 0x7B1B0 + 16 + 2 * 56}));
    EXPECT_EQ(p130->bitmapByte, (BankAddress{Bank::flash, 0x7B1B0}));
    EXPECT_EQ(p130->bit, 2);
    auto p1023 = channelSlot(l, 1023);
    ASSERT_TRUE(p1023);
    EXPECT_EQ(p1023->bitmapByte.address, 0x85A10u + 15);
    EXPECT_EQ(p1023->bit, 7);
    EXPECT_FALSE(channelSlot(l, 1024));
    EXPECT_FALSE(channelSlot(l, -1));
}

TEST(ByteIO, BcdKeepsTheLowestDigits) {
    EXPECT_EQ(valueToBcd(14550000, 8), 0x14550000u);
    EXPECT_EQ(bcdToValue(0x14550000, 8), 14550000u);
    EXPECT_EQ(valueToBcd(123456789, 8), 0x23456789u);
}
