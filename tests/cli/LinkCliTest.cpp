// nerka-cli's device commands as a process: `ports` lists what discovery
// finds in the fixed column format, `info --port` identifies a stand-in radio
// on a pseudo-terminal.

#include "CliProcess.h"
#include "sim/RadioSimulator.h"

#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

using CliResult = test::CliOutput;

class LinkCli : public ::testing::Test {
protected:
    CliResult run(const QStringList& args) {
        return test::runCli(args, test::isolatedEnvironment(home));
    }

    void setPreference(const QString& key, const QVariant& value) {
        QSettings settings(home.filePath(QStringLiteral("config/Nerka/Nerka.conf")),
                           QSettings::NativeFormat);
        settings.setValue(key, value);
    }

    QTemporaryDir home;
};

QStringList lines(const QString& text) {
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

TEST_F(LinkCli, PortsPrintsPathVidPidAndDisplayNameAndHonoursShowAllPorts) {
    const CliResult all = run({QStringLiteral("ports"), QStringLiteral("--all")});
    ASSERT_EQ(all.exitCode, 0) << all.err.toStdString();
    const QRegularExpression line(QStringLiteral("^[^\\t]+\\t[0-9A-F]{4}:[0-9A-F]{4}\\t[^\\t]+$"));
    for (const QString& l : lines(all.out))
        EXPECT_TRUE(line.match(l).hasMatch()) << l.toStdString();

    // Without --all only radios are listed unless the preference says otherwise.
    const CliResult radios = run({QStringLiteral("ports")});
    ASSERT_EQ(radios.exitCode, 0);
    for (const QString& l : lines(radios.out))
        EXPECT_TRUE(l.contains(QStringLiteral("\t1FC9:0094\t"))) << l.toStdString();
    setPreference(QStringLiteral("showAllPorts"), true);
    EXPECT_EQ(run({QStringLiteral("ports")}).out, all.out);

    EXPECT_EQ(run({QStringLiteral("ports"), QStringLiteral("extra")}).exitCode, 2);
}

TEST_F(LinkCli, InfoIdentifiesTheRadioOnTheGivenPort) {
    RadioSimulator radio(RadioType::md2017);
    radio.setFirmwareRevision(QStringLiteral("R2024.02.29"));
    radio.setBuildDate(QStringLiteral("20240229120000"));
    radio.setFlashChipSerial(0xABCD);
    radio.setStructVersion(4);
    radio.setFeatures(0x0102);
    ASSERT_TRUE(radio.start().ok());

    const CliResult info =
        run({QStringLiteral("info"), QStringLiteral("--port"), radio.devicePath()});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    const QStringList out = lines(info.out);
    EXPECT_TRUE(out.contains(QStringLiteral("model: TYT MD-2017")));
    EXPECT_TRUE(out.contains(QStringLiteral("family: uv380")));
    EXPECT_TRUE(out.contains(QStringLiteral("firmware: R2024.02.29")));
    EXPECT_TRUE(out.contains(QStringLiteral("build: 20240229120000")));
    EXPECT_TRUE(out.contains(QStringLiteral("flashSerial: 0x0000ABCD")));
    EXPECT_TRUE(out.contains(QStringLiteral("structVersion: 4")));
    EXPECT_TRUE(out.contains(QStringLiteral("features: 258")));
    EXPECT_EQ(radio.requests().first().toHex(), QByteArray("520900000000002e"));
}

TEST_F(LinkCli, InfoReportsAnAnswerThatIsNoFirmwareInformation) {
    RadioSimulator radio(RadioType::gd77);
    radio.setFirmwareInfoBlock(QByteArray(45, '\0'));
    ASSERT_TRUE(radio.start().ok());
    const CliResult info =
        run({QStringLiteral("info"), QStringLiteral("--port"), radio.devicePath()});
    EXPECT_EQ(info.exitCode, 1);
    const QString text =
        QStringLiteral("Invalid response from device: Could not parse firmware info.");
    EXPECT_TRUE(info.out.contains(QStringLiteral("\u2022 Error: ") + text))
        << info.out.toStdString();
    EXPECT_TRUE(info.err.contains(text)) << info.err.toStdString();
}
