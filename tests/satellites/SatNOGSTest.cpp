#include "satellites/SatNOGS.h"

#include <gtest/gtest.h>

using namespace nerka;

namespace {

// One transmitter object; `extra` is spliced in before the closing brace.
QByteArray transmitter(int norad, const char* description, const char* mode = "FM",
                       qint64 uplink = 145850000, qint64 downlink = 436795000,
                       const char* extra = "") {
    return QStringLiteral(R"({"description": "%1", "norad_cat_id": %2, "uplink_low": %3,)"
                          R"( "downlink_low": %4, "mode": "%5", "alive": true%6})")
        .arg(QString::fromUtf8(description))
        .arg(norad)
        .arg(uplink)
        .arg(downlink)
        .arg(QString::fromUtf8(mode), QString::fromUtf8(extra))
        .toUtf8();
}

QByteArray list(const QList<QByteArray>& objects) {
    return "[" + objects.join(",\n") + "]";
}

} // namespace

TEST(SatNOGS, VoiceRepeaterWithItsCtcssToneIsChosen) {
    const auto map = parseSatNOGS(list({
        transmitter(27607, "Telemetry", "FM", 145850000, 436795000),
        transmitter(27607, "FM voice repeater, CTCSS 67.0 Hz", "FM", 145850000, 436795000),
    }));
    SatNOGSFrequencyMap expected;
    expected.insert(27607, {436795000, 145850000, 670});
    EXPECT_EQ(map, expected);
}

TEST(SatNOGS, VoiceBeforeRepeaterBeforeTheFirst) {
    const auto map = parseSatNOGS(list({
        transmitter(1, "Repeater", "FM", 1, 10),
        transmitter(1, "Voice", "FM", 2, 20),
        transmitter(2, "Telemetry", "FM", 3, 30),
        transmitter(2, "REPEATER uplink", "FM", 4, 40),
        transmitter(2, "Repeater two", "FM", 5, 50),
        transmitter(3, "Beacon", "FM", 6, 60),
        transmitter(3, "Telemetry", "FM", 7, 70),
    }));
    ASSERT_EQ(map.size(), 3);
    EXPECT_EQ(map[1].tx, 2u);
    EXPECT_EQ(map[2].tx, 4u);
    EXPECT_EQ(map[3].tx, 6u);
    EXPECT_EQ(map[3].rx, 60u);
}

TEST(SatNOGS, CtcssInTheDescription) {
    using SatNOGS::ctcssInDescription;
    EXPECT_EQ(ctcssInDescription("CTCSS:67"), std::nullopt) << "a colon is not white space";
    EXPECT_EQ(ctcssInDescription("CTCSS 88.5"), 885);
    EXPECT_EQ(ctcssInDescription("uplink ctcss141.3 Hz"), 1413);
    EXPECT_EQ(ctcssInDescription("CTCSS 7"), std::nullopt);
    EXPECT_EQ(ctcssInDescription("CTCSS\t\t100 Hz"), 1000);
    EXPECT_EQ(ctcssInDescription("CTCSS 67.05"), 670) << "one decimal is read";
    EXPECT_EQ(ctcssInDescription("CTCSS 1234"), 1230) << "at most three digits";
    EXPECT_EQ(ctcssInDescription("tone 67.0, CTCSS 71.9 or CTCSS 74.4"), 719) << "first match";
    EXPECT_EQ(ctcssInDescription(QString::fromUtf8("CTCSS\u00A0110.9")), 1109);
    EXPECT_EQ(ctcssInDescription("no tone"), std::nullopt);
}

TEST(SatNOGS, OnlyAliveFmTransmittersWithBothFrequencies) {
    const auto map = parseSatNOGS(list({
        transmitter(1, "fm in lower case", "fm"),
        transmitter(2, "any FM mode", "FMN"),
        transmitter(3, "sideband", "USB"),
        transmitter(4, "dead", "FM", 1, 1, R"(, "alive": false)"),
        transmitter(5, "receive only", "FM", 0, 145800000),
        transmitter(6, "top of the range", "FM", 4000000000, 4000000000),
        transmitter(7, "above the range", "FM", 4000000001, 1),
        transmitter(8, "negative", "FM", -1, 1),
        R"({"norad_cat_id": 9, "uplink_low": 1, "downlink_low": 1, "mode": "FM"})",
        R"({"norad_cat_id": 10, "uplink_low": 1, "downlink_low": 1, "alive": true})",
        R"({"norad_cat_id": 11, "downlink_low": 1, "mode": "FM", "alive": true})",
        R"({"uplink_low": 1, "downlink_low": 1, "mode": "FM", "alive": true})",
        R"({"norad_cat_id": 13, "uplink_low": 437800000, "downlink_low": 145800000,)"
        R"( "mode": "FM", "alive": true, "description": null, "type": "Transceiver"})",
    }));
    EXPECT_EQ(map.keys(), (QList<qint64>{1, 2, 6, 13}));
    EXPECT_EQ(map[6].rx, 4000000000u);
    EXPECT_EQ(map[13].rx, 145800000u);
    EXPECT_EQ(map[13].tx, 437800000u);
    EXPECT_EQ(map[13].ctcss, std::nullopt);
}

TEST(SatNOGS, AValueOfTheWrongTypeSpoilsTheWholeResponse) {
    const QByteArray good = transmitter(1, "Voice");
    ASSERT_EQ(parseSatNOGS(list({good})).size(), 1);
    const QList<QByteArray> spoilers{
        R"({"alive": "true"})",
        R"({"norad_cat_id": "25544"})",
        R"({"uplink_low": 145.5})",
        R"({"downlink_low": [1]})",
        R"({"mode": 3})",
        R"({"description": false})",
        R"(42)",
        R"(null)",
    };
    for (const QByteArray& spoiler : spoilers)
        EXPECT_TRUE(parseSatNOGS(list({good, spoiler})).isEmpty()) << spoiler.constData();

    EXPECT_EQ(parseSatNOGS(list({good, R"({"uplink_low": 1.0e3, "other": "x"})"})).size(), 1)
        << "a whole number written with an exponent is an integer; other keys are ignored";
}

TEST(SatNOGS, BodiesThatAreNotATransmitterList) {
    EXPECT_TRUE(parseSatNOGS("").isEmpty());
    EXPECT_TRUE(parseSatNOGS("<html>502 Bad Gateway</html>").isEmpty());
    EXPECT_TRUE(parseSatNOGS(R"({"detail": "Throttled"})").isEmpty());
    EXPECT_TRUE(parseSatNOGS("[]").isEmpty());

    const QByteArray body = list({transmitter(1, "Voice CTCSS 67.0"), transmitter(2, "Voice")});
    ASSERT_EQ(parseSatNOGS(body).size(), 2);
    for (int n = 0; n < body.size(); ++n)
        EXPECT_TRUE(parseSatNOGS(body.left(n)).isEmpty()) << n;
}
