#pragma once

#include "codeplug/CodeplugImage.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// Radio model as the firmware reports it; the raw value is the number the
// radio sends. Raw values 0–4 are the GD-77 family, 5–10 the UV380 family.
enum class RadioType : std::uint32_t {
    gd77 = 0,
    gd77s = 1,
    dm1801 = 2,
    rd5r = 3,
    dm1801a = 4,
    md9600 = 5,
    mduv380 = 6,
    md380 = 7,
    dm1701 = 8,
    md2017 = 9,
    dm1701rgb = 10,
};

inline constexpr std::uint32_t kHighestRadioType = 10;
inline constexpr std::uint32_t kFirstUv380RadioType = 5;

// The case of a raw value, nothing above 10.
[[nodiscard]] std::optional<RadioType> radioTypeFromRaw(std::uint32_t raw);
[[nodiscard]] constexpr std::uint32_t rawValue(RadioType type) {
    return std::uint32_t(type);
}

// "Radioddity GD-77", "TYT MD-UV380/390", ...
[[nodiscard]] QString radioTypeDisplayName(RadioType type);

// The layout family: gd77 for raw values below 5, uv380 from 5 on.
[[nodiscard]] constexpr RadioVariant radioVariant(RadioType type) {
    return rawValue(type) < kFirstUv380RadioType ? RadioVariant::gd77 : RadioVariant::uv380;
}

} // namespace nerka
