#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace nerka {

// The one bounds-checked byte reader and writer that every codec uses. Every
// accessor checks its range against the buffer first: a read outside gives
// nothing, a write outside changes nothing and reports false. The byte order
// is always part of the name.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& data) : m_data(data) {}

    [[nodiscard]] int size() const { return int(m_data.size()); }
    [[nodiscard]] bool has(int offset, int count) const {
        return offset >= 0 && count >= 0 && qsizetype(offset) + count <= m_data.size();
    }

    [[nodiscard]] std::optional<std::uint8_t> u8(int offset) const;
    [[nodiscard]] std::optional<std::uint16_t> u16le(int offset) const;
    [[nodiscard]] std::optional<std::uint16_t> u16be(int offset) const;
    [[nodiscard]] std::optional<std::uint32_t> u32le(int offset) const;
    [[nodiscard]] std::optional<std::uint32_t> u32be(int offset) const;
    [[nodiscard]] std::optional<bool> bit(int offset, int bitIndex) const;
    [[nodiscard]] std::optional<QByteArray> bytes(int offset, int count) const;

    // Unchecked accessors for code that has already called has() for the range.
    [[nodiscard]] std::uint8_t at(int offset) const { return std::uint8_t(m_data[offset]); }

private:
    const QByteArray& m_data;
};

class ByteWriter {
public:
    explicit ByteWriter(QByteArray& data) : m_data(data) {}

    [[nodiscard]] int size() const { return int(m_data.size()); }
    [[nodiscard]] bool has(int offset, int count) const {
        return offset >= 0 && count >= 0 && qsizetype(offset) + count <= m_data.size();
    }

    bool setU8(int offset, std::uint8_t value);
    bool setU16le(int offset, std::uint16_t value);
    bool setU16be(int offset, std::uint16_t value);
    bool setU32le(int offset, std::uint32_t value);
    bool setU32be(int offset, std::uint32_t value);
    // Sets or clears one bit of a byte, keeping the other seven.
    bool setBit(int offset, int bitIndex, bool on);
    bool setBytes(int offset, const QByteArray& bytes);

private:
    QByteArray& m_data;
};

// Packed decimal: each group of four bits holds one decimal digit, least
// significant digit in the lowest bits. Digits above 9 in a stored value are
// taken as they stand (a nibble of 0xA counts as ten), which is what the
// radio's own arithmetic does with a damaged field.
[[nodiscard]] std::uint64_t bcdToValue(std::uint64_t packed, int digits);
// Keeps the lowest `digits` decimal digits of `value`; higher digits are lost.
[[nodiscard]] std::uint64_t valueToBcd(std::uint64_t value, int digits);

} // namespace nerka
