#include "StandInRadio.h"

#include "Bytes.h"
#include "LocalHttpServer.h"
#include "dmrdb/DMRFlashFormat.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::ControllerOnStandIn;
using nerka::test::LocalHttpServer;
using nerka::test::StandInRadio;

namespace {

using Status = RadioController::Status;

constexpr std::uint32_t kGd77Area1 = 0x30000;
constexpr std::uint32_t kGd77Area2 = 0xB8000;
constexpr std::uint32_t kUv380Area1 = 0x50000;
const QString kCsvPath = QString::fromLatin1(WebServices::kDmrIdPath);

// A reboot far in the future: the tests reconnect by hand after a write.
constexpr double kNoReconnect = 1000.0;

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// `count` rows with distinct IDs from 1000000 on, in scrambled order.
QByteArray syntheticCsv(int count) {
    QByteArray text = "RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n";
    for (int i = 0; i < count; ++i) {
        const int n = int((qint64(i) * 7919) % count);
        text += QByteArray::number(1000000 + n) + ",XX" + QByteArray::number(n) + ",Ann,Lee\n";
    }
    return text;
}

// Imports a CSV text and waits for it to arrive.
void importCsv(ControllerOnStandIn& c, const QTemporaryDir& dir, const QByteArray& csv,
               const QString& name = QStringLiteral("ids.csv")) {
    c->importDMRDatabase(writeFile(dir, name, csv));
    c.drain();
}

bool reconnect(ControllerOnStandIn& c, StandInRadio& radio, int generation) {
    return radio.sim.waitForGeneration(generation, 5000) && c.connectTo(radio);
}

} // namespace

TEST(DmrDatabase, WriteThenReadBackSmallDatabaseOnGd77) {
    QTemporaryDir dir;
    StandInRadio radio;
    ControllerOnStandIn c(kNoReconnect);
    importCsv(c, dir,
              "3000003,XX0CCC,Cy,\n1000001,XX0AAA,Ann,Lee\n2000002,XX0BBB,Bo,\n"
              "1000001,XX0DUP,Dup,\n");
    ASSERT_TRUE(c.connectTo(radio));

    c->writeDMRDatabase();
    EXPECT_EQ(c->status(), Status::working(QStringLiteral("Writing DMR database…")));
    c.finish();
    EXPECT_EQ(c.results.last(DeviceOperation::writeDmrDatabase),
              OperationResult::success(DeviceOperation::writeDmrDatabase));
    EXPECT_EQ(c->status(), Status::disconnected());
    EXPECT_FALSE(c->hasInterface());
    EXPECT_EQ(c->progress(), 1.0);
    EXPECT_EQ(c->dmrDBOnDeviceCount(), 3);
    // The transfer screen showed "DMR DB"; the last sector was committed, the
    // screen closed and the radio rebooted, in that order.
    const QList<QByteArray> requests = radio.sim.requests();
    EXPECT_TRUE(std::any_of(requests.begin(), requests.end(), [](const QByteArray& r) {
        return r.startsWith("C\x02") && r.contains("DMR DB");
    }));
    ASSERT_GE(requests.size(), 3);
    EXPECT_EQ(requests[requests.size() - 3], QByteArray("W\x03", 2));
    EXPECT_TRUE(requests[requests.size() - 2].startsWith(QByteArray("C\x05", 2)));
    EXPECT_TRUE(requests.last().startsWith(QByteArray("C\x06\x01", 3)));
    EXPECT_EQ(radio.sim.screen().closeCount, 1);

    // Header "IdN", 0x4A + 15, reserved, count 3; records by ascending ID,
    // the 24-bit ID little-endian first.
    const QByteArray area1 = radio.sim.memory(Bank::flash, kGd77Area1, 12 + 3 * 15 + 4);
    EXPECT_EQ(area1.first(12), bytes({0x49, 0x64, 0x4E, 0x59, 0, 0, 0, 0, 3, 0, 0, 0}));
    EXPECT_EQ(area1.mid(12, 3), bytes({0x41, 0x42, 0x0F})); // 1000001
    EXPECT_EQ(area1.mid(27, 3), bytes({0x82, 0x84, 0x1E})); // 2000002
    EXPECT_EQ(area1.mid(42, 3), bytes({0xC3, 0xC6, 0x2D})); // 3000003
    EXPECT_EQ(area1.last(4), QByteArray(4, char(0xFF))) << "nothing beyond the records";

    ASSERT_TRUE(reconnect(c, radio, 2));
    EXPECT_EQ(radio.sim.rebootCount(), 1);
    c->setDMRDatabaseOptions(DMRNameFormat::fullName, DMRDBFormat::uncompressed, 8);
    EXPECT_EQ(c.resultOf(DeviceOperation::readDmrDatabase, [&] { c->readDMRDatabaseFromDevice(); }),
              OperationResult::success(DeviceOperation::readDmrDatabase));
    c.finish();
    EXPECT_EQ(c->status(), Status::connected());
    ASSERT_TRUE(c->dmrUserDB().has_value());
    EXPECT_EQ(c->dmrUserDB()->entries.toList(),
              (QList<DMRUserEntry>{{1000001, QStringLiteral("XX0AAA Ann"), {}, {}},
                                   {2000002, QStringLiteral("XX0BBB Bo"), {}, {}},
                                   {3000003, QStringLiteral("XX0CCC Cy"), {}, {}}}));
    EXPECT_EQ(c->dmrUserDB()->nameFormat, DMRNameFormat::fullName) << "kept from before";
    EXPECT_EQ(c->dmrUserDB()->format, DMRDBFormat::compressed) << "taken from the header";
    EXPECT_EQ(c->dmrUserDB()->textLength, 16);
}

// The database write reboots the radio but leaves its codeplug alone: once
// the same radio is back, the codeplug write still lists its changes.
TEST(DmrDatabase, TheSameRadioBackAfterTheWriteStillHasItsChangesListed) {
    QTemporaryDir dir;
    StandInRadio radio;
    ControllerOnStandIn c(kNoReconnect);
    importCsv(c, dir, "1000001,XX0AAA,Ann,Lee\n");
    ASSERT_TRUE(c.connectTo(radio));
    c->readCodeplug();
    c.finish();
    c->writeDMRDatabase();
    c.finish();
    ASSERT_TRUE(reconnect(c, radio, 2));
    ASSERT_TRUE(c->document().deleteChannels({1}).isDone());

    const auto groups = c->pendingWriteChanges();
    ASSERT_TRUE(groups.has_value()) << "the radio's codeplug is still known";
    ASSERT_FALSE(groups->isEmpty());
    EXPECT_EQ(groups->first().lines.first(), QStringLiteral("Channel 1 S20 Anruf deleted"));
}

TEST(DmrDatabase, ThirtyThousandEntriesSpanBothAreasAndReadBack) {
    QTemporaryDir dir;
    StandInRadio radio;
    ControllerOnStandIn c(kNoReconnect);
    importCsv(c, dir, syntheticCsv(30000));
    ASSERT_TRUE(c.connectTo(radio));
    QList<double> progress;
    QObject::connect(c.controller.get(), &RadioController::progressChanged,
                     [&] { progress.append(c->progress()); });

    c->writeDMRDatabase();
    c.finish();
    EXPECT_EQ(c->dmrDBOnDeviceCount(), 30000);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_GT(progress.size(), 1000) << "progress after every piece";

    const DMRFlashImage expected = encodeForFlash(*c->dmrUserDB(), RadioVariant::gd77);
    ASSERT_EQ(expected.area1.size(), 12 + 17475 * 15);
    ASSERT_EQ(expected.area2.size(), 12525 * 15);
    EXPECT_EQ(radio.sim.memory(Bank::flash, kGd77Area1, int(expected.area1.size())),
              expected.area1);
    EXPECT_EQ(radio.sim.memory(Bank::flash, kGd77Area2, int(expected.area2.size())),
              expected.area2);
    EXPECT_EQ(radio.sim.memory(Bank::flash, kGd77Area1 + 262137, 7), QByteArray(7, char(0xFF)))
        << "the rest of area 1's last sector keeps its bytes";

    ASSERT_TRUE(reconnect(c, radio, 2));
    c->readDMRDatabaseFromDevice();
    c.finish();
    EXPECT_EQ(c.results.last(DeviceOperation::readDmrDatabase),
              OperationResult::success(DeviceOperation::readDmrDatabase));
    ASSERT_EQ(c->dmrUserDB()->entries.size(), 30000);
    EXPECT_EQ(c->dmrUserDB()->entries.at(0),
              (DMRUserEntry{1000000, QStringLiteral("XX0 Ann"), {}, {}}));
    EXPECT_EQ(c->dmrUserDB()->entries.at(17475),
              (DMRUserEntry{1017475, QStringLiteral("XX17475 Ann"), {}, {}}))
        << "the first record of area 2";
    EXPECT_EQ(c->dmrUserDB()->entries.at(29999),
              (DMRUserEntry{1029999, QStringLiteral("XX29999 Ann"), {}, {}}));
    EXPECT_EQ(c->progress(), 1.0);
}

TEST(DmrDatabase, FortyThousandEntriesDropWhatDoesNotFit) {
    QTemporaryDir dir;
    StandInRadio radio;
    ControllerOnStandIn c(kNoReconnect);
    importCsv(c, dir, syntheticCsv(40000));
    ASSERT_TRUE(c.connectTo(radio));
    c->writeDMRDatabase();
    c.finish();
    EXPECT_EQ(c->dmrDBOnDeviceCount(), 37135);
    EXPECT_EQ(radio.sim.memory(Bank::flash, kGd77Area1 + 8, 4), bytes({0x0F, 0x91, 0, 0}));
    // The last record: the 19660th of area 2, ID 1037134.
    EXPECT_EQ(radio.sim.memory(Bank::flash, kGd77Area2 + 19659 * 15, 3), bytes({0x4E, 0xD3, 0x0F}));
}

TEST(DmrDatabase, SilentRadioMidWriteChangesNothingInMemory) {
    QTemporaryDir dir;
    StandInRadio radio;
    ControllerOnStandIn c(kNoReconnect);
    importCsv(c, dir, syntheticCsv(500));
    ASSERT_TRUE(c.connectTo(radio));
    const auto databaseBefore = c->dmrUserDB();
    const auto imageBefore = c->document().image();

    // A wrong answer in the middle: the open sector is still committed and
    // the transfer screen closed.
    radio.sim.injectFault(SimFault::wrongAck, 150);
    c->writeDMRDatabase();
    c.finish();
    EXPECT_EQ(c->status(), Status::connected());
    EXPECT_EQ(c->progress(), 0.0);
    const auto failed = c.results.last(DeviceOperation::writeDmrDatabase);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->error, OperationErrorKind::link);
    EXPECT_EQ(c.results.reports, QStringList{failed->text});
    EXPECT_EQ(c->dmrUserDB(), databaseBefore);
    EXPECT_EQ(c->document().image(), imageBefore);
    EXPECT_FALSE(c->dmrDBOnDeviceCount().has_value());
    EXPECT_EQ(radio.sim.bufferedSector(), -1) << "the open sector was committed";
    EXPECT_EQ(radio.sim.memory(Bank::flash, kGd77Area1, 3), bytes({0x49, 0x64, 0x4E}));
    EXPECT_FALSE(radio.sim.screen().open);
    EXPECT_EQ(radio.sim.rebootCount(), 0);

    // Silence: the commit gets no answer, so no close is sent after it.
    radio.sim.clearRequests();
    radio.sim.injectFault(SimFault::silence, 100);
    c->writeDMRDatabase();
    c.finish();
    EXPECT_EQ(c->status(), Status::connected());
    EXPECT_EQ(c.results.last(DeviceOperation::writeDmrDatabase)->text,
              QStringLiteral("Timeout while reading from the device."));
    const QList<QByteArray> requests = radio.sim.requests();
    ASSERT_FALSE(requests.isEmpty());
    EXPECT_EQ(requests.last(), QByteArray("W\x03", 2)) << "the commit is the last request";
    EXPECT_EQ(c->dmrUserDB(), databaseBefore);
}

TEST(DmrDatabase, DeviceWithoutDatabaseAndTextLengthsFromHeaders) {
    QTemporaryDir dir;
    StandInRadio radio;
    ControllerOnStandIn c;
    importCsv(c, dir, "1234567,XX0AAA,Ann,\n");
    const auto databaseBefore = c->dmrUserDB();
    ASSERT_TRUE(c.connectTo(radio));

    EXPECT_TRUE(
        c.resultOf(DeviceOperation::readDmrDatabase, [&] { c->readDMRDatabaseFromDevice(); }).ok());
    c.finish();
    EXPECT_EQ(c->dmrDBOnDeviceCount(), 0);
    EXPECT_EQ(c->status(), Status::connected());
    EXPECT_EQ(c->dmrUserDB(), databaseBefore);

    // One record with ID 1234567 and the text "AB", by record size and format.
    struct Case {
        int letter;
        int recordSize;
        QByteArray record;
        int textLength;
        DMRDBFormat format;
    };
    const QByteArray packedAB = bytes({0x87, 0xD6, 0x12, 0x2C, 0xC0});
    const QByteArray bcdAB = bytes({0x67, 0x45, 0x23, 0x01, 0x41, 0x42});
    const Case cases[] = {{'N', 15, packedAB, 16, DMRDBFormat::compressed},
                          {'N', 18, packedAB, 20, DMRDBFormat::compressed},
                          {'T', 20, bcdAB, 16, DMRDBFormat::uncompressed}};
    for (const Case& k : cases) {
        QByteArray area = bytes({0x49, 0x64, unsigned(k.letter), unsigned(0x4A + k.recordSize), 0,
                                 0, 0, 0, 1, 0, 0, 0});
        area += k.record + QByteArray(k.recordSize - k.record.size(), '\0');
        ASSERT_TRUE(radio.sim.setMemory(Bank::flash, kGd77Area1, area));
        c->refreshDMRDatabaseOnDeviceCount();
        c.drain();
        EXPECT_EQ(c->dmrDBOnDeviceCount(), 1);
        c->readDMRDatabaseFromDevice();
        c.finish();
        ASSERT_TRUE(c->dmrUserDB().has_value());
        EXPECT_EQ(c->dmrUserDB()->textLength, k.textLength) << k.recordSize;
        EXPECT_EQ(c->dmrUserDB()->format, k.format);
        EXPECT_EQ(c->dmrUserDB()->entries.toList(),
                  (QList<DMRUserEntry>{{1234567, QStringLiteral("AB"), {}, {}}}));
    }

    ASSERT_TRUE(radio.sim.setMemory(Bank::flash, kGd77Area1, QByteArray(32, char(0xFF))));
    c->refreshDMRDatabaseOnDeviceCount();
    c.drain();
    EXPECT_EQ(c->dmrDBOnDeviceCount(), 0);
}

TEST(DmrDatabase, UncompressedDatabaseOnUv380) {
    QTemporaryDir dir;
    StandInRadio radio(RadioType::mduv380);
    ControllerOnStandIn c(kNoReconnect);
    importCsv(c, dir, "1234567,XX0AAA,Jörg,Lee\n");
    c->setDMRDatabaseOptions(DMRNameFormat::fullName, DMRDBFormat::uncompressed, 20);
    ASSERT_TRUE(c.connectTo(radio));
    c->writeDMRDatabase();
    c.finish();
    EXPECT_EQ(radio.sim.memory(Bank::flash, kUv380Area1, 36 + 4),
              bytes({0x49, 0x64, 0x54, 0x62, 0, 0, 0, 0, 1, 0, 0, 0, 0x67, 0x45, 0x23, 0x01}) +
                  QByteArray("XX0AAA J\xF6rg Lee", 15) + QByteArray(5, '\0') +
                  QByteArray(4, char(0xFF)));
    ASSERT_TRUE(reconnect(c, radio, 2));
    c->readDMRDatabaseFromDevice();
    c.finish();
    EXPECT_EQ(c->dmrUserDB()->entries.toList(),
              (QList<DMRUserEntry>{{1234567, QStringLiteral("XX0AAA Jörg Lee"), {}, {}}}));
    EXPECT_EQ(c->dmrUserDB()->textLength, 20);
}

TEST(DmrDatabase, ImportKeepsOptionsAndReportsUnusableFiles) {
    QTemporaryDir dir;
    ControllerOnStandIn c;
    importCsv(c, dir, "RADIO_ID;CALLSIGN\n1,A\n0,B\n2,C\n", QStringLiteral("first.csv"));
    EXPECT_EQ(c.results.last(DeviceOperation::importDmrDatabase),
              OperationResult::success(DeviceOperation::importDmrDatabase));
    ASSERT_TRUE(c->dmrUserDB().has_value());
    EXPECT_EQ(c->dmrUserDB()->entries.size(), 2) << "the line with ID 0 is skipped";
    EXPECT_EQ(c->dmrUserDB()->nameFormat, DMRNameFormat::firstName);
    EXPECT_EQ(c->dmrUserDB()->format, DMRDBFormat::compressed);
    EXPECT_EQ(c->dmrUserDB()->textLength, 16);
    EXPECT_EQ(c->status(), Status::disconnected()) << "an import needs no radio";

    c->setDMRDatabaseOptions(DMRNameFormat::fullName, DMRDBFormat::uncompressed, 12);
    // ISO 8859-1 bytes, not valid UTF-8.
    importCsv(c, dir, "7,XX7,J\xF6rg\n", QStringLiteral("second.csv"));
    EXPECT_EQ(c->dmrUserDB()->entries.toList(),
              (QList<DMRUserEntry>{{7, QStringLiteral("XX7"), QStringLiteral("Jörg"), {}}}));
    EXPECT_EQ(c->dmrUserDB()->nameFormat, DMRNameFormat::fullName);
    EXPECT_EQ(c->dmrUserDB()->format, DMRDBFormat::uncompressed);
    EXPECT_EQ(c->dmrUserDB()->textLength, 12);

    const auto before = c->dmrUserDB();
    const QString empty = writeFile(dir, QStringLiteral("empty.csv"), "# nothing\n0,XX0,A\n");
    EXPECT_EQ(c.resultOf(DeviceOperation::importDmrDatabase, [&] { c->importDMRDatabase(empty); }),
              OperationResult::failure(DeviceOperation::importDmrDatabase, OperationErrorKind::file,
                                       QStringLiteral("No usable DMR IDs found in the file.")));
    const QString missing = dir.filePath(QStringLiteral("missing.csv"));
    EXPECT_EQ(
        c.resultOf(DeviceOperation::importDmrDatabase, [&] { c->importDMRDatabase(missing); }),
        OperationResult::failure(DeviceOperation::importDmrDatabase, OperationErrorKind::file,
                                 QStringLiteral("Could not read ") + missing +
                                     QStringLiteral(": No such file or directory")));
    EXPECT_EQ(c->dmrUserDB(), before);
}

TEST(DmrDatabase, ExportSortsByIdAndNeverLeavesAHalfFile) {
    QTemporaryDir dir;
    ControllerOnStandIn c;
    const auto exportTo = [&c](const QString& path) {
        return c.resultOf(DeviceOperation::exportDmrDatabase, [&] { c->exportDMRDatabase(path); });
    };
    EXPECT_EQ(exportTo(dir.filePath(QStringLiteral("none.csv"))).error,
              OperationErrorKind::refused);

    importCsv(c, dir, "300,C3,,\n100,\"A,1\",Ann,\n200,B2,Bo,Lee\n");
    const QString out = dir.filePath(QStringLiteral("out.csv"));
    EXPECT_TRUE(exportTo(out).ok());
    EXPECT_EQ(readFile(out), QByteArray("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n"
                                        "100,\"A,1\",Ann,\n200,B2,Bo,Lee\n300,C3,,\n"));

    // A name so long that no temporary file can be made beside it: the
    // export fails and the file already there stays as it was.
    const QString longName = dir.filePath(QString(250, QLatin1Char('x')));
    writeFile(dir, QString(250, QLatin1Char('x')), "old contents\n");
    EXPECT_EQ(exportTo(longName).error, OperationErrorKind::file);
    EXPECT_EQ(readFile(longName), QByteArray("old contents\n"));
}

TEST(DmrDatabase, WriteAndReadNeedALinkAndAList) {
    StandInRadio radio;
    ControllerOnStandIn c;
    c->writeDMRDatabase();
    c->readDMRDatabaseFromDevice();
    c->refreshDMRDatabaseOnDeviceCount();
    c.drain();
    const QString notConnected = QStringLiteral("Nicht verbunden.");
    using Kind = OperationErrorKind;
    EXPECT_EQ(c.results.operations,
              (QList{OperationResult::failure(DeviceOperation::writeDmrDatabase, Kind::notConnected,
                                              notConnected),
                     OperationResult::failure(DeviceOperation::readDmrDatabase, Kind::notConnected,
                                              notConnected),
                     OperationResult::failure(DeviceOperation::countDmrDatabase, Kind::notConnected,
                                              notConnected)}));
    EXPECT_EQ(c.results.reports, QStringList(2, notConnected)) << "the count fails quietly";
    ASSERT_TRUE(c.connectTo(radio));
    EXPECT_EQ(c.resultOf(DeviceOperation::writeDmrDatabase, [&] { c->writeDMRDatabase(); }),
              OperationResult::failure(DeviceOperation::writeDmrDatabase, Kind::refused,
                                       QStringLiteral("No DMR database imported.")));
    c.drain();
    EXPECT_EQ(c->status(), Status::connected());
    EXPECT_EQ(radio.sim.rebootCount(), 0);
}

// ---- download ----

class DmrDownload : public ::testing::Test {
protected:
    void SetUp() override { c->tuning().dmrIdServiceUrl = server.baseUrl(); }
    // The download's result, once everything it posted has arrived.
    OperationResult download() {
        const OperationResult result =
            c.resultOf(DeviceOperation::downloadDmrDatabase, [this] { c->downloadDMRDatabase(); });
        c.finish();
        return result;
    }
    LocalHttpServer server;
    ControllerOnStandIn c;
};

TEST_F(DmrDownload, ReplacesTheListAndKeepsTheOptions) {
    server.setRoute(kCsvPath, {200, "RADIO_ID,CALLSIGN,FIRST_NAME\n5,XX5,Eve\nx,XX,Bad\n"});
    c->setDMRDatabaseOptions(DMRNameFormat::fullName, DMRDBFormat::compressed, 20);
    c->downloadDMRDatabase();
    EXPECT_EQ(c->status(), Status::working(QStringLiteral("Downloading DMR database…")));
    c.finish();
    EXPECT_EQ(c.results.last(DeviceOperation::downloadDmrDatabase),
              OperationResult::success(DeviceOperation::downloadDmrDatabase));
    EXPECT_EQ(c->status(), Status::disconnected());
    EXPECT_EQ(c->progress(), 0.0);
    EXPECT_FALSE(c->dmrDownloadRunning());
    EXPECT_EQ(c->dmrUserDB()->entries.toList(),
              (QList<DMRUserEntry>{{5, QStringLiteral("XX5"), QStringLiteral("Eve"), {}}}));
    EXPECT_EQ(c->dmrUserDB()->nameFormat, DMRNameFormat::fullName);
    EXPECT_EQ(c->dmrUserDB()->textLength, 20);

    server.setRoute(kCsvPath, {200, "# empty\n"});
    EXPECT_EQ(download(), OperationResult::failure(
                              DeviceOperation::downloadDmrDatabase, OperationErrorKind::network,
                              QStringLiteral("No usable DMR IDs found in the download.")));
    EXPECT_EQ(c->dmrUserDB()->entries.size(), 1);
}

TEST_F(DmrDownload, HttpErrorReturnsToTheStatusOfTheLink) {
    EXPECT_EQ(download().text, QStringLiteral("Download failed (HTTP 404).")); // no route
    EXPECT_EQ(c->status(), Status::disconnected());
    EXPECT_FALSE(c->dmrUserDB().has_value());

    StandInRadio radio;
    ASSERT_TRUE(c.connectTo(radio));
    server.setRoute(kCsvPath, {503, "busy"});
    EXPECT_EQ(download().text, QStringLiteral("Download failed (HTTP 503)."));
    EXPECT_EQ(c->status(), Status::connected());
    EXPECT_EQ(c->progress(), 0.0);
}

TEST_F(DmrDownload, RefusedConnectionIsReportedWithItsDescription) {
    c->tuning().dmrIdServiceUrl =
        QUrl(QStringLiteral("http://127.0.0.1:%1").arg(nerka::test::unusedLoopbackPort()));
    EXPECT_EQ(download().text, QStringLiteral("Connection refused"));
    EXPECT_EQ(c->status(), Status::disconnected());
    EXPECT_FALSE(c->dmrDownloadRunning());
}

TEST_F(DmrDownload, SlowBodyReportsProgressAndASecondRequestIsIgnored) {
    LocalHttpServer::Response slow{200, syntheticCsv(200)};
    // Long enough for the client's progress signals, which come at most
    // every 100 ms or so.
    slow.chunkSize = 256;
    slow.chunkDelayMs = 25;
    server.setRoute(kCsvPath, slow);
    QList<double> progress;
    QObject::connect(c.controller.get(), &RadioController::progressChanged,
                     [&] { progress.append(c->progress()); });
    c->downloadDMRDatabase();
    ASSERT_TRUE(c->dmrDownloadRunning());
    c->downloadDMRDatabase();
    c.finish();
    EXPECT_EQ(server.requestCount(kCsvPath), 1);
    EXPECT_EQ(c->dmrUserDB()->entries.size(), 200);
    EXPECT_TRUE(
        std::any_of(progress.begin(), progress.end(), [](double p) { return p > 0.0 && p < 1.0; }));
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end() - 1));
}

TEST_F(DmrDownload, BodyOverTheLimitIsAbandoned) {
    c->tuning().dmrDownloadMaxBytes = 4000;
    for (bool omitLength : {false, true}) {
        LocalHttpServer::Response big{200, syntheticCsv(400)};
        big.chunkSize = 1000;
        big.chunkDelayMs = 5;
        big.omitLength = omitLength;
        server.setRoute(kCsvPath, big);
        EXPECT_EQ(download().text, QStringLiteral("Download failed.")) << omitLength;
        EXPECT_EQ(c->status(), Status::disconnected());
        EXPECT_FALSE(c->dmrUserDB().has_value());
    }
}

TEST_F(DmrDownload, NothingHappensWhenTheControllerIsGone) {
    LocalHttpServer::Response slow{200, syntheticCsv(100)};
    slow.chunkSize = 256;
    slow.chunkDelayMs = 10;
    server.setRoute(kCsvPath, slow);
    c->downloadDMRDatabase();
    ASSERT_TRUE(c.waitFor([&] { return server.requestCount(kCsvPath) == 1; }, 5000));
    c.controller.reset();
    QTest::qWait(200);
}

TEST_F(DmrDownload, StalledServerRunsIntoTheTransferTimeout) {
    LocalHttpServer::Response stalled{200, "1,XX1,A\n"};
    stalled.delayMs = 3000;
    server.setRoute(kCsvPath, stalled);
    c->tuning().downloadTimeoutMs = 200;
    EXPECT_EQ(download().text, QStringLiteral("Download timed out."));
    EXPECT_EQ(c->status(), Status::disconnected());
    EXPECT_FALSE(c->dmrUserDB().has_value());
}

TEST_F(DmrDownload, DisconnectDuringTheDownloadIsNotUndone) {
    StandInRadio radio;
    ASSERT_TRUE(c.connectTo(radio));
    LocalHttpServer::Response slow{200, syntheticCsv(100)};
    slow.chunkSize = 512;
    slow.chunkDelayMs = 30;
    server.setRoute(kCsvPath, slow);
    c->downloadDMRDatabase();
    c->disconnectRadio();
    ASSERT_TRUE(c.waitFor([&] { return !c->dmrDownloadRunning(); }));
    c.drain();
    EXPECT_EQ(c->dmrUserDB()->entries.size(), 100);
    EXPECT_EQ(c->status(), Status::disconnected()) << "not the connected status noted at the start";
}
