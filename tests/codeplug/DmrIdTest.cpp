#include "codeplug/DmrId.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::hex;

TEST(DmrId, IsBigEndianPackedDecimal) {
    EXPECT_EQ(hex(encodeDmrId(1234567)), hex(bytes({0x01, 0x23, 0x45, 0x67})));
    EXPECT_EQ(hex(encodeDmrId(0)), hex(bytes({0, 0, 0, 0})));
    EXPECT_EQ(hex(encodeDmrId(99999999)), hex(bytes({0x99, 0x99, 0x99, 0x99})));
    EXPECT_EQ(hex(encodeDmrId(4294967295u)), hex(bytes({0x94, 0x96, 0x72, 0x95})))
        << "digits above the eighth are lost";

    EXPECT_EQ(decodeDmrId(bytes({0x01, 0x23, 0x45, 0x67})), 1234567u);
    EXPECT_EQ(decodeDmrId(bytes({0x26, 0x21, 0x23, 0x40})), 26212340u);
    EXPECT_EQ(decodeDmrId(bytes({0x00, 0x00, 0x26, 0x20, 0x99})), 2620u) << "reads 4 bytes";
}

TEST(DmrId, ShortOrDamagedFieldsStillDecode) {
    EXPECT_EQ(decodeDmrId(bytes({0x01, 0x23, 0x45})), 0u);
    EXPECT_EQ(decodeDmrId(QByteArray()), 0u);
    EXPECT_EQ(decodeDmrId(bytes({0xFF, 0xFF, 0xFF, 0xFF})), 166666665u)
        << "each nibble counts with its face value";
}
