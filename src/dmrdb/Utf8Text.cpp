#include "dmrdb/Utf8Text.h"

#include <bit>

namespace nerka::utf8 {

bool isValid(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Skip ASCII runs 32 bytes at a time.
        while (end - p >= 32) {
            std::uint64_t words[4];
            std::memcpy(words, p, 32);
            if ((words[0] | words[1] | words[2] | words[3]) & 0x8080808080808080ULL)
                break;
            p += 32;
        }
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            const std::uint64_t high = word & 0x8080808080808080ULL;
            if (high) {
                if constexpr (std::endian::native == std::endian::little)
                    p += std::countr_zero(high) >> 3;
                break;
            }
            p += 8;
        }
        while (p < end && *p < 0x80)
            ++p;
        if (p == end)
            break;
        const int n = sequenceLength(p, end);
        if (n == 0)
            return false;
        p += n;
    }
    return true;
}

QByteArray fromLatin1(QByteArrayView bytes) {
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out.append(c);
        } else {
            out.append(char(0xC0 | (b >> 6)));
            out.append(char(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

char32_t nextScalar(const unsigned char*& p, const unsigned char* end) {
    const int n = sequenceLength(p, end);
    char32_t value;
    switch (n) {
    case 1:
        value = p[0];
        break;
    case 2:
        value = char32_t(p[0] & 0x1F) << 6 | (p[1] & 0x3F);
        break;
    case 3:
        value = char32_t(p[0] & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
        break;
    case 4:
        value = char32_t(p[0] & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 |
                char32_t(p[2] & 0x3F) << 6 | (p[3] & 0x3F);
        break;
    default:
        ++p;
        return 0xFFFD;
    }
    p += n;
    return value;
}

} // namespace nerka::utf8
