#include "link/FirmwareInfo.h"
#include "link/OpenGD77Interface.h"

#include "Bytes.h"
#include "RadioFixture.h"

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::errorText;
using nerka::test::RadioFixture;

namespace {

QByteArray text16(const QByteArray& text) {
    QByteArray field = text;
    field.append(16 - field.size(), '\0');
    return field;
}

// structVersion 2, the raw type, revision, build date, serial 0x12345678, features 0xBEEF.
QByteArray block(unsigned rawType, const QByteArray& revision = text16("R2023.11"),
                 const QByteArray& date = text16("20231102")) {
    QByteArray b = bytes({0x02, 0x00, 0x00, 0x00, rawType, 0x00, 0x00, 0x00});
    b += revision + date;
    b += bytes({0x78, 0x56, 0x34, 0x12, 0xEF, 0xBE});
    return b;
}

} // namespace

TEST(FirmwareInfo, ParsesTheLittleEndianBlock) {
    auto info = parseFirmwareInfo(block(3));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->structVersion, 2u);
    EXPECT_EQ(info->radioType, RadioType::rd5r);
    EXPECT_EQ(info->firmwareRevision, QStringLiteral("R2023.11"));
    EXPECT_EQ(info->buildDate, QStringLiteral("20231102"));
    EXPECT_EQ(info->flashChipSerial, 0x12345678u);
    EXPECT_EQ(info->features, 0xBEEF);
}

TEST(FirmwareInfo, ShortBlocksAndUnknownTypesFail) {
    const QByteArray good = block(10);
    for (int size = 0; size < 46; ++size)
        EXPECT_FALSE(parseFirmwareInfo(good.left(size))) << size;
    EXPECT_TRUE(parseFirmwareInfo(good));
    EXPECT_FALSE(parseFirmwareInfo(block(11)));
    QByteArray huge = good;
    huge[7] = char(0x01); // raw type 0x01000000
    EXPECT_FALSE(parseFirmwareInfo(huge));
}

TEST(FirmwareInfo, TextFieldsEndAtZeroAreTrimmedAndMustBeAscii) {
    auto whole = parseFirmwareInfo(block(0, "ABCDEFGHIJKLMNOP"));
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->firmwareRevision, QStringLiteral("ABCDEFGHIJKLMNOP"));

    auto padded = parseFirmwareInfo(block(0, text16("  1.23 "), text16("\t2024 x\t")));
    ASSERT_TRUE(padded);
    EXPECT_EQ(padded->firmwareRevision, QStringLiteral("1.23"));
    EXPECT_EQ(padded->buildDate, QStringLiteral("2024 x"));

    // Bytes after the terminating zero do not count, not even non-ASCII ones.
    QByteArray afterZero = text16("v1");
    afterZero[5] = char(0xC3);
    auto ignored = parseFirmwareInfo(block(0, afterZero));
    ASSERT_TRUE(ignored);
    EXPECT_EQ(ignored->firmwareRevision, QStringLiteral("v1"));

    auto nonAscii = parseFirmwareInfo(block(0, text16("v1.\xC3\xA9")));
    ASSERT_TRUE(nonAscii);
    EXPECT_EQ(nonAscii->firmwareRevision, QString());
    EXPECT_EQ(nonAscii->buildDate, QStringLiteral("20231102"));
}

TEST(RadioType, DisplayNamesAndFamiliesOfEveryRawValue) {
    const char* names[] = {"Radioddity GD-77", "Radioddity GD-77S",  "Baofeng DM-1801",
                           "Radioddity RD-5R", "Baofeng DM-1801A",   "TYT MD-9600",
                           "TYT MD-UV380/390", "TYT MD-380",         "Baofeng DM-1701",
                           "TYT MD-2017",      "Baofeng DM-1701 RGB"};
    for (std::uint32_t raw = 0; raw <= 10; ++raw) {
        auto type = radioTypeFromRaw(raw);
        ASSERT_TRUE(type);
        EXPECT_EQ(radioTypeDisplayName(*type), QLatin1String(names[raw]));
        EXPECT_EQ(radioVariant(*type), raw < 5 ? RadioVariant::gd77 : RadioVariant::uv380);
    }
    EXPECT_FALSE(radioTypeFromRaw(11));
}

TEST(Identify, EveryRadioTypeIsIdentifiedAndSetsTheFamily) {
    for (std::uint32_t raw = 0; raw <= 10; ++raw) {
        const RadioType type = *radioTypeFromRaw(raw);
        RadioFixture f(type);
        f.radio.setFirmwareRevision(QStringLiteral("R2024.%1").arg(raw));
        f.radio.setFlashChipSerial(0xC0FFEE00 + raw);
        // Identification must set the family whatever the interface held before.
        f.link->setVariant(raw < 5 ? RadioVariant::uv380 : RadioVariant::gd77);
        auto info = f.link->identify();
        ASSERT_TRUE(info.ok()) << errorText(info).toStdString();
        EXPECT_EQ(info->radioType, type);
        EXPECT_EQ(info->firmwareRevision, QStringLiteral("R2024.%1").arg(raw));
        EXPECT_EQ(info->flashChipSerial, 0xC0FFEE00 + raw);
        EXPECT_EQ(f.link->variant(), radioVariant(type));
        EXPECT_EQ(f.radio.requests(),
                  QList<QByteArray>{bytes({0x52, 0x09, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2E})});
    }
}

TEST(Identify, ALongerBlockIsReadWholeAndItsTailIgnored) {
    RadioFixture f(RadioType::gd77);
    QByteArray longBlock = block(6) + QByteArray(18, char(0x77));
    f.radio.setFirmwareInfoBlock(longBlock);
    auto info = f.link->identify();
    ASSERT_TRUE(info.ok()) << errorText(info).toStdString();
    EXPECT_EQ(info->radioType, RadioType::mduv380);
    EXPECT_EQ(f.link->variant(), RadioVariant::uv380);
    // Nothing of the reply is left on the line for the next request.
    f.radio.setMemory(Bank::flash, 0, QByteArray(32, 'z'));
    auto next = f.link->readBlock(Bank::flash, 0);
    ASSERT_TRUE(next.ok()) << errorText(next).toStdString();
    EXPECT_EQ(*next, QByteArray(32, 'z'));
}

TEST(Identify, FailureTexts) {
    const QString parseFailure =
        QStringLiteral("Invalid response from device: Could not parse firmware info.");
    {
        RadioFixture f;
        f.radio.setFirmwareInfoBlock(block(11));
        EXPECT_EQ(errorText(f.link->identify()), parseFailure);
    }
    {
        RadioFixture f;
        f.radio.setFirmwareInfoBlock(block(1).left(45));
        EXPECT_EQ(errorText(f.link->identify()), parseFailure);
    }
    {
        RadioFixture f;
        f.radio.setFirmwareInfoBlock(QByteArray());
        EXPECT_EQ(errorText(f.link->identify()), parseFailure);
    }
    {
        RadioFixture f;
        f.radio.injectFault(SimFault::wrongAck);
        EXPECT_EQ(errorText(f.link->identify()),
                  QStringLiteral("Invalid response from device: Firmware-Info Typ 'N'"));
    }
    {
        RadioFixture f; // not a radio at all: nothing answers
        f.radio.injectFault(SimFault::silence);
        EXPECT_EQ(errorText(f.link->identify()),
                  QStringLiteral("Timeout while reading from the device."));
    }
}

TEST(Identify, StaleInputFromAnEarlierExchangeIsDiscardedFirst) {
    RadioFixture f(RadioType::md380);
    f.radio.injectFault(SimFault::wrongLength);
    EXPECT_FALSE(f.link->readBlock(Bank::flash, 0).ok()); // leaves 16 data bytes unread
    auto info = f.link->identify();
    ASSERT_TRUE(info.ok()) << errorText(info).toStdString();
    EXPECT_EQ(info->radioType, RadioType::md380);
}
