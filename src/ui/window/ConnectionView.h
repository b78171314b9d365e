#pragma once

#include "link/FirmwareInfo.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QDialog;
class QFormLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace nerka {

class PortListModel;
class RadioController;

// The Connection screen: the port picker with "Refresh ports", "No device
// found", Connect/Disconnect, the hint, the state, the Device block of the
// connected radio and the progress of a running transfer. Used as the
// Connection section and, with a "Close" button, as a window-modal sheet.
class ConnectionView : public QWidget {
    Q_OBJECT
public:
    explicit ConnectionView(RadioController& controller, QWidget* parent = nullptr);

    // Runs instead of a plain disconnect when set (the window asks first
    // while changes are unsaved).
    std::function<void()> onDisconnect;

    // The sheet: a ConnectionView and "Close", window-modal over `window`,
    // opened with open() (the caller does not wait). Deleted when closed.
    static QDialog* openSheet(RadioController& controller, QWidget* window);

    // "GD77 (MK22, 'W')" or "UV380 (STM32, 'X')".
    [[nodiscard]] static QString protocolText(const FirmwareInfo& firmware);
    // "The device must be switched on and connected via USB.", shown while
    // no radio is connected.
    [[nodiscard]] static QString hintText();
    // "0x%08X".
    [[nodiscard]] static QString flashSerialText(std::uint32_t serial);

    [[nodiscard]] QComboBox* portPicker() const { return m_ports; }
    [[nodiscard]] QPushButton* connectButton() const { return m_connect; }
    [[nodiscard]] QLabel* stateLabel() const { return m_state; }
    [[nodiscard]] QLabel* progressLabel() const { return m_progress; }
    [[nodiscard]] QGroupBox* deviceBlock() const { return m_device; }
    // The device doctor's advice beside a failed connection or an empty port
    // list; hidden while there is none.
    [[nodiscard]] QLabel* adviceLabel() const { return m_advice; }

private:
    QFormLayout* buildPortForm();
    QGroupBox* buildDeviceBlock();
    void connectController();
    void refresh();
    void showSelectedPort();
    void portChosen(int row);
    void connectOrDisconnect();
    // The doctor reads /proc and /sys, which can take long on a busy machine,
    // so it runs on a worker thread; only the latest request's answer is shown.
    void requestAdvice(std::function<QString()> diagnose, bool withoutRadio);
    void showAdvice(quint64 request, const QString& advice);
    void clearAdvice();

    RadioController& m_controller;
    PortListModel* m_portModel = nullptr;
    QComboBox* m_ports = nullptr;
    QToolButton* m_refresh = nullptr;
    QLabel* m_noDevice = nullptr;
    QPushButton* m_connect = nullptr;
    QLabel* m_state = nullptr;
    QLabel* m_hint = nullptr; // shown while disconnected
    QGroupBox* m_device = nullptr;
    QLabel* m_model = nullptr;
    QLabel* m_firmware = nullptr;
    QLabel* m_build = nullptr;
    QLabel* m_protocol = nullptr;
    QLabel* m_flashSerial = nullptr;
    QLabel* m_progress = nullptr;
    QLabel* m_advice = nullptr;
    quint64 m_adviceRequest = 0;       // bumped by every request and clear
    bool m_adviceWithoutRadio = false; // the advice shown is about an empty port list
};

} // namespace nerka
