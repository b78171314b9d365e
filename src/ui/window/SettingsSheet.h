#pragma once

#include <QDialog>

namespace nerka {

// The device settings sheet's screen for when no codeplug is loaded: the
// slider icon, "No settings loaded", how to load one, and "Close". Shown
// window-modal with open(), so the caller never waits on it.
class SettingsSheet : public QDialog {
    Q_OBJECT
public:
    explicit SettingsSheet(QWidget* window);

    static const QString kTitle;
    static const QString kMessage;
};

} // namespace nerka
