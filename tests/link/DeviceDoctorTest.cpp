#include "link/DeviceDoctor.h"
#include "link/SerialPort.h"
#include "sim/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <optional>
#include <unistd.h>

using namespace nerka;
using Check = DoctorFinding::Check;
using Severity = DoctorFinding::Severity;

namespace {

constexpr unsigned kDialout = 20;
const QString kPort = QStringLiteral("/dev/ttyACM0");

// A user "ham" (uid 1000) with a radio at /dev/ttyACM0, root:dialout 0660,
// not in group dialout, no udev rule, nothing else running.
SystemView radioAttached() {
    SystemView view;
    view.uid = 1000;
    view.userName = QStringLiteral("ham");
    view.primaryGid = 1000;
    view.sessionGids = {1000};
    view.groups = {{QStringLiteral("ham"), 1000, {}}, {QStringLiteral("dialout"), kDialout, {}}};
    view.serialDevices = {{kPort, QStringLiteral("OpenGD77"), 0x1FC9, 0x0094},
                          {QStringLiteral("/dev/ttyS0"), QStringLiteral("ttyS0"), 0, 0}};
    view.usbDevices = {{QStringLiteral("1-2"), 0x1FC9, 0x0094, QStringLiteral("OpenGD77")}};
    DeviceNodeFacts node;
    node.path = kPort;
    node.exists = true;
    node.ownerName = QStringLiteral("root");
    node.groupGid = kDialout;
    node.groupName = QStringLiteral("dialout");
    node.mode = 0660;
    node.accessible = false;
    view.nodes = {node};
    view.processes = {{1, QStringLiteral("systemd"), {}}};
    return view;
}

SystemView allWell() {
    SystemView view = radioAttached();
    view.sessionGids.append(kDialout);
    view.groups[1].members = {QStringLiteral("ham")};
    view.nodes[0].accessible = true;
    view.ruleFiles = {QStringLiteral("/usr/lib/udev/rules.d/60-nerka.rules")};
    return view;
}

// A copy: the findings are often a temporary of the calling expression.
std::optional<DoctorFinding> findingOf(const QList<DoctorFinding>& findings, Check check) {
    for (const DoctorFinding& f : findings)
        if (f.check == check)
            return f;
    return std::nullopt;
}

QList<Check> problems(const QList<DoctorFinding>& findings) {
    QList<Check> checks;
    for (const DoctorFinding& f : findings)
        if (f.severity == Severity::problem)
            checks.append(f.check);
    return checks;
}

} // namespace

TEST(DeviceDoctor, AllWellHasNoProblemAndSaysSo) {
    const auto findings = DeviceDoctor::diagnose(allWell());
    EXPECT_TRUE(problems(findings).isEmpty());
    EXPECT_TRUE(DeviceDoctor::advice(findings).isEmpty());
    const QString report = DeviceDoctor::report(findings);
    EXPECT_TRUE(report.contains(QStringLiteral("[ok]      A radio (USB 1FC9:0094) is attached at "
                                               "/dev/ttyACM0.\n")));
    EXPECT_TRUE(report.contains(QStringLiteral("You may read and write /dev/ttyACM0 (it belongs "
                                               "to root:dialout with mode 0660).")));
    EXPECT_TRUE(report.endsWith(QStringLiteral("\nNo problem found.\n")));
}

TEST(DeviceDoctor, UserOutsideThePortsGroupIsToldToJoinItOrInstallTheRule) {
    const auto findings = DeviceDoctor::diagnose(radioAttached());
    EXPECT_EQ(problems(findings),
              (QList<Check>{Check::portAccess, Check::groupMembership, Check::udevRule}));
    EXPECT_EQ(findings.first().summary,
              QStringLiteral("You may not open /dev/ttyACM0: it belongs to root:dialout with mode "
                             "0660."));
    const QString advice = DeviceDoctor::advice(findings);
    EXPECT_TRUE(advice.contains(QStringLiteral("You are not in group dialout.")));
    EXPECT_TRUE(advice.contains(QStringLiteral("sudo usermod -aG dialout $USER")));
    EXPECT_TRUE(DeviceDoctor::report(findings).endsWith(QStringLiteral("3 problems found.\n")));
}

TEST(DeviceDoctor, MemberInTheGroupDatabaseButNotInThisLoginMustLogInAgain) {
    SystemView listed = radioAttached();
    listed.groups[1].members = {QStringLiteral("other"), QStringLiteral("ham")};
    SystemView primary = radioAttached();
    primary.primaryGid = kDialout;
    for (const SystemView& view : {listed, primary}) {
        const auto group = findingOf(DeviceDoctor::diagnose(view), Check::groupMembership);
        ASSERT_TRUE(group);
        EXPECT_EQ(group->severity, Severity::problem);
        EXPECT_TRUE(group->summary.contains(QStringLiteral("this login began before that")));
        EXPECT_TRUE(group->fix.startsWith(QStringLiteral("Log out and log in again")));
    }
}

TEST(DeviceDoctor, PortWhoseGroupMayNotUseItNeedsTheRule) {
    SystemView view = allWell();
    view.nodes[0].mode = 0600;
    view.nodes[0].accessible = false;
    view.ruleFiles.clear();
    const auto findings = DeviceDoctor::diagnose(view);
    EXPECT_EQ(problems(findings), (QList<Check>{Check::portAccess, Check::udevRule}));
    EXPECT_TRUE(findings.first().fix.contains(QStringLiteral("60-nerka.rules")));
}

TEST(DeviceDoctor, MissingRuleIsANoteWhileThePortOpens) {
    SystemView view = allWell();
    view.ruleFiles.clear();
    const auto rule = findingOf(DeviceDoctor::diagnose(view), Check::udevRule);
    ASSERT_TRUE(rule);
    EXPECT_EQ(rule->severity, Severity::note);
}

TEST(DeviceDoctor, ModemManagerIsAProblemOnlyWithoutTheRule) {
    SystemView view = allWell();
    view.processes.append({812, QStringLiteral("ModemManager"), {}});
    EXPECT_EQ(DeviceDoctor::checkModemManager(view).severity, Severity::ok);
    view.ruleFiles.clear();
    const auto findings = DeviceDoctor::diagnose(view);
    EXPECT_EQ(problems(findings), (QList<Check>{Check::udevRule, Check::modemManager}));
    EXPECT_TRUE(findingOf(findings, Check::modemManager)
                    ->fix.contains(QStringLiteral("sudo systemctl disable --now ModemManager")));
}

TEST(DeviceDoctor, BusyPortNamesTheHolderWhenItIsVisible) {
    SystemView view = allWell();
    const LinkErrorKind busy = LinkErrorKind::portBusy;
    const auto anonymous = findingOf(DeviceDoctor::diagnose(view, {kPort, busy}), Check::portBusy);
    ASSERT_TRUE(anonymous);
    EXPECT_EQ(anonymous->summary,
              QStringLiteral("/dev/ttyACM0 is busy: another program holds it."));
    EXPECT_TRUE(anonymous->fix.contains(QStringLiteral("sudo fuser -v /dev/ttyACM0")));

    // Busy for an unseen holder: the rule (which keeps ModemManager off) is
    // part of the fix; held by a named program, closing that is the fix.
    view.ruleFiles.clear();
    EXPECT_EQ(problems(DeviceDoctor::diagnose(view, {kPort, busy})),
              (QList<Check>{Check::portBusy, Check::udevRule}));
    view.processes.append({4242, QStringLiteral("minicom"), {kPort}});
    const auto findings = DeviceDoctor::diagnose(view, {kPort, busy});
    EXPECT_EQ(problems(findings), QList<Check>{Check::portBusy});
    EXPECT_EQ(findings.first().summary,
              QStringLiteral("Another program has /dev/ttyACM0 open: minicom (pid 4242)."));
}

TEST(DeviceDoctor, NoRadioSaysWhetherItIsOnUsbAndSuspectsBrltty) {
    SystemView none = allWell();
    none.serialDevices.removeFirst();
    none.usbDevices.clear();
    const auto absent = DeviceDoctor::diagnose(none);
    EXPECT_EQ(problems(absent), QList<Check>{Check::radioPresent});
    EXPECT_TRUE(absent.first().summary.startsWith(QStringLiteral("No device with the radio's")));
    EXPECT_FALSE(findingOf(absent, Check::portAccess)) << "no port to look at";

    SystemView claimed = none;
    claimed.usbDevices = radioAttached().usbDevices;
    claimed.processes.append({600, QStringLiteral("brltty"), {}});
    const auto stolen = DeviceDoctor::diagnose(claimed);
    EXPECT_EQ(problems(stolen), (QList<Check>{Check::radioPresent, Check::brltty}));
    EXPECT_TRUE(stolen.first().summary.contains(QStringLiteral("no serial port belongs to it")));
}

TEST(DeviceDoctor, PortAskedAboutThatIsGoneOrRefusesToOpen) {
    SystemView view = allWell();
    const auto gone = findingOf(DeviceDoctor::diagnose(view, {QStringLiteral("/dev/ttyUSB7"), {}}),
                                Check::portAccess);
    ASSERT_TRUE(gone);
    EXPECT_EQ(gone->summary, QStringLiteral("The port /dev/ttyUSB7 does not exist."));

    view.nodes[0].openError = QStringLiteral("Input/output error");
    view.nodes[0].openErrno = EIO;
    EXPECT_TRUE(problems(DeviceDoctor::diagnose(view)).contains(Check::portAccess));
}

TEST(DeviceDoctor, ExplainsTheOpenFailuresItCanHelpWith) {
    using K = LinkErrorKind;
    for (K kind : {K::portMissing, K::portDenied, K::portBusy})
        EXPECT_TRUE(DeviceDoctor::explains(kind)) << int(kind);
    for (K kind : {K::portFailed, K::ioFailed, K::timeout, K::badResponse, K::unknownRadio,
                   K::notIdentified, K::invalidRequest, K::interrupted})
        EXPECT_FALSE(DeviceDoctor::explains(kind)) << int(kind);
}

// The kinds come from the errors the port gives; the doctor's choice rests on them.
TEST(LinkErrorKinds, OpenFailuresAreToldApartByTheirErrno) {
    using K = LinkErrorKind;
    EXPECT_EQ(LinkError(SerialError::openFailed(ENOENT)).kind(), K::portMissing);
    EXPECT_EQ(LinkError(SerialError::openFailed(EACCES)).kind(), K::portDenied);
    EXPECT_EQ(LinkError(SerialError::openFailed(EIO)).kind(), K::portFailed);
    EXPECT_EQ(LinkError(SerialError::portBusy()).kind(), K::portBusy);
    EXPECT_EQ(LinkError(SerialError::readTimeout()).kind(), K::timeout);
    EXPECT_EQ(LinkError(SerialError::readFailed(QStringLiteral("EIO"))).kind(), K::ioFailed);
    EXPECT_EQ(LinkError(InterfaceError::badResponse(QStringLiteral("x"))).kind(), K::badResponse);
    EXPECT_EQ(LinkError(InterfaceError::interrupted()).kind(), K::interrupted);
    // The text the user sees stays the system's.
    EXPECT_EQ(LinkError(SerialError::openFailed(ENOENT)).description(),
              QStringLiteral("Could not open serial port: ") + SerialError::systemText(ENOENT));

    // A real open of a path that is not there.
    SerialPort port;
    const auto opened = port.open(QStringLiteral("/dev/nerka-no-such-port"));
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(LinkError(opened.error()).kind(), K::portMissing);
}

// The live gatherer on this machine: a pseudo-terminal this process holds
// open is looked at, found open by this very process, and the user's facts
// are filled in.
TEST(SystemViewGather, LooksAtTheGivenPortAndWhoHoldsIt) {
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.open().ok());
    const SystemView view = SystemView::gather({terminal.slavePath()});
    EXPECT_EQ(view.uid, unsigned(getuid()));
    EXPECT_FALSE(view.sessionGids.isEmpty());
    EXPECT_FALSE(view.groups.isEmpty());
    const DeviceNodeFacts* node = view.node(terminal.slavePath());
    ASSERT_TRUE(node);
    EXPECT_TRUE(node->exists);
    EXPECT_TRUE(node->accessible);
    EXPECT_TRUE(node->openError.isEmpty()) << node->openError.toStdString();
    bool heldByUs = false;
    for (const ProcessFacts& p : view.processes)
        heldByUs |= p.pid == getpid() && p.openDevices.contains(terminal.slavePath());
    EXPECT_TRUE(heldByUs);
}

TEST(DeviceDoctor, AdviceOnFailureLooksOnlyAtErrorsItExplains) {
    const QString gone = QStringLiteral("/dev/nerka-no-such-port");
    EXPECT_TRUE(DeviceDoctor::adviceOnFailure(gone, LinkErrorKind::timeout).isEmpty());
    const QString advice = DeviceDoctor::adviceOnFailure(gone, LinkErrorKind::portMissing);
    EXPECT_TRUE(advice.contains(QStringLiteral("The port /dev/nerka-no-such-port does not exist.")))
        << advice.toStdString();
}

TEST(SystemViewRules, OnlyAppliedRulesNamingTheRadioCount) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString etc = root.filePath(QStringLiteral("etc"));
    const QString lib = root.filePath(QStringLiteral("lib"));
    QDir().mkpath(etc);
    QDir().mkpath(lib);
    auto write = [](const QString& path, const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write(lib + QStringLiteral("/60-nerka.rules"),
          "SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"1FC9\", ATTRS{idProduct}==\"0094\"\n");
    write(lib + QStringLiteral("/69-other.rules"), "ATTRS{idVendor}==\"0403\"\n");
    write(lib + QStringLiteral("/70-masked.rules"),
          "ATTRS{idVendor}==\"1fc9\", ATTRS{idProduct}==\"0094\"\n");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), etc + QStringLiteral("/70-masked.rules")));

    EXPECT_EQ(SystemView::radioRuleFiles({etc, lib}),
              QStringList{lib + QStringLiteral("/60-nerka.rules")});
    // An empty file of the same name in the first folder masks it too.
    write(etc + QStringLiteral("/60-nerka.rules"), "");
    EXPECT_TRUE(SystemView::radioRuleFiles({etc, lib}).isEmpty());
}
