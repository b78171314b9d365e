#include "ui/rules/SatellitePickerRules.h"

#include <gtest/gtest.h>

namespace nerka {
namespace {

SatelliteCandidate candidate(const char* name, const char* fullName, std::uint32_t rx,
                             std::uint32_t tx) {
    SatelliteCandidate c;
    c.id = QUuid::createUuid();
    c.name = QString::fromLatin1(name);
    c.fullName = QString::fromLatin1(fullName);
    c.rxFreq1 = rx;
    c.txFreq1 = tx;
    return c;
}

TEST(SatellitePickerRulesTest, FilterMatchesNameOrFullNameIgnoringCaseAndHidesNonFM) {
    const QList<SatelliteCandidate> list{
        candidate("SO-50", "SAUDISAT 1C (SO-50)", 436795000, 145850000),
        candidate("AO-91", "FOX-1B (AO-91)", 145960000, 435250000),
        candidate("ISS", "ISS (ZARYA)", 0, 0),
    };
    EXPECT_EQ(SatellitePickerRules::visible(list, false, QString()), (QList<int>{0, 1, 2}));
    EXPECT_EQ(SatellitePickerRules::visible(list, true, QString()), (QList<int>{0, 1}));
    EXPECT_EQ(SatellitePickerRules::visible(list, false, QStringLiteral("so-5")), QList<int>{0});
    EXPECT_EQ(SatellitePickerRules::visible(list, false, QStringLiteral("fox")), QList<int>{1});
    EXPECT_EQ(SatellitePickerRules::visible(list, false, QStringLiteral("zarya")), QList<int>{2});
    EXPECT_EQ(SatellitePickerRules::visible(list, true, QStringLiteral("zarya")), QList<int>{});

    EXPECT_EQ(SatellitePickerRules::frequencyText(list[0]),
              QStringLiteral("RX 436.79500 · TX 145.85000"));
    EXPECT_EQ(SatellitePickerRules::frequencyText(list[2]), QStringLiteral("no FM transponder"));

    Satellite existing;
    existing.name = QStringLiteral("so-50");
    EXPECT_TRUE(SatellitePickerRules::inCodeplug(list[0], {existing}));
    EXPECT_FALSE(SatellitePickerRules::inCodeplug(list[1], {existing}));

    // Chosen in list order, whatever the order of the ticks.
    const QSet<QUuid> ticks{list[2].id, list[0].id};
    const auto chosen = SatellitePickerRules::chosen(list, ticks);
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen[0].name, QStringLiteral("SO-50"));
    EXPECT_EQ(chosen[1].name, QStringLiteral("ISS"));
}

TEST(SatellitePickerRulesTest, FooterCountsAgainstTheFreeSlots) {
    EXPECT_EQ(SatellitePickerRules::footerText(3, 2),
              QStringLiteral("3 selected \u2014 2 free slot(s)"));
    EXPECT_FALSE(SatellitePickerRules::tooMany(2, 2));
    EXPECT_TRUE(SatellitePickerRules::tooMany(3, 2));
    EXPECT_EQ(SatellitePickerRules::tooManyText(), QStringLiteral("Too many for the free slots"));
}

} // namespace
} // namespace nerka
