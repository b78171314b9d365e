#include "satellites/SatelliteCandidates.h"

#include "KepsSamples.h"

#include <gtest/gtest.h>

using namespace nerka;
using namespace nerka::test;

namespace {

TLERecord record(const QString& name, const QString& catalogue) {
    return {name, elementLine1(catalogue), elementLine2(catalogue)};
}

QStringList namesOf(const QList<SatelliteCandidate>& candidates) {
    QStringList names;
    for (const auto& c : candidates)
        names.append(c.name);
    return names;
}

Satellite satellite(const QString& name) {
    Satellite s;
    s.name = name;
    s.tle1 = QByteArray(12, char(0x11));
    s.tle2 = QByteArray(28, char(0x22));
    s.rxFreq1 = 145800000;
    s.additionalData = QByteArray(24, char(0x33));
    return s;
}

} // namespace

TEST(BuildCandidates, FMCandidatesFirstThenByNameIgnoringCase) {
    const QList<TLERecord> records{
        record("ZEBRA", "11111"),  record("ISS (ZARYA)", "25544"), record("SO-50", "27607"),
        record("AO-91", "43017"),  record("AO-7", "07530"),        record("XY-1 (ao-7)", "99999"),
        record("BROKEN", "12345"), record("ALPHA", "A0000"),
    };
    QList<TLERecord> withBroken = records;
    withBroken[6].line2 = withBroken[6].line2.left(60); // no packed elements: skipped

    SatNOGSFrequencyMap frequencies;
    frequencies.insert(27607, {436795000, 145850000, 670});
    frequencies.insert(7530, {145950000, 432150000, std::nullopt});
    frequencies.insert(11111, {145000000, 435000000, std::nullopt});
    frequencies.insert(0, {1, 2, std::nullopt}); // never matched by an alpha-5 number

    const auto candidates = buildCandidates(withBroken, frequencies);
    EXPECT_EQ(namesOf(candidates),
              (QStringList{"AO-7", "SO-50", "ZEBRA", "ALPHA", "ao-7", "AO-91", "ZARYA"}));

    const SatelliteCandidate& so50 = candidates[1];
    EXPECT_EQ(so50.fullName, "SO-50");
    EXPECT_EQ(so50.norad, 27607);
    EXPECT_EQ(so50.rxFreq1, 436795000u);
    EXPECT_EQ(so50.txFreq1, 145850000u);
    EXPECT_EQ(so50.txTone, Tone::ctcss(670));
    EXPECT_EQ(hex(so50.tle1), hex(issTle1()));
    EXPECT_EQ(hex(so50.tle2), hex(issTle2()));
    EXPECT_TRUE(so50.isFM());
    EXPECT_EQ(candidates[0].txTone, std::nullopt);

    EXPECT_EQ(candidates[3].norad, std::nullopt);
    const SatelliteCandidate& zarya = candidates[6];
    EXPECT_EQ(zarya.fullName, "ISS (ZARYA)");
    EXPECT_EQ(zarya.rxFreq1, 0u);
    EXPECT_FALSE(zarya.isFM());
    EXPECT_NE(candidates[0].id, candidates[1].id);
}

TEST(BuildCandidates, SameShortNamesAreAllKeptInKepsOrder) {
    const QList<TLERecord> records{record("B (SAT)", "00002"), record("A (sat)", "00001"),
                                   record("C (SAT)", "00003")};
    const auto candidates = buildCandidates(records, {});
    ASSERT_EQ(candidates.size(), 3);
    EXPECT_EQ(candidates[0].fullName, "B (SAT)");
    EXPECT_EQ(candidates[1].fullName, "A (sat)");
    EXPECT_EQ(candidates[2].fullName, "C (SAT)");
}

TEST(FindTLE, NameKeysAndPrefixes) {
    const QList<TLERecord> records{record("ABCSAT (SO-50)", "27607"), record("SO-50", "27608"),
                                   record("AO-91", "43017"), record("ISS (ZARYA)", "25544"),
                                   record("XY (OPEN", "11111")};
    EXPECT_EQ(findTLE("SO-50", records)->name, "ABCSAT (SO-50)") << "the first match wins";
    EXPECT_EQ(findTLE("so-5", records)->name, "ABCSAT (SO-50)") << "a key may begin with it";
    EXPECT_EQ(findTLE("  ao-91 ", records)->name, "AO-91");
    EXPECT_EQ(findTLE("ABCSAT", records)->name, "ABCSAT (SO-50)") << "the text before (";
    EXPECT_EQ(findTLE("zar", records)->name, "ISS (ZARYA)") << "the text inside ()";
    EXPECT_EQ(findTLE("OPEN", records), std::nullopt) << "no ) means no inner key";
    EXPECT_EQ(findTLE("XY (O", records)->name, "XY (OPEN");
    EXPECT_EQ(findTLE("", records), std::nullopt);
    EXPECT_EQ(findTLE("   ", records), std::nullopt);
    EXPECT_EQ(findTLE("SO-50B", records), std::nullopt) << "the satellite name is not cut";

    const QList<TLERecord> laterExact{record("SO-50B", "1"), record("SO-50", "2")};
    EXPECT_EQ(findTLE("SO-50", laterExact)->name, "SO-50B");
    EXPECT_EQ(findTLE("X", {record("( )", "3"), record("X", "4")})->name, "X")
        << "empty keys match nothing";
}

TEST(RefreshKeps, ReplacesOnlyTheElementsOfFoundSatellites) {
    const QList<TLERecord> records{record("SO-50", "27607"), record("BAD", "00001")};
    QList<TLERecord> withBad = records;
    withBad[1].line1 = withBad[1].line1.left(40);

    const QList<Satellite> satellites{satellite("SO-50"), satellite("AO-91"), satellite("bad")};
    const KepsRefresh result = refreshKepsOf(satellites, withBad);
    EXPECT_EQ(result.updatedCount, 1);
    EXPECT_EQ(result.missingNames, (QStringList{"AO-91", "bad"}));
    ASSERT_EQ(result.satellites.size(), 3);

    Satellite expected = satellites[0];
    expected.tle1 = issTle1();
    expected.tle2 = issTle2();
    EXPECT_EQ(result.satellites[0], expected);
    EXPECT_EQ(result.satellites[1], satellites[1]) << "keeps its old elements";
    EXPECT_EQ(result.satellites[2], satellites[2]);

    EXPECT_EQ(refreshKepsOf({}, records).updatedCount, 0);
}

TEST(RefreshKeps, SharedPrefixTakesTheNearestOrbit) {
    // Element line 2 with another inclination (columns 8-15) and mean motion (52-62).
    const auto shaped = [](const QString& name, const QString& catalogue, double inclinationDeg,
                           double revsPerDay) {
        TLERecord r = record(name, catalogue);
        r.line2.replace(8, 8, QStringLiteral("%1").arg(inclinationDeg, 8, 'f', 4));
        r.line2.replace(52, 11, QStringLiteral("%1").arg(revsPerDay, 11, 'f', 8));
        return r;
    };
    const TLERecord first = shaped("DUCHIFAT-1", "40021", 97.9712, 14.91234567);
    const TLERecord third = shaped("DUCHIFAT-3", "44854", 97.4012, 15.21234567);
    const TLERecord thirdOlder = shaped("DUCHIFAT-3", "44854", 97.4020, 15.20934567);
    const QList<TLERecord> records{first, third};

    Satellite stored = satellite("DUCHIFAT");
    stored.tle2 = packTLE(thirdOlder.line1, thirdOlder.line2)->tle2;
    const KepsRefresh nearest = refreshKepsOf({stored}, records);
    ASSERT_EQ(nearest.updatedCount, 1);
    EXPECT_EQ(hex(nearest.satellites[0].tle2), hex(packTLE(third.line1, third.line2)->tle2))
        << "not the first record sharing the prefix";

    // Stored elements of DUCHIFAT-1's orbit keep it on that orbit.
    stored.tle2 = packTLE(first.line1, first.line2)->tle2;
    EXPECT_EQ(hex(refreshKepsOf({stored}, {third, first}).satellites[0].tle2), hex(stored.tle2));

    // Without stored elements (never set: zeros or blanks) the first match wins.
    for (const char fill : {'\0', char(0xFF)}) {
        stored.tle2 = QByteArray(28, fill);
        EXPECT_EQ(hex(refreshKepsOf({stored}, records).satellites[0].tle2),
                  hex(packTLE(first.line1, first.line2)->tle2));
    }
    // A single match is taken whatever the stored orbit.
    stored.tle2 = packTLE(first.line1, first.line2)->tle2;
    EXPECT_EQ(hex(refreshKepsOf({stored}, {third}).satellites[0].tle2),
              hex(packTLE(third.line1, third.line2)->tle2));
}
