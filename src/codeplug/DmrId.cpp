#include "codeplug/DmrId.h"

#include "codeplug/ByteIO.h"

namespace nerka {

QByteArray encodeDmrId(std::uint32_t id) {
    QByteArray out(kDmrIdSize, '\0');
    ByteWriter(out).setU32be(0, std::uint32_t(valueToBcd(id, kDmrIdDigits)));
    return out;
}

std::uint32_t decodeDmrId(const QByteArray& bytes) {
    const auto packed = ByteReader(bytes).u32be(0);
    return packed ? std::uint32_t(bcdToValue(*packed, kDmrIdDigits)) : 0;
}

} // namespace nerka
