// nerka-cli's radio commands run as a process against the built-in demo radio
// and against a stand-in on a pseudo-terminal named with --port.

#include "CliProcess.h"
#include "codeplug/CodeplugFile.h"
#include "sim/RadioSimulator.h"
#include "sim/SampleCodeplug.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

using CliRun = test::CliOutput;

class ControllerCli : public ::testing::Test {
protected:
    // Runs nerka-cli with its preferences in the test's own folder.
    CliRun run(const QStringList& args) {
        return test::runCli(args, test::isolatedEnvironment(home), 120000);
    }

    QString path(const QString& name) const { return home.filePath(name); }

    std::optional<CodeplugImage> readImage(const QString& file) const {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return std::nullopt;
        auto decoded = decodeCodeplugFile(f.readAll());
        if (!std::holds_alternative<CodeplugImage>(decoded))
            return std::nullopt;
        return std::get<CodeplugImage>(decoded);
    }

    void writeImage(const QString& file, const CodeplugImage& image) const {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(encodeCodeplugFile(image));
    }

    QString rememberedPort() const {
        QSettings settings(home.filePath(QStringLiteral("config/Nerka/Nerka.conf")),
                           QSettings::NativeFormat);
        return settings.value(QStringLiteral("lastPortPath")).toString();
    }

    QTemporaryDir home;
};

} // namespace

TEST_F(ControllerCli, InfoPrintsTheIdentificationOfEitherFamily) {
    const CliRun gd77 = run({QStringLiteral("info"), QStringLiteral("--demo")});
    EXPECT_EQ(gd77.exitCode, 0) << gd77.err.toStdString();
    const QStringList lines = gd77.outLines();
    ASSERT_EQ(lines.size(), 8) << gd77.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("\u2022 Connected: Radioddity GD-77 — FW ")));
    EXPECT_EQ(lines[1], QStringLiteral("model: Radioddity GD-77"));
    EXPECT_EQ(lines[2], QStringLiteral("family: gd77"));
    EXPECT_TRUE(
        lines[5].contains(QRegularExpression(QStringLiteral("^flashSerial: 0x[0-9A-F]{8}$"))));
    EXPECT_TRUE(gd77.err.isEmpty());

    const CliRun uv = run({QStringLiteral("info"), QStringLiteral("--demo"),
                           QStringLiteral("--demo-type"), QStringLiteral("6")});
    EXPECT_EQ(uv.exitCode, 0);
    EXPECT_TRUE(uv.out.contains(QStringLiteral("\nmodel: TYT MD-UV380/390\nfamily: uv380\n")));
    EXPECT_TRUE(rememberedPort().isEmpty()) << "the demo radio is never remembered";
}

TEST_F(ControllerCli, ReadSavesTheRadiosCodeplug) {
    const QString file = path(QStringLiteral("radio.nerka"));
    const CliRun r =
        run({QStringLiteral("read"), QStringLiteral("--demo"), QStringLiteral("-o"), file});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.outLines(),
              (QStringList{r.outLines().value(0),
                           QStringLiteral("\u2022 Lese Codeplug (122 KB, GD77-Layout)…"),
                           QStringLiteral("\u2022 Codeplug read: 31 channels, 7 contacts, 2 "
                                          "talkgroups, 5 zones."),
                           QStringLiteral("\u2022 Gespeichert: radio.nerka")}));
    EXPECT_TRUE(r.err.isEmpty()) << "no progress bar when standard error is no terminal";
    const auto image = readImage(file);
    ASSERT_TRUE(image.has_value());
    EXPECT_TRUE(*image == sampleCodeplug(RadioVariant::gd77));
}

TEST_F(ControllerCli, WriteSendsTheFileToTheRadioWhichReboots) {
    const QString file = path(QStringLiteral("mine.nerka"));
    writeImage(file, sampleCodeplug(RadioVariant::uv380));
    const CliRun r =
        run({QStringLiteral("write"), QStringLiteral("--demo"), QStringLiteral("--demo-type"),
             QStringLiteral("7"), file, QStringLiteral("--regions"), QStringLiteral("3,0"),
             QStringLiteral("--whole-regions")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("\u2022 File loaded: mine.nerka (UV380)\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\u2022 Writing 2 changed region(s) (103 KB)…\n")));
    EXPECT_TRUE(r.out.contains(
        QStringLiteral("\u2022 Changes written. Device is rebooting — disconnected.\n")));
    // After the reboot the written regions are read back.
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("\u2022 Verified: 2 region(s) match the radio.\n")));
}

TEST_F(ControllerCli, WriteRefusesAFileOfTheOtherFamily) {
    const QString file = path(QStringLiteral("gd77.nerka"));
    writeImage(file, sampleCodeplug(RadioVariant::gd77));
    const CliRun r = run({QStringLiteral("write"), QStringLiteral("--demo"),
                          QStringLiteral("--demo-type"), QStringLiteral("6"), file});
    EXPECT_EQ(r.exitCode, 1);
    const QString message = QStringLiteral("The codeplug is for the GD77 family, but the connected "
                                           "radio is UV380 family. Nothing was written.");
    EXPECT_TRUE(r.out.contains(QStringLiteral("\u2022 Error: ") + message + QLatin1Char('\n')));
    EXPECT_EQ(r.err, message + QLatin1Char('\n'));
    EXPECT_FALSE(r.out.contains(QStringLiteral("Writing ")));
}

TEST_F(ControllerCli, PortNamesAnyDeviceWhichIsRemembered) {
    RadioSimulator radio(RadioType::gd77);
    radio.setRebootDelayMs(50);
    ASSERT_TRUE(radio.loadCodeplug(sampleCodeplug(RadioVariant::gd77)).ok());
    ASSERT_TRUE(radio.start().ok());

    // Read from the pseudo-terminal, change region 2 in the file, write only it.
    const QString file = path(QStringLiteral("pty.nerka"));
    const CliRun read = run({QStringLiteral("read"), QStringLiteral("--port"), radio.devicePath(),
                             QStringLiteral("-o"), file});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(rememberedPort(), radio.devicePath());
    auto image = readImage(file);
    ASSERT_TRUE(image.has_value());
    image->blobs[2][100] = char(0x42);
    image->blobs[1][100] = char(0x42); // changed but not listed: stays on the radio as it was
    writeImage(file, *image);

    const CliRun write = run({QStringLiteral("write"), QStringLiteral("--port"), radio.devicePath(),
                              file, QStringLiteral("--regions"), QStringLiteral("2")});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_TRUE(radio.waitForGeneration(2, 10000)) << "the radio rebooted";
    const CodeplugRegion& r2 = image->regions[2];
    EXPECT_EQ(radio.memory(r2.bank, r2.address, r2.length), image->blobs[2]);
    const CodeplugRegion& r1 = image->regions[1];
    EXPECT_EQ(radio.memory(r1.bank, r1.address, r1.length),
              sampleCodeplug(RadioVariant::gd77).blobs[1]);
}

TEST_F(ControllerCli, ReadEditWriteAndReadBackGiveTheEditedCodeplug) {
    RadioSimulator radio(RadioType::mduv380);
    radio.setRebootDelayMs(50);
    ASSERT_TRUE(radio.loadCodeplug(sampleCodeplug(RadioVariant::uv380)).ok());
    ASSERT_TRUE(radio.start().ok());
    const QString port = radio.devicePath();

    const QString original = path(QStringLiteral("original.nerka"));
    ASSERT_EQ(run({QStringLiteral("read"), QStringLiteral("--port"), port, QStringLiteral("-o"),
                   original})
                  .exitCode,
              0);
    const QString ops = path(QStringLiteral("ops.json"));
    QFile opsFile(ops);
    ASSERT_TRUE(opsFile.open(QIODevice::WriteOnly));
    opsFile.write(R"([
        {"op": "updateChannel", "number": 1, "edit": {"name": "Terminal", "rxHz": 145500000,
                                                       "txHz": 145500000, "txTone": {"ctcss": 885}}},
        {"op": "createChannel"},
        {"op": "importChannels", "preset": "pmr446"},
        {"op": "deleteChannel", "number": 2},
        {"op": "updateContact", "slot": 0, "name": "TG 91", "dmrID": 91, "type": "Group",
         "timeSlotOverride": "Force TS2"},
        {"op": "updateZone", "index": 0, "name": "Favoriten", "memberIndices": [0, 2, 4]},
        {"op": "writeSettings", "call": "DL1ABC", "dmrID": 2621234, "vhfMin": 136, "vhfMax": 174,
         "uhfMin": 400, "uhfMax": 480},
        {"op": "setThemeColor", "kind": "night", "index": 0, "r": 0.5, "g": 0.5, "b": 0.5}
    ])");
    opsFile.close();
    const QString edited = path(QStringLiteral("edited.nerka"));
    const CliRun edit = run({QStringLiteral("edit"), original, QStringLiteral("--ops"), ops,
                             QStringLiteral("-o"), edited});
    ASSERT_EQ(edit.exitCode, 0) << edit.out.toStdString() << edit.err.toStdString();
    EXPECT_TRUE(edit.out.contains(QStringLiteral("\u2022 16 channels imported.\n")));

    const CliRun write = run({QStringLiteral("write"), QStringLiteral("--port"), port, edited});
    ASSERT_EQ(write.exitCode, 0) << write.out.toStdString() << write.err.toStdString();
    ASSERT_TRUE(radio.waitForGeneration(2, 10000)) << "the radio rebooted";

    const QString again = path(QStringLiteral("again.nerka"));
    ASSERT_EQ(
        run({QStringLiteral("read"), QStringLiteral("--port"), port, QStringLiteral("-o"), again})
            .exitCode,
        0);
    const auto expected = readImage(edited);
    const auto readBack = readImage(again);
    ASSERT_TRUE(expected && readBack);
    EXPECT_FALSE(*expected == sampleCodeplug(RadioVariant::uv380));
    EXPECT_TRUE(*readBack == *expected);
}

TEST_F(ControllerCli, FailuresAndUsageErrorsHaveTheirExitCodes) {
    const CliRun noPort =
        run({QStringLiteral("read"), QStringLiteral("-o"), path(QStringLiteral("x.nerka"))});
    EXPECT_EQ(noPort.exitCode, 1);
    EXPECT_EQ(noPort.out, QStringLiteral("\u2022 Error: No serial port selected.\n"));
    EXPECT_EQ(noPort.err, QStringLiteral("No serial port selected.\n"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("x.nerka"))));

    const CliRun missingFile = run(
        {QStringLiteral("write"), QStringLiteral("--demo"), path(QStringLiteral("none.nerka"))});
    EXPECT_EQ(missingFile.exitCode, 1);
    EXPECT_FALSE(missingFile.out.contains(QStringLiteral("Connected: ")))
        << "nothing to write, no connection";

    const QString file = path(QStringLiteral("ok.nerka"));
    writeImage(file, sampleCodeplug(RadioVariant::gd77));
    const CliRun badIndex = run({QStringLiteral("write"), QStringLiteral("--demo"), file,
                                 QStringLiteral("--regions"), QStringLiteral("0,4")});
    EXPECT_EQ(badIndex.exitCode, 1);
    EXPECT_FALSE(badIndex.out.contains(QStringLiteral("Writing ")));

    for (const QStringList& args :
         {QStringList{QStringLiteral("read"), QStringLiteral("--demo")},
          QStringList{QStringLiteral("read"), QStringLiteral("--demo"), QStringLiteral("--port"),
                      QStringLiteral("/dev/null"), QStringLiteral("-o"), file},
          QStringList{QStringLiteral("write"), QStringLiteral("--demo"), file,
                      QStringLiteral("--regions"), QStringLiteral("1,x")},
          QStringList{QStringLiteral("info"), QStringLiteral("--demo"),
                      QStringLiteral("--demo-type"), QStringLiteral("six")},
          QStringList{QStringLiteral("write"), QStringLiteral("--demo")}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QStringLiteral("usage: nerka-cli ")));
    }
}
