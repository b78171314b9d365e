#pragma once

#include <QByteArray>

#include <cstdint>

namespace nerka {

// DMR IDs are stored as 8 packed decimal digits, most significant digits first:
// ID 1234567 is the four bytes 01 23 45 67. Contacts and the radio's own ID in
// the device settings share this field.
constexpr int kDmrIdSize = 4;
constexpr int kDmrIdDigits = 8;

// The lowest 8 decimal digits of `id` (an ID above 99999999 loses its higher digits).
[[nodiscard]] QByteArray encodeDmrId(std::uint32_t id);

// Reads the first 4 bytes; a shorter field reads as 0. A nibble above 9 counts
// with its face value, as the radio's own arithmetic does.
[[nodiscard]] std::uint32_t decodeDmrId(const QByteArray& bytes);

} // namespace nerka
