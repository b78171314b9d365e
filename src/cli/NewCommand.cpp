#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"

#include "controller/RadioController.h"

namespace nerka::cli {

namespace {

int runNew(CliContext& context);

const CliCommand kNew{"new", "--family gd77|uv380 -o FILE",
                      "start an empty codeplug of a radio family (no channels, contacts, "
                      "talkgroups or zones; no call sign) and save it",
                      &runNew};
const CliRegistration kNewRegistration{kNew};

int runNew(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption family(QStringLiteral("family"),
                                    QStringLiteral("Radio family: gd77 or uv380."),
                                    QStringLiteral("FAMILY"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Codeplug file to write."),
                                    QStringLiteral("FILE"));
    parser.addOption(family);
    parser.addOption(output);
    if (auto code = parseArguments(context, kNew, parser, 0, 0))
        return *code;
    const QString familyName = parser.value(family);
    if (familyName != QLatin1String("gd77") && familyName != QLatin1String("uv380"))
        return usageError(context, kNew, QStringLiteral("--family must be gd77 or uv380"));
    if (parser.value(output).isEmpty())
        return usageError(context, kNew, QStringLiteral("missing -o FILE"));

    ControllerSession session(context);
    if (!session.checkOutput(parser.value(output)))
        return kExitFailed;
    RadioController& controller = session.controller();
    const RadioVariant variant =
        familyName == QLatin1String("uv380") ? RadioVariant::uv380 : RadioVariant::gd77;
    if (!controller.newCodeplug(variant).isDone())
        return kExitFailed;
    return ControllerSession::exitCode(controller.saveCodeplugFile(parser.value(output)).isDone());
}

} // namespace

} // namespace nerka::cli
