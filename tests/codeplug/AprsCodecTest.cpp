#include "codeplug/AprsCodec.h"
#include "codeplug/CodeplugLayout.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;

namespace {

constexpr std::uint32_t kAprsTable = 0x1588;

CodeplugImage imageFor(RadioVariant variant) {
    CodeplugImage image;
    image.variant = variant;
    image.regions = layoutForVariant(variant).regions;
    for (const auto& region : image.regions)
        image.blobs.append(QByteArray(region.length, char(0xFF)));
    return image;
}

} // namespace

TEST(AprsCodec, ListsAllEightEntriesSoIndicesMatchEntryNumbers) {
    for (auto [variant, bank] : {std::pair{RadioVariant::gd77, Bank::eeprom},
                                 std::pair{RadioVariant::uv380, Bank::flash}}) {
        SCOPED_TRACE(variantKey(variant));
        CodeplugImage image = imageFor(variant);
        ASSERT_TRUE(writeBytes(image, bank, kAprsTable, QByteArray("APRS-DE") + bytes({0xFF})));
        ASSERT_TRUE(
            writeBytes(image, bank, kAprsTable + 2 * 64, QByteArray("WIDE1") + bytes({0, 'X'})));
        // A full 8-byte name; the entry's next byte is not part of it.
        ASSERT_TRUE(writeBytes(image, bank, kAprsTable + 7 * 64, QByteArray("ABCDEFGHZ")));

        EXPECT_EQ(
            decodeAprsSystems(image),
            (QStringList{QStringLiteral("APRS-DE"), QString(), QStringLiteral("WIDE1"), QString(),
                         QString(), QString(), QString(), QStringLiteral("ABCDEFGH")}));
    }
}

TEST(AprsCodec, UnreadableTableOrNoVariantGivesNoNames) {
    CodeplugImage image = imageFor(RadioVariant::gd77);
    image.blobs[0].truncate(kAprsTable - 0x80 + 511);
    EXPECT_TRUE(decodeAprsSystems(image).isEmpty());

    CodeplugImage noVariant = imageFor(RadioVariant::uv380);
    noVariant.variant.reset();
    EXPECT_TRUE(decodeAprsSystems(noVariant).isEmpty());
}
