// The channel section's CSV exchange with the repeater-list layout: Import ›
// "From CSV file…" and "Export channels…", through the scripted dialogs.

#include "ui/views/ChannelsSection.h"

#include "codeplug/RepeaterListCsv.h"

#include "ViewsFixture.h"
#include "tests/ui/Accessible.h"
#include "tests/ui/ScriptedDialogs.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFile>
#include <QItemSelectionModel>
#include <QTemporaryDir>

using namespace nerka;
using nerka::test::findAccessible;
using nerka::test::pressAccessible;
using nerka::test::ScriptedDialogs;
using nerka::test::ViewsFixture;

namespace {

class ChannelExchangeTest : public ViewsFixture {
protected:
    ScriptedDialogs dialogs;
    QTemporaryDir dir;

    QString writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    void importFile(ChannelsSection& section, const QString& path) {
        dialogs.fileAnswers.enqueue(path);
        for (QAction* action : section.findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("From CSV file…"))
                action->trigger();
        }
        settle();
    }

    // Presses "Export channels…" as assistive technology would and reads the file back.
    RepeaterListImport exportTo(ChannelsSection& section, const QString& name) {
        const QString path = dir.filePath(name);
        dialogs.fileAnswers.enqueue(path);
        EXPECT_TRUE(pressAccessible(findAccessible(&section, QStringLiteral("Export channels…"))));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return parseRepeaterListCsv(QString::fromUtf8(file.readAll()));
    }
};

} // namespace

TEST_F(ChannelExchangeTest, ImportsARepeaterListWithSkippedRowsAsOneStep) {
    loadCodeplug();
    ChannelsSection section(controller, dialogs);
    const QString list = writeFile(
        QStringLiteral("list.csv"),
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\r\n"
        "0,DB0XY,439.200000,-,7.600000,Tone,67.0,88.5,023,NN,023,Tone->Tone,FM,12.50,,50W,\r\n"
        "1,Tower,118.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,1W,\r\n"
        "2,\"DMR, Nord\",438.612500,-,7.600000,,88.5,88.5,023,NN,023,Tone->Tone,DMR,12.50,S,,\r\n"
        "3,Old,145.600000,-,0.600000,Tone,69.4,88.5,023,NN,023,Tone->Tone,NFM,12.50,,,\r\n");
    importFile(section, list);
    EXPECT_EQ(dialogs.last(QStringLiteral("open"))->title,
              QStringLiteral("Import channels from CSV"));
    EXPECT_EQ(results.lastEdit().summary(),
              QStringLiteral("2 channels imported; 2 rows skipped: line 3 AM mode, line 5 tone "
                             "69.4 Hz not available."));
    ASSERT_EQ(section.recordCount(), 6);
    EXPECT_EQ(channel(5).name, QStringLiteral("DB0XY"));
    EXPECT_EQ(channel(5).txHz, 431'600'000u);
    EXPECT_EQ(channel(5).txTone, Tone::ctcss(670));
    EXPECT_EQ(channel(6).name, QStringLiteral("DMR, Nord"));
    EXPECT_TRUE(channel(6).isDMR());
    EXPECT_EQ(channel(6).colorCode, 1);
    EXPECT_TRUE(channel(6).skipScan);
    controller.document().undo();
    EXPECT_EQ(section.recordCount(), 4) << "the import is one undo step";

    // A file without one readable row imports nothing and says why.
    importFile(section, writeFile(QStringLiteral("air.csv"),
                                  "Name,Frequency,Duplex,Offset,Mode\nTower,118.1,,0,AM\n"));
    EXPECT_EQ(results.lastEdit().errorText(),
              QStringLiteral("No valid channels found in the repeater-list CSV: 1 row skipped: "
                             "line 2 AM mode."));
    EXPECT_EQ(section.recordCount(), 4);
}

TEST_F(ChannelExchangeTest, ExportsTheSelectionOrEveryChannel) {
    ChannelsSection section(controller, dialogs);
    // As wide as in the window: a narrower one moves it into the toolbar's overflow menu.
    section.resize(900, 500);
    section.show();
    QAccessibleInterface* button = findAccessible(&section, QStringLiteral("Export channels…"));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->state().disabled) << "nothing to export without a codeplug";
    loadCodeplug();

    QAbstractItemView* view = section.view();
    QItemSelection rows;
    rows.select(view->model()->index(1, 0), view->model()->index(2, 0));
    view->selectionModel()->select(rows,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const RepeaterListImport selected = exportTo(section, QStringLiteral("two.csv"));
    EXPECT_EQ(dialogs.last(QStringLiteral("save"))->title, QStringLiteral("Export channels"));
    EXPECT_EQ(dialogs.last(QStringLiteral("save"))->message, QStringLiteral("channels.csv"));
    EXPECT_EQ(results.lastEdit().summary(), QStringLiteral("2 channels exported to two.csv."));
    ASSERT_EQ(selected.channels.size(), 2);
    EXPECT_EQ(selected.channels[0].name, QStringLiteral("DB0ABC"));
    EXPECT_TRUE(selected.channels[0].isDMR);
    EXPECT_EQ(selected.channels[1].name, QStringLiteral("Wetter"));
    EXPECT_TRUE(selected.channels[1].rxOnly);
    EXPECT_TRUE(selected.channels[1].bandwidthWide);

    view->selectionModel()->clearSelection();
    EXPECT_EQ(exportTo(section, QStringLiteral("all.csv")).channels.size(), 4);
}

TEST_F(ChannelExchangeTest, EveryFieldSurvivesExportAndImportThroughTheWindow) {
    loadCodeplug();
    ChannelsSection section(controller, dialogs);
    const QList<RadioChannel> before = controller.document().channels();
    const QString path = dir.filePath(QStringLiteral("all.csv"));
    dialogs.fileAnswers.enqueue(path);
    for (QAction* action : section.contextActions()) {
        if (action && action->text() == QStringLiteral("Export to CSV (all fields)…"))
            action->trigger();
    }
    EXPECT_EQ(results.lastEdit().summary(), QStringLiteral("4 channels exported to all.csv."));
    importFile(section, path);
    ASSERT_EQ(controller.document().channels().size(), 8);
    EXPECT_EQ(results.lastEdit().summary(),
              QStringLiteral("4 channels imported; added to 1 zone(s)."));
    // The copies of the zone's channels joined it, as one undo step.
    EXPECT_EQ(controller.document().zones().first().memberIndices, (QList<int>{0, 1, 4, 5}));
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Import 4 channels"));
    for (int i = 0; i < 4; ++i) {
        RadioChannel copy = controller.document().channels().at(4 + i);
        copy.number = before[i].number;
        EXPECT_EQ(copy, before[i]) << before[i].name.toStdString();
    }
    // The imported channels are selected.
    EXPECT_EQ(section.selectedChannelNumbers(), (QList<int>{5, 6, 7, 8}));
}
