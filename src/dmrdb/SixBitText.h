#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <string_view>

namespace nerka {

// The radio's compressed text: one 6-bit code per user-perceived character,
// packed with the first character in the highest bits. Code 0 is the space;
// every character outside the alphabet is stored as code 0 as well.
inline constexpr char kSixBitAlphabet[] =
    " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz.";
static_assert(sizeof(kSixBitAlphabet) == 64 + 1);

// Code of one user-perceived character (a grapheme cluster).
[[nodiscard]] int sixBitCode(QStringView cluster);

// Packs `text` into exactly `byteCount` bytes at `out`. Packing stops once
// `byteCount` bytes are full, so up to floor(8 * byteCount / 6) characters are
// stored; a last partial byte holds its bits at the high end; the rest is zero.
// Pure-ASCII texts take a path without a grapheme-cluster scan.
void packSixBitUtf8(std::string_view text, unsigned char* out, int byteCount);
[[nodiscard]] QByteArray packSixBit(const QString& text, int byteCount);

// The inverse: every complete 6-bit group becomes its alphabet character
// (left-over bits are ignored), then trailing spaces are removed.
[[nodiscard]] QByteArray unpackSixBit(QByteArrayView bytes);
// The same into `out`, which must hold floor(8 * byteCount / 6) characters;
// returns the length of the text.
int unpackSixBitTo(const unsigned char* bytes, int byteCount, char* out);

} // namespace nerka
