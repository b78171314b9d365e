#include "ui/rules/MemberSelection.h"

#include <gtest/gtest.h>

using namespace nerka;

TEST(MemberSelectionTest, FullTalkgroupRefusesATickButAcceptsAnUntick) {
    MemberSelection selection({5, 9}, 2);
    EXPECT_EQ(selection.talkgroupCounterText(), QStringLiteral("2/2 contacts"));
    EXPECT_FALSE(selection.toggle(3));
    EXPECT_EQ(selection.members(), (QList<int>{5, 9}));
    EXPECT_TRUE(selection.toggle(5));
    EXPECT_EQ(selection.members(), (QList<int>{9}));
    EXPECT_TRUE(selection.toggle(3));
    EXPECT_EQ(selection.members(), (QList<int>{9, 3}));
}

TEST(MemberSelectionTest, ZoneAddsRemovesAndMoves) {
    MemberSelection zone({}, 3);
    EXPECT_TRUE(zone.add(10));
    EXPECT_TRUE(zone.add(11));
    EXPECT_TRUE(zone.add(12));
    EXPECT_FALSE(zone.add(13));
    EXPECT_EQ(zone.zoneCounterText(), QStringLiteral("3/3 channels \u2014 drag to reorder"));
    EXPECT_TRUE(zone.move(2, 0));
    EXPECT_EQ(zone.members(), (QList<int>{12, 10, 11}));
    EXPECT_FALSE(zone.move(0, 3));
    EXPECT_FALSE(zone.removeAt(-1));
    EXPECT_TRUE(zone.removeAt(1));
    EXPECT_EQ(zone.members(), (QList<int>{12, 11}));
    // A stored list longer than the limit shows what would be stored.
    EXPECT_EQ(MemberSelection({1, 2, 3, 4}, 2).members(), (QList<int>{1, 2}));
}
