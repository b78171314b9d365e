#pragma once

#include <memory>

class QSocketNotifier;

namespace nerka {
class RadioController;
} // namespace nerka

namespace nerka::cli {

// Ctrl-C (SIGINT) and SIGTERM while a radio write runs: instead of ending the
// process with a sector half-written and the radio on its transfer screen,
// the first signal asks the controller to stop after the current block; the
// write then ends as a failed one does (open sector committed, screen
// closed). A second signal ends the process at once, as usual. While the
// guard lives only; one guard at a time.
class InterruptGuard {
public:
    explicit InterruptGuard(RadioController& controller);
    ~InterruptGuard(); // restores the default handling of both signals
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // The signal received, 0 for none.
    [[nodiscard]] int signalNumber() const { return m_signal; }
    // 128 + the signal number (130 for SIGINT, 143 for SIGTERM).
    [[nodiscard]] int exitCode() const { return 128 + m_signal; }

private:
    RadioController& m_controller;
    std::unique_ptr<QSocketNotifier> m_notifier;
    int m_signal = 0;
};

struct CliContext;

// Prints on standard error that the run was interrupted and by which signal;
// returns the guard's exit code.
int reportInterrupted(CliContext& context, const InterruptGuard& guard);

} // namespace nerka::cli
