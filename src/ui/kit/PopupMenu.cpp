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
