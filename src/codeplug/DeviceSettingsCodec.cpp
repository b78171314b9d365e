#include "codeplug/DeviceSettingsCodec.h"

#include "codeplug/ByteIO.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/DmrId.h"
#include "codeplug/NameField.h"

#include <algorithm>

namespace nerka {

namespace {

constexpr int kBcd4Digits = 4;
constexpr int kBcd4Max = 9999;

int bcd4At(const QByteArray& block, int offset) {
    const auto packed = ByteReader(block).u16le(offset);
    return packed ? int(bcdToValue(*packed, kBcd4Digits)) : 0;
}

} // namespace

QByteArray encodeBcd4(int value) {
    QByteArray out(2, '\0');
    ByteWriter(out).setU16le(
        0, std::uint16_t(valueToBcd(std::uint64_t(std::clamp(value, 0, kBcd4Max)), kBcd4Digits)));
    return out;
}

int decodeBcd4(const QByteArray& bytes) {
    return bcd4At(bytes, 0);
}

std::optional<DeviceSettings> decodeDeviceSettings(const CodeplugImage& image) {
    if (!image.variant)
        return std::nullopt;
    const BankAddress at = layoutForVariant(*image.variant).settingsBank;
    const auto block = readBytes(image, at.bank, at.address, DeviceSettingsBlock::kReadSize);
    if (!block)
        return std::nullopt;
    DeviceSettings settings;
    settings.call =
        decodeName(block->mid(DeviceSettingsBlock::kCallOffset, DeviceSettingsBlock::kCallWidth));
    settings.dmrID = decodeDmrId(block->mid(DeviceSettingsBlock::kDmrIdOffset, 4));
    settings.vhfMin = bcd4At(*block, DeviceSettingsBlock::kVhfMinOffset);
    settings.vhfMax = bcd4At(*block, DeviceSettingsBlock::kVhfMaxOffset);
    settings.uhfMin = bcd4At(*block, DeviceSettingsBlock::kUhfMinOffset);
    settings.uhfMax = bcd4At(*block, DeviceSettingsBlock::kUhfMaxOffset);
    return settings;
}

RegionSet encodeDeviceSettings(const DeviceSettings& settings, CodeplugImage& image) {
    if (!image.variant)
        return {};
    const BankAddress at = layoutForVariant(*image.variant).settingsBank;
    // The block must be there whole before anything is written: a block that
    // decodes to nothing is never half written either.
    if (!readBytes(image, at.bank, at.address, DeviceSettingsBlock::kReadSize))
        return {};
    const auto write = [&](int offset, const QByteArray& bytes) {
        return writeBytes(image, at.bank, at.address + std::uint32_t(offset), bytes);
    };
    RegionSet regions;
    addRegion(regions, write(DeviceSettingsBlock::kUhfMinOffset, encodeBcd4(settings.uhfMin)));
    addRegion(regions, write(DeviceSettingsBlock::kUhfMaxOffset, encodeBcd4(settings.uhfMax)));
    addRegion(regions, write(DeviceSettingsBlock::kVhfMinOffset, encodeBcd4(settings.vhfMin)));
    addRegion(regions, write(DeviceSettingsBlock::kVhfMaxOffset, encodeBcd4(settings.vhfMax)));
    addRegion(regions, write(DeviceSettingsBlock::kCallOffset,
                             encodeName(settings.call, DeviceSettingsBlock::kCallWidth)));
    addRegion(regions, write(DeviceSettingsBlock::kDmrIdOffset, encodeDmrId(settings.dmrID)));
    return regions;
}

} // namespace nerka
