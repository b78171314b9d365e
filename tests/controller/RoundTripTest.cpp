// The whole road of a codeplug: read from the radio, changed through every
// kind of editing operation, written back, and read again. What comes back
// must be exactly the edited image, for both radio families.

#include "codeplug/ChannelPresets.h"
#include "satellites/TLE.h"

#include "StandInRadio.h"
#include "tests/satellites/KepsSamples.h"

#include <gtest/gtest.h>

using namespace nerka;
using namespace nerka::test;

namespace {

class RoundTrip : public ::testing::TestWithParam<RadioType> {};

const RadioChannel& channelNamed(const RadioController& c, const QString& name) {
    for (const RadioChannel& channel : c.channels())
        if (channel.name == name)
            return channel;
    ADD_FAILURE() << "no channel named " << name.toStdString();
    return c.channels().first();
}

// Applies one of every editing operation to the codeplug in memory.
void editEverything(RadioController& c) {
    // Channels: create, update, copy/paste, duplicate, delete, reorder, import.
    const auto created = c.createChannel().createdKey();
    ASSERT_TRUE(created);
    RadioChannel fresh = c.channels().last();
    ChannelEdit edit = channelEditFrom(fresh);
    edit.name = QStringLiteral("Round trip");
    edit.rxHz = 439'125'000;
    edit.txHz = 431'525'000;
    edit.isDMR = true;
    edit.colorCode = 3;
    edit.timeSlotTS2 = true;
    edit.contactSlot = c.contacts().first().slot;
    c.updateChannel(fresh, edit);

    c.copyChannel(c.channels().first());
    ASSERT_TRUE(c.pasteChannelClipboard().isDone());
    ASSERT_TRUE(c.duplicateChannel(channelNamed(c, QStringLiteral("Round trip"))).isDone());
    c.deleteChannel(c.channels()[1]);
    c.deleteChannels({c.channels()[2], c.channels()[3]});
    QList<RadioChannel> reversed = c.channels();
    std::reverse(reversed.begin(), reversed.end());
    c.reorderChannels(reversed);
    c.importChannels(freenetPreset());

    // Contacts, talkgroups, zones.
    const DMRContact firstContact = c.contacts().first();
    c.updateContact(firstContact,
                    {QStringLiteral("TG Welt"), 91, ContactType::group, TimeSlotOverride::ts1});
    const auto newContact = c.newContact();
    ASSERT_TRUE(newContact);
    c.updateContact(*newContact, {QStringLiteral("Echo"), 262997, ContactType::privateCall,
                                  TimeSlotOverride::none});
    c.deleteContact(c.contacts()[1]);
    QList<DMRContact> contacts = c.contacts();
    std::rotate(contacts.begin(), contacts.begin() + 1, contacts.end());
    c.reorderContacts(contacts);

    const auto newTalkgroup = c.newTalkgroup();
    ASSERT_TRUE(newTalkgroup);
    c.updateTalkgroup(*newTalkgroup, QStringLiteral("Round"), {0, 1, 2});
    c.updateTalkgroup(c.talkgroups().first(), QStringLiteral("Lokal"), {2});
    QList<Talkgroup> talkgroups = c.talkgroups();
    std::reverse(talkgroups.begin(), talkgroups.end());
    c.reorderTalkgroups(talkgroups);
    c.deleteTalkgroup(c.talkgroups().last());

    const auto newZone = c.newZone();
    ASSERT_TRUE(newZone);
    c.updateZone(*newZone, QStringLiteral("Alles"), {0, 1, 2, 3});
    c.deleteZone(c.zones().first());
    QList<Zone> zones = c.zones();
    std::reverse(zones.begin(), zones.end());
    c.reorderZones(zones);

    // Settings and theme colours.
    DeviceSettings settings = *c.settings();
    settings.call = QStringLiteral("DL0RT");
    settings.dmrID = 2629999;
    settings.vhfMin = 136;
    c.writeSettings(settings);
    c.setThemeColor(ThemeKind::day, 3, 1.0, 0.0, 0.0);
    c.setThemeColor(ThemeKind::night, 31, 0.0, 0.0, 1.0);

    // Satellites: add from a candidate, edit, refresh the keps, delete.
    SatelliteCandidate candidate;
    candidate.name = QStringLiteral("RT-1");
    candidate.tle1 = issTle1();
    candidate.tle2 = issTle2();
    candidate.rxFreq1 = 436'795'000;
    candidate.txFreq1 = 145'990'000;
    candidate.txTone = Tone::ctcss(670);
    c.addSatellites({candidate});
    Satellite edited = c.satellites().last();
    edited.rxFreq2 = 437'800'000;
    edited.txFreq2 = 145'825'000;
    c.updateSatellite(edited);
    const Satellite first = c.satellites().first();
    c.refreshKeps({TLERecord{first.name, elementLine1(QStringLiteral("27607")),
                             elementLine2(QStringLiteral("27607"))}});
    c.deleteSatellite(c.satellites().first());
}

} // namespace

TEST_P(RoundTrip, EveryKindOfEditSurvivesAWriteAndAReadBack) {
    StandInRadio radio(GetParam());
    ControllerOnStandIn c(0.05);
    ASSERT_TRUE(c.connectTo(radio));
    c->readCodeplug();
    c.finish();
    ASSERT_TRUE(c->image().has_value());
    ASSERT_FALSE(c->channels().isEmpty());
    ASSERT_FALSE(c->satellites().isEmpty());
    const CodeplugImage asRead = *c->image();
    const qsizetype errorsBefore = c->log().filter(QStringLiteral("Error:")).size();

    editEverything(*c);
    c.drain();
    EXPECT_EQ(c->log().filter(QStringLiteral("Error:")).size(), errorsBefore)
        << c->log().join(QLatin1Char('\n')).toStdString();
    const CodeplugImage edited = *c->image();
    ASSERT_FALSE(edited == asRead);
    const RegionSet dirty = c->dirtyRegions();
    EXPECT_EQ(dirty, (RegionSet{0, 1, 2, 3})) << "every region holds an edited record";
    const QList<RadioChannel> channelsBefore = c->channels();
    const QList<Satellite> satellitesBefore = c->satellites();
    const std::optional<DeviceSettings> settingsBefore = c->settings();

    c->writeChanges();
    c.finish();
    EXPECT_TRUE(c->dirtyRegions().empty());
    EXPECT_TRUE(radio.memoryAs(edited) == edited) << "the radio holds the edited image";

    // The rebooted radio is found again; reading it gives the edited image.
    ASSERT_TRUE(c.waitFor([&] { return c->status().isConnected(); }));
    c->readCodeplug();
    c.finish();
    ASSERT_TRUE(c->image().has_value());
    EXPECT_TRUE(*c->image() == edited);
    ASSERT_EQ(c->channels().size(), channelsBefore.size());
    for (qsizetype i = 0; i < channelsBefore.size(); ++i) {
        RadioChannel read = c->channels()[i];
        EXPECT_EQ(read, channelsBefore[i]) << "channel " << i + 1;
    }
    ASSERT_EQ(c->satellites().size(), satellitesBefore.size());
    for (qsizetype i = 0; i < satellitesBefore.size(); ++i) {
        EXPECT_EQ(c->satellites()[i].name, satellitesBefore[i].name);
        EXPECT_EQ(c->satellites()[i].tle1, satellitesBefore[i].tle1);
        EXPECT_EQ(c->satellites()[i].rxFreq2, satellitesBefore[i].rxFreq2);
    }
    EXPECT_EQ(c->settings(), settingsBefore);
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, RoundTrip,
                         ::testing::Values(RadioType::gd77, RadioType::mduv380),
                         [](const ::testing::TestParamInfo<RadioType>& info) {
                             return info.param == RadioType::gd77 ? "gd77" : "uv380";
                         });
