#pragma once

#include "codeplug/CodeplugImage.h"

#include <QString>

#include <variant>

namespace nerka {

// The one failure of reading a codeplug file.
struct CodeplugError {
    enum class Kind { invalidFile };
    Kind kind = Kind::invalidFile;
    QString message;

    static CodeplugError invalidFile(QString message) {
        return {Kind::invalidFile, std::move(message)};
    }
    // "Invalid codeplug file: " followed by the message.
    [[nodiscard]] QString description() const;

    friend bool operator==(const CodeplugError&, const CodeplugError&) = default;
};

// Codeplug file: "OGD77CP2", variant code (0 gd77, 1 uv380, 0xFF none), u32le
// region count, then per region: bank code, u32le address, u32le byte count,
// the bytes. A file written from an image reads back to an equal image.
struct CodeplugFileFormat {
    static constexpr char kSignature[] = "OGD77CP2";
    static constexpr int kSignatureSize = 8;
    static constexpr int kVariantOffset = 8;
    static constexpr int kCountOffset = 9;
    static constexpr int kFirstEntryOffset = 13;
    static constexpr int kEntryHeadSize = 9; // bank, address, length
    static constexpr std::uint8_t kNoVariant = 0xFF;
    // A codeplug has four regions; a count far above that is a damaged or
    // crafted file, refused before any region is read.
    static constexpr std::uint32_t kMaxRegionCount = 16;
};

[[nodiscard]] QByteArray encodeCodeplugFile(const CodeplugImage& image);

// The image, or the reason the bytes are not a codeplug file. Nothing of a
// partly read file is returned; more than kMaxRegionCount regions are refused.
[[nodiscard]] std::variant<CodeplugImage, CodeplugError>
decodeCodeplugFile(const QByteArray& bytes);

} // namespace nerka
