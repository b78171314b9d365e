#pragma once

#include <QString>

namespace nerka {

// A count as the window shows it (never for a field that is typed into): in
// the window's language, its digit grouping ("12.345" in German, "12,345" in
// English); without a language (C locale) grouped by commas, as written.
[[nodiscard]] QString shownNumber(qsizetype value);

} // namespace nerka
