#pragma once

#include "ui/views/ListSection.h"
#include "ui/window/QuitGuard.h"
#include "ui/window/Sidebar.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QProgressBar;
class QStackedWidget;

namespace nerka {

class ActivityLogView;
class ConnectionView;
class Dialogs;
class ErrorAlert;
class FileCommands;
class LibraryCommands;
class ListSection;
class MainToolbar;
class PreferencesWindow;
class WritePanel;
class RadioController;
class RecordEditors;
class ReportCommands;

// The main window: a shell that assembles the sidebar, the sections, the
// transfer toolbar, the activity log, the status bar with the progress of a
// running transfer, and the File and Edit menus. It keeps no codeplug data of
// its own: every command is one controller operation, and what it shows comes
// from observing the controller.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    void showSection(SidebarItem item);
    [[nodiscard]] SidebarItem currentSection() const { return m_current; }
    // The list section of `item`, or nullptr for a screen.
    [[nodiscard]] ListSection* listSection(SidebarItem item) const;
    [[nodiscard]] QWidget* sectionWidget(SidebarItem item) const;
    // The search text shared by every list section.
    [[nodiscard]] const QString& searchText() const { return m_searchText; }

    // The commands, as the toolbar and menus run them.
    void loadFromDevice();
    // Disconnects; the codeplug stays with its unsaved changes.
    void disconnectRadio();
    void writeChanges();
    void showPreferences();
    // The Connection screen as a sheet over the window.
    QDialog* openConnectionSheet();

    [[nodiscard]] Sidebar* sidebar() const { return m_sidebar; }
    [[nodiscard]] MainToolbar* toolbar() const { return m_toolbar; }
    [[nodiscard]] FileCommands* fileCommands() const { return m_files; }
    [[nodiscard]] LibraryCommands* libraryCommands() const { return m_library; }
    [[nodiscard]] RecordEditors* editors() const { return m_editors; }
    [[nodiscard]] ActivityLogView* activityLog() const { return m_log; }
    [[nodiscard]] PreferencesWindow* preferencesWindow() const { return m_preferences; }
    [[nodiscard]] WritePanel* writePanel() const { return m_writePanel; }
    [[nodiscard]] QProgressBar* transferProgress() const { return m_progress; }
    [[nodiscard]] QAction* undoAction() const { return m_undo; }
    [[nodiscard]] QAction* redoAction() const { return m_redo; }
    [[nodiscard]] QAction* quitAction() const { return m_quit; }
    [[nodiscard]] QAction* findAction() const { return m_find; }
    // The Edit menu's command for the focused list ("Cut", …, "Columns…").
    [[nodiscard]] QAction* listCommandAction(ListSection::ListCommand command) const {
        return m_listCommands[std::size_t(command)];
    }

    // Puts the keyboard focus into the shown section: its list (in the first
    // editable column) or its screen. Done when a sheet or panel closes.
    void focusContent();
    // Ctrl+F: the shown section's search field, its text selected.
    void focusSearch();

    [[nodiscard]] static QString writeMessage(int unsavedRegions);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildSections();
    void addListSection(SidebarItem item, ListSection* section);
    void buildMenus();
    void buildEditMenu();
    // The Edit menu's list commands follow the shown list's own actions.
    void updateListCommands();
    void focusContentSoon();
    void connectController();
    // Enables and shows every command from the controller's status, image,
    // unsaved changes and undo history; titles the window.
    void updateActions();
    void updateProgress();

    RadioController& m_controller;
    Dialogs& m_dialogs;
    QuitGuard m_quitGuard;
    Sidebar* m_sidebar = nullptr;
    QStackedWidget* m_pages = nullptr;
    std::array<QWidget*, kSidebarItems.size()> m_sections{};
    SidebarItem m_current = SidebarItem::connection;
    QString m_searchText;
    MainToolbar* m_toolbar = nullptr;
    ActivityLogView* m_log = nullptr;
    QLabel* m_statusText = nullptr;
    QProgressBar* m_progress = nullptr;
    RecordEditors* m_editors = nullptr;
    ErrorAlert* m_errorAlert = nullptr;
    FileCommands* m_files = nullptr;
    ReportCommands* m_reports = nullptr;
    LibraryCommands* m_library = nullptr;
    PreferencesWindow* m_preferences = nullptr;
    WritePanel* m_writePanel = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_preferencesAction = nullptr;
    QAction* m_quit = nullptr;
    QAction* m_find = nullptr;
    std::array<QAction*, 6> m_listCommands{};
};

} // namespace nerka
