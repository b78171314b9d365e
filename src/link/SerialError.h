#pragma once

#include <QString>

namespace nerka {

// A failure of the serial port. The description is the text the user sees.
struct SerialError {
    enum class Kind {
        openFailed,
        configFailed,
        writeFailed,
        readFailed,
        shortWrite,
        notOpen,
        readTimeout,
        portBusy
    };
    Kind kind = Kind::notOpen;
    QString text;     // the system's error text (openFailed … readFailed)
    int expected = 0; // shortWrite only
    int actual = 0;   // shortWrite only
    // The errno value of an open that failed, 0 when not known. It tells a
    // port that is missing from one that refuses this user (LinkError::kind).
    int systemError = 0;

    // `errorNumber` gives both the errno value and the system's text for it.
    static SerialError openFailed(int errorNumber) {
        return {Kind::openFailed, systemText(errorNumber), 0, 0, errorNumber};
    }
    static SerialError configFailed(QString text) {
        return {Kind::configFailed, std::move(text), 0, 0, 0};
    }
    static SerialError writeFailed(QString text) {
        return {Kind::writeFailed, std::move(text), 0, 0, 0};
    }
    static SerialError readFailed(QString text) {
        return {Kind::readFailed, std::move(text), 0, 0, 0};
    }
    static SerialError shortWrite(int expected, int actual) {
        return {Kind::shortWrite, {}, expected, actual, 0};
    }
    static SerialError notOpen() { return {Kind::notOpen, {}, 0, 0, 0}; }
    static SerialError readTimeout() { return {Kind::readTimeout, {}, 0, 0, 0}; }
    // Another program (or another Nerka) has the port open for itself.
    static SerialError portBusy() { return {Kind::portBusy, {}, 0, 0, 0}; }

    // The C library's text for an errno value.
    [[nodiscard]] static QString systemText(int errorNumber);

    [[nodiscard]] QString description() const;

    friend bool operator==(const SerialError&, const SerialError&) = default;
};

} // namespace nerka
