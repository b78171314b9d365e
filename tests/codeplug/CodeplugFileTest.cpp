#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;

namespace {

QByteArray header(std::uint8_t variant, std::uint32_t count) {
    QByteArray h("OGD77CP2");
    h += bytes({variant, count & 0xFF, (count >> 8) & 0xFF, (count >> 16) & 0xFF, count >> 24});
    return h;
}

QString errorOf(const QByteArray& file) {
    auto result = decodeCodeplugFile(file);
    if (auto* e = std::get_if<CodeplugError>(&result))
        return e->description();
    return {};
}

CodeplugImage imageFromLayout(RadioVariant variant) {
    CodeplugImage image;
    image.variant = variant;
    image.regions = layoutForVariant(variant).regions;
    for (const auto& r : image.regions) {
        QByteArray blob(r.length, '\0');
        for (int i = 0; i < r.length; ++i)
            blob[i] = char((i * 7 + int(r.address)) & 0xFF);
        image.blobs.append(blob);
    }
    return image;
}

} // namespace

TEST(CodeplugFile, EncodesHeaderAndEntriesLittleEndian) {
    CodeplugImage image;
    image.variant = RadioVariant::uv380;
    image.regions = {{Bank::flash, 0x00020000, 3}, {Bank::eeprom, 0x80, 0}};
    image.blobs = {bytes({0xAA, 0xBB, 0xCC}), QByteArray()};

    QByteArray expected = header(1, 2);
    expected += bytes({0x01, 0x00, 0x00, 0x02, 0x00, 0x03, 0x00, 0x00, 0x00, 0xAA, 0xBB, 0xCC});
    expected += bytes({0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(encodeCodeplugFile(image).toHex(), expected.toHex());

    image.variant.reset();
    EXPECT_EQ(std::uint8_t(encodeCodeplugFile(image)[8]), 0xFF);
}

TEST(CodeplugFile, RoundTripOfBothFamiliesGivesAnEqualImage) {
    for (auto variant : {RadioVariant::gd77, RadioVariant::uv380}) {
        const CodeplugImage image = imageFromLayout(variant);
        auto decoded = decodeCodeplugFile(encodeCodeplugFile(image));
        ASSERT_TRUE(std::holds_alternative<CodeplugImage>(decoded));
        EXPECT_EQ(std::get<CodeplugImage>(decoded), image);
    }
}

TEST(CodeplugFile, AnImageWithoutRegionsSavesToAFileThatOpensAgain) {
    CodeplugImage empty;
    const QByteArray file = encodeCodeplugFile(empty);
    EXPECT_EQ(file.toHex(), QByteArray(header(0xFF, 0) + bytes({0x00})).toHex());
    auto decoded = decodeCodeplugFile(file);
    ASSERT_TRUE(std::holds_alternative<CodeplugImage>(decoded));
    EXPECT_EQ(std::get<CodeplugImage>(decoded), empty);
}

TEST(CodeplugFile, RejectsShortOrUnsignedFilesWithTheSignatureMessage) {
    const QString wrong = QStringLiteral(
        "Invalid codeplug file: Wrong signature \u2014 not a valid codeplug file (v2).");
    EXPECT_EQ(errorOf(QByteArray()), wrong);
    EXPECT_EQ(errorOf(header(0, 0)), wrong) << "13 bytes are one short of the minimum";
    QByteArray badSignature = header(0, 0) + bytes({0});
    badSignature[7] = '1';
    EXPECT_EQ(errorOf(badSignature), wrong);

    auto result = decodeCodeplugFile(header(0, 0) + bytes({0}));
    ASSERT_TRUE(std::holds_alternative<CodeplugImage>(result));
    EXPECT_TRUE(std::get<CodeplugImage>(result).regions.isEmpty());
    EXPECT_EQ(std::get<CodeplugImage>(result).variant, RadioVariant::gd77);
}

TEST(CodeplugFile, TruncationInsideAnEntryHeadOrItsBytes) {
    QByteArray file = header(0, 1) + bytes({0x00, 0x80, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00});
    EXPECT_EQ(errorOf(file + bytes({1, 2, 3})),
              QStringLiteral("Invalid codeplug file: File too short for region."));
    EXPECT_EQ(errorOf(file.left(file.size() - 1)),
              QStringLiteral("Invalid codeplug file: File too short."));

    // A count far beyond the bytes present fails cleanly instead of reading on;
    // one beyond what a codeplug has is refused before any region is read.
    EXPECT_EQ(errorOf(header(0, 16) + bytes({0})),
              QStringLiteral("Invalid codeplug file: File too short."));
    EXPECT_EQ(errorOf(header(0, 0xFFFFFFFF) + bytes({0})),
              QStringLiteral("Invalid codeplug file: 4294967295 regions; a codeplug file has at "
                             "most 16."));
    QByteArray empties = header(0, 17);
    for (int i = 0; i < 17; ++i)
        empties += bytes({0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(errorOf(empties),
              QStringLiteral("Invalid codeplug file: 17 regions; a codeplug file has at most 16."));

    // Every prefix of a valid file is either rejected or, past the header, a
    // complete image: never a crash or a partial image.
    const QByteArray full = encodeCodeplugFile(imageFromLayout(RadioVariant::gd77));
    for (qsizetype n = 0; n < 200; ++n)
        EXPECT_FALSE(errorOf(full.left(n)).isEmpty()) << "prefix of " << n << " bytes";
}

TEST(CodeplugFile, VariantCodesAndBankCodes) {
    QByteArray file = header(2, 1) + bytes({0x07, 0x10, 0, 0, 0, 1, 0, 0, 0, 0x5A}) + bytes({9, 9});
    auto result = decodeCodeplugFile(file);
    ASSERT_TRUE(std::holds_alternative<CodeplugImage>(result));
    const auto& image = std::get<CodeplugImage>(result);
    EXPECT_FALSE(image.variant.has_value());
    ASSERT_EQ(image.regions.size(), 1);
    EXPECT_EQ(image.regions[0], (CodeplugRegion{Bank::flash, 0x10, 1}))
        << "any bank code but 0 is flash";
    EXPECT_EQ(image.blobs[0], bytes({0x5A})) << "trailing bytes are ignored";
}
