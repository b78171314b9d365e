#include "ui/window/QuitGuard.h"

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"

namespace nerka {

QString QuitGuard::message(int unsavedRegions) {
    return QStringLiteral("There are ") + QString::number(unsavedRegions) +
           QStringLiteral(" change(s) that haven't been written to the device yet. They will be "
                          "lost on quit.");
}

bool QuitGuard::mayQuit(QWidget* window) const {
    const int unsaved = int(m_controller.dirtyRegions().size());
    if (unsaved == 0)
        return true;
    return m_dialogs.confirm(window, QStringLiteral("Unsaved changes"), message(unsaved),
                             QStringLiteral("Quit"), QStringLiteral("Cancel"));
}

} // namespace nerka
