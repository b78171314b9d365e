#pragma once

#include "link/InterfaceError.h"
#include "link/SerialError.h"

#include <variant>

namespace nerka {

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

    friend bool operator==(const LinkError&, const LinkError&) = default;
};

} // namespace nerka
