#include "ui/rules/SatelliteFormRules.h"

#include "satellites/SatelliteCodec.h"

#include <gtest/gtest.h>

namespace nerka {
namespace {

Satellite sampleSatellite() {
    Satellite s;
    s.index = 3;
    s.name = QStringLiteral("SO-50");
    s.tle1 = QByteArray(12, '\x25');
    s.tle2 = QByteArray(28, '\x11');
    s.rxFreq1 = 436795000;
    s.txFreq1 = 145850000;
    s.txTone = Tone::ctcss(670);
    s.additionalData = QByteArray(24, '\x07');
    return s;
}

TEST(SatelliteFormRulesTest, NameIsCutToEightCharacters) {
    EXPECT_EQ(SatelliteFormRules::cutName(QStringLiteral("AO-91 SAT")), QStringLiteral("AO-91 SA"));
    EXPECT_EQ(SatelliteFormRules::cutName(QStringLiteral("SO-50")), QStringLiteral("SO-50"));
}

TEST(SatelliteFormRulesTest, EmptyFrequencyMeansNotSetAndOtherTextMustBeAFrequency) {
    EXPECT_EQ(SatelliteFormRules::parseFrequency(QString()), 0u);
    EXPECT_EQ(SatelliteFormRules::parseFrequency(QStringLiteral("  ")), 0u);
    EXPECT_EQ(SatelliteFormRules::parseFrequency(QStringLiteral("145,8")), 145800000u);
    for (const char* bad : {"0", "1000", "abc", "-145"})
        EXPECT_FALSE(SatelliteFormRules::parseFrequency(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(SatelliteFormRules::frequencyText(0), QString());
    EXPECT_EQ(SatelliteFormRules::frequencyText(436795000), QStringLiteral("436.79500"));
}

TEST(SatelliteFormRulesTest, ApplyKeepsHiddenFieldsAndRefusesInvalidForms) {
    const Satellite original = sampleSatellite();
    SatelliteForm form = SatelliteFormRules::formFor(original);
    EXPECT_EQ(form.frequencies[0], QStringLiteral("436.79500"));
    EXPECT_EQ(form.frequencies[2], QString());
    // Unchanged form: the same satellite back.
    EXPECT_EQ(SatelliteFormRules::apply(original, form), original);

    form.name = QStringLiteral("AO-91 SAT");
    form.frequencies[3] = QStringLiteral("145,825");
    form.armTone = Tone::ctcss(1000);
    const auto edited = SatelliteFormRules::apply(original, form);
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->name, QStringLiteral("AO-91 SA"));
    EXPECT_EQ(edited->txFreq2, 145825000u);
    EXPECT_EQ(edited->armTone, Tone::ctcss(1000));
    EXPECT_EQ(edited->index, 3);
    EXPECT_EQ(edited->tle1, original.tle1);
    EXPECT_EQ(edited->additionalData, original.additionalData);

    form.frequencies[4] = QStringLiteral("abc");
    EXPECT_FALSE(SatelliteFormRules::apply(original, form));
    form.frequencies[4] = QString();
    // A blank name would be dropped from the table on the write.
    form.name = QStringLiteral("   ");
    EXPECT_FALSE(SatelliteFormRules::isValid(form));
}

TEST(SatelliteFormRulesTest, EpochOfTheElementsOrADashWithoutThem) {
    Satellite s = sampleSatellite();
    s.tle1 = packText(QStringLiteral("25123.50000000"), 12);
    EXPECT_EQ(SatelliteFormRules::epochText(s), QStringLiteral("2025-05-03 12:00:00"));
    s.tle1 = QByteArray(12, 0);
    EXPECT_EQ(SatelliteFormRules::epochText(s), QStringLiteral("\u2014"));
}

TEST(SatelliteFormRulesTest, ToneChoicesKeepAValueOutsideTheTable) {
    const auto plain = SatelliteFormRules::toneChoices(std::nullopt);
    ASSERT_EQ(plain.size(), 51);
    EXPECT_EQ(plain.first(), std::nullopt);
    EXPECT_EQ(SatelliteFormRules::toneLabel(plain.first()), QStringLiteral("None"));
    EXPECT_EQ(SatelliteFormRules::toneLabel(plain[1]), QStringLiteral("67.0 Hz"));

    EXPECT_TRUE(SatelliteFormRules::toneChoices(Tone::ctcss(1234)).contains(Tone::ctcss(1234)));
    const auto withDcs = SatelliteFormRules::toneChoices(Tone::dcs(23, true));
    EXPECT_EQ(withDcs.last(), Tone::dcs(23, true));
    EXPECT_EQ(SatelliteFormRules::toneLabel(Tone::dcs(23, true)), QStringLiteral("D023I"));
}

} // namespace
} // namespace nerka
