#include "sim/SampleCodeplug.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ZoneCodec.h"
#include "sim/RadioSimulator.h"

#include <gtest/gtest.h>

using namespace nerka;

TEST(SampleCodeplug, BothFamiliesDecodeToTheSameTidyRadio) {
    for (RadioVariant variant : {RadioVariant::gd77, RadioVariant::uv380}) {
        const CodeplugImage image = sampleCodeplug(variant);
        EXPECT_EQ(image.variant, variant);
        EXPECT_EQ(image.regions, layoutForVariant(variant).regions);

        const auto settings = decodeDeviceSettings(image);
        ASSERT_TRUE(settings);
        EXPECT_EQ(settings->call, QStringLiteral("DL0NRK"));
        EXPECT_EQ(settings->dmrID, 2629999u);

        const auto channels = decodeChannels(image);
        ASSERT_EQ(channels.size(), 8);
        EXPECT_EQ(channels[2].name, QStringLiteral("DB0ABC"));
        EXPECT_EQ(channels[2].txHz, 431525000u);
        EXPECT_EQ(channels[5].timeSlot, 2);
        EXPECT_EQ(channels[4].contactIndex, 0);

        const auto contacts = decodeContacts(image);
        ASSERT_EQ(contacts.size(), 5);
        EXPECT_EQ(contacts[0].name, QStringLiteral("Deutschland"));
        EXPECT_EQ(decodeTalkgroups(image, contacts).size(), 1);
        const auto zones = decodeZones(image, channels);
        ASSERT_EQ(zones.size(), 2);
        EXPECT_EQ(zones[1].name, QStringLiteral("DMR"));

        // It fits the stand-in of its family.
        RadioSimulator radio(variant == RadioVariant::gd77 ? RadioType::gd77 : RadioType::md380);
        EXPECT_TRUE(radio.loadCodeplug(image).ok());
    }
}
