#pragma once

#include <memory>

class QSettings;

namespace nerka {

class Dialogs;
class MainWindow;
class RadioController;
class WidgetDialogs;

// The application shell: the one controller of the process, the dialogs and
// the main window built on it. start() shows the window and then runs the
// controller's start logic (port discovery, and auto-connect and auto-read
// as the preferences say) once the window is up.
class NerkaApp {
public:
    // `store` (not owned) holds the preferences; null means the per-user
    // store. `dialogs` (not owned) replaces the real dialogs in tests.
    explicit NerkaApp(QSettings* store = nullptr, Dialogs* dialogs = nullptr);
    ~NerkaApp();
    NerkaApp(const NerkaApp&) = delete;
    NerkaApp& operator=(const NerkaApp&) = delete;

    [[nodiscard]] RadioController& radio() { return *m_radio; }
    [[nodiscard]] MainWindow& window() { return *m_window; }

    void start();
    // What runs at launch: the port list, then the auto-connect chain.
    static void runStartLogic(RadioController& radio);

private:
    std::unique_ptr<WidgetDialogs> m_ownDialogs;
    std::unique_ptr<RadioController> m_radio;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace nerka
