#pragma once

#include <QTreeWidget>

#include <array>
#include <optional>

namespace nerka {

// The sections of the main window, in sidebar order.
enum class SidebarItem {
    connection,
    settings,
    channels,
    zones,
    contacts,
    talkgroups,
    satellites,
    dmrDatabase,
    theme
};

inline constexpr std::array<SidebarItem, 9> kSidebarItems = {
    SidebarItem::connection, SidebarItem::settings,    SidebarItem::channels,
    SidebarItem::zones,      SidebarItem::contacts,    SidebarItem::talkgroups,
    SidebarItem::satellites, SidebarItem::dmrDatabase, SidebarItem::theme};

[[nodiscard]] QString sidebarLabel(SidebarItem item);
[[nodiscard]] QString sidebarIconName(SidebarItem item);

// The section list on the left: the items grouped under the headings
// "Device", "Codeplug", "DMR Database" and "Display" (rows of their own, bold
// and not selectable), with record counts beside the list sections.
class Sidebar : public QTreeWidget {
    Q_OBJECT
public:
    explicit Sidebar(QWidget* parent = nullptr);

    void select(SidebarItem item);
    [[nodiscard]] std::optional<SidebarItem> selection() const;
    // The count shown beside a list section (blank for a negative count).
    void setCount(SidebarItem item, int count);
    [[nodiscard]] QString countText(SidebarItem item) const;
    [[nodiscard]] QTreeWidgetItem* itemFor(SidebarItem item) const;

Q_SIGNALS:
    void sectionSelected(nerka::SidebarItem item);

private:
    void onSelectionChanged();
    void addHeading(const QString& text);
    QTreeWidgetItem* addEntry(const QString& label, const QString& iconName);

    std::array<QTreeWidgetItem*, kSidebarItems.size()> m_items{};
};

} // namespace nerka
