#include "satellites/SatelliteCodec.h"

#include "codeplug/ByteIO.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/CustomDataBlock.h"
#include "satellites/TextCharacters.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <array>
#include <cmath>

namespace nerka {

QString SatelliteCodec::BlockError::description() const {
    switch (kind) {
    case Kind::noSignature:
        return QCoreApplication::translate(
            "SatelliteCodec", "This codeplug has no OpenGD77 custom-data signature, so no "
                              "satellite block can be added.");
    case Kind::noRoom:
        return QCoreApplication::translate(
            "SatelliteCodec",
            "There's no room left in the codeplug's custom-data area for a satellite block.");
    }
    return {};
}

namespace {

constexpr char kAlphabet[] = "0123456789. +-*";
constexpr int kAlphabetSize = 15;
constexpr std::uint8_t kSpaceCode = 11;

// Character → nibble code for the packed alphabet; everything else is a space.
const std::array<std::uint8_t, 128>& packCodes() {
    static const std::array<std::uint8_t, 128> codes = [] {
        std::array<std::uint8_t, 128> table{};
        table.fill(kSpaceCode);
        for (int code = 0; code < kAlphabetSize; ++code)
            table[std::size_t(kAlphabet[code])] = std::uint8_t(code);
        return table;
    }();
    return codes;
}

std::uint8_t packCode(QChar c) {
    return c.unicode() < 128 ? packCodes()[c.unicode()] : kSpaceCode;
}

QChar unpackCode(int code) {
    return code < kAlphabetSize ? QChar(kAlphabet[code]) : QChar(u' ');
}

// Cut or padded with zeros to exactly `size` bytes.
QByteArray fitted(const QByteArray& bytes, int size) {
    QByteArray out = bytes.left(size);
    out.append(QByteArray(size - out.size(), '\0'));
    return out;
}

// The first 8 characters, one byte per Unicode scalar: the scalar itself below
// U+0100, "?" otherwise. U+0000 is written as "?" too, because a 0 byte ends the
// name and, as the first byte, would make the slot read as empty and hide every
// satellite after it.
QByteArray encodeSatelliteName(const QString& name) {
    QByteArray out;
    const QString head = TextCharacters(name).left(SatelliteRecord::kNameSize);
    for (char32_t scalar : head.toUcs4())
        out.append(scalar != 0 && scalar < 0x100 ? char(scalar) : '?');
    return out.left(SatelliteRecord::kNameSize);
}

QString decodeSatelliteName(const QByteArray& field) {
    const qsizetype end = field.indexOf('\0');
    return QString::fromLatin1(end < 0 ? field : field.left(end)).trimmed();
}

QByteArray encodeRecord(const Satellite& s) {
    QByteArray record(SatelliteRecord::kSize, '\0');
    ByteWriter w(record);
    w.setBytes(SatelliteRecord::kNameOffset, encodeSatelliteName(s.name));
    w.setBytes(SatelliteRecord::kTle1Offset, fitted(s.tle1, SatelliteRecord::kTle1Size));
    w.setBytes(SatelliteRecord::kTle2Offset, fitted(s.tle2, SatelliteRecord::kTle2Size));
    w.setU32le(SatelliteRecord::kRxFreq1Offset, s.rxFreq1);
    w.setU32le(SatelliteRecord::kTxFreq1Offset, s.txFreq1);
    w.setU16le(SatelliteRecord::kTxToneOffset, encodeTone(s.txTone));
    w.setU16le(SatelliteRecord::kArmToneOffset, encodeTone(s.armTone));
    w.setU32le(SatelliteRecord::kRxFreq2Offset, s.rxFreq2);
    w.setU32le(SatelliteRecord::kTxFreq2Offset, s.txFreq2);
    w.setU32le(SatelliteRecord::kRxFreq3Offset, s.rxFreq3);
    w.setU32le(SatelliteRecord::kTxFreq3Offset, s.txFreq3);
    w.setBytes(SatelliteRecord::kAdditionalDataOffset,
               fitted(s.additionalData, SatelliteRecord::kAdditionalDataSize));
    return record;
}

// The caller has checked that the record lies inside `area`.
Satellite decodeRecord(const QByteArray& area, int offset, int index) {
    const ByteReader r(area);
    const auto bytesAt = [&](int at, int size) { return area.mid(offset + at, size); };
    const auto u32At = [&](int at) { return *r.u32le(offset + at); };
    Satellite s;
    s.id = QUuid::createUuid();
    s.index = index;
    s.name = decodeSatelliteName(bytesAt(SatelliteRecord::kNameOffset, SatelliteRecord::kNameSize));
    s.tle1 = bytesAt(SatelliteRecord::kTle1Offset, SatelliteRecord::kTle1Size);
    s.tle2 = bytesAt(SatelliteRecord::kTle2Offset, SatelliteRecord::kTle2Size);
    s.rxFreq1 = u32At(SatelliteRecord::kRxFreq1Offset);
    s.txFreq1 = u32At(SatelliteRecord::kTxFreq1Offset);
    s.txTone = decodeTone(*r.u16le(offset + SatelliteRecord::kTxToneOffset));
    s.armTone = decodeTone(*r.u16le(offset + SatelliteRecord::kArmToneOffset));
    s.rxFreq2 = u32At(SatelliteRecord::kRxFreq2Offset);
    s.txFreq2 = u32At(SatelliteRecord::kTxFreq2Offset);
    s.rxFreq3 = u32At(SatelliteRecord::kRxFreq3Offset);
    s.txFreq3 = u32At(SatelliteRecord::kTxFreq3Offset);
    s.additionalData =
        bytesAt(SatelliteRecord::kAdditionalDataOffset, SatelliteRecord::kAdditionalDataSize);
    return s;
}

// The satellite block and how many whole slots it holds. Slots are bounded by
// the block's declared length as well as by the area, so neither reading nor
// writing ever reaches into the block that follows.
struct SlotTable {
    int firstSlotOffset = 0;
    int slotCount = 0;
};

std::optional<SlotTable> findSlotTable(const QByteArray& area) {
    const auto block = findFittingCustomDataBlock(area, CustomDataArea::kSatelliteBlockType);
    if (!block)
        return std::nullopt;
    const auto wholeSlots = std::uint64_t(block->length) / SatelliteRecord::kSize;
    return SlotTable{block->dataOffset(),
                     int(std::min<std::uint64_t>(wholeSlots, SatelliteBlock::kSlotCount))};
}

} // namespace

std::optional<QList<Satellite>> decodeSatellites(const CodeplugImage& image) {
    const auto area = readCustomDataArea(image);
    if (!area)
        return std::nullopt;
    const auto table = findSlotTable(*area);
    if (!table)
        return std::nullopt;
    QList<Satellite> satellites;
    for (int i = 0; i < table->slotCount; ++i) {
        const int offset = table->firstSlotOffset + i * SatelliteRecord::kSize;
        if (area->at(offset + SatelliteRecord::kNameOffset) == '\0')
            break;
        satellites.append(decodeRecord(*area, offset, i));
    }
    return satellites;
}

RegionSet writeSatellites(const QList<Satellite>& satellites, CodeplugImage& image) {
    const auto area = readCustomDataArea(image);
    if (!area)
        return {};
    const auto table = findSlotTable(*area);
    if (!table)
        return {};
    QList<const Satellite*> kept;
    for (const Satellite& s : satellites) {
        if (kept.size() == SatelliteBlock::kSlotCount)
            break;
        if (!s.name.trimmed().isEmpty())
            kept.append(&s);
    }
    const BankAddress at = layoutForVariant(*image.variant).additionalSettingsBank;
    RegionSet written;
    for (int i = 0; i < table->slotCount; ++i) {
        const QByteArray record =
            i < kept.size() ? encodeRecord(*kept[i]) : QByteArray(SatelliteRecord::kSize, '\0');
        const auto address =
            at.address + std::uint32_t(table->firstSlotOffset + i * SatelliteRecord::kSize);
        addRegion(written, writeBytes(image, at.bank, address, record));
    }
    return written;
}

std::variant<RegionSet, SatelliteCodec::BlockError> ensureSatelliteBlock(CodeplugImage& image) {
    const auto area = readCustomDataArea(image);
    if (!area)
        return RegionSet{};
    if (findFittingCustomDataBlock(*area, CustomDataArea::kSatelliteBlockType))
        return RegionSet{};
    if (!hasCustomDataSignature(*area))
        return SatelliteCodec::BlockError::noSignature();
    const auto freeAt = findCustomDataBlock(*area, CustomDataArea::kFreeSpaceType);
    if (!freeAt)
        return SatelliteCodec::BlockError::noRoom();
    const auto freeLength = ByteReader(*area).u32le(*freeAt + CustomDataArea::kBlockLengthOffset);
    const auto blockEnd =
        std::uint64_t(*freeAt) + CustomDataArea::kBlockHeadSize + SatelliteBlock::kCreatedLength;
    if (freeLength != 0xFFFFFFFFu || blockEnd > std::uint64_t(area->size()))
        return SatelliteCodec::BlockError::noRoom();

    // No end marker follows the new block: the erased flash behind it already
    // reads as a free-space head.
    QByteArray block(CustomDataArea::kBlockHeadSize + int(SatelliteBlock::kCreatedLength), '\0');
    ByteWriter w(block);
    w.setU32le(CustomDataArea::kBlockTypeOffset, CustomDataArea::kSatelliteBlockType);
    w.setU32le(CustomDataArea::kBlockLengthOffset, SatelliteBlock::kCreatedLength);
    const BankAddress at = layoutForVariant(*image.variant).additionalSettingsBank;
    RegionSet written;
    addRegion(written, writeBytes(image, at.bank, at.address + std::uint32_t(*freeAt), block));
    return written;
}

QByteArray packText(const QString& text, int byteCount) {
    const TextCharacters characters(text);
    const auto codeAt = [&](int k) {
        const QString c = characters.mid(k, 1);
        return c.size() == 1 ? packCode(c[0]) : kSpaceCode;
    };
    QByteArray out(std::max(byteCount, 0), '\0');
    for (int k = 0; k < out.size(); ++k)
        out[k] = char((codeAt(2 * k) << 4) | codeAt(2 * k + 1));
    return out;
}

QString unpackText(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size() * 2);
    for (char byte : bytes) {
        const auto value = std::uint8_t(byte);
        out.append(unpackCode(value >> 4));
        out.append(unpackCode(value & 0x0F));
    }
    return out;
}

std::optional<QDateTime> epochDate(const Satellite& satellite) {
    const QString text = unpackText(satellite.tle1);
    if (text.size() < 14)
        return std::nullopt;
    const auto year = parseWholeNumber(text.mid(0, 2).trimmed());
    if (!year)
        return std::nullopt;
    bool ok = false;
    const double day = text.mid(2, 12).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(day))
        return std::nullopt;
    // Twelve packed characters hold at most 12 digits; this bound keeps the
    // milliseconds well inside 64 bits.
    const double offsetMs = (day - 1.0) * 86400000.0;
    if (std::fabs(offsetMs) > 1e17)
        return std::nullopt;
    const QDateTime start(QDate(2000 + *year, 1, 1), QTime(0, 0), QTimeZone::utc());
    return start.addMSecs(std::llround(offsetMs));
}

} // namespace nerka
