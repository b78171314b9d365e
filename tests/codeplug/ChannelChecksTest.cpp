// The checks every channel path runs: band limits, room, TX following RX,
// stored names.

#include "codeplug/ChannelChecks.h"

#include <gtest/gtest.h>

using namespace nerka;

namespace {

const DeviceSettings kGd77{QStringLiteral("DL1ABC"), 2621001, 136, 174, 400, 480};

ChannelEdit rowAt(const QString& name, double rxMHz, double txMHz, bool rxOnly = false) {
    ChannelEdit edit;
    edit.name = name;
    edit.rxHz = std::uint64_t(rxMHz * 1e6 + 0.5);
    edit.txHz = std::uint64_t(txMHz * 1e6 + 0.5);
    edit.rxOnly = rxOnly;
    return edit;
}

} // namespace

TEST(ChannelChecksTest, BandLimitsComeFromTheSettingsAndCheckNothingWhileUnset) {
    EXPECT_FALSE(BandLimits::of(std::nullopt));
    EXPECT_FALSE(BandLimits::of(DeviceSettings{}));
    EXPECT_FALSE(BandLimits::of(DeviceSettings{{}, 0, 174, 136, 0, 0})); // min above max
    const auto bands = BandLimits::of(kGd77);
    ASSERT_TRUE(bands);
    EXPECT_EQ(bands->text(), QStringLiteral("VHF 136–174, UHF 400–480 MHz"));
    EXPECT_TRUE(bands->contains(136'000'000));
    EXPECT_TRUE(bands->contains(480'000'000));
    EXPECT_FALSE(bands->contains(135'999'990));
    EXPECT_FALSE(bands->contains(223'500'000));
    // Only UHF set: VHF holds nothing.
    const auto uhfOnly = BandLimits::of(DeviceSettings{{}, 0, 0, 0, 400, 470});
    ASSERT_TRUE(uhfOnly);
    EXPECT_FALSE(uhfOnly->contains(145'500'000));
    EXPECT_TRUE(uhfOnly->contains(439'000'000));
}

// One rule per case, whatever the path: a typed value gets a warning and is
// kept; a row is left out and named.
TEST(ChannelChecksTest, BandCheckWarnsForTypedValuesAndLeavesRowsOut) {
    const auto bands = BandLimits::of(kGd77);
    struct Case {
        ChannelEdit edit;
        QString warning; // empty: inside
    };
    const QList<Case> cases{
        {rowAt("2m Call", 145.5, 145.5), {}},
        {rowAt("DB0XY", 439.2, 431.6), {}},
        {rowAt("6m Call", 52.525, 52.525),
         "RX 52.525 MHz outside this radio's bands (VHF 136–174, UHF 400–480 MHz)"},
        {rowAt("Odd split", 145.5, 223.5),
         "TX 223.5 MHz outside this radio's bands (VHF 136–174, UHF 400–480 MHz)"},
        {rowAt("Listen", 145.5, 223.5, true), {}}, // receive only: TX not used
        {rowAt("Trunk", 851.0125, 806.0125),
         "RX 851.0125 MHz outside this radio's bands (VHF 136–174, UHF 400–480 MHz)"},
    };
    QList<ChannelEdit> rows;
    QList<int> lines;
    for (qsizetype i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(channelBandWarning(cases[i].edit, bands), cases[i].warning)
            << cases[i].edit.name.toStdString();
        EXPECT_TRUE(channelBandWarning(cases[i].edit, std::nullopt).isEmpty());
        rows.append(cases[i].edit);
        lines.append(int(i) + 2);
    }
    const ScreenedChannelRows screened = screenChannelRows(rows, lines, bands);
    EXPECT_EQ(screened.kept, (QList<qsizetype>{0, 1, 4}));
    EXPECT_EQ(outsideRowsNote(screened.outside, *bands),
              QStringLiteral("3 rows outside this radio's bands (VHF 136–174, UHF 400–480 MHz): "
                             "line 4 6m Call 52.525 MHz, line 5 Odd split 223.5 MHz, "
                             "line 7 Trunk 851.0125 MHz"));
    EXPECT_EQ(screenChannelRows(rows, {}, std::nullopt).kept.size(), rows.size());
}

TEST(ChannelChecksTest, BulkAdditionsFitWholeOrNotAtAll) {
    EXPECT_FALSE(channelRoomRefusal(14, 1010, QStringLiteral("import")));
    EXPECT_EQ(channelRoomRefusal(89, 1010, QStringLiteral("import")),
              QStringLiteral("Channel memory is full (max 1024): 89 to import, 14 free."));
    EXPECT_EQ(channelRoomRefusal(1, 1024, QStringLiteral("paste")),
              QStringLiteral("Channel memory is full (max 1024): 1 to paste, 0 free."));
}

// Filling RX over channels of different bands: each keeps its offset only
// while RX stays in its band and TX lands there too.
TEST(ChannelChecksTest, TxFollowsRxOnlyWithinTheBand) {
    const auto bands = BandLimits::of(kGd77);
    struct Case {
        double oldRx, oldTx, newRx;
        std::optional<BandLimits> bands;
        double wantTx;
        bool simplex;
    };
    const QList<Case> cases{
        {145.6, 145.0, 145.7, bands, 145.1, false},          // 2 m repeater stays a repeater
        {438.65, 431.05, 439.0, bands, 431.4, false},        // 70 cm repeater too
        {438.65, 431.05, 145.0, bands, 145.0, true},         // 70 cm offset over 2 m: simplex
        {145.6, 145.0, 438.0, bands, 438.0, true},           // and the other way round
        {136.5, 136.0, 136.2, bands, 136.2, true},           // TX would fall below the band
        {145.5, 145.5, 439.0, bands, 439.0, false},          // simplex stays simplex
        {438.65, 431.05, 145.0, std::nullopt, 137.4, false}, // no limits: offset kept
        {5.0, 1.0, 2.0, std::nullopt, 2.0, true},            // TX would be below 0
    };
    for (const Case& c : cases) {
        const FollowedTx followed =
            txFollowingRx(std::uint64_t(c.oldRx * 1e6 + 0.5), std::uint64_t(c.oldTx * 1e6 + 0.5),
                          std::uint64_t(c.newRx * 1e6 + 0.5), c.bands);
        EXPECT_EQ(followed.txHz, std::uint64_t(c.wantTx * 1e6 + 0.5)) << c.oldRx << "→" << c.newRx;
        EXPECT_EQ(followed.setToSimplex, c.simplex) << c.oldRx << "→" << c.newRx;
    }
    EXPECT_EQ(simplexNote(2),
              QStringLiteral("2 channels set to simplex (TX would leave the band)"));
    EXPECT_TRUE(simplexNote(0).isEmpty());
}

TEST(ChannelChecksTest, StoredNameIsCutAndReplacedAsTheRadioKeepsIt) {
    EXPECT_EQ(storedChannelName(QStringLiteral("Zürich Hauptbahnhof")),
              QStringLiteral("Zürich Hauptbahn"));
    EXPECT_EQ(storedChannelName(QStringLiteral("Kraków ⚡ Relay")),
              QStringLiteral("Kraków ? Relay"));
    EXPECT_EQ(storedChannelName(QStringLiteral("Łódź")), QStringLiteral("?ód?"));
}
