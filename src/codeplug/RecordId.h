#pragma once

#include <QUuid>

namespace nerka {

// A random (version 4) identifier for a decoded record. The lists are decoded
// afresh after every edit, so this draws from the fast seeded generator rather
// than the system source QUuid::createUuid() reads for every call (about a
// microsecond each, more than a thousand times per decode).
[[nodiscard]] QUuid freshRecordId();

} // namespace nerka
