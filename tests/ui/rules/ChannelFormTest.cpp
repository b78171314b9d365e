#include "ui/rules/ChannelForm.h"

#include <gtest/gtest.h>

using namespace nerka;

namespace {

RadioChannel channel(std::uint64_t rxHz, std::uint64_t txHz) {
    RadioChannel c;
    c.number = 7;
    c.name = QStringLiteral("Rep");
    c.rxHz = rxHz;
    c.txHz = txHz;
    return c;
}

} // namespace

TEST(ChannelFormTest, DetectsTheOffsetModeOnOpen) {
    EXPECT_EQ(ChannelForm(channel(438'650'000, 431'050'000)).freqMode(), FreqMode::minus);
    EXPECT_EQ(ChannelForm(channel(145'600'000, 145'000'000)).freqMode(), FreqMode::minus);
    EXPECT_EQ(ChannelForm(channel(145'500'000, 146'100'000)).freqMode(), FreqMode::plus);
    EXPECT_EQ(ChannelForm(channel(145'500'000, 145'500'000)).freqMode(), FreqMode::simplex);
    const ChannelForm custom(channel(430'000'000, 435'000'000));
    EXPECT_EQ(custom.freqMode(), FreqMode::custom);
    EXPECT_EQ(custom.customOffset(), QStringLiteral("5"));
    // 0.6 MHz above 300 MHz is no standard offset.
    const ChannelForm odd(channel(438'650'000, 438'050'000));
    EXPECT_EQ(odd.freqMode(), FreqMode::custom);
    EXPECT_EQ(odd.customOffset(), QStringLiteral("-0.6"));
    EXPECT_EQ(odd.rxText(), QStringLiteral("438.65000"));
}

TEST(ChannelFormTest, RecalculatesTxUnlessSplitOrOutOfRange) {
    ChannelForm form(channel(145'500'000, 145'500'000));
    form.setFreqMode(FreqMode::plus);
    EXPECT_EQ(form.txText(), QStringLiteral("146.10000"));
    form.setRxText(QStringLiteral("145,6"));
    EXPECT_EQ(form.txText(), QStringLiteral("146.20000"));
    form.setRxText(QStringLiteral("abc")); // invalid RX leaves TX
    EXPECT_EQ(form.txText(), QStringLiteral("146.20000"));
    form.setRxText(QStringLiteral("439.0"));
    EXPECT_EQ(form.txText(), QStringLiteral("446.60000")); // 7.6 MHz judged on the new RX

    form.setFreqMode(FreqMode::custom); // starts from the current offset
    EXPECT_EQ(form.customOffset(), QStringLiteral("7.6"));
    EXPECT_EQ(form.txText(), QStringLiteral("446.60000"));
    // A custom offset started from TX − RX keeps every digit ("%g" would not).
    ChannelForm wide(channel(145'000'000, 245'012'340));
    wide.setFreqMode(FreqMode::split);
    wide.setCustomOffset(QString());
    wide.setFreqMode(FreqMode::custom);
    EXPECT_EQ(wide.customOffset(), QStringLiteral("100.01234"));
    EXPECT_EQ(wide.txText(), QStringLiteral("245.01234"));

    form.setFreqMode(FreqMode::split);
    form.setRxText(QStringLiteral("430.0"));
    EXPECT_EQ(form.txText(), QStringLiteral("446.60000"));

    ChannelForm low(channel(4'000'000, 4'000'000));
    low.setFreqMode(FreqMode::custom);
    low.setCustomOffset(QStringLiteral("-5"));
    EXPECT_EQ(low.txText(), QStringLiteral("4.00000"));
    low.setCustomOffset(QStringLiteral("-3,5"));
    EXPECT_EQ(low.txText(), QStringLiteral("0.50000"));
    low.setCustomOffset(QStringLiteral("junk")); // not a number: offset 0
    EXPECT_EQ(low.txText(), QStringLiteral("4.00000"));
    low.setCustomOffset(QStringLiteral("99999999999999999999")); // huge: TX left alone
    EXPECT_EQ(low.txText(), QStringLiteral("4.00000"));
}

TEST(ChannelFormTest, AnyTextLeavesAConsistentForm) {
    ChannelForm form(channel(145'500'000, 145'500'000));
    form.setFreqMode(FreqMode::custom);
    for (const char* text : {"1e308", "-1e308", "nan", "-inf", "\n", "+-1", "1,2,3", "\xef\xbc\x99",
                             "99999999999999999999999", "-145.5"}) {
        form.setCustomOffset(QString::fromUtf8(text));
        form.setRxText(QString::fromUtf8(text));
        form.setTxText(QString::fromUtf8(text));
        EXPECT_EQ(form.isValid(), form.edit().has_value()) << text;
    }
}

TEST(ChannelFormTest, ValidityAndTheEditBuilt) {
    RadioChannel c = channel(145'500'000, 145'500'000);
    c.powerRaw = 2;
    c.txTone = Tone::dcs(23, true);
    c.contactIndex = 4;
    ChannelForm form(c);
    EXPECT_TRUE(form.isValid());
    EXPECT_EQ(form.txToneKind, ToneKind::dcs);
    EXPECT_TRUE(form.txDcsInv);

    auto edit = form.edit();
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->powerRaw, 2); // unchanged level keeps the raw byte
    EXPECT_EQ(edit->txTone, Tone::dcs(23, true));
    EXPECT_FALSE(edit->rxTone);
    EXPECT_EQ(edit->contactSlot, 4);

    form.power = ChannelPowerLevel::high;
    form.rxToneKind = ToneKind::ctcss;
    form.rxCtcss = 885;
    form.isDMR = true;
    form.timeSlot2 = true;
    edit = form.edit();
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->powerRaw, 9);
    EXPECT_EQ(edit->rxTone, Tone::ctcss(885));
    EXPECT_TRUE(edit->isDMR);
    EXPECT_TRUE(edit->timeSlotTS2);

    form.setTxText(QStringLiteral("1000"));
    EXPECT_FALSE(form.isValid());
    EXPECT_FALSE(form.edit());
    form.setTxText(QStringLiteral("145.5"));
    form.name = QStringLiteral("  ");
    EXPECT_FALSE(form.isValid());
}

TEST(ChannelFormTest, OffsetPickerLabels) {
    EXPECT_EQ(ChannelForm::freqModeLabel(FreqMode::minus, 145'500'000),
              QStringLiteral("\u2212 Ablage (0.6 MHz)"));
    EXPECT_EQ(ChannelForm::freqModeLabel(FreqMode::plus, 438'650'000),
              QStringLiteral("+ Ablage (7.6 MHz)"));
    EXPECT_EQ(ChannelForm::freqModeLabel(FreqMode::split, 0), QStringLiteral("Disconnected"));
}

// A frequency outside both bands of the radio's settings is a warning (the
// limits are inclusive); without limits there is nothing to warn about.
TEST(ChannelFormTest, BandWarningOutsideTheRadiosBands) {
    const DeviceSettings bands{QStringLiteral("DL1ABC"), 2621234, 136, 174, 400, 480};
    const struct {
        std::uint64_t hz;
        bool warns;
    } cases[] = {{145'500'000, false}, {136'000'000, false}, {174'000'000, false},
                 {433'500'000, false}, {480'000'000, false}, {174'000'001, true},
                 {546'000'000, true},  {50'000'000, true}};
    for (const auto& c : cases)
        EXPECT_EQ(!ChannelForm::bandWarning(c.hz, bands).isEmpty(), c.warns) << c.hz;
    EXPECT_EQ(
        ChannelForm::bandWarning(50'000'000, bands),
        QStringLiteral("Outside this radio's bands (VHF 136\u2013174, UHF 400\u2013480 MHz)"));
    EXPECT_EQ(ChannelForm::bandWarning(50'000'000, DeviceSettings{}), QString());
}
