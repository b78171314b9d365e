#pragma once

#include <Qt>

namespace nerka {

// Item data roles the list models share with the search proxy and the
// sections.
enum RecordRole : int {
    // The record's key: channel number (1-based), contact slot, talkgroup,
    // zone or satellite index (0-based).
    KeyRole = Qt::UserRole + 1,
    // The text the search matches against: the name, or for channels the
    // text SearchProxyModel::channelSearchText makes.
    SearchTextRole,
};

} // namespace nerka
