#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"

#include "controller/RadioController.h"

namespace nerka::cli {

namespace {

int runRead(CliContext& context);

const CliCommand kRead{"read", "[--port PATH | --demo [--demo-type N]] -o FILE",
                       "read the whole codeplug from the radio and save it as a codeplug file",
                       &runRead};
const CliRegistration kReadRegistration{kRead};

int runRead(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Codeplug file to write."),
                                    QStringLiteral("FILE"));
    parser.addOption(output);
    addRadioOptions(parser);
    if (auto code = parseArguments(context, kRead, parser, 0, 0))
        return *code;
    RadioOptions options;
    if (auto code = readRadioOptions(context, kRead, parser, options))
        return *code;
    if (parser.value(output).isEmpty())
        return usageError(context, kRead, QStringLiteral("missing -o FILE"));

    ControllerSession session(context, options);
    if (!session.checkOutput(parser.value(output)) || !session.connect())
        return kExitFailed;
    RadioController& controller = session.controller();
    if (!session.run(DeviceOperation::readCodeplug, [&] { controller.readCodeplug(); }).ok())
        return kExitFailed;
    return ControllerSession::exitCode(controller.saveCodeplugFile(parser.value(output)).isDone());
}

} // namespace

} // namespace nerka::cli
