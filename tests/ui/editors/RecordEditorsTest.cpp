#include "ui/editors/RecordEditors.h"

#include "ui/editors/ChannelEditView.h"
#include "ui/editors/RecordSheet.h"
#include "ui/editors/SatelliteEditView.h"
#include "ui/editors/ZoneEditView.h"

#include "../../satellites/KepsSamples.h"
#include "../Accessible.h"
#include "../ScriptedDialogs.h"
#include "../views/ViewsFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWidget>

#include <functional>

namespace nerka {
namespace {

using test::findAccessible;
using test::pressAccessible;

class RecordEditorsTest : public test::ViewsFixture {
protected:
    void SetUp() override {
        loadCodeplug();
        window.resize(800, 600);
        window.show();
    }

    RecordSheet* sheet() const { return qobject_cast<RecordSheet*>(editors.openSheet()); }

    // The visible control of type T whose accessible name is `name` (a form
    // label carries the same name, so the type tells them apart).
    template <typename T> T* control(const QString& name) const {
        QWidget* root = editors.openSheet();
        if (root) {
            for (T* widget : root->findChildren<T*>())
                if (widget->accessibleName() == name && widget->isVisibleTo(root))
                    return widget;
        }
        ADD_FAILURE() << "no control " << name.toStdString();
        return nullptr;
    }
    void type(const QString& field, const QString& text) const {
        QLineEdit* edit = control<QLineEdit>(field);
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    // Presses a button as assistive technology does; the press is an animated
    // click, which lands once its short timer has run.
    void press(const QString& name) const {
        QAccessibleInterface* element =
            findAccessible(editors.openSheet(), name, QAccessible::Button);
        ASSERT_NE(element, nullptr) << name.toStdString();
        QPointer<QAbstractButton> button = qobject_cast<QAbstractButton*>(element->object());
        ASSERT_TRUE(pressAccessible(element));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !button || !button->isDown(); }, 2000));
    }
    bool applyEnabled() const { return sheet() && sheet()->confirmButton()->isEnabled(); }

    QWidget window;
    test::ScriptedDialogs dialogs;
    RecordEditors editors{controller, dialogs, &window};
};

TEST_F(RecordEditorsTest, BulkEditShowsMixedFieldsAndAppliesOnlyWhatChangedAsOneStep) {
    // Channels 1-4: FM narrow, DMR TS2 with a contact, FM wide receive only, FM.
    editors.editChannels({1, 2, 3, 4});
    ASSERT_NE(sheet(), nullptr);
    EXPECT_EQ(sheet()->windowTitle(), QStringLiteral("Edit 4 channels"));
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Mode"))->currentText(), QStringLiteral("Mixed"));
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Bandwidth"))->currentText(),
              QStringLiteral("Mixed"));
    EXPECT_EQ(control<QCheckBox>(QStringLiteral("Receive only (RX-only)"))->checkState(),
              Qt::PartiallyChecked);
    // Each channel keeps its own name and frequencies.
    for (const char* own : {"Name", "RX (MHz)", "TX (MHz)"}) {
        for (QLineEdit* edit : sheet()->findChildren<QLineEdit*>()) {
            if (edit->accessibleName() == QString::fromUtf8(own)) {
                EXPECT_FALSE(edit->isVisibleTo(sheet())) << own;
            }
        }
    }
    // Colour code applies to the DMR channel only; bandwidth to the FM ones.
    QSpinBox* colorCode = control<QSpinBox>(QStringLiteral("Farbcode"));
    ASSERT_NE(colorCode, nullptr);
    colorCode->setValue(5);
    QComboBox* bandwidth = control<QComboBox>(QStringLiteral("Bandwidth"));
    bandwidth->setCurrentIndex(bandwidth->findText(QStringLiteral("25 kHz")));
    const QList<RadioChannel> before = controller.document().channels();
    ASSERT_TRUE(applyEnabled());
    press(QStringLiteral("Apply"));
    EXPECT_EQ(editors.openSheet(), nullptr);
    EXPECT_EQ(channel(2).colorCode, 5);
    EXPECT_TRUE(channel(1).bandwidthWide);
    EXPECT_TRUE(channel(4).bandwidthWide);
    EXPECT_EQ(channel(1).name, before[0].name);
    EXPECT_EQ(channel(2).timeSlot, before[1].timeSlot);
    EXPECT_EQ(results.lastEdit().summary(),
              QStringLiteral("3 channels changed; Bandwidth left alone on 1 DMR channel, "
                             "Farbcode left alone on 3 FM channels."));
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Edit 3 channels"));
    (void)controller.document().undo();
    EXPECT_EQ(controller.document().channels(), before);
}

TEST_F(RecordEditorsTest, BulkOffsetSetsEachTxFromItsOwnRx) {
    // Channel 1 is simplex on 145.5 MHz, channel 2 a repeater 7.6 MHz below.
    editors.editChannels({1, 2});
    QComboBox* offset = control<QComboBox>(QStringLiteral("Ablage"));
    ASSERT_NE(offset, nullptr);
    EXPECT_EQ(offset->currentText(), QStringLiteral("Mixed"));
    EXPECT_EQ(offset->findText(QStringLiteral("Eigene Ablage")), -1) << "no custom offset";
    offset->setCurrentIndex(offset->findData(int(FreqMode::minus)));
    press(QStringLiteral("Apply"));
    EXPECT_EQ(channel(1).txHz, 144'900'000u);
    EXPECT_EQ(channel(2).txHz, 431'012'500u);
    EXPECT_EQ(results.lastEdit().summary(),
              QStringLiteral("Channel 1 changed: S20 (RX 145.50000)"));
}

TEST_F(RecordEditorsTest, ChannelEditorValidatesSavesNavigatesAndCancels) {
    editors.editChannel(1);
    ASSERT_NE(sheet(), nullptr);
    EXPECT_EQ(sheet()->windowTitle(), QStringLiteral("Edit channel 1"));
    EXPECT_TRUE(sheet()->isModal());

    // Every control a user reaches has a name.
    test::forEachAccessible(
        QAccessible::queryAccessibleInterface(sheet()), [](QAccessibleInterface* e) {
            const auto role = e->role();
            if ((role == QAccessible::EditableText || role == QAccessible::ComboBox ||
                 role == QAccessible::CheckBox || role == QAccessible::PushButton ||
                 role == QAccessible::SpinBox) &&
                !e->state().invisible) {
                EXPECT_FALSE(e->text(QAccessible::Name).isEmpty()) << int(role);
            }
        });

    // Tab walks the form in order (the custom offset field is hidden here).
    QWidget* expected[] = {control<QLineEdit>(QStringLiteral("RX (MHz)")),
                           control<QComboBox>(QStringLiteral("Ablage")),
                           control<QLineEdit>(QStringLiteral("TX (MHz)")),
                           control<QComboBox>(QStringLiteral("Mode"))};
    sheet()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(sheet()));
    control<QLineEdit>(QStringLiteral("Name"))->setFocus();
    for (QWidget* next : expected) {
        QTest::keyClick(sheet()->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(sheet()->focusWidget(), next) << next->accessibleName().toStdString();
    }

    // Invalid input names the field and marks it.
    const struct {
        const char* text;
        const char* note;
    } bad[] = {{"abc", "RX (MHz): not a number in MHz"},
               {"0", "RX (MHz): must be above 0 MHz"},
               {"1000", "RX (MHz): must be below 1000 MHz"}};
    for (const auto& b : bad) {
        type(QStringLiteral("RX (MHz)"), QString::fromLatin1(b.text));
        EXPECT_FALSE(applyEnabled()) << b.text;
        EXPECT_TRUE(sheet()->shownNote().startsWith(QString::fromLatin1(b.note)))
            << sheet()->shownNote().toStdString();
        EXPECT_EQ(sheet()->markedField(), control<QLineEdit>(QStringLiteral("RX (MHz)")));
    }
    type(QStringLiteral("RX (MHz)"), QStringLiteral("145,550"));
    EXPECT_TRUE(applyEnabled());
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("TX (MHz)"))->text(), QStringLiteral("145.55000"));
    QComboBox* offset = control<QComboBox>(QStringLiteral("Ablage"));
    offset->setCurrentIndex(offset->findText(QStringLiteral("+ Ablage (0.6 MHz)")));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("TX (MHz)"))->text(), QStringLiteral("146.15000"));
    press(QStringLiteral("Apply"));
    EXPECT_EQ(editors.openSheet(), nullptr);
    EXPECT_EQ(channel(1).rxHz, 145'550'000u);
    EXPECT_EQ(channel(1).txHz, 146'150'000u);

    // "Next channel (saves)" saves the rename and shows channel 2 in the same sheet.
    editors.editChannel(1);
    QWidget* same = editors.openSheet();
    type(QStringLiteral("Name"), QStringLiteral("Renamed"));
    press(QStringLiteral("Next channel (saves)"));
    EXPECT_EQ(editors.openSheet(), same);
    EXPECT_EQ(sheet()->windowTitle(), QStringLiteral("Edit channel 2"));
    EXPECT_EQ(channel(1).name, QStringLiteral("Renamed"));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Name"))->text(), QStringLiteral("DB0ABC"));

    // Escape leaves the controller as it was.
    const QList<RadioChannel> before = controller.document().channels();
    type(QStringLiteral("Name"), QStringLiteral("Discarded"));
    QTest::keyClick(sheet(), Qt::Key_Escape);
    EXPECT_EQ(editors.openSheet(), nullptr);
    EXPECT_EQ(controller.document().channels(), before);
}

TEST_F(RecordEditorsTest, NewChannelIsCreatedOnlyWhenApplied) {
    editors.newChannel();
    ASSERT_NE(sheet(), nullptr);
    EXPECT_EQ(sheet()->windowTitle(), QStringLiteral("New channel 5"));
    EXPECT_EQ(findAccessible(sheet(), QStringLiteral("Next channel (saves)")), nullptr);
    press(QStringLiteral("Abbrechen"));
    EXPECT_EQ(controller.document().channels().size(), 4);

    editors.newChannel();
    // The field shows the name as stored: what the radio cannot hold is "?".
    control<QLineEdit>(QStringLiteral("Name"))->setText(QStringLiteral("Calling ⚡"));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Name"))->text(), QStringLiteral("Calling ?"));
    press(QStringLiteral("Apply"));
    ASSERT_EQ(controller.document().channels().size(), 5);
    EXPECT_EQ(channel(5).name, QStringLiteral("Calling ?"));
    EXPECT_TRUE(results.lastEdit().summary().contains(QStringLiteral(": Calling ? (RX")))
        << results.lastEdit().summary().toStdString();
    EXPECT_EQ(channel(5).rxHz, 145'000'000u);

    // A save the controller cannot take keeps the sheet and its input.
    editors.editChannel(5);
    controller.document().deleteChannels({channel(5).number});
    press(QStringLiteral("Apply"));
    ASSERT_NE(sheet(), nullptr);
    ASSERT_NE(dialogs.last(QStringLiteral("alert")), nullptr);
    EXPECT_EQ(dialogs.last(QStringLiteral("alert"))->message,
              QStringLiteral("Could not locate channel 5 in memory."));
}

TEST_F(RecordEditorsTest, ContactEditorChecksTheIdAndAppliesWithReturn) {
    editors.newContact();
    ASSERT_NE(sheet(), nullptr);
    EXPECT_EQ(sheet()->windowTitle(), QStringLiteral("New contact (slot 3)"));
    // A new, blank record is not yet a mistake: nothing is marked.
    EXPECT_FALSE(applyEnabled());
    EXPECT_EQ(sheet()->shownNote(), QString());
    EXPECT_EQ(sheet()->markedField(), nullptr);
    type(QStringLiteral("Name"), QStringLiteral("Bert"));
    for (const char* bad : {"0", "16777216", "12x"}) {
        type(QStringLiteral("DMR-ID"), QString::fromLatin1(bad));
        EXPECT_FALSE(applyEnabled()) << bad;
    }
    type(QStringLiteral("DMR-ID"), QStringLiteral(" 1234567 "));
    control<QComboBox>(QStringLiteral("Type"))->setCurrentIndex(1);
    QTest::keyClick(control<QLineEdit>(QStringLiteral("DMR-ID")), Qt::Key_Return);
    EXPECT_EQ(editors.openSheet(), nullptr);
    ASSERT_EQ(controller.document().contacts().size(), 3);
    EXPECT_EQ(controller.document().contacts()[2].dmrID, 1234567u);
    EXPECT_EQ(controller.document().contacts()[2].type, ContactType::privateCall);
}

TEST_F(RecordEditorsTest, TalkgroupEditorTicksContacts) {
    editors.editTalkgroup(0);
    ASSERT_NE(sheet(), nullptr);
    EXPECT_EQ(sheet()->windowTitle(), QStringLiteral("Edit talkgroup 1"));
    EXPECT_NE(findAccessible(sheet(), QStringLiteral("2/32 contacts")), nullptr);
    auto* list = sheet()->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_NE(findAccessible(sheet(), QStringLiteral("1/32 contacts")), nullptr);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
    // A click toggles too: tick, then untick again.
    const QPoint row0 = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row0);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row0);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
    press(QStringLiteral("Apply"));
    EXPECT_EQ(controller.document().talkgroups()[0].memberSlots, (QList<int>{1}));
}

TEST_F(RecordEditorsTest, ZoneEditorAddsMovesAndRemovesChannels) {
    editors.editZone(0);
    ASSERT_NE(sheet(), nullptr);
    EXPECT_EQ(sheet()->windowTitle(), QStringLiteral("Edit zone 1"));
    auto* view = qobject_cast<ZoneEditView*>(sheet());
    // Channels 1 and 2 are in the zone: only 3 and 4 are offered, and the
    // filter finds 4 by its frequency.
    EXPECT_EQ(view->candidates()->count(), 2);
    type(QStringLiteral("Filter channels"), QStringLiteral("446.006"));
    ASSERT_EQ(view->candidates()->count(), 1);
    EXPECT_EQ(view->candidates()->item(0)->text(),
              QStringLiteral("4: PMR 1  \u2014  446.00625 MHz"));
    // Both lists have room for twelve rows of text; the sheet is resized by
    // its corner and opens again at the size it was closed with.
    for (QListWidget* rows : {view->candidates(), view->list()})
        EXPECT_GE(rows->minimumHeight(), 12 * rows->fontMetrics().height());
    EXPECT_TRUE(view->isSizeGripEnabled());
    view->candidates()->item(0)->setSelected(true);
    press(QStringLiteral("Add channel"));
    EXPECT_NE(findAccessible(sheet(), QStringLiteral("3/80 channels \u2014 drag to reorder")),
              nullptr);
    QListWidget* list = view->list();
    // A drop of row 0 below row 1 (what dragging a handle ends in).
    list->model()->moveRows(QModelIndex(), 0, 1, QModelIndex(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(qobject_cast<ZoneEditView*>(sheet())->selection().members(), (QList<int>{1, 0, 3}));
    list->setCurrentRow(2);
    press(QStringLiteral("Move up"));
    press(QStringLiteral("Move up"));
    list->setCurrentRow(1); // {3, 1, 0}: channel 2 goes
    QTest::keyClick(list, Qt::Key_Delete);
    // The row's own "Remove from zone" button: channel 4, now first.
    auto* remove = list->itemWidget(list->item(0))->findChild<QToolButton*>();
    ASSERT_NE(remove, nullptr);
    EXPECT_EQ(remove->accessibleName(), QStringLiteral("Remove from zone"));
    remove->click();
    type(QStringLiteral("Name"), QString());
    EXPECT_FALSE(applyEnabled());
    type(QStringLiteral("Name"), QStringLiteral("Portable"));
    press(QStringLiteral("Apply"));
    ASSERT_EQ(controller.document().zones().size(), 1);
    EXPECT_EQ(controller.document().zones()[0].name, QStringLiteral("Portable"));
    EXPECT_EQ(controller.document().zones()[0].memberIndices, (QList<int>{0}));

    editors.editZone(0);
    ASSERT_NE(sheet(), nullptr);
    const QSize larger = sheet()->size() + QSize(120, 90);
    sheet()->resize(larger);
    sheet()->reject();
    editors.editZone(0);
    EXPECT_EQ(sheet()->size(), larger);
    sheet()->reject();
}

TEST_F(RecordEditorsTest, ZonePickerAddsSeveralChannelsOnlyWhenAllFit) {
    Zone zone;
    zone.name = QStringLiteral("Small");
    zone.memberIndices = {1};
    ZoneEditView view(zone, false, controller.document().channels(), 3, &window);
    view.show();
    QListWidget* picker = view.candidates();
    ASSERT_EQ(picker->count(), 3); // channels 1, 3 and 4
    for (int row = 0; row < 3; ++row)
        picker->item(row)->setSelected(true);
    EXPECT_NE(findAccessible(&view, QStringLiteral("Only 2 more fit (max 3 channels).")), nullptr);
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_EQ(view.selection().members(), QList<int>{1}); // none added
    picker->item(0)->setSelected(false);
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_EQ(view.selection().members(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(picker->count(), 1);
}

TEST_F(RecordEditorsTest, TalkgroupEditorOffersGroupContactsWithTheirIds) {
    editors.editTalkgroup(0);
    auto* list = sheet()->findChild<QListWidget*>();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Local (9)"));
    // Anna is a private call: listed only because the list names her.
    EXPECT_EQ(list->item(1)->text(),
              QStringLiteral("Anna (2621001) \u2014 private call, not a talkgroup"));
    EXPECT_TRUE(list->item(0)->icon().isNull()); // the check box is the one tick
    EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
    sheet()->reject();

    controller.document().updateTalkgroup(controller.document().talkgroups()[0].index,
                                          TalkgroupEdit{QStringLiteral("Regional"), {0}});
    editors.editTalkgroup(0);
    list = sheet()->findChild<QListWidget*>();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Local (9)"));
}

TEST_F(RecordEditorsTest, SheetsOpenWideEnoughToReadWithoutSideways) {
    // The long channel form scrolls only up and down.
    editors.editChannel(2);
    ASSERT_NE(sheet(), nullptr);
    settle();
    for (QScrollArea* area : sheet()->findChildren<QScrollArea*>())
        EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    EXPECT_GE(sheet()->width(), sheet()->minimumWidth());
}

TEST_F(RecordEditorsTest, FullListOpensNothingAndKepsCandidatesOpenThePicker) {
    while (const auto talkgroup = controller.document().newTalkgroup())
        controller.document().updateTalkgroup(talkgroup->index,
                                              TalkgroupEdit{QStringLiteral("TG"), {}});
    editors.newTalkgroup();
    EXPECT_EQ(editors.openSheet(), nullptr);
    ASSERT_NE(dialogs.last(QStringLiteral("alert")), nullptr);
    EXPECT_EQ(dialogs.last(QStringLiteral("alert"))->message,
              QStringLiteral("Talkgroup memory is full (max 76)."));

    // A keps load that brings candidates opens the picker.
    QTemporaryDir keps;
    const QString path = keps.filePath(QStringLiteral("keps.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((QStringLiteral("SO-50\n") + test::elementLine1() + QStringLiteral("\n") +
                test::elementLine2() + QStringLiteral("\n"))
                   .toUtf8());
    file.close();
    controller.tuning().satnogsOverride = SatNOGSFrequencyMap{};
    controller.importTLEFile(path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return editors.openSheet() != nullptr; }, 20000));
    QTest::keyClick(editors.openSheet(), Qt::Key_Escape);
    EXPECT_EQ(editors.openSheet(), nullptr);
}

// The keyboard path through every editor: it opens with the focus in its
// first field with the text selected (ready to be typed over), Shift+Tab from
// the buttons into the form scrolls the field reached into view, and where
// the editor has Previous/Next, Ctrl+PgDn and Ctrl+PgUp step like them.
TEST_F(RecordEditorsTest, KeyboardPathThroughEveryEditor) {
    const auto opened = [this](auto open, auto... args) {
        (editors.*open)(args...);
        return sheet();
    };
    struct Case {
        const char* kind;
        std::function<RecordSheet*()> open;
        QString firstField;
        QString steppedTitle; // after Ctrl+PgDn; empty without Previous/Next
    };
    const Case cases[] = {
        {"channel", [&] { return opened(&RecordEditors::editChannel, 1); }, QStringLiteral("Name"),
         QStringLiteral("Edit channel 2")},
        {"new channel",
         [&] { return opened(&RecordEditors::newChannel); },
         QStringLiteral("Name"),
         {}},
        {"contact",
         [&] { return opened(&RecordEditors::editContact, 1); },
         QStringLiteral("Name"),
         {}},
        {"talkgroup",
         [&] { return opened(&RecordEditors::newTalkgroup); },
         QStringLiteral("Name"),
         {}},
        {"zone", [&] { return opened(&RecordEditors::newZone); }, QStringLiteral("Name"), {}},
        {"satellite",
         [&]() -> RecordSheet* {
             Satellite satellite;
             satellite.name = QStringLiteral("AO-91");
             auto* view = new SatelliteEditView(satellite, false, &window);
             view->setAttribute(Qt::WA_DeleteOnClose);
             view->open();
             return view;
         },
         QStringLiteral("Name"),
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        QPointer<RecordSheet> sheet = c.open();
        ASSERT_NE(sheet, nullptr);
        sheet->resize(sheet->width(), 260); // short enough to scroll a long form
        sheet->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(sheet));
        const auto firstFieldReady = [&] {
            auto* field = qobject_cast<QLineEdit*>(sheet->focusWidget());
            return field && field->accessibleName() == c.firstField &&
                   field->selectedText() == field->text();
        };
        EXPECT_TRUE(firstFieldReady());

        // Back from the first button into the form: the field reached shows.
        QWidget* cancel = sheet->cancelButton();
        cancel->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cancel, Qt::Key_Backtab);
        QWidget* reached = sheet->focusWidget();
        ASSERT_NE(reached, nullptr);
        EXPECT_NE(reached, cancel);
        for (QWidget* up = reached->parentWidget(); up; up = up->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(up)) {
                const QRect shown = area->viewport()->rect();
                const QRect field(reached->mapTo(area->viewport(), QPoint()), reached->size());
                EXPECT_TRUE(shown.contains(field))
                    << reached->accessibleName().toStdString() << " is out of view";
                break;
            }
        }

        if (!c.steppedTitle.isEmpty()) {
            const QString title = sheet->windowTitle();
            QTest::keyClick(sheet->focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
            EXPECT_EQ(sheet->windowTitle(), c.steppedTitle);
            EXPECT_TRUE(firstFieldReady());
            QTest::keyClick(sheet->focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
            EXPECT_EQ(sheet->windowTitle(), title);
        }
        QTest::keyClick(sheet->focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !sheet || !sheet->isVisible(); }, 2000));
    }
}

} // namespace
} // namespace nerka
