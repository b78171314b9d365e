// nerka-cli dmrdb: the DMR user-ID database from the command line. Every
// subcommand goes through the controller's own operations, so the log lines
// and error texts are those of the window.

#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"
#include "cli/InterruptGuard.h"

#include "controller/FileStore.h"
#include "controller/RadioController.h"
#include "dmrdb/DMRFlashFormat.h"
#include "dmrdb/DMRPrefixNames.h"
#include "link/RadioType.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace nerka::cli {

namespace {

int runDmrdb(CliContext& context);
int runImport(CliContext& context);
int runEncode(CliContext& context);
int runWriteDB(CliContext& context);
int runReadDB(CliContext& context);
int runCount(CliContext& context);

const CliCommand kDmrdb{"dmrdb", "import|encode|write|read|count ...",
                        "the DMR user-ID database: import, encode, write to, read from and count "
                        "on a radio",
                        &runDmrdb};
const CliRegistration kDmrdbRegistration{kDmrdb};

const CliCommand kImport{"dmrdb import", "CSV [--json]",
                         "parse a DMR user-ID CSV file (--json: print the entries)", &runImport};
// How the selection options work, below the usage of encode and write.
#define PREFER_HELP                                                                                \
    "  --prefer PREFIXES  when not all entries fit, take the IDs that begin with these digits\n"   \
    "                     first, in this order (e.g. 262,263,232; country names such as\n"         \
    "                     Germany work too); a prefix that does not fit whole keeps its\n"         \
    "                     lowest IDs; then the rest of the radio is filled lowest ID first\n"      \
    "  --no-fill          with --prefer: write only the entries of the prefixes"

const CliCommand kEncode{
    "dmrdb encode",
    "CSV --family gd77|uv380 [--format compressed|uncompressed] "
    "[--text-length N] [--name-format firstName|fullName] "
    "[--prefer PREFIXES [--no-fill]] --area1 FILE --area2 FILE",
    "build the two flash areas of a DMR user-ID CSV and save them\n" PREFER_HELP, &runEncode};
const CliCommand kWriteDB{
    "dmrdb write",
    "[--port PATH | --demo [--demo-type N]] CSV [--family gd77|uv380] "
    "[--format compressed|uncompressed] [--text-length N] "
    "[--name-format firstName|fullName] [--prefer PREFIXES [--no-fill]]",
    "import a DMR user-ID CSV and write it to the radio; it reboots\n" PREFER_HELP, &runWriteDB};
const CliCommand kReadDB{"dmrdb read", "[--port PATH | --demo [--demo-type N]] -o OUT.csv",
                         "read the DMR user-ID database from the radio and export it as CSV",
                         &runReadDB};
const CliCommand kCount{"dmrdb count", "[--port PATH | --demo [--demo-type N]]",
                        "print the record count of the radio's DMR user-ID database", &runCount};

#undef PREFER_HELP

const CliCommand* const kSubcommands[] = {&kImport, &kEncode, &kWriteDB, &kReadDB, &kCount};

int runDmrdb(CliContext& context) {
    if (context.args.isEmpty())
        return usageError(context, kDmrdb, QStringLiteral("missing subcommand"));
    const QString name = context.args.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        context.out << usageLine(kDmrdb) << '\n' << kDmrdb.summary << '\n';
        for (const CliCommand* sub : kSubcommands)
            context.out << "  " << usageLine(*sub) << '\n';
        context.out.flush();
        return kExitOk;
    }
    for (const CliCommand* sub : kSubcommands) {
        if (QLatin1String(sub->name) == QLatin1String("dmrdb ") + name) {
            CliContext subContext{context.args.mid(1), context.out, context.err,
                                  context.errIsTerminal};
            return sub->run(subContext);
        }
    }
    return usageError(context, kDmrdb,
                      QStringLiteral("unknown subcommand '") + name + QStringLiteral("'"));
}

// The encoding options shared by encode and write.
struct EncodeOptions {
    std::optional<RadioVariant> family;
    DMRDBFormat format = DMRDBFormat::compressed;
    DMRNameFormat nameFormat = DMRNameFormat::firstName;
    int textLength = 16;
    DMRSelection selection; // none: the lowest IDs, as without the options
};

const QCommandLineOption kFamilyOption(QStringLiteral("family"),
                                       QStringLiteral("Radio family: gd77 or uv380."),
                                       QStringLiteral("FAMILY"));
const QCommandLineOption kFormatOption(QStringLiteral("format"),
                                       QStringLiteral("compressed (default) or uncompressed."),
                                       QStringLiteral("FORMAT"));
const QCommandLineOption kTextLengthOption(QStringLiteral("text-length"),
                                           QStringLiteral("Characters per record, 1-20 "
                                                          "(default 16)."),
                                           QStringLiteral("N"));
const QCommandLineOption kNameFormatOption(QStringLiteral("name-format"),
                                           QStringLiteral("firstName (default) or fullName."),
                                           QStringLiteral("FORMAT"));

const QCommandLineOption kPreferOption(
    QStringLiteral("prefer"),
    QStringLiteral("DMR ID prefixes to write first when not all entries fit, in priority order, "
                   "e.g. 262,263,232 (country names such as Germany work too). A prefix that "
                   "does not fit whole keeps its lowest IDs; then the rest of the radio is "
                   "filled with the remaining entries, lowest ID first."),
    QStringLiteral("PREFIXES"));
const QCommandLineOption kNoFillOption(QStringLiteral("no-fill"),
                                       QStringLiteral("With --prefer: write only the entries "
                                                      "of the prefixes, leave the rest of the "
                                                      "radio empty."));

void addEncodeOptions(QCommandLineParser& parser) {
    parser.addOption(kFamilyOption);
    parser.addOption(kFormatOption);
    parser.addOption(kTextLengthOption);
    parser.addOption(kNameFormatOption);
    parser.addOption(kPreferOption);
    parser.addOption(kNoFillOption);
}

std::optional<int> readEncodeOptions(CliContext& context, const CliCommand& command,
                                     const QCommandLineParser& parser, EncodeOptions& options) {
    if (parser.isSet(kFamilyOption)) {
        const QString family = parser.value(kFamilyOption);
        if (family == QLatin1String("gd77"))
            options.family = RadioVariant::gd77;
        else if (family == QLatin1String("uv380"))
            options.family = RadioVariant::uv380;
        else
            return usageError(context, command, QStringLiteral("--family needs gd77 or uv380"));
    }
    if (parser.isSet(kFormatOption)) {
        const auto format = dbFormatFromKey(parser.value(kFormatOption));
        if (!format)
            return usageError(context, command,
                              QStringLiteral("--format needs compressed or uncompressed"));
        options.format = *format;
    }
    if (parser.isSet(kNameFormatOption)) {
        const auto nameFormat = nameFormatFromKey(parser.value(kNameFormatOption));
        if (!nameFormat)
            return usageError(context, command,
                              QStringLiteral("--name-format needs firstName or fullName"));
        options.nameFormat = *nameFormat;
    }
    if (parser.isSet(kTextLengthOption)) {
        bool ok = false;
        const int length = parser.value(kTextLengthOption).toInt(&ok);
        if (!ok || length < kDMRMinTextLength || length > kDMRMaxTextLength)
            return usageError(context, command,
                              QStringLiteral("--text-length needs a number from 1 to 20"));
        options.textLength = length;
    }
    if (parser.isSet(kPreferOption)) {
        const DMRPrefixNames::Parsed prefer = DMRPrefixNames::parse(parser.value(kPreferOption));
        if (!prefer.unknown.isEmpty())
            return usageError(context, command,
                              QStringLiteral("--prefer: neither a prefix nor a known country: ") +
                                  prefer.unknown.join(QStringLiteral(", ")));
        if (prefer.prefixes.isEmpty())
            return usageError(context, command,
                              QStringLiteral("--prefer needs prefixes such as 262,263,232"));
        options.selection.prefixes = prefer.prefixes;
    }
    if (parser.isSet(kNoFillOption)) {
        if (options.selection.isEmpty())
            return usageError(context, command, QStringLiteral("--no-fill needs --prefer"));
        options.selection.fillRest = false;
    }
    return std::nullopt;
}

QString familyName(RadioVariant family) {
    return family == RadioVariant::uv380 ? QStringLiteral("UV380") : QStringLiteral("GD77");
}

// Imports the CSV through the controller and applies the encoding options.
// False when the import failed (its error line is printed).
bool importWithOptions(ControllerSession& session, const QString& path,
                       const EncodeOptions& options) {
    RadioController& controller = session.controller();
    if (!session
             .run(DeviceOperation::importDmrDatabase, [&] { controller.importDMRDatabase(path); })
             .ok())
        return false;
    controller.setDMRDatabaseOptions(options.nameFormat, options.format, options.textLength);
    return true;
}

// Saves the files all or none; reports through the controller on failure.
bool saveFiles(ControllerSession& session, const QList<std::pair<QString, QByteArray>>& files) {
    if (auto failure = FileStore::writeAll(files)) {
        session.controller().activityLog().appendError(*failure);
        session.finish();
        return false;
    }
    return true;
}

int runImport(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print the entries as a JSON array."));
    parser.addOption(json);
    if (auto code = parseArguments(context, kImport, parser, 1, 1))
        return *code;

    ControllerSession session(context);
    RadioController& controller = session.controller();
    const QString path = parser.positionalArguments().first();
    if (!session
             .run(DeviceOperation::importDmrDatabase, [&] { controller.importDMRDatabase(path); })
             .ok())
        return kExitFailed;
    if (parser.isSet(json)) {
        // One array element per line, written as it is made: a worldwide list
        // has a million entries, and a whole QJsonArray of them would take
        // gigabytes.
        const auto& entries = controller.dmrUserDB()->entries;
        context.out << "[";
        qsizetype written = 0;
        for (const DMRUserEntry& entry : entries) {
            const QJsonObject object{{QStringLiteral("id"), qint64(entry.id)},
                                     {QStringLiteral("callsign"), entry.callsign},
                                     {QStringLiteral("firstName"), entry.firstName},
                                     {QStringLiteral("lastName"), entry.lastName}};
            context.out << (written++ ? ",\n    " : "\n    ")
                        << QJsonDocument(object).toJson(QJsonDocument::Compact);
        }
        context.out << (written ? "\n]\n" : "]\n");
        context.out.flush();
    }
    return kExitOk;
}

int runEncode(CliContext& context) {
    QCommandLineParser parser;
    addEncodeOptions(parser);
    const QCommandLineOption area1(QStringLiteral("area1"),
                                   QStringLiteral("File for area 1 (header and first records)."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption area2(QStringLiteral("area2"),
                                   QStringLiteral("File for area 2 (may stay empty)."),
                                   QStringLiteral("FILE"));
    parser.addOption(area1);
    parser.addOption(area2);
    if (auto code = parseArguments(context, kEncode, parser, 1, 1))
        return *code;
    EncodeOptions options;
    if (auto code = readEncodeOptions(context, kEncode, parser, options))
        return *code;
    if (!options.family)
        return usageError(context, kEncode, QStringLiteral("missing --family"));
    if (parser.value(area1).isEmpty() || parser.value(area2).isEmpty())
        return usageError(context, kEncode, QStringLiteral("missing --area1 FILE or --area2 FILE"));

    // One path for both areas would leave only area 2.
    if (QDir::cleanPath(QFileInfo(parser.value(area1)).absoluteFilePath()) ==
            QDir::cleanPath(QFileInfo(parser.value(area2)).absoluteFilePath()) ||
        (QFileInfo::exists(parser.value(area1)) &&
         QFileInfo(parser.value(area1)).canonicalFilePath() ==
             QFileInfo(parser.value(area2)).canonicalFilePath()))
        return usageError(context, kEncode,
                          QStringLiteral("--area1 and --area2 name the same file"));

    ControllerSession session(context);
    if (!session.checkOutput(parser.value(area1)) || !session.checkOutput(parser.value(area2)))
        return kExitFailed;
    if (!importWithOptions(session, parser.positionalArguments().first(), options))
        return kExitFailed;
    const DMRFlashImage encoded =
        encodeForFlash(*session.controller().dmrUserDB(), *options.family, options.selection);
    if (!saveFiles(session,
                   {{parser.value(area1), encoded.area1}, {parser.value(area2), encoded.area2}}))
        return kExitFailed;
    // Entries left out because their ID came earlier are said apart from
    // those the radio had no room for.
    context.out << "written " << encoded.written << " dropped " << encoded.dropped;
    if (encoded.merged >= 1)
        context.out << " merged " << encoded.merged;
    context.out << '\n';
    context.out.flush();
    return kExitOk;
}

int runWriteDB(CliContext& context) {
    QCommandLineParser parser;
    addEncodeOptions(parser);
    addRadioOptions(parser);
    if (auto code = parseArguments(context, kWriteDB, parser, 1, 1))
        return *code;
    RadioOptions radioOptions;
    if (auto code = readRadioOptions(context, kWriteDB, parser, radioOptions))
        return *code;
    EncodeOptions options;
    if (auto code = readEncodeOptions(context, kWriteDB, parser, options))
        return *code;

    ControllerSession session(context, radioOptions);
    RadioController& controller = session.controller();
    if (!importWithOptions(session, parser.positionalArguments().first(), options))
        return kExitFailed;
    if (!session.connect())
        return kExitFailed;
    if (options.family && controller.firmware()) {
        const RadioVariant connected = radioVariant(controller.firmware()->radioType);
        if (connected != *options.family) {
            controller.activityLog().appendError(
                QStringLiteral("The database was prepared for the ") + familyName(*options.family) +
                QStringLiteral(" family, but the connected radio is ") + familyName(connected) +
                QStringLiteral(" family. Nothing was written."));
            session.finish();
            return kExitFailed;
        }
    }
    InterruptGuard interrupts(controller);
    const OperationResult written = session.run(
        DeviceOperation::writeDmrDatabase, [&] { controller.writeDMRDatabase(options.selection); });
    // A signal after the last block changed nothing: the write succeeded.
    if (interrupts.signalNumber() != 0 && !written.ok())
        return reportInterrupted(context, interrupts);
    return ControllerSession::exitCode(written.ok());
}

int runReadDB(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("CSV file to write."), QStringLiteral("FILE"));
    parser.addOption(output);
    addRadioOptions(parser);
    if (auto code = parseArguments(context, kReadDB, parser, 0, 0))
        return *code;
    RadioOptions radioOptions;
    if (auto code = readRadioOptions(context, kReadDB, parser, radioOptions))
        return *code;
    if (parser.value(output).isEmpty())
        return usageError(context, kReadDB, QStringLiteral("missing -o FILE"));

    ControllerSession session(context, radioOptions);
    if (!session.checkOutput(parser.value(output)) || !session.connect())
        return kExitFailed;
    RadioController& controller = session.controller();
    if (!session
             .run(DeviceOperation::readDmrDatabase, [&] { controller.readDMRDatabaseFromDevice(); })
             .ok())
        return kExitFailed;
    // With no database on the radio the export reports that there is nothing
    // to export, and no file is written.
    return ControllerSession::exitCode(
        session
            .run(DeviceOperation::exportDmrDatabase,
                 [&] { controller.exportDMRDatabase(parser.value(output)); })
            .ok());
}

int runCount(CliContext& context) {
    QCommandLineParser parser;
    addRadioOptions(parser);
    if (auto code = parseArguments(context, kCount, parser, 0, 0))
        return *code;
    RadioOptions radioOptions;
    if (auto code = readRadioOptions(context, kCount, parser, radioOptions))
        return *code;

    ControllerSession session(context, radioOptions);
    if (!session.connect())
        return kExitFailed;
    RadioController& controller = session.controller();
    const OperationResult counted = session.run(DeviceOperation::countDmrDatabase, [&] {
        controller.refreshDMRDatabaseOnDeviceCount(true);
    });
    if (!counted.ok() || !controller.dmrDBOnDeviceCount())
        return kExitFailed;
    context.out << *controller.dmrDBOnDeviceCount() << '\n';
    context.out.flush();
    return kExitOk;
}

} // namespace

} // namespace nerka::cli
