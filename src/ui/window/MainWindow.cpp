#include "ui/window/MainWindow.h"

#include "controller/RadioController.h"
#include "ui/editors/DMRDatabaseView.h"
#include "ui/editors/RecordEditors.h"
#include "ui/editors/SettingsEditView.h"
#include "ui/editors/ThemeView.h"
#include "ui/kit/Dialogs.h"
#include "ui/kit/PopupMenu.h"
#include "ui/views/ChannelsSection.h"
#include "ui/views/ContactsSection.h"
#include "ui/views/SatellitesSection.h"
#include "ui/views/TalkgroupsSection.h"
#include "ui/views/ZonesSection.h"
#include "ui/window/ActivityLogView.h"
#include "ui/window/ChangeSections.h"
#include "ui/window/ConnectionView.h"
#include "ui/window/ErrorAlert.h"
#include "ui/window/FileCommands.h"
#include "ui/window/LibraryCommands.h"
#include "ui/window/MainToolbar.h"
#include "ui/window/PreferencesWindow.h"
#include "ui/window/ReportCommands.h"
#include "ui/window/WritePanel.h"
#include "ui/window/WriteQuestion.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace nerka {

QString MainWindow::writeMessage(int unsavedRegions) {
    // The radio's codeplug is backed up before every write, so the question
    // no longer advises one.
    return unsavedRegions == 1
               ? tr("1 changed region will be written to the device.")
               : tr("%1 changed regions will be written to the device.").arg(unsavedRegions);
}

MainWindow::MainWindow(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_controller(controller), m_dialogs(dialogs),
      m_quitGuard(controller, dialogs) {
    setObjectName(QStringLiteral("mainWindow"));
    resize(1100, 720);
    m_editors = new RecordEditors(controller, dialogs, this);
    m_errorAlert = new ErrorAlert(controller, dialogs, this);
    m_files = new FileCommands(controller, dialogs, this);
    m_reports = new ReportCommands(controller, dialogs, this);
    m_library = new LibraryCommands(controller, dialogs, *m_files, this);

    m_toolbar = new MainToolbar(this);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    QObject::connect(m_toolbar->loadAction(), &QAction::triggered, this,
                     &MainWindow::loadFromDevice);
    QObject::connect(m_toolbar->writeAction(), &QAction::triggered, this,
                     &MainWindow::writeChanges);
    QObject::connect(m_toolbar->disconnectAction(), &QAction::triggered, this,
                     &MainWindow::disconnectRadio);

    m_sidebar = new Sidebar;
    m_pages = new QStackedWidget;
    m_log = new ActivityLogView(controller);
    buildSections();
    m_writePanel = new WritePanel(controller);
    QObject::connect(m_writePanel, &WritePanel::closed, this, &MainWindow::focusContent);
    auto* content = new QSplitter(Qt::Vertical);
    content->addWidget(m_pages);
    content->addWidget(m_writePanel);
    content->addWidget(m_log);
    content->setStretchFactor(0, 4);
    content->setStretchFactor(2, 1);
    content->setCollapsible(1, false);
    auto* body = new QSplitter(Qt::Horizontal);
    body->addWidget(m_sidebar);
    body->addWidget(content);
    body->setStretchFactor(1, 1);
    body->setCollapsible(0, false);
    body->setSizes({220, 880});
    setCentralWidget(body);
    QObject::connect(m_sidebar, &Sidebar::sectionSelected, this, &MainWindow::showSection);

    m_statusText = new QLabel;
    m_progress = new QProgressBar;
    m_progress->setRange(0, 100);
    m_progress->setMaximumWidth(240);
    m_progress->setAccessibleName(tr("Progress"));
    statusBar()->addWidget(m_statusText, 1);
    statusBar()->addPermanentWidget(m_progress);

    buildMenus();
    connectController();
    showSection(SidebarItem::connection);
    updateActions();
    updateProgress();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildSections() {
    auto* connection = new ConnectionView(m_controller);
    connection->onDisconnect = [this] { disconnectRadio(); };
    m_sections[std::size_t(SidebarItem::connection)] = connection;
    m_pages->addWidget(connection);
    auto* settings = new SettingsEditView(m_controller);
    m_sections[std::size_t(SidebarItem::settings)] = settings;
    m_pages->addWidget(settings);
    addListSection(SidebarItem::channels, new ChannelsSection(m_controller, m_dialogs));
    addListSection(SidebarItem::zones, new ZonesSection(m_controller, m_dialogs));
    addListSection(SidebarItem::contacts, new ContactsSection(m_controller, m_dialogs));
    addListSection(SidebarItem::talkgroups, new TalkgroupsSection(m_controller, m_dialogs));
    addListSection(SidebarItem::satellites, new SatellitesSection(m_controller, m_dialogs));
    QWidget* dmr = new DMRDatabaseView(m_controller, m_dialogs, nullptr);
    QWidget* theme = new ThemeView(m_controller, m_dialogs, nullptr);
    m_sections[std::size_t(SidebarItem::dmrDatabase)] = dmr;
    m_sections[std::size_t(SidebarItem::theme)] = theme;
    m_pages->addWidget(dmr);
    m_pages->addWidget(theme);

    auto* channels = listSection(SidebarItem::channels);
    QObject::connect(channels, &ListSection::editRequested, m_editors, &RecordEditors::editChannel);
    QObject::connect(qobject_cast<ChannelsSection*>(channels),
                     &ChannelsSection::editChannelsRequested, m_editors,
                     &RecordEditors::editChannels);
    QObject::connect(channels, &ListSection::newRequested, m_editors, &RecordEditors::newChannel);
    QObject::connect(qobject_cast<ChannelsSection*>(channels),
                     &ChannelsSection::addRepeatersRequested, m_editors,
                     &RecordEditors::addRepeaters);
    auto* zones = listSection(SidebarItem::zones);
    QObject::connect(zones, &ListSection::editRequested, m_editors, &RecordEditors::editZone);
    QObject::connect(zones, &ListSection::newRequested, m_editors, &RecordEditors::newZone);
    auto* contacts = listSection(SidebarItem::contacts);
    QObject::connect(contacts, &ListSection::editRequested, m_editors, &RecordEditors::editContact);
    QObject::connect(contacts, &ListSection::newRequested, m_editors, &RecordEditors::newContact);
    auto* talkgroups = listSection(SidebarItem::talkgroups);
    QObject::connect(talkgroups, &ListSection::editRequested, m_editors,
                     &RecordEditors::editTalkgroup);
    QObject::connect(talkgroups, &ListSection::newRequested, m_editors,
                     &RecordEditors::newTalkgroup);
    auto* satellites = listSection(SidebarItem::satellites);
    QObject::connect(satellites, &ListSection::editRequested, m_editors,
                     &RecordEditors::editSatellite);
    QObject::connect(satellites, &ListSection::newRequested, m_editors,
                     &RecordEditors::newSatellite);
}

void MainWindow::addListSection(SidebarItem item, ListSection* section) {
    m_sections[std::size_t(item)] = section;
    m_pages->addWidget(section);
    m_sidebar->setCount(item, section->recordCount());
    QObject::connect(section, &ListSection::recordCountChanged, this,
                     [this, item](int count) { m_sidebar->setCount(item, count); });
    // One search text serves whichever list is shown: typing in one list's
    // field sets it, and switching lists carries it over.
    QObject::connect(section, &ListSection::searchTextChanged, this,
                     [this](const QString& text) { m_searchText = text; });
}

void MainWindow::buildMenus() {
    // The menu bar's overflow button, shown when the window is too narrow for
    // every menu, has only a chevron.
    if (auto* more = menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"))) {
        more->setToolTip(tr("More menus"));
        more->setAccessibleName(more->toolTip());
    }
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(m_library->newAction());
    file->addAction(m_files->openAction());
    file->addSeparator();
    file->addAction(m_files->saveAction());
    file->addAction(m_files->saveAsAction());
    file->addSeparator();
    file->addAction(m_files->backupsAction());
    file->addAction(m_files->compareAction());
    file->addAction(m_library->mergeAction());
    file->addSeparator();
    QMenu* exports = file->addMenu(tr("Export"));
    exports->addAction(m_files->exportCsvAction());
    exports->addAction(m_reports->pdfAction());
    exports->addAction(m_reports->htmlAction());
    QMenu* imports = file->addMenu(tr("Import"));
    imports->addAction(m_files->importCsvAction());
    file->addSeparator();
    file->addAction(m_reports->printAction());
    file->addSeparator();
    m_quit = file->addAction(tr("Quit"));
    m_quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    m_quit->setMenuRole(QAction::QuitRole);
    // Closing the window runs the quit check; the application ends with its
    // last window.
    QObject::connect(m_quit, &QAction::triggered, this, &QWidget::close);

    buildEditMenu();

    QMenu* device = menuBar()->addMenu(tr("&Device"));
    QAction* connection = device->addAction(tr("Connection…"));
    QObject::connect(connection, &QAction::triggered, this, &MainWindow::openConnectionSheet);
    device->addAction(m_toolbar->loadAction());
    device->addAction(m_toolbar->writeAction());
    device->addSeparator();
    QAction* settings = device->addAction(tr("Settings"));
    QObject::connect(settings, &QAction::triggered, this, [this] {
        showSection(SidebarItem::settings);
        focusContent();
    });
}

void MainWindow::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    m_undo = edit->addAction(tr("Undo"));
    m_undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    m_redo = edit->addAction(tr("Redo"));
    m_redo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    QObject::connect(m_undo, &QAction::triggered, this,
                     [this] { (void)m_controller.document().undo(); });
    QObject::connect(m_redo, &QAction::triggered, this,
                     [this] { (void)m_controller.document().redo(); });
    edit->addSeparator();

    // The list commands act on the list shown (the one the keyboard works
    // in); each runs that list's own action, so the menu, the context menu
    // and the shortcut do the same thing.
    using Command = ListSection::ListCommand;
    const auto addListCommand = [this, edit](Command command, const QString& label,
                                             const QKeySequence& shortcut) {
        QAction* action = edit->addAction(label);
        action->setShortcut(shortcut);
        m_listCommands[std::size_t(command)] = action;
        QObject::connect(action, &QAction::triggered, this, [this, command] {
            ListSection* section = listSection(m_current);
            QAction* own = section ? section->commandAction(command) : nullptr;
            if (!own || !own->isEnabled())
                return;
            if (command == Command::columns)
                popUpBelow(own->menu(), section->view());
            else
                own->trigger();
        });
    };
    addListCommand(Command::cut, tr("Cut"), QKeySequence::Cut);
    addListCommand(Command::copy, tr("Copy"), QKeySequence::Copy);
    addListCommand(Command::paste, tr("Paste"), QKeySequence::Paste);
    addListCommand(Command::selectAll, tr("Select all"), QKeySequence::SelectAll);
    addListCommand(Command::fillDown, tr("Fill down"), QKeySequence(Qt::CTRL | Qt::Key_D));
    edit->addSeparator();
    m_find = edit->addAction(tr("Find"));
    m_find->setShortcut(QKeySequence::Find);
    QObject::connect(m_find, &QAction::triggered, this, &MainWindow::focusSearch);
    addListCommand(Command::columns, tr("Columns\u2026"), QKeySequence());
    for (SidebarItem item : kSidebarItems) {
        ListSection* section = listSection(item);
        if (!section)
            continue;
        section->leaveShortcutsToWindow();
        for (std::size_t c = 0; c < m_listCommands.size(); ++c) {
            if (QAction* own = section->commandAction(Command(c)))
                QObject::connect(own, &QAction::changed, this, &MainWindow::updateListCommands);
        }
    }
    edit->addSeparator();
    m_preferencesAction = edit->addAction(tr("Preferences…"));
    m_preferencesAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+,")));
    m_preferencesAction->setMenuRole(QAction::PreferencesRole);
    QObject::connect(m_preferencesAction, &QAction::triggered, this, &MainWindow::showPreferences);
    updateListCommands();
}

void MainWindow::updateListCommands() {
    ListSection* section = listSection(m_current);
    for (std::size_t c = 0; c < m_listCommands.size(); ++c) {
        QAction* own = section ? section->commandAction(ListSection::ListCommand(c)) : nullptr;
        m_listCommands[c]->setEnabled(own && own->isEnabled());
    }
    m_find->setEnabled(section || m_current == SidebarItem::dmrDatabase);
}

void MainWindow::focusSearch() {
    QLineEdit* field = nullptr;
    if (ListSection* section = listSection(m_current))
        field = section->searchField();
    else if (auto* dmr = qobject_cast<DMRDatabaseView*>(sectionWidget(m_current)))
        field = dmr->searchField();
    if (!field || !field->isVisibleTo(this))
        return;
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

void MainWindow::focusContent() {
    if (ListSection* section = listSection(m_current))
        section->focusList();
    else if (QWidget* screen = sectionWidget(m_current))
        screen->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::event(QEvent* event) {
    // Every sheet is a dialog of this window: when it closes the keyboard
    // goes back to the list the user works in, not to whatever button
    // opened it or to the log.
    if (event->type() == QEvent::ChildPolished) {
        if (auto* sheet = qobject_cast<QDialog*>(static_cast<QChildEvent*>(event)->child()))
            QObject::connect(sheet, &QDialog::finished, this, &MainWindow::focusContentSoon,
                             Qt::UniqueConnection);
    }
    return QMainWindow::event(event);
}

void MainWindow::focusContentSoon() {
    // After the sheet has gone and the window is active again.
    QTimer::singleShot(0, this, [this] {
        if (!QApplication::activeModalWidget())
            focusContent();
    });
}

void MainWindow::connectController() {
    using Signal = void (RadioController::*)();
    for (Signal signal : std::initializer_list<Signal>{
             &RadioController::statusChanged, &RadioController::documentURLChanged,
             &RadioController::firmwareChanged, &RadioController::writeStepsChanged})
        QObject::connect(&m_controller, signal, this, &MainWindow::updateActions);
    for (auto signal : {&CodeplugDocument::imageChanged, &CodeplugDocument::dirtyRegionsChanged,
                        &CodeplugDocument::undoStateChanged})
        QObject::connect(&m_controller.document(), signal, this, &MainWindow::updateActions);
    for (Signal signal : std::initializer_list<Signal>{&RadioController::statusChanged,
                                                       &RadioController::progressChanged,
                                                       &RadioController::writeStepsChanged})
        QObject::connect(&m_controller, signal, this, &MainWindow::updateProgress);
}

ListSection* MainWindow::listSection(SidebarItem item) const {
    return qobject_cast<ListSection*>(m_sections[std::size_t(item)]);
}

QWidget* MainWindow::sectionWidget(SidebarItem item) const {
    return m_sections[std::size_t(item)];
}

void MainWindow::showSection(SidebarItem item) {
    m_current = item;
    if (ListSection* section = listSection(item); section && section->searchText() != m_searchText)
        section->setSearchText(m_searchText);
    m_pages->setCurrentWidget(sectionWidget(item));
    if (m_sidebar->selection() != item)
        m_sidebar->select(item);
    if (m_find)
        updateListCommands();
}

void MainWindow::loadFromDevice() {
    if (!m_controller.hasInterface()) {
        // Nothing to read from yet: offer the connection first, and read once
        // it is made. Closing the sheet without connecting drops the read.
        QDialog* sheet = openConnectionSheet();
        QObject::connect(&m_controller, &RadioController::finished, sheet,
                         [this, sheet](const OperationResult& result) {
                             if (result.operation != DeviceOperation::connect || !result.ok() ||
                                 !sheet->isVisible())
                                 return;
                             sheet->accept(); // hidden now, deleted soon
                             loadFromDevice();
                         });
        return;
    }
    const int unsaved = int(m_controller.document().dirtyRegions().size());
    if (unsaved == 0) {
        m_controller.readCodeplug();
        return;
    }
    const auto read = [this] { m_controller.readCodeplug(); };
    m_dialogs.confirmLoss(
        this, tr("Discard unsaved changes?"),
        unsavedChangesMessage(m_controller, tr("They will be lost when reading again.")),
        tr("Reload"), tr("Abbrechen"), read, [this, read] { m_files->saveThen(read); });
}

void MainWindow::disconnectRadio() {
    // The codeplug and its unsaved changes stay in memory for the next radio:
    // nothing is lost, so nothing is asked.
    m_controller.disconnectRadio();
}

void MainWindow::writeChanges() {
    const int unsaved = int(m_controller.regionsToWrite().size());
    if (unsaved == 0)
        return;
    const QString title = tr("Write changes to the device?");
    // The question says whose radio it is and which identity goes to it; the
    // write keeps the radio's own when the box is ticked.
    const WriteQuestion question(m_controller);
    const auto write = [this](bool keepIdentity) {
        m_controller.setKeepRadioIdentity(keepIdentity);
        m_controller.writeChanges();
    };
    const auto changes = m_controller.pendingWriteChanges();
    if (!changes) {
        m_dialogs.confirmWrite(this, title, question.message(writeMessage(unsaved)), tr("Write"),
                               tr("Abbrechen"), question.identityOption(), write,
                               tr("The radio's codeplug has not been read in this "
                                  "connection, so the changes cannot be listed. It is read "
                                  "and saved as a backup before anything is written."),
                               {});
        return;
    }
    const QString message =
        changes->isEmpty()
            ? (unsaved == 1 ? tr("No record differs from what the radio holds now; 1 changed "
                                 "region will be written to the device.")
                            : tr("No record differs from what the radio holds now; %1 changed "
                                 "regions will be written to the device.")
                                  .arg(unsaved))
            : tr("%1. These changes will be written to the device.").arg(changeCountText(*changes));
    m_dialogs.confirmWrite(this, title, question.message(message), tr("Write"), tr("Abbrechen"),
                           question.identityOption(), write,
                           tr("What the write changes on the radio:"), changeSections(*changes));
}

QDialog* MainWindow::openConnectionSheet() {
    QDialog* sheet = ConnectionView::openSheet(m_controller, this);
    if (auto* view = sheet->findChild<ConnectionView*>())
        view->onDisconnect = [this] { disconnectRadio(); };
    return sheet;
}

void MainWindow::showPreferences() {
    if (!m_preferences)
        m_preferences = new PreferencesWindow(m_controller, this);
    m_preferences->show();
    m_preferences->raise();
    m_preferences->activateWindow();
}

void MainWindow::updateActions() {
    const RadioController::Status& status = m_controller.status();
    const bool working = status.isWorking();
    const int unsaved = int(m_controller.document().dirtyRegions().size());
    // Another radio than the codeplug's, or a new codeplug, is written whole.
    const int toWrite = int(m_controller.regionsToWrite().size());
    const bool hasImage = m_controller.document().image().has_value();
    // A write holds the radio from its backup to its verification, through
    // the reboot, when the status is briefly disconnected.
    const bool writing = m_controller.writeSteps().active();
    m_toolbar->loadAction()->setEnabled(!working && !writing);
    m_toolbar->writeAction()->setEnabled(!working && !writing && status.isConnected() && hasImage &&
                                         toWrite > 0);
    m_toolbar->setUnsavedCount(unsaved);
    m_toolbar->setConnected(!status.isDisconnected());
    m_toolbar->disconnectAction()->setEnabled(!writing);
    // "Undo Delete 3 channels": the step the command takes back.
    const CodeplugDocument& codeplug = m_controller.document();
    m_undo->setText(codeplug.canUndo() ? tr("Undo %1").arg(codeplug.undoLabel()) : tr("Undo"));
    m_redo->setText(codeplug.canRedo() ? tr("Redo %1").arg(codeplug.redoLabel()) : tr("Redo"));
    m_undo->setEnabled(codeplug.canUndo() && !working);
    m_redo->setEnabled(codeplug.canRedo() && !working);
    m_files->updateActions();
    m_reports->updateActions();
    m_library->updateActions();

    QString document = QStringLiteral("Nerka");
    if (const auto& url = m_controller.documentURL(); url && hasImage)
        document = QFileInfo(url->toLocalFile()).fileName();
    else if (hasImage)
        document = tr("Codeplug");
    setWindowTitle(document + QStringLiteral("[*]") +
                   (document == QStringLiteral("Nerka") ? QString() : tr(" — Nerka")));
    setWindowModified(unsaved > 0);
}

void MainWindow::updateProgress() {
    const RadioController::Status& status = m_controller.status();
    m_statusText->setText(status.isWorking()     ? status.text
                          : status.isConnected() ? tr("Connected")
                                                 : tr("Disconnected"));
    // Shown in the status bar, so a transfer's progress is in view whichever
    // section or sheet the user is on.
    // A write shows its own steps and progress in the write panel.
    m_progress->setVisible(status.isWorking() && !m_controller.writeSteps().active());
    m_progress->setValue(int(std::floor(m_controller.progress() * 100.0)));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // With unsaved changes the close waits for the quit question; "Quit"
    // closes the window again (once this close has ended: a close within a
    // close is refused), and then the guard lets it through.
    if (!m_quitGuard.mayQuit()) {
        event->ignore();
        m_quitGuard.ask(
            this, [this] { QTimer::singleShot(0, this, &QWidget::close); },
            [this](const std::function<void()>& next) { m_files->saveThen(next); });
        return;
    }
    if (m_preferences)
        m_preferences->close();
    event->accept();
}

} // namespace nerka
