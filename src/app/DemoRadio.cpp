#include "DemoRadio.h"

#include "controller/Preferences.h"
#include "controller/RadioController.h"
#include "sim/RadioSimulator.h"
#include "sim/SampleCodeplug.h"

#include <QSettings>
#include <QTemporaryDir>

namespace nerka {

DemoRadio::DemoRadio()
    : m_dir(std::make_unique<QTemporaryDir>()),
      m_settings(std::make_unique<QSettings>(m_dir->filePath(QStringLiteral("preferences.ini")),
                                             QSettings::IniFormat)),
      m_simulator(std::make_unique<RadioSimulator>()) {}

DemoRadio::~DemoRadio() = default;

QString DemoRadio::start() {
    if (!m_dir->isValid())
        return QStringLiteral("Cannot create a temporary folder: ") + m_dir->errorString();
    if (auto loaded = m_simulator->loadCodeplug(sampleCodeplug(m_simulator->variant())); !loaded)
        return loaded.error();
    if (auto started = m_simulator->start(); !started)
        return started.error();
    // The stand-in is the remembered radio with auto-connect and auto-read
    // on, so launching goes the way it goes with a real radio plugged in.
    Preferences prefs(m_settings.get());
    prefs.setLastPortPath(m_simulator->devicePath());
    prefs.setAutoConnect(true);
    prefs.setAutoRead(true);
    return {};
}

void DemoRadio::attach(RadioController& controller) const {
    SerialDevice device;
    device.path = m_simulator->devicePath();
    device.name = QStringLiteral("Nerka demo radio");
    device.vendorID = SerialDevice::kOpenGD77VendorID;
    device.productID = SerialDevice::kOpenGD77ProductID;
    controller.registerDevice(device);
    // The demo's automatic backups stay with the demo, away from the backups
    // of the user's own radios.
    controller.backups().setFolder(m_dir->filePath(QStringLiteral("backups")));
}

} // namespace nerka
