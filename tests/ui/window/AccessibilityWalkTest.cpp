// The window as assistive technology drives it: every section is chosen by
// selecting its sidebar row through the accessibility interface, and every
// visible control and every menu item is checked for a name, a role and an
// action that works when invoked through the interface and returns at once.

#include "WindowFixture.h"

#include "ui/editors/RecordEditors.h"
#include "ui/views/ChannelTableModel.h"
#include "ui/views/MembershipGridView.h"
#include "ui/views/RecordRoles.h"
#include "ui/views/ZonesSection.h"
#include "ui/window/ActivityLogView.h"
#include "ui/window/MainToolbar.h"
#include "ui/window/WritePanel.h"

#include <QAbstractItemView>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTableView>
#include <QToolBar>

#include <functional>

namespace nerka::test {
namespace {

class AccessibilityWalk : public WindowTest {
protected:
    // Nothing the walk presses may reach the internet: the web services
    // point at a closed local port, so a download fails at once.
    static void SetUpTestSuite() {
        for (const char* name : {"NERKA_DMRID_URL", "NERKA_KEPS_URL", "NERKA_SATNOGS_URL"})
            qputenv(name, "http://127.0.0.1:9");
    }

    // The sidebar row named `label` as assistive technology finds it: the
    // entry, not the heading of the same name ("DMR Database"), which comes
    // before it.
    QAccessibleInterface* sidebarRow(const QString& label) {
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(window.sidebar());
        QAccessibleInterface* row = nullptr;
        for (int i = 0; i < tree->childCount(); ++i) {
            QAccessibleInterface* child = tree->child(i);
            if (child->role() == QAccessible::TreeItem && child->text(QAccessible::Name) == label)
                row = child;
        }
        return row;
    }

    // Selects the sidebar row named `label` the way a screen reader does
    // (AT-SPI's Table.addRowSelection): through the tree's table interface,
    // which changes the selection but not the current item.
    void selectSidebarRow(const QString& label) {
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(window.sidebar());
        QAccessibleInterface* row = sidebarRow(label);
        ASSERT_NE(row, nullptr) << label.toStdString();
        ASSERT_NE(row->tableCellInterface(), nullptr);
        ASSERT_TRUE(tree->tableInterface()->selectRow(row->tableCellInterface()->rowIndex()))
            << label.toStdString();
    }

    // Closes whatever an action opened (sheets, the preferences window,
    // menus) and brings the window back if the action closed it.
    void tidyUp() {
        QTest::qWait(20);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != &window && top->isVisible())
                top->close();
        }
        if (!window.isVisible())
            window.show();
        ASSERT_TRUE(radio.waitFor([&] { return !radio->status().isWorking(); }));
    }

    // Checks one element; true when it exposes an action that worked.
    bool check(QAccessibleInterface* element, const std::string& where) {
        const QString name = element->text(QAccessible::Name).trimmed();
        EXPECT_FALSE(name.isEmpty()) << "unnamed role " << int(element->role()) << where;
        const std::string what = " \"" + name.toStdString() + "\"" + where;
        QAccessibleActionInterface* actions = element->actionInterface();
        const QStringList names = actions ? actions->actionNames() : QStringList();
        QObject* object = element->object();
        switch (element->role()) {
        case QAccessible::Button:
        case QAccessible::ButtonMenu:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
            if (!element->state().disabled) {
                EXPECT_FALSE(names.isEmpty()) << "enabled button without action" << what;
            }
            if (names.isEmpty())
                return false;
            // Inside a sheet a press may save and close it, which would end
            // the walk there: the action is offered, not pressed.
            if (!pressing)
                return true;
            return pressWorks(element, names, what);
        case QAccessible::MenuItem:
            if (!element->state().disabled) {
                EXPECT_FALSE(names.isEmpty()) << "enabled menu entry without action" << what;
            }
            return !names.isEmpty() && menuItemWorks(element, names, what);
        case QAccessible::ComboBox: {
            auto* box = qobject_cast<QComboBox*>(object);
            // An empty picker (no serial port found) has no list to open.
            if (!box || names.isEmpty() || box->count() == 0)
                return false;
            actions->doAction(names.contains(QAccessibleActionInterface::showMenuAction())
                                  ? QAccessibleActionInterface::showMenuAction()
                                  : names.first());
            const bool shown = box->view()->isVisible();
            EXPECT_TRUE(shown) << "picker did not open" << what;
            box->hidePopup();
            return shown;
        }
        case QAccessible::EditableText: {
            QAccessibleEditableTextInterface* editable = element->editableTextInterface();
            QAccessibleTextInterface* text = element->textInterface();
            if (element->state().readOnly || !editable || !text)
                return false;
            const int before = text->characterCount();
            editable->insertText(before, QStringLiteral("x"));
            const bool typed = text->characterCount() == before + 1;
            EXPECT_TRUE(typed) << "text field did not take text" << what;
            editable->deleteText(before, before + 1);
            return typed;
        }
        case QAccessible::Table:
        case QAccessible::List:
        case QAccessible::Tree: {
            // A list with a context menu offers it, as the Menu key does.
            auto* view = qobject_cast<QAbstractItemView*>(object);
            const bool hasMenu =
                view && view->isEnabled() && view->contextMenuPolicy() == Qt::CustomContextMenu;
            EXPECT_EQ(names.contains(QAccessibleActionInterface::showMenuAction()), hasMenu)
                << what;
            return hasMenu && showMenuWorks(element, names, what);
        }
        case QAccessible::SpinBox: {
            QAccessibleValueInterface* value = element->valueInterface();
            if (!value || element->state().disabled)
                return false;
            const QVariant old = value->currentValue();
            value->setCurrentValue(value->minimumValue());
            const bool set = value->currentValue() == value->minimumValue();
            EXPECT_TRUE(set) << "spin box did not take a value" << what;
            value->setCurrentValue(old);
            return set;
        }
        default:
            return false;
        }
    }

    // The menu opens and the action has returned: its items can be read and
    // chosen now. The open menu is the element's last child, where a screen
    // reader finds it (popups are no top-level windows to it).
    bool showMenuWorks(QAccessibleInterface* element, const QStringList& names,
                       const std::string& what) {
        actions(element)->doAction(names.contains(QAccessibleActionInterface::showMenuAction())
                                       ? QAccessibleActionInterface::showMenuAction()
                                       : names.first());
        QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_NE(open, nullptr) << "no menu opened" << what;
        if (!open)
            return false;
        const int last = element->childCount() - 1;
        QAccessibleInterface* child = element->child(last);
        EXPECT_EQ(child ? child->object() : nullptr, open) << what;
        if (child) {
            EXPECT_EQ(element->indexOfChild(child), last) << what;
        }
        visitMenu(open, what);
        tidyUp();
        return true;
    }

    bool pressWorks(QAccessibleInterface* element, const QStringList& names,
                    const std::string& what) {
        auto* button = qobject_cast<QAbstractButton*>(element->object());
        if (element->role() == QAccessible::ButtonMenu)
            return showMenuWorks(element, names, what);
        if (!button)
            return false;
        const bool wasChecked = button->isChecked();
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        pressAccessible(element);
        // One of a group of exclusive buttons that is already chosen stays
        // chosen and reports no click. A check box is toggled by assistive
        // technology (no click): its state changes.
        const bool exclusive =
            button->isCheckable() &&
            (button->autoExclusive() || (button->group() && button->group()->exclusive()));
        const bool landed = QTest::qWaitFor(
            [&] {
                return clicked.count() > 0 || (exclusive && button->isChecked()) ||
                       (button->isCheckable() && !exclusive && button->isChecked() != wasChecked);
            },
            2000);
        EXPECT_TRUE(landed) << "press did not click" << what;
        // A toggle is put back, so the walk leaves the settings as it found them.
        if (button->isCheckable() && !exclusive && button->isChecked() != wasChecked)
            button->click();
        tidyUp();
        return landed;
    }

    // A menu bar entry: its menu opens through the entry's action and the
    // press returns at once; then every item of the menu is visited.
    bool menuItemWorks(QAccessibleInterface* element, const QStringList& names,
                       const std::string& what) {
        auto* action = qobject_cast<QAction*>(element->object());
        if (!action || !action->menu())
            return false;
        actions(element)->doAction(names.contains(QAccessibleActionInterface::showMenuAction())
                                       ? QAccessibleActionInterface::showMenuAction()
                                       : names.first());
        const bool open = QTest::qWaitFor([&] { return action->menu()->isVisible(); }, 2000);
        EXPECT_TRUE(open) << "menu did not open" << what;
        if (open)
            visitMenu(action->menu(), what);
        tidyUp();
        return open;
    }

    // The items of an open menu are in the accessibility tree with a name,
    // the role of a menu item and, when enabled, a press action that
    // triggers the item.
    void visitMenu(QMenu* menu, const std::string& where) {
        QAccessibleInterface* open = QAccessible::queryAccessibleInterface(menu);
        ASSERT_NE(open, nullptr);
        ASSERT_FALSE(open->state().invisible) << where;
        QList<QAccessibleInterface*> items;
        for (int i = 0; i < open->childCount(); ++i) {
            QAccessibleInterface* item = open->child(i);
            if (item->role() != QAccessible::Separator && !item->state().invisible)
                items.append(item);
        }
        EXPECT_FALSE(items.isEmpty()) << "open menu without items" << where;
        menu->close();
        for (QAccessibleInterface* item : items) {
            const std::string what =
                " \"" + item->text(QAccessible::Name).toStdString() + "\"" + where;
            ++visited;
            EXPECT_EQ(item->role(), QAccessible::MenuItem) << what;
            EXPECT_FALSE(item->text(QAccessible::Name).trimmed().isEmpty()) << what;
            auto* action = qobject_cast<QAction*>(item->object());
            QAccessibleActionInterface* itemActions = item->actionInterface();
            const QStringList names = itemActions ? itemActions->actionNames() : QStringList();
            if (!action || !action->isEnabled() || action->menu())
                continue;
            EXPECT_TRUE(names.contains(QAccessibleActionInterface::pressAction()))
                << "enabled menu item without press" << what;
            if (names.isEmpty())
                continue;
            QSignalSpy triggered(action, &QAction::triggered);
            itemActions->doAction(QAccessibleActionInterface::pressAction());
            if (triggered.count() == 1)
                ++withAction;
            EXPECT_EQ(triggered.count(), 1) << "menu item did not trigger" << what;
            tidyUp();
        }
    }

    static QAccessibleActionInterface* actions(QAccessibleInterface* element) {
        return element->actionInterface();
    }

    // Walks the visible elements under `root`, checking each control once.
    void walk(QAccessibleInterface* root, const std::string& where, int depth = 0) {
        if (!root || depth > 40 || root->state().invisible)
            return;
        static const QSet<QAccessible::Role> controls = {
            QAccessible::Button,      QAccessible::ButtonMenu, QAccessible::CheckBox,
            QAccessible::RadioButton, QAccessible::ComboBox,   QAccessible::EditableText,
            QAccessible::SpinBox,     QAccessible::MenuItem,   QAccessible::Table,
            QAccessible::List,        QAccessible::Tree};
        QObject* object = root->object();
        if (controls.contains(root->role()) && object && !seen.contains(object)) {
            seen.insert(object);
            ++visited;
            if (check(root, where))
                ++withAction;
        }
        // Children are fetched afresh: an action may have changed them.
        for (int i = 0; i < root->childCount(); ++i)
            walk(root->child(i), where, depth + 1);
    }

    QSet<QObject*> seen;
    bool pressing = true;
    int visited = 0;
    int withAction = 0;
};

TEST_F(AccessibilityWalk, EveryControlAndMenuItemHasNameRoleAndAWorkingAction) {
    openSampleFile();
    for (SidebarItem item : kSidebarItems) {
        selectSidebarRow(sidebarLabel(item));
        // The section follows the row that assistive technology selected.
        ASSERT_EQ(window.currentSection(), item) << sidebarLabel(item).toStdString();
        walk(QAccessible::queryAccessibleInterface(&window),
             " on " + sidebarLabel(item).toStdString());
        window.showSection(item);
    }
    // The sidebar follows a section chosen in code.
    window.showSection(SidebarItem::zones);
    EXPECT_EQ(window.sidebar()->selection(), SidebarItem::zones);
    // A row's own toggle, what voice control and switch access press,
    // chooses that row.
    for (SidebarItem item : kSidebarItems) {
        QAccessibleInterface* row = sidebarRow(sidebarLabel(item));
        ASSERT_NE(row ? row->actionInterface() : nullptr, nullptr);
        row->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(window.currentSection(), item) << sidebarLabel(item).toStdString();
    }

    std::printf("accessibility walk: %d controls and menu items, %d with a working action\n",
                visited, withAction);
    EXPECT_GT(visited, 60);
    EXPECT_GT(withAction, visited / 2);
}

TEST_F(AccessibilityWalk, EverySheetAndThePreferencesOfferNamedControlsWithActions) {
    openSampleFile();
    pressing = false;
    RecordEditors* editors = window.editors();
    const QList<std::pair<std::string, std::function<void()>>> openers = {
        {"channel editor",
         [&] { editors->editChannel(radio->document().channels().first().number); }},
        {"new channel", [&] { editors->newChannel(); }},
        {"contact editor",
         [&] { editors->editContact(radio->document().contacts().first().slot); }},
        {"talkgroup editor", [&] { editors->editTalkgroup(0); }},
        {"zone editor", [&] { editors->editZone(0); }},
        {"satellite editor", [&] { editors->newSatellite(); }},
        {"preferences", [&] { window.showPreferences(); }},
    };
    for (const auto& [name, open] : openers) {
        open();
        settle();
        QWidget* sheet = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != &window && top->isVisible() && !qobject_cast<QMenu*>(top))
                sheet = top;
        }
        ASSERT_NE(sheet, nullptr) << name << " did not open";
        const int before = visited;
        walk(QAccessible::queryAccessibleInterface(sheet), " in the " + name);
        EXPECT_GT(visited, before + 1) << name;
        tidyUp();
    }
    std::printf("accessibility walk of sheets: %d controls, %d with an action\n", visited,
                withAction);
    EXPECT_GT(withAction, visited / 2);
}

// Every menu command can be found from the keyboard: each menu opens with
// Alt and its underlined letter, and every command either sits in a menu
// reached that way or has a shortcut. No two commands share a shortcut, and
// none takes a standard shortcut of the desktop for something else.
TEST_F(AccessibilityWalk, EveryMenuCommandIsReachableByKeyboardWithoutClashingShortcuts) {
    openSampleFile();
    QHash<QKeySequence, QString> owners;
    QSet<QChar> mnemonics;
    const QList<QAction*> menus = window.menuBar()->actions();
    for (QAction* entry : menus) {
        ASSERT_NE(entry->menu(), nullptr);
        const QString title = entry->text();
        const qsizetype amp = title.indexOf(u'&');
        ASSERT_GE(amp, 0) << "menu without a mnemonic: " << title.toStdString();
        EXPECT_FALSE(mnemonics.contains(title.at(amp + 1).toLower())) << title.toStdString();
        mnemonics.insert(title.at(amp + 1).toLower());
        for (QAction* action : entry->menu()->actions()) {
            if (action->isSeparator() || action->shortcut().isEmpty())
                continue;
            const QString name = action->text();
            EXPECT_FALSE(owners.contains(action->shortcut()))
                << name.toStdString() << " shares " << action->shortcut().toString().toStdString()
                << " with " << owners.value(action->shortcut()).toStdString();
            owners.insert(action->shortcut(), name);
        }
    }
    // The transfer commands have shortcuts of their own, shown in the menu
    // and named in the tooltips.
    for (QAction* transfer : {window.toolbar()->loadAction(), window.toolbar()->writeAction()}) {
        ASSERT_FALSE(transfer->shortcut().isEmpty()) << transfer->text().toStdString();
        EXPECT_TRUE(
            transfer->toolTip().contains(transfer->shortcut().toString(QKeySequence::NativeText)));
        EXPECT_TRUE(owners.contains(transfer->shortcut()));
    }
    // A standard key is only ever used for its own command.
    const QHash<QString, QKeySequence::StandardKey> ownStandard = {
        {QStringLiteral("Cut"), QKeySequence::Cut},
        {QStringLiteral("Copy"), QKeySequence::Copy},
        {QStringLiteral("Paste"), QKeySequence::Paste},
        {QStringLiteral("Select all"), QKeySequence::SelectAll},
        {QStringLiteral("Find"), QKeySequence::Find},
        {QStringLiteral("Undo"), QKeySequence::Undo},
        {QStringLiteral("Redo"), QKeySequence::Redo},
        {QStringLiteral("New…"), QKeySequence::New},
        {QStringLiteral("Open…"), QKeySequence::Open},
        {QStringLiteral("Save"), QKeySequence::Save},
        {QStringLiteral("Save As…"), QKeySequence::SaveAs},
        {QStringLiteral("Print…"), QKeySequence::Print},
        {QStringLiteral("Quit"), QKeySequence::Quit},
        {QStringLiteral("Preferences…"), QKeySequence::Preferences}};
    for (int key = QKeySequence::HelpContents; key <= QKeySequence::Cancel; ++key) {
        for (const QKeySequence& binding :
             QKeySequence::keyBindings(QKeySequence::StandardKey(key))) {
            const QString owner = owners.value(binding);
            if (owner.isEmpty())
                continue;
            QString plain = owner.section(u' ', 0, 0) == QStringLiteral("Undo") ||
                                    owner.section(u' ', 0, 0) == QStringLiteral("Redo")
                                ? owner.section(u' ', 0, 0)
                                : owner;
            EXPECT_TRUE(ownStandard.contains(plain) &&
                        QKeySequence::keyBindings(ownStandard.value(plain)).contains(binding))
                << owner.toStdString() << " takes the standard "
                << binding.toString().toStdString();
        }
    }
    // The list commands of the Edit menu act on the channel table.
    window.showSection(SidebarItem::channels);
    auto* channels = window.listSection(SidebarItem::channels);
    channels->selectKeys({1, 2});
    QSignalSpy copied(channels->commandAction(ListSection::ListCommand::copy), &QAction::triggered);
    window.listCommandAction(ListSection::ListCommand::copy)->trigger();
    EXPECT_EQ(copied.count(), 1);
    window.listCommandAction(ListSection::ListCommand::selectAll)->trigger();
    EXPECT_EQ(channels->selectedKeys().size(), radio->document().channels().size());
    window.showSection(SidebarItem::zones);
    EXPECT_FALSE(window.listCommandAction(ListSection::ListCommand::copy)->isEnabled());
    window.findAction()->trigger();
    EXPECT_EQ(QApplication::focusWidget(), window.listSection(SidebarItem::zones)->searchField());
}

// The membership grid: names stay in view as row headers, Space over chosen
// cells ticks them all as one undo step, new members join in channel order,
// and a click anywhere in a cell toggles it.
TEST_F(AccessibilityWalk, MembershipGridTogglesChosenCellsAsOneStepInChannelOrder) {
    openSampleFile();
    window.showSection(SidebarItem::zones);
    auto* zones = qobject_cast<ZonesSection*>(window.listSection(SidebarItem::zones));
    ASSERT_NE(zones, nullptr);
    zones->membershipAction()->trigger();
    QTableView* table = zones->membershipGrid()->table();
    ASSERT_TRUE(table->isVisible());
    EXPECT_TRUE(table->verticalHeader()->isVisible());
    QAbstractItemModel* model = table->model();
    EXPECT_EQ(model->headerData(0, Qt::Vertical).toString(), model->index(0, 0).data().toString());
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(table);
    ASSERT_NE(grid->tableInterface(), nullptr);
    const QList<QAccessibleInterface*> headers =
        grid->tableInterface()->cellAt(0, 1)->tableCellInterface()->rowHeaderCells();
    EXPECT_GT(headers.size(), 0);
    // Qt hands the header cells out new and unregistered: the caller owns
    // them, and only the registry may delete them.
    for (QAccessibleInterface* header : headers)
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));

    const Zone before = radio->document().zones().first();
    // Three channels outside the first zone, chosen from the bottom up.
    QList<int> rows;
    for (int row = model->rowCount() - 1; row >= 0 && rows.size() < 3; --row) {
        const int number = model->index(row, 1).data(KeyRole).toInt();
        if (!before.memberIndices.contains(number - 1))
            rows.append(row);
    }
    ASSERT_EQ(rows.size(), 3);
    table->setFocus();
    for (int row : rows)
        table->selectionModel()->select(model->index(row, 1), QItemSelectionModel::Select);
    table->selectionModel()->setCurrentIndex(model->index(rows.last(), 1),
                                             QItemSelectionModel::NoUpdate);
    QTest::keyClick(table, Qt::Key_Space);
    const QList<int> after = radio->document().zones().first().memberIndices;
    EXPECT_EQ(after.size(), before.memberIndices.size() + 3);
    // Chosen bottom-up, they still join in channel order.
    ASSERT_TRUE(std::is_sorted(before.memberIndices.cbegin(), before.memberIndices.cend()));
    EXPECT_TRUE(std::is_sorted(after.cbegin(), after.cend()));
    EXPECT_EQ(radio->document().undoLabel(), QStringLiteral("Add 3 channels to zone 1"));
    // All ticked now: Space unticks them all, again as one step.
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_EQ(radio->document().zones().first().memberIndices, before.memberIndices);
    window.undoAction()->trigger();
    EXPECT_EQ(radio->document().zones().first().memberIndices, after);
    window.undoAction()->trigger();
    EXPECT_EQ(radio->document().zones().first().memberIndices, before.memberIndices);

    // A click anywhere in a cell, not only on its tick, toggles it.
    const QModelIndex cell = model->index(rows.first(), 1);
    const QRect area = table->visualRect(cell);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      area.topLeft() + QPoint(2, 2));
    EXPECT_EQ(cell.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      area.bottomRight() - QPoint(2, 2));
    EXPECT_EQ(cell.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
}

// Tab runs sidebar → search → the section's commands → the list (in the
// first column that can be edited) → the log, and through the settings
// fields likewise; a closed panel or sheet hands the keyboard back to the list.
TEST_F(AccessibilityWalk, TabRunsThroughTheWindowInReadingOrder) {
    openSampleFile();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.showSection(SidebarItem::channels);
    ListSection* section = window.listSection(SidebarItem::channels);
    window.sidebar()->setFocus(Qt::OtherFocusReason);
    const auto tab = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    EXPECT_EQ(tab(), section->searchField());
    QWidget* next = tab();
    int commands = 0;
    while (next && next->parentWidget() == section->sectionToolBar() && commands < 40) {
        ++commands;
        next = tab();
    }
    EXPECT_GE(commands, 2);
    ASSERT_EQ(next, section->view());
    EXPECT_EQ(section->view()->currentIndex().column(), int(ChannelTableModel::NameColumn));
    next = tab();
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(next == window.activityLog() || window.activityLog()->isAncestorOf(next))
        << next->metaObject()->className();

    // The settings section is in the same run: its fields, then the log.
    window.showSection(SidebarItem::settings);
    window.sidebar()->setFocus(Qt::OtherFocusReason);
    QWidget* settings = window.sectionWidget(SidebarItem::settings);
    QStringList fields;
    for (next = tab(); next && settings->isAncestorOf(next) && fields.size() < 20; next = tab())
        fields << next->accessibleName();
    EXPECT_EQ(fields.join(u','), QStringLiteral("Callsign,DMR-ID,Minimum (MHz),Maximum (MHz),"
                                                "Minimum (MHz),Maximum (MHz)"));
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(next == window.activityLog() || window.activityLog()->isAncestorOf(next))
        << next->metaObject()->className();
    window.showSection(SidebarItem::channels);

    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), section->searchField());
    window.editors()->editChannel(radio->document().channels().first().number);
    QDialog* sheet = window.findChild<QDialog*>();
    ASSERT_NE(sheet, nullptr);
    sheet->reject();
    // The window's focus widget: the one the keyboard is in once the
    // window is active again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.focusWidget() == section->view(); }));
    QTest::keyClick(section->searchField(), Qt::Key_Tab);
    window.writePanel()->show();
    ASSERT_TRUE(press(window.writePanel(), QStringLiteral("Close")));
    EXPECT_EQ(window.focusWidget(), section->view());
}

} // namespace
} // namespace nerka::test
