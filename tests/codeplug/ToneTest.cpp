#include "codeplug/Tone.h"

#include <gtest/gtest.h>

using namespace nerka;

TEST(Tone, DecodesTheThreeKindsOfCode) {
    EXPECT_EQ(decodeTone(0xFFFF), std::nullopt);
    EXPECT_EQ(decodeTone(0x0885), Tone::ctcss(885));
    EXPECT_EQ(decodeTone(0x2541), Tone::ctcss(2541));
    EXPECT_EQ(decodeTone(0x8023), Tone::dcs(23, false));
    EXPECT_EQ(decodeTone(0xC023), Tone::dcs(23, true));
    EXPECT_EQ(decodeTone(0x8754), Tone::dcs(754, false));
}

TEST(Tone, EncodesBcdWithFlags) {
    EXPECT_EQ(encodeTone(std::nullopt), 0xFFFF);
    EXPECT_EQ(encodeTone(Tone::ctcss(885)), 0x0885);
    EXPECT_EQ(encodeTone(Tone::ctcss(1035)), 0x1035);
    EXPECT_EQ(encodeTone(Tone::dcs(23, false)), 0x8023);
    EXPECT_EQ(encodeTone(Tone::dcs(23, true)), 0xC023);
    EXPECT_EQ(encodeTone(Tone::dcs(754, true)), 0xC754);
}

TEST(Tone, ValuesBeyondFourDigitsLoseTheirHighDigits) {
    // 4999: the thousands digit 4 (0b100) does not fit bits 12-13.
    EXPECT_EQ(encodeTone(Tone::ctcss(4999)), 0x0999);
    EXPECT_EQ(encodeTone(Tone::ctcss(12345)), 0x2345);
    EXPECT_EQ(decodeTone(0x3999), Tone::ctcss(3999));
}

TEST(Tone, EveryTableValueSurvivesTheCode) {
    for (int value : ctcssTable())
        EXPECT_EQ(decodeTone(encodeTone(Tone::ctcss(value))), Tone::ctcss(value)) << value;
    for (int code : dcsTable()) {
        for (bool inverted : {false, true})
            EXPECT_EQ(decodeTone(encodeTone(Tone::dcs(code, inverted))), Tone::dcs(code, inverted))
                << code;
    }
}

TEST(Tone, DisplayText) {
    EXPECT_EQ(Tone::ctcss(885).displayText(), QStringLiteral("88.5"));
    EXPECT_EQ(Tone::ctcss(670).displayText(), QStringLiteral("67.0"));
    EXPECT_EQ(Tone::ctcss(2541).displayText(), QStringLiteral("254.1"));
    EXPECT_EQ(Tone::dcs(23, false).displayText(), QStringLiteral("D023N"));
    EXPECT_EQ(Tone::dcs(23, true).displayText(), QStringLiteral("D023I"));
    EXPECT_EQ(Tone::dcs(754, false).displayText(), QStringLiteral("D754N"));
}

TEST(Tone, ChoicesAddAValueOutsideTheTableInOrder) {
    ASSERT_EQ(ctcssTable().size(), 50);
    ASSERT_EQ(dcsTable().size(), 104);
    EXPECT_EQ(toneChoices(Tone::Kind::ctcss, std::nullopt), ctcssTable());
    EXPECT_EQ(toneChoices(Tone::Kind::ctcss, 885), ctcssTable());

    const QList<int> withOdd = toneChoices(Tone::Kind::ctcss, 900);
    ASSERT_EQ(withOdd.size(), 51);
    EXPECT_EQ(withOdd.mid(8, 3), (QList<int>{885, 900, 915}));

    const QList<int> below = toneChoices(Tone::Kind::dcs, 17);
    EXPECT_EQ(below.front(), 17);
    EXPECT_EQ(below.size(), 105);
    const QList<int> above = toneChoices(Tone::Kind::dcs, 777);
    EXPECT_EQ(above.back(), 777);
    EXPECT_EQ(dcsTable().size(), 104) << "the shared table itself stays unchanged";
}
