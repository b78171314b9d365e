#pragma once

#include "link/Result.h"

#include <QString>

namespace nerka {

// One pseudo-terminal pair, seen from the device side: the master descriptor
// the stand-in reads requests from and writes answers to, and the path of the
// slave device a program opens as its serial port.
//
// The pair keeps a descriptor of its own slave open. Without it the master
// reports end-of-file (EIO) and hang-up for as long as no program has the
// slave open, which happens every time the program closes and reopens the
// port; with it the master just waits for the next request.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal(); // closes both descriptors
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates a new pair in raw mode (no echo, no line editing, 8-bit clean);
    // closes any pair held before. The failure text names the call that failed.
    Result<void, QString> open();
    // Closes both sides: a program using the slave sees the device go away.
    void close();

    [[nodiscard]] bool isOpen() const { return m_master >= 0; }
    [[nodiscard]] int masterFd() const { return m_master; }
    [[nodiscard]] QString slavePath() const { return m_slavePath; }
    // Bytes written by the master that no program has read yet.
    [[nodiscard]] int pendingInput() const;

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

} // namespace nerka
