#include "controller/WritePlan.h"

#include "link/LinkProtocol.h"

#include <algorithm>
#include <set>

namespace nerka {

namespace {

constexpr int kPlanBlockSize = LinkProtocol::kBlockSize;
constexpr std::uint32_t kPlanSectorSize = LinkProtocol::kSectorSize;

int blockCountOf(qsizetype bytes) {
    return int((bytes + kPlanBlockSize - 1) / kPlanBlockSize);
}

int blockLength(qsizetype regionBytes, int offset) {
    return int(std::min<qsizetype>(kPlanBlockSize, regionBytes - offset));
}

// The baseline's bytes of `region`, when it holds that region whole.
const QByteArray* baselineBytes(const CodeplugImage& baseline, const CodeplugRegion& region,
                                qsizetype length) {
    for (qsizetype i = 0; i < baseline.regions.size() && i < baseline.blobs.size(); ++i) {
        if (baseline.regions[i] == region && baseline.blobs[i].size() == length)
            return &baseline.blobs[i];
    }
    return nullptr;
}

RegionWritePlan planRegion(const std::optional<CodeplugImage>& baseline, const CodeplugImage& image,
                           int index, bool forceWhole) {
    const CodeplugRegion& region = image.regions[index];
    const QByteArray& bytes = image.blobs[index];
    RegionWritePlan plan;
    plan.regionIndex = index;
    plan.bank = region.bank;
    plan.blockCount = blockCountOf(bytes.size());
    plan.changedBlocks = plan.blockCount;

    const QByteArray* before = nullptr;
    if (forceWhole)
        plan.whole = WholeRegionReason::forced;
    else if (!baseline || baseline->variant != image.variant)
        plan.whole = WholeRegionReason::noBaseline;
    else if (!(before = baselineBytes(*baseline, region, bytes.size())))
        plan.whole = WholeRegionReason::notInBaseline;

    QList<int> changed;
    if (before) {
        for (int offset = 0; offset < bytes.size(); offset += kPlanBlockSize) {
            const int length = blockLength(bytes.size(), offset);
            if (QByteArrayView(bytes).sliced(offset, length) !=
                QByteArrayView(*before).sliced(offset, length))
                changed.append(offset);
        }
        plan.changedBlocks = int(changed.size());
        if (2 * plan.changedBlocks > plan.blockCount)
            plan.whole = WholeRegionReason::mostBlocksChanged;
    }
    if (plan.whole == WholeRegionReason::none) {
        plan.sentOffsets = changed;
    } else {
        for (int offset = 0; offset < bytes.size(); offset += kPlanBlockSize)
            plan.sentOffsets.append(offset);
    }
    return plan;
}

// The request stream for the planned blocks, with the sector handling of the
// whole-region writer (see planWrite).
void buildRequests(const CodeplugImage& image, WritePlan& plan, std::set<std::uint32_t>& opened) {
    std::optional<std::uint32_t> openSector;
    const auto commit = [&] {
        if (!openSector)
            return;
        plan.requests.append({WriteRequest::Kind::commitSector, 0, 0, -1});
        ++plan.commits;
        openSector.reset();
    };
    for (const RegionWritePlan& region : plan.regions) {
        const CodeplugRegion& where = image.regions[region.regionIndex];
        const qsizetype size = image.blobs[region.regionIndex].size();
        for (int offset : region.sentOffsets) {
            const std::uint32_t address = where.address + std::uint32_t(offset);
            const int length = blockLength(size, offset);
            if (region.bank == Bank::eeprom) {
                commit();
                plan.requests.append(
                    {WriteRequest::Kind::eepromWrite, address, length, region.regionIndex});
                ++plan.eepromWrites;
                continue;
            }
            const std::uint32_t sector = address / kPlanSectorSize;
            if (openSector != sector) {
                commit();
                plan.requests.append({WriteRequest::Kind::setFlashSector, sector * kPlanSectorSize,
                                      0, region.regionIndex});
                ++plan.sectorsOpened;
                openSector = sector;
                opened.insert(sector);
            }
            plan.requests.append(
                {WriteRequest::Kind::flashBufferWrite, address, length, region.regionIndex});
            ++plan.bufferWrites;
        }
    }
    commit();
}

void addVerifyBlocks(const CodeplugImage& image, const std::set<std::uint32_t>& openedSectors,
                     WritePlan& plan) {
    for (const RegionWritePlan& region : plan.regions) {
        if (region.bank != Bank::eeprom)
            continue;
        const CodeplugRegion& where = image.regions[region.regionIndex];
        const qsizetype size = image.blobs[region.regionIndex].size();
        for (int offset : region.sentOffsets)
            plan.verifyBlocks.append(
                {Bank::eeprom, where.address + std::uint32_t(offset), blockLength(size, offset)});
    }
    if (openedSectors.empty())
        return;
    // Each block once, in address order, even where regions overlap.
    std::set<std::pair<std::uint32_t, int>> flashBlocks;
    for (qsizetype i = 0; i < image.regions.size() && i < image.blobs.size(); ++i) {
        const CodeplugRegion& where = image.regions[i];
        if (where.bank != Bank::flash)
            continue;
        const qsizetype size = image.blobs[i].size();
        for (int offset = 0; offset < size; offset += kPlanBlockSize) {
            const std::uint32_t address = where.address + std::uint32_t(offset);
            if (openedSectors.count(address / kPlanSectorSize))
                flashBlocks.insert({address, blockLength(size, offset)});
        }
    }
    for (const auto& [address, length] : flashBlocks)
        plan.verifyBlocks.append({Bank::flash, address, length});
}

} // namespace

bool WritePlan::anyWholeRegion() const {
    return std::any_of(regions.begin(), regions.end(),
                       [](const RegionWritePlan& r) { return r.whole != WholeRegionReason::none; });
}

WritePlan planWrite(const std::optional<CodeplugImage>& baseline, const CodeplugImage& image,
                    const RegionSet& dirty, bool forceWholeRegions) {
    WritePlan plan;
    for (int index : dirty) {
        if (index < 0 || index >= image.regions.size() || index >= image.blobs.size())
            continue;
        plan.regions.append(planRegion(baseline, image, index, forceWholeRegions));
    }
    std::set<std::uint32_t> opened;
    buildRequests(image, plan, opened);
    addVerifyBlocks(image, opened, plan);
    return plan;
}

} // namespace nerka
