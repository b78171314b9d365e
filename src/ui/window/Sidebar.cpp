#include "ui/window/Sidebar.h"

#include "ui/kit/Icons.h"

#include <QHeaderView>
#include <QScopedValueRollback>

namespace nerka {

namespace {

constexpr int kLabelColumn = 0;
constexpr int kCountColumn = 1;
constexpr int kItemRole = Qt::UserRole + 1; // the SidebarItem of an entry, -1 for "Settings"
constexpr int kSettingsEntry = -1;

} // namespace

QString sidebarLabel(SidebarItem item) {
    switch (item) {
    case SidebarItem::connection:
        return QStringLiteral("Connection");
    case SidebarItem::channels:
        return QStringLiteral("Channels");
    case SidebarItem::zones:
        return QStringLiteral("Zones");
    case SidebarItem::contacts:
        return QStringLiteral("Contacts");
    case SidebarItem::talkgroups:
        return QStringLiteral("Talkgroups");
    case SidebarItem::satellites:
        return QStringLiteral("Satellites");
    case SidebarItem::dmrDatabase:
        return QStringLiteral("DMR Database");
    case SidebarItem::theme:
        return QStringLiteral("Theme");
    }
    return {};
}

QString sidebarIconName(SidebarItem item) {
    switch (item) {
    case SidebarItem::connection:
        return QStringLiteral("cable.connector");
    case SidebarItem::channels:
        return QStringLiteral("dot.radiowaves.left.and.right");
    case SidebarItem::zones:
        return QStringLiteral("square.stack.3d.up");
    case SidebarItem::contacts:
        return QStringLiteral("person.crop.circle");
    case SidebarItem::talkgroups:
        return QStringLiteral("person.3");
    case SidebarItem::satellites:
        return QStringLiteral("antenna.radiowaves.left.and.right");
    case SidebarItem::dmrDatabase:
        return QStringLiteral("person.text.rectangle");
    case SidebarItem::theme:
        return QStringLiteral("paintpalette");
    }
    return {};
}

Sidebar::Sidebar(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(2);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The focus frame spans the label and the count; around the label alone it
    // cut the highlighted row in two.
    setAllColumnsShowFocus(true);
    setAccessibleName(QStringLiteral("Sidebar"));
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(kLabelColumn, QHeaderView::Stretch);
    header()->setSectionResizeMode(kCountColumn, QHeaderView::ResizeToContents);

    auto entry = [this](QTreeWidgetItem* heading, SidebarItem item) {
        QTreeWidgetItem* added = addEntry(heading, sidebarLabel(item), sidebarIconName(item));
        added->setData(kLabelColumn, kItemRole, int(item));
        m_items[std::size_t(item)] = added;
    };
    QTreeWidgetItem* device = addHeading(QStringLiteral("Device"));
    entry(device, SidebarItem::connection);
    m_settings =
        addEntry(device, QStringLiteral("Settings"), QStringLiteral("slider.horizontal.3"));
    m_settings->setData(kLabelColumn, kItemRole, kSettingsEntry);
    QTreeWidgetItem* codeplug = addHeading(QStringLiteral("Codeplug"));
    for (SidebarItem item : {SidebarItem::channels, SidebarItem::zones, SidebarItem::contacts,
                             SidebarItem::talkgroups, SidebarItem::satellites})
        entry(codeplug, item);
    entry(addHeading(QStringLiteral("DMR Database")), SidebarItem::dmrDatabase);
    entry(addHeading(QStringLiteral("Display")), SidebarItem::theme);
    expandAll();
    // Never narrower than the labels and a four-digit count, so a narrow
    // window or a dragged splitter cannot cut the section names short.
    setMinimumWidth(sizeHintForColumn(kLabelColumn) +
                    fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16 +
                    2 * frameWidth());

    // The section follows the selection however it is made: a click, the
    // arrow keys, or assistive technology selecting a row (which changes the
    // selection but not the current item).
    QObject::connect(this, &QTreeWidget::itemSelectionChanged, this, &Sidebar::onSelectionChanged);
    // The settings entry is a command, not a place: a click or Return opens
    // the sheet, while arrowing across it changes nothing. Selected in any
    // other way (by assistive technology) it opens the sheet too.
    QObject::connect(this, &QTreeWidget::itemClicked, this,
                     [this](QTreeWidgetItem* item) { onActivated(item); });
    QObject::connect(this, &QTreeWidget::itemActivated, this,
                     [this](QTreeWidgetItem* item) { onActivated(item); });
}

QTreeWidgetItem* Sidebar::addHeading(const QString& text) {
    auto* heading = new QTreeWidgetItem(this, {text});
    heading->setFlags(Qt::ItemIsEnabled);
    QFont font = heading->font(kLabelColumn);
    font.setBold(true);
    heading->setFont(kLabelColumn, font);
    return heading;
}

QTreeWidgetItem* Sidebar::addEntry(QTreeWidgetItem* heading, const QString& label,
                                   const QString& iconName) {
    auto* entry = new QTreeWidgetItem(heading, {label, QString()});
    entry->setIcon(kLabelColumn, Icons::icon(iconName));
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    entry->setTextAlignment(kCountColumn, Qt::AlignRight | Qt::AlignVCenter);
    return entry;
}

void Sidebar::onSelectionChanged() {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty())
        return;
    const QVariant role = selected.first()->data(kLabelColumn, kItemRole);
    if (!role.isValid())
        return;
    if (role.toInt() != kSettingsEntry)
        Q_EMIT sectionSelected(SidebarItem(role.toInt()));
    else if (!m_handlingInput)
        Q_EMIT settingsRequested();
}

void Sidebar::mousePressEvent(QMouseEvent* event) {
    const QScopedValueRollback<bool> input(m_handlingInput, true);
    QTreeWidget::mousePressEvent(event);
}

void Sidebar::keyPressEvent(QKeyEvent* event) {
    const QScopedValueRollback<bool> input(m_handlingInput, true);
    QTreeWidget::keyPressEvent(event);
}

void Sidebar::onActivated(QTreeWidgetItem* item) {
    if (item == m_settings)
        Q_EMIT settingsRequested();
}

void Sidebar::select(SidebarItem item) {
    setCurrentItem(itemFor(item));
}

std::optional<SidebarItem> Sidebar::selection() const {
    for (SidebarItem item : kSidebarItems) {
        if (itemFor(item)->isSelected())
            return item;
    }
    return std::nullopt;
}

void Sidebar::setCount(SidebarItem item, int count) {
    itemFor(item)->setText(kCountColumn, count < 0 ? QString() : QString::number(count));
}

QString Sidebar::countText(SidebarItem item) const {
    return itemFor(item)->text(kCountColumn);
}

QTreeWidgetItem* Sidebar::itemFor(SidebarItem item) const {
    return m_items[std::size_t(item)];
}

} // namespace nerka
