#include "sim/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace nerka {

namespace {

QString failure(const char* call) {
    return QString::fromLatin1(call) + QStringLiteral(": ") +
           QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

PseudoTerminal::~PseudoTerminal() {
    close();
}

Result<void, QString> PseudoTerminal::open() {
    close();
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return failure("posix_openpt");
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        QString text = failure("grantpt/unlockpt");
        ::close(master);
        return text;
    }
    const char* name = ::ptsname(master);
    if (!name) {
        QString text = failure("ptsname");
        ::close(master);
        return text;
    }
    const QString slavePath = QString::fromLocal8Bit(name);

    // Terminal attributes set through the master apply to the terminal as a
    // whole: raw, so nothing the stand-in answers is echoed or translated
    // before the program has configured the port itself.
    termios tio{};
    if (::tcgetattr(master, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(master, TCSANOW, &tio);
    }
    const int flags = ::fcntl(master, F_GETFL);
    ::fcntl(master, F_SETFL, flags | O_NONBLOCK);

    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave < 0) {
        QString text = failure("open slave");
        ::close(master);
        return text;
    }
    m_master = master;
    m_slave = slave;
    m_slavePath = slavePath;
    return {};
}

void PseudoTerminal::close() {
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = -1;
    m_master = -1;
    m_slavePath.clear();
}

int PseudoTerminal::pendingInput() const {
    int count = 0;
    if (m_slave < 0 || ::ioctl(m_slave, FIONREAD, &count) != 0)
        return 0;
    return count;
}

} // namespace nerka
