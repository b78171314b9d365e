#pragma once

#include "codeplug/CodeplugImage.h"

#include <QByteArray>
#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace nerka {

// The two colour themes a codeplug may hold, each a block of the custom-data area.
enum class ThemeKind { day, night };

[[nodiscard]] QString themeKindText(ThemeKind kind);        // "Day" / "Night"
[[nodiscard]] QString themeKindKey(ThemeKind kind);         // "day" / "night", for file names
[[nodiscard]] std::uint32_t themeBlockType(ThemeKind kind); // 4 / 5

// One screen colour, each component from 0 to 1.
struct ThemeColor {
    double r = 0;
    double g = 0;
    double b = 0;

    friend bool operator==(const ThemeColor&, const ThemeColor&) = default;
};

inline size_t qHash(const ThemeColor& color, size_t seed = 0) {
    return qHashMulti(seed, color.r, color.g, color.b);
}

// A theme: 32 colours in slot order, stored as big-endian RGB565 (bits 15-11
// red, 10-5 green, 4-0 blue), 64 bytes right after the block head. A `.gtm`
// file holds exactly the same 64 bytes and nothing else.
struct ThemeBlock {
    static constexpr int kColorCount = 32;
    static constexpr int kColorSize = 2;
    static constexpr int kDataSize = kColorCount * kColorSize; // 64
};

// RGB565 with each component rounded half away from zero. Components outside
// 0..1 (and NaN, taken as 0) are clamped so one channel can never spill into
// the bits of another.
[[nodiscard]] std::uint16_t packThemeColor(const ThemeColor& color);
[[nodiscard]] ThemeColor unpackThemeColor(std::uint16_t value);

// The 32 colours of the theme, or nothing without a variant, without a readable
// custom-data area, without a block of the kind, or when the block's declared
// length or its 64 colour bytes run past the area.
[[nodiscard]] std::optional<QList<ThemeColor>> decodeTheme(ThemeKind kind,
                                                           const CodeplugImage& image);

// Writes the colours into the existing block of the kind, in place; a theme
// block is never created or resized. Empty when the list does not hold exactly
// 32 colours or when decodeTheme would find no theme; nothing is then written.
[[nodiscard]] RegionSet encodeTheme(const QList<ThemeColor>& colors, ThemeKind kind,
                                    CodeplugImage& image);

// 32 colours from the first 64 bytes; nothing for fewer than 64 bytes. Later
// bytes are ignored.
[[nodiscard]] std::optional<QList<ThemeColor>> parseGtm(const QByteArray& bytes);
// Two bytes per colour in list order (an empty list gives an empty file).
[[nodiscard]] QByteArray encodeGtm(const QList<ThemeColor>& colors);

// The labels of the 32 colour slots, in slot order.
[[nodiscard]] const QStringList& themeSlotLabels();
// The label of one slot in the window's language (FieldText.h); "Color N"
// for an index without a fixed label.
[[nodiscard]] QString themeSlotLabel(qsizetype index);

} // namespace nerka
