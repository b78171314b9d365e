// Figures of the whole window: the time from starting the `nerka` process to
// its first shown window, and the longest stall of the interface thread while
// the window reads a codeplug from a stand-in radio and while it imports a
// 300,000-row DMR user-ID list.

#include "UiBench.h"

#include "controller/RadioController.h"
#include "sim/RadioSimulator.h"
#include "sim/SampleCodeplug.h"
#include "ui/kit/Dialogs.h"
#include "ui/window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using nerka::bench::elapsedMs;
using nerka::bench::printFigure;

// Confirms every question, so "Load from device" reads at once.
class YesDialogs final : public nerka::Dialogs {
public:
    void confirm(QWidget*, const QString&, const QString&, const QString&, const QString&,
                 std::function<void()> confirmed, const QString&) override {
        confirmed();
    }
    void confirmLoss(QWidget*, const QString&, const QString&, const QString&, const QString&,
                     std::function<void()> discard, std::function<void()>) override {
        discard();
    }
    void alert(QWidget*, const QString& title, const QString& message, const QString&,
               std::function<void()> dismissed) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(message));
        if (dismissed)
            dismissed();
    }
    void openFile(QWidget*, const QString&, const QStringList&,
                  std::function<void(const QString&)>) override {}
    void saveFile(QWidget*, const QString&, const QStringList&, const QString&,
                  std::function<void(const QString&)>) override {}
    void chooseFolder(QWidget*, const QString&, std::function<void(const QString&)>) override {}
    void choose(QWidget*, const QString&, const QString&, const QStringList&, const QString&,
                std::function<void(int)>) override {}
    void chooseColor(QWidget*, const QString&, const QColor&,
                     std::function<void(const QColor&)>) override {}
};

// CPU time of the calling thread, which a busy machine's preemption does
// not inflate.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The longest gap between two ticks of a 1 ms timer on the interface thread
// while `running` holds and for `tailMs` after, so the window's own refresh
// after the result lands is counted too: as wall time, and as the interface
// thread's own CPU time (on a loaded machine the wall gap also holds the
// time the thread waited for a core).
struct Stall {
    double wallMs = 0.0;
    double cpuMs = 0.0;
};

Stall longestGap(const std::function<bool()>& running, int timeoutMs, int tailMs = 200) {
    QElapsedTimer sinceTick;
    sinceTick.start();
    double cpuAtTick = threadCpuMs();
    Stall longest;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const double cpu = threadCpuMs();
        longest.wallMs = std::max(longest.wallMs, double(sinceTick.nsecsElapsed()) / 1e6);
        longest.cpuMs = std::max(longest.cpuMs, cpu - cpuAtTick);
        sinceTick.restart();
        cpuAtTick = cpu;
    });
    tick.start();
    if (!QTest::qWaitFor([&] { return !running(); }, timeoutMs))
        std::fprintf(stderr, "the operation did not finish in time\n");
    QTest::qWait(tailMs);
    return longest;
}

} // namespace

NERKA_UI_BENCH(windowStartup) {
#ifdef NERKA_APP_PATH
    constexpr int kRuns = 7;
    QTemporaryDir home; // no remembered radio, no user preferences
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NERKA_STARTUP_PROBE"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    std::vector<double> runs;
    for (int i = 0; i < kRuns; ++i) {
        QProcess process;
        process.setProcessEnvironment(env);
        const auto start = Clock::now();
        process.start(QStringLiteral(NERKA_APP_PATH), {});
        // The program prints its line at the first shown window and quits.
        while (process.state() != QProcess::NotRunning && !process.canReadLine())
            process.waitForReadyRead(5000);
        const double ms = elapsedMs(start);
        process.waitForFinished(5000);
        if (!process.readAll().startsWith("first-show-ms:")) {
            std::fprintf(stderr, "nerka did not report its first window\n");
            return;
        }
        runs.push_back(ms);
    }
    std::sort(runs.begin(), runs.end());
    printFigure("ui.startup_ms", runs[runs.size() / 2], "ms");
#else
    std::fprintf(stderr, "ui.startup_ms needs the nerka target\n");
#endif
}

NERKA_UI_BENCH(windowStall) {
    constexpr int kDmrRows = 300000;
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("prefs.ini")), QSettings::IniFormat);
    nerka::RadioSimulator radio;
    if (!radio.loadCodeplug(nerka::sampleCodeplug(radio.variant())).ok() || !radio.start().ok()) {
        std::fprintf(stderr, "the stand-in radio cannot start\n");
        return;
    }
    YesDialogs dialogs;
    nerka::RadioController controller(&settings);
    controller.setPortLister([](bool) { return QList<nerka::SerialDevice>{}; });
    nerka::MainWindow window(controller, dialogs);
    window.show();
    const nerka::SerialDevice device{radio.devicePath(), QStringLiteral("Stand-in"),
                                     nerka::SerialDevice::kOpenGD77VendorID,
                                     nerka::SerialDevice::kOpenGD77ProductID};
    controller.registerDevice(device);
    controller.selectPort(device);
    controller.connectRadio(false);
    if (!QTest::qWaitFor([&] { return controller.status().isConnected(); }, 10000)) {
        std::fprintf(stderr, "no connection to the stand-in\n");
        return;
    }

    // The read, started as the toolbar starts it, with its progress shown.
    window.showSection(nerka::SidebarItem::channels);
    // Nothing running: what the machine's load alone does to the timer.
    const Stall idle = longestGap([] { return false; }, 1000, 1000);
    window.loadFromDevice();
    const Stall reading = longestGap(
        [&] { return controller.status().isWorking() || !controller.document().image(); }, 60000);

    const QString csv = dir.filePath(QStringLiteral("ids.csv"));
    {
        QFile file(csv);
        if (!file.open(QIODevice::WriteOnly))
            return;
        QByteArray text("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n");
        text.reserve(40 * kDmrRows);
        for (int i = 0; i < kDmrRows; ++i)
            text += QByteArray::number(2000000 + i) + ",DL" + QByteArray::number(i) + ",Ann,Lee\n";
        file.write(text);
    }
    window.showSection(nerka::SidebarItem::dmrDatabase);
    controller.importDMRDatabase(csv);
    const Stall import = longestGap(
        [&] { return !controller.dmrUserDB() || controller.dmrUserDB()->entries.isEmpty(); },
        120000);

    printFigure("ui.idle_stall_ms", idle.wallMs, "ms");
    printFigure("ui.max_stall_read_ms", reading.wallMs, "ms");
    printFigure("ui.max_stall_dmr_import_ms", import.wallMs, "ms");
    printFigure("ui.max_stall_ms", std::max(reading.wallMs, import.wallMs), "ms");
    printFigure("ui.max_stall_cpu_ms", std::max(reading.cpuMs, import.cpuMs), "ms");
}
