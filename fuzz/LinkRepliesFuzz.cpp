// What the radio answers: the input is the byte stream a radio sends back
// over a pseudo-terminal while the link reads blocks, writes EEPROM and flash
// through the sector buffer and drives the transfer screen. Any answer may
// fail an exchange, none may crash or hang the link.

#include "link/OpenGD77Interface.h"
#include "sim/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Short waits: an answer that ends early costs one timeout.
constexpr int kTimeoutMs = 2;
// The terminal's input queue holds 4096 bytes; a longer answer would block.
constexpr std::size_t kMaxAnswer = 4000;

struct Line {
    nerka::PseudoTerminal terminal;
    std::shared_ptr<nerka::SerialPort> port = std::make_shared<nerka::SerialPort>();

    Line() {
        if (!terminal.open().ok() || !port->open(terminal.slavePath()).ok())
            std::abort();
        const int flags = ::fcntl(terminal.masterFd(), F_GETFL);
        ::fcntl(terminal.masterFd(), F_SETFL, flags | O_NONBLOCK);
    }
    // Throws away the requests the link sent.
    void drainRequests() {
        char buffer[4096];
        while (::read(terminal.masterFd(), buffer, sizeof buffer) > 0) {
        }
    }
};

Line& line() {
    static Line l;
    return l;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nerka;
    if (size == 0)
        return 0;
    Line& l = line();
    l.port->flush();
    l.drainRequests();
    const std::size_t answerSize = std::min(size - 1, kMaxAnswer);
    std::size_t written = 0;
    while (written < answerSize) {
        const ssize_t n = ::write(l.terminal.masterFd(), data + 1 + written, answerSize - written);
        if (n <= 0)
            break;
        written += std::size_t(n);
    }

    OpenGD77Interface link(l.port, kTimeoutMs);
    link.setVariant(data[0] & 1 ? RadioVariant::uv380 : RadioVariant::gd77);
    const QByteArray piece(32, char(0x5A));
    const bool done =
        link.readBlock(Bank::eeprom, 0x80).ok() && link.readRange(Bank::flash, 0x1000, 100).ok() &&
        link.closeTransferScreen().ok() &&
        link.readRegions({{Bank::eeprom, 0x80, 40}, {Bank::flash, 0x1000, 64}}).ok() &&
        link.writeEEPROM(0x7500, piece).ok() && link.writeFlash(0xFFE0, piece + piece).ok() &&
        link.commitFlashSector().ok() &&
        link.showTransferScreen(QStringLiteral("Writing"), QStringLiteral("Codeplug")).ok() &&
        link.showReadingScreen().ok();
    (void)done;
    l.drainRequests();
    return 0;
}
