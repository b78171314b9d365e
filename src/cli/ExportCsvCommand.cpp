#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"

#include "controller/RadioController.h"

namespace nerka::cli {

namespace {

int runExportCsv(CliContext& context);

// Only the repeater-list layout so far; --format is required so that another
// layout can be added without changing what an existing command line means.
const CliCommand kExportCsv{"export-csv", "--format repeater-list FILE -o OUT",
                            "write the channels of a codeplug file as CSV (repeater-list: the "
                            "layout repeater directories use)",
                            &runExportCsv};
const CliRegistration kExportCsvRegistration{kExportCsv};

const QString kRepeaterList = QStringLiteral("repeater-list");

int runExportCsv(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("CSV layout."),
                                    QStringLiteral("FORMAT"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("CSV file to write."), QStringLiteral("OUT"));
    parser.addOption(format);
    parser.addOption(output);
    if (auto code = parseArguments(context, kExportCsv, parser, 1, 1))
        return *code;
    if (parser.value(format).isEmpty())
        return usageError(context, kExportCsv, QStringLiteral("missing --format repeater-list"));
    if (parser.value(format) != kRepeaterList)
        return usageError(context, kExportCsv,
                          QStringLiteral("unknown format: ") + parser.value(format));
    if (parser.value(output).isEmpty())
        return usageError(context, kExportCsv, QStringLiteral("missing -o OUT"));

    ControllerSession session(context);
    RadioController& controller = session.controller();
    if (!session.checkOutput(parser.value(output)))
        return kExitFailed;
    controller.openCodeplugFile(parser.positionalArguments().first());
    session.finish();
    if (session.failed() || !controller.image())
        return kExitFailed;
    controller.exportChannelsCsv({}, parser.value(output));
    session.finish();
    return session.exitCode();
}

} // namespace

} // namespace nerka::cli
