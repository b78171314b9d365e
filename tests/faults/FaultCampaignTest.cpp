// The fault campaign: every fault the stand-in radio can produce, injected at
// chosen requests of every transfer (identify; codeplug read and write; DMR
// database write and read). The requests come from a healthy run of the same
// operation, so the injection points follow the protocol as it is spoken. A
// block write is a codeplug write against the codeplug read just before, so
// that only the changed blocks go out.
// Each combination must end in exactly one report of the link's own error
// text, with everything in memory as it was, the radio's transfer screen
// closed whenever the radio still answers, and a controller that connects and
// reads again.

#include "StandInRadio.h"

#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"
#include "dmrdb/DMRFlashFormat.h"
#include "dmrdb/DMRUserDBImport.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace nerka;
using nerka::test::ControllerOnStandIn;
using nerka::test::StandInRadio;

namespace {

using Status = RadioController::Status;

enum class Operation { identify, codeplugRead, codeplugWrite, blockWrite, dmrWrite, dmrRead };

// A time scale that puts the reconnect after a reboot far beyond any test.
constexpr double kNoReconnect = 1000.0;
constexpr int kDmrEntries = 600; // a little over two flash sectors of records
constexpr int kRebootBackMs = 5000;
// Regions marked changed before each operation; a write sends all four.
const RegionSet kDirtyBefore{1, 3};
const RegionSet kAllRegions{0, 1, 2, 3};

std::string operationName(Operation op) {
    switch (op) {
    case Operation::identify:
        return "Identify";
    case Operation::codeplugRead:
        return "CodeplugRead";
    case Operation::codeplugWrite:
        return "CodeplugWrite";
    case Operation::blockWrite:
        return "BlockWrite";
    case Operation::dmrWrite:
        return "DmrWrite";
    case Operation::dmrRead:
        return "DmrRead";
    }
    return {};
}

std::string faultName(SimFault fault) {
    switch (fault) {
    case SimFault::silence:
        return "Silence";
    case SimFault::wrongLength:
        return "WrongLength";
    case SimFault::wrongAck:
        return "WrongAck";
    case SimFault::garbage:
        return "Garbage";
    case SimFault::vanish:
        return "Vanish";
    case SimFault::shortAnswer:
        return "ShortAnswer";
    case SimFault::reboot:
        return "Reboot";
    case SimFault::corruptWrite:
        return "CorruptWrite";
    case SimFault::unloadedSectorBuffer:
        return "UnloadedSectorBuffer";
    }
    return {};
}

DeviceOperation deviceOperation(Operation op) {
    switch (op) {
    case Operation::identify:
        return DeviceOperation::connect;
    case Operation::codeplugRead:
        return DeviceOperation::readCodeplug;
    case Operation::codeplugWrite:
    case Operation::blockWrite:
        return DeviceOperation::writeCodeplug;
    case Operation::dmrWrite:
        return DeviceOperation::writeDmrDatabase;
    case Operation::dmrRead:
        return DeviceOperation::readDmrDatabase;
    }
    return DeviceOperation::connect;
}

// gtest prints parameters through these (also into the CTest names).
void PrintTo(Operation op, std::ostream* os) {
    *os << operationName(op);
}

} // namespace

namespace nerka {
void PrintTo(SimFault fault, std::ostream* os);
} // namespace nerka

void nerka::PrintTo(SimFault fault, std::ostream* os) {
    *os << faultName(fault);
}

namespace {

std::uint32_t u32be(const QByteArray& b, int offset) {
    return (std::uint32_t(std::uint8_t(b[offset])) << 24) |
           (std::uint32_t(std::uint8_t(b[offset + 1])) << 16) |
           (std::uint32_t(std::uint8_t(b[offset + 2])) << 8) | std::uint8_t(b[offset + 3]);
}

bool isCommand(const QByteArray& r) {
    return r.size() == 23 && r[0] == 'C';
}
bool isBlockRead(const QByteArray& r, Bank bank) {
    return r.size() == 8 && r[0] == 'R' && r[1] == (bank == Bank::flash ? 0x01 : 0x02);
}
bool isWrite(const QByteArray& r, int sub) {
    return r.size() >= 2 && (r[0] == 'W' || r[0] == 'X') && r[1] == sub;
}
bool within(std::uint32_t address, std::uint32_t start, qint64 length) {
    return address >= start && qint64(address - start) < length;
}

// A request of the healthy run at which a fault is injected.
struct InjectionPoint {
    int index = 0; // requests since the operation started
    QString phase;
    QByteArray request;
};

class PointList {
public:
    explicit PointList(const QList<QByteArray>& trace) : m_trace(trace) {}

    void add(int index, const QString& phase) {
        if (index < 0 || m_taken.contains(index))
            return;
        m_taken.insert(index);
        m_points.append({index, phase, m_trace[index]});
    }
    // The first, middle and last of `indices`.
    void addSpread(const QList<int>& indices, const QString& phase) {
        if (indices.isEmpty())
            return;
        add(indices.first(), phase + QStringLiteral(", first"));
        add(indices[indices.size() / 2], phase + QStringLiteral(", middle"));
        add(indices.last(), phase + QStringLiteral(", last"));
    }
    QList<int> where(const std::function<bool(const QByteArray&)>& test, int from = 0,
                     int to = -1) const {
        QList<int> out;
        const int end = to < 0 ? int(m_trace.size()) : to;
        for (int i = from; i < end; ++i) {
            if (test(m_trace[i]))
                out.append(i);
        }
        return out;
    }
    // The screen sequence at the start (each packet is handled alike).
    void addScreen() {
        const QList<int> screen = where(isCommand, 0, 8);
        if (screen.size() == 8)
            add(0, QStringLiteral("transfer screen"));
    }
    // Set-sector, buffer writes and sector commits of one flash range.
    void addFlashWrite(std::uint32_t start, qint64 length, const QString& name) {
        const QList<int> buffers = where([&](const QByteArray& r) {
            return isWrite(r, 0x02) && within(u32be(r, 2), start, length);
        });
        if (buffers.isEmpty())
            return;
        const QList<int> sets =
            where([](const QByteArray& r) { return isWrite(r, 0x01); }, 0, buffers.first());
        if (!sets.isEmpty())
            add(sets.last(), name + QStringLiteral(", set flash sector"));
        addSpread(buffers, name + QStringLiteral(", sector buffer write"));
        const QList<int> commits =
            where([](const QByteArray& r) { return isWrite(r, 0x03); }, buffers.first());
        if (!commits.isEmpty())
            add(commits.first(), name + QStringLiteral(", sector commit"));
    }
    void addLast(const QString& phase) { add(int(m_trace.size()) - 1, phase); }
    void addLastCommit() {
        const QList<int> commits = where([](const QByteArray& r) { return isWrite(r, 0x03); });
        if (!commits.isEmpty())
            add(commits.last(), QStringLiteral("last sector commit"));
    }

    [[nodiscard]] const QList<InjectionPoint>& points() const { return m_points; }

private:
    QList<QByteArray> m_trace;
    QSet<int> m_taken;
    QList<InjectionPoint> m_points;
};

QString regionName(int index, const CodeplugRegion& region) {
    return QStringLiteral("region %1 (%2)")
        .arg(index)
        .arg(region.bank == Bank::flash ? QStringLiteral("flash") : QStringLiteral("EEPROM"));
}

QList<InjectionPoint> injectionPoints(Operation op, const QList<QByteArray>& trace,
                                      const CodeplugLayout& layout, const DMRFlashAreas& areas) {
    PointList points(trace);
    switch (op) {
    case Operation::identify:
        points.add(0, QStringLiteral("firmware information"));
        break;
    case Operation::codeplugRead:
        points.addScreen();
        for (int i = 0; i < layout.regions.size(); ++i) {
            const CodeplugRegion& region = layout.regions[i];
            points.addSpread(points.where([&](const QByteArray& r) {
                return isBlockRead(r, region.bank) &&
                       within(u32be(r, 2), region.address, region.length);
            }),
                             regionName(i, region) + QStringLiteral(", block read"));
        }
        points.addLast(QStringLiteral("closing the transfer screen"));
        break;
    case Operation::codeplugWrite:
    case Operation::blockWrite: {
        points.addScreen();
        for (int i = 0; i < layout.regions.size(); ++i) {
            const CodeplugRegion& region = layout.regions[i];
            if (region.bank == Bank::flash) {
                points.addFlashWrite(region.address, region.length, regionName(i, region));
            } else {
                points.addSpread(points.where([&](const QByteArray& r) {
                    return isWrite(r, 0x04) && within(u32be(r, 2), region.address, region.length);
                }),
                                 regionName(i, region) + QStringLiteral(", EEPROM write"));
            }
        }
        points.addLastCommit();
        // The reboot command's answer is not waited for; the close before it is.
        const QList<int> closes =
            points.where([](const QByteArray& r) { return isCommand(r) && r[1] == 0x05; });
        if (!closes.isEmpty())
            points.add(closes.last(), QStringLiteral("closing the transfer screen"));
        break;
    }
    case Operation::dmrWrite: {
        points.addScreen();
        points.addFlashWrite(areas.area1.address, areas.area1.size, QStringLiteral("area 1"));
        points.addLastCommit();
        const QList<int> closes =
            points.where([](const QByteArray& r) { return isCommand(r) && r[1] == 0x05; });
        if (!closes.isEmpty())
            points.add(closes.last(), QStringLiteral("closing the transfer screen"));
        break;
    }
    case Operation::dmrRead:
        points.add(0, QStringLiteral("database header"));
        points.addSpread(
            points.where([](const QByteArray& r) { return isBlockRead(r, Bank::flash); }, 1),
            QStringLiteral("area 1, block read"));
        break;
    }
    return points.points();
}

// The error the link reports for `fault` at `request`.
QString expectedError(SimFault fault, const QByteArray& request) {
    switch (fault) {
    case SimFault::silence:
    case SimFault::shortAnswer:
        return QStringLiteral("Timeout while reading from the device.");
    case SimFault::vanish:
    case SimFault::reboot:
        return QStringLiteral("Reading from the serial port failed: ") +
               QString::fromLocal8Bit(std::strerror(EIO));
    default:
        break;
    }
    const QString bad = QStringLiteral("Invalid response from device: ");
    const QString shown = fault == SimFault::wrongAck ? QStringLiteral("N") : QString(QChar(0xA5));
    const auto hex = [&] { return QString::number(u32be(request, 2), 16).toUpper(); };
    if (request[0] == 'R' && request[1] == 0x09)
        return bad +
               (fault == SimFault::wrongLength
                    ? QStringLiteral("Could not parse firmware info.")
                    : QString(QStringLiteral("Firmware-Info Typ '") + shown + QStringLiteral("'")));
    if (request[0] == 'R')
        return bad + (fault == SimFault::wrongLength
                          ? QString(QStringLiteral("Unexpected block length 16 @ 0x") + hex())
                          : QString(QStringLiteral("Lese-Antwort Typ '") + shown +
                                    QStringLiteral("' @ 0x") + hex()));
    if (request[0] == 'C')
        return bad + QStringLiteral("Kommando-Antwort '") + shown + QStringLiteral("'");
    QString context;
    switch (request[1]) {
    case 0x01:
        context = QStringLiteral("SET_FLASH_SECTOR %1")
                      .arg((std::uint8_t(request[2]) << 16) | (std::uint8_t(request[3]) << 8) |
                           std::uint8_t(request[4]));
        break;
    case 0x02:
        context = QStringLiteral("FLASH-Buffer @ 0x") + hex();
        break;
    case 0x03:
        context = QStringLiteral("WRITE_FLASH_SECTOR");
        break;
    default:
        context = QStringLiteral("EEPROM @ 0x") + hex();
        break;
    }
    return bad + context + QStringLiteral(": Antwort '") + shown + QStringLiteral("'");
}

// Everything the controller holds in memory that a failed transfer must keep.
struct HeldInMemory {
    std::optional<CodeplugImage> image;
    QList<RadioChannel> channels;
    QList<DMRContact> contacts;
    QList<Talkgroup> talkgroups;
    QList<Zone> zones;
    QStringList aprsSystems;
    std::optional<DeviceSettings> settings;
    QList<Satellite> satellites;
    RegionSet dirty;
    std::optional<DMRUserDatabase> dmr;
    std::optional<int> dmrOnDevice;

    static HeldInMemory of(const RadioController& c) {
        return {c.document().image(),        c.document().channels(),
                c.document().contacts(),     c.document().talkgroups(),
                c.document().zones(),        c.document().aprsSystems(),
                c.document().settings(),     c.document().satellites(),
                c.document().dirtyRegions(), c.dmrUserDB(),
                c.dmrDBOnDeviceCount()};
    }
    friend bool operator==(const HeldInMemory&, const HeldInMemory&) = default;
};

QByteArray dmrCsv() {
    QByteArray text = "RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n";
    for (int i = 0; i < kDmrEntries; ++i)
        text +=
            QByteArray::number(2620000 + i * 3) + ",DL" + QByteArray::number(i) + "XY,Ann,Lee\n";
    return text;
}

using Combination = std::tuple<Operation, SimFault>;

class FaultCampaign : public ::testing::TestWithParam<Combination> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        codeplugPath = dir.filePath(QStringLiteral("sample.nerka"));
        QFile file(codeplugPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(encodeCodeplugFile(sampleCodeplug(RadioVariant::gd77)));
        file.close();
        // Bytes changed at the start, middle and end of every region.
        CodeplugImage changed = sampleCodeplug(RadioVariant::gd77);
        for (QByteArray& blob : changed.blobs) {
            for (qsizetype at : {qsizetype(0), blob.size() / 2, blob.size() - 1})
                blob[at] = char(blob[at] ^ 0x5A);
        }
        changedPath = dir.filePath(QStringLiteral("changed.nerka"));
        QFile changedFile(changedPath);
        ASSERT_TRUE(changedFile.open(QIODevice::WriteOnly));
        changedFile.write(encodeCodeplugFile(changed));
        changedFile.close();
        csvPath = dir.filePath(QStringLiteral("ids.csv"));
        QFile csv(csvPath);
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write(dmrCsv());
    }

    // A radio with the sample codeplug and, for a database read, a database.
    std::unique_ptr<StandInRadio> makeRadio(Operation op) const {
        auto radio = std::make_unique<StandInRadio>();
        if (op == Operation::dmrRead) {
            DMRUserDatabase database;
            database.entries = DMRUserDBImport::parseFileContents(dmrCsv()).entries;
            const DMRFlashImage flash = encodeForFlash(database, RadioVariant::gd77);
            EXPECT_TRUE(radio->sim.setMemory(
                Bank::flash, dmrFlashAreas(RadioVariant::gd77).area1.address, flash.area1));
        }
        return radio;
    }

    // A controller holding a file's codeplug with changes, a DMR database and
    // (except before an identification) a connection to `radio`.
    std::unique_ptr<ControllerOnStandIn> makeController(Operation op, StandInRadio& radio) {
        auto c = std::make_unique<ControllerOnStandIn>(kNoReconnect);
        // The write's own requests are counted; the backup before a write is
        // a codeplug read, which the read phase already covers.
        (*c)->setBackupBeforeWrite(false);
        (*c)->openCodeplugFile(codeplugPath);
        (*c)->importDMRDatabase(csvPath);
        c->drain();
        c->drain();
        (*c)->markRegionsChanged(op == Operation::codeplugWrite ? kAllRegions : kDirtyBefore);
        if (op == Operation::identify) {
            (*c)->registerDevice(radio.device());
            (*c)->selectPort(radio.device());
        } else {
            EXPECT_TRUE(c->connectTo(radio));
        }
        if (op == Operation::blockWrite) {
            (*c)->readCodeplug();
            c->finish();
            (*c)->openCodeplugFile(changedPath);
            c->drain();
            EXPECT_EQ((*c)->document().dirtyRegions(), kAllRegions);
        }
        EXPECT_TRUE((*c)->dmrUserDB().has_value());
        return c;
    }

    static void start(Operation op, ControllerOnStandIn& c) {
        switch (op) {
        case Operation::identify:
            c->connectRadio(false);
            break;
        case Operation::codeplugRead:
            c->readCodeplug();
            break;
        case Operation::codeplugWrite:
        case Operation::blockWrite:
            c->writeChanges();
            break;
        case Operation::dmrWrite:
            c->writeDMRDatabase();
            break;
        case Operation::dmrRead:
            c->readDMRDatabaseFromDevice();
            break;
        }
        c.finish();
    }

    // The requests of a healthy run of `op`.
    QList<QByteArray> healthyTrace(Operation op) {
        auto radio = makeRadio(op);
        auto c = makeController(op, *radio);
        radio->sim.clearRequests();
        start(op, *c);
        EXPECT_TRUE(c->results.reports.isEmpty()) << c->results.reports.join(u'\n').toStdString();
        return radio->sim.requests();
    }

    // `fullRead`: end with a whole codeplug read (slow; once per operation and fault).
    void runAt(Operation op, SimFault fault, const InjectionPoint& point, bool fullRead) {
        SCOPED_TRACE(point.phase.toStdString() + " (request " + std::to_string(point.index) + ")");
        auto radio = makeRadio(op);
        auto c = makeController(op, *radio);
        const HeldInMemory before = HeldInMemory::of(**c);
        c->results.clear();

        radio->sim.clearRequests();
        radio->sim.injectFault(fault, point.index);
        start(op, *c);
        const QList<OperationResult> ended = c->results.operations;

        const QString expected = expectedError(fault, point.request);
        EXPECT_EQ(c->results.reports, QStringList{expected})
            << "the error is reported once, and no other";
        // The operation's own result names the link's failure, as typed as the text.
        ASSERT_EQ(ended.size(), 1);
        EXPECT_EQ(ended[0].operation, deviceOperation(op));
        EXPECT_EQ(ended[0].error, OperationErrorKind::link);
        EXPECT_TRUE(ended[0].linkError.has_value());
        EXPECT_EQ(ended[0].text, expected);
        EXPECT_EQ((*c)->progress(), 0.0);
        if ((fault == SimFault::vanish || fault == SimFault::reboot) && op != Operation::identify) {
            // A radio that went away (unplugged, or rebooted into a new
            // device) ends the connection; the codeplug stays, to be written
            // whole to whatever radio comes next.
            EXPECT_EQ((*c)->status(), Status::disconnected());
            EXPECT_FALSE((*c)->hasInterface());
            HeldInMemory after = HeldInMemory::of(**c);
            EXPECT_EQ(after.image.has_value(), before.image.has_value());
            if (after.image) {
                EXPECT_EQ(qsizetype(after.dirty.size()), after.image->blobs.size())
                    << "every region is to be written";
            }
            after.dirty = before.dirty;
            after.dmrOnDevice = before.dmrOnDevice;
            EXPECT_TRUE(after == before) << "the codeplug and the lists stay in memory";
        } else {
            EXPECT_EQ((*c)->status(),
                      op == Operation::identify ? Status::disconnected() : Status::connected());
            EXPECT_TRUE(HeldInMemory::of(**c) == before) << "memory is as before the operation";
        }

        // A radio that still answers is taken out of its transfer screen and
        // keeps no sector half-filled in its buffer.
        if (fault != SimFault::silence && fault != SimFault::vanish) {
            EXPECT_FALSE(radio->sim.screen().open) << "the transfer screen is closed";
            // A wrongly answered set-sector request may have loaded the sector
            // into the radio's buffer unchanged; the program cannot know.
            if (!isWrite(point.request, 0x01)) {
                EXPECT_EQ(radio->sim.bufferedSector(), -1) << "the open sector was committed";
            }
        }

        // The controller is usable afterwards. Where the link survived, on the
        // same connection: nothing of the failed exchange is left on the line.
        radio->sim.clearFaults();
        const bool linkSurvives =
            op != Operation::identify && fault != SimFault::vanish && fault != SimFault::reboot;
        if (linkSurvives)
            expectExchangeWorks(*c, "on the same connection");
        // Against a healthy radio the next connect succeeds, and so does a read.
        if (fault == SimFault::vanish) {
            ASSERT_TRUE(radio->sim.start().ok());
        }
        if (fault == SimFault::reboot) {
            ASSERT_TRUE(radio->sim.waitForGeneration(2, kRebootBackMs));
        }
        ASSERT_TRUE(c->connectTo(*radio)) << c->results.reports.join(u'\n').toStdString();
        expectExchangeWorks(*c, "after connecting again");
        if (fullRead) {
            (*c)->readCodeplug();
            c->finish();
            EXPECT_EQ((*c)->status(), Status::connected());
            EXPECT_EQ(c->results.operations.last(),
                      OperationResult::success(DeviceOperation::readCodeplug));
            ASSERT_TRUE((*c)->document().image().has_value());
            EXPECT_TRUE(*(*c)->document().image() == radio->memoryAs(*(*c)->document().image()));
        }
    }

    // One block read from the radio (the database count) succeeds.
    static void expectExchangeWorks(ControllerOnStandIn& c, const char* when) {
        SCOPED_TRACE(when);
        c.results.clear();
        c->refreshDMRDatabaseOnDeviceCount(true);
        c.drain();
        // (A count the connect started may end in this time as well.)
        ASSERT_FALSE(c.results.operations.isEmpty());
        EXPECT_EQ(c.results.operations.last(),
                  OperationResult::success(DeviceOperation::countDmrDatabase));
        for (const OperationResult& result : c.results.operations)
            EXPECT_TRUE(result.ok()) << result.text.toStdString();
        EXPECT_TRUE(c.results.reports.isEmpty());
        EXPECT_TRUE(c->dmrDBOnDeviceCount().has_value());
    }

    QTemporaryDir dir;
    QString codeplugPath;
    QString changedPath; // the sample with a few bytes changed in every region
    QString csvPath;
};

TEST_P(FaultCampaign, ReportsOnceKeepsMemoryAndStaysUsable) {
    const auto [op, fault] = GetParam();
    const QList<QByteArray> trace = healthyTrace(op);
    ASSERT_FALSE(trace.isEmpty());
    QList<InjectionPoint> points = injectionPoints(op, trace, layoutForVariant(RadioVariant::gd77),
                                                   dmrFlashAreas(RadioVariant::gd77));
    // A wrong length exists only where a length is answered: the reads.
    if (fault == SimFault::wrongLength)
        points.removeIf([](const InjectionPoint& p) { return p.request[0] != 'R'; });
    ASSERT_FALSE(points.isEmpty());
    for (const InjectionPoint& point : points) {
        runAt(op, fault, point, &point == &points.last());
        if (HasFatalFailure())
            return;
    }
    RecordProperty("combinations", int(points.size()));
    std::printf("[ combinations ] %d\n", int(points.size()));
}

std::string combinationName(const ::testing::TestParamInfo<Combination>& info) {
    return operationName(std::get<0>(info.param)) + "_" + faultName(std::get<1>(info.param));
}

// Every operation with every fault kind, except a wrong length where no
// answer of the operation carries one (the writes).
std::vector<Combination> everyCombination() {
    std::vector<Combination> out;
    for (Operation op : {Operation::identify, Operation::codeplugRead, Operation::codeplugWrite,
                         Operation::blockWrite, Operation::dmrWrite, Operation::dmrRead}) {
        for (SimFault fault :
             {SimFault::silence, SimFault::shortAnswer, SimFault::wrongLength, SimFault::wrongAck,
              SimFault::garbage, SimFault::vanish, SimFault::reboot}) {
            const bool writes = op == Operation::codeplugWrite || op == Operation::blockWrite ||
                                op == Operation::dmrWrite;
            if (!(writes && fault == SimFault::wrongLength))
                out.emplace_back(op, fault);
        }
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(EveryPhase, FaultCampaign, ::testing::ValuesIn(everyCombination()),
                         combinationName);

} // namespace
