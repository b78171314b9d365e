#pragma once

#include "codeplug/CodeplugImage.h"

#include <QList>

#include <cstdint>
#include <optional>

namespace nerka {

// One request of the data phase of a codeplug write, in the form the radio
// takes it: EEPROM and sector-buffer writes carry one 32-byte block (the last
// block of a region may be shorter), sector selections and commits carry none.
// The screen, close and reboot packets around the data are not part of it.
struct WriteRequest {
    enum class Kind { eepromWrite, setFlashSector, flashBufferWrite, commitSector };

    Kind kind = Kind::eepromWrite;
    // eepromWrite, flashBufferWrite: the first byte written; setFlashSector:
    // the sector's first byte; commitSector: 0.
    std::uint32_t address = 0;
    int length = 0;       // data bytes (0 for setFlashSector and commitSector)
    int regionIndex = -1; // the region the data comes from (-1 for commitSector)

    friend bool operator==(const WriteRequest&, const WriteRequest&) = default;
};

// Why a region is sent whole rather than block by block.
enum class WholeRegionReason {
    none,              // sent block by block
    noBaseline,        // what the radio holds is not known
    notInBaseline,     // the baseline has no region at this place and size
    mostBlocksChanged, // more than half of the region's blocks differ
    forced,            // the user asked for whole regions
};

struct RegionWritePlan {
    int regionIndex = 0;
    Bank bank = Bank::eeprom;
    int blockCount = 0;    // 32-byte blocks of the region
    int changedBlocks = 0; // blocks that differ from the baseline; blockCount without one
    WholeRegionReason whole = WholeRegionReason::none;
    // Offsets (within the region) of the blocks sent, ascending: every block
    // when the region goes whole, else the changed ones (possibly none).
    QList<int> sentOffsets;
};

// A block to read back after the write and compare with the image.
struct VerifyBlock {
    Bank bank = Bank::eeprom;
    std::uint32_t address = 0;
    int length = 0;

    friend bool operator==(const VerifyBlock&, const VerifyBlock&) = default;
};

// What a write sends, planned before anything goes out.
struct WritePlan {
    QList<RegionWritePlan> regions; // the dirty regions, ascending
    QList<WriteRequest> requests;   // in sending order, the last open sector committed
    // Every EEPROM block written and, for every flash sector opened, every
    // block of the image's flash regions that lies in it: the radio programs
    // the whole sector from its buffer, so all of it is checked.
    QList<VerifyBlock> verifyBlocks;

    int eepromWrites = 0;
    int sectorsOpened = 0;
    int bufferWrites = 0;
    int commits = 0;

    [[nodiscard]] int dataRequests() const { return int(requests.size()); }
    // True when the radio already holds every dirty region: nothing is sent.
    [[nodiscard]] bool nothingToWrite() const { return requests.isEmpty(); }
    [[nodiscard]] bool anyWholeRegion() const;
};

// Plans the write of the `dirty` regions of `image` to a radio that holds
// `baseline` (nothing when unknown). Regions are cut into 32-byte blocks from
// their first byte, exactly as the whole-region writer cuts them. With a
// baseline, an EEPROM region sends one write per block that differs, and a
// flash region opens only the sectors that hold a changed block and writes
// only the changed blocks into the sector buffer before committing it: the
// radio loads a sector's current contents into its buffer when it is opened,
// so the other blocks keep their bytes. A region goes whole (every block, as
// the whole-region writer sends it) without a baseline, when the baseline
// lacks the region, when more than half of its blocks changed, or when
// `forceWholeRegions` is set.
//
// Sector handling follows the whole-region writer: a block's sector is that
// of its first byte; a sector stays open while the following blocks lie in
// it, also across regions; it is committed before the next sector is opened,
// before any EEPROM write and at the end. Flash regions must start at a
// multiple of 32 (the writer refuses others) so that no block crosses a
// sector boundary. Dirty indices outside the image are ignored.
[[nodiscard]] WritePlan planWrite(const std::optional<CodeplugImage>& baseline,
                                  const CodeplugImage& image, const RegionSet& dirty,
                                  bool forceWholeRegions = false);

} // namespace nerka
