#include "ui/window/QuitGuard.h"

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"

namespace nerka {

QString QuitGuard::message(int unsavedRegions) {
    return QStringLiteral("There are ") + QString::number(unsavedRegions) +
           QStringLiteral(" change(s) that haven't been written to the device yet. They will be "
                          "lost on quit.");
}

bool QuitGuard::mayQuit() const {
    return m_confirmed || m_controller.dirtyRegions().empty();
}

void QuitGuard::ask(QWidget* window, std::function<void()> quit) {
    const int unsaved = int(m_controller.dirtyRegions().size());
    m_dialogs.confirm(window, QStringLiteral("Unsaved changes"), message(unsaved),
                      QStringLiteral("Quit"), QStringLiteral("Cancel"),
                      [this, quit = std::move(quit)] {
                          m_confirmed = true;
                          quit();
                      });
}

} // namespace nerka
