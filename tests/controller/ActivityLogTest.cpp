// The activity log's wording: each scenario drives the real thing (the
// stand-in radio on a pseudo-terminal, files in a temporary folder, a local
// HTTP server) and states every line the user reads for it, in order. The
// other tests check what happened through the typed results; the words the
// user reads are checked here, once.

#include "StandInRadio.h"

#include "Bytes.h"
#include "LocalHttpServer.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "tests/satellites/KepsSamples.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace nerka;
using nerka::test::ControllerOnStandIn;
using nerka::test::LocalHttpServer;
using nerka::test::StandInRadio;

namespace {

const QString kRemembered = QString::fromLatin1(Preferences::kLastPortKey);
const QString kGd77Connected =
    QStringLiteral("Connected: Radioddity GD-77 — FW R2024.05.12 (20240512143000)");
const QString kRetryLine = QStringLiteral("Auto-connect not possible yet: ");
const QString kSampleRead =
    QStringLiteral("Codeplug read: 31 channels, 7 contacts, 2 talkgroups, 5 zones.");

// What one scenario needs; each scenario gets its own.
struct LogBench {
    explicit LogBench(double timeScale) : c(timeScale) {}

    QString file(const QString& name, const QByteArray& contents) {
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(contents);
        return out.fileName();
    }
    QString codeplugFile(const QString& name, const CodeplugImage& image) {
        return file(name, encodeCodeplugFile(image));
    }
    // Runs `start` and waits until the work it began, and a verification
    // pending after it, are over.
    void run(const std::function<void()>& start) {
        start();
        c.finish();
        ASSERT_TRUE(c.waitFor([&] { return !c->verificationPending(); }));
        c.finish();
    }
    void rename(int number, const QString& name) {
        ChannelEdit edit = channelEditFrom(*c->document().channel(number));
        edit.name = name;
        EXPECT_TRUE(c->document().updateChannel(number, edit).isDone());
    }

    QTemporaryDir dir;
    LocalHttpServer server;
    ControllerOnStandIn c;
};

struct LogScenario {
    const char* name;
    double timeScale;
    // Drives the scenario; returns the lines it must have logged, without
    // the bullet (some name a file made on the way).
    std::function<QStringList(LogBench&)> run;
};

QStringList radioSession(LogBench& b) {
    StandInRadio radio;
    QStringList lines;
    EXPECT_TRUE(b.c.connectTo(radio));
    b.c->readCodeplug();
    b.c.finish();
    b.run([&] { b.c->writeChanges(); });
    lines << kGd77Connected << QStringLiteral("Lese Codeplug (122 KB, GD77-Layout)…") << kSampleRead
          << QStringLiteral("Nothing to write: the radio already holds this codeplug.");

    // A safe write: backup, the changed blocks, the reboot, the read-back.
    b.rename(12, QStringLiteral("Renamed"));
    b.run([&] { b.c->writeChanges(); });
    const QString backup = QFileInfo(b.c->backups().list().value(0).path).fileName();
    lines << QStringLiteral("Channel 12 changed: Renamed (RX 145.70000)")
          << QStringLiteral("Backup saved: ") + backup
          << QStringLiteral("Writing 1 changed region(s) (23 KB)…")
          << QStringLiteral("Sending 2 of 767 block(s): 2 EEPROM, 0 into 0 flash sector(s).")
          << QStringLiteral("Device is rebooting — auto-reconnect will follow…")
          << QStringLiteral("Changes written. Device is rebooting — disconnected.")
          << kGd77Connected << QStringLiteral("Verified: 1 region(s) match the radio.");

    // Files: save, open, a backup restored, an unreadable file.
    const QString saved = b.dir.filePath(QStringLiteral("mine.nerka"));
    b.c->saveCodeplugFile(saved);
    b.c->openCodeplugFile(saved);
    b.c->restoreBackup(b.c->backups().list().value(0).path);
    b.c->openCodeplugFile(b.file(QStringLiteral("junk.nerka"), "NOTACODEPLUGFILE"));
    lines << QStringLiteral("Gespeichert: mine.nerka")
          << QStringLiteral("File loaded: mine.nerka (GD77)")
          << QStringLiteral("Backup opened: ") + backup +
                 QStringLiteral(" — 1 region(s) will be written with the next write.")
          << QStringLiteral("Error: Invalid codeplug file: Wrong signature — not a valid "
                            "codeplug file (v2).");

    // A failed read, the user's disconnect, and what needs a radio then.
    radio.sim.injectFault(SimFault::silence, 500);
    b.run([&] { b.c->readCodeplug(); });
    radio.sim.clearFaults();
    b.c->disconnectRadio();
    b.c.drain();
    b.run([&] { b.c->readCodeplug(); });
    b.c->selectPort(std::nullopt);
    b.run([&] { b.c->connectRadio(false); });
    lines << QStringLiteral("Lese Codeplug (122 KB, GD77-Layout)…")
          << QStringLiteral("Error: Timeout while reading from the device.")
          << QStringLiteral("Verbindung getrennt.") << QStringLiteral("Error: Nicht verbunden.")
          << QStringLiteral("Error: No serial port selected.");
    return lines;
}

QStringList otherFamilyRead(LogBench& b) {
    StandInRadio radio(RadioType::mduv380);
    EXPECT_TRUE(b.c.connectTo(radio));
    b.run([&] { b.c->readCodeplug(); });
    return {QStringLiteral("Connected: TYT MD-UV380/390 — FW R2024.05.12 (20240512143000)"),
            QStringLiteral("Lese Codeplug (122 KB, UV380-Layout)…"), kSampleRead};
}

// A codeplug changed behind the program's back since it was read is read again.
QStringList changedBaseline(LogBench& b) {
    StandInRadio radio;
    EXPECT_TRUE(b.c.connectTo(radio));
    b.run([&] { b.c->readCodeplug(); });
    b.c->disconnectRadio();
    b.c.drain();
    EXPECT_TRUE(radio.sim.setMemory(Bank::eeprom, 0x80, QByteArray(32, 'z')));
    EXPECT_TRUE(b.c.connectTo(radio));
    b.c->setBackupBeforeWrite(false);
    b.c->openCodeplugFile(
        b.codeplugFile(QStringLiteral("wanted.nerka"), sampleCodeplug(RadioVariant::gd77)));
    b.c->writeOnlyRegions({0});
    b.run([&] { b.c->writeChanges(); });
    return {kGd77Connected,
            QStringLiteral("Lese Codeplug (122 KB, GD77-Layout)…"),
            kSampleRead,
            QStringLiteral("Verbindung getrennt."),
            kGd77Connected,
            QStringLiteral("File loaded: wanted.nerka (GD77)"),
            QStringLiteral("The radio's codeplug is not what it was when last read; reading it "
                           "again…"),
            QStringLiteral("Writing 1 changed region(s) (23 KB)…"),
            QStringLiteral("Sending 1 of 767 block(s): 1 EEPROM, 0 into 0 flash sector(s)."),
            QStringLiteral("Device is rebooting — auto-reconnect will follow…"),
            QStringLiteral("Changes written. Device is rebooting — disconnected."),
            kGd77Connected,
            QStringLiteral("Verified: 1 region(s) match the radio.")};
}

QStringList unplugged(LogBench& b) {
    StandInRadio radio;
    EXPECT_TRUE(b.c.connectTo(radio));
    b.run([&] { b.c->readCodeplug(); });
    radio.sim.stop();
    EXPECT_TRUE(b.c.waitFor([&] { return b.c->status().isDisconnected(); }, 5000));
    return {kGd77Connected, QStringLiteral("Lese Codeplug (122 KB, GD77-Layout)…"), kSampleRead,
            QStringLiteral("Radio disconnected (unplugged?). The codeplug stays in memory; "
                           "nothing was lost.")};
}

QStringList autoConnectReads(LogBench& b) {
    StandInRadio radio;
    b.c->registerDevice(radio.device());
    b.c.settings->setValue(kRemembered, radio.sim.devicePath());
    b.c->startAutoConnect();
    EXPECT_TRUE(b.c.waitFor([&] { return b.c->document().image().has_value(); }));
    b.c.finish();
    return {QStringLiteral("Auto-connect: looking for remembered device…"), kGd77Connected,
            QStringLiteral("Auto-read: reading codeplug…"),
            QStringLiteral("Lese Codeplug (122 KB, GD77-Layout)…"), kSampleRead};
}

// A radio that does not answer, then is gone: the attempts go on until they give up.
QStringList autoConnectGivesUp(LogBench& b) {
    StandInRadio radio;
    radio.sim.injectFault(SimFault::silence);
    b.c->registerDevice(radio.device());
    b.c.settings->setValue(kRemembered, radio.sim.devicePath());
    RadioController* controller = b.c.controller.get();
    QObject::connect(controller, &RadioController::finished, controller,
                     [controller, path = radio.sim.devicePath()](const OperationResult&) {
                         controller->unregisterDevice(path);
                     });
    b.c->startAutoConnect();
    EXPECT_TRUE(b.c.waitFor([&] { return b.c->activityLog().lines().size() == 3; }));
    return {QStringLiteral("Auto-connect: looking for remembered device…"),
            QStringLiteral("Auto-connect not possible yet: Timeout while reading from the "
                           "device."),
            QStringLiteral("Auto-connect cancelled (30 s timeout).")};
}

QStringList dmrDatabase(LogBench& b) {
    StandInRadio radio;
    b.c->importDMRDatabase(
        b.file(QStringLiteral("first.csv"), "RADIO_ID;CALLSIGN\n1,A\n0,B\n2,C\n"));
    b.c->importDMRDatabase(b.file(QStringLiteral("ids.csv"),
                                  "3000003,XX0CCC,Cy,\n1000001,XX0AAA,Ann,Lee\n"
                                  "2000002,XX0BBB,Bo,\n1000001,XX0DUP,Dup,\n"));
    b.c.drain();
    b.c->tuning().serialTimeoutMs = 3000; // no row here is about a timeout
    EXPECT_TRUE(b.c.connectTo(radio));
    b.run([&] { b.c->readDMRDatabaseFromDevice(); });
    b.run([&] { b.c->writeDMRDatabase(); });
    EXPECT_TRUE(radio.sim.waitForGeneration(2, 5000));
    EXPECT_TRUE(b.c.connectTo(radio));
    b.run([&] { b.c->readDMRDatabaseFromDevice(); });
    b.run([&] { b.c->exportDMRDatabase(b.dir.filePath(QStringLiteral("out.csv"))); });
    b.server.setRoute(QString::fromLatin1(WebServices::kDmrIdPath),
                      {200, "RADIO_ID,CALLSIGN,FIRST_NAME\n5,XX5,Eve\nx,XX,Bad\n"});
    b.c->tuning().dmrIdServiceUrl = b.server.baseUrl();
    b.run([&] { b.c->downloadDMRDatabase(); });
    return {QStringLiteral("Imported DMR database from first.csv: 2 entries (1 skipped)."),
            QStringLiteral("Imported DMR database from ids.csv: 4 entries (0 skipped)."),
            kGd77Connected,
            QStringLiteral("No DMR database found on the device."),
            QStringLiteral("Writing DMR database: 3 entries (0 KB), 1 duplicate IDs merged…"),
            QStringLiteral("Device is rebooting — auto-reconnect will follow…"),
            QStringLiteral("DMR database written. Device is rebooting — disconnected."),
            kGd77Connected,
            QStringLiteral("Reading DMR database from device: 3 entries (0 KB) — this can take a "
                           "while…"),
            QStringLiteral("Read DMR database from device: 3 entries."),
            QStringLiteral("Exported 3 DMR entries to out.csv."),
            QStringLiteral("Downloading DMR database from 127.0.0.1…"),
            QStringLiteral("Downloaded DMR database: 1 entries (1 skipped).")};
}

// More IDs than the radio holds: the write says how many it leaves out.
QStringList dmrOverCapacity(LogBench& b) {
    StandInRadio radio;
    QByteArray csv;
    for (int i = 0; i < 40000; ++i)
        csv += QByteArray::number(1000000 + i) + ",XX" + QByteArray::number(i) + ",Ann,Lee\n";
    b.c->importDMRDatabase(b.file(QStringLiteral("big.csv"), csv));
    b.c.drain();
    // Half a megabyte of writes: a loaded machine must not turn one slow
    // answer into a timeout that is not what this row is about.
    b.c->tuning().serialTimeoutMs = 3000;
    EXPECT_TRUE(b.c.connectTo(radio));
    b.run([&] { b.c->writeDMRDatabase(); });
    return {QStringLiteral("Imported DMR database from big.csv: 40000 entries (0 skipped)."),
            kGd77Connected,
            QStringLiteral("Writing DMR database: 37135 entries (543 KB), 2865 dropped (over "
                           "capacity)…"),
            QStringLiteral("Device is rebooting — auto-reconnect will follow…"),
            QStringLiteral("DMR database written. Device is rebooting — disconnected.")};
}

QString kepsFileText(const QString& name, const QString& catalogue) {
    return name + u'\n' + test::elementLine1(catalogue) + u'\n' + test::elementLine2(catalogue) +
           u'\n';
}

QStringList satelliteKeps(LogBench& b) {
    b.c->openCodeplugFile(
        b.codeplugFile(QStringLiteral("sample.nerka"), sampleCodeplug(RadioVariant::gd77)));
    const auto load = [&](const QString& path) {
        b.c->importTLEFile(path);
        b.c.drain();
    };
    SatNOGSFrequencyMap frequencies;
    frequencies.insert(27607, {436795000, 145850000, 670});
    b.c->tuning().satnogsOverride = frequencies;
    load(b.file(QStringLiteral("keps.txt"),
                kepsFileText(QStringLiteral("SO-50"), "27607").toUtf8()));
    b.c->tuning().satnogsOverride = SatNOGSFrequencyMap{};
    load(b.file(QStringLiteral("other.txt"),
                kepsFileText(QStringLiteral("XO-1"), "12345").toUtf8()));

    b.server.setRoute(QStringLiteral("/tle/current/nasa.all"),
                      {.body = kepsFileText(QStringLiteral("ISS"), "25544").toUtf8()});
    b.c->tuning().kepsServiceUrl = b.server.baseUrl();
    b.c->downloadKeps();
    EXPECT_TRUE(b.c.waitFor([&] { return !b.c->tleDownloadRunning(); }));
    b.c.drain();
    b.c->tuning().kepsServiceUrl = b.server.url(QStringLiteral("/missing"));
    b.c->downloadKeps();
    EXPECT_TRUE(b.c.waitFor([&] { return !b.c->tleDownloadRunning(); }));
    return {
        QStringLiteral("File loaded: sample.nerka (GD77)"),
        QStringLiteral("Loaded 1 TLEs from keps.txt; 1 have FM frequencies from SatNOGS."),
        QStringLiteral("Refreshed the keps of 1 satellite(s) — no TLE for: ISS, AO-91, AO-27."),
        QStringLiteral("Loaded 1 TLEs from other.txt. Frequencies unavailable (SatNOGS could "
                       "not be reached)."),
        QStringLiteral("Downloading satellite keps from 127.0.0.1…"),
        QStringLiteral("Loaded 1 TLEs from 127.0.0.1. Frequencies unavailable (SatNOGS could "
                       "not be reached)."),
        QStringLiteral("Refreshed the keps of 1 satellite(s) — no TLE for: SO-50, AO-91, AO-27."),
        QStringLiteral("Downloading satellite keps from 127.0.0.1…"),
        QStringLiteral("Error: Download failed (HTTP 404).")};
}

// An edit's result as the log shows it: its notes, then its summary; a
// refusal as an error, unless it is a silent one; nothing when nothing changed.
QStringList editResults(LogBench& b) {
    CodeplugDocument& document = b.c->document();
    document.createChannel(); // no codeplug: refused silently
    b.c->openCodeplugFile(
        b.codeplugFile(QStringLiteral("blank.nerka"), blankCodeplug(RadioVariant::gd77)));
    SatelliteCandidate iss;
    iss.id = QUuid::createUuid();
    iss.name = QStringLiteral("ISS");
    iss.tle1 = test::issTle1();
    iss.tle2 = test::issTle2();
    document.addSatellites({iss});
    document.deleteSatellite(7);
    document.createChannel();
    document.updateChannel(1, channelEditFrom(*document.channel(1))); // nothing to do
    return {QStringLiteral("File loaded: blank.nerka (GD77)"),
            QStringLiteral("Added a satellite block to the codeplug."),
            QStringLiteral("Added 1 satellite(s)."),
            QStringLiteral("Error: Could not locate satellite 8 in memory."),
            QStringLiteral("Channel 1 created.")};
}

const LogScenario kScenarios[] = {
    {"a session with the radio: read, write, files, failures", 0.2, radioSession},
    {"the other family's read", 0.02, otherFamilyRead},
    {"a codeplug changed behind the program's back", 0.1, changedBaseline},
    {"an unplugged radio", 0.02, unplugged},
    {"auto-connect reads at once", 0.02, autoConnectReads},
    {"auto-connect gives up", 0.02, autoConnectGivesUp},
    {"the DMR database on the radio, in files and from the service", 1000.0, dmrDatabase},
    {"more DMR IDs than the radio holds", 1000.0, dmrOverCapacity},
    {"satellite keps from files and the service", 0.02, satelliteKeps},
    {"edits", 0.02, editResults},
};

} // namespace

TEST(ActivityLog, EveryScenarioLogsItsDescribedLines) {
    for (const LogScenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        LogBench bench(scenario.timeScale);
        QStringList expected;
        for (const QString& line : scenario.run(bench))
            expected.append(QStringLiteral("\u2022 ") + line);
        bench.c.drain();
        QStringList logged = bench.c->activityLog().lines();
        // A reconnect may take more than one attempt on a busy machine; the
        // retry's own line is stated where it is the subject.
        if (!expected.join(u'\n').contains(kRetryLine))
            logged.removeIf([](const QString& line) { return line.contains(kRetryLine); });
        EXPECT_EQ(logged, expected);
    }
}

// The frame's reporting steps, which only the controller's own sessions use.
class LoggingController : public RadioController {
public:
    using RadioController::RadioController;
    using SessionFrame::logLine;
    using SessionFrame::postToQueue;
};

TEST(ActivityLog, StartsEmptyAndKeepsTheOrderOfLinesFromTheQueue) {
    test::TempSettings settings;
    LoggingController controller(settings.get());
    EXPECT_TRUE(controller.activityLog().lines().isEmpty());
    controller.logLine(QStringLiteral("first"));
    EXPECT_EQ(controller.activityLog().lines(), QStringList{QStringLiteral("\u2022 first")})
        << "a main-thread line is appended at once";

    controller.postToQueue([&] {
        for (int i = 0; i < 200; ++i)
            controller.logLine(QString::number(i));
    });
    controller.postToQueue([&] { controller.logLine(QStringLiteral("last")); });
    bool settled = false;
    controller.afterQueuedWork([&] { settled = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return settled; }, 5000));

    ASSERT_EQ(controller.activityLog().lines().size(), 202);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(controller.activityLog().lines()[i + 1],
                  QStringLiteral("\u2022 ") + QString::number(i));
    EXPECT_EQ(controller.activityLog().lines().last(), QStringLiteral("\u2022 last"));
}
