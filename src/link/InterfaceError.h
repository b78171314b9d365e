#pragma once

#include <QString>

#include <cstdint>

namespace nerka {

// A protocol failure of the radio link. The description is the text the user sees.
struct InterfaceError {
    enum class Kind { badResponse, unknownRadio, notIdentified, invalidRequest, interrupted };
    Kind kind = Kind::badResponse;
    QString text;                // badResponse, invalidRequest
    std::uint32_t radioType = 0; // unknownRadio

    static InterfaceError badResponse(QString text) {
        return {Kind::badResponse, std::move(text), 0};
    }
    static InterfaceError unknownRadio(std::uint32_t raw) { return {Kind::unknownRadio, {}, raw}; }
    static InterfaceError notIdentified() { return {Kind::notIdentified, {}, 0}; }
    // A request the protocol cannot carry (a payload longer than its 16-bit
    // length field, a command packet longer than 23 bytes). Raised before
    // anything is sent.
    static InterfaceError invalidRequest(QString text) {
        return {Kind::invalidRequest, std::move(text), 0};
    }

    // A write stopped on request (Ctrl-C) before its next block was sent.
    static InterfaceError interrupted() { return {Kind::interrupted, {}, 0}; }

    [[nodiscard]] QString description() const;

    friend bool operator==(const InterfaceError&, const InterfaceError&) = default;
};

} // namespace nerka
