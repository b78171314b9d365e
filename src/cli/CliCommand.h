#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <vector>

namespace nerka::cli {

enum ExitCode : int {
    kExitOk = 0,     // the command did what it was asked
    kExitFailed = 1, // an operation failed; its error line was printed
    kExitUsage = 2,  // unknown command or option, missing argument
};

// What a command sees of the process: its arguments (after the command name)
// and the streams it may print to. Tests hand in string-backed streams.
struct CliContext {
    QStringList args;
    QTextStream& out;
    QTextStream& err;
    bool errIsTerminal = false; // progress bars go to stderr only when it is a terminal
};

struct CliCommand {
    const char* name;    // "dump", "dmrdb", ...
    const char* usage;   // the arguments after the name, for the usage line
    const char* summary; // one line for `nerka-cli --help`
    int (*run)(CliContext&);
};

// Every command file registers itself with one static CliRegistration, so
// adding a command touches no other file.
class CliRegistry {
public:
    static void add(const CliCommand& command);
    [[nodiscard]] static const std::vector<CliCommand>& all(); // sorted by name
    [[nodiscard]] static const CliCommand* find(const QString& name);
};

struct CliRegistration {
    explicit CliRegistration(const CliCommand& command) { CliRegistry::add(command); }
};

// Runs a whole command line (without the program name): --version, --help,
// or a command. Returns the exit code.
int runCli(CliContext& context);

// Prints "nerka-cli: <message>" and the command's usage line to stderr; returns kExitUsage.
int usageError(CliContext& context, const CliCommand& command, const QString& message);

// Parses the command's arguments with the given parser (options added by the
// caller). Handles --help (prints usage, returns kExitOk) and unknown options
// or a wrong number of positional arguments (returns kExitUsage). Returns
// nothing when the command should go on.
std::optional<int> parseArguments(CliContext& context, const CliCommand& command,
                                  QCommandLineParser& parser, int minPositional, int maxPositional);

// Text of the usage line: "usage: nerka-cli <name> <usage>".
QString usageLine(const CliCommand& command);

} // namespace nerka::cli
