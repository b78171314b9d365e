#include "codeplug/RecordOverlay.h"

#include "codeplug/ChannelRecord.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ThemeCodec.h"
#include "codeplug/ZoneCodec.h"

namespace nerka {

namespace {

void copyOverlayTable(const CodeplugImage& from, CodeplugImage& to, BankAddress at, int size) {
    if (const auto bytes = readBytes(from, at.bank, at.address, size))
        (void)writeBytes(to, at.bank, at.address, *bytes);
}

bool overlayBandSet(int minMHz, int maxMHz) {
    return minMHz != 0 || maxMHz != 0;
}

} // namespace

CodeplugImage overlayRecords(const CodeplugImage& radio, const CodeplugImage& records) {
    if (!records.variant || records.variant != radio.variant)
        return radio;
    CodeplugImage result = radio;
    const CodeplugLayout& layout = layoutForVariant(*records.variant);
    for (const BankAddress& bank : layout.channelBanks)
        copyOverlayTable(records, result, bank, ChannelBank::kSize);
    copyOverlayTable(records, result, layout.zoneBank, ZoneTable::kSize);
    copyOverlayTable(records, result, layout.contactBank, ContactTable::kSize);
    copyOverlayTable(records, result, layout.groupListBank, GroupListTable::kSize);

    const auto own = decodeDeviceSettings(records);
    auto settings = decodeDeviceSettings(result);
    if (own && settings) {
        if (!own->call.isEmpty())
            settings->call = own->call;
        if (own->dmrID != 0)
            settings->dmrID = own->dmrID;
        if (overlayBandSet(own->vhfMin, own->vhfMax)) {
            settings->vhfMin = own->vhfMin;
            settings->vhfMax = own->vhfMax;
        }
        if (overlayBandSet(own->uhfMin, own->uhfMax)) {
            settings->uhfMin = own->uhfMin;
            settings->uhfMax = own->uhfMax;
        }
        (void)encodeDeviceSettings(*settings, result);
    }
    for (ThemeKind kind : {ThemeKind::day, ThemeKind::night}) {
        if (const auto theme = decodeTheme(kind, records))
            (void)encodeTheme(*theme, kind, result);
    }
    return result;
}

CodeplugImage withIdentityOf(const CodeplugImage& image, const CodeplugImage& identity) {
    auto settings = decodeDeviceSettings(image);
    const auto own = decodeDeviceSettings(identity);
    if (!settings || !own)
        return image;
    CodeplugImage result = image;
    settings->call = own->call;
    settings->dmrID = own->dmrID;
    (void)encodeDeviceSettings(*settings, result);
    return result;
}

} // namespace nerka
