#pragma once

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace nerka::test {

// A preference store in a throw-away INI file, for tests that need to
// control what "the user's preferences" hold.
class TempSettings {
public:
    TempSettings()
        : m_settings(std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("prefs.ini")),
                                                 QSettings::IniFormat)) {}
    QSettings* get() const { return m_settings.get(); }
    QSettings* operator->() const { return m_settings.get(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_settings;
};

} // namespace nerka::test
