#pragma once

#include "link/Result.h"
#include "link/SerialError.h"

#include <QByteArray>
#include <QString>

namespace nerka {

// Owner of one open serial device file, configured for raw 8-bit transfer
// (8N1, receiver on, modem lines ignored). The descriptor stays non-blocking
// for its whole life; every wait for the device is a poll bounded by the
// caller's timeout, so no call blocks longer than that per wait. Knows nothing
// of the protocol spoken over it. Not shared between threads.
class SerialPort {
public:
    static constexpr int kDefaultBaudRate = 115200;
    static constexpr int kDefaultTimeoutMs = 3000;

    SerialPort() = default;
    ~SerialPort(); // closes the descriptor
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens and configures the device for this program alone; an already open
    // descriptor is closed first. On failure the port is closed. A port that
    // another program holds (an advisory lock on the device, or the terminal's
    // exclusive mode) fails with portBusy before anything is sent, so two
    // programs never interleave their transfers to one radio.
    Result<void, SerialError> open(const QString& path, int baudRate = kDefaultBaudRate);

    // Writes all bytes. `timeoutMs` bounds each wait for the device to accept
    // more. An empty list on an open port returns at once.
    Result<void, SerialError> write(const QByteArray& bytes, int timeoutMs);

    // Reads exactly `count` bytes. `timeoutMs` bounds each wait for the next
    // bytes, not the whole transfer. Bytes read before a failure are lost.
    Result<QByteArray, SerialError> read(int count, int timeoutMs);

    // Discards pending input and output; nothing when closed.
    void flush();
    // Closes the descriptor; nothing when closed.
    void close();

    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }
    [[nodiscard]] int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

} // namespace nerka
