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
    "[--whole-regions] [--keep-identity]",
    "write a codeplug file's regions (default: all) to a radio of the same family; it reboots. "
    "The radio's codeplug is backed up first and the write is read back after the reboot; "
    "--keep-identity keeps the radio's call sign and DMR ID",
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

// The options of `write` besides the radio's.
struct WriteOptions {
    QCommandLineOption regions{
        QStringLiteral("regions"),
        QStringLiteral("Comma-separated region indices to write (default: every region)."),
        QStringLiteral("LIST")};
    QCommandLineOption noBackup{
        QStringLiteral("no-backup"),
        QStringLiteral("Do not back up the radio's codeplug before writing.")};
    QCommandLineOption noVerify{
        QStringLiteral("no-verify"),
        QStringLiteral("Do not read the written regions back after the radio restarted.")};
    QCommandLineOption wholeRegions{
        QStringLiteral("whole-regions"),
        QStringLiteral("Send the regions whole instead of only the blocks that changed (slower, "
                       "for troubleshooting).")};
    QCommandLineOption keepIdentity{
        QStringLiteral("keep-identity"),
        QStringLiteral("Keep the radio's own call sign and DMR ID instead of the file's.")};
};

// What the write changes on the radio, printed before its first byte is sent.
void printChangesBeforeWriting(CliContext& context, RadioController& controller) {
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
}

// The regions of the opened file to write: the listed ones, or all; reported
// and nothing when the file has none or a listed one does not exist.
std::optional<RegionSet> regionsToWrite(RadioController& controller,
                                        const std::optional<RegionSet>& listed) {
    const int regionCount = int(controller.document().image()->regions.size());
    if (regionCount == 0) {
        controller.activityLog().appendError(QStringLiteral("The file holds no regions to write."));
        return std::nullopt;
    }
    if (!listed) {
        RegionSet all;
        for (int i = 0; i < regionCount; ++i)
            all.insert(i);
        return all;
    }
    for (int index : *listed) {
        if (index >= regionCount) {
            controller.activityLog().appendError(
                QStringLiteral("Region ") + QString::number(index) +
                QStringLiteral(" does not exist: the file has ") + QString::number(regionCount) +
                QStringLiteral(" regions (0 to ") + QString::number(regionCount - 1) +
                QStringLiteral(")."));
            return std::nullopt;
        }
    }
    return listed;
}

int runWrite(CliContext& context) {
    QCommandLineParser parser;
    const WriteOptions writeOptions;
    parser.addOption(writeOptions.regions);
    parser.addOption(writeOptions.noBackup);
    parser.addOption(writeOptions.noVerify);
    parser.addOption(writeOptions.wholeRegions);
    parser.addOption(writeOptions.keepIdentity);
    addRadioOptions(parser);
    if (auto code = parseArguments(context, kWrite, parser, 1, 1))
        return *code;
    RadioOptions options;
    if (auto code = readRadioOptions(context, kWrite, parser, options))
        return *code;
    std::optional<RegionSet> listed;
    if (parser.isSet(writeOptions.regions)) {
        listed = parseRegionList(parser.value(writeOptions.regions));
        if (!listed)
            return usageError(context, kWrite,
                              QStringLiteral("--regions needs comma-separated region indices"));
    }

    ControllerSession session(context, options);
    RadioController& controller = session.controller();
    controller.setBackupBeforeWrite(!parser.isSet(writeOptions.noBackup));
    controller.setVerifyAfterWrite(!parser.isSet(writeOptions.noVerify));
    controller.setWholeRegionWrites(parser.isSet(writeOptions.wholeRegions));
    controller.setKeepRadioIdentity(parser.isSet(writeOptions.keepIdentity));
    printChangesBeforeWriting(context, controller);
    if (!controller.openCodeplugFile(parser.positionalArguments().first()).isDone())
        return kExitFailed;
    const std::optional<RegionSet> regions = regionsToWrite(controller, listed);
    if (!regions) {
        session.finish();
        return kExitFailed;
    }

    if (!session.connect())
        return kExitFailed;
    controller.writeOnlyRegions(*regions);
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
