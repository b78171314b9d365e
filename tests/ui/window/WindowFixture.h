#pragma once

// A main window on a controller wired to stand-in radios (short serial
// timeouts, a small time scale, no real serial devices) with scripted
// dialogs, and helpers to load a codeplug from a file or a stand-in.

#include "codeplug/CodeplugFile.h"
#include "tests/controller/StandInRadio.h"
#include "tests/ui/Accessible.h"
#include "tests/ui/ScriptedDialogs.h"
#include "ui/window/MainWindow.h"

#include <QAbstractButton>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace nerka::test {

// Presses the named element as assistive technology does. A push button's
// press action is an animated click that lands a moment later; this waits
// until it has landed.
inline bool press(QWidget* root, const QString& name,
                  QAccessible::Role role = QAccessible::NoRole) {
    QAccessibleInterface* element = findAccessible(root, name, role);
    auto* button = element ? qobject_cast<QAbstractButton*>(element->object()) : nullptr;
    if (!button || button->isCheckable())
        return pressAccessible(element);
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    return pressAccessible(element) && QTest::qWaitFor([&] { return clicked.count() > 0; }, 5000);
}

class WindowTest : public ::testing::Test {
protected:
    WindowTest() : window(*radio, dialogs) { window.show(); }

    // A sample codeplug opened from a file (documentURL set, nothing unsaved).
    void openSampleFile(RadioVariant variant = RadioVariant::gd77) {
        const QString path = dir.filePath(QStringLiteral("sample.nerka"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(encodeCodeplugFile(sampleCodeplug(variant)));
        file.close();
        radio->openCodeplugFile(path);
        radio.drain();
        ASSERT_TRUE(radio->document().image().has_value());
    }

    // Connects to `standIn` through the Connection screen and reads its
    // codeplug with the toolbar's "Load from device".
    void connectAndLoad(const StandInRadio& standIn) {
        radio->registerDevice(standIn.device());
        radio->refreshPorts();
        window.showSection(SidebarItem::connection);
        ASSERT_TRUE(press(&window, QStringLiteral("Connect")));
        ASSERT_TRUE(radio.waitFor([&] { return radio->status().isConnected(); }))
            << radio.results.reports.join(u'\n').toStdString();
        ASSERT_TRUE(press(&window, QStringLiteral("Load from device")));
        ASSERT_TRUE(radio.waitFor([&] {
            return radio->document().image() && !radio->status().isWorking();
        })) << radio.results.reports.join(u'\n').toStdString();
        radio.drain();
    }

    // Lets queued calls (the error alert) run.
    static void settle() { QTest::qWait(10); }

    QTemporaryDir dir;
    ControllerOnStandIn radio;
    ScriptedDialogs dialogs;
    MainWindow window;
};

} // namespace nerka::test
