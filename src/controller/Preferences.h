#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace nerka {

// The four per-user preferences. Wraps a QSettings store; the default store is
// the platform's per-user one, tests hand in a throw-away file.
class Preferences {
public:
    static constexpr const char* kLastPortKey = "lastPortPath";
    static constexpr const char* kAutoConnectKey = "autoConnect";
    static constexpr const char* kAutoReadKey = "autoRead";
    static constexpr const char* kShowAllPortsKey = "showAllPorts";

    // Uses `settings` (not owned) or, when null, the default per-user store.
    explicit Preferences(QSettings* settings = nullptr);

    [[nodiscard]] QString lastPortPath() const; // empty when none was remembered
    void setLastPortPath(const QString& path);
    // Default on. A stored value that is not a flag also counts as on.
    [[nodiscard]] bool autoConnect() const;
    void setAutoConnect(bool on);
    [[nodiscard]] bool autoRead() const;
    void setAutoRead(bool on);
    // Default off.
    [[nodiscard]] bool showAllPorts() const;
    void setShowAllPorts(bool on);

    [[nodiscard]] QSettings* store() const { return m_settings; }

private:
    std::unique_ptr<QSettings> m_owned;
    QSettings* m_settings;
};

} // namespace nerka
