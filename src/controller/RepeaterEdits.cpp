// Repeaters from a directory become channels, a zone and, for DMR, the
// talkgroup lists they carry: one step.

#include "controller/CodeplugDocument.h"

#include "codeplug/ChannelChecks.h"
#include "codeplug/NameField.h"

#include <QCoreApplication>
#include <QSet>

namespace nerka {

namespace {

// "3 already channels: DB0ZU, DB0MUC, DM0ULM"; the first ten named.
QString namedCount(const QStringList& names, const QString& what) {
    if (names.isEmpty())
        return {};
    QString text = QStringLiteral("%1 %2: %3")
                       .arg(names.size())
                       .arg(what, names.mid(0, 10).join(QStringLiteral(", ")));
    if (names.size() > 10)
        text = QCoreApplication::translate("nerka::CodeplugDocument", "%1 and %2 more")
                   .arg(text, QString::number(names.size() - 10));
    return text;
}

// The repeaters that become channels, and the notes on those left out.
struct RepeaterIntake {
    QList<DirectoryRepeater> kept;
    QList<ChannelEdit> channels;
    QStringList notes;
};

// A channel by what it works: RX, TX and mode.
QString workedKey(std::uint64_t rxHz, std::uint64_t txHz, bool isDMR) {
    return QStringLiteral("%1/%2/%3").arg(rxHz).arg(txHz).arg(isDMR);
}

// Leaves out the repeaters that already are channels (or come twice) and
// those outside the bands; names them, and those whose offset's sign was
// guessed.
RepeaterIntake screenRepeaters(const QList<DirectoryRepeater>& repeaters,
                               const QList<RadioChannel>& present,
                               const std::optional<BandLimits>& bands) {
    QSet<QString> existing;
    for (const RadioChannel& channel : present)
        existing.insert(workedKey(channel.rxHz, channel.txHz, channel.isDMR()));
    RepeaterIntake intake;
    QStringList already;
    QStringList outside;
    QStringList guessed;
    for (const DirectoryRepeater& repeater : repeaters) {
        const ChannelEdit& c = repeater.channel;
        const QString key = workedKey(c.rxHz, c.txHz, c.isDMR);
        if (existing.contains(key)) {
            already.append(repeater.callsign);
            continue;
        }
        if (const auto out = frequencyOutsideBands(c, bands)) {
            outside.append(QStringLiteral("%1 %2 %3")
                               .arg(repeater.callsign, out->field, shortMegahertzText(out->hz)));
            continue;
        }
        existing.insert(key); // the same repeater twice in a list is one channel
        if (repeater.offsetSignGuessed)
            guessed.append(repeater.callsign);
        intake.kept.append(repeater);
        intake.channels.append(c);
    }
    intake.notes = QStringList{
        namedCount(already,
                   QCoreApplication::translate("nerka::CodeplugDocument", "already channels")),
        bands ? namedCount(outside, outsideBandsText(*bands)) : QString(),
        namedCount(guessed,
                   QCoreApplication::translate("nerka::CodeplugDocument",
                                               "with the offset's sign from the band plan"))};
    intake.notes.removeAll(QString());
    return intake;
}

} // namespace

EditResult CodeplugDocument::addRepeaters(const QList<DirectoryRepeater>& repeaters,
                                          const QString& zoneName) {
    return announce(addRepeatersQuietly(repeaters, zoneName));
}

EditResult CodeplugDocument::addRepeatersQuietly(const QList<DirectoryRepeater>& repeaters,
                                                 const QString& zoneName) {
    if (auto refused = guard())
        return *refused;
    RepeaterIntake intake = screenRepeaters(repeaters, m_channels, BandLimits::of(m_settings));
    QList<ChannelEdit>& channels = intake.channels;
    const QList<DirectoryRepeater>& kept = intake.kept;
    QStringList& notes = intake.notes;
    if (channels.isEmpty())
        return EditResult::refused(
            RefusalKind::invalid,
            notes.isEmpty()
                ? QCoreApplication::translate("nerka::CodeplugDocument", "No repeaters to add.")
                : QCoreApplication::translate("nerka::CodeplugDocument", "No repeaters added: %1.")
                      .arg(notes.join(QStringLiteral("; "))));
    if (const auto full =
            channelRoomRefusal(channels.size(), m_channels.size(),
                               QCoreApplication::translate("nerka::CodeplugDocument", "add")))
        return EditResult::refused(RefusalKind::full, *full);

    return asOneStep(
        QCoreApplication::translate("nerka::CodeplugDocument", "Add %1 repeaters")
            .arg(channels.size()),
        [&]() -> std::optional<EditResult> {
            if (auto refused = addRepeaterTalkgroups(kept, channels, notes))
                return refused;
            QSet<int> before;
            for (const RadioChannel& channel : m_channels)
                before.insert(channel.number);
            if (const EditResult added = importChannelsQuietly(channels); added.isRefused())
                return added;
            // The import fills the lowest free numbers in the order given.
            QList<int> numbers;
            for (const RadioChannel& channel : m_channels) {
                if (!before.contains(channel.number))
                    numbers.append(channel.number);
            }
            if (zoneName.trimmed().isEmpty())
                return std::nullopt;
            const QString stored = storedName(zoneName.trimmed(), ZoneRecord::kNameWidth);
            const auto zone = std::find_if(m_zones.cbegin(), m_zones.cend(),
                                           [&](const Zone& z) { return z.name == stored; });
            const EditResult joined = zone != m_zones.cend()
                                          ? setZoneMembershipQuietly(zone->index, numbers, true)
                                          : createZoneFromChannelsQuietly(stored, numbers);
            if (joined.isRefused())
                return joined;
            return std::nullopt;
        },
        [&](bool) {
            QString summary = QCoreApplication::translate("nerka::CodeplugDocument",
                                                          "%1 repeaters added as channels")
                                  .arg(channels.size());
            if (!zoneName.trimmed().isEmpty())
                summary = QCoreApplication::translate("nerka::CodeplugDocument", "%1 in zone '%2'")
                              .arg(summary, storedName(zoneName.trimmed(), ZoneRecord::kNameWidth));
            if (!notes.isEmpty())
                summary += QStringLiteral("; ") + notes.join(QStringLiteral("; "));
            return EditResult::done(wholeCodeplug(), summary + u'.');
        });
}

std::optional<EditResult>
CodeplugDocument::addRepeaterTalkgroups(const QList<DirectoryRepeater>& repeaters,
                                        QList<ChannelEdit>& channels, QStringList& notes) {
    // Contacts by ID: a group contact with the talkgroup's ID is reused.
    QHash<std::uint32_t, int> slotOfId;
    for (const DMRContact& contact : m_contacts) {
        if (contact.type == ContactType::group && !slotOfId.contains(contact.dmrID))
            slotOfId.insert(contact.dmrID, contact.slot);
    }
    QList<ContactEdit> newContacts;
    QSet<std::uint32_t> wanted;
    for (const DirectoryRepeater& repeater : repeaters) {
        for (const RepeaterTalkgroup& talkgroup : repeater.talkgroups) {
            if (!repeater.channel.isDMR || slotOfId.contains(talkgroup.id) ||
                wanted.contains(talkgroup.id))
                continue;
            wanted.insert(talkgroup.id);
            newContacts.append({talkgroup.name.isEmpty() ? QStringLiteral("TG %1").arg(talkgroup.id)
                                                         : talkgroup.name,
                                talkgroup.id, ContactType::group, TimeSlotOverride::none});
        }
    }
    if (!newContacts.isEmpty()) {
        if (const EditResult added = importContactsQuietly(newContacts); added.isRefused())
            return added;
        for (const DMRContact& contact : m_contacts) {
            if (contact.type == ContactType::group && !slotOfId.contains(contact.dmrID))
                slotOfId.insert(contact.dmrID, contact.slot);
        }
    }
    QStringList noRoom;
    const int limit = talkgroupMemberLimit();
    for (qsizetype i = 0; i < repeaters.size(); ++i) {
        const DirectoryRepeater& repeater = repeaters[i];
        if (!repeater.channel.isDMR || repeater.talkgroups.isEmpty())
            continue;
        const auto index = freeTalkgroupIndex();
        if (!index) {
            noRoom.append(repeater.callsign);
            continue;
        }
        TalkgroupEdit list{storedName(repeater.callsign, GroupListRecord::kNameWidth), {}};
        for (const RepeaterTalkgroup& talkgroup : repeater.talkgroups) {
            const int slot = slotOfId.value(talkgroup.id, -1);
            if (slot >= 0 && !list.memberSlots.contains(slot) && list.memberSlots.size() < limit)
                list.memberSlots.append(slot);
        }
        if (const EditResult stored = updateTalkgroupQuietly(*index, list); stored.isRefused())
            return stored;
        channels[i].groupListIndex = *index;
        channels[i].contactSlot = slotOfId.value(repeater.talkgroups.first().id);
        channels[i].timeSlotTS2 = repeater.talkgroups.first().timeSlot == 2;
    }
    if (!noRoom.isEmpty())
        notes.append(namedCount(
            noRoom, QCoreApplication::translate("nerka::CodeplugDocument",
                                                "without a talkgroup list (the table is full)")));
    return std::nullopt;
}

} // namespace nerka
