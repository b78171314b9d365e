#pragma once

class QAccessibleInterface;
class QAbstractItemView;
class QMenu;
class QObject;
class QString;

namespace nerka {

// The interface the accessibility factory (AccessibleNames.h) gives tables,
// lists and trees: Qt's own, with a ShowMenu action added.
//
// Qt's interface for item views answers the table, cell and selection
// questions but offers no action, so a screen reader, voice control or
// switch access cannot open a list's context menu, which the keyboard opens
// with the Menu key. This one forwards every question to Qt's interface for
// the same view and adds:
// - the action "ShowMenu" while the view has a context menu (its policy is
//   Qt::CustomContextMenu and its owner opens the menu with popup()); it
//   opens the menu at the current item, as the Menu key does, and returns
//   at once;
// - the open context menu as the view's last child, since Qt leaves popups
//   out of the application's windows. The view's menu is a visible menu
//   whose parent is the view (see newContextMenu).
//
// Returns nullptr for every other object and class name. Exact classes
// only: a subclass that brings its own interface (the popup list of a
// combo box) keeps it.
QAccessibleInterface* itemViewInterface(const QString& className, QObject* object);

// A context menu for `view`, made with the view as its parent and named
// after it, so that assistive technology finds it as the view's open menu.
QMenu* newContextMenu(QAbstractItemView* view);

} // namespace nerka
