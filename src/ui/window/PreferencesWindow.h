#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace nerka {

class RadioController;

// The preferences window: "Connection" (auto-connect, auto-read), "Ports"
// (all serial ports, the remembered port and a button that forgets it),
// "Writing" and "Language" (System, English, Deutsch; read at start).
// Every change is written to the controller's preference store at once.
class PreferencesWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesWindow(RadioController& controller, QWidget* parent = nullptr);

    // Shows the stored values again (the remembered port changes on connect).
    void reload();

    [[nodiscard]] QCheckBox* autoConnectToggle() const { return m_autoConnect; }
    [[nodiscard]] QCheckBox* autoReadToggle() const { return m_autoRead; }
    [[nodiscard]] QCheckBox* showAllPortsToggle() const { return m_showAllPorts; }
    [[nodiscard]] QCheckBox* writeWholeRegionsToggle() const { return m_writeWholeRegions; }
    [[nodiscard]] QLineEdit* rememberedPortField() const { return m_rememberedPort; }
    [[nodiscard]] QPushButton* forgetButton() const { return m_forget; }
    [[nodiscard]] QComboBox* languageChoice() const { return m_language; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // "Show all serial ports", the remembered port and "Forget remembered port".
    QGroupBox* buildPortsBox();
    // The language picker and the note that it applies at the next start.
    QGroupBox* buildLanguageBox();
    // Every toggle and "Forget remembered port" store their choice at once.
    void connectToggles();

    RadioController& m_controller;
    QCheckBox* m_autoConnect = nullptr;
    QCheckBox* m_autoRead = nullptr;
    QCheckBox* m_showAllPorts = nullptr;
    QCheckBox* m_writeWholeRegions = nullptr;
    QLineEdit* m_rememberedPort = nullptr;
    QPushButton* m_forget = nullptr;
    QComboBox* m_language = nullptr;
    bool m_placed = false;
};

} // namespace nerka
