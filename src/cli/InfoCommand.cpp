#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"

#include "link/OpenGD77Interface.h"
#include "link/SerialDevice.h"
#include "link/SerialPort.h"
#include "sim/RadioSimulator.h"
#include "sim/SampleCodeplug.h"

#include <QSettings>

#include <memory>

namespace nerka::cli {

namespace {

int runInfo(CliContext& context);

const CliCommand kInfo{"info", "[--port PATH | --demo [--demo-type N]]",
                       "connect and print the radio's model and firmware", &runInfo};
const CliRegistration kRegistration{kInfo};

const QString kLastPortPathKey = QStringLiteral("lastPortPath");

int fail(CliContext& context, const QString& message) {
    context.out << "\u2022 Error: " << message << '\n';
    context.err << message << '\n';
    context.out.flush();
    context.err.flush();
    return kExitFailed;
}

// The port the window would pick: the remembered one when it is listed, else
// the one radio attached; nothing when neither holds.
QString chosenPort(const QSettings& preferences) {
    const QList<SerialDevice> ports = listPorts(&preferences);
    const QString remembered = preferences.value(kLastPortPathKey).toString();
    for (const SerialDevice& device : ports) {
        if (!remembered.isEmpty() && device.path == remembered)
            return remembered;
    }
    QString single;
    int radios = 0;
    for (const SerialDevice& device : ports) {
        if (device.isOpenGD77()) {
            single = device.path;
            ++radios;
        }
    }
    return radios == 1 ? single : QString();
}

int runInfo(CliContext& context) {
    QCommandLineParser parser;
    addRadioOptions(parser);
    if (auto code = parseArguments(context, kInfo, parser, 0, 0))
        return *code;
    RadioOptions options;
    if (auto code = readRadioOptions(context, kInfo, parser, options))
        return *code;

    QSettings preferences;
    std::unique_ptr<RadioSimulator> demo;
    QString path = options.port;
    if (options.demo) {
        demo = std::make_unique<RadioSimulator>();
        demo->setRadioType(options.demoType);
        if (auto loaded = demo->loadCodeplug(sampleCodeplug(demo->variant())); !loaded)
            return fail(context, loaded.error());
        if (auto started = demo->start(); !started)
            return fail(context, started.error());
        path = demo->devicePath();
    } else if (path.isEmpty()) {
        path = chosenPort(preferences);
    }
    if (path.isEmpty())
        return fail(context, QStringLiteral("No serial port selected."));

    auto port = std::make_shared<SerialPort>();
    if (auto opened = port->open(path, SerialPort::kDefaultBaudRate); !opened)
        return fail(context, opened.error().description());
    OpenGD77Interface radio(port);
    auto info = radio.identify();
    port->close();
    if (!info)
        return fail(context, info.error().description());
    // A successful connection remembers its port, as in the window (the
    // demo's stand-in is gone after the run and is not remembered).
    if (!demo)
        preferences.setValue(kLastPortPathKey, path);

    context.out
        << "model: " << radioTypeDisplayName(info->radioType) << '\n'
        << "family: " << variantKey(radioVariant(info->radioType)) << '\n'
        << "firmware: " << info->firmwareRevision << '\n'
        << "build: " << info->buildDate << '\n'
        << "flashSerial: "
        << QStringLiteral("0x") +
               QStringLiteral("%1").arg(info->flashChipSerial, 8, 16, QLatin1Char('0')).toUpper()
        << '\n'
        << "structVersion: " << info->structVersion << '\n'
        << "features: " << info->features << '\n';
    context.out.flush();
    return kExitOk;
}

} // namespace

} // namespace nerka::cli
