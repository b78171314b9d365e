#include "sim/RadioSimulator.h"

#include "link/LinkProtocol.h"
#include "sim/PseudoTerminal.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace nerka {

namespace {

using P = LinkProtocol;

constexpr int kReadChunkSize = 4096;
constexpr int kAnswerWriteTimeoutMs = 1000;
// How long a reboot waits for the program to take the last answer off the
// line before the device goes away.
constexpr int kDrainBeforeRebootMs = 500;
constexpr int kAnswerArrivalMs = 100;
constexpr int kShortWrongLength = 16;

std::uint32_t u32be(const QByteArray& b, int offset) {
    return (std::uint32_t(std::uint8_t(b[offset])) << 24) |
           (std::uint32_t(std::uint8_t(b[offset + 1])) << 16) |
           (std::uint32_t(std::uint8_t(b[offset + 2])) << 8) | std::uint8_t(b[offset + 3]);
}

int u16be(const QByteArray& b, int offset) {
    return (std::uint8_t(b[offset]) << 8) | std::uint8_t(b[offset + 1]);
}

void appendU16be(QByteArray& out, int value) {
    out.append(char((value >> 8) & 0xFF));
    out.append(char(value & 0xFF));
}

void appendU32le(QByteArray& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

QByteArray fixedText(const QString& text, int size) {
    QByteArray bytes = text.toLatin1().left(size);
    bytes.append(size - bytes.size(), '\0');
    return bytes;
}

// Size of the request that starts `input`, 0 while it is incomplete.
int requestSize(const QByteArray& input) {
    if (input.isEmpty())
        return 0;
    const auto first = std::uint8_t(input[0]);
    int size = 1; // a byte that starts no request stands alone
    if (first == P::kRead) {
        size = P::kReadRequestSize;
    } else if (first == P::kCommand) {
        size = P::kCommandPacketSize;
    } else if (first == P::kWriteGd77 || first == P::kWriteUv380) {
        if (input.size() < 2)
            return 0;
        const auto sub = std::uint8_t(input[1]);
        if (sub == P::kSetFlashSector) {
            size = P::kSetSectorRequestSize;
        } else if (sub == P::kWriteFlashBuffer || sub == P::kWriteEeprom) {
            if (input.size() < P::kDataRequestHeaderSize)
                return 0;
            size = P::kDataRequestHeaderSize + u16be(input, 6);
        } else {
            size = P::kCommitRequestSize;
        }
    }
    return input.size() >= size ? size : 0;
}

enum class RequestKind { blockRead, dataWrite, other, unknown };

RequestKind kindOf(const QByteArray& request) {
    const auto first = std::uint8_t(request[0]);
    if (first == P::kRead) {
        const auto mode = std::uint8_t(request[1]);
        return mode == P::kModeFlash || mode == P::kModeEeprom ? RequestKind::blockRead
                                                               : RequestKind::other;
    }
    if (first == P::kWriteGd77 || first == P::kWriteUv380) {
        const auto sub = std::uint8_t(request[1]);
        return sub == P::kWriteFlashBuffer || sub == P::kWriteEeprom ? RequestKind::dataWrite
                                                                     : RequestKind::other;
    }
    if (first == P::kCommand)
        return RequestKind::other;
    return RequestKind::unknown;
}

// What a request does to the device once it is answered.
enum class SimAfter { nothing, vanish, reboot, faultReboot };

// The injected faults that fired on one request.
struct SimFiredFaults {
    SimAfter after = SimAfter::nothing;
    bool wrongAck = false;
    bool shortAnswer = false;
    bool garbage = false;
    bool wrongLength = false;
    bool corruptWrite = false;
    bool unloadedBuffer = false;
};

// Whether a pending fault of `kind` applies to `request` at all.
bool simFaultApplies(SimFault kind, const QByteArray& request, RequestKind requestKind) {
    switch (kind) {
    case SimFault::wrongLength:
        return std::uint8_t(request[0]) == P::kRead;
    case SimFault::corruptWrite:
        return requestKind == RequestKind::dataWrite;
    case SimFault::unloadedSectorBuffer:
        return request.size() > 1 && std::uint8_t(request[0]) != P::kRead &&
               std::uint8_t(request[0]) != P::kCommand &&
               std::uint8_t(request[1]) == P::kSetFlashSector;
    default:
        return true;
    }
}

void simFire(SimFault kind, SimFiredFaults& fired) {
    switch (kind) {
    case SimFault::silence:
        break; // the device state's, set by the caller
    case SimFault::wrongLength:
        fired.wrongLength = true;
        break;
    case SimFault::wrongAck:
        fired.wrongAck = true;
        break;
    case SimFault::garbage:
        fired.garbage = true;
        break;
    case SimFault::vanish:
        fired.after = SimAfter::vanish;
        break;
    case SimFault::corruptWrite:
        fired.corruptWrite = true;
        break;
    case SimFault::unloadedSectorBuffer:
        fired.unloadedBuffer = true;
        break;
    case SimFault::shortAnswer:
        fired.shortAnswer = true;
        break;
    case SimFault::reboot:
        fired.after = SimAfter::faultReboot;
        break;
    }
}

} // namespace

struct RadioSimulator::State {
    std::uint32_t rawType = 0;
    QString revision = QStringLiteral("R2024.05.12");
    QString buildDate = QStringLiteral("20240512143000");
    std::uint32_t structVersion = 3;
    std::uint32_t flashChipSerial = 0x4A7C21E0;
    std::uint16_t features = 0;
    std::optional<QByteArray> infoBlockOverride;

    QByteArray eeprom;
    QByteArray flash;
    int bufferSector = -1;
    QByteArray sectorBuffer;

    QList<QByteArray> requests;
    int requestCounter = 0; // every request since creation; fault triggers count on it
    struct PendingFault {
        SimFault kind;
        int triggerAt;
    };
    QList<PendingFault> faults;
    bool silent = false;

    SimScreen screen;
    int rebootCount = 0;

    std::unique_ptr<PseudoTerminal> terminal;
    QString linkPath;
    QString ownedDir;
    int generation = 0;
    int rebootDelayMs = kDefaultRebootDelayMs;
    bool running = false;
    bool stopping = false;
    int wakeRead = -1;
    int wakeWrite = -1;

    QByteArray input; // serving thread only: bytes of an incomplete request

    RadioVariant variant() const {
        return rawType < kFirstUv380RadioType ? RadioVariant::gd77 : RadioVariant::uv380;
    }
    QByteArray& bank(Bank b) { return b == Bank::eeprom ? eeprom : flash; }
    const QByteArray& bank(Bank b) const { return b == Bank::eeprom ? eeprom : flash; }
    static bool fits(const QByteArray& memory, std::uint32_t address, qsizetype count) {
        return count >= 0 && qsizetype(address) <= memory.size() &&
               count <= memory.size() - qsizetype(address);
    }
    void sizeFlash() {
        const int size = variant() == RadioVariant::gd77 ? kGd77FlashSize : kUv380FlashSize;
        if (flash.size() > size)
            flash.truncate(size);
        else if (flash.size() < size)
            flash.append(size - flash.size(), char(0xFF));
    }
    QByteArray infoBlock() const {
        if (infoBlockOverride)
            return *infoBlockOverride;
        QByteArray block;
        appendU32le(block, structVersion);
        appendU32le(block, rawType);
        block += fixedText(revision, 16);
        block += fixedText(buildDate, 16);
        appendU32le(block, flashChipSerial);
        block.append(char(features & 0xFF));
        block.append(char(features >> 8));
        return block;
    }

    // Request handling (under the simulator's mutex). Each answers one kind
    // of request; `fired` are the faults that apply to it.
    SimFiredFaults takeFaults(const QByteArray& request, RequestKind kind, int index);
    QByteArray answerRead(const QByteArray& request, SimFiredFaults& fired);
    QByteArray answerCommand(const QByteArray& request, SimFiredFaults& fired);
    QByteArray answerWrite(const QByteArray& request, SimFiredFaults& fired);
    // The write sub-commands: true when carried out, false when refused.
    bool setFlashSector(const QByteArray& request, const SimFiredFaults& fired);
    bool writeFlashBuffer(const QByteArray& request, const SimFiredFaults& fired);
    bool commitFlashSector(const QByteArray& request, const SimFiredFaults& fired);
    bool writeEeprom(const QByteArray& request, const SimFiredFaults& fired);
    void applyScreenCommand(const QByteArray& request);

    // The request → handler tables: the first byte of a request and what
    // answers it (any other first byte that makes a request is a write), and
    // a write's sub-command and what carries it out.
    using RequestHandler = QByteArray (State::*)(const QByteArray&, SimFiredFaults&);
    struct RequestRoute {
        std::uint8_t first;
        RequestHandler handle;
    };
    using WriteHandler = bool (State::*)(const QByteArray&, const SimFiredFaults&);
    struct WriteRoute {
        std::uint8_t sub;
        WriteHandler handle;
    };
    // Answers a request that is to be carried out.
    QByteArray answer(const QByteArray& request, SimFiredFaults& fired);
};

SimFiredFaults RadioSimulator::State::takeFaults(const QByteArray& request, RequestKind kind,
                                                 int index) {
    SimFiredFaults fired;
    if (kind == RequestKind::unknown)
        return fired;
    // The first pending fault that is due and applies fires, once.
    for (qsizetype i = 0; i < faults.size(); ++i) {
        const PendingFault fault = faults[i];
        if (fault.triggerAt > index || !simFaultApplies(fault.kind, request, kind))
            continue;
        faults.removeAt(i);
        if (fault.kind == SimFault::silence)
            silent = true;
        simFire(fault.kind, fired);
        break;
    }
    return fired;
}

QByteArray RadioSimulator::State::answerRead(const QByteArray& request, SimFiredFaults& fired) {
    const auto sub = std::uint8_t(request[1]);
    const std::uint32_t address = u32be(request, 2);
    const int length = u16be(request, 6);
    QByteArray data;
    if (sub == P::kModeFirmwareInfo) {
        data = infoBlock();
        if (fired.wrongLength)
            data.truncate(kShortWrongLength);
    } else if (sub == P::kModeFlash || sub == P::kModeEeprom) {
        const QByteArray& memory = bank(sub == P::kModeFlash ? Bank::flash : Bank::eeprom);
        // A read outside the memory is answered with no data.
        if (fits(memory, address, length))
            data = memory.mid(qsizetype(address), length);
        if (fired.wrongLength)
            data.truncate(kShortWrongLength);
    }
    QByteArray answer;
    answer.reserve(P::kReadResponseHeaderSize + data.size());
    answer.append(char(P::kRead));
    appendU16be(answer, int(data.size()));
    answer.append(data);
    return answer;
}

void RadioSimulator::State::applyScreenCommand(const QByteArray& request) {
    switch (std::uint8_t(request[1])) {
    case P::kOpenScreen:
        screen.open = true;
        screen.visible = false;
        screen.lines = {QString(), QString(), QString()};
        break;
    case P::kClearScreen:
        screen.visible = false;
        screen.lines = {QString(), QString(), QString()};
        break;
    case P::kTextLine: {
        const int line = std::uint8_t(request[P::kTextLineRowOffset]) / 0x10;
        QByteArray text = request.mid(P::kTextLineHeaderSize, P::kTextLineTextSize);
        const qsizetype end = text.indexOf('\0');
        if (end >= 0)
            text.truncate(end);
        if (line < screen.lines.size())
            screen.lines[line] = QString::fromUtf8(text);
        break;
    }
    case P::kRenderScreen:
        screen.visible = true;
        break;
    case P::kCloseScreen:
        screen.open = false;
        screen.visible = false;
        ++screen.closeCount;
        break;
    default:
        break;
    }
}

QByteArray RadioSimulator::State::answerCommand(const QByteArray& request, SimFiredFaults& fired) {
    if (std::uint8_t(request[1]) == P::kControl) {
        if (std::uint8_t(request[2]) == P::kControlReboot)
            fired.after = SimAfter::reboot;
    } else {
        applyScreenCommand(request);
    }
    return QByteArray(1, char(P::kCommandAck));
}

bool RadioSimulator::State::setFlashSector(const QByteArray& request, const SimFiredFaults& fired) {
    const std::uint32_t sector =
        (std::uint32_t(std::uint8_t(request[2])) << 16) | std::uint32_t(u16be(request, 3));
    const std::uint32_t start = sector * P::kSectorSize;
    if (!fits(flash, start, P::kSectorSize))
        return false;
    bufferSector = int(sector);
    sectorBuffer = fired.unloadedBuffer ? QByteArray(P::kSectorSize, char(0xFF))
                                        : flash.mid(start, P::kSectorSize);
    return true;
}

bool RadioSimulator::State::writeFlashBuffer(const QByteArray& request,
                                             const SimFiredFaults& fired) {
    const int base = bufferSector * P::kSectorSize;
    const std::uint32_t address = u32be(request, 2);
    QByteArray data = request.mid(P::kDataRequestHeaderSize);
    if (fired.corruptWrite && !data.isEmpty())
        data[0] = char(~data[0]);
    if (bufferSector < 0 || address < std::uint32_t(base) ||
        !fits(sectorBuffer, address - std::uint32_t(base), data.size()))
        return false;
    sectorBuffer.replace(address - base, data.size(), data);
    return true;
}

bool RadioSimulator::State::commitFlashSector(const QByteArray& /*request*/,
                                              const SimFiredFaults& /*fired*/) {
    if (bufferSector < 0)
        return false;
    flash.replace(bufferSector * P::kSectorSize, P::kSectorSize, sectorBuffer);
    bufferSector = -1;
    return true;
}

bool RadioSimulator::State::writeEeprom(const QByteArray& request, const SimFiredFaults& fired) {
    const std::uint32_t address = u32be(request, 2);
    QByteArray data = request.mid(P::kDataRequestHeaderSize);
    if (fired.corruptWrite && !data.isEmpty())
        data[0] = char(~data[0]);
    if (!fits(eeprom, address, data.size()))
        return false;
    eeprom.replace(address, data.size(), data);
    return true;
}

QByteArray RadioSimulator::State::answerWrite(const QByteArray& request, SimFiredFaults& fired) {
    // Only the family's own command character is understood.
    const char expected = char(variant() == RadioVariant::gd77 ? P::kWriteGd77 : P::kWriteUv380);
    const auto sub = std::uint8_t(request[1]);
    bool done = false;
    static constexpr std::array kWriteRoutes{
        WriteRoute{P::kSetFlashSector, &State::setFlashSector},
        WriteRoute{P::kWriteFlashBuffer, &State::writeFlashBuffer},
        WriteRoute{P::kWriteFlashSector, &State::commitFlashSector},
        WriteRoute{P::kWriteEeprom, &State::writeEeprom},
    };
    if (request[0] == expected) {
        for (const WriteRoute& route : kWriteRoutes) {
            if (route.sub == sub) {
                done = (this->*route.handle)(request, fired);
                break;
            }
        }
    }
    QByteArray answer;
    answer.append(done ? request[0] : char(kRefusalByte));
    answer.append(char(sub));
    return answer;
}

RadioSimulator::RadioSimulator(RadioType type) : m_state(std::make_unique<State>()) {
    m_state->rawType = rawValue(type);
    m_state->eeprom = QByteArray(kEepromSize, char(0xFF));
    m_state->sizeFlash();
}

RadioSimulator::~RadioSimulator() {
    stop();
}

Result<void, QString> RadioSimulator::start(const QString& linkPath) {
    stop();
    State& s = *m_state;
    QString link = linkPath;
    if (link.isEmpty()) {
        QByteArray pattern =
            QDir(QDir::tempPath()).filePath(QStringLiteral("nerka-sim-XXXXXX")).toLocal8Bit();
        if (!::mkdtemp(pattern.data()))
            return QString(QStringLiteral("mkdtemp: ") +
                           QString::fromLocal8Bit(std::strerror(errno)));
        s.ownedDir = QString::fromLocal8Bit(pattern);
        link = QDir(s.ownedDir).filePath(QStringLiteral("radio"));
    } else {
        const QFileInfo existing(link);
        if ((existing.exists() || existing.isSymLink()) && !existing.isSymLink())
            return QString(link + QStringLiteral(" exists and is not a symbolic link"));
    }
    s.linkPath = link;

    int pipeFds[2];
    if (::pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC) != 0)
        return QString(QStringLiteral("pipe: ") + QString::fromLocal8Bit(std::strerror(errno)));
    s.wakeRead = pipeFds[0];
    s.wakeWrite = pipeFds[1];
    s.stopping = false;
    s.input.clear();
    if (!publishTerminal()) {
        stop();
        return QString(QStringLiteral("could not create the pseudo-terminal at ") + link);
    }
    s.running = true;
    m_thread = std::thread([this] { serve(); });
    return {};
}

void RadioSimulator::stop() {
    State& s = *m_state;
    if (m_thread.joinable()) {
        {
            std::lock_guard lock(m_mutex);
            s.stopping = true;
        }
        const char wake = 1;
        [[maybe_unused]] auto n = ::write(s.wakeWrite, &wake, 1);
        m_thread.join();
    }
    std::lock_guard lock(m_mutex);
    s.running = false;
    if (s.terminal)
        s.terminal->close();
    s.terminal.reset();
    if (!s.linkPath.isEmpty())
        ::unlink(s.linkPath.toLocal8Bit().constData());
    if (!s.ownedDir.isEmpty())
        ::rmdir(s.ownedDir.toLocal8Bit().constData());
    s.ownedDir.clear();
    for (int* fd : {&s.wakeRead, &s.wakeWrite}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    m_changed.notify_all();
}

bool RadioSimulator::publishTerminal() {
    auto terminal = std::make_unique<PseudoTerminal>();
    if (!terminal->open())
        return false;
    State& s = *m_state;
    // Replace the link in one step, so a program never finds the path missing
    // or pointing at a half-made device.
    const QByteArray link = s.linkPath.toLocal8Bit();
    const QByteArray staging = link + ".new";
    ::unlink(staging.constData());
    if (::symlink(terminal->slavePath().toLocal8Bit().constData(), staging.constData()) != 0 ||
        ::rename(staging.constData(), link.constData()) != 0) {
        ::unlink(staging.constData());
        return false;
    }
    std::lock_guard lock(m_mutex);
    s.terminal = std::move(terminal);
    ++s.generation;
    m_changed.notify_all();
    return true;
}

QString RadioSimulator::devicePath() const {
    std::lock_guard lock(m_mutex);
    return m_state->linkPath;
}

QString RadioSimulator::currentTerminal() const {
    std::lock_guard lock(m_mutex);
    return m_state->terminal ? m_state->terminal->slavePath() : QString();
}

int RadioSimulator::generation() const {
    std::lock_guard lock(m_mutex);
    return m_state->generation;
}

bool RadioSimulator::waitForGeneration(int generation, int timeoutMs) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_state->generation >= generation; });
}

void RadioSimulator::setRebootDelayMs(int delayMs) {
    std::lock_guard lock(m_mutex);
    m_state->rebootDelayMs = delayMs;
}

void RadioSimulator::setRadioType(std::uint32_t rawType) {
    std::lock_guard lock(m_mutex);
    m_state->rawType = rawType;
    m_state->sizeFlash();
}

RadioVariant RadioSimulator::variant() const {
    std::lock_guard lock(m_mutex);
    return m_state->variant();
}

void RadioSimulator::setFirmwareRevision(const QString& revision) {
    std::lock_guard lock(m_mutex);
    m_state->revision = revision;
}

void RadioSimulator::setBuildDate(const QString& buildDate) {
    std::lock_guard lock(m_mutex);
    m_state->buildDate = buildDate;
}

void RadioSimulator::setStructVersion(std::uint32_t version) {
    std::lock_guard lock(m_mutex);
    m_state->structVersion = version;
}

void RadioSimulator::setFlashChipSerial(std::uint32_t serial) {
    std::lock_guard lock(m_mutex);
    m_state->flashChipSerial = serial;
}

void RadioSimulator::setFeatures(std::uint16_t features) {
    std::lock_guard lock(m_mutex);
    m_state->features = features;
}

void RadioSimulator::setFirmwareInfoBlock(const QByteArray& block) {
    std::lock_guard lock(m_mutex);
    m_state->infoBlockOverride = block;
}

QByteArray RadioSimulator::firmwareInfoBlock() const {
    std::lock_guard lock(m_mutex);
    return m_state->infoBlock();
}

int RadioSimulator::flashSize() const {
    std::lock_guard lock(m_mutex);
    return int(m_state->flash.size());
}

QByteArray RadioSimulator::memory(Bank bank, std::uint32_t address, int count) const {
    std::lock_guard lock(m_mutex);
    const QByteArray& memory = m_state->bank(bank);
    if (!State::fits(memory, address, count))
        return {};
    return memory.mid(qsizetype(address), count);
}

bool RadioSimulator::setMemory(Bank bank, std::uint32_t address, const QByteArray& bytes) {
    std::lock_guard lock(m_mutex);
    QByteArray& memory = m_state->bank(bank);
    if (!State::fits(memory, address, bytes.size()))
        return false;
    memory.replace(qsizetype(address), bytes.size(), bytes);
    return true;
}

Result<void, QString> RadioSimulator::loadCodeplug(const CodeplugImage& image) {
    std::lock_guard lock(m_mutex);
    State& s = *m_state;
    for (int i = 0; i < image.regions.size() && i < image.blobs.size(); ++i) {
        const CodeplugRegion& region = image.regions[i];
        if (!State::fits(s.bank(region.bank), region.address, image.blobs[i].size()))
            return QStringLiteral("region %1 (%2 0x%3, %4 bytes) lies outside the radio's memory")
                .arg(i)
                .arg(QString::fromLatin1(bankKey(region.bank)))
                .arg(region.address, 0, 16)
                .arg(image.blobs[i].size());
    }
    for (int i = 0; i < image.regions.size() && i < image.blobs.size(); ++i) {
        const CodeplugRegion& region = image.regions[i];
        s.bank(region.bank)
            .replace(qsizetype(region.address), image.blobs[i].size(), image.blobs[i]);
    }
    return {};
}

QList<QByteArray> RadioSimulator::requests() const {
    std::lock_guard lock(m_mutex);
    return m_state->requests;
}

int RadioSimulator::requestCount() const {
    std::lock_guard lock(m_mutex);
    return int(m_state->requests.size());
}

void RadioSimulator::clearRequests() {
    std::lock_guard lock(m_mutex);
    m_state->requests.clear();
}

SimScreen RadioSimulator::screen() const {
    std::lock_guard lock(m_mutex);
    return m_state->screen;
}

int RadioSimulator::rebootCount() const {
    std::lock_guard lock(m_mutex);
    return m_state->rebootCount;
}

int RadioSimulator::bufferedSector() const {
    std::lock_guard lock(m_mutex);
    return m_state->bufferSector;
}

void RadioSimulator::injectFault(SimFault fault, int afterRequests) {
    std::lock_guard lock(m_mutex);
    m_state->faults.append({fault, m_state->requestCounter + afterRequests});
}

void RadioSimulator::clearFaults() {
    std::lock_guard lock(m_mutex);
    m_state->faults.clear();
    m_state->silent = false;
}

// --- serving thread ---------------------------------------------------------

void RadioSimulator::serve() {
    State& s = *m_state;
    for (;;) {
        int master = -1;
        {
            std::lock_guard lock(m_mutex);
            if (s.stopping)
                return;
            master = s.terminal ? s.terminal->masterFd() : -1;
        }
        pollfd fds[2] = {{s.wakeRead, POLLIN, 0}, {master, POLLIN, 0}};
        const int n = ::poll(fds, master >= 0 ? 2 : 1, -1);
        if (n < 0)
            continue; // EINTR
        if (fds[0].revents != 0) {
            char drain[16];
            while (::read(s.wakeRead, drain, sizeof drain) > 0) {
            }
            continue;
        }
        if (master < 0 || fds[1].revents == 0)
            continue;
        if (fds[1].revents & POLLIN) {
            handleInput();
        } else {
            // No program has the slave open and our own slave descriptor is
            // gone too: wait a little instead of spinning on the hang-up.
            pollfd wake{s.wakeRead, POLLIN, 0};
            ::poll(&wake, 1, 10);
        }
    }
}

void RadioSimulator::handleInput() {
    State& s = *m_state;
    const int master = s.terminal->masterFd();
    char chunk[kReadChunkSize];
    const ssize_t n = ::read(master, chunk, sizeof chunk);
    if (n <= 0) {
        // EIO while no program holds the slave; anything else is transient.
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            pollfd wake{s.wakeRead, POLLIN, 0};
            ::poll(&wake, 1, 10);
        }
        return;
    }
    s.input.append(chunk, n);
    for (;;) {
        const int size = requestSize(s.input);
        if (size == 0)
            return;
        QByteArray request = s.input.left(size);
        s.input.remove(0, size);
        QByteArray answer;
        if (!processRequest(request, answer))
            return; // the device went away; bytes after the request are lost with it
        if (!answer.isEmpty())
            sendAnswer(answer);
        if (!s.terminal)
            return;
    }
}

QByteArray RadioSimulator::State::answer(const QByteArray& request, SimFiredFaults& fired) {
    static constexpr std::array kRequestRoutes{
        RequestRoute{P::kRead, &State::answerRead},
        RequestRoute{P::kCommand, &State::answerCommand},
    };
    RequestHandler handle = &State::answerWrite;
    for (const RequestRoute& route : kRequestRoutes) {
        if (route.first == std::uint8_t(request[0]))
            handle = route.handle;
    }
    QByteArray answer = (this->*handle)(request, fired);
    if (fired.wrongAck)
        answer[0] = char(kWrongAckByte);
    if (fired.garbage)
        answer.prepend(char(kGarbageByte));
    if (fired.shortAnswer)
        answer.chop(1);
    return answer;
}

// Carries out one request and builds its answer. Returns false when the
// device went away (vanish or reboot).
bool RadioSimulator::processRequest(QByteArray& request, QByteArray& answer) {
    State& s = *m_state;
    SimFiredFaults fired;
    {
        std::lock_guard lock(m_mutex);
        const int index = s.requestCounter++;
        s.requests.append(request);
        const RequestKind kind = kindOf(request);
        fired = s.takeFaults(request, kind, index);
        if (s.silent || kind == RequestKind::unknown)
            return true;
        // A vanish or a reboot fault comes instead of the request.
        if (fired.after != SimAfter::vanish && fired.after != SimAfter::faultReboot) {
            answer = s.answer(request, fired);
        }
    }
    switch (fired.after) {
    case SimAfter::nothing:
        return true;
    case SimAfter::vanish:
        vanish();
        return false;
    case SimAfter::faultReboot:
        reboot(false);
        return false;
    case SimAfter::reboot:
        sendAnswer(answer);
        answer.clear();
        reboot();
        return false;
    }
    return true;
}

void RadioSimulator::sendAnswer(const QByteArray& answer) {
    State& s = *m_state;
    if (!s.terminal)
        return;
    const int master = s.terminal->masterFd();
    qsizetype done = 0;
    while (done < answer.size()) {
        const ssize_t n = ::write(master, answer.constData() + done, size_t(answer.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return;
        // The program is not reading: give it a moment, then drop the answer.
        pollfd p{master, POLLOUT, 0};
        if (::poll(&p, 1, kAnswerWriteTimeoutMs) <= 0)
            return;
    }
}

void RadioSimulator::vanish() {
    State& s = *m_state;
    std::lock_guard lock(m_mutex);
    ::unlink(s.linkPath.toLocal8Bit().constData());
    s.terminal->close();
    s.terminal.reset();
    s.input.clear();
    s.bufferSector = -1;
    m_changed.notify_all();
}

void RadioSimulator::reboot(bool answerSent) {
    State& s = *m_state;
    // Let the program take the command's answer before the line drops. The
    // terminal hands written bytes to the slave's input queue asynchronously,
    // so first wait for the answer to arrive there (unless the program was
    // quicker), then for the program to read it.
    auto waitWhile = [&](auto condition, int limitMs) {
        for (int waited = 0; waited < limitMs && condition(); waited += 2) {
            pollfd wake{s.wakeRead, POLLIN, 0};
            if (::poll(&wake, 1, 2) > 0)
                return false;
        }
        return true;
    };
    const bool notStopping =
        !answerSent ||
        (waitWhile([&] { return s.terminal->pendingInput() == 0; }, kAnswerArrivalMs) &&
         waitWhile([&] { return s.terminal->pendingInput() > 0; }, kDrainBeforeRebootMs));
    if (!notStopping)
        return;
    int delayMs = 0;
    {
        std::lock_guard lock(m_mutex);
        ++s.rebootCount;
        s.screen.open = false;
        s.screen.visible = false;
        s.screen.lines = {QString(), QString(), QString()};
        delayMs = s.rebootDelayMs;
    }
    vanish();
    pollfd wake{s.wakeRead, POLLIN, 0};
    if (::poll(&wake, 1, delayMs) > 0)
        return; // stopping while away
    publishTerminal();
}

} // namespace nerka
