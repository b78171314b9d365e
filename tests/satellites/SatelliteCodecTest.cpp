#include "satellites/SatelliteCodec.h"
#include "codeplug/CodeplugLayout.h"

#include "KepsSamples.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace nerka;
using namespace nerka::test;

namespace {

QByteArray erasedArea() {
    QByteArray area(4512, char(0xFF));
    area.replace(0, 12, QByteArray(QByteArray("OpenGD77") + bytes({0x11, 0x22, 0x33, 0x44})));
    return area;
}

void put(QByteArray& area, int offset, const QByteArray& data) {
    area.replace(offset, data.size(), data);
}

CodeplugImage imageWithArea(RadioVariant variant, const QByteArray& area) {
    CodeplugImage image;
    image.variant = variant;
    image.regions = layoutForVariant(variant).regions;
    for (const auto& region : image.regions)
        image.blobs.append(QByteArray(region.length, '\0'));
    image.blobs[2] = area;
    return image;
}

// Satellite block head at 12 with 25 zeroed slots and 20 trailing bytes of 0xEE.
QByteArray areaWithEmptyBlock() {
    QByteArray area = erasedArea();
    put(area, 12, bytes({0x03, 0, 0, 0, 0xD8, 0x09, 0, 0}));
    put(area, 20, QByteArray(2500, '\0'));
    put(area, 2520, QByteArray(20, char(0xEE)));
    return area;
}

// One record by hand: "SO-50", packed ISS elements, 436.795 / 145.850 MHz,
// CTCSS 67.0 (code 0x0670) on transmit, DCS D023 normal (0x8023) as arm tone,
// second pair 1 / 2 Hz, third pair unset, additional bytes 0xA0..0xB7.
QByteArray so50Record() {
    QByteArray r;
    r += bytes({'S', 'O', '-', '5', '0', 0, 0, 0});
    r += issTle1();
    r += issTle2();
    r += bytes({0x78, 0xF6, 0x08, 0x1A}); // 436 795 000 = 0x1A08F678
    r += bytes({0x90, 0x7E, 0xB1, 0x08}); // 145 850 000 = 0x08B17E90
    r += bytes({0x70, 0x06, 0x23, 0x80});
    r += bytes({1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    for (unsigned b = 0xA0; b < 0xB8; ++b)
        r += char(b);
    return r;
}

Satellite so50() {
    Satellite s;
    s.name = "SO-50";
    s.tle1 = issTle1();
    s.tle2 = issTle2();
    s.rxFreq1 = 436795000;
    s.txFreq1 = 145850000;
    s.txTone = Tone::ctcss(670);
    s.armTone = Tone::dcs(23, false);
    s.rxFreq2 = 1;
    s.txFreq2 = 2;
    for (unsigned b = 0xA0; b < 0xB8; ++b)
        s.additionalData += char(b);
    return s;
}

Satellite named(const QString& name) {
    Satellite s;
    s.name = name;
    return s;
}

// A record holding only a name (tones absent: FF FF).
QByteArray nameOnlyRecord(const QByteArray& name) {
    QByteArray r(100, '\0');
    r.replace(0, name.size(), name);
    r.replace(56, 4, bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    return r;
}

} // namespace

class SatelliteCodecTest : public ::testing::TestWithParam<RadioVariant> {};

TEST_P(SatelliteCodecTest, EnsureBlockOnErasedFlashWritesAnEmptyBlock) {
    CodeplugImage image = imageWithArea(GetParam(), erasedArea());
    EXPECT_EQ(decodeSatellites(image), std::nullopt);

    EXPECT_EQ(std::get<RegionSet>(ensureSatelliteBlock(image)), RegionSet{2});

    QByteArray expected = erasedArea();
    put(expected, 12, bytes({0x03, 0x00, 0x00, 0x00, 0xD8, 0x09, 0x00, 0x00}));
    put(expected, 20, QByteArray(2520, '\0'));
    EXPECT_EQ(hex(image.blobs[2]), hex(expected)) << "no end marker after the block";
    EXPECT_EQ(decodeSatellites(image), QList<Satellite>());

    const CodeplugImage once = image;
    EXPECT_TRUE(std::get<RegionSet>(ensureSatelliteBlock(image)).empty()) << "already there";
    EXPECT_EQ(image, once);
}

TEST_P(SatelliteCodecTest, EnsureBlockFailures) {
    QByteArray unsigned_ = erasedArea();
    unsigned_[0] = 'X';
    CodeplugImage image = imageWithArea(GetParam(), unsigned_);
    CodeplugImage before = image;
    EXPECT_EQ(std::get<SatelliteCodec::BlockError>(ensureSatelliteBlock(image)).description(),
              "This codeplug has no OpenGD77 custom-data signature, so no satellite block can be "
              "added.");
    EXPECT_EQ(image, before);

    // Free space at 2000: 2000 + 8 + 2520 > 4512.
    QByteArray late = erasedArea();
    put(late, 12, bytes({0x07, 0, 0, 0, 0xBC, 0x07, 0, 0})); // 12 + 8 + 1980 = 2000
    image = imageWithArea(GetParam(), late);
    before = image;
    EXPECT_EQ(std::get<SatelliteCodec::BlockError>(ensureSatelliteBlock(image)),
              SatelliteCodec::BlockError::noRoom());
    EXPECT_EQ(image, before);

    // Free space at 1984 fits exactly: 1984 + 8 + 2520 = 4512.
    put(late, 12, bytes({0x07, 0, 0, 0, 0xAC, 0x07, 0, 0}));
    image = imageWithArea(GetParam(), late);
    EXPECT_EQ(std::get<RegionSet>(ensureSatelliteBlock(image)), RegionSet{2});

    // A free-space type whose length is not erased.
    QByteArray notErased = erasedArea();
    put(notErased, 12, bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0, 0, 0}));
    image = imageWithArea(GetParam(), notErased);
    EXPECT_EQ(std::get<SatelliteCodec::BlockError>(ensureSatelliteBlock(image)),
              SatelliteCodec::BlockError::noRoom());
}

TEST_P(SatelliteCodecTest, DecodesRecordsUpToTheFirstEmptySlot) {
    QByteArray area = areaWithEmptyBlock();
    put(area, 20, so50Record());
    put(area, 120, nameOnlyRecord(bytes({' ', 0xC4, 0xD6, ' ', 0, 'Z'})));
    put(area, 220, nameOnlyRecord("ABCDEFGH"));
    put(area, 420, nameOnlyRecord("HIDDEN")); // after the empty slot 3
    const auto satellites = decodeSatellites(imageWithArea(GetParam(), area));
    ASSERT_TRUE(satellites.has_value());
    ASSERT_EQ(satellites->size(), 3);

    Satellite expected = so50();
    expected.id = (*satellites)[0].id;
    EXPECT_EQ((*satellites)[0], expected);
    EXPECT_FALSE((*satellites)[0].id.isNull());
    EXPECT_EQ((*satellites)[1].name, QString::fromUtf8("ÄÖ")) << "trimmed, ended by the 0 byte";
    EXPECT_EQ((*satellites)[1].index, 1);
    EXPECT_EQ((*satellites)[1].txTone, std::nullopt);
    EXPECT_EQ((*satellites)[2].name, "ABCDEFGH") << "eight bytes without a terminator";
    EXPECT_EQ((*satellites)[2].index, 2);
    EXPECT_NE((*satellites)[0].id, (*satellites)[2].id);
}

TEST_P(SatelliteCodecTest, BlockMustFitTheArea) {
    QByteArray area = areaWithEmptyBlock();
    put(area, 16, bytes({0x8D, 0x11, 0, 0})); // 12 + 8 + 4493 > 4512
    put(area, 20, so50Record());
    CodeplugImage image = imageWithArea(GetParam(), area);
    const CodeplugImage before = image;
    EXPECT_EQ(decodeSatellites(image), std::nullopt);
    EXPECT_TRUE(writeSatellites({so50()}, image).empty());
    EXPECT_EQ(image, before);

    image.variant.reset();
    EXPECT_EQ(decodeSatellites(image), std::nullopt);
}

TEST_P(SatelliteCodecTest, WriteEncodesEachRecordAndZeroesTheRest) {
    CodeplugImage image = imageWithArea(GetParam(), areaWithEmptyBlock());
    Satellite long_ = named(QString::fromUtf8("ÄÖ€") + QChar(0) + QStringLiteral("ABCDEFG"));
    long_.tle1 = bytes({0x12, 0x34});                  // padded with zeros
    long_.tle2 = QByteArray(40, char(0x77));           // cut to 28 bytes
    long_.additionalData = QByteArray(30, char(0x99)); // cut to 24 bytes
    long_.index = 17;                                  // plays no part

    EXPECT_EQ(writeSatellites({named("   "), so50(), long_}, image), RegionSet{2});

    QByteArray expected = areaWithEmptyBlock();
    put(expected, 20, so50Record());
    QByteArray second(100, '\0');
    put(second, 0, bytes({0xC4, 0xD6, 0x3F, 0x3F, 'A', 'B', 'C', 'D'}));
    put(second, 8, bytes({0x12, 0x34}));
    put(second, 20, QByteArray(28, char(0x77)));
    put(second, 56, bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    put(second, 76, QByteArray(24, char(0x99)));
    put(expected, 120, second);
    EXPECT_EQ(hex(image.blobs[2]), hex(expected));

    // Decoding and writing back keeps every byte, uninterpreted ones included.
    EXPECT_EQ(writeSatellites(*decodeSatellites(image), image), RegionSet{2});
    EXPECT_EQ(hex(image.blobs[2]), hex(expected));
}

TEST_P(SatelliteCodecTest, WriteDropsBlankNamesAndKeepsTwentyFive) {
    QByteArray area = areaWithEmptyBlock();
    put(area, 20, QByteArray(2500, char(0x42))); // stale bytes everywhere
    CodeplugImage image = imageWithArea(GetParam(), area);

    QList<Satellite> satellites;
    for (int i = 0; i < 27; ++i)
        satellites.append(named(i == 4 ? "   " : QString("S%1").arg(i)));
    EXPECT_EQ(writeSatellites(satellites, image), RegionSet{2});
    const auto decoded = decodeSatellites(image);
    ASSERT_TRUE(decoded.has_value());
    ASSERT_EQ(decoded->size(), 25);
    EXPECT_EQ((*decoded)[3].name, "S3");
    EXPECT_EQ((*decoded)[4].name, "S5");
    EXPECT_EQ((*decoded)[24].name, "S25") << "S26 falls off";
    EXPECT_EQ(image.blobs[2].mid(2520, 20), QByteArray(20, char(0xEE)));

    // Writing fewer zeroes the freed slots.
    EXPECT_EQ(writeSatellites({named("ONE")}, image), RegionSet{2});
    EXPECT_EQ(image.blobs[2].mid(120, 2400), QByteArray(2400, '\0'));
    EXPECT_EQ(decodeSatellites(image)->size(), 1);
    EXPECT_EQ(image.blobs[2].left(12), areaWithEmptyBlock().left(12)) << "area head kept";
}

TEST_P(SatelliteCodecTest, AShortBlockNeverSpillsIntoTheNextBlock) {
    QByteArray area = erasedArea();
    put(area, 12, bytes({0x03, 0, 0, 0, 0x2C, 0x01, 0, 0})); // 300 bytes: three slots
    put(area, 20, QByteArray(300, '\0'));
    put(area, 320, bytes({0x04, 0, 0, 0, 0x40, 0, 0, 0})); // day theme after it
    put(area, 328, QByteArray(64, char(0x5A)));
    CodeplugImage image = imageWithArea(GetParam(), area);

    EXPECT_EQ(writeSatellites({named("A"), named("B"), named("C"), named("D")}, image),
              RegionSet{2});
    EXPECT_EQ(image.blobs[2].mid(320), area.mid(320));
    const auto decoded = decodeSatellites(image);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->size(), 3);

    // A block too short for one slot takes nothing.
    put(area, 12, bytes({0x03, 0, 0, 0, 0x63, 0, 0, 0}));
    image = imageWithArea(GetParam(), area);
    const CodeplugImage before = image;
    EXPECT_TRUE(writeSatellites({named("A")}, image).empty());
    EXPECT_EQ(image, before);
    EXPECT_EQ(decodeSatellites(image), QList<Satellite>());
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, SatelliteCodecTest,
                         ::testing::Values(RadioVariant::gd77, RadioVariant::uv380),
                         [](const auto& info) { return std::string(variantKey(info.param)); });

TEST(PackedText, PacksTwoCharactersPerByte) {
    EXPECT_EQ(hex(packText("25001.5", 4)), hex(bytes({0x25, 0x00, 0x1A, 0x5B})));
    EXPECT_EQ(hex(packText("+-* .", 3)), hex(bytes({0xCD, 0xEB, 0xAB})));
    EXPECT_EQ(hex(packText("1e5", 2)), hex(bytes({0x1B, 0x5B}))) << "letters become spaces";
    EXPECT_EQ(hex(packText("123456", 2)), hex(bytes({0x12, 0x34}))) << "cut to the byte count";
    EXPECT_EQ(packText("1", 0), QByteArray());
    EXPECT_EQ(unpackText(bytes({0xF0})), " 0");
    EXPECT_EQ(unpackText(bytes({0x25, 0x00, 0x1A, 0x5B, 0xCD, 0xEB})), "25001.5 +-* ");
    EXPECT_EQ(unpackText(issTle1()), "08264.51782528-.00002182");
}

TEST(EpochDate, YearAndDayOfTheUnpackedElements) {
    Satellite s;
    s.tle1 = packText("25123.50000000", 12);
    EXPECT_EQ(epochDate(s), QDateTime(QDate(2025, 5, 3), QTime(12, 0), QTimeZone::utc()));

    s.tle1 = issTle1(); // 2008, day 264.51782528: 20 September 12:25:40.104
    EXPECT_EQ(epochDate(s),
              QDateTime(QDate(2008, 9, 20), QTime(12, 25, 40, 104), QTimeZone::utc()));

    s.tle1 = bytes({0x25, 0x12, 0x3A, 0x50, 0x00, 0x00}); // 12 characters only
    EXPECT_EQ(epochDate(s), std::nullopt);
    s.tle1 = packText("  123.5", 12);
    EXPECT_EQ(epochDate(s), std::nullopt) << "blank year";
    s.tle1 = packText("2.123.5", 12);
    EXPECT_EQ(epochDate(s), std::nullopt) << "year with a point";
    s.tle1 = QByteArray(12, '\0');
    EXPECT_EQ(epochDate(s), QDateTime(QDate(1999, 12, 31), QTime(0, 0), QTimeZone::utc()))
        << "all zeros: year 2000, day 0";
}
