#include "ui/rules/FrequencyText.h"

#include <cmath>

namespace nerka {

namespace {

// The number in MHz, or nothing unless the whole trimmed text is a decimal
// number. Only digits, one point, an optional leading sign and an optional
// exponent are let through before QString::toDouble (which is C-locale), so
// "inf", "nan" and hexadecimal forms stay invalid.
std::optional<double> readMHz(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    t = t.trimmed();
    if (t.isEmpty()) {
        return std::nullopt;
    }
    for (const QChar c : t) {
        const bool allowed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                             c == QLatin1Char('.') || c == QLatin1Char('+') ||
                             c == QLatin1Char('-') || c == QLatin1Char('e') ||
                             c == QLatin1Char('E');
        if (!allowed) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const double mhz = t.toDouble(&ok);
    if (!ok || !std::isfinite(mhz)) {
        return std::nullopt;
    }
    return mhz;
}

} // namespace

std::optional<std::uint64_t> FrequencyText::parseHz(const QString& text) {
    const auto mhz = readMHz(text);
    if (!mhz || !(*mhz > 0.0) || !(*mhz < 1000.0)) {
        return std::nullopt;
    }
    const double hz = std::round(*mhz * 1'000'000.0);
    // A tiny positive number rounds to 0 Hz, which is no frequency.
    if (hz < 1.0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(hz);
}

QString FrequencyText::problem(const QString& text) {
    if (parseHz(text))
        return {};
    if (text.trimmed().isEmpty())
        return QStringLiteral("enter a frequency in MHz");
    const auto mhz = readMHz(text);
    if (!mhz)
        return QStringLiteral("not a number in MHz");
    if (*mhz >= 1000.0)
        return QStringLiteral("must be below 1000 MHz");
    return QStringLiteral("must be above 0 MHz");
}

std::optional<std::int64_t> FrequencyText::parseSignedHz(const QString& text) {
    const auto mhz = readMHz(text);
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
    return QString::asprintf("%.5f", static_cast<double>(hz) / 1'000'000.0);
}

} // namespace nerka
