#pragma once

namespace nerka {

// One channel bank: a 16-byte in-use bitmap (slot s is bit s mod 8 of byte
// s / 8, bit 0 least significant), then 128 records of 56 bytes. Must agree
// with the bank size and slot addressing in CodeplugLayout.
struct ChannelBank {
    static constexpr int kBitmapOffset = 0;
    static constexpr int kBitmapSize = 16;
    static constexpr int kRecordsOffset = 16;
    static constexpr int kSlotCount = 128;
    static constexpr int kSize = 7184;
    static constexpr int kTotalChannels = 8 * kSlotCount;
};

// The 56-byte channel record. Multi-byte fields are little-endian. Bytes
// 26-31, 36-37, 39-42, 48, 50 and 52-54, and the bits of bytes 38, 49 and 51
// not named here, are not interpreted and are written back unchanged.
struct ChannelRecord {
    static constexpr int kSize = 56;

    static constexpr int kNameOffset = 0;
    static constexpr int kNameWidth = 16;
    // 8 BCD digits in units of 10 Hz; least significant digit in bits 0-3.
    static constexpr int kRxFreqOffset = 16;
    static constexpr int kTxFreqOffset = 20;
    static constexpr int kFreqDigits = 8;
    static constexpr int kFreqUnitHz = 10;
    static constexpr int kModeOffset = 24; // 1 = DMR, anything else FM
    static constexpr int kModeDmr = 1;
    static constexpr int kPowerOffset = 25;  // raw power byte
    static constexpr int kRxToneOffset = 32; // 16-bit tone code
    static constexpr int kTxToneOffset = 34; // 16-bit tone code
    static constexpr int kFlagsAOffset = 38;
    static constexpr int kPowerSaveOffBit = 5;  // 1 = power save off
    static constexpr int kBeepOffBit = 6;       // 1 = key beep off
    static constexpr int kGroupListOffset = 43; // 0 = none, else index + 1
    static constexpr int kColorCodeOffset = 44;
    static constexpr int kAprsOffset = 45;    // 0 = none, else index + 1
    static constexpr int kContactOffset = 46; // 16-bit; 0 = none, else slot + 1
    static constexpr int kFlagsBOffset = 49;
    static constexpr int kTimeSlot2Bit = 6; // 1 = time slot 2
    static constexpr int kFlagsCOffset = 51;
    static constexpr int kWideBit = 1; // 25 kHz; 0 = 12.5 kHz
    static constexpr int kRxOnlyBit = 2;
    static constexpr int kMonitorBit = 3;
    static constexpr int kSkipScanBit = 4;
    static constexpr int kSkipZoneScanBit = 5;
    static constexpr int kVoxBit = 6;
    static constexpr int kSquelchOffset = 55;

    // Squelch byte codes; 2..14 are "normal" with a level (see ChannelCodec).
    static constexpr int kSquelchGlobal = 0;
    static constexpr int kSquelchOpen = 1;
    static constexpr int kSquelchClosed = 15;
};

} // namespace nerka
