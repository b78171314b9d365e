#include "codeplug/CustomDataBlock.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;

namespace {

// Erased flash with the signature and the kept word 01 02 03 04.
QByteArray erasedArea(int size = 4512) {
    QByteArray area(size, char(0xFF));
    area.replace(0, 12, QByteArray(QByteArray("OpenGD77") + bytes({1, 2, 3, 4})));
    return area;
}

void put(QByteArray& area, int offset, const QByteArray& data) {
    area.replace(offset, data.size(), data);
}

} // namespace

TEST(CustomDataBlock, WalksTheChainToTheFirstBlockOfTheType) {
    QByteArray area = erasedArea();
    put(area, 12, bytes({0x04, 0, 0, 0, 0x40, 0, 0, 0}));  // day theme, 64 bytes
    put(area, 84, bytes({0x05, 0, 0, 0, 0x40, 0, 0, 0}));  // night theme at 12 + 8 + 64
    put(area, 156, bytes({0x04, 0, 0, 0, 0x10, 0, 0, 0})); // a second day block is never reached

    EXPECT_EQ(findCustomDataBlock(area, 4), 12);
    EXPECT_EQ(findCustomDataBlock(area, 5), 84);
    EXPECT_EQ(findCustomDataBlock(area, 0xFFFFFFFF), 180) << "free space after the last block";
    EXPECT_EQ(findCustomDataBlock(area, 3), std::nullopt)
        << "the erased length of the free-space head ends the chain";
}

TEST(CustomDataBlock, NeedsTheSignatureAndRoomForOneHead) {
    QByteArray area = erasedArea();
    EXPECT_EQ(findCustomDataBlock(area, 0xFFFFFFFF), 12);
    EXPECT_EQ(findCustomDataBlock(area.left(20), 0xFFFFFFFF), 12);
    EXPECT_EQ(findCustomDataBlock(area.left(19), 0xFFFFFFFF), std::nullopt);
    EXPECT_EQ(findCustomDataBlock(QByteArray("OpenGD7"), 0xFFFFFFFF), std::nullopt);
    area[7] = 'X';
    EXPECT_EQ(findCustomDataBlock(area, 0xFFFFFFFF), std::nullopt);
}

TEST(CustomDataBlock, BrokenChainsFindNothing) {
    QByteArray zeroLength = erasedArea();
    put(zeroLength, 12, bytes({0x07, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(findCustomDataBlock(zeroLength, 3), std::nullopt);
    EXPECT_EQ(findCustomDataBlock(zeroLength, 7), 12) << "the found block's length is not examined";

    QByteArray pastArea = erasedArea();
    put(pastArea, 12, bytes({0x07, 0, 0, 0, 0x8D, 0x11, 0, 0})); // next head at 4513
    EXPECT_EQ(findCustomDataBlock(pastArea, 0xFFFFFFFF), std::nullopt);

    QByteArray headJustFits = erasedArea();
    put(headJustFits, 12, bytes({0x07, 0, 0, 0, 0x84, 0x11, 0, 0})); // next head at 4504
    EXPECT_EQ(findCustomDataBlock(headJustFits, 0xFFFFFFFF), 4504);

    QByteArray huge = erasedArea(0x20000);
    put(huge, 12, bytes({0x07, 0, 0, 0, 0xEC, 0xFF, 0, 0})); // next head at 0x10000
    EXPECT_EQ(findCustomDataBlock(huge, 0xFFFFFFFF), std::nullopt);
    put(huge, 12, bytes({0x07, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF})); // would wrap in 32 bits
    EXPECT_EQ(findCustomDataBlock(huge, 0xFFFFFFFF), std::nullopt);
}
