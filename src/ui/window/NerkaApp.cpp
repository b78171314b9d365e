#include "ui/window/NerkaApp.h"

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"
#include "ui/window/MainWindow.h"

#include <QPointer>
#include <QTimer>

namespace nerka {

NerkaApp::NerkaApp(QSettings* store, Dialogs* dialogs)
    : m_ownDialogs(dialogs ? nullptr : std::make_unique<WidgetDialogs>()),
      m_radio(std::make_unique<RadioController>(store)),
      m_window(std::make_unique<MainWindow>(*m_radio, dialogs ? *dialogs : *m_ownDialogs)) {}

// The window observes the controller, so it goes first.
NerkaApp::~NerkaApp() {
    m_window.reset();
    m_radio.reset();
}

void NerkaApp::runStartLogic(RadioController& radio) {
    radio.refreshPorts();
    radio.startAutoConnect();
}

void NerkaApp::start() {
    m_window->show();
    // After the window is on screen: the first attempt may connect and read
    // at once, and the user should see that happen.
    QPointer<RadioController> radio(m_radio.get());
    QTimer::singleShot(0, m_radio.get(), [radio] {
        if (radio)
            runStartLogic(*radio);
    });
}

} // namespace nerka
