#include "codeplug/CodeplugLayout.h"

namespace nerka {

namespace {

constexpr int kChannelRecordSize = 56;
constexpr int kChannelBitmapSize = 16;
constexpr int kSlotsPerBank = 128;

// The region list and the record addresses below must change together: every
// table has to lie wholly inside one region of its family.
CodeplugLayout makeGd77() {
    CodeplugLayout l;
    l.variant = RadioVariant::gd77;
    l.regions = {
        {Bank::eeprom, 0x0080, 0x5FE0},  // device settings, APRS systems, first channel bank
        {Bank::eeprom, 0x7500, 0x3B00},  // zone table
        {Bank::flash, 0x00000, 0x11A0},  // custom-data area
        {Bank::flash, 0x7B000, 0x13E60}, // channel banks 2-8, contacts, RX group lists
    };
    l.channelBanks[0] = {Bank::eeprom, 0x3780};
    for (int b = 1; b < CodeplugLayout::kChannelBankCount; ++b)
        l.channelBanks[b] = {Bank::flash,
                             std::uint32_t(0x7B1B0 + (b - 1) * CodeplugLayout::kChannelBankSize)};
    l.zoneBank = {Bank::eeprom, 0x8010};
    l.contactBank = {Bank::flash, 0x87620};
    l.groupListBank = {Bank::flash, 0x8D620};
    l.aprsBank = {Bank::eeprom, 0x1588};
    l.settingsBank = {Bank::eeprom, 0x0080};
    l.additionalSettingsBank = {Bank::flash, 0x00000};
    return l;
}

// The uv380 family keeps everything in flash; the first channel bank, zones,
// APRS table and settings sit at the gd77 addresses, the rest 0x20000 higher.
CodeplugLayout makeUv380() {
    CodeplugLayout l;
    l.variant = RadioVariant::uv380;
    l.regions = {
        {Bank::flash, 0x0080, 0x5FE0},
        {Bank::flash, 0x7500, 0x3B00},
        {Bank::flash, 0x20000, 0x11A0},
        {Bank::flash, 0x9B000, 0x13E60},
    };
    l.channelBanks[0] = {Bank::flash, 0x3780};
    for (int b = 1; b < CodeplugLayout::kChannelBankCount; ++b)
        l.channelBanks[b] = {Bank::flash,
                             std::uint32_t(0x9B1B0 + (b - 1) * CodeplugLayout::kChannelBankSize)};
    l.zoneBank = {Bank::flash, 0x8010};
    l.contactBank = {Bank::flash, 0xA7620};
    l.groupListBank = {Bank::flash, 0xAD620};
    l.aprsBank = {Bank::flash, 0x1588};
    l.settingsBank = {Bank::flash, 0x0080};
    l.additionalSettingsBank = {Bank::flash, 0x20000};
    return l;
}

} // namespace

const CodeplugLayout& layoutForVariant(RadioVariant variant) {
    static const CodeplugLayout gd77 = makeGd77();
    static const CodeplugLayout uv380 = makeUv380();
    return variant == RadioVariant::gd77 ? gd77 : uv380;
}

std::optional<ChannelSlot> channelSlot(const CodeplugLayout& layout, int position) {
    if (position < 0)
        return std::nullopt;
    const int bankIndex = position / kSlotsPerBank;
    if (bankIndex >= CodeplugLayout::kChannelBankCount)
        return std::nullopt;
    const int slot = position % kSlotsPerBank;
    const BankAddress bank = layout.channelBanks[bankIndex];
    ChannelSlot s;
    s.bankIndex = bankIndex;
    s.slot = slot;
    s.record = {bank.bank,
                bank.address + std::uint32_t(kChannelBitmapSize + kChannelRecordSize * slot)};
    s.bitmapByte = {bank.bank, bank.address + std::uint32_t(slot / 8)};
    s.bit = slot % 8;
    return s;
}

} // namespace nerka
