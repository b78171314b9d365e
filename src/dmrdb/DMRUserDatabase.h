#pragma once

#include "dmrdb/DMRUserEntry.h"
#include "dmrdb/DMRUserEntryList.h"

namespace nerka {

// The DMR user-ID table in memory with the encoding chosen for the radio.
struct DMRUserDatabase {
    DMRUserEntryList entries; // import or device-read order; not sorted, duplicates kept
    DMRNameFormat nameFormat = DMRNameFormat::firstName;
    DMRDBFormat format = DMRDBFormat::compressed;
    int textLength = 16; // display characters per record; the encoder clamps it to 1..20

    friend bool operator==(const DMRUserDatabase&, const DMRUserDatabase&) = default;
};

} // namespace nerka
