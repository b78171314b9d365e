#include "link/SerialPort.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace nerka {

namespace {

// termios wants the speed as a B-constant; an unsupported rate is EINVAL,
// as cfsetispeed itself would report it on systems that take plain numbers.
bool speedConstant(int baudRate, speed_t& speed) {
    switch (baudRate) {
    case 1200:
        speed = B1200;
        return true;
    case 2400:
        speed = B2400;
        return true;
    case 4800:
        speed = B4800;
        return true;
    case 9600:
        speed = B9600;
        return true;
    case 19200:
        speed = B19200;
        return true;
    case 38400:
        speed = B38400;
        return true;
    case 57600:
        speed = B57600;
        return true;
    case 115200:
        speed = B115200;
        return true;
    case 230400:
        speed = B230400;
        return true;
    default:
        return false;
    }
}

QString errnoText() {
    return SerialError::systemText(errno);
}

// A descriptor whose device is gone (a USB radio unplugged or rebooting, a
// pseudo-terminal whose other side closed) reports end-of-file or hang-up
// for ever. Waiting again would spin until the caller gives up, so it is a
// read or write failure with the text of EIO.
constexpr short kGoneEvents = POLLERR | POLLHUP | POLLNVAL;

enum class Wait { ready, timeout, failed, gone };

Wait waitFor(int fd, short events, int timeoutMs) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, timeoutMs);
        if (n > 0) {
            if ((p.revents & events) == 0 && (p.revents & kGoneEvents) != 0)
                return Wait::gone;
            return Wait::ready;
        }
        if (n == 0)
            return Wait::timeout;
        if (errno != EINTR)
            return Wait::failed;
    }
}

} // namespace

SerialPort::~SerialPort() {
    close();
}

Result<void, SerialError> SerialPort::open(const QString& path, int baudRate) {
    close();
    const QByteArray nativePath = path.toLocal8Bit();
    const int fd = ::open(nativePath.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno == EBUSY ? SerialError::portBusy() : SerialError::openFailed(errno);

    // The lock keeps out every program that asks for it (the window and the
    // command line alike); exclusive mode also keeps out those that do not.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int lockErrno = errno;
        ::close(fd);
        if (lockErrno == EWOULDBLOCK)
            return SerialError::portBusy();
        return SerialError::openFailed(lockErrno);
    }
    (void)::ioctl(fd, TIOCEXCL);

    auto fail = [fd](int errorNumber) {
        (void)::ioctl(fd, TIOCNXCL);
        ::close(fd);
        return SerialError::configFailed(SerialError::systemText(errorNumber));
    };

    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return fail(errno);
    ::cfmakeraw(&tio);
    speed_t speed = 0;
    if (!speedConstant(baudRate, speed))
        return fail(EINVAL);
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0)
        return fail(errno);
    tio.c_cflag &= ~tcflag_t(CSTOPB | CREAD | PARENB);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    // Reads return at once; waiting is done with poll.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0)
        return fail(errno);

    ::tcflush(fd, TCIOFLUSH);
    m_fd = fd;
    return {};
}

Result<void, SerialError> SerialPort::write(const QByteArray& bytes, int timeoutMs) {
    if (m_fd < 0)
        return SerialError::notOpen();
    const char* data = bytes.constData();
    qsizetype remaining = bytes.size();
    while (remaining > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(remaining));
        if (n > 0) {
            data += n;
            remaining -= n;
            continue;
        }
        if (n == 0)
            return SerialError::writeFailed(errnoText());
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return SerialError::writeFailed(errnoText());
        switch (waitFor(m_fd, POLLOUT, timeoutMs)) {
        case Wait::ready:
            break;
        case Wait::timeout:
            return SerialError::readTimeout();
        case Wait::failed:
            return SerialError::readFailed(errnoText());
        case Wait::gone:
            return SerialError::writeFailed(SerialError::systemText(EIO));
        }
    }
    return {};
}

Result<QByteArray, SerialError> SerialPort::read(int count, int timeoutMs) {
    if (m_fd < 0)
        return SerialError::notOpen();
    QByteArray buffer(qMax(count, 0), '\0');
    int got = 0;
    bool polledReady = false; // the last wait said data (or end of file) is there
    while (got < count) {
        const ssize_t n = ::read(m_fd, buffer.data() + got, size_t(count - got));
        if (n > 0) {
            got += int(n);
            polledReady = false;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return SerialError::readFailed(errnoText());
        // Nothing there. After poll reported the descriptor readable, a read
        // of nothing is end of file: the device has gone.
        if (n == 0 && polledReady)
            return SerialError::readFailed(SerialError::systemText(EIO));
        switch (waitFor(m_fd, POLLIN, timeoutMs)) {
        case Wait::ready:
            polledReady = true;
            break;
        case Wait::timeout:
            return SerialError::readTimeout();
        case Wait::failed:
            return SerialError::readFailed(errnoText());
        case Wait::gone:
            return SerialError::readFailed(SerialError::systemText(EIO));
        }
    }
    return buffer;
}

void SerialPort::flush() {
    if (m_fd >= 0)
        ::tcflush(m_fd, TCIOFLUSH);
}

void SerialPort::close() {
    if (m_fd >= 0) {
        // Exclusive mode belongs to the terminal, not to this descriptor: it
        // would outlive the close while anyone else holds the device open.
        (void)::ioctl(m_fd, TIOCNXCL);
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace nerka
