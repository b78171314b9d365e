#pragma once

#include <QTreeWidget>

#include <array>
#include <optional>

namespace nerka {

// The sections of the main window, in sidebar order.
enum class SidebarItem {
    connection,
    channels,
    zones,
    contacts,
    talkgroups,
    satellites,
    dmrDatabase,
    theme
};

inline constexpr std::array<SidebarItem, 8> kSidebarItems = {
    SidebarItem::connection,  SidebarItem::channels,   SidebarItem::zones,
    SidebarItem::contacts,    SidebarItem::talkgroups, SidebarItem::satellites,
    SidebarItem::dmrDatabase, SidebarItem::theme};

[[nodiscard]] QString sidebarLabel(SidebarItem item);
[[nodiscard]] QString sidebarIconName(SidebarItem item);

// The section list on the left: the items grouped under the headings
// "Device", "Codeplug", "DMR Database" and "Display" (rows of their own, bold
// and not selectable), record counts beside the list sections, and the
// "Settings" entry under "Device", which opens the device settings sheet
// instead of selecting a section.
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
    [[nodiscard]] QTreeWidgetItem* settingsItem() const { return m_settings; }

Q_SIGNALS:
    void sectionSelected(nerka::SidebarItem item);
    void settingsRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onSelectionChanged();
    void addHeading(const QString& text);
    QTreeWidgetItem* addEntry(const QString& label, const QString& iconName);
    void onActivated(QTreeWidgetItem* item);

    std::array<QTreeWidgetItem*, kSidebarItems.size()> m_items{};
    QTreeWidgetItem* m_settings = nullptr;
    // True while a click or key press is handled: the settings entry then
    // opens on the click or Return alone, not on arrowing across it.
    bool m_handlingInput = false;
};

} // namespace nerka
