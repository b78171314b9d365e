#pragma once

#include <QMenu>

namespace nerka {

// A menu of tick boxes that stays open while they are ticked: a click, Return
// or Space on a checkable item toggles it and leaves the menu open, so
// several are chosen in one visit. Other items close the menu as usual;
// Escape or a click outside closes it.
class StayOpenMenu final : public QMenu {
    Q_OBJECT
public:
    explicit StayOpenMenu(QWidget* parent = nullptr) : QMenu(parent) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Toggles `action` when it is a checkable, enabled item; true when it did.
    bool toggleInPlace(QAction* action);
};

} // namespace nerka
