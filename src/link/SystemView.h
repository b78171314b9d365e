#pragma once

#include "link/SerialDevice.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace nerka {

// A USB device as the kernel lists it (/sys/bus/usb/devices/*).
struct UsbDeviceFacts {
    QString sysfsName; // "1-2", "3-1.4", …
    int vendorID = 0;
    int productID = 0;
    QString product; // the device's own product string, empty when it has none
};

// One device file and who may open it.
struct DeviceNodeFacts {
    QString path;
    bool exists = false;
    unsigned ownerUid = 0;
    unsigned groupGid = 0;
    QString ownerName; // empty when the id has no name
    QString groupName;
    unsigned mode = 0;      // permission bits only (07777)
    bool accessible = true; // this user may read and write it (access(2), so ACLs count)
    // The error of a trial open for reading and writing: the system's text
    // (empty) and errno value (0) when it opened or was not tried.
    QString openError;
    int openErrno = 0;
};

// One group of the group database.
struct GroupFacts {
    QString name;
    unsigned gid = 0;
    QStringList members; // listed members; users whose primary group it is are not here
};

// One running process, and the terminal devices it holds open (only
// readable for the user's own processes unless running as root).
struct ProcessFacts {
    int pid = 0;
    QString name; // /proc/<pid>/comm
    QStringList openDevices;
};

// The facts the device doctor judges: serial devices, USB devices, device
// files, the user and the group database, installed udev rules and running
// processes. Gathered from the running system by gather(); tests build one by
// hand, so every check runs without root and without a radio.
struct SystemView {
    unsigned uid = 0;
    QString userName;
    unsigned primaryGid = 0;           // from the password database
    QList<unsigned> sessionGids;       // getgroups() plus the effective group: what this login has
    QList<GroupFacts> groups;          // the group database as it stands now
    QList<SerialDevice> serialDevices; // discovery's list, every serial device
    QList<UsbDeviceFacts> usbDevices;
    QList<DeviceNodeFacts> nodes; // the device files looked at (radio ports and the ones asked for)
    QStringList ruleFiles;        // installed udev rule files that name the radio's USB identity
    QList<ProcessFacts> processes;

    [[nodiscard]] const DeviceNodeFacts* node(const QString& path) const;
    [[nodiscard]] const GroupFacts* group(unsigned gid) const;
    [[nodiscard]] bool isRunning(const QString& processName) const;

    // The folders udev reads rules from, in the order udev gives them priority.
    [[nodiscard]] static QStringList udevRuleFolders();
    // The rule files in those folders that udev applies and that name the
    // radio's USB identity. A file name in an earlier folder hides the same
    // name in later ones, so an empty file or a link to /dev/null in
    // /etc/udev/rules.d masks a packaged rule and does not count.
    [[nodiscard]] static QStringList radioRuleFiles(const QStringList& folders);

    // Gathers the facts of this machine. The device files of every radio that
    // discovery lists are looked at, and those of extraPorts. A trial open of
    // a device file happens only when tryOpen is set: it is harmless for a
    // radio (the same open every connection does), but it is not done behind
    // the user's back in the window.
    [[nodiscard]] static SystemView gather(const QStringList& extraPorts = {}, bool tryOpen = true);
};

} // namespace nerka
