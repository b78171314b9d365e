#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace nerka {

class Dialogs;
class RadioController;

// The quit check: while a write runs, or with changed regions not yet
// written to the radio, asks first and lets quitting proceed only on "Quit".
// Otherwise it never asks.
class QuitGuard {
public:
    QuitGuard(RadioController& controller, Dialogs& dialogs)
        : m_controller(controller), m_dialogs(dialogs) {}

    // True when the application may terminate now: nothing is unsaved, or
    // the user chose "Quit" in the question.
    [[nodiscard]] bool mayQuit() const;
    // Asks the quit question over `window` (modal to it, so it is asked once
    // at a time); `quit` runs on "Quit". With unsaved changes the question
    // also offers "Save to file…", which runs `save` with the quit to follow
    // once the file is written.
    using Save = std::function<void(const std::function<void()>& then)>;
    void ask(QWidget* window, std::function<void()> quit, Save save = {});

    [[nodiscard]] static QString message(int unsavedRegions);
    [[nodiscard]] static QString writingMessage();

private:
    RadioController& m_controller;
    Dialogs& m_dialogs;
    bool m_confirmed = false;
};

} // namespace nerka
