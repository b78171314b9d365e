#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"

#include "controller/FileStore.h"
#include "controller/RadioController.h"
#include "satellites/SatNOGS.h"

#include <QSet>

namespace nerka::cli {

namespace {

int runSatellites(CliContext& context);

const CliCommand kSatellites{
    "satellites", "import KEPS FILE -o OUT [--satnogs JSON] [--add NAME,NAME...]",
    "load keps into a codeplug file: refresh its satellites, add the named ones, save OUT",
    &runSatellites};
const CliRegistration kSatellitesRegistration{kSatellites};

// The first candidate whose short name equals `name` ignoring case. The
// candidates come sorted with the FM ones first, so an FM one wins a tie.
const SatelliteCandidate* findCandidate(const QList<SatelliteCandidate>& candidates,
                                        const QString& name) {
    for (const SatelliteCandidate& c : candidates)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

// The candidates named in `wanted`, each once; every name is checked, and
// each one not found is reported; nothing then.
std::optional<QList<SatelliteCandidate>> pickSatellites(RadioController& controller,
                                                        const QStringList& wanted) {
    QList<SatelliteCandidate> picked;
    QSet<QUuid> pickedIds;
    bool missing = false;
    for (const QString& name : wanted) {
        const SatelliteCandidate* found = findCandidate(controller.satelliteCandidates(), name);
        if (!found) {
            controller.activityLog().appendError(
                QStringLiteral("No satellite named %1 in the keps file.").arg(name));
            missing = true;
            continue;
        }
        if (!pickedIds.contains(found->id)) {
            pickedIds.insert(found->id);
            picked.append(*found);
        }
    }
    if (missing)
        return std::nullopt;
    return picked;
}

// A SatNOGS transmitter list from a file instead of the service. An unreadable
// file is reported (false); a readable one that lists no usable transmitter
// simply gives no frequencies, as the service's would.
bool useSatnogsFile(RadioController& controller, const QString& path) {
    const auto read = FileStore::read(path, FileStore::Kind::satnogs);
    if (const auto* failure = std::get_if<QString>(&read)) {
        controller.activityLog().appendError(*failure);
        return false;
    }
    controller.tuning().satnogsOverride = parseSatNOGS(std::get<QByteArray>(read));
    return true;
}

// The names of --add; nothing when it names none.
std::optional<QStringList> satelliteNames(const QString& value) {
    QStringList wanted;
    for (const QString& item : value.split(QLatin1Char(','))) {
        const QString name = item.trimmed();
        if (!name.isEmpty())
            wanted.append(name);
    }
    if (wanted.isEmpty())
        return std::nullopt;
    return wanted;
}

int runSatellites(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption outOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                       QStringLiteral("Codeplug file to save."),
                                       QStringLiteral("OUT"));
    const QCommandLineOption satnogsOption(
        QStringLiteral("satnogs"),
        QStringLiteral("SatNOGS transmitter list (JSON) to use instead of asking the service."),
        QStringLiteral("JSON"));
    const QCommandLineOption addOption(
        QStringLiteral("add"),
        QStringLiteral("Comma-separated names of the satellites to add (case does not matter)."),
        QStringLiteral("NAMES"));
    parser.addOption(outOption);
    parser.addOption(satnogsOption);
    parser.addOption(addOption);
    if (auto code = parseArguments(context, kSatellites, parser, 3, 3))
        return *code;
    const QStringList positional = parser.positionalArguments();
    if (positional[0] != QLatin1String("import"))
        return usageError(context, kSatellites,
                          QStringLiteral("unknown subcommand: ") + positional[0]);
    if (!parser.isSet(outOption) || parser.value(outOption).isEmpty())
        return usageError(context, kSatellites, QStringLiteral("-o OUT is required"));
    QStringList wanted;
    if (parser.isSet(addOption)) {
        const auto names = satelliteNames(parser.value(addOption));
        if (!names)
            return usageError(context, kSatellites, QStringLiteral("--add needs satellite names"));
        wanted = *names;
    }
    const QString kepsPath = positional[1];
    const QString outPath = parser.value(outOption);

    ControllerSession session(context);
    RadioController& controller = session.controller();
    if (!session.checkOutput(outPath))
        return kExitFailed;
    if (parser.isSet(satnogsOption) && !useSatnogsFile(controller, parser.value(satnogsOption))) {
        session.finish();
        return kExitFailed;
    }
    if (!controller.openCodeplugFile(positional[2]).isDone())
        return kExitFailed;

    // The keps load refreshes the satellites already in the codeplug and
    // offers the candidates; nothing of it is saved when it fails.
    const OperationResult loaded = session.run(
        DeviceOperation::loadKeps, [&controller, kepsPath] { controller.importTLEFile(kepsPath); });
    if (!loaded.ok())
        return kExitFailed;

    // Every name is checked before anything is added, so a command that fails
    // leaves its output file as it was.
    const auto picked = pickSatellites(controller, wanted);
    if (!picked) {
        session.finish();
        return kExitFailed;
    }
    const bool added = !controller.document().addSatellites(*picked).isRefused();
    const bool saved = controller.saveCodeplugFile(outPath).isDone();
    return ControllerSession::exitCode(added && saved);
}

} // namespace

} // namespace nerka::cli
