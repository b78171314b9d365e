#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>

#include <cstdint>

class QSettings;

namespace nerka {

// A serial device a radio could be attached to. Identity (for selection) is
// the path; equality is over all four fields.
struct SerialDevice {
    static constexpr int kOpenGD77VendorID = 0x1FC9;
    static constexpr int kOpenGD77ProductID = 0x0094;

    QString path;      // device file to open
    QString name;      // USB product name, else the terminal device's name, else empty
    int vendorID = 0;  // of the USB device above the port, 0 without one
    int productID = 0; // likewise

    // VID 0x1FC9 and PID 0x0094: the only test for a radio in the program.
    [[nodiscard]] bool isOpenGD77() const {
        return vendorID == kOpenGD77VendorID && productID == kOpenGD77ProductID;
    }
    // name, or "Serieller Port" when empty; " — OpenGD77" appended for a radio.
    [[nodiscard]] QString displayName() const;

    friend bool operator==(const SerialDevice&, const SerialDevice&) = default;
};

inline size_t qHash(const SerialDevice& device, size_t seed = 0) {
    return qHashMulti(seed, device.path, device.name, device.vendorID, device.productID);
}

// Radios first; within radios and within the rest by path (plain text order).
// Stable, so equal paths keep their order.
[[nodiscard]] QList<SerialDevice> sortSerialDevices(QList<SerialDevice> devices);

// The whole list when showAllPorts is set, else only the radios, order kept.
[[nodiscard]] QList<SerialDevice> filterPorts(const QList<SerialDevice>& devices,
                                              bool showAllPorts);

// Every serial device of the computer with a call-out path, sorted. Never
// fails: missing identifiers give 0 or empty text.
[[nodiscard]] QList<SerialDevice> enumerateSerialDevices();

// The "showAllPorts" preference key (absent means false).
inline constexpr char kShowAllPortsKey[] = "showAllPorts";

// enumerateSerialDevices filtered by "showAllPorts" of the given store
// (the application's default store when none is given).
[[nodiscard]] QList<SerialDevice> listPorts(const QSettings* preferences = nullptr);

} // namespace nerka
