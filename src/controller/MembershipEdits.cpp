// Membership edits of CodeplugDocument: many channels in or out of a zone, a
// zone made from channels, one contact in or out of a talkgroup list. Each is
// one undo step; an addition beyond a list's limit changes nothing.

#include "controller/CodeplugDocument.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>

#include <functional>

#include <algorithm>

namespace nerka {

namespace {

// Both radio families store the same record sizes: 80 channel entries per
// zone record and 32 contact entries per RX group list record. A family with
// smaller lists gets its own row here; everything else asks these functions.
struct FamilyMemberLimits {
    RadioVariant variant;
    int zoneChannels;
    int talkgroupContacts;
};

constexpr FamilyMemberLimits kFamilyMemberLimits[] = {
    {RadioVariant::gd77, ZoneRecord::kMemberCount, GroupListRecord::kMemberCount},
    {RadioVariant::uv380, ZoneRecord::kMemberCount, GroupListRecord::kMemberCount},
};

EditRefusal membershipNotLocated(const char* what, int number) {
    return {
        RefusalKind::notFound,
        QCoreApplication::translate("nerka::CodeplugDocument", "Could not locate %1 %2 in memory.")
            .arg(QCoreApplication::translate("nerka::CodeplugDocument", what))
            .arg(number)};
}

QString countedNoun(qsizetype count, const char* one, const char* many) {
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

// The numbers once each, in the order first given.
QList<int> distinctNumbers(const QList<int>& numbers) {
    QList<int> out;
    QSet<int> seen;
    for (int n : numbers)
        if (!seen.contains(n)) {
            seen.insert(n);
            out.append(n);
        }
    return out;
}

// Puts `key` into `members` after the last member that sorts before it (at
// the front when none does). A list kept in key order stays in key order; a
// list the user ordered keeps its order and takes the key near its neighbours.
void insertInKeyOrder(QList<int>& members, int key) {
    qsizetype at = 0;
    for (qsizetype i = 0; i < members.size(); ++i)
        if (members[i] < key)
            at = i + 1;
    members.insert(at, key);
}

// One list's members before and after a grid edit.
struct GridListChange {
    int index = 0;
    QString name;
    QList<int> before;
    QList<int> after;
};

// Applies the cells to the lists (found through `membersOf`), in list index
// order. Keys are stored as given; `toStored` maps a record key to what the
// list holds (a channel number to its 0-based position, a slot to itself).
QList<GridListChange> gridChanges(const QList<std::pair<int, int>>& cells, bool member,
                                  const std::function<const QList<int>*(int, QString&)>& membersOf,
                                  const std::function<int(int)>& toStored) {
    QMap<int, GridListChange> lists;
    for (const auto& [list, key] : cells) {
        if (!lists.contains(list)) {
            QString name;
            const QList<int>* members = membersOf(list, name);
            if (!members)
                continue;
            lists.insert(list, {list, name, *members, *members});
        }
        GridListChange& change = lists[list];
        const int stored = toStored(key);
        if (member && !change.after.contains(stored))
            insertInKeyOrder(change.after, stored);
        else if (!member)
            change.after.removeAll(stored);
    }
    QList<GridListChange> changed;
    for (const GridListChange& change : lists)
        if (change.after != change.before)
            changed.append(change);
    return changed;
}

} // namespace

int CodeplugDocument::zoneMemberLimit(std::optional<RadioVariant> variant) {
    int limit = 0;
    for (const FamilyMemberLimits& row : kFamilyMemberLimits)
        if (!variant || row.variant == *variant)
            limit = std::max(limit, row.zoneChannels);
    return limit;
}

int CodeplugDocument::talkgroupMemberLimit(std::optional<RadioVariant> variant) {
    int limit = 0;
    for (const FamilyMemberLimits& row : kFamilyMemberLimits)
        if (!variant || row.variant == *variant)
            limit = std::max(limit, row.talkgroupContacts);
    return limit;
}

int CodeplugDocument::zoneMemberLimit() const {
    return zoneMemberLimit(m_image ? m_image->variant : std::nullopt);
}

int CodeplugDocument::talkgroupMemberLimit() const {
    return talkgroupMemberLimit(m_image ? m_image->variant : std::nullopt);
}

EditResult CodeplugDocument::setZoneMembershipQuietly(int index, const QList<int>& numbers,
                                                      bool member) {
    if (auto refused = guard())
        return *refused;
    const auto zone = std::find_if(m_zones.cbegin(), m_zones.cend(),
                                   [&](const Zone& z) { return z.index == index; });
    if (zone == m_zones.cend())
        return EditResult::refused(
            RefusalKind::notFound,
            membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "zone"), index + 1)
                .text);

    ZoneEdit zoneEdit{zone->name, zone->memberIndices};
    QList<int> touched; // channel numbers that come in or go out
    for (int number : distinctNumbers(numbers)) {
        const int position = number - 1;
        if (member) {
            if (!channel(number))
                return EditResult::refused(
                    RefusalKind::notFound,
                    membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"),
                                         number)
                        .text);
            if (!zoneEdit.memberIndices.contains(position)) {
                zoneEdit.memberIndices.append(position);
                touched.append(number);
            }
        } else if (zoneEdit.memberIndices.removeAll(position) > 0) {
            touched.append(number);
        }
    }
    if (touched.isEmpty())
        return EditResult::nothingToDo();
    const int limit = zoneMemberLimit();
    if (member && zoneEdit.memberIndices.size() > limit)
        return EditResult::refused(
            RefusalKind::full,
            QCoreApplication::translate(
                "nerka::CodeplugDocument",
                "Zone '%1' holds at most %2 channels: it has %3, so %4 cannot be added.")
                .arg(zone->name, QString::number(limit),
                     QString::number(zone->memberIndices.size()),
                     countedNoun(touched.size(), "channel", "channels")));

    const QString what = touched.size() == 1
                             ? QCoreApplication::translate("nerka::CodeplugDocument", "channel %1")
                                   .arg(touched.first())
                             : countedNoun(touched.size(), "channel", "channels");
    const QString label =
        member ? QCoreApplication::translate("nerka::CodeplugDocument", "Add %1 to zone %2")
                     .arg(what)
                     .arg(index + 1)
               : QCoreApplication::translate("nerka::CodeplugDocument", "Remove %1 from zone %2")
                     .arg(what)
                     .arg(index + 1);
    return edit(
        label, [&](CodeplugImage& image) { return applyZoneEdit(zoneEdit, index, image); },
        membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "zone"), index + 1),
        QCoreApplication::translate("nerka::CodeplugDocument", "Zone %1 changed: %2 (%3 channels)")
            .arg(QString::number(index + 1), zoneEdit.name,
                 QString::number(zoneEdit.memberIndices.size())));
}

EditResult CodeplugDocument::setZoneMembershipsQuietly(const QList<std::pair<int, int>>& cells,
                                                       bool member) {
    if (auto refused = guard())
        return *refused;
    for (const auto& cell : cells) {
        // Copies: a lambda may not capture a structured binding.
        const int zoneIndex = cell.first;
        const int number = cell.second;
        if (std::none_of(m_zones.cbegin(), m_zones.cend(),
                         [&](const Zone& z) { return z.index == zoneIndex; }))
            return EditResult::refused(
                RefusalKind::notFound,
                membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "zone"),
                                     zoneIndex + 1)
                    .text);
        if (member && !channel(number))
            return EditResult::refused(
                RefusalKind::notFound,
                membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"),
                                     number)
                    .text);
    }
    const QList<GridListChange> changes = gridChanges(
        cells, member,
        [this](int index, QString& name) -> const QList<int>* {
            for (const Zone& zone : m_zones)
                if (zone.index == index) {
                    name = zone.name;
                    return &zone.memberIndices;
                }
            return nullptr;
        },
        [](int number) { return number - 1; });
    if (changes.isEmpty())
        return EditResult::nothingToDo();
    const int limit = zoneMemberLimit();
    qsizetype moved = 0;
    for (const GridListChange& change : changes) {
        if (change.after.size() > limit)
            return EditResult::refused(
                RefusalKind::full,
                QCoreApplication::translate(
                    "nerka::CodeplugDocument",
                    "Zone '%1' holds at most %2 channels: it has %3, so %4 cannot be added.")
                    .arg(change.name, QString::number(limit), QString::number(change.before.size()),
                         countedNoun(change.after.size() - change.before.size(), "channel",
                                     "channels")));
        moved += std::abs(change.after.size() - change.before.size());
    }
    // One tick reads as before: "Add channel 4 to zone 1".
    const QString what = cells.size() == 1 && moved == 1
                             ? QCoreApplication::translate("nerka::CodeplugDocument", "channel %1")
                                   .arg(cells.first().second)
                             : countedNoun(moved, "channel", "channels");
    const QString where = changes.size() == 1
                              ? QCoreApplication::translate("nerka::CodeplugDocument", "zone %1")
                                    .arg(changes.first().index + 1)
                              : countedNoun(changes.size(), "zone", "zones");
    const QString label =
        member ? QCoreApplication::translate("nerka::CodeplugDocument", "Add %1 to %2")
                     .arg(what, where)
               : QCoreApplication::translate("nerka::CodeplugDocument", "Remove %1 from %2")
                     .arg(what, where);
    return edit(
        label,
        [&](CodeplugImage& image) {
            RegionSet regions;
            for (const GridListChange& change : changes) {
                const RegionSet wrote =
                    applyZoneEdit(ZoneEdit{change.name, change.after}, change.index, image);
                if (wrote.empty())
                    return RegionSet{};
                regions.insert(wrote.begin(), wrote.end());
            }
            return regions;
        },
        membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "zone"),
                             changes.first().index + 1),
        label + u'.');
}

EditResult CodeplugDocument::setTalkgroupMembershipsQuietly(const QList<std::pair<int, int>>& cells,
                                                            bool member) {
    if (auto refused = guard())
        return *refused;
    for (const auto& cell : cells) {
        const int groupIndex = cell.first;
        const int slot = cell.second;
        if (std::none_of(m_talkgroups.cbegin(), m_talkgroups.cend(),
                         [&](const Talkgroup& t) { return t.index == groupIndex; }))
            return EditResult::refused(
                RefusalKind::notFound,
                membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "talkgroup"),
                                     groupIndex + 1)
                    .text);
        if (member && std::none_of(m_contacts.cbegin(), m_contacts.cend(),
                                   [&](const DMRContact& c) { return c.slot == slot; }))
            return EditResult::refused(
                RefusalKind::notFound,
                membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contact"),
                                     slot + 1)
                    .text);
    }
    const QList<GridListChange> changes = gridChanges(
        cells, member,
        [this](int index, QString& name) -> const QList<int>* {
            for (const Talkgroup& group : m_talkgroups)
                if (group.index == index) {
                    name = group.name;
                    return &group.memberSlots;
                }
            return nullptr;
        },
        [](int slot) { return slot; });
    if (changes.isEmpty())
        return EditResult::nothingToDo();
    const int limit = talkgroupMemberLimit();
    qsizetype moved = 0;
    for (const GridListChange& change : changes) {
        if (change.after.size() > limit)
            return EditResult::refused(
                RefusalKind::full,
                QCoreApplication::translate("nerka::CodeplugDocument",
                                            "Talkgroup '%1' holds at most %2 contacts.")
                    .arg(change.name, QString::number(limit)));
        moved += std::abs(change.after.size() - change.before.size());
    }
    const QString what = cells.size() == 1 && moved == 1
                             ? QCoreApplication::translate("nerka::CodeplugDocument", "contact %1")
                                   .arg(cells.first().second + 1)
                             : countedNoun(moved, "contact", "contacts");
    const QString where =
        changes.size() == 1 ? QCoreApplication::translate("nerka::CodeplugDocument", "talkgroup %1")
                                  .arg(changes.first().index + 1)
                            : countedNoun(changes.size(), "talkgroup", "talkgroups");
    const QString label =
        member ? QCoreApplication::translate("nerka::CodeplugDocument", "Add %1 to %2")
                     .arg(what, where)
               : QCoreApplication::translate("nerka::CodeplugDocument", "Remove %1 from %2")
                     .arg(what, where);
    return edit(
        label,
        [&](CodeplugImage& image) {
            RegionSet regions;
            for (const GridListChange& change : changes) {
                const RegionSet wrote = applyTalkgroupEdit(TalkgroupEdit{change.name, change.after},
                                                           change.index, image);
                if (wrote.empty())
                    return RegionSet{};
                regions.insert(wrote.begin(), wrote.end());
            }
            return regions;
        },
        membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "talkgroup"),
                             changes.first().index + 1),
        label + u'.');
}

EditResult CodeplugDocument::createZoneFromChannelsQuietly(const QString& name,
                                                           const QList<int>& numbers) {
    if (auto refused = guard())
        return *refused;
    // A zone without a name is not decoded: it would be created invisible.
    if (name.trimmed().isEmpty())
        return EditResult::refused(
            RefusalKind::invalid,
            QCoreApplication::translate("nerka::CodeplugDocument", "A zone needs a name."));
    const auto index = freeZoneIndex();
    if (!index)
        return EditResult::refused(
            RefusalKind::full,
            QCoreApplication::translate("nerka::CodeplugDocument", "Zone memory is full (max %1).")
                .arg(ZoneTable::kZoneCount));
    ZoneEdit zoneEdit{name, {}};
    for (int number : distinctNumbers(numbers)) {
        if (!channel(number))
            return EditResult::refused(
                RefusalKind::notFound,
                membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"),
                                     number)
                    .text);
        zoneEdit.memberIndices.append(number - 1);
    }
    const int limit = zoneMemberLimit();
    if (zoneEdit.memberIndices.size() > limit)
        return EditResult::refused(
            RefusalKind::full,
            QCoreApplication::translate("nerka::CodeplugDocument",
                                        "A zone holds at most %1 channels; %2 are selected.")
                .arg(limit)
                .arg(zoneEdit.memberIndices.size()));
    EditResult result = edit(
        QCoreApplication::translate("nerka::CodeplugDocument", "New zone %1").arg(*index + 1),
        [&](CodeplugImage& image) { return applyZoneEdit(zoneEdit, *index, image); },
        membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "zone"), *index + 1),
        QCoreApplication::translate("nerka::CodeplugDocument", "Zone %1 created: %2 (%3 channels)")
            .arg(QString::number(*index + 1), name,
                 QString::number(zoneEdit.memberIndices.size())));
    if (result.isDone())
        result.setCreatedKey(*index);
    return result;
}

EditResult CodeplugDocument::setTalkgroupMembershipQuietly(int index, int slot, bool member) {
    if (auto refused = guard())
        return *refused;
    const auto group = std::find_if(m_talkgroups.cbegin(), m_talkgroups.cend(),
                                    [&](const Talkgroup& t) { return t.index == index; });
    if (group == m_talkgroups.cend())
        return EditResult::refused(
            RefusalKind::notFound,
            membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "talkgroup"),
                                 index + 1)
                .text);
    TalkgroupEdit groupEdit{group->name, group->memberSlots};
    if (member) {
        if (groupEdit.memberSlots.contains(slot))
            return EditResult::nothingToDo();
        if (std::none_of(m_contacts.cbegin(), m_contacts.cend(),
                         [&](const DMRContact& c) { return c.slot == slot; }))
            return EditResult::refused(
                RefusalKind::notFound,
                membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contact"),
                                     slot + 1)
                    .text);
        const int limit = talkgroupMemberLimit();
        if (groupEdit.memberSlots.size() >= limit)
            return EditResult::refused(
                RefusalKind::full,
                QCoreApplication::translate("nerka::CodeplugDocument",
                                            "Talkgroup '%1' holds at most %2 contacts.")
                    .arg(group->name, QString::number(limit)));
        groupEdit.memberSlots.append(slot);
    } else if (groupEdit.memberSlots.removeAll(slot) == 0) {
        return EditResult::nothingToDo();
    }
    const QString label = member
                              ? QCoreApplication::translate("nerka::CodeplugDocument",
                                                            "Add contact %1 to talkgroup %2")
                                    .arg(slot + 1)
                                    .arg(index + 1)
                              : QCoreApplication::translate("nerka::CodeplugDocument",
                                                            "Remove contact %1 from talkgroup %2")
                                    .arg(slot + 1)
                                    .arg(index + 1);
    return edit(
        label, [&](CodeplugImage& image) { return applyTalkgroupEdit(groupEdit, index, image); },
        membershipNotLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "talkgroup"), index + 1),
        QCoreApplication::translate("nerka::CodeplugDocument",
                                    "Talkgroup %1 changed: %2 (%3 contacts)")
            .arg(QString::number(index + 1), groupEdit.name,
                 QString::number(groupEdit.memberSlots.size())));
}

} // namespace nerka
