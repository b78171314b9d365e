#pragma once

#include "Bytes.h"

#include <QString>

namespace nerka::test {

// A real element set (the ISS, 2008) with its catalogue number replaced; both
// lines are 69 characters long.
inline QString elementLine1(const QString& catalogue = QStringLiteral("25544")) {
    return QStringLiteral("1 %1U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927")
        .arg(catalogue, 5);
}
inline QString elementLine2(const QString& catalogue = QStringLiteral("25544")) {
    return QStringLiteral("2 %1  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537")
        .arg(catalogue, 5);
}

// The fields the radio keeps, packed by hand.
// Line 1 [18-19][20-31][33-42]: "08" "264.51782528" "-.00002182".
inline QByteArray issTle1() {
    return bytes({0x08, 0x26, 0x4A, 0x51, 0x78, 0x25, 0x28, 0xDA, 0x00, 0x00, 0x21, 0x82});
}
// Line 2: " 51.6416" "247.4627" "0006703" "130.5360" "325.0288" "15.72125391" "56353",
// 55 characters, the 56th nibble a space.
inline QByteArray issTle2() {
    return bytes({0xB5, 0x1A, 0x64, 0x16, 0x24, 0x7A, 0x46, 0x27, 0x00, 0x06,
                  0x70, 0x31, 0x30, 0xA5, 0x36, 0x03, 0x25, 0xA0, 0x28, 0x81,
                  0x5A, 0x72, 0x12, 0x53, 0x91, 0x56, 0x35, 0x3B});
}

} // namespace nerka::test
