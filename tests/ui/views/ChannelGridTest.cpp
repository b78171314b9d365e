// The channel table as a spreadsheet: the clipboard with several rows, bulk
// edits, fill down and sorting, with real widgets on the offscreen platform.

#include "ui/views/ChannelsSection.h"

#include "ui/rules/ChannelClipboard.h"

#include "TempSettings.h"
#include "ViewsFixture.h"
#include "tests/ui/ScriptedDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QSignalSpy>
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
    EXPECT_EQ(controller.log().last(), QStringLiteral("• 2 channels copied."));
    const QMimeData* data = clipboard->mimeData();
    ASSERT_TRUE(data->hasFormat(ChannelClipboard::mimeType()));
    const QStringList lines = data->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Name\tRX (MHz)\tTX (MHz)\tMode")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("DB0ABC\t438.61250\t431.01250\tDMR")));

    // Paste after channel 1: the copies become 2 and 3, the others move up
    // and the zone follows its channels; one undo step takes it back.
    const RadioChannel dmr = channel(2);
    const QList<int> zoneBefore = controller.zones().first().memberIndices;
    selectChannels(section, {1});
    press(section, Qt::Key_V);
    ASSERT_EQ(section.recordCount(), 6);
    EXPECT_EQ(controller.log().last(), QStringLiteral("• 2 channels pasted → 2–3."));
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{2, 3}));
    RadioChannel copy = channel(2);
    copy.number = dmr.number;
    EXPECT_EQ(copy, dmr);
    EXPECT_EQ(channel(4), [&] {
        RadioChannel moved = dmr;
        moved.number = 4;
        return moved;
    }());
    EXPECT_EQ(controller.zones().first().memberIndices, (QList<int>{0, 3}));
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Paste 2 channels"));
    (void)controller.undo();
    EXPECT_EQ(section.recordCount(), 4);
    EXPECT_EQ(controller.zones().first().memberIndices, zoneBefore);

    // Text from a spreadsheet: rows through the import's rules, the refused
    // row named in the one log line; without a selection at the end.
    section.view()->clearSelection();
    clipboard->setText(QStringLiteral("Name\tRX (MHz)\tTX (MHz)\nA\t145,5\t\nB\tabc\t\n"));
    press(section, Qt::Key_V);
    ASSERT_EQ(section.recordCount(), 5);
    EXPECT_EQ(channel(5).name, QStringLiteral("A"));
    EXPECT_EQ(channel(5).txHz, 145'500'000u);
    EXPECT_EQ(controller.log().last(),
              QStringLiteral("• Channel pasted → 5; 1 row skipped: line 3 RX 'abc' is not a "
                             "frequency."));
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{5}));
    clipboard->setText(QStringLiteral("B\tabc"));
    press(section, Qt::Key_V);
    settle();
    EXPECT_EQ(section.recordCount(), 5);
    EXPECT_EQ(controller.lastErrorText(),
              QStringLiteral("No channels pasted: 1 row skipped: line 1 RX 'abc' is not a "
                             "frequency."));

    // Cut takes the selection away and leaves it on the clipboard; Ctrl+A
    // selects every row.
    selectChannels(section, {5});
    press(section, Qt::Key_X);
    EXPECT_EQ(section.recordCount(), 4);
    EXPECT_TRUE(clipboard->text().contains(QStringLiteral("\nA\t145.50000")));
    press(section, Qt::Key_A);
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{1, 2, 3, 4}));
}

TEST_F(ChannelGridTest, PastingIntoAnotherWindowKeepsEveryField) {
    loadCodeplug();
    ChannelsSection source(controller, dialogs);
    selectChannels(source, {1, 2, 3, 4});
    source.copySelection();

    test::TempSettings otherSettings;
    RadioController other{otherSettings.get()};
    const CodeplugImage image = test::blankImage();
    other.applyDecodedImage(image, RadioController::decodeImage(image));
    ChannelsSection target(other, dialogs);
    target.paste();
    ASSERT_EQ(other.channels().size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(other.channels().at(i), controller.channels().at(i)) << i;
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
