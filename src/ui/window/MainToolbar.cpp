#include "ui/window/MainToolbar.h"

#include "ui/kit/Icons.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace nerka {

MainToolbar::MainToolbar(QWidget* parent) : QToolBar(tr("Transfer"), parent) {
    setObjectName(QStringLiteral("mainToolbar"));
    setMovable(false);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    m_load = addAction(Icons::icon(QStringLiteral("arrow.down")), tr("Load from device"));
    m_write = addAction(Icons::icon(QStringLiteral("arrow.up")), tr("Write changes"));
    // Neither clashes with a standard shortcut of any desktop: Ctrl+W closes
    // windows, Ctrl+R reloads and Ctrl+U underlines elsewhere. The menus show
    // them beside the commands and the tooltips name them.
    m_load->setShortcut(loadShortcut());
    m_write->setShortcut(writeShortcut());
    m_load->setToolTip(withShortcut(tr("Load from device"), loadShortcut()));
    m_write->setToolTip(withShortcut(tr("Write changes to device"), writeShortcut()));
    for (QAction* command : {m_load, m_write}) {
        if (QWidget* button = widgetForAction(command))
            button->setAccessibleName(command->text());
    }

    // The badge is information, not a command: an icon and a text that a
    // screen reader reads as one label.
    auto* badge = new QWidget;
    auto* badgeLayout = new QHBoxLayout(badge);
    badgeLayout->setContentsMargins(8, 0, 8, 0);
    auto* badgeIcon = new QLabel;
    badgeIcon->setPixmap(
        Icons::icon(QStringLiteral("exclamationmark.triangle.fill")).pixmap(16, 16));
    badgeIcon->setAccessibleName(tr("Warning"));
    m_badgeText = new QLabel;
    badgeLayout->addWidget(badgeIcon);
    badgeLayout->addWidget(m_badgeText);
    m_badge = addWidget(badge);

    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(spacer);
    m_disconnect = addAction(tr("Disconnect"));

    // The overflow button a narrow window shows shows only an icon.
    for (QToolButton* button : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->inherits("QToolBarExtension")) {
            button->setToolTip(tr("More commands"));
            button->setAccessibleName(button->toolTip());
        }
    }
    setUnsavedCount(0);
    setConnected(false);
}

QKeySequence MainToolbar::loadShortcut() {
    return QKeySequence(Qt::CTRL | Qt::Key_L);
}

QKeySequence MainToolbar::writeShortcut() {
    return QKeySequence(Qt::CTRL | Qt::Key_E);
}

QString MainToolbar::withShortcut(const QString& toolTip, const QKeySequence& shortcut) {
    return toolTip + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) +
           QLatin1Char(')');
}

QString MainToolbar::badgeText(int regions) {
    // One form in German, two in English ("1 unwritten change").
    return tr("%n ungespeichert", nullptr, regions);
}

void MainToolbar::setUnsavedCount(int regions) {
    m_badgeText->setText(badgeText(regions));
    m_badgeText->setAccessibleName(m_badgeText->text());
    m_badge->setVisible(regions > 0);
}

bool MainToolbar::badgeShown() const {
    return m_badge->isVisible();
}

void MainToolbar::setConnected(bool connected) {
    m_disconnect->setVisible(connected);
}

} // namespace nerka
