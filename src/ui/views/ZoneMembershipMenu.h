#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace nerka {

class RadioController;

// The zone commands of the channel table's selection: "Add to zone" (a
// submenu of the zones and "New zone from selection…") and "Remove from zone"
// (a submenu of the zones that list a selected channel). Each command is one
// controller edit, so one undo step; one the controller refuses (a zone that
// would pass its limit) changes nothing and reports why.
class ZoneMembershipMenu final : public QObject {
    Q_OBJECT

public:
    // `selection` gives the numbers of the selected channels when asked.
    ZoneMembershipMenu(RadioController& controller, std::function<QList<int>()> selection,
                       QWidget* parent);

    // The two submenu items, brought up to date with the zones and the
    // selection (a context menu asks for them each time it opens).
    [[nodiscard]] QList<QAction*> actions();
    [[nodiscard]] QMenu* addMenu() const { return m_addMenu; }
    [[nodiscard]] QMenu* removeMenu() const { return m_removeMenu; }

    void addToZone(int zoneIndex);
    void removeFromZone(int zoneIndex);
    // Asks for the new zone's name (proposing "Zone N"), then creates it from
    // the selection. A selection the zone cannot hold is refused at once.
    void newZoneFromSelection();

private:
    void refresh();

    RadioController& m_controller;
    std::function<QList<int>()> m_selection;
    QWidget* m_parent = nullptr;
    QMenu* m_addMenu = nullptr;
    QMenu* m_removeMenu = nullptr;
    QAction* m_add = nullptr;
    QAction* m_remove = nullptr;
};

} // namespace nerka
