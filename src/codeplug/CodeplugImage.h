#pragma once

#include <QByteArray>
#include <QHashFunctions>
#include <QList>

#include <cstdint>
#include <optional>
#include <set>

namespace nerka {

// Memory bank of an address. The numeric codes are those of the codeplug file.
enum class Bank : std::uint8_t { eeprom = 0, flash = 1 };

// Layout family of a radio. The numeric codes are those of the codeplug file
// (0xFF there means "no variant").
enum class RadioVariant : std::uint8_t { gd77 = 0, uv380 = 1 };

[[nodiscard]] const char* variantKey(RadioVariant variant); // "gd77" / "uv380"
[[nodiscard]] const char* bankKey(Bank bank);               // "eeprom" / "flash"

struct CodeplugRegion {
    Bank bank = Bank::eeprom;
    std::uint32_t address = 0;
    int length = 0;

    friend bool operator==(const CodeplugRegion&, const CodeplugRegion&) = default;
};

inline size_t qHash(const CodeplugRegion& region, size_t seed = 0) {
    return qHashMulti(seed, int(region.bank), region.address, region.length);
}

// Indices into CodeplugImage::regions that an encoder wrote. Ordered, so the
// writer to the radio can walk them in ascending order.
using RegionSet = std::set<int>;

// The codeplug in memory: one byte buffer per region. Copying is cheap because
// QByteArray shares its data until one copy is written (undo snapshots and
// "work on a copy" rely on this).
// Invariant: blobs.size() == regions.size(), and no codec changes a buffer's length.
struct CodeplugImage {
    std::optional<RadioVariant> variant;
    QList<CodeplugRegion> regions;
    QList<QByteArray> blobs;

    friend bool operator==(const CodeplugImage&, const CodeplugImage&) = default;
};

// Copy of `count` bytes at `address` of `bank`, taken from the first region (in
// list order) of that bank that starts at or below `address` and whose buffer
// holds the whole range; nothing when no region does.
[[nodiscard]] std::optional<QByteArray> readBytes(const CodeplugImage& image, Bank bank,
                                                  std::uint32_t address, int count);

// Overwrites bytes in place in the region readBytes would pick for the same
// range and returns that region's index. When no region covers the range the
// image is left exactly as it was and nothing is returned.
[[nodiscard]] std::optional<int> writeBytes(CodeplugImage& image, Bank bank, std::uint32_t address,
                                            const QByteArray& bytes);

// Adds the region index of a write, if the write landed, to a RegionSet.
inline void addRegion(RegionSet& set, std::optional<int> index) {
    if (index)
        set.insert(*index);
}

} // namespace nerka
