#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// The text rule of every MHz field of the editors (channel RX/TX, satellite
// RX/TX, band limits). A comma counts as the decimal point, surrounding white
// space is ignored, and the rest must be one complete decimal number in the C
// locale; the result is rounded to the nearest hertz. Nothing else is accepted,
// so "145.5abc", "1e2x" or "" give no value rather than a partial one.
class FrequencyText {
public:
    // Hertz for a frequency strictly between 0 and 1000 MHz, or nothing.
    [[nodiscard]] static std::optional<std::uint64_t> parseHz(const QString& text);
    [[nodiscard]] static bool isValid(const QString& text) { return parseHz(text).has_value(); }
    // Why a text is no valid frequency, for a message after the field's name
    // ("must be below 1000 MHz"); empty for a valid one.
    [[nodiscard]] static QString problem(const QString& text);

    // A signed offset in MHz with no range limit (the custom repeater offset):
    // same text rule, rounded to the nearest hertz. Nothing for non-numbers
    // and for values too large to hold in hertz.
    [[nodiscard]] static std::optional<std::int64_t> parseSignedHz(const QString& text);

    // Hertz shown as MHz with five decimals ("145.50000").
    [[nodiscard]] static QString formatMHz(std::uint64_t hz);
};

// Convenience spellings used by the editors.
[[nodiscard]] inline QString formatMHz(std::uint64_t hz) {
    return FrequencyText::formatMHz(hz);
}

} // namespace nerka
