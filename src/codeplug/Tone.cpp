#include "codeplug/Tone.h"

#include <algorithm>

namespace nerka {

namespace {

constexpr std::uint16_t kDcsFlag = 0x8000;
constexpr std::uint16_t kInvertedFlag = 0x4000;
constexpr std::uint16_t kDigitsMask = 0x3FFF;

} // namespace

QString Tone::displayText() const {
    if (kind == Kind::ctcss)
        return QString::asprintf("%.1f", value / 10.0);
    return QString::asprintf("D%03d", value) + (inverted ? u'I' : u'N');
}

std::optional<Tone> decodeTone(std::uint16_t code) {
    if (code == kNoToneCode)
        return std::nullopt;
    const int value = (code & 0xF) + 10 * ((code >> 4) & 0xF) + 100 * ((code >> 8) & 0xF) +
                      1000 * ((code >> 12) & 0x3);
    if (code & kDcsFlag)
        return Tone::dcs(value, (code & kInvertedFlag) != 0);
    return Tone::ctcss(value);
}

std::uint16_t encodeTone(const std::optional<Tone>& tone) {
    if (!tone)
        return kNoToneCode;
    unsigned remaining = tone->value < 0 ? 0u : unsigned(tone->value);
    unsigned packed = 0;
    for (int digit = 0; digit < 4; ++digit) {
        packed |= (remaining % 10) << (4 * digit);
        remaining /= 10;
    }
    auto code = std::uint16_t(packed & kDigitsMask);
    if (tone->kind == Tone::Kind::dcs) {
        code |= kDcsFlag;
        if (tone->inverted)
            code |= kInvertedFlag;
    }
    return code;
}

const QList<int>& ctcssTable() {
    static const QList<int> table = {670,  693,  719,  744,  770,  797,  825,  854,  885,  915,
                                     948,  974,  1000, 1035, 1072, 1109, 1148, 1188, 1230, 1273,
                                     1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679,
                                     1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966, 1995,
                                     2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};
    return table;
}

const QList<int>& dcsTable() {
    static const QList<int> table = {
        23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
        116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
        225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
        325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
        452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
        627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};
    return table;
}

QList<int> toneChoices(Tone::Kind kind, std::optional<int> currentValue) {
    QList<int> choices = kind == Tone::Kind::ctcss ? ctcssTable() : dcsTable();
    if (currentValue) {
        const auto at = std::lower_bound(choices.begin(), choices.end(), *currentValue);
        if (at == choices.end() || *at != *currentValue)
            choices.insert(at, *currentValue);
    }
    return choices;
}

} // namespace nerka
