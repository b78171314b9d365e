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
    for (const RadioChannel& channel : c.document().channels())
        if (channel.name == name)
            return channel;
    ADD_FAILURE() << "no channel named " << name.toStdString();
    return c.document().channels().first();
}

// Applies one of every editing operation to the codeplug in memory.
void editEverything(RadioController& c) {
    // Channels: create, update, copy/paste, duplicate, delete, reorder, import.
    const auto created = c.document().createChannel().createdKey();
    ASSERT_TRUE(created);
    RadioChannel fresh = c.document().channels().last();
    ChannelEdit edit = channelEditFrom(fresh);
    edit.name = QStringLiteral("Round trip");
    edit.rxHz = 439'125'000;
    edit.txHz = 431'525'000;
    edit.isDMR = true;
    edit.colorCode = 3;
    edit.timeSlotTS2 = true;
    edit.contactSlot = c.document().contacts().first().slot;
    c.document().updateChannel(fresh.number, edit);

    c.document().copyChannel(c.document().channels().first().number);
    ASSERT_TRUE(c.document().pasteChannelClipboard().isDone());
    ASSERT_TRUE(c.document()
                    .duplicateChannel((channelNamed(c, QStringLiteral("Round trip"))).number)
                    .isDone());
    c.document().deleteChannels({c.document().channels()[1].number});
    c.document().deleteChannels(
        {c.document().channels()[2].number, c.document().channels()[3].number});
    QList<RadioChannel> reversed = c.document().channels();
    std::reverse(reversed.begin(), reversed.end());
    c.document().reorderChannels(recordKeys(reversed));
    c.document().importChannels(freenetPreset());

    // Contacts, talkgroups, zones.
    const DMRContact firstContact = c.document().contacts().first();
    c.document().updateContact(firstContact.slot, {QStringLiteral("TG Welt"), 91,
                                                   ContactType::group, TimeSlotOverride::ts1});
    const auto newContact = c.document().newContact();
    ASSERT_TRUE(newContact);
    c.document().updateContact(
        newContact->slot,
        {QStringLiteral("Echo"), 262997, ContactType::privateCall, TimeSlotOverride::none});
    c.document().deleteContact(c.document().contacts()[1].slot);
    QList<DMRContact> contacts = c.document().contacts();
    std::rotate(contacts.begin(), contacts.begin() + 1, contacts.end());
    c.document().reorderContacts(recordKeys(contacts));

    const auto newTalkgroup = c.document().newTalkgroup();
    ASSERT_TRUE(newTalkgroup);
    c.document().updateTalkgroup(newTalkgroup->index,
                                 TalkgroupEdit{QStringLiteral("Round"), {0, 1, 2}});
    c.document().updateTalkgroup(c.document().talkgroups().first().index,
                                 TalkgroupEdit{QStringLiteral("Lokal"), {2}});
    QList<Talkgroup> talkgroups = c.document().talkgroups();
    std::reverse(talkgroups.begin(), talkgroups.end());
    c.document().reorderTalkgroups(recordKeys(talkgroups));
    c.document().deleteTalkgroup(c.document().talkgroups().last().index);

    const auto newZone = c.document().newZone();
    ASSERT_TRUE(newZone);
    c.document().updateZone(newZone->index, ZoneEdit{QStringLiteral("Alles"), {0, 1, 2, 3}});
    c.document().deleteZone(c.document().zones().first().index);
    QList<Zone> zones = c.document().zones();
    std::reverse(zones.begin(), zones.end());
    c.document().reorderZones(recordKeys(zones));

    // Settings and theme colours.
    DeviceSettings settings = *c.document().settings();
    settings.call = QStringLiteral("DL0RT");
    settings.dmrID = 2629999;
    settings.vhfMin = 136;
    c.document().writeSettings(settings);
    c.document().setThemeColor(ThemeKind::day, 3, 1.0, 0.0, 0.0);
    c.document().setThemeColor(ThemeKind::night, 31, 0.0, 0.0, 1.0);

    // Satellites: add from a candidate, edit, refresh the keps, delete.
    SatelliteCandidate candidate;
    candidate.name = QStringLiteral("RT-1");
    candidate.tle1 = issTle1();
    candidate.tle2 = issTle2();
    candidate.rxFreq1 = 436'795'000;
    candidate.txFreq1 = 145'990'000;
    candidate.txTone = Tone::ctcss(670);
    c.document().addSatellites({candidate});
    Satellite edited = c.document().satellites().last();
    edited.rxFreq2 = 437'800'000;
    edited.txFreq2 = 145'825'000;
    c.document().updateSatellite(edited, c.tleCache());
    const Satellite first = c.document().satellites().first();
    c.document().refreshKeps({TLERecord{first.name, elementLine1(QStringLiteral("27607")),
                                        elementLine2(QStringLiteral("27607"))}});
    c.document().deleteSatellite(c.document().satellites().first().index);
}

} // namespace

TEST_P(RoundTrip, EveryKindOfEditSurvivesAWriteAndAReadBack) {
    StandInRadio radio(GetParam());
    ControllerOnStandIn c(0.05);
    ASSERT_TRUE(c.connectTo(radio));
    c->readCodeplug();
    c.finish();
    ASSERT_TRUE(c->document().image().has_value());
    ASSERT_FALSE(c->document().channels().isEmpty());
    ASSERT_FALSE(c->document().satellites().isEmpty());
    const CodeplugImage asRead = *c->document().image();
    c.results.clear();

    editEverything(*c);
    c.drain();
    for (const EditResult& result : c.results.edits)
        EXPECT_FALSE(result.isRefused()) << result.errorText().toStdString();
    EXPECT_TRUE(c.results.reports.isEmpty()) << c.results.reports.join(u'\n').toStdString();
    const CodeplugImage edited = *c->document().image();
    ASSERT_FALSE(edited == asRead);
    const RegionSet dirty = c->document().dirtyRegions();
    EXPECT_EQ(dirty, (RegionSet{0, 1, 2, 3})) << "every region holds an edited record";
    const QList<RadioChannel> channelsBefore = c->document().channels();
    const QList<Satellite> satellitesBefore = c->document().satellites();
    const std::optional<DeviceSettings> settingsBefore = c->document().settings();

    c->writeChanges();
    c.finish();
    EXPECT_TRUE(c->document().dirtyRegions().empty());
    EXPECT_TRUE(radio.memoryAs(edited) == edited) << "the radio holds the edited image";

    // The rebooted radio is found again; reading it gives the edited image.
    ASSERT_TRUE(c.waitFor([&] { return c->status().isConnected(); }));
    c->readCodeplug();
    c.finish();
    ASSERT_TRUE(c->document().image().has_value());
    EXPECT_TRUE(*c->document().image() == edited);
    ASSERT_EQ(c->document().channels().size(), channelsBefore.size());
    for (qsizetype i = 0; i < channelsBefore.size(); ++i) {
        RadioChannel read = c->document().channels()[i];
        EXPECT_EQ(read, channelsBefore[i]) << "channel " << i + 1;
    }
    ASSERT_EQ(c->document().satellites().size(), satellitesBefore.size());
    for (qsizetype i = 0; i < satellitesBefore.size(); ++i) {
        EXPECT_EQ(c->document().satellites()[i].name, satellitesBefore[i].name);
        EXPECT_EQ(c->document().satellites()[i].tle1, satellitesBefore[i].tle1);
        EXPECT_EQ(c->document().satellites()[i].rxFreq2, satellitesBefore[i].rxFreq2);
    }
    EXPECT_EQ(c->document().settings(), settingsBefore);
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, RoundTrip,
                         ::testing::Values(RadioType::gd77, RadioType::mduv380),
                         [](const ::testing::TestParamInfo<RadioType>& info) {
                             return info.param == RadioType::gd77 ? "gd77" : "uv380";
                         });
