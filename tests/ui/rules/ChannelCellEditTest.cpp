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
        ChannelField cell;
        const char* text;
        const char* problem; // empty: accepted
        std::function<bool(const ChannelEdit&)> check;
    };
    const Case cases[] = {
        {ChannelField::name, "Relais Nord", "", [](auto& e) { return e.name == "Relais Nord"; }},
        {ChannelField::name, "  ", "Name: enter a name", nullptr},
        // Cut and replaced as the radio stores it, as on every path.
        {ChannelField::name, "Seventeen chars!!", "",
         [](auto& e) { return e.name == "Seventeen chars!"; }},
        {ChannelField::name, "Kraków ⚡", "", [](auto& e) { return e.name == "Kraków ?"; }},
        // RX alone: TX follows through checkTypedChannelChange, which knows the bands.
        {ChannelField::rx, "439,000", "",
         [](auto& e) { return e.rxHz == 439'000'000u && e.txHz == 431'050'000u; }},
        {ChannelField::rx, "1000", "RX (MHz): ", nullptr},
        {ChannelField::tx, "438.650", "",
         [](auto& e) { return e.rxHz == 438'650'000u && e.txHz == 438'650'000u; }},
        {ChannelField::tx, "abc", "TX (MHz): ", nullptr},
        {ChannelField::mode, "dmr", "", [](auto& e) { return e.isDMR; }},
        {ChannelField::mode, "AM", "Mode: 'AM' is not one of FM, DMR", nullptr},
        {ChannelField::power, "low", "", [](auto& e) { return e.powerRaw == 2; }},
        {ChannelField::power, "high", "", [](auto& e) { return e.powerRaw == 9; }},
        {ChannelField::power, "Turbo", "Power: ", nullptr},
        {ChannelField::rxTone, "88.5", "", [](auto& e) { return e.rxTone == Tone::ctcss(885); }},
        {ChannelField::txTone, "D023I", "",
         [](auto& e) { return e.txTone == Tone::dcs(23, true); }},
        {ChannelField::txTone, "69.4", "TX tone: ", nullptr},
        {ChannelField::timeSlot, "2", "", [](auto& e) { return e.timeSlotTS2; }},
        {ChannelField::timeSlot, "3", "Time slot: '3' is not one of TS1, TS2", nullptr},
        {ChannelField::colorCode, "15", "", [](auto& e) { return e.colorCode == 15; }},
        {ChannelField::colorCode, "16", "Farbcode: '16' is not 0\u201315", nullptr},
        {ChannelField::skipScan, "yes", "", [](auto& e) { return e.skipScan; }},
        {ChannelField::rxOnly, "maybe", "Receive only (RX-only): 'maybe' is neither yes nor no",
         nullptr},
    };
    for (const Case& c : cases) {
        const auto result = editChannelCell(repeater(), c.cell, QString::fromUtf8(c.text));
        if (*c.problem == '\0') {
            ASSERT_TRUE(std::holds_alternative<ChannelEdit>(result)) << c.text;
            EXPECT_TRUE(c.check(std::get<ChannelEdit>(result))) << c.text;
            if (c.cell != ChannelField::name) {
                EXPECT_EQ(std::get<ChannelEdit>(result).name, repeater().name);
            }
        } else {
            ASSERT_TRUE(std::holds_alternative<QString>(result)) << c.text;
            EXPECT_TRUE(std::get<QString>(result).startsWith(QString::fromUtf8(c.problem)))
                << std::get<QString>(result).toStdString();
        }
    }
    // What a cell offers for editing reads back unchanged, for every field.
    for (const ChannelFieldInfo& row : channelFieldTable()) {
        if (!row.canRead())
            continue;
        const auto same = editChannelCell(repeater(), row.id, channelCellText(repeater(), row.id));
        ASSERT_TRUE(std::holds_alternative<ChannelEdit>(same)) << row.label.toStdString();
        EXPECT_EQ(std::get<ChannelEdit>(same), channelEditFrom(repeater()))
            << row.label.toStdString();
    }
}

TEST(ChannelCellEditTest, ReferenceCellsTakeANameANumberOrNothing) {
    ChannelRowNames names;
    names.contacts = {{0, QStringLiteral("Bayern")}, {4, QStringLiteral("Local 9")}};
    names.groupLists = {{1, QStringLiteral("DL")}};
    RadioChannel dmr = repeater();
    dmr.mode = ChannelMode::dmr;
    dmr.contactIndex = 0;
    EXPECT_EQ(channelCellText(dmr, ChannelField::contact, names), QStringLiteral("Bayern"));
    EXPECT_EQ(channelCellText(dmr, ChannelField::groupList, names), QString());
    const auto set = [&](ChannelField cell, const char* text) {
        return editChannelCell(dmr, cell, QString::fromUtf8(text), names);
    };
    const auto contactOf = [](const std::variant<ChannelEdit, QString>& r) {
        return std::get<ChannelEdit>(r).contactSlot;
    };
    EXPECT_EQ(contactOf(set(ChannelField::contact, "local 9")), 4) << "any case";
    EXPECT_EQ(contactOf(set(ChannelField::contact, "#5")), 4);
    EXPECT_EQ(contactOf(set(ChannelField::contact, "")), std::nullopt) << "cleared";
    EXPECT_EQ(std::get<ChannelEdit>(set(ChannelField::groupList, "DL")).groupListIndex, 1);
    EXPECT_EQ(std::get<QString>(set(ChannelField::contact, "Berlin")),
              QStringLiteral("Contact (TX): no contact named 'Berlin'"));
    EXPECT_EQ(std::get<QString>(set(ChannelField::groupList, "EU")),
              QStringLiteral("RX group list: no group list named 'EU'"));
}

TEST(ChannelCellEditTest, FillDownCopiesOrContinuesAFrequencySeries) {
    struct Case {
        ChannelField cell;
        QStringList texts;
        QStringList filled;
    };
    const Case cases[] = {
        {ChannelField::rx,
         {"145.500", "145.525", "1", "x"},
         {"145.500", "145.525", "145.55000", "145.57500"}},
        {ChannelField::tx, {"430.0125", "430.00625", ""}, {"430.0125", "430.00625", "430.00000"}},
        // Two cells, or no step, or no frequency: the top text is copied.
        {ChannelField::rx, {"145.500", "145.525"}, {"145.500", "145.500"}},
        {ChannelField::rx, {"145.500", "145.500", "1"}, {"145.500", "145.500", "145.500"}},
        {ChannelField::name, {"A1", "A2", "x"}, {"A1", "A1", "A1"}},
        // The series stops where the range ends.
        {ChannelField::rx, {"999.99", "999.995", "1", "2"}, {"999.99", "999.995", "1", "2"}},
        {ChannelField::rx, {"0.02", "0.01", "1", "2"}, {"0.02", "0.01", "1", "2"}},
        {ChannelField::power, {"High"}, {"High"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillDown(c.cell, c.texts), c.filled) << c.texts.join(u' ').toStdString();
}
