#pragma once

#include "codeplug/RadioChannel.h"

#include <QList>

namespace nerka {

// The built-in channel sets, in channel order. Every entry is an FM channel
// with equal RX and TX and the other fields at ChannelEdit's defaults.

// PMR 01 … PMR 16: 446.00625 MHz upwards in 12.5 kHz steps.
[[nodiscard]] QList<ChannelEdit> pmr446Preset();
// dPMR 01 … dPMR 16: 446.103125 MHz upwards in 6.25 kHz steps.
[[nodiscard]] QList<ChannelEdit> dpmr446Preset();
// Freenet 1 … Freenet 6 between 149.025 and 149.1125 MHz.
[[nodiscard]] QList<ChannelEdit> freenetPreset();

} // namespace nerka
