#include "controller/RadioController.h"

#include "TempSettings.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace nerka;
using nerka::test::TempSettings;

namespace {

// The frame's threads and reports, which only the controller's own steps use.
class ProbeController : public RadioController {
public:
    using RadioController::RadioController;
    using SessionFrame::logLine;
    using SessionFrame::postToQueue;
    using SessionFrame::reportError;
    using SessionFrame::reportFailure;
    using SessionFrame::setProgress;
    using SessionFrame::setStatus;
};

// Waits until every task posted to the queue so far has run and what they
// posted to the main thread has been delivered.
void drain(ProbeController& controller) {
    std::atomic<bool> done{false};
    controller.postToQueue([&] { done = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 5000));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}
} // namespace

TEST(ControllerCore, StartsDisconnectedAndEmpty) {
    TempSettings settings;
    ProbeController controller(settings.get());
    EXPECT_EQ(controller.status(), RadioController::Status::disconnected());
    EXPECT_EQ(controller.progress(), 0.0);
    EXPECT_FALSE(controller.document().image().has_value());
    EXPECT_TRUE(controller.document().dirtyRegions().empty());
}

TEST(ControllerCore, StatusEqualityComparesWorkingTexts) {
    using S = RadioController::Status;
    EXPECT_EQ(S::working(QStringLiteral("Connecting…")), S::working(QStringLiteral("Connecting…")));
    EXPECT_NE(S::working(QStringLiteral("Connecting…")),
              S::working(QStringLiteral("Reading codeplug…")));
    EXPECT_NE(S::connected(), S::disconnected());
    EXPECT_NE(S::working(QString()), S::connected());
}

TEST(ControllerCore, ReportErrorKeepsStatusAndProgress) {
    TempSettings settings;
    ProbeController controller(settings.get());
    QSignalSpy errors(&controller.activityLog(), &ActivityLog::errorRecorded);
    controller.postToQueue([&] {
        controller.setStatus(RadioController::Status::working(QStringLiteral("Reading codeplug…")));
        controller.setProgress(0.5);
        controller.reportError(QStringLiteral("Something went wrong."));
    });
    drain(controller);
    EXPECT_EQ(controller.status(),
              RadioController::Status::working(QStringLiteral("Reading codeplug…")));
    EXPECT_EQ(controller.progress(), 0.5);
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors[0][0].toString(), QStringLiteral("Something went wrong."));
}

TEST(ControllerCore, ReportFailureSetsTheGivenStatusAndResetsProgress) {
    TempSettings settings;
    ProbeController controller(settings.get());
    QSignalSpy errors(&controller.activityLog(), &ActivityLog::errorRecorded);
    controller.postToQueue([&] {
        controller.setStatus(RadioController::Status::working(QStringLiteral("Writing changes…")));
        controller.setProgress(0.75);
        controller.reportFailure(QStringLiteral("Timeout while reading from the device."),
                                 RadioController::Status::connected());
    });
    drain(controller);
    EXPECT_EQ(controller.status(), RadioController::Status::connected());
    EXPECT_EQ(controller.progress(), 0.0);
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors[0][0].toString(), QStringLiteral("Timeout while reading from the device."));
}

TEST(ControllerCore, QueueRunsTasksOneAtATimeInOrder) {
    TempSettings settings;
    ProbeController controller(settings.get());
    std::atomic<int> running{0};
    std::atomic<int> maxRunning{0};
    std::vector<int> order;
    for (int i = 0; i < 20; ++i) {
        controller.postToQueue([&, i] {
            const int now = ++running;
            maxRunning = std::max(maxRunning.load(), now);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            order.push_back(i);
            --running;
        });
    }
    drain(controller);
    EXPECT_EQ(maxRunning.load(), 1);
    ASSERT_EQ(order.size(), 20u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(order[i], i);
}

TEST(ControllerCore, DestroyedWithTasksQueuedRunsNothingMoreAgainstIt) {
    TempSettings settings;
    std::atomic<int> ran{0};
    std::atomic<bool> started{false};
    {
        auto controller = std::make_unique<ProbeController>(settings.get());
        ProbeController* raw = controller.get();
        controller->postToQueue([&, raw] {
            started = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            raw->logLine(QStringLiteral("posted while the controller goes away"));
            raw->setStatus(RadioController::Status::connected());
            ++ran;
        });
        for (int i = 0; i < 50; ++i)
            controller->postToQueue([&, raw] {
                raw->logLine(QStringLiteral("must not run"));
                ++ran;
            });
        ASSERT_TRUE(QTest::qWaitFor([&] { return started.load(); }, 5000));
        controller.reset(); // waits for the running task, drops the rest
    }
    // What the running task posted is discarded with the controller.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(ran.load(), 1);
}

TEST(ControllerCore, PreferenceDefaultsAndNonFlagValues) {
    TempSettings settings;
    Preferences prefs(settings.get());
    EXPECT_TRUE(prefs.autoConnect());
    EXPECT_TRUE(prefs.autoRead());
    EXPECT_FALSE(prefs.showAllPorts());
    EXPECT_TRUE(prefs.lastPortPath().isEmpty());

    settings->setValue(QStringLiteral("autoConnect"), QStringLiteral("banana"));
    settings->setValue(QStringLiteral("autoRead"), 42);
    EXPECT_TRUE(prefs.autoConnect()) << "a stored value that is not a flag counts as on";
    EXPECT_TRUE(prefs.autoRead());

    prefs.setAutoConnect(false);
    prefs.setAutoRead(false);
    prefs.setShowAllPorts(true);
    prefs.setLastPortPath(QStringLiteral("/dev/ttyACM0"));
    settings->sync();
    // Read back through a fresh store on the same file, as the next launch would.
    QSettings reopened(settings->fileName(), QSettings::IniFormat);
    Preferences again(&reopened);
    EXPECT_FALSE(again.autoConnect());
    EXPECT_FALSE(again.autoRead());
    EXPECT_TRUE(again.showAllPorts());
    EXPECT_EQ(again.lastPortPath(), QStringLiteral("/dev/ttyACM0"));
}
