#include "cli/CliCommand.h"

#include "link/DeviceDoctor.h"
#include "link/SerialDevice.h"

namespace nerka::cli {

namespace {

int runPorts(CliContext& context);

const CliCommand kPorts{"ports", "[--all] [--doctor [--port PATH]]",
                        "list the serial devices, radios first (--all: every serial device)",
                        &runPorts};
const CliRegistration kPortsRegistration{kPorts};

QString hex4(int value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

int runPorts(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption all(QStringLiteral("all"),
                                 QStringLiteral("List every serial device, not only radios."));
    const QCommandLineOption doctor(
        QStringLiteral("doctor"),
        QStringLiteral("Explain why no radio is usable and how to fix it, from facts of this "
                       "machine."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("With --doctor: the serial device to check."),
                                  QStringLiteral("PATH"));
    parser.addOptions({all, doctor, port});
    if (auto code = parseArguments(context, kPorts, parser, 0, 0))
        return *code;

    if (parser.isSet(doctor)) {
        if (parser.isSet(all))
            return usageError(context, kPorts,
                              QStringLiteral("--all cannot be combined with --doctor"));
        if (parser.isSet(port) && parser.value(port).isEmpty())
            return usageError(context, kPorts, QStringLiteral("--port needs a path"));
        const QString path = parser.value(port);
        const SystemView view =
            SystemView::gather(path.isEmpty() ? QStringList() : QStringList{path});
        context.out << DeviceDoctor::report(DeviceDoctor::diagnose(view, {path, {}}));
        context.out.flush();
        return kExitOk;
    }
    if (parser.isSet(port))
        return usageError(context, kPorts, QStringLiteral("--port needs --doctor"));

    // Without --all the "showAllPorts" preference decides, as in the window.
    const QList<SerialDevice> devices = parser.isSet(all) ? enumerateSerialDevices() : listPorts();
    for (const SerialDevice& device : devices) {
        context.out << device.path << '\t' << hex4(device.vendorID) << ':' << hex4(device.productID)
                    << '\t' << device.displayName() << '\n';
    }
    context.out.flush();
    return kExitOk;
}

} // namespace

} // namespace nerka::cli
