#include "link/SerialDevice.h"

#include <QCoreApplication>
#include <QSerialPortInfo>
#include <QSettings>

#include <algorithm>

namespace nerka {

QString SerialDevice::displayName() const {
    QString text =
        name.isEmpty() ? QCoreApplication::translate("LinkError", "Serieller Port") : name;
    if (isOpenGD77())
        text += QStringLiteral(" — OpenGD77");
    return text;
}

QList<SerialDevice> sortSerialDevices(QList<SerialDevice> devices) {
    std::stable_sort(devices.begin(), devices.end(),
                     [](const SerialDevice& a, const SerialDevice& b) {
                         if (a.isOpenGD77() != b.isOpenGD77())
                             return a.isOpenGD77();
                         return a.path < b.path;
                     });
    return devices;
}

QList<SerialDevice> filterPorts(const QList<SerialDevice>& devices, bool showAllPorts) {
    if (showAllPorts)
        return devices;
    QList<SerialDevice> radios;
    for (const SerialDevice& device : devices) {
        if (device.isOpenGD77())
            radios.append(device);
    }
    return radios;
}

QList<SerialDevice> enumerateSerialDevices() {
    QList<SerialDevice> devices;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports) {
#ifdef Q_OS_MACOS
        // Each port appears as a call-in (tty.*) and a call-out (cu.*) device;
        // only the call-out one opens without waiting for carrier.
        if (!info.portName().startsWith(QLatin1String("cu.")))
            continue;
#endif
        if (info.systemLocation().isEmpty())
            continue;
        SerialDevice device;
        device.path = info.systemLocation();
        // The identifiers and product name belong to a USB parent; a port
        // without one is named after its terminal device.
        const bool usb = info.hasVendorIdentifier() || info.hasProductIdentifier();
        device.vendorID = info.hasVendorIdentifier() ? info.vendorIdentifier() : 0;
        device.productID = info.hasProductIdentifier() ? info.productIdentifier() : 0;
        if (usb && !info.description().isEmpty())
            device.name = info.description();
        else
            device.name = info.portName();
        devices.append(device);
    }
    return sortSerialDevices(std::move(devices));
}

QList<SerialDevice> listPorts(const QSettings* preferences) {
    bool showAll = false;
    if (preferences) {
        showAll = preferences->value(QLatin1String(kShowAllPortsKey), false).toBool();
    } else {
        const QSettings settings;
        showAll = settings.value(QLatin1String(kShowAllPortsKey), false).toBool();
    }
    return filterPorts(enumerateSerialDevices(), showAll);
}

} // namespace nerka
