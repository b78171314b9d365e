#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"
#include "cli/InterruptGuard.h"

#include "controller/RadioController.h"

namespace nerka::cli {

namespace {

int runWrite(CliContext& context);

const CliCommand kWrite{
    "write",
    "[--port PATH | --demo [--demo-type N]] FILE [--regions LIST] [--no-backup] [--no-verify] "
    "[--whole-regions]",
    "write a codeplug file's regions (default: all) to a radio of the same family; it reboots. "
    "The radio's codeplug is backed up first and the write is read back after the reboot",
    &runWrite};
const CliRegistration kWriteRegistration{kWrite};

// "0,3" → {0, 3}; nothing when an item is no region index.
std::optional<RegionSet> parseRegionList(const QString& text) {
    RegionSet regions;
    const QStringList items = text.split(QLatin1Char(','));
    for (const QString& item : items) {
        bool ok = false;
        const int index = item.trimmed().toInt(&ok);
        if (!ok || index < 0)
            return std::nullopt;
        regions.insert(index);
    }
    return regions;
}

int runWrite(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption regionsOption(
        QStringLiteral("regions"),
        QStringLiteral("Comma-separated region indices to write (default: every region)."),
        QStringLiteral("LIST"));
    parser.addOption(regionsOption);
    const QCommandLineOption noBackupOption(
        QStringLiteral("no-backup"),
        QStringLiteral("Do not back up the radio's codeplug before writing."));
    const QCommandLineOption noVerifyOption(
        QStringLiteral("no-verify"),
        QStringLiteral("Do not read the written regions back after the radio restarted."));
    const QCommandLineOption wholeRegionsOption(
        QStringLiteral("whole-regions"),
        QStringLiteral("Send the regions whole instead of only the blocks that changed (slower, "
                       "for troubleshooting)."));
    parser.addOption(noBackupOption);
    parser.addOption(noVerifyOption);
    parser.addOption(wholeRegionsOption);
    addRadioOptions(parser);
    if (auto code = parseArguments(context, kWrite, parser, 1, 1))
        return *code;
    RadioOptions options;
    if (auto code = readRadioOptions(context, kWrite, parser, options))
        return *code;
    std::optional<RegionSet> listed;
    if (parser.isSet(regionsOption)) {
        listed = parseRegionList(parser.value(regionsOption));
        if (!listed)
            return usageError(context, kWrite,
                              QStringLiteral("--regions needs comma-separated region indices"));
    }

    ControllerSession session(context, options);
    RadioController& controller = session.controller();
    controller.setBackupBeforeWrite(!parser.isSet(noBackupOption));
    controller.setVerifyAfterWrite(!parser.isSet(noVerifyOption));
    controller.setWholeRegionWrites(parser.isSet(wholeRegionsOption));
    // What the write changes on the radio, printed before its first byte is sent.
    QObject::connect(&controller, &RadioController::writeSummaryReady, &controller,
                     [&context](const QList<ChangeGroup>& groups) {
                         QStringList lines;
                         for (const ChangeGroup& group : groups)
                             lines.append(group.lines);
                         if (lines.isEmpty())
                             context.out << "No record changes against the radio's codeplug.\n";
                         else
                             context.out << "Changes against the radio's codeplug:\n";
                         for (const QString& line : lines)
                             context.out << "  " << line << '\n';
                         context.out.flush();
                     });
    const QString path = parser.positionalArguments().first();
    if (!controller.openCodeplugFile(path).isDone())
        return kExitFailed;
    const int regionCount = int(controller.document().image()->regions.size());
    if (regionCount == 0) {
        controller.reportError(QStringLiteral("The file holds no regions to write."));
        session.finish();
        return kExitFailed;
    }
    RegionSet regions;
    if (listed) {
        for (int index : *listed) {
            if (index >= regionCount) {
                controller.reportError(QStringLiteral("Region ") + QString::number(index) +
                                       QStringLiteral(" does not exist: the file has ") +
                                       QString::number(regionCount) +
                                       QStringLiteral(" regions (0 to ") +
                                       QString::number(regionCount - 1) + QStringLiteral(")."));
                session.finish();
                return kExitFailed;
            }
        }
        regions = *listed;
    } else {
        for (int i = 0; i < regionCount; ++i)
            regions.insert(i);
    }

    if (!session.connect())
        return kExitFailed;
    controller.writeOnlyRegions(regions);
    InterruptGuard interrupts(controller);
    const OperationResult written =
        session.run(DeviceOperation::writeCodeplug, [&] { controller.writeChanges(); });
    // A signal after the last block changed nothing: the write succeeded.
    if (interrupts.signalNumber() != 0 && !written.ok())
        return reportInterrupted(context, interrupts);
    // The read-back runs once the restarted radio is connected again; it
    // ends with a result also when the radio does not come back.
    if (written.ok() && controller.verificationPending())
        return ControllerSession::exitCode(session.waitFor(DeviceOperation::verifyWrite).ok());
    return ControllerSession::exitCode(written.ok());
}

} // namespace

} // namespace nerka::cli
