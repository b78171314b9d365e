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
    EXPECT_EQ(F::writeMessage(3, 37000),
              QStringLiteral("3 entries will be written to the DMR-ID database flash area. The "
                             "device will reboot afterwards. Your codeplug is not affected."));
    // More than the radio holds: the question says how many fit, and which.
    EXPECT_EQ(F::writeMessage(295113, 37135),
              QStringLiteral("Only 37,135 of the 295,113 entries fit: the 37,135 with the lowest "
                             "DMR IDs will be written to the DMR-ID database flash area. The "
                             "device will reboot afterwards. Your codeplug is not affected."));
}

} // namespace
} // namespace nerka

namespace nerka {
namespace {

TEST(DMRDatabaseFiguresTest, SelectionAndSearchTexts) {
    using F = DMRDatabaseFigures;
    EXPECT_EQ(F::overCapacityWarning(40000, 37135, DMRDBFormat::uncompressed, true),
              QStringLiteral("Imported 40000 entries exceed the ~37135 that fit; the preferred "
                             "prefixes decide which are written."));
    EXPECT_EQ(F::prefixListText(DMRPrefixNames::parse(QStringLiteral(""))),
              QStringLiteral("No preferred prefixes"));
    EXPECT_EQ(F::prefixListText(DMRPrefixNames::parse(QStringLiteral("26 Poland"))),
              QStringLiteral("26, 260 Poland"));

    const std::vector<std::uint32_t> ids{2600001, 2620001, 2620002, 3100001};
    EXPECT_EQ(F::selectionText(selectForRadio(ids, 2, {})),
              QStringLiteral("No preferred prefixes: the lowest IDs fill the radio."));
    const DMRSelectionOutcome cut = selectForRadio(ids, 1, {{QStringLiteral("262")}, true});
    EXPECT_EQ(F::selectionText(cut), QStringLiteral("2 entries in the selection, 1 fit."));
    EXPECT_EQ(F::cutText(cut), QStringLiteral("Cut: 262 keeps 1 of 2"));
    EXPECT_EQ(F::cutText(selectForRadio(ids, 4, {{QStringLiteral("262")}, true})), QString());
    EXPECT_EQ(F::writeMessage(cut),
              QStringLiteral("Writing 1 of 4 entries: 262 cut to 1 of 2. The device will reboot "
                             "afterwards. Your codeplug is not affected."));

    EXPECT_EQ(F::matchesText(0, 0), QStringLiteral("No matches"));
    EXPECT_EQ(F::matchesText(1, 1), QStringLiteral("1 match"));
    EXPECT_EQ(F::matchesText(5000, 5001), QStringLiteral("showing first 5000 of 5001 matches"));
}

} // namespace
} // namespace nerka
