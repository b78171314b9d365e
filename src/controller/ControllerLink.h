#pragma once

#include "controller/RadioController.h"
#include "link/LinkProtocol.h"
#include "link/OpenGD77Interface.h"
#include "link/SerialPort.h"

#include <QCoreApplication>

#include <functional>
#include <memory>

namespace nerka {

// Shared by the operations that talk to the radio.
inline constexpr int kBlockSize = LinkProtocol::kBlockSize;
[[nodiscard]] inline QString notConnectedText() {
    return QCoreApplication::translate("nerka::RadioController", "Nicht verbunden.");
}

// The objects of one connection. Created, used and dropped on the work queue only.
struct RadioControllerState::Link {
    std::shared_ptr<SerialPort> port;
    std::unique_ptr<OpenGD77Interface> interface;
    FirmwareInfo firmware; // as identified when the connection was made
    // The whole codeplug as read in this connection (or as the write verified
    // in it left it), while nothing has been written to the radio since: the
    // automatic backup and the plan of the next write use it.
    std::optional<CodeplugImage> codeplugAsRead;
};

// Work queue only: every region of the radio's family as the radio holds
// it, read under the reading screen; `progress` gets the fraction done.
Result<CodeplugImage, LinkError> readWholeCodeplug(OpenGD77Interface& radio,
                                                   const std::function<void(double)>& progress);

} // namespace nerka
