#include "codeplug/ByteIO.h"

namespace nerka {

std::optional<std::uint8_t> ByteReader::u8(int offset) const {
    if (!has(offset, 1))
        return std::nullopt;
    return std::uint8_t(m_data[offset]);
}

std::optional<std::uint16_t> ByteReader::u16le(int offset) const {
    if (!has(offset, 2))
        return std::nullopt;
    return std::uint16_t(at(offset) | (at(offset + 1) << 8));
}

std::optional<std::uint16_t> ByteReader::u16be(int offset) const {
    if (!has(offset, 2))
        return std::nullopt;
    return std::uint16_t((at(offset) << 8) | at(offset + 1));
}

std::optional<std::uint32_t> ByteReader::u32le(int offset) const {
    if (!has(offset, 4))
        return std::nullopt;
    return std::uint32_t(at(offset)) | (std::uint32_t(at(offset + 1)) << 8) |
           (std::uint32_t(at(offset + 2)) << 16) | (std::uint32_t(at(offset + 3)) << 24);
}

std::optional<std::uint32_t> ByteReader::u32be(int offset) const {
    if (!has(offset, 4))
        return std::nullopt;
    return (std::uint32_t(at(offset)) << 24) | (std::uint32_t(at(offset + 1)) << 16) |
           (std::uint32_t(at(offset + 2)) << 8) | std::uint32_t(at(offset + 3));
}

std::optional<bool> ByteReader::bit(int offset, int bitIndex) const {
    if (!has(offset, 1) || bitIndex < 0 || bitIndex > 7)
        return std::nullopt;
    return ((at(offset) >> bitIndex) & 1) != 0;
}

std::optional<QByteArray> ByteReader::bytes(int offset, int count) const {
    if (!has(offset, count))
        return std::nullopt;
    return m_data.mid(offset, count);
}

bool ByteWriter::setU8(int offset, std::uint8_t value) {
    if (!has(offset, 1))
        return false;
    m_data[offset] = char(value);
    return true;
}

bool ByteWriter::setU16le(int offset, std::uint16_t value) {
    if (!has(offset, 2))
        return false;
    m_data[offset] = char(value & 0xFF);
    m_data[offset + 1] = char(value >> 8);
    return true;
}

bool ByteWriter::setU16be(int offset, std::uint16_t value) {
    if (!has(offset, 2))
        return false;
    m_data[offset] = char(value >> 8);
    m_data[offset + 1] = char(value & 0xFF);
    return true;
}

bool ByteWriter::setU32le(int offset, std::uint32_t value) {
    if (!has(offset, 4))
        return false;
    for (int i = 0; i < 4; ++i)
        m_data[offset + i] = char((value >> (8 * i)) & 0xFF);
    return true;
}

bool ByteWriter::setU32be(int offset, std::uint32_t value) {
    if (!has(offset, 4))
        return false;
    for (int i = 0; i < 4; ++i)
        m_data[offset + i] = char((value >> (8 * (3 - i))) & 0xFF);
    return true;
}

bool ByteWriter::setBit(int offset, int bitIndex, bool on) {
    if (!has(offset, 1) || bitIndex < 0 || bitIndex > 7)
        return false;
    const auto mask = std::uint8_t(1u << bitIndex);
    auto byte = std::uint8_t(m_data[offset]);
    byte = on ? std::uint8_t(byte | mask) : std::uint8_t(byte & ~mask);
    m_data[offset] = char(byte);
    return true;
}

bool ByteWriter::setBytes(int offset, const QByteArray& bytes) {
    if (!has(offset, int(bytes.size())))
        return false;
    std::copy(bytes.begin(), bytes.end(), m_data.begin() + offset);
    return true;
}

std::uint64_t bcdToValue(std::uint64_t packed, int digits) {
    std::uint64_t value = 0;
    std::uint64_t scale = 1;
    for (int i = 0; i < digits; ++i) {
        value += ((packed >> (4 * i)) & 0xF) * scale;
        scale *= 10;
    }
    return value;
}

std::uint64_t valueToBcd(std::uint64_t value, int digits) {
    std::uint64_t packed = 0;
    for (int i = 0; i < digits; ++i) {
        packed |= (value % 10) << (4 * i);
        value /= 10;
    }
    return packed;
}

} // namespace nerka
