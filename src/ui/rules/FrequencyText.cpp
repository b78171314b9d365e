#include "ui/rules/FrequencyText.h"

#include "codeplug/Megahertz.h"

#include <cmath>

namespace nerka {

std::optional<std::uint64_t> FrequencyText::parseHz(const QString& text) {
    // The editors ignore any white space around the number, line breaks too.
    return parseMegahertz(text.trimmed());
}

QString FrequencyText::problem(const QString& text) {
    return megahertzProblem(text.trimmed());
}

std::optional<std::int64_t> FrequencyText::parseSignedHz(const QString& text) {
    const auto mhz = megahertzNumber(text.trimmed());
    if (!mhz) {
        return std::nullopt;
    }
    const double hz = std::round(*mhz * 1'000'000.0);
    // Beyond ±2^62 Hz the conversion would overflow; such an offset is no number.
    constexpr double kLimit = 4.6e18;
    if (hz > kLimit || hz < -kLimit) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(hz);
}

QString FrequencyText::formatMHz(std::uint64_t hz) {
    return megahertzText(hz);
}

} // namespace nerka
