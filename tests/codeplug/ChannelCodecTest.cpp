#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugLayout.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::hex;

namespace {

constexpr int kBankSize = 7184;

// Where each family keeps its channel banks, written out from the memory map
// rather than taken from the layout under test.
struct FamilyMap {
    Bank bank0;
    std::uint32_t bank0Address;
    std::uint32_t bank1Address; // banks 2-8 follow 7184 bytes apart, in flash
    std::uint32_t zoneAddress;  // zone table, in the bank of the first channel bank
};

FamilyMap familyMap(RadioVariant variant) {
    if (variant == RadioVariant::gd77)
        return {Bank::eeprom, 0x3780, 0x7B1B0, 0x8010};
    return {Bank::flash, 0x3780, 0x9B1B0, 0x8010};
}

class ChannelCodecTest : public ::testing::TestWithParam<RadioVariant> {
protected:
    void SetUp() override {
        image.variant = GetParam();
        image.regions = layoutForVariant(GetParam()).regions;
        for (const auto& region : image.regions)
            image.blobs.append(QByteArray(region.length, '\0'));
    }

    Bank bankOf(int bankIndex) const {
        return bankIndex == 0 ? familyMap(GetParam()).bank0 : Bank::flash;
    }
    std::uint32_t bankAddress(int bankIndex) const {
        const FamilyMap m = familyMap(GetParam());
        return bankIndex == 0 ? m.bank0Address
                              : m.bank1Address + std::uint32_t((bankIndex - 1) * kBankSize);
    }
    // Region index holding a bank: region 0 for the first, region 3 for the others.
    static int regionOf(int bankIndex) { return bankIndex == 0 ? 0 : 3; }

    std::uint32_t recordAddress(int position) const {
        return bankAddress(position / 128) + 16 + 56 * std::uint32_t(position % 128);
    }
    QByteArray record(int position) const {
        return *readBytes(image, bankOf(position / 128), recordAddress(position), 56);
    }
    void putRecord(int position, const QByteArray& bytes56) {
        ASSERT_TRUE(writeBytes(image, bankOf(position / 128), recordAddress(position), bytes56));
    }
    std::uint8_t bitmapByte(int bankIndex, int byteIndex) const {
        return std::uint8_t(
            readBytes(image, bankOf(bankIndex), bankAddress(bankIndex) + byteIndex, 1)->at(0));
    }
    void setBitmapByte(int bankIndex, int byteIndex, std::uint8_t value) {
        ASSERT_TRUE(writeBytes(image, bankOf(bankIndex), bankAddress(bankIndex) + byteIndex,
                               QByteArray(1, char(value))));
    }
    void markInUse(int position) {
        const int b = position / 128, s = position % 128;
        setBitmapByte(b, s / 8, std::uint8_t(bitmapByte(b, s / 8) | (1u << (s % 8))));
    }
    bool inUse(int position) const {
        const int b = position / 128, s = position % 128;
        return (bitmapByte(b, s / 8) >> (s % 8)) & 1;
    }
    QList<int> numbers() const {
        QList<int> out;
        for (const RadioChannel& c : decodeChannels(image))
            out.append(c.number);
        return out;
    }

    CodeplugImage image;
};

// A record whose every byte differs from its neighbours, so a field written at
// a wrong offset shows up.
QByteArray patternRecord(char seed) {
    QByteArray r(56, '\0');
    for (int i = 0; i < 56; ++i)
        r[i] = char(seed + 3 * i);
    return r;
}

// A hand-built DMR record.
QByteArray sampleDmrRecord() {
    QByteArray r = bytes({'Z',  0xFC, 'r',  'i',  'c',  'h',  0xFF, 0xFF,
                          0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, // 0-15 name
                          0x00, 0x00, 0x55, 0x14,                         // 16 RX 145.500 MHz
                          0x50, 0x37, 0x00, 0x44,                         // 20 TX 440.03750 MHz
                          0x01, 0x06,                                     // 24 DMR, power 6
                          0,    0,    0,    0,    0,    0,                // 26 kept
                          0x85, 0x08, 0x23, 0xC0,                         // 32 RX 88.5, TX D023I
                          0,    0,                                        // 36 kept
                          0x40,                // 38 key beep off, power save on
                          0,    0,    0,    0, // 39 kept
                          0x03, 0x07, 0x00,    // 43 group list 2, CC 7, no APRS
                          0x02, 0x01,          // 46 contact 0x0102 - 1 = 257
                          0,    0x40, 0,       // 48, 49 TS2, 50
                          0x52,                // 51 wide, skip scan, VOX
                          0,    0,    0,       // 52 kept
                          0x04});              // 55 squelch between levels 2 and 3
    return r;
}

} // namespace

TEST_P(ChannelCodecTest, DecodesOnlySlotsMarkedInUseInNumberOrder) {
    putRecord(9, sampleDmrRecord());
    putRecord(130, sampleDmrRecord());
    putRecord(131, sampleDmrRecord()); // named, but its bit stays clear
    putRecord(300, sampleDmrRecord()); // bank 2, whose bitmap is all zero
    setBitmapByte(1, 0, 0x04);         // slot 2 of bank 1 = position 130
    setBitmapByte(0, 1, 0x02);         // slot 9 of bank 0

    EXPECT_EQ(numbers(), (QList<int>{10, 131}));
}

TEST_P(ChannelCodecTest, DecodesEveryFieldOfAHandBuiltRecord) {
    putRecord(130, sampleDmrRecord());
    markInUse(130);

    const QList<RadioChannel> channels = decodeChannels(image);
    ASSERT_EQ(channels.size(), 1);
    const RadioChannel& c = channels[0];
    EXPECT_EQ(c.number, 131);
    EXPECT_EQ(c.name, QStringLiteral("Zürich"));
    EXPECT_EQ(c.mode, ChannelMode::dmr);
    EXPECT_EQ(c.rxHz, 145'500'000u);
    EXPECT_EQ(c.txHz, 440'037'500u);
    EXPECT_EQ(c.powerRaw, 6);
    EXPECT_EQ(c.rxTone, Tone::ctcss(885));
    EXPECT_EQ(c.txTone, Tone::dcs(23, true));
    EXPECT_TRUE(c.powerSave);
    EXPECT_FALSE(c.beep);
    EXPECT_EQ(c.groupListIndex, 2);
    EXPECT_EQ(c.colorCode, 7);
    EXPECT_EQ(c.aprsIndex, std::nullopt);
    EXPECT_EQ(c.contactIndex, 257);
    EXPECT_EQ(c.timeSlot, 2);
    EXPECT_TRUE(c.bandwidthWide);
    EXPECT_FALSE(c.rxOnly);
    EXPECT_FALSE(c.monitor);
    EXPECT_TRUE(c.skipScan);
    EXPECT_FALSE(c.skipZoneScan);
    EXPECT_TRUE(c.vox);
    EXPECT_EQ(c.squelchMode, SquelchMode::normal);
    EXPECT_EQ(c.squelchLevel, 2);
}

TEST_P(ChannelCodecTest, ModeOtherThanOneIsFmAndDecodesCompareByContent) {
    QByteArray r = sampleDmrRecord();
    r[24] = char(2);
    putRecord(0, r);
    putRecord(1, r);
    setBitmapByte(0, 0, 0x03);

    const QList<RadioChannel> first = decodeChannels(image);
    const QList<RadioChannel> second = decodeChannels(image);
    ASSERT_EQ(first.size(), 2);
    EXPECT_EQ(first[0].mode, ChannelMode::fm);
    EXPECT_EQ(second, first) << "two decodes of the same bytes are equal";
    EXPECT_NE(first[0], first[1]) << "the number is part of a record";
}

TEST_P(ChannelCodecTest, EditWritesOwnedFieldsAndKeepsEverythingElse) {
    QByteArray before = patternRecord(0x11);
    before[38] = char(0xA5); // 1010 0101: power save off (bit 5), beep on (bit 6 clear)
    before[49] = char(0xA5); // bit 6 clear: time slot 1
    before[51] = char(0xA5); // bits 0, 2, 5, 7 set
    putRecord(200, before);

    ChannelEdit edit;
    edit.name = QStringLiteral("Zürich Ост 1");
    edit.rxHz = 438'612'500;
    edit.txHz = 431'012'500;
    edit.isDMR = true;
    edit.powerRaw = 9;
    edit.colorCode = 12;
    edit.timeSlotTS2 = true;
    edit.bandwidthWide = true;
    edit.rxOnly = false;
    edit.rxTone = Tone::dcs(754, false);
    edit.txTone = Tone::ctcss(1230);
    edit.contactSlot = 300;
    edit.groupListIndex = 4;
    edit.squelchMode = SquelchMode::normal;
    edit.squelchLevel = 2;
    edit.monitor = true;
    edit.skipScan = false;
    edit.skipZoneScan = false;
    edit.vox = true;
    edit.powerSave = true;
    edit.beep = false;
    edit.aprsIndex = 0;

    const RegionSet regions = applyChannelEdit(edit, 201, image);
    EXPECT_EQ(regions, RegionSet{regionOf(1)});

    QByteArray expected = before;
    expected.replace(0, 16, QByteArray("Z\xFCrich ??? 1\xFF\xFF\xFF\xFF", 16));
    expected.replace(16, 4, bytes({0x50, 0x12, 0x86, 0x43}));
    expected.replace(20, 4, bytes({0x50, 0x12, 0x10, 0x43}));
    expected[24] = char(0x01);
    expected[25] = char(0x09);
    expected.replace(32, 4, bytes({0x54, 0x87, 0x30, 0x12}));
    expected[38] = char(0xC5); // power save on clears bit 5, beep off sets bit 6
    expected[43] = char(0x05);
    expected[44] = char(0x0C);
    expected[45] = char(0x01);
    expected.replace(46, 2, bytes({0x2D, 0x01}));
    expected[49] = char(0xE5);
    expected[51] = char(0xCB); // 1100 1011: bits 0 and 7 kept; wide, monitor, VOX
    expected[55] = char(0x03);
    EXPECT_EQ(hex(record(200)).toStdString(), hex(expected).toStdString());
    EXPECT_FALSE(inUse(200)) << "an edit never touches the in-use bit";
}

TEST_P(ChannelCodecTest, EditWithNoReferencesWritesZerosAndNoTonesFF) {
    putRecord(3, patternRecord(0x40));
    ChannelEdit edit;
    edit.name = QStringLiteral("A");
    edit.squelchMode = SquelchMode::closed;
    ASSERT_FALSE(applyChannelEdit(edit, 4, image).empty());

    const QByteArray r = record(3);
    EXPECT_EQ(r.mid(32, 4), bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(std::uint8_t(r[43]), 0);
    EXPECT_EQ(std::uint8_t(r[45]), 0);
    EXPECT_EQ(r.mid(46, 2), bytes({0, 0}));
    EXPECT_EQ(std::uint8_t(r[55]), 15);
}

TEST_P(ChannelCodecTest, EditOutsideTheBanksOrWithoutVariantWritesNothing) {
    const CodeplugImage before = image;
    EXPECT_TRUE(applyChannelEdit(ChannelEdit{}, 0, image).empty());
    EXPECT_TRUE(applyChannelEdit(ChannelEdit{}, 1025, image).empty());
    image.variant.reset();
    EXPECT_TRUE(applyChannelEdit(ChannelEdit{}, 1, image).empty());
    EXPECT_TRUE(decodeChannels(image).isEmpty());
    image.variant = GetParam();
    EXPECT_EQ(image, before);
    EXPECT_FALSE(applyChannelEdit(ChannelEdit{}, 1024, image).empty());
}

TEST_P(ChannelCodecTest, PowerLevelKeepsAnUnchangedRawByte) {
    putRecord(0, patternRecord(0));
    QByteArray r = sampleDmrRecord();
    r[25] = char(2);
    r[55] = char(3); // a squelch byte that is exactly a level's code
    putRecord(0, r);
    markInUse(0);
    RadioChannel channel = decodeChannels(image).at(0);
    ASSERT_EQ(powerLevel(channel.powerRaw), ChannelPowerLevel::low);

    ChannelEdit edit = channelEditFrom(channel);
    edit.powerRaw = powerRawFor(ChannelPowerLevel::low, channel.powerRaw);
    ASSERT_FALSE(applyChannelEdit(edit, 1, image).empty());
    EXPECT_EQ(std::uint8_t(record(0)[25]), 2);
    EXPECT_EQ(record(0), r) << "an edit built from a decoded channel changes no byte";

    edit.powerRaw = powerRawFor(ChannelPowerLevel::high, channel.powerRaw);
    ASSERT_FALSE(applyChannelEdit(edit, 1, image).empty());
    EXPECT_EQ(std::uint8_t(record(0)[25]), 9);
}

TEST_P(ChannelCodecTest, BlankChannelOverwritesTheRecordAndSetsOnlyItsBit) {
    putRecord(200, patternRecord(0x22));
    setBitmapByte(1, 9, 0x80); // slot 79 in use; the blank goes to slot 72 (bit 0 of byte 9)

    EXPECT_EQ(createBlankChannel(200, image), RegionSet{regionOf(1)});
    EXPECT_EQ(bitmapByte(1, 9), 0x81);
    EXPECT_EQ(hex(record(200)).toStdString(),
              hex(bytes({'N',  'e',  'w',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                         0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14,
                         0,    0,    0,    0,    0,    0,    0,    0,    0xFF, 0xFF, 0xFF, 0xFF,
                         0,    0,    0,    0,    0,    0,    0,    0,    0x01, 0,    0,    0,
                         0,    0,    0,    0,    0,    0,    0,    0}))
                  .toStdString());

    const RadioChannel blank = decodeChannels(image).at(0);
    EXPECT_EQ(blank.number, 201);
    EXPECT_EQ(blank.name, QStringLiteral("New"));
    EXPECT_EQ(blank.rxHz, 145'000'000u);
    EXPECT_EQ(blank.squelchMode, SquelchMode::global);
    EXPECT_TRUE(blank.powerSave && blank.beep);
    EXPECT_EQ(blank.rxTone, std::nullopt);
    EXPECT_EQ(blank.colorCode, 1);

    EXPECT_EQ(createBlankChannel(5, image), RegionSet{0});
    EXPECT_TRUE(createBlankChannel(1024, image).empty());
}

TEST_P(ChannelCodecTest, PasteNeedsExactly56Bytes) {
    const CodeplugImage before = image;
    EXPECT_TRUE(pasteChannelRecord(sampleDmrRecord().left(55), 7, image).empty());
    EXPECT_TRUE(pasteChannelRecord(sampleDmrRecord() + char(0), 7, image).empty());
    EXPECT_TRUE(pasteChannelRecord(sampleDmrRecord(), -1, image).empty());
    EXPECT_EQ(image, before);

    EXPECT_EQ(pasteChannelRecord(sampleDmrRecord(), 7, image), RegionSet{0});
    EXPECT_EQ(record(7), sampleDmrRecord());
    EXPECT_EQ(bitmapByte(0, 0), 0x80);
    EXPECT_EQ(readChannelRecord(7, image), sampleDmrRecord());
}

TEST_P(ChannelCodecTest, ClearKeepsTheBytesAndABlankOverwritesThem) {
    putRecord(129, sampleDmrRecord());
    setBitmapByte(1, 0, 0x07);

    EXPECT_EQ(clearChannelSlot(129, image), RegionSet{regionOf(1)});
    EXPECT_EQ(bitmapByte(1, 0), 0x05);
    EXPECT_EQ(numbers(), (QList<int>{129, 131}));
    EXPECT_EQ(record(129), sampleDmrRecord());
    EXPECT_EQ(readChannelRecord(129, image), sampleDmrRecord()) << "raw read ignores the bit";

    ASSERT_FALSE(createBlankChannel(129, image).empty());
    EXPECT_EQ(record(129).left(3), QByteArray("New"));
    EXPECT_EQ(bitmapByte(1, 0), 0x07);
    EXPECT_EQ(readChannelRecord(1024, image), std::nullopt);
}

TEST_P(ChannelCodecTest, CompactMovesRecordsInOrderAndRenumbersZoneMembers) {
    putRecord(5, patternRecord(5));
    putRecord(0, patternRecord(0));
    putRecord(9, patternRecord(9));
    putRecord(140, patternRecord(14)); // not listed, and in bank 1
    for (int p : {0, 5, 9, 140})
        markInUse(p);

    // Zone 1 in use, members channel 6, 1, 10 and an empty slot's number 4.
    const FamilyMap m = familyMap(GetParam());
    const std::uint32_t zone1 = m.zoneAddress + 32 + 176;
    ASSERT_TRUE(writeBytes(image, m.bank0, m.zoneAddress, bytes({0x02})));
    ASSERT_TRUE(writeBytes(image, m.bank0, zone1 + 16, bytes({6, 0, 1, 0, 10, 0, 4, 0})));

    const QHash<int, int> oldToNew = {{5, 0}, {0, 1}, {9, 2}, {1, 1}, {2, 2},
                                      {3, 3}, {4, 4}, {6, 6}, {7, 7}, {8, 8}};
    const RegionSet regions = compactChannels({5, 0, 9}, oldToNew, image);
    EXPECT_EQ(regions, (RegionSet{0, 1, 3})); // first bank, zone table, bitmaps of banks 2-8

    EXPECT_EQ(record(0), patternRecord(5));
    EXPECT_EQ(record(1), patternRecord(0));
    EXPECT_EQ(record(2), patternRecord(9));
    EXPECT_EQ(record(5), patternRecord(5)) << "records beyond the count keep their bytes";
    EXPECT_EQ(record(9), patternRecord(9));
    EXPECT_EQ(bitmapByte(0, 0), 0x07);
    EXPECT_EQ(bitmapByte(0, 1), 0x00);
    EXPECT_EQ(bitmapByte(1, 1), 0x00) << "an unlisted channel is dropped";
    EXPECT_EQ(numbers(), (QList<int>{1, 2, 3}));

    EXPECT_EQ(*readBytes(image, m.bank0, zone1 + 16, 8), bytes({1, 0, 2, 0, 3, 0, 4, 0}));
}

TEST_P(ChannelCodecTest, CompactSetsBitsAcrossBanks) {
    QList<int> order;
    for (int p = 0; p < 130; ++p)
        order.append(p);
    ASSERT_FALSE(compactChannels(order, {}, image).empty());
    for (int byte = 0; byte < 16; ++byte)
        EXPECT_EQ(bitmapByte(0, byte), 0xFF);
    EXPECT_EQ(bitmapByte(1, 0), 0x03);
    EXPECT_EQ(bitmapByte(1, 1), 0x00);
    EXPECT_EQ(decodeChannels(image).size(), 130);
}

TEST_P(ChannelCodecTest, CompactWritesNothingWhenAPositionIsBadOrRepeated) {
    putRecord(5, patternRecord(5));
    markInUse(5);
    const CodeplugImage before = image;
    EXPECT_TRUE(compactChannels({5, 1024}, {{5, 0}}, image).empty());
    EXPECT_TRUE(compactChannels({5, -1}, {{5, 0}}, image).empty());
    EXPECT_TRUE(compactChannels({5, 5}, {{5, 0}}, image).empty());
    EXPECT_EQ(image, before);

    // Without the flash region the second bank's records cannot be read.
    image.blobs[3].truncate(16);
    const CodeplugImage truncated = image;
    EXPECT_TRUE(compactChannels({200, 5}, {}, image).empty());
    EXPECT_EQ(image, truncated);
}

TEST_P(ChannelCodecTest, RemapRewritesReferencesOfChannelsInUse) {
    auto withRefs = [](int contact, int groupList) {
        QByteArray r = patternRecord(0x30);
        r[46] = char(contact & 0xFF);
        r[47] = char(contact >> 8);
        r[43] = char(groupList);
        return r;
    };
    putRecord(0, withRefs(1, 1));   // contact slot 0, group list 0
    putRecord(1, withRefs(3, 0));   // contact slot 2, no group list
    putRecord(2, withRefs(2, 2));   // slot 1: not in the map
    putRecord(3, withRefs(1, 1));   // not in use
    putRecord(130, withRefs(0, 3)); // no contact; group list 2
    for (int p : {0, 1, 2, 130})
        markInUse(p);

    const QHash<int, int> contacts = {{0, 299}, {2, 0}};
    EXPECT_EQ(remapChannelReferences(46, 2, contacts, image), (RegionSet{0}));
    EXPECT_EQ(record(0).mid(46, 2), bytes({0x2C, 0x01}));
    EXPECT_EQ(record(1).mid(46, 2), bytes({0x01, 0x00}));
    EXPECT_EQ(record(2).mid(46, 2), bytes({0x02, 0x00}));
    EXPECT_EQ(record(3).mid(46, 2), bytes({0x01, 0x00}));
    EXPECT_EQ(record(130).mid(46, 2), bytes({0x00, 0x00}));

    // Group lists: new index 299 does not fit one byte and is left alone.
    const QHash<int, int> lists = {{0, 299}, {2, 6}};
    EXPECT_EQ(remapChannelReferences(43, 1, lists, image), (RegionSet{regionOf(1)}));
    EXPECT_EQ(std::uint8_t(record(0)[43]), 1);
    EXPECT_EQ(std::uint8_t(record(130)[43]), 7);
    EXPECT_EQ(record(130).mid(48, 8), patternRecord(0x30).mid(48, 8));
    EXPECT_EQ(record(130).mid(40, 3), patternRecord(0x30).mid(40, 3));

    EXPECT_TRUE(remapChannelReferences(46, 3, contacts, image).empty());
    EXPECT_TRUE(remapChannelReferences(55, 2, contacts, image).empty());
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, ChannelCodecTest,
                         ::testing::Values(RadioVariant::gd77, RadioVariant::uv380),
                         [](const auto& info) { return std::string(variantKey(info.param)); });

TEST(ChannelSquelch, NearestLevelWithTiesToTheLowerOne) {
    const std::pair<int, int> cases[] = {{2, 1},  {3, 2},  {4, 2},  {5, 3},  {6, 4},
                                         {7, 4},  {8, 5},  {9, 6},  {10, 7}, {11, 7},
                                         {12, 8}, {13, 9}, {14, 9}, {16, 9}, {200, 9}};
    for (auto [code, level] : cases)
        EXPECT_EQ(decodeSquelch(std::uint8_t(code)), (SquelchSetting{SquelchMode::normal, level}))
            << code;
    EXPECT_EQ(decodeSquelch(0), (SquelchSetting{SquelchMode::global, 5}));
    EXPECT_EQ(decodeSquelch(1), (SquelchSetting{SquelchMode::open, 5}));
    EXPECT_EQ(decodeSquelch(15), (SquelchSetting{SquelchMode::closed, 5}));
}

TEST(ChannelSquelch, EncodingClampsTheLevel) {
    EXPECT_EQ(encodeSquelch(SquelchMode::normal, 2), 3);
    EXPECT_EQ(encodeSquelch(SquelchMode::normal, 0), 2);
    EXPECT_EQ(encodeSquelch(SquelchMode::normal, 12), 13);
    EXPECT_EQ(encodeSquelch(SquelchMode::normal, 5), 8);
    EXPECT_EQ(encodeSquelch(SquelchMode::global, 7), 0);
    EXPECT_EQ(encodeSquelch(SquelchMode::open, 7), 1);
    EXPECT_EQ(encodeSquelch(SquelchMode::closed, 7), 15);
    for (int level = 1; level <= 9; ++level)
        EXPECT_EQ(decodeSquelch(encodeSquelch(SquelchMode::normal, level)).level, level);
}

TEST(ChannelPower, RawByteToLevelAndBack) {
    const std::pair<int, ChannelPowerLevel> cases[] = {
        {0, ChannelPowerLevel::global}, {1, ChannelPowerLevel::min},  {2, ChannelPowerLevel::low},
        {3, ChannelPowerLevel::low},    {4, ChannelPowerLevel::mid},  {6, ChannelPowerLevel::mid},
        {7, ChannelPowerLevel::high},   {9, ChannelPowerLevel::high}, {10, ChannelPowerLevel::max},
        {12, ChannelPowerLevel::max},   {255, ChannelPowerLevel::max}};
    for (auto [raw, level] : cases)
        EXPECT_EQ(powerLevel(std::uint8_t(raw)), level) << raw;

    EXPECT_EQ(powerRawFor(ChannelPowerLevel::low, 2), 2);
    EXPECT_EQ(powerRawFor(ChannelPowerLevel::max, 12), 12);
    EXPECT_EQ(powerRawFor(ChannelPowerLevel::high, 2), 9);
    EXPECT_EQ(powerRawFor(ChannelPowerLevel::global, 5), 0);
    EXPECT_EQ(powerRawFor(ChannelPowerLevel::min, 0), 1);
    EXPECT_EQ(powerRawFor(ChannelPowerLevel::low, 0), 3);
    EXPECT_EQ(powerRawFor(ChannelPowerLevel::mid, 0), 6);
    EXPECT_EQ(powerRawFor(ChannelPowerLevel::max, 0), 10);
}
