#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/CodeplugLayout.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::hex;

namespace {

// The settings block sits at 0x0080 in both families (region 0): in EEPROM on
// gd77, in flash on uv380.
struct SettingsFamily {
    RadioVariant variant;
    Bank bank;
};
constexpr std::uint32_t kSettings = 0x0080;

class DeviceSettingsCodecTest : public ::testing::TestWithParam<SettingsFamily> {
protected:
    void SetUp() override {
        image.variant = GetParam().variant;
        image.regions = layoutForVariant(GetParam().variant).regions;
        for (const auto& region : image.regions)
            image.blobs.append(QByteArray(region.length, char(0xAB)));
    }
    QByteArray block() const { return *readBytes(image, GetParam().bank, kSettings, 144); }
    void putAt(int offset, const QByteArray& data) {
        ASSERT_TRUE(writeBytes(image, GetParam().bank, kSettings + offset, data));
    }

    CodeplugImage image;
};

} // namespace

TEST_P(DeviceSettingsCodecTest, DecodesLimitsCallAndId) {
    putAt(0, bytes({0x00, 0x04, 0x70, 0x04, 0x36, 0x01, 0x74, 0x01}));
    putAt(96, QByteArray("DL1ABC") + bytes({0xFF, 0xFF, 0x02, 0x62, 0x12, 0x34}));

    const auto settings = decodeDeviceSettings(image);
    ASSERT_TRUE(settings);
    EXPECT_EQ(*settings, (DeviceSettings{QStringLiteral("DL1ABC"), 2621234, 136, 174, 400, 470}));
}

TEST_P(DeviceSettingsCodecTest, EncodeWritesSixFieldsAndKeepsEveryOtherByte) {
    const DeviceSettings settings{QStringLiteral("DL1ABCDEFG"), 2621234, 144, 146, 12000, -5};
    EXPECT_EQ(encodeDeviceSettings(settings, image), RegionSet{0});

    QByteArray expected(144, char(0xAB));
    expected.replace(0, 8, bytes({0x99, 0x99, 0x00, 0x00, 0x44, 0x01, 0x46, 0x01}));
    expected.replace(96, 12, QByteArray(QByteArray("DL1ABCDE") + bytes({0x02, 0x62, 0x12, 0x34})));
    EXPECT_EQ(hex(block()), hex(expected));
    EXPECT_EQ(readBytes(image, GetParam().bank, kSettings + 144, 16), QByteArray(16, char(0xAB)));

    const auto back = decodeDeviceSettings(image);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->uhfMin, 9999) << "12000 is clamped";
    EXPECT_EQ(back->uhfMax, 0) << "negative limits are clamped to 0";
    EXPECT_EQ(back->call, QStringLiteral("DL1ABCDE"));
}

TEST_P(DeviceSettingsCodecTest, ShortCallSignIsPaddedWith0xFF) {
    EXPECT_FALSE(
        encodeDeviceSettings({QStringLiteral("DL1"), 0, 136, 174, 400, 480}, image).empty());
    EXPECT_EQ(hex(block().mid(96, 12)),
              hex(QByteArray("DL1") + QByteArray(5, char(0xFF)) + bytes({0, 0, 0, 0})));
    EXPECT_EQ(hex(block().left(8)), hex(bytes({0x00, 0x04, 0x80, 0x04, 0x36, 0x01, 0x74, 0x01})));
}

TEST_P(DeviceSettingsCodecTest, UnreadableBlockGivesNothingAndIsNotWritten) {
    image.blobs[0].truncate(143);
    const CodeplugImage before = image;
    EXPECT_EQ(decodeDeviceSettings(image), std::nullopt);
    EXPECT_TRUE(encodeDeviceSettings({QStringLiteral("X"), 1, 1, 2, 3, 4}, image).empty());
    EXPECT_EQ(image, before) << "not even the limits in the first 8 bytes";

    image.blobs[0] = before.blobs[0] + QByteArray(1, '\0');
    image.variant.reset();
    EXPECT_EQ(decodeDeviceSettings(image), std::nullopt);
    EXPECT_TRUE(encodeDeviceSettings({QStringLiteral("X"), 1, 1, 2, 3, 4}, image).empty());
}

INSTANTIATE_TEST_SUITE_P(Families, DeviceSettingsCodecTest,
                         ::testing::Values(SettingsFamily{RadioVariant::gd77, Bank::eeprom},
                                           SettingsFamily{RadioVariant::uv380, Bank::flash}),
                         [](const auto& info) {
                             return std::string(variantKey(info.param.variant));
                         });

TEST(Bcd4, UnitsAndTensFirstThenHundredsAndThousands) {
    EXPECT_EQ(hex(encodeBcd4(136)), hex(bytes({0x36, 0x01})));
    EXPECT_EQ(hex(encodeBcd4(470)), hex(bytes({0x70, 0x04})));
    EXPECT_EQ(hex(encodeBcd4(9999)), hex(bytes({0x99, 0x99})));
    EXPECT_EQ(hex(encodeBcd4(10000)), hex(bytes({0x99, 0x99})));
    EXPECT_EQ(decodeBcd4(bytes({0x00, 0x10})), 1000);
    EXPECT_EQ(decodeBcd4(bytes({0x36})), 0) << "a field cut short reads as 0";
}
