#pragma once

// A controller with a small codeplug made through its own editing
// operations, for the model and section tests.

#include "codeplug/ChannelRecord.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/CustomDataBlock.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ZoneCodec.h"
#include "controller/RadioController.h"

#include "ResultRecorder.h"
#include "TempSettings.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace nerka::test {

// The family's regions erased, with the in-use tables at 0 and the
// custom-data signature in place, as a radio fresh from the factory.
inline CodeplugImage blankImage(RadioVariant variant = RadioVariant::gd77) {
    const CodeplugLayout& layout = layoutForVariant(variant);
    CodeplugImage image;
    image.variant = variant;
    image.regions = layout.regions;
    for (const CodeplugRegion& region : layout.regions)
        image.blobs.append(QByteArray(region.length, char(0xFF)));
    const auto zero = [&image](BankAddress at, int count) {
        EXPECT_TRUE(writeBytes(image, at.bank, at.address, QByteArray(count, '\0')));
    };
    for (const BankAddress& bank : layout.channelBanks)
        zero(bank, ChannelBank::kBitmapSize);
    zero(layout.zoneBank, ZoneTable::kBitmapSize);
    zero(layout.groupListBank, GroupListTable::kInUseSize);
    QByteArray head(CustomDataArea::kSignature, CustomDataArea::kSignatureSize);
    head.append(4, '\0');
    EXPECT_TRUE(writeBytes(image, layout.additionalSettingsBank.bank,
                           layout.additionalSettingsBank.address, head));
    return image;
}

inline ChannelEdit fmChannel(const QString& name, std::uint64_t hz) {
    ChannelEdit edit;
    edit.name = name;
    edit.rxHz = edit.txHz = hz;
    return edit;
}

class ViewsFixture : public ::testing::Test {
protected:
    TempSettings settings;
    RadioController controller{settings.get()};
    ResultRecorder results{controller}; // every result the controller hands out

    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // Channels 1-4 (FM narrow, DMR on TS2 with a contact, FM wide receive
    // only, FM), two contacts, a talkgroup, a zone and a satellite.
    void loadCodeplug() {
        const CodeplugImage image = blankImage();
        controller.document().load(image, decodeImage(image));

        ContactEdit local{QStringLiteral("Local"), 9, ContactType::group, TimeSlotOverride::none};
        ContactEdit friendCall{QStringLiteral("Anna"), 2621001, ContactType::privateCall,
                               TimeSlotOverride::ts1};
        controller.document().updateContact((*controller.document().newContact()).slot, local);
        controller.document().updateContact((*controller.document().newContact()).slot, friendCall);

        ChannelEdit dmr = fmChannel(QStringLiteral("DB0ABC"), 438'612'500);
        dmr.txHz = 431'012'500;
        dmr.isDMR = true;
        dmr.timeSlotTS2 = true;
        dmr.colorCode = 1;
        dmr.contactSlot = 0;
        ChannelEdit listen = fmChannel(QStringLiteral("Wetter"), 145'600'000);
        listen.bandwidthWide = true;
        listen.rxOnly = true;
        controller.document().importChannels({fmChannel(QStringLiteral("S20"), 145'500'000), dmr,
                                              listen,
                                              fmChannel(QStringLiteral("PMR 1"), 446'006'250)});

        controller.document().updateTalkgroup((*controller.document().newTalkgroup()).index,
                                              TalkgroupEdit{QStringLiteral("Regional"), {0, 1}});
        controller.document().updateZone((*controller.document().newZone()).index,
                                         ZoneEdit{QStringLiteral("Home"), {0, 1}});
        Satellite satellite = *controller.document().newSatellite();
        satellite.name = QStringLiteral("SO-50");
        satellite.rxFreq1 = 436'795'000;
        satellite.txFreq1 = 145'850'000;
        satellite.txTone = Tone::ctcss(670);
        controller.document().updateSatellite(satellite, controller.tleCache());
        settle();
        ASSERT_EQ(controller.document().channels().size(), 4);
        ASSERT_EQ(controller.document().contacts().size(), 2);
        ASSERT_EQ(controller.document().talkgroups().size(), 1);
        ASSERT_EQ(controller.document().zones().size(), 1);
        ASSERT_EQ(controller.document().satellites().size(), 1);
        ASSERT_TRUE(results.reports.isEmpty()) << results.reports.join(u'\n').toStdString();
    }

    const RadioChannel& channel(int number) {
        for (const RadioChannel& c : controller.document().channels()) {
            if (c.number == number)
                return c;
        }
        ADD_FAILURE() << "no channel " << number;
        return controller.document().channels().first();
    }
};

} // namespace nerka::test
