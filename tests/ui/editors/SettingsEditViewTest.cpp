#include "ui/editors/SettingsEditView.h"

#include "../Accessible.h"
#include "../views/ViewsFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace nerka {
namespace {

using test::findAccessible;

class SettingsEditViewTest : public test::ViewsFixture {
protected:
    QLineEdit* field(const QString& name) const {
        for (QLineEdit* edit : view.findChildren<QLineEdit*>())
            if (edit->accessibleName() == name)
                return edit;
        ADD_FAILURE() << "no field " << name.toStdString();
        return nullptr;
    }
    void type(const QString& name, const QString& text) const {
        QLineEdit* edit = field(name);
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    SettingsEditView view{controller};
};

TEST_F(SettingsEditViewTest, EditsInPlaceAppliesAsOneStepAndFollowsTheCodeplug) {
    view.resize(700, 600);
    view.show();
    EXPECT_TRUE(view.showsEmptyState());
    EXPECT_NE(findAccessible(&view, SettingsEditView::kEmptyTitle), nullptr);
    EXPECT_NE(findAccessible(&view, SettingsEditView::kEmptyMessage), nullptr);

    loadCodeplug();
    ASSERT_FALSE(view.showsEmptyState());
    // The blank image holds erased settings; valid ones make the baseline.
    const DeviceSettings stored{QStringLiteral("DL0AA"), 2620001, 144, 146, 430, 440};
    ASSERT_TRUE(controller.document().writeSettings(stored).isDone());
    EXPECT_EQ(field(QStringLiteral("Callsign"))->text(), SettingsForm(stored).call);
    EXPECT_FALSE(view.applyButton()->isEnabled());
    EXPECT_FALSE(view.revertButton()->isEnabled());
    // Every field starts at the same place down the page, whichever box it is in.
    const int left = field(QStringLiteral("Callsign"))->mapTo(&view, QPoint(0, 0)).x();
    for (QLineEdit* edit : view.findChildren<QLineEdit*>())
        EXPECT_EQ(edit->mapTo(&view, QPoint(0, 0)).x(), left)
            << edit->accessibleName().toStdString();

    type(QStringLiteral("Callsign"), QStringLiteral("DL1ABCDEFG"));
    EXPECT_EQ(field(QStringLiteral("Callsign"))->text(), QStringLiteral("DL1ABCDE"));
    EXPECT_TRUE(view.applyButton()->isEnabled());
    EXPECT_TRUE(view.revertButton()->isEnabled());
    type(QStringLiteral("DMR-ID"), QStringLiteral("0"));
    EXPECT_FALSE(view.applyButton()->isEnabled());
    EXPECT_TRUE(
        view.shownNote().startsWith(QStringLiteral("DMR-ID: must be a number from 1 to 16777215")))
        << view.shownNote().toStdString();
    EXPECT_EQ(view.markedField(), field(QStringLiteral("DMR-ID")));
    type(QStringLiteral("DMR-ID"), QStringLiteral("2621234"));
    EXPECT_EQ(view.markedField(), nullptr);
    EXPECT_TRUE(view.shownNote().isEmpty());

    // Return in a field applies, as one step of the document.
    QTest::keyClick(field(QStringLiteral("DMR-ID")), Qt::Key_Return);
    DeviceSettings applied = stored;
    applied.call = QStringLiteral("DL1ABCDE");
    applied.dmrID = 2621234;
    EXPECT_EQ(controller.document().settings(), applied);
    EXPECT_FALSE(view.applyButton()->isEnabled());
    EXPECT_FALSE(view.revertButton()->isEnabled());

    // Undo takes the whole change back, and the page shows it.
    ASSERT_TRUE(controller.document().undo().isDone());
    EXPECT_EQ(controller.document().settings(), stored);
    EXPECT_EQ(field(QStringLiteral("DMR-ID"))->text(), SettingsForm(stored).dmrID);
    EXPECT_EQ(field(QStringLiteral("Callsign"))->text(), SettingsForm(stored).call);

    // "Abbrechen" puts the codeplug's values back; an unrelated edit keeps
    // what was typed.
    type(QStringLiteral("Callsign"), QStringLiteral("XY1Z"));
    controller.document().deleteChannels({1});
    EXPECT_EQ(field(QStringLiteral("Callsign"))->text(), QStringLiteral("XY1Z"));
    view.revertButton()->click();
    EXPECT_EQ(field(QStringLiteral("Callsign"))->text(), SettingsForm(stored).call);
    EXPECT_FALSE(view.applyButton()->isEnabled());
}

} // namespace
} // namespace nerka
