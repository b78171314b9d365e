#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"

#include "controller/PrintableText.h"
#include "controller/RadioController.h"
#include "link/RadioType.h"

namespace nerka::cli {

namespace {

int runInfo(CliContext& context);

const CliCommand kInfo{"info", "[--port PATH | --demo [--demo-type N]]",
                       "connect and print the radio's model and firmware", &runInfo};
const CliRegistration kInfoRegistration{kInfo};

int runInfo(CliContext& context) {
    QCommandLineParser parser;
    addRadioOptions(parser);
    if (auto code = parseArguments(context, kInfo, parser, 0, 0))
        return *code;
    RadioOptions options;
    if (auto code = readRadioOptions(context, kInfo, parser, options))
        return *code;

    ControllerSession session(context, options);
    if (!session.connect() || !session.controller().firmware())
        return kExitFailed;
    const FirmwareInfo& info = *session.controller().firmware();
    context.out << "model: " << radioTypeDisplayName(info.radioType) << '\n'
                << "family: " << variantKey(radioVariant(info.radioType)) << '\n'
                << "firmware: " << printableText(info.firmwareRevision) << '\n'
                << "build: " << printableText(info.buildDate) << '\n'
                << "flashSerial: " << QString::asprintf("0x%08X", info.flashChipSerial) << '\n'
                << "structVersion: " << info.structVersion << '\n'
                << "features: " << info.features << '\n';
    context.out.flush();
    return kExitOk;
}

} // namespace

} // namespace nerka::cli
