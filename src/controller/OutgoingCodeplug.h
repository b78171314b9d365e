#pragma once

#include "codeplug/CodeplugImage.h"

namespace nerka {

// What a write sends to a radio holding `radio`: `codeplug` itself, or for a
// new codeplug (`recordsOnly`) its records, settings it sets, themes and
// satellites laid over the radio's own codeplug (overlayRecords); with
// `keepIdentity` the radio's call sign and DMR ID stay.
[[nodiscard]] CodeplugImage outgoingCodeplug(const CodeplugImage& radio,
                                             const CodeplugImage& codeplug, bool recordsOnly,
                                             bool keepIdentity);

} // namespace nerka
