#include "ui/views/ChannelsSection.h"
#include "ui/views/ContactsSection.h"
#include "ui/views/SatellitesSection.h"
#include "ui/views/TalkgroupsSection.h"
#include "ui/views/ZonesSection.h"

#include "ViewsFixture.h"
#include "tests/ui/Accessible.h"
#include "tests/ui/ScriptedDialogs.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <memory>

using namespace nerka;
using nerka::test::findAccessible;
using nerka::test::pressAccessible;
using nerka::test::ScriptedDialogs;
using nerka::test::ViewsFixture;

namespace {

QStringList texts(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* action : actions)
        out << (action ? action->text() : QStringLiteral("-"));
    return out;
}

QAction* actionNamed(QWidget* root, const QString& text) {
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Selects the rows of the view (all columns), as a click and shift-clicks do.
void selectRows(ListSection& section, const QList<int>& rows) {
    QAbstractItemView* view = section.view();
    QItemSelection selection;
    for (const int row : rows) {
        selection.select(view->model()->index(row, 0),
                         view->model()->index(row, view->model()->columnCount() - 1));
    }
    view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    view->selectionModel()->setCurrentIndex(view->model()->index(rows.first(), 0),
                                            QItemSelectionModel::NoUpdate);
}

class SectionsTest : public ViewsFixture {
protected:
    ScriptedDialogs dialogs;
};

TEST_F(SectionsTest, TwoSelectedChannelsOfferToDeleteTwoAndTheDeleteKeyDoesIt) {
    loadCodeplug();
    ChannelsSection section(controller, dialogs);
    section.show();
    EXPECT_NE(findAccessible(&section, QStringLiteral("Search channels")), nullptr);
    for (const char* header : {"#", "Name", "Mode", "RX (MHz)", "TX (MHz)", "Details"}) {
        EXPECT_NE(findAccessible(&section, QString::fromUtf8(header), QAccessible::ColumnHeader),
                  nullptr)
            << header;
    }

    selectRows(section, {1, 3});
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{2, 4}));
    QAccessibleInterface* deleteButton = findAccessible(&section, QStringLiteral("Delete (2)"));
    ASSERT_NE(deleteButton, nullptr);
    EXPECT_EQ(actionNamed(&section, QStringLiteral("Delete (2)"))->toolTip(),
              QStringLiteral("Delete selected channels"));
    EXPECT_EQ(texts(section.contextActions()),
              (QStringList{"Edit 2 channels…", "Duplicate", "Cut", "Copy", "Paste", "Select all",
                           "Fill down", "-", "Delete 2 channels", "-", "Move up", "Move down",
                           "Renumber in this order", "-", "Add to zone", "Remove from zone", "-",
                           "Export to CSV (all fields)…", "Columns"}));

    selectRows(section, {1});
    EXPECT_EQ(section.contextActions().at(8)->text(), QStringLiteral("Delete"));
    // Channels a zone lists are deleted only after the question; "Abbrechen"
    // keeps them.
    selectRows(section, {1, 3});
    const RecordReferences used =
        controller.document().referencesToChannels(section.selectedChannelNumbers());
    ASSERT_TRUE(used.any()) << "the fixture's zones list channel 2 or 4";
    dialogs.confirmAnswers.enqueue(false);
    QTest::keyClick(section.view(), Qt::Key_Delete);
    EXPECT_EQ(controller.document().channels().size(), 4);
    dialogs.confirmAnswers.enqueue(true);
    QTest::keyClick(section.view(), Qt::Key_Delete);
    EXPECT_EQ(dialogs.asked.last().message,
              QStringLiteral("2 channels are used by %1. Delete them and clear those references?")
                  .arg(used.zones == 1 ? QStringLiteral("1 zone")
                                       : QStringLiteral("%1 zones").arg(used.zones)));
    EXPECT_EQ(controller.document().channels().size(), 2);
    EXPECT_EQ(section.recordCount(), 2);
    // The channel after the deleted ones is selected.
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{3}));
    EXPECT_NE(findAccessible(&section, QStringLiteral("Delete (1)")), nullptr);
}

TEST_F(SectionsTest, SelectionSurvivesAnEditAndFollowsAMove) {
    loadCodeplug();
    ChannelsSection section(controller, dialogs);
    section.show();
    QSignalSpy edits(&section, &ListSection::editRequested);
    selectRows(section, {2});

    ChannelEdit edit = channelEditFrom(channel(3));
    edit.name = QStringLiteral("Wetter 2");
    controller.document().updateChannel(channel(3).number, edit);
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{3}));

    QTest::keyClick(section.view(), Qt::Key_Return);
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(edits.at(0).at(0).toInt(), 3);

    ASSERT_TRUE(pressAccessible(findAccessible(&section, QStringLiteral("Move up"))));
    EXPECT_EQ(channel(2).name, QStringLiteral("Wetter 2"));
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{2}));

    // With a search the rows shown are mapped back to their channel numbers.
    section.setSearchText(QStringLiteral("pmr"));
    EXPECT_EQ(section.view()->model()->rowCount(), 1);
    selectRows(section, {0});
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{4}));
}

TEST_F(SectionsTest, ChannelImportsAppendPresetsAndCsvFiles) {
    loadCodeplug();
    ChannelsSection section(controller, dialogs);
    EXPECT_EQ(actionNamed(&section, QStringLiteral("Import"))->toolTip(),
              QStringLiteral("Import channels"));
    actionNamed(&section, QStringLiteral("Freenet (6 channels)"))->trigger();
    EXPECT_EQ(section.recordCount(), 10);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Name,RX,TX\nRelais,145.600,145.000\n");
    file.close();
    dialogs.fileAnswers.enqueue(path);
    actionNamed(&section, QStringLiteral("From CSV file…"))->trigger();
    ASSERT_EQ(dialogs.count(QStringLiteral("open")), 1);
    EXPECT_EQ(dialogs.last(QStringLiteral("open"))->title,
              QStringLiteral("Import channels from CSV"));
    EXPECT_EQ(section.recordCount(), 11);

    // Copy and paste through the context menu: the copy goes in after the
    // selected channel.
    selectRows(section, {0});
    actionNamed(&section, QStringLiteral("Copy"))->trigger();
    EXPECT_EQ(results.lastEdit().summary(), QStringLiteral("Channel 1 copied."));
    ASSERT_TRUE(actionNamed(&section, QStringLiteral("Paste"))->isEnabled());
    actionNamed(&section, QStringLiteral("Paste"))->trigger();
    EXPECT_EQ(section.recordCount(), 12);
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{2}));
    // Channel 1 is in zone Home: so is its copy.
    EXPECT_EQ(results.lastEdit().summary(),
              QStringLiteral("Channel pasted → 2; added to 1 zone(s)."));
}

TEST_F(SectionsTest, ContactsGoOutAndComeBackAsCsvInOneStep) {
    loadCodeplug();
    ContactsSection section(controller, dialogs);
    const QList<DMRContact> before = controller.document().contacts();
    ASSERT_FALSE(before.isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contacts.csv"));
    dialogs.fileAnswers.enqueue(path);
    actionNamed(&section, QStringLiteral("Export contacts…"))->trigger();
    EXPECT_EQ(dialogs.last(QStringLiteral("save"))->title, QStringLiteral("Export contacts"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("No ID,,Group,\n"); // a row the import names and skips
    file.close();

    dialogs.fileAnswers.enqueue(path);
    actionNamed(&section, QStringLiteral("Import contacts…"))->trigger();
    const QList<DMRContact> after = controller.document().contacts();
    ASSERT_EQ(after.size(), 2 * before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const DMRContact& copy = after[before.size() + i];
        EXPECT_EQ(copy.name, before[i].name);
        EXPECT_EQ(copy.dmrID, before[i].dmrID);
        EXPECT_EQ(copy.type, before[i].type);
        EXPECT_EQ(copy.timeSlotOverride, before[i].timeSlotOverride);
    }
    EXPECT_TRUE(results.lastEdit().summary().contains(QStringLiteral(" contacts imported; 1 row")))
        << results.lastEdit().summary().toStdString();
    EXPECT_EQ(controller.document().undoLabel(),
              QStringLiteral("Import %1 contacts").arg(before.size()));
}

TEST_F(SectionsTest, WithoutACodeplugEveryListIsEmptyAndOnlySearchWorks) {
    ChannelsSection channels(controller, dialogs);
    ZonesSection zones(controller, dialogs);
    ContactsSection contacts(controller, dialogs);
    TalkgroupsSection talkgroups(controller, dialogs);
    SatellitesSection satellites(controller, dialogs);
    for (ListSection* section : std::initializer_list<ListSection*>{&channels, &zones, &contacts,
                                                                    &talkgroups, &satellites}) {
        EXPECT_EQ(section->recordCount(), 0);
        EXPECT_EQ(section->view()->model()->rowCount(), 0);
        EXPECT_FALSE(actionNamed(section, QStringLiteral("New"))->isEnabled());
        // Every toolbar button is named by its label.
        for (QAction* action : section->sectionToolBar()->actions()) {
            EXPECT_EQ(section->sectionToolBar()->widgetForAction(action)->accessibleName(),
                      action->text());
        }
    }
    for (const char* name :
         {"Search zones", "Search contacts", "Search talkgroups", "Search satellites"}) {
        bool found = false;
        for (ListSection* section :
             std::initializer_list<ListSection*>{&zones, &contacts, &talkgroups, &satellites})
            found = found || section->searchField()->accessibleName() == QString::fromUtf8(name);
        EXPECT_TRUE(found) << name;
    }
}

TEST_F(SectionsTest, RecordListsEditDeleteAndAskForNewByKey) {
    loadCodeplug();
    ContactsSection contacts(controller, dialogs);
    QSignalSpy edits(&contacts, &ListSection::editRequested);
    QSignalSpy news(&contacts, &ListSection::newRequested);
    EXPECT_EQ(texts(contacts.contextActions()), (QStringList{"Edit contact", "Delete contact"}));
    selectRows(contacts, {1});
    QTest::keyClick(contacts.view(), Qt::Key_Return);
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(edits.at(0).at(0).toInt(), 1); // the slot
    actionNamed(&contacts, QStringLiteral("New"))->trigger();
    EXPECT_EQ(news.count(), 1);
    ASSERT_TRUE(controller.document().referencesToContact(1).any());
    dialogs.confirmAnswers.enqueue(true);
    contacts.contextActions().at(1)->trigger();
    EXPECT_TRUE(dialogs.asked.last().message.endsWith(
        QStringLiteral(". Delete it and clear those references?")));
    EXPECT_EQ(dialogs.asked.last().buttons,
              (QStringList{QStringLiteral("Delete"), QStringLiteral("Abbrechen")}));
    ASSERT_EQ(controller.document().contacts().size(), 1);
    EXPECT_EQ(controller.document().contacts().first().name, QStringLiteral("Local"));

    TalkgroupsSection talkgroups(controller, dialogs);
    talkgroups.setSearchText(QStringLiteral("REG"));
    ASSERT_EQ(talkgroups.view()->model()->rowCount(), 1);
    talkgroups.setSearchText(QStringLiteral("x"));
    EXPECT_EQ(talkgroups.view()->model()->rowCount(), 0);
    EXPECT_EQ(talkgroups.recordCount(), 1);

    ZonesSection zones(controller, dialogs);
    EXPECT_EQ(texts(zones.contextActions()), (QStringList{"Edit zone", "Delete zone"}));
    selectRows(zones, {0});
    QSignalSpy counts(&zones, &ListSection::recordCountChanged);
    QTest::keyClick(zones.view(), Qt::Key_Delete);
    EXPECT_TRUE(controller.document().zones().isEmpty());
    ASSERT_EQ(counts.count(), 1);
    EXPECT_EQ(counts.at(0).at(0).toInt(), 0);
}

TEST_F(SectionsTest, SatellitesShowTheImportHintWhileEmpty) {
    controller.tuning().kepsServiceUrl = QUrl(QStringLiteral("https://keps.example.org"));
    loadCodeplug();
    SatellitesSection section(controller, dialogs);
    section.show();
    EXPECT_NE(findAccessible(&section, QStringLiteral("Import satellite TLEs")), nullptr);
    EXPECT_NE(actionNamed(&section, QStringLiteral("Download satellites (keps.example.org)")),
              nullptr);
    const QString hint = QStringLiteral("No satellites in this codeplug. Use Import to download "
                                        "the current keps and pick the satellites you want.");
    EXPECT_EQ(section.emptyText(), hint);
    EXPECT_TRUE(section.view()->isVisible());

    selectRows(section, {0});
    actionNamed(&section, QStringLiteral("Delete satellite"))->trigger();
    EXPECT_TRUE(controller.document().satellites().isEmpty());
    EXPECT_FALSE(section.view()->isVisible());
    QAccessibleInterface* shown = findAccessible(&section, hint);
    ASSERT_NE(shown, nullptr);

    // "From TLE file…" asks for the file; a cancelled chooser reads nothing.
    actionNamed(&section, QStringLiteral("From TLE file…"))->trigger();
    EXPECT_EQ(dialogs.count(QStringLiteral("open")), 1);
}

} // namespace
