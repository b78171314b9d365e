#include "ui/rules/FrequencyText.h"

#include <gtest/gtest.h>

using namespace nerka;

TEST(FrequencyTextTest, AcceptsCommaBlanksAndRoundsToTheHertz) {
    EXPECT_EQ(FrequencyText::parseHz(QStringLiteral("145,500")), 145'500'000u);
    EXPECT_EQ(FrequencyText::parseHz(QStringLiteral("  438.65 \n")), 438'650'000u);
    EXPECT_EQ(FrequencyText::parseHz(QStringLiteral("145.0000004")), 145'000'000u);
    EXPECT_EQ(FrequencyText::parseHz(QStringLiteral("145.0000006")), 145'000'001u);
    EXPECT_EQ(FrequencyText::parseHz(QStringLiteral("999.99999")), 999'999'990u);
}

TEST(FrequencyTextTest, RefusesWhatIsNoFrequency) {
    for (const char* text : {"0", "1000", "abc", "", "  ", "-145.5", "145.5 MHz", "145.5.1", "inf",
                             "nan", "0x10", "1,5,0", "0.0000001", "999.9999996"})
        EXPECT_FALSE(FrequencyText::parseHz(QString::fromUtf8(text))) << text;
}

TEST(FrequencyTextTest, SignedOffsetHasNoRangeAndFormatsFiveDecimals) {
    EXPECT_EQ(FrequencyText::parseSignedHz(QStringLiteral("-7,6")), -7'600'000);
    EXPECT_EQ(FrequencyText::parseSignedHz(QStringLiteral(" 5000 ")), 5'000'000'000);
    EXPECT_FALSE(FrequencyText::parseSignedHz(QStringLiteral("1e300")));
    EXPECT_FALSE(FrequencyText::parseSignedHz(QStringLiteral("-")));
    EXPECT_EQ(formatMHz(146'100'000), QStringLiteral("146.10000"));
    EXPECT_EQ(formatMHz(1), QStringLiteral("0.00000"));
}
