#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// The highest frequency a channel record holds: 8 BCD digits of 10 Hz. A
// value that rounds to 1000 MHz or more would be stored wrapped.
inline constexpr std::uint64_t kMaxChannelFrequencyHz = 999'999'999;

// Hertz shown as MHz with five decimals ("145.50000"): every frequency the
// program shows or writes as text.
[[nodiscard]] QString megahertzText(std::uint64_t hz);

// A frequency typed in MHz ("," accepted for "."), in Hz: every frequency the
// program reads from text. Nothing unless the whole text, trimmed of spaces
// and tabs, is a decimal number above 0 and below 1000 whose value in whole
// Hz is at least 1 Hz and still below 1000 MHz.
[[nodiscard]] std::optional<std::uint64_t> parseMegahertz(const QString& text);

// The number of a text in MHz without a range (a signed repeater offset):
// the same text rule, trimmed of spaces and tabs.
[[nodiscard]] std::optional<double> megahertzNumber(const QString& text);

// Why a text is no frequency, for a message after the field's label ("not a
// number in MHz"); empty for a valid one.
[[nodiscard]] QString megahertzProblem(const QString& text);

} // namespace nerka
