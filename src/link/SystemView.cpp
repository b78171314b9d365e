#include "link/SystemView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nerka {

namespace {

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

int readHex(const QString& path) {
    bool ok = false;
    const int value = readText(path).toInt(&ok, 16);
    return ok ? value : 0;
}

QString userNameOf(uid_t uid) {
    const passwd* entry = getpwuid(uid);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

QString groupNameOf(gid_t gid) {
    const group* entry = getgrgid(gid);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString();
}

QList<GroupFacts> groupDatabase() {
    QList<GroupFacts> groups;
    setgrent();
    while (const group* entry = getgrent()) {
        GroupFacts facts;
        facts.name = QString::fromLocal8Bit(entry->gr_name);
        facts.gid = entry->gr_gid;
        for (char** member = entry->gr_mem; member && *member; ++member)
            facts.members.append(QString::fromLocal8Bit(*member));
        groups.append(facts);
    }
    endgrent();
    return groups;
}

QList<unsigned> sessionGroups() {
    QList<unsigned> gids{static_cast<unsigned>(getegid())};
    const int count = getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> list(static_cast<size_t>(count));
        const int got = getgroups(count, list.data());
        for (int i = 0; i < got; ++i) {
            if (!gids.contains(list[static_cast<size_t>(i)]))
                gids.append(list[static_cast<size_t>(i)]);
        }
    }
    return gids;
}

QList<UsbDeviceFacts> attachedUsbDevices() {
    QList<UsbDeviceFacts> devices;
    const QDir dir(QStringLiteral("/sys/bus/usb/devices"));
    const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& name : names) {
        const QString base = dir.filePath(name) + QLatin1Char('/');
        // Interfaces ("1-2:1.0") have no identifiers of their own.
        if (!QFileInfo::exists(base + QStringLiteral("idVendor")))
            continue;
        UsbDeviceFacts facts;
        facts.sysfsName = name;
        facts.vendorID = readHex(base + QStringLiteral("idVendor"));
        facts.productID = readHex(base + QStringLiteral("idProduct"));
        facts.product = readText(base + QStringLiteral("product"));
        devices.append(facts);
    }
    return devices;
}

DeviceNodeFacts nodeFacts(const QString& path, bool tryOpen) {
    DeviceNodeFacts facts;
    facts.path = path;
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (stat(native.constData(), &info) != 0) {
        facts.accessible = false;
        return facts;
    }
    facts.exists = true;
    facts.ownerUid = info.st_uid;
    facts.groupGid = info.st_gid;
    facts.ownerName = userNameOf(info.st_uid);
    facts.groupName = groupNameOf(info.st_gid);
    facts.mode = info.st_mode & 07777;
    facts.accessible = access(native.constData(), R_OK | W_OK) == 0;
    if (tryOpen) {
        // The same flags as a connection's open; closed again at once.
        const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) {
            facts.openErrno = errno;
            facts.openError = QString::fromLocal8Bit(std::strerror(facts.openErrno));
        } else {
            ::close(fd);
        }
    }
    return facts;
}

QList<ProcessFacts> runningProcesses(const QHash<QString, QString>& watched) {
    QList<ProcessFacts> list;
    const QDir proc(QStringLiteral("/proc"));
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool numeric = false;
        const int pid = entry.toInt(&numeric);
        if (!numeric)
            continue;
        ProcessFacts facts;
        facts.pid = pid;
        facts.name = readText(proc.filePath(entry) + QStringLiteral("/comm"));
        if (facts.name.isEmpty())
            continue; // gone meanwhile
        if (!watched.isEmpty()) {
            const QDir fds(proc.filePath(entry) + QStringLiteral("/fd"));
            const QStringList links = fds.entryList(QDir::Files | QDir::System);
            for (const QString& link : links) {
                const QString target = QFile::symLinkTarget(fds.filePath(link));
                const auto it = watched.constFind(target);
                if (it != watched.constEnd() && !facts.openDevices.contains(*it))
                    facts.openDevices.append(*it);
            }
        }
        list.append(facts);
    }
    return list;
}

} // namespace

const DeviceNodeFacts* SystemView::node(const QString& path) const {
    const auto it = std::find_if(nodes.begin(), nodes.end(),
                                 [&](const DeviceNodeFacts& n) { return n.path == path; });
    return it == nodes.end() ? nullptr : &*it;
}

const GroupFacts* SystemView::group(unsigned gid) const {
    const auto it = std::find_if(groups.begin(), groups.end(),
                                 [&](const GroupFacts& g) { return g.gid == gid; });
    return it == groups.end() ? nullptr : &*it;
}

bool SystemView::isRunning(const QString& processName) const {
    return std::any_of(processes.begin(), processes.end(),
                       [&](const ProcessFacts& p) { return p.name == processName; });
}

QStringList SystemView::radioRuleFiles(const QStringList& folders) {
    QStringList found;
    QSet<QString> seen;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({QStringLiteral("*.rules")}, QDir::Files | QDir::System);
        for (const QString& name : names) {
            // An earlier folder's file hides the same name in later ones.
            if (seen.contains(name))
                continue;
            seen.insert(name);
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray text = file.read(1 << 20).toLower();
            if (text.contains("1fc9") && text.contains("0094"))
                found.append(dir.filePath(name));
        }
    }
    return found;
}

QStringList SystemView::udevRuleFolders() {
    return {QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
            QStringLiteral("/usr/local/lib/udev/rules.d"), QStringLiteral("/usr/lib/udev/rules.d"),
            QStringLiteral("/lib/udev/rules.d")};
}

SystemView SystemView::gather(const QStringList& extraPorts, bool tryOpen) {
    SystemView view;
    view.uid = getuid();
    view.userName = userNameOf(view.uid);
    if (const passwd* entry = getpwuid(view.uid))
        view.primaryGid = entry->pw_gid;
    view.sessionGids = sessionGroups();
    view.groups = groupDatabase();
    view.serialDevices = enumerateSerialDevices();
    view.usbDevices = attachedUsbDevices();

    QStringList ports;
    for (const SerialDevice& device : view.serialDevices) {
        if (device.isOpenGD77())
            ports.append(device.path);
    }
    for (const QString& port : extraPorts) {
        if (!ports.contains(port))
            ports.append(port);
    }
    // A process's open descriptors name the device's real path; a port given
    // as a link (/dev/serial/by-id/…) is matched through it.
    QHash<QString, QString> watched;
    for (const QString& port : ports) {
        view.nodes.append(nodeFacts(port, tryOpen));
        const QString canonical = QFileInfo(port).canonicalFilePath();
        watched.insert(canonical.isEmpty() ? port : canonical, port);
    }
    view.ruleFiles = radioRuleFiles(udevRuleFolders());
    view.processes = runningProcesses(watched);
    return view;
}

} // namespace nerka
