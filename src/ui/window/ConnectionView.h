#pragma once

#include "link/FirmwareInfo.h"

#include <QWidget>

class QComboBox;
class QDialog;
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

    // The sheet: a ConnectionView and "Close", window-modal over `window`,
    // opened with open() (the caller does not wait). Deleted when closed.
    static QDialog* openSheet(RadioController& controller, QWidget* window);

    // "GD77 (MK22, 'W')" or "UV380 (STM32, 'X')".
    [[nodiscard]] static QString protocolText(const FirmwareInfo& firmware);
    // "0x%08X".
    [[nodiscard]] static QString flashSerialText(std::uint32_t serial);

    [[nodiscard]] QComboBox* portPicker() const { return m_ports; }
    [[nodiscard]] QPushButton* connectButton() const { return m_connect; }
    [[nodiscard]] QLabel* stateLabel() const { return m_state; }
    [[nodiscard]] QLabel* progressLabel() const { return m_progress; }
    [[nodiscard]] QGroupBox* deviceBlock() const { return m_device; }

private:
    void refresh();
    void showSelectedPort();
    void portChosen(int row);
    void connectOrDisconnect();

    RadioController& m_controller;
    PortListModel* m_portModel = nullptr;
    QComboBox* m_ports = nullptr;
    QToolButton* m_refresh = nullptr;
    QLabel* m_noDevice = nullptr;
    QPushButton* m_connect = nullptr;
    QLabel* m_state = nullptr;
    QGroupBox* m_device = nullptr;
    QLabel* m_model = nullptr;
    QLabel* m_firmware = nullptr;
    QLabel* m_build = nullptr;
    QLabel* m_protocol = nullptr;
    QLabel* m_flashSerial = nullptr;
    QLabel* m_progress = nullptr;
};

} // namespace nerka
