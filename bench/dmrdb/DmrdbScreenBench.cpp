// The window while the DMR database selection is edited on a million-entry
// list: the longest time the interface thread is busy with one keystroke or
// click (including the repaint it causes) or with showing the figures that
// come back from the worker, and the same while a search is typed. Also the
// time from the last keystroke until the figures of the finished text are
// shown. Each stall is given as wall time and as the processor time of the
// interface thread (the part that does not depend on what else the machine
// runs). Prints "name: value unit" lines like every bench.

#include "controller/RadioController.h"
#include "dmrdb/DMRFlashFormat.h"
#include "link/RadioType.h"
#include "ui/editors/DMRDatabaseView.h"
#include "ui/kit/Dialogs.h"
#include "ui/rules/DMRDatabaseFigures.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include <time.h>

namespace {

using Clock = std::chrono::steady_clock;

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class BenchController : public nerka::RadioController {
public:
    using RadioController::assignDmrUserDB;
    using RadioController::assignFirmware;
    using RadioController::RadioController;
};

// The pane asks nothing modal while its selection and search are edited.
class NoDialogs final : public nerka::Dialogs {
public:
    void confirm(QWidget*, const QString&, const QString&, const QString&, const QString&,
                 std::function<void()>, const QString&) override {}
    void confirmLoss(QWidget*, const QString&, const QString&, const QString&, const QString&,
                     std::function<void()>, std::function<void()>) override {}
    void alert(QWidget*, const QString&, const QString&, const QString&,
               std::function<void()>) override {}
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

template <typename T> T* named(QWidget* root, const QString& name) {
    for (T* widget : root->findChildren<T*>()) {
        if (widget->accessibleName() == name)
            return widget;
    }
    return nullptr;
}

// Measures every slice of interface-thread work: one user action with its
// repaint, then the event rounds until `done` holds.
class StallMeter {
public:
    explicit StallMeter(QWidget* pane) : m_pane(pane) {}

    template <typename F> void act(F&& action) {
        const Slice slice(*this);
        action();
        m_pane->repaint();
        QApplication::processEvents();
    }
    template <typename F> bool settle(F&& done, int timeoutMs = 20000) {
        const auto start = Clock::now();
        while (msSince(start) < timeoutMs) {
            {
                const Slice slice(*this);
                QApplication::processEvents();
            }
            if (done())
                return true;
            QThread::msleep(1);
        }
        return false;
    }
    // Wall time, and the processor time of the interface thread alone: on a
    // loaded machine the first also counts the time other programs ran.
    [[nodiscard]] double longest() const { return m_longest; }
    [[nodiscard]] double longestCpu() const { return m_longestCpu; }

private:
    struct Slice {
        explicit Slice(StallMeter& meter) : meter(meter) {}
        ~Slice() {
            meter.m_longest = std::max(meter.m_longest, msSince(start));
            meter.m_longestCpu = std::max(meter.m_longestCpu, threadCpuMs() - cpuStart);
        }
        StallMeter& meter;
        Clock::time_point start = Clock::now();
        double cpuStart = threadCpuMs();
    };

    QWidget* m_pane;
    double m_longest = 0;
    double m_longestCpu = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);

    constexpr int kEntries = 1000000;
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("prefs.ini")), QSettings::IniFormat);
    BenchController controller(&settings);
    {
        // IDs from 1000000 in steps of 7, so every prefix from 100 to 799
        // holds entries.
        nerka::DMRUserDatabase database;
        database.entries.reserve(kEntries, qsizetype(kEntries) * 14);
        std::string callsign;
        for (int i = 0; i < kEntries; ++i) {
            callsign = "XX" + std::to_string(i);
            database.entries.appendUtf8(std::uint32_t(1000000 + 7 * i), callsign, "Ann", "Lee");
        }
        controller.assignDmrUserDB(database);
    }
    nerka::FirmwareInfo firmware;
    firmware.radioType = nerka::RadioType::gd77;
    controller.assignFirmware(firmware);

    NoDialogs dialogs;
    nerka::DMRDatabaseView view(controller, dialogs, nullptr);
    view.resize(900, 800);
    view.show();
    auto* prefixes = named<QLineEdit>(&view, QStringLiteral("Preferred prefixes"));
    auto* search = named<QLineEdit>(&view, QStringLiteral("Search"));
    auto* fill = named<QCheckBox>(&view, QStringLiteral("Fill the rest of the radio"));
    auto* figures = named<QLabel>(&view, QStringLiteral("Selection"));
    if (!prefixes || !search || !fill || !figures) {
        std::fprintf(stderr, "bench_dmrdb_screen: the selection controls are missing\n");
        return 1;
    }
    const QString first = figures->text();
    // The first figures sort the million IDs once on the worker.
    StallMeter warmUp(&view);
    if (!warmUp.settle([&] { return figures->text() != first; })) {
        std::fprintf(stderr, "bench_dmrdb_screen: no figures arrived\n");
        return 1;
    }

    // What the figures read once the whole text is typed.
    const nerka::DMRSelection typedSelection{{QStringLiteral("262"), QStringLiteral("263"),
                                              QStringLiteral("232"), QStringLiteral("228"),
                                              QStringLiteral("208")},
                                             true};
    const QString expected = nerka::DMRDatabaseFigures::selectionText(nerka::selectForRadio(
        nerka::receivableEntries(controller.dmrUserDB()->entries).ids,
        nerka::capacity(nerka::RadioVariant::gd77, nerka::DMRDBFormat::compressed, 16),
        typedSelection));

    StallMeter selectionMeter(&view);
    double latencyMs = 0;
    for (int round = 0; round < 3; ++round) {
        selectionMeter.act([&] { prefixes->clear(); });
        for (QChar c : QStringLiteral("262, 263, 232, 228, 208"))
            selectionMeter.act([&] { QTest::keyClicks(prefixes, QString(c)); });
        const auto typed = Clock::now();
        const auto counted = [&] { return figures->text() == expected; };
        if (!selectionMeter.settle(counted)) {
            std::fprintf(stderr, "bench_dmrdb_screen: unexpected figures: %s\n",
                         qPrintable(figures->text()));
            return 1;
        }
        latencyMs = std::max(latencyMs, msSince(typed));
        selectionMeter.act([&] { fill->click(); });
        selectionMeter.settle([&] { return figures->text().contains(QStringLiteral("nothing")); });
        selectionMeter.act([&] { fill->click(); });
        selectionMeter.settle(counted);
    }

    StallMeter searchMeter(&view);
    for (QChar c : QStringLiteral("XX12345"))
        searchMeter.act([&] { QTest::keyClicks(search, QString(c)); });
    bool found = false;
    searchMeter.settle([&] {
        for (QLabel* label : view.findChildren<QLabel*>())
            found = found || label->text() == QStringLiteral("11 matches");
        return found;
    });
    if (!found) {
        std::fprintf(stderr, "bench_dmrdb_screen: the search did not finish\n");
        return 1;
    }

    std::printf("dmrdb.selection_edit_stall_max_ms: %.3f ms\n", selectionMeter.longest());
    std::printf("dmrdb.selection_edit_stall_cpu_max_ms: %.3f ms\n", selectionMeter.longestCpu());
    std::printf("dmrdb.selection_figures_latency_ms: %.3f ms\n", latencyMs);
    std::printf("dmrdb.search_edit_stall_max_ms: %.3f ms\n", searchMeter.longest());
    std::printf("dmrdb.search_edit_stall_cpu_max_ms: %.3f ms\n", searchMeter.longestCpu());
    std::fflush(stdout);
    return 0;
}
