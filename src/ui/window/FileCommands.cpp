#include "ui/window/FileCommands.h"

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

namespace nerka {

FileCommands::FileCommands(RadioController& controller, Dialogs& dialogs, QWidget* window)
    : QObject(window), m_controller(controller), m_dialogs(dialogs), m_window(window),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    m_open = new QAction(QStringLiteral("Open…"), this);
    m_open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    m_save = new QAction(QStringLiteral("Save"), this);
    m_save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m_saveAs = new QAction(QStringLiteral("Save As…"), this);
    m_saveAs->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    QObject::connect(m_open, &QAction::triggered, this, &FileCommands::open);
    QObject::connect(m_save, &QAction::triggered, this, &FileCommands::save);
    QObject::connect(m_saveAs, &QAction::triggered, this, &FileCommands::saveAs);
    updateActions();
}

QString FileCommands::proposedName(const QDateTime& localTime) {
    return QStringLiteral("codeplug-") + localTime.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral(".nerka");
}

QStringList FileCommands::openFilters() {
    return {QStringLiteral("Codeplug files (*.nerka *.ogd77)"),
            QStringLiteral("Nerka codeplug (*.nerka)"),
            QStringLiteral("OpenGD77 codeplug (*.ogd77)")};
}

QStringList FileCommands::saveFilters() {
    return {QStringLiteral("Nerka codeplug (*.nerka)")};
}

void FileCommands::open() {
    const auto path =
        m_dialogs.openFile(m_window, QStringLiteral("Open codeplug file"), openFilters());
    if (path)
        m_controller.openCodeplugFile(*path);
}

void FileCommands::save() {
    const auto& url = m_controller.documentURL();
    if (url && url->isLocalFile() && m_controller.image())
        m_controller.saveCodeplugFile(url->toLocalFile());
    else
        saveAs();
}

void FileCommands::saveAs() {
    if (!m_controller.image()) {
        // The command is disabled without a codeplug; a shortcut that slips
        // through gets the controller's own message.
        m_controller.saveCodeplugFile(QString());
        return;
    }
    auto path = m_dialogs.saveFile(m_window, QStringLiteral("Save codeplug"), saveFilters(),
                                   proposedName(m_clock()));
    if (!path)
        return;
    // The dialog may hand back a name without the extension; the file is a
    // codeplug file, so it gets one.
    if (QFileInfo(*path).suffix().isEmpty())
        *path += QStringLiteral(".nerka");
    m_controller.saveCodeplugFile(*path);
}

void FileCommands::updateActions() {
    const bool hasImage = m_controller.image().has_value();
    m_save->setEnabled(hasImage);
    m_saveAs->setEnabled(hasImage);
}

} // namespace nerka
