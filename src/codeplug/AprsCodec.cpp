#include "codeplug/AprsCodec.h"

#include "codeplug/CodeplugLayout.h"
#include "codeplug/NameField.h"

namespace nerka {

QStringList decodeAprsSystems(const CodeplugImage& image) {
    QStringList names;
    if (!image.variant)
        return names;
    const BankAddress at = layoutForVariant(*image.variant).aprsBank;
    const auto table = readBytes(image, at.bank, at.address, AprsTable::kSize);
    if (!table)
        return names;
    names.reserve(AprsTable::kEntryCount);
    for (int k = 0; k < AprsTable::kEntryCount; ++k)
        names.append(decodeName(
            table->mid(AprsTable::kEntrySize * k + AprsTable::kNameOffset, AprsTable::kNameWidth)));
    return names;
}

} // namespace nerka
