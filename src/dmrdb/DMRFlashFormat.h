#pragma once

#include "codeplug/CodeplugImage.h"
#include "dmrdb/DMRSelection.h"
#include "dmrdb/DMRUserDatabase.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <vector>

namespace nerka {

// Where the DMR user-ID table lies in the flash bank of a radio family. Area 1
// starts with the header; area 2 continues with the record after the last one
// that fits in area 1 and has no header of its own.
struct DMRFlashArea {
    std::uint32_t address = 0;
    std::uint32_t size = 0;
};

struct DMRFlashAreas {
    DMRFlashArea area1;
    DMRFlashArea area2;
};

[[nodiscard]] DMRFlashAreas dmrFlashAreas(RadioVariant family);

// The 12-byte header at the start of area 1, and the values read from it.
struct DMRDBHeader {
    static constexpr int kSize = 12;
    static constexpr int kMagicOffset = 0; // "I" "d"
    static constexpr std::uint8_t kMagic0 = 0x49;
    static constexpr std::uint8_t kMagic1 = 0x64;
    static constexpr int kFormatOffset = 2;
    static constexpr std::uint8_t kCompressedLetter = 0x4E;   // "N"
    static constexpr std::uint8_t kUncompressedLetter = 0x54; // "T"
    static constexpr int kRecordSizeOffset = 3;               // 0x4A + record size
    static constexpr std::uint8_t kRecordSizeBase = 0x4A;
    static constexpr int kMinRecordSize = 4;
    static constexpr int kMaxRecordSize = 24;
    static constexpr int kReservedOffset = 4; // four zero bytes
    static constexpr int kCountOffset = 8;    // u32 little-endian

    std::uint32_t count = 0;
    int recordSize = 0;
    bool compressed = true;

    friend bool operator==(const DMRDBHeader&, const DMRDBHeader&) = default;
};

// Compressed record: 24-bit little-endian ID, then the 6-bit packed text.
struct DMRCompressedRecord {
    static constexpr int kIdOffset = 0;
    static constexpr int kIdSize = 3;
    static constexpr int kTextOffset = 3;
};

// Uncompressed record: the ID as eight BCD digits (units in the low nibble of
// byte 0), then one byte per character padded with 0x00.
struct DMRUncompressedRecord {
    static constexpr int kIdOffset = 0;
    static constexpr int kIdSize = 4;
    static constexpr int kTextOffset = 4;
};

// Area 1 is 256 KiB; the header takes its first 12 bytes.
inline constexpr std::uint32_t kDMRArea1Size = 0x40000;
inline constexpr int kDMRArea1RecordBytes = int(kDMRArea1Size) - DMRDBHeader::kSize;
// IDs the radio can receive (24 bits, zero excluded).
inline constexpr std::uint32_t kDMRMaxId = 0xFFFFFF;
inline constexpr int kDMRMinTextLength = 1;
inline constexpr int kDMRMaxTextLength = 20;

[[nodiscard]] int clampDMRTextLength(int textLength);
[[nodiscard]] int recordSize(DMRDBFormat format, int textLength);
// Records that fit in area 1 after the header.
[[nodiscard]] qsizetype area1RecordCapacity(int recordSize);
[[nodiscard]] qsizetype capacity(RadioVariant family, DMRDBFormat format, int textLength);
// The text length that a stored record size stands for (the inverse of
// recordSize, at most 20 characters).
[[nodiscard]] int textLengthForRecordSize(int recordSize, bool compressed);

// The entries a radio can receive, sorted by ID: IDs 1..0xFFFFFF, the first
// occurrence of each ID in list order.
struct DMRCandidates {
    std::vector<std::uint32_t> ids;     // ascending, distinct
    std::vector<std::uint32_t> indices; // list index of the entry of each ID
    qsizetype merged = 0;               // later entries of an ID already taken
};

[[nodiscard]] DMRCandidates receivableEntries(const DMRUserEntryList& entries);

struct DMRFlashImage {
    QByteArray area1;              // header and the first records
    QByteArray area2;              // the further records; may be empty
    qsizetype written = 0;         // records stored (the header's count)
    qsizetype dropped = 0;         // valid entries not written (no room, or not selected)
    qsizetype merged = 0;          // later entries of an ID already taken, left out
    DMRSelectionOutcome selection; // which entries the selection took
};

// The bytes to write for a database: IDs outside 1..0xFFFFFF and later
// duplicates of an ID are left out, the rest sorted by ID and cut at the
// family's capacity. Which entries stay follows `selection`; without
// prefixes the lowest IDs stay. The records are always written in ID order.
[[nodiscard]] DMRFlashImage encodeForFlash(const DMRUserDatabase& database, RadioVariant family,
                                           const DMRSelection& selection = {});

// Nothing when the bytes do not start with a valid header.
[[nodiscard]] std::optional<DMRDBHeader> parseHeader(QByteArrayView bytes);

// Entries from the records that follow the header (area 2 appended to area 1,
// header removed). Decoding stops at the first record that the bytes do not
// hold completely; records with ID 0 (or an invalid BCD ID) are skipped. Each
// entry carries its whole stored text in `callsign`.
[[nodiscard]] DMRUserEntryList decodeRecords(QByteArrayView bytes, std::uint32_t count,
                                             int recordSize, bool compressed);

} // namespace nerka
