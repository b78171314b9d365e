#include "dmrdb/DMRUserDBImport.h"
#include "dmrdb/DMRUserDBExport.h"

#include "UserEntry.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::entry;

namespace {

DMRUserDBImport::Result parse(const char* utf8) {
    return DMRUserDBImport::parse(QString::fromUtf8(utf8));
}

} // namespace

TEST(DMRUserDBImport, WorldwideHeaderMapsTheFirstFourColumnsAndIsNotCounted) {
    const auto result = parse("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME,CITY,STATE,COUNTRY\n"
                              "1234567,XX0AAA,Ann,Lee,Town,State,Country\n"
                              "2345678,YY1BBB,Bob,,Village,,Land\n");
    EXPECT_EQ(result.parsed, 2);
    EXPECT_EQ(result.skipped, 0);
    ASSERT_EQ(result.entries.size(), 2);
    EXPECT_EQ(result.entries[0], entry(1234567, "XX0AAA", "Ann", "Lee"));
    EXPECT_EQ(result.entries[1], entry(2345678, "YY1BBB", "Bob", ""));
}

TEST(DMRUserDBImport, HeaderNamesPlaceTheColumnsAndMissingRolesKeepTheirDefaults) {
    // ID and callsign swapped; the name columns (2 and 3) do not exist.
    auto result = parse("callsign;radio_id\nXX0AAA;1234567\n");
    ASSERT_EQ(result.entries.size(), 1);
    EXPECT_EQ(result.entries[0], entry(1234567, "XX0AAA", "", ""));

    // Names are compared case-insensitively after trimming; the first matching
    // column wins; "name" is a first-name column.
    result = parse(" Name ,Surname,DMR ID,Call,id\nAnn,Lee,42,XX0AAA,7\n");
    ASSERT_EQ(result.entries.size(), 1);
    EXPECT_EQ(result.entries[0], entry(42, "XX0AAA", "Ann", "Lee"));

    // A numeric first field still makes a header when a field names the ID.
    result = parse("1234567,x,id\n5,XX0AAA,99\n");
    EXPECT_EQ(result.skipped, 0);
    ASSERT_EQ(result.entries.size(), 1);
    EXPECT_EQ(result.entries[0].id, 99u);

    // An empty or non-numeric first field makes a header, even without known names.
    result = parse(",foo,bar\n1,XX0AAA,Ann\n");
    EXPECT_EQ(result.parsed, 1);
    EXPECT_EQ(result.skipped, 0);
    result = parse("foo\n1,XX0AAA,Ann\n");
    EXPECT_EQ(result.parsed, 1);
    EXPECT_EQ(result.skipped, 0);
}

TEST(DMRUserDBImport, OnlyTheFirstUsedLineCanBeAHeader) {
    auto result = parse("\n   \n# comment\n1234567,XX0AAA,Ann,Lee\nRADIO_ID,CALLSIGN\n");
    EXPECT_EQ(result.parsed, 1) << "the first line is data";
    EXPECT_EQ(result.skipped, 1) << "a later header line is a bad data row";
    ASSERT_EQ(result.entries.size(), 1);
    EXPECT_EQ(result.entries[0], entry(1234567, "XX0AAA", "Ann", "Lee"));

    result = parse("# RADIO_ID\nCALLSIGN,RADIO_ID\nXX0AAA,5\n");
    ASSERT_EQ(result.entries.size(), 1);
    EXPECT_EQ(result.entries[0], entry(5, "XX0AAA", "", ""));
}

TEST(DMRUserDBImport, EmptyBlankAndCommentLinesCountNowhere) {
    const auto result = parse("RADIO_ID,CALLSIGN\n\n   \n\t\n# comment\n  # indented comment\n"
                              "1,XX0AAA\n\n");
    EXPECT_EQ(result.parsed, 1);
    EXPECT_EQ(result.skipped, 0);
    EXPECT_EQ(parse("").parsed, 0);
    EXPECT_EQ(parse("\n\n# x\n").skipped, 0);
}

TEST(DMRUserDBImport, RowsWithoutUsableIdOrTextAreSkipped) {
    const auto result = parse("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n"
                              "0,XX0AAA,Ann,\n"
                              "abc,XX0AAA,Ann,\n"
                              ",XX0AAA,,\n"
                              "1234567,,,\n"
                              "1234567,,,Lee\n"
                              "1234567\n"
                              "1234567,,Ann,\n"
                              "7654321,XX0AAA\n");
    EXPECT_EQ(result.skipped, 6);
    EXPECT_EQ(result.parsed, 2);
    ASSERT_EQ(result.entries.size(), 2);
    EXPECT_EQ(result.entries[0], entry(1234567, "", "Ann", ""));
    EXPECT_EQ(result.entries[1], entry(7654321, "XX0AAA", "", ""));
}

TEST(DMRUserDBImport, IdMustBeAPlainUnsigned32BitNumber) {
    const auto result = parse("RADIO_ID,CALLSIGN\n"
                              "4294967296,A\n" // overflow
                              "99999999999999999999,A\n"
                              "-5,A\n" // negative
                              "-0,A\n" // zero
                              "+,A\n"
                              "++5,A\n"
                              "1 2,A\n"
                              "0x10,A\n"
                              "\xef\xbc\x91,A\n" // fullwidth digit one
                              "4294967295,B\n"
                              "16777216,C\n"
                              "+7,D\n"
                              "\t 00012 \t,E\n");
    EXPECT_EQ(result.skipped, 9);
    ASSERT_EQ(result.entries.size(), 4);
    EXPECT_EQ(result.entries[0].id, 4294967295u);
    EXPECT_EQ(result.entries[1].id, 16777216u) << "the 24-bit range is the encoder's rule";
    EXPECT_EQ(result.entries[2].id, 7u);
    EXPECT_EQ(result.entries[3].id, 12u);
}

TEST(DMRUserDBImport, DuplicateIdsAreAllKeptInFileOrder) {
    const auto result = parse("5,B,Second\n3,A,First\n5,C,Third\n");
    ASSERT_EQ(result.entries.size(), 3);
    EXPECT_EQ(result.entries[0], entry(5, "B", "Second", ""));
    EXPECT_EQ(result.entries[1], entry(3, "A", "First", ""));
    EXPECT_EQ(result.entries[2], entry(5, "C", "Third", ""));
}

TEST(DMRUserDBImport, CommasAndSemicolonsBothSeparateAndEmptyFieldsCount) {
    auto result = parse("1;XX0AAA,Ann;Lee\n2,,Bob\n3;CALL;\n");
    ASSERT_EQ(result.entries.size(), 3);
    EXPECT_EQ(result.entries[0], entry(1, "XX0AAA", "Ann", "Lee"));
    EXPECT_EQ(result.entries[1], entry(2, "", "Bob", ""));
    EXPECT_EQ(result.entries[2], entry(3, "CALL", "", ""));
}

TEST(DMRUserDBImport, QuotesGroupSeparatorsAndNeverSurvive) {
    auto result = parse("\"1234567\", \"XX0AAA\" ,\"Lee, Ann\"\n"
                        "2,\"A\"\"B\",\"x;y\",Lee\n"
                        "3,XX\"0\"AAA,\"  Ann  \"\n"
                        "4,\"XX0AAA,Ann\n" // unbalanced: the rest of the line is one field
                        "\"5\",,\"\",\"\"\n");
    EXPECT_EQ(result.skipped, 1) << "row 5 has neither callsign nor first name";
    ASSERT_EQ(result.entries.size(), 4);
    EXPECT_EQ(result.entries[0], entry(1234567, "XX0AAA", "Lee, Ann", ""));
    EXPECT_EQ(result.entries[1], entry(2, "AB", "x;y", "Lee"));
    EXPECT_EQ(result.entries[2], entry(3, "XX0AAA", "Ann", ""));
    EXPECT_EQ(result.entries[3], entry(4, "XX0AAA,Ann", "", ""));
}

TEST(DMRUserDBImport, EveryKindOfLineBreakEndsALine) {
    // LF, CR LF, CR, VT, FF, NEL, LINE SEPARATOR, PARAGRAPH SEPARATOR.
    const auto result = parse("1,A\n2,B\r\n3,C\r4,D\v5,E\f6,F\xc2\x85"
                              "7,G\xe2\x80\xa8"
                              "8,H\xe2\x80\xa9"
                              "9,I\r\n\r\n");
    EXPECT_EQ(result.skipped, 0);
    ASSERT_EQ(result.entries.size(), 9);
    const char* calls[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(result.entries[i].id, std::uint32_t(i + 1));
        EXPECT_EQ(result.entries[i].callsign, QString::fromLatin1(calls[i]));
    }
}

TEST(DMRUserDBImport, HorizontalWhiteSpaceIsTrimmedIncludingUnicodeSpaces) {
    // Tab, NO-BREAK SPACE, OGHAM SPACE MARK, THIN SPACE, NARROW NO-BREAK SPACE,
    // MEDIUM MATHEMATICAL SPACE, IDEOGRAPHIC SPACE around lines and fields.
    const auto result = parse("\t\xc2\xa0 1,\xe1\x9a\x80XX0AAA\xe2\x80\x89,"
                              "\xe2\x80\xaf"
                              "Ann\xe2\x81\x9f,\xe3\x80\x80Lee \xc2\xa0\n"
                              // ZERO WIDTH SPACE is no space separator and stays.
                              "2,\xe2\x80\x8b"
                              "B,Bo b\n"
                              "\xc2\xa0#comment\n");
    EXPECT_EQ(result.skipped, 0);
    ASSERT_EQ(result.entries.size(), 2);
    EXPECT_EQ(result.entries[0], entry(1, "XX0AAA", "Ann", "Lee"));
    EXPECT_EQ(result.entries[1], entry(2,
                                       "\xe2\x80\x8b"
                                       "B",
                                       "Bo b", ""));
}

TEST(DMRUserDBImport, NonAsciiTextIsKept) {
    const auto result = parse("RADIO_ID;CALLSIGN;FIRST_NAME;LAST_NAME\n"
                              "2620001;DL0ÄÖ;Jürgen;Müller-Lüdenscheidt\n"
                              "2600002;SP0ŁŻ;Łukasz;Żółć\n");
    ASSERT_EQ(result.entries.size(), 2);
    EXPECT_EQ(result.entries[0], entry(2620001, "DL0ÄÖ", "Jürgen", "Müller-Lüdenscheidt"));
    EXPECT_EQ(result.entries[1], entry(2600002, "SP0ŁŻ", "Łukasz", "Żółć"));
}

TEST(DMRUserDBImport, FileContentsFallBackToLatin1AndDropAByteOrderMark) {
    auto result = DMRUserDBImport::parseFileContents("2620001,DL0AA,J\xfcrgen,M\xfcller\n");
    ASSERT_EQ(result.entries.size(), 1);
    EXPECT_EQ(result.entries[0], entry(2620001, "DL0AA", "Jürgen", "Müller"));

    // A byte-order mark before a data row must not turn it into a header.
    result = DMRUserDBImport::parseFileContents("\xef\xbb\xbf"
                                                "2620001,DL0AA,J\xc3\xbcrgen\n");
    ASSERT_EQ(result.entries.size(), 1);
    EXPECT_EQ(result.entries[0], entry(2620001, "DL0AA", "Jürgen", ""));

    // A malformed byte late in the file still switches the whole file over.
    result = DMRUserDBImport::parseFileContents("1,A\n2,B\n3,C\xff\n");
    ASSERT_EQ(result.entries.size(), 3);
    EXPECT_EQ(result.entries[2], entry(3, "C\xc3\xbf", "", ""));

    // Overlong and surrogate encodings are not UTF-8.
    result = DMRUserDBImport::parseFileContents("1,A\xc0\xaf\n2,B\xed\xa0\x80\n");
    ASSERT_EQ(result.entries.size(), 2);
    EXPECT_EQ(result.entries[0].callsign, QString::fromUtf8("A\xc3\x80\xc2\xaf"));
}

TEST(DMRUserDBImport, EncodingIsDecidedPerLine) {
    // One stray ISO 8859-1 byte garbles only its own line.
    const auto result = DMRUserDBImport::parseFileContents("1,DL1AA,J\xc3\xbcrgen,\n"
                                                           "2,DL2BB,M\xfcller,\n"
                                                           "3,SP3CC,\xc5\x81ukasz,\n");
    ASSERT_EQ(result.entries.size(), 3);
    EXPECT_EQ(result.entries[0], entry(1, "DL1AA", "Jürgen", ""));
    EXPECT_EQ(result.entries[1], entry(2, "DL2BB", "Müller", ""));
    EXPECT_EQ(result.entries[2], entry(3, "SP3CC", "Łukasz", ""));

    // A wholly ISO 8859-1 file still reads 0x85 as a line break, CR LF as one.
    const auto latin = DMRUserDBImport::parseFileContents("1,A\xe9\r\n2,B\x85"
                                                          "3,C\xf6\n");
    ASSERT_EQ(latin.entries.size(), 3);
    EXPECT_EQ(latin.entries[0], entry(1, "A\xc3\xa9", "", ""));
    EXPECT_EQ(latin.entries[1], entry(2, "B", "", ""));
    EXPECT_EQ(latin.entries[2], entry(3, "C\xc3\xb6", "", ""));
}

TEST(DMRUserDBImport, ExportedTextReadsBackAsTheSameEntries) {
    const DMRUserEntryList entries{
        entry(1, "A,B", "Ann; Lee", "Ünal, Çelik"), entry(2, "X;Y", "Żółć", "a,b;c"),
        entry(3, "DL0ÄÖ", "Jürgen", "Müller"), entry(4, "Q\"T", "O\"Brien", "x")};
    const auto back = DMRUserDBImport::parseFileContents(csvExportText(entries));
    ASSERT_EQ(back.entries.size(), 4);
    for (qsizetype i = 0; i < 3; ++i)
        EXPECT_EQ(back.entries[i], entries[i]) << i;
    // A double quote inside a value is dropped by the reader, as it describes.
    EXPECT_EQ(back.entries[3], entry(4, "QT", "OBrien", "x"));
}
