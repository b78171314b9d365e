#include "link/FirmwareInfo.h"

#include "codeplug/ByteIO.h"

namespace nerka {

namespace {

QString asciiField(const QByteArray& block, int offset) {
    QByteArray field = block.mid(offset, FirmwareInfoBlock::kTextSize);
    const qsizetype end = field.indexOf('\0');
    if (end >= 0)
        field.truncate(end);
    for (char c : field) {
        if (std::uint8_t(c) >= 0x80)
            return {};
    }
    qsizetype first = 0;
    qsizetype last = field.size();
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (first < last && blank(field[first]))
        ++first;
    while (last > first && blank(field[last - 1]))
        --last;
    return QString::fromLatin1(field.constData() + first, last - first);
}

} // namespace

std::optional<FirmwareInfo> parseFirmwareInfo(const QByteArray& block) {
    if (block.size() < FirmwareInfoBlock::kSize)
        return std::nullopt;
    const ByteReader reader(block);
    const auto type = radioTypeFromRaw(*reader.u32le(FirmwareInfoBlock::kRadioTypeOffset));
    if (!type)
        return std::nullopt;
    FirmwareInfo info;
    info.structVersion = *reader.u32le(FirmwareInfoBlock::kStructVersionOffset);
    info.radioType = *type;
    info.firmwareRevision = asciiField(block, FirmwareInfoBlock::kRevisionOffset);
    info.buildDate = asciiField(block, FirmwareInfoBlock::kBuildDateOffset);
    info.flashChipSerial = *reader.u32le(FirmwareInfoBlock::kFlashChipSerialOffset);
    info.features = *reader.u16le(FirmwareInfoBlock::kFeaturesOffset);
    return info;
}

} // namespace nerka
