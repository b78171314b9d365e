#pragma once

class QAccessibleInterface;
class QMenu;
class QObject;
class QToolButton;
class QWidget;

namespace nerka {

// A menu button whose menu opens with QMenu::popup(), never with the nested
// event loop a QToolButton's own menu runs (QMenu::exec): the press returns
// at once, so assistive technology pressing the button does not hang until
// the menu closes, and the open menu's items are in the accessibility tree
// while it is open.
//
// `button` keeps no menu of its own; it shows `menu` below itself when
// clicked (by the pointer, the keyboard or its accessible action). Its
// accessible interface is a menu button (role ButtonMenu) with the actions
// "Press" and "ShowMenu" (installAccessibleNames installs the factory).
void attachPopupMenu(QToolButton* button, QMenu* menu);

// Opens `menu` below `anchor` (or at the pointer when there is no anchor),
// without waiting for it to close.
void popUpBelow(QMenu* menu, QWidget* anchor);

// The accessible interface of a button given a menu by attachPopupMenu, or
// nullptr for any other object (used by the accessibility factory).
[[nodiscard]] QAccessibleInterface* popupMenuButtonInterface(QObject* object);

} // namespace nerka
