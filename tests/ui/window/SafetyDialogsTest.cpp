// The backups list and the compare dialog on the offscreen platform, driven
// through the accessibility tree with scripted dialogs.

#include "TempSettings.h"
#include "tests/ui/Accessible.h"
#include "tests/ui/ScriptedDialogs.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "controller/RadioController.h"
#include "sim/SampleCodeplug.h"
#include "ui/window/BackupsDialog.h"
#include "ui/window/CompareDialog.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

class SafetyDialogs : public ::testing::Test {
protected:
    SafetyDialogs() : controller(settings.get()) {
        controller.backups().setFolder(dir.filePath(QStringLiteral("backups")));
    }

    QString save(const QString& name, const CodeplugImage& image) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(encodeCodeplugFile(image));
        return path;
    }

    void open(const CodeplugImage& image) {
        controller.openCodeplugFile(save(QStringLiteral("memory.nerka"), image));
        ASSERT_TRUE(QTest::qWaitFor([&] { return controller.document().image() == image; }, 5000));
    }

    static CodeplugImage renamedSample(const QString& name) {
        CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
        const RadioChannel first = decodeChannels(image).first();
        ChannelEdit edit = channelEditFrom(first);
        edit.name = name;
        (void)applyChannelEdit(edit, first.number, image);
        return image;
    }

    QTemporaryDir dir;
    test::TempSettings settings;
    RadioController controller;
    test::ScriptedDialogs dialogs;
};

TEST_F(SafetyDialogs, BackupsListsDifferencesAndRestoresTheChosenOne) {
    const CodeplugImage sample = sampleCodeplug(RadioVariant::gd77);
    const QDateTime when(QDate(2026, 12, 1), QTime(9, 30, 0));
    ASSERT_TRUE(
        controller.backups().save(sample, QStringLiteral("Radioddity GD-77"), 7, when).ok());
    ASSERT_TRUE(controller.backups()
                    .save(renamedSample(QStringLiteral("Old")), QStringLiteral("Radioddity GD-77"),
                          7, when.addSecs(60))
                    .ok());
    open(sample);
    controller.markRegionsChanged({1}); // an unsaved change the restore replaces

    BackupsDialog view(controller, dialogs);
    view.show();
    ASSERT_EQ(view.backups().size(), 2);
    auto* list = view.findChild<QTreeWidget*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->topLevelItem(0)->text(3), QStringLiteral("1 channel changed"));
    EXPECT_EQ(list->topLevelItem(1)->text(3), QStringLiteral("Same as in memory"));
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("Radioddity GD-77 0x00000007"));
    // The selected backup's changes, grouped, under a heading that says
    // which way they read.
    auto* changes = view.findChild<ChangeListView*>();
    ASSERT_NE(changes, nullptr);
    EXPECT_EQ(changes->accessibleName(), QStringLiteral("Restoring this backup would:"));
    ASSERT_EQ(changes->shownLines().size(), 2) << changes->shownLines().join(u'\n').toStdString();
    EXPECT_EQ(changes->shownLines()[0], QStringLiteral("Channels (1)"));
    EXPECT_TRUE(changes->shownLines()[1].endsWith(QStringLiteral(": renamed to Old")));
    list->setCurrentItem(list->topLevelItem(1));
    EXPECT_EQ(changes->shownLines(), QStringList());
    list->setCurrentItem(list->topLevelItem(0));

    // The newest is selected; Restore asks first because of the unsaved change.
    dialogs.confirmAnswers.enqueue(true);
    ASSERT_TRUE(test::pressAccessible(
        test::findAccessible(&view, QStringLiteral("Restore"), QAccessible::Button)));
    // The accessible press is an animated click: it lands a moment later.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return dialogs.count(QStringLiteral("confirm")) == 1; }, 5000));
    const auto* asked = dialogs.last(QStringLiteral("confirm"));
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->title, QStringLiteral("Restore this backup?"));
    EXPECT_EQ(asked->buttons,
              (QStringList{QStringLiteral("Restore"), QStringLiteral("Abbrechen")}));
    EXPECT_TRUE(asked->details.contains(QStringLiteral("renamed")));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return *controller.document().image() == renamedSample(QStringLiteral("Old")); },
        5000));
    EXPECT_EQ(controller.document().dirtyRegions().size(), 4u) << "no radio read: every region";
    EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST_F(SafetyDialogs, CompareListsTheChangesOrSaysWhyItCannot) {
    open(renamedSample(QStringLiteral("Memory")));
    CompareDialog view(controller, dialogs);
    view.show();
    ASSERT_TRUE(
        view.compareWith(save(QStringLiteral("other.nerka"), sampleCodeplug(RadioVariant::gd77))));
    // From the codeplug in memory to the file.
    ASSERT_EQ(view.lines().size(), 1);
    EXPECT_TRUE(view.lines().first().endsWith(QStringLiteral("Memory: renamed to S20 Anruf")))
        << view.lines().first().toStdString();
    const auto* heading = view.findChild<QLabel*>();
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(),
              QStringLiteral("From this codeplug to the file other.nerka: 1 channel changed."));
    EXPECT_NE(test::findAccessible(&view, QStringLiteral("Changes")), nullptr);

    EXPECT_FALSE(
        view.compareWith(save(QStringLiteral("uv.nerka"), sampleCodeplug(RadioVariant::uv380))));
    const auto* alert = dialogs.last(QStringLiteral("alert"));
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title, QStringLiteral("Cannot compare"));
    EXPECT_TRUE(alert->message.contains(QStringLiteral("different radio families")));
}

} // namespace
