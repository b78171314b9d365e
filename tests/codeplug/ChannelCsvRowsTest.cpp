// Channel rows as text: what the channel table copies and what a paste reads.

#include "codeplug/ChannelCsvRows.h"

#include <gtest/gtest.h>

#include <functional>

using namespace nerka;

namespace {

RadioChannel sample(const QString& name) {
    RadioChannel c;
    c.number = 7;
    c.name = name;
    c.mode = ChannelMode::dmr;
    c.rxHz = 439'212'500;
    c.txHz = 431'612'500;
    c.bandwidthWide = true;
    c.rxOnly = true;
    c.timeSlot = 2;
    c.colorCode = 12;
    c.rxTone = Tone::dcs(23, true);
    c.txTone = Tone::ctcss(885);
    c.skipScan = true;
    c.powerRaw = 2; // low, though not the byte the editor stores for low
    c.contactIndex = 0;
    c.squelchMode = SquelchMode::normal;
    c.squelchLevel = 7;
    c.skipZoneScan = true;
    c.vox = true;
    c.monitor = true;
    c.powerSave = false;
    c.beep = false;
    c.aprsIndex = 1;
    return c;
}

} // namespace

TEST(ChannelCsvRowsTest, ExportThenImportIsTheIdentityOnEveryFieldEvenForAwkwardNames) {
    ChannelRowNames names;
    names.contacts = {{0, QStringLiteral("Local")}, {4, QStringLiteral("Bayern, \"Süd\"")}};
    names.groupLists = {{2, QStringLiteral("TG;262")}};
    names.zones = {{7, {QStringLiteral("Home"), QStringLiteral("Rally")}}};
    names.zoneList = {{0, QStringLiteral("Home")},
                      {1, QStringLiteral("Rally")},
                      {2, QStringLiteral("Ski, Alps")}};
    struct Case {
        QString name;
        std::function<void(RadioChannel&)> change;
    };
    const Case cases[] = {
        {QStringLiteral("Plain"), [](RadioChannel&) {}},
        {QStringLiteral("Tab\there"), [](RadioChannel& c) { c.contactIndex = 4; }},
        {QStringLiteral("Comma, \"quoted\""), [](RadioChannel& c) { c.groupListIndex = 2; }},
        {QStringLiteral("Semi;colon"), [](RadioChannel& c) { c.contactIndex = 9; }}, // "#10"
        {QStringLiteral("Line\nbreak"), [](RadioChannel& c) { c.powerRaw = 0; }},
        {QStringLiteral("Umlaut \u00e4\u00f6"),
         [](RadioChannel& c) {
             c.mode = ChannelMode::fm;
             c.rxTone.reset();
             c.squelchMode = SquelchMode::global;
             c.aprsIndex.reset();
         }},
    };
    for (const QChar separator : {QChar(u'\t'), QChar(u',')}) {
        for (const Case& c : cases) {
            RadioChannel channel = sample(c.name);
            c.change(channel);
            const QString text = channelRowsText({channel}, separator, names);
            EXPECT_TRUE(text.startsWith(channelRowColumns().join(separator) + u'\n'));
            EXPECT_TRUE(hasChannelRowsHeader(text));
            const ChannelRowsRead read = parseChannelRows(text, names);
            ASSERT_EQ(read.channels.size(), 1) << text.toStdString();
            EXPECT_TRUE(read.skipped.isEmpty()) << text.toStdString();
            EXPECT_EQ(read.channels.first(), channelEditFrom(channel)) << text.toStdString();
            EXPECT_EQ(read.zones, (QList<QList<int>>{{0, 1}}));
        }
    }
    // The zones are named in the file.
    EXPECT_TRUE(
        channelRowsText({sample("Z")}, u',', names).contains(QStringLiteral("\"Home, Rally\"")));
    EXPECT_FALSE(hasChannelRowsHeader(QStringLiteral("Name,RX,TX,Mode\nA,145.5")));
    // Names that are not there leave the reference empty and are named per row.
    const ChannelRowsRead unknown = parseChannelRows(
        QStringLiteral(
            "Name,RX,TX contact,Group list\nA,145.5,Nobody,\nB,145.5,,TG 9\nC,145.5,local,\n"),
        names);
    EXPECT_TRUE(unknown.skipped.isEmpty());
    EXPECT_EQ(unknown.unresolved, (QList<SkippedCsvRow>{{2, QStringLiteral("contact 'Nobody'")},
                                                        {3, QStringLiteral("group list 'TG 9'")}}));
    ASSERT_EQ(unknown.channels.size(), 3);
    EXPECT_EQ(unknown.lines, (QList<int>{2, 3, 4}));
    EXPECT_FALSE(unknown.channels[0].contactSlot);
    EXPECT_FALSE(unknown.channels[1].groupListIndex);
    EXPECT_EQ(unknown.channels[2].contactSlot, 0) << "found ignoring case";
    // Zones by name: a name with a comma whole, else the parts.
    const ChannelRowsRead zoned = parseChannelRows(
        QStringLiteral("Name,RX,Zones\nA,145.5,\"Ski, Alps\"\nB,145.5,\"rally, Home\"\n"
                       "C,145.5,Moon\nD,145.5,\n"),
        names);
    EXPECT_EQ(zoned.zones, (QList<QList<int>>{{2}, {1, 0}, {}, {}}));
    EXPECT_EQ(zoned.unresolved, (QList<SkippedCsvRow>{{4, QStringLiteral("zone 'Moon'")}}));
}

TEST(ChannelCsvRowsTest, RowsFollowTheImportRulesAndRefuseWhatCannotBeRead) {
    struct Case {
        const char* text;
        int channels;
        QList<SkippedCsvRow> skipped;
    };
    const Case cases[] = {
        // The import's own layout, header and comments included.
        {"Name,RX,TX\n# note\nRelais,145.600,145.000\n", 1, {}},
        {"Repeater;145.600;145.000;FM\nRelay 1,439.2125,431.6125,dmr,12.5,1,2\n", 2, {}},
        // Spreadsheet text: tabs, columns in another order, unknown columns ignored.
        {"RX (MHz)\tName\tComment\n145.5\tS20\tcalling\n", 1, {}},
        {"Name\tComment\tRX (MHz)\nS20\tcalling\t145,5\n", 1, {}},
        // Without a header the import's order holds.
        {"145.5\tS20\n", 0, {{1, QStringLiteral("RX (MHz): not a number in MHz")}}},
        // Per-row refusals, with the line.
        {"Name,RX,TX,Mode,Bandwidth,Colour "
         "code\n,145.5\nA,abc\nB,145.5,xyz\nC,145.5,,FM,,16\nD,145.5\n",
         1,
         {{2, QStringLiteral("Name: enter a name")},
          {3, QStringLiteral("RX (MHz): not a number in MHz")},
          {4, QStringLiteral("TX (MHz): not a number in MHz")},
          {5, QStringLiteral("Farbcode: '16' is not 0\u201315")}}},
        {"Name\tRX\tRX tone\tTX tone\tPower\tRX only\n"
         "A\t145.5\t69.4\t\t\t\nB\t145.5\t\tD999N\t\t\nC\t145.5\t\t\tTurbo\t\n"
         "D\t145.5\t\t\t\tperhaps\nE\t145.5\t88.5 Hz\tD023I\thigh\tyes\n",
         1,
         {{2,
           QStringLiteral("RX tone: '69.4' is no tone of the radio's tables (88.5, D023N or Off)")},
          {3, QStringLiteral(
                  "TX tone: 'D999N' is no tone of the radio's tables (88.5, D023N or Off)")},
          {4, QStringLiteral("Power: 'Turbo' is not one of Global, Min, Low, Mid, High, Max")},
          {5, QStringLiteral("Receive only (RX-only): 'perhaps' is neither yes nor no")}}},
        // A quoted name spanning lines counts its rows from its first line.
        {"Name,RX\n\"two\nlines\",145.5\n,1\n", 1, {{4, QStringLiteral("Name: enter a name")}}},
        {"", 0, {}},
        {"hello", 0, {{1, QStringLiteral("RX (MHz): enter a frequency in MHz")}}},
    };
    for (const Case& c : cases) {
        const ChannelRowsRead read = parseChannelRows(QString::fromUtf8(c.text));
        EXPECT_EQ(read.channels.size(), c.channels) << c.text;
        EXPECT_EQ(read.skipped, c.skipped) << c.text;
    }
    const ChannelRowsRead dmr =
        parseChannelRows(QStringLiteral("Relay 1,439.2125,431.6125,dmr,12.5,1,2"));
    ASSERT_EQ(dmr.channels.size(), 1);
    EXPECT_TRUE(dmr.channels[0].isDMR);
    EXPECT_FALSE(dmr.channels[0].bandwidthWide);
    EXPECT_EQ(dmr.channels[0].colorCode, 1);
    EXPECT_TRUE(dmr.channels[0].timeSlotTS2);
    EXPECT_EQ(dmr.channels[0].txHz, 431'612'500u);
    const ChannelRowsRead tones = parseChannelRows(QString::fromUtf8(cases[6].text));
    ASSERT_EQ(tones.channels.size(), 1);
    EXPECT_EQ(tones.channels[0].rxTone, Tone::ctcss(885));
    EXPECT_EQ(tones.channels[0].txTone, Tone::dcs(23, true));
    EXPECT_EQ(powerLevel(tones.channels[0].powerRaw), ChannelPowerLevel::high);
    EXPECT_TRUE(tones.channels[0].rxOnly);
}

TEST(ChannelCsvRowsTest, EveryPrefixOfAFileReadsWithoutHarm) {
    const QString text = channelRowsText({sample(QStringLiteral("Quoted \"name\", here"))}, u',') +
                         QStringLiteral("\"open quote,145.5\nB,abc\n");
    for (qsizetype n = 0; n <= text.size(); ++n) {
        const ChannelRowsRead read = parseChannelRows(text.left(n));
        EXPECT_LE(read.channels.size() + read.skipped.size(), 3) << n;
    }
}
