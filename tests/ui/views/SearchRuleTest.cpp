#include "ui/views/SearchProxyModel.h"

#include "codeplug/RadioChannel.h"

#include <gtest/gtest.h>

using namespace nerka;

namespace {

TEST(SearchRuleTest, ChannelsMatchNameFrequenciesAndNumberIgnoringCase) {
    RadioChannel channel;
    channel.number = 17;
    channel.name = QStringLiteral("DB0Abc");
    channel.rxHz = 438'612'500;
    channel.txHz = 431'012'500;
    EXPECT_EQ(SearchProxyModel::channelSearchText(channel),
              QStringLiteral("DB0Abc438.61250431.0125017"));
    for (const char* hit : {"", "db0", "ABC", "438.6125", "431.01250", "17", "abc438"})
        EXPECT_TRUE(SearchProxyModel::channelMatches(channel, QString::fromUtf8(hit))) << hit;
    for (const char* miss : {"db1", "438,6125", "145.", "18", " abc"})
        EXPECT_FALSE(SearchProxyModel::channelMatches(channel, QString::fromUtf8(miss))) << miss;
}

TEST(SearchRuleTest, OtherRecordsMatchTheirNameOnly) {
    EXPECT_TRUE(SearchProxyModel::nameMatches(QStringLiteral("Weltweit"), QString()));
    EXPECT_TRUE(SearchProxyModel::nameMatches(QStringLiteral("Weltweit"), QStringLiteral("WELT")));
    EXPECT_TRUE(SearchProxyModel::nameMatches(QStringLiteral("Bayern Süd"), QStringLiteral("SÜD")));
    EXPECT_FALSE(SearchProxyModel::nameMatches(QStringLiteral("Weltweit"), QStringLiteral("9")));
}

} // namespace
