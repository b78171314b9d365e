#include "ui/rules/MemberSelection.h"

#include <QCoreApplication>

#include <utility>

namespace nerka {

MemberSelection::MemberSelection(QList<int> members, int maxMembers)
    : m_members(std::move(members)), m_maxMembers(maxMembers) {
    // A record read from elsewhere may list more than fit; what the codec
    // would store is what the editor shows.
    if (m_maxMembers >= 0 && m_members.size() > m_maxMembers)
        m_members.resize(m_maxMembers);
}

bool MemberSelection::toggle(int member) {
    if (m_members.removeAll(member) > 0)
        return true;
    return add(member);
}

bool MemberSelection::add(int member) {
    if (!canAdd())
        return false;
    m_members.append(member);
    return true;
}

bool MemberSelection::removeAt(int row) {
    if (row < 0 || row >= count())
        return false;
    m_members.removeAt(row);
    return true;
}

bool MemberSelection::move(int from, int to) {
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to)
        return false;
    m_members.move(from, to);
    return true;
}

QString MemberSelection::talkgroupCounterText() const {
    return QCoreApplication::translate("nerka::MemberSelection", "%1/%2 contacts")
        .arg(count())
        .arg(m_maxMembers);
}

QString MemberSelection::zoneCounterText() const {
    return QCoreApplication::translate("nerka::MemberSelection",
                                       "%1/%2 channels \u2014 drag to reorder")
        .arg(count())
        .arg(m_maxMembers);
}

} // namespace nerka
