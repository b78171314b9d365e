#pragma once

#include "dmrdb/DMRSelection.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace nerka {

// The per-user preferences. Wraps a QSettings store; the default store is
// the platform's per-user one, tests hand in a throw-away file.
class Preferences {
public:
    static constexpr const char* kLastPortKey = "lastPortPath";
    static constexpr const char* kAutoConnectKey = "autoConnect";
    static constexpr const char* kAutoReadKey = "autoRead";
    static constexpr const char* kShowAllPortsKey = "showAllPorts";
    // The DMR database screen's selection: prefixes as "262,263,232" and the
    // fill flag (default on).
    static constexpr const char* kDMRPrefixesKey = "dmrPreferredPrefixes";
    static constexpr const char* kDMRFillRestKey = "dmrFillRest";
    static constexpr const char* kWriteWholeRegionsKey = "writeWholeRegions";

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
    // The remembered DMR ID selection; none remembered is the empty one.
    // Stored words that are not prefixes are left out.
    [[nodiscard]] DMRSelection dmrSelection() const;
    void setDMRSelection(const DMRSelection& selection);

    // Default off: a write sends only the blocks that changed.
    [[nodiscard]] bool writeWholeRegions() const;
    void setWriteWholeRegions(bool on);

    [[nodiscard]] QSettings* store() const { return m_settings; }

private:
    std::unique_ptr<QSettings> m_owned;
    QSettings* m_settings;
};

} // namespace nerka
