#include "cli/CliCommand.h"

#include "link/SerialDevice.h"

namespace nerka::cli {

namespace {

int runPorts(CliContext& context);

const CliCommand kPorts{"ports", "[--all]",
                        "list the serial devices, radios first (--all: every serial device)",
                        &runPorts};
const CliRegistration kRegistration{kPorts};

QString hex4(int value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

int runPorts(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption all(QStringLiteral("all"),
                                 QStringLiteral("List every serial device, not only radios."));
    parser.addOption(all);
    if (auto code = parseArguments(context, kPorts, parser, 0, 0))
        return *code;

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
