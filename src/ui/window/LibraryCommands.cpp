#include "ui/window/LibraryCommands.h"

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"
#include "ui/window/ChangeSections.h"
#include "ui/window/FileCommands.h"
#include "ui/window/MergeSheet.h"

#include <QAction>
#include <QWidget>

namespace nerka {

LibraryCommands::LibraryCommands(RadioController& controller, Dialogs& dialogs, FileCommands& files,
                                 QWidget* window)
    : QObject(window), m_controller(controller), m_dialogs(dialogs), m_files(files),
      m_window(window) {
    m_new = new QAction(tr("New…"), this);
    m_new->setShortcut(QKeySequence::New);
    QObject::connect(m_new, &QAction::triggered, this, &LibraryCommands::newCodeplug);
    m_merge = new QAction(tr("Merge from codeplug…"), this);
    QObject::connect(m_merge, &QAction::triggered, this, &LibraryCommands::mergeFromCodeplug);
    updateActions();
}

void LibraryCommands::newCodeplug() {
    // The new codeplug replaces the one in memory: unwritten edits are asked
    // about first, as opening a file does.
    const int unsaved =
        m_controller.document().image() ? int(m_controller.document().dirtyRegions().size()) : 0;
    if (unsaved == 0) {
        askFamily();
        return;
    }
    m_dialogs.confirmLoss(
        m_window, tr("Discard unsaved changes?"),
        unsavedChangesMessage(m_controller, tr("They will be lost when starting a new codeplug.")),
        tr("New"), tr("Abbrechen"), [this] { askFamily(); },
        [this] { m_files.saveThen([this] { askFamily(); }); });
}

void LibraryCommands::askFamily() {
    m_dialogs.choose(m_window, tr("New codeplug"),
                     tr("Which radio family is the codeplug for? It starts without channels, "
                        "contacts, talkgroups, zones and call sign; written to a radio, only its "
                        "records replace the radio's, whose own settings stay."),
                     {tr("GD-77 family"), tr("UV380 family")}, tr("Abbrechen"), [this](int choice) {
                         m_controller.newCodeplug(choice == 1 ? RadioVariant::uv380
                                                              : RadioVariant::gd77);
                     });
}

void LibraryCommands::mergeFromCodeplug() {
    // Backups are codeplug files too (File › Backups… shows where they are).
    m_dialogs.openFile(m_window, tr("Merge from codeplug"), FileCommands::openFilters(),
                       [this](const QString& path) {
                           MergeSheet::openOn(m_controller, m_dialogs, path, m_window);
                       });
}

void LibraryCommands::updateActions() {
    const bool idle = !m_controller.status().isWorking();
    m_new->setEnabled(idle);
    m_merge->setEnabled(idle && m_controller.document().image().has_value());
}

} // namespace nerka
