#include "link/OpenGD77Interface.h"
#include "link/LinkProtocol.h"

#include "Bytes.h"
#include "RadioFixture.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::errorText;
using nerka::test::RadioFixture;

namespace {

QByteArray pattern(int size, int seed) {
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i)
        out[i] = char((i * 13 + seed) & 0xFF);
    return out;
}

QByteArray hexOf(const QList<QByteArray>& requests) {
    QByteArray out;
    for (const auto& r : requests)
        out += r.toHex() + ' ';
    return out.trimmed();
}

QByteArray commandPacket(std::initializer_list<unsigned> head) {
    QByteArray p = bytes(head);
    p.append(23 - p.size(), '\0');
    return p;
}

QByteArray textPacket(unsigned row, const QByteArray& text) {
    QByteArray p = bytes({0x43, 0x02, 0x00, row, 0x03, 0x01, 0x00});
    p += text;
    p.append(23 - p.size(), '\0');
    return p;
}

} // namespace

TEST(OpenGD77Interface, ReadBlockSendsTheEightByteRequestAndReturnsTheData) {
    RadioFixture f;
    const QByteArray eeprom = pattern(32, 1);
    const QByteArray flash = pattern(32, 2);
    ASSERT_TRUE(f.radio.setMemory(Bank::eeprom, 0x7500, eeprom));
    ASSERT_TRUE(f.radio.setMemory(Bank::flash, 0x7B000, flash));

    auto e = f.link->readBlock(Bank::eeprom, 0x7500);
    ASSERT_TRUE(e.ok()) << errorText(e).toStdString();
    EXPECT_EQ(e->toHex(), eeprom.toHex());
    auto fl = f.link->readBlock(Bank::flash, 0x7B000);
    ASSERT_TRUE(fl.ok()) << errorText(fl).toStdString();
    EXPECT_EQ(fl->toHex(), flash.toHex());

    EXPECT_EQ(hexOf(f.radio.requests()), "5202000075000020 52010007b0000020");
}

TEST(OpenGD77Interface, ReadRangeReadsWholeBlocksAndKeepsOnlyTheRange) {
    RadioFixture f;
    const QByteArray data = pattern(96, 3);
    ASSERT_TRUE(f.radio.setMemory(Bank::flash, 0x20000, data));
    QList<int> progress;
    auto range =
        f.link->readRange(Bank::flash, 0x20000, 70, [&](int done) { progress.append(done); });
    ASSERT_TRUE(range.ok()) << errorText(range).toStdString();
    EXPECT_EQ(range->toHex(), data.left(70).toHex());
    EXPECT_EQ(progress, (QList<int>{32, 64, 70}));
    EXPECT_EQ(hexOf(f.radio.requests()), "5201000200000020 5201000200200020 5201000200400020");

    f.radio.injectFault(SimFault::silence, 1);
    auto cut = f.link->readRange(Bank::flash, 0x20000, 96);
    EXPECT_FALSE(cut.ok()) << "a block that does not come ends the read";
}

TEST(OpenGD77Interface, ReadBlockRejectsAWrongLengthOrTypeWithTheAddressInHex) {
    RadioFixture f;
    f.radio.injectFault(SimFault::wrongLength);
    EXPECT_EQ(errorText(f.link->readBlock(Bank::eeprom, 0x1000)),
              QStringLiteral("Invalid response from device: Unexpected block length 16 @ 0x1000"));

    RadioFixture g;
    g.radio.injectFault(SimFault::wrongAck);
    EXPECT_EQ(errorText(g.link->readBlock(Bank::flash, 0xABCDE0)),
              QStringLiteral("Invalid response from device: Lese-Antwort Typ 'N' @ 0xABCDE0"));
}

TEST(OpenGD77Interface, SilenceAndGarbageAreErrorsForTheOperationInProgress) {
    RadioFixture f;
    f.radio.injectFault(SimFault::silence, 1);
    EXPECT_TRUE(f.link->readBlock(Bank::eeprom, 0).ok());
    EXPECT_EQ(errorText(f.link->readBlock(Bank::eeprom, 32)),
              QStringLiteral("Timeout while reading from the device."));
    EXPECT_EQ(errorText(f.link->writeEEPROM(0, QByteArray(32, 'a'))),
              QStringLiteral("Timeout while reading from the device."));

    RadioFixture g;
    g.radio.injectFault(SimFault::garbage);
    EXPECT_EQ(errorText(g.link->sendCommand(bytes({0x43, 0x00}))),
              QStringLiteral("Invalid response from device: Kommando-Antwort '") + QChar(0xA5) +
                  "'");
}

TEST(OpenGD77Interface, WritesUseWOnTheGd77FamilyAndXOnTheUv380Family) {
    for (RadioType type : {RadioType::gd77, RadioType::mduv380}) {
        RadioFixture f(type);
        const unsigned cmd = type == RadioType::gd77 ? 0x57 : 0x58;
        EXPECT_EQ(f.link->writeCommand(), char(cmd));
        const QByteArray data = pattern(32, 3);
        ASSERT_TRUE(f.link->writeEEPROM(0x0080, data).ok());
        ASSERT_TRUE(f.link->writeFlash(0x20000, data).ok());
        ASSERT_TRUE(f.link->commitFlashSector().ok());

        QByteArray eepromRequest = bytes({cmd, 0x04, 0x00, 0x00, 0x00, 0x80, 0x00, 0x20}) + data;
        QByteArray setSector = bytes({cmd, 0x01, 0x00, 0x00, 0x20});
        QByteArray buffer = bytes({cmd, 0x02, 0x00, 0x02, 0x00, 0x00, 0x00, 0x20}) + data;
        QByteArray commit = bytes({cmd, 0x03});
        EXPECT_EQ(hexOf(f.radio.requests()), hexOf({eepromRequest, setSector, buffer, commit}));
        EXPECT_EQ(f.radio.memory(Bank::eeprom, 0x80, 32).toHex(), data.toHex());
        EXPECT_EQ(f.radio.memory(Bank::flash, 0x20000, 32).toHex(), data.toHex());
    }
}

TEST(OpenGD77Interface, WriteFlashAcrossASectorBoundaryCommitsAndOpensTheNextSector) {
    RadioFixture f;
    const QByteArray data = pattern(64, 4);
    QList<int> progress;
    auto written = f.link->writeFlash(0x00FFE0, data, [&](int done) { progress.append(done); });
    ASSERT_TRUE(written.ok()) << errorText(written).toStdString();
    EXPECT_EQ(f.link->currentSector(), 16);
    EXPECT_EQ(progress, (QList<int>{32, 64}));

    const QList<QByteArray> expected = {
        bytes({0x57, 0x01, 0x00, 0x00, 0x0F}),
        bytes({0x57, 0x02, 0x00, 0x00, 0xFF, 0xE0, 0x00, 0x20}) + data.left(32),
        bytes({0x57, 0x03}),
        bytes({0x57, 0x01, 0x00, 0x00, 0x10}),
        bytes({0x57, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x20}) + data.mid(32),
    };
    EXPECT_EQ(hexOf(f.radio.requests()), hexOf(expected));
    // The first sector is programmed; the second waits in the radio's buffer.
    EXPECT_EQ(f.radio.memory(Bank::flash, 0xFFE0, 32).toHex(), data.left(32).toHex());
    EXPECT_EQ(f.radio.memory(Bank::flash, 0x10000, 32).toHex(), QByteArray(32, char(0xFF)).toHex());
    EXPECT_EQ(f.radio.bufferedSector(), 16);

    // A write into the open sector continues without a new set-sector request.
    f.radio.clearRequests();
    const QByteArray more = pattern(40, 5);
    ASSERT_TRUE(f.link->writeFlash(0x10020, more).ok());
    const QList<QByteArray> continued = {
        bytes({0x57, 0x02, 0x00, 0x01, 0x00, 0x20, 0x00, 0x20}) + more.left(32),
        bytes({0x57, 0x02, 0x00, 0x01, 0x00, 0x40, 0x00, 0x08}) + more.mid(32),
    };
    EXPECT_EQ(hexOf(f.radio.requests()), hexOf(continued));
    ASSERT_TRUE(f.link->commitFlashSector().ok());
    f.link->setCurrentSector(-1);
    EXPECT_EQ(f.radio.memory(Bank::flash, 0x10000, 72).toHex(),
              QByteArray(data.mid(32) + more).toHex());

    EXPECT_TRUE(f.link->writeFlash(0x30000, QByteArray()).ok());
    EXPECT_EQ(f.link->currentSector(), -1);
}

TEST(OpenGD77Interface, AWrongAcknowledgementNamesTheRequestAndKeepsTheOpenSector) {
    struct Case {
        const char* expected;
        std::function<OpenGD77Interface::Status(OpenGD77Interface&)> run;
    };
    const QByteArray data(32, 'd');
    const Case cases[] = {
        {"EEPROM @ 0x1588: Antwort 'N'", [&](auto& l) { return l.writeEEPROM(0x1588, data); }},
        {"SET_FLASH_SECTOR 123: Antwort 'N'",
         [&](auto& l) { return l.setFlashSector(123 * 4096 + 5); }},
        {"WRITE_FLASH_SECTOR: Antwort 'N'", [&](auto& l) { return l.commitFlashSector(); }},
        {"FLASH-Buffer @ 0x7B020: Antwort 'N'",
         [&](auto& l) { return l.writeFlashBuffer(0x7B020, data); }},
    };
    for (const Case& c : cases) {
        RadioFixture f;
        f.radio.injectFault(SimFault::wrongAck);
        EXPECT_EQ(errorText(c.run(*f.link)),
                  QStringLiteral("Invalid response from device: ") + QLatin1String(c.expected));
    }

    RadioFixture f;
    ASSERT_TRUE(f.link->writeFlash(0x7B000, data).ok());
    f.radio.injectFault(SimFault::wrongAck);
    EXPECT_EQ(errorText(f.link->writeFlash(0x7B020, data)),
              QStringLiteral("Invalid response from device: FLASH-Buffer @ 0x7B020: Antwort 'N'"));
    EXPECT_EQ(f.link->currentSector(), 0x7B);
}

TEST(OpenGD77Interface, CommandsAreTwentyThreeBytesAnsweredByADash) {
    RadioFixture f;
    ASSERT_TRUE(f.link->sendCommand(bytes({0x43, 0x05})).ok());
    EXPECT_EQ(hexOf(f.radio.requests()), hexOf({commandPacket({0x43, 0x05})}));
    EXPECT_EQ(f.radio.screen().closeCount, 1);

    auto tooLong = f.link->sendCommand(QByteArray(24, 'C'));
    ASSERT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.error().interfaceError()->kind, InterfaceError::Kind::invalidRequest);
    EXPECT_EQ(f.radio.requestCount(), 1); // nothing was sent

    f.radio.injectFault(SimFault::wrongAck);
    EXPECT_EQ(errorText(f.link->sendCommand(bytes({0x43, 0x01}))),
              QStringLiteral("Invalid response from device: Kommando-Antwort 'N'"));
}

TEST(OpenGD77Interface, ReadingScreenSendsTheEightPacketsAndTheRadioShowsTheLines) {
    RadioFixture f;
    ASSERT_TRUE(f.link->showReadingScreen().ok());
    const QList<QByteArray> expected = {
        commandPacket({0x43, 0x00}),       commandPacket({0x43, 0x01}),
        textPacket(0x00, "Nerka"),         textPacket(0x10, "Reading"),
        textPacket(0x20, "Codeplug"),      commandPacket({0x43, 0x03}),
        commandPacket({0x43, 0x06, 0x03}), commandPacket({0x43, 0x06, 0x02}),
    };
    EXPECT_EQ(hexOf(f.radio.requests()), hexOf(expected));
    // "Nerka": its 5 bytes then 11 bytes 0x00.
    EXPECT_EQ(f.radio.requests()[2].toHex(),
              QByteArray("43020000030100") + QByteArray("4e65726b61") + QByteArray(22, '0'));
    const SimScreen screen = f.radio.screen();
    EXPECT_TRUE(screen.open);
    EXPECT_TRUE(screen.visible);
    EXPECT_EQ(screen.lines, (QStringList{"Nerka", "Reading", "Codeplug"}));
}

// Regions are read whole under the reading screen, which is closed at the end
// and also after a failure in the middle, while the first error is returned.
TEST(OpenGD77Interface, ReadRegionsReadsUnderTheReadingScreenAndAlwaysClosesIt) {
    const QList<CodeplugRegion> regions = {{Bank::eeprom, 0x0080, 40}, {Bank::flash, 0x7B000, 64}};
    const QByteArray eeprom = pattern(40, 3);
    const QByteArray flash = pattern(64, 4);
    const QByteArray close = commandPacket({0x43, 0x05});
    constexpr int kScreenPackets = 8;
    constexpr int kBlockReads = 2 + 2; // 40 bytes take two blocks, 64 bytes two

    {
        RadioFixture f;
        ASSERT_TRUE(f.radio.setMemory(Bank::eeprom, 0x0080, eeprom));
        ASSERT_TRUE(f.radio.setMemory(Bank::flash, 0x7B000, flash));
        QList<int> progress;
        auto read = f.link->readRegions(regions, [&](int done) { progress.append(done); });
        ASSERT_TRUE(read.ok()) << errorText(read).toStdString();
        EXPECT_EQ(*read, (QList<QByteArray>{eeprom, flash}));
        EXPECT_EQ(progress, (QList<int>{32, 40, 72, 104})) << "bytes done over all regions";
        const QList<QByteArray> requests = f.radio.requests();
        ASSERT_EQ(requests.size(), kScreenPackets + kBlockReads + 1);
        EXPECT_EQ(requests[0].toHex(), commandPacket({0x43, 0x00}).toHex());
        EXPECT_EQ(hexOf(requests.mid(kScreenPackets, kBlockReads)),
                  QByteArray("5202000000800020 5202000000a00020 52010007b0000020 "
                             "52010007b0200020"));
        EXPECT_EQ(requests.last().toHex(), close.toHex());
        EXPECT_FALSE(f.radio.screen().open);
    }

    struct Case {
        SimFault fault;
        int atRequest; // counted from the first screen packet
        LinkErrorKind kind;
    };
    for (const Case& c :
         {Case{SimFault::wrongLength, kScreenPackets + 2, LinkErrorKind::badResponse},
          Case{SimFault::silence, kScreenPackets + 3, LinkErrorKind::timeout},
          Case{SimFault::wrongAck, 3, LinkErrorKind::badResponse}}) {
        SCOPED_TRACE(c.atRequest);
        RadioFixture f;
        f.radio.injectFault(c.fault, c.atRequest);
        auto read = f.link->readRegions(regions);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(LinkError(read.error()).kind(), c.kind);
        EXPECT_EQ(f.radio.requests().size(), c.atRequest + 2) << "nothing after the close";
        EXPECT_EQ(f.radio.requests().last().toHex(), close.toHex());
        if (c.fault != SimFault::silence) {
            EXPECT_FALSE(f.radio.screen().open);
        }
    }
}

TEST(OpenGD77Interface, TransferScreenCutsLongLinesAfterSixteenBytesAndClosesTheSector) {
    RadioFixture f;
    ASSERT_TRUE(f.link->writeFlash(0x1000, QByteArray(32, 'x')).ok());
    ASSERT_EQ(f.link->currentSector(), 1);
    f.radio.clearRequests();
    // "Überschreibung läuft" is 22 UTF-8 bytes; the 16th byte ends "Überschreibun".
    ASSERT_TRUE(
        f.link->showTransferScreen(QStringLiteral("Überschreibung läuft"), QStringLiteral("DMR DB"))
            .ok());
    const auto requests = f.radio.requests();
    ASSERT_EQ(requests.size(), 8);
    EXPECT_EQ(requests[3].toHex(),
              textPacket(0x10, QStringLiteral("Überschreibung läuft").toUtf8().left(16)).toHex());
    EXPECT_EQ(requests[3].size(), 23);
    EXPECT_EQ(requests[4].toHex(), textPacket(0x20, "DMR DB").toHex());
    EXPECT_EQ(requests[6].toHex(), commandPacket({0x43, 0x06, 0x04}).toHex());
    EXPECT_EQ(f.link->currentSector(), -1);
}

TEST(OpenGD77Interface, AFailingScreenSequenceStopsAndLeavesTheSectorAlone) {
    RadioFixture f;
    ASSERT_TRUE(f.link->writeFlash(0x2000, QByteArray(32, 'x')).ok());
    f.radio.clearRequests();
    f.radio.injectFault(SimFault::wrongAck, 2);
    EXPECT_FALSE(
        f.link->showTransferScreen(QStringLiteral("Writing"), QStringLiteral("Codeplug")).ok());
    EXPECT_EQ(f.radio.requestCount(), 3);
    EXPECT_EQ(f.link->currentSector(), 2);
}

TEST(OpenGD77Interface, OversizedWritesAreRefusedBeforeAnythingIsSent) {
    RadioFixture f;
    EXPECT_EQ(f.link->writeEEPROM(0, QByteArray(65536, 'x')).error().interfaceError()->kind,
              InterfaceError::Kind::invalidRequest);
    EXPECT_EQ(f.link->writeFlashBuffer(0, QByteArray(65536, 'x')).error().interfaceError()->kind,
              InterfaceError::Kind::invalidRequest);
    EXPECT_EQ(f.radio.requestCount(), 0);
}

TEST(OpenGD77Interface, WriteBlocksSendsEachBlockInTheRegionWritersRequests) {
    RadioFixture f;
    const QByteArray sector1 = pattern(4096, 6);
    ASSERT_TRUE(f.radio.setMemory(Bank::flash, 0x1000, sector1));
    const QByteArray a = pattern(32, 7), b = pattern(20, 8), e = pattern(32, 9),
                     c = pattern(32, 10);
    const QList<MemoryBlock> blocks = {{Bank::flash, 0x1040, a},
                                       {Bank::flash, 0x1FE0, b},
                                       {Bank::eeprom, 0x0100, e},
                                       {Bank::flash, 0x2000, c}};
    QList<int> progress;
    auto written = f.link->writeBlocks(blocks, [&](int done) { progress.append(done); });
    ASSERT_TRUE(written.ok()) << errorText(written).toStdString();
    EXPECT_EQ(progress, (QList<int>{32, 52, 84, 116}));
    const QList<QByteArray> expected = {
        bytes({0x57, 0x01, 0x00, 0x00, 0x01}),
        bytes({0x57, 0x02, 0x00, 0x00, 0x10, 0x40, 0x00, 0x20}) + a,
        bytes({0x57, 0x02, 0x00, 0x00, 0x1F, 0xE0, 0x00, 0x14}) + b,
        bytes({0x57, 0x03}),
        bytes({0x57, 0x04, 0x00, 0x00, 0x01, 0x00, 0x00, 0x20}) + e,
        bytes({0x57, 0x01, 0x00, 0x00, 0x02}),
        bytes({0x57, 0x02, 0x00, 0x00, 0x20, 0x00, 0x00, 0x20}) + c,
    };
    EXPECT_EQ(hexOf(f.radio.requests()), hexOf(expected));
    EXPECT_EQ(f.link->currentSector(), 2) << "the last sector stays open";
    ASSERT_TRUE(f.link->finishTransfer().ok());

    // Only the named bytes changed; the rest of the sector kept its contents.
    QByteArray sector1After = sector1;
    sector1After.replace(0x40, 32, a);
    sector1After.replace(0xFE0, 20, b);
    EXPECT_EQ(f.radio.memory(Bank::flash, 0x1000, 4096).toHex(), sector1After.toHex());
    EXPECT_EQ(f.radio.memory(Bank::eeprom, 0x0100, 32).toHex(), e.toHex());
    EXPECT_EQ(f.radio.memory(Bank::flash, 0x2000, 32).toHex(), c.toHex());
}

TEST(OpenGD77Interface, WriteBlocksRefusesWhatIsNotOneBlockBeforeSendingIt) {
    for (const MemoryBlock& bad : {MemoryBlock{Bank::eeprom, 0, QByteArray(33, 'x')},
                                   MemoryBlock{Bank::flash, 0x0FF0, QByteArray(32, 'x')}}) {
        RadioFixture f;
        auto written = f.link->writeBlocks({bad});
        ASSERT_FALSE(written.ok());
        EXPECT_EQ(written.error().interfaceError()->kind, InterfaceError::Kind::invalidRequest);
        EXPECT_EQ(f.radio.requestCount(), 0);
    }
}

TEST(OpenGD77Interface, AClosedPortIsReportedAsNotOpen) {
    RadioFixture f;
    f.port->close();
    EXPECT_EQ(errorText(f.link->readBlock(Bank::eeprom, 0)),
              QStringLiteral("Serial port is not open."));
    EXPECT_EQ(errorText(f.link->identify()), QStringLiteral("Serial port is not open."));
}

TEST(InterfaceError, DescriptionsOfTheCasesNoOperationRaises) {
    EXPECT_EQ(InterfaceError::unknownRadio(11).description(),
              QStringLiteral("Unbekannter OpenGD77-Radiotyp: 11."));
    EXPECT_EQ(InterfaceError::notIdentified().description(),
              QStringLiteral("Device has not been identified yet."));
}
