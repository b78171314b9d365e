#include "WindowFixture.h"

#include "ui/editors/RecordEditors.h"
#include "ui/editors/SettingsEditView.h"
#include "ui/views/ListSection.h"
#include "ui/window/ActivityLogView.h"
#include "ui/window/FileCommands.h"
#include "ui/window/MainToolbar.h"
#include "ui/window/PreferencesWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace nerka::test {

TEST_F(WindowTest, WithoutCodeplugListsAreEmptyAndSettingsShowThePlaceholder) {
    QStringList sidebar;
    for (int i = 0; i < window.sidebar()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = window.sidebar()->topLevelItem(i);
        const bool heading = !(row->flags() & Qt::ItemIsSelectable);
        sidebar << row->text(0) + (heading ? QStringLiteral(":") : QString());
    }
    EXPECT_EQ(sidebar.join(' '),
              QStringLiteral("Device: Connection Settings Codeplug: Channels Zones "
                             "Contacts Talkgroups Satellites DMR Database: DMR "
                             "Database Display: Theme"));
    for (SidebarItem item : {SidebarItem::channels, SidebarItem::zones, SidebarItem::contacts,
                             SidebarItem::talkgroups, SidebarItem::satellites}) {
        EXPECT_EQ(window.listSection(item)->recordCount(), 0) << sidebarLabel(item).toStdString();
        EXPECT_EQ(window.sidebar()->countText(item), QStringLiteral("0"));
    }
    EXPECT_TRUE(window.activityLog()->showsEmptyText());
    EXPECT_EQ(window.activityLog()->emptyLabel()->text(), QStringLiteral("No activity yet."));
    EXPECT_FALSE(window.toolbar()->badgeShown());

    // "Settings" under "Device" is a section like the others: arrowing onto
    // it selects it and shows how to load a codeplug.
    window.sidebar()->setFocus();
    QTest::keyClick(window.sidebar(), Qt::Key_Down);
    EXPECT_EQ(window.currentSection(), SidebarItem::settings);
    EXPECT_EQ(window.sidebar()->selection(), SidebarItem::settings);
    auto* settings = qobject_cast<SettingsEditView*>(window.sectionWidget(SidebarItem::settings));
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->isVisible());
    EXPECT_TRUE(settings->showsEmptyState());
    EXPECT_NE(findAccessible(settings, SettingsEditView::kEmptyMessage), nullptr);
}

TEST_F(WindowTest, ErrorReportOpensTheAlertAndOkClearsIt) {
    radio->activityLog().append(QStringLiteral("Auto-connect not possible yet: gone")); // logged only
    radio->activityLog().appendError(QStringLiteral("Port is busy."));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.count(QStringLiteral("alert")) == 1; }));
    const auto* alert = dialogs.last(QStringLiteral("alert"));
    EXPECT_EQ(alert->title, QStringLiteral("Error"));
    EXPECT_EQ(alert->message, QStringLiteral("Port is busy."));
    EXPECT_EQ(alert->buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(radio.results.reports, QStringList{QStringLiteral("Port is busy.")})
        << "a line only logged is no error report";

    // The next report shows a new alert; a log line alone never does.
    radio->activityLog().appendError(QStringLiteral("Second."));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.count(QStringLiteral("alert")) == 2; }));
    radio->activityLog().append(QStringLiteral("Verbindung getrennt."));
    settle();
    EXPECT_EQ(dialogs.count(QStringLiteral("alert")), 2);
    EXPECT_FALSE(window.activityLog()->showsEmptyText());
}

TEST_F(WindowTest, ShowsTheCodeplugAndItsUnsavedState) {
    openSampleFile();
    // Without a radio every region is to be written; with one that holds the
    // file, none is.
    EXPECT_EQ(window.toolbar()->badgeLabel()->text(), QStringLiteral("4 ungespeichert"));
    radio->document().setBaseline(*radio->document().image());
    EXPECT_EQ(window.sidebar()->countText(SidebarItem::channels),
              QString::number(radio->document().channels().size()));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("sample.nerka[*] — Nerka"));
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_FALSE(window.undoAction()->isEnabled());
    // The Device menu's "Settings" shows the section, its first field ready.
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions())
            if (menu->text() == QStringLiteral("&Device") &&
                item->text() == QStringLiteral("Settings"))
                item->trigger();
    }
    EXPECT_EQ(window.currentSection(), SidebarItem::settings);
    EXPECT_EQ(window.sidebar()->selection(), SidebarItem::settings);
    auto* settings = qobject_cast<SettingsEditView*>(window.sectionWidget(SidebarItem::settings));
    ASSERT_NE(settings, nullptr);
    EXPECT_FALSE(settings->showsEmptyState());
    EXPECT_EQ(window.focusWidget() ? window.focusWidget()->accessibleName() : QString(),
              QStringLiteral("Callsign"));

    const int deleted = radio->document().channels().first().number;
    radio->document().deleteChannels({radio->document().channels().first().number});
    EXPECT_EQ(window.undoAction()->text(), QStringLiteral("Undo Delete channel %1").arg(deleted));
    const int unsaved = int(radio->document().dirtyRegions().size());
    ASSERT_GT(unsaved, 0);
    EXPECT_TRUE(window.toolbar()->badgeShown());
    EXPECT_EQ(window.toolbar()->badgeLabel()->text(),
              QString::number(unsaved) + QStringLiteral(" ungespeichert"));
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_TRUE(window.undoAction()->isEnabled());
    EXPECT_FALSE(window.toolbar()->writeAction()->isEnabled()); // no radio connected

    window.undoAction()->trigger();
    EXPECT_TRUE(radio->document().dirtyRegions().empty());
    EXPECT_FALSE(window.toolbar()->badgeShown());
    EXPECT_TRUE(window.redoAction()->isEnabled());

    // One search text for whichever list is shown.
    window.showSection(SidebarItem::channels);
    window.listSection(SidebarItem::channels)->searchField()->setText(QStringLiteral("abc"));
    window.showSection(SidebarItem::contacts);
    EXPECT_EQ(window.listSection(SidebarItem::contacts)->searchText(), QStringLiteral("abc"));
}

TEST_F(WindowTest, BrokenFileFromTheFileMenuEndsInTheAlertAndKeepsTheCodeplug) {
    openSampleFile();
    radio->document().deleteChannels({radio->document().channels().first().number});
    const auto channels = radio->document().channels();
    const auto dirty = radio->document().dirtyRegions();
    const QUrl document = radio->documentURL().value_or(QUrl());
    const QString broken = dir.filePath(QStringLiteral("broken.nerka"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("OGD77CP2 but not much else");
    file.close();

    // Opening over unsaved changes asks first; "Abbrechen" opens nothing.
    dialogs.fileAnswers.enqueue(broken);
    dialogs.confirmAnswers.enqueue(false);
    window.fileCommands()->openAction()->trigger();
    EXPECT_TRUE(dialogs.last(QStringLiteral("confirm"))
                    ->message.endsWith(QStringLiteral("They will be lost when opening the file.")));
    settle();
    EXPECT_EQ(dialogs.count(QStringLiteral("alert")), 0);

    dialogs.fileAnswers.enqueue(broken);
    dialogs.confirmAnswers.enqueue(true);
    window.fileCommands()->openAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.count(QStringLiteral("alert")) == 1; }));
    const auto* open = dialogs.last(QStringLiteral("open"));
    EXPECT_EQ(open->title, QStringLiteral("Open codeplug file"));
    EXPECT_TRUE(open->buttons.join(';').contains(QStringLiteral("*.ogd77")));
    EXPECT_TRUE(open->buttons.join(';').contains(QStringLiteral("*.nerka")));
    const QString text = dialogs.last(QStringLiteral("alert"))->message;
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(radio.results.lastReport(), text);
    EXPECT_EQ(radio->document().channels(), channels);
    EXPECT_EQ(radio->document().dirtyRegions(), dirty);
    EXPECT_EQ(radio->documentURL().value_or(QUrl()), document);
}

TEST_F(WindowTest, SaveOfACodeplugFromTheRadioProposesTheDatedName) {
    StandInRadio standIn;
    connectAndLoad(standIn);
    window.fileCommands()->setClock([] { return QDateTime(QDate(2026, 1, 31), QTime(14, 25, 0)); });
    const QString target = dir.filePath(QStringLiteral("mine"));
    dialogs.fileAnswers.enqueue(target);
    window.fileCommands()->saveAction()->trigger();
    const auto* save = dialogs.last(QStringLiteral("save"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->title, QStringLiteral("Save codeplug"));
    EXPECT_EQ(save->message, QStringLiteral("codeplug-20260131-142500.nerka"));
    EXPECT_TRUE(save->buttons.join(';').contains(QStringLiteral("*.nerka")));
    radio.drain();
    EXPECT_TRUE(QFile::exists(target + QStringLiteral(".nerka")));

    // Now the codeplug has a file: "Save" writes it without asking.
    window.fileCommands()->saveAction()->trigger();
    EXPECT_EQ(dialogs.count(QStringLiteral("save")), 1);
    EXPECT_EQ(dialogs.count(QStringLiteral("alert")), 0);
}

TEST_F(WindowTest, LoadWithUnsavedChangesAsksAndAbbrechenChangesNothing) {
    StandInRadio standIn;
    connectAndLoad(standIn);
    radio->markRegionsChanged({0, 1, 2});
    radio.results.clear();

    dialogs.confirmAnswers.enqueue(false);
    ASSERT_TRUE(press(&window, QStringLiteral("Load from device")));
    const auto* asked = dialogs.last(QStringLiteral("confirm"));
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->title, QStringLiteral("Discard unsaved changes?"));
    EXPECT_EQ(asked->message,
              QStringLiteral("3 regions changed in memory, not yet written to the device. They "
                             "will be lost when reading again."));
    EXPECT_EQ(asked->buttons, (QStringList{QStringLiteral("Reload"), QStringLiteral("Abbrechen"),
                                           saveToFileText()}));
    radio.drain();
    EXPECT_EQ(radio->document().dirtyRegions(), (RegionSet{0, 1, 2}));
    EXPECT_TRUE(radio.results.operations.isEmpty()) << "nothing was started";
    EXPECT_TRUE(radio->status().isConnected());

    // The write asks too, with the region count.
    dialogs.confirmAnswers.enqueue(false);
    ASSERT_TRUE(press(&window, QStringLiteral("Write changes")));
    asked = dialogs.last(QStringLiteral("confirm"));
    EXPECT_EQ(asked->title, QStringLiteral("Write changes to the device?"));
    // The radio is backed up before every write: no advice to back it up.
    EXPECT_EQ(asked->message, QStringLiteral("No record differs from what the radio holds now; 3 "
                                             "changed regions will be written to the device.\n"
                                             "Call sign and DMR ID to be written: DO1NRK, "
                                             "2621337."));
    EXPECT_EQ(asked->buttons, (QStringList{QStringLiteral("Write"), QStringLiteral("Abbrechen")}));
    EXPECT_EQ(radio->document().dirtyRegions().size(), 3u);

    // "Save to file…" saves first (the codeplug came from the radio, so the
    // save dialog asks where) and then reads.
    const QString path = dir.filePath(QStringLiteral("before-reload.nerka"));
    const CodeplugImage edited = *radio->document().image();
    dialogs.saveFirstAnswers.enqueue(true);
    dialogs.fileAnswers.enqueue(path);
    ASSERT_TRUE(press(&window, QStringLiteral("Load from device")));
    ASSERT_TRUE(radio.waitFor([&] { return radio->document().dirtyRegions().empty(); }));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const auto decoded = decodeCodeplugFile(saved.readAll());
    ASSERT_TRUE(std::holds_alternative<CodeplugImage>(decoded));
    EXPECT_EQ(std::get<CodeplugImage>(decoded).blobs, edited.blobs);
}

TEST_F(WindowTest, DisconnectKeepsTheCodeplugAndItsChangesWithoutAsking) {
    StandInRadio standIn;
    connectAndLoad(standIn);
    radio->document().deleteChannels({radio->document().channels().first().number});
    const RegionSet unsaved = radio->document().dirtyRegions();
    ASSERT_FALSE(unsaved.empty());

    window.toolbar()->disconnectAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return radio->status().isDisconnected(); }, 5000));
    EXPECT_EQ(dialogs.count(QStringLiteral("confirm")), 0) << "nothing is lost, nothing asked";
    EXPECT_TRUE(radio->document().image().has_value());
    EXPECT_EQ(radio->document().dirtyRegions(), unsaved);
}

TEST_F(WindowTest, QuitWithUnsavedChangesAsksAndCancelKeepsEverything) {
    openSampleFile();
    radio->document().setBaseline(*radio->document().image()); // the radio holds the file
    ASSERT_TRUE(window.close());                               // nothing unsaved: no question
    EXPECT_EQ(dialogs.count(QStringLiteral("confirm")), 0);
    window.show();

    radio->markRegionsChanged({0, 1});
    dialogs.confirmAnswers.enqueue(false);
    window.quitAction()->trigger();
    const auto* asked = dialogs.last(QStringLiteral("confirm"));
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->title, QStringLiteral("Unsaved changes"));
    EXPECT_EQ(asked->message, QStringLiteral("2 regions changed in memory, not yet written to "
                                             "the device. They will be lost on quit."));
    EXPECT_EQ(asked->buttons,
              (QStringList{QStringLiteral("Quit"), QStringLiteral("Cancel"), saveToFileText()}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(radio->document().dirtyRegions(), (RegionSet{0, 1}));

    // "Quit" closes the window once the question has closed.
    dialogs.confirmAnswers.enqueue(true);
    window.quitAction()->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
}

// "Save to file…" writes the codeplug to its file and then quits; a save
// that fails keeps the window open with the changes.
TEST_F(WindowTest, SaveToFileFromTheQuitQuestionSavesThenQuits) {
    openSampleFile();
    ASSERT_TRUE(radio->document().createChannel().isDone());
    // A file that cannot be written: its name is taken by a folder.
    const QString target = dir.filePath(QStringLiteral("saved.nerka"));
    radio->saveCodeplugFile(target);
    ASSERT_TRUE(QFile::remove(target));
    ASSERT_TRUE(QDir().mkdir(target));
    dialogs.saveFirstAnswers.enqueue(true);
    window.quitAction()->trigger();
    settle();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.count(QStringLiteral("alert")), 1);

    ASSERT_TRUE(QDir().rmdir(target));
    dialogs.saveFirstAnswers.enqueue(true);
    window.quitAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const auto decoded = decodeCodeplugFile(saved.readAll());
    ASSERT_TRUE(std::holds_alternative<CodeplugImage>(decoded));
    EXPECT_EQ(std::get<CodeplugImage>(decoded).blobs, radio->document().image()->blobs);
}

// Every control a screen-reader user can reach has a name: buttons, menu
// items, check boxes, pickers and text fields, in every section and sheet.
TEST_F(WindowTest, EveryInteractiveElementHasAnAccessibleName) {
    openSampleFile();
    window.showPreferences();
    QDialog* connectionSheet = window.openConnectionSheet();
    const QSet<QAccessible::Role> interactive = {
        QAccessible::PushButton, QAccessible::ButtonMenu,   QAccessible::ButtonDropDown,
        QAccessible::MenuItem,   QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::SpinBox};
    int checked = 0;
    for (QWidget* root :
         {static_cast<QWidget*>(&window), static_cast<QWidget*>(window.preferencesWindow()),
          static_cast<QWidget*>(connectionSheet)}) {
        for (SidebarItem item : kSidebarItems) {
            window.showSection(item);
            forEachAccessible(
                QAccessible::queryAccessibleInterface(root), [&](QAccessibleInterface* element) {
                    if (!interactive.contains(element->role()) || element->state().invisible)
                        return;
                    ++checked;
                    EXPECT_FALSE(element->text(QAccessible::Name).trimmed().isEmpty())
                        << "role " << int(element->role()) << " in "
                        << root->metaObject()->className() << " on "
                        << sidebarLabel(item).toStdString() << " ("
                        << (element->object() ? element->object()->metaObject()->className() : "?")
                        << ")";
                });
        }
    }
    EXPECT_GT(checked, 50);

    // Buttons that only appear on demand (a search field's clear button once
    // there is text, a toolbar's overflow when the window is narrow) are
    // hidden now, and the walk above skips them; they need names too.
    int hiddenButtons = 0;
    for (QWidget* root :
         {static_cast<QWidget*>(&window), static_cast<QWidget*>(window.preferencesWindow()),
          static_cast<QWidget*>(connectionSheet)}) {
        for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
            // The table corner button needs a row header, which every table hides.
            if (button->isVisibleTo(root) || button->inherits("QTableCornerButton"))
                continue;
            ++hiddenButtons;
            QAccessibleInterface* element = QAccessible::queryAccessibleInterface(button);
            ASSERT_NE(element, nullptr);
            EXPECT_FALSE(element->text(QAccessible::Name).trimmed().isEmpty())
                << button->metaObject()->className() << " " << button->objectName().toStdString()
                << " in " << root->metaObject()->className();
        }
    }
    EXPECT_GT(hiddenButtons, 0);
    connectionSheet->close();
}

namespace {

// The File menu's command under `submenu` named `text`.
QAction* fileMenuCommand(QMainWindow& window, const QString& submenu, const QString& text) {
    for (QAction* menu : window.menuBar()->actions()) {
        if (menu->text() != QStringLiteral("&File"))
            continue;
        for (QAction* item : menu->menu()->actions()) {
            if (item->text() != submenu || !item->menu())
                continue;
            for (QAction* command : item->menu()->actions())
                if (command->text() == text)
                    return command;
        }
    }
    return nullptr;
}

} // namespace

TEST_F(WindowTest, TheCodeplugGoesOutAsCsvFilesAndComesBackByName) {
    openSampleFile();
    QAction* exportCsv =
        fileMenuCommand(window, QStringLiteral("Export"), QStringLiteral("Codeplug as CSV files…"));
    QAction* importCsv = fileMenuCommand(window, QStringLiteral("Import"),
                                         QStringLiteral("Codeplug from CSV files…"));
    ASSERT_NE(exportCsv, nullptr);
    ASSERT_NE(importCsv, nullptr);
    const QString folder = dir.filePath(QStringLiteral("csv"));
    ASSERT_TRUE(QDir().mkpath(folder));
    dialogs.fileAnswers.enqueue(folder);
    exportCsv->trigger();
    for (const QString& name : kCodeplugCsvFileNames)
        EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(name))) << name.toStdString();

    // A zone renamed in memory comes back under the file's name by replace;
    // update would keep the renamed one and add the file's.
    const Zone zone = radio->document().zones().first();
    ASSERT_TRUE(radio->document()
                    .updateZone(zone.index, ZoneEdit{QStringLiteral("Renamed"), zone.memberIndices})
                    .isDone());
    dialogs.fileAnswers.enqueue(folder);
    dialogs.choiceAnswers.enqueue(2); // Replace
    importCsv->trigger();
    const auto* asked = dialogs.last(QStringLiteral("choose"));
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->buttons,
              (QStringList{QStringLiteral("Update"), QStringLiteral("Append"),
                           QStringLiteral("Replace"), QStringLiteral("Abbrechen")}));
    EXPECT_TRUE(asked->message.startsWith(
        QStringLiteral("Found contacts.csv, talkgroups.csv, channels.csv, zones.csv.")));
    EXPECT_EQ(radio->document().zones().first().name, zone.name);
    EXPECT_EQ(window.undoAction()->text(), QStringLiteral("Undo Import codeplug from CSV files"));

    // Cancelled: nothing happens.
    dialogs.fileAnswers.enqueue(folder);
    dialogs.choiceAnswers.enqueue(std::nullopt);
    const QList<Zone> zones = radio->document().zones();
    importCsv->trigger();
    EXPECT_EQ(radio->document().zones(), zones);
}

TEST_F(WindowTest, TheReportIsPrintedOrExportedFromTheFileMenu) {
    openSampleFile();
    QMenu* fileMenu = nullptr;
    for (QAction* menu : window.menuBar()->actions())
        if (menu->text() == QStringLiteral("&File"))
            fileMenu = menu->menu();
    ASSERT_NE(fileMenu, nullptr);
    QAction* print = nullptr;
    QMenu* exports = nullptr;
    for (QAction* item : fileMenu->actions()) {
        if (item->text() == QStringLiteral("Print…"))
            print = item;
        if (item->text() == QStringLiteral("Export"))
            exports = item->menu();
    }
    QAction* pdf =
        fileMenuCommand(window, QStringLiteral("Export"), QStringLiteral("Report as PDF…"));
    QAction* html =
        fileMenuCommand(window, QStringLiteral("Export"), QStringLiteral("Report as HTML…"));
    ASSERT_NE(print, nullptr);
    ASSERT_NE(exports, nullptr);
    ASSERT_NE(pdf, nullptr);
    ASSERT_NE(html, nullptr);
    EXPECT_TRUE(print->isEnabled() && pdf->isEnabled() && html->isEnabled());
    // Assistive technology reads each command by its label.
    QStringList names;
    for (QMenu* menu : {fileMenu, exports}) {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(menu);
        ASSERT_NE(access, nullptr);
        for (int i = 0; i < access->childCount(); ++i)
            names.append(access->child(i)->text(QAccessible::Name));
    }
    for (const QString& label : {QStringLiteral("Print…"), QStringLiteral("Report as PDF…"),
                                 QStringLiteral("Report as HTML…")})
        EXPECT_TRUE(names.contains(label)) << names.join(u'|').toStdString();

    const QString out = dir.filePath(QStringLiteral("report.html"));
    dialogs.fileAnswers.enqueue(out);
    html->trigger();
    ASSERT_NE(dialogs.last(QStringLiteral("save")), nullptr);
    EXPECT_EQ(dialogs.last(QStringLiteral("save"))->message, QStringLiteral("sample-report.html"));
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    for (const QString& zone :
         {QStringLiteral("Zone 1: Simplex"), QStringLiteral("Zone 5: Favoriten"),
          QStringLiteral("Source</th><td>sample.nerka")})
        EXPECT_TRUE(text.contains(zone)) << zone.toStdString();
    EXPECT_EQ(radio->activityLog().lines().last(),
              QStringLiteral("• Report written to %1.").arg(out));

    // Print: the pocket card in the preview, on A6 pages.
    dialogs.choiceAnswers.enqueue(1);
    print->trigger();
    EXPECT_EQ(dialogs.last(QStringLiteral("choose"))->buttons,
              (QStringList{QStringLiteral("Report"), QStringLiteral("Pocket card"),
                           QStringLiteral("Abbrechen")}));
    QPointer<QPrintPreviewDialog> preview;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QPrintPreviewDialog*>(top))
            preview = dialog;
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->printer()->pageLayout().pageSize().id(), QPageSize::A6);
    int painted = 0;
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, [&painted] { ++painted; });
    auto* previewWidget = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(previewWidget, nullptr);
    previewWidget->updatePreview();
    EXPECT_EQ(painted, 1);
    EXPECT_EQ(previewWidget->pageCount(), 5); // a page per zone of the sample
    preview->close();
}

} // namespace nerka::test
