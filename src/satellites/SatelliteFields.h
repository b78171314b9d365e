#pragma once

#include "codeplug/RecordFieldTables.h"
#include "satellites/Satellite.h"

namespace nerka {

using SatelliteFieldInfo = RecordFieldInfo<Satellite>;

// The fields of a satellite in the order of `dump --json`: name, the packed
// keps (two element lines and their epoch), the voice, APRS and other
// frequency pairs with their tones, and the additional data kept as read.
// `text` is what the satellite table shows: frequencies in MHz, "—" for a
// frequency, tone or epoch that is not set.
[[nodiscard]] const QList<SatelliteFieldInfo>& satelliteFieldTable();

// The row of dump key `key`, or nullptr.
[[nodiscard]] const SatelliteFieldInfo* satelliteField(QLatin1String key);

} // namespace nerka
