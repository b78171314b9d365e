#pragma once

#include <QByteArray>

#include <initializer_list>

namespace nerka::test {

// Hand-written expected bytes: bytes({0x00, 0x55, 0x14}).
inline QByteArray bytes(std::initializer_list<unsigned> values) {
    QByteArray out;
    out.reserve(int(values.size()));
    for (unsigned v : values)
        out.append(char(v & 0xFF));
    return out;
}

// Lower-case hex without separators, for readable failure messages.
inline QByteArray hex(const QByteArray& data) {
    return data.toHex();
}

// A 16-byte name field: the text, padded with 0xFF.
inline QByteArray name16(const char* text) {
    QByteArray field(text);
    return field + QByteArray(16 - field.size(), char(0xFF));
}

} // namespace nerka::test
