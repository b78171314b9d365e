#include "dmrdb/DMRUserEntry.h"
#include "dmrdb/DMRUserDBExport.h"
#include "dmrdb/DMRUserEntryList.h"

#include "UserEntry.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::entry;

TEST(DMRUserEntry, DisplayTextJoinsTheNonEmptyParts) {
    const DMRUserEntry full = entry(1, "XX0AAA", "Ann", "Lee");
    EXPECT_EQ(displayText(full, DMRNameFormat::firstName), u"XX0AAA Ann");
    EXPECT_EQ(displayText(full, DMRNameFormat::fullName), u"XX0AAA Ann Lee");

    EXPECT_EQ(displayText(entry(1, "", "Ann", "Lee"), DMRNameFormat::fullName), u"Ann Lee");
    EXPECT_EQ(displayText(entry(1, "", "Ann", "Lee"), DMRNameFormat::firstName), u"Ann");
    EXPECT_EQ(displayText(entry(1, "XX0AAA", "", "Lee"), DMRNameFormat::fullName), u"XX0AAA Lee");
    EXPECT_EQ(displayText(entry(1, "XX0AAA", "", "Lee"), DMRNameFormat::firstName), u"XX0AAA");
    EXPECT_EQ(displayText(entry(1, "", "", ""), DMRNameFormat::fullName), u"");
    // Neither trimmed nor truncated.
    EXPECT_EQ(displayText(entry(1, " X ", "Annabelle-Christine", ""), DMRNameFormat::firstName),
              u" X  Annabelle-Christine");
}

TEST(DMRUserEntry, CsvLineQuotesOnlySeparatorsAndQuotes) {
    EXPECT_EQ(csvLine(entry(1234567, "XX0AAA", "Ann", "Lee")), u"1234567,XX0AAA,Ann,Lee\n");
    EXPECT_EQ(csvLine(entry(1, "A", "Lee, Ann", "")), u"1,A,\"Lee, Ann\",\n");
    EXPECT_EQ(csvLine(entry(1, "A\"B", "", "x;y")), u"1,\"A\"\"B\",,\"x;y\"\n");
    EXPECT_EQ(csvLine(entry(4294967295u, "", "Jürgen", "a\nb")),
              QString::fromUtf8("4294967295,,Jürgen,a\nb\n"));
}

TEST(DMRUserEntry, ExportSortsByIdAndWritesTheHeader) {
    const DMRUserEntryList entries{entry(300, "C", "", ""), entry(100, "A", "Ann", ""),
                                   entry(200, "B", "", "Lee"), entry(100, "A2", "", "")};
    EXPECT_EQ(csvExportText(entries), QByteArray("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n"
                                                 "100,A,Ann,\n"
                                                 "100,A2,,\n"
                                                 "200,B,,Lee\n"
                                                 "300,C,,\n"));
    EXPECT_EQ(csvExportText({}), QByteArray("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n"));
}

TEST(DMRUserEntry, FormatKeysAreTheCaseNames) {
    EXPECT_EQ(nameFormatKey(DMRNameFormat::firstName), u"firstName");
    EXPECT_EQ(nameFormatKey(DMRNameFormat::fullName), u"fullName");
    EXPECT_EQ(dbFormatKey(DMRDBFormat::compressed), u"compressed");
    EXPECT_EQ(dbFormatKey(DMRDBFormat::uncompressed), u"uncompressed");
    EXPECT_EQ(nameFormatFromKey(u"fullName"), DMRNameFormat::fullName);
    EXPECT_EQ(dbFormatFromKey(u"uncompressed"), DMRDBFormat::uncompressed);
    EXPECT_EQ(nameFormatFromKey(u"FullName"), std::nullopt);
    EXPECT_EQ(dbFormatFromKey(u""), std::nullopt);
}

TEST(DMRUserEntryList, StoresEntriesInOrderAndCopiesIndependently) {
    DMRUserEntryList list{entry(5, "XX0AAA", "Ann", "Lee"), entry(3, "", "", "")};
    list.appendUtf8(7, "DL0ÄÖ", "Jürgen", "");
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0], entry(5, "XX0AAA", "Ann", "Lee"));
    EXPECT_EQ(list[1], entry(3, "", "", ""));
    EXPECT_EQ(list[2], entry(7, "DL0ÄÖ", "Jürgen", ""));
    EXPECT_EQ(list.firstNameUtf8(0), "Ann");
    EXPECT_EQ(list.lastNameUtf8(0), "Lee");

    DMRUserEntryList copy = list;
    copy.append(entry(9, "Z", "", ""));
    EXPECT_EQ(list.size(), 3);
    EXPECT_EQ(copy.size(), 4);
    EXPECT_NE(copy, list);
    EXPECT_EQ(DMRUserEntryList(copy.toList()), copy);

    QList<std::uint32_t> ids;
    for (const DMRUserEntry& e : copy)
        ids.append(e.id);
    EXPECT_EQ(ids, (QList<std::uint32_t>{5, 3, 7, 9}));

    // Same values in different fields are different entries.
    EXPECT_NE(DMRUserEntryList({entry(1, "AB", "", "")}),
              DMRUserEntryList({entry(1, "A", "B", "")}));
}
