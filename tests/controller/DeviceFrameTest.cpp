// Every device operation ends with exactly one `finished` carrying its typed
// result: after it succeeded, failed on the link, or was refused before it
// began (busy, no radio, nothing to do, a precondition).

#include "StandInRadio.h"

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

using namespace nerka;
using nerka::test::ControllerOnStandIn;
using nerka::test::StandInRadio;

namespace {

using Op = DeviceOperation;
using ErrorKind = OperationErrorKind;

// No reconnect after a write within a test: the write's result stands alone.
constexpr double kNeverReconnect = 1000.0;

const QString kNotConnected = QStringLiteral("Nicht verbunden.");

OperationResult ok(Op op) {
    return OperationResult::success(op);
}
OperationResult refused(Op op, ErrorKind kind, const QString& text) {
    return OperationResult::failure(op, kind, text);
}
OperationResult linkFailed(Op op, LinkErrorKind kind, const QString& text) {
    return {op, ErrorKind::link, kind, text};
}

struct Fixture {
    StandInRadio radio;
    ControllerOnStandIn c{kNeverReconnect};
};

struct FrameCase {
    const char* name;
    bool connected;                        // connected (not read) before the operation
    std::function<void(Fixture&)> prepare; // more set-up, optional
    std::function<void(RadioController&)> start;
    QList<OperationResult> expected; // in the order they end
    bool reported;                   // the failures are error reports
};

// Files the file operations below read, in a folder that outlives the cases.
QString caseFile(const QString& name, const QByteArray& contents) {
    static QTemporaryDir dir;
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    return file.fileName();
}

void readFirst(Fixture& f) {
    f.c->readCodeplug();
    f.c.finish();
    ASSERT_TRUE(f.c->document().image().has_value());
}

const QList<FrameCase>& frameCases() {
    static const QList<FrameCase> cases = {
        {"ConnectWithoutPort",
         false,
         {},
         [](RadioController& c) { c.connectRadio(false); },
         {refused(Op::connect, ErrorKind::refused, QStringLiteral("No serial port selected."))},
         true},
        {"AutomaticConnectWithoutPortIsQuiet",
         false,
         {},
         [](RadioController& c) { c.connectRadio(true); },
         {refused(Op::connect, ErrorKind::refused, QStringLiteral("No serial port selected."))},
         false},
        {"ConnectToAPortThatIsGone",
         false,
         [](Fixture& f) {
             f.c->selectPort(SerialDevice{QStringLiteral("/dev/nerka-gone"), {}, 0, 0});
         },
         [](RadioController& c) { c.connectRadio(false); },
         {linkFailed(Op::connect, LinkErrorKind::portMissing,
                     LinkError(SerialError::openFailed(ENOENT)).description())},
         true},
        {"Connect",
         false,
         [](Fixture& f) { f.c->selectPort(f.radio.device()); },
         [](RadioController& c) { c.connectRadio(false); },
         {ok(Op::connect)},
         true},
        {"ReadWithoutRadio",
         false,
         {},
         [](RadioController& c) { c.readCodeplug(); },
         {refused(Op::readCodeplug, ErrorKind::notConnected, kNotConnected)},
         true},
        {"WriteWithoutRadio",
         false,
         {},
         [](RadioController& c) { c.writeChanges(); },
         {refused(Op::writeCodeplug, ErrorKind::notConnected, kNotConnected)},
         true},
        {"DatabaseWriteWithoutRadio",
         false,
         {},
         [](RadioController& c) { c.writeDMRDatabase(); },
         {refused(Op::writeDmrDatabase, ErrorKind::notConnected, kNotConnected)},
         true},
        {"DatabaseReadWithoutRadio",
         false,
         {},
         [](RadioController& c) { c.readDMRDatabaseFromDevice(); },
         {refused(Op::readDmrDatabase, ErrorKind::notConnected, kNotConnected)},
         true},
        {"CountWithoutRadioIsQuiet",
         false,
         {},
         [](RadioController& c) { c.refreshDMRDatabaseOnDeviceCount(); },
         {refused(Op::countDmrDatabase, ErrorKind::notConnected, kNotConnected)},
         false},
        {"Read",
         true,
         {},
         [](RadioController& c) { c.readCodeplug(); },
         {ok(Op::readCodeplug)},
         true},
        {"SecondReadWhileOneRunsIsBusy",
         true,
         {},
         [](RadioController& c) {
             c.readCodeplug();
             c.readCodeplug();
         },
         {refused(Op::readCodeplug, ErrorKind::busy,
                  QStringLiteral("Busy: wait for the running transfer to finish.")),
          ok(Op::readCodeplug)},
         true},
        {"ReadAfterADisconnectWasQueued",
         true,
         {},
         [](RadioController& c) {
             c.disconnectRadio();
             c.readCodeplug();
         },
         {ok(Op::disconnect), refused(Op::readCodeplug, ErrorKind::notConnected, kNotConnected)},
         true},
        {"DisconnectWithoutRadio",
         false,
         {},
         [](RadioController& c) { c.disconnectRadio(); },
         {ok(Op::disconnect)},
         true},
        {"ReadFromASilentRadio",
         true,
         [](Fixture& f) { f.radio.sim.injectFault(SimFault::silence); },
         [](RadioController& c) { c.readCodeplug(); },
         {linkFailed(Op::readCodeplug, LinkErrorKind::timeout,
                     QStringLiteral("Timeout while reading from the device."))},
         true},
        {"WriteWithNothingChangedIsDoneQuietly",
         true,
         readFirst,
         [](RadioController& c) { c.writeChanges(); },
         {ok(Op::writeCodeplug)},
         true},
        {"Write",
         true,
         [](Fixture& f) {
             readFirst(f);
             f.c->setBackupBeforeWrite(false);
             f.c->setVerifyAfterWrite(false);
             f.c->markRegionsChanged({2});
         },
         [](RadioController& c) { c.writeChanges(); },
         {ok(Op::writeCodeplug)},
         true},
        {"DatabaseWriteWithoutDatabase",
         true,
         {},
         [](RadioController& c) { c.writeDMRDatabase(); },
         {refused(Op::writeDmrDatabase, ErrorKind::refused,
                  QStringLiteral("No DMR database imported."))},
         true},
        {"DatabaseRead",
         true,
         {},
         [](RadioController& c) { c.readDMRDatabaseFromDevice(); },
         {ok(Op::readDmrDatabase)},
         true},
        {"Count",
         true,
         {},
         [](RadioController& c) { c.refreshDMRDatabaseOnDeviceCount(); },
         {ok(Op::countDmrDatabase)},
         true},
        // The file work on the DMR list and the keps ends the same way.
        {"ImportAList",
         false,
         {},
         [](RadioController& c) {
             c.importDMRDatabase(caseFile(QStringLiteral("ids.csv"), "5,XX5,Eve\n"));
         },
         {ok(Op::importDmrDatabase)},
         true},
        {"ImportAListWithoutIds",
         false,
         {},
         [](RadioController& c) {
             c.importDMRDatabase(caseFile(QStringLiteral("none.csv"), "# nothing\n"));
         },
         {refused(Op::importDmrDatabase, ErrorKind::file,
                  QStringLiteral("No usable DMR IDs found in the file."))},
         true},
        {"ExportWithoutAList",
         false,
         {},
         [](RadioController& c) { c.exportDMRDatabase(caseFile(QStringLiteral("out.csv"), {})); },
         {refused(Op::exportDmrDatabase, ErrorKind::refused,
                  QStringLiteral("No DMR database to export."))},
         true},
        {"KepsWithoutElements",
         false,
         {},
         [](RadioController& c) {
             const QString path = caseFile(QStringLiteral("keps.txt"), "no elements\n");
             c.importTLEFile(path);
         },
         {refused(Op::loadKeps, ErrorKind::file, QStringLiteral("No TLEs found in the file."))},
         true},
    };
    return cases;
}

} // namespace

TEST(DeviceFrame, EveryOperationEndsWithOneFinishedCarryingItsResult) {
    for (const FrameCase& tc : frameCases()) {
        SCOPED_TRACE(tc.name);
        Fixture f;
        if (tc.connected) {
            ASSERT_TRUE(f.c.connectTo(f.radio));
        }
        if (tc.prepare)
            tc.prepare(f);
        f.c.results.clear();

        QList<OperationResult> results;
        QList<bool> workingAtEnd; // the status when each result arrived
        QObject::connect(f.c.controller.get(), &RadioController::finished, f.c.controller.get(),
                         [&](const OperationResult& result) {
                             results.append(result);
                             workingAtEnd.append(f.c->status().isWorking());
                         });
        tc.start(*f.c);
        ASSERT_TRUE(f.c.waitFor([&] { return results.size() >= tc.expected.size(); }));
        f.c.drain();
        f.c.drain();

        EXPECT_EQ(results, tc.expected);
        // Once an operation has ended its status is no longer shown; only a
        // busy refusal ends while the other operation still runs.
        for (qsizetype i = 0; i < results.size(); ++i) {
            if (results[i].error != ErrorKind::busy) {
                EXPECT_FALSE(workingAtEnd[i]) << i;
            }
        }
        QStringList expectedReports;
        for (const OperationResult& result : tc.expected) {
            if (!result.ok() && tc.reported)
                expectedReports.append(result.text);
        }
        EXPECT_EQ(f.c.results.reports, expectedReports)
            << "each failure is reported once, as its text";
    }
}
