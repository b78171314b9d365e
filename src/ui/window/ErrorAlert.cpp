#include "ui/window/ErrorAlert.h"

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"

#include <QTimer>

namespace nerka {

ErrorAlert::ErrorAlert(RadioController& controller, Dialogs& dialogs, QWidget* window)
    : QObject(window), m_controller(controller), m_dialogs(dialogs), m_window(window) {
    QObject::connect(&controller, &RadioController::lastErrorChanged, this, &ErrorAlert::schedule);
    if (controller.lastError())
        schedule();
}

void ErrorAlert::schedule() {
    if (m_scheduled || m_showing || !m_controller.lastError())
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, &ErrorAlert::showPending);
}

void ErrorAlert::showPending() {
    m_scheduled = false;
    if (!m_controller.lastError() || m_showing)
        return;
    // When the alert closes, the error it showed is cleared and the error
    // that is current then (one reported while the alert was open) is shown
    // next rather than cleared unseen.
    const QString text = *m_controller.lastError();
    m_showing = true;
    m_dialogs.alert(m_window, QStringLiteral("Error"), text, QStringLiteral("OK"), [this, text] {
        m_showing = false;
        if (m_controller.lastError() == text)
            m_controller.clearLastError();
        schedule();
    });
}

} // namespace nerka
