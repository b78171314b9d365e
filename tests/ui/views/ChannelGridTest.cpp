// The channel table as a spreadsheet: the clipboard with several rows, bulk
// edits, fill down and sorting, with real widgets on the offscreen platform.

#include "ui/views/ChannelsSection.h"

#include "ui/rules/ChannelClipboard.h"
#include "ui/views/ChannelTableModel.h"

#include "TempSettings.h"
#include "ViewsFixture.h"
#include "tests/ui/ScriptedDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMainWindow>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

using namespace nerka;
using nerka::test::ScriptedDialogs;
using nerka::test::ViewsFixture;

namespace {

class ChannelGridTest : public ViewsFixture {
protected:
    ScriptedDialogs dialogs;

    // Shows the section with the table focused, so the table's shortcuts work.
    static void focus(ChannelsSection& section) {
        section.show();
        QApplication::setActiveWindow(&section);
        section.view()->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&section));
    }

    static void selectChannels(ChannelsSection& section, const QList<int>& numbers) {
        section.view()->clearSelection();
        section.selectKeys(numbers);
    }

    static void press(ChannelsSection& section, Qt::Key key,
                      Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(section.view(), key, modifiers);
    }
};

} // namespace

TEST_F(ChannelGridTest, CopyCutAndPasteSeveralRowsThroughTheSystemClipboard) {
    loadCodeplug();
    ChannelsSection section(controller, dialogs);
    focus(section);
    QClipboard* clipboard = QGuiApplication::clipboard();

    // Copy puts both forms of channels 2 and 3 on the clipboard.
    selectChannels(section, {2, 3});
    press(section, Qt::Key_C);
    EXPECT_EQ(results.lastEdit().summary(), QStringLiteral("2 channels copied."));
    const QMimeData* data = clipboard->mimeData();
    ASSERT_TRUE(data->hasFormat(ChannelClipboard::mimeType()));
    const QStringList lines = data->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Name\tRX (MHz)\tTX (MHz)\tMode")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("DB0ABC\t438.61250\t431.01250\tDMR")));

    // Paste after channel 1: the copies become 2 and 3, the others move up
    // and the zone follows its channels; the copy of channel 2 joins its
    // zone; one undo step takes it back.
    const RadioChannel dmr = channel(2);
    const QList<int> zoneBefore = controller.document().zones().first().memberIndices;
    selectChannels(section, {1});
    press(section, Qt::Key_V);
    ASSERT_EQ(section.recordCount(), 6);
    EXPECT_EQ(results.lastEdit().summary(),
              QStringLiteral("2 channels pasted → 2–3; added to 1 zone(s)."));
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{2, 3}));
    RadioChannel copy = channel(2);
    copy.number = dmr.number;
    EXPECT_EQ(copy, dmr);
    EXPECT_EQ(channel(4), [&] {
        RadioChannel moved = dmr;
        moved.number = 4;
        return moved;
    }());
    EXPECT_EQ(controller.document().zones().first().memberIndices, (QList<int>{0, 3, 1}));
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Paste 2 channels"));
    (void)controller.document().undo();
    EXPECT_EQ(section.recordCount(), 4);
    EXPECT_EQ(controller.document().zones().first().memberIndices, zoneBefore);

    // Text from a spreadsheet: rows through the import's rules, the refused
    // row named in the one log line; without a selection at the end.
    section.view()->clearSelection();
    clipboard->setText(QStringLiteral("Name\tRX (MHz)\tTX (MHz)\nA\t145,5\t\nB\tabc\t\n"));
    press(section, Qt::Key_V);
    ASSERT_EQ(section.recordCount(), 5);
    EXPECT_EQ(channel(5).name, QStringLiteral("A"));
    EXPECT_EQ(channel(5).txHz, 145'500'000u);
    EXPECT_EQ(
        results.lastEdit().summary(),
        QStringLiteral("Channel pasted → 5; 1 row skipped: line 3 RX (MHz): not a number in MHz."));
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{5}));
    clipboard->setText(QStringLiteral("B\tabc"));
    press(section, Qt::Key_V);
    settle();
    EXPECT_EQ(section.recordCount(), 5);
    EXPECT_EQ(
        results.lastEdit().errorText(),
        QStringLiteral("No channels pasted: 1 row skipped: line 1 RX (MHz): not a number in MHz."));

    // Cut takes the selection away and leaves it on the clipboard; Ctrl+A
    // selects every row.
    selectChannels(section, {5});
    press(section, Qt::Key_X);
    EXPECT_EQ(section.recordCount(), 4);
    EXPECT_TRUE(clipboard->text().contains(QStringLiteral("\nA\t145.50000")));
    press(section, Qt::Key_A);
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{1, 2, 3, 4}));
}

// Another codeplug whose slots hold other contacts: the references go by
// name, names it lacks are left empty and named; every other field is kept.
TEST_F(ChannelGridTest, PastingIntoAnotherWindowKeepsEveryFieldAndResolvesNames) {
    loadCodeplug();
    ChannelsSection source(controller, dialogs);
    selectChannels(source, {1, 2, 3, 4});
    source.copySelection();

    test::TempSettings otherSettings;
    RadioController other{otherSettings.get()};
    const CodeplugImage image = test::blankImage();
    other.document().load(image, decodeImage(image));
    // Slot 0, where "Local" sat, holds another contact; "Local" is in slot 3.
    for (const char* name : {"Deutschland", "Bayern", "Hessen", "Local"}) {
        const ContactEdit edit{QString::fromUtf8(name), 262, ContactType::group,
                               TimeSlotOverride::none};
        other.document().updateContact((*other.document().newContact()).slot, edit);
    }
    test::ResultRecorder otherResults{other};
    ChannelsSection target(other, dialogs);
    target.paste();
    ASSERT_EQ(other.document().channels().size(), 4);
    for (int i = 0; i < 4; ++i) {
        RadioChannel expected = controller.document().channels().at(i);
        if (expected.contactIndex)
            expected.contactIndex = 3;
        EXPECT_EQ(other.document().channels().at(i), expected) << i;
    }
    EXPECT_EQ(otherResults.lastEdit().summary(),
              QStringLiteral("4 channels pasted → 1–4; 2 names not in this codeplug, left "
                             "empty: line 2 zone 'Home', line 3 zone 'Home'."));
}

TEST_F(ChannelGridTest, ReturnOnSeveralRowsAsksForTheBulkEditorAndOnOneForTheEditor) {
    loadCodeplug();
    ChannelsSection section(controller, dialogs);
    focus(section);
    QSignalSpy bulk(&section, &ChannelsSection::editChannelsRequested);
    QSignalSpy single(&section, &ListSection::editRequested);
    selectChannels(section, {1, 3, 4});
    press(section, Qt::Key_Return, Qt::NoModifier);
    ASSERT_EQ(bulk.size(), 1);
    EXPECT_EQ(bulk.first().first().value<QList<int>>(), (QList<int>{1, 3, 4}));
    EXPECT_EQ(section.contextActions().first()->text(), QStringLiteral("Edit 3 channels…"));
    selectChannels(section, {2});
    press(section, Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(bulk.size(), 1);
    ASSERT_EQ(single.size(), 1);
    EXPECT_EQ(single.first().first().toInt(), 2);
}

TEST_F(ChannelGridTest, CellsAreEditedInPlaceAndARefusedEntryKeepsTheCell) {
    loadCodeplug();
    ChannelsSection section(controller, dialogs);
    focus(section);
    QAbstractItemView* view = section.view();
    const auto cell = [&](int row, int column) { return view->model()->index(row, column); };

    // Typing into the RX cell of the repeater (row 1) keeps its offset.
    view->setCurrentIndex(cell(1, ChannelTableModel::RxColumn));
    QTest::keyClick(view, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, view);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("439,2125"));
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(channel(2).rxHz, 439'212'500u);
    EXPECT_EQ(channel(2).txHz, 431'612'500u);
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Edit channel 2"));

    // Return commits and goes on to the next row's cell.
    view->setCurrentIndex(cell(2, ChannelTableModel::NameColumn));
    QTest::keyClick(view, Qt::Key_F2);
    editor = QApplication::focusWidget();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("Wetter 2"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(channel(3).name, QStringLiteral("Wetter 2"));
    EXPECT_EQ(view->currentIndex(), cell(3, ChannelTableModel::NameColumn));

    // Tab goes on to the next cell, and from the last one out of the table.
    view->setCurrentIndex(cell(3, ChannelTableModel::RxColumn));
    QTest::keyClick(view, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(view->currentIndex().column(), int(ChannelTableModel::TxColumn));
    QWidget* txEditor = QApplication::focusWidget();
    ASSERT_NE(txEditor, view);
    QTest::keyClick(txEditor, Qt::Key_Tab);
    EXPECT_FALSE(view->isAncestorOf(QApplication::focusWidget()));
    EXPECT_NE(QApplication::focusWidget(), view);

    // An entry the rules refuse changes nothing; the reason is shown.
    const RadioChannel before = channel(1);
    EXPECT_FALSE(
        view->model()->setData(cell(0, ChannelTableModel::RxColumn), QStringLiteral("abc")));
    EXPECT_EQ(channel(1), before);
    EXPECT_TRUE(section.lastCellProblem().startsWith(QStringLiteral("RX (MHz): ")));
    EXPECT_EQ(view->accessibleDescription(), section.lastCellProblem());
    EXPECT_FALSE(view->model()->setData(cell(0, ChannelTableModel::NameColumn), QString()));
    EXPECT_EQ(section.lastCellProblem(), QStringLiteral("Name: enter a name"));
    EXPECT_EQ(channel(1), before);

    // Escape leaves the cell as it was.
    view->setCurrentIndex(cell(0, ChannelTableModel::NameColumn));
    QTest::keyClick(view, Qt::Key_F2);
    editor = QApplication::focusWidget();
    QTest::keyClicks(editor, QStringLiteral("zzz"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(channel(1).name, before.name);
}

TEST_F(ChannelGridTest, SortingSortsTheViewAndRenumberingIsOneStep) {
    loadCodeplug();
    ChannelsSection section(controller, dialogs);
    focus(section);
    QAbstractItemView* view = section.view();
    const QList<RadioChannel> before = controller.document().channels();
    // By RX descending: 438.6125 (2), 446.00625 (4) … as frequencies, not texts.
    static_cast<QTableView*>(view)->sortByColumn(ChannelTableModel::RxColumn, Qt::AscendingOrder);
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        names << view->model()->index(row, ChannelTableModel::NameColumn).data().toString();
    EXPECT_EQ(names, (QStringList{"S20", "Wetter", "DB0ABC", "PMR 1"}));
    EXPECT_EQ(controller.document().channels(), before) << "sorting changes no number";
    EXPECT_EQ(view->model()->index(0, 0).data().toInt(), 1);

    selectChannels(section, {3});
    section.renumberInViewOrder();
    EXPECT_EQ(channel(2).name, QStringLiteral("Wetter"));
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{2}));
    // The zone that held channels 1 and 2 still holds S20 and DB0ABC.
    EXPECT_EQ(controller.document().zones().first().memberIndices, (QList<int>{0, 2}));
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Reorder channels"));
    (void)controller.document().undo();
    EXPECT_EQ(controller.document().channels(), before);
}

TEST_F(ChannelGridTest, FillDownContinuesAFrequencySeriesAsOneStep) {
    loadCodeplug();
    ChannelsSection section(controller, dialogs);
    focus(section);
    QAbstractItemView* view = section.view();
    (void)controller.document().importChannels({test::fmChannel(QStringLiteral("A"), 145'500'000),
                                                test::fmChannel(QStringLiteral("B"), 145'525'000),
                                                test::fmChannel(QStringLiteral("C"), 1'000'000),
                                                test::fmChannel(QStringLiteral("D"), 1'000'000)});
    selectChannels(section, {5, 6, 7, 8});
    view->selectionModel()->setCurrentIndex(view->model()->index(4, ChannelTableModel::RxColumn),
                                            QItemSelectionModel::NoUpdate);
    press(section, Qt::Key_D);
    EXPECT_EQ(channel(7).rxHz, 145'550'000u);
    EXPECT_EQ(channel(8).rxHz, 145'575'000u);
    EXPECT_EQ(results.lastEdit().summary(), QStringLiteral("2 channels changed."));
    // Name copies the top cell.
    view->selectionModel()->setCurrentIndex(view->model()->index(4, ChannelTableModel::NameColumn),
                                            QItemSelectionModel::NoUpdate);
    press(section, Qt::Key_D);
    EXPECT_EQ(channel(8).name, QStringLiteral("A"));
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Edit 3 channels"));
}

TEST_F(ChannelGridTest, ChosenColumnsAreRememberedAndTheZonesColumnNamesZones) {
    loadCodeplug();
    {
        ChannelsSection section(controller, dialogs);
        EXPECT_FALSE(section.isColumnShown(ChannelTableModel::ZonesColumn));
        EXPECT_TRUE(section.isColumnShown(ChannelTableModel::DetailsColumn));
        section.setColumnShown(ChannelTableModel::ZonesColumn, true);
        section.setColumnShown(ChannelTableModel::DetailsColumn, false);
    }
    ChannelsSection again(controller, dialogs);
    EXPECT_TRUE(again.isColumnShown(ChannelTableModel::ZonesColumn));
    EXPECT_FALSE(again.isColumnShown(ChannelTableModel::DetailsColumn));
    const QAbstractItemModel* model = again.view()->model();
    EXPECT_EQ(model->index(0, ChannelTableModel::ZonesColumn).data().toString(),
              QStringLiteral("Home"));
    EXPECT_EQ(model->index(2, ChannelTableModel::ZonesColumn).data().toString(), QString());
    // A new zone's name appears at once.
    (void)controller.document().updateZone((*controller.document().newZone()).index,
                                           ZoneEdit{QStringLiteral("Urlaub"), {0}});
    EXPECT_EQ(model->index(0, ChannelTableModel::ZonesColumn).data().toString(),
              QStringLiteral("Home, Urlaub"));
}

// A refused entry shows its reason where the eye is: in the status bar and
// as the cell's tooltip (with a mark), besides the accessible description.
// A value typed outside the radio's bands is kept, marked with its reason.
TEST_F(ChannelGridTest, ACellShowsWhyItsEntryWasRefusedOrWarned) {
    loadCodeplug();
    ASSERT_TRUE(controller.document()
                    .writeSettings({QStringLiteral("DL1ABC"), 2621001, 136, 174, 400, 480})
                    .isDone());
    QMainWindow window;
    auto* section = new ChannelsSection(controller, dialogs);
    window.setCentralWidget(section);
    window.show();
    QAbstractItemModel* model = section->view()->model();
    const QModelIndex rx = model->index(0, ChannelTableModel::RxColumn);

    EXPECT_FALSE(model->setData(rx, QStringLiteral("abc")));
    const QString reason = section->lastCellProblem();
    EXPECT_TRUE(reason.startsWith(QStringLiteral("RX (MHz): "))) << reason.toStdString();
    EXPECT_EQ(window.statusBar()->currentMessage(), reason);
    EXPECT_EQ(rx.data(Qt::ToolTipRole).toString(), reason);
    EXPECT_FALSE(rx.data(Qt::DecorationRole).isNull());
    EXPECT_EQ(section->view()->accessibleDescription(), reason);

    EXPECT_TRUE(model->setData(rx, QStringLiteral("52.525")));
    EXPECT_EQ(channel(1).rxHz, 52'525'000u);
    EXPECT_EQ(rx.data(Qt::ToolTipRole).toString(),
              QStringLiteral("Outside this radio's bands (VHF 136–174, UHF 400–480 MHz)"));
    EXPECT_FALSE(rx.data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(results.lastEdit().summary().endsWith(
        QStringLiteral("; RX 52.525 MHz outside this radio's bands (VHF 136–174, UHF 400–480 "
                       "MHz).")))
        << results.lastEdit().summary().toStdString();

    EXPECT_TRUE(model->setData(rx, QStringLiteral("145.5")));
    EXPECT_TRUE(rx.data(Qt::ToolTipRole).toString().isEmpty());
    EXPECT_TRUE(rx.data(Qt::DecorationRole).isNull());
}

// Fill down over RX across bands: a channel keeps its offset while RX stays
// in its band; otherwise TX becomes RX, its cell is marked and the log line
// counts the channels set to simplex.
TEST_F(ChannelGridTest, FillDownOverRxKeepsOffsetsOnlyWithinTheBand) {
    loadCodeplug();
    ASSERT_TRUE(controller.document()
                    .writeSettings({QStringLiteral("DL1ABC"), 2621001, 136, 174, 400, 480})
                    .isDone());
    ChannelsSection section(controller, dialogs);
    focus(section);
    QAbstractItemView* view = section.view();
    ChannelEdit twoMetre = test::fmChannel(QStringLiteral("DB0TWO"), 145'600'000);
    twoMetre.txHz = 145'000'000;
    ChannelEdit seventy = test::fmChannel(QStringLiteral("DB0SEV"), 439'200'000);
    seventy.txHz = 431'600'000;
    (void)controller.document().importChannels(
        {test::fmChannel(QStringLiteral("S21"), 145'525'000), twoMetre, seventy});
    // 145.525, 145.600, then the series goes on: 145.675 over the 70 cm repeater.
    selectChannels(section, {5, 6, 7});
    view->selectionModel()->setCurrentIndex(view->model()->index(4, ChannelTableModel::RxColumn),
                                            QItemSelectionModel::NoUpdate);
    press(section, Qt::Key_D);
    EXPECT_EQ(channel(7).rxHz, 145'675'000u);
    EXPECT_EQ(channel(7).txHz, 145'675'000u) << "−7.6 MHz would leave the band it was in";
    EXPECT_EQ(results.lastEdit().summary(),
              QStringLiteral("Channel 7 changed; 1 channel set to simplex (TX would leave "
                             "the band)."));
    const QModelIndex tx = view->model()->index(6, ChannelTableModel::TxColumn);
    EXPECT_TRUE(tx.data(Qt::ToolTipRole).toString().startsWith(QStringLiteral("TX set to RX")));
    EXPECT_FALSE(tx.data(Qt::DecorationRole).isNull());

    // Within the band the repeater keeps its offset.
    selectChannels(section, {5, 6});
    view->selectionModel()->setCurrentIndex(view->model()->index(4, ChannelTableModel::RxColumn),
                                            QItemSelectionModel::NoUpdate);
    press(section, Qt::Key_D);
    EXPECT_EQ(channel(6).rxHz, 145'525'000u);
    EXPECT_EQ(channel(6).txHz, 144'925'000u);
    EXPECT_EQ(results.lastEdit().summary(),
              QStringLiteral("Channel 6 changed: DB0TWO (RX 145.52500)"));
}

// A column added through the chooser comes at its own width; the columns
// shown keep theirs (the last one, which filled the row, too), and the table
// scrolls sideways instead of squeezing them.
TEST_F(ChannelGridTest, AddedColumnsLeaveTheOthersTheirWidth) {
    loadCodeplug();
    // Channel 2 calls this contact, so its details are longer than the
    // default column width.
    (void)controller.document().updateContact(
        controller.document().contacts().first().slot,
        ContactEdit{QStringLiteral("Bayern Mitte"), 9, ContactType::group, TimeSlotOverride::none});
    ChannelsSection section(controller, dialogs);
    section.resize(700, 400);
    section.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&section));
    auto* table = qobject_cast<QTableView*>(section.view());
    QHeaderView* header = table->horizontalHeader();
    const auto shownWidths = [&] {
        QList<int> widths;
        for (int c = 0; c < ChannelTableModel::ColumnCount; ++c)
            widths.append(section.isColumnShown(c) ? header->sectionSize(c) : -1);
        return widths;
    };
    // Channel 2's details ("TS2, CC 1, Bayern Mitte") read whole.
    const QString details =
        table->model()->index(1, ChannelTableModel::DetailsColumn).data().toString();
    QList<int> before = shownWidths();
    EXPECT_GT(before[ChannelTableModel::DetailsColumn],
              table->fontMetrics().horizontalAdvance(details));
    for (int added : {int(ChannelTableModel::ZonesColumn), ChannelTableModel::DetailsColumn + 1}) {
        section.setColumnShown(added, true);
        settle();
        const QList<int> after = shownWidths();
        for (int c = 0; c < ChannelTableModel::ColumnCount; ++c) {
            if (before[c] >= 0) {
                EXPECT_EQ(after[c], before[c]) << "column " << c << " after adding " << added;
            }
        }
        EXPECT_GE(after[added], header->sectionSizeHint(added)) << added;
        before = after;
    }
    EXPECT_GT(table->horizontalScrollBar()->maximum(), 0);

    // Opened again with those columns before a codeplug is loaded, Details
    // is no longer the last one, and still reads whole once channels come.
    RadioController later(settings.get());
    ChannelsSection again(later, dialogs);
    again.resize(700, 400);
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    const CodeplugImage image = *controller.document().image();
    later.document().load(image, decodeImage(image));
    settle();
    auto* againTable = qobject_cast<QTableView*>(again.view());
    EXPECT_GT(againTable->horizontalHeader()->sectionSize(ChannelTableModel::DetailsColumn),
              againTable->fontMetrics().horizontalAdvance(details));
}
