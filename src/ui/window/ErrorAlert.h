#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace nerka {

class Dialogs;
class RadioController;

// Binds the controller's last error to the "Error" alert: whenever lastError
// holds text, the alert shows it with the single button "OK", and closing the
// alert clears lastError, so the next error report shows a new alert. Errors
// that are only logged never set lastError and so never reach it.
//
// The alert is opened from a queued call, never inside the controller's
// signal emission: a modal loop there would run the controller's posted
// tasks in the middle of its own assignment.
class ErrorAlert : public QObject {
    Q_OBJECT
public:
    ErrorAlert(RadioController& controller, Dialogs& dialogs, QWidget* window);

    [[nodiscard]] bool isShowing() const { return m_showing; }

private:
    void schedule();
    void showPending();

    RadioController& m_controller;
    Dialogs& m_dialogs;
    QPointer<QWidget> m_window;
    bool m_scheduled = false;
    bool m_showing = false;
};

} // namespace nerka
