#include "ui/views/ChannelsSection.h"
#include "ui/views/MembershipGridView.h"
#include "ui/views/MembershipModel.h"
#include "ui/views/RecordRoles.h"
#include "ui/views/SearchProxyModel.h"
#include "ui/views/TalkgroupsSection.h"
#include "ui/views/ZoneMembershipMenu.h"
#include "ui/views/ZonesSection.h"

#include "ViewsFixture.h"
#include "tests/ui/Accessible.h"
#include "tests/ui/ScriptedDialogs.h"

#include <QAbstractItemModelTester>
#include <QAccessibleTableInterface>
#include <QAction>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace nerka;
using nerka::test::findAccessible;
using nerka::test::ScriptedDialogs;
using nerka::test::ViewsFixture;

namespace {

QStringList g_membershipModelFailures;
void recordMembershipModelFailures(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.contains(QLatin1String("FAIL!")))
        g_membershipModelFailures.append(message);
}

QStringList membershipHeaders(const QAbstractItemModel& model) {
    QStringList out;
    for (int c = 0; c < model.columnCount(); ++c)
        out << model.headerData(c, Qt::Horizontal).toString();
    return out;
}

QStringList membershipRowNames(const QAbstractItemModel& model) {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r)
        out << model.index(r, 0).data().toString();
    return out;
}

bool isTicked(const QAbstractItemModel& model, int row, int column) {
    return model.index(row, column).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
}

QStringList menuTexts(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* action : actions)
        out << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return out;
}

class MembershipTest : public ViewsFixture {
protected:
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(MembershipTest, ModelsStayConsistentThroughTogglesEditsUndoAndReload) {
    g_membershipModelFailures.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordMembershipModelFailures);
    {
        MembershipModel zones(controller, MembershipModel::Kind::zones);
        MembershipModel talkgroups(controller, MembershipModel::Kind::talkgroups);
        QAbstractItemModelTester zoneTester(
            &zones, QAbstractItemModelTester::FailureReportingMode::Warning);
        QAbstractItemModelTester groupTester(
            &talkgroups, QAbstractItemModelTester::FailureReportingMode::Warning);
        EXPECT_EQ(zones.columnCount(), 1);
        loadCodeplug();

        EXPECT_EQ(membershipHeaders(zones), (QStringList{"Channel", "Home"}));
        EXPECT_EQ(membershipRowNames(zones),
                  (QStringList{"1: S20", "2: DB0ABC", "3: Wetter", "4: PMR 1"}));
        EXPECT_TRUE(isTicked(zones, 1, 1));
        EXPECT_FALSE(isTicked(zones, 2, 1));
        EXPECT_EQ(zones.headerData(1, Qt::Horizontal, MembershipModel::CountTextRole).toString(),
                  QStringLiteral("2/80"));

        // A tick is one edit of the zone, one undo step; the column's count
        // changes, its header text does not.
        QSignalSpy counts(&zones, &MembershipModel::countChanged);
        QSignalSpy headers(&zones, &QAbstractItemModel::headerDataChanged);
        ASSERT_TRUE(zones.setData(zones.index(3, 1), Qt::Checked, Qt::CheckStateRole));
        EXPECT_EQ(counts.size(), 1);
        EXPECT_EQ(headers.size(), 0);
        EXPECT_TRUE(isTicked(zones, 3, 1));
        EXPECT_EQ(controller.document().zones().first().memberIndices, (QList<int>{0, 1, 3}));
        EXPECT_EQ(zones.countText(1), QStringLiteral("Home: 3/80 channels"));
        EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Add channel 4 to zone 1"));
        EXPECT_TRUE(zones.toggle(zones.index(0, 1)));
        EXPECT_FALSE(isTicked(zones, 0, 1));
        EXPECT_FALSE(zones.toggle(zones.index(0, 0))); // the name cell is no tick
        controller.document().updateZone(
            controller.document().zones().first().index,
            ZoneEdit{QStringLiteral("Daheim"),
                     controller.document().zones().first().memberIndices});
        EXPECT_EQ(headers.size(), 1);
        EXPECT_EQ(membershipHeaders(zones), (QStringList{"Channel", "Daheim"}));

        // Contacts × lists: the group contact, and the private one only while a member.
        EXPECT_EQ(membershipHeaders(talkgroups), (QStringList{"Contact", "Regional"}));
        EXPECT_EQ(membershipRowNames(talkgroups),
                  (QStringList{"Local (9)", "Anna (2621001) \u2014 private call"}));
        EXPECT_TRUE(talkgroups.index(1, 0).data(MembershipModel::MarkedRole).toBool());
        EXPECT_TRUE(talkgroups.toggle(talkgroups.index(1, 1)));
        EXPECT_EQ(membershipRowNames(talkgroups), QStringList{"Local (9)"});
        EXPECT_EQ(controller.document().undoLabel(),
                  QStringLiteral("Remove contact 2 from talkgroup 1"));

        controller.document().updateZone((*controller.document().newZone()).index,
                                         ZoneEdit{QStringLiteral("Relais"), {2}});
        EXPECT_EQ(membershipHeaders(zones), (QStringList{"Channel", "Daheim", "Relais"}));
        EXPECT_TRUE(isTicked(zones, 2, 2));
        controller.document().deleteChannels({3});
        EXPECT_EQ(zones.rowCount(), 3);
        controller.document().undo();
        controller.document().undo();
        EXPECT_EQ(zones.rowCount(), 4);
        controller.document().undo();
        EXPECT_EQ(membershipRowNames(talkgroups).size(), 2);

        const CodeplugImage blank = test::blankImage(RadioVariant::uv380);
        controller.document().load(blank, decodeImage(blank));
        settle();
        EXPECT_EQ(zones.rowCount(), 0);
        EXPECT_EQ(talkgroups.columnCount(), 1);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_membershipModelFailures.isEmpty())
        << g_membershipModelFailures.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MembershipTest, ZoneGridFromTheKeyboardWithSearchAndCheckedStateForAssistiveTechnology) {
    loadCodeplug();
    ZonesSection section(controller, dialogs);
    section.show();
    QAction* membership = section.membershipAction();
    ASSERT_EQ(membership->text(), QStringLiteral("Membership"));
    ASSERT_NE(findAccessible(&section, QStringLiteral("Membership")), nullptr);
    membership->trigger();
    ASSERT_TRUE(membership->isChecked());
    MembershipGridView* grid = section.membershipGrid();
    ASSERT_TRUE(grid->isVisible());
    EXPECT_EQ(section.searchField()->accessibleName(), QStringLiteral("Search channels"));
    ASSERT_NE(findAccessible(&section, QStringLiteral("Home"), QAccessible::ColumnHeader), nullptr);

    // The search filters rows by frequency; the arrows and Space do the rest.
    section.setSearchText(QStringLiteral("446.00625"));
    QTableView* table = grid->table();
    ASSERT_EQ(table->model()->rowCount(), 1);
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Right);
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_EQ(controller.document().zones().first().memberIndices, (QList<int>{0, 1, 3}));
    EXPECT_EQ(grid->countLabel()->text(), QStringLiteral("Home: 3/80 channels"));

    QAccessibleInterface* tableAccess = QAccessible::queryAccessibleInterface(table);
    ASSERT_NE(tableAccess->tableInterface(), nullptr);
    QAccessibleInterface* cell = tableAccess->tableInterface()->cellAt(0, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_TRUE(cell->state().checkable);
    EXPECT_TRUE(cell->state().checked);
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_FALSE(tableAccess->tableInterface()->cellAt(0, 1)->state().checked);
    EXPECT_EQ(controller.document().zones().first().memberIndices, (QList<int>{0, 1}));

    // Back to the list: the search is emptied and the zone commands return.
    membership->trigger();
    EXPECT_TRUE(section.searchText().isEmpty());
    EXPECT_EQ(section.searchField()->accessibleName(), QStringLiteral("Search zones"));
    EXPECT_TRUE(section.view()->isVisible());
}

TEST_F(MembershipTest, TalkgroupGridTogglesOneContactPerCell) {
    loadCodeplug();
    TalkgroupsSection section(controller, dialogs);
    section.show();
    section.membershipAction()->trigger();
    QTableView* table = section.membershipGrid()->table();
    ASSERT_TRUE(table->isVisible());
    section.setSearchText(QStringLiteral("loc"));
    ASSERT_EQ(table->model()->rowCount(), 1);
    table->setCurrentIndex(table->model()->index(0, 1));
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_EQ(controller.document().talkgroups().first().memberSlots, QList<int>{1});
    EXPECT_EQ(section.membershipGrid()->countLabel()->text(),
              QStringLiteral("Regional: 1/32 contacts"));
}

TEST_F(MembershipTest, ZonesMoveUpAndDownInTheList) {
    loadCodeplug();
    controller.document().updateZone((*controller.document().newZone()).index,
                                     ZoneEdit{QStringLiteral("Relais"), {2}});
    controller.document().updateZone((*controller.document().newZone()).index,
                                     ZoneEdit{QStringLiteral("PMR"), {3}});
    ZonesSection section(controller, dialogs);
    section.selectKeys({2});
    section.moveCurrent(-1);
    QStringList names;
    for (const Zone& zone : controller.document().zones())
        names << zone.name;
    EXPECT_EQ(names, (QStringList{"Home", "PMR", "Relais"}));
    EXPECT_EQ(section.selectedKeys(), QList<int>{1});
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Reorder zones"));
    section.selectKeys({0});
    section.moveCurrent(-1); // the first zone stays first
    EXPECT_EQ(controller.document().zones().first().name, QStringLiteral("Home"));
    section.moveCurrent(+1);
    EXPECT_EQ(controller.document().zones()[1].name, QStringLiteral("Home"));
}

TEST_F(MembershipTest, ChannelSelectionAddsToRemovesFromAndMakesZones) {
    loadCodeplug();
    ChannelsSection section(controller, dialogs);
    auto* menu = section.findChild<ZoneMembershipMenu*>();
    ASSERT_NE(menu, nullptr);
    section.selectKeys({2, 3});
    const QList<QAction*> items = menu->actions();
    EXPECT_EQ(menuTexts(items), (QStringList{"Add to zone", "Remove from zone"}));
    EXPECT_TRUE(items[0]->isEnabled());
    EXPECT_EQ(menuTexts(menu->addMenu()->actions()),
              (QStringList{"Home (2/80)", "-", "New zone from selection\u2026"}));

    // Channel 2 is in Home already; 3 joins it, after the present members.
    menu->addMenu()->actions().first()->trigger();
    EXPECT_EQ(controller.document().zones().first().memberIndices, (QList<int>{0, 1, 2}));
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Add channel 3 to zone 1"));
    (void)menu->actions();
    EXPECT_FALSE(menu->addMenu()->actions().first()->isEnabled()); // both are in it now

    menu->removeMenu()->actions().first()->trigger();
    EXPECT_EQ(controller.document().zones().first().memberIndices, QList<int>{0});
    EXPECT_FALSE(menu->actions()[1]->isEnabled()); // no zone lists them now

    // "New zone from selection…" asks for the name, proposing the next zone's.
    menu->addMenu()->actions().last()->trigger();
    auto* dialog = section.findChild<QInputDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->textValue(), QStringLiteral("Zone 2"));
    dialog->setTextValue(QStringLiteral("Relais"));
    dialog->accept();
    ASSERT_EQ(controller.document().zones().size(), 2);
    EXPECT_EQ(controller.document().zones()[1].name, QStringLiteral("Relais"));
    EXPECT_EQ(controller.document().zones()[1].memberIndices, (QList<int>{1, 2}));
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("New zone 2"));
}
