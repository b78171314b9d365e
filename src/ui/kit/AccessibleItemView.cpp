#include "ui/kit/AccessibleItemView.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

namespace nerka {
namespace {

// Set while Qt's own interface for a view is being made, so that the factory
// steps aside and Qt's factory answers.
bool g_makingQtInterface = false;

bool offersContextMenu(const QAbstractItemView* view) {
    // Only a custom menu: the view's owner opens it with popup(), so the
    // action returns at once. Qt opens an actions menu with exec(), which
    // would hold the assistive technology until the menu closes.
    return view && view->isEnabled() && view->contextMenuPolicy() == Qt::CustomContextMenu;
}

// Qt's interface is kept in Qt's cache under its own id, next to this one,
// and is asked afresh by id each time: it stays valid for the view's
// lifetime and this interface never holds a pointer that could dangle.
class AccessibleItemView final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleItemView(QAbstractItemView* view, QAccessibleInterface* qtInterface)
        : m_view(view), m_qtId(QAccessible::uniqueId(qtInterface)) {}

    // Both interfaces are dropped with the view; whichever goes first, the
    // other's id is then unknown to the cache and deleting it does nothing.
    ~AccessibleItemView() override { QAccessible::deleteAccessibleInterface(m_qtId); }

    bool isValid() const override {
        QAccessibleInterface* qt = qtInterface();
        return m_view && qt && qt->isValid();
    }
    QObject* object() const override { return m_view; }
    QWindow* window() const override { return ask(&QAccessibleInterface::window); }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        QAccessibleInterface* qt = qtInterface();
        return qt ? qt->relations(match)
                  : QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>();
    }
    QAccessibleInterface* focusChild() const override {
        return ask(&QAccessibleInterface::focusChild);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* qt = qtInterface();
        return qt ? qt->childAt(x, y) : nullptr;
    }
    QAccessibleInterface* parent() const override { return ask(&QAccessibleInterface::parent); }

    // The cells first, as Qt numbers them; then the open context menu.
    int childCount() const override {
        QAccessibleInterface* qt = qtInterface();
        return (qt ? qt->childCount() : 0) + (openMenu() ? 1 : 0);
    }
    QAccessibleInterface* child(int index) const override {
        QAccessibleInterface* qt = qtInterface();
        const int cells = qt ? qt->childCount() : 0;
        if (index >= 0 && index < cells)
            return qt->child(index);
        QMenu* menu = openMenu();
        return index == cells && menu ? QAccessible::queryAccessibleInterface(menu) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        QAccessibleInterface* qt = qtInterface();
        if (!child || !qt)
            return -1;
        QMenu* menu = openMenu();
        if (menu && child->object() == menu)
            return qt->childCount();
        return qt->indexOfChild(child);
    }

    QString text(QAccessible::Text t) const override {
        QAccessibleInterface* qt = qtInterface();
        return qt ? qt->text(t) : QString();
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (QAccessibleInterface* qt = qtInterface())
            qt->setText(t, text);
    }
    QRect rect() const override { return ask(&QAccessibleInterface::rect); }
    QAccessible::Role role() const override {
        QAccessibleInterface* qt = qtInterface();
        return qt ? qt->role() : QAccessible::NoRole;
    }
    QAccessible::State state() const override {
        QAccessibleInterface* qt = qtInterface();
        QAccessible::State state = qt ? qt->state() : QAccessible::State();
        if (!qt)
            state.invalid = true;
        if (offersContextMenu(m_view))
            state.hasPopup = true;
        return state;
    }
    QColor foregroundColor() const override { return ask(&QAccessibleInterface::foregroundColor); }
    QColor backgroundColor() const override { return ask(&QAccessibleInterface::backgroundColor); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        QAccessibleInterface* qt = qtInterface();
        return qt ? qt->interface_cast(type) : nullptr;
    }

    QStringList actionNames() const override {
        if (!offersContextMenu(m_view))
            return {};
        return {showMenuAction()};
    }
    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName != showMenuAction())
            return {};
        return {QKeySequence(Qt::Key_Menu).toString(QKeySequence::NativeText),
                QKeySequence(Qt::SHIFT | Qt::Key_F10).toString(QKeySequence::NativeText)};
    }

    // Opens the menu where the Menu key would: at the current item, or at
    // the top left when there is none or it is scrolled out of sight. The
    // request goes to the viewport as a right click's does, so the view's
    // owner handles it exactly as it handles the pointer.
    void doAction(const QString& actionName) override {
        if (actionName != showMenuAction() || !offersContextMenu(m_view))
            return;
        QWidget* viewport = m_view->viewport();
        QPoint pos;
        const QRect item = m_view->visualRect(m_view->currentIndex());
        if (item.isValid() && viewport->rect().contains(item.center()))
            pos = item.center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
        QCoreApplication::sendEvent(viewport, &event);
    }

private:
    QAccessibleInterface* qtInterface() const {
        return m_view ? QAccessible::accessibleInterface(m_qtId) : nullptr;
    }

    template <typename Result> Result ask(Result (QAccessibleInterface::*question)() const) const {
        QAccessibleInterface* qt = qtInterface();
        return qt ? (qt->*question)() : Result();
    }

    QMenu* openMenu() const {
        if (!m_view)
            return nullptr;
        for (QMenu* menu : m_view->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
            if (menu->isVisible())
                return menu;
        }
        return nullptr;
    }

    QPointer<QAbstractItemView> m_view;
    QAccessible::Id m_qtId;
};

bool isPlainItemView(const QString& className, const QObject* object) {
    static const QStringList kinds = {QStringLiteral("QTableView"), QStringLiteral("QListView"),
                                      QStringLiteral("QTreeView")};
    return kinds.contains(className) &&
           className == QLatin1String(object->metaObject()->className());
}

} // namespace

QAccessibleInterface* itemViewInterface(const QString& className, QObject* object) {
    if (g_makingQtInterface || !object || !isPlainItemView(className, object))
        return nullptr;
    auto* view = qobject_cast<QAbstractItemView*>(object);
    if (!view)
        return nullptr;
    // Qt's factory makes its interface when this one steps aside; the cache
    // then holds it under its own id, and the caller files this one after it,
    // so every later query for the view returns this one.
    g_makingQtInterface = true;
    QAccessibleInterface* qt = QAccessible::queryAccessibleInterface(view);
    g_makingQtInterface = false;
    if (!qt)
        return nullptr;
    return new AccessibleItemView(view, qt);
}

QMenu* newContextMenu(QAbstractItemView* view) {
    auto* menu = new QMenu(view);
    menu->setAccessibleName(view->accessibleName());
    return menu;
}

} // namespace nerka
