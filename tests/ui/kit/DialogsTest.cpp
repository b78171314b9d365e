#include "ui/kit/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace nerka {
namespace {

// Each real dialog opens window-modally over its parent and the call returns
// at once (no nested event loop); the callback runs once the dialog is
// answered, and only for a positive answer.
struct Case {
    const char* name;
    std::function<void(Dialogs&, QWidget*, bool& answered)> open;
    std::function<void(QDialog*)> answer;
};

TEST(WidgetDialogs, OpenWindowModallyAndAnswerThroughTheCallback) {
    const Case cases[] = {
        {"confirm",
         [](Dialogs& d, QWidget* w, bool& answered) {
             d.confirm(w, QStringLiteral("Write?"), QStringLiteral("Sure?"),
                       QStringLiteral("Write"), QStringLiteral("Abbrechen"),
                       [&answered] { answered = true; });
         },
         [](QDialog* dialog) {
             for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                 if (button->text() == QStringLiteral("Write"))
                     button->click();
             }
         }},
        // Return on the loss question keeps the work; "Save to file…" hands
        // the choice to the caller, who saves and goes on.
        {"loss question",
         [](Dialogs& d, QWidget* w, bool& answered) {
             d.confirmLoss(
                 w, QStringLiteral("Discard unsaved changes?"), QStringLiteral("Lost?"),
                 QStringLiteral("Reload"), QStringLiteral("Abbrechen"), [] { ADD_FAILURE(); },
                 [&answered] { answered = true; });
         },
         [](QDialog* dialog) {
             auto* box = qobject_cast<QMessageBox*>(dialog);
             ASSERT_NE(box, nullptr);
             EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("Abbrechen"));
             EXPECT_EQ(box->escapeButton(), box->defaultButton());
             for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                 if (button->text() == saveToFileText())
                     button->click();
             }
         }},
        {"alert",
         [](Dialogs& d, QWidget* w, bool& answered) {
             d.alert(w, QStringLiteral("Error"), QStringLiteral("Bad"), QStringLiteral("OK"),
                     [&answered] { answered = true; });
         },
         [](QDialog* dialog) { dialog->reject(); }},
        {"open file",
         [](Dialogs& d, QWidget* w, bool& answered) {
             d.openFile(w, QStringLiteral("Open"), {QStringLiteral("All (*)")},
                        [&answered](const QString&) { answered = true; });
         },
         [](QDialog* dialog) {
             auto* files = qobject_cast<QFileDialog*>(dialog);
             files->selectFile(QCoreApplication::applicationFilePath());
             static_cast<QDialog*>(files)->accept();
         }},
        {"save file",
         [](Dialogs& d, QWidget* w, bool& answered) {
             d.saveFile(w, QStringLiteral("Save"), {QStringLiteral("All (*)")},
                        QStringLiteral("x.nerka"),
                        [&answered](const QString& path) { answered = path.endsWith("x.nerka"); });
         },
         [](QDialog* dialog) { dialog->accept(); }},
        {"colour",
         [](Dialogs& d, QWidget* w, bool& answered) {
             d.chooseColor(w, QStringLiteral("Colour"), Qt::red,
                           [&answered](const QColor& c) { answered = c == Qt::red; });
         },
         [](QDialog* dialog) { dialog->accept(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        window.resize(600, 400);
        window.show();
        WidgetDialogs dialogs;
        bool answered = false;
        c.open(dialogs, &window, answered);
        auto* dialog = window.findChild<QDialog*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->isVisible(); }, 2000));
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
        EXPECT_FALSE(answered);
        c.answer(dialog);
        EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 2000));
    }
}

} // namespace
} // namespace nerka
