#pragma once

#include "codeplug/CodeplugImage.h"

namespace nerka {

// A small, realistic codeplug for the demo radio: the family's four regions
// with device settings, a handful of FM and DMR channels, DMR contacts, one
// RX group list and two zones. Everything else is blank (zeros), so a new
// user sees a tidy radio.
[[nodiscard]] CodeplugImage sampleCodeplug(RadioVariant variant);

} // namespace nerka
