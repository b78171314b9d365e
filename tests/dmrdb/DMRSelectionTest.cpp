#include "dmrdb/DMRSelection.h"
#include "dmrdb/DMRFlashFormat.h"
#include "dmrdb/DMRPrefixNames.h"
#include "dmrdb/DMRUserSearch.h"

#include <gtest/gtest.h>

#include <vector>

using namespace nerka;

namespace {

// Sorted and distinct, as the encoder hands them over: 262 and 26201 begin
// with 262 too, 2280001 and 2281000 with 228.
const std::vector<std::uint32_t> kIds{262,     1234,    26201,   2280001, 2281000, 2321001,
                                      2321002, 2620001, 2620002, 2630001, 2630002, 3100001};

std::vector<std::uint32_t> chosenIds(const DMRSelectionOutcome& outcome) {
    std::vector<std::uint32_t> ids;
    for (const DMRPositionRange& range : outcome.chosen) {
        for (qsizetype i = range.begin; i < range.end; ++i)
            ids.push_back(kIds[size_t(i)]);
    }
    return ids;
}

struct SelectionCase {
    const char* what;
    QStringList prefixes;
    bool fillRest;
    qsizetype capacity;
    std::vector<std::uint32_t> chosen;
    QList<DMRPrefixShare> shares;
    QString summary;
};

} // namespace

TEST(DMRSelection, ChoosesByPriorityThenFillsByLowestId) {
    const auto share = [](const char* prefix, qsizetype matched, qsizetype kept) {
        return DMRPrefixShare{QString::fromLatin1(prefix), matched, kept};
    };
    const std::vector<SelectionCase> cases{
        {"no prefixes: the lowest IDs",
         {},
         true,
         5,
         {262, 1234, 26201, 2280001, 2281000},
         {},
         QStringLiteral("Writing 5 of 12 entries, lowest IDs first.")},
        {"priority order, capacity exactly met",
         {QStringLiteral("262"), QStringLiteral("232")},
         true,
         6,
         {262, 26201, 2321001, 2321002, 2620001, 2620002},
         {share("262", 4, 4), share("232", 2, 2)},
         QStringLiteral("Writing 6 of 12 entries: 262, 232 complete.")},
        {"the rest filled by lowest ID",
         {QStringLiteral("262"), QStringLiteral("232")},
         true,
         8,
         {262, 1234, 26201, 2280001, 2321001, 2321002, 2620001, 2620002},
         {share("262", 4, 4), share("232", 2, 2)},
         QStringLiteral("Writing 8 of 12 entries: 262, 232 complete, the rest filled by lowest "
                        "ID.")},
        {"without filling",
         {QStringLiteral("262"), QStringLiteral("232")},
         false,
         8,
         {262, 26201, 2321001, 2321002, 2620001, 2620002},
         {share("262", 4, 4), share("232", 2, 2)},
         QStringLiteral("Writing 6 of 12 entries: 262, 232 complete, no other entries.")},
        {"a prefix cut part-way keeps its lowest IDs, the next is left out",
         {QStringLiteral("232"), QStringLiteral("262"), QStringLiteral("263")},
         true,
         4,
         {262, 26201, 2321001, 2321002},
         {share("232", 2, 2), share("262", 4, 2), share("263", 2, 0)},
         QStringLiteral("Writing 4 of 12 entries: 232 complete, 262 cut to 2 of 4, 263 left out.")},
        {"26 before 262 takes 262's entries",
         {QStringLiteral("26"), QStringLiteral("262")},
         false,
         100,
         {262, 26201, 2620001, 2620002, 2630001, 2630002},
         {share("26", 6, 6), share("262", 0, 0)},
         QStringLiteral("Writing 6 of 12 entries: 26 complete, 262 without entries, no other "
                        "entries.")},
        {"262 before 26 leaves 26 the rest",
         {QStringLiteral("262"), QStringLiteral("26")},
         false,
         5,
         {262, 26201, 2620001, 2620002, 2630001},
         {share("262", 4, 4), share("26", 2, 1)},
         QStringLiteral("Writing 5 of 12 entries: 262 complete, 26 cut to 1 of 2, no other "
                        "entries.")},
        {"malformed prefixes match nothing",
         {QStringLiteral("0"), QStringLiteral("9x"), QStringLiteral("123456789")},
         true,
         2,
         {262, 1234},
         {share("0", 0, 0), share("9x", 0, 0), share("123456789", 0, 0)},
         QStringLiteral("Writing 2 of 12 entries: 0, 9x, 123456789 without entries, the rest "
                        "filled by lowest ID.")},
        {"no room at all",
         {QStringLiteral("263")},
         true,
         0,
         {},
         {share("263", 2, 0)},
         QStringLiteral("Writing 0 of 12 entries: 263 left out.")},
    };
    for (const SelectionCase& c : cases) {
        const DMRSelectionOutcome outcome =
            selectForRadio(kIds, c.capacity, DMRSelection{c.prefixes, c.fillRest});
        EXPECT_EQ(chosenIds(outcome), c.chosen) << c.what;
        EXPECT_EQ(outcome.prefixes, c.shares) << c.what;
        EXPECT_EQ(outcome.written, qsizetype(c.chosen.size())) << c.what;
        EXPECT_EQ(selectionSummary(outcome), c.summary) << c.what;
    }
    EXPECT_EQ(groupedNumber(37135), QStringLiteral("37,135"));
    EXPECT_EQ(groupedNumber(1076973), QStringLiteral("1,076,973"));
    EXPECT_EQ(groupedNumber(999), QStringLiteral("999"));
}

TEST(DMRSelection, EncoderWritesTheSelectedEntriesInIdOrder) {
    DMRUserDatabase database;
    database.textLength = 1; // 4-byte compressed records: 65533 + 73728 fit on a gd77
    for (std::uint32_t id = 2000000; id < 2150000; ++id)
        database.entries.appendUtf8(id, "X", {}, {});
    database.entries.append({2620001, QStringLiteral("X"), {}, {}});
    database.entries.append({2620000, QStringLiteral("X"), {}, {}});
    database.entries.append({2620000, QStringLiteral("dup"), {}, {}});

    const DMRFlashImage plain = encodeForFlash(database, RadioVariant::gd77);
    EXPECT_EQ(encodeForFlash(database, RadioVariant::gd77, DMRSelection{}).area1, plain.area1);
    EXPECT_EQ(plain.written, 139261);

    const DMRFlashImage chosen =
        encodeForFlash(database, RadioVariant::gd77, DMRSelection{{QStringLiteral("262")}, true});
    EXPECT_EQ(chosen.written, 139261);
    EXPECT_EQ(chosen.dropped, 150002 - 139261);
    EXPECT_EQ(chosen.merged, 1);
    const QByteArray records = chosen.area1.mid(DMRDBHeader::kSize) + chosen.area2;
    const DMRUserEntryList back = decodeRecords(records, 139261, 4, true);
    ASSERT_EQ(back.size(), 139261);
    // The filled lowest IDs first, the two of 262 last: ID order.
    EXPECT_EQ(back.idAt(0), 2000000u);
    EXPECT_EQ(back.idAt(139258), 2139258u);
    EXPECT_EQ(back.idAt(139259), 2620000u);
    EXPECT_EQ(back.idAt(139260), 2620001u);
}

TEST(DMRPrefixNames, ReadsPrefixesAndRegionNames) {
    const DMRPrefixNames::Parsed parsed =
        DMRPrefixNames::parse(QStringLiteral(" 262, 263;austria 228 Atlantis,, usa, 262, 0"));
    EXPECT_EQ(parsed.prefixes, (QStringList{"262", "263", "232", "228", "310", "311", "312", "313",
                                            "314", "315", "316"}));
    EXPECT_EQ(parsed.unknown, (QStringList{"Atlantis", "0"}));
    EXPECT_EQ(DMRPrefixNames::parse(QStringLiteral("United Kingdom")).prefixes,
              (QStringList{"234", "235"}));
    EXPECT_EQ(DMRPrefixNames::describe(QStringLiteral("2621")), QStringLiteral("2621 Germany"));
    EXPECT_EQ(DMRPrefixNames::describe(QStringLiteral("26")), QStringLiteral("26"));
    EXPECT_EQ(DMRPrefixNames::describe(QStringLiteral("999")), QStringLiteral("999"));
    EXPECT_EQ(DMRPrefixNames::join({QStringLiteral("262"), QStringLiteral("232")}),
              QStringLiteral("262,232"));
}

TEST(DMRUserSearch, FindsByIdPrefixCallsignAndNameIgnoringCase) {
    const DMRUserEntryList entries{
        {2621234, QStringLiteral("DL1ABC"), QStringLiteral("Jürgen"), {}},
        {3101234, QStringLiteral("W1AW"), QStringLiteral("Hiram"), QStringLiteral("Maxim")},
        {2622000, QStringLiteral("DK2XY"), QStringLiteral("Anna"), {}},
        {1262000, QStringLiteral("XX262"), QStringLiteral("Bo"), {}}};
    const auto rows = [&](const QString& query, qsizetype limit = 10) {
        const DMRUserSearch::Result result = DMRUserSearch::find(entries, query, limit);
        return std::pair(result.rows, result.total);
    };
    // Digits: IDs that begin with them, and texts that hold them.
    EXPECT_EQ(rows(QStringLiteral("262")), std::pair(QList<qsizetype>{0, 2, 3}, qsizetype(3)));
    EXPECT_EQ(rows(QStringLiteral(" w1aw ")), std::pair(QList<qsizetype>{1}, qsizetype(1)));
    EXPECT_EQ(rows(QStringLiteral("max")), std::pair(QList<qsizetype>{1}, qsizetype(1)));
    EXPECT_EQ(rows(QStringLiteral("JÜR")), std::pair(QList<qsizetype>{0}, qsizetype(1)));
    EXPECT_EQ(rows(QStringLiteral("a"), 2), std::pair(QList<qsizetype>{0, 1}, qsizetype(3)));
    EXPECT_EQ(rows(QStringLiteral("  ")), std::pair(QList<qsizetype>{}, qsizetype(0)));
}
