// The write as the window shows it: the panel's steps, the commands held back
// while the radio is written, the quit question, and Load while disconnected.

#include "WindowFixture.h"

#include "ui/window/ConnectionView.h"
#include "ui/window/MainToolbar.h"
#include "ui/window/WritePanel.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPointer>

namespace nerka::test {
namespace {

TEST(WritePanelOutcome, NamesTheFailedStepOrTheVerificationAndTheBackup) {
    WriteSteps steps;
    EXPECT_EQ(WritePanel::outcome(steps), QString()) << "nothing ended yet";
    steps.begin(true, true);
    steps.start(WriteStep::backup);
    steps.complete(WriteStep::backup, QStringLiteral("codeplug-1.nerka"));
    steps.start(WriteStep::write);
    EXPECT_EQ(WritePanel::outcome(steps), QString()) << "still running";
    WriteSteps failed = steps;
    failed.fail(WriteStep::write, QStringLiteral("Timeout while reading from the device."));
    EXPECT_EQ(WritePanel::outcome(failed),
              QStringLiteral("Write failed: Timeout while reading from the device."));
    EXPECT_EQ(failed.state(WriteStep::reboot), WriteStepState::waiting);
    for (WriteStep step : {WriteStep::write, WriteStep::reboot, WriteStep::verify})
        steps.complete(step, step == WriteStep::verify ? QStringLiteral("Verified") : QString());
    EXPECT_TRUE(steps.ended());
    EXPECT_EQ(WritePanel::outcome(steps), QStringLiteral("Verified. Backup: codeplug-1.nerka."));

    WriteSteps nothingSent;
    nothingSent.begin(true, true);
    nothingSent.complete(WriteStep::backup, QStringLiteral("codeplug-2.nerka"));
    nothingSent.complete(
        WriteStep::write,
        QStringLiteral("Nothing to write: the radio already holds this codeplug."));
    nothingSent.skip(WriteStep::reboot);
    nothingSent.skip(WriteStep::verify);
    EXPECT_TRUE(nothingSent.ended());
    EXPECT_EQ(WritePanel::outcome(nothingSent),
              QStringLiteral("Nothing to write: the radio already holds this codeplug. Backup: "
                             "codeplug-2.nerka."));

    WriteSteps unverified;
    unverified.begin(false, false);
    unverified.complete(WriteStep::write);
    EXPECT_FALSE(unverified.ended()) << "the reboot is still to come";
    unverified.complete(WriteStep::reboot);
    EXPECT_EQ(WritePanel::outcome(unverified),
              QStringLiteral("Written; not verified (switched off)."));
}

TEST_F(WindowTest, AWriteShowsItsStepsAndHoldsTheRadioUntilVerified) {
    StandInRadio standIn;
    connectAndLoad(standIn);
    WritePanel* panel = window.writePanel();
    EXPECT_FALSE(panel->isVisible()) << "no write yet";
    radio->document().deleteChannels({radio->document().channels().first().number});

    // While the write runs, whatever it is at, the radio is not to be let go.
    // Quitting then asks first; "Cancel" keeps the window.
    int heldChecks = 0;
    bool everFree = false;
    bool quitTried = false;
    QObject::connect(radio.controller.get(), &RadioController::writeStepsChanged, &window, [&] {
        if (!radio->writeSteps().active())
            return;
        ++heldChecks;
        MainToolbar* bar = window.toolbar();
        everFree = everFree || bar->loadAction()->isEnabled() || bar->writeAction()->isEnabled() ||
                   bar->disconnectAction()->isEnabled();
        if (!quitTried && radio->writeSteps().state(WriteStep::write) == WriteStepState::running) {
            quitTried = true;
            dialogs.confirmAnswers.enqueue(false);
            window.quitAction()->trigger();
        }
    });
    dialogs.confirmAnswers.enqueue(true);
    ASSERT_TRUE(press(&window, QStringLiteral("Write changes")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->isVisible(); }, 5000));
    ASSERT_TRUE(radio.waitFor([&] { return radio->writeSteps().ended(); }))
        << radio.results.reports.join(u'\n').toStdString();
    radio.drain();
    EXPECT_GT(heldChecks, 3);
    EXPECT_FALSE(everFree) << "Load, Write and Disconnect stay disabled during the write";
    ASSERT_TRUE(quitTried);
    const auto* asked = dialogs.last(QStringLiteral("confirm"));
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->title, QStringLiteral("A write is in progress"));
    EXPECT_TRUE(window.isVisible());

    const QString backup = radio->writeSteps().detail(WriteStep::backup);
    EXPECT_TRUE(backup.startsWith(QStringLiteral("codeplug-"))) << backup.toStdString();
    EXPECT_EQ(panel->outcomeText(), QStringLiteral("Verified. Backup: ") + backup + u'.');
    // Under the Write step: what the write changed, grouped as the question had it.
    const QStringList changes = panel->changeLines();
    ASSERT_GE(changes.size(), 2);
    EXPECT_EQ(changes.first(), QStringLiteral("Channels (1)"));
    EXPECT_TRUE(changes[1].endsWith(QStringLiteral(" deleted"))) << changes[1].toStdString();
    // Read by a screen reader row by row: each step with its state.
    for (const QString& row :
         QStringList{QStringLiteral("Backup: Done — ") + backup, QStringLiteral("Reboot: Done"),
                     QStringLiteral("Verify: Done — Verified")})
        EXPECT_NE(findAccessible(panel, row), nullptr) << row.toStdString();
    EXPECT_TRUE(window.toolbar()->disconnectAction()->isEnabled());
    ASSERT_TRUE(press(panel, QStringLiteral("Close")));
    EXPECT_FALSE(panel->isVisible());
}

// The DMR database write runs in the same panel: Write → Reboot → Verify
// count, no backup row, and "Do not unplug the radio" while it is written.
TEST_F(WindowTest, TheDmrDatabaseWriteShowsItsStepsInThePanel) {
    // How to attach a radio is said only while none is connected.
    const auto hintShown = [&] {
        for (QLabel* label : window.sectionWidget(SidebarItem::connection)->findChildren<QLabel*>())
            if (label->text() == ConnectionView::hintText())
                return label->isVisibleTo(window.sectionWidget(SidebarItem::connection));
        return false;
    };
    EXPECT_TRUE(hintShown());
    StandInRadio standIn;
    connectAndLoad(standIn);
    EXPECT_FALSE(hintShown());
    const QString csv = dir.filePath(QStringLiteral("ids.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n2620001,DL1AA,Ann,Lee\n"
               "2620002,DL1AB,Bea,Lee\n2620003,DL1AC,Cai,Lee\n");
    file.close();
    radio->importDMRDatabase(csv);
    ASSERT_TRUE(radio.waitFor([&] { return radio->dmrUserDB().has_value(); }));
    window.showSection(SidebarItem::dmrDatabase);
    WritePanel* panel = window.writePanel();
    bool warned = false;
    QString heading;
    QObject::connect(radio.controller.get(), &RadioController::writeStepsChanged, &window, [&] {
        if (radio->writeSteps().state(WriteStep::write) == WriteStepState::running) {
            warned = warned || findAccessible(panel, QStringLiteral("Do not unplug the radio"));
            if (QAccessibleInterface* title =
                    findAccessible(panel, QStringLiteral("Writing the DMR database")))
                heading = title->text(QAccessible::Name);
        }
    });
    dialogs.confirmAnswers.enqueue(true);
    ASSERT_TRUE(press(&window, QStringLiteral("Write to device")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->isVisible(); }, 5000));
    ASSERT_TRUE(radio.waitFor([&] { return radio->writeSteps().ended(); }))
        << radio.results.reports.join(u'\n').toStdString();
    EXPECT_TRUE(warned);
    EXPECT_EQ(heading, QStringLiteral("Writing the DMR database"));
    EXPECT_FALSE(radio->writeSteps().failed()) << radio.results.reports.join(u'\n').toStdString();
    for (const QString& row : QStringList{QStringLiteral("Write: Done — 3 entries, 0 KB"),
                                          QStringLiteral("Reboot: Done"),
                                          QStringLiteral("Verify count: Done — 3 entries on the "
                                                         "device")})
        EXPECT_NE(findAccessible(panel, row), nullptr) << row.toStdString();
    EXPECT_EQ(findAccessible(panel, QStringLiteral("Backup")), nullptr);
    EXPECT_EQ(panel->outcomeText(), QStringLiteral("Verified."));
}

TEST_F(WindowTest, LoadWhileDisconnectedConnectsThenReads) {
    StandInRadio standIn;
    radio->registerDevice(standIn.device());
    radio->refreshPorts();
    window.toolbar()->loadAction()->trigger();
    QPointer<QDialog> sheet;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible())
            sheet = dialog;
    ASSERT_NE(sheet, nullptr) << "the connection sheet opens";
    ASSERT_TRUE(press(sheet, QStringLiteral("Connect")));
    ASSERT_TRUE(radio.waitFor([&] {
        return radio->document().image() && !radio->status().isWorking();
    })) << radio.results.reports.join(u'\n').toStdString();
    EXPECT_TRUE(radio->status().isConnected());
    EXPECT_TRUE(radio->document().dirtyRegions().empty())
        << "what was read is what the radio holds";
    EXPECT_TRUE(!sheet || !sheet->isVisible()) << "the sheet served its purpose";
}

} // namespace
} // namespace nerka::test
