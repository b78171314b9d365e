#include "codeplug/CodeplugMerge.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/MemberLists.h"
#include "codeplug/NameField.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ZoneCodec.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <functional>

namespace nerka {

namespace {

// The records of one kind held here while the merge runs: content by key
// (updated as records are added or replaced) and the first key of each name.
template <typename Content> struct MergeShelf {
    QMap<int, Content> byKey;
    QHash<QString, int> byName;
    int capacity = 0;

    void put(int key, const QString& name, const Content& content) {
        byKey.insert(key, content);
        if (!byName.contains(name))
            byName.insert(name, key);
    }
    [[nodiscard]] std::optional<int> freeKey() const {
        for (int key = 0; key < capacity; ++key)
            if (!byKey.contains(key))
                return key;
        return std::nullopt;
    }
    [[nodiscard]] QStringList names() const { return byName.keys(); }
};

QList<int> mergeSorted(QSet<int> keys) {
    QList<int> sorted(keys.begin(), keys.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

QString mergeRoomText(MergeKind kind, int capacity) {
    switch (kind) {
    case MergeKind::contact:
        return QCoreApplication::translate("CodeplugMerge",
                                           "No room for more contacts: a codeplug holds %1.")
            .arg(capacity);
    case MergeKind::talkgroup:
        return QCoreApplication::translate("CodeplugMerge",
                                           "No room for more talkgroups: a codeplug holds %1.")
            .arg(capacity);
    case MergeKind::channel:
        return QCoreApplication::translate("CodeplugMerge",
                                           "No room for more channels: a codeplug holds %1.")
            .arg(capacity);
    case MergeKind::zone:
        break;
    }
    return QCoreApplication::translate("CodeplugMerge",
                                       "No room for more zones: a codeplug holds %1.")
        .arg(capacity);
}

// One merge run: the other codeplug's records, this codeplug's shelves, and
// where each taken record of the other codeplug landed.
class MergeRun {
public:
    MergeRun(const CodeplugImage& image, const CodeplugImage& other,
             const std::array<ClashAnswer, 4>& answers)
        : m_other(other), m_answers(answers) {
        m_result.image = image;
        m_theirChannels = decodeChannels(other);
        m_theirs = decodeMemberLists(other, m_theirChannels);
        const QList<RadioChannel> channels = decodeChannels(image);
        const MemberLists ours = decodeMemberLists(image, channels);
        const int channelSlots = image.variant
                                     ? int(layoutForVariant(*image.variant).channelBanks.size()) *
                                           ChannelBank::kSlotCount
                                     : 0;
        m_contacts.capacity = ContactTable::kSlotCount;
        m_talkgroups.capacity = GroupListTable::kListCount;
        m_channels.capacity = channelSlots;
        m_zones.capacity = ZoneTable::kZoneCount;
        for (const DMRContact& c : ours.contacts)
            m_contacts.put(c.slot, c.name,
                           ContactEdit{c.name, c.dmrID, c.type, c.timeSlotOverride});
        for (const Talkgroup& t : ours.talkgroups)
            m_talkgroups.put(t.index, t.name, TalkgroupEdit{t.name, t.memberSlots});
        for (const RadioChannel& c : channels)
            m_channels.put(c.number - 1, c.name,
                           readChannelRecord(c.number - 1, image).value_or(QByteArray()));
        for (const Zone& z : ours.zones)
            m_zones.put(z.index, z.name, ZoneEdit{z.name, z.memberIndices});
    }

    CodeplugMerge run(const MergeSelection& chosen) {
        const Taken taken = closure(chosen);
        for (int slot : mergeSorted(taken.contacts))
            takeContact(slot);
        for (int index : mergeSorted(taken.talkgroups))
            takeTalkgroup(index);
        for (int position : mergeSorted(taken.channels))
            takeChannel(position);
        for (int index : mergeSorted(taken.zones))
            takeZone(index);
        return std::move(m_result);
    }

private:
    struct Taken {
        QSet<int> contacts, talkgroups, channels, zones; // channels by position
    };

    Taken closure(const MergeSelection& chosen) const {
        Taken taken;
        for (const Zone& zone : m_theirs.zones) {
            if (!chosen.zones.contains(zone.index))
                continue;
            taken.zones.insert(zone.index);
            for (int position : zone.memberIndices)
                taken.channels.insert(position);
        }
        for (int number : chosen.channels)
            taken.channels.insert(number - 1);
        QSet<int> channels;
        for (const RadioChannel& channel : m_theirChannels) {
            if (!taken.channels.contains(channel.number - 1))
                continue;
            channels.insert(channel.number - 1);
            if (channel.contactIndex)
                taken.contacts.insert(*channel.contactIndex);
            if (channel.groupListIndex)
                taken.talkgroups.insert(*channel.groupListIndex);
        }
        taken.channels = channels; // only slots that hold a channel
        for (int index : chosen.talkgroups)
            taken.talkgroups.insert(index);
        for (const Talkgroup& talkgroup : m_theirs.talkgroups)
            if (taken.talkgroups.contains(talkgroup.index))
                for (int slot : talkgroup.memberSlots)
                    taken.contacts.insert(slot);
        for (int slot : chosen.contacts)
            taken.contacts.insert(slot);
        return taken;
    }

    MergeKindOutcome& outcome(MergeKind kind) { return m_result.kinds[std::size_t(kind)]; }

    void refuse(MergeKind kind, int capacity) {
        if (m_result.refusal.isEmpty())
            m_result.refusal = mergeRoomText(kind, capacity);
    }

    // The place a record of the other codeplug takes here, and what to store
    // there (its name changed for a copy); nothing when it is used as the
    // record here. `key` is set to where references to it go.
    template <typename Content>
    std::optional<int> place(MergeKind kind, int theirKey, const QString& name, Content& content,
                             MergeShelf<Content>& shelf, int width,
                             const std::function<void(Content&, const QString&)>& rename,
                             int& key) {
        MergeKindOutcome& out = outcome(kind);
        const auto here = shelf.byName.find(name);
        if (here != shelf.byName.end()) {
            const bool same = shelf.byKey.value(*here) == content;
            out.taken.insert(theirKey, same ? MergeStatus::same : MergeStatus::clash);
            if (!same)
                out.clashNames.append(name);
            const ClashAnswer answer =
                same ? ClashAnswer::useExisting : m_answers[std::size_t(kind)];
            if (answer == ClashAnswer::useExisting) {
                key = *here;
                ++out.used;
                return std::nullopt;
            }
            if (answer == ClashAnswer::replace) {
                key = *here;
                shelf.byKey.insert(key, content);
                ++out.replaced;
                return key;
            }
            rename(content, freeMergeName(name, width, shelf.names()));
            ++out.copied;
        } else {
            out.taken.insert(theirKey, MergeStatus::added);
            ++out.added;
        }
        const auto free = shelf.freeKey();
        if (!free) {
            refuse(kind, shelf.capacity);
            key = -1;
            return std::nullopt;
        }
        key = *free;
        shelf.put(key, name, content);
        return key;
    }

    void store(const RegionSet& regions) {
        m_result.regions.insert(regions.begin(), regions.end());
    }

    void takeContact(int slot) {
        const auto it = std::find_if(m_theirs.contacts.begin(), m_theirs.contacts.end(),
                                     [slot](const DMRContact& c) { return c.slot == slot; });
        if (it == m_theirs.contacts.end())
            return;
        ContactEdit edit{it->name, it->dmrID, it->type, it->timeSlotOverride};
        int key = -1;
        const auto at = place<ContactEdit>(
            MergeKind::contact, slot, it->name, edit, m_contacts, ContactRecord::kNameWidth,
            [](ContactEdit& e, const QString& n) { e.name = n; }, key);
        if (at)
            store(applyContactEdit(edit, *at, m_result.image));
        if (key >= 0)
            m_contactMap.insert(slot, key);
    }

    void takeTalkgroup(int index) {
        const auto it = std::find_if(m_theirs.talkgroups.begin(), m_theirs.talkgroups.end(),
                                     [index](const Talkgroup& t) { return t.index == index; });
        if (it == m_theirs.talkgroups.end())
            return;
        TalkgroupEdit edit{it->name, {}};
        for (int slot : it->memberSlots)
            if (m_contactMap.contains(slot))
                edit.memberSlots.append(m_contactMap.value(slot));
        int key = -1;
        const auto at = place<TalkgroupEdit>(
            MergeKind::talkgroup, index, it->name, edit, m_talkgroups, GroupListRecord::kNameWidth,
            [](TalkgroupEdit& e, const QString& n) { e.name = n; }, key);
        if (at)
            store(applyTalkgroupEdit(edit, *at, m_result.image));
        if (key >= 0)
            m_talkgroupMap.insert(index, key);
    }

    // The other codeplug's record with its references turned into this
    // codeplug's slots (a reference to nothing taken is cleared).
    QByteArray channelRecordHere(int position) const {
        QByteArray record = readChannelRecord(position, m_other).value_or(QByteArray());
        if (record.size() != ChannelRecord::kSize)
            return record;
        const int contactOffset = ChannelRecord::kContactOffset;
        const int storedContact =
            std::uint8_t(record[contactOffset]) | (std::uint8_t(record[contactOffset + 1]) << 8);
        const int contact = storedContact == 0 ? -1 : m_contactMap.value(storedContact - 1, -1);
        record[contactOffset] = char((contact + 1) & 0xFF);
        record[contactOffset + 1] = char(((contact + 1) >> 8) & 0xFF);
        const int storedList = std::uint8_t(record[ChannelRecord::kGroupListOffset]);
        const int list = storedList == 0 ? -1 : m_talkgroupMap.value(storedList - 1, -1);
        record[ChannelRecord::kGroupListOffset] = char(list + 1);
        return record;
    }

    void takeChannel(int position) {
        const auto it =
            std::find_if(m_theirChannels.begin(), m_theirChannels.end(),
                         [position](const RadioChannel& c) { return c.number - 1 == position; });
        if (it == m_theirChannels.end())
            return;
        QByteArray record = channelRecordHere(position);
        int key = -1;
        const auto at = place<QByteArray>(
            MergeKind::channel, it->number, it->name, record, m_channels, ChannelRecord::kNameWidth,
            [](QByteArray& r, const QString& n) {
                r.replace(ChannelRecord::kNameOffset, ChannelRecord::kNameWidth,
                          encodeName(n, ChannelRecord::kNameWidth));
            },
            key);
        if (at)
            store(pasteChannelRecord(record, *at, m_result.image));
        if (key >= 0)
            m_channelMap.insert(position, key);
    }

    void takeZone(int index) {
        const auto it = std::find_if(m_theirs.zones.begin(), m_theirs.zones.end(),
                                     [index](const Zone& z) { return z.index == index; });
        if (it == m_theirs.zones.end())
            return;
        ZoneEdit edit{it->name, {}};
        for (int position : it->memberIndices)
            if (m_channelMap.contains(position))
                edit.memberIndices.append(m_channelMap.value(position));
        int key = -1;
        const auto at = place<ZoneEdit>(
            MergeKind::zone, index, it->name, edit, m_zones, ZoneRecord::kNameWidth,
            [](ZoneEdit& e, const QString& n) { e.name = n; }, key);
        if (at)
            store(applyZoneEdit(edit, *at, m_result.image));
    }

    const CodeplugImage& m_other;
    std::array<ClashAnswer, 4> m_answers;
    QList<RadioChannel> m_theirChannels;
    MemberLists m_theirs;
    MergeShelf<ContactEdit> m_contacts;
    MergeShelf<TalkgroupEdit> m_talkgroups;
    MergeShelf<QByteArray> m_channels; // raw records by position
    MergeShelf<ZoneEdit> m_zones;
    // Their key → the key here of every record taken or used.
    QHash<int, int> m_contactMap, m_talkgroupMap, m_channelMap; // channels by position
    CodeplugMerge m_result;
};

} // namespace

CodeplugMerge mergeCodeplug(const CodeplugImage& image, const CodeplugImage& other,
                            const MergeSelection& chosen,
                            const std::array<ClashAnswer, 4>& answers) {
    if (!image.variant || image.variant != other.variant) {
        CodeplugMerge refused;
        refused.image = image;
        refused.refusal = QCoreApplication::translate(
            "CodeplugMerge", "The other codeplug is for another radio family: nothing was taken.");
        return refused;
    }
    return MergeRun(image, other, answers).run(chosen);
}

MergeSelection wholeSelection(const CodeplugImage& other) {
    const QList<RadioChannel> channels = decodeChannels(other);
    const MemberLists lists = decodeMemberLists(other, channels);
    MergeSelection all;
    for (const RadioChannel& c : channels)
        all.channels.append(c.number);
    for (const DMRContact& c : lists.contacts)
        all.contacts.append(c.slot);
    for (const Talkgroup& t : lists.talkgroups)
        all.talkgroups.append(t.index);
    for (const Zone& z : lists.zones)
        all.zones.append(z.index);
    return all;
}

QString freeMergeName(const QString& name, int width, const QStringList& taken) {
    for (int n = 2;; ++n) {
        const QString suffix = QLatin1Char(' ') + QString::number(n);
        const QString candidate = name.left(std::max(0, width - int(suffix.size()))) + suffix;
        if (!taken.contains(candidate))
            return candidate;
    }
}

} // namespace nerka
