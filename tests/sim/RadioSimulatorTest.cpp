#include "sim/RadioSimulator.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"
#include "link/OpenGD77Interface.h"
#include "link/SerialPort.h"

#include "Bytes.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <thread>
#include <unistd.h>

using namespace nerka;
using nerka::test::bytes;

namespace {

constexpr int kTimeoutMs = 300;

struct Client {
    std::shared_ptr<SerialPort> port = std::make_shared<SerialPort>();
    std::unique_ptr<OpenGD77Interface> link;

    bool open(const QString& path) {
        if (!port->open(path).ok())
            return false;
        link = std::make_unique<OpenGD77Interface>(port, kTimeoutMs);
        return link->identify().ok();
    }
};

QString errorText(const auto& result) {
    return result.ok() ? QString() : result.error().description();
}

CodeplugImage patternedImage(RadioVariant variant) {
    CodeplugImage image;
    image.variant = variant;
    image.regions = layoutForVariant(variant).regions;
    for (const auto& r : image.regions) {
        QByteArray blob(r.length, '\0');
        for (int i = 0; i < r.length; ++i)
            blob[i] = char((i * 31 + int(r.address >> 8)) & 0xFF);
        image.blobs.append(blob);
    }
    return image;
}

} // namespace

TEST(RadioSimulator, MemorySizesFollowTheFamily) {
    RadioSimulator gd77(RadioType::dm1801a);
    EXPECT_EQ(gd77.flashSize(), 1024 * 1024);
    EXPECT_EQ(gd77.variant(), RadioVariant::gd77);
    EXPECT_EQ(gd77.memory(Bank::eeprom, 0xFFE0, 32), QByteArray(32, char(0xFF)));
    EXPECT_TRUE(gd77.memory(Bank::eeprom, 0xFFF0, 32).isEmpty());
    EXPECT_FALSE(gd77.setMemory(Bank::flash, 1024 * 1024 - 1, "ab"));

    RadioSimulator uv380(RadioType::md2017);
    EXPECT_EQ(uv380.flashSize(), 16 * 1024 * 1024);
    EXPECT_EQ(uv380.variant(), RadioVariant::uv380);
    EXPECT_TRUE(uv380.setMemory(Bank::flash, 16 * 1024 * 1024 - 2, "ab"));
    uv380.setRadioType(2);
    EXPECT_EQ(uv380.flashSize(), 1024 * 1024);
}

TEST(RadioSimulator, LoadsEveryRegionOfACodeplugAtItsBankAndAddress) {
    for (RadioType type : {RadioType::gd77, RadioType::dm1701}) {
        RadioSimulator radio(type);
        const CodeplugImage image = patternedImage(radioVariant(type));
        ASSERT_TRUE(radio.loadCodeplug(image).ok());
        for (int i = 0; i < image.regions.size(); ++i) {
            const auto& r = image.regions[i];
            EXPECT_EQ(radio.memory(r.bank, r.address, r.length), image.blobs[i]) << i;
        }
        // The byte before region 0 is untouched.
        EXPECT_EQ(radio.memory(image.regions[0].bank, 0x7F, 1), bytes({0xFF}));
    }

    RadioSimulator small(RadioType::gd77);
    CodeplugImage tooFar = patternedImage(RadioVariant::gd77);
    tooFar.regions.append({Bank::flash, 0xFFFF0, 32});
    tooFar.blobs.append(QByteArray(32, 'x'));
    auto loaded = small.loadCodeplug(tooFar);
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(small.memory(Bank::flash, 0x80, 4), QByteArray(4, char(0xFF))); // nothing placed
}

TEST(RadioSimulator, RefusesWritesOfTheOtherFamilyAndBufferWritesWithoutASector) {
    RadioSimulator radio(RadioType::gd77);
    ASSERT_TRUE(radio.start().ok());
    Client c;
    ASSERT_TRUE(c.open(radio.devicePath()));

    c.link->setVariant(RadioVariant::uv380); // 'X' to a GD-77
    EXPECT_EQ(errorText(c.link->writeEEPROM(0x100, "abcd")),
              QStringLiteral("Invalid response from device: EEPROM @ 0x100: Antwort '?'"));
    EXPECT_EQ(radio.memory(Bank::eeprom, 0x100, 4), QByteArray(4, char(0xFF)));

    c.link->setVariant(RadioVariant::gd77);
    EXPECT_FALSE(c.link->writeFlashBuffer(0x1000, "abcd").ok());
    EXPECT_FALSE(c.link->commitFlashSector().ok());
    ASSERT_TRUE(c.link->setFlashSector(0x1000).ok());
    EXPECT_FALSE(c.link->writeFlashBuffer(0x2000, "abcd").ok()); // outside the open sector
    EXPECT_FALSE(c.link->setFlashSector(0x100000).ok());         // beyond 1 MiB
    EXPECT_EQ(radio.memory(Bank::flash, 0x1000, 4), QByteArray(4, char(0xFF)));
}

TEST(RadioSimulator, AssemblesRequestsThatArriveInPieces) {
    RadioSimulator radio(RadioType::gd77);
    radio.setMemory(Bank::eeprom, 0x40, QByteArray(32, 'e'));
    ASSERT_TRUE(radio.start().ok());
    SerialPort port;
    ASSERT_TRUE(port.open(radio.devicePath()).ok());
    const QByteArray request = bytes({0x52, 0x02, 0x00, 0x00, 0x00, 0x40, 0x00, 0x20});
    for (char byte : request) {
        ASSERT_TRUE(port.write(QByteArray(1, byte), kTimeoutMs).ok());
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    auto answer = port.read(35, kTimeoutMs);
    ASSERT_TRUE(answer.ok()) << errorText(answer).toStdString();
    EXPECT_EQ(answer->toHex(), QByteArray(bytes({0x52, 0x00, 0x20}) + QByteArray(32, 'e')).toHex());
    EXPECT_EQ(radio.requests(), QList<QByteArray>{request});
}

TEST(RadioSimulator, KeepsServingWhenTheProgramClosesAndReopensThePort) {
    RadioSimulator radio(RadioType::rd5r);
    ASSERT_TRUE(radio.start().ok());
    for (int round = 0; round < 3; ++round) {
        Client c;
        ASSERT_TRUE(c.open(radio.devicePath())) << round;
        EXPECT_TRUE(c.link->readBlock(Bank::eeprom, 0x80).ok());
        c.port->close();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(radio.requestCount(), 6);
    EXPECT_EQ(radio.generation(), 1);
}

TEST(RadioSimulator, RebootTakesTheDeviceAwayAndBringsItBackBehindTheSamePath) {
    RadioSimulator radio(RadioType::mduv380);
    radio.setRebootDelayMs(100);
    ASSERT_TRUE(radio.start().ok());
    const QString path = radio.devicePath();
    const QString firstTerminal = radio.currentTerminal();
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), firstTerminal);

    Client c;
    ASSERT_TRUE(c.open(path));
    ASSERT_TRUE(c.link->writeFlash(0x20000, QByteArray(32, 'u')).ok());
    auto rebooted = c.link->sendCommand(bytes({0x43, 0x06, 0x01}));
    ASSERT_TRUE(rebooted.ok()) << errorText(rebooted).toStdString(); // answered before it goes

    // The old connection is dead: a read fails instead of waiting.
    auto dead = c.link->readBlock(Bank::flash, 0);
    ASSERT_FALSE(dead.ok());
    EXPECT_NE(dead.error().serialError(), nullptr);

    ASSERT_TRUE(radio.waitForGeneration(2, 3000));
    EXPECT_EQ(radio.rebootCount(), 1);
    EXPECT_EQ(radio.devicePath(), path);
    EXPECT_NE(radio.currentTerminal(), firstTerminal);
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), radio.currentTerminal());

    Client again;
    ASSERT_TRUE(again.open(path));
    EXPECT_EQ(again.link->variant(), RadioVariant::uv380);
    // The uncommitted sector buffer did not survive the reboot.
    EXPECT_EQ(radio.bufferedSector(), -1);
    EXPECT_EQ(radio.memory(Bank::flash, 0x20000, 32), QByteArray(32, char(0xFF)));
}

TEST(RadioSimulator, AVanishingDeviceFailsTheTransferAndCannotBeOpened) {
    RadioSimulator radio(RadioType::gd77);
    ASSERT_TRUE(radio.start().ok());
    Client c;
    ASSERT_TRUE(c.open(radio.devicePath()));
    radio.injectFault(SimFault::vanish, 3);
    for (std::uint32_t a = 0; a < 3 * 32; a += 32)
        ASSERT_TRUE(c.link->readBlock(Bank::eeprom, a).ok());
    const auto start = std::chrono::steady_clock::now();
    auto lost = c.link->readBlock(Bank::eeprom, 96);
    ASSERT_FALSE(lost.ok());
    ASSERT_NE(lost.error().serialError(), nullptr);
    EXPECT_EQ(lost.error().serialError()->kind, SerialError::Kind::readFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(kTimeoutMs));
    EXPECT_TRUE(radio.currentTerminal().isEmpty());

    SerialPort port;
    EXPECT_EQ(port.open(radio.devicePath()).error().kind, SerialError::Kind::openFailed);
}

TEST(RadioSimulator, ClearFaultsEndsASilence) {
    RadioSimulator radio(RadioType::gd77);
    ASSERT_TRUE(radio.start().ok());
    Client c;
    ASSERT_TRUE(c.open(radio.devicePath()));
    radio.injectFault(SimFault::silence);
    EXPECT_EQ(errorText(c.link->readBlock(Bank::eeprom, 0)),
              QStringLiteral("Timeout while reading from the device."));
    radio.clearFaults();
    EXPECT_TRUE(c.link->identify().ok()); // identify flushes anything left over
    EXPECT_TRUE(c.link->readBlock(Bank::eeprom, 0).ok());
}

TEST(RadioSimulator, StopRemovesTheLinkAndStartRefusesToReplaceAFile) {
    RadioSimulator radio(RadioType::gd77);
    ASSERT_TRUE(radio.start().ok());
    const QString path = radio.devicePath();
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    radio.stop();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo(path).isSymLink());

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("precious"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep");
    f.close();
    EXPECT_FALSE(radio.start(file).ok());
    EXPECT_EQ(QFileInfo(file).size(), 4);

    const QString link = dir.filePath(QStringLiteral("radio"));
    ASSERT_TRUE(radio.start(link).ok());
    Client c;
    EXPECT_TRUE(c.open(link));
}

TEST(RadioSimProgram, ServesACodeplugFileUntilTerminated) {
    QTemporaryDir dir;
    const CodeplugImage image = patternedImage(RadioVariant::gd77);
    const QString file = dir.filePath(QStringLiteral("radio.nerka"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(encodeCodeplugFile(image));
    }
    QProcess sim;
    sim.start(QStringLiteral(NERKA_RADIO_SIM_PATH),
              {QStringLiteral("--type"), QStringLiteral("4"), QStringLiteral("--codeplug"), file});
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(sim.waitForReadyRead(5000));
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    ASSERT_FALSE(path.isEmpty());

    Client c;
    ASSERT_TRUE(c.open(path));
    auto info = c.link->identify();
    ASSERT_TRUE(info.ok());
    EXPECT_EQ(info->radioType, RadioType::dm1801a);
    const auto& zones = image.regions[1];
    auto block = c.link->readBlock(zones.bank, zones.address + 64);
    ASSERT_TRUE(block.ok()) << errorText(block).toStdString();
    EXPECT_EQ(*block, image.blobs[1].mid(64, 32));
    c.port->close();

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(path).isSymLink());
}

TEST(RadioSimProgram, RefusesACodeplugOfTheOtherFamily) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("uv.nerka"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(encodeCodeplugFile(patternedImage(RadioVariant::uv380)));
    }
    QProcess sim;
    sim.start(QStringLiteral(NERKA_RADIO_SIM_PATH),
              {QStringLiteral("--type"), QStringLiteral("0"), QStringLiteral("--codeplug"), file});
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 2);
    EXPECT_TRUE(sim.readAllStandardError().contains("uv380"));
}
