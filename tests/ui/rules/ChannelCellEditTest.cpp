// Editing one channel field in a table cell, and filling a column down.

#include "ui/rules/ChannelCellEdit.h"
#include "ui/rules/FillSeries.h"

#include <gtest/gtest.h>

#include <functional>

using namespace nerka;

namespace {

RadioChannel repeater() {
    RadioChannel c;
    c.number = 3;
    c.name = QStringLiteral("DB0ABC");
    c.rxHz = 438'650'000;
    c.txHz = 431'050'000; // 7.6 MHz below
    c.powerRaw = 2;       // low
    return c;
}

} // namespace

TEST(ChannelCellEditTest, CellsFollowTheEditorsRulesAndNameTheirProblem) {
    struct Case {
        ChannelCell cell;
        const char* text;
        const char* problem; // empty: accepted
        std::function<bool(const ChannelEdit&)> check;
    };
    const Case cases[] = {
        {ChannelCell::name, "Relais Nord", "", [](auto& e) { return e.name == "Relais Nord"; }},
        {ChannelCell::name, "  ", "Name: enter a name", nullptr},
        // Cut and replaced as the radio stores it, as on every path.
        {ChannelCell::name, "Seventeen chars!!", "",
         [](auto& e) { return e.name == "Seventeen chars!"; }},
        {ChannelCell::name, "Kraków ⚡", "", [](auto& e) { return e.name == "Kraków ?"; }},
        // RX alone: TX follows through checkTypedChannelChange, which knows the bands.
        {ChannelCell::rx, "439,000", "",
         [](auto& e) { return e.rxHz == 439'000'000u && e.txHz == 431'050'000u; }},
        {ChannelCell::rx, "1000", "RX: ", nullptr},
        {ChannelCell::tx, "438.650", "",
         [](auto& e) { return e.rxHz == 438'650'000u && e.txHz == 438'650'000u; }},
        {ChannelCell::tx, "abc", "TX: ", nullptr},
        {ChannelCell::mode, "dmr", "", [](auto& e) { return e.isDMR; }},
        {ChannelCell::mode, "AM", "Mode: FM or DMR", nullptr},
        {ChannelCell::power, "low", "", [](auto& e) { return e.powerRaw == 2; }},
        {ChannelCell::power, "high", "", [](auto& e) { return e.powerRaw == 9; }},
        {ChannelCell::power, "Turbo", "Power: ", nullptr},
        {ChannelCell::rxTone, "88.5", "", [](auto& e) { return e.rxTone == Tone::ctcss(885); }},
        {ChannelCell::txTone, "D023I", "", [](auto& e) { return e.txTone == Tone::dcs(23, true); }},
        {ChannelCell::txTone, "69.4", "TX tone: ", nullptr},
        {ChannelCell::timeSlot, "2", "", [](auto& e) { return e.timeSlotTS2; }},
        {ChannelCell::timeSlot, "3", "Time slot: 1 or 2", nullptr},
        {ChannelCell::colorCode, "15", "", [](auto& e) { return e.colorCode == 15; }},
        {ChannelCell::colorCode, "16", "Colour code: 0 to 15", nullptr},
        {ChannelCell::scanSkip, "yes", "", [](auto& e) { return e.skipScan; }},
        {ChannelCell::rxOnly, "maybe", "RX only: Yes or No", nullptr},
    };
    for (const Case& c : cases) {
        const auto result = editChannelCell(repeater(), c.cell, QString::fromUtf8(c.text));
        if (*c.problem == '\0') {
            ASSERT_TRUE(std::holds_alternative<ChannelEdit>(result)) << c.text;
            EXPECT_TRUE(c.check(std::get<ChannelEdit>(result))) << c.text;
            if (c.cell != ChannelCell::name) {
                EXPECT_EQ(std::get<ChannelEdit>(result).name, repeater().name);
            }
        } else {
            ASSERT_TRUE(std::holds_alternative<QString>(result)) << c.text;
            EXPECT_TRUE(std::get<QString>(result).startsWith(QString::fromUtf8(c.problem)))
                << std::get<QString>(result).toStdString();
        }
    }
    // What a cell offers for editing reads back unchanged.
    for (const ChannelCell cell : {ChannelCell::name, ChannelCell::rx, ChannelCell::tx,
                                   ChannelCell::mode, ChannelCell::power, ChannelCell::timeSlot,
                                   ChannelCell::colorCode, ChannelCell::scanSkip}) {
        const auto same = editChannelCell(repeater(), cell, channelCellText(repeater(), cell));
        ASSERT_TRUE(std::holds_alternative<ChannelEdit>(same)) << int(cell);
        EXPECT_EQ(std::get<ChannelEdit>(same), channelEditFrom(repeater())) << int(cell);
    }
}

TEST(ChannelCellEditTest, ReferenceCellsTakeANameANumberOrNothing) {
    ChannelRowNames names;
    names.contacts = {{0, QStringLiteral("Bayern")}, {4, QStringLiteral("Local 9")}};
    names.groupLists = {{1, QStringLiteral("DL")}};
    RadioChannel dmr = repeater();
    dmr.mode = ChannelMode::dmr;
    dmr.contactIndex = 0;
    EXPECT_EQ(channelCellText(dmr, ChannelCell::contact, names), QStringLiteral("Bayern"));
    EXPECT_EQ(channelCellText(dmr, ChannelCell::groupList, names), QString());
    const auto set = [&](ChannelCell cell, const char* text) {
        return editChannelCell(dmr, cell, QString::fromUtf8(text), names);
    };
    const auto contactOf = [](const std::variant<ChannelEdit, QString>& r) {
        return std::get<ChannelEdit>(r).contactSlot;
    };
    EXPECT_EQ(contactOf(set(ChannelCell::contact, "local 9")), 4) << "any case";
    EXPECT_EQ(contactOf(set(ChannelCell::contact, "#5")), 4);
    EXPECT_EQ(contactOf(set(ChannelCell::contact, "")), std::nullopt) << "cleared";
    EXPECT_EQ(std::get<ChannelEdit>(set(ChannelCell::groupList, "DL")).groupListIndex, 1);
    EXPECT_EQ(std::get<QString>(set(ChannelCell::contact, "Berlin")),
              QStringLiteral("Contact (TX): no contact named 'Berlin'"));
    EXPECT_EQ(std::get<QString>(set(ChannelCell::groupList, "EU")),
              QStringLiteral("Group list: no talkgroup list named 'EU'"));
}

TEST(ChannelCellEditTest, FillDownCopiesOrContinuesAFrequencySeries) {
    struct Case {
        ChannelCell cell;
        QStringList texts;
        QStringList filled;
    };
    const Case cases[] = {
        {ChannelCell::rx,
         {"145.500", "145.525", "1", "x"},
         {"145.500", "145.525", "145.55000", "145.57500"}},
        {ChannelCell::tx, {"430.0125", "430.00625", ""}, {"430.0125", "430.00625", "430.00000"}},
        // Two cells, or no step, or no frequency: the top text is copied.
        {ChannelCell::rx, {"145.500", "145.525"}, {"145.500", "145.500"}},
        {ChannelCell::rx, {"145.500", "145.500", "1"}, {"145.500", "145.500", "145.500"}},
        {ChannelCell::name, {"A1", "A2", "x"}, {"A1", "A1", "A1"}},
        // The series stops where the range ends.
        {ChannelCell::rx, {"999.99", "999.995", "1", "2"}, {"999.99", "999.995", "1", "2"}},
        {ChannelCell::rx, {"0.02", "0.01", "1", "2"}, {"0.02", "0.01", "1", "2"}},
        {ChannelCell::power, {"High"}, {"High"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillDown(c.cell, c.texts), c.filled) << c.texts.join(u' ').toStdString();
}
