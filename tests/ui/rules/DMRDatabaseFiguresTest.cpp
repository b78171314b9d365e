#include "ui/rules/DMRDatabaseFigures.h"

#include <gtest/gtest.h>

namespace nerka {
namespace {

TEST(DMRDatabaseFiguresTest, CapacityFollowsFamilyFormatAndTextLength) {
    using F = DMRDatabaseFigures;
    EXPECT_EQ(F::capacity(RadioVariant::gd77, DMRDBFormat::compressed, 16), 37135);
    EXPECT_EQ(F::capacity(RadioVariant::gd77, DMRDBFormat::uncompressed, 16), 27851);
    // No radio identified: the uv380 figures.
    EXPECT_EQ(F::capacity(std::nullopt, DMRDBFormat::compressed, 16), 1076973);
    EXPECT_EQ(F::capacity(std::nullopt, DMRDBFormat::uncompressed, 16), 807730);
    EXPECT_EQ(F::capacityText(37135), QStringLiteral("~37135"));
}

TEST(DMRDatabaseFiguresTest, OverCapacityWarningsCarryTheirNumbers) {
    using F = DMRDatabaseFigures;
    EXPECT_FALSE(F::overCapacityWarning(37135, 37135, DMRDBFormat::compressed, false));
    EXPECT_EQ(F::overCapacityWarning(40000, 37135, DMRDBFormat::compressed, false),
              QStringLiteral("Imported 40000 entries exceed the ~37135 that fit; only the first "
                             "37135 (lowest DMR IDs) will be written."));
    EXPECT_EQ(F::overCapacityWarning(1000000, 807730, DMRDBFormat::uncompressed, false),
              QStringLiteral("Imported 1000000 entries exceed the ~807730 that fit uncompressed; "
                             "switch Format to Compressed to fit the full worldwide database."));
}

TEST(DMRDatabaseFiguresTest, PreviewChoicesAndTexts) {
    using F = DMRDatabaseFigures;
    EXPECT_EQ(F::previewRows(5), 5);
    EXPECT_EQ(F::shownText(2000), QString());
    EXPECT_EQ(F::previewRows(2001), 2000);
    EXPECT_EQ(F::shownText(2001), QStringLiteral("showing first 2000 of 2001"));

    EXPECT_EQ(F::textLengthChoices(16), (QList<int>{8, 12, 16, 20}));
    // A length read back from a radio stays choosable; out-of-range values clamp.
    EXPECT_EQ(F::textLengthChoices(10), (QList<int>{8, 10, 12, 16, 20}));
    EXPECT_EQ(F::textLengthChoices(25), (QList<int>{8, 12, 16, 20}));

    EXPECT_EQ(F::emptyText(QStringLiteral("ids.example")),
              QStringLiteral("Use Import CSV\u2026, Download from ids.example, or Read from "
                             "device to load entries."));
    EXPECT_EQ(F::writeMessage(3),
              QStringLiteral("3 entries will be written to the DMR-ID database flash area. The "
                             "device will reboot afterwards. Your codeplug is not affected."));
}

} // namespace
} // namespace nerka
