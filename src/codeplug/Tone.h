#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// A CTCSS or DCS squelch tone. Channels and the satellite table share it.
struct Tone {
    enum class Kind { ctcss, dcs };

    Kind kind = Kind::ctcss;
    // CTCSS: frequency in tenths of Hz (88.5 Hz = 885). DCS: the code's three
    // octal digits read as a decimal number (D023 = 23).
    int value = 0;
    // DCS polarity; always false for CTCSS.
    bool inverted = false;

    [[nodiscard]] static Tone ctcss(int tenthsHz) { return {Kind::ctcss, tenthsHz, false}; }
    [[nodiscard]] static Tone dcs(int code, bool inverted) { return {Kind::dcs, code, inverted}; }

    [[nodiscard]] bool isDcs() const { return kind == Kind::dcs; }

    // "88.5" for CTCSS, "D023N" / "D023I" for DCS.
    [[nodiscard]] QString displayText() const;

    friend bool operator==(const Tone&, const Tone&) = default;
};

inline size_t qHash(const Tone& tone, size_t seed = 0) {
    return qHashMulti(seed, int(tone.kind), tone.value, tone.inverted);
}

// The 16-bit tone code of the channel record and the satellite table:
// 0xFFFF no tone; bit 15 clear: CTCSS, the tenths of Hz as four BCD digits
// (thousands in bits 12-13); bit 15 set: DCS, bit 14 inverted polarity, the
// code's digits as BCD in bits 0-13.
inline constexpr std::uint16_t kNoToneCode = 0xFFFF;

[[nodiscard]] std::optional<Tone> decodeTone(std::uint16_t code);
// Digits above the four that fit are lost: a value above 3999 keeps only the
// thousands that bits 12-13 can hold.
[[nodiscard]] std::uint16_t encodeTone(const std::optional<Tone>& tone);

// The values offered when a tone is chosen, ascending: 50 CTCSS frequencies in
// tenths of Hz and 104 DCS codes. A record may hold any other value too.
[[nodiscard]] const QList<int>& ctcssTable();
[[nodiscard]] const QList<int>& dcsTable();

// The values to offer for a channel: the table of `kind`, with `currentValue`
// added in ascending order when the table does not hold it, so a picker can
// always show what the record holds.
[[nodiscard]] QList<int> toneChoices(Tone::Kind kind, std::optional<int> currentValue);

} // namespace nerka
