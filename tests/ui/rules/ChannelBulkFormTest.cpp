// The rules of a bulk edit: mixed fields, only changed fields applied, and
// fields that do not apply to a channel left alone and counted.

#include "ui/rules/ChannelBulkForm.h"

#include <gtest/gtest.h>

#include <functional>

using namespace nerka;

namespace {

RadioChannel fm(int number, std::uint64_t rxHz) {
    RadioChannel c;
    c.number = number;
    c.name = QStringLiteral("FM %1").arg(number);
    c.rxHz = c.txHz = rxHz;
    c.powerRaw = 2; // low, kept as it is when "Low" is chosen
    return c;
}

RadioChannel dmr(int number, std::uint64_t rxHz, int colorCode) {
    RadioChannel c = fm(number, rxHz);
    c.mode = ChannelMode::dmr;
    c.colorCode = colorCode;
    return c;
}

const QList<RadioChannel> kChannels{fm(1, 145'500'000), dmr(2, 438'600'000, 1),
                                    dmr(3, 439'000'000, 1), fm(4, 0'500'000)};

} // namespace

TEST(ChannelBulkFormTest, OnlyChangedFieldsApplyAndInapplicableOnesAreCounted) {
    struct Case {
        const char* what;
        std::function<void(ChannelBulkForm&)> change;
        QList<int> changed; // numbers of the channels that change
        QString note;
        std::function<bool(const QList<RadioChannel>&, const QList<std::pair<int, ChannelEdit>>&)>
            check;
    };
    const auto editOf = [](const QList<std::pair<int, ChannelEdit>>& edits, int number) {
        for (const auto& [n, e] : edits)
            if (n == number)
                return e;
        return ChannelEdit{};
    };
    const Case cases[] = {
        {"nothing changed", [](ChannelBulkForm&) {}, {}, QString(), nullptr},
        {"a field set back to what every channel has",
         [](ChannelBulkForm& f) { f.setChanged(ChannelField::rxOnly, true); },
         {},
         QString(),
         nullptr},
        {"power on all",
         [](ChannelBulkForm& f) {
             f.values.power = ChannelPowerLevel::high;
             f.setChanged(ChannelField::power, true);
         },
         {1, 2, 3, 4},
         QString(),
         [&](const auto&, const auto& edits) { return editOf(edits, 3).powerRaw == 9; }},
        {"colour code only on DMR",
         [](ChannelBulkForm& f) {
             f.values.colorCode = 7;
             f.setChanged(ChannelField::colorCode, true);
         },
         {2, 3},
         QStringLiteral("Farbcode left alone on 2 FM channels"),
         [&](const auto&, const auto& edits) { return editOf(edits, 2).colorCode == 7; }},
        {"tone and bandwidth only on FM",
         [](ChannelBulkForm& f) {
             f.values.txToneKind = ToneKind::ctcss;
             f.values.txCtcss = 885;
             f.values.bandwidthWide = true;
             f.setChanged(ChannelField::txTone, true);
             f.setChanged(ChannelField::bandwidth, true);
         },
         {1, 4},
         QStringLiteral("Bandwidth left alone on 2 DMR channels, TX tone left alone on 2 DMR "
                        "channels"),
         [&](const auto&, const auto& edits) {
             return editOf(edits, 1).txTone == Tone::ctcss(885) && editOf(edits, 4).bandwidthWide;
         }},
        {"mode changed first, then judged",
         [](ChannelBulkForm& f) {
             f.values.isDMR = true;
             f.values.colorCode = 3;
             f.setChanged(ChannelField::mode, true);
             f.setChanged(ChannelField::colorCode, true);
         },
         {1, 2, 3, 4},
         QString(),
         [&](const auto&, const auto& edits) {
             return editOf(edits, 1).isDMR && editOf(edits, 4).colorCode == 3;
         }},
        {"minus offset from each channel's own RX, none below 1 Hz",
         [](ChannelBulkForm& f) {
             f.values.setFreqMode(FreqMode::minus);
             f.setChanged(ChannelField::tx, true);
         },
         {1, 2, 3},
         QStringLiteral("offset left alone on 1 channel"),
         [&](const auto&, const auto& edits) {
             return editOf(edits, 1).txHz == 144'900'000u && editOf(edits, 2).txHz == 431'000'000u;
         }},
    };
    for (const Case& c : cases) {
        ChannelBulkForm form(kChannels);
        c.change(form);
        const ChannelBulkForm::Result result = form.apply();
        QList<int> numbers;
        for (const auto& [number, edit] : result.edits)
            numbers.append(number);
        EXPECT_EQ(numbers, c.changed) << c.what;
        EXPECT_EQ(result.note, c.note) << c.what;
        if (c.check) {
            EXPECT_TRUE(c.check(kChannels, result.edits)) << c.what;
        }
        // Whatever changed, every other field keeps the channel's value.
        for (const auto& [number, edit] : result.edits)
            EXPECT_EQ(edit.name, kChannels[number - 1].name) << c.what;
    }
}

TEST(ChannelBulkFormTest, FieldsThatDifferAreMixed) {
    const ChannelBulkForm form(kChannels);
    EXPECT_TRUE(form.isMixed(ChannelField::mode));
    EXPECT_TRUE(form.isMixed(ChannelField::colorCode));
    EXPECT_FALSE(form.isMixed(ChannelField::power));
    EXPECT_FALSE(form.isMixed(ChannelField::rxTone));
    EXPECT_TRUE(form.anyDMR());
    EXPECT_TRUE(form.anyFM());
    RadioChannel repeater = kChannels[2];
    repeater.txHz = 431'400'000; // 7.6 MHz below
    const ChannelBulkForm dmrOnly({kChannels[1], repeater});
    EXPECT_FALSE(dmrOnly.isMixed(ChannelField::colorCode));
    EXPECT_TRUE(dmrOnly.isMixed(ChannelField::tx)) << "simplex and minus";
    EXPECT_FALSE(dmrOnly.anyFM());
    // Both below their RX, by 0.6 and by 7.6 MHz: different offsets.
    RadioChannel twoMetre = kChannels[0];
    twoMetre.txHz = twoMetre.rxHz - 600'000;
    EXPECT_TRUE(ChannelBulkForm({twoMetre, repeater}).isMixed(ChannelField::tx));
}
