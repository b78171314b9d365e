#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"

#include "controller/RadioController.h"

namespace nerka::cli {

namespace {

int runExportCsv(CliContext& context);

// --format is required, so that another layout can be added without changing
// what an existing command line means.
const CliCommand kExportCsv{"export-csv",
                            "--format channels|contacts|talkgroups|zones|repeater-list FILE -o OUT",
                            "write the channels (every field), contacts, talkgroup lists or zones "
                            "of a codeplug file as CSV, or its channels in the repeater-list "
                            "layout that repeater directories use",
                            &runExportCsv};
const CliRegistration kExportCsvRegistration{kExportCsv};

const QString kRepeaterList = QStringLiteral("repeater-list");
const QString kChannels = QStringLiteral("channels");
const QString kContacts = QStringLiteral("contacts");
const QString kTalkgroups = QStringLiteral("talkgroups");
const QString kZones = QStringLiteral("zones");
const QString kFormats = QStringLiteral("channels|contacts|talkgroups|zones|repeater-list");

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
    const QString layout = parser.value(format);
    if (layout.isEmpty())
        return usageError(context, kExportCsv, QStringLiteral("missing --format ") + kFormats);
    if (!kFormats.split(u'|').contains(layout))
        return usageError(context, kExportCsv,
                          QStringLiteral("unknown format: ") + parser.value(format));
    if (parser.value(output).isEmpty())
        return usageError(context, kExportCsv, QStringLiteral("missing -o OUT"));

    ControllerSession session(context);
    RadioController& controller = session.controller();
    if (!session.checkOutput(parser.value(output)))
        return kExitFailed;
    if (!controller.openCodeplugFile(parser.positionalArguments().first()).isDone())
        return kExitFailed;
    CodeplugDocument& document = controller.document();
    const QString out = parser.value(output);
    const EditResult exported = layout == kChannels     ? document.exportChannelsTable({}, out)
                                : layout == kContacts   ? document.exportContactsCsv(out)
                                : layout == kTalkgroups ? document.exportTalkgroupsCsv(out)
                                : layout == kZones      ? document.exportZonesCsv(out)
                                                        : document.exportChannelsCsv({}, out);
    return ControllerSession::exitCode(!exported.isRefused());
}

} // namespace

} // namespace nerka::cli
