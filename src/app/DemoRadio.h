#pragma once

#include <QString>

#include <memory>

class QSettings;
class QTemporaryDir;

namespace nerka {

class RadioController;
class RadioSimulator;

// `nerka --demo`: a stand-in radio holding the sample codeplug on a
// pseudo-terminal, and a throw-away preference store that remembers it, so
// the ordinary start logic connects to it and reads its codeplug. Nothing of
// the demo reaches the user's own preferences.
class DemoRadio {
public:
    DemoRadio();
    ~DemoRadio();
    DemoRadio(const DemoRadio&) = delete;
    DemoRadio& operator=(const DemoRadio&) = delete;

    // Starts the stand-in; the error text when it cannot run.
    [[nodiscard]] QString start();
    [[nodiscard]] QSettings* preferenceStore() const { return m_settings.get(); }
    // Lists the stand-in among the controller's ports.
    void attach(RadioController& controller) const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<RadioSimulator> m_simulator;
};

} // namespace nerka
