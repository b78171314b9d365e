#include "codeplug/CustomDataBlock.h"

#include "codeplug/ByteIO.h"
#include "codeplug/CodeplugLayout.h"

namespace nerka {

bool hasCustomDataSignature(const QByteArray& area) {
    return area.size() >= CustomDataArea::kSignatureSize &&
           area.startsWith(
               QByteArrayView(CustomDataArea::kSignature, CustomDataArea::kSignatureSize));
}

std::optional<int> findCustomDataBlock(const QByteArray& area, std::uint32_t type) {
    if (!hasCustomDataSignature(area) || area.size() < CustomDataArea::kMinimumSize)
        return std::nullopt;
    const ByteReader reader(area);
    // 64-bit arithmetic: a length near 0xFFFFFFFF must end the walk, not wrap it.
    std::uint64_t offset = CustomDataArea::kFirstBlockOffset;
    for (;;) {
        const auto blockType = reader.u32le(int(offset) + CustomDataArea::kBlockTypeOffset);
        const auto length = reader.u32le(int(offset) + CustomDataArea::kBlockLengthOffset);
        if (!blockType || !length)
            return std::nullopt;
        if (*blockType == type)
            return int(offset);
        if (*length == 0 || *length == 0xFFFFFFFFu)
            return std::nullopt;
        const std::uint64_t next = offset + *length + CustomDataArea::kBlockHeadSize;
        if (next >= CustomDataArea::kChainLimit ||
            std::uint64_t(area.size()) < next + CustomDataArea::kBlockHeadSize)
            return std::nullopt;
        offset = next;
    }
}

std::optional<CustomDataBlock> findFittingCustomDataBlock(const QByteArray& area,
                                                          std::uint32_t type) {
    const auto head = findCustomDataBlock(area, type);
    if (!head)
        return std::nullopt;
    const auto length = ByteReader(area).u32le(*head + CustomDataArea::kBlockLengthOffset);
    if (!length)
        return std::nullopt;
    const std::uint64_t end = std::uint64_t(*head) + CustomDataArea::kBlockHeadSize + *length;
    if (end > std::uint64_t(area.size()))
        return std::nullopt;
    return CustomDataBlock{*head, *length};
}

std::optional<QByteArray> readCustomDataArea(const CodeplugImage& image) {
    if (!image.variant)
        return std::nullopt;
    const BankAddress at = layoutForVariant(*image.variant).additionalSettingsBank;
    return readBytes(image, at.bank, at.address, CustomDataArea::kSize);
}

} // namespace nerka
