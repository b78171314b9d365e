// Figures of safe writes: the record-level diff of two full codeplugs in which
// every channel differs, and how long the backup before a write takes on the
// stand-in radio when the codeplug must be read for it and when the one read
// in the same connection is reused.

#include "../FullCodeplug.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/ZoneCodec.h"
#include "controller/CodeplugDiff.h"
#include "controller/RadioController.h"
#include "sim/RadioSimulator.h"
#include "sim/SampleCodeplug.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace nerka;

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool waitFor(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Milliseconds from writeChanges to the "Backup saved" line, with or without
// reading the codeplug in the same connection first; negative on failure.
double backupMs(bool readFirst) {
    RadioSimulator radio(RadioType::gd77);
    radio.setRebootDelayMs(50);
    if (!radio.loadCodeplug(sampleCodeplug(RadioVariant::gd77)).ok() || !radio.start().ok())
        return -1;
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("prefs.ini")), QSettings::IniFormat);
    RadioController controller(&settings);
    controller.setPortLister([](bool) { return QList<SerialDevice>{}; });
    controller.setVerifyAfterWrite(false);
    controller.backups().setFolder(dir.filePath(QStringLiteral("backups")));
    const SerialDevice device{radio.devicePath(), QStringLiteral("Stand-in"),
                              SerialDevice::kOpenGD77VendorID, SerialDevice::kOpenGD77ProductID};
    controller.registerDevice(device);
    controller.selectPort(device);
    controller.connectRadio(false);
    if (!waitFor([&] { return controller.status().isConnected(); }, 10000))
        return -1;
    if (readFirst) {
        controller.readCodeplug();
        if (!waitFor([&] { return controller.radioImage().has_value(); }, 60000))
            return -1;
    } else {
        const QString file = dir.filePath(QStringLiteral("plug.nerka"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            return -1;
        out.write(encodeCodeplugFile(sampleCodeplug(RadioVariant::gd77)));
        out.close();
        controller.openCodeplugFile(file);
        waitFor([&] { return controller.document().image().has_value(); }, 5000);
    }
    controller.markRegionsChanged({2});
    bool saved = false;
    QObject::connect(&controller.activityLog(), &ActivityLog::lineAppended, &controller,
                     [&](const QString& line) {
                         if (line.contains(QStringLiteral("Backup saved: ")))
                             saved = true;
                     });
    QElapsedTimer timer;
    timer.start();
    controller.writeChanges();
    if (!waitFor([&] { return saved; }, 60000))
        return -1;
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    waitFor([&] { return !controller.status().isWorking(); }, 60000);
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const CodeplugImage a = bench::fullCodeplug(QStringLiteral("A"));
    const CodeplugImage b = bench::fullCodeplug(QStringLiteral("B"));
    const auto check = diffCodeplugs(a, b);
    if (!std::holds_alternative<CodeplugDiff>(check) ||
        std::get<CodeplugDiff>(check).changes.size() < 1024) {
        std::fprintf(stderr, "bench_safety: the two codeplugs do not differ in every channel\n");
        return 1;
    }
    std::vector<double> diffMs;
    for (int i = 0; i < 30; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const auto result = diffCodeplugs(a, b);
        const auto end = std::chrono::steady_clock::now();
        if (std::get<CodeplugDiff>(result).same())
            return 1;
        diffMs.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::printf("safety.diff_full_ms: %.2f ms\n", median(diffMs));

    // Every channel sorted into the reverse order and renumbered: the change
    // list of a reorder, with the zones following their channels.
    CodeplugImage sorted = a;
    QList<int> order;
    QHash<int, int> oldToNew;
    for (int p = 1023; p >= 0; --p) {
        oldToNew.insert(p, int(order.size()));
        order.append(p);
    }
    if (compactChannels(order, oldToNew, sorted).empty())
        return 1;
    std::vector<double> renumberMs;
    qsizetype lines = 0;
    for (int i = 0; i < 10; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const auto result = diffCodeplugs(a, sorted);
        lines = diffText(std::get<CodeplugDiff>(result)).size();
        const auto end = std::chrono::steady_clock::now();
        renumberMs.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::printf("safety.diff_renumber_1024_ms: %.2f ms\n", median(renumberMs));
    std::printf("safety.diff_renumber_1024_lines: %lld lines\n", static_cast<long long>(lines));

    const double fresh = backupMs(false);
    const double reused = backupMs(true);
    if (fresh < 0 || reused < 0) {
        std::fprintf(stderr, "bench_safety: the write on the stand-in did not get to its backup\n");
        return 1;
    }
    std::printf("safety.backup_read_ms: %.0f ms\n", fresh);
    std::printf("safety.backup_reused_ms: %.0f ms\n", reused);
    return 0;
}
