#include "ui/kit/AccessibleNames.h"
#include "ui/kit/AccessibleItemView.h"

#include "../Accessible.h"

#include <QAbstractItemView>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace nerka {
namespace {

using test::findAccessible;
using test::pressAccessible;

// A form as the editors build them: controls labelled by a form row (the
// label is their buddy), one named explicitly, buttons with text or icon.
class AccessibleNamesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(installAccessibleNames()); }

    AccessibleNamesTest() {
        auto* form = new QFormLayout(&window);
        offset->addItems({QStringLiteral("Keine Ablage"), QStringLiteral("+ Ablage (0.6 MHz)")});
        form->addRow(QStringLiteral("&Ablage"), offset);
        zone->addItems({QStringLiteral("Home"), QStringLiteral("Away")});
        zone->setAccessibleName(QStringLiteral("Zone"));
        form->addRow(QStringLiteral("Zone list"), zone);
        talkgroup->setEditable(true);
        talkgroup->addItems({QStringLiteral("TG 91"), QStringLiteral("TG 262")});
        form->addRow(QStringLiteral("Talkgroup"), talkgroup);
        power->setRange(1, 50);
        power->setValue(5);
        form->addRow(QStringLiteral("Power (W)"), power);
        form->addRow(scan);
        form->addRow(apply);
        refresh->setToolTip(QStringLiteral("Refresh"));
        refresh->setAccessibleName(refresh->toolTip());
        form->addRow(refresh);
        window.show();
    }

    QAccessibleInterface* find(const QString& name, QAccessible::Role role) {
        return findAccessible(&window, name, role);
    }

    QWidget window;
    QComboBox* offset = new QComboBox;
    QComboBox* zone = new QComboBox;
    QComboBox* talkgroup = new QComboBox;
    QSpinBox* power = new QSpinBox;
    QCheckBox* scan = new QCheckBox(QStringLiteral("Scan"));
    QPushButton* apply = new QPushButton(QStringLiteral("Apply"));
    QToolButton* refresh = new QToolButton;
};

TEST_F(AccessibleNamesTest, PickersAreFoundByTheirLabelWithTheirValueApart) {
    QAccessibleInterface* box = find(QStringLiteral("Ablage"), QAccessible::ComboBox);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->object(), offset);
    EXPECT_EQ(box->text(QAccessible::Value), QStringLiteral("Keine Ablage"));
    offset->setCurrentIndex(1);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("Ablage"));
    EXPECT_EQ(box->text(QAccessible::Value), QStringLiteral("+ Ablage (0.6 MHz)"));

    // An explicit accessible name wins over the label, and follows changes.
    QAccessibleInterface* zoneBox = find(QStringLiteral("Zone"), QAccessible::ComboBox);
    ASSERT_NE(zoneBox, nullptr);
    EXPECT_EQ(zoneBox->object(), zone);
    zone->setAccessibleName(QStringLiteral("Zone picker"));
    EXPECT_EQ(zoneBox->text(QAccessible::Name), QStringLiteral("Zone picker"));

    // An editable box reports what is typed, and keeps list and field as children.
    QAccessibleInterface* edit = find(QStringLiteral("Talkgroup"), QAccessible::ComboBox);
    ASSERT_NE(edit, nullptr);
    talkgroup->lineEdit()->setText(QStringLiteral("TG 9"));
    EXPECT_EQ(edit->text(QAccessible::Value), QStringLiteral("TG 9"));
    EXPECT_TRUE(edit->state().editable);
    EXPECT_FALSE(box->state().editable);
    ASSERT_EQ(edit->childCount(), 2);
    EXPECT_EQ(edit->child(0)->role(), QAccessible::List);
    EXPECT_EQ(edit->child(1)->role(), QAccessible::EditableText);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(edit->indexOfChild(edit->child(i)), i);
        EXPECT_EQ(edit->child(i)->parent(), edit);
    }
    const QPoint inField = talkgroup->lineEdit()->mapToGlobal(QPoint(2, 2));
    EXPECT_EQ(edit->childAt(inField.x(), inField.y()), edit->child(1));
    EXPECT_EQ(box->childCount(), 1);
    EXPECT_EQ(box->text(QAccessible::Accelerator),
              QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText));

    // Spin boxes already answer with their label; the value stays settable.
    QAccessibleInterface* spin = find(QStringLiteral("Power (W)"), QAccessible::SpinBox);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->text(QAccessible::Value), QStringLiteral("5"));
    ASSERT_NE(spin->valueInterface(), nullptr);
    spin->valueInterface()->setCurrentValue(12);
    EXPECT_EQ(power->value(), 12);
}

TEST_F(AccessibleNamesTest, PressingStillOpensPickersTogglesAndClicks) {
    QAccessibleInterface* box = find(QStringLiteral("Ablage"), QAccessible::ComboBox);
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->actionInterface(), nullptr);
    EXPECT_EQ(box->actionInterface()->actionNames(),
              QStringList({QAccessibleActionInterface::showMenuAction(),
                           QAccessibleActionInterface::pressAction()}));
    EXPECT_TRUE(box->state().expandable);
    ASSERT_TRUE(pressAccessible(box));
    EXPECT_TRUE(offset->view()->isVisible());
    EXPECT_TRUE(box->state().expanded);
    ASSERT_TRUE(pressAccessible(box));
    EXPECT_FALSE(offset->view()->isVisible());
    EXPECT_FALSE(box->state().expanded);

    QAccessibleInterface* check = find(QStringLiteral("Scan"), QAccessible::CheckBox);
    ASSERT_TRUE(pressAccessible(check));
    EXPECT_TRUE(QTest::qWaitFor([&] { return scan->isChecked(); }, 2000));

    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(apply), static_cast<QAbstractButton*>(refresh)}) {
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QAccessibleInterface* element = find(
            button->text().isEmpty() ? button->toolTip() : button->text(), QAccessible::Button);
        ASSERT_TRUE(pressAccessible(element)) << button->toolTip().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return clicked.count() == 1; }, 2000));
    }
}

// Without a label the box still answers as Qt does (its current item),
// subclasses get the same interface, and a destroyed box leaves nothing
// behind to crash on.
TEST(AccessibleNames, UnlabelledSubclassedAndDestroyedBoxes) {
    ASSERT_TRUE(installAccessibleNames());
    ASSERT_TRUE(installAccessibleNames()); // a second call changes nothing
    QWidget window;
    auto* layout = new QFormLayout(&window);
    auto* bare = new QComboBox;
    bare->addItem(QStringLiteral("Only"));
    layout->addRow(bare);
    auto* fonts = new QFontComboBox;
    layout->addRow(QStringLiteral("Font"), fonts);
    window.show();

    QAccessibleInterface* bareBox = QAccessible::queryAccessibleInterface(bare);
    EXPECT_EQ(bareBox->text(QAccessible::Name), QStringLiteral("Only"));
    QAccessibleInterface* fontBox =
        findAccessible(&window, QStringLiteral("Font"), QAccessible::ComboBox);
    ASSERT_NE(fontBox, nullptr);
    EXPECT_EQ(fontBox->text(QAccessible::Value), fonts->currentText());

    QPointer<QComboBox> gone = new QComboBox(&window);
    ASSERT_NE(QAccessible::queryAccessibleInterface(gone), nullptr);
    delete gone;
    auto* again = new QComboBox(&window);
    again->setAccessibleName(QStringLiteral("Again"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(again)->text(QAccessible::Name),
              QStringLiteral("Again"));
}

// A list with a context menu offers it to assistive technology and shows
// the open menu as its last child; everything else is answered by Qt's own
// table interface, before and after rows go, and the view can go first.
TEST(AccessibleNames, ListsOfferTheirContextMenuAndKeepQtsAnswers) {
    ASSERT_TRUE(installAccessibleNames());
    QWidget window;
    auto* layout = new QFormLayout(&window);
    QStandardItemModel model(3, 2);
    auto* table = new QTableView;
    table->setAccessibleName(QStringLiteral("Channels"));
    table->setModel(&model);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* menu = newContextMenu(table);
    QAction* edit = menu->addAction(QStringLiteral("Edit"));
    QPoint requestedAt(-1, -1);
    QObject::connect(table, &QWidget::customContextMenuRequested, table, [&](const QPoint& pos) {
        requestedAt = pos;
        menu->popup(table->viewport()->mapToGlobal(pos));
    });
    auto* plain = new QListView;
    plain->setModel(&model);
    layout->addRow(table);
    layout->addRow(plain);
    window.show();
    table->setCurrentIndex(model.index(1, 1));

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(table);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::Table);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Channels"));
    ASSERT_NE(list->tableInterface(), nullptr);
    EXPECT_EQ(list->tableInterface()->rowCount(), 3);
    QAccessibleInterface* cell = list->tableInterface()->cellAt(2, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->parent(), list);
    EXPECT_EQ(list->child(list->indexOfChild(cell)), cell);
    EXPECT_TRUE(list->tableInterface()->selectRow(2));
    EXPECT_TRUE(table->selectionModel()->isRowSelected(2, {}));

    ASSERT_NE(list->actionInterface(), nullptr);
    EXPECT_EQ(list->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::showMenuAction()});
    const int cells = list->childCount();
    list->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    // Opened at the current item, and the action has already returned.
    EXPECT_EQ(requestedAt, table->visualRect(model.index(1, 1)).center());
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->accessibleName(), QStringLiteral("Channels"));
    ASSERT_EQ(list->childCount(), cells + 1);
    QAccessibleInterface* open = list->child(cells);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->object(), menu);
    EXPECT_EQ(list->indexOfChild(open), cells);
    EXPECT_EQ(open->child(0)->object(), edit);
    menu->close();
    EXPECT_EQ(list->childCount(), cells);

    // A list without a context menu offers no action; a disabled one neither.
    QAccessibleInterface* plainList = QAccessible::queryAccessibleInterface(plain);
    EXPECT_EQ(plainList->role(), QAccessible::List);
    EXPECT_TRUE(plainList->actionInterface()->actionNames().isEmpty());
    table->setEnabled(false);
    EXPECT_TRUE(list->actionInterface()->actionNames().isEmpty());
    table->setEnabled(true);

    // Qt's cells follow the model through the forwarded table interface.
    model.removeRows(0, 2);
    EXPECT_EQ(list->tableInterface()->rowCount(), 1);
    QAccessibleInterface* left = list->tableInterface()->cellAt(0, 1);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(list->indexOfChild(left), list->childCount() - 1);

    // The view goes; its interfaces go with it, and a new view gets new ones.
    const QAccessible::Id gone = QAccessible::uniqueId(list);
    delete table;
    EXPECT_EQ(QAccessible::accessibleInterface(gone), nullptr);
    auto* again = new QTableView;
    again->setModel(&model);
    layout->addRow(again);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(again)->tableInterface()->rowCount(), 1);
}

} // namespace
} // namespace nerka
