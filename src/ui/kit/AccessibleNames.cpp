#include "AccessibleNames.h"

#include "ui/kit/AccessibleItemView.h"
#include "ui/kit/PopupMenu.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QtGlobal>

namespace nerka {
namespace {

// Qt's interface for QComboBox is private, so it cannot be subclassed; this
// one is built on the public QAccessibleWidget and answers everything but
// Name as Qt 6's own does: two children (the popup list, then the line edit
// of an editable box), ShowMenu and Press actions that open and close the
// popup, Down as the accelerator and an expandable state. Every answer checks
// that the box still exists, since assistive technology may ask an interface
// while its widget is being torn down.
class AccessibleComboBox : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override {
        if (!isValid())
            return 0;
        return comboBox()->isEditable() ? 2 : 1;
    }

    QAccessibleInterface* child(int index) const override {
        if (!isValid())
            return nullptr;
        if (index == 0)
            return QAccessible::queryAccessibleInterface(comboBox()->view());
        if (index == 1 && comboBox()->isEditable())
            return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !isValid())
            return -1;
        if (child->object() == comboBox()->view())
            return 0;
        if (comboBox()->isEditable() && child->object() == comboBox()->lineEdit())
            return 1;
        return -1;
    }

    // Screen coordinates, as the interface promises (Qt's own compares them
    // with the line edit's local rectangle).
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!isValid())
            return nullptr;
        const QLineEdit* edit = comboBox()->isEditable() ? comboBox()->lineEdit() : nullptr;
        if (edit && QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()).contains(x, y))
            return child(1);
        return nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        QString str;
        switch (t) {
        case QAccessible::Name:
            // accessibleName, else the buddy label (without its mnemonic
            // ampersand), else the enclosing group box's title.
            str = QAccessibleWidget::text(t);
            if (str.isEmpty())
                str = currentText(); // Qt's answer when the box has no label
            break;
        case QAccessible::Value:
            str = currentText();
            break;
        case QAccessible::Accelerator:
            str = QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
            break;
        default:
            break;
        }
        return str.isEmpty() ? QAccessibleWidget::text(t) : str;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (!isValid())
            return s;
        s.expandable = true;
        s.expanded = comboBox()->view()->isVisible();
        // The box itself takes typing when editable (as later Qt versions report).
        s.editable = comboBox()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    QString localizedActionDescription(const QString& actionName) const override {
        if (actionName == showMenuAction() || actionName == pressAction())
            return QComboBox::tr("Open the combo box selection popup");
        return {};
    }

    void doAction(const QString& actionName) override {
        if (!isValid() || (actionName != showMenuAction() && actionName != pressAction()))
            return;
        if (comboBox()->view()->isVisible())
            comboBox()->hidePopup();
        else
            comboBox()->showPopup();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* comboBox() const { return static_cast<QComboBox*>(widget()); }

    QString currentText() const {
        return comboBox()->isEditable() ? comboBox()->lineEdit()->text()
                                        : comboBox()->currentText();
    }
};

// Asked for each class name from the most derived up; answering for the
// name "QComboBox" only, as Qt's own factory does, leaves subclasses that
// bring their own factory to it.
QAccessibleInterface* accessibleNamesFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox")) {
        if (auto* box = qobject_cast<QComboBox*>(object))
            return new AccessibleComboBox(box);
    }
    if (className == QLatin1String("QToolButton"))
        return popupMenuButtonInterface(object);
    return itemViewInterface(className, object);
}

} // namespace

bool installAccessibleNames() {
    // QApplication installs Qt's factory for its widgets when it is built;
    // factories installed later are asked first, so ours must come after it.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        qWarning("installAccessibleNames: no QApplication yet; accessible names left to Qt");
        return false;
    }
    QAccessible::installFactory(&accessibleNamesFactory); // a second install is ignored
    return true;
}

void addNamedClearButton(QLineEdit* field, const QString& name) {
    field->setClearButtonEnabled(true);
    if (auto* clear = field->findChild<QAction*>()) {
        clear->setText(name);
        clear->setToolTip(name);
    }
}

} // namespace nerka
