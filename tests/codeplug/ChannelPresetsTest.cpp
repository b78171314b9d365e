#include "codeplug/ChannelPresets.h"

#include <gtest/gtest.h>

using namespace nerka;

namespace {

// Every preset channel is a simplex FM channel with the import defaults.
void expectDefaultsApartFromNameAndFrequency(const QList<ChannelEdit>& preset) {
    for (const ChannelEdit& edit : preset) {
        EXPECT_EQ(edit.rxHz, edit.txHz) << edit.name.toStdString();
        ChannelEdit expected;
        expected.name = edit.name;
        expected.rxHz = edit.rxHz;
        expected.txHz = edit.txHz;
        EXPECT_EQ(edit, expected) << edit.name.toStdString();
    }
}

} // namespace

TEST(ChannelPresets, Pmr446) {
    const QList<ChannelEdit> preset = pmr446Preset();
    ASSERT_EQ(preset.size(), 16);
    EXPECT_EQ(preset.front().name, QStringLiteral("PMR 01"));
    EXPECT_EQ(preset.front().rxHz, 446'006'250u);
    EXPECT_EQ(preset[1].rxHz, 446'018'750u);
    EXPECT_EQ(preset.back().name, QStringLiteral("PMR 16"));
    EXPECT_EQ(preset.back().rxHz, 446'193'750u);
    expectDefaultsApartFromNameAndFrequency(preset);
}

TEST(ChannelPresets, Dpmr446) {
    const QList<ChannelEdit> preset = dpmr446Preset();
    ASSERT_EQ(preset.size(), 16);
    EXPECT_EQ(preset.front().name, QStringLiteral("dPMR 01"));
    EXPECT_EQ(preset.front().rxHz, 446'103'125u);
    EXPECT_EQ(preset[1].rxHz, 446'109'375u);
    EXPECT_EQ(preset.back().name, QStringLiteral("dPMR 16"));
    EXPECT_EQ(preset.back().rxHz, 446'196'875u);
    expectDefaultsApartFromNameAndFrequency(preset);
}

TEST(ChannelPresets, Freenet) {
    const QList<ChannelEdit> preset = freenetPreset();
    ASSERT_EQ(preset.size(), 6);
    const std::uint64_t expectedHz[] = {149'025'000, 149'037'500, 149'050'000,
                                        149'087'500, 149'100'000, 149'112'500};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(preset[i].name, QStringLiteral("Freenet %1").arg(i + 1));
        EXPECT_EQ(preset[i].rxHz, expectedHz[i]);
    }
    expectDefaultsApartFromNameAndFrequency(preset);
}
