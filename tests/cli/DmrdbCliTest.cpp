// nerka-cli dmrdb run as a process: import and encode from files, and the
// radio subcommands against the demo radio and a stand-in named with --port.

#include "Bytes.h"
#include "CliProcess.h"
#include "sim/RadioSimulator.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;

namespace {

using CliRun = test::CliOutput;

const QByteArray kTwoRows = "RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n"
                            "2000002,XX0BBB,Bo,\"Lee, Jr\"\n"
                            "abc,XX0BAD,,\n"
                            "1000001,XX0AAA,Ann,\n";

class DmrdbCli : public ::testing::Test {
protected:
    CliRun run(const QStringList& args) {
        return test::runCli(QStringList{QStringLiteral("dmrdb")} + args,
                            test::isolatedEnvironment(home), 120000);
    }

    QString file(const QString& name, const QByteArray& contents) {
        const QString path = home.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents);
        return path;
    }

    QByteArray contents(const QString& name) const {
        QFile f(home.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    bool exists(const QString& name) const { return QFile::exists(home.filePath(name)); }

    QTemporaryDir home;
};

} // namespace

TEST_F(DmrdbCli, ImportPrintsTheLogLineAndTheEntriesAsJson) {
    const CliRun r = run({QStringLiteral("import"), file(QStringLiteral("ids.csv"), kTwoRows),
                          QStringLiteral("--json")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString logLine =
        QStringLiteral("\u2022 Imported DMR database from ids.csv: 2 entries (1 skipped).\n");
    ASSERT_TRUE(r.out.startsWith(logLine)) << r.out.toStdString();
    const QJsonDocument json = QJsonDocument::fromJson(r.out.mid(logLine.size()).toUtf8());
    ASSERT_TRUE(json.isArray());
    const QJsonArray entries = json.array();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].toObject(),
              (QJsonObject{{QStringLiteral("id"), 2000002},
                           {QStringLiteral("callsign"), QStringLiteral("XX0BBB")},
                           {QStringLiteral("firstName"), QStringLiteral("Bo")},
                           {QStringLiteral("lastName"), QStringLiteral("Lee, Jr")}}))
        << "file order, quotes removed";
    EXPECT_EQ(entries[1].toObject()[QStringLiteral("id")].toInt(), 1000001);

    const CliRun empty =
        run({QStringLiteral("import"), file(QStringLiteral("empty.csv"), "# nothing\n")});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.out, QStringLiteral("\u2022 Error: No usable DMR IDs found in the file.\n"));
    EXPECT_EQ(empty.err, QStringLiteral("No usable DMR IDs found in the file.\n"));
}

TEST_F(DmrdbCli, EncodeSavesBothAreasWithTheChosenOptions) {
    const QString csv = file(QStringLiteral("ids.csv"), kTwoRows);
    const CliRun r =
        run({QStringLiteral("encode"), csv, QStringLiteral("--family"), QStringLiteral("gd77"),
             QStringLiteral("--area1"), home.filePath(QStringLiteral("a1.bin")),
             QStringLiteral("--area2"), home.filePath(QStringLiteral("a2.bin"))});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("\nwritten 2 dropped 0\n"))) << r.out.toStdString();
    const QByteArray area1 = contents(QStringLiteral("a1.bin"));
    ASSERT_EQ(area1.size(), 12 + 2 * 15);
    EXPECT_EQ(area1.first(15),
              bytes({0x49, 0x64, 0x4E, 0x59, 0, 0, 0, 0, 2, 0, 0, 0, 0x41, 0x42, 0x0F}));
    EXPECT_EQ(area1.mid(27, 3), bytes({0x82, 0x84, 0x1E}));
    EXPECT_TRUE(exists(QStringLiteral("a2.bin")));
    EXPECT_TRUE(contents(QStringLiteral("a2.bin")).isEmpty());

    // Uncompressed, 8 characters, full names: "XX0AAA Ann" is cut to 8 bytes.
    const CliRun u =
        run({QStringLiteral("encode"), csv, QStringLiteral("--family"), QStringLiteral("uv380"),
             QStringLiteral("--format"), QStringLiteral("uncompressed"),
             QStringLiteral("--text-length"), QStringLiteral("8"), QStringLiteral("--name-format"),
             QStringLiteral("fullName"), QStringLiteral("--area1"),
             home.filePath(QStringLiteral("u1.bin")), QStringLiteral("--area2"),
             home.filePath(QStringLiteral("u2.bin"))});
    EXPECT_EQ(u.exitCode, 0) << u.err.toStdString();
    EXPECT_EQ(contents(QStringLiteral("u1.bin")).first(24),
              bytes({0x49, 0x64, 0x54, 0x56, 0, 0, 0, 0, 2, 0, 0, 0, 0x01, 0x00, 0x00, 0x01}) +
                  QByteArray("XX0AAA A"));

    for (const QStringList& bad :
         {QStringList{QStringLiteral("encode"), csv, QStringLiteral("--area1"), QStringLiteral("x"),
                      QStringLiteral("--area2"), QStringLiteral("y")},
          QStringList{QStringLiteral("encode"), csv, QStringLiteral("--family"),
                      QStringLiteral("gd77"), QStringLiteral("--format"), QStringLiteral("zip"),
                      QStringLiteral("--area1"), QStringLiteral("x"), QStringLiteral("--area2"),
                      QStringLiteral("y")},
          QStringList{QStringLiteral("frobnicate")}}) {
        const CliRun usage = run(bad);
        EXPECT_EQ(usage.exitCode, 2) << bad.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(usage.out.isEmpty());
        EXPECT_TRUE(usage.err.contains(QStringLiteral("usage: nerka-cli dmrdb")));
    }
}

TEST_F(DmrdbCli, DemoRadioCountsAndWrites) {
    const CliRun count = run({QStringLiteral("count"), QStringLiteral("--demo")});
    EXPECT_EQ(count.exitCode, 0) << count.err.toStdString();
    ASSERT_FALSE(count.outLines().isEmpty());
    EXPECT_EQ(count.outLines().last(), QStringLiteral("0"));

    const CliRun write = run({QStringLiteral("write"), file(QStringLiteral("ids.csv"), kTwoRows),
                              QStringLiteral("--demo")});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    const QStringList lines = write.outLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("\u2022 Writing DMR database: 2 entries (0 KB)…")))
        << write.out.toStdString();
    EXPECT_EQ(lines.last(),
              QStringLiteral("\u2022 DMR database written. Device is rebooting — disconnected."));
}

TEST_F(DmrdbCli, WriteCountAndReadBackThroughAPort) {
    RadioSimulator sim;
    sim.setRebootDelayMs(50);
    ASSERT_TRUE(sim.start().ok());
    const QString port = sim.devicePath();

    const CliRun none = run({QStringLiteral("read"), QStringLiteral("--port"), port,
                             QStringLiteral("-o"), home.filePath(QStringLiteral("out.csv"))});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(
        none.outLines().contains(QStringLiteral("\u2022 No DMR database found on the device.")));
    EXPECT_EQ(none.err, QStringLiteral("No DMR database to export.\n"));
    EXPECT_FALSE(exists(QStringLiteral("out.csv")));

    const CliRun write = run({QStringLiteral("write"), file(QStringLiteral("ids.csv"), kTwoRows),
                              QStringLiteral("--port"), port, QStringLiteral("--name-format"),
                              QStringLiteral("fullName")});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_EQ(sim.memory(Bank::flash, 0x30000, 4), bytes({0x49, 0x64, 0x4E, 0x59}));
    ASSERT_TRUE(sim.waitForGeneration(2, 5000));

    const CliRun count = run({QStringLiteral("count"), QStringLiteral("--port"), port});
    EXPECT_EQ(count.exitCode, 0) << count.err.toStdString();
    EXPECT_EQ(count.outLines().last(), QStringLiteral("2"));

    const CliRun read = run({QStringLiteral("read"), QStringLiteral("--port"), port,
                             QStringLiteral("-o"), home.filePath(QStringLiteral("out.csv"))});
    EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_TRUE(
        read.outLines().contains(QStringLiteral("\u2022 Exported 2 DMR entries to out.csv.")));
    // The whole stored text comes back in the callsign column: 16 characters
    // fit in 12 bytes, and the comma, not in the six-bit alphabet, became a space.
    EXPECT_EQ(contents(QStringLiteral("out.csv")),
              QByteArray("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n"
                         "1000001,XX0AAA Ann,,\n"
                         "2000002,XX0BBB Bo Lee  J,,\n"));

    // A radio that stops answering after the identification: the count fails
    // instead of printing 0.
    sim.injectFault(SimFault::silence, 1);
    const CliRun silent = run({QStringLiteral("count"), QStringLiteral("--port"), port});
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_EQ(silent.err, QStringLiteral("Timeout while reading from the device.\n"));
    EXPECT_FALSE(silent.outLines().contains(QStringLiteral("0")));
}

TEST_F(DmrdbCli, PreferChoosesWhichEntriesFitAndWithoutItNothingChanges) {
    // 139261 four-byte records fit on a GD-77 at text length 1; three more
    // entries than that, two of them under 262.
    QByteArray csv;
    for (int id = 1000000; id < 1000000 + 139262; ++id)
        csv += QByteArray::number(id) + ",A\n";
    csv += "2620002,B\n2620001,B\n";
    const QString path = file(QStringLiteral("many.csv"), csv);
    const auto encode = [&](const QStringList& extra) {
        return run(QStringList{QStringLiteral("encode"), path, QStringLiteral("--family"),
                               QStringLiteral("gd77"), QStringLiteral("--text-length"),
                               QStringLiteral("1"), QStringLiteral("--area1"),
                               home.filePath(QStringLiteral("a1.bin")), QStringLiteral("--area2"),
                               home.filePath(QStringLiteral("a2.bin"))} +
                   extra);
    };
    // The ID of the last record written (compressed: 24-bit little-endian).
    const auto lastId = [&] {
        const QByteArray area2 = contents(QStringLiteral("a2.bin"));
        const auto* b =
            reinterpret_cast<const unsigned char*>(area2.constData() + area2.size() - 4);
        return b[0] | b[1] << 8 | b[2] << 16;
    };

    const CliRun plain = encode({});
    EXPECT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_EQ(plain.outLines().last(), QStringLiteral("written 139261 dropped 3"));
    EXPECT_EQ(lastId(), 1139260);
    const QByteArray plainArea1 = contents(QStringLiteral("a1.bin"));

    const CliRun preferred = encode({QStringLiteral("--prefer"), QStringLiteral("262")});
    EXPECT_EQ(preferred.exitCode, 0) << preferred.err.toStdString();
    EXPECT_EQ(preferred.outLines().last(), QStringLiteral("written 139261 dropped 3"));
    EXPECT_EQ(lastId(), 2620002);
    // Filled by lowest ID up to the two of 262: area 1 is that of the plain run.
    EXPECT_EQ(contents(QStringLiteral("a1.bin")), plainArea1);

    const CliRun only = encode(
        {QStringLiteral("--prefer"), QStringLiteral("Germany"), QStringLiteral("--no-fill")});
    EXPECT_EQ(only.outLines().last(), QStringLiteral("written 2 dropped 139262"));

    for (const QStringList& bad :
         {QStringList{QStringLiteral("--no-fill")},
          QStringList{QStringLiteral("--prefer"), QStringLiteral("Atlantis")}}) {
        const CliRun usage = encode(bad);
        EXPECT_EQ(usage.exitCode, 2) << bad.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(usage.out.isEmpty());
    }
    const CliRun help = run({QStringLiteral("write"), QStringLiteral("--help")});
    EXPECT_TRUE(help.out.contains(QStringLiteral("--prefer PREFIXES")) &&
                help.out.contains(QStringLiteral("--no-fill")))
        << help.out.toStdString();

    // The write names the selection in its log.
    const CliRun write = run({QStringLiteral("write"), file(QStringLiteral("ids.csv"), kTwoRows),
                              QStringLiteral("--demo"), QStringLiteral("--prefer"),
                              QStringLiteral("2"), QStringLiteral("--no-fill")});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    const QStringList lines = write.outLines();
    const auto named = lines.indexOf(
        QStringLiteral("\u2022 Writing 1 of 2 entries: 2 complete, no other entries."));
    ASSERT_GE(named, 0) << write.out.toStdString();
    EXPECT_EQ(lines.value(named + 1),
              QStringLiteral("\u2022 Writing DMR database: 1 entries (0 KB)…"));
}
