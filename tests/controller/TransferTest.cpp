#include "StandInRadio.h"

#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/DeviceSettingsCodec.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace nerka;
using nerka::test::ControllerOnStandIn;
using nerka::test::StandInRadio;

namespace {

// A write request as the radio received it: sub-command and address.
struct SentWrite {
    int sub = 0;
    std::uint32_t address = 0;
    int length = 0;
};

std::uint32_t u32be(const QByteArray& b, int offset) {
    return (std::uint32_t(std::uint8_t(b[offset])) << 24) |
           (std::uint32_t(std::uint8_t(b[offset + 1])) << 16) |
           (std::uint32_t(std::uint8_t(b[offset + 2])) << 8) | std::uint8_t(b[offset + 3]);
}

QList<SentWrite> sentWrites(const QList<QByteArray>& requests, char command) {
    QList<SentWrite> out;
    for (const QByteArray& r : requests) {
        if (r.size() < 2 || r[0] != command)
            continue;
        SentWrite w;
        w.sub = r[1];
        if ((w.sub == 0x02 || w.sub == 0x04) && r.size() >= 8) {
            w.address = u32be(r, 2);
            w.length = int(r.size()) - 8;
        }
        out.append(w);
    }
    return out;
}

// A 'C' packet: 'C', the meaningful bytes, 0x00 up to 23 bytes.
QByteArray command(std::initializer_list<int> meaningful) {
    QByteArray packet;
    for (int b : meaningful)
        packet.append(char(b));
    packet.append(23 - packet.size(), '\0');
    return packet;
}

QString saveImage(const QTemporaryDir& dir, const QString& name, const CodeplugImage& image) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeCodeplugFile(image));
    return path;
}

// The sample with bytes changed at the start, middle and end of each region listed.
CodeplugImage changedSample(RadioVariant variant, const RegionSet& regions) {
    CodeplugImage image = sampleCodeplug(variant);
    for (int index : regions) {
        QByteArray& blob = image.blobs[index];
        for (qsizetype at : {qsizetype(0), blob.size() / 2, blob.size() - 1})
            blob[at] = char(blob[at] ^ 0x5A);
    }
    return image;
}

QByteArray bankOf(const RadioSimulator& sim, Bank bank) {
    return sim.memory(bank, 0,
                      bank == Bank::eeprom ? RadioSimulator::kEepromSize : sim.flashSize());
}

class Transfer : public ::testing::Test {
protected:
    QTemporaryDir dir;
};

} // namespace

TEST_F(Transfer, ReadsEitherFamilyExactlyAsTheRadioHoldsIt) {
    const struct {
        RadioType type;
        RadioVariant variant;
    } cases[] = {
        {RadioType::gd77, RadioVariant::gd77},
        {RadioType::mduv380, RadioVariant::uv380},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(variantKey(k.variant));
        StandInRadio radio(k.type);
        ControllerOnStandIn c;
        ASSERT_TRUE(c.connectTo(radio));
        QList<double> progress;
        QObject::connect(c.controller.get(), &RadioController::progressChanged,
                         [&] { progress.append(c->progress()); });

        c->readCodeplug();
        EXPECT_EQ(c->status(),
                  RadioController::Status::working(QStringLiteral("Reading codeplug…")));
        c.finish();

        ASSERT_TRUE(c->document().image().has_value());
        const CodeplugImage& image = *c->document().image();
        EXPECT_EQ(image.variant, k.variant);
        EXPECT_EQ(image.regions, layoutForVariant(k.variant).regions);
        EXPECT_TRUE(image == radio.memoryAs(image)) << "every byte as the radio holds it";
        EXPECT_TRUE(image == sampleCodeplug(k.variant));

        EXPECT_EQ(c.results.last(DeviceOperation::readCodeplug),
                  OperationResult::success(DeviceOperation::readCodeplug));
        EXPECT_EQ(c->status(), RadioController::Status::connected());
        EXPECT_EQ(c->progress(), 1.0);
        EXPECT_TRUE(c->document().dirtyRegions().empty());
        EXPECT_FALSE(c->documentURL().has_value());
        EXPECT_EQ(c->document().satellites().size(), 4);
        EXPECT_TRUE(c->document().theme(ThemeKind::day).has_value());
        EXPECT_TRUE(c->document().theme(ThemeKind::night).has_value());
        ASSERT_EQ(c->document().aprsSystems().size(), 8);
        EXPECT_EQ(c->document().aprsSystems()[0], QStringLiteral("APRS EU"));
        EXPECT_EQ(c->document().settings()->call, QStringLiteral("DO1NRK"));

        ASSERT_GT(progress.size(), 3900) << "progress after every 32-byte block";
        EXPECT_TRUE(std::is_sorted(progress.begin() + 1, progress.end()));
        EXPECT_EQ(progress.last(), 1.0);
        const SimScreen screen = radio.sim.screen();
        EXPECT_FALSE(screen.open) << "the transfer screen is closed at the end";
        EXPECT_EQ(screen.closeCount, 1);
    }
}

TEST_F(Transfer, ReadAndWriteNeedARadio) {
    ControllerOnStandIn c;
    const OperationResult notConnected =
        OperationResult::failure(DeviceOperation::readCodeplug, OperationErrorKind::notConnected,
                                 QStringLiteral("Nicht verbunden."));
    EXPECT_EQ(c.resultOf(DeviceOperation::readCodeplug, [&] { c->readCodeplug(); }), notConnected);
    EXPECT_EQ(c->status(), RadioController::Status::disconnected());

    c->openCodeplugFile(
        saveImage(dir, QStringLiteral("a.nerka"), sampleCodeplug(RadioVariant::gd77)));
    c.drain();
    c->markRegionsChanged({0});
    EXPECT_EQ(c.resultOf(DeviceOperation::writeCodeplug, [&] { c->writeChanges(); }).error,
              OperationErrorKind::notConnected);
    EXPECT_EQ(c->document().dirtyRegions(), (RegionSet{0, 1, 2, 3}))
        << "nothing read: every region";
}

TEST_F(Transfer, TimeoutInTheMiddleOfAReadKeepsWhatWasInMemory) {
    StandInRadio radio;
    ControllerOnStandIn c;
    ASSERT_TRUE(c.connectTo(radio));
    c->readCodeplug();
    c.finish();
    c->markRegionsChanged({0, 3});
    const CodeplugImage before = *c->document().image();
    const QList<RadioChannel> channels = c->document().channels();
    const QList<Zone> zones = c->document().zones();

    radio.sim.injectFault(SimFault::silence, 500);
    radio.sim.clearRequests();
    c->readCodeplug();
    c.finish();

    EXPECT_EQ(c.results.operations.last(),
              (OperationResult{DeviceOperation::readCodeplug, OperationErrorKind::link,
                               LinkErrorKind::timeout,
                               QStringLiteral("Timeout while reading from the device.")}));
    EXPECT_EQ(c->status(), RadioController::Status::connected());
    EXPECT_EQ(c->progress(), 0.0);
    EXPECT_TRUE(*c->document().image() == before);
    EXPECT_EQ(c->document().channels(), channels);
    EXPECT_EQ(c->document().zones(), zones);
    EXPECT_EQ(c->document().dirtyRegions(), (RegionSet{0, 3}));
    EXPECT_EQ(radio.sim.requests().last(), command({'C', 0x05}))
        << "the transfer screen is closed after the failure";

    // The radio answers again: the connection is still usable.
    radio.sim.clearFaults();
    c->readCodeplug();
    c.finish();
    EXPECT_TRUE(c->document().dirtyRegions().empty());
    EXPECT_EQ(c->progress(), 1.0);
}

TEST_F(Transfer, WritesDirtyRegionsWholeInAscendingOrderThenRebootsAndReconnects) {
    StandInRadio radio;
    ControllerOnStandIn c(0.1);
    c.settings->setValue(QString::fromLatin1(Preferences::kAutoConnectKey), false);
    ASSERT_TRUE(c.connectTo(radio));
    c->readCodeplug();
    c.finish();
    // A file that differs from the radio's codeplug in regions 0 and 3.
    const CodeplugImage changed = changedSample(RadioVariant::gd77, {0, 3});
    c->openCodeplugFile(saveImage(dir, QStringLiteral("changed.nerka"), changed));
    c.drain();
    ASSERT_EQ(c->document().dirtyRegions(), (RegionSet{0, 3}));
    const QByteArray eepromBefore = bankOf(radio.sim, Bank::eeprom);
    const QByteArray flashBefore = bankOf(radio.sim, Bank::flash);
    radio.sim.clearRequests();
    c->setWholeRegionWrites(true);

    c->writeChanges();
    EXPECT_EQ(c->status(), RadioController::Status::working(QStringLiteral("Writing changes…")));
    c.finish();

    // What the radio holds: exactly regions 0 and 3 replaced.
    QByteArray eepromExpected = eepromBefore;
    QByteArray flashExpected = flashBefore;
    for (int index : {0, 3}) {
        const CodeplugRegion& r = changed.regions[index];
        QByteArray& bank = r.bank == Bank::eeprom ? eepromExpected : flashExpected;
        bank.replace(qsizetype(r.address), r.length, changed.blobs[index]);
    }
    EXPECT_TRUE(bankOf(radio.sim, Bank::eeprom) == eepromExpected);
    EXPECT_TRUE(bankOf(radio.sim, Bank::flash) == flashExpected);

    const QList<SentWrite> writes = sentWrites(radio.sim.requests(), 'W');
    ASSERT_FALSE(writes.isEmpty());
    EXPECT_EQ(writes.first().sub, 0x04);
    EXPECT_EQ(writes.first().address, 0x80u) << "region 0 goes first";
    int eepromBytes = 0;
    for (const SentWrite& w : writes) {
        if (w.sub == 0x04) {
            EXPECT_LE(w.length, 32);
            eepromBytes += w.length;
        }
    }
    EXPECT_EQ(eepromBytes, changed.regions[0].length) << "the EEPROM region is sent whole";
    const QList<QByteArray> requests = radio.sim.requests();
    ASSERT_GE(requests.size(), 2);
    EXPECT_EQ(requests[requests.size() - 2], command({'C', 0x05}));
    EXPECT_EQ(requests.last(), command({'C', 0x06, 0x01}));
    EXPECT_TRUE(radio.sim.waitForGeneration(2, 10000)) << "the radio rebooted";
    EXPECT_EQ(radio.sim.rebootCount(), 1);

    // The controller after the reboot: image kept, nothing dirty, disconnected.
    EXPECT_EQ(c->status(), RadioController::Status::disconnected());
    EXPECT_FALSE(c->firmware().has_value());
    EXPECT_TRUE(c->document().dirtyRegions().empty());
    EXPECT_TRUE(*c->document().image() == changed);
    EXPECT_EQ(c->progress(), 1.0);
    EXPECT_EQ(c.results.last(DeviceOperation::writeCodeplug),
              OperationResult::success(DeviceOperation::writeCodeplug));

    // About 3 s (scaled) later the rebooted radio is found again although
    // auto-connect is off; the codeplug in memory is not read over.
    ASSERT_TRUE(c.waitFor([&] { return c->status().isConnected(); }));
    c.drain();
    EXPECT_EQ(c.results.count(DeviceOperation::readCodeplug), 1)
        << "nothing read after the reconnect";
    EXPECT_TRUE(*c->document().image() == changed);
}

TEST_F(Transfer, EepromRegionAfterAFlashRegionCommitsTheOpenSectorFirst) {
    StandInRadio radio;
    ControllerOnStandIn c;
    ASSERT_TRUE(c.connectTo(radio));
    // A file may list its regions in any order: here the custom-data area in
    // flash (two sectors) comes before the zone table in EEPROM.
    const CodeplugImage sample = changedSample(RadioVariant::gd77, {1, 2});
    CodeplugImage image;
    image.variant = RadioVariant::gd77;
    image.regions = {sample.regions[2], sample.regions[1]};
    image.blobs = {sample.blobs[2], sample.blobs[1]};
    c->openCodeplugFile(saveImage(dir, QStringLiteral("mixed.nerka"), image));
    c.drain();
    c->markRegionsChanged({0, 1});
    radio.sim.clearRequests();

    c->writeChanges();
    c.finish();
    ASSERT_TRUE(c.results.reports.isEmpty()) << c.results.reports.join(u'\n').toStdString();

    const QList<SentWrite> writes = sentWrites(radio.sim.requests(), 'W');
    QList<int> subs;
    for (const SentWrite& w : writes)
        if (subs.isEmpty() || subs.last() != w.sub)
            subs.append(w.sub);
    // set sector 0, buffer, commit, set sector 1, buffer, commit, EEPROM.
    EXPECT_EQ(subs, (QList<int>{0x01, 0x02, 0x03, 0x01, 0x02, 0x03, 0x04}));
    EXPECT_TRUE(radio.memoryAs(image) == image);
}

TEST_F(Transfer, FailureInTheMiddleOfAWriteCommitsClosesAndKeepsTheChanges) {
    StandInRadio radio;
    ControllerOnStandIn c;
    ASSERT_TRUE(c.connectTo(radio));
    c->readCodeplug(); // what the radio holds, so only the file's changes are dirty
    c.finish();
    const CodeplugImage changed = changedSample(RadioVariant::gd77, {2, 3});
    c->openCodeplugFile(saveImage(dir, QStringLiteral("changed.nerka"), changed));
    c.drain();
    c->markRegionsChanged({2, 3});
    // The requests of the write alone, without the backup read before it.
    c->setBackupBeforeWrite(false);
    c->setWholeRegionWrites(true);
    radio.sim.clearRequests();
    // The screen takes 8 packets; the fault hits a buffer write of region 2.
    radio.sim.injectFault(SimFault::wrongAck, 40);

    c->writeChanges();
    c.finish();

    const auto failed = c.results.last(DeviceOperation::writeCodeplug);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->error, OperationErrorKind::link);
    EXPECT_TRUE(
        failed->text.startsWith(QStringLiteral("Invalid response from device: FLASH-Buffer @ 0x")))
        << failed->text.toStdString();
    EXPECT_TRUE(failed->text.endsWith(QStringLiteral(": Antwort 'N'")));
    EXPECT_EQ(c->status(), RadioController::Status::connected());
    EXPECT_EQ(c->progress(), 0.0);
    EXPECT_EQ(c->document().dirtyRegions(), (RegionSet{2, 3}));
    EXPECT_TRUE(c->hasInterface());
    EXPECT_EQ(radio.sim.rebootCount(), 0);
    const QList<QByteArray> requests = radio.sim.requests();
    ASSERT_GE(requests.size(), 42);
    EXPECT_EQ(requests.size(), 43) << "failed write, then exactly the commit and the close";
    EXPECT_EQ(requests[41], QByteArray("W\x03", 2));
    EXPECT_EQ(requests[42], command({'C', 0x05}));
    EXPECT_EQ(radio.sim.bufferedSector(), -1) << "the open sector was committed";

    // The user writes again and the radio ends up holding the image.
    c->writeChanges();
    c.finish();
    EXPECT_TRUE(c->document().dirtyRegions().empty());
    EXPECT_TRUE(radio.memoryAs(changed) == changed);
}

TEST_F(Transfer, ImageOfTheOtherFamilyIsRefusedBeforeAnythingIsSent) {
    StandInRadio radio(RadioType::mduv380);
    ControllerOnStandIn c;
    ASSERT_TRUE(c.connectTo(radio));
    c->openCodeplugFile(
        saveImage(dir, QStringLiteral("gd77.nerka"), sampleCodeplug(RadioVariant::gd77)));
    c.drain();
    c->markRegionsChanged({0, 1, 2, 3});
    const int requestsBefore = radio.sim.requestCount();

    EXPECT_EQ(c.resultOf(DeviceOperation::writeCodeplug, [&] { c->writeChanges(); }),
              OperationResult::failure(
                  DeviceOperation::writeCodeplug, OperationErrorKind::refused,
                  QStringLiteral("The codeplug is for the GD77 family, but the connected radio "
                                 "is UV380 family. Nothing was written.")));
    c.drain();
    EXPECT_EQ(radio.sim.requestCount(), requestsBefore);
    EXPECT_EQ(c->status(), RadioController::Status::connected());
    EXPECT_EQ(c->document().dirtyRegions(), (RegionSet{0, 1, 2, 3}));
}

TEST_F(Transfer, WriteWithoutChangesDoesNothing) {
    StandInRadio radio;
    ControllerOnStandIn c;
    ASSERT_TRUE(c.connectTo(radio));
    c->readCodeplug();
    c.finish();
    const int requestsBefore = radio.sim.requestCount();
    EXPECT_EQ(c.resultOf(DeviceOperation::writeCodeplug, [&] { c->writeChanges(); }),
              OperationResult::success(DeviceOperation::writeCodeplug));
    c.drain();
    EXPECT_EQ(radio.sim.requestCount(), requestsBefore);
    EXPECT_EQ(c->status(), RadioController::Status::connected());
}

TEST_F(Transfer, OpensAndSavesCodeplugFiles) {
    StandInRadio radio;
    ControllerOnStandIn c;
    const EditResult nothing = c->saveCodeplugFile(dir.filePath(QStringLiteral("nothing.nerka")));
    EXPECT_EQ(nothing.refusal(),
              (EditRefusal{RefusalKind::noCodeplug, QStringLiteral("No codeplug loaded.")}));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("nothing.nerka"))));

    ASSERT_TRUE(c.connectTo(radio));
    c->readCodeplug();
    c.finish();
    c->document().writeSettings({QStringLiteral("DL9XYZ"), 2629999, 144, 146, 430, 440});
    ASSERT_FALSE(c->document().dirtyRegions().empty());
    ASSERT_TRUE(c->document().canUndo());

    // Opening while connected: connection and status stay, the changes go.
    const CodeplugImage uv380 = sampleCodeplug(RadioVariant::uv380);
    const QString uvPath = saveImage(dir, QStringLiteral("other.nerka"), uv380);
    const EditResult opened = c->openCodeplugFile(uvPath);
    EXPECT_TRUE(opened.isDone());
    EXPECT_TRUE(opened.changes().replaced);
    EXPECT_EQ(opened.summary(), QStringLiteral("File loaded: other.nerka (UV380)"));
    // The document is the file's when the open returns, not a turn later.
    EXPECT_TRUE(*c->document().image() == uv380);
    EXPECT_EQ(c->document().dirtyRegions().size(), std::size_t(uv380.regions.size()))
        << "the radio holds another family's codeplug: every region differs";
    EXPECT_FALSE(c->document().canUndo()) << "a new image starts a new history";
    EXPECT_EQ(c->status(), RadioController::Status::connected());
    EXPECT_TRUE(c->hasInterface());
    EXPECT_EQ(c->documentURL(), QUrl::fromLocalFile(uvPath));
    EXPECT_EQ(c->document().channels().size(), 31);

    // Saving twice: the document is the second file; both hold the image.
    c->markRegionsChanged({1});
    const QString first = dir.filePath(QStringLiteral("first.nerka"));
    const QString second = dir.filePath(QStringLiteral("second.nerka"));
    EXPECT_TRUE(c->saveCodeplugFile(first).isDone());
    const EditResult saved = c->saveCodeplugFile(second);
    EXPECT_EQ(saved.summary(), QStringLiteral("Gespeichert: second.nerka"));
    EXPECT_TRUE(saved.changes().isEmpty()) << "a save changes no record";
    EXPECT_EQ(c->documentURL(), QUrl::fromLocalFile(second));
    EXPECT_EQ(c->document().dirtyRegions().size(), std::size_t(uv380.regions.size()))
        << "a file is not the radio";
    for (const QString& path : {first, second}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), encodeCodeplugFile(uv380));
    }

    // A file without a family.
    CodeplugImage noFamily = uv380;
    noFamily.variant.reset();
    EXPECT_EQ(
        c->openCodeplugFile(saveImage(dir, QStringLiteral("plain.nerka"), noFamily)).summary(),
        QStringLiteral("File loaded: plain.nerka (?)"));
}

TEST_F(Transfer, UnreadableFilesLeaveTheImageAsItWas) {
    ControllerOnStandIn c;
    const CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
    c->openCodeplugFile(saveImage(dir, QStringLiteral("good.nerka"), image));
    c.drain();
    c->markRegionsChanged({2});

    const QString junk = dir.filePath(QStringLiteral("junk.nerka"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("NOTACODEPLUGFILE");
    file.close();
    EXPECT_EQ(c->openCodeplugFile(junk).refusal(),
              (EditRefusal{RefusalKind::invalid,
                           QStringLiteral("Invalid codeplug file: Wrong signature — not a valid "
                                          "codeplug file (v2).")}));
    const EditResult missing = c->openCodeplugFile(dir.filePath(QStringLiteral("missing.nerka")));
    EXPECT_TRUE(missing.isRefused());
    EXPECT_FALSE(missing.errorText().isEmpty());

    EXPECT_TRUE(*c->document().image() == image);
    EXPECT_EQ(c->document().dirtyRegions(), (RegionSet{0, 1, 2, 3})) << "still nothing read";
    EXPECT_EQ(c->documentURL(), QUrl::fromLocalFile(dir.filePath(QStringLiteral("good.nerka"))));
}

TEST_F(Transfer, FailedSaveLeavesTheOldFileIntact) {
    ControllerOnStandIn c;
    c->openCodeplugFile(
        saveImage(dir, QStringLiteral("good.nerka"), sampleCodeplug(RadioVariant::gd77)));
    c.drain();

    EXPECT_EQ(
        c->saveCodeplugFile(dir.filePath(QStringLiteral("no/such/folder/x.nerka"))).refusal()->kind,
        RefusalKind::invalid);

    // Writing stops after 1000 bytes (a full disk, a quota): the file that
    // was there before keeps its contents.
    const QString target = dir.filePath(QStringLiteral("old.nerka"));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const EditResult failed = c->saveCodeplugFile(target);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    c.drain();

    EXPECT_TRUE(failed.isRefused());
    EXPECT_FALSE(failed.errorText().isEmpty());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old contents"));
    EXPECT_EQ(c->documentURL(), QUrl::fromLocalFile(dir.filePath(QStringLiteral("good.nerka"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";
}
