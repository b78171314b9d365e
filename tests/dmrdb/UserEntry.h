#pragma once

// A user record from UTF-8 literals, shared by the DMR database tests.

#include "dmrdb/DMRUserEntry.h"

#include <cstdint>

namespace nerka::test {

inline DMRUserEntry entry(std::uint32_t id, const char* callsign, const char* firstName = "",
                          const char* lastName = "") {
    return {id, QString::fromUtf8(callsign), QString::fromUtf8(firstName),
            QString::fromUtf8(lastName)};
}

} // namespace nerka::test
