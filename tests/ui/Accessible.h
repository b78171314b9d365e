#pragma once

// Drives widgets the way a screen-reader user does: through the accessibility
// tree, finding controls by role and accessible name and pressing them with
// their accessible actions.

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace nerka::test {

// Depth-first search of the accessibility tree under `root` for an element
// whose name is `name` (and whose role is `role`, unless NoRole).
inline QAccessibleInterface* findAccessible(QAccessibleInterface* root, const QString& name,
                                            QAccessible::Role role = QAccessible::NoRole,
                                            int depth = 0) {
    if (!root || depth > 40)
        return nullptr;
    if (root->text(QAccessible::Name) == name &&
        (role == QAccessible::NoRole || root->role() == role) && !root->state().invisible)
        return root;
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* found = findAccessible(root->child(i), name, role, depth + 1))
            return found;
    }
    return nullptr;
}

inline QAccessibleInterface* findAccessible(QWidget* root, const QString& name,
                                            QAccessible::Role role = QAccessible::NoRole) {
    return findAccessible(QAccessible::queryAccessibleInterface(root), name, role);
}

// Presses the element's default action ("Press" for buttons, "Toggle" for
// check boxes) as assistive technology would. False when it has none.
inline bool pressAccessible(QAccessibleInterface* element) {
    if (!element)
        return false;
    QAccessibleActionInterface* actions = element->actionInterface();
    if (!actions)
        return false;
    const QStringList names = actions->actionNames();
    for (const QString& action :
         {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction(),
          QAccessibleActionInterface::showMenuAction()}) {
        if (names.contains(action)) {
            actions->doAction(action);
            return true;
        }
    }
    return false;
}

// Clicks the enabled button (or check box) with this accessible name at
// once; the accessible press action animates the click and lands only after
// a delay. False when there is none.
inline bool clickAccessible(QWidget* root, const QString& name) {
    QAccessibleInterface* element = findAccessible(root, name, QAccessible::Button);
    if (!element)
        element = findAccessible(root, name, QAccessible::CheckBox);
    auto* button = element ? qobject_cast<QAbstractButton*>(element->object()) : nullptr;
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

// Every named interactive element under `root`, for checks that no control
// is left without an accessible name.
inline void forEachAccessible(QAccessibleInterface* root,
                              const std::function<void(QAccessibleInterface*)>& visit,
                              int depth = 0) {
    if (!root || depth > 40)
        return;
    visit(root);
    for (int i = 0; i < root->childCount(); ++i)
        forEachAccessible(root->child(i), visit, depth + 1);
}

} // namespace nerka::test
