#include "controller/RadioController.h"

#include "codeplug/CodeplugLayout.h"

#include "Bytes.h"
#include "LocalHttpServer.h"
#include "ResultRecorder.h"
#include "TempSettings.h"
#include "tests/satellites/KepsSamples.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::hex;
using nerka::test::LocalHttpServer;
using nerka::test::TempSettings;

namespace {

// The GD-77 custom-data area: flash 0x00000, 4512 bytes, region 2.
constexpr std::uint32_t kCustomDataAddress = 0x0000;
constexpr int kCustomDataRegion = 2;
constexpr int kAreaSize = 4512;
constexpr std::uint32_t kFirstRecord = 12 + 8; // satellite block at 12, records after its header

const QString kKepsPath = QStringLiteral("/tle/current/nasa.all");
const QString kSatnogsPath = QStringLiteral("/api/transmitters/?format=json");
constexpr qint64 kBodyLimit = 16ll * 1024 * 1024;

class SatelliteTestController : public RadioController {
public:
    using RadioController::assignStatus;
    using RadioController::RadioController;
    using SessionFrame::postToQueue;
};

QByteArray le32(std::uint32_t v) {
    return bytes({v, v >> 8, v >> 16, v >> 24});
}

// A 100-byte satellite record: name, zero elements, the first frequency pair,
// no tones, and the given tail from offset 60 (second and third pairs,
// additional data).
QByteArray record(const char* name, std::uint32_t rx = 0, std::uint32_t tx = 0,
                  const QByteArray& armTone = bytes({0xFF, 0xFF}), const QByteArray& tail = {}) {
    QByteArray r(name);
    r.append(QByteArray(8 - r.size(), '\0'));
    r.append(QByteArray(40, '\0'));
    r.append(le32(rx) + le32(tx));
    r.append(bytes({0xFF, 0xFF}) + armTone);
    r.append(tail);
    r.append(QByteArray(100 - r.size(), '\0'));
    return r;
}

// A custom-data area with the signature, a satellite block holding `records`
// and erased flash behind it.
QByteArray areaWithSatellites(const QList<QByteArray>& records) {
    QByteArray area =
        QByteArray("OpenGD77") + QByteArray(4, '\0') + bytes({0x03, 0, 0, 0, 0xD8, 0x09, 0, 0});
    QByteArray data = records.join();
    data.append(QByteArray(2520 - data.size(), '\0'));
    area.append(data);
    area.append(QByteArray(kAreaSize - area.size(), char(0xFF)));
    return area;
}

QByteArray signatureOnlyArea() {
    return QByteArray("OpenGD77") + QByteArray(4, '\0') + QByteArray(kAreaSize - 12, char(0xFF));
}

QString kepsText(const QString& name, const QString& catalogue) {
    return name + QStringLiteral("\n") + test::elementLine1(catalogue) + QStringLiteral("\n") +
           test::elementLine2(catalogue) + QStringLiteral("\n");
}

SatelliteCandidate candidate(const QString& name, std::uint32_t rx = 0, std::uint32_t tx = 0) {
    SatelliteCandidate c;
    c.id = QUuid::createUuid();
    c.name = name;
    c.fullName = name;
    c.tle1 = test::issTle1();
    c.tle2 = test::issTle2();
    c.rxFreq1 = rx;
    c.txFreq1 = tx;
    return c;
}

// One alive FM voice transmitter of `norad`, as the SatNOGS list has it.
QByteArray satnogsList(int norad) {
    return QStringLiteral(R"([{"description": "FM voice, CTCSS 67.0 Hz", "norad_cat_id": %1,)"
                          R"( "uplink_low": 145850000, "downlink_low": 436795000,)"
                          R"( "mode": "FM", "alive": true}])")
        .arg(norad)
        .toUtf8();
}

class SatelliteOperationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        controller.tuning().satnogsWaitMs = 5000;
        controller.tuning().downloadTimeoutMs = 10000;
    }

    void load(const QByteArray& area) {
        image.variant = RadioVariant::gd77;
        image.regions = layoutForVariant(RadioVariant::gd77).regions;
        image.blobs.clear();
        for (const auto& region : image.regions)
            image.blobs.append(QByteArray(region.length, '\0'));
        ASSERT_TRUE(writeBytes(image, Bank::flash, kCustomDataAddress, area));
        controller.document().load(image, decodeImage(image));
        controller.document().setBaseline(image); // as a read does
    }
    QByteArray area() const {
        return *readBytes(*controller.document().image(), Bank::flash, kCustomDataAddress,
                          kAreaSize);
    }
    QByteArray slotBytes(int slot) const { return area().mid(kFirstRecord + 100 * slot, 100); }
    QStringList names() const {
        QStringList out;
        for (const Satellite& s : controller.document().satellites())
            out.append(s.name);
        return out;
    }

    // Runs the event loop until everything the work queue and the main thread
    // have been given so far is done.
    void settle() {
        auto settled = std::make_shared<bool>(false);
        controller.afterQueuedWork([settled] { *settled = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return *settled; }, 20000));
        QCoreApplication::processEvents();
    }
    void waitForDownload() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !controller.tleDownloadRunning(); }, 20000));
        settle();
    }
    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    // The load's result (every load ends with exactly one), once everything
    // it posted has arrived.
    OperationResult importKeps(const QString& path) {
        QList<OperationResult> results;
        const auto watch = QObject::connect(&controller, &RadioController::finished, &controller,
                                            [&](const OperationResult& r) { results.append(r); });
        controller.importTLEFile(path);
        settle();
        QObject::disconnect(watch);
        EXPECT_EQ(results.size(), 1);
        return results.value(0);
    }
    SatNOGSFrequencyMap fetchOnQueue() {
        auto result = std::make_shared<SatNOGSFrequencyMap>();
        auto done = std::make_shared<std::atomic<bool>>(false);
        controller.postToQueue([this, result, done] {
            *result = controller.fetchSatNOGSFrequencies();
            done->store(true);
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done->load(); }, 20000));
        return *result;
    }
    void serveSatnogs(const LocalHttpServer::Response& response) {
        server.setRoute(kSatnogsPath, response);
        controller.tuning().satnogsServiceUrl = server.baseUrl();
    }
    void serveKeps(const LocalHttpServer::Response& response) {
        server.setRoute(kKepsPath, response);
        controller.tuning().kepsServiceUrl = server.baseUrl();
    }

    QTemporaryDir dir;
    TempSettings settings;
    LocalHttpServer server;
    SatelliteTestController controller{settings.get()};
    test::ResultRecorder results{controller};
    CodeplugImage image;
};

// ---- keps files ----

TEST_F(SatelliteOperationsTest, KepsFileRefreshesStoredSatellitesAndOpensThePicker) {
    load(areaWithSatellites({record("SO-50", 1, 2), record("AO-91", 3, 4)}));
    SatNOGSFrequencyMap freqs;
    freqs.insert(27607, {436795000, 145850000, 670});
    controller.tuning().satnogsOverride = freqs;

    EXPECT_TRUE(importKeps(writeFile("keps.txt", kepsText("SO-50", "27607").toUtf8())).ok());
    EXPECT_EQ(results.lastEdit().summary(),
              "Refreshed the keps of 1 satellite(s) — no TLE for: AO-91.");
    EXPECT_FALSE(controller.satelliteCandidates().isEmpty());
    ASSERT_EQ(controller.tleCache().size(), 1);
    ASSERT_EQ(controller.satelliteCandidates().size(), 1);
    const SatelliteCandidate& c = controller.satelliteCandidates().first();
    EXPECT_EQ(c.name, "SO-50");
    EXPECT_EQ(c.rxFreq1, 436795000u);
    EXPECT_EQ(c.txFreq1, 145850000u);
    EXPECT_EQ(c.txTone, Tone::ctcss(670));

    // SO-50's elements replaced in its record, everything else as it was.
    const QByteArray expected =
        QByteArray("SO-50\0\0\0", 8) + test::issTle1() + test::issTle2() + record("", 1, 2).mid(48);
    EXPECT_EQ(hex(slotBytes(0)), hex(expected));
    EXPECT_EQ(hex(slotBytes(1)), hex(record("AO-91", 3, 4)));
    EXPECT_EQ(controller.document().dirtyRegions(), RegionSet({kCustomDataRegion}));
    EXPECT_EQ(controller.document().satellites()[0].tle1, test::issTle1());
    EXPECT_TRUE(controller.document().canUndo());
}

TEST_F(SatelliteOperationsTest, KepsFileFailuresAndLatinOneText) {
    controller.tuning().satnogsOverride = SatNOGSFrequencyMap{};
    const OperationResult gone = importKeps(dir.filePath("missing.txt"));
    QFile missing(dir.filePath("missing.txt"));
    ASSERT_FALSE(missing.open(QIODevice::ReadOnly));
    EXPECT_EQ(gone, OperationResult::failure(DeviceOperation::loadKeps, OperationErrorKind::file,
                                             QStringLiteral("Could not read ") +
                                                 dir.filePath("missing.txt") +
                                                 QStringLiteral(": ") + missing.errorString()));

    EXPECT_EQ(importKeps(writeFile("empty.txt", "just a name line\n1 25544U too short\n")).text,
              "No TLEs found in the file.");
    EXPECT_TRUE(controller.satelliteCandidates().isEmpty());

    // "\xC4" on its own is not UTF-8: the file is read as ISO 8859-1.
    EXPECT_TRUE(importKeps(writeFile("latin.txt",
                                     kepsText("X", "12345").toLatin1().replace("X", "\xC4SAT")))
                    .ok());
    ASSERT_EQ(controller.tleCache().size(), 1);
    EXPECT_EQ(controller.tleCache().first().name, QStringLiteral("\u00C4SAT"));
    ASSERT_EQ(controller.satelliteCandidates().size(), 1);
    EXPECT_FALSE(controller.satelliteCandidates()[0].isFM()) << "no frequencies from SatNOGS";
}

// ---- adding from the picker ----

TEST_F(SatelliteOperationsTest, FiveCandidatesForTwoFreeSlots) {
    QList<QByteArray> records;
    for (int i = 1; i <= 23; ++i)
        records.append(record(QStringLiteral("S%1").arg(i).toLatin1().constData()));
    load(areaWithSatellites(records));
    ASSERT_EQ(controller.document().satellites().size(), 23);

    EXPECT_EQ(controller.document()
                  .addSatellites({candidate("N1", 435000000, 145000000), candidate("N2"),
                                  candidate("S1"), candidate("N3"), candidate("N4")})
                  .summary(),
              "Added 2 satellite(s) (3 skipped — only 25 slots).");
    ASSERT_EQ(controller.document().satellites().size(), 25);
    EXPECT_EQ(controller.document().satellites()[0].name, "S1")
        << "skipped, though it would only replace";
    const QByteArray n1 = QByteArray("N1\0\0\0\0\0\0", 8) + test::issTle1() + test::issTle2() +
                          le32(435000000) + le32(145000000) + bytes({0xFF, 0xFF, 0xFF, 0xFF}) +
                          QByteArray(40, '\0');
    EXPECT_EQ(hex(slotBytes(23)), hex(n1));
    EXPECT_EQ(controller.document().satellites()[24].name, "N2");
    EXPECT_EQ(controller.document().satellites()[24].index, 24);
}

TEST_F(SatelliteOperationsTest, SameNameInOtherCaseReplacesInItsSlot) {
    const QByteArray tail = le32(1) + le32(2) + le32(3) + le32(4) + QByteArray(24, char(0xAB));
    load(areaWithSatellites(
        {record("SO-50", 10, 20, bytes({0x70, 0x06}), tail), record("AO-91", 30, 40)}));
    ASSERT_TRUE(controller.document().satellites()[0].armTone.has_value());

    EXPECT_EQ(
        controller.document().addSatellites({candidate("so-50", 436795000, 145850000)}).summary(),
        "Added 1 satellite(s).");
    EXPECT_EQ(names(), QStringList({"so-50", "AO-91"}));
    // Second and third pairs, arm tone and additional data are not kept.
    const QByteArray expected = QByteArray("so-50\0\0\0", 8) + test::issTle1() + test::issTle2() +
                                le32(436795000) + le32(145850000) +
                                bytes({0xFF, 0xFF, 0xFF, 0xFF}) + QByteArray(40, '\0');
    EXPECT_EQ(hex(slotBytes(0)), hex(expected));
    EXPECT_EQ(hex(slotBytes(1)), hex(record("AO-91", 30, 40)));

    controller.document().undo();
    EXPECT_EQ(names(), QStringList({"SO-50", "AO-91"}));
    EXPECT_EQ(controller.document().satellites()[0].rxFreq2, 1u);
}

TEST_F(SatelliteOperationsTest, BlockIsAddedWhereTheSignatureHasRoom) {
    load(signatureOnlyArea());
    EXPECT_TRUE(controller.document().satellites().isEmpty());
    const EditResult added = controller.document().addSatellites({candidate("ISS")});
    EXPECT_EQ(added.notes(), QStringList{"Added a satellite block to the codeplug."});
    EXPECT_EQ(added.summary(), "Added 1 satellite(s).");
    EXPECT_EQ(hex(area().mid(12, 8)), hex(bytes({0x03, 0, 0, 0, 0xD8, 0x09, 0, 0})));
    EXPECT_EQ(names(), QStringList({"ISS"}));
    EXPECT_EQ(controller.document().dirtyRegions(), RegionSet({kCustomDataRegion}));
}

TEST_F(SatelliteOperationsTest, NoSignatureChangesNothing) {
    load(QByteArray(kAreaSize, '\0'));
    const QString noSignature = QStringLiteral("This codeplug has no OpenGD77 custom-data "
                                               "signature, so no satellite block can be added.");
    EXPECT_EQ(controller.document().addSatellites({candidate("ISS")}).errorText(), noSignature);

    Satellite fresh = *controller.document().newSatellite();
    fresh.name = QStringLiteral("ISS");
    EXPECT_EQ(controller.document().updateSatellite(fresh, controller.tleCache()).errorText(),
              noSignature);
    EXPECT_EQ(hex(area()), hex(QByteArray(kAreaSize, '\0')));
    EXPECT_TRUE(controller.document().dirtyRegions().empty());
    EXPECT_TRUE(controller.document().satellites().isEmpty());
    EXPECT_FALSE(controller.document().canUndo());
}

TEST_F(SatelliteOperationsTest, AddWithoutCodeplugOrWhileBusy) {
    EXPECT_EQ(controller.document().addSatellites({candidate("ISS")}).errorText(),
              "Load a codeplug first.");

    load(areaWithSatellites({record("AO-7")}));
    controller.assignStatus(RadioController::Status::working(QStringLiteral("Writing changes…")));
    EXPECT_EQ(controller.document().addSatellites({candidate("ISS")}).refusal()->kind,
              RefusalKind::busy);
    EXPECT_EQ(controller.document()
                  .deleteSatellite(controller.document().satellites().first().index)
                  .refusal()
                  ->kind,
              RefusalKind::busy);
    EXPECT_EQ(names(), QStringList({"AO-7"}));
    EXPECT_TRUE(controller.document().dirtyRegions().empty());
}

// ---- editor: new, update, delete ----

TEST_F(SatelliteOperationsTest, UpdateTakesElementsFromTheLastKepsLoad) {
    load(areaWithSatellites({record("AO-7")}));
    controller.tuning().satnogsOverride = SatNOGSFrequencyMap{};
    importKeps(writeFile("keps.txt", kepsText("ISS (ZARYA)", "25544").toUtf8()));

    Satellite fresh = *controller.document().newSatellite();
    EXPECT_EQ(fresh.index, 1);
    EXPECT_EQ(fresh.tle1, QByteArray(12, '\0'));
    EXPECT_EQ(fresh.tle2, QByteArray(28, '\0'));
    fresh.name = QStringLiteral("zarya");
    fresh.rxFreq1 = 437800000;
    EXPECT_EQ(controller.document().updateSatellite(fresh, controller.tleCache()).summary(),
              "Satellite 2 changed: zarya");
    EXPECT_EQ(hex(slotBytes(1).mid(8, 40)), hex(test::issTle1() + test::issTle2()));
    EXPECT_EQ(hex(slotBytes(1).mid(48, 4)), hex(le32(437800000)));

    // A name without elements keeps what the editor holds.
    Satellite edited = controller.document().satellites()[0];
    edited.tle1 = bytes({0x25, 0x00, 0x1A, 0x5B});
    controller.document().updateSatellite(edited, controller.tleCache());
    EXPECT_EQ(hex(slotBytes(0).mid(8, 12)),
              hex(bytes({0x25, 0x00, 0x1A, 0x5B}) + QByteArray(8, '\0')));
}

TEST_F(SatelliteOperationsTest, BlankNameIsDroppedButTheEditIsLogged) {
    load(areaWithSatellites({record("AO-7"), record("SO-50")}));
    Satellite blank = controller.document().satellites()[0];
    blank.name = QStringLiteral("   ");
    EXPECT_EQ(controller.document().updateSatellite(blank, controller.tleCache()).summary(),
              "Satellite 1 changed:    ");
    EXPECT_EQ(names(), QStringList({"SO-50"}));
    EXPECT_EQ(controller.document().satellites()[0].index, 0);
    EXPECT_EQ(hex(slotBytes(1)), hex(QByteArray(100, '\0')));
}

TEST_F(SatelliteOperationsTest, FullTableRefusesANewSatellite) {
    QList<QByteArray> records;
    for (int i = 1; i <= 25; ++i)
        records.append(record(QStringLiteral("S%1").arg(i).toLatin1().constData()));
    load(areaWithSatellites(records));
    EXPECT_FALSE(controller.document().newSatellite().has_value());

    Satellite extra;
    extra.index = 25;
    extra.name = QStringLiteral("EXTRA");
    EXPECT_EQ(controller.document().updateSatellite(extra, controller.tleCache()).errorText(),
              "Satellite memory is full (max 25).");
    EXPECT_EQ(controller.document().satellites().size(), 25);
    EXPECT_FALSE(names().contains("EXTRA"));
    EXPECT_TRUE(controller.document().dirtyRegions().empty());
}

TEST_F(SatelliteOperationsTest, DeleteMovesLaterSatellitesUp) {
    load(areaWithSatellites({record("A", 1), record("B", 2), record("C", 3)}));
    EXPECT_EQ(controller.document()
                  .deleteSatellite(controller.document().satellites()[0].index)
                  .summary(),
              "Satellite deleted: A");
    EXPECT_EQ(names(), QStringList({"B", "C"}));
    EXPECT_EQ(controller.document().satellites()[1].index, 1);
    EXPECT_EQ(hex(slotBytes(0)), hex(record("B", 2)));
    EXPECT_EQ(hex(slotBytes(2)), hex(QByteArray(100, '\0')));

    Satellite gone;
    gone.index = 8;
    gone.name = QStringLiteral("Z");
    EXPECT_EQ(controller.document().deleteSatellite(gone.index).errorText(),
              "Could not locate satellite 9 in memory.");
    EXPECT_EQ(names(), QStringList({"B", "C"}));
}

// ---- the keps service ----

TEST_F(SatelliteOperationsTest, DownloadLoadsKepsWithSatnogsFrequencies) {
    load(areaWithSatellites({record("SO-50")}));
    controller.assignStatus(RadioController::Status::connected());
    serveKeps({.body = kepsText("SO-50", "27607").toUtf8(), .delayMs = 200});
    serveSatnogs({.body = satnogsList(27607), .contentType = "application/json"});

    controller.downloadKeps();
    QCoreApplication::processEvents();
    EXPECT_EQ(controller.status(),
              RadioController::Status::working(QStringLiteral("Downloading TLEs…")));
    controller.downloadKeps(); // ignored while the first runs
    EXPECT_TRUE(controller.tleDownloadRunning());

    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !controller.satelliteCandidates().isEmpty(); }, 20000));
    EXPECT_EQ(server.requestCount(kKepsPath), 1);
    EXPECT_EQ(controller.status(), RadioController::Status::connected());
    settle();
    EXPECT_EQ(results.last(DeviceOperation::loadKeps),
              OperationResult::success(DeviceOperation::loadKeps));
    EXPECT_EQ(results.lastEdit().summary(), "Refreshed the keps of 1 satellite(s).");
    ASSERT_EQ(controller.satelliteCandidates().size(), 1);
    EXPECT_EQ(controller.satelliteCandidates()[0].txTone, Tone::ctcss(670));
}

TEST_F(SatelliteOperationsTest, DownloadNotFoundRestoresTheStatus) {
    controller.tuning().kepsServiceUrl = server.baseUrl(); // no route: 404
    controller.downloadKeps();
    waitForDownload();
    EXPECT_EQ(results.last(DeviceOperation::loadKeps),
              OperationResult::failure(DeviceOperation::loadKeps, OperationErrorKind::network,
                                       "Download failed (HTTP 404)."));
    EXPECT_EQ(controller.status(), RadioController::Status::disconnected());

    controller.assignStatus(RadioController::Status::working(QStringLiteral("Reading codeplug…")));
    controller.downloadKeps();
    waitForDownload();
    EXPECT_EQ(controller.status(), RadioController::Status::connected());
    EXPECT_TRUE(controller.satelliteCandidates().isEmpty());

    serveKeps({.body = "no element sets here"});
    controller.downloadKeps();
    waitForDownload();
    EXPECT_EQ(results.last(DeviceOperation::loadKeps)->text, "No TLEs found in the download.");
}

TEST_F(SatelliteOperationsTest, DownloadTransportErrorIsAFailure) {
    controller.assignStatus(RadioController::Status::connected());
    controller.tuning().kepsServiceUrl =
        QUrl(QStringLiteral("http://127.0.0.1:%1").arg(test::unusedLoopbackPort()));
    controller.downloadKeps();
    waitForDownload();
    const auto failed = results.last(DeviceOperation::loadKeps);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->error, OperationErrorKind::network);
    EXPECT_FALSE(failed->text.isEmpty());
    EXPECT_NE(failed->text, "Download failed (HTTP -1).");
    EXPECT_EQ(results.reports, QStringList{failed->text});
    EXPECT_EQ(controller.status(), RadioController::Status::connected());
}

TEST_F(SatelliteOperationsTest, DownloadStalledAfterWholeElementSetsIsAFailure) {
    controller.tuning().downloadTimeoutMs = 300;
    controller.tuning().satnogsOverride = SatNOGSFrequencyMap{};
    // The first piece already holds a whole element set; the rest never comes
    // in time. A cut-off body must not pass for the keps file.
    const QByteArray keps = kepsText("SO-50", "27607").toUtf8();
    serveKeps({.body = keps + QByteArray(keps.size(), '\n'),
               .chunkSize = int(keps.size()),
               .chunkDelayMs = 3000});
    controller.downloadKeps();
    waitForDownload();
    const auto failed = results.last(DeviceOperation::loadKeps);
    ASSERT_TRUE(failed.has_value());
    EXPECT_FALSE(failed->ok());
    EXPECT_FALSE(failed->text.startsWith("Download failed"));
    EXPECT_EQ(controller.status(), RadioController::Status::disconnected());
    EXPECT_TRUE(controller.tleCache().isEmpty());
    EXPECT_TRUE(controller.satelliteCandidates().isEmpty());
}

TEST_F(SatelliteOperationsTest, DownloadOverTheSizeLimitIsAbandoned) {
    controller.tuning().satnogsOverride = SatNOGSFrequencyMap{};
    // Valid keps followed by blank lines: only the size makes it a failure.
    QByteArray body = kepsText("SO-50", "27607").toUtf8();
    body.append(QByteArray(kBodyLimit + 1 - body.size(), '\n'));
    serveKeps({.body = body, .omitLength = true});
    controller.downloadKeps();
    waitForDownload();
    EXPECT_EQ(results.last(DeviceOperation::loadKeps)->text, "Download failed.");
    EXPECT_EQ(controller.status(), RadioController::Status::disconnected());
    EXPECT_TRUE(controller.tleCache().isEmpty());
}

// ---- SatNOGS ----

TEST_F(SatelliteOperationsTest, SatnogsAnswersBecomeFrequencies) {
    serveSatnogs({.body = satnogsList(43017), .chunkSize = 40, .chunkDelayMs = 5});
    const SatNOGSFrequencyMap map = fetchOnQueue();
    ASSERT_EQ(map.size(), 1);
    EXPECT_EQ(map[43017], (SatNOGSFreqs{436795000, 145850000, 670}));

    // Every failure is an empty map.
    serveSatnogs({.status = 404, .body = "missing"});
    EXPECT_TRUE(fetchOnQueue().isEmpty());
    serveSatnogs({.body = "{not json"});
    EXPECT_TRUE(fetchOnQueue().isEmpty());
    controller.tuning().satnogsServiceUrl =
        QUrl(QStringLiteral("http://127.0.0.1:%1").arg(test::unusedLoopbackPort()));
    EXPECT_TRUE(fetchOnQueue().isEmpty());
}

TEST_F(SatelliteOperationsTest, GarbageSatnogsAnswerLeavesKepsWithoutFrequencies) {
    serveSatnogs({.body = "<html>maintenance</html>"});
    EXPECT_TRUE(importKeps(writeFile("keps.txt", kepsText("SO-50", "27607").toUtf8())).ok());
    ASSERT_EQ(controller.satelliteCandidates().size(), 1);
    EXPECT_FALSE(controller.satelliteCandidates()[0].isFM());
    EXPECT_FALSE(controller.satelliteCandidates().isEmpty());
}

TEST_F(SatelliteOperationsTest, SatnogsSlowerThanTheWaitIsIgnored) {
    controller.tuning().satnogsWaitMs = 200;
    serveSatnogs({.body = satnogsList(43017), .delayMs = 1500});
    EXPECT_TRUE(fetchOnQueue().isEmpty());
    // The late answer finds the request given up; nothing breaks.
    QTest::qWait(1700);
    EXPECT_EQ(server.requestCount(kSatnogsPath), 1);

    serveSatnogs({.body = satnogsList(43017), .delayMs = 100});
    controller.tuning().satnogsWaitMs = 10000;
    EXPECT_EQ(fetchOnQueue().size(), 1);
}

TEST_F(SatelliteOperationsTest, SatnogsBodyOverTheLimitIsAbandoned) {
    QByteArray body = satnogsList(43017);
    body.append(QByteArray(kBodyLimit + 1 - body.size(), ' '));
    serveSatnogs({.body = body});
    EXPECT_TRUE(fetchOnQueue().isEmpty());
}

TEST(SatelliteOperationsLifetime, DestroyingTheControllerEndsAWaitForSatnogs) {
    // With a wait of ten minutes, a controller that waited it out on
    // destruction would run this test into CTest's timeout.
    LocalHttpServer server;
    server.setRoute(kSatnogsPath, {.body = satnogsList(43017), .delayMs = 600000});
    TempSettings settings;
    auto controller = std::make_unique<SatelliteTestController>(settings.get());
    controller->tuning().satnogsServiceUrl = server.baseUrl();
    controller->tuning().satnogsWaitMs = 600000;
    auto finished = std::make_shared<std::atomic<bool>>(false);
    SatelliteTestController* raw = controller.get();
    controller->postToQueue([raw, finished] {
        (void)raw->fetchSatNOGSFrequencies();
        finished->store(true);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requestCount(kSatnogsPath) == 1; }, 20000));
    controller.reset();
    EXPECT_TRUE(finished->load()) << "the waiting task was woken and ran to its end";
}

TEST_F(SatelliteOperationsTest, SatnogsOverrideAndMainThreadAskNoServer) {
    serveSatnogs({.body = satnogsList(43017)});
    // On the main thread the answer could never be delivered while it waits.
    EXPECT_TRUE(controller.fetchSatNOGSFrequencies().isEmpty());
    SatNOGSFrequencyMap local;
    local.insert(1, {2, 3, std::nullopt});
    controller.tuning().satnogsOverride = local;
    EXPECT_EQ(fetchOnQueue(), local);
    EXPECT_EQ(server.requestCount(kSatnogsPath), 0);
}

} // namespace
