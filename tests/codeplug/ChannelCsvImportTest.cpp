#include "codeplug/ChannelCsvImport.h"

#include <gtest/gtest.h>

using namespace nerka;

TEST(ParseMegahertz, AcceptsDecimalMegahertzWithCommaOrPoint) {
    EXPECT_EQ(parseMegahertz(QStringLiteral("145.600")), 145'600'000u);
    EXPECT_EQ(parseMegahertz(QStringLiteral("439,2125")), 439'212'500u);
    EXPECT_EQ(parseMegahertz(QStringLiteral(" \t446.00625\t ")), 446'006'250u);
    EXPECT_EQ(parseMegahertz(QStringLiteral("999.9999")), 999'999'900u);
    EXPECT_EQ(parseMegahertz(QStringLiteral("0.000001")), 1u);
    EXPECT_EQ(parseMegahertz(QStringLiteral("145")), 145'000'000u);
    EXPECT_EQ(parseMegahertz(QStringLiteral("1.45e2")), 145'000'000u);
}

TEST(ParseMegahertz, RejectsOutOfRangeAndAnythingButANumber) {
    for (const char* text :
         {"0", "1000", "-145.5", "", " ", "145.5 MHz", "145.5.1", "abc", "\n145.5", "145.5\r",
          "0x91", "inf", "nan", "1e3", "145,600,000", "999.99999999", "999.9999995", "0.0000004",
          "\xc2\xa0"
          "145.5"})
        EXPECT_EQ(parseMegahertz(QString::fromUtf8(text)), std::nullopt) << text;
}

TEST(ParseChannelCsv, WorkedExamples) {
    const QList<ChannelEdit> channels =
        parseChannelCsv(QStringLiteral("Name,RX,TX\n"
                                       "Repeater;145.600;145.000;FM\n"
                                       "Relay 1, 439.2125, 431.6125, dmr, 12.5, 1, 2\n"
                                       "Name,RX,TX\n"
                                       "Simplex,145.500\n"
                                       "Broken TX,433.500,abc\n"));
    ASSERT_EQ(channels.size(), 4);

    ChannelEdit repeater;
    repeater.name = QStringLiteral("Repeater");
    repeater.rxHz = 145'600'000;
    repeater.txHz = 145'000'000;
    EXPECT_EQ(channels[0], repeater);

    const ChannelEdit& relay = channels[1];
    EXPECT_EQ(relay.name, QStringLiteral("Relay 1"));
    EXPECT_EQ(relay.rxHz, 439'212'500u);
    EXPECT_EQ(relay.txHz, 431'612'500u);
    EXPECT_TRUE(relay.isDMR);
    EXPECT_FALSE(relay.bandwidthWide);
    EXPECT_EQ(relay.colorCode, 1);
    EXPECT_TRUE(relay.timeSlotTS2);

    EXPECT_EQ(channels[2].txHz, 145'500'000u) << "TX defaults to RX";
    EXPECT_EQ(channels[3].txHz, 433'500'000u) << "an unparsable TX falls back to RX";
}

TEST(ParseChannelCsv, HeaderOnlyOnTheFirstLine) {
    // A comment first: the header is line 1 and is skipped only because "RX"
    // is no frequency; its name field alone would not be enough.
    EXPECT_TRUE(parseChannelCsv(QStringLiteral("# my list\nName,RX,TX\n")).isEmpty());
    const auto named = parseChannelCsv(QStringLiteral("# x\nname,145.5\n"));
    ASSERT_EQ(named.size(), 1);
    EXPECT_EQ(named[0].name, QStringLiteral("name"));
    EXPECT_TRUE(parseChannelCsv(QStringLiteral("NAME,145.5\n")).isEmpty());
}

TEST(ParseChannelCsv, LineBreaksBlankLinesAndSkippedLines) {
    const QString text = QStringLiteral("\r\n  \t\r\nA,145.1\r\nB;145.2\x0B"
                                        "C,145.3\x0C"
                                        "D,145.4") +
                         QChar(0x2028) + QStringLiteral("E,145.5") + QChar(0x85) +
                         QStringLiteral("F,145.6") + QChar(0x2029) +
                         QStringLiteral("   # G,145.7\n,145.8\nH\nI,0\nJ,1000\nK,999.9999");
    QStringList names;
    for (const ChannelEdit& edit : parseChannelCsv(text))
        names.append(edit.name);
    EXPECT_EQ(names, (QStringList{"A", "B", "C", "D", "E", "F", "K"}));
}

TEST(ParseChannelCsv, OptionalFieldsAndTheirDefaults) {
    const auto channels =
        parseChannelCsv(QStringLiteral("Wide,145.5,,Analog,25 kHz,,\n"
                                       "Wide2,145.5,,,WIDE\n"
                                       "CC,145.5,,DMR,,+7,TS1\n"
                                       "BigCC,145.5,,dmr,,300,1\n"
                                       "NegCC,145.5,,dmr,,-1,1\n"
                                       "Over,999.99999999\n"
                                       "BadCC,145.5,,dmr,,7a,slot 2,extra,fields\n"
                                       "  Long name that is longer than sixteen  ,145.5\n"));
    // A colour code outside 0-15 or an RX that rounds to 1000 MHz skips the line.
    ASSERT_EQ(channels.size(), 5);
    EXPECT_TRUE(channels[0].bandwidthWide);
    EXPECT_FALSE(channels[0].isDMR);
    EXPECT_EQ(channels[0].txHz, 145'500'000u) << "an empty TX field gives TX = RX";
    EXPECT_TRUE(channels[1].bandwidthWide);
    EXPECT_EQ(channels[2].colorCode, 7);
    EXPECT_FALSE(channels[2].timeSlotTS2);
    EXPECT_EQ(channels[3].colorCode, 0);
    EXPECT_TRUE(channels[3].timeSlotTS2);
    EXPECT_EQ(channels[4].name, QStringLiteral("Long name that is longer than sixteen"));

    ChannelEdit defaults = channels[0];
    defaults.bandwidthWide = false;
    ChannelEdit expected;
    expected.name = QStringLiteral("Wide");
    expected.rxHz = expected.txHz = 145'500'000;
    EXPECT_EQ(defaults, expected);
}

TEST(ParseChannelCsv, EveryPrefixParsesWithoutFailing) {
    const QString text = QStringLiteral("Name,RX\nRelay 1, 439.2125, 431.6125, dmr, 12.5, 1, 2\n");
    for (qsizetype n = 0; n <= text.size(); ++n)
        EXPECT_LE(parseChannelCsv(text.left(n)).size(), 1);
    EXPECT_TRUE(parseChannelCsv(QString()).isEmpty());
}
