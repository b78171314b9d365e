#include "dmrdb/Utf8Text.h"

namespace nerka::utf8 {

namespace {

// Length of the well-formed sequence at p, or 0 (RFC 3629 table of valid
// second bytes: E0 needs A0..BF, ED needs 80..9F, F0 needs 90..BF, F4 80..8F).
int sequenceLength(const unsigned char* p, const unsigned char* end) {
    const unsigned char b = p[0];
    if (b < 0x80)
        return 1;
    const ptrdiff_t left = end - p;
    auto cont = [](unsigned char c) { return (c & 0xC0) == 0x80; };
    if (b >= 0xC2 && b <= 0xDF)
        return left >= 2 && cont(p[1]) ? 2 : 0;
    if (b >= 0xE0 && b <= 0xEF) {
        if (left < 3 || !cont(p[1]) || !cont(p[2]))
            return 0;
        if (b == 0xE0 && p[1] < 0xA0)
            return 0;
        if (b == 0xED && p[1] > 0x9F)
            return 0;
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        if (left < 4 || !cont(p[1]) || !cont(p[2]) || !cont(p[3]))
            return 0;
        if (b == 0xF0 && p[1] < 0x90)
            return 0;
        if (b == 0xF4 && p[1] > 0x8F)
            return 0;
        return 4;
    }
    return 0;
}

} // namespace

bool isValid(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Skip ASCII runs eight bytes at a time.
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        if (*p < 0x80) {
            ++p;
            continue;
        }
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
