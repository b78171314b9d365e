#include "ui/kit/PopupMenu.h"

#include <QAccessibleWidget>
#include <QCursor>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

namespace nerka {

namespace {

// The property that marks a button given a menu by attachPopupMenu.
constexpr const char* kMenuProperty = "nerkaPopupMenu";

QMenu* menuOf(const QObject* button) {
    return qobject_cast<QMenu*>(button->property(kMenuProperty).value<QObject*>());
}

class AccessiblePopupMenuButton final : public QAccessibleWidget {
public:
    explicit AccessiblePopupMenuButton(QToolButton* button)
        : QAccessibleWidget(button, QAccessible::ButtonMenu) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) {
            text = button()->text();
            text.remove(QLatin1Char('&'));
            if (text.isEmpty())
                text = button()->toolTip();
        }
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.hasPopup = true;
        if (QMenu* menu = menuOf(button()))
            state.expanded = menu->isVisible();
        return state;
    }

    // The open menu is the button's child in the accessibility tree: Qt
    // leaves popups out of the application's top-level windows, so without
    // this a screen reader could not reach the items of an open menu.
    int childCount() const override {
        const QMenu* menu = menuOf(button());
        return menu && menu->isVisible() ? 1 : 0;
    }
    QAccessibleInterface* child(int index) const override {
        if (index != 0 || childCount() == 0)
            return nullptr;
        return QAccessible::queryAccessibleInterface(menuOf(button()));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && childCount() == 1 && child->object() == menuOf(button()) ? 0 : -1;
    }

    QStringList actionNames() const override {
        if (!button()->isEnabled())
            return {};
        return {pressAction(), showMenuAction()};
    }

    void doAction(const QString& actionName) override {
        if (!button()->isEnabled() ||
            (actionName != pressAction() && actionName != showMenuAction()))
            return;
        popUpBelow(menuOf(button()), button());
    }

private:
    QToolButton* button() const { return static_cast<QToolButton*>(widget()); }
};

} // namespace

void popUpBelow(QMenu* menu, QWidget* anchor) {
    if (!menu)
        return;
    if (!anchor) {
        menu->popup(QCursor::pos());
        return;
    }
    menu->popup(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

void attachPopupMenu(QToolButton* button, QMenu* menu) {
    button->setProperty(kMenuProperty, QVariant::fromValue<QObject*>(menu));
    // The open menu is announced by the name of the button that opened it.
    if (menu->accessibleName().isEmpty())
        menu->setAccessibleName(button->accessibleName().isEmpty() ? button->text()
                                                                   : button->accessibleName());
    // An interface Qt made for the button before (naming or showing the
    // button makes one) would stay cached; drop it so the next query gets
    // the menu button's.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(button);
        made && made->role() != QAccessible::ButtonMenu)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    QObject::connect(button, &QToolButton::clicked, menu,
                     [button, menu] { popUpBelow(menu, button); });
}

QAccessibleInterface* popupMenuButtonInterface(QObject* object) {
    auto* button = qobject_cast<QToolButton*>(object);
    if (!button || !menuOf(button))
        return nullptr;
    return new AccessiblePopupMenuButton(button);
}

} // namespace nerka
