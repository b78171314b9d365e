#include "ui/views/ChannelTableModel.h"
#include "ui/views/ContactTableModel.h"
#include "ui/views/LogModel.h"
#include "ui/views/PortListModel.h"
#include "ui/views/RecordRoles.h"
#include "ui/views/SatelliteTableModel.h"
#include "ui/views/SearchProxyModel.h"
#include "ui/views/TalkgroupListModel.h"
#include "ui/views/ZoneListModel.h"

#include "ViewsFixture.h"

#include <QAbstractItemModelTester>
#include <QIcon>
#include <QSignalSpy>

#include <memory>

using namespace nerka;
using nerka::test::ViewsFixture;

namespace {

// Counts the failures QAbstractItemModelTester reports as warnings, so a
// broken model fails the test instead of aborting the run.
QStringList g_modelFailures;
void recordModelFailures(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.contains(QLatin1String("FAIL!")))
        g_modelFailures.append(message);
}

QString text(const QAbstractItemModel& model, int row, int column = 0) {
    return model.index(row, column).data().toString();
}

QStringList headers(const QAbstractItemModel& model) {
    QStringList labels;
    for (int c = 0; c < model.columnCount(); ++c)
        labels << model.headerData(c, Qt::Horizontal).toString();
    return labels;
}

class ModelsTest : public ViewsFixture {};

TEST_F(ModelsTest, EveryModelStaysConsistentThroughLoadEditsUndoAndUnload) {
    g_modelFailures.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordModelFailures);
    {
        ChannelTableModel channels(controller);
        ContactTableModel contacts(controller);
        TalkgroupListModel talkgroups(controller);
        ZoneListModel zones(controller);
        SatelliteTableModel satellites(controller);
        LogModel log(controller);
        PortListModel ports(controller);
        // The search proxy over the channels, filtering while they change.
        SearchProxyModel search(SearchProxyModel::Rule::channel);
        search.setSourceModel(&channels);
        search.setSearchText(QStringLiteral("db0"));
        std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
        for (QAbstractItemModel* model : std::initializer_list<QAbstractItemModel*>{
                 &channels, &contacts, &talkgroups, &zones, &satellites, &log, &ports, &search}) {
            testers.push_back(std::make_unique<QAbstractItemModelTester>(
                model, QAbstractItemModelTester::FailureReportingMode::Warning));
        }
        // Without a codeplug every list is empty.
        EXPECT_EQ(channels.rowCount(), 0);
        EXPECT_EQ(contacts.rowCount(), 0);
        EXPECT_EQ(satellites.rowCount(), 0);

        loadCodeplug();
        EXPECT_EQ(channels.rowCount(), 4);
        EXPECT_EQ(contacts.rowCount(), 2);
        EXPECT_EQ(talkgroups.rowCount(), 1);
        EXPECT_EQ(zones.rowCount(), 1);
        EXPECT_EQ(satellites.rowCount(), 1);
        EXPECT_EQ(log.rowCount(), controller.activityLog().lines().size());
        EXPECT_EQ(search.rowCount(), 1);

        ChannelEdit renamed = channelEditFrom(channel(4));
        renamed.name = QStringLiteral("DB0XYZ");
        controller.document().updateChannel(channel(4).number, renamed);
        EXPECT_EQ(search.rowCount(), 2); // DB0XYZ and DB0ABC
        controller.document().deleteChannels({1, 3});
        EXPECT_EQ(channels.rowCount(), 2);
        controller.document().reorderChannels({4, 2});
        controller.document().deleteContact(controller.document().contacts().first().slot);
        controller.document().deleteZone(controller.document().zones().first().index);
        controller.document().undo();
        controller.document().undo();
        controller.document().duplicateChannel(channel(1).number);
        controller.refreshPorts();

        // Another codeplug replaces every list.
        const CodeplugImage blank = test::blankImage();
        controller.document().load(blank, decodeImage(blank));
        settle();
        EXPECT_EQ(channels.rowCount(), 0);
        EXPECT_EQ(contacts.rowCount(), 0);
        EXPECT_EQ(zones.rowCount(), 0);
        EXPECT_EQ(log.rowCount(), controller.activityLog().lines().size());
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_modelFailures.isEmpty()) << g_modelFailures.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ModelsTest, ChannelRowsShowNumberModeFrequenciesAndDetails) {
    loadCodeplug();
    ChannelTableModel model(controller);
    EXPECT_EQ(headers(model),
              (QStringList{
                  QStringLiteral("#"), QStringLiteral("Name"), QStringLiteral("Mode"),
                  QStringLiteral("RX (MHz)"), QStringLiteral("TX (MHz)"), QStringLiteral("Details"),
                  // The columns the chooser adds: every other field.
                  QStringLiteral("Power"), QStringLiteral("Bandwidth"),
                  QStringLiteral("Receive only (RX-only)"), QStringLiteral("Time slot"),
                  QStringLiteral("Farbcode"), QStringLiteral("RX tone"), QStringLiteral("TX tone"),
                  QStringLiteral("Contact (TX)"), QStringLiteral("RX group list"),
                  QStringLiteral("Squelch"), QStringLiteral("Squelch level"),
                  QStringLiteral("Skip when scanning"), QStringLiteral("Skip in zone scan"),
                  QStringLiteral("VOX"), QStringLiteral("Monitor (open squelch)"),
                  QStringLiteral("Power save"), QStringLiteral("Key beep"), QStringLiteral("APRS"),
                  QStringLiteral("Zones")}));
    EXPECT_EQ(text(model, 0, 0), QStringLiteral("1"));
    EXPECT_EQ(text(model, 0, 1), QStringLiteral("S20"));
    EXPECT_EQ(text(model, 0, 2), QStringLiteral("FM"));
    EXPECT_EQ(text(model, 0, 3), QStringLiteral("145.50000"));
    EXPECT_EQ(text(model, 0, 5), QStringLiteral("12.5 kHz"));
    EXPECT_EQ(text(model, 1, 2), QStringLiteral("DMR"));
    EXPECT_EQ(text(model, 1, 3), QStringLiteral("438.61250"));
    EXPECT_EQ(text(model, 1, 4), QStringLiteral("431.01250"));
    EXPECT_EQ(text(model, 1, 5), QStringLiteral("TS2, CC 1, Local"));
    EXPECT_EQ(text(model, 2, 5), QStringLiteral("25 kHz, Receive only"));
    EXPECT_EQ(model.index(2, 5).data(Qt::DecorationRole).typeId(), QMetaType::QIcon);
    EXPECT_FALSE(model.index(0, 5).data(Qt::DecorationRole).isValid());
    EXPECT_EQ(model.index(3, 0).data(KeyRole).toInt(), 4);

    // Renaming the contact shows in the channel's details.
    controller.document().updateContact(
        controller.document().contacts().first().slot,
        {QStringLiteral("Lokal"), 9, ContactType::group, TimeSlotOverride::none});
    EXPECT_EQ(text(model, 1, 5), QStringLiteral("TS2, CC 1, Lokal"));
}

TEST_F(ModelsTest, RefreshAfterAnEditChangesOnlyTheRowsThatChanged) {
    loadCodeplug();
    ChannelTableModel model(controller);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    ChannelEdit edit = channelEditFrom(channel(3));
    edit.name = QStringLiteral("Wetter 2");
    controller.document().updateChannel(channel(3).number, edit);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 2);
    EXPECT_EQ(changed.at(0).at(1).toModelIndex().row(), 2);
    EXPECT_EQ(inserted.count() + removed.count() + reset.count(), 0);
    EXPECT_EQ(text(model, 2, 1), QStringLiteral("Wetter 2"));

    // A delete removes its row; a paste into the freed slot inserts it again.
    controller.document().copyChannel(channel(4).number);
    controller.document().deleteChannels({channel(2).number});
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.at(0).at(1).toInt(), 1);
    ASSERT_EQ(controller.document().pasteChannelClipboard().createdKey(), 2);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 1);
    EXPECT_EQ(text(model, 1, 1), QStringLiteral("PMR 1"));
    EXPECT_EQ(reset.count(), 0);
}

TEST_F(ModelsTest, OtherListsShowTheirColumnsAndMembers) {
    loadCodeplug();
    ContactTableModel contacts(controller);
    EXPECT_EQ(headers(contacts),
              (QStringList{QStringLiteral("Name"), QStringLiteral("DMR-ID"), QStringLiteral("Type"),
                           QStringLiteral("Time slot override")}));
    EXPECT_EQ(text(contacts, 0, 2), QStringLiteral("Group Call"));
    EXPECT_EQ(text(contacts, 1, 1), QStringLiteral("2621001"));
    EXPECT_EQ(text(contacts, 1, 2), QStringLiteral("Private Call"));
    EXPECT_EQ(text(contacts, 1, 3), QStringLiteral("Force TS1"));
    EXPECT_EQ(contacts.index(1, 0).data(KeyRole).toInt(), 1);

    SatelliteTableModel satellites(controller);
    EXPECT_EQ(headers(satellites), (QStringList{QStringLiteral("Name"), QStringLiteral("RX (MHz)"),
                                                QStringLiteral("TX (MHz)"), QStringLiteral("CTCSS"),
                                                QStringLiteral("Keps epoch (UTC)")}));
    EXPECT_EQ(text(satellites, 0, 0), QStringLiteral("SO-50"));
    EXPECT_EQ(text(satellites, 0, 1), QStringLiteral("436.79500"));
    EXPECT_EQ(text(satellites, 0, 3), QStringLiteral("67.0"));

    TalkgroupListModel talkgroups(controller);
    EXPECT_EQ(talkgroups.index(0).data(TalkgroupListModel::MembersRole).toString(),
              QStringLiteral("2 members: Local, Anna"));
    ZoneListModel zones(controller);
    EXPECT_EQ(text(zones, 0), QStringLiteral("Home\n2 channels: S20, DB0ABC"));
}

TEST_F(ModelsTest, NewLogLinesAreAppendedRowsNotResets) {
    LogModel model(controller);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    const int before = model.rowCount();
    controller.activityLog().append(QStringLiteral("first"));
    controller.activityLog().append(QStringLiteral("second"));
    EXPECT_EQ(model.rowCount(), before + 2);
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(text(model, model.rowCount() - 1), QStringLiteral("• second"));
}

} // namespace
