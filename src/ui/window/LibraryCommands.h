#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace nerka {

class Dialogs;
class FileCommands;
class RadioController;

// The File menu's commands for codeplugs beyond one radio: "New…" (an empty
// codeplug of a radio family, started without a radio) and "Merge from
// codeplug…" (records of a second codeplug taken into this one).
class LibraryCommands : public QObject {
    Q_OBJECT
public:
    LibraryCommands(RadioController& controller, Dialogs& dialogs, FileCommands& files,
                    QWidget* window);

    [[nodiscard]] QAction* newAction() const { return m_new; }
    [[nodiscard]] QAction* mergeAction() const { return m_merge; }

    // Asks the radio family (after the unsaved-changes question when there
    // are any) and starts the new codeplug.
    void newCodeplug();
    // Asks for a codeplug file or backup and opens the merge sheet on it.
    void mergeFromCodeplug();

    // Enabled state: nothing while a transfer runs; merging needs a codeplug.
    void updateActions();

private:
    void askFamily();

    RadioController& m_controller;
    Dialogs& m_dialogs;
    FileCommands& m_files;
    QPointer<QWidget> m_window;
    QAction* m_new = nullptr;
    QAction* m_merge = nullptr;
};

} // namespace nerka
