#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QAction;
class QWidget;

namespace nerka {

class Dialogs;
class RadioController;

// The File menu's codeplug commands: "Open…", "Save", "Save As…", "Backups…",
// "Compare with File…" and the codeplug as CSV files out and in. The
// chosen file goes to the controller's file operations, which report every
// failure themselves (the error alert shows it; nothing in memory changes).
class FileCommands : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    FileCommands(RadioController& controller, Dialogs& dialogs, QWidget* window);

    [[nodiscard]] QAction* openAction() const { return m_open; }
    [[nodiscard]] QAction* saveAction() const { return m_save; }
    [[nodiscard]] QAction* saveAsAction() const { return m_saveAs; }
    [[nodiscard]] QAction* backupsAction() const { return m_backups; }
    [[nodiscard]] QAction* compareAction() const { return m_compare; }
    [[nodiscard]] QAction* exportCsvAction() const { return m_exportCsv; }
    [[nodiscard]] QAction* importCsvAction() const { return m_importCsv; }

    // Local time of the proposed file name; the system clock by default.
    void setClock(Clock clock) { m_clock = std::move(clock); }

    void open();
    // To the document's file when it has one, else as "Save As…".
    void save();
    void saveAs();
    // Saves like "Save" and runs `next` once the codeplug is in the file;
    // nothing follows a save that was cancelled or failed.
    void saveThen(const std::function<void()>& next);
    // The automatic backups, with restore, as a window-modal sheet.
    void showBackups();
    // Asks for a codeplug file and shows how it differs from the one in memory.
    void compareWithFile();
    // Asks for a folder and writes contacts.csv, talkgroups.csv,
    // channels.csv and zones.csv into it.
    void exportCodeplugCsv();
    // Asks for a folder holding any of those files, then how its rows meet
    // the records already there (update, append or replace), and imports
    // them as one step.
    void importCodeplugCsv();
    // "codeplug-" + yyyyMMdd-HHmmss + ".nerka".
    [[nodiscard]] static QString proposedName(const QDateTime& localTime);
    [[nodiscard]] static QStringList openFilters();
    [[nodiscard]] static QStringList saveFilters();

    // Enabled state from the controller: saving needs a codeplug, opening
    // needs no transfer running.
    void updateActions();

private:
    void askForFileThen(const std::function<void()>& next);
    // True when the controller saved to `path` without an error.
    bool saveTo(const QString& path);

    RadioController& m_controller;
    Dialogs& m_dialogs;
    QPointer<QWidget> m_window;
    Clock m_clock;
    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_backups = nullptr;
    QAction* m_compare = nullptr;
    QAction* m_exportCsv = nullptr;
    QAction* m_importCsv = nullptr;
};

} // namespace nerka
