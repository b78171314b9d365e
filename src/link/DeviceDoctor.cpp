#include "link/DeviceDoctor.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>

namespace nerka {

namespace {

using Check = DoctorFinding::Check;
using Severity = DoctorFinding::Severity;

const QString kRuleName = QStringLiteral("60-nerka.rules");
const QString kRadioUsbId = QStringLiteral("1FC9:0094");

// A trial open of the doctor's own fails with these errno values when the
// port is held or refuses this user.
bool isBusyOpen(const DeviceNodeFacts& node) {
    return node.openErrno == EBUSY;
}

bool isDeniedOpen(const DeviceNodeFacts& node) {
    return node.openErrno == EACCES;
}

bool isBusyError(const std::optional<LinkErrorKind>& error) {
    return error == LinkErrorKind::portBusy;
}

QString modeText(unsigned mode) {
    return QStringLiteral("%1").arg(mode & 07777, 4, 8, QLatin1Char('0'));
}

QString nameOr(const QString& name, unsigned id) {
    return name.isEmpty() ? QString::number(id) : name;
}

QString ownershipText(const DeviceNodeFacts& node) {
    return QCoreApplication::translate("DeviceDoctor", "it belongs to %1:%2 with mode %3")
        .arg(nameOr(node.ownerName, node.ownerUid), nameOr(node.groupName, node.groupGid),
             modeText(node.mode));
}

bool inGroupDatabase(const SystemView& view, unsigned gid) {
    if (view.primaryGid == gid)
        return true;
    const GroupFacts* group = view.group(gid);
    return group && group->members.contains(view.userName);
}

QString ruleFix() {
    return QCoreApplication::translate(
               "DeviceDoctor",
               "Install Nerka's package, or copy %1 (packaging/linux in Nerka's source) to "
               "/etc/udev/rules.d/, run `sudo udevadm control --reload` and plug the radio in "
               "again. The rule lets the logged-in user open the radio and tells ModemManager "
               "to leave it alone.")
        .arg(kRuleName);
}

DoctorFinding finding(Check check, Severity severity, QString summary, QString fix = {}) {
    return DoctorFinding{check, severity, std::move(summary), std::move(fix)};
}

QList<DoctorFinding> checkGroup(const SystemView& view, const DeviceNodeFacts& node) {
    const QString group = nameOr(node.groupName, node.groupGid);
    if (view.sessionGids.contains(node.groupGid))
        return {finding(
            Check::groupMembership, Severity::ok,
            QCoreApplication::translate("DeviceDoctor", "You are in group %1.").arg(group))};
    if (inGroupDatabase(view, node.groupGid))
        return {finding(
            Check::groupMembership, Severity::problem,
            QCoreApplication::translate(
                "DeviceDoctor", "You were added to group %1, but this login began before that, so "
                                "it does not have the group yet.")
                .arg(group),
            QCoreApplication::translate(
                "DeviceDoctor", "Log out and log in again (or restart the computer). For one "
                                "terminal, `newgrp %1` gives the group at once.")
                .arg(group))};
    return {finding(
        Check::groupMembership, Severity::problem,
        QCoreApplication::translate("DeviceDoctor", "You are not in group %1.").arg(group),
        QCoreApplication::translate("DeviceDoctor",
                                    "Install the udev rule (it gives the logged-in user the "
                                    "radio), or join the group: `sudo usermod -aG %1 $USER`, "
                                    "then log out and log in again. Do not run Nerka with sudo.")
            .arg(group))};
}

// The names of the processes seen holding the port open.
QStringList holdersOf(const SystemView& view, const QString& path) {
    QStringList names;
    for (const ProcessFacts& process : view.processes) {
        if (process.openDevices.contains(path))
            names.append(process.name);
    }
    return names;
}

QList<DoctorFinding> checkBusy(const SystemView& view, const DeviceNodeFacts& node,
                               const std::optional<LinkErrorKind>& error) {
    QStringList holders;
    for (const ProcessFacts& process : view.processes) {
        if (process.openDevices.contains(node.path))
            holders.append(QStringLiteral("%1 (pid %2)").arg(process.name).arg(process.pid));
    }
    if (!holders.isEmpty())
        return {
            finding(Check::portBusy, Severity::problem,
                    QCoreApplication::translate("DeviceDoctor", "Another program has %1 open: %2.")
                        .arg(node.path, holders.join(QStringLiteral(", "))),
                    QCoreApplication::translate("DeviceDoctor", "Close it and connect again."))};
    if (isBusyError(error) || isBusyOpen(node))
        return {finding(
            Check::portBusy, Severity::problem,
            QCoreApplication::translate("DeviceDoctor", "%1 is busy: another program holds it.")
                .arg(node.path),
            QCoreApplication::translate(
                "DeviceDoctor", "Close other programs that use serial ports (another Nerka or "
                                "nerka-cli, a serial terminal) and connect again. Right after the "
                                "radio is plugged in, ModemManager may be probing it: wait half a "
                                "minute. Programs of other users are hidden without root: "
                                "`sudo fuser -v %1` names them.")
                .arg(node.path))};
    return {};
}

QStringList radioPorts(const SystemView& view) {
    QStringList ports;
    for (const SerialDevice& device : view.serialDevices) {
        if (device.isOpenGD77())
            ports.append(device.path);
    }
    return ports;
}

bool radioOnUsb(const SystemView& view) {
    return std::any_of(view.usbDevices.begin(), view.usbDevices.end(), [](const UsbDeviceFacts& d) {
        return d.vendorID == SerialDevice::kOpenGD77VendorID &&
               d.productID == SerialDevice::kOpenGD77ProductID;
    });
}

} // namespace

bool DeviceDoctor::explains(LinkErrorKind error) {
    return error == LinkErrorKind::portDenied || error == LinkErrorKind::portBusy ||
           error == LinkErrorKind::portMissing;
}

QStringList DeviceDoctor::portsToCheck(const SystemView& view, const QString& portPath) {
    if (!portPath.isEmpty())
        return {portPath};
    return radioPorts(view);
}

DoctorFinding DeviceDoctor::checkRadioPresent(const SystemView& view) {
    const QStringList ports = radioPorts(view);
    if (!ports.isEmpty())
        return finding(
            Check::radioPresent, Severity::ok,
            QCoreApplication::translate("DeviceDoctor", "A radio (USB %1) is attached at %2.")
                .arg(kRadioUsbId, ports.join(QStringLiteral(", "))));
    if (radioOnUsb(view))
        return finding(
            Check::radioPresent, Severity::problem,
            QCoreApplication::translate("DeviceDoctor",
                                        "A USB device %1 is attached, but no serial port belongs "
                                        "to it.")
                .arg(kRadioUsbId),
            QCoreApplication::translate("DeviceDoctor",
                                        "The kernel's cdc_acm driver should give it a port "
                                        "/dev/ttyACM…: unplug the radio, plug it in again and "
                                        "look at `sudo dmesg | tail`. If brltty is running, it "
                                        "may have claimed the device."));
    return finding(
        Check::radioPresent, Severity::problem,
        QCoreApplication::translate("DeviceDoctor",
                                    "No device with the radio's USB identity %1 is attached.")
            .arg(kRadioUsbId),
        QCoreApplication::translate("DeviceDoctor",
                                    "Switch the radio on, connect it with a USB data cable (some "
                                    "cables only charge) and check that it runs the OpenGD77 "
                                    "firmware; `lsusb` then lists 1fc9:0094."));
}

QList<DoctorFinding> DeviceDoctor::checkPort(const SystemView& view, const QString& portPath,
                                             const std::optional<LinkErrorKind>& error) {
    const DeviceNodeFacts* node = view.node(portPath);
    if (!node || !node->exists)
        return {finding(
            Check::portAccess, Severity::problem,
            QCoreApplication::translate("DeviceDoctor", "The port %1 does not exist.")
                .arg(portPath),
            QCoreApplication::translate("DeviceDoctor",
                                        "The radio was unplugged or switched off, or the name is "
                                        "wrong: `nerka-cli ports --all` lists the ports there "
                                        "are."))};

    QList<DoctorFinding> findings;
    if (view.uid == 0) {
        findings.append(finding(
            Check::portAccess, Severity::note,
            QCoreApplication::translate(
                "DeviceDoctor", "You run as root: %1 opens, but files you save belong to root.")
                .arg(portPath),
            QCoreApplication::translate("DeviceDoctor",
                                        "Run Nerka as yourself; if the port then refuses you, run "
                                        "`nerka-cli ports --doctor` as yourself.")));
    } else if (node->accessible) {
        findings.append(
            finding(Check::portAccess, Severity::ok,
                    QCoreApplication::translate("DeviceDoctor", "You may read and write %1 (%2).")
                        .arg(portPath, ownershipText(*node))));
    } else {
        const bool groupMayUse = (node->mode & 060) == 060;
        findings.append(finding(
            Check::portAccess, Severity::problem,
            QCoreApplication::translate("DeviceDoctor", "You may not open %1: %2.")
                .arg(portPath, ownershipText(*node)),
            groupMayUse ? QString()
                        : QCoreApplication::translate(
                              "DeviceDoctor", "Its group may not read and write it either; ") +
                              ruleFix()));
        if (groupMayUse)
            findings.append(checkGroup(view, *node));
    }

    findings.append(checkBusy(view, *node, error));

    // Any other failure of the trial open (an I/O error of a confused radio).
    if (!node->openError.isEmpty() && !isBusyOpen(*node) && !isDeniedOpen(*node))
        findings.append(finding(Check::portAccess, Severity::problem,
                                QCoreApplication::translate("DeviceDoctor", "Opening %1 fails: %2.")
                                    .arg(portPath, node->openError),
                                QCoreApplication::translate(
                                    "DeviceDoctor", "Unplug the radio, switch it off and on, and "
                                                    "plug it in again.")));
    return findings;
}

DoctorFinding DeviceDoctor::checkUdevRule(const SystemView& view) {
    if (!view.ruleFiles.isEmpty())
        return finding(Check::udevRule, Severity::ok,
                       QCoreApplication::translate("DeviceDoctor",
                                                   "A udev rule for the radio is installed: %1.")
                           .arg(view.ruleFiles.join(QStringLiteral(", "))));
    return finding(Check::udevRule, Severity::note,
                   QCoreApplication::translate(
                       "DeviceDoctor", "No udev rule for the radio's USB identity %1 is installed.")
                       .arg(kRadioUsbId),
                   ruleFix());
}

DoctorFinding DeviceDoctor::checkModemManager(const SystemView& view) {
    if (!view.isRunning(QStringLiteral("ModemManager")))
        return finding(Check::modemManager, Severity::ok,
                       QCoreApplication::translate("DeviceDoctor", "ModemManager is not running."));
    if (!view.ruleFiles.isEmpty())
        return finding(
            Check::modemManager, Severity::ok,
            QCoreApplication::translate("DeviceDoctor",
                                        "ModemManager is running; the udev rule tells it to leave "
                                        "the radio alone."));
    return finding(
        Check::modemManager, Severity::problem,
        QCoreApplication::translate("DeviceDoctor",
                                    "ModemManager is running and probes every new serial port: "
                                    "after the radio is plugged in, its port is busy for a while "
                                    "and the probing can upset the radio."),
        QCoreApplication::translate("DeviceDoctor",
                                    "Install the udev rule, or, if this computer uses "
                                    "no mobile-broadband modem: `sudo systemctl disable --now "
                                    "ModemManager`."));
}

DoctorFinding DeviceDoctor::checkBrltty(const SystemView& view) {
    if (!view.isRunning(QStringLiteral("brltty")))
        return finding(Check::brltty, Severity::ok,
                       QCoreApplication::translate("DeviceDoctor", "brltty is not running."));
    return finding(
        Check::brltty, Severity::note,
        QCoreApplication::translate("DeviceDoctor",
                                    "brltty (the Braille display service) is running. It claims "
                                    "some USB serial devices when they are plugged in, and their "
                                    "port disappears."),
        QCoreApplication::translate("DeviceDoctor",
                                    "If the radio's port vanishes right after plugging in and no "
                                    "Braille display is used here: `sudo systemctl mask "
                                    "brltty-udev.service brltty.service`, or `sudo apt remove "
                                    "brltty`."));
}

QList<DoctorFinding> DeviceDoctor::diagnose(const SystemView& view, const Question& question) {
    QList<DoctorFinding> findings{checkRadioPresent(view)};
    const QStringList ports = portsToCheck(view, question.portPath);
    for (const QString& port : ports)
        findings.append(checkPort(view, port, question.error));
    // The rule is the fix for a port that refuses this user or is held by
    // another program, not for a port that is not there.
    const bool refused = std::any_of(ports.begin(), ports.end(), [&](const QString& port) {
        const DeviceNodeFacts* node = view.node(port);
        return view.uid != 0 && node && node->exists && !node->accessible;
    });
    // A port held by a named program is that program's doing; one busy for
    // an unseen holder, or held by ModemManager, is what the rule prevents.
    const bool busyWithoutKnownHolder =
        std::any_of(ports.begin(), ports.end(), [&](const QString& port) {
            const QStringList holders = holdersOf(view, port);
            const DeviceNodeFacts* node = view.node(port);
            const bool busy = isBusyError(question.error) || (node && isBusyOpen(*node));
            return holders.contains(QStringLiteral("ModemManager")) || (busy && holders.isEmpty());
        });
    const bool portTrouble = refused || busyWithoutKnownHolder;
    DoctorFinding rule = checkUdevRule(view);
    DoctorFinding modemManager = checkModemManager(view);
    DoctorFinding brltty = checkBrltty(view);
    // A missing rule is only a remark while the port opens; with a port that
    // refuses or ModemManager in the way, installing it is the fix.
    if (rule.severity == Severity::note &&
        (portTrouble || modemManager.severity == Severity::problem))
        rule.severity = Severity::problem;
    // brltty is the likely thief when the radio is on USB but has no port.
    const bool portMissing = radioPorts(view).isEmpty() && radioOnUsb(view);
    if (brltty.severity == Severity::note && portMissing)
        brltty.severity = Severity::problem;
    findings.append(rule);
    findings.append(modemManager);
    findings.append(brltty);

    std::stable_sort(findings.begin(), findings.end(), [](const auto& a, const auto& b) {
        return int(a.severity) > int(b.severity);
    });
    return findings;
}

QString DeviceDoctor::adviceOnFailure(const QString& portPath, LinkErrorKind error) {
    if (!explains(error))
        return {};
    const QStringList ports = portPath.isEmpty() ? QStringList() : QStringList{portPath};
    return advice(diagnose(SystemView::gather(ports, false), {portPath, error}));
}

QString DeviceDoctor::adviceWithoutRadio() {
    return advice(diagnose(SystemView::gather({}, false)));
}

QString DeviceDoctor::report(const QList<DoctorFinding>& findings) {
    QString text;
    int problems = 0;
    for (const DoctorFinding& f : findings) {
        QString tag;
        switch (f.severity) {
        case Severity::ok:
            tag = QStringLiteral("[ok]");
            break;
        case Severity::note:
            tag = QStringLiteral("[note]");
            break;
        case Severity::problem:
            tag = QStringLiteral("[problem]");
            ++problems;
            break;
        }
        text += tag.leftJustified(10) + f.summary + QLatin1Char('\n');
        if (!f.fix.isEmpty())
            text += QString(10, QLatin1Char(' ')) +
                    QCoreApplication::translate("DeviceDoctor", "Fix: ") + f.fix +
                    QLatin1Char('\n');
    }
    text += QLatin1Char('\n');
    if (problems == 0)
        text += QCoreApplication::translate("DeviceDoctor", "No problem found.\n");
    else if (problems == 1)
        text += QCoreApplication::translate("DeviceDoctor", "1 problem found.\n");
    else
        text += QCoreApplication::translate("DeviceDoctor", "%1 problems found.\n").arg(problems);
    return text;
}

QString DeviceDoctor::advice(const QList<DoctorFinding>& findings) {
    QStringList blocks;
    for (const DoctorFinding& f : findings) {
        if (f.severity != Severity::problem)
            continue;
        blocks.append(f.fix.isEmpty() ? f.summary : f.summary + QLatin1Char(' ') + f.fix);
    }
    return blocks.join(QLatin1Char('\n'));
}

} // namespace nerka
