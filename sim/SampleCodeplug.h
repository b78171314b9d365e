#pragma once

#include "codeplug/BlankCodeplug.h" // blankCodeplug, which the sample starts from
#include "codeplug/CodeplugImage.h"

namespace nerka {

// A realistic codeplug of a European radio amateur for the stand-in radio of
// the demo and the tests: FM simplex and repeater channels on 2 m and 70 cm,
// DMR repeaters with colour codes, time slots and TX contacts, zones, contacts
// and RX group lists, call sign and DMR ID, APRS system names, a day and a
// night colour theme and a satellite table. Built on a factory-blank image of
// the family's layout with the program's own encoders, so it is exactly what
// the program would write itself.
[[nodiscard]] CodeplugImage sampleCodeplug(RadioVariant variant);

} // namespace nerka
