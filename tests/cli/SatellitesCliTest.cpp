// nerka-cli satellites import, run as a process on codeplug files built here.

#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"

#include "Bytes.h"
#include "CliProcess.h"
#include "LocalHttpServer.h"
#include "tests/satellites/KepsSamples.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::hex;

namespace {

constexpr int kAreaSize = 4512; // GD-77 custom-data area: flash 0x00000
constexpr int kFirstRecord = 12 + 8;

QByteArray le32(std::uint32_t v) {
    return bytes({v, v >> 8, v >> 16, v >> 24});
}

// A satellite record with a name, zero elements, no frequencies and no tones.
QByteArray record(const char* name) {
    QByteArray r(name);
    r.append(QByteArray(56 - r.size(), '\0'));
    r.append(bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    r.append(QByteArray(40, '\0'));
    return r;
}

QByteArray areaWithSatellites(const QList<QByteArray>& records) {
    QByteArray area = QByteArray("OpenGD77") + QByteArray(4, '\0') +
                      bytes({0x03, 0, 0, 0, 0xD8, 0x09, 0, 0}) + records.join();
    area.append(QByteArray(12 + 8 + 2520 - area.size(), '\0'));
    area.append(QByteArray(kAreaSize - area.size(), char(0xFF)));
    return area;
}

QString keps(const QString& name, const QString& catalogue) {
    return name + QStringLiteral("\r\n") + test::elementLine1(catalogue) + QStringLiteral("\r\n") +
           test::elementLine2(catalogue) + QStringLiteral("\r\n");
}

const QByteArray kSatnogs = R"([{"description": "FM repeater CTCSS 67.0", "norad_cat_id": 12345,
    "uplink_low": 145850000, "downlink_low": 436795000, "mode": "FM", "alive": true}])";

struct SatellitesRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

class SatellitesCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        CodeplugImage image;
        image.variant = RadioVariant::gd77;
        image.regions = layoutForVariant(RadioVariant::gd77).regions;
        for (const auto& region : image.regions)
            image.blobs.append(QByteArray(region.length, '\0'));
        ASSERT_TRUE(writeBytes(image, Bank::flash, 0,
                               areaWithSatellites({record("SO-50"), record("AO-91")})));
        write("in.ogd", encodeCodeplugFile(image));
        write("keps.txt", (keps("SO-50", "27607") + keps("XY-1 (ABCSAT)", "12345") +
                           keps("ISS (ZARYA)", "25544"))
                              .toUtf8());
        write("satnogs.json", kSatnogs);
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QByteArray& data) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    // Runs nerka-cli; SatNOGS points at a dead loopback port unless `satnogsUrl`
    // names another, so nothing reaches the internet.
    SatellitesRun run(const QStringList& args, const QUrl& satnogsUrl = {}) {
        QProcessEnvironment env = test::isolatedEnvironment(dir);
        const QUrl satnogs =
            satnogsUrl.isValid()
                ? satnogsUrl
                : QUrl(QStringLiteral("http://127.0.0.1:%1").arg(test::unusedLoopbackPort()));
        env.insert(QStringLiteral("NERKA_SATNOGS_URL"), satnogs.toString());
        const test::CliOutput result = test::runCli(args, env);
        return SatellitesRun{result.exitCode, result.outLines(), result.err};
    }
    QStringList importArgs(const QStringList& extra) const {
        return QStringList{QStringLiteral("satellites"),
                           QStringLiteral("import"),
                           path("keps.txt"),
                           path("in.ogd"),
                           QStringLiteral("-o"),
                           path("out.ogd")} +
               extra;
    }
    // The custom-data area of the saved file.
    std::optional<QByteArray> savedArea() const {
        QFile file(path("out.ogd"));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        auto decoded = decodeCodeplugFile(file.readAll());
        const auto* image = std::get_if<CodeplugImage>(&decoded);
        if (!image)
            return std::nullopt;
        return readBytes(*image, Bank::flash, 0, kAreaSize);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SatellitesCli, RefreshesAddsAndSaves) {
    const SatellitesRun r =
        run(importArgs({QStringLiteral("--satnogs"), path("satnogs.json"), QStringLiteral("--add"),
                        QStringLiteral("abcsat, Zarya")}));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
              QStringList({"• File loaded: in.ogd (GD77)",
                           "• Loaded 3 TLEs from keps.txt; 1 have FM frequencies from SatNOGS.",
                           "• Refreshed the keps of 1 satellite(s) — no TLE for: AO-91.",
                           "• Added 2 satellite(s).", "• Gespeichert: out.ogd"}));
    const auto area = savedArea();
    ASSERT_TRUE(area.has_value());
    const auto slot = [&](int i) { return area->mid(kFirstRecord + 100 * i, 100); };
    const QByteArray elements = test::issTle1() + test::issTle2();
    EXPECT_EQ(hex(slot(0)), hex(QByteArray("SO-50\0\0\0", 8) + elements + record("").mid(48)));
    EXPECT_EQ(hex(slot(1)), hex(record("AO-91")));
    // ABCSAT with its SatNOGS pair and the CTCSS 67.0 tone (BCD 0x0670).
    EXPECT_EQ(hex(slot(2)),
              hex(QByteArray("ABCSAT\0\0", 8) + elements + le32(436795000) + le32(145850000) +
                  bytes({0x70, 0x06, 0xFF, 0xFF}) + QByteArray(40, '\0')));
    EXPECT_EQ(hex(slot(3)), hex(QByteArray("ZARYA\0\0\0", 8) + elements + record("").mid(48)));
    EXPECT_EQ(hex(slot(4)), hex(QByteArray(100, '\0')));
}

TEST_F(SatellitesCli, UnknownNameFailsAndLeavesTheOutputAsItWas) {
    write("out.ogd", "earlier output");
    const SatellitesRun r =
        run(importArgs({QStringLiteral("--satnogs"), path("satnogs.json"), QStringLiteral("--add"),
                        QStringLiteral("NOSUCH,zarya,NONE")}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.contains("• Error: No satellite named NOSUCH in the keps file."))
        << r.out.join('\n').toStdString();
    EXPECT_TRUE(r.out.contains("• Error: No satellite named NONE in the keps file."));
    EXPECT_TRUE(r.err.contains("No satellite named NOSUCH in the keps file."));
    EXPECT_FALSE(r.out.contains("• Added 1 satellite(s)."));
    EXPECT_FALSE(r.out.join('\n').contains("Gespeichert"));
    QFile out(path("out.ogd"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), QByteArray("earlier output"));
}

TEST_F(SatellitesCli, SatnogsServiceIsAskedWithoutTheOption) {
    test::LocalHttpServer server;
    server.setRoute(QStringLiteral("/api/transmitters/?format=json"), {.body = kSatnogs});
    const SatellitesRun r = run(importArgs({}), server.baseUrl());
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(
        r.out.contains("• Loaded 3 TLEs from keps.txt; 1 have FM frequencies from SatNOGS."))
        << r.out.join('\n').toStdString();
    EXPECT_EQ(server.requestCount(QStringLiteral("/api/transmitters/?format=json")), 1);

    // Unreachable: the keps still load, without frequencies.
    const SatellitesRun offline = run(importArgs({}));
    EXPECT_EQ(offline.exitCode, 0);
    EXPECT_TRUE(offline.out.contains("• Loaded 3 TLEs from keps.txt. Frequencies unavailable "
                                     "(SatNOGS could not be reached)."));
}

TEST_F(SatellitesCli, FailuresAndUsage) {
    write("empty.txt", "no element sets\n");
    const SatellitesRun noKeps = run(
        {QStringLiteral("satellites"), QStringLiteral("import"), path("empty.txt"), path("in.ogd"),
         QStringLiteral("-o"), path("out.ogd"), QStringLiteral("--satnogs"), path("satnogs.json")});
    EXPECT_EQ(noKeps.exitCode, 1);
    EXPECT_EQ(noKeps.out.last(), "• Error: No TLEs found in the file.");
    EXPECT_FALSE(QFile::exists(path("out.ogd"))) << "nothing is saved after a failed load";

    const SatellitesRun noSatnogs =
        run(importArgs({QStringLiteral("--satnogs"), path("missing.json")}));
    EXPECT_EQ(noSatnogs.exitCode, 1);
    EXPECT_FALSE(QFile::exists(path("out.ogd")));

    const SatellitesRun noOut = run(
        {QStringLiteral("satellites"), QStringLiteral("import"), path("keps.txt"), path("in.ogd")});
    EXPECT_EQ(noOut.exitCode, 2);
    EXPECT_TRUE(noOut.err.contains("usage: nerka-cli satellites"));
    const SatellitesRun wrongVerb =
        run({QStringLiteral("satellites"), QStringLiteral("export"), path("keps.txt"),
             path("in.ogd"), QStringLiteral("-o"), path("out.ogd")});
    EXPECT_EQ(wrongVerb.exitCode, 2);
    EXPECT_TRUE(wrongVerb.out.isEmpty());
}
