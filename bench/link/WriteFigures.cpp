// Requests of codeplug writes as counted on the radio stand-in: a controller
// reads the radio (so the baseline is held), opens the changed codeplug as a
// file and writes it, block by block and, for comparison, in whole regions
// (the preference). Scenarios: one changed channel (both layout families, a
// channel in the first bank and one above 128), a 100-channel import and a
// full rewrite. The write phase is every request up to the reboot; the
// verification is every request after the reconnect's identification. The
// radio time assumes 1 ms per request.

#include "WriteFigures.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "controller/RadioController.h"
#include "sim/RadioSimulator.h"
#include "sim/SampleCodeplug.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>

namespace nerka {

namespace {

constexpr double kMsPerRequest = 1.0;
constexpr int kWaitMs = 120000;

struct Scenario {
    CodeplugImage baseline; // what the radio holds
    CodeplugImage image;    // what is written
    RegionSet dirty;
};

struct Counts {
    int write = 0;  // up to the reboot
    int verify = 0; // the read-back after the reconnect
    bool ok = false;
};

bool waitUntil(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > kWaitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

bool isReboot(const QByteArray& r) {
    return r.size() == 23 && r[0] == 'C' && r[1] == 0x06 && r[2] == 0x01;
}

// Writes `s.image` to a stand-in holding `s.baseline`, after reading it.
Counts measure(const Scenario& s, bool wholeRegions) {
    Counts counts;
    QTemporaryDir dir;
    RadioSimulator radio(s.baseline.variant == RadioVariant::gd77 ? RadioType::gd77
                                                                  : RadioType::mduv380);
    radio.setRebootDelayMs(20);
    if (!radio.loadCodeplug(s.baseline).ok() || !radio.start().ok())
        return counts;
    QSettings settings(dir.filePath(QStringLiteral("preferences.ini")), QSettings::IniFormat);
    RadioController controller(&settings);
    controller.setPortLister([](bool) { return QList<SerialDevice>{}; });
    controller.tuning().timeScale = 0.02;
    controller.backups().setFolder(dir.filePath(QStringLiteral("backups")));
    controller.preferences().setAutoConnect(false);
    controller.preferences().setWriteWholeRegions(wholeRegions);
    const SerialDevice device{radio.devicePath(), QStringLiteral("Stand-in"),
                              SerialDevice::kOpenGD77VendorID, SerialDevice::kOpenGD77ProductID};
    controller.registerDevice(device);
    controller.selectPort(device);
    controller.connectRadio(false);
    if (!waitUntil([&] { return controller.status().isConnected(); }))
        return counts;
    controller.readCodeplug();
    if (!waitUntil([&] { return controller.status().isConnected(); }))
        return counts;
    const QString path = dir.filePath(QStringLiteral("changed.nerka"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return counts;
    file.write(encodeCodeplugFile(s.image));
    file.close();
    controller.openCodeplugFile(path);
    if (!waitUntil([&] {
            return controller.document().image() && *controller.document().image() == s.image;
        }))
        return counts;
    radio.clearRequests();
    bool failed = false;
    QObject::connect(&controller, &RadioController::finished, &controller,
                     [&failed](const OperationResult& result) { failed = failed || !result.ok(); });
    controller.writeChanges();
    if (!waitUntil([&] {
            return !controller.status().isWorking() && !controller.verificationPending() &&
                   controller.status().isConnected();
        }))
        return counts;
    const QList<QByteArray> requests = radio.requests();
    qsizetype reboot = 0;
    while (reboot < requests.size() && !isReboot(requests[reboot]))
        ++reboot;
    counts.write = int(reboot);
    counts.verify = int(requests.size() - reboot - 2); // without the reboot and the identification
    counts.ok = reboot < requests.size() && !failed;
    return counts;
}

void renameChannel(Scenario& s, int number, const QString& name) {
    for (const RadioChannel& c : decodeChannels(s.image)) {
        if (c.number != number)
            continue;
        ChannelEdit edit = channelEditFrom(c);
        edit.name = name;
        const RegionSet touched = applyChannelEdit(edit, number, s.image);
        s.dirty.insert(touched.begin(), touched.end());
    }
}

// One channel renamed; a channel above the sample's 31 is created on the
// radio first so that only its name differs.
Scenario oneChannel(RadioVariant family, int number) {
    Scenario s;
    s.baseline = sampleCodeplug(family);
    if (number > 31) {
        (void)createBlankChannel(number - 1, s.baseline);
    }
    s.image = s.baseline;
    renameChannel(s, number, QStringLiteral("Renamed"));
    return s;
}

// 100 channels imported behind the sample's 31 (channels 32 to 131).
Scenario hundredChannels(RadioVariant family) {
    Scenario s;
    s.baseline = sampleCodeplug(family);
    s.image = s.baseline;
    for (int position = 31; position < 131; ++position) {
        RegionSet touched = createBlankChannel(position, s.image);
        ChannelEdit edit;
        edit.name = QStringLiteral("Import %1").arg(position + 1);
        edit.rxHz = edit.txHz = 145000000 + std::uint64_t(position) * 12500;
        const RegionSet edited = applyChannelEdit(edit, position + 1, s.image);
        touched.insert(edited.begin(), edited.end());
        s.dirty.insert(touched.begin(), touched.end());
    }
    return s;
}

// A codeplug that differs from the radio's in every block.
Scenario fullRewrite(RadioVariant family) {
    Scenario s;
    s.image = sampleCodeplug(family);
    s.baseline = s.image;
    for (QByteArray& blob : s.baseline.blobs) {
        for (char& byte : blob)
            byte = char(byte ^ 0x55);
    }
    for (int i = 0; i < s.image.regions.size(); ++i)
        s.dirty.insert(i);
    return s;
}

void printScenario(const char* name, const Scenario& s) {
    const Counts block = measure(s, false);
    const Counts whole = measure(s, true);
    if (!block.ok || !whole.ok) {
        std::printf("link.write_requests.%s: failed\n", name);
        return;
    }
    std::printf("link.write_requests.%s: %d requests (whole regions: %d)\n", name, block.write,
                whole.write);
    std::printf("link.write_verify_requests.%s: %d requests (whole regions: %d)\n", name,
                block.write + block.verify, whole.write + whole.verify);
    std::printf("link.write_block_to_whole_ratio.%s: %.3f\n", name,
                double(block.write + block.verify) / double(whole.write + whole.verify));
    std::printf("link.write_radio_ms.%s: %.0f ms (whole regions: %.0f ms)\n", name,
                (block.write + block.verify) * kMsPerRequest,
                (whole.write + whole.verify) * kMsPerRequest);
}

} // namespace

void printWriteFigures() {
    for (RadioVariant family : {RadioVariant::gd77, RadioVariant::uv380}) {
        const char* key = variantKey(family);
        for (int number : {12, 130}) {
            const Scenario s = oneChannel(family, number);
            const Counts block = measure(s, false);
            std::printf("link.write_one_channel_requests.%s.channel%d: %d requests "
                        "(write + verify: %d)\n",
                        key, number, block.write, block.write + block.verify);
            const QByteArray name =
                QStringLiteral("one_channel.%1.channel%2").arg(key).arg(number).toLatin1();
            printScenario(name.constData(), s);
        }
        const QByteArray hundred = QStringLiteral("hundred_channels.%1").arg(key).toLatin1();
        printScenario(hundred.constData(), hundredChannels(family));
        const QByteArray full = QStringLiteral("full_rewrite.%1").arg(key).toLatin1();
        printScenario(full.constData(), fullRewrite(family));
    }
}

} // namespace nerka
