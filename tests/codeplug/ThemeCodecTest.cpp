#include "codeplug/ThemeCodec.h"
#include "codeplug/CodeplugLayout.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::hex;

namespace {

QByteArray erasedThemeArea() {
    QByteArray area(4512, char(0xFF));
    area.replace(0, 12, QByteArray(QByteArray("OpenGD77") + bytes({0, 0, 0, 0})));
    return area;
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

// Colour bytes 00 00, 00 01, ... 00 1F: colour i is pure blue i / 31.
QByteArray rampColors() {
    QByteArray out;
    for (int i = 0; i < 32; ++i)
        out += bytes({0x00, unsigned(i)});
    return out;
}

// Day block (64 bytes of colours) at 12, night block at 84.
QByteArray areaWithBothThemes() {
    QByteArray area = erasedThemeArea();
    area.replace(12, 8, bytes({0x04, 0, 0, 0, 0x40, 0, 0, 0}));
    area.replace(20, 64, rampColors());
    area.replace(84, 8, bytes({0x05, 0, 0, 0, 0x40, 0, 0, 0}));
    area.replace(92, 64, QByteArray(64, char(0xFF)));
    return area;
}

ThemeColor gray(double v) {
    return {v, v, v};
}

} // namespace

TEST(ThemeColor, PacksToBigEndianRgb565) {
    EXPECT_EQ(encodeGtm({{1, 1, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 0}}),
              bytes({0xFF, 0xFF, 0xF8, 0x00, 0x07, 0xE0, 0x00, 0x1F, 0x00, 0x00}));
    // 15.5 and 31.5 round away from zero: red 16, green 32, blue 16 = 0x8410.
    EXPECT_EQ(packThemeColor(gray(0.5)), 0x8410);
    EXPECT_EQ(unpackThemeColor(0x8410), (ThemeColor{16.0 / 31, 32.0 / 63, 16.0 / 31}));
    EXPECT_EQ(unpackThemeColor(0xA554), (ThemeColor{20.0 / 31, 42.0 / 63, 20.0 / 31}));
    EXPECT_EQ(encodeGtm({}), QByteArray());
}

TEST(ThemeColor, ComponentsOutsideTheRangeStayInTheirOwnBits) {
    EXPECT_EQ(packThemeColor({0, 1.5, 0}), 0x07E0) << "green must not spill into red";
    EXPECT_EQ(packThemeColor({-0.2, 0, 2}), 0x001F);
    EXPECT_EQ(packThemeColor({std::nan(""), 0, 0}), 0x0000);
}

TEST(ThemeGtm, ReadsThe64ColourBytesAndIgnoresTheRest) {
    EXPECT_EQ(parseGtm(rampColors().left(63)), std::nullopt);
    EXPECT_EQ(parseGtm(QByteArray()), std::nullopt);

    const auto colors = parseGtm(rampColors() + QByteArray(36, char(0xAB)));
    ASSERT_TRUE(colors.has_value());
    ASSERT_EQ(colors->size(), 32);
    EXPECT_EQ((*colors)[0], (ThemeColor{0, 0, 0}));
    EXPECT_EQ((*colors)[31], (ThemeColor{0, 0, 1}));
    EXPECT_EQ((*colors)[7], (ThemeColor{0, 0, 7.0 / 31}));

    // Colours off the 5/6/5-bit grid come back quantized: 9.3 → 9, 37.8 → 38, 27.9 → 28.
    const auto back = parseGtm(encodeGtm(QList<ThemeColor>(32, ThemeColor{0.3, 0.6, 0.9})));
    EXPECT_EQ(back->at(1), (ThemeColor{9.0 / 31, 38.0 / 63, 28.0 / 31}));
}

class ThemeCodecTest : public ::testing::TestWithParam<RadioVariant> {};

TEST_P(ThemeCodecTest, DecodesBothThemesFromTheirBlocks) {
    const CodeplugImage image = imageWithArea(GetParam(), areaWithBothThemes());
    const auto day = decodeTheme(ThemeKind::day, image);
    const auto night = decodeTheme(ThemeKind::night, image);
    ASSERT_TRUE(day.has_value());
    ASSERT_TRUE(night.has_value());
    EXPECT_EQ((*day)[5], (ThemeColor{0, 0, 5.0 / 31}));
    EXPECT_EQ(*night, QList<ThemeColor>(32, ThemeColor{1, 1, 1}));
}

TEST_P(ThemeCodecTest, OnlyTheNightBlockPresent) {
    QByteArray area = erasedThemeArea();
    area.replace(12, 8, bytes({0x05, 0, 0, 0, 0x40, 0, 0, 0}));
    area.replace(20, 64, QByteArray(64, '\0'));
    const CodeplugImage image = imageWithArea(GetParam(), area);
    EXPECT_EQ(decodeTheme(ThemeKind::day, image), std::nullopt);
    EXPECT_EQ(decodeTheme(ThemeKind::night, image), QList<ThemeColor>(32, ThemeColor{}));
}

TEST_P(ThemeCodecTest, EncodeWritesOnlyTheColourBytesInPlace) {
    CodeplugImage image = imageWithArea(GetParam(), areaWithBothThemes());
    const QByteArray before = image.blobs[2];
    QList<ThemeColor> colors(32, ThemeColor{0, 0, 0});
    colors[0] = {1, 0, 0};
    colors[31] = gray(0.5);

    EXPECT_EQ(encodeTheme(colors, ThemeKind::night, image), RegionSet{2});

    QByteArray expected = before;
    expected.replace(92, 64,
                     QByteArray(bytes({0xF8, 0x00}) + QByteArray(60, '\0') + bytes({0x84, 0x10})));
    EXPECT_EQ(hex(image.blobs[2]), hex(expected));
    for (int i = 0; i < image.blobs.size(); ++i) {
        if (i != 2) {
            EXPECT_EQ(image.blobs[i], QByteArray(image.regions[i].length, '\0'));
        }
    }
}

TEST_P(ThemeCodecTest, EncodeNeedsExactly32ColoursAndAnExistingBlock) {
    CodeplugImage image = imageWithArea(GetParam(), areaWithBothThemes());
    const CodeplugImage before = image;
    EXPECT_TRUE(encodeTheme(QList<ThemeColor>(31), ThemeKind::day, image).empty());
    EXPECT_TRUE(encodeTheme(QList<ThemeColor>(33), ThemeKind::day, image).empty());
    EXPECT_EQ(image, before);

    CodeplugImage noBlock = imageWithArea(GetParam(), erasedThemeArea());
    const CodeplugImage noBlockBefore = noBlock;
    EXPECT_TRUE(encodeTheme(QList<ThemeColor>(32), ThemeKind::day, noBlock).empty());
    EXPECT_EQ(noBlock, noBlockBefore) << "a theme block is never created";
}

TEST_P(ThemeCodecTest, NoSignatureMeansNoTheme) {
    QByteArray area = areaWithBothThemes();
    area[0] = 'o';
    CodeplugImage image = imageWithArea(GetParam(), area);
    const CodeplugImage before = image;
    EXPECT_EQ(decodeTheme(ThemeKind::day, image), std::nullopt);
    EXPECT_EQ(decodeTheme(ThemeKind::night, image), std::nullopt);
    EXPECT_TRUE(encodeTheme(QList<ThemeColor>(32), ThemeKind::day, image).empty());
    EXPECT_EQ(image, before);

    CodeplugImage noVariant = imageWithArea(GetParam(), areaWithBothThemes());
    noVariant.variant.reset();
    EXPECT_EQ(decodeTheme(ThemeKind::day, noVariant), std::nullopt);
}

TEST_P(ThemeCodecTest, BlockLengthAndColourBytesMustFitTheArea) {
    // Declared length runs past the area.
    QByteArray tooLong = erasedThemeArea();
    tooLong.replace(12, 8, bytes({0x04, 0, 0, 0, 0x8D, 0x11, 0, 0})); // 12 + 8 + 4493 > 4512
    EXPECT_EQ(decodeTheme(ThemeKind::day, imageWithArea(GetParam(), tooLong)), std::nullopt);

    // A short block still carries 64 colour bytes after its head.
    QByteArray shortBlock = erasedThemeArea();
    shortBlock.replace(12, 8, bytes({0x04, 0, 0, 0, 0x02, 0, 0, 0}));
    shortBlock.replace(20, 64, rampColors());
    const auto colors = decodeTheme(ThemeKind::day, imageWithArea(GetParam(), shortBlock));
    ASSERT_TRUE(colors.has_value());
    EXPECT_EQ((*colors)[31], (ThemeColor{0, 0, 1}));

    // A short block at the very end whose colours would run past the area.
    QByteArray atTheEnd = erasedThemeArea();
    atTheEnd.replace(12, 8, bytes({0x07, 0, 0, 0, 0x40, 0x11, 0, 0})); // next head at 4436
    atTheEnd.replace(4436, 8, bytes({0x04, 0, 0, 0, 0x02, 0, 0, 0}));  // colours 4444..4507 fit
    EXPECT_TRUE(decodeTheme(ThemeKind::day, imageWithArea(GetParam(), atTheEnd)).has_value());
    atTheEnd.replace(12, 8, bytes({0x07, 0, 0, 0, 0x48, 0x11, 0, 0})); // next head at 4444
    atTheEnd.replace(4444, 8, bytes({0x04, 0, 0, 0, 0x02, 0, 0, 0}));  // colours 4452..4515
    CodeplugImage image = imageWithArea(GetParam(), atTheEnd);
    const CodeplugImage before = image;
    EXPECT_EQ(decodeTheme(ThemeKind::day, image), std::nullopt);
    EXPECT_TRUE(encodeTheme(QList<ThemeColor>(32), ThemeKind::day, image).empty());
    EXPECT_EQ(image, before);
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, ThemeCodecTest,
                         ::testing::Values(RadioVariant::gd77, RadioVariant::uv380),
                         [](const auto& info) { return std::string(variantKey(info.param)); });
