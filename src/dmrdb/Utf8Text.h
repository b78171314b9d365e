#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <cstring>
#include <string_view>

// Byte-level helpers for UTF-8 text, used where the DMR database works on the
// bytes of a file directly instead of on decoded QStrings.
namespace nerka::utf8 {

// True when no byte has its high bit set. Eight bytes per step.
[[nodiscard]] inline bool isAscii(const char* data, size_t size) {
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        if (word & 0x8080808080808080ULL)
            return false;
    }
    for (; i < size; ++i) {
        if (static_cast<unsigned char>(data[i]) & 0x80)
            return false;
    }
    return true;
}

[[nodiscard]] inline bool isAscii(std::string_view text) {
    return isAscii(text.data(), text.size());
}

// Length of the well-formed sequence at p, or 0 (RFC 3629 table of valid
// second bytes: E0 needs A0..BF, ED needs 80..9F, F0 needs 90..BF, F4 80..8F).
[[nodiscard]] inline int sequenceLength(const unsigned char* p, const unsigned char* end) {
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

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
[[nodiscard]] bool isValid(QByteArrayView bytes);

// Each byte taken as the ISO 8859-1 character of the same code.
[[nodiscard]] QByteArray fromLatin1(QByteArrayView bytes);

// Length in bytes of the horizontal white-space character (tab or a Unicode
// space separator) that starts at `p`, or 0 when none does.
[[nodiscard]] inline int horizontalSpaceAt(const unsigned char* p, const unsigned char* end) {
    const unsigned char b = *p;
    if (b == 0x20 || b == 0x09)
        return 1;
    if (b < 0xC2)
        return 0;
    const ptrdiff_t left = end - p;
    if (b == 0xC2)
        return left >= 2 && p[1] == 0xA0 ? 2 : 0; // U+00A0
    if (left < 3)
        return 0;
    if (b == 0xE1)
        return p[1] == 0x9A && p[2] == 0x80 ? 3 : 0; // U+1680
    if (b == 0xE2) {
        if (p[1] == 0x80)
            return p[2] <= 0x8A || p[2] == 0xAF ? 3 : 0; // U+2000..U+200A, U+202F
        return p[1] == 0x81 && p[2] == 0x9F ? 3 : 0;     // U+205F
    }
    if (b == 0xE3)
        return p[1] == 0x80 && p[2] == 0x80 ? 3 : 0; // U+3000
    return 0;
}

// Length of the horizontal white-space character that ends just before `end`,
// or 0 when none does.
[[nodiscard]] inline int horizontalSpaceBefore(const unsigned char* begin,
                                               const unsigned char* end) {
    const unsigned char b = end[-1];
    if (b == 0x20 || b == 0x09)
        return 1;
    if (b < 0x80)
        return 0;
    const ptrdiff_t left = end - begin;
    if (left >= 2 && end[-2] == 0xC2 && b == 0xA0)
        return 2;
    if (left >= 3 && horizontalSpaceAt(end - 3, end) == 3)
        return 3;
    return 0;
}

// Narrows [begin, end) past horizontal white space at both ends.
inline void trimHorizontalSpace(const unsigned char*& begin, const unsigned char*& end) {
    while (begin < end) {
        const int n = horizontalSpaceAt(begin, end);
        if (n == 0)
            break;
        begin += n;
    }
    while (begin < end) {
        const int n = horizontalSpaceBefore(begin, end);
        if (n == 0)
            break;
        end -= n;
    }
}

// Decodes the scalar value at `p` and advances `p` past it. A byte that does
// not start a well-formed sequence is consumed alone and yields U+FFFD.
[[nodiscard]] char32_t nextScalar(const unsigned char*& p, const unsigned char* end);

} // namespace nerka::utf8
