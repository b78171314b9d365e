// The document's operations on several channels at once: inserting pasted
// channels after a given one, and storing an edit in many channels, each as
// one undo step.

#include "controller/CodeplugDocument.h"

#include "codeplug/ChannelChecks.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/ZoneCodec.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace nerka {

namespace {

QString pastedRange(int first, qsizetype count) {
    if (count == 1)
        return QString::number(first);
    return QStringLiteral("%1\u2013%2").arg(first).arg(first + int(count) - 1);
}

// Where inserted channels go: the lowest free slots first; one compaction
// then puts every channel where it belongs, renumbering zone members with it.
struct ChannelInsertPlan {
    QList<int> freeSlots; // the slot each new channel is written to
    QList<int> order;     // the slots in their new order
    qsizetype insertAt = 0;
    QHash<int, int> oldToNew; // slot → position after the compaction
};

ChannelInsertPlan planChannelInsert(const QList<RadioChannel>& channels, qsizetype count,
                                    std::optional<int> afterNumber) {
    ChannelInsertPlan plan;
    QSet<int> used;
    for (const RadioChannel& c : channels)
        used.insert(c.number - 1);
    for (int slot = 0; slot < ChannelBank::kTotalChannels && plan.freeSlots.size() < count;
         ++slot) {
        if (!used.contains(slot))
            plan.freeSlots.append(slot);
    }
    plan.order.reserve(channels.size() + count);
    plan.insertAt = channels.size();
    for (const RadioChannel& c : channels) {
        plan.order.append(c.number - 1);
        if (afterNumber && c.number == *afterNumber)
            plan.insertAt = plan.order.size();
    }
    for (qsizetype i = 0; i < count; ++i)
        plan.order.insert(plan.insertAt + i, plan.freeSlots[i]);
    for (qsizetype i = 0; i < plan.order.size(); ++i)
        plan.oldToNew.insert(plan.order[i], int(i));
    return plan;
}

// The zones the new channels join, with their members renumbered as the
// compaction renumbers them; a full zone (`memberLimit`) takes no more, and
// `leftOut` counts the memberships it refused.
QMap<int, ZoneEdit> zonesJoinedByInsert(const QList<Zone>& zones, const QList<QList<int>>& joins,
                                        const ChannelInsertPlan& plan, qsizetype count,
                                        int memberLimit, int& leftOut) {
    QMap<int, ZoneEdit> joined;
    for (qsizetype i = 0; i < count && i < joins.size(); ++i) {
        for (const int index : joins[i]) {
            const auto zone = std::find_if(zones.cbegin(), zones.cend(),
                                           [&](const Zone& z) { return z.index == index; });
            if (zone == zones.cend())
                continue;
            if (!joined.contains(index)) {
                ZoneEdit edit{zone->name, {}};
                for (const int member : zone->memberIndices)
                    edit.memberIndices.append(plan.oldToNew.value(member, member));
                joined.insert(index, edit);
            }
            ZoneEdit& edit = joined[index];
            const int position = int(plan.insertAt + i);
            if (edit.memberIndices.size() >= memberLimit)
                ++leftOut;
            else if (!edit.memberIndices.contains(position))
                edit.memberIndices.append(position);
        }
    }
    return joined;
}

// "3 channels pasted → 5–7; added to 1 zone(s), 2 left out of full zones."
QString channelPasteSummary(qsizetype count, int first, qsizetype zonesJoined, int leftOut) {
    QString summary =
        count == 1
            ? QCoreApplication::translate("nerka::CodeplugDocument", "Channel pasted → %1.")
                  .arg(first)
            : QCoreApplication::translate("nerka::CodeplugDocument", "%1 channels pasted → %2.")
                  .arg(QString::number(count), pastedRange(first, count));
    if (zonesJoined > 0) {
        summary.chop(1);
        summary += QCoreApplication::translate("nerka::CodeplugDocument", "; added to %n zone(s)",
                                               nullptr, int(zonesJoined));
        if (leftOut > 0)
            summary += QCoreApplication::translate("nerka::CodeplugDocument",
                                                   ", %1 left out of full zones")
                           .arg(leftOut);
        summary += QLatin1Char('.');
    }
    return summary;
}

} // namespace

EditResult CodeplugDocument::insertChannelsWith(qsizetype count, std::optional<int> afterNumber,
                                                const ChannelWriter& write,
                                                const QList<QList<int>>& zones) {
    if (auto refused = guard())
        return *refused;
    if (count == 0)
        return EditResult::nothingToDo();
    if (const auto full =
            channelRoomRefusal(count, m_channels.size(),
                               QCoreApplication::translate("nerka::CodeplugDocument", "paste")))
        return EditResult::refused(RefusalKind::full, *full);
    if (afterNumber && !channel(*afterNumber))
        afterNumber.reset();

    const ChannelInsertPlan plan = planChannelInsert(m_channels, count, afterNumber);
    int leftOut = 0;
    const QMap<int, ZoneEdit> joined =
        zonesJoinedByInsert(m_zones, zones, plan, count, zoneMemberLimit(), leftOut);
    const int first = int(plan.insertAt) + 1;
    const QString label =
        count == 1
            ? QCoreApplication::translate("nerka::CodeplugDocument", "Paste channel %1").arg(first)
            : QCoreApplication::translate("nerka::CodeplugDocument", "Paste %1 channels")
                  .arg(count);
    EditResult result = edit(
        label,
        [&](CodeplugImage& image) {
            RegionSet regions;
            for (qsizetype i = 0; i < count; ++i) {
                const RegionSet written = write(i, plan.freeSlots[i], image);
                if (written.empty())
                    return RegionSet{};
                regions.insert(written.begin(), written.end());
            }
            const RegionSet moved = compactChannels(plan.order, plan.oldToNew, image);
            if (moved.empty())
                return RegionSet{};
            regions.insert(moved.begin(), moved.end());
            for (auto it = joined.cbegin(); it != joined.cend(); ++it)
                regions.merge(applyZoneEdit(it.value(), it.key(), image));
            return regions;
        },
        EditRefusal{RefusalKind::invalid,
                    QCoreApplication::translate("nerka::CodeplugDocument",
                                                "The channels could not be pasted.")},
        channelPasteSummary(count, first, joined.size(), leftOut));
    if (result.isDone())
        result.setCreatedKey(first);
    return result;
}

EditResult CodeplugDocument::insertChannelRecordsQuietly(const QList<QByteArray>& records,
                                                         std::optional<int> afterNumber,
                                                         const QList<QList<int>>& zones) {
    return insertChannelsWith(
        records.size(), afterNumber,
        [&](qsizetype i, int position, CodeplugImage& image) {
            return pasteChannelRecord(records[i], position, image);
        },
        zones);
}

EditResult CodeplugDocument::insertChannelsQuietly(const QList<ChannelEdit>& edits,
                                                   std::optional<int> afterNumber,
                                                   const QList<QList<int>>& zones) {
    return insertChannelsWith(
        edits.size(), afterNumber,
        [&](qsizetype i, int position, CodeplugImage& image) {
            RegionSet regions = createBlankChannel(position, image);
            if (regions.empty())
                return regions;
            const RegionSet edited = applyChannelEdit(edits[i], position + 1, image);
            if (edited.empty())
                return RegionSet{};
            regions.insert(edited.begin(), edited.end());
            return regions;
        },
        zones);
}

EditResult
CodeplugDocument::updateChannelsQuietly(const QList<std::pair<int, ChannelEdit>>& edits) {
    if (edits.isEmpty())
        return EditResult::nothingToDo();
    if (auto refused = guard())
        return *refused;
    for (const auto& [number, channelEdit] : edits) {
        if (!channel(number))
            return EditResult::refused(
                RefusalKind::notFound,
                QCoreApplication::translate("nerka::CodeplugDocument",
                                            "Could not locate channel %1 in memory.")
                    .arg(number));
    }
    if (edits.size() == 1) {
        const auto& [number, channelEdit] = edits.first();
        return updateChannelQuietly(number, channelEdit);
    }
    // Counted after the codec ran: an edit that leaves a channel as it was
    // does not count as a change.
    EditResult result = edit(
        QCoreApplication::translate("nerka::CodeplugDocument", "Edit %1 channels")
            .arg(edits.size()),
        [&](CodeplugImage& image) {
            RegionSet regions;
            for (const auto& [number, channelEdit] : edits) {
                const RegionSet written = applyChannelEdit(channelEdit, number, image);
                if (written.empty())
                    return RegionSet{};
                regions.insert(written.begin(), written.end());
            }
            return regions;
        },
        EditRefusal{RefusalKind::notFound,
                    QCoreApplication::translate("nerka::CodeplugDocument",
                                                "The channels could not be changed.")},
        QString());
    if (result.isDone()) {
        const qsizetype changed = result.changes().channels.changed.size();
        m_undo.last().label =
            QCoreApplication::translate("nerka::CodeplugDocument", "Edit %1")
                .arg(changed == 1
                         ? QCoreApplication::translate("nerka::CodeplugDocument", "channel %1")
                               .arg(result.changes().channels.changed.first())
                         : QCoreApplication::translate("nerka::CodeplugDocument", "%1 channels")
                               .arg(changed));
        Q_EMIT undoStateChanged();
        QString summary =
            changed == 1
                ? QCoreApplication::translate("nerka::CodeplugDocument", "Channel %1 changed.")
                      .arg(result.changes().channels.changed.first())
                : QCoreApplication::translate("nerka::CodeplugDocument", "%1 channels changed.")
                      .arg(changed);
        // Typed values are kept outside the radio's bands, with a word.
        const QString outside = outsideChannelsNote(edits, BandLimits::of(m_settings));
        if (!outside.isEmpty()) {
            summary.chop(1);
            summary += QStringLiteral("; ") + outside + QLatin1Char('.');
        }
        result.setSummary(summary);
    }
    return result;
}

EditResult CodeplugDocument::importChannelsIntoZonesQuietly(const QList<ChannelEdit>& edits,
                                                            const QList<QList<int>>& zones) {
    EditResult imported = importChannelsQuietly(edits);
    if (!imported.isDone())
        return imported;
    // The import fills the lowest free slots in the order of the edits, so
    // the added numbers, ascending, are the edits' channels in order.
    const QList<int> added = imported.changes().channels.added;
    QMap<int, QList<int>> joining; // zone index → channel positions
    for (qsizetype i = 0; i < added.size() && i < zones.size(); ++i) {
        for (const int zone : zones[i])
            joining[zone].append(added[i] - 1);
    }
    QList<std::pair<int, ZoneEdit>> zoneEdits;
    int leftOut = 0;
    for (auto it = joining.cbegin(); it != joining.cend(); ++it) {
        const auto zone = std::find_if(m_zones.cbegin(), m_zones.cend(),
                                       [&](const Zone& z) { return z.index == it.key(); });
        if (zone == m_zones.cend())
            continue;
        ZoneEdit zoneEdit{zone->name, zone->memberIndices};
        for (const int position : it.value()) {
            if (zoneEdit.memberIndices.size() >= ZoneRecord::kMemberCount)
                ++leftOut;
            else if (!zoneEdit.memberIndices.contains(position))
                zoneEdit.memberIndices.append(position);
        }
        zoneEdits.append({it.key(), zoneEdit});
    }
    if (zoneEdits.isEmpty())
        return imported;
    const EditResult zoned = edit(
        QString(),
        [&](CodeplugImage& image) {
            RegionSet regions;
            for (const auto& [index, zoneEdit] : zoneEdits)
                regions.merge(applyZoneEdit(zoneEdit, index, image));
            return regions;
        },
        EditRefusal{RefusalKind::notFound,
                    QCoreApplication::translate("nerka::CodeplugDocument",
                                                "The zones could not be changed.")},
        QString());
    if (!zoned.isDone())
        return imported;
    // One step: the import's own step already restores the image before both.
    QList<Step> undo = m_undo;
    undo.removeLast();
    setUndo(std::move(undo), {});
    ChangeSet changes = imported.changes();
    changes.zones = zoned.changes().zones;
    QString summary = imported.summary();
    if (summary.endsWith(QLatin1Char('.')))
        summary.chop(1);
    summary += QCoreApplication::translate("nerka::CodeplugDocument", "; added to %n zone(s)",
                                           nullptr, int(zoneEdits.size()));
    if (leftOut > 0)
        summary +=
            QCoreApplication::translate("nerka::CodeplugDocument", ", %1 left out of full zones")
                .arg(leftOut);
    EditResult result = EditResult::done(changes, summary + QLatin1Char('.'));
    if (imported.createdKey())
        result.setCreatedKey(*imported.createdKey());
    return result;
}

} // namespace nerka
