#pragma once

#include "codeplug/CodeplugImage.h"

namespace nerka {

// The radio's codeplug `radio` with the records of `records` (a codeplug of
// the same family started without a radio) laid over it: the eight channel
// banks, the zone table, the contact table and the RX group list table are
// taken whole; of the device settings only what `records` sets (a call sign,
// a DMR ID other than 0, a band whose limits are not 0); a day or night theme's
// colours when both have that theme. Everything else (the rest of the settings
// block, the APRS systems, the custom-data area, bytes no codec decodes)
// stays as the radio holds it. A `records` image of another family, or one
// without a family, gives `radio` unchanged.
[[nodiscard]] CodeplugImage overlayRecords(const CodeplugImage& radio,
                                           const CodeplugImage& records);

// `image` with the call sign and DMR ID of `identity` (another codeplug, the
// radio's own): every other byte stays. `image` unchanged when either has no
// readable settings block.
[[nodiscard]] CodeplugImage withIdentityOf(const CodeplugImage& image,
                                           const CodeplugImage& identity);

} // namespace nerka
