#include "dmrdb/DMRFlashFormat.h"
#include "dmrdb/SixBitText.h"

#include "Bytes.h"
#include "UserEntry.h"

#include <QTextBoundaryFinder>

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::entry;
using nerka::test::hex;

namespace {

DMRUserDatabase database(DMRUserEntryList entries, DMRDBFormat format = DMRDBFormat::compressed,
                         int textLength = 16) {
    DMRUserDatabase db;
    db.entries = std::move(entries);
    db.format = format;
    db.textLength = textLength;
    return db;
}

QByteArray zeros(int count) {
    return QByteArray(count, '\0');
}

} // namespace

TEST(DMRFlashFormat, RecordSizesAndCapacities) {
    EXPECT_EQ(recordSize(DMRDBFormat::compressed, 16), 15);
    EXPECT_EQ(recordSize(DMRDBFormat::uncompressed, 16), 20);
    EXPECT_EQ(recordSize(DMRDBFormat::compressed, 20), 18);
    EXPECT_EQ(recordSize(DMRDBFormat::uncompressed, 20), 24);
    EXPECT_EQ(recordSize(DMRDBFormat::compressed, 1), 4);
    EXPECT_EQ(recordSize(DMRDBFormat::uncompressed, 1), 5);
    EXPECT_EQ(recordSize(DMRDBFormat::compressed, 0), 4);
    EXPECT_EQ(recordSize(DMRDBFormat::uncompressed, -3), 5);
    EXPECT_EQ(recordSize(DMRDBFormat::compressed, 25), 18);
    EXPECT_EQ(recordSize(DMRDBFormat::uncompressed, 25), 24);

    EXPECT_EQ(capacity(RadioVariant::gd77, DMRDBFormat::compressed, 16), 37135);
    EXPECT_EQ(capacity(RadioVariant::uv380, DMRDBFormat::compressed, 16), 1076973);
    EXPECT_EQ(capacity(RadioVariant::gd77, DMRDBFormat::uncompressed, 16), 27851);
    EXPECT_EQ(capacity(RadioVariant::uv380, DMRDBFormat::uncompressed, 16), 807730);
    EXPECT_EQ(area1RecordCapacity(15), 17475);

    EXPECT_EQ(textLengthForRecordSize(15, true), 16);
    EXPECT_EQ(textLengthForRecordSize(18, true), 20);
    EXPECT_EQ(textLengthForRecordSize(24, true), 20);
    EXPECT_EQ(textLengthForRecordSize(20, false), 16);
}

TEST(DMRFlashFormat, AreasOfEachFamily) {
    const DMRFlashAreas gd77 = dmrFlashAreas(RadioVariant::gd77);
    EXPECT_EQ(gd77.area1.address, 0x30000u);
    EXPECT_EQ(gd77.area1.size, 0x40000u);
    EXPECT_EQ(gd77.area2.address, 0xB8000u);
    EXPECT_EQ(gd77.area2.size, 0x48000u);
    const DMRFlashAreas uv380 = dmrFlashAreas(RadioVariant::uv380);
    EXPECT_EQ(uv380.area1.address, 0x50000u);
    EXPECT_EQ(uv380.area2.address, 0xD8000u);
    EXPECT_EQ(uv380.area2.size, 0xF28000u);
}

TEST(DMRFlashFormat, CompressedRecordPacksSixBitsPerCharacter) {
    const DMRFlashImage image =
        encodeForFlash(database({entry(1234567, "XX0AAA", "Ann", "Lee")}), RadioVariant::gd77);
    EXPECT_EQ(image.written, 1);
    EXPECT_EQ(image.dropped, 0);
    EXPECT_TRUE(image.area2.isEmpty());
    // Header "IdN", 0x4A + 15, reserved, count 1; then ID 0x12D687 little-endian
    // and X X 0 A | A A ' ' A | n n packed: 34 34 1 11 | 11 11 0 11 | 50 50.
    EXPECT_EQ(hex(image.area1),
              hex(bytes({0x49, 0x64, 0x4E, 0x59, 0,    0,    0,    0,    1,    0, 0, 0, 0x87, 0xD6,
                         0x12, 0x8A, 0x20, 0x4B, 0x2C, 0xB0, 0x0B, 0xCB, 0x20, 0, 0, 0, 0})));

    const DMRUserEntryList back = decodeRecords(image.area1.mid(12), 1, 15, true);
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0], entry(1234567, "XX0AAA Ann"));
}

TEST(DMRFlashFormat, CharactersOutsideTheAlphabetBecomeSpaces) {
    // A-umlaut B hyphen 1: codes 0 12 0 2.
    EXPECT_EQ(hex(packSixBit(QString::fromUtf8("ÄB-1"), 12)),
              hex(bytes({0x00, 0xC0, 0x02}) + zeros(9)));
    EXPECT_EQ(unpackSixBit(QByteArray(bytes({0x00, 0xC0, 0x02}) + zeros(9))), QByteArray(" B 1"));

    // A letter with a combining mark is one character, hence one space: 0 34.
    EXPECT_EQ(hex(packSixBit(QString::fromUtf8("e\xcc\x81X"), 3)), hex(bytes({0x02, 0x20, 0x00})));
    // So is a precomposed one, and CR LF is one character as well: 11 0 12.
    EXPECT_EQ(hex(packSixBit(QString::fromUtf8("\xc3\xa9X"), 3)), hex(bytes({0x02, 0x20, 0x00})));
    EXPECT_EQ(hex(packSixBit(QStringLiteral("A\r\nB"), 3)), hex(bytes({0x2C, 0x03, 0x00})));
    EXPECT_EQ(hex(packSixBit(QStringLiteral("a.z"), 3)), hex(bytes({0x97, 0xFF, 0x80})));
}

TEST(DMRFlashFormat, LatinLettersAreSingleCharactersLikeQtSegmentsThem) {
    // Texts with letters below U+0300 skip the cluster scan; Qt's own
    // segmentation must agree that each such letter stands alone.
    for (char16_t c = 0x80; c < 0x300; ++c) {
        const QString text =
            QStringLiteral("A") + QChar(c) + QStringLiteral("B") + QChar(c) + QChar(c);
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
        int clusters = 0;
        while (finder.toNextBoundary() != -1)
            ++clusters;
        ASSERT_EQ(clusters, 5) << int(c);
        // Codes 11 0 12 0 0.
        ASSERT_EQ(hex(packSixBit(text, 4)), hex(bytes({0x2C, 0x03, 0x00, 0x00}))) << int(c);
    }
}

TEST(DMRFlashFormat, PackingStopsOnBytesNotCharacters) {
    // L = 15 gives the same 12 text bytes as L = 16, so 16 characters fit.
    EXPECT_EQ(recordSize(DMRDBFormat::compressed, 15), 15);
    const DMRFlashImage image =
        encodeForFlash(database({entry(1, "ABCDEFGHIJKLMNOPQRS")}, DMRDBFormat::compressed, 15),
                       RadioVariant::gd77);
    const DMRUserEntryList back = decodeRecords(image.area1.mid(12), 1, 15, true);
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].callsign, u"ABCDEFGHIJKLMNOP");

    // One text byte: the first character and the top two bits of the second.
    EXPECT_EQ(hex(packSixBit(QStringLiteral("AB"), 1)), hex(bytes({0x2C})));
    // A text that ends inside a byte keeps its bits at the high end.
    EXPECT_EQ(hex(packSixBit(QStringLiteral("B"), 2)), hex(bytes({0x30, 0x00})));
}

TEST(DMRFlashFormat, UncompressedRecordHasBcdIdAndSingleByteText) {
    const DMRFlashImage image = encodeForFlash(
        database({entry(2620001, "ÄB-1")}, DMRDBFormat::uncompressed), RadioVariant::gd77);
    EXPECT_EQ(hex(image.area1),
              hex(bytes({0x49, 0x64, 0x54, 0x5E, 0,    0,    0,    0,    1,    0,
                         0,    0,    0x01, 0x00, 0x62, 0x02, 0xC4, 0x42, 0x2D, 0x31}) +
                  zeros(12)));

    // Scalars above U+00FF become "?"; the text is cut at L bytes.
    const DMRFlashImage euro = encodeForFlash(
        database({entry(16777215, "A€", "Zoë", "Ünal")}, DMRDBFormat::uncompressed, 6),
        RadioVariant::gd77);
    EXPECT_EQ(hex(euro.area1.mid(12)),
              hex(bytes({0x15, 0x72, 0x77, 0x16, 0x41, 0x3F, 0x20, 0x5A, 0x6F, 0xEB})));
}

TEST(DMRFlashFormat, TextLengthIsClampedInTheHeaderAndRecords) {
    const DMRUserEntryList one{entry(1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ")};
    const DMRFlashImage small =
        encodeForFlash(database(one, DMRDBFormat::uncompressed, 0), RadioVariant::gd77);
    EXPECT_EQ(hex(small.area1), hex(bytes({0x49, 0x64, 0x54, 0x4F, 0, 0, 0, 0, 1, 0, 0, 0, 0x01,
                                           0x00, 0x00, 0x00, 0x41})));
    const DMRFlashImage large =
        encodeForFlash(database(one, DMRDBFormat::compressed, 25), RadioVariant::gd77);
    EXPECT_EQ(large.area1.size(), 12 + 18);
    EXPECT_EQ(quint8(large.area1[3]), 0x4A + 18);
}

TEST(DMRFlashFormat, OnlyReceivableIdsAreWrittenOncePerIdInIdOrder) {
    const DMRUserDatabase db = database(
        {entry(300, "C"), entry(16777216, "TOO BIG"), entry(1234567, "FIRST"), entry(0, "ZERO"),
         entry(16777215, "MAX"), entry(1234567, "SECOND"), entry(100, "A")},
        DMRDBFormat::compressed, 16);
    const DMRFlashImage image = encodeForFlash(db, RadioVariant::gd77);
    EXPECT_EQ(image.written, 4);
    EXPECT_EQ(image.dropped, 0) << "invalid and duplicate IDs are not over capacity";
    EXPECT_EQ(image.merged, 1) << "the second 1234567";
    EXPECT_EQ(image.area1.size(), 12 + 4 * 15);
    EXPECT_EQ(quint8(image.area1[8]), 4);

    const DMRUserEntryList back = decodeRecords(image.area1.mid(12), 4, 15, true);
    EXPECT_EQ(back, DMRUserEntryList({entry(100, "A"), entry(300, "C"), entry(1234567, "FIRST"),
                                      entry(16777215, "MAX")}));
}

TEST(DMRFlashFormat, NameFormatSelectsTheStoredText) {
    DMRUserDatabase db = database({entry(1, "XX0AAA", "Ann", "Lee")}, DMRDBFormat::uncompressed);
    EXPECT_EQ(encodeForFlash(db, RadioVariant::uv380).area1.mid(16, 11),
              QByteArray("XX0AAA Ann") + zeros(1));
    db.nameFormat = DMRNameFormat::fullName;
    EXPECT_EQ(encodeForFlash(db, RadioVariant::uv380).area1.mid(16, 15),
              QByteArray("XX0AAA Ann Lee") + zeros(1));
}

TEST(DMRFlashFormat, ThirtyThousandEntriesSplitAcrossBothGd77Areas) {
    DMRUserEntryList entries;
    for (std::uint32_t id = 1; id <= 30000; ++id)
        entries.appendUtf8(id, "XX0AAA", "", "");
    const DMRFlashImage image = encodeForFlash(database(entries), RadioVariant::gd77);
    EXPECT_EQ(image.written, 30000);
    EXPECT_EQ(image.dropped, 0);
    EXPECT_EQ(image.area1.size(), 12 + 17475 * 15);
    EXPECT_EQ(image.area2.size(), 12525 * 15);
    EXPECT_EQ(image.area1.size() + image.area2.size(), 450012);
    EXPECT_EQ(hex(image.area1.left(12)),
              hex(bytes({0x49, 0x64, 0x4E, 0x59, 0, 0, 0, 0, 0x30, 0x75, 0, 0})));
    // Last record of area 1 is ID 17475 (0x4443); area 2 starts with 17476.
    EXPECT_EQ(hex(image.area1.mid(12 + 17474 * 15, 3)), hex(bytes({0x43, 0x44, 0x00})));
    EXPECT_EQ(hex(image.area2.left(3)), hex(bytes({0x44, 0x44, 0x00})));
    EXPECT_EQ(hex(image.area2.right(15).left(3)), hex(bytes({0x30, 0x75, 0x00})));
}

TEST(DMRFlashFormat, FortyThousandEntriesKeepTheLowestIdsThatFit) {
    DMRUserEntryList entries;
    for (std::uint32_t id = 40000; id >= 1; --id)
        entries.appendUtf8(id, "XX0AAA", "Ann", "");
    const DMRFlashImage image = encodeForFlash(database(entries), RadioVariant::gd77);
    EXPECT_EQ(image.written, 37135);
    EXPECT_EQ(image.dropped, 2865);
    EXPECT_EQ(image.area1.size(), 12 + 17475 * 15);
    EXPECT_EQ(image.area2.size(), 19660 * 15);
    EXPECT_EQ(hex(image.area1.mid(8, 4)), hex(bytes({0x0F, 0x91, 0, 0})));
    EXPECT_EQ(hex(image.area1.mid(12, 3)), hex(bytes({0x01, 0x00, 0x00})));
    // The last record written is ID 37135 (0x910F).
    EXPECT_EQ(hex(image.area2.right(15).left(3)), hex(bytes({0x0F, 0x91, 0x00})));

    const DMRUserEntryList back =
        decodeRecords(QByteArray(image.area1.mid(12) + image.area2), 37135, 15, true);
    ASSERT_EQ(back.size(), 37135);
    EXPECT_EQ(back[17475], entry(17476, "XX0AAA Ann"));
}

TEST(DMRFlashFormat, HeaderLettersAndRecordSizeRange) {
    const QByteArray base = bytes({0x49, 0x64, 0x4E, 0x59, 0, 0, 0, 0, 0x78, 0x56, 0x34, 0x12});
    const auto header = parseHeader(base);
    ASSERT_TRUE(header);
    EXPECT_EQ(*header, (DMRDBHeader{0x12345678, 15, true}));

    auto withByte = [&](int offset, int value) {
        QByteArray b = base;
        b[offset] = char(value);
        return parseHeader(b);
    };
    EXPECT_TRUE(withByte(2, 'n')->compressed);
    EXPECT_FALSE(withByte(2, 'T')->compressed);
    EXPECT_FALSE(withByte(2, 't')->compressed);
    EXPECT_FALSE(withByte(2, 'X')->compressed);
    EXPECT_EQ(withByte(3, 0x4E)->recordSize, 4);
    EXPECT_EQ(withByte(3, 0x62)->recordSize, 24);
    EXPECT_FALSE(withByte(3, 0x4D));
    EXPECT_FALSE(withByte(3, 0x63));
    EXPECT_FALSE(withByte(0, 'i'));
    EXPECT_FALSE(withByte(1, 'D'));
    EXPECT_FALSE(withByte(0, 0xFF));
    EXPECT_FALSE(parseHeader(QByteArray(32, char(0xFF))));
    EXPECT_FALSE(parseHeader(base.left(11)));
}

TEST(DMRFlashFormat, UncompressedDecodingReadsBcdAndTrimmedLatin1) {
    // R = 13: four ID bytes and nine text bytes.
    const QByteArray records =
        bytes({0x01, 0x00, 0x62, 0x02, 0x20, 0x09, 0xA0, 0x4A, 0xFC, 0x72, 0x20, 0x00, 0x5A}) +
        bytes({0x0A, 0x00, 0x00, 0x00, 0x41, 0, 0, 0, 0, 0, 0, 0, 0}) + // nibble above 9
        bytes({0x00, 0x00, 0x00, 0x00, 0x41, 0, 0, 0, 0, 0, 0, 0, 0}) + // ID 0
        bytes({0x99, 0x99, 0x99, 0x99, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49});
    EXPECT_EQ(decodeRecords(records, 4, 13, false),
              DMRUserEntryList({entry(2620001, "Jür"), entry(99999999, "ABCDEFGHI")}));
    EXPECT_EQ(decodeRecords(records, 1, 13, false), DMRUserEntryList({entry(2620001, "Jür")}))
        << "the count limits decoding";
}

TEST(DMRFlashFormat, CompressedDecodingKeepsLeadingSpacesAndSkipsIdZero) {
    // R = 6: ID 0x000102, text " A" (0 11 -> 0x00 0xB0 0x00); then an ID-0 record.
    const QByteArray records = bytes({0x02, 0x01, 0x00, 0x00, 0xB0, 0x00}) +
                               bytes({0x00, 0x00, 0x00, 0x2C, 0x00, 0x00}) +
                               bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(decodeRecords(records, 3, 6, true),
              DMRUserEntryList({entry(0x102, " A"), entry(0xFFFFFF, "....")}));
}

TEST(DMRFlashFormat, EveryTruncatedInputDecodesCleanly) {
    const QByteArray header = bytes({0x49, 0x64, 0x4E, 0x4F, 0, 0, 0, 0, 3, 0, 0, 0});
    // R = 5 compressed: IDs 1, 0 (skipped) and 0x030201, texts "A", -, "B".
    const QByteArray records = bytes({0x01, 0x00, 0x00, 0x2C, 0x00}) +
                               bytes({0x00, 0x00, 0x00, 0x2C, 0x00}) +
                               bytes({0x01, 0x02, 0x03, 0x30, 0x00});
    const QByteArray blob = header + records;
    for (int length = 0; length <= blob.size(); ++length) {
        const QByteArray prefix = blob.left(length);
        const auto parsed = parseHeader(prefix);
        if (length < 12) {
            EXPECT_FALSE(parsed) << length;
            continue;
        }
        ASSERT_TRUE(parsed) << length;
        EXPECT_EQ(*parsed, (DMRDBHeader{3, 5, true}));
        const DMRUserEntryList entries =
            decodeRecords(prefix.mid(12), parsed->count, parsed->recordSize, parsed->compressed);
        const int complete = (length - 12) / 5;
        DMRUserEntryList expected;
        if (complete >= 1)
            expected.append(entry(1, "A"));
        if (complete >= 3)
            expected.append(entry(0x030201, "B"));
        EXPECT_EQ(entries, expected) << length;
        // Read as BCD only the third ID (30030201) is valid.
        EXPECT_EQ(decodeRecords(prefix.mid(12), 3, 5, false).size(), complete >= 3 ? 1 : 0);
    }
    // Nonsense record sizes give nothing instead of reading out of range.
    EXPECT_TRUE(decodeRecords(records, 3, 0, true).isEmpty());
    EXPECT_TRUE(decodeRecords(records, 3, -5, false).isEmpty());
    EXPECT_TRUE(decodeRecords(records, 3, 2, true).isEmpty());
    EXPECT_TRUE(decodeRecords(records, 0xFFFFFFFF, 1 << 30, true).isEmpty());
}

TEST(DMRFlashFormat, ReEncodingADecodedDatabaseKeepsTheStoredTexts) {
    const DMRUserDatabase original =
        database({entry(7, "XX0AAA", "Ann", "Lee"), entry(3, "DL0ÄÖ", "Jürgen", "")},
                 DMRDBFormat::uncompressed, 12);
    const DMRFlashImage first = encodeForFlash(original, RadioVariant::uv380);
    const auto header = parseHeader(first.area1);
    ASSERT_TRUE(header);
    DMRUserDatabase back =
        database(decodeRecords(first.area1.mid(12), header->count, header->recordSize, false),
                 DMRDBFormat::uncompressed, textLengthForRecordSize(header->recordSize, false));
    back.nameFormat = DMRNameFormat::fullName;
    EXPECT_EQ(back.entries, DMRUserEntryList({entry(3, "DL0ÄÖ Jürgen"), entry(7, "XX0AAA Ann")}));
    EXPECT_EQ(hex(encodeForFlash(back, RadioVariant::uv380).area1), hex(first.area1));
}
