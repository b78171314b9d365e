#include "codeplug/NameField.h"

#include <QList>

namespace nerka {

namespace {

constexpr char kPadByte = char(0xFF);
constexpr char kReplacementByte = '?';

} // namespace

QByteArray encodeName(const QString& text, int width) {
    if (width <= 0)
        return {};
    QByteArray field;
    field.reserve(width);
    // toUcs4 joins surrogate pairs, so a character outside the BMP becomes one "?".
    const QList<uint> scalars = text.toUcs4();
    for (uint scalar : scalars) {
        if (field.size() == width)
            break;
        const bool storable = scalar > 0x00 && scalar < 0xFF;
        field.append(storable ? char(scalar) : kReplacementByte);
    }
    field.append(width - field.size(), kPadByte);
    return field;
}

QString decodeName(const QByteArray& field) {
    qsizetype length = 0;
    while (length < field.size() && field[length] != '\0' && field[length] != kPadByte)
        ++length;
    return QString::fromLatin1(field.constData(), length);
}

QString storedName(const QString& text, int width) {
    return decodeName(encodeName(text, width));
}

} // namespace nerka
