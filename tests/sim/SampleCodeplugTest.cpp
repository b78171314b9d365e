#include "sim/SampleCodeplug.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "link/OpenGD77Interface.h"
#include "sim/RadioSimulator.h"

#include <gtest/gtest.h>

using namespace nerka;

// The demo radio serves the sample codeplug: every block of every region reads
// back through the link exactly as the sample holds it.
TEST(SampleCodeplug, TheStandInServesItOverTheLinkForBothFamilies) {
    for (RadioType type : {RadioType::gd77s, RadioType::dm1701rgb}) {
        const RadioVariant variant = radioVariant(type);
        const CodeplugImage image = sampleCodeplug(variant);
        ASSERT_EQ(image.regions, layoutForVariant(variant).regions);
        ASSERT_TRUE(decodeDeviceSettings(image));
        ASSERT_FALSE(decodeChannels(image).isEmpty());

        RadioSimulator radio(type);
        ASSERT_TRUE(radio.loadCodeplug(image).ok());
        ASSERT_TRUE(radio.start().ok());
        auto port = std::make_shared<SerialPort>();
        ASSERT_TRUE(port->open(radio.devicePath()).ok());
        OpenGD77Interface link(port, 1000);
        ASSERT_TRUE(link.identify().ok());
        for (int i = 0; i < image.regions.size(); ++i) {
            const CodeplugRegion& region = image.regions[i];
            QByteArray read;
            for (int offset = 0; offset < region.length; offset += 32) {
                auto block = link.readBlock(region.bank, region.address + std::uint32_t(offset));
                ASSERT_TRUE(block.ok()) << block.error().description().toStdString();
                read += *block;
            }
            EXPECT_EQ(read, image.blobs[i]) << "region " << i;
        }
    }
}
