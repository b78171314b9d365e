#pragma once

#include "dmrdb/DMRUserEntryList.h"

#include <QByteArray>

namespace nerka {

inline constexpr char kDMRCsvHeader[] = "RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n";

// The whole export file as UTF-8: the header line, then csvLine() of every
// entry in ascending ID order (entries with equal IDs keep their list order).
[[nodiscard]] QByteArray csvExportText(const DMRUserEntryList& entries);

} // namespace nerka
