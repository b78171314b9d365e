// Repeaters from a directory into a codeplug: channels in a zone, talkgroup
// lists for DMR, one step, and what is left out named.

#include "controller/CodeplugDocument.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/MemberLists.h"
#include "sim/SampleCodeplug.h"

#include <gtest/gtest.h>

using namespace nerka;

namespace {

DirectoryRepeater dmrRepeater(const char* callsign, std::uint64_t rxHz,
                              QList<RepeaterTalkgroup> talkgroups) {
    DirectoryRepeater r;
    r.callsign = QString::fromLatin1(callsign);
    r.channel.name = r.callsign;
    r.channel.rxHz = rxHz;
    r.channel.txHz = rxHz - 7'600'000;
    r.channel.isDMR = true;
    r.channel.colorCode = 1;
    r.talkgroups = std::move(talkgroups);
    return r;
}

} // namespace

TEST(RepeaterEditsTest, RepeatersBecomeChannelsOfAZoneWithTheirTalkgroupsInOneStep) {
    CodeplugDocument document;
    const CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
    const QList<RadioChannel> channels = decodeChannels(image);
    MemberLists lists = decodeMemberLists(image, channels);
    document.load(image, {channels, lists.contacts, lists.talkgroups, lists.zones});
    const qsizetype contactsBefore = document.contacts().size();

    // DB0MUE TG262 is in the sample already; 444.1 MHz lies outside its bands.
    DirectoryRepeater known = dmrRepeater("DB0MUE", 439'412'500, {});
    DirectoryRepeater trip = dmrRepeater(
        "DB0TRIP", 438'512'500,
        {{262, 1, QStringLiteral("Deutschland")}, {9999, 2, QStringLiteral("Ausflug")}});
    trip.offsetSignGuessed = true;
    DirectoryRepeater far = dmrRepeater("W1XYZ", 444'100'000, {});
    DirectoryRepeater fm = dmrRepeater("DB0FM", 439'000'000, {});
    fm.channel.isDMR = false;

    const EditResult result = document.addRepeaters({known, trip, far, fm}, QStringLiteral("Trip"));
    ASSERT_TRUE(result.isDone()) << result.refusal()->text.toStdString();
    EXPECT_EQ(result.summary(),
              QStringLiteral("2 repeaters added as channels in zone 'Trip'; 1 already channels: "
                             "DB0MUE; 1 outside this radio's bands (VHF 144–148, UHF 430–440 "
                             "MHz): W1XYZ RX 444.1 MHz; 1 with the offset's sign from the band "
                             "plan: DB0TRIP."));
    EXPECT_EQ(document.undoLabel(), QStringLiteral("Add 2 repeaters"));

    const Zone zone = document.zones().last();
    EXPECT_EQ(zone.name, QStringLiteral("Trip"));
    EXPECT_EQ(zone.channelNames, (QStringList{QStringLiteral("DB0TRIP"), QStringLiteral("DB0FM")}));
    const RadioChannel added = *document.channel(zone.memberIndices.first() + 1);
    ASSERT_TRUE(added.groupListIndex);
    const Talkgroup list =
        *std::find_if(document.talkgroups().cbegin(), document.talkgroups().cend(),
                      [&](const Talkgroup& t) { return t.index == *added.groupListIndex; });
    EXPECT_EQ(list.name, QStringLiteral("DB0TRIP"));
    EXPECT_EQ(list.contactNames,
              (QStringList{QStringLiteral("Deutschland"), QStringLiteral("Ausflug")}));
    // TG 262 was reused; only TG 9999 was made.
    EXPECT_EQ(document.contacts().size(), contactsBefore + 1);

    // Adding them again adds nothing, and says why.
    const EditResult again = document.addRepeaters({trip}, QStringLiteral("Trip"));
    ASSERT_TRUE(again.isRefused());
    EXPECT_EQ(again.refusal()->text,
              QStringLiteral("No repeaters added: 1 already channels: DB0TRIP."));
    ASSERT_TRUE(document.undo().isDone());
    EXPECT_EQ(document.contacts().size(), contactsBefore);
    EXPECT_EQ(document.channels().size(), channels.size());
}
