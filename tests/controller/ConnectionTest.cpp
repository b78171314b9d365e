#include "StandInRadio.h"

#include "codeplug/CodeplugFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace nerka;
using nerka::test::ControllerOnStandIn;
using nerka::test::StandInRadio;

namespace {

const QString kLastPort = QString::fromLatin1(Preferences::kLastPortKey);

SerialDevice plainPort(const QString& path) {
    return {path, QStringLiteral("ttyS9"), 0, 0};
}

} // namespace

TEST(Connection, ManualConnectIdentifiesRemembersThePortAndDoesNotRead) {
    StandInRadio radio;
    ControllerOnStandIn c;
    ASSERT_TRUE(c.connectTo(radio));

    ASSERT_TRUE(c->firmware().has_value());
    EXPECT_EQ(c->firmware()->radioType, RadioType::gd77);
    EXPECT_TRUE(c->hasInterface());
    EXPECT_EQ(c->firmware()->firmwareRevision, QStringLiteral("R2024.05.12"));
    EXPECT_EQ(c.settings->value(kLastPort).toString(), radio.sim.devicePath());
    EXPECT_FALSE(c->document().image().has_value()) << "a manual connect never reads";
    EXPECT_EQ(c.results.operations, QList{OperationResult::success(DeviceOperation::connect)});
}

TEST(Connection, WithoutSelectedPortOnlyTheManualConnectComplains) {
    ControllerOnStandIn c;
    const OperationResult noPort =
        OperationResult::failure(DeviceOperation::connect, OperationErrorKind::refused,
                                 QStringLiteral("No serial port selected."));
    EXPECT_EQ(c.resultOf(DeviceOperation::connect, [&] { c->connectRadio(true); }), noPort);
    c.drain();
    EXPECT_TRUE(c.results.reports.isEmpty());
    EXPECT_EQ(c->status(), RadioController::Status::disconnected());

    EXPECT_EQ(c.resultOf(DeviceOperation::connect, [&] { c->connectRadio(false); }), noPort);
    c.drain();
    EXPECT_EQ(c.results.reports, QStringList{noPort.text});
    EXPECT_EQ(c->status(), RadioController::Status::disconnected());
}

TEST(Connection, FailedManualConnectReportsTheLinkErrorAndLeavesNoPortOpen) {
    StandInRadio radio;
    radio.sim.injectFault(SimFault::silence);
    ControllerOnStandIn c;
    EXPECT_FALSE(c.connectTo(radio));
    EXPECT_EQ(
        c.results.last(DeviceOperation::connect),
        (OperationResult{DeviceOperation::connect, OperationErrorKind::link, LinkErrorKind::timeout,
                         QStringLiteral("Timeout while reading from the device.")}));
    EXPECT_EQ(c->status(), RadioController::Status::disconnected());
    EXPECT_FALSE(c->hasInterface());
    EXPECT_FALSE(c.settings->contains(kLastPort)) << "only a successful connection is remembered";

    c->selectPort(plainPort(QStringLiteral("/nonexistent/ttyACM7")));
    c->connectRadio(false);
    c.finish();
    const auto unopened = c.results.last(DeviceOperation::connect);
    ASSERT_TRUE(unopened.has_value());
    EXPECT_EQ(unopened->error, OperationErrorKind::link);
    EXPECT_TRUE(unopened->text.startsWith(QStringLiteral("Could not open serial port: ")));
}

TEST(Connection, DisconnectResetsTheRadioStateButKeepsTheDocument) {
    StandInRadio radio;
    ControllerOnStandIn c;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mine.nerka"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeCodeplugFile(sampleCodeplug(RadioVariant::gd77)));
    file.close();

    ASSERT_TRUE(c.connectTo(radio));
    c->openCodeplugFile(path);
    c.drain();
    ASSERT_TRUE(c->document().image().has_value());
    c->markRegionsChanged({1});
    const RegionSet unsaved = c->document().dirtyRegions(); // every region: no baseline
    const int requestsBefore = radio.sim.requestCount();

    c->disconnectRadio();
    c.drain();
    EXPECT_EQ(c->status(), RadioController::Status::disconnected());
    EXPECT_FALSE(c->hasInterface());
    EXPECT_FALSE(c->firmware().has_value());
    // The codeplug stays, with its unsaved changes, for the next radio.
    EXPECT_TRUE(c->document().image().has_value());
    EXPECT_FALSE(c->document().channels().isEmpty());
    EXPECT_EQ(c->document().dirtyRegions(), unsaved);
    EXPECT_TRUE(c->document().settings().has_value());
    EXPECT_EQ(c->documentURL(), QUrl::fromLocalFile(path));
    EXPECT_EQ(c.results.operations.last(), OperationResult::success(DeviceOperation::disconnect));
    EXPECT_EQ(radio.sim.requestCount(), requestsBefore) << "nothing is sent on disconnect";
}

TEST(Connection, AnUnpluggedIdleRadioEndsTheConnectionAndKeepsTheCodeplug) {
    StandInRadio radio;
    ControllerOnStandIn c;
    ASSERT_TRUE(c.connectTo(radio));
    c->readCodeplug();
    c.finish();
    ASSERT_TRUE(c->document().image().has_value());
    ASSERT_TRUE(c->document().dirtyRegions().empty());
    const auto channels = c->document().channels();

    radio.sim.stop(); // the port and its device node go away
    // Nothing is running: the connection notices the missing port by itself.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return c->status() == RadioController::Status::disconnected(); }, 5000));
    c.drain();
    EXPECT_FALSE(c->hasInterface());
    EXPECT_FALSE(c->firmware().has_value());
    EXPECT_EQ(c->document().channels(), channels) << "the codeplug stays in memory";
    EXPECT_EQ(qsizetype(c->document().dirtyRegions().size()), c->document().image()->blobs.size())
        << "the next radio may hold anything: every region is to be written";
    EXPECT_TRUE(c.results.reports.isEmpty()) << "an idle radio's loss is no error";
}

TEST(Connection, RefreshPrefersTheRememberedPortThenKeepsTheSelectionThenTakesARadio) {
    ControllerOnStandIn c;
    const SerialDevice radioA{QStringLiteral("/dev/ttyACM0"), QStringLiteral("A"), 0x1FC9, 0x0094};
    const SerialDevice radioB{QStringLiteral("/dev/ttyACM1"), QStringLiteral("B"), 0x1FC9, 0x0094};
    const SerialDevice other = plainPort(QStringLiteral("/dev/ttyS0"));
    QList<SerialDevice> attached = {other, radioB, radioA};
    c->setPortLister([&](bool) { return attached; });

    c->refreshPorts();
    EXPECT_EQ(c->ports(), (QList<SerialDevice>{radioA, radioB, other})) << "radios first";
    EXPECT_EQ(c->selectedPort(), radioA) << "nothing remembered: the first radio";

    c->selectPort(other);
    c->refreshPorts();
    EXPECT_EQ(c->selectedPort(), other) << "a listed selection is kept";

    c.settings->setValue(kLastPort, radioB.path);
    c->refreshPorts();
    EXPECT_EQ(c->selectedPort(), radioB) << "the remembered port wins over the selection";

    attached = {other};
    c.settings->setValue(kLastPort, QString());
    c->selectPort(radioA);
    c->refreshPorts();
    EXPECT_EQ(c->selectedPort(), other) << "no radio left: the first device";
    attached.clear();
    c->refreshPorts();
    EXPECT_FALSE(c->selectedPort().has_value());
}

TEST(Connection, AutoConnectFindsTheRememberedRadioAndReadsAtOnce) {
    StandInRadio radio;
    StandInRadio second; // a second radio does not matter when the remembered one is there
    ControllerOnStandIn c;
    c->registerDevice(second.device());
    c->registerDevice(radio.device());
    c.settings->setValue(kLastPort, radio.sim.devicePath());

    c->startAutoConnect();
    ASSERT_TRUE(
        c.waitFor([&] { return c->document().image().has_value() && c->status().isConnected(); }));
    c.drain();

    EXPECT_EQ(c.results.operations,
              (QList{OperationResult::success(DeviceOperation::connect),
                     OperationResult::success(DeviceOperation::readCodeplug)}));
    EXPECT_EQ(c->selectedPort(), radio.device());
    EXPECT_EQ(second.sim.requestCount(), 0);
}

TEST(Connection, AutoConnectTakesTheOnlyRadioWhenTheRememberedOneIsGone) {
    StandInRadio radio;
    ControllerOnStandIn c;
    c->setPortLister(
        [](bool) { return QList<SerialDevice>{plainPort(QStringLiteral("/dev/ttyS0"))}; });
    c->registerDevice(radio.device());
    c.settings->setValue(kLastPort, QStringLiteral("/dev/ttyACM9"));

    c->startAutoConnect();
    ASSERT_TRUE(
        c.waitFor([&] { return c->status().isConnected() && c->document().image().has_value(); }));
    c.drain();
    EXPECT_EQ(c.settings->value(kLastPort).toString(), radio.sim.devicePath())
        << "the new path is remembered";
}

TEST(Connection, AutoConnectWithAForgottenPortTakesASingleRadio) {
    StandInRadio radio;
    ControllerOnStandIn c;
    c->registerDevice(radio.device());
    c.settings->setValue(kLastPort, QString()); // forgotten, but present

    c->startAutoConnect();
    ASSERT_TRUE(c.waitFor([&] { return c->status().isConnected(); }));
    c.finish();
    EXPECT_EQ(c.settings->value(kLastPort).toString(), radio.sim.devicePath());
}

TEST(Connection, AutoConnectChoosesNeitherOfTwoRadiosAndGivesUp) {
    StandInRadio first;
    StandInRadio second;
    ControllerOnStandIn c(0.01);
    c->registerDevice(first.device());
    c->registerDevice(second.device());
    c.settings->setValue(kLastPort, QStringLiteral("/dev/ttyACM9"));

    c->startAutoConnect();
    QTest::qWait(1500); // past the 30 s (scaled) after which the attempts give up
    EXPECT_EQ(c->status(), RadioController::Status::disconnected());
    EXPECT_EQ(first.sim.requestCount(), 0);
    EXPECT_EQ(second.sim.requestCount(), 0);
    EXPECT_EQ(c->ports().size(), 2);
    EXPECT_TRUE(c.results.operations.isEmpty()) << "no connect was tried";
}

TEST(Connection, AutoConnectKeepsTryingWhileTheRadioDoesNotAnswer) {
    StandInRadio radio;
    radio.sim.injectFault(SimFault::silence);
    // Attempts come faster than the serial timeout: one that finds a connect
    // still running waits for it instead of ending the chain.
    ControllerOnStandIn c(0.02);
    c->registerDevice(radio.device());
    c.settings->setValue(kLastPort, radio.sim.devicePath());

    c->startAutoConnect();
    ASSERT_TRUE(c.waitFor([&] {
        const auto attempt = c.results.last(DeviceOperation::connect);
        return attempt && attempt->linkError == LinkErrorKind::timeout;
    }));
    EXPECT_TRUE(c.results.reports.isEmpty()) << "automatic attempts only log";
    radio.sim.clearFaults();
    ASSERT_TRUE(
        c.waitFor([&] { return c->status().isConnected() && c->document().image().has_value(); }));
}

TEST(Connection, AutoConnectStartsOnlyWhenWantedAndSomethingIsRemembered) {
    StandInRadio radio;
    {
        ControllerOnStandIn c;
        c->registerDevice(radio.device());
        c->startAutoConnect(); // nothing remembered
        c.settings->setValue(kLastPort, radio.sim.devicePath());
        c.settings->setValue(QString::fromLatin1(Preferences::kAutoConnectKey), false);
        c->startAutoConnect(); // switched off
        QTest::qWait(50);
        EXPECT_TRUE(c.results.operations.isEmpty());
        EXPECT_EQ(c->status(), RadioController::Status::disconnected());
    }
    {
        // Read switched off: connected, nothing read.
        ControllerOnStandIn c;
        c->registerDevice(radio.device());
        c.settings->setValue(kLastPort, radio.sim.devicePath());
        c.settings->setValue(QString::fromLatin1(Preferences::kAutoReadKey), false);
        c->startAutoConnect();
        ASSERT_TRUE(c.waitFor([&] { return c->status().isConnected(); }));
        c.drain();
        EXPECT_FALSE(c->document().image().has_value());
        EXPECT_FALSE(c.results.last(DeviceOperation::readCodeplug).has_value());
    }
}

TEST(Connection, AutomaticConnectDoesNotReadOverACodeplugInMemory) {
    StandInRadio radio;
    ControllerOnStandIn c;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.nerka"));
    CodeplugImage image = blankCodeplug(RadioVariant::gd77);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeCodeplugFile(image));
    file.close();
    c->openCodeplugFile(path);
    c.drain();
    c->markRegionsChanged({2});

    c->registerDevice(radio.device());
    c.settings->setValue(kLastPort, radio.sim.devicePath());
    c->startAutoConnect();
    ASSERT_TRUE(c.waitFor([&] { return c->status().isConnected(); }));
    c.drain();
    EXPECT_FALSE(c.results.last(DeviceOperation::readCodeplug).has_value());
    EXPECT_EQ(c->document().image(), image);
    EXPECT_EQ(c->document().dirtyRegions(), (RegionSet{0, 1, 2, 3}))
        << "nothing read: every region";
}

TEST(Connection, PendingAutoConnectTimersDieWithTheController) {
    ControllerOnStandIn c(0.01);
    c.settings->setValue(kLastPort, QStringLiteral("/dev/ttyACM9"));
    c->startAutoConnect();
    c.controller.reset();
    QTest::qWait(100); // a timer that outlived the controller would crash here
    SUCCEED();
}
