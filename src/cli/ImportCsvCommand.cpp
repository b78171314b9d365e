#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"

#include "controller/RadioController.h"

namespace nerka::cli {

namespace {

int runImportCsv(CliContext& context);

const CliCommand kImportCsv{
    "import-csv",
    "FILE [--contacts C] [--talkgroups T] [--channels CH] [--zones Z] "
    "[--mode append|update|replace] -o OUT",
    "read contacts, talkgroup lists, channels and zones from CSV files into a codeplug file "
    "(in that order, as one change) and save it as OUT",
    &runImportCsv};
const CliRegistration kImportCsvRegistration{kImportCsv};

int runImportCsv(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption contacts(QStringLiteral("contacts"),
                                      QStringLiteral("Contacts CSV file."), QStringLiteral("C"));
    const QCommandLineOption talkgroups(QStringLiteral("talkgroups"),
                                        QStringLiteral("Talkgroup lists CSV file."),
                                        QStringLiteral("T"));
    const QCommandLineOption channels(QStringLiteral("channels"),
                                      QStringLiteral("Channels CSV file."), QStringLiteral("CH"));
    const QCommandLineOption zones(QStringLiteral("zones"), QStringLiteral("Zones CSV file."),
                                   QStringLiteral("Z"));
    const QCommandLineOption mode(QStringLiteral("mode"),
                                  QStringLiteral("append (default), update or replace."),
                                  QStringLiteral("MODE"), QStringLiteral("append"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Codeplug file to save."),
                                    QStringLiteral("OUT"));
    for (const QCommandLineOption* option :
         {&contacts, &talkgroups, &channels, &zones, &mode, &output})
        parser.addOption(*option);
    if (auto code = parseArguments(context, kImportCsv, parser, 1, 1))
        return *code;
    const auto chosenMode = csvImportModeFromKey(parser.value(mode));
    if (!chosenMode)
        return usageError(context, kImportCsv,
                          QStringLiteral("unknown mode: ") + parser.value(mode));
    const CodeplugCsvPaths paths{parser.value(contacts), parser.value(talkgroups),
                                 parser.value(channels), parser.value(zones)};
    if (paths.isEmpty())
        return usageError(context, kImportCsv,
                          QStringLiteral("give at least one of --contacts, --talkgroups, "
                                         "--channels, --zones"));
    if (parser.value(output).isEmpty())
        return usageError(context, kImportCsv, QStringLiteral("missing -o OUT"));

    ControllerSession session(context);
    RadioController& controller = session.controller();
    if (!session.checkOutput(parser.value(output)))
        return kExitFailed;
    if (!controller.openCodeplugFile(parser.positionalArguments().first()).isDone())
        return kExitFailed;
    // A refused import changes nothing and saves nothing.
    if (controller.document().importCodeplugCsv(paths, *chosenMode).isRefused())
        return kExitFailed;
    return ControllerSession::exitCode(controller.saveCodeplugFile(parser.value(output)).isDone());
}

} // namespace

} // namespace nerka::cli
