#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace nerka {

class Dialogs;
class RadioController;

// Shows every error the activity log records in the "Error" alert with the
// single button "OK". Errors reported while the alert is open wait; when it
// closes, the latest of them is shown next. Lines that are only logged never
// reach it.
//
// The alert is opened from a queued call, never inside the log's signal
// emission: a modal loop there would run the controller's posted tasks in the
// middle of its own assignment.
class ErrorAlert : public QObject {
    Q_OBJECT
public:
    ErrorAlert(RadioController& controller, Dialogs& dialogs, QWidget* window);

    [[nodiscard]] bool isShowing() const { return m_showing; }

private:
    void schedule();
    void showPending();

    Dialogs& m_dialogs;
    QPointer<QWidget> m_window;
    std::optional<QString> m_pending; // the latest error not shown yet
    bool m_scheduled = false;
    bool m_showing = false;
};

} // namespace nerka
