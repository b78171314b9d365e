#pragma once

#include "link/InterfaceError.h"
#include "link/SerialError.h"

#include <variant>

namespace nerka {

// What went wrong on the link, in the terms a caller decides on (whether to
// give the device doctor's advice, what to tell the user). The description
// stays the text the user sees.
enum class LinkErrorKind {
    portMissing,    // the port to open does not exist
    portDenied,     // the port refuses this user
    portBusy,       // another program holds the port
    portFailed,     // any other failure to open or configure the port
    ioFailed,       // reading or writing the open port failed, or it is closed
    timeout,        // the radio did not answer in time
    badResponse,    // the radio answered, but not as the protocol says
    unknownRadio,   // the radio identified itself as a type that has no case
    notIdentified,  // a request before the radio was identified
    invalidRequest, // a request the protocol cannot carry; nothing was sent
    interrupted,    // a write stopped on request
};

// Any failure of a link operation: either the port failed or the radio's
// answer was wrong. Built implicitly from either error type.
struct LinkError {
    std::variant<SerialError, InterfaceError> error;

    LinkError(SerialError e) : error(std::move(e)) {}
    LinkError(InterfaceError e) : error(std::move(e)) {}

    [[nodiscard]] const SerialError* serialError() const {
        return std::get_if<SerialError>(&error);
    }
    [[nodiscard]] const InterfaceError* interfaceError() const {
        return std::get_if<InterfaceError>(&error);
    }
    [[nodiscard]] QString description() const;
    [[nodiscard]] LinkErrorKind kind() const;

    friend bool operator==(const LinkError&, const LinkError&) = default;
};

} // namespace nerka
