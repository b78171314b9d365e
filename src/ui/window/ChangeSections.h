#pragma once

#include "controller/CodeplugDiff.h"
#include "ui/kit/ChangeListView.h"

namespace nerka {

// The groups of a change list as the window shows them: "Channels (3)" over
// the lines of each kind.
[[nodiscard]] QList<ChangeListSection> changeSections(const QList<ChangeGroup>& groups);

} // namespace nerka
