// Places, distances and the two repeater-list sources against worked values
// and recorded answers, with missing fields, unsigned offsets and duplicates.

#include "directory/RepeaterDirectory.h"

#include <gtest/gtest.h>

using namespace nerka;

namespace {

// A page of the registry's answer, as it comes: numbers as text, an unsigned
// offset, an entry without frequency and one with a bad colour code.
const char* const kRegistryPage = R"({
  "count": 5, "page": 1, "pages": 2,
  "results": [
    {"callsign": "DB0MUE", "city": "Munich", "state": "Bayern", "country": "Germany",
     "frequency": "439.41250", "offset": "-7.600", "color_code": "1", "locator": 262301,
     "status": "ONLINE", "ipsc_network": "BM", "trustee": "DL1ABC",
     "talkgroups": [{"talkgroup": "262", "timeslot": "1", "description": "Deutschland"},
                    {"talkgroup": 2621, "timeslot": 2, "description": "Bayern"}]},
    {"callsign": "DM0ULM", "city": "Ulm", "state": "Baden-Wuerttemberg", "country": "Germany",
     "frequency": 439.5375, "offset": "7.6", "color_code": 2, "talkgroups": []},
    {"callsign": "W1XYZ", "city": "Boston", "state": "Massachusetts", "country": "United States",
     "frequency": "444.100", "offset": "5.000", "color_code": "3"},
    {"callsign": "DB0BAD", "city": "Munich", "frequency": "", "offset": "-7.6", "color_code": 1},
    {"callsign": "DB0CC", "city": "Munich", "frequency": "438.2", "offset": "-7.6",
     "color_code": "16"}
  ]})";

} // namespace

TEST(RepeaterDirectoryTest, LocatorsAndDistancesMatchWorkedValues) {
    const auto munich = locatorCentre(QStringLiteral("jn58td"));
    ASSERT_TRUE(munich);
    EXPECT_NEAR(munich->latDeg, 48.1458, 1e-3);
    EXPECT_NEAR(munich->lonDeg, 11.625, 1e-3);
    const auto square = locatorCentre(QStringLiteral("JN58"));
    ASSERT_TRUE(square);
    EXPECT_NEAR(square->latDeg, 48.5, 1e-9);
    EXPECT_NEAR(square->lonDeg, 11.0, 1e-9);
    EXPECT_TRUE(locatorCentre(QStringLiteral("JN58td25")));
    for (const char* bad : {"JN5", "ZZ58", "JN58zz", "JN58td2x"})
        EXPECT_FALSE(locatorCentre(QString::fromLatin1(bad))) << bad;

    const GeoPoint london{51.5074, -0.1278};
    const GeoPoint paris{48.8566, 2.3522};
    EXPECT_NEAR(distanceKm(london, paris), 343.6, 0.5);
    EXPECT_NEAR(bearingDeg(london, paris), 148.1, 0.5);
    EXPECT_NEAR(distanceKm(london, london), 0.0, 1e-9);
    const auto typed = parsePlace(QStringLiteral("48.8566, 2.3522"));
    ASSERT_TRUE(typed);
    EXPECT_NEAR(typed->lonDeg, 2.3522, 1e-9);
    EXPECT_FALSE(parsePlace(QStringLiteral("91,0")));
    EXPECT_FALSE(parsePlace(QStringLiteral("Munich")));
}

TEST(RepeaterDirectoryTest, RegistryAnswersBecomeDmrChannelsAndNameWhatTheyLeaveOut) {
    const DirectoryRead read = parseRegistryRepeaters(kRegistryPage);
    ASSERT_TRUE(read.failure.isEmpty());
    EXPECT_FALSE(read.hasPlaces);
    EXPECT_EQ(read.page, 1);
    EXPECT_EQ(read.pages, 2);
    EXPECT_EQ(read.count, 5);
    ASSERT_EQ(read.repeaters.size(), 3);
    const DirectoryRepeater& mue = read.repeaters[0];
    EXPECT_EQ(mue.channel.name, QStringLiteral("DB0MUE"));
    EXPECT_EQ(mue.channel.rxHz, 439'412'500u);
    EXPECT_EQ(mue.channel.txHz, 431'812'500u);
    EXPECT_TRUE(mue.channel.isDMR);
    EXPECT_EQ(mue.channel.colorCode, 1);
    EXPECT_FALSE(mue.offsetSignGuessed);
    ASSERT_EQ(mue.talkgroups.size(), 2);
    EXPECT_EQ(mue.talkgroups[1].id, 2621u);
    EXPECT_EQ(mue.talkgroups[1].timeSlot, 2);
    // Unsigned offsets go down, except on 70 cm from 442 MHz up.
    EXPECT_EQ(read.repeaters[1].channel.txHz, 431'937'500u);
    EXPECT_TRUE(read.repeaters[1].offsetSignGuessed);
    EXPECT_EQ(read.repeaters[2].channel.txHz, 449'100'000u);
    EXPECT_EQ(read.skipped, (QList<SkippedCsvRow>{{4, QStringLiteral("DB0BAD: no frequency")},
                                                  {5, QStringLiteral("DB0CC: colour code not "
                                                                     "0–15")}}));

    const DirectoryRead whole = readRepeaterDirectory(
        R"({"rptrs": [{"callsign": "DB0X", "frequency": "145.6", "offset": "-0.6",
                      "color_code": "1"}]})");
    ASSERT_EQ(whole.repeaters.size(), 1);
    EXPECT_EQ(whole.repeaters[0].channel.txHz, 145'000'000u);
    EXPECT_FALSE(readRepeaterDirectory("{\"other\": []}").failure.isEmpty());
    EXPECT_FALSE(readRepeaterDirectory("not json, not csv").failure.isEmpty());
}

TEST(RepeaterDirectoryTest, ListsWithCoordinatesAreChosenByDistanceAndFilters) {
    const QByteArray csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "Mode,Latitude,Longitude,City\n"
        "1,DB0ZU,145.750000,-,0.600000,Tone,71.9,88.5,023,NN,FM,48.14,11.58,Munich\n"
        "2,DB0FAR,439.200000,-,7.600000,,88.5,88.5,023,NN,FM,52.52,13.40,Berlin\n"
        "3,DB0NEAR,439.100000,-,7.600000,,88.5,88.5,023,NN,DMR,48.20,11.60,Munich\n"
        "4,DB0NOWHERE,145.600000,-,0.600000,,88.5,88.5,023,NN,FM,,,Munich\n";
    const DirectoryRead read = readRepeaterDirectory(csv);
    ASSERT_TRUE(read.failure.isEmpty()) << read.failure.toStdString();
    ASSERT_TRUE(read.hasPlaces);
    ASSERT_EQ(read.repeaters.size(), 4);
    EXPECT_EQ(read.repeaters[0].city, QStringLiteral("Munich"));

    RepeaterFilter near;
    near.near = locatorCentre(QStringLiteral("JN58td"));
    near.radiusKm = 50;
    auto found = findRepeaters(read, near);
    ASSERT_TRUE(std::holds_alternative<QList<FoundRepeater>>(found));
    QStringList names;
    for (const FoundRepeater& f : std::get<QList<FoundRepeater>>(found))
        names.append(f.repeater.callsign);
    // Nearest first; Berlin is too far; a row without coordinates has no distance.
    EXPECT_EQ(names, (QStringList{QStringLiteral("DB0ZU"), QStringLiteral("DB0NEAR")}));

    RepeaterFilter byCity;
    byCity.city = QStringLiteral("munich");
    byCity.bands = {QStringLiteral("2m")};
    byCity.modes = {QStringLiteral("fm")};
    found = findRepeaters(read, byCity);
    names.clear();
    for (const FoundRepeater& f : std::get<QList<FoundRepeater>>(found))
        names.append(f.repeater.callsign);
    EXPECT_EQ(names, (QStringList{QStringLiteral("DB0NOWHERE"), QStringLiteral("DB0ZU")}));

    // Distance from a list without coordinates, and unknown words, are refused.
    EXPECT_TRUE(std::holds_alternative<QString>(
        findRepeaters(parseRegistryRepeaters(kRegistryPage), near)));
    RepeaterFilter badBand;
    badBand.bands = {QStringLiteral("6m")};
    EXPECT_TRUE(std::holds_alternative<QString>(findRepeaters(read, badBand)));
}

TEST(RepeaterDirectoryTest, ChannelsAreCheckedAgainstTheList) {
    const DirectoryRead read = parseRegistryRepeaters(kRegistryPage);
    RadioChannel same;
    same.name = QStringLiteral("DB0MUE");
    same.rxHz = 439'412'500;
    same.txHz = 431'812'500;
    same.mode = ChannelMode::dmr;
    same.colorCode = 1;
    RadioChannel moved = same;
    moved.name = QStringLiteral("DM0ULM");
    moved.colorCode = 1;
    RadioChannel gone = same;
    gone.name = QStringLiteral("DB0OLD");
    EXPECT_EQ(directoryChanges({same, moved, gone}, read),
              (QStringList{QStringLiteral("DM0ULM: RX 439.41250 → 439.53750 MHz, TX 431.81250 → "
                                          "431.93750 MHz, colour code 1 → 2"),
                           QStringLiteral("DB0OLD: not in the list")}));
}
