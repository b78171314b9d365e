#include "codeplug/BlankCodeplug.h"

#include "codeplug/ChannelRecord.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/CustomDataBlock.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ZoneCodec.h"

namespace nerka {

namespace {

void zeroBlankBytes(CodeplugImage& image, BankAddress at, int count) {
    (void)writeBytes(image, at.bank, at.address, QByteArray(count, '\0'));
}

} // namespace

CodeplugImage blankCodeplug(RadioVariant variant) {
    const CodeplugLayout& layout = layoutForVariant(variant);
    CodeplugImage image;
    image.variant = variant;
    image.regions = layout.regions;
    for (const CodeplugRegion& region : layout.regions)
        image.blobs.append(QByteArray(region.length, char(0xFF)));
    // Tables whose "in use" marks are set bits or non-zero bytes start at 0;
    // erased bytes there would read as 1024 channels and 76 group lists.
    for (const BankAddress& bank : layout.channelBanks)
        zeroBlankBytes(image, bank, ChannelBank::kBitmapSize);
    zeroBlankBytes(image, layout.zoneBank, ZoneTable::kBitmapSize);
    zeroBlankBytes(image, layout.groupListBank, GroupListTable::kInUseSize);
    // The custom-data area: signature, the kept word, then erased flash.
    QByteArray head(CustomDataArea::kSignature, CustomDataArea::kSignatureSize);
    head.append(4, '\0');
    (void)writeBytes(image, layout.additionalSettingsBank.bank,
                     layout.additionalSettingsBank.address, head);
    return image;
}

CodeplugImage newCodeplug(RadioVariant variant) {
    CodeplugImage image = blankCodeplug(variant);
    // Erased BCD would read as limits of 1665 MHz and an ID of 0xFFFFFFFF.
    (void)encodeDeviceSettings(DeviceSettings{}, image);
    return image;
}

} // namespace nerka
