#include "StandInRadio.h"

#include "codeplug/CodeplugFile.h"
#include "link/LinkProtocol.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace nerka;
using nerka::test::ControllerOnStandIn;
using nerka::test::StandInRadio;

namespace {

bool isBlockRead(const QByteArray& r) {
    return r.size() >= 2 && std::uint8_t(r[0]) == LinkProtocol::kRead &&
           (std::uint8_t(r[1]) == LinkProtocol::kModeFlash ||
            std::uint8_t(r[1]) == LinkProtocol::kModeEeprom);
}

bool isWrite(const QByteArray& r) {
    return !r.isEmpty() && (r[0] == 'W' || r[0] == 'X');
}

qsizetype firstWrite(const QList<QByteArray>& requests) {
    for (qsizetype i = 0; i < requests.size(); ++i)
        if (isWrite(requests[i]))
            return i;
    return -1;
}

qsizetype countReads(const QList<QByteArray>& requests, qsizetype before) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < before; ++i)
        n += isBlockRead(requests[i]) ? 1 : 0;
    return n;
}

// The sample with one byte changed in each region listed.
CodeplugImage changedSample(RadioVariant variant, const RegionSet& regions, char mark) {
    CodeplugImage image = sampleCodeplug(variant);
    for (int index : regions) {
        QByteArray& blob = image.blobs[index];
        blob[blob.size() / 2] = char(blob[blob.size() / 2] ^ mark);
    }
    return image;
}

// Each step's state, and the detail of the steps that have one, in order.
QStringList stepsOf(const WriteSteps& steps) {
    QStringList out;
    for (WriteStep step : WriteSteps::kSteps) {
        QString line = WriteSteps::name(step) + QStringLiteral(": ") +
                       WriteSteps::stateText(steps.state(step));
        if (!steps.detail(step).isEmpty())
            line += QStringLiteral(" (") + steps.detail(step) + u')';
        out.append(line);
    }
    return out;
}

std::optional<CodeplugImage> openBackup(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    auto decoded = decodeCodeplugFile(file.readAll());
    if (!std::holds_alternative<CodeplugImage>(decoded))
        return std::nullopt;
    return std::get<CodeplugImage>(decoded);
}

class SafeWrite : public ::testing::Test {
protected:
    // Opens `image` as a file, marks all its regions and writes; waits until
    // the write and (when pending) its verification are over.
    void writeAll(ControllerOnStandIn& c, const CodeplugImage& image) {
        const QString path = dir.filePath(QStringLiteral("write-%1.nerka").arg(++files));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(encodeCodeplugFile(image));
        file.close();
        c->openCodeplugFile(path);
        c.drain();
        c->markRegionsChanged({0, 1, 2, 3});
        c->writeChanges();
        waitForWrite(c);
    }
    static void waitForWrite(ControllerOnStandIn& c) {
        c.finish();
        ASSERT_TRUE(c.waitFor([&] { return !c->verificationPending(); }));
        c.finish();
    }

    QTemporaryDir dir;
    int files = 0;
};

TEST_F(SafeWrite, FreshBackupIsSavedBeforeTheFirstWriteAndTheWriteIsVerified) {
    StandInRadio radio(RadioType::md380); // UV380 family
    ControllerOnStandIn c(0.2);
    ASSERT_TRUE(c.connectTo(radio));
    const CodeplugImage before = radio.memoryAs(sampleCodeplug(RadioVariant::uv380));
    radio.sim.clearRequests();
    QList<QStringList> summaries;
    QObject::connect(c.controller.get(), &RadioController::writeSummaryReady, c.controller.get(),
                     [&](const QList<ChangeGroup>& groups) {
                         QStringList lines;
                         for (const ChangeGroup& group : groups)
                             lines.append(group.lines);
                         summaries.append(lines);
                     });

    writeAll(c, changedSample(RadioVariant::uv380, {3}, 0x21));

    const QList<CodeplugBackup> backups = c->backups().list();
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(backups[0].path.contains(QStringLiteral("TYT_MD-380-4A7C21E0/codeplug-")));
    EXPECT_EQ(openBackup(backups[0].path), before) << "the codeplug as the radio held it";
    const QList<QByteArray> requests = radio.sim.requests();
    const qsizetype firstWriteAt = firstWrite(requests);
    ASSERT_GT(firstWriteAt, 0);
    EXPECT_GT(countReads(requests, firstWriteAt), 3900) << "the whole codeplug was read first";
    ASSERT_EQ(summaries.size(), 1);
    EXPECT_EQ(summaries[0],
              QStringList{QStringLiteral("bytes outside known records in region 3 differ at "
                                         "offset 0x9F30 (1 byte)")});
    EXPECT_EQ(c.results.last(DeviceOperation::verifyWrite),
              OperationResult::success(DeviceOperation::verifyWrite));
    EXPECT_TRUE(c->status().isConnected());
    EXPECT_TRUE(c.results.reports.isEmpty());
    EXPECT_EQ(stepsOf(c->writeSteps()),
              (QStringList{
                  QStringLiteral("Backup: Done (") + QFileInfo(backups[0].path).fileName() + u')',
                  QStringLiteral("Write: Done (1 block(s), 32 bytes)"),
                  QStringLiteral("Reboot: Done"), QStringLiteral("Verify: Done (Verified)")}));
    EXPECT_TRUE(c->writeSteps().ended());
    EXPECT_FALSE(c->writeSteps().failed());
}

TEST_F(SafeWrite, CodeplugReadInThisConnectionIsBackedUpWithoutRadioTraffic) {
    StandInRadio radio;
    ControllerOnStandIn c(0.05);
    c->setVerifyAfterWrite(false);
    ASSERT_TRUE(c.connectTo(radio));
    c->readCodeplug();
    c.finish();
    ASSERT_TRUE(c->radioImage().has_value());
    const CodeplugImage read = *c->document().image();
    // Edit in memory and preview against what the radio holds.
    DeviceSettings settings = *c->document().settings();
    settings.call = QStringLiteral("DL9SAFE");
    c->document().writeSettings(settings);
    const auto preview = c->pendingWriteChanges();
    ASSERT_TRUE(preview.has_value());
    ASSERT_EQ(preview->size(), 1);
    ASSERT_EQ(preview->first().lines.size(), 1);
    EXPECT_TRUE(
        preview->first().lines.first().endsWith(QStringLiteral("Callsign DO1NRK → DL9SAFE")));
    radio.sim.clearRequests();

    c->writeChanges();
    waitForWrite(c);

    const QList<QByteArray> requests = radio.sim.requests();
    const qsizetype firstWriteAt = firstWrite(requests);
    ASSERT_GT(firstWriteAt, 0);
    EXPECT_EQ(countReads(requests, qsizetype(requests.size())), 0) << "no read at all";
    const QList<CodeplugBackup> backups = c->backups().list(0x4A7C21E0);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(openBackup(backups[0].path), read);
    EXPECT_FALSE(c->radioImage().has_value()) << "the radio was written since";
    // Without a read-back the write ends with the reboot command.
    EXPECT_EQ(c->writeSteps().state(WriteStep::reboot), WriteStepState::done);
    EXPECT_EQ(c->writeSteps().state(WriteStep::verify), WriteStepState::skipped);
    EXPECT_TRUE(c->writeSteps().ended());
}

TEST_F(SafeWrite, BackupThatCannotBeSavedBlocksTheWrite) {
    StandInRadio radio;
    ControllerOnStandIn c(0.05);
    QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    c->backups().setFolder(blocker.fileName() + QStringLiteral("/backups"));
    ASSERT_TRUE(c.connectTo(radio));
    const CodeplugImage before = radio.memoryAs(sampleCodeplug(RadioVariant::gd77));
    radio.sim.clearRequests();

    writeAll(c, changedSample(RadioVariant::gd77, {0, 3}, 0x44));

    EXPECT_EQ(firstWrite(radio.sim.requests()), -1) << "nothing was written";
    EXPECT_EQ(radio.memoryAs(before), before);
    const auto refused = c.results.last(DeviceOperation::writeCodeplug);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->error, OperationErrorKind::file);
    EXPECT_TRUE(refused->text.startsWith(QStringLiteral("Could not save the backup: ")));
    EXPECT_TRUE(refused->text.endsWith(QStringLiteral("Nothing was written.")));
    EXPECT_EQ(c->document().dirtyRegions(), (RegionSet{0, 1, 2, 3}));
    EXPECT_TRUE(c->status().isConnected());
    EXPECT_EQ(c->writeSteps().state(WriteStep::backup), WriteStepState::failed);
    EXPECT_EQ(c->writeSteps().detail(WriteStep::backup), refused->text);
    EXPECT_EQ(c->writeSteps().state(WriteStep::write), WriteStepState::waiting) << "never ran";
    EXPECT_FALSE(c->writeSteps().active());
}

TEST_F(SafeWrite, VerificationCatchesAByteTheRadioStoredWrongly) {
    StandInRadio radio;
    ControllerOnStandIn c(0.2);
    ASSERT_TRUE(c.connectTo(radio));
    QSignalSpy finished(c.controller.get(), &RadioController::finished);
    radio.sim.injectFault(SimFault::corruptWrite);

    writeAll(c, changedSample(RadioVariant::gd77, {1}, 0x11));

    QList<OperationResult> verifications;
    for (const QList<QVariant>& args : finished) {
        const auto result = args[0].value<OperationResult>();
        if (result.operation == DeviceOperation::verifyWrite)
            verifications.append(result);
    }
    ASSERT_EQ(verifications.size(), 1);
    EXPECT_EQ(verifications[0].error, OperationErrorKind::mismatch);
    const QString error = verifications[0].text;
    EXPECT_EQ(c.results.lastReport(), error);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Verification failed: region ")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(c->backups().list().value(0).path)) << error.toStdString();
    EXPECT_EQ(c->document().dirtyRegions(), (RegionSet{0, 1, 2, 3}))
        << "a new write retries them all";
    EXPECT_EQ(c->writeSteps().state(WriteStep::reboot), WriteStepState::done);
    EXPECT_EQ(c->writeSteps().state(WriteStep::verify), WriteStepState::failed);
    EXPECT_EQ(c->writeSteps().detail(WriteStep::verify), error);
}

TEST_F(SafeWrite, RadioThatDoesNotComeBackCannotBeVerified) {
    StandInRadio radio;
    radio.sim.setRebootDelayMs(3000);
    ControllerOnStandIn c(0.01);
    c->setBackupBeforeWrite(false);
    ASSERT_TRUE(c.connectTo(radio));

    writeAll(c, changedSample(RadioVariant::gd77, {2}, 0x01));

    EXPECT_EQ(c.results.lastReport(),
              QStringLiteral("Could not verify: the radio did not reconnect."));
    EXPECT_TRUE(c->backups().list().isEmpty());
    EXPECT_EQ(stepsOf(c->writeSteps()),
              (QStringList{QStringLiteral("Backup: Skipped"),
                           QStringLiteral("Write: Done (3927 block(s), 125664 bytes)"),
                           QStringLiteral("Reboot: Failed (Could not verify: the radio did not "
                                          "reconnect.)"),
                           QStringLiteral("Verify: Waiting")}));
}

TEST_F(SafeWrite, RestoringABackupPutsTheOldCodeplugBack) {
    StandInRadio radio;
    ControllerOnStandIn c(0.2);
    ASSERT_TRUE(c.connectTo(radio));
    const CodeplugImage a = changedSample(RadioVariant::gd77, {0, 3}, 0x0A);
    const CodeplugImage b = changedSample(RadioVariant::gd77, {0, 1, 3}, 0x0B);
    writeAll(c, a);
    writeAll(c, b);
    ASSERT_EQ(radio.memoryAs(b), b);
    // The backup taken before B is A, needing no read: A was verified whole.
    const QList<CodeplugBackup> backups = c->backups().list();
    ASSERT_EQ(backups.size(), 2);
    ASSERT_EQ(openBackup(backups[0].path), a);

    const EditResult restored = c->restoreBackup(backups[0].path);
    EXPECT_TRUE(restored.changes().replaced);
    EXPECT_EQ(restored.summary(), QStringLiteral("Backup opened: ") +
                                      QFileInfo(backups[0].path).fileName() +
                                      QStringLiteral(" — 3 region(s) will be written with the "
                                                     "next write."));
    EXPECT_EQ(c->document().dirtyRegions(), (RegionSet{0, 1, 3}))
        << "where A differs from the radio's B";
    EXPECT_FALSE(c->documentURL().has_value());
    c->writeChanges();
    waitForWrite(c);

    EXPECT_EQ(radio.memoryAs(a), a);
    EXPECT_TRUE(c.results.reports.isEmpty());

    // A backup gone since it was listed: refused, the document stays.
    QFile::remove(backups[1].path);
    EXPECT_EQ(c->restoreBackup(backups[1].path).refusal()->kind, RefusalKind::invalid);
    EXPECT_TRUE(*c->document().image() == a);
}

TEST(CodeplugBackups, NamesAreUniqueAndTheNewestTwentyAreKept) {
    QTemporaryDir dir;
    const CodeplugBackups backups(dir.path());
    const CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
    const QDateTime start(QDate(2026, 12, 7), QTime(10, 0, 0));
    QStringList saved;
    for (int i = 0; i < 23; ++i) {
        // Two backups in each second.
        auto result =
            backups.save(image, QStringLiteral("TYT MD-UV380/390"), 0xAB, start.addSecs(i / 2));
        ASSERT_TRUE(result.ok());
        saved.append(result->path);
    }
    EXPECT_TRUE(saved[0].endsWith(
        QStringLiteral("TYT_MD-UV380_390-000000AB/codeplug-20261207-100000.nerka")));
    EXPECT_TRUE(saved[1].endsWith(QStringLiteral("/codeplug-20261207-100000-2.nerka")));
    const QList<CodeplugBackup> listed = backups.list();
    ASSERT_EQ(listed.size(), CodeplugBackups::kKeptPerRadio);
    EXPECT_EQ(listed.first().path, saved.last());
    EXPECT_EQ(listed.last().path, saved[3]);
    EXPECT_EQ(listed.first().model, QStringLiteral("TYT MD-UV380 390"));
    EXPECT_EQ(listed.first().flashSerial, 0xABu);
    EXPECT_TRUE(backups.list(0xAC).isEmpty());
}

} // namespace
