// nerka-cli on the inputs a new user gets wrong: targets that are no regular
// files, numbers a record cannot hold, oversized and damaged files, control
// characters in names, output that cannot be written, two programs on one
// port and an interrupted write.

#include "CliProcess.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"
#include "link/SerialPort.h"
#include "sim/RadioSimulator.h"
#include "sim/SampleCodeplug.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <sys/stat.h>

using namespace nerka;

namespace {

class BadInputCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        CodeplugImage image;
        image.variant = RadioVariant::gd77;
        image.regions = layoutForVariant(RadioVariant::gd77).regions;
        for (const auto& region : image.regions)
            image.blobs.append(QByteArray(region.length, '\0'));
        ASSERT_FALSE(createBlankChannel(0, image).empty());
        write("in.ogd", encodeCodeplugFile(image));
    }

    QString path(const char* name) const { return home.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QByteArray& data) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    QByteArray contents(const char* name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    test::CliOutput run(const QStringList& args) const {
        return test::runCli(args, test::isolatedEnvironment(home), 120000);
    }
    test::CliOutput edit(const QByteArray& ops, const char* out = "out.ogd") const {
        write("ops.json", ops);
        return run({QStringLiteral("edit"), path("in.ogd"), QStringLiteral("--ops"),
                    path("ops.json"), QStringLiteral("-o"), path(out)});
    }

    QTemporaryDir home;
};

} // namespace

TEST_F(BadInputCli, NumbersTheRecordCannotHoldAreRefused) {
    const struct {
        const char* edit;
        const char* error;
    } cases[] = {
        {R"("rxHz": 1000000000)", "'rxHz' must be an integer from 0 to 999999999"},
        {R"("txHz": 9007199254740992)", "'txHz' must be an integer from 0 to 999999999"},
        {R"("colorCode": 200)", "'colorCode' must be an integer from 0 to 15"},
        {R"("aprsIndex": 8)", "'aprsIndex' must be an integer from 0 to 7"},
        {R"("rxTone": {"ctcss": 1e15})",
         "'rxTone' must be a CTCSS tone (tenths of Hz) or DCS code of the tone tables"},
        {R"("txTone": {"dcs": 99999999, "inverted": false})",
         "'txTone' must be a CTCSS tone (tenths of Hz) or DCS code of the tone tables"},
    };
    for (const auto& c : cases) {
        const auto r =
            edit(QByteArray(R"([{"op": "updateChannel", "number": 1, "edit": {)") + c.edit + "}}]");
        EXPECT_EQ(r.exitCode, 1) << c.edit;
        EXPECT_TRUE(
            r.outLines().contains(QStringLiteral("• Error: Operation 1 (updateChannel): edit: ") +
                                  QString::fromLatin1(c.error)))
            << r.out.toStdString();
    }
    // The largest values that fit are taken.
    const auto fits = edit(R"([{"op": "updateChannel", "number": 1, "edit": {
        "rxHz": 999999999, "colorCode": 15, "aprsIndex": 7, "rxTone": {"ctcss": 2541}}}])");
    EXPECT_EQ(fits.exitCode, 0) << fits.out.toStdString();
}

TEST_F(BadInputCli, TargetsThatAreNoRegularFilesAreRefused) {
    ASSERT_EQ(::mkfifo(path("fifo").toLocal8Bit().constData(), 0600), 0);
    const auto fifo = edit("[]", "fifo");
    EXPECT_EQ(fifo.exitCode, 1);
    EXPECT_TRUE(fifo.outLines().contains(QStringLiteral("• Error: Could not save ") + path("fifo") +
                                         QStringLiteral(": it is not a regular file (a device, "
                                                        "pipe or socket).")))
        << fifo.out.toStdString();
    EXPECT_FALSE(QFileInfo(path("fifo")).isFile()) << "the FIFO is still there";

    // A symbolic link to a regular file writes the file and stays a link.
    write("real.ogd", "old");
    ASSERT_TRUE(QFile::link(path("real.ogd"), path("link.ogd")));
    const auto linked = edit("[]", "link.ogd");
    EXPECT_EQ(linked.exitCode, 0) << linked.out.toStdString();
    EXPECT_TRUE(QFileInfo(path("link.ogd")).isSymLink());
    EXPECT_EQ(contents("real.ogd"), contents("in.ogd"));

    const auto dmr =
        run({QStringLiteral("dmrdb"), QStringLiteral("encode"), path("in.ogd"),
             QStringLiteral("--family"), QStringLiteral("gd77"), QStringLiteral("--area1"),
             QStringLiteral("/dev/null"), QStringLiteral("--area2"), path("a2.bin")});
    EXPECT_EQ(dmr.exitCode, 1);
    EXPECT_TRUE(dmr.err.contains(QStringLiteral("Could not save /dev/null: it is not a regular")));
}

TEST_F(BadInputCli, DmrdbEncodeWritesBothAreasOrNeither) {
    write("ids.csv", "1,DL1AA,Ann\n2,DL2BB,Bob\n2,DL2BB,Dup\n");
    write("a1.bin", "old area 1");
    const auto encode = [&](const QString& area2) {
        return run({QStringLiteral("dmrdb"), QStringLiteral("encode"), path("ids.csv"),
                    QStringLiteral("--family"), QStringLiteral("gd77"), QStringLiteral("--area1"),
                    path("a1.bin"), QStringLiteral("--area2"), area2});
    };
    const auto same = encode(path("a1.bin"));
    EXPECT_EQ(same.exitCode, 2);
    EXPECT_TRUE(same.err.contains(QStringLiteral("--area1 and --area2 name the same file")));

    // Area 2 cannot be written (its folder is missing): area 1 stays as it was.
    const auto failed = encode(path("missing/a2.bin"));
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains(QStringLiteral("Could not save ") + path("missing/a2.bin")))
        << failed.err.toStdString();
    EXPECT_EQ(contents("a1.bin"), QByteArray("old area 1"));

    const auto ok = encode(path("a2.bin"));
    EXPECT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_EQ(ok.out,
              QStringLiteral("• Imported DMR database from ids.csv: 3 entries (0 skipped).\n"
                             "written 2 dropped 0 merged 1\n"));
    EXPECT_NE(contents("a1.bin"), QByteArray("old area 1"));
}

TEST_F(BadInputCli, OversizedAndDamagedFilesAreRefusedWithTheirName) {
    // Larger than any codeplug: refused unread, naming the limit.
    QFile big(path("big.ogd"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(3ll * 1024 * 1024 * 1024));
    big.close();
    const auto dump = run({QStringLiteral("dump"), path("big.ogd")});
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_EQ(dump.out, QStringLiteral("• Error: Could not read ") + path("big.ogd") +
                            QStringLiteral(": it is larger than 1 MiB, the limit for a codeplug "
                                           "file.\n"));

    // A device without end: read up to the limit and no further.
    const auto zero = run({QStringLiteral("edit"), path("in.ogd"), QStringLiteral("--ops"),
                           QStringLiteral("/dev/zero"), QStringLiteral("-o"), path("out.ogd")});
    EXPECT_EQ(zero.exitCode, 1);
    EXPECT_TRUE(zero.err.contains(QStringLiteral(
        "Could not read /dev/zero: it is larger than 4 MiB, the limit for an operations file.")));

    const auto missing = run({QStringLiteral("dump"), path("missing.ogd")});
    EXPECT_EQ(missing.out, QStringLiteral("• Error: Could not read ") + path("missing.ogd") +
                               QStringLiteral(": No such file or directory\n"));
}

TEST_F(BadInputCli, ControlCharactersAreShownEscaped) {
    const auto r = edit(R"([{"op": "updateChannel", "number": 1,
                            "edit": {"name": "A\u001b[2JB\nC"}}])");
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("• Channel 1 changed: A\\x1B[2JB\\x0AC (RX")))
        << r.out.toStdString();
    const auto dump = run({QStringLiteral("dump"), path("out.ogd")});
    EXPECT_TRUE(dump.out.contains(QStringLiteral("Channel 1: A\\x1B[2JB\\x0AC FM")))
        << dump.out.toStdString();
    EXPECT_FALSE(dump.out.contains(QChar(0x1B)));
    // The stored name keeps its characters.
    const auto json = run({QStringLiteral("dump"), path("out.ogd"), QStringLiteral("--json")});
    EXPECT_TRUE(json.out.contains(QStringLiteral(R"("name": "A\u001b[2JB\nC")")))
        << json.out.toStdString();
}

TEST_F(BadInputCli, OutputThatCannotBeWrittenIsAFailure) {
    QProcess process;
    process.setProcessEnvironment(test::isolatedEnvironment(home));
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(NERKA_CLI_PATH),
                  {QStringLiteral("dump"), path("in.ogd"), QStringLiteral("--json")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                    .contains(QStringLiteral("could not write standard output")));
}

TEST_F(BadInputCli, WriteRefusesRegionsOutsideTheLayout) {
    CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
    image.regions.append({Bank::flash, 0x30000, 256});
    image.blobs.append(QByteArray(256, '\x5A'));
    write("crafted.ogd", encodeCodeplugFile(image));
    const auto r = run({QStringLiteral("write"), QStringLiteral("--demo"), path("crafted.ogd")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.outLines().contains(
        QStringLiteral("• Error: Region 5 (flash 0x30000, 256 bytes) is not a region of the "
                       "GD77 codeplug. Nothing was written.")))
        << r.out.toStdString();
    EXPECT_FALSE(r.out.contains(QStringLiteral("Writing")));
}

TEST_F(BadInputCli, InterruptedWriteEndsCleanlyWithTheSignalsExitCode) {
#if defined(__SANITIZE_THREAD__)
    // ThreadSanitizer refuses the threads of a process forked while the
    // stand-in's thread runs; the signal handling has no threads of its own to
    // check, and the other builds run this test.
    GTEST_SKIP() << "not under ThreadSanitizer";
#endif
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        RadioSimulator radio;
        ASSERT_TRUE(radio.loadCodeplug(sampleCodeplug(RadioVariant::gd77)).ok());
        ASSERT_TRUE(radio.start().ok());
        write("whole.ogd", encodeCodeplugFile(sampleCodeplug(RadioVariant::gd77)));

        QProcess process;
        process.setProcessEnvironment(test::isolatedEnvironment(home));
        process.start(QStringLiteral(NERKA_CLI_PATH),
                      {QStringLiteral("write"), QStringLiteral("--port"), radio.devicePath(),
                       path("whole.ogd"), QStringLiteral("--whole-regions")});
        ASSERT_TRUE(process.waitForStarted());
        // Well into the write: some hundred blocks sent.
        for (int i = 0; i < 3000 && radio.requestCount() < 300; ++i)
            QThread::msleep(5);
        ASSERT_GE(radio.requestCount(), 300);
        ::kill(pid_t(process.processId()), signalNumber);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 128 + signalNumber);
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        EXPECT_TRUE(out.contains(
            QStringLiteral("• Error: Interrupted: the write stopped after the current block.")))
            << out.toStdString();
        EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                        .contains(QStringLiteral("nerka-cli: interrupted by")));
        EXPECT_FALSE(radio.screen().open) << "the transfer screen is closed";
        EXPECT_EQ(radio.bufferedSector(), -1) << "the open sector was committed";
        EXPECT_EQ(radio.rebootCount(), 0);
    }
}

TEST_F(BadInputCli, KilledWhileSavingLeavesTheOldOrTheNewFileNeverATornOne) {
    // Old and new contents differ all through, so any mix would show.
    CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
    const QByteArray newBytes = encodeCodeplugFile(image);
    write("in.ogd", newBytes);
    for (QByteArray& blob : image.blobs)
        blob.fill('\x77');
    const QByteArray oldBytes = encodeCodeplugFile(image);
    ASSERT_EQ(oldBytes.size(), newBytes.size());
    write("ops.json", "[]");
    const QStringList args{QStringLiteral("edit"), path("in.ogd"),       QStringLiteral("--ops"),
                           path("ops.json"),       QStringLiteral("-o"), path("target.ogd")};

    // How long one whole run takes, to spread the kills over it.
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(run(args).exitCode, 0);
    const qint64 runMs = std::max<qint64>(clock.elapsed(), 20);

    QRandomGenerator random(20261207);
    int sawOld = 0;
    int sawNew = 0;
    for (int round = 0; round < 40; ++round) {
        write("target.ogd", oldBytes);
        QProcess process;
        process.setProcessEnvironment(test::isolatedEnvironment(home));
        process.start(QStringLiteral(NERKA_CLI_PATH), args);
        ASSERT_TRUE(process.waitForStarted());
        QThread::usleep(random.bounded(quint32(runMs * 1000)));
        ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished(30000);
        const QByteArray now = contents("target.ogd");
        EXPECT_TRUE(now == oldBytes || now == newBytes) << "round " << round;
        (now == oldBytes ? sawOld : sawNew) += 1;
    }
    std::cout << "killed saves: " << sawOld << " left the old file, " << sawNew << " the new one\n";
}

TEST_F(BadInputCli, ASecondProgramOnTheSamePortGetsPortBusyBeforeSendingAnything) {
    RadioSimulator radio;
    ASSERT_TRUE(radio.start().ok());
    SerialPort holder; // the other program
    ASSERT_TRUE(holder.open(radio.devicePath()).ok());
    const auto r = run({QStringLiteral("info"), QStringLiteral("--port"), radio.devicePath()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Port busy"))) << r.err.toStdString();
    EXPECT_EQ(radio.requestCount(), 0);
}
