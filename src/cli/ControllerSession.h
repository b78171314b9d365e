#pragma once

#include "cli/CliCommand.h"
#include "controller/OperationResult.h"
#include "controller/WriteSteps.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QSettings;
class QTemporaryDir;

namespace nerka {
class RadioController;
class RadioSimulator;
} // namespace nerka

namespace nerka::cli {

// The options every command that talks to a radio accepts.
struct RadioOptions {
    QString port;               // --port PATH; empty: the controller's own choice
    bool demo = false;          // --demo: an in-process stand-in radio
    std::uint32_t demoType = 0; // --demo-type N: its raw radio type (GD-77 by default)
};

// Adds --port, --demo and --demo-type to a command's parser.
void addRadioOptions(QCommandLineParser& parser);
// Reads them after parsing; a usage error's exit code when they do not fit
// together or --demo-type is no number.
std::optional<int> readRadioOptions(CliContext& context, const CliCommand& command,
                                    const QCommandLineParser& parser, RadioOptions& options);

// One RadioController for the run of a command, wired to the terminal: every
// activity-log line goes to standard output as it is appended, the text of
// each error report also to standard error, and progress to standard error as
// a bar when that is a terminal. Operations are started on the controller as
// the window would start them; run() waits for an operation's result,
// finish() runs the event loop until any other operation just started is over.
// Each command decides its exit code from the results of what it ran (see
// exitCode()); the error lines printed are only what the user reads.
class ControllerSession {
public:
    explicit ControllerSession(CliContext& context, RadioOptions options = {});
    ~ControllerSession();
    ControllerSession(const ControllerSession&) = delete;
    ControllerSession& operator=(const ControllerSession&) = delete;

    [[nodiscard]] RadioController& controller() { return *m_controller; }

    // Chooses the port (--port, the demo's stand-in, or the controller's own
    // choice) and connects. True when a radio is connected and identified.
    bool connect();
    // Starts a device operation with `start` and runs the event loop until
    // `operation` has ended and everything it posted has arrived; its result.
    OperationResult run(DeviceOperation operation, const std::function<void()>& start);
    // Runs the event loop until an `operation` the controller started on its
    // own (the read-back after a write) has ended; its result.
    OperationResult waitFor(DeviceOperation operation);
    // Runs the event loop until `done` holds.
    void waitUntil(const std::function<bool()>& done);
    // Runs the event loop until the status is no longer `working` and
    // everything the work queue has posted so far has arrived.
    void finish();
    // Checks an output path before any work is done for it: a path that
    // exists and is no regular file (nor a link to one) is reported as an
    // error and false returned.
    bool checkOutput(const QString& path);
    // The exit code of a command whose last step had this outcome.
    [[nodiscard]] static int exitCode(bool succeeded) { return succeeded ? kExitOk : kExitFailed; }

private:
    void printLine(const QString& line);
    void printError(const QString& text);
    void showProgress(double fraction);
    // A codeplug write's steps, one line on standard error each time a step
    // starts, ends or fails ("Backup: Done — codeplug-….nerka").
    void printWriteSteps();
    void endProgress();
    bool startDemo();

    CliContext& m_context;
    RadioOptions m_options;
    std::unique_ptr<QTemporaryDir> m_demoDir;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<RadioSimulator> m_simulator;
    std::unique_ptr<RadioController> m_controller;
    QList<OperationResult> m_results; // every device operation's result, in the order ended
    qsizetype m_resultsTaken = 0;     // results that run() or waitFor() has already returned
    int m_progressShown = -1;         // percent on the bar, −1 while no bar is drawn
    std::array<WriteStepState, WriteSteps::kCount> m_stepsShown{}; // as last printed
};

} // namespace nerka::cli
