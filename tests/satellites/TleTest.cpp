#include "satellites/TLE.h"

#include "KepsSamples.h"

#include <gtest/gtest.h>

using namespace nerka;
using namespace nerka::test;

TEST(ParseTLE, NameLineOrCatalogueNumberNamesTheRecord) {
    const QString l1 = elementLine1(), l2 = elementLine2();
    EXPECT_EQ(parseTLE("SO-50\n" + l1 + "\n" + l2 + "\n"), (QList<TLERecord>{{"SO-50", l1, l2}}));
    EXPECT_EQ(parseTLE(l1 + "\n" + l2), (QList<TLERecord>{{"25544", l1, l2}}));
    EXPECT_EQ(parseTLE(elementLine1("  123") + "\n" + elementLine2("  123")).value(0).name, "123");
    EXPECT_EQ(parseTLE("\n\n  ISS (ZARYA)  \n\n" + l1 + "\n\n" + l2).value(0).name, "ISS (ZARYA)")
        << "empty lines are dropped, the name is trimmed";
}

TEST(ParseTLE, ABlankLineForgetsThePendingName) {
    const auto records = parseTLE("SO-50\n   \t\n" + elementLine1() + "\n" + elementLine2());
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].name, "25544");
}

TEST(ParseTLE, EveryKindOfLineBreak) {
    const QString l1 = elementLine1(), l2 = elementLine2();
    const QList<TLERecord> expected{{"AO-7", l1, l2}, {"SO-50", l1, l2}};
    EXPECT_EQ(parseTLE("AO-7\r\n" + l1 + "\r\n" + l2 + "\r\nSO-50\r\n" + l1 + "\r\n" + l2 + "\r\n"),
              expected);
    EXPECT_EQ(parseTLE("AO-7\r" + l1 + "\r" + l2 + "\rSO-50\r" + l1 + "\r" + l2), expected);
    EXPECT_EQ(parseTLE("AO-7\u2028" + l1 + "\u2029" + l2 + "\x0BSO-50\x0C" + l1 + "\u0085" + l2),
              expected);
}

TEST(ParseTLE, ElementLinesNeedSixtyEightCharacters) {
    const QString l1 = elementLine1(), l2 = elementLine2();
    // Without the checksum digit (68 characters) the pair is accepted.
    EXPECT_EQ(parseTLE(l1.chopped(1) + "\n" + l2.chopped(1)).size(), 1);

    // 67 characters: the "1 " line becomes a name, and so does the "2 " line
    // after it, which then names the next pair.
    const QString short1 = l1.left(67);
    const auto records = parseTLE("SO-50\n" + short1 + "\n" + l2 + "\n" + l1 + "\n" + l2);
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].name, l2.trimmed());
    EXPECT_EQ(records[0].line1, l1);

    EXPECT_TRUE(parseTLE(l1 + "\n" + l2.left(67)).isEmpty());
    EXPECT_TRUE(parseTLE(l1).isEmpty()) << "line 1 without line 2";
    EXPECT_TRUE(parseTLE(l2 + "\n" + l1).isEmpty()) << "lines in the wrong order";
}

TEST(ParseTLE, EveryPrefixParsesCleanly) {
    const QString text = "ISS\n" + elementLine1() + "\n" + elementLine2() + "\n";
    const int completeAt = int(text.indexOf(elementLine2())) + 68; // line 2 long enough
    for (int n = 0; n <= text.size(); ++n) {
        const auto records = parseTLE(text.left(n));
        if (n < completeAt) {
            EXPECT_TRUE(records.isEmpty()) << n;
        } else {
            ASSERT_EQ(records.size(), 1) << n;
            EXPECT_EQ(records[0].name, "ISS");
        }
    }
}

TEST(ShortName, ParenthesesOrTheFirstEightCharacters) {
    EXPECT_EQ(shortName("XY-1 (ABCSAT)"), "ABCSAT");
    EXPECT_EQ(shortName("XY-1 (A LONG NAME)"), "XY-1 (A ");
    EXPECT_EQ(shortName("ISS"), "ISS");
    EXPECT_EQ(shortName("  ISS (ZARYA)  "), "ZARYA");
    EXPECT_EQ(shortName("XY-1 ( )"), "XY-1 ( )") << "blank text in parentheses";
    EXPECT_EQ(shortName("XY-1 (ABC"), "XY-1 (AB") << "no closing parenthesis";
    EXPECT_EQ(shortName("A) B (C) (D)"), "C");
    EXPECT_EQ(shortName(QString::fromUtf8("Ae\u0301\U0001F680BCDEFGH")),
              QString::fromUtf8("Ae\u0301\U0001F680BCDEF"))
        << "characters, not code units, are counted";
}

TEST(NoradID, CharactersTwoToSixAsAWholeNumber) {
    EXPECT_EQ(noradID(elementLine1()), 25544);
    EXPECT_EQ(noradID(elementLine1("  123")), 123);
    EXPECT_EQ(noradID("1 +1234U"), 1234);
    EXPECT_EQ(noradID("1 12"), 12) << "a short line gives what is there";
    EXPECT_EQ(noradID("1 A1234U"), std::nullopt) << "alpha-5 catalogue numbers are not numbers";
    EXPECT_EQ(noradID("1 12 34"), std::nullopt);
    EXPECT_EQ(noradID("1     U"), std::nullopt);
    EXPECT_EQ(noradID("1"), std::nullopt);
}

TEST(PackTLE, PacksTheFieldsTheRadioKeeps) {
    const auto packed = packTLE(elementLine1(), elementLine2());
    ASSERT_TRUE(packed.has_value());
    EXPECT_EQ(hex(packed->tle1), hex(issTle1()));
    EXPECT_EQ(hex(packed->tle2), hex(issTle2()));

    // Line 2 needs 68 characters for its last field; line 1 only 43.
    EXPECT_TRUE(packTLE(elementLine1().left(43), elementLine2().left(68)).has_value());
    EXPECT_FALSE(packTLE(elementLine1().left(42), elementLine2()).has_value());
    EXPECT_FALSE(packTLE(elementLine1(), elementLine2().left(67)).has_value());
    EXPECT_FALSE(packTLE(QString(), QString()).has_value());
}

TEST(PackTLE, CharactersOutsideTheAlphabetBecomeSpaces) {
    QString l1 = elementLine1();
    l1[18] = u'x'; // epoch year "x8"
    const auto packed = packTLE(l1, elementLine2());
    ASSERT_TRUE(packed.has_value());
    EXPECT_EQ(std::uint8_t(packed->tle1[0]), 0xB8);
}
