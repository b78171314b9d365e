#include "cli/CliCommand.h"

#include <QIODevice>

#include <algorithm>

namespace nerka::cli {

namespace {

std::vector<CliCommand>& registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

void printHelp(QTextStream& stream) {
    stream << "usage: nerka-cli [--version] [--help] <command> [<args>]\n\n"
           << "Commands:\n";
    for (const CliCommand& c : CliRegistry::all())
        stream << "  " << QString::fromLatin1(c.name).leftJustified(12) << ' ' << c.summary << '\n';
    stream << "\nRun 'nerka-cli <command> --help' for a command's options.\n";
    stream.flush();
}

} // namespace

void CliRegistry::add(const CliCommand& command) {
    auto& commands = registry();
    commands.push_back(command);
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return qstrcmp(a.name, b.name) < 0; });
}

const std::vector<CliCommand>& CliRegistry::all() {
    return registry();
}

const CliCommand* CliRegistry::find(const QString& name) {
    for (const CliCommand& c : registry())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

QString usageLine(const CliCommand& command) {
    return QStringLiteral("usage: nerka-cli %1 %2")
        .arg(QString::fromLatin1(command.name), QString::fromLatin1(command.usage))
        .trimmed();
}

int usageError(CliContext& context, const CliCommand& command, const QString& message) {
    context.err << "nerka-cli: " << message << '\n' << usageLine(command) << '\n';
    context.err.flush();
    return kExitUsage;
}

std::optional<int> parseArguments(CliContext& context, const CliCommand& command,
                                  QCommandLineParser& parser, int minPositional,
                                  int maxPositional) {
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // QCommandLineParser expects the program name first.
    if (!parser.parse(QStringList{QStringLiteral("nerka-cli")} + context.args))
        return usageError(context, command, parser.errorText());
    if (parser.isSet(help)) {
        context.out << usageLine(command) << '\n' << command.summary << '\n';
        context.out.flush();
        return kExitOk;
    }
    const auto count = parser.positionalArguments().size();
    if (count < minPositional)
        return usageError(context, command, QStringLiteral("missing argument"));
    if (maxPositional >= 0 && count > maxPositional)
        return usageError(context, command,
                          QStringLiteral("unexpected argument: ") +
                              parser.positionalArguments().at(maxPositional));
    return std::nullopt;
}

int runCli(CliContext& context) {
    if (context.args.isEmpty()) {
        printHelp(context.err);
        return kExitUsage;
    }
    const QString first = context.args.first();
    if (first == QLatin1String("--version")) {
        context.out << "nerka-cli " << NERKA_VERSION << '\n';
        context.out.flush();
        return kExitOk;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h") ||
        first == QLatin1String("help")) {
        printHelp(context.out);
        return kExitOk;
    }
    const CliCommand* command = CliRegistry::find(first);
    if (!command) {
        context.err << "nerka-cli: unknown command '" << first << "'\n";
        printHelp(context.err);
        return kExitUsage;
    }
    CliContext sub{context.args.mid(1), context.out, context.err, context.errIsTerminal};
    const int code = command->run(sub);
    context.out.flush();
    // Output cut short (a full disk, a closed stream, a file-size limit) is
    // no success, whatever the command did.
    if (context.out.status() != QTextStream::Ok) {
        const QIODevice* device = context.out.device();
        const QString reason = device && !device->errorString().isEmpty()
                                   ? device->errorString()
                                   : QStringLiteral("write failed");
        context.err << "nerka-cli: could not write standard output: " << reason << '\n';
        context.err.flush();
        return kExitFailed;
    }
    context.err.flush();
    return code;
}

} // namespace nerka::cli
