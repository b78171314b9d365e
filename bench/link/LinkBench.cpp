// Reads a whole GD-77 codeplug (the four regions in 32-byte blocks) from the
// radio stand-in over a pseudo-terminal, once through OpenGD77Interface and
// once with a bare write/poll/read loop, alternating, and prints the median
// of each. The ratio is the median of the ratios of neighbouring runs, so a
// change in machine load during the run affects both sides alike. The
// stand-in's share of the time is the same for both, so the ratio shows what
// the link layer adds. Then it prints the request counts of codeplug writes
// measured on the stand-in (WriteFigures.cpp).

#include "WriteFigures.h"

#include "codeplug/CodeplugLayout.h"
#include "link/OpenGD77Interface.h"
#include "link/SerialPort.h"
#include "sim/RadioSimulator.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

using namespace nerka;

namespace {

constexpr int kRounds = 9;
constexpr int kTimeoutMs = 3000;

struct Block {
    Bank bank;
    std::uint32_t address;
};

std::vector<Block> codeplugBlocks() {
    std::vector<Block> blocks;
    for (const CodeplugRegion& r : layoutForVariant(RadioVariant::gd77).regions) {
        for (int offset = 0; offset < r.length; offset += 32)
            blocks.push_back({r.bank, r.address + std::uint32_t(offset)});
    }
    return blocks;
}

using Clock = std::chrono::steady_clock;

double readWithInterface(const QString& path, const std::vector<Block>& blocks, QByteArray& out) {
    auto port = std::make_shared<SerialPort>();
    if (!port->open(path).ok())
        return -1;
    OpenGD77Interface link(port);
    link.setVariant(RadioVariant::gd77);
    out.clear();
    const auto start = Clock::now();
    for (const Block& b : blocks) {
        auto data = link.readBlock(b.bank, b.address);
        if (!data)
            return -1;
        out += *data;
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The reference: no abstraction, one request and one answer per block.
double readBare(const QString& path, const std::vector<Block>& blocks, QByteArray& out) {
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    termios tio{};
    ::tcgetattr(fd, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(fd, TCSANOW, &tio);
    ::tcflush(fd, TCIOFLUSH);
    out.clear();
    unsigned char request[8] = {'R', 0, 0, 0, 0, 0, 0x00, 0x20};
    unsigned char answer[35];
    const auto start = Clock::now();
    for (const Block& b : blocks) {
        request[1] = b.bank == Bank::flash ? 0x01 : 0x02;
        request[2] = (b.address >> 24) & 0xFF;
        request[3] = (b.address >> 16) & 0xFF;
        request[4] = (b.address >> 8) & 0xFF;
        request[5] = b.address & 0xFF;
        if (::write(fd, request, sizeof request) != ssize_t(sizeof request)) {
            ::close(fd);
            return -1;
        }
        size_t got = 0;
        while (got < sizeof answer) {
            const ssize_t n = ::read(fd, answer + got, sizeof answer - got);
            if (n > 0) {
                got += size_t(n);
                continue;
            }
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, kTimeoutMs) <= 0) {
                ::close(fd);
                return -1;
            }
        }
        out.append(reinterpret_cast<const char*>(answer) + 3, 32);
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    ::close(fd);
    return ms;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    RadioSimulator radio(RadioType::gd77);
    CodeplugImage image;
    image.variant = RadioVariant::gd77;
    image.regions = layoutForVariant(RadioVariant::gd77).regions;
    QByteArray expected;
    for (const CodeplugRegion& r : image.regions) {
        QByteArray blob(r.length, '\0');
        for (int i = 0; i < r.length; ++i)
            blob[i] = char((i * 7 + int(r.address)) & 0xFF);
        image.blobs.append(blob);
        expected += blob;
    }
    if (!radio.loadCodeplug(image).ok() || !radio.start().ok()) {
        std::fprintf(stderr, "bench_link: could not start the radio stand-in\n");
        return 1;
    }
    const std::vector<Block> blocks = codeplugBlocks();
    std::vector<double> interfaceMs;
    std::vector<double> bareMs;
    std::vector<double> ratios;
    QByteArray data;
    for (int round = 0; round < kRounds; ++round) {
        const double a = readWithInterface(radio.devicePath(), blocks, data);
        if (a < 0 || data != expected) {
            std::fprintf(stderr, "bench_link: the interface read failed or read wrong data\n");
            return 1;
        }
        const double b = readBare(radio.devicePath(), blocks, data);
        if (b < 0 || data != expected) {
            std::fprintf(stderr, "bench_link: the bare read failed or read wrong data\n");
            return 1;
        }
        interfaceMs.push_back(a);
        bareMs.push_back(b);
        ratios.push_back(a / b);
    }
    const double a = median(interfaceMs);
    const double b = median(bareMs);
    std::printf("link.blocks: %zu blocks\n", blocks.size());
    std::printf("link.read_codeplug: %.0f ms\n", a);
    std::printf("link.bare_loop: %.0f ms\n", b);
    std::printf("link.ratio: %.3f\n", median(ratios));
    printWriteFigures();
    return 0;
}
