#pragma once

class QLineEdit;
class QString;

namespace nerka {

// Gives `field` its clear button, named `name` ("Clear search"): the button
// shows only an icon, so its action's text and tooltip name it for the
// pointer and for assistive technology.
void addNamedClearButton(QLineEdit* field, const QString& name);

// Makes every picker answer the accessibility tree's Name with its label, as
// the other controls already do, so a screen reader announces "Channel" and
// not just the item that happens to be chosen.
//
// On Unix, Qt's own interface for QComboBox answers Name with the current
// item and leaves the label to a label relation, ignoring the widget's
// accessibleName and its buddy label. The factory installed here gives
// combo boxes (QFontComboBox and other subclasses included) an interface
// that answers Name with accessibleName() when set, else with the text of the
// QLabel whose buddy the box is, else with the current item as before; the
// current item stays in Value, and role, children, state and actions answer
// as Qt's own. Spin boxes, date and time edits, sliders, check boxes, buttons
// and text fields already answer with their label and are left to Qt.
//
// The same factory answers for tool buttons given a menu by attachPopupMenu
// (PopupMenu.h): a menu button with the actions "Press" and "ShowMenu";
// and for tables, lists and trees, which gain "ShowMenu" for their context
// menu (AccessibleItemView.h).
//
// Call it once the QApplication exists and before any widget is asked for
// its accessible interface: interfaces already created stay as they are.
// Calling it again does nothing. Returns false, with a warning, when there is
// no QApplication yet (installing earlier would put Qt's own factory first).
bool installAccessibleNames();

} // namespace nerka
