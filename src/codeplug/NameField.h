#pragma once

#include <QByteArray>
#include <QString>

namespace nerka {

// The fixed-width text field every named record of the codeplug uses
// (16 bytes for channels, contacts and zones, 8 for the call sign and APRS
// system names). The radio stores ISO-8859-1 and ends the text at the first
// 0x00 or 0xFF byte.

// Writes each Unicode scalar below U+0100 as its byte and any other as "?",
// keeps the first `width` bytes and pads the rest with 0xFF. U+0000 and U+00FF
// are written as "?" too: stored as they stand they would end the name on the
// radio and drop everything after them.
[[nodiscard]] QByteArray encodeName(const QString& text, int width);

// Reads bytes up to the first 0x00 or 0xFF (or the end of the field) as
// ISO-8859-1.
[[nodiscard]] QString decodeName(const QByteArray& field);

// The name as the radio keeps it: cut to `width` characters, each one it
// cannot store replaced by "?" (what decodeName gives after encodeName).
// Every path that names a record shows this, never the text as typed.
[[nodiscard]] QString storedName(const QString& text, int width);

} // namespace nerka
