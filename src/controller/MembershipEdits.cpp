// Membership edits of CodeplugDocument: many channels in or out of a zone, a
// zone made from channels, one contact in or out of a talkgroup list. Each is
// one undo step; an addition beyond a list's limit changes nothing.

#include "controller/CodeplugDocument.h"

#include <QSet>

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
        QStringLiteral("Could not locate %1 %2 in memory.").arg(QLatin1String(what)).arg(number)};
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
        return EditResult::refused(RefusalKind::notFound,
                                   membershipNotLocated("zone", index + 1).text);

    ZoneEdit zoneEdit{zone->name, zone->memberIndices};
    QList<int> touched; // channel numbers that come in or go out
    for (int number : distinctNumbers(numbers)) {
        const int position = number - 1;
        if (member) {
            if (!channel(number))
                return EditResult::refused(RefusalKind::notFound,
                                           membershipNotLocated("channel", number).text);
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
            QStringLiteral("Zone '%1' holds at most %2 channels: it has %3, so %4 cannot be added.")
                .arg(zone->name, QString::number(limit),
                     QString::number(zone->memberIndices.size()),
                     countedNoun(touched.size(), "channel", "channels")));

    const QString what = touched.size() == 1 ? QStringLiteral("channel %1").arg(touched.first())
                                             : countedNoun(touched.size(), "channel", "channels");
    const QString label = member
                              ? QStringLiteral("Add %1 to zone %2").arg(what).arg(index + 1)
                              : QStringLiteral("Remove %1 from zone %2").arg(what).arg(index + 1);
    return edit(
        label, [&](CodeplugImage& image) { return applyZoneEdit(zoneEdit, index, image); },
        membershipNotLocated("zone", index + 1),
        QStringLiteral("Zone %1 changed: %2 (%3 channels)")
            .arg(QString::number(index + 1), zoneEdit.name,
                 QString::number(zoneEdit.memberIndices.size())));
}

EditResult CodeplugDocument::createZoneFromChannelsQuietly(const QString& name,
                                                           const QList<int>& numbers) {
    if (auto refused = guard())
        return *refused;
    // A zone without a name is not decoded: it would be created invisible.
    if (name.trimmed().isEmpty())
        return EditResult::refused(RefusalKind::invalid, QStringLiteral("A zone needs a name."));
    const auto index = freeZoneIndex();
    if (!index)
        return EditResult::refused(
            RefusalKind::full,
            QStringLiteral("Zone memory is full (max %1).").arg(ZoneTable::kZoneCount));
    ZoneEdit zoneEdit{name, {}};
    for (int number : distinctNumbers(numbers)) {
        if (!channel(number))
            return EditResult::refused(RefusalKind::notFound,
                                       membershipNotLocated("channel", number).text);
        zoneEdit.memberIndices.append(number - 1);
    }
    const int limit = zoneMemberLimit();
    if (zoneEdit.memberIndices.size() > limit)
        return EditResult::refused(
            RefusalKind::full, QStringLiteral("A zone holds at most %1 channels; %2 are selected.")
                                   .arg(limit)
                                   .arg(zoneEdit.memberIndices.size()));
    EditResult result = edit(
        QStringLiteral("New zone %1").arg(*index + 1),
        [&](CodeplugImage& image) { return applyZoneEdit(zoneEdit, *index, image); },
        membershipNotLocated("zone", *index + 1),
        QStringLiteral("Zone %1 created: %2 (%3 channels)")
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
        return EditResult::refused(RefusalKind::notFound,
                                   membershipNotLocated("talkgroup", index + 1).text);
    TalkgroupEdit groupEdit{group->name, group->memberSlots};
    if (member) {
        if (groupEdit.memberSlots.contains(slot))
            return EditResult::nothingToDo();
        if (std::none_of(m_contacts.cbegin(), m_contacts.cend(),
                         [&](const DMRContact& c) { return c.slot == slot; }))
            return EditResult::refused(RefusalKind::notFound,
                                       membershipNotLocated("contact", slot + 1).text);
        const int limit = talkgroupMemberLimit();
        if (groupEdit.memberSlots.size() >= limit)
            return EditResult::refused(RefusalKind::full,
                                       QStringLiteral("Talkgroup '%1' holds at most %2 contacts.")
                                           .arg(group->name, QString::number(limit)));
        groupEdit.memberSlots.append(slot);
    } else if (groupEdit.memberSlots.removeAll(slot) == 0) {
        return EditResult::nothingToDo();
    }
    const QString label =
        member ? QStringLiteral("Add contact %1 to talkgroup %2").arg(slot + 1).arg(index + 1)
               : QStringLiteral("Remove contact %1 from talkgroup %2").arg(slot + 1).arg(index + 1);
    return edit(
        label, [&](CodeplugImage& image) { return applyTalkgroupEdit(groupEdit, index, image); },
        membershipNotLocated("talkgroup", index + 1),
        QStringLiteral("Talkgroup %1 changed: %2 (%3 contacts)")
            .arg(QString::number(index + 1), groupEdit.name,
                 QString::number(groupEdit.memberSlots.size())));
}

} // namespace nerka
