#include "ui/window/QuitGuard.h"

#include <QCoreApplication>

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"
#include "ui/window/ChangeSections.h"

namespace nerka {

QString QuitGuard::writingMessage() {
    return QCoreApplication::translate(
        "nerka::QuitGuard", "The radio is being written. Quitting now can leave it with part of "
                            "the codeplug; do not unplug it until the write is verified.");
}

bool QuitGuard::mayQuit() const {
    return m_confirmed ||
           (m_controller.document().dirtyRegions().empty() && !m_controller.writeSteps().active());
}

void QuitGuard::ask(QWidget* window, std::function<void()> quit, Save save) {
    if (m_controller.writeSteps().active()) {
        m_dialogs.confirm(window,
                          QCoreApplication::translate("nerka::QuitGuard", "A write is in progress"),
                          writingMessage(), QCoreApplication::translate("nerka::QuitGuard", "Quit"),
                          QCoreApplication::translate("nerka::QuitGuard", "Cancel"),
                          [this, quit = std::move(quit)] {
                              m_confirmed = true;
                              quit();
                          });
        return;
    }
    auto confirmed = [this, quit = std::move(quit)] {
        m_confirmed = true;
        quit();
    };
    // Saved to a file, the changes are kept even though the radio does not
    // have them yet: quitting goes on.
    auto saveFirst = [save = std::move(save), confirmed] {
        if (save)
            save(confirmed);
    };
    m_dialogs.confirmLoss(
        window, QCoreApplication::translate("nerka::QuitGuard", "Unsaved changes"),
        unsavedChangesMessage(m_controller, QCoreApplication::translate(
                                                "nerka::QuitGuard", "They will be lost on quit.")),
        QCoreApplication::translate("nerka::QuitGuard", "Quit"),
        QCoreApplication::translate("nerka::QuitGuard", "Cancel"), std::move(confirmed),
        std::move(saveFirst));
}

} // namespace nerka
