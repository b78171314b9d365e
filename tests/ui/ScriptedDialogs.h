#pragma once

// A Dialogs stand-in for widget tests: answers come from queues the test
// fills beforehand, and every question asked is recorded, so a test checks
// the exact title, message and buttons without a modal loop.

#include "ui/kit/Dialogs.h"

#include <QList>
#include <QQueue>

#include <functional>
#include <optional>

#include <gtest/gtest.h>

namespace nerka::test {

class ScriptedDialogs final : public Dialogs {
public:
    struct Asked {
        QString kind; // "confirm", "alert", "open", "save", "folder", "choose", "color"
        QString title;
        QString message;     // the message, or the proposed name of a save dialog
        QStringList buttons; // confirm/cancel texts, or the filters of a file dialog
        QString details;
    };

    // Answers, used in order; a question without a queued answer is
    // cancelled (and counts as unexpected when `strict`).
    QQueue<bool> confirmAnswers;
    // Loss questions take a queued "Save to file…" first (true: save), else
    // a confirm answer (true: the losing button, false: cancel).
    QQueue<bool> saveFirstAnswers;
    QQueue<std::optional<QString>> fileAnswers;
    QQueue<std::optional<QColor>> colorAnswers;
    // Answers of choose(): the index chosen, or none for cancel.
    QQueue<std::optional<int>> choiceAnswers;
    // Runs when an alert is shown (the test may inspect state at that moment).
    std::function<void(const Asked&)> onAlert;
    bool strict = false;

    QList<Asked> asked;

    [[nodiscard]] int count(const QString& kind) const {
        int n = 0;
        for (const Asked& a : asked)
            n += a.kind == kind ? 1 : 0;
        return n;
    }
    [[nodiscard]] const Asked* last(const QString& kind) const {
        for (auto it = asked.crbegin(); it != asked.crend(); ++it) {
            if (it->kind == kind)
                return &*it;
        }
        return nullptr;
    }

    // Each answer is given at once, through the callback, as the real
    // dialog would give it once closed.
    void confirm(QWidget*, const QString& title, const QString& message, const QString& confirmText,
                 const QString& cancelText, std::function<void()> confirmed,
                 const QString& details = QString()) override {
        asked.append(
            {QStringLiteral("confirm"), title, message, {confirmText, cancelText}, details});
        if (confirmAnswers.isEmpty()) {
            EXPECT_FALSE(strict) << "unexpected confirmation: " << title.toStdString();
            return;
        }
        if (confirmAnswers.dequeue() && confirmed)
            confirmed();
    }
    void confirmLoss(QWidget*, const QString& title, const QString& message,
                     const QString& discardText, const QString& cancelText,
                     std::function<void()> discard, std::function<void()> saveFirst) override {
        asked.append({QStringLiteral("confirm"),
                      title,
                      message,
                      {discardText, cancelText, saveToFileText()},
                      {}});
        if (!saveFirstAnswers.isEmpty() && saveFirstAnswers.dequeue()) {
            if (saveFirst)
                saveFirst();
            return;
        }
        if (confirmAnswers.isEmpty()) {
            EXPECT_FALSE(strict) << "unexpected confirmation: " << title.toStdString();
            return;
        }
        if (confirmAnswers.dequeue() && discard)
            discard();
    }
    void alert(QWidget*, const QString& title, const QString& message, const QString& buttonText,
               std::function<void()> dismissed = {}) override {
        asked.append({QStringLiteral("alert"), title, message, {buttonText}, {}});
        if (onAlert)
            onAlert(asked.last());
        if (dismissed)
            dismissed();
    }
    void openFile(QWidget*, const QString& title, const QStringList& filters,
                  std::function<void(const QString&)> chosen) override {
        asked.append({QStringLiteral("open"), title, {}, filters, {}});
        answerFile(title, chosen);
    }
    void saveFile(QWidget*, const QString& title, const QStringList& filters,
                  const QString& proposedName,
                  std::function<void(const QString&)> chosen) override {
        asked.append({QStringLiteral("save"), title, proposedName, filters, {}});
        answerFile(title, chosen);
    }
    void chooseFolder(QWidget*, const QString& title,
                      std::function<void(const QString&)> chosen) override {
        asked.append({QStringLiteral("folder"), title, {}, {}, {}});
        answerFile(title, chosen);
    }
    void choose(QWidget*, const QString& title, const QString& message, const QStringList& choices,
                const QString& cancelText, std::function<void(int)> chosen) override {
        asked.append(
            {QStringLiteral("choose"), title, message, choices + QStringList{cancelText}, {}});
        if (choiceAnswers.isEmpty()) {
            EXPECT_FALSE(strict) << "unexpected question: " << title.toStdString();
            return;
        }
        if (const std::optional<int> choice = choiceAnswers.dequeue(); choice && chosen)
            chosen(*choice);
    }
    void chooseColor(QWidget*, const QString& title, const QColor&,
                     std::function<void(const QColor&)> chosen) override {
        asked.append({QStringLiteral("color"), title, {}, {}, {}});
        if (colorAnswers.isEmpty()) {
            EXPECT_FALSE(strict) << "unexpected colour chooser: " << title.toStdString();
            return;
        }
        if (const std::optional<QColor> colour = colorAnswers.dequeue(); colour && chosen)
            chosen(*colour);
    }

private:
    void answerFile(const QString& title, const std::function<void(const QString&)>& chosen) {
        if (fileAnswers.isEmpty()) {
            EXPECT_FALSE(strict) << "unexpected file chooser: " << title.toStdString();
            return;
        }
        if (const std::optional<QString> path = fileAnswers.dequeue(); path && chosen)
            chosen(*path);
    }
};

} // namespace nerka::test
