#pragma once

#include <QList>
#include <QString>

namespace nerka {

// The members chosen in the talkgroup and zone editors: an ordered list of
// record numbers (contact slots or channel positions) that never grows beyond
// `maxMembers`. Talkgroups tick and untick; zones append, remove and move.
// Refused changes leave the list as it was.
class MemberSelection {
public:
    MemberSelection(QList<int> members, int maxMembers);

    [[nodiscard]] const QList<int>& members() const { return m_members; }
    [[nodiscard]] int maxMembers() const { return m_maxMembers; }
    [[nodiscard]] int count() const { return int(m_members.size()); }
    [[nodiscard]] bool contains(int member) const { return m_members.contains(member); }
    [[nodiscard]] bool canAdd() const { return count() < m_maxMembers; }

    // Talkgroup tick: removes a ticked member; adds an unticked one at the end
    // only while there is room. True when the list changed.
    bool toggle(int member);
    // Zone: appends while there is room. True when added.
    bool add(int member);
    // Zone: removes the entry at `row`. True when `row` was in range.
    bool removeAt(int row);
    // Zone: moves the entry at `from` so that it ends up at `to`. True when
    // both are in range and differ.
    bool move(int from, int to);

    // selected + "/" + max + " contacts"
    [[nodiscard]] QString talkgroupCounterText() const;
    // members + "/" + max + " channels — drag to reorder"
    [[nodiscard]] QString zoneCounterText() const;

private:
    QList<int> m_members;
    int m_maxMembers = 0;
};

} // namespace nerka
