#pragma once

#include "codeplug/CodeplugImage.h"

namespace nerka {

// The family's regions as a radio fresh from the factory holds them: erased
// (0xFF) bytes, with every in-use table (channel bitmaps, the zone bitmap, the
// RX group lists' in-use bytes) at 0, and a custom-data area that holds only
// its "OpenGD77" signature.
[[nodiscard]] CodeplugImage blankCodeplug(RadioVariant variant);

// A codeplug started without a radio: the blank image of the family with no
// channels, contacts, talkgroups or zones, and device settings with no call
// sign, DMR ID 0 and every band limit 0 (unset, so no band check applies).
// Its settings block and everything no codec decodes are invented; a write
// applies only its records onto a radio's own codeplug (overlayRecords).
[[nodiscard]] CodeplugImage newCodeplug(RadioVariant variant);

} // namespace nerka
