#pragma once

#include "controller/CodeplugDocument.h"

#include <functional>

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class QAbstractItemModel;
class QAbstractItemView;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QStackedWidget;
class QToolBar;
class QVBoxLayout;

namespace nerka {

class Dialogs;
class RadioController;
class SearchProxyModel;

// One list of the codeplug (channels, zones, contacts, talkgroups,
// satellites): a search field, a section toolbar and the list itself. The
// section turns the user's commands into controller operations; opening an
// editor is left to the window, which listens to editRequested and
// newRequested.
//
// Keys name records the way the controller does: the channel number
// (1-based), the contact slot, and the talkgroup, zone or satellite index
// (0-based).
class ListSection : public QWidget {
    Q_OBJECT

public:
    // The Edit menu's commands on a list; a list offers those it has.
    enum class ListCommand { cut, copy, paste, selectAll, fillDown, columns };

    ListSection(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);
    ~ListSection() override;

    // The text of the search field; the list shows the records that match.
    virtual void setSearchText(const QString& text);
    [[nodiscard]] QString searchText() const;
    // The number of records in the list, whatever the search.
    [[nodiscard]] virtual int recordCount() const;

    // The keys of the selected records, in list order.
    [[nodiscard]] QList<int> selectedKeys() const;
    // Selects the records with these keys (those that are shown), making the
    // first one current.
    void selectKeys(const QList<int>& keys);

    // The items of the list's context menu, in order; a null entry is a
    // separator. Their texts and enabled states are current.
    [[nodiscard]] virtual QList<QAction*> contextActions() const;

    // The list's own action for `command` (its text, shortcut and enabled
    // state current), or nullptr when the list has no such command.
    [[nodiscard]] virtual QAction* commandAction(ListCommand command) const;
    // The window's Edit menu holds the shortcuts of commandAction: the list
    // gives up its own, so one key press is never claimed twice.
    virtual void leaveShortcutsToWindow() {}
    // Puts the keyboard focus into the list, in the current row's first
    // column that can be edited (firstFocusColumn).
    void focusList();

    // Emits editRequested for the current record, when one is selected and
    // the codeplug can be edited (Return and a double click on the list).
    void editCurrent();
    // Deletes the selected records (the Delete key on the list).
    virtual void deleteSelection();

    [[nodiscard]] QLineEdit* searchField() const { return m_search; }
    // "No zones match 'tg262'" while the search hides every record, else empty.
    [[nodiscard]] QString noMatchText() const;
    [[nodiscard]] QToolBar* sectionToolBar() const { return m_toolBar; }
    [[nodiscard]] QAbstractItemView* view() const { return m_view; }

Q_SIGNALS:
    void searchTextChanged(const QString& text);
    void recordCountChanged(int count);
    // The user asked to edit the record with this key.
    void editRequested(int key);
    // The user asked for a new record; the window opens the editor (or sets
    // the "memory is full" text).
    void newRequested();

protected:
    // Puts the search field, the toolbar and `view` (showing `model` through
    // the search proxy) into the section. `searchLabel` is the field's
    // placeholder and accessible name. Called once by every subclass.
    // `plural` names the records in the no-match text ("zones").
    void setUpList(QAbstractItemModel* model, QAbstractItemView* view, const QString& searchLabel,
                   const QString& plural, bool channelRule);
    // A toolbar action with its accessible name (the label, or the tooltip
    // when the button shows only an icon).
    QAction* addToolAction(const QString& label, const QString& symbol,
                           const QString& toolTip = QString());
    // The commands of the zone, contact, talkgroup and satellite lists:
    // toolbar "New", "Edit" and "Delete", context menu "Edit " + noun and
    // "Delete " + noun. Delete and Return on the list do the same.
    void addRecordCommands(const QString& noun);
    // Deletes the record with this key (the record commands call it).
    virtual void deleteRecord(int key);
    // Runs `proceed` at once when nothing refers to the record(s) being
    // deleted, else after the user agreed to "<subject> is used by … Delete
    // it and clear those references?" (Delete / Abbrechen). `subject` names
    // the record ("Contact 'Bayern'"); `several` words it for more than one.
    void deleteAfterAsking(const QString& subject, bool several, const RecordReferences& references,
                           const std::function<void()>& proceed);
    // The column the keyboard lands in when the list takes the focus.
    [[nodiscard]] virtual int firstFocusColumn() const { return 0; }
    // What updateActions does for the record commands.
    void updateRecordActions();
    // Brings the enabled state and texts of every command up to date with
    // the controller's status and image, the selection and the clipboard.
    // Subclasses with their own commands extend it.
    virtual void updateActions();
    // updateActions, then the accessible names of the toolbar buttons, which
    // follow their texts ("Delete (2)").
    void refreshActions();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // The key of the one selected record (the current one when several are).
    [[nodiscard]] std::optional<int> currentKey() const;
    // True when the controller accepts edits: a codeplug is loaded and no
    // transfer runs.
    [[nodiscard]] bool canEdit() const;
    // Wraps `widget` (an empty-list text, for example) into the place of the
    // list, shown instead of it while showListPlaceholder(true).
    void setListPlaceholder(QWidget* widget);
    void showListPlaceholder(bool show);
    // A second view of the section (the membership grid), shown in place of
    // the list while showAlternateView(true); the record commands then have
    // no current record.
    void setAlternateView(QWidget* widget);
    void showAlternateView(bool show);
    [[nodiscard]] bool isAlternateViewShown() const { return m_alternateShown; }

    RadioController& controller() { return m_controller; }
    const RadioController& controller() const { return m_controller; }
    Dialogs& dialogs() { return m_dialogs; }
    SearchProxyModel* proxy() const { return m_proxy; }
    QAbstractItemModel* sourceModel() const { return m_model; }

private:
    void showContextMenu(const QPoint& pos);
    // Makes the current row's cell in firstFocusColumn current when the
    // current cell lies left of it (or there is none).
    void moveCurrentToFocusColumn();
    void countMayHaveChanged();
    // Shows the list, the no-match text or the placeholder, whichever applies.
    void updateListPage();

    RadioController& m_controller;
    Dialogs& m_dialogs;
    QVBoxLayout* m_layout = nullptr;
    QLineEdit* m_search = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAbstractItemView* m_view = nullptr;
    QAbstractItemModel* m_model = nullptr;
    SearchProxyModel* m_proxy = nullptr;
    QStackedWidget* m_stack = nullptr;
    QWidget* m_placeholder = nullptr;
    bool m_placeholderWanted = false;
    QWidget* m_alternate = nullptr;
    bool m_alternateShown = false;
    QLabel* m_noMatch = nullptr;
    QString m_plural; // "zones", from the search label
    int m_lastCount = 0;
    QAction* m_newAction = nullptr;
    QAction* m_editAction = nullptr;
    QAction* m_deleteAction = nullptr;
    QAction* m_contextEdit = nullptr;
    QAction* m_contextDelete = nullptr;
    QMenu* m_contextMenu = nullptr; // the list's, kept: its items keep their place in the tree
};

} // namespace nerka
