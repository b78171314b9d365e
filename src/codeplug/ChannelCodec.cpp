#include "codeplug/ChannelCodec.h"

#include "codeplug/ByteIO.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/NameField.h"
#include "codeplug/ZoneCodec.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace nerka {

namespace {

constexpr int kMinSquelchLevel = 1;
constexpr int kMaxSquelchLevel = 9;
constexpr std::uint64_t kBlankFrequencyHz = 145'000'000;
constexpr std::uint8_t kBlankColorCode = 1;

static_assert(ChannelBank::kSize == CodeplugLayout::kChannelBankSize);
static_assert(ChannelBank::kRecordsOffset + ChannelBank::kSlotCount * ChannelRecord::kSize ==
              ChannelBank::kSize);

int squelchCode(int level) {
    return level * 14 / 10 + 1;
}

std::optional<int> reference(int stored) {
    if (stored == 0)
        return std::nullopt;
    return stored - 1;
}

int storedReference(const std::optional<int>& index) {
    return index ? *index + 1 : 0;
}

std::uint64_t decodeFrequency(std::uint32_t packed) {
    return bcdToValue(packed, ChannelRecord::kFreqDigits) * ChannelRecord::kFreqUnitHz;
}

std::uint32_t encodeFrequency(std::uint64_t hz) {
    return std::uint32_t(valueToBcd(hz / ChannelRecord::kFreqUnitHz, ChannelRecord::kFreqDigits));
}

// Decodes the record that starts at `base` of a bank buffer the caller has
// checked to hold it.
RadioChannel decodeRecord(const QByteArray& bankBytes, int base, int number) {
    const ByteReader r(bankBytes);
    auto u8 = [&](int offset) { return r.at(base + offset); };
    auto u16 = [&](int offset) { return std::uint16_t(u8(offset) | (u8(offset + 1) << 8)); };
    auto u32 = [&](int offset) {
        return std::uint32_t(u16(offset)) | (std::uint32_t(u16(offset + 2)) << 16);
    };
    auto bit = [&](int offset, int index) { return ((u8(offset) >> index) & 1) != 0; };

    RadioChannel c;
    c.number = number;
    c.name =
        decodeName(bankBytes.mid(base + ChannelRecord::kNameOffset, ChannelRecord::kNameWidth));
    c.mode = u8(ChannelRecord::kModeOffset) == ChannelRecord::kModeDmr ? ChannelMode::dmr
                                                                       : ChannelMode::fm;
    c.rxHz = decodeFrequency(u32(ChannelRecord::kRxFreqOffset));
    c.txHz = decodeFrequency(u32(ChannelRecord::kTxFreqOffset));
    c.powerRaw = u8(ChannelRecord::kPowerOffset);
    c.bandwidthWide = bit(ChannelRecord::kFlagsCOffset, ChannelRecord::kWideBit);
    c.rxOnly = bit(ChannelRecord::kFlagsCOffset, ChannelRecord::kRxOnlyBit);
    c.timeSlot = bit(ChannelRecord::kFlagsBOffset, ChannelRecord::kTimeSlot2Bit) ? 2 : 1;
    c.colorCode = u8(ChannelRecord::kColorCodeOffset);
    c.rxTone = decodeTone(u16(ChannelRecord::kRxToneOffset));
    c.txTone = decodeTone(u16(ChannelRecord::kTxToneOffset));
    c.contactIndex = reference(u16(ChannelRecord::kContactOffset));
    c.groupListIndex = reference(u8(ChannelRecord::kGroupListOffset));
    const SquelchSetting squelch = decodeSquelch(u8(ChannelRecord::kSquelchOffset));
    c.squelchMode = squelch.mode;
    c.squelchLevel = squelch.level;
    c.skipScan = bit(ChannelRecord::kFlagsCOffset, ChannelRecord::kSkipScanBit);
    c.skipZoneScan = bit(ChannelRecord::kFlagsCOffset, ChannelRecord::kSkipZoneScanBit);
    c.vox = bit(ChannelRecord::kFlagsCOffset, ChannelRecord::kVoxBit);
    c.monitor = bit(ChannelRecord::kFlagsCOffset, ChannelRecord::kMonitorBit);
    c.powerSave = !bit(ChannelRecord::kFlagsAOffset, ChannelRecord::kPowerSaveOffBit);
    c.beep = !bit(ChannelRecord::kFlagsAOffset, ChannelRecord::kBeepOffBit);
    c.aprsIndex = reference(u8(ChannelRecord::kAprsOffset));
    return c;
}

std::optional<ChannelSlot> slotOf(const CodeplugImage& image, int position) {
    if (!image.variant)
        return std::nullopt;
    return channelSlot(layoutForVariant(*image.variant), position);
}

std::optional<QByteArray> readRecord(const CodeplugImage& image, const ChannelSlot& slot) {
    return readBytes(image, slot.record.bank, slot.record.address, ChannelRecord::kSize);
}

std::optional<std::uint8_t> readBitmapByte(const CodeplugImage& image, const ChannelSlot& slot) {
    const auto byte = readBytes(image, slot.bitmapByte.bank, slot.bitmapByte.address, 1);
    if (!byte)
        return std::nullopt;
    return std::uint8_t(byte->at(0));
}

// Writes the record and sets the slot's in-use bit. Both places are checked
// before the first write, so a slot whose bitmap no region covers gets no
// half-written channel.
RegionSet writeRecordInUse(const QByteArray& record, const ChannelSlot& slot,
                           CodeplugImage& image) {
    const auto bitmap = readBitmapByte(image, slot);
    if (!bitmap || !readRecord(image, slot))
        return {};
    RegionSet regions;
    addRegion(regions, writeBytes(image, slot.record.bank, slot.record.address, record));
    const auto updated = std::uint8_t(*bitmap | (1u << slot.bit));
    addRegion(regions, writeBytes(image, slot.bitmapByte.bank, slot.bitmapByte.address,
                                  QByteArray(1, char(updated))));
    return regions;
}

QByteArray blankRecord() {
    QByteArray record(ChannelRecord::kSize, '\0');
    ByteWriter w(record);
    w.setBytes(ChannelRecord::kNameOffset,
               encodeName(QStringLiteral("New"), ChannelRecord::kNameWidth));
    w.setU32le(ChannelRecord::kRxFreqOffset, encodeFrequency(kBlankFrequencyHz));
    w.setU32le(ChannelRecord::kTxFreqOffset, encodeFrequency(kBlankFrequencyHz));
    w.setU16le(ChannelRecord::kRxToneOffset, kNoToneCode);
    w.setU16le(ChannelRecord::kTxToneOffset, kNoToneCode);
    w.setU8(ChannelRecord::kColorCodeOffset, kBlankColorCode);
    return record;
}

} // namespace

SquelchSetting decodeSquelch(std::uint8_t code) {
    switch (code) {
    case ChannelRecord::kSquelchGlobal:
        return {SquelchMode::global, 5};
    case ChannelRecord::kSquelchOpen:
        return {SquelchMode::open, 5};
    case ChannelRecord::kSquelchClosed:
        return {SquelchMode::closed, 5};
    default:
        break;
    }
    int best = kMinSquelchLevel;
    for (int level = kMinSquelchLevel + 1; level <= kMaxSquelchLevel; ++level) {
        // Strictly nearer only: on a tie the lower level found first wins.
        if (std::abs(squelchCode(level) - code) < std::abs(squelchCode(best) - code))
            best = level;
    }
    return {SquelchMode::normal, best};
}

std::uint8_t encodeSquelch(SquelchMode mode, int level) {
    switch (mode) {
    case SquelchMode::global:
        return ChannelRecord::kSquelchGlobal;
    case SquelchMode::open:
        return ChannelRecord::kSquelchOpen;
    case SquelchMode::closed:
        return ChannelRecord::kSquelchClosed;
    case SquelchMode::normal:
        break;
    }
    return std::uint8_t(squelchCode(std::clamp(level, kMinSquelchLevel, kMaxSquelchLevel)));
}

QList<RadioChannel> decodeChannels(const CodeplugImage& image) {
    if (!image.variant)
        return {};
    const CodeplugLayout& layout = layoutForVariant(*image.variant);
    QList<RadioChannel> channels;
    // One read per bank; the records are decoded from that copy.
    for (int b = 0; b < CodeplugLayout::kChannelBankCount; ++b) {
        const BankAddress at = layout.channelBanks[b];
        const auto bank = readBytes(image, at.bank, at.address, ChannelBank::kSize);
        if (!bank)
            continue;
        const ByteReader r(*bank);
        for (int s = 0; s < ChannelBank::kSlotCount; ++s) {
            if (((r.at(ChannelBank::kBitmapOffset + s / 8) >> (s % 8)) & 1) == 0)
                continue;
            channels.append(decodeRecord(*bank,
                                         ChannelBank::kRecordsOffset + ChannelRecord::kSize * s,
                                         ChannelBank::kSlotCount * b + s + 1));
        }
    }
    return channels;
}

RegionSet applyChannelEdit(const ChannelEdit& edit, int number, CodeplugImage& image) {
    const auto slot = slotOf(image, number - 1);
    if (!slot)
        return {};
    auto record = readRecord(image, *slot);
    if (!record)
        return {};

    ByteWriter w(*record);
    w.setBytes(ChannelRecord::kNameOffset, encodeName(edit.name, ChannelRecord::kNameWidth));
    w.setU32le(ChannelRecord::kRxFreqOffset, encodeFrequency(edit.rxHz));
    w.setU32le(ChannelRecord::kTxFreqOffset, encodeFrequency(edit.txHz));
    w.setU8(ChannelRecord::kModeOffset, edit.isDMR ? ChannelRecord::kModeDmr : 0);
    w.setU8(ChannelRecord::kPowerOffset, edit.powerRaw);
    w.setU8(ChannelRecord::kColorCodeOffset, std::uint8_t(edit.colorCode));
    w.setBit(ChannelRecord::kFlagsBOffset, ChannelRecord::kTimeSlot2Bit, edit.timeSlotTS2);
    w.setBit(ChannelRecord::kFlagsCOffset, ChannelRecord::kWideBit, edit.bandwidthWide);
    w.setBit(ChannelRecord::kFlagsCOffset, ChannelRecord::kRxOnlyBit, edit.rxOnly);
    w.setU16le(ChannelRecord::kRxToneOffset, encodeTone(edit.rxTone));
    w.setU16le(ChannelRecord::kTxToneOffset, encodeTone(edit.txTone));
    w.setU8(ChannelRecord::kGroupListOffset, std::uint8_t(storedReference(edit.groupListIndex)));
    w.setU16le(ChannelRecord::kContactOffset, std::uint16_t(storedReference(edit.contactSlot)));
    w.setU8(ChannelRecord::kSquelchOffset, encodeSquelch(edit.squelchMode, edit.squelchLevel));
    w.setBit(ChannelRecord::kFlagsCOffset, ChannelRecord::kMonitorBit, edit.monitor);
    w.setBit(ChannelRecord::kFlagsCOffset, ChannelRecord::kSkipScanBit, edit.skipScan);
    w.setBit(ChannelRecord::kFlagsCOffset, ChannelRecord::kSkipZoneScanBit, edit.skipZoneScan);
    w.setBit(ChannelRecord::kFlagsCOffset, ChannelRecord::kVoxBit, edit.vox);
    w.setBit(ChannelRecord::kFlagsAOffset, ChannelRecord::kPowerSaveOffBit, !edit.powerSave);
    w.setBit(ChannelRecord::kFlagsAOffset, ChannelRecord::kBeepOffBit, !edit.beep);
    w.setU8(ChannelRecord::kAprsOffset, std::uint8_t(storedReference(edit.aprsIndex)));

    RegionSet regions;
    addRegion(regions, writeBytes(image, slot->record.bank, slot->record.address, *record));
    return regions;
}

RegionSet createBlankChannel(int position, CodeplugImage& image) {
    const auto slot = slotOf(image, position);
    if (!slot)
        return {};
    return writeRecordInUse(blankRecord(), *slot, image);
}

std::optional<RadioChannel> decodeChannelRecord(const QByteArray& record, int number) {
    if (record.size() != ChannelRecord::kSize)
        return std::nullopt;
    return decodeRecord(record, 0, number);
}

std::optional<QByteArray> readChannelRecord(int position, const CodeplugImage& image) {
    const auto slot = slotOf(image, position);
    if (!slot)
        return std::nullopt;
    return readRecord(image, *slot);
}

RegionSet pasteChannelRecord(const QByteArray& record, int position, CodeplugImage& image) {
    if (record.size() != ChannelRecord::kSize)
        return {};
    const auto slot = slotOf(image, position);
    if (!slot)
        return {};
    return writeRecordInUse(record, *slot, image);
}

RegionSet clearChannelSlot(int position, CodeplugImage& image) {
    const auto slot = slotOf(image, position);
    if (!slot)
        return {};
    const auto bitmap = readBitmapByte(image, *slot);
    if (!bitmap)
        return {};
    const auto updated = std::uint8_t(*bitmap & ~(1u << slot->bit));
    RegionSet regions;
    addRegion(regions, writeBytes(image, slot->bitmapByte.bank, slot->bitmapByte.address,
                                  QByteArray(1, char(updated))));
    return regions;
}

RegionSet compactChannels(const QList<int>& order, const QHash<int, int>& oldToNew,
                          CodeplugImage& image) {
    if (!image.variant || order.size() > ChannelBank::kTotalChannels)
        return {};
    const CodeplugLayout& layout = layoutForVariant(*image.variant);

    // Read and check everything before the first write: every listed record,
    // and every target slot, must be there. A position listed twice would
    // leave two copies of one channel and an ambiguous renumbering.
    QList<QByteArray> records;
    records.reserve(order.size());
    QSet<int> seen;
    for (int position : order) {
        const auto slot = channelSlot(layout, position);
        if (!slot || seen.contains(position))
            return {};
        seen.insert(position);
        auto record = readRecord(image, *slot);
        if (!record)
            return {};
        records.append(*record);
    }
    QList<ChannelSlot> targets;
    targets.reserve(records.size());
    for (int k = 0; k < records.size(); ++k) {
        const auto slot = channelSlot(layout, k);
        if (!slot || !readRecord(image, *slot) || !readBitmapByte(image, *slot))
            return {};
        targets.append(*slot);
    }

    RegionSet regions;
    for (int k = 0; k < records.size(); ++k)
        addRegion(regions,
                  writeBytes(image, targets[k].record.bank, targets[k].record.address, records[k]));

    const int count = int(records.size());
    for (int b = 0; b < CodeplugLayout::kChannelBankCount; ++b) {
        QByteArray bitmap(ChannelBank::kBitmapSize, '\0');
        for (int s = 0; s < ChannelBank::kSlotCount; ++s) {
            if (ChannelBank::kSlotCount * b + s < count)
                bitmap[s / 8] = char(std::uint8_t(bitmap[s / 8]) | (1u << (s % 8)));
        }
        const BankAddress at = layout.channelBanks[b];
        addRegion(regions,
                  writeBytes(image, at.bank, at.address + ChannelBank::kBitmapOffset, bitmap));
    }

    regions.merge(remapZoneMembers(oldToNew, image));
    return regions;
}

RegionSet remapChannelReferences(int fieldOffset, int width, const QHash<int, int>& map,
                                 CodeplugImage& image) {
    if (!image.variant || (width != 1 && width != 2) || fieldOffset < 0 ||
        fieldOffset + width > ChannelRecord::kSize)
        return {};
    const CodeplugLayout& layout = layoutForVariant(*image.variant);
    const int maxStored = width == 1 ? 0xFF : 0xFFFF;

    RegionSet regions;
    for (int b = 0; b < CodeplugLayout::kChannelBankCount; ++b) {
        const BankAddress at = layout.channelBanks[b];
        const auto bank = readBytes(image, at.bank, at.address, ChannelBank::kSize);
        if (!bank)
            continue;
        const ByteReader r(*bank);
        for (int s = 0; s < ChannelBank::kSlotCount; ++s) {
            if (((r.at(ChannelBank::kBitmapOffset + s / 8) >> (s % 8)) & 1) == 0)
                continue;
            const int field = ChannelBank::kRecordsOffset + ChannelRecord::kSize * s + fieldOffset;
            const int stored = width == 1 ? r.at(field) : int(r.u16le(field).value_or(0));
            if (stored == 0)
                continue;
            const auto it = map.constFind(stored - 1);
            if (it == map.constEnd())
                continue;
            const int updated = *it == kClearedReference ? 0 : *it + 1;
            // A new index the field cannot hold is left alone rather than cut
            // to a different, wrong reference.
            if (updated < 0 || updated > maxStored || updated == stored)
                continue;
            QByteArray bytes(width, '\0');
            ByteWriter w(bytes);
            if (width == 1)
                w.setU8(0, std::uint8_t(updated));
            else
                w.setU16le(0, std::uint16_t(updated));
            addRegion(regions,
                      writeBytes(image, at.bank, at.address + std::uint32_t(field), bytes));
        }
    }
    return regions;
}

} // namespace nerka
