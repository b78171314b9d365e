#include "ui/window/FileCommands.h"

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"
#include "ui/window/BackupsDialog.h"
#include "ui/window/ChangeSections.h"
#include "ui/window/CompareDialog.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

namespace nerka {

FileCommands::FileCommands(RadioController& controller, Dialogs& dialogs, QWidget* window)
    : QObject(window), m_controller(controller), m_dialogs(dialogs), m_window(window),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    m_open = new QAction(tr("Open…"), this);
    m_open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    m_save = new QAction(tr("Save"), this);
    m_save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m_saveAs = new QAction(tr("Save As…"), this);
    m_saveAs->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    m_backups = new QAction(tr("Backups…"), this);
    m_compare = new QAction(tr("Compare with File…"), this);
    m_exportCsv = new QAction(tr("Codeplug as CSV files…"), this);
    m_importCsv = new QAction(tr("Codeplug from CSV files…"), this);
    QObject::connect(m_exportCsv, &QAction::triggered, this, &FileCommands::exportCodeplugCsv);
    QObject::connect(m_importCsv, &QAction::triggered, this, &FileCommands::importCodeplugCsv);
    QObject::connect(m_open, &QAction::triggered, this, &FileCommands::open);
    QObject::connect(m_backups, &QAction::triggered, this, &FileCommands::showBackups);
    QObject::connect(m_compare, &QAction::triggered, this, &FileCommands::compareWithFile);
    QObject::connect(m_save, &QAction::triggered, this, &FileCommands::save);
    QObject::connect(m_saveAs, &QAction::triggered, this, &FileCommands::saveAs);
    updateActions();
}

QString FileCommands::proposedName(const QDateTime& localTime) {
    return QStringLiteral("codeplug-") + localTime.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral(".nerka");
}

QStringList FileCommands::openFilters() {
    return {tr("Codeplug files (*.nerka *.ogd77)"), tr("Nerka codeplug (*.nerka)"),
            tr("OpenGD77 codeplug (*.ogd77)")};
}

QStringList FileCommands::saveFilters() {
    return {tr("Nerka codeplug (*.nerka)")};
}

void FileCommands::open() {
    m_dialogs.openFile(
        m_window, tr("Open codeplug file"), openFilters(), [this](const QString& path) {
            // An opened file replaces the codeplug in memory and empties the
            // unsaved set, so unwritten edits would be gone without a word:
            // ask, as a read does.
            const int unsaved = int(m_controller.document().dirtyRegions().size());
            if (unsaved == 0) {
                m_controller.openCodeplugFile(path);
                return;
            }
            const auto openIt = [this, path] { m_controller.openCodeplugFile(path); };
            m_dialogs.confirmLoss(m_window, tr("Discard unsaved changes?"),
                                  unsavedChangesMessage(m_controller, tr("They will be lost when "
                                                                         "opening the file.")),
                                  tr("Open"), tr("Abbrechen"), openIt,
                                  [this, openIt] { saveThen(openIt); });
        });
}

void FileCommands::save() {
    saveThen({});
}

void FileCommands::saveAs() {
    if (!m_controller.document().image()) {
        // The command is disabled without a codeplug; a shortcut that slips
        // through gets the controller's own message.
        m_controller.saveCodeplugFile(QString());
        return;
    }
    askForFileThen({});
}

void FileCommands::saveThen(const std::function<void()>& next) {
    const auto& url = m_controller.documentURL();
    if (url && url->isLocalFile() && m_controller.document().image()) {
        if (saveTo(url->toLocalFile()) && next)
            next();
        return;
    }
    if (m_controller.document().image())
        askForFileThen(next);
}

void FileCommands::askForFileThen(const std::function<void()>& next) {
    m_dialogs.saveFile(m_window, tr("Save codeplug"), saveFilters(), proposedName(m_clock()),
                       [this, next](QString path) {
                           // The dialog may hand back a name without the
                           // extension; the file is a codeplug file, so it
                           // gets one.
                           if (QFileInfo(path).suffix().isEmpty())
                               path += QStringLiteral(".nerka");
                           if (saveTo(path) && next)
                               next();
                       });
}

bool FileCommands::saveTo(const QString& path) {
    // A save that worked names the file as the codeplug's own, at once; a
    // failed one reports its error (the alert shows it) and leaves the
    // codeplug as it was, and what was to follow the save does not happen.
    return m_controller.saveCodeplugFile(path).isDone();
}

void FileCommands::showBackups() {
    // Opened, not executed: the interface thread keeps running and the sheet
    // is modal to the window only.
    auto* sheet = new BackupsDialog(m_controller, m_dialogs, m_window);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->open();
}

void FileCommands::compareWithFile() {
    CompareDialog::chooseAndOpen(m_controller, m_dialogs, m_window);
}

void FileCommands::updateActions() {
    const bool hasImage = m_controller.document().image().has_value();
    // A file opened during a transfer would be replaced by the transfer's
    // result (or replace the image the transfer is writing).
    m_open->setEnabled(!m_controller.status().isWorking());
    m_save->setEnabled(hasImage);
    m_saveAs->setEnabled(hasImage);
    m_compare->setEnabled(hasImage);
    m_exportCsv->setEnabled(hasImage);
    m_importCsv->setEnabled(hasImage && !m_controller.status().isWorking());
}

void FileCommands::exportCodeplugCsv() {
    m_dialogs.chooseFolder(
        m_window, tr("Export codeplug as CSV files"),
        [this](const QString& folder) { (void)m_controller.document().exportCodeplugCsv(folder); });
}

void FileCommands::importCodeplugCsv() {
    m_dialogs.chooseFolder(
        m_window, tr("Import codeplug from CSV files"), [this](const QString& folder) {
            const CodeplugCsvPaths paths = CodeplugCsvPaths::inFolder(folder);
            if (paths.isEmpty()) {
                // The document refuses it with the names it looks for.
                (void)m_controller.document().importCodeplugCsv(paths, CsvImportMode::update);
                return;
            }
            QStringList found;
            for (const QString& path :
                 {paths.contacts, paths.talkgroups, paths.channels, paths.zones}) {
                if (!path.isEmpty())
                    found.append(QFileInfo(path).fileName());
            }
            const QList<CsvImportMode> modes{CsvImportMode::update, CsvImportMode::append,
                                             CsvImportMode::replace};
            m_dialogs.choose(m_window, tr("Import codeplug from CSV files"),
                             tr("Found %1.\n\nUpdate: a row changes the record of its name; "
                                "other rows are added.\nAppend: every row becomes a new record."
                                "\nReplace: the records of each kind become the file's rows.")
                                 .arg(found.join(QStringLiteral(", "))),
                             {tr("Update"), tr("Append"), tr("Replace")}, tr("Abbrechen"),
                             [this, paths, modes](int choice) {
                                 (void)m_controller.document().importCodeplugCsv(
                                     paths, modes.value(choice));
                             });
        });
}

} // namespace nerka
