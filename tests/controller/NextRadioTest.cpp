// One codeplug for many radios: a new codeplug written onto a radio's own
// settings, the codeplug kept over a disconnect and written to a second radio
// with that radio's identity.

#include "StandInRadio.h"

#include "codeplug/BlankCodeplug.h"
#include "codeplug/ChannelChecks.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"

using namespace nerka;
using nerka::test::ControllerOnStandIn;
using nerka::test::StandInRadio;

namespace {

// A radio whose settings block and APRS table hold bytes the program does not
// decode, with its own call sign and DMR ID.
void makeRadioOwn(StandInRadio& radio, const QString& call, std::uint32_t dmrID,
                  const QByteArray& menuBytes = QByteArray::fromHex("0102030405060708")) {
    CodeplugImage image = sampleCodeplug(radio.sim.variant());
    DeviceSettings settings = *decodeDeviceSettings(image);
    settings.call = call;
    settings.dmrID = dmrID;
    (void)encodeDeviceSettings(settings, image);
    ASSERT_TRUE(radio.sim.loadCodeplug(image).ok());
    const CodeplugLayout& layout = layoutForVariant(radio.sim.variant());
    // Undecoded settings bytes (menu options, say) and an APRS entry's tail.
    ASSERT_TRUE(
        radio.sim.setMemory(layout.settingsBank.bank, layout.settingsBank.address + 20, menuBytes));
    ASSERT_TRUE(radio.sim.setMemory(layout.aprsBank.bank, layout.aprsBank.address + 30,
                                    QByteArray::fromHex("a1b2c3")));
}

QByteArray settingsBlockOf(const StandInRadio& radio) {
    const BankAddress at = layoutForVariant(radio.sim.variant()).settingsBank;
    return radio.sim.memory(at.bank, at.address, DeviceSettingsBlock::kReadSize);
}

void writeAndWait(ControllerOnStandIn& c) {
    const OperationResult written =
        c.resultOf(DeviceOperation::writeCodeplug, [&] { c->writeChanges(); });
    ASSERT_TRUE(written.ok()) << written.text.toStdString();
    ASSERT_TRUE(c.waitFor([&] { return !c->verificationPending(); }));
    c.finish();
}

} // namespace

TEST(NewCodeplug, StartsEmptyWithoutIdentityOrBands) {
    for (RadioVariant variant : {RadioVariant::gd77, RadioVariant::uv380}) {
        ControllerOnStandIn c;
        const EditResult made = c->newCodeplug(variant);
        ASSERT_TRUE(made.isDone());
        EXPECT_EQ(made.summary(), variant == RadioVariant::gd77
                                      ? QStringLiteral("New codeplug (GD77 family).")
                                      : QStringLiteral("New codeplug (UV380 family)."));
        const CodeplugDocument& document = c->document();
        ASSERT_TRUE(document.image());
        EXPECT_EQ(document.image()->variant, variant);
        EXPECT_EQ(document.image()->regions, layoutForVariant(variant).regions);
        EXPECT_TRUE(document.isNew());
        EXPECT_TRUE(document.channels().isEmpty());
        EXPECT_TRUE(document.contacts().isEmpty());
        EXPECT_TRUE(document.talkgroups().isEmpty());
        EXPECT_TRUE(document.zones().isEmpty());
        EXPECT_EQ(document.settings(), DeviceSettings{});
        EXPECT_FALSE(BandLimits::of(document.settings()));
        EXPECT_FALSE(c->documentURL());
    }
}

TEST(NewCodeplug, WriteLaysOnlyTheRecordsOverTheRadiosOwnCodeplug) {
    StandInRadio radio;
    makeRadioOwn(radio, QStringLiteral("DL1OWN"), 2621111);
    const QByteArray settingsBefore = settingsBlockOf(radio);
    const CodeplugLayout& layout = layoutForVariant(RadioVariant::gd77);
    const QByteArray aprsBefore =
        radio.sim.memory(layout.aprsBank.bank, layout.aprsBank.address, 512);
    const QByteArray customBefore = radio.sim.memory(layout.additionalSettingsBank.bank,
                                                     layout.additionalSettingsBank.address, 0x11A0);

    ControllerOnStandIn c(0.1);
    ASSERT_TRUE(c->newCodeplug(RadioVariant::gd77).isDone());
    CodeplugDocument& document = c->document();
    ContactEdit contact;
    contact.name = QStringLiteral("Club TG");
    contact.dmrID = 262999;
    ASSERT_TRUE(document.updateContact(0, contact).isDone());
    ChannelEdit channel;
    channel.name = QStringLiteral("Club");
    channel.rxHz = 439'100'000;
    channel.txHz = 431'500'000;
    channel.isDMR = true;
    channel.contactSlot = 0;
    ASSERT_TRUE(document.addChannel(channel).isDone());
    ASSERT_TRUE(document.updateZone(0, {QStringLiteral("Club"), {0}}).isDone());
    const CodeplugImage records = *document.image();

    ASSERT_TRUE(c.connectTo(radio));
    EXPECT_TRUE(c->keepIdentityByDefault());
    EXPECT_EQ(c->regionsToWrite().size(), 4u);
    writeAndWait(c);

    EXPECT_EQ(settingsBlockOf(radio), settingsBefore) << "the radio's own settings stay";
    EXPECT_EQ(radio.sim.memory(layout.aprsBank.bank, layout.aprsBank.address, 512), aprsBefore);
    EXPECT_EQ(radio.sim.memory(layout.additionalSettingsBank.bank,
                               layout.additionalSettingsBank.address, 0x11A0),
              customBefore)
        << "themes and satellites of the radio stay";
    const CodeplugImage held = radio.memoryAs(records);
    EXPECT_EQ(decodeChannels(held), decodeChannels(records));
    EXPECT_EQ(decodeContacts(held), decodeContacts(records));
    EXPECT_EQ(held.blobs[3], records.blobs[3]) << "contacts, group lists and channel banks 2-8";
    // The codeplug in memory is now what the radio holds: nothing left to write.
    EXPECT_FALSE(document.isNew());
    EXPECT_EQ(document.settings()->call, QStringLiteral("DL1OWN"));
    EXPECT_TRUE(document.dirtyRegions().empty());
}

TEST(NextRadio, DisconnectKeepsTheCodeplugAndASecondRadioKeepsItsIdentity) {
    StandInRadio first;
    makeRadioOwn(first, QStringLiteral("DO1NRK"), 2621337);
    StandInRadio second;
    makeRadioOwn(second, QStringLiteral("DL2ND"), 2622222, QByteArray::fromHex("1112131415161718"));
    second.sim.setFlashChipSerial(0x0BADF00D);

    ControllerOnStandIn c(0.1);
    ASSERT_TRUE(c.connectTo(first));
    c->readCodeplug();
    c.finish();
    CodeplugDocument& document = c->document();
    ChannelEdit edit;
    edit.name = QStringLiteral("Kept");
    ASSERT_TRUE(document.updateChannel(1, edit).isDone());
    const RegionSet unsaved = document.dirtyRegions();
    ASSERT_FALSE(unsaved.empty());

    c->disconnectRadio();
    c.finish();
    ASSERT_TRUE(document.image()) << "the codeplug stays in memory";
    EXPECT_EQ(document.channel(1)->name, QStringLiteral("Kept"));
    EXPECT_EQ(document.dirtyRegions(), unsaved) << "still counted against the radio last read";
    EXPECT_TRUE(document.canUndo());

    ASSERT_TRUE(c.connectTo(second));
    EXPECT_TRUE(c->connectedToOtherRadio());
    EXPECT_TRUE(c->keepIdentityByDefault());
    EXPECT_EQ(c->regionsToWrite().size(), 4u);
    writeAndWait(c);

    const CodeplugImage held = second.memoryAs(*document.image());
    EXPECT_EQ(decodeChannels(held), document.channels());
    EXPECT_EQ(decodeContacts(held), document.contacts());
    const auto identity = decodeDeviceSettings(held);
    EXPECT_EQ(identity->call, QStringLiteral("DL2ND"));
    EXPECT_EQ(identity->dmrID, 2622222u);
    EXPECT_EQ(settingsBlockOf(second).mid(20, 8), QByteArray::fromHex("0102030405060708"))
        << "the master's settings went over; only the identity stayed the radio's";
    EXPECT_EQ(document.settings()->call, QStringLiteral("DO1NRK"))
        << "the codeplug keeps its own identity for the next radio";
    EXPECT_EQ(document.baselineRadio(), 0x0BADF00Du);
    // Only the identity differs from what the second radio holds now.
    EXPECT_EQ(document.dirtyRegions(), RegionSet({0}));
}
