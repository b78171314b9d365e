// nerka-cli repeaters as a process: a repeater list with coordinates chosen
// by distance into a zone of a codeplug file, and its usage errors.

#include "CliProcess.h"
#include "LocalHttpServer.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/MemberLists.h"
#include "sim/SampleCodeplug.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;
using test::runCli;

TEST(RepeatersCli, NearbyRepeatersJoinAZoneAndTheListIsPrinted) {
    QTemporaryDir dir;
    const QString codeplug = dir.filePath(QStringLiteral("sample.nerka"));
    QFile file(codeplug);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeCodeplugFile(sampleCodeplug(RadioVariant::gd77)));
    file.close();
    QFile list(dir.filePath(QStringLiteral("near.csv")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,Latitude,Longitude,City\n"
               "DB0FAR,439.200000,-,7.600000,,,FM,52.52,13.40,Berlin\n"
               "DB0NEAR,439.100000,-,7.600000,Tone,88.5,FM,48.20,11.60,Munich\n"
               "DB0HERE,145.612500,-,0.600000,,,FM,48.14,11.58,Munich\n");
    list.close();

    const QString out = dir.filePath(QStringLiteral("trip.nerka"));
    const auto run =
        runCli({QStringLiteral("repeaters"), codeplug, QStringLiteral("--source"), list.fileName(),
                QStringLiteral("--near"), QStringLiteral("JN58td"), QStringLiteral("--radius"),
                QStringLiteral("50"), QStringLiteral("--zone"), QStringLiteral("Trip"),
                QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    const QStringList lines = run.outLines();
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("• File loaded: sample.nerka (GD77)"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("DB0HERE  Munich  145.61250 → 145.01250  FM  ")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("DB0NEAR"))) << lines[2].toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("• 2 repeaters added as channels in zone 'Trip'.")))
        << run.out.toStdString();

    QFile saved(out);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const auto decoded = decodeCodeplugFile(saved.readAll());
    ASSERT_TRUE(std::holds_alternative<CodeplugImage>(decoded));
    const CodeplugImage& image = std::get<CodeplugImage>(decoded);
    const MemberLists lists = decodeMemberLists(image, decodeChannels(image));
    EXPECT_EQ(lists.zones.last().name, QStringLiteral("Trip"));
    EXPECT_EQ(lists.zones.last().channelNames,
              (QStringList{QStringLiteral("DB0HERE"), QStringLiteral("DB0NEAR")}));

    // A place that is none, and --radius without --near, are usage errors.
    EXPECT_EQ(runCli({QStringLiteral("repeaters"), codeplug, QStringLiteral("--source"),
                      list.fileName(), QStringLiteral("--near"), QStringLiteral("Munich")})
                  .exitCode,
              2);
    EXPECT_EQ(runCli({QStringLiteral("repeaters"), codeplug, QStringLiteral("--source"),
                      list.fileName(), QStringLiteral("--radius"), QStringLiteral("5")})
                  .exitCode,
              2);
}

TEST(RepeatersCli, APagedAnswerIsFollowedToItsLastPage) {
    QTemporaryDir dir;
    const QString codeplug = dir.filePath(QStringLiteral("sample.nerka"));
    QFile file(codeplug);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeCodeplugFile(sampleCodeplug(RadioVariant::gd77)));
    file.close();
    test::LocalHttpServer server;
    const auto page = [](int number, const char* callsign, const char* mhz) {
        return test::LocalHttpServer::Response{
            200,
            QStringLiteral(R"({"count": 2, "page": %1, "pages": 2, "results": [{"callsign": "%2",
                "city": "Munich", "country": "Germany", "frequency": "%3", "offset": "-7.6",
                "color_code": "1"}]})")
                .arg(number)
                .arg(QLatin1String(callsign), QLatin1String(mhz))
                .toUtf8(),
            "application/json"};
    };
    server.setRoute(QStringLiteral("/api/dmr/repeater/?country=Germany"),
                    page(1, "DB0ONE", "439.1"));
    server.setRoute(QStringLiteral("/api/dmr/repeater/?country=Germany&page=2"),
                    page(2, "DB0TWO", "438.9"));
    const QString url = server.url(QStringLiteral("/api/dmr/repeater/?country=Germany")).toString();

    const auto run = runCli({QStringLiteral("repeaters"), codeplug, QStringLiteral("--source"), url,
                             QStringLiteral("--city"), QStringLiteral("Munich")});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.outLines().contains(
        QStringLiteral("• 2 repeaters read from %1 (2 requests).").arg(url)))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("DB0ONE  Munich  439.10000 → 431.50000  DMR CC1")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("DB0TWO")));

    // Nothing answers: a clear failure that names the way round it.
    const auto offline =
        runCli({QStringLiteral("repeaters"), codeplug, QStringLiteral("--source"),
                QStringLiteral("http://127.0.0.1:%1/list").arg(test::unusedLoopbackPort())});
    EXPECT_EQ(offline.exitCode, 1);
    EXPECT_TRUE(offline.out.contains(QStringLiteral("give its path instead")))
        << offline.out.toStdString();
}
