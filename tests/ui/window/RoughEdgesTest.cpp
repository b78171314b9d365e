// Window behaviour that could break without anyone noticing: the activity
// log keeps following new lines, a search that hides everything says so, and
// moving channels under a search steps past the neighbour the user sees.

#include "WindowFixture.h"

#include "ui/views/ListSection.h"
#include "ui/window/ActivityLogView.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>

namespace nerka::test {
namespace {

TEST_F(WindowTest, ActivityLogFollowsWheneverScrolledToTheBottom) {
    ActivityLogView& log = *window.activityLog();
    for (int i = 0; i < 60; ++i)
        radio->activityLog().append(QStringLiteral("line %1").arg(i));
    QScrollBar* bar = log.list()->verticalScrollBar();
    const auto atBottom = [&] { return bar->maximum() > 0 && bar->value() == bar->maximum(); };
    ASSERT_TRUE(QTest::qWaitFor(atBottom, 2000));

    // A smaller log pane (the window or the splitter resized) keeps following.
    log.resize(log.width(), log.height() / 2);
    QTest::qWait(20);
    radio->activityLog().append(QStringLiteral("after the resize"));
    EXPECT_TRUE(QTest::qWaitFor(atBottom, 2000));
    EXPECT_TRUE(log.isFollowing());

    // Scrolled up to read, it stays where the user put it…
    bar->setValue(0);
    radio->activityLog().append(QStringLiteral("while reading"));
    QTest::qWait(20);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(log.isFollowing());
    // …until scrolled back down.
    bar->setValue(bar->maximum());
    radio->activityLog().append(QStringLiteral("back at the bottom"));
    EXPECT_TRUE(QTest::qWaitFor(atBottom, 2000));
}

TEST_F(WindowTest, SearchThatHidesEveryRecordSaysSo) {
    openSampleFile();
    window.showSection(SidebarItem::zones);
    ListSection* zones = window.listSection(SidebarItem::zones);
    ASSERT_GT(zones->recordCount(), 0);
    zones->setSearchText(QStringLiteral("tg262"));
    EXPECT_EQ(zones->noMatchText(), QStringLiteral("No zones match 'tg262'"));
    EXPECT_NE(findAccessible(&window, QStringLiteral("No zones match 'tg262'")), nullptr);
    EXPECT_FALSE(zones->view()->isVisible());
    zones->setSearchText(QString());
    EXPECT_EQ(zones->noMatchText(), QString());
    EXPECT_TRUE(zones->view()->isVisible());
}

TEST_F(WindowTest, MoveUnderASearchStepsPastTheShownNeighbour) {
    openSampleFile();
    window.showSection(SidebarItem::channels);
    ListSection* channels = window.listSection(SidebarItem::channels);
    const auto names = [&] {
        QStringList list;
        for (const RadioChannel& channel : radio->document().channels())
            list.append(channel.name);
        return list;
    };
    const auto command = [&](const QString& text) {
        for (QAction* action : channels->sectionToolBar()->actions()) {
            if (action->text() == text)
                return action;
        }
        return static_cast<QAction*>(nullptr);
    };
    ASSERT_EQ(names().mid(0, 3), (QStringList{"S20 Anruf", "S21", "S22"}));
    ASSERT_EQ(names()[7], QStringLiteral("U280 Anruf"));

    // Only the two calling channels are shown: channel 8 moves above channel
    // 1, past the six the search hides, which keep their order.
    channels->setSearchText(QStringLiteral("anruf"));
    ASSERT_EQ(channels->view()->model()->rowCount(), 2);
    channels->selectKeys({8});
    ASSERT_TRUE(command(QStringLiteral("Move up"))->isEnabled());
    command(QStringLiteral("Move up"))->trigger();
    EXPECT_EQ(names().mid(0, 4), (QStringList{"U280 Anruf", "S20 Anruf", "S21", "S22"}));
    EXPECT_EQ(channels->selectedKeys(), QList<int>{1});
    // It is the first row shown now: no further up; down takes it back
    // below its shown neighbour.
    EXPECT_FALSE(command(QStringLiteral("Move up"))->isEnabled());
    command(QStringLiteral("Move down"))->trigger();
    EXPECT_EQ(names().mid(0, 3), (QStringList{"S20 Anruf", "U280 Anruf", "S21"}));
    EXPECT_EQ(channels->selectedKeys(), QList<int>{2});
}

} // namespace
} // namespace nerka::test
