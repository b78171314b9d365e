#include "ui/editors/ThemeView.h"

#include "../Accessible.h"
#include "../ScriptedDialogs.h"
#include "ResultRecorder.h"
#include "TempSettings.h"
#include "codeplug/CodeplugLayout.h"
#include "controller/RadioController.h"

#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace nerka {
namespace {

using test::findAccessible;

// A GD-77 image holding only the custom-data area, with a day theme block of
// 32 black colours and no night theme.
CodeplugImage imageWithDayTheme() {
    const BankAddress area = layoutForVariant(RadioVariant::gd77).additionalSettingsBank;
    QByteArray bytes(CodeplugLayout::kCustomDataSize, char(0xFF));
    bytes.replace(0, 8, "OpenGD77");
    const auto putU32 = [&](int offset, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
    };
    putU32(12, 4);  // day theme block
    putU32(16, 64); // its length
    bytes.replace(20, 64, QByteArray(64, 0));
    CodeplugImage image;
    image.variant = RadioVariant::gd77;
    image.regions.append({area.bank, area.address, int(bytes.size())});
    image.blobs.append(bytes);
    return image;
}

QString visibleText(QWidget* root, const QString& text) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->isVisible() && label->text() == text)
            return text;
    }
    return {};
}

TEST(ThemeViewTest, ColourWellsWriteThroughTheControllerAndGtmFilesRoundTrip) {
    test::TempSettings settings;
    RadioController controller(settings.get());
    test::ResultRecorder results{controller};
    test::ScriptedDialogs dialogs;
    ThemeView view(controller, dialogs, nullptr);
    view.show();
    EXPECT_FALSE(visibleText(&view, QStringLiteral("Please load a codeplug first.")).isEmpty());

    const CodeplugImage image = imageWithDayTheme();
    controller.document().load(image, decodeImage(image));
    ASSERT_TRUE(controller.document().theme(ThemeKind::day));

    dialogs.colorAnswers.enqueue(QColor(255, 0, 0));
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Background")));
    EXPECT_EQ(dialogs.last(QStringLiteral("color"))->title, QStringLiteral("Background"));
    EXPECT_EQ(controller.document().theme(ThemeKind::day)->at(1), (ThemeColor{1, 0, 0}));
    EXPECT_EQ(controller.document().theme(ThemeKind::day)->at(0), (ThemeColor{0, 0, 0}));
    EXPECT_FALSE(controller.document().dirtyRegions().empty());

    QTemporaryDir dir;
    const QString gtm = dir.filePath(QStringLiteral("mine.gtm"));
    dialogs.fileAnswers.enqueue(gtm);
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Export theme (.gtm)")));
    EXPECT_EQ(dialogs.last(QStringLiteral("save"))->message, QStringLiteral("theme-day.gtm"));
    QFile exported(gtm);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QByteArray bytes = exported.readAll();
    ASSERT_EQ(bytes.size(), 64);
    EXPECT_EQ(bytes.mid(2, 2), QByteArray("\xF8\x00", 2));
    EXPECT_EQ(results.lastEdit().summary(), QStringLiteral("Theme (Day) exported to mine.gtm."));

    // A file too short to be a theme: the controller's message, no change.
    const QString shortFile = dir.filePath(QStringLiteral("short.gtm"));
    {
        QFile file(shortFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(10, 0));
    }
    const QList<ThemeColor> before = *controller.document().theme(ThemeKind::day);
    dialogs.fileAnswers.enqueue(shortFile);
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Import theme (.gtm)")));
    EXPECT_EQ(dialogs.last(QStringLiteral("open"))->title, QStringLiteral("Import theme (.gtm)"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.lastReport().has_value(); }, 5000));
    EXPECT_EQ(results.lastEdit().errorText(), QStringLiteral("Invalid .gtm file."));
    EXPECT_EQ(*controller.document().theme(ThemeKind::day), before);

    // Night: no block in this codeplug; exporting says so without a chooser.
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Night")));
    EXPECT_EQ(view.kind(), ThemeKind::night);
    EXPECT_FALSE(
        visibleText(&view, QStringLiteral("This device has no Night theme in the codeplug."))
            .isEmpty());
    results.clear();
    const int saves = dialogs.count(QStringLiteral("save"));
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Export theme (.gtm)")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.lastReport().has_value(); }, 5000));
    EXPECT_EQ(results.reports, QStringList{QStringLiteral("Kein Theme vorhanden.")});
    EXPECT_EQ(dialogs.count(QStringLiteral("save")), saves);
}

TEST(ThemeViewTest, SwatchesHaveAnEdgeAndTheFileCommandsWrapRightAligned) {
    test::TempSettings settings;
    RadioController controller(settings.get());
    test::ScriptedDialogs dialogs;
    const CodeplugImage image = imageWithDayTheme();
    controller.document().load(image, decodeImage(image));
    controller.document().setThemeColor(ThemeKind::day, 1, 1.0, 1.0, 1.0); // "Background" white
    ThemeView view(controller, dialogs, nullptr);
    view.show();

    const auto lightness = [](QRgb pixel) { return QColor(pixel).lightness(); };
    for (const QString& name : {QStringLiteral("Text"), QStringLiteral("Background")}) {
        QAccessibleInterface* element = findAccessible(&view, name, QAccessible::Button);
        ASSERT_TRUE(element) << name.toStdString();
        auto* well = qobject_cast<QAbstractButton*>(element->object());
        const QImage drawn = well->icon().pixmap(well->iconSize()).toImage();
        const QColor fill = name == QStringLiteral("Text") ? Qt::black : Qt::white;
        EXPECT_EQ(QColor(drawn.pixel(drawn.width() / 2, drawn.height() / 2)), fill);
        const int face = well->palette().color(QPalette::Button).lightness();
        for (const QPoint corner : {QPoint(0, 0), QPoint(drawn.width() - 1, drawn.height() - 1)}) {
            const QRgb edge = drawn.pixel(corner);
            EXPECT_GE(std::abs(lightness(edge) - face), 64) << name.toStdString();
            EXPECT_GE(std::abs(lightness(edge) - fill.lightness()), 64) << name.toStdString();
        }
    }

    // The file commands keep to the right edge: beside the Day/Night choice
    // in a wide pane, under it in a narrow one, whole either way; the slots
    // never run past the pane's edge.
    // A slot's caption carries the slot's name too; its well is the button.
    const auto place = [&view](const QString& name) {
        QAccessibleInterface* element = findAccessible(&view, name, QAccessible::Button);
        if (!element)
            element = findAccessible(&view, name);
        auto* button = element ? qobject_cast<QWidget*>(element->object()) : nullptr;
        EXPECT_TRUE(button) << name.toStdString();
        return button ? QRect(button->mapTo(&view, QPoint(0, 0)), button->size()) : QRect();
    };
    const int margin = view.layout()->contentsMargins().right();
    for (const int width : {900, view.minimumSizeHint().width()}) {
        view.resize(width, 500);
        QCoreApplication::processEvents();
        const QRect day = place(QStringLiteral("Day"));
        const QRect exportCommand = place(QStringLiteral("Export theme (.gtm)"));
        EXPECT_EQ(exportCommand.right(), view.width() - 1 - margin) << width;
        EXPECT_EQ(exportCommand.top() > day.bottom(), width < 500) << width;
        EXPECT_GE(place(QStringLiteral("Import theme (.gtm)")).left(), margin) << width;
        // The colour slots take one column when two would not fit.
        const QRect text = place(QStringLiteral("Text"));
        const QRect background = place(QStringLiteral("Background"));
        EXPECT_LT(background.right(), view.width() - margin) << width;
        EXPECT_EQ(background.top() > text.bottom(), width < 500) << width;
    }
    EXPECT_LT(view.minimumSizeHint().width(), 450);
}

} // namespace
} // namespace nerka
