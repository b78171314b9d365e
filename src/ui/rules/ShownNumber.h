#pragma once

#include <QString>

namespace nerka {

// Numbers as the window shows them (never in a field that is typed into): in
// the window's language, with its digit grouping and decimal separator
// ("12.345" and "145,50000" in German); without a language (C locale, the
// tests) as written in the code, whatever the process's locale.

// Whether numbers follow QLocale()'s default (set while a window language is
// installed, see WindowTranslators); off, they are shown as written.
void setNumbersFollowLocale(bool on);

// As written: "37135".
[[nodiscard]] QString shownNumber(qsizetype value);
// As written: grouped by commas, "37,135".
[[nodiscard]] QString shownGroupedNumber(qsizetype value);
// As written: "145.50000" for (145.5, 5).
[[nodiscard]] QString shownDecimal(double value, int decimals);

} // namespace nerka
