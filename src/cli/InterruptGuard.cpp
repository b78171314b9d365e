#include "cli/InterruptGuard.h"

#include "cli/CliCommand.h"

#include "controller/RadioController.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace nerka::cli {

namespace {

// The handler may only do async-signal-safe things: it writes the signal
// number into a pipe that the event loop watches, and gives the signal its
// default action back so a second one ends the process.
int g_pipe[2] = {-1, -1};

extern "C" void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const char byte = char(signalNumber);
    (void)!::write(g_pipe[1], &byte, 1);
    std::signal(signalNumber, SIG_DFL);
    errno = savedErrno;
}

void setHandler(int signalNumber, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

InterruptGuard::InterruptGuard(RadioController& controller) : m_controller(controller) {
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return; // signals keep their default action
    }
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] {
        char byte = 0;
        while (::read(g_pipe[0], &byte, 1) == 1) {
            if (m_signal == 0) {
                m_signal = int(byte);
                m_controller.requestStop();
            }
        }
    });
    setHandler(SIGINT, &onSignal);
    setHandler(SIGTERM, &onSignal);
}

int reportInterrupted(CliContext& context, const InterruptGuard& guard) {
    const char* name = guard.signalNumber() == SIGINT    ? "SIGINT"
                       : guard.signalNumber() == SIGTERM ? "SIGTERM"
                                                         : "a signal";
    context.err << "nerka-cli: interrupted by " << name
                << "; the transfer was ended after the current block.\n";
    context.err.flush();
    return guard.exitCode();
}

InterruptGuard::~InterruptGuard() {
    setHandler(SIGINT, SIG_DFL);
    setHandler(SIGTERM, SIG_DFL);
    m_notifier.reset();
    for (int& fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

} // namespace nerka::cli
