#include "ui/window/Sidebar.h"

#include "ui/kit/Icons.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace nerka {

namespace {

constexpr int kLabelColumn = 0;
constexpr int kCountColumn = 1;
constexpr int kItemRole = Qt::UserRole + 1; // the SidebarItem of an entry

// Indents the entries under their headings, as a tree indents children,
// while the selection still spans the whole row.
class EntryIndentDelegate final : public QStyledItemDelegate {
public:
    EntryIndentDelegate(int indentPx, QObject* parent)
        : QStyledItemDelegate(parent), m_indentPx(indentPx) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!isIndented(index)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        // The row's background and selection across the full cell, then the
        // icon and label shifted right over it.
        QStyleOptionViewItem background = opt;
        background.text.clear();
        background.icon = QIcon();
        background.features &=
            ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration);
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, opt.widget);
        opt.rect.adjust(m_indentPx, 0, 0, 0);
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (isIndented(index))
            size.rwidth() += m_indentPx;
        return size;
    }

private:
    static bool isIndented(const QModelIndex& index) {
        return index.column() == kLabelColumn && (index.flags() & Qt::ItemIsSelectable);
    }

    int m_indentPx;
};

} // namespace

QString sidebarLabel(SidebarItem item) {
    switch (item) {
    case SidebarItem::connection:
        return QCoreApplication::translate("nerka::Sidebar", "Connection");
    case SidebarItem::settings:
        return QCoreApplication::translate("nerka::Sidebar", "Settings");
    case SidebarItem::channels:
        return QCoreApplication::translate("nerka::Sidebar", "Channels");
    case SidebarItem::zones:
        return QCoreApplication::translate("nerka::Sidebar", "Zones");
    case SidebarItem::contacts:
        return QCoreApplication::translate("nerka::Sidebar", "Contacts");
    case SidebarItem::talkgroups:
        return QCoreApplication::translate("nerka::Sidebar", "Talkgroups");
    case SidebarItem::satellites:
        return QCoreApplication::translate("nerka::Sidebar", "Satellites");
    case SidebarItem::dmrDatabase:
        return QCoreApplication::translate("nerka::Sidebar", "DMR Database");
    case SidebarItem::theme:
        return QCoreApplication::translate("nerka::Sidebar", "Theme");
    }
    return {};
}

QString sidebarIconName(SidebarItem item) {
    switch (item) {
    case SidebarItem::connection:
        return QStringLiteral("cable.connector");
    case SidebarItem::settings:
        return QStringLiteral("slider.horizontal.3");
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
    setAccessibleName(tr("Sidebar"));
    setItemDelegate(new EntryIndentDelegate(indentation(), this));
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(kLabelColumn, QHeaderView::Stretch);
    header()->setSectionResizeMode(kCountColumn, QHeaderView::ResizeToContents);

    // Headings and entries are rows of one level, the headings bold and not
    // selectable. As children of their headings, the entries' row numbers
    // would restart under each heading, and Qt's per-row toggle action
    // (what voice control and switch access press) selects by such a number
    // as if it counted every row: "Zones" would choose "Connection".
    auto entry = [this](SidebarItem item) {
        QTreeWidgetItem* added = addEntry(sidebarLabel(item), sidebarIconName(item));
        added->setData(kLabelColumn, kItemRole, int(item));
        m_items[std::size_t(item)] = added;
    };
    addHeading(tr("Device"));
    entry(SidebarItem::connection);
    entry(SidebarItem::settings);
    addHeading(tr("Codeplug"));
    for (SidebarItem item : {SidebarItem::channels, SidebarItem::zones, SidebarItem::contacts,
                             SidebarItem::talkgroups, SidebarItem::satellites})
        entry(item);
    addHeading(tr("DMR Database"));
    entry(SidebarItem::dmrDatabase);
    addHeading(tr("Display"));
    entry(SidebarItem::theme);
    // Never narrower than the labels and a four-digit count, so a narrow
    // window or a dragged splitter cannot cut the section names short.
    setMinimumWidth(sizeHintForColumn(kLabelColumn) +
                    fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16 +
                    2 * frameWidth());

    // The section follows the selection however it is made: a click, the
    // arrow keys, or assistive technology selecting a row (which changes the
    // selection but not the current item).
    QObject::connect(this, &QTreeWidget::itemSelectionChanged, this, &Sidebar::onSelectionChanged);
}

void Sidebar::addHeading(const QString& text) {
    auto* heading = new QTreeWidgetItem(this, {text});
    heading->setFlags(Qt::ItemIsEnabled);
    QFont font = heading->font(kLabelColumn);
    font.setBold(true);
    heading->setFont(kLabelColumn, font);
}

QTreeWidgetItem* Sidebar::addEntry(const QString& label, const QString& iconName) {
    auto* entry = new QTreeWidgetItem(this, {label, QString()});
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
    if (role.isValid())
        Q_EMIT sectionSelected(SidebarItem(role.toInt()));
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
