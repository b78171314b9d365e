// nerka-cli's file commands (dump, --version, usage errors) run as a process.

#include "CliProcess.h"
#include "codeplug/CodeplugFile.h"
#include "sim/SampleCodeplug.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

using CliResult = test::CliOutput;
using test::runCli;

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

const QStringList kChannelKeys = {QStringLiteral("number"),         QStringLiteral("name"),
                                  QStringLiteral("mode"),           QStringLiteral("rxHz"),
                                  QStringLiteral("txHz"),           QStringLiteral("powerRaw"),
                                  QStringLiteral("power"),          QStringLiteral("bandwidthWide"),
                                  QStringLiteral("rxOnly"),         QStringLiteral("timeSlot"),
                                  QStringLiteral("colorCode"),      QStringLiteral("rxTone"),
                                  QStringLiteral("txTone"),         QStringLiteral("contactIndex"),
                                  QStringLiteral("groupListIndex"), QStringLiteral("squelchMode"),
                                  QStringLiteral("squelchLevel"),   QStringLiteral("skipScan"),
                                  QStringLiteral("skipZoneScan"),   QStringLiteral("vox"),
                                  QStringLiteral("monitor"),        QStringLiteral("powerSave"),
                                  QStringLiteral("beep"),           QStringLiteral("aprsIndex")};

} // namespace

TEST(DumpCli, JsonOfAFullImageShowsEveryRecordOfBothFamilies) {
    QTemporaryDir dir;
    for (auto variant : {RadioVariant::gd77, RadioVariant::uv380}) {
        const CodeplugImage image = sampleCodeplug(variant);
        const QString path =
            writeFile(dir, QStringLiteral("sample.nerka"), encodeCodeplugFile(image));
        const CliResult run = runCli({QStringLiteral("dump"), path, QStringLiteral("--json")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

        QJsonParseError error{};
        const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << "stdout holds exactly one JSON object";
        EXPECT_EQ(root[QStringLiteral("variant")].toString(), QLatin1String(variantKey(variant)));

        const QJsonArray regions = root[QStringLiteral("regions")].toArray();
        ASSERT_EQ(regions.size(), image.regions.size());
        EXPECT_EQ(regions[3].toObject()[QStringLiteral("length")].toInt(), 0x13E60);
        EXPECT_EQ(regions[2].toObject()[QStringLiteral("address")].toInt(),
                  variant == RadioVariant::gd77 ? 0 : 0x20000);

        const QJsonArray channels = root[QStringLiteral("channels")].toArray();
        ASSERT_FALSE(channels.isEmpty());
        for (const QString& key : kChannelKeys)
            EXPECT_TRUE(channels[0].toObject().contains(key)) << key.toStdString();
        bool sawDmr = false, sawTone = false;
        for (const QJsonValue& c : channels) {
            sawDmr |= c[QStringLiteral("mode")] == QLatin1String("DMR");
            sawTone |= c[QStringLiteral("txTone")].isObject();
        }
        EXPECT_TRUE(sawDmr);
        EXPECT_TRUE(sawTone);

        EXPECT_FALSE(root[QStringLiteral("contacts")].toArray().isEmpty());
        EXPECT_FALSE(root[QStringLiteral("talkgroups")].toArray().isEmpty());
        EXPECT_FALSE(root[QStringLiteral("zones")].toArray().isEmpty());
        EXPECT_EQ(root[QStringLiteral("aprsSystems")].toArray().size(), 8);
        EXPECT_TRUE(root[QStringLiteral("settings")].isObject());
        EXPECT_EQ(root[QStringLiteral("dayTheme")].toArray().size(), 32);
        EXPECT_EQ(root[QStringLiteral("nightTheme")].toArray().size(), 32);
        const QJsonArray satellites = root[QStringLiteral("satellites")].toArray();
        ASSERT_FALSE(satellites.isEmpty());
        EXPECT_EQ(satellites[0].toObject()[QStringLiteral("additionalData")].toString().size(), 48);

        const CliResult summary = runCli({QStringLiteral("dump"), path});
        EXPECT_EQ(summary.exitCode, 0);
        EXPECT_TRUE(summary.out.contains(QStringLiteral("Channel 1: ")))
            << summary.out.toStdString();
    }
}

TEST(DumpCli, ImageWithoutFamilyOrRegionsDumpsEmptyLists) {
    QTemporaryDir dir;
    CodeplugImage image; // no variant, no regions
    const QString path = writeFile(dir, QStringLiteral("empty.nerka"), encodeCodeplugFile(image));
    const CliResult run = runCli({QStringLiteral("dump"), path, QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_TRUE(root[QStringLiteral("variant")].isNull());
    for (const char* key :
         {"regions", "channels", "contacts", "talkgroups", "zones", "aprsSystems", "satellites"})
        EXPECT_TRUE(root[QLatin1String(key)].toArray().isEmpty()) << key;
    EXPECT_TRUE(root[QStringLiteral("settings")].isNull());
    EXPECT_TRUE(root[QStringLiteral("dayTheme")].isNull());
}

TEST(DumpCli, BrokenFileFailsWithTheCodeplugError) {
    QTemporaryDir dir;
    const QString path =
        writeFile(dir, QStringLiteral("broken.nerka"), QByteArray("OGD77CP1 not a codeplug"));
    const CliResult run = runCli({QStringLiteral("dump"), path, QStringLiteral("--json")});
    EXPECT_EQ(run.exitCode, 1);
    const QString message = QStringLiteral(
        "Invalid codeplug file: Wrong signature \u2014 not a valid codeplug file (v2).");
    EXPECT_EQ(run.out, QStringLiteral("\u2022 Error: ") + message + QLatin1Char('\n'));
    EXPECT_TRUE(run.err.contains(message));

    const CliResult missing =
        runCli({QStringLiteral("dump"), dir.filePath(QStringLiteral("absent.nerka"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.startsWith(QStringLiteral("\u2022 Error: ")));
}

TEST(DumpCli, VersionHelpAndUsageErrors) {
    const CliResult version = runCli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("nerka-cli ")));

    const CliResult help = runCli({QStringLiteral("dump"), QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("usage: nerka-cli dump")));

    for (const QStringList& args :
         {QStringList{}, QStringList{QStringLiteral("frobnicate")},
          QStringList{QStringLiteral("dump")},
          QStringList{QStringLiteral("dump"), QStringLiteral("a"), QStringLiteral("b")},
          QStringList{QStringLiteral("dump"), QStringLiteral("--bogus"), QStringLiteral("x")}}) {
        const CliResult run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
}
