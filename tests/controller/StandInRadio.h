#pragma once

// A controller wired to stand-in radios on pseudo-terminals, with short serial
// timeouts and a small time scale, and no real serial devices in its list.

#include "controller/RadioController.h"
#include "sim/RadioSimulator.h"
#include "sim/SampleCodeplug.h"

#include "ResultRecorder.h"
#include "TempSettings.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace nerka::test {

class StandInRadio {
public:
    explicit StandInRadio(RadioType type = RadioType::gd77, bool withSample = true) : sim(type) {
        sim.setRebootDelayMs(50);
        if (withSample) {
            EXPECT_TRUE(sim.loadCodeplug(sampleCodeplug(sim.variant())).ok());
        }
        const auto started = sim.start();
        EXPECT_TRUE(started.ok()) << (started.ok() ? QString() : started.error()).toStdString();
    }

    [[nodiscard]] SerialDevice device() const {
        return {sim.devicePath(), QStringLiteral("Stand-in"), SerialDevice::kOpenGD77VendorID,
                SerialDevice::kOpenGD77ProductID};
    }

    // The bytes of every region of `image` as the radio holds them now.
    [[nodiscard]] CodeplugImage memoryAs(const CodeplugImage& image) const {
        CodeplugImage copy = image;
        for (qsizetype i = 0; i < copy.regions.size(); ++i)
            copy.blobs[i] =
                sim.memory(copy.regions[i].bank, copy.regions[i].address, copy.regions[i].length);
        return copy;
    }

    RadioSimulator sim;
};

class ControllerOnStandIn {
public:
    static constexpr int kSerialTimeoutMs = 250;
    static constexpr int kWaitMs = 20000;

    explicit ControllerOnStandIn(double timeScale = 0.02)
        : controller(std::make_unique<RadioController>(settings.get())) {
        controller->setPortLister([](bool) { return QList<SerialDevice>{}; });
        controller->tuning().timeScale = timeScale;
        controller->tuning().serialTimeoutMs = kSerialTimeoutMs;
        controller->backups().setFolder(backupDir.filePath(QStringLiteral("backups")));
    }

    RadioController& operator*() { return *controller; }
    RadioController* operator->() { return controller.get(); }

    static bool waitFor(const std::function<bool()>& done, int timeoutMs = kWaitMs) {
        return QTest::qWaitFor(done, timeoutMs);
    }

    // Every task queued so far has run and what it posted has arrived.
    void drain() {
        bool settled = false;
        controller->afterQueuedWork([&settled] { settled = true; });
        ASSERT_TRUE(waitFor([&] { return settled; }));
    }

    // Runs `start` and waits for the first `finished` of `operation`; its result.
    OperationResult resultOf(DeviceOperation operation, const std::function<void()>& start) {
        std::optional<OperationResult> result;
        const auto watch = QObject::connect(controller.get(), &RadioController::finished,
                                            controller.get(), [&](const OperationResult& ended) {
                                                if (ended.operation == operation && !result)
                                                    result = ended;
                                            });
        start();
        const bool ended = waitFor([&] { return result.has_value(); });
        QObject::disconnect(watch);
        EXPECT_TRUE(ended);
        return result.value_or(OperationResult{});
    }

    // Waits for the running operation to end and its results to arrive.
    void finish() {
        ASSERT_TRUE(waitFor([&] { return !controller->status().isWorking(); }));
        drain();
    }

    bool connectTo(const StandInRadio& radio) {
        controller->registerDevice(radio.device());
        controller->selectPort(radio.device());
        controller->connectRadio(false);
        finish();
        return controller->status().isConnected();
    }

    TempSettings settings;
    QTemporaryDir backupDir; // the automatic backups before writes
    std::unique_ptr<RadioController> controller;
    ResultRecorder results{*controller}; // every result the controller hands out
};

} // namespace nerka::test
