#include "ui/window/ErrorAlert.h"

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"

#include <QTimer>

namespace nerka {

ErrorAlert::ErrorAlert(RadioController& controller, Dialogs& dialogs, QWidget* window)
    : QObject(window), m_dialogs(dialogs), m_window(window) {
    QObject::connect(&controller.activityLog(), &ActivityLog::errorRecorded, this,
                     [this](const QString& text) {
                         m_pending = text;
                         schedule();
                     });
}

void ErrorAlert::schedule() {
    if (m_scheduled || m_showing || !m_pending)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, &ErrorAlert::showPending);
}

void ErrorAlert::showPending() {
    m_scheduled = false;
    if (!m_pending || m_showing)
        return;
    const QString text = *m_pending;
    m_pending.reset();
    m_showing = true;
    m_dialogs.alert(m_window, tr("Error"), text, tr("OK"), [this] {
        m_showing = false;
        schedule();
    });
}

} // namespace nerka
