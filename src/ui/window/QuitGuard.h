#pragma once

#include <QString>

class QWidget;

namespace nerka {

class Dialogs;
class RadioController;

// The quit check: with changed regions not yet written to the radio, asks
// "Unsaved changes" and lets quitting proceed only on "Quit". With none it
// never asks.
class QuitGuard {
public:
    QuitGuard(RadioController& controller, Dialogs& dialogs)
        : m_controller(controller), m_dialogs(dialogs) {}

    // True when the application may terminate.
    [[nodiscard]] bool mayQuit(QWidget* window) const;

    [[nodiscard]] static QString message(int unsavedRegions);

private:
    RadioController& m_controller;
    Dialogs& m_dialogs;
};

} // namespace nerka
