#include "WindowFixture.h"

#include "ui/views/ListSection.h"
#include "ui/window/MainWindow.h"
#include "ui/window/NerkaApp.h"
#include "ui/window/PreferencesWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>

namespace nerka::test {

namespace {

// A launch of the program against stand-ins only, with fast timers.
void configure(RadioController& radio, const StandInRadio& standIn, bool listedAsRadio) {
    radio.setPortLister([](bool) { return QList<SerialDevice>{}; });
    radio.tuning().timeScale = 0.02;
    radio.tuning().serialTimeoutMs = ControllerOnStandIn::kSerialTimeoutMs;
    SerialDevice device = standIn.device();
    if (!listedAsRadio)
        device.vendorID = device.productID = 0; // a serial adapter, found by its path only
    radio.registerDevice(device);
}

} // namespace

TEST(AppShell, LaunchConnectsToTheRememberedPortUntilItIsForgotten) {
    TempSettings store;
    StandInRadio standIn;
    store->setValue(QStringLiteral("lastPortPath"), standIn.device().path);
    store->setValue(QStringLiteral("autoRead"), false);
    {
        ScriptedDialogs dialogs;
        NerkaApp app(store.get(), &dialogs);
        ResultRecorder results{app.radio()};
        configure(app.radio(), standIn, false);
        app.start();
        EXPECT_TRUE(app.window().isVisible());
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.radio().status().isConnected(); }, 10000));
        EXPECT_EQ(results.last(DeviceOperation::connect),
                  OperationResult::success(DeviceOperation::connect));

        // The preferences show the stored values and forget the port at once.
        app.window().showPreferences();
        PreferencesWindow* prefs = app.window().preferencesWindow();
        EXPECT_TRUE(prefs->autoConnectToggle()->isChecked());
        EXPECT_FALSE(prefs->autoReadToggle()->isChecked());
        EXPECT_FALSE(prefs->showAllPortsToggle()->isChecked());
        EXPECT_EQ(prefs->rememberedPortField()->text(), standIn.device().path);
        ASSERT_TRUE(press(prefs, QStringLiteral("Forget remembered port")));
        EXPECT_EQ(prefs->rememberedPortField()->text(), QString());
        EXPECT_EQ(store->value(QStringLiteral("lastPortPath")).toString(), QString());
        ASSERT_TRUE(press(prefs, QStringLiteral("Auto-connect on launch")));
        EXPECT_EQ(store->value(QStringLiteral("autoConnect")).toBool(), false);
        ASSERT_TRUE(press(prefs, QStringLiteral("Auto-connect on launch")));
        EXPECT_EQ(store->value(QStringLiteral("autoConnect")).toBool(), true);
        EXPECT_FALSE(prefs->writeWholeRegionsToggle()->isChecked());
        ASSERT_TRUE(
            press(prefs, QStringLiteral("Write whole regions (slower, for troubleshooting)")));
        EXPECT_TRUE(app.radio().preferences().writeWholeRegions());
    }
    // The next launch looks, but no longer matches the old path.
    ScriptedDialogs dialogs;
    NerkaApp app(store.get(), &dialogs);
    ResultRecorder results{app.radio()};
    configure(app.radio(), standIn, false);
    app.start();
    QTest::qWait(1500); // past the 30 s (scaled) after which the attempts give up
    EXPECT_TRUE(app.radio().status().isDisconnected());
    EXPECT_FALSE(results.last(DeviceOperation::connect).has_value()) << "no port to try";
    EXPECT_EQ(dialogs.count(QStringLiteral("alert")), 0); // automatic failures are only logged
}

// The whole road through the window: connect, load, change a channel with the
// channel list's command, write with the confirmation, and find the rebooted
// radio again.
TEST(AppShell, EndToEndThroughTheWindow) {
    TempSettings store;
    store->setValue(QStringLiteral("autoConnect"), false);
    StandInRadio standIn;
    ScriptedDialogs dialogs;
    dialogs.strict = true;
    NerkaApp app(store.get(), &dialogs);
    RadioController& radio = app.radio();
    ResultRecorder results{radio};
    MainWindow& window = app.window();
    configure(radio, standIn, true);
    QTemporaryDir backups;
    radio.backups().setFolder(backups.path());
    app.start();
    auto settle = [&] {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !radio.status().isWorking(); }, 20000));
        bool done = false;
        radio.afterQueuedWork([&] { done = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 20000));
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return radio.selectedPort().has_value(); }));

    ASSERT_TRUE(press(&window, QStringLiteral("Connect")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return radio.status().isConnected(); }, 20000))
        << results.reports.join(u'\n').toStdString();
    EXPECT_NE(findAccessible(&window, QStringLiteral("Connected")), nullptr);
    EXPECT_NE(findAccessible(&window, QStringLiteral("GD77 (MK22, 'W')")), nullptr);
    // The transfer's progress shows in the status bar, whichever section is up.
    window.showSection(SidebarItem::theme);
    bool progressShown = false;
    QObject::connect(&radio, &RadioController::progressChanged, &window, [&] {
        progressShown =
            progressShown || (radio.progress() > 0.0 && window.transferProgress()->isVisible());
    });
    ASSERT_TRUE(press(&window, QStringLiteral("Load from device")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return radio.document().image().has_value(); }, 20000))
        << results.reports.join(u'\n').toStdString();
    settle();
    EXPECT_TRUE(progressShown);
    ASSERT_GE(radio.document().channels().size(), 2);
    const QString first = radio.document().channels()[0].name;
    const QString second = radio.document().channels()[1].name;

    window.showSection(SidebarItem::channels);
    window.listSection(SidebarItem::channels)->selectKeys({1});
    ASSERT_TRUE(press(&window, QStringLiteral("Move down")));
    ASSERT_EQ(radio.document().channels()[0].name, second);
    ASSERT_EQ(radio.document().channels()[1].name, first);
    ASSERT_FALSE(radio.document().dirtyRegions().empty());

    dialogs.confirmAnswers.enqueue(true);
    ASSERT_TRUE(press(&window, QStringLiteral("Write changes")));
    EXPECT_EQ(dialogs.last(QStringLiteral("confirm"))->title,
              QStringLiteral("Write changes to the device?"));
    // The confirmation's details list the records that change on the radio.
    EXPECT_TRUE(dialogs.last(QStringLiteral("confirm"))->details.contains(first))
        << dialogs.last(QStringLiteral("confirm"))->details.toStdString();
    const CodeplugImage written = *radio.document().image();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return results.last(DeviceOperation::writeCodeplug).has_value(); }, 20000));
    EXPECT_EQ(results.last(DeviceOperation::writeCodeplug),
              OperationResult::success(DeviceOperation::writeCodeplug));
    ASSERT_TRUE(standIn.sim.waitForGeneration(2, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return radio.status().isConnected(); }, 20000));
    settle();
    EXPECT_TRUE(radio.document().dirtyRegions().empty());
    EXPECT_EQ(standIn.memoryAs(written).blobs, written.blobs);
    EXPECT_EQ(radio.document().channels()[0].name, second); // the image stays after the reboot
    // The codeplug read in this connection became the backup, and what was
    // written was read back after the reconnect.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !radio.verificationPending(); }, 20000));
    EXPECT_EQ(radio.backups().list().size(), 1);
    EXPECT_EQ(results.last(DeviceOperation::verifyWrite),
              OperationResult::success(DeviceOperation::verifyWrite));
    EXPECT_EQ(dialogs.count(QStringLiteral("alert")), 0);
}

} // namespace nerka::test
