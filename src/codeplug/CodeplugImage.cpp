#include "codeplug/CodeplugImage.h"

namespace nerka {

const char* variantKey(RadioVariant variant) {
    return variant == RadioVariant::gd77 ? "gd77" : "uv380";
}

const char* bankKey(Bank bank) {
    return bank == Bank::eeprom ? "eeprom" : "flash";
}

namespace {

// Index of the region that serves [address, address + count), or -1. The test
// uses the buffer's real length, not the region's length field, so a file whose
// declared lengths disagree with its bytes can never be read past its end.
int findRegion(const CodeplugImage& image, Bank bank, std::uint32_t address, int count) {
    if (count < 0)
        return -1;
    const auto n = std::min(image.regions.size(), image.blobs.size());
    for (qsizetype i = 0; i < n; ++i) {
        const CodeplugRegion& region = image.regions[i];
        if (region.bank != bank || region.address > address)
            continue;
        const std::uint64_t end = std::uint64_t(address - region.address) + std::uint64_t(count);
        if (end <= std::uint64_t(image.blobs[i].size()))
            return int(i);
    }
    return -1;
}

} // namespace

std::optional<QByteArray> readBytes(const CodeplugImage& image, Bank bank, std::uint32_t address,
                                    int count) {
    const int index = findRegion(image, bank, address, count);
    if (index < 0)
        return std::nullopt;
    const auto offset = qsizetype(address - image.regions[index].address);
    return image.blobs[index].mid(offset, count);
}

std::optional<int> writeBytes(CodeplugImage& image, Bank bank, std::uint32_t address,
                              const QByteArray& bytes) {
    const int index = findRegion(image, bank, address, int(bytes.size()));
    if (index < 0)
        return std::nullopt;
    const auto offset = qsizetype(address - image.regions[index].address);
    QByteArray& blob = image.blobs[index];
    std::copy(bytes.begin(), bytes.end(), blob.begin() + offset);
    return index;
}

} // namespace nerka
