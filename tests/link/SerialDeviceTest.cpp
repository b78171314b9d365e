#include "link/SerialDevice.h"

#include "TempSettings.h"

#include <gtest/gtest.h>

using namespace nerka;

namespace {

SerialDevice radioAt(const QString& path) {
    return {path, QStringLiteral("OpenGD77"), 0x1FC9, 0x0094};
}

QStringList pathsOf(const QList<SerialDevice>& devices) {
    QStringList paths;
    for (const auto& d : devices)
        paths << d.path;
    return paths;
}

} // namespace

TEST(SerialDevice, OnlyVendor1FC9WithProduct0094IsARadio) {
    EXPECT_TRUE(radioAt("/dev/ttyACM0").isOpenGD77());
    EXPECT_FALSE((SerialDevice{"/dev/ttyACM1", "LPC adapter", 0x1FC9, 0x0095}).isOpenGD77());
    EXPECT_FALSE((SerialDevice{"/dev/ttyUSB0", "", 0x0403, 0x0094}).isOpenGD77());
    EXPECT_FALSE((SerialDevice{"/dev/ttyS0", "ttyS0", 0, 0}).isOpenGD77());
}

TEST(SerialDevice, DisplayName) {
    EXPECT_EQ(radioAt("/dev/ttyACM0").displayName(), QStringLiteral("OpenGD77 — OpenGD77"));
    EXPECT_EQ((SerialDevice{"/dev/ttyACM0", "", 0x1FC9, 0x0094}).displayName(),
              QStringLiteral("Serieller Port — OpenGD77"));
    EXPECT_EQ((SerialDevice{"/dev/ttyS0", "ttyS0", 0, 0}).displayName(), QStringLiteral("ttyS0"));
    EXPECT_EQ((SerialDevice{"/dev/ttyUSB3", "", 0x0403, 0x6001}).displayName(),
              QStringLiteral("Serieller Port"));
}

TEST(SerialDevice, EqualityCoversEveryFieldAndHashFollowsIt) {
    const SerialDevice a = radioAt("/dev/ttyACM0");
    SerialDevice b = a;
    EXPECT_EQ(a, b);
    EXPECT_EQ(qHash(a), qHash(b));
    b.name = QStringLiteral("other");
    EXPECT_NE(a, b);
    b = a;
    b.productID = 0x0095;
    EXPECT_NE(a, b);
}

TEST(SerialDevice, RadiosComeFirstThenEachGroupByPath) {
    const QList<SerialDevice> devices = {
        {"/dev/ttyS0", "ttyS0", 0, 0},
        radioAt("/dev/cu.usbmodem1201"),
        {"/dev/cu.usbserial", "LPC adapter", 0x1FC9, 0x0095},
        radioAt("/dev/cu.usbmodem1101"),
        {"/dev/cu.Bluetooth", "", 0, 0},
    };
    EXPECT_EQ(pathsOf(sortSerialDevices(devices)),
              (QStringList{"/dev/cu.usbmodem1101", "/dev/cu.usbmodem1201", "/dev/cu.Bluetooth",
                           "/dev/cu.usbserial", "/dev/ttyS0"}));
}

TEST(SerialDevice, EqualPathsKeepTheirOrder) {
    const QList<SerialDevice> devices = {{"/dev/x", "second-name", 0, 0},
                                         {"/dev/x", "first-name", 0, 0}};
    EXPECT_EQ(sortSerialDevices(devices), devices);
}

TEST(SerialDevice, FilterHidesEverythingButRadiosUnlessAllAreShown) {
    const QList<SerialDevice> sorted = sortSerialDevices({
        {"/dev/ttyACM1", "LPC adapter", 0x1FC9, 0x0095},
        radioAt("/dev/ttyACM0"),
        {"/dev/ttyS0", "ttyS0", 0, 0},
    });
    EXPECT_EQ(pathsOf(filterPorts(sorted, false)), QStringList{"/dev/ttyACM0"});
    EXPECT_EQ(filterPorts(sorted, true), sorted);
    EXPECT_TRUE(filterPorts({}, false).isEmpty());
}

TEST(SerialDevice, ListPortsFollowsTheShowAllPortsPreference) {
    nerka::test::TempSettings prefs;
    const QList<SerialDevice> all = enumerateSerialDevices();
    EXPECT_EQ(all, sortSerialDevices(all));
    EXPECT_EQ(listPorts(prefs.get()), filterPorts(all, false)); // absent = off
    prefs->setValue(QLatin1String(kShowAllPortsKey), true);
    EXPECT_EQ(listPorts(prefs.get()), all);
}
