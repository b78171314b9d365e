#include "codeplug/NameField.h"

#include "Bytes.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;

TEST(NameField, ShortNameIsPaddedWithFF) {
    EXPECT_EQ(encodeName(QStringLiteral("New"), 8),
              bytes({'N', 'e', 'w', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(encodeName(QString(), 4), bytes({0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(NameField, LongNameIsCutToTheWidth) {
    const QByteArray field = encodeName(QStringLiteral("ABCDEFGHIJKLMNOPQRST"), 16);
    EXPECT_EQ(field, QByteArray("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(decodeName(field), QStringLiteral("ABCDEFGHIJKLMNOP"));
}

TEST(NameField, Latin1IsOneByteAndEverythingElseAQuestionMark) {
    EXPECT_EQ(encodeName(QStringLiteral("Zürich"), 8),
              bytes({'Z', 0xFC, 'r', 'i', 'c', 'h', 0xFF, 0xFF}));
    // Cyrillic, a CJK character and an emoji (one scalar, two UTF-16 units).
    EXPECT_EQ(encodeName(QString::fromUtf8("Я中\xF0\x9F\x93\xBB!"), 6),
              bytes({'?', '?', '?', '!', 0xFF, 0xFF}));
}

TEST(NameField, TerminatorCharactersAreNotStoredAsTerminators) {
    EXPECT_EQ(encodeName(QString::fromUtf8("a\xC3\xBF"
                                           "b"),
                         4),
              bytes({'a', '?', 'b', 0xFF}));
    EXPECT_EQ(encodeName(QStringLiteral("a") + QChar(0) + QStringLiteral("b"), 3),
              bytes({'a', '?', 'b'}));
}

TEST(NameField, DecodeStopsAtTheFirstZeroOrFF) {
    EXPECT_EQ(decodeName(bytes({'Z', 0xFC, 'r', 0xFF, 'x'})), QStringLiteral("Zür"));
    EXPECT_EQ(decodeName(bytes({'A', 'B', 0x00, 'C'})), QStringLiteral("AB"));
    EXPECT_EQ(decodeName(bytes({'A', 'B', 'C'})), QStringLiteral("ABC"));
    EXPECT_EQ(decodeName(bytes({0xFF, 'A'})), QString());
    EXPECT_EQ(decodeName(QByteArray()), QString());
}
