#include "controller/WritePlan.h"

#include "codeplug/CodeplugLayout.h"

#include <gtest/gtest.h>

#include <functional>

using namespace nerka;

namespace {

using Reason = WholeRegionReason;

// Region 0: EEPROM, 16 blocks. Region 1: flash, two whole sectors (0x7000 and
// 0x8000). Region 2: flash from the last 128 bytes of sector 9 into sector 10.
// Region 3: EEPROM again, two blocks, after the flash regions.
CodeplugImage smallImage() {
    CodeplugImage image;
    image.variant = RadioVariant::gd77;
    image.regions = {{Bank::eeprom, 0x0080, 0x200},
                     {Bank::flash, 0x7000, 0x2000},
                     {Bank::flash, 0x9F80, 0x100},
                     {Bank::eeprom, 0x1000, 0x40}};
    for (const CodeplugRegion& r : image.regions) {
        QByteArray bytes(r.length, '\0');
        for (int i = 0; i < r.length; ++i)
            bytes[i] = char(i * 7 + int(r.address));
        image.blobs.append(bytes);
    }
    return image;
}

// Flips the byte at `offset` of region `region`.
void flip(CodeplugImage& image, int region, int offset) {
    image.blobs[region][offset] = char(~image.blobs[region][offset]);
}

// "E 0xA0 32" (EEPROM write), "S 0x7000" (open sector), "B 0x7060 32"
// (sector-buffer write), "C" (commit).
QStringList describe(const QList<WriteRequest>& requests) {
    QStringList out;
    for (const WriteRequest& r : requests) {
        const QString at = QStringLiteral("0x") + QString::number(r.address, 16).toUpper();
        switch (r.kind) {
        case WriteRequest::Kind::eepromWrite:
            out.append(QStringLiteral("E ") + at + u' ' + QString::number(r.length));
            break;
        case WriteRequest::Kind::setFlashSector:
            out.append(QStringLiteral("S ") + at);
            break;
        case WriteRequest::Kind::flashBufferWrite:
            out.append(QStringLiteral("B ") + at + u' ' + QString::number(r.length));
            break;
        case WriteRequest::Kind::commitSector:
            out.append(QStringLiteral("C"));
            break;
        }
    }
    return out;
}

// Every block of a whole region as the whole-region writer sends it.
QStringList wholeEeprom() {
    QStringList out;
    for (int offset = 0; offset < 0x200; offset += 32)
        out.append(QStringLiteral("E 0x") + QString::number(0x80 + offset, 16).toUpper() +
                   QStringLiteral(" 32"));
    return out;
}

QStringList wholeFlash() {
    QStringList out;
    for (std::uint32_t sector : {0x7000u, 0x8000u}) {
        out.append(QStringLiteral("S 0x") + QString::number(sector, 16).toUpper());
        for (std::uint32_t a = sector; a < sector + 0x1000; a += 32)
            out.append(QStringLiteral("B 0x") + QString::number(a, 16).toUpper() +
                       QStringLiteral(" 32"));
        out.append(QStringLiteral("C"));
    }
    return out;
}

struct PlanCase {
    const char* name;
    RegionSet dirty;
    std::function<void(CodeplugImage&)> edit; // applied to the image to write
    bool withBaseline;
    bool force;
    QStringList requests;
    QList<Reason> reasons; // per dirty region
    int verifyBlocks;
};

TEST(WritePlan, SendsOnlyTheBlocksThatDifferOrWholeRegionsWhenItMust) {
    const QStringList sectorTwoChanged{QStringLiteral("S 0x7000"), QStringLiteral("B 0x7060 32"),
                                       QStringLiteral("B 0x7BA0 32"), QStringLiteral("C")};
    const QList<PlanCase> cases{
        {"one EEPROM block",
         {0},
         [](CodeplugImage& i) { flip(i, 0, 40); },
         true,
         false,
         {QStringLiteral("E 0xA0 32")},
         {Reason::none},
         1},
        {"a change across a block boundary",
         {0},
         [](CodeplugImage& i) {
             flip(i, 0, 62);
             flip(i, 0, 65);
         },
         true,
         false,
         {QStringLiteral("E 0xA0 32"), QStringLiteral("E 0xC0 32")},
         {Reason::none},
         2},
        {"two blocks of one flash sector",
         {1},
         [](CodeplugImage& i) {
             flip(i, 1, 100);
             flip(i, 1, 3000);
         },
         true,
         false,
         sectorTwoChanged,
         {Reason::none},
         128},
        {"two flash sectors",
         {1},
         [](CodeplugImage& i) {
             flip(i, 1, 0);
             flip(i, 1, 0x1000 + 64);
         },
         true,
         false,
         {QStringLiteral("S 0x7000"), QStringLiteral("B 0x7000 32"), QStringLiteral("C"),
          QStringLiteral("S 0x8000"), QStringLiteral("B 0x8040 32"), QStringLiteral("C")},
         {Reason::none},
         256},
        {"EEPROM after flash commits the open sector first",
         {0, 1, 3},
         [](CodeplugImage& i) {
             flip(i, 1, 100);
             flip(i, 0, 0);
             flip(i, 3, 33);
         },
         true,
         false,
         {QStringLiteral("E 0x80 32"), QStringLiteral("S 0x7000"), QStringLiteral("B 0x7060 32"),
          QStringLiteral("C"), QStringLiteral("E 0x1020 32")},
         {Reason::none, Reason::none, Reason::none},
         130},
        {"no change",
         {0, 1},
         [](CodeplugImage&) {},
         true,
         false,
         {},
         {Reason::none, Reason::none},
         0},
        {"half of a region's blocks still goes block by block",
         {0},
         [](CodeplugImage& i) {
             for (int block = 0; block < 8; ++block)
                 flip(i, 0, block * 32);
         },
         true,
         false,
         [] {
             QStringList eight = wholeEeprom();
             return eight.mid(0, 8);
         }(),
         {Reason::none},
         8},
        {"more than half of a region goes whole",
         {0},
         [](CodeplugImage& i) {
             for (int block = 0; block < 9; ++block)
                 flip(i, 0, block * 32);
         },
         true,
         false,
         wholeEeprom(),
         {Reason::mostBlocksChanged},
         16},
        {"no baseline sends every dirty region whole",
         {0, 1},
         [](CodeplugImage& i) { flip(i, 0, 0); },
         false,
         false,
         wholeEeprom() + wholeFlash(),
         {Reason::noBaseline, Reason::noBaseline},
         16 + 256},
        {"forced whole regions",
         {1},
         [](CodeplugImage& i) { flip(i, 1, 0); },
         true,
         true,
         wholeFlash(),
         {Reason::forced},
         256},
        {"a whole region crossing a sector boundary mid-region",
         {2},
         [](CodeplugImage&) {},
         false,
         false,
         {QStringLiteral("S 0x9000"), QStringLiteral("B 0x9F80 32"), QStringLiteral("B 0x9FA0 32"),
          QStringLiteral("B 0x9FC0 32"), QStringLiteral("B 0x9FE0 32"), QStringLiteral("C"),
          QStringLiteral("S 0xA000"), QStringLiteral("B 0xA000 32"), QStringLiteral("B 0xA020 32"),
          QStringLiteral("B 0xA040 32"), QStringLiteral("B 0xA060 32"), QStringLiteral("C")},
         {Reason::noBaseline},
         8},
    };
    for (const PlanCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CodeplugImage baseline = smallImage();
        CodeplugImage image = baseline;
        c.edit(image);
        const WritePlan plan =
            planWrite(c.withBaseline ? std::optional<CodeplugImage>(baseline) : std::nullopt, image,
                      c.dirty, c.force);
        EXPECT_EQ(describe(plan.requests), c.requests);
        QList<Reason> reasons;
        for (const RegionWritePlan& r : plan.regions)
            reasons.append(r.whole);
        EXPECT_EQ(reasons, c.reasons);
        EXPECT_EQ(plan.verifyBlocks.size(), c.verifyBlocks);
        EXPECT_EQ(plan.nothingToWrite(), c.requests.isEmpty());
        // The counts add up to the requests.
        EXPECT_EQ(plan.eepromWrites + plan.sectorsOpened + plan.bufferWrites + plan.commits,
                  plan.dataRequests());
        EXPECT_EQ(plan.sectorsOpened, plan.commits);
    }
}

TEST(WritePlan, WholeRegionsOfTheRealLayoutsMatchTheWholeRegionWriter) {
    // gd77: the first region (EEPROM, channels 1-128) is 767 writes; the last
    // (flash, channels 129 and up) opens and commits 20 sectors with 2547
    // buffer writes.
    CodeplugImage image;
    image.variant = RadioVariant::gd77;
    image.regions = layoutForVariant(RadioVariant::gd77).regions;
    for (const CodeplugRegion& r : image.regions)
        image.blobs.append(QByteArray(r.length, '\x5A'));
    const WritePlan eeprom = planWrite(std::nullopt, image, {0});
    EXPECT_EQ(eeprom.eepromWrites, 767);
    EXPECT_EQ(eeprom.dataRequests(), 767);
    const WritePlan flash = planWrite(std::nullopt, image, {3});
    EXPECT_EQ(flash.sectorsOpened, 20);
    EXPECT_EQ(flash.bufferWrites, 2547);
    EXPECT_EQ(flash.commits, 20);
    EXPECT_EQ(flash.verifyBlocks.size(), 2547);

    // A baseline of another family is no baseline.
    CodeplugImage other = image;
    other.variant = RadioVariant::uv380;
    EXPECT_EQ(planWrite(other, image, {0}).regions[0].whole, WholeRegionReason::noBaseline);
    // Nor is one whose region sits elsewhere.
    other = image;
    other.regions[0].address += 32;
    EXPECT_EQ(planWrite(other, image, {0}).regions[0].whole, WholeRegionReason::notInBaseline);
}

} // namespace
