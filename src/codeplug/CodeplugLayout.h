#pragma once

#include "codeplug/CodeplugImage.h"

#include <array>

namespace nerka {

// Where a table begins: bank and absolute address.
struct BankAddress {
    Bank bank = Bank::eeprom;
    std::uint32_t address = 0;

    friend bool operator==(const BankAddress&, const BankAddress&) = default;
};

// Fixed memory map of one radio family. Every table lies wholly inside one
// region, so a record write touches exactly one region.
struct CodeplugLayout {
    static constexpr int kChannelBankCount = 8;
    static constexpr int kChannelBankSize = 7184; // 16-byte bitmap + 128 × 56-byte records
    static constexpr int kZoneTableSize = 12000;
    static constexpr int kContactTableSize = 24576;
    static constexpr int kGroupListTableSize = 6208;
    static constexpr int kAprsTableSize = 512;
    static constexpr int kSettingsReadSize = 144;
    static constexpr int kCustomDataSize = 4512; // the whole of region 2

    RadioVariant variant = RadioVariant::gd77;
    // In the order they are read from the radio.
    QList<CodeplugRegion> regions;
    std::array<BankAddress, kChannelBankCount> channelBanks{};
    BankAddress zoneBank;
    BankAddress contactBank;
    BankAddress groupListBank;
    BankAddress aprsBank;
    BankAddress settingsBank;
    BankAddress additionalSettingsBank;
};

// The layout of a family. Cheap: returns a reference to a fixed instance.
[[nodiscard]] const CodeplugLayout& layoutForVariant(RadioVariant variant);

// Channel slot addressing shared by every channel operation. Position p is
// 0-based (channel number − 1); bank p / 128, slot p mod 128.
struct ChannelSlot {
    int bankIndex = 0;
    int slot = 0;
    BankAddress record;     // first byte of the 56-byte record
    BankAddress bitmapByte; // byte holding the slot's in-use bit
    int bit = 0;            // bit (slot mod 8) of that byte
};
// Nothing for a negative position or one whose bank index is 8 or more.
[[nodiscard]] std::optional<ChannelSlot> channelSlot(const CodeplugLayout& layout, int position);

} // namespace nerka
