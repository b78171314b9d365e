#pragma once

#include <QString>

#include <functional>

class QAction;

namespace nerka {

class ListSection;
class MembershipGridView;

// Wires a section's checkable "Membership" action to its grid: checked shows
// the grid (through `show`), unchecked the list again. Each switch empties the
// search, which filters the records of whichever is shown, and names the
// search field after them (`listSearchLabel` / `gridSearchLabel`).
void connectMembershipSwitch(ListSection& section, QAction* action, MembershipGridView* grid,
                             const QString& listSearchLabel, const QString& gridSearchLabel,
                             const std::function<void(bool)>& show);

} // namespace nerka
