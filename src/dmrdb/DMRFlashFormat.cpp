#include "dmrdb/DMRFlashFormat.h"

#include "dmrdb/SixBitText.h"
#include "dmrdb/Utf8Text.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace nerka {

namespace {

constexpr DMRFlashAreas kGd77Areas{{0x30000, kDMRArea1Size}, {0xB8000, 0x100000 - 0xB8000}};
constexpr DMRFlashAreas kUv380Areas{{0x50000, kDMRArea1Size}, {0xD8000, 0x1000000 - 0xD8000}};

struct IdAndIndex {
    std::uint32_t id;
    std::uint32_t index;
};

// Stable sort by ID (IDs fit in 24 bits): two passes of a 12-bit radix sort,
// so entries with the same ID keep their list order.
void sortById(std::vector<IdAndIndex>& items) {
    const bool sorted = std::is_sorted(items.begin(), items.end(),
                                       [](IdAndIndex a, IdAndIndex b) { return a.id < b.id; });
    if (sorted)
        return;
    constexpr int kDigitBits = 12;
    constexpr std::uint32_t kBuckets = 1u << kDigitBits;
    std::vector<IdAndIndex> buffer(items.size());
    std::vector<size_t> offsets(kBuckets);
    for (int shift = 0; shift < 24; shift += kDigitBits) {
        std::fill(offsets.begin(), offsets.end(), 0);
        for (const IdAndIndex& item : items)
            ++offsets[(item.id >> shift) & (kBuckets - 1)];
        size_t total = 0;
        for (size_t& offset : offsets) {
            const size_t count = offset;
            offset = total;
            total += count;
        }
        for (const IdAndIndex& item : items)
            buffer[offsets[(item.id >> shift) & (kBuckets - 1)]++] = item;
        items.swap(buffer);
    }
}

// The display text of entry `index`, joined in `text` from the stored UTF-8
// (the byte-level twin of displayText()).
void buildDisplayText(const DMRUserEntryList& entries, qsizetype index, DMRNameFormat nameFormat,
                      std::string& text) {
    const std::string_view callsign = entries.callsignUtf8(index);
    const std::string_view firstName = entries.firstNameUtf8(index);
    const std::string_view lastName = entries.lastNameUtf8(index);
    text.assign(callsign);
    auto appendPart = [&text](std::string_view part) {
        if (part.empty())
            return;
        if (!text.empty())
            text.push_back(' ');
        text.append(part);
    };
    appendPart(firstName);
    if (nameFormat == DMRNameFormat::fullName)
        appendPart(lastName);
}

void writeCompressedRecord(unsigned char* record, int size, std::uint32_t id,
                           std::string_view text) {
    record[DMRCompressedRecord::kIdOffset] = static_cast<unsigned char>(id);
    record[DMRCompressedRecord::kIdOffset + 1] = static_cast<unsigned char>(id >> 8);
    record[DMRCompressedRecord::kIdOffset + 2] = static_cast<unsigned char>(id >> 16);
    packSixBitUtf8(text, record + DMRCompressedRecord::kTextOffset,
                   size - DMRCompressedRecord::kTextOffset);
}

void writeUncompressedRecord(unsigned char* record, int size, std::uint32_t id,
                             std::string_view text) {
    std::uint32_t rest = id;
    for (int i = 0; i < DMRUncompressedRecord::kIdSize; ++i) {
        const unsigned units = rest % 10;
        rest /= 10;
        const unsigned tens = rest % 10;
        rest /= 10;
        record[DMRUncompressedRecord::kIdOffset + i] =
            static_cast<unsigned char>(tens << 4 | units);
    }
    // One byte per scalar value: ISO 8859-1 where it can, "?" elsewhere.
    unsigned char* out = record + DMRUncompressedRecord::kTextOffset;
    const int textLength = size - DMRUncompressedRecord::kTextOffset;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    int written = 0;
    for (; written < textLength && p < end; ++written) {
        const char32_t c = *p < 0x80 ? *p++ : utf8::nextScalar(p, end);
        out[written] = c < 0x100 ? static_cast<unsigned char>(c) : 0x3F;
    }
    std::memset(out + written, 0, size_t(textLength - written));
}

bool isHorizontalSpaceLatin1(unsigned char c) {
    return c == 0x20 || c == 0x09 || c == 0xA0;
}

} // namespace

DMRFlashAreas dmrFlashAreas(RadioVariant family) {
    return family == RadioVariant::uv380 ? kUv380Areas : kGd77Areas;
}

int clampDMRTextLength(int textLength) {
    return std::clamp(textLength, kDMRMinTextLength, kDMRMaxTextLength);
}

int recordSize(DMRDBFormat format, int textLength) {
    const int length = clampDMRTextLength(textLength);
    if (format == DMRDBFormat::compressed)
        return (length * 6 + 7) / 8 + DMRCompressedRecord::kTextOffset;
    return length + DMRUncompressedRecord::kTextOffset;
}

qsizetype area1RecordCapacity(int recordSize) {
    return recordSize > 0 ? kDMRArea1RecordBytes / recordSize : 0;
}

qsizetype capacity(RadioVariant family, DMRDBFormat format, int textLength) {
    const int size = recordSize(format, textLength);
    return area1RecordCapacity(size) + qsizetype(dmrFlashAreas(family).area2.size / unsigned(size));
}

int textLengthForRecordSize(int recordSize, bool compressed) {
    if (compressed)
        return std::min((recordSize - DMRCompressedRecord::kTextOffset) * 8 / 6, kDMRMaxTextLength);
    return recordSize - DMRUncompressedRecord::kTextOffset;
}

DMRCandidates receivableEntries(const DMRUserEntryList& entries) {
    std::vector<IdAndIndex> items;
    items.reserve(size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const std::uint32_t id = entries.idAt(i);
        if (id != 0 && id <= kDMRMaxId)
            items.push_back({id, std::uint32_t(i)});
    }
    // The sort is stable, so the first of equal IDs is the earliest entry.
    sortById(items);
    DMRCandidates candidates;
    candidates.ids.reserve(items.size());
    candidates.indices.reserve(items.size());
    for (const IdAndIndex& item : items) {
        if (!candidates.ids.empty() && candidates.ids.back() == item.id)
            continue;
        candidates.ids.push_back(item.id);
        candidates.indices.push_back(item.index);
    }
    candidates.merged = qsizetype(items.size() - candidates.ids.size());
    return candidates;
}

DMRFlashImage encodeForFlash(const DMRUserDatabase& database, RadioVariant family,
                             const DMRSelection& selection) {
    const DMRUserEntryList& entries = database.entries;
    const int size = recordSize(database.format, database.textLength);
    const bool compressed = database.format == DMRDBFormat::compressed;

    const DMRCandidates candidates = receivableEntries(entries);
    const auto valid = qsizetype(candidates.ids.size());
    DMRFlashImage image;
    image.selection = selectForRadio(
        candidates.ids, capacity(family, database.format, database.textLength), selection);
    const qsizetype written = image.selection.written;
    const qsizetype inArea1 = std::min(written, area1RecordCapacity(size));

    image.written = written;
    image.dropped = valid - written;
    image.merged = candidates.merged;
    image.area1 = QByteArray(DMRDBHeader::kSize + inArea1 * size, '\0');
    image.area2 = QByteArray((written - inArea1) * size, '\0');

    auto* header = reinterpret_cast<unsigned char*>(image.area1.data());
    header[DMRDBHeader::kMagicOffset] = DMRDBHeader::kMagic0;
    header[DMRDBHeader::kMagicOffset + 1] = DMRDBHeader::kMagic1;
    header[DMRDBHeader::kFormatOffset] =
        compressed ? DMRDBHeader::kCompressedLetter : DMRDBHeader::kUncompressedLetter;
    header[DMRDBHeader::kRecordSizeOffset] =
        static_cast<unsigned char>(DMRDBHeader::kRecordSizeBase + size);
    const auto count = std::uint32_t(written);
    for (int i = 0; i < 4; ++i)
        header[DMRDBHeader::kCountOffset + i] = static_cast<unsigned char>(count >> (8 * i));

    unsigned char* area1Records = header + DMRDBHeader::kSize;
    auto* area2Records = reinterpret_cast<unsigned char*>(image.area2.data());
    std::string text;
    qsizetype i = 0; // record number
    for (const DMRPositionRange& range : image.selection.chosen) {
        for (qsizetype position = range.begin; position < range.end; ++position, ++i) {
            const std::uint32_t id = candidates.ids[size_t(position)];
            unsigned char* record =
                i < inArea1 ? area1Records + i * size : area2Records + (i - inArea1) * size;
            buildDisplayText(entries, candidates.indices[size_t(position)], database.nameFormat,
                             text);
            if (compressed)
                writeCompressedRecord(record, size, id, text);
            else
                writeUncompressedRecord(record, size, id, text);
        }
    }
    return image;
}

std::optional<DMRDBHeader> parseHeader(QByteArrayView bytes) {
    if (bytes.size() < DMRDBHeader::kSize)
        return std::nullopt;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    if (b[DMRDBHeader::kMagicOffset] != DMRDBHeader::kMagic0 ||
        b[DMRDBHeader::kMagicOffset + 1] != DMRDBHeader::kMagic1)
        return std::nullopt;
    const int sizeByte = b[DMRDBHeader::kRecordSizeOffset];
    if (sizeByte < DMRDBHeader::kRecordSizeBase + DMRDBHeader::kMinRecordSize ||
        sizeByte > DMRDBHeader::kRecordSizeBase + DMRDBHeader::kMaxRecordSize)
        return std::nullopt;
    DMRDBHeader header;
    header.recordSize = sizeByte - DMRDBHeader::kRecordSizeBase;
    // Bit 5 is the ASCII case bit: "N" and "n" both mean compressed.
    header.compressed = (b[DMRDBHeader::kFormatOffset] & ~0x20) == DMRDBHeader::kCompressedLetter;
    header.count = 0;
    for (int i = 0; i < 4; ++i)
        header.count |= std::uint32_t(b[DMRDBHeader::kCountOffset + i]) << (8 * i);
    return header;
}

DMRUserEntryList decodeRecords(QByteArrayView bytes, std::uint32_t count, int recordSize,
                               bool compressed) {
    DMRUserEntryList entries;
    const int textOffset =
        compressed ? DMRCompressedRecord::kTextOffset : DMRUncompressedRecord::kTextOffset;
    if (recordSize < textOffset)
        return entries;
    const qsizetype available = std::min<qsizetype>(qsizetype(count), bytes.size() / recordSize);
    if (available <= 0)
        return entries;
    const int textBytes = recordSize - textOffset;
    entries.reserve(available, available * textBytes * 2);

    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::string text(size_t(textBytes) * 2 + 8, '\0');
    for (qsizetype i = 0; i < available; ++i) {
        const unsigned char* record = data + i * recordSize;
        const unsigned char* stored = record + textOffset;
        std::uint32_t id = 0;
        int length = 0;
        if (compressed) {
            id = std::uint32_t(record[0]) | std::uint32_t(record[1]) << 8 |
                 std::uint32_t(record[2]) << 16;
            length = unpackSixBitTo(stored, textBytes, text.data());
        } else {
            for (int b = DMRUncompressedRecord::kIdSize - 1; b >= 0; --b) {
                const unsigned high = record[b] >> 4;
                const unsigned low = record[b] & 0x0F;
                if (high > 9 || low > 9) {
                    id = 0;
                    break;
                }
                id = id * 100 + high * 10 + low;
            }
            // ISO 8859-1 text up to the first 0x00, trimmed, written as UTF-8.
            int end = 0;
            while (end < textBytes && stored[end] != 0)
                ++end;
            int begin = 0;
            while (begin < end && isHorizontalSpaceLatin1(stored[begin]))
                ++begin;
            while (end > begin && isHorizontalSpaceLatin1(stored[end - 1]))
                --end;
            for (int k = begin; k < end; ++k) {
                const unsigned char c = stored[k];
                if (c < 0x80) {
                    text[size_t(length++)] = char(c);
                } else {
                    text[size_t(length++)] = char(0xC0 | (c >> 6));
                    text[size_t(length++)] = char(0x80 | (c & 0x3F));
                }
            }
        }
        if (id == 0)
            continue;
        entries.appendUtf8(id, std::string_view(text.data(), size_t(length)), {}, {});
    }
    entries.squeeze();
    return entries;
}

} // namespace nerka
