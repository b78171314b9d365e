#pragma once

#include "link/OpenGD77Interface.h"
#include "link/SerialPort.h"
#include "sim/RadioSimulator.h"

#include <gtest/gtest.h>

#include <memory>

namespace nerka::test {

// A stand-in radio on a pseudo-terminal and the program's side of the link,
// opened on the stand-in's device path. Waits are short so that timeouts and
// silences cost little.
class RadioFixture {
public:
    static constexpr int kTimeoutMs = 300;

    explicit RadioFixture(RadioType type = RadioType::gd77) : radio(type) {
        auto started = radio.start();
        EXPECT_TRUE(started.ok()) << (started.ok() ? QString() : started.error()).toStdString();
        auto opened = port->open(radio.devicePath());
        EXPECT_TRUE(opened.ok())
            << (opened.ok() ? QString() : opened.error().description()).toStdString();
        link = std::make_unique<OpenGD77Interface>(port, kTimeoutMs);
        link->setVariant(radioVariant(type));
    }

    RadioSimulator radio;
    std::shared_ptr<SerialPort> port = std::make_shared<SerialPort>();
    std::unique_ptr<OpenGD77Interface> link;
};

template <typename R> QString errorText(const R& result) {
    return result.ok() ? QString() : result.error().description();
}

} // namespace nerka::test
