#include "WindowFixture.h"

#include "codeplug/DeviceSettingsCodec.h"
#include "ui/editors/SettingsEditView.h"
#include "ui/window/LibraryCommands.h"
#include "ui/window/MainToolbar.h"

#include <QAction>

namespace nerka::test {

TEST_F(WindowTest, NewAsksTheFamilyAndSettingsWarnWhileTheIdentityIsEmpty) {
    dialogs.choiceAnswers.enqueue(1);
    window.libraryCommands()->newAction()->trigger();
    const auto* asked = dialogs.last(QStringLiteral("choose"));
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->title, QStringLiteral("New codeplug"));
    EXPECT_EQ(asked->buttons.mid(0, 2),
              (QStringList{QStringLiteral("GD-77 family"), QStringLiteral("UV380 family")}));
    ASSERT_TRUE(radio->document().image());
    EXPECT_EQ(radio->document().image()->variant, RadioVariant::uv380);
    EXPECT_TRUE(radio->document().isNew());

    window.showSection(SidebarItem::settings);
    auto* settings = qobject_cast<SettingsEditView*>(window.sectionWidget(SidebarItem::settings));
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->warnsOfMissingIdentity());
    openSampleFile(); // call sign and DMR ID set
    EXPECT_FALSE(settings->warnsOfMissingIdentity());
}

TEST_F(WindowTest, WriteToASecondRadioSaysSoAndKeepsItsIdentityByDefault) {
    StandInRadio first;
    StandInRadio second;
    CodeplugImage own = sampleCodeplug(RadioVariant::gd77);
    (void)encodeDeviceSettings({QStringLiteral("DL2ND"), 2622222, 144, 146, 430, 440}, own);
    ASSERT_TRUE(second.sim.loadCodeplug(own).ok());
    second.sim.setFlashChipSerial(0x0BADF00D);
    connectAndLoad(first);
    window.toolbar()->disconnectAction()->trigger();
    ASSERT_TRUE(radio.waitFor([&] { return radio->status().isDisconnected(); }));
    ASSERT_TRUE(radio.connectTo(second));
    EXPECT_TRUE(radio->document().dirtyRegions().empty());
    EXPECT_TRUE(window.toolbar()->writeAction()->isEnabled()) << "the next radio can be written";

    dialogs.confirmAnswers.enqueue(true);
    window.toolbar()->writeAction()->trigger();
    const auto* asked = dialogs.last(QStringLiteral("confirm"));
    ASSERT_NE(asked, nullptr);
    EXPECT_TRUE(asked->message.contains(
        QStringLiteral("This radio (flash serial 0x0BADF00D) is not the one the codeplug was read "
                       "from")))
        << asked->message.toStdString();
    EXPECT_TRUE(asked->message.contains(
        QStringLiteral("Call sign and DMR ID to be written: DO1NRK, 2621337.")));
    ASSERT_TRUE(radio.waitFor([&] { return !radio->writeSteps().active(); }));
    radio.finish();
    const auto held = decodeDeviceSettings(second.memoryAs(*radio->document().image()));
    ASSERT_TRUE(held);
    EXPECT_EQ(held->call, QStringLiteral("DL2ND")) << "the radio kept its own identity";
}

} // namespace nerka::test
