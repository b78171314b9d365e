#include "codeplug/CodeplugFile.h"

#include "codeplug/ByteIO.h"

#include <QCoreApplication>

#include <limits>

namespace nerka {

QString CodeplugError::description() const {
    return QCoreApplication::translate("CodeplugFile", "Invalid codeplug file: %1").arg(message);
}

QByteArray encodeCodeplugFile(const CodeplugImage& image) {
    using F = CodeplugFileFormat;
    const auto count = std::min(image.regions.size(), image.blobs.size());
    qsizetype total = F::kFirstEntryOffset;
    for (qsizetype i = 0; i < count; ++i)
        total += F::kEntryHeadSize + image.blobs[i].size();
    // A reader rejects files shorter than 14 bytes, so an image without regions
    // gets one padding byte after its (empty) entry list, which readers ignore.
    // Without it such an image would save to a file that cannot be opened again.
    if (count == 0)
        total += 1;

    QByteArray out(total, '\0');
    ByteWriter w(out);
    w.setBytes(0, QByteArray(F::kSignature, F::kSignatureSize));
    w.setU8(F::kVariantOffset, image.variant ? std::uint8_t(*image.variant) : F::kNoVariant);
    w.setU32le(F::kCountOffset, std::uint32_t(count));
    int pos = F::kFirstEntryOffset;
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArray& blob = image.blobs[i];
        w.setU8(pos, std::uint8_t(image.regions[i].bank));
        w.setU32le(pos + 1, image.regions[i].address);
        w.setU32le(pos + 5, std::uint32_t(blob.size()));
        w.setBytes(pos + F::kEntryHeadSize, blob);
        pos += F::kEntryHeadSize + int(blob.size());
    }
    return out;
}

std::variant<CodeplugImage, CodeplugError> decodeCodeplugFile(const QByteArray& bytes) {
    using F = CodeplugFileFormat;
    // 14 is the shortest file accepted: the 13-byte header and at least one byte more.
    if (bytes.size() < F::kFirstEntryOffset + 1 ||
        !bytes.startsWith(QByteArray(F::kSignature, F::kSignatureSize)))
        return CodeplugError::invalidFile(QCoreApplication::translate(
            "CodeplugFile", "Wrong signature — not a valid codeplug file (v2)."));

    // Offsets and lengths are 32-bit ints further on.
    if (bytes.size() > std::numeric_limits<int>::max())
        return CodeplugError::invalidFile(
            QCoreApplication::translate("CodeplugFile", "File too large."));

    ByteReader r(bytes);
    CodeplugImage image;
    switch (*r.u8(F::kVariantOffset)) {
    case 0:
        image.variant = RadioVariant::gd77;
        break;
    case 1:
        image.variant = RadioVariant::uv380;
        break;
    default:
        break;
    }

    const std::uint32_t count = *r.u32le(F::kCountOffset);
    if (count > F::kMaxRegionCount)
        return CodeplugError::invalidFile(
            QCoreApplication::translate("CodeplugFile",
                                        "%1 regions; a codeplug file has at most %2.")
                .arg(count)
                .arg(F::kMaxRegionCount));
    qsizetype pos = F::kFirstEntryOffset;
    // The count comes from the file; entries are checked one by one against the
    // bytes that remain, so a huge count cannot make us reserve or read past the end.
    for (std::uint32_t i = 0; i < count; ++i) {
        if (bytes.size() - pos < F::kEntryHeadSize)
            return CodeplugError::invalidFile(
                QCoreApplication::translate("CodeplugFile", "File too short."));
        const auto bankCode = *r.u8(int(pos));
        const auto address = *r.u32le(int(pos + 1));
        const auto length = *r.u32le(int(pos + 5));
        pos += F::kEntryHeadSize;
        if (std::uint64_t(bytes.size() - pos) < length)
            return CodeplugError::invalidFile(
                QCoreApplication::translate("CodeplugFile", "File too short for region."));
        image.regions.append({bankCode == 0 ? Bank::eeprom : Bank::flash, address, int(length)});
        image.blobs.append(bytes.mid(pos, qsizetype(length)));
        pos += qsizetype(length);
    }
    return image;
}

} // namespace nerka
