#include "link/SerialPort.h"
#include "sim/PseudoTerminal.h"

#include "Bytes.h"

#include <gtest/gtest.h>

#include <QDir>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace nerka;
using nerka::test::bytes;

namespace {

constexpr int kShortTimeoutMs = 100;

int openDescriptorCount() {
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                   .size());
}

struct Pty {
    PseudoTerminal terminal;
    Pty() { EXPECT_TRUE(terminal.open().ok()); }
    void send(const QByteArray& data) const {
        ASSERT_EQ(::write(terminal.masterFd(), data.constData(), size_t(data.size())),
                  ssize_t(data.size()));
    }
    QByteArray receive(int count) const {
        QByteArray out(count, '\0');
        const ssize_t n = ::read(terminal.masterFd(), out.data(), size_t(count));
        out.truncate(n < 0 ? 0 : n);
        return out;
    }
};

} // namespace

TEST(SerialPort, OpeningAMissingPathReportsTheSystemTextAndStaysClosed) {
    SerialPort port;
    auto opened = port.open(QStringLiteral("/dev/nerka-no-such-device"));
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error().kind, SerialError::Kind::openFailed);
    EXPECT_EQ(opened.error().description(), QStringLiteral("Could not open serial port: ") +
                                                QString::fromLocal8Bit(std::strerror(ENOENT)));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.fd(), -1);
}

TEST(SerialPort, ANonTerminalFailsConfigurationWithoutLeakingItsDescriptor) {
    const int before = openDescriptorCount();
    SerialPort port;
    auto opened = port.open(QStringLiteral("/dev/null"));
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error().description(), QStringLiteral("Could not configure serial port: ") +
                                                QString::fromLocal8Bit(std::strerror(ENOTTY)));
    EXPECT_EQ(port.fd(), -1);
    EXPECT_EQ(openDescriptorCount(), before);
}

TEST(SerialPort, OpenConfiguresRawEightBitNonBlocking) {
    Pty pty;
    SerialPort port;
    ASSERT_TRUE(port.open(pty.terminal.slavePath(), 115200).ok());
    termios tio{};
    ASSERT_EQ(::tcgetattr(port.fd(), &tio), 0);
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB), tcflag_t(0));
    EXPECT_EQ(tio.c_cflag & (CREAD | CLOCAL), tcflag_t(CREAD | CLOCAL));
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), tcflag_t(0));
    EXPECT_EQ(tio.c_cc[VMIN], 0);
    EXPECT_EQ(tio.c_cc[VTIME], 0);
    EXPECT_EQ(::cfgetispeed(&tio), speed_t(B115200));
    EXPECT_EQ(::cfgetospeed(&tio), speed_t(B115200));
    EXPECT_NE(::fcntl(port.fd(), F_GETFL) & O_NONBLOCK, 0);

    // 8-bit clean in both directions: no translation of CR, LF, 0x00 or 0xFF.
    const QByteArray raw = bytes({0x0D, 0x0A, 0x00, 0xFF, 0x11, 0x13, 0x03});
    ASSERT_TRUE(port.write(raw, kShortTimeoutMs).ok());
    EXPECT_EQ(pty.receive(16).toHex(), raw.toHex());
    pty.send(raw);
    auto echoed = port.read(int(raw.size()), kShortTimeoutMs);
    ASSERT_TRUE(echoed.ok());
    EXPECT_EQ(echoed->toHex(), raw.toHex());
}

TEST(SerialPort, UnsupportedBaudRateIsAConfigurationFailure) {
    Pty pty;
    SerialPort port;
    auto opened = port.open(pty.terminal.slavePath(), 12345);
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error().kind, SerialError::Kind::configFailed);
    EXPECT_FALSE(port.isOpen());
}

TEST(SerialPort, OpeningAgainClosesTheOldDescriptorFirst) {
    Pty first;
    Pty second;
    SerialPort port;
    ASSERT_TRUE(port.open(first.terminal.slavePath()).ok());
    const int before = openDescriptorCount();
    ASSERT_TRUE(port.open(second.terminal.slavePath()).ok());
    EXPECT_EQ(openDescriptorCount(), before);
    second.send("ok");
    auto got = port.read(2, kShortTimeoutMs);
    ASSERT_TRUE(got.ok());
    EXPECT_EQ(*got, QByteArray("ok"));
}

TEST(SerialPort, ClosedPortRefusesWritesAndReadsAndCloseIsHarmless) {
    SerialPort port;
    port.close();
    port.flush();
    EXPECT_EQ(port.write(QByteArray(), kShortTimeoutMs).error().description(),
              QStringLiteral("Serial port is not open."));
    EXPECT_EQ(port.write("x", kShortTimeoutMs).error().kind, SerialError::Kind::notOpen);
    EXPECT_EQ(port.read(1, kShortTimeoutMs).error().kind, SerialError::Kind::notOpen);

    Pty pty;
    ASSERT_TRUE(port.open(pty.terminal.slavePath()).ok());
    EXPECT_TRUE(port.write(QByteArray(), kShortTimeoutMs).ok());
    auto none = port.read(0, kShortTimeoutMs);
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none->isEmpty());
    port.close();
    EXPECT_EQ(port.fd(), -1);
    port.close();
    EXPECT_EQ(port.fd(), -1);
}

TEST(SerialPort, ADeviceThatAcceptsNothingTimesTheWriteOut) {
    Pty pty; // nobody reads the master, so the terminal's buffers fill up
    SerialPort port;
    ASSERT_TRUE(port.open(pty.terminal.slavePath()).ok());
    auto written = port.write(QByteArray(1 << 20, 'x'), kShortTimeoutMs);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().description(),
              QStringLiteral("Timeout while reading from the device."));
}

TEST(SerialPort, ThreeOfThirtyTwoBytesThenSilenceTimesTheReadOut) {
    Pty pty;
    SerialPort port;
    ASSERT_TRUE(port.open(pty.terminal.slavePath()).ok());
    pty.send(bytes({0x52, 0x00, 0x20}));
    const auto start = std::chrono::steady_clock::now();
    auto got = port.read(32, kShortTimeoutMs);
    const auto waited = std::chrono::steady_clock::now() - start;
    ASSERT_FALSE(got.ok());
    EXPECT_EQ(got.error().description(), QStringLiteral("Timeout while reading from the device."));
    // The error comes only after a whole timeout of silence.
    EXPECT_GE(waited, std::chrono::milliseconds(kShortTimeoutMs - 5));
}

TEST(SerialPort, TheTimeoutBoundsEachWaitNotTheWholeReply) {
    Pty pty;
    SerialPort port;
    ASSERT_TRUE(port.open(pty.terminal.slavePath()).ok());
    // Ten bytes, one every 40 ms: 400 ms in all, far more than the 100 ms timeout.
    std::thread trickle([&] {
        for (int i = 0; i < 10; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
            const char byte = char('0' + i);
            [[maybe_unused]] auto n = ::write(pty.terminal.masterFd(), &byte, 1);
        }
    });
    auto got = port.read(10, kShortTimeoutMs);
    trickle.join();
    ASSERT_TRUE(got.ok()) << got.error().description().toStdString();
    EXPECT_EQ(*got, QByteArray("0123456789"));
}

TEST(SerialPort, FlushDiscardsPendingInput) {
    Pty pty;
    SerialPort port;
    ASSERT_TRUE(port.open(pty.terminal.slavePath()).ok());
    pty.send("stale");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    port.flush();
    pty.send("new");
    auto got = port.read(3, kShortTimeoutMs);
    ASSERT_TRUE(got.ok());
    EXPECT_EQ(*got, QByteArray("new"));
}

TEST(SerialPort, ADeviceThatGoesAwayFailsAtOnceInsteadOfWaitingOrSpinning) {
    auto pty = std::make_unique<Pty>();
    SerialPort port;
    ASSERT_TRUE(port.open(pty->terminal.slavePath()).ok());
    pty.reset();
    const int longTimeoutMs = 5000;
    const auto start = std::chrono::steady_clock::now();
    auto got = port.read(32, longTimeoutMs);
    ASSERT_FALSE(got.ok());
    EXPECT_EQ(got.error().kind, SerialError::Kind::readFailed);
    EXPECT_TRUE(got.error().description().startsWith(
        QStringLiteral("Reading from the serial port failed: ")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(longTimeoutMs));
    auto written = port.write("x", longTimeoutMs);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().kind, SerialError::Kind::writeFailed);
}

TEST(SerialPort, ShortWriteDescriptionNamesBothCounts) {
    EXPECT_EQ(SerialError::shortWrite(32, 7).description(),
              QStringLiteral("Incomplete write (7/32 bytes)."));
    EXPECT_EQ(SerialError::writeFailed(QStringLiteral("Broken pipe")).description(),
              QStringLiteral("Writing to the serial port failed: Broken pipe"));
}

TEST(SerialPort, ASecondOpenOfTheSamePortIsBusyUntilTheFirstCloses) {
    Pty pty;
    SerialPort first;
    ASSERT_TRUE(first.open(pty.terminal.slavePath()).ok());

    // Another program asking for the port (the lock), and one that does not
    // ask (exclusive mode keeps out a plain open too).
    SerialPort second;
    const auto busy = second.open(pty.terminal.slavePath());
    ASSERT_FALSE(busy.ok());
    EXPECT_EQ(busy.error().kind, SerialError::Kind::portBusy);
    EXPECT_EQ(busy.error().description(),
              QStringLiteral("Port busy: another program is using the serial port. Nothing was "
                             "sent."));
    EXPECT_FALSE(second.isOpen());
    if (::geteuid() != 0) { // root passes exclusive mode
        const int plain = ::open(pty.terminal.slavePath().toLocal8Bit().constData(),
                                 O_RDWR | O_NOCTTY | O_NONBLOCK);
        EXPECT_EQ(plain, -1);
        EXPECT_EQ(errno, EBUSY);
        if (plain >= 0)
            ::close(plain);
    }

    first.close();
    EXPECT_TRUE(second.open(pty.terminal.slavePath()).ok());
}
