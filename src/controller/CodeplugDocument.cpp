#include "controller/CodeplugDocument.h"

#include "codeplug/AprsCodec.h"
#include "codeplug/ChannelChecks.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/Megahertz.h"
#include "codeplug/MemberLists.h"
#include "satellites/SatelliteCodec.h"

#include <QSet>

#include <algorithm>

namespace nerka {

namespace {

QString noCodeplugLoadedText() {
    return QCoreApplication::translate("nerka::CodeplugDocument", "No codeplug loaded.");
}

// A channel's log line with the band warning of a value typed outside the
// radio's bands: "Channel 5 changed: 6m Call (RX 52.52500); RX 52.525 MHz
// outside this radio's bands (…)."
QString withBandWarning(QString summary, const QString& warning) {
    if (warning.isEmpty())
        return summary;
    if (summary.endsWith(QLatin1Char('.')))
        summary.chop(1);
    return summary + QStringLiteral("; ") + warning + QLatin1Char('.');
}

QString channelFullText() {
    return QCoreApplication::translate("nerka::CodeplugDocument",
                                       "Channel memory is full (max %1).")
        .arg(ChannelBank::kTotalChannels);
}

EditRefusal notLocated(const char* what, long long number) {
    return {
        RefusalKind::notFound,
        QCoreApplication::translate("nerka::CodeplugDocument", "Could not locate %1 %2 in memory.")
            .arg(QCoreApplication::translate("nerka::CodeplugDocument", what),
                 QString::asprintf("%lld", number))};
}

std::optional<int> lowestFree(const QSet<int>& used, int capacity) {
    for (int candidate = 0; candidate < capacity; ++candidate)
        if (!used.contains(candidate))
            return candidate;
    return std::nullopt;
}

// Keys added, removed and changed between two lists sorted by ascending key.
template <typename T, typename KeyFn>
RecordChanges diffByKey(const QList<T>& before, const QList<T>& after, KeyFn key) {
    RecordChanges changes;
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < before.size() || j < after.size()) {
        if (j >= after.size() || (i < before.size() && key(before[i]) < key(after[j]))) {
            changes.removed.append(key(before[i++]));
        } else if (i >= before.size() || key(after[j]) < key(before[i])) {
            changes.added.append(key(after[j++]));
        } else {
            if (!(before[i] == after[j]))
                changes.changed.append(key(after[j]));
            ++i;
            ++j;
        }
    }
    return changes;
}

bool sameSatellites(QList<Satellite> a, const QList<Satellite>& b) {
    // Satellites get a fresh id on every decode; only their contents count.
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        a[i].id = b[i].id;
    return a == b;
}

int channelNumber(const RadioChannel& c) {
    return c.number;
}
int contactSlot(const DMRContact& c) {
    return c.slot;
}
int talkgroupIndex(const Talkgroup& t) {
    return t.index;
}
int zoneIndex(const Zone& z) {
    return z.index;
}

// The moves of a reorder: old key → new key for every record whose key changed.
QList<std::pair<int, int>> movesOf(const QList<int>& oldKeys, int firstKey) {
    QList<std::pair<int, int>> moved;
    for (qsizetype i = 0; i < oldKeys.size(); ++i)
        if (oldKeys[i] != firstKey + int(i))
            moved.append({oldKeys[i], firstKey + int(i)});
    return moved;
}

QString plural(qsizetype count, const char* one, const char* many) {
    return QString::number(count) + QLatin1Char(' ') +
           QCoreApplication::translate("nerka::CodeplugDocument", count == 1 ? one : many);
}

} // namespace

CodeplugDocument::CodeplugDocument(QObject* parent) : QObject(parent) {}

std::optional<RadioChannel> CodeplugDocument::channel(int number) const {
    const auto it = std::lower_bound(m_channels.begin(), m_channels.end(), number,
                                     [](const RadioChannel& c, int n) { return c.number < n; });
    if (it == m_channels.end() || it->number != number)
        return std::nullopt;
    return *it;
}

QString CodeplugDocument::undoLabel() const {
    return m_undo.isEmpty() ? QString() : m_undo.last().label;
}

QString CodeplugDocument::redoLabel() const {
    return m_redo.isEmpty() ? QString() : m_redo.last().label;
}

// ---- whole codeplug ----

void CodeplugDocument::load(const CodeplugImage& image, const DecodedImage& decoded) {
    m_image = image;
    m_channels = decoded.channels;
    m_contacts = decoded.contacts;
    m_talkgroups = decoded.talkgroups;
    m_zones = decoded.zones;
    m_aprsSystems = decodeAprsSystems(image);
    m_settings = decodeDeviceSettings(image);
    m_dayTheme = decodeTheme(ThemeKind::day, image);
    m_nightTheme = decodeTheme(ThemeKind::night, image);
    m_satellites = decodeSatellites(image).value_or(QList<Satellite>{});
    m_marked.clear();
    m_new = false;
    setUndo({}, {});
    recomputeDirty();
    Q_EMIT imageChanged();
    ChangeSet all;
    all.replaced = true;
    Q_EMIT recordsChanged(all);
}

void CodeplugDocument::loadNew(const CodeplugImage& image, const DecodedImage& decoded) {
    load(image, decoded);
    m_new = true;
}

void CodeplugDocument::adoptWritten(const CodeplugImage& sent) {
    m_new = false;
    if (!m_image || m_image->regions != sent.regions || *m_image == sent)
        return;
    // Not an edit of the user's: no undo step; the steps before it stay.
    (void)replaceImage(sent);
}

void CodeplugDocument::setBaseline(const CodeplugImage& image, std::optional<std::uint32_t> radio) {
    m_baseline = image;
    m_baselineRadio = radio;
    m_marked.clear();
    recomputeDirty();
}

void CodeplugDocument::markWritten(const CodeplugImage& sent, const RegionSet& regions,
                                   std::optional<std::uint32_t> radio) {
    const bool otherRadio = radio && m_baselineRadio && *radio != *m_baselineRadio;
    if (radio)
        m_baselineRadio = radio;
    if (!m_baseline || otherRadio || m_baseline->regions != sent.regions) {
        // Nothing was known of the other regions: they stay unknown.
        CodeplugImage unknown = sent;
        for (QByteArray& blob : unknown.blobs)
            blob = QByteArray();
        m_baseline = unknown;
    }
    for (int index : regions) {
        if (index >= 0 && index < sent.blobs.size()) {
            m_baseline->blobs[index] = sent.blobs[index];
            m_marked.erase(index);
        }
    }
    recomputeDirty();
}

void CodeplugDocument::forgetBaseline() {
    m_baseline.reset();
    m_baselineRadio.reset();
    recomputeDirty();
}

void CodeplugDocument::markRegionsChanged(const RegionSet& regions) {
    if (!m_image)
        return;
    for (int index : regions)
        if (index >= 0 && index < m_image->regions.size())
            m_marked.insert(index);
    recomputeDirty();
}

void CodeplugDocument::writeOnly(const RegionSet& regions) {
    if (!m_image)
        return;
    m_baseline = m_image;
    m_marked.clear();
    markRegionsChanged(regions);
}

void CodeplugDocument::recomputeDirty() {
    RegionSet dirty;
    if (m_image) {
        const bool comparable = m_baseline && m_baseline->regions == m_image->regions &&
                                m_baseline->blobs.size() == m_image->blobs.size();
        for (qsizetype i = 0; i < m_image->blobs.size(); ++i) {
            const bool differs = !comparable || m_baseline->blobs[i].isNull() ||
                                 m_baseline->blobs[i] != m_image->blobs[i];
            if (differs || m_marked.count(int(i)))
                dirty.insert(int(i));
        }
    }
    if (dirty == m_dirty)
        return;
    m_dirty = std::move(dirty);
    Q_EMIT dirtyRegionsChanged();
}

void CodeplugDocument::setUndo(QList<Step> undo, QList<Step> redo) {
    const bool changed = m_undo.size() != undo.size() || m_redo.size() != redo.size() ||
                         undoLabel() != (undo.isEmpty() ? QString() : undo.last().label) ||
                         redoLabel() != (redo.isEmpty() ? QString() : redo.last().label);
    m_undo = std::move(undo);
    m_redo = std::move(redo);
    if (changed)
        Q_EMIT undoStateChanged();
}

// ---- the edit frame ----

std::optional<EditResult> CodeplugDocument::guard() const {
    if (!m_image)
        return EditResult::silentlyRefused(RefusalKind::noCodeplug, noCodeplugLoadedText());
    if (m_busy)
        return EditResult::refused(RefusalKind::busy, transferBusyText());
    return std::nullopt;
}

ChangeSet CodeplugDocument::replaceImage(const CodeplugImage& changed) {
    ChangeSet changes;
    m_image = changed;
    QList<RadioChannel> channels = decodeChannels(changed);
    MemberLists lists = decodeMemberLists(changed, channels);
    changes.channels = diffByKey(m_channels, channels, channelNumber);
    changes.contacts = diffByKey(m_contacts, lists.contacts, contactSlot);
    changes.talkgroups = diffByKey(m_talkgroups, lists.talkgroups, talkgroupIndex);
    changes.zones = diffByKey(m_zones, lists.zones, zoneIndex);
    m_channels = std::move(channels);
    m_contacts = std::move(lists.contacts);
    m_talkgroups = std::move(lists.talkgroups);
    m_zones = std::move(lists.zones);

    QStringList aprs = decodeAprsSystems(changed);
    changes.aprsSystems = aprs != m_aprsSystems;
    m_aprsSystems = std::move(aprs);
    auto settings = decodeDeviceSettings(changed);
    changes.settings = settings != m_settings;
    m_settings = std::move(settings);
    auto day = decodeTheme(ThemeKind::day, changed);
    changes.dayTheme = day != m_dayTheme;
    m_dayTheme = std::move(day);
    auto night = decodeTheme(ThemeKind::night, changed);
    changes.nightTheme = night != m_nightTheme;
    m_nightTheme = std::move(night);
    QList<Satellite> satellites = decodeSatellites(changed).value_or(QList<Satellite>{});
    changes.satellites = !sameSatellites(satellites, m_satellites);
    if (changes.satellites)
        m_satellites = std::move(satellites);

    recomputeDirty();
    Q_EMIT imageChanged();
    if (!changes.isEmpty())
        Q_EMIT recordsChanged(changes);
    return changes;
}

EditResult CodeplugDocument::edit(const QString& label, const Codec& codec,
                                  const EditRefusal& failure, const QString& summary) {
    if (auto refused = guard())
        return *refused;
    CodeplugImage changed = *m_image;
    const RegionSet written = codec(changed);
    if (written.empty())
        return EditResult::refused(failure.kind, failure.text);
    const bool differs = std::any_of(written.begin(), written.end(), [&](int index) {
        return changed.blobs.value(index) != m_image->blobs.value(index);
    });
    if (!differs)
        return EditResult::nothingToDo();
    QList<Step> undo = m_undo;
    undo.append(Step{label, *m_image});
    if (undo.size() > kUndoLimit)
        undo.removeFirst();
    setUndo(std::move(undo), {});
    return EditResult::done(replaceImage(changed), summary);
}

EditResult CodeplugDocument::asOneStep(const QString& label,
                                       const std::function<std::optional<EditResult>()>& steps,
                                       const std::function<EditResult(bool changed)>& finish) {
    const CodeplugImage before = *m_image;
    const QList<Step> undo = m_undo;
    const QList<Step> redo = m_redo;
    const std::optional<EditResult> refusal = steps();
    const bool changed = m_image->blobs != before.blobs;
    if (refusal) {
        // Nothing half-applied stays: the codeplug and its undo steps are as
        // they were before.
        if (changed)
            replaceImage(before);
        setUndo(undo, redo);
        return *refusal;
    }
    // One undo step for the whole; none when nothing differs.
    QList<Step> kept = undo;
    if (changed) {
        kept.append(Step{label, before});
        if (kept.size() > kUndoLimit)
            kept.removeFirst();
    }
    setUndo(std::move(kept), changed ? QList<Step>{} : redo);
    return finish(changed);
}

ChangeSet CodeplugDocument::wholeCodeplug() {
    ChangeSet changes;
    changes.replaced = true;
    return changes;
}

EditResult CodeplugDocument::restore(QList<Step>& from, QList<Step>& to, const QString& verb) {
    if (auto refused = guard())
        return *refused;
    if (from.isEmpty())
        return EditResult::nothingToDo();
    QList<Step> source = from;
    QList<Step> target = to;
    const Step step = source.takeLast();
    target.append(Step{step.label, *m_image});
    if (&from == &m_undo)
        setUndo(std::move(source), std::move(target));
    else
        setUndo(std::move(target), std::move(source));
    return EditResult::done(replaceImage(step.image),
                            verb + QStringLiteral(": ") + step.label + QLatin1Char('.'));
}

EditResult CodeplugDocument::undoQuietly() {
    return restore(m_undo, m_redo, tr("Undo"));
}

EditResult CodeplugDocument::redoQuietly() {
    return restore(m_redo, m_undo, tr("Redo"));
}

// ---- channels ----

std::optional<int> CodeplugDocument::freeChannelSlot(const QSet<int>& taken) const {
    QSet<int> used = taken;
    for (const RadioChannel& channel : m_channels)
        used.insert(channel.number - 1);
    return lowestFree(used, ChannelBank::kTotalChannels);
}

EditResult CodeplugDocument::updateChannelQuietly(int number, const ChannelEdit& edit) {
    return this->edit(
        tr("Edit channel %1").arg(number),
        [&](CodeplugImage& image) { return applyChannelEdit(edit, number, image); },
        notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"), number),
        withBandWarning(tr("Channel %1 changed: %2 (RX %3)")
                            .arg(QString::number(number), storedChannelName(edit.name),
                                 megahertzText(edit.rxHz)),
                        channelBandWarning(edit, BandLimits::of(m_settings))));
}

EditResult CodeplugDocument::createChannelQuietly() {
    if (auto refused = guard())
        return *refused;
    const auto slot = freeChannelSlot({});
    if (!slot)
        return EditResult::refused(RefusalKind::full, channelFullText());
    const int number = *slot + 1;
    EditResult result = edit(
        tr("New channel %1").arg(number),
        [&](CodeplugImage& image) { return createBlankChannel(*slot, image); },
        notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"), number),
        tr("Channel %1 created.").arg(number));
    if (result.isDone())
        result.setCreatedKey(number);
    return result;
}

EditResult CodeplugDocument::addChannelQuietly(const ChannelEdit& channelEdit) {
    if (auto refused = guard())
        return *refused;
    const auto slot = freeChannelSlot({});
    if (!slot)
        return EditResult::refused(RefusalKind::full, channelFullText());
    const int number = *slot + 1;
    EditResult result = edit(
        tr("New channel %1").arg(number),
        [&](CodeplugImage& image) {
            RegionSet regions = createBlankChannel(*slot, image);
            if (regions.empty())
                return regions;
            const RegionSet edited = applyChannelEdit(channelEdit, number, image);
            if (edited.empty())
                return RegionSet{};
            regions.insert(edited.begin(), edited.end());
            return regions;
        },
        notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"), number),
        withBandWarning(tr("Channel %1 created: %2 (RX %3)")
                            .arg(QString::number(number), storedChannelName(channelEdit.name),
                                 megahertzText(channelEdit.rxHz)),
                        channelBandWarning(channelEdit, BandLimits::of(m_settings))));
    if (result.isDone())
        result.setCreatedKey(number);
    return result;
}

EditResult CodeplugDocument::importChannelsQuietly(const QList<ChannelEdit>& edits) {
    if (auto refused = guard())
        return *refused;
    if (edits.isEmpty())
        return EditResult::refused(RefusalKind::invalid, tr("Nichts zu importieren."));
    // All rows or none: a part of a list would leave the user to find out
    // which rows are missing.
    if (const auto full = channelRoomRefusal(edits.size(), m_channels.size(), tr("import")))
        return EditResult::refused(RefusalKind::full, *full);
    int placed = 0;
    std::optional<int> first;
    std::optional<int> unwritableSlot;
    const auto codec = [&](CodeplugImage& image) {
        QSet<int> taken;
        RegionSet regions;
        for (const ChannelEdit& channelEdit : edits) {
            const auto slot = freeChannelSlot(taken);
            if (!slot)
                break; // not reached: the room was checked above
            const RegionSet blank = createBlankChannel(*slot, image);
            if (blank.empty()) {
                // The image has no room where the layout puts this slot;
                // counting it as imported would report a channel that does
                // not exist.
                unwritableSlot = *slot;
                break;
            }
            taken.insert(*slot);
            regions.insert(blank.begin(), blank.end());
            regions.merge(applyChannelEdit(channelEdit, *slot + 1, image));
            if (!first)
                first = *slot + 1;
            ++placed;
        }
        return placed > 0 ? regions : RegionSet{};
    };
    // The label and summary need the count, known only after the codec ran:
    // the frame gets placeholders that are filled in below.
    EditResult result = edit(QString(), codec, EditRefusal{}, QString());
    if (result.isRefused()) {
        if (unwritableSlot)
            return EditResult::refused(
                RefusalKind::notFound,
                notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"),
                           *unwritableSlot + 1)
                    .text);
        return EditResult::refused(RefusalKind::full, tr("Channel memory is full."));
    }
    if (result.isDone()) {
        m_undo.last().label =
            tr("Import %1")
                .arg(plural(placed, QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"),
                            QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channels")));
        Q_EMIT undoStateChanged();
        result.setSummary(tr("%1 channels imported.").arg(placed));
        result.setCreatedKey(*first);
    }
    return result;
}

EditResult CodeplugDocument::pasteChannelQuietly(const QByteArray& record) {
    if (auto refused = guard())
        return *refused;
    const auto slot = freeChannelSlot({});
    if (!slot)
        return EditResult::refused(RefusalKind::full, channelFullText());
    const int number = *slot + 1;
    EditResult result = edit(
        tr("Paste channel %1").arg(number),
        [&](CodeplugImage& image) { return pasteChannelRecord(record, *slot, image); },
        EditRefusal{RefusalKind::invalid, tr("The clipboard holds no channel record.")},
        tr("Channel pasted → %1.").arg(number));
    if (result.isDone())
        result.setCreatedKey(number);
    return result;
}

EditResult CodeplugDocument::duplicateChannelQuietly(int original) {
    if (auto refused = guard())
        return *refused;
    const auto record =
        channel(original) ? readChannelRecord(original - 1, *m_image) : std::optional<QByteArray>{};
    if (!record)
        return EditResult::refused(
            RefusalKind::notFound,
            notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"), original).text);
    const auto slot = freeChannelSlot({});
    if (!slot)
        return EditResult::refused(RefusalKind::full, channelFullText());
    const int number = *slot + 1;
    EditResult result = edit(
        tr("Duplicate channel %1").arg(original),
        [&](CodeplugImage& image) { return pasteChannelRecord(*record, *slot, image); },
        notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"), number),
        tr("Channel %1 duplicated → %2.").arg(original).arg(number));
    if (result.isDone())
        result.setCreatedKey(number);
    return result;
}

EditResult CodeplugDocument::deleteChannelsQuietly(const QList<int>& numbers) {
    if (auto refused = guard())
        return *refused;
    QSet<int> positions;
    for (int number : numbers) {
        if (!channel(number))
            return EditResult::refused(
                RefusalKind::notFound,
                notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"), number).text);
        positions.insert(number - 1);
    }
    if (positions.isEmpty())
        return EditResult::nothingToDo();
    // Zones that list a deleted channel lose that member; otherwise the slot's
    // next channel would silently join them.
    QList<std::pair<int, ZoneEdit>> zoneEdits;
    for (const Zone& zone : m_zones) {
        ZoneEdit zoneEdit{zone.name, {}};
        for (int member : zone.memberIndices)
            if (!positions.contains(member))
                zoneEdit.memberIndices.append(member);
        if (zoneEdit.memberIndices.size() != zone.memberIndices.size())
            zoneEdits.append({zone.index, zoneEdit});
    }
    const qsizetype count = positions.size();
    const int single = count == 1 ? *positions.begin() + 1 : 0;
    QString summary =
        count == 1 ? tr("Channel %1 deleted").arg(single) : tr("%1 channels deleted").arg(count);
    if (!zoneEdits.isEmpty())
        summary += tr("; removed from %n zone(s)", nullptr, int(zoneEdits.size()));
    summary += QLatin1Char('.');
    return edit(
        count == 1 ? tr("Delete channel %1").arg(single) : tr("Delete %1 channels").arg(count),
        [&](CodeplugImage& image) {
            RegionSet regions;
            for (int position : positions) {
                const RegionSet cleared = clearChannelSlot(position, image);
                if (cleared.empty())
                    return RegionSet{};
                regions.insert(cleared.begin(), cleared.end());
            }
            for (const auto& [index, zoneEdit] : zoneEdits)
                regions.merge(applyZoneEdit(zoneEdit, index, image));
            return regions;
        },
        notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"),
                   count == 1 ? single : numbers.first()),
        summary);
}

EditResult CodeplugDocument::reorderChannelsQuietly(const QList<int>& numbers) {
    if (auto refused = guard())
        return *refused;
    // `order`: the old slots in their new order. `oldToNew`: every old slot up
    // to the highest listed one, mapped to its new position; unlisted slots
    // map to themselves, so zone members naming them keep their value.
    QList<int> order;
    order.reserve(numbers.size());
    int highestOld = -1;
    for (int number : numbers) {
        order.append(number - 1);
        highestOld = std::max(highestOld, number - 1);
    }
    QHash<int, int> oldToNew;
    for (int slot = 0; slot <= highestOld; ++slot)
        oldToNew.insert(slot, slot);
    for (qsizetype i = 0; i < order.size(); ++i)
        oldToNew.insert(order[i], int(i));
    EditResult result = edit(
        tr("Reorder channels"),
        [&](CodeplugImage& image) { return compactChannels(order, oldToNew, image); },
        EditRefusal{RefusalKind::notFound, tr("The channels could not be reordered.")},
        tr("Channels reordered."));
    if (result.isDone()) {
        ChangeSet changes = result.changes();
        changes.channels.moved = movesOf(numbers, 1);
        EditResult withMoves = EditResult::done(changes, result.summary());
        return withMoves;
    }
    return result;
}

// ---- contacts ----

std::optional<int> CodeplugDocument::freeContactSlot() const {
    if (!m_image)
        return std::nullopt;
    QSet<int> used;
    for (const DMRContact& contact : m_contacts)
        used.insert(contact.slot);
    return lowestFree(used, kContactCapacity);
}

EditResult CodeplugDocument::importContactsQuietly(const QList<ContactEdit>& edits) {
    if (auto refused = guard())
        return *refused;
    if (edits.isEmpty())
        return EditResult::refused(RefusalKind::invalid, tr("No contacts to import."));
    QSet<int> used;
    for (const DMRContact& contact : m_contacts)
        used.insert(contact.slot);
    QList<int> slots;
    for (int slot = 0; slot < kContactCapacity && slots.size() < edits.size(); ++slot) {
        if (!used.contains(slot))
            slots.append(slot);
    }
    // Part of a list would leave the user to find out which contacts are missing.
    if (slots.size() < edits.size())
        return EditResult::refused(RefusalKind::full,
                                   tr("Contact memory is full (max %1): %2 to import, %3 free.")
                                       .arg(kContactCapacity)
                                       .arg(edits.size())
                                       .arg(slots.size()));
    const QString what =
        plural(edits.size(), QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contact"),
               QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contacts"));
    return edit(
        tr("Import %1").arg(what),
        [&](CodeplugImage& image) {
            RegionSet regions;
            for (qsizetype i = 0; i < edits.size(); ++i)
                regions.merge(applyContactEdit(edits[i], slots[i], image));
            return regions;
        },
        notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contact"), slots.last() + 1LL),
        tr("%1 imported.").arg(what));
}

EditResult CodeplugDocument::updateContactQuietly(int slot, const ContactEdit& contactEdit) {
    const bool isNew = std::none_of(m_contacts.begin(), m_contacts.end(),
                                    [&](const DMRContact& c) { return c.slot == slot; });
    // One substitution pass, so a "%n" typed into a name stays as typed.
    return edit(
        (isNew ? tr("New contact %1") : tr("Edit contact %1")).arg(slot + 1),
        [&](CodeplugImage& image) { return applyContactEdit(contactEdit, slot, image); },
        notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contact"), slot + 1LL),
        tr("Contact %1 changed: %2 (ID %3)")
            .arg(QString::number(slot + 1), contactEdit.name, QString::number(contactEdit.dmrID)));
}

RecordReferences CodeplugDocument::referencesToContact(int slot) const {
    RecordReferences refs;
    for (const RadioChannel& c : m_channels)
        refs.channels += c.contactIndex == slot ? 1 : 0;
    for (const Talkgroup& t : m_talkgroups)
        refs.talkgroups += t.memberSlots.contains(slot) ? 1 : 0;
    return refs;
}

EditResult CodeplugDocument::deleteContactQuietly(int slot) {
    if (auto refused = guard())
        return *refused;
    const auto contact = std::find_if(m_contacts.begin(), m_contacts.end(),
                                      [&](const DMRContact& c) { return c.slot == slot; });
    if (contact == m_contacts.end())
        return EditResult::refused(
            RefusalKind::notFound,
            notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contact"), slot + 1LL).text);
    const RecordReferences refs = referencesToContact(slot);
    QList<std::pair<int, TalkgroupEdit>> groupEdits;
    for (const Talkgroup& talkgroup : m_talkgroups) {
        if (!talkgroup.memberSlots.contains(slot))
            continue;
        TalkgroupEdit groupEdit{talkgroup.name, talkgroup.memberSlots};
        groupEdit.memberSlots.removeAll(slot);
        groupEdits.append({talkgroup.index, groupEdit});
    }
    QString summary = tr("Contact %1 deleted").arg(slot + 1);
    if (refs.any())
        summary += tr("; cleared from %1 channel(s) and %2 talkgroup(s)")
                       .arg(refs.channels)
                       .arg(refs.talkgroups);
    summary += QLatin1Char('.');
    return edit(
        tr("Delete contact %1").arg(slot + 1),
        [&](CodeplugImage& image) {
            RegionSet regions = clearContact(slot, image);
            if (regions.empty())
                return regions;
            regions.merge(remapChannelReferences(ChannelRecord::kContactOffset, 2,
                                                 {{slot, kClearedReference}}, image));
            for (const auto& [index, groupEdit] : groupEdits)
                regions.merge(applyTalkgroupEdit(groupEdit, index, image));
            return regions;
        },
        notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contact"), slot + 1LL), summary);
}

EditResult CodeplugDocument::reorderContactsQuietly(const QList<int>& slots) {
    EditResult result = edit(
        tr("Reorder contacts"), [&](CodeplugImage& image) { return compactContacts(slots, image); },
        EditRefusal{RefusalKind::notFound, tr("The contacts could not be reordered.")},
        tr("Contacts reordered."));
    if (!result.isDone())
        return result;
    ChangeSet changes = result.changes();
    changes.contacts.moved = movesOf(slots, 0);
    return EditResult::done(changes, result.summary());
}

// ---- talkgroups ----

std::optional<int> CodeplugDocument::freeTalkgroupIndex() const {
    if (!m_image)
        return std::nullopt;
    QSet<int> used;
    for (const Talkgroup& talkgroup : m_talkgroups)
        used.insert(talkgroup.index);
    return lowestFree(used, kTalkgroupCapacity);
}

EditResult CodeplugDocument::updateTalkgroupQuietly(int index, const TalkgroupEdit& groupEdit) {
    // The codec keeps only as many members as the list holds: more would be
    // dropped without a word.
    if (const int limit = talkgroupMemberLimit(); groupEdit.memberSlots.size() > limit)
        return EditResult::refused(RefusalKind::full,
                                   tr("Talkgroup '%1' holds at most %2 contacts, not %3.")
                                       .arg(groupEdit.name, QString::number(limit),
                                            QString::number(groupEdit.memberSlots.size())));
    const bool isNew = std::none_of(m_talkgroups.begin(), m_talkgroups.end(),
                                    [&](const Talkgroup& t) { return t.index == index; });
    return edit((isNew ? tr("New talkgroup %1") : tr("Edit talkgroup %1")).arg(index + 1),
                [&](CodeplugImage& image) { return applyTalkgroupEdit(groupEdit, index, image); },
                notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "talkgroup"), index + 1LL),
                tr("Talkgroup %1 changed: %2 (%3 contacts)")
                    .arg(QString::number(index + 1), groupEdit.name,
                         QString::number(groupEdit.memberSlots.size())));
}

RecordReferences CodeplugDocument::referencesToTalkgroup(int index) const {
    RecordReferences refs;
    for (const RadioChannel& c : m_channels)
        refs.channels += c.groupListIndex == index ? 1 : 0;
    return refs;
}

EditResult CodeplugDocument::deleteTalkgroupQuietly(int index) {
    if (auto refused = guard())
        return *refused;
    if (std::none_of(m_talkgroups.begin(), m_talkgroups.end(),
                     [&](const Talkgroup& t) { return t.index == index; }))
        return EditResult::refused(
            RefusalKind::notFound,
            notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "talkgroup"), index + 1LL)
                .text);
    const RecordReferences refs = referencesToTalkgroup(index);
    QString summary = tr("Talkgroup %1 deleted").arg(index + 1);
    if (refs.any())
        summary += tr("; cleared from %n channel(s)", nullptr, int(refs.channels));
    summary += QLatin1Char('.');
    return edit(
        tr("Delete talkgroup %1").arg(index + 1),
        [&](CodeplugImage& image) {
            RegionSet regions = clearTalkgroup(index, image);
            if (regions.empty())
                return regions;
            regions.merge(remapChannelReferences(ChannelRecord::kGroupListOffset, 1,
                                                 {{index, kClearedReference}}, image));
            return regions;
        },
        notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "talkgroup"), index + 1LL),
        summary);
}

EditResult CodeplugDocument::reorderTalkgroupsQuietly(const QList<int>& indices) {
    QList<TalkgroupOrderEntry> order;
    order.reserve(indices.size());
    for (int index : indices) {
        const auto it = std::find_if(m_talkgroups.begin(), m_talkgroups.end(),
                                     [&](const Talkgroup& t) { return t.index == index; });
        order.append(
            TalkgroupOrderEntry{index, it == m_talkgroups.end() ? 0 : int(it->memberSlots.size())});
    }
    EditResult result = edit(
        tr("Reorder talkgroups"),
        [&](CodeplugImage& image) { return compactTalkgroups(order, image); },
        EditRefusal{RefusalKind::notFound, tr("The talkgroups could not be reordered.")},
        tr("Talkgroups reordered."));
    if (!result.isDone())
        return result;
    ChangeSet changes = result.changes();
    changes.talkgroups.moved = movesOf(indices, 0);
    return EditResult::done(changes, result.summary());
}

// ---- zones ----

std::optional<int> CodeplugDocument::freeZoneIndex() const {
    if (!m_image)
        return std::nullopt;
    QSet<int> used;
    for (const Zone& zone : m_zones)
        used.insert(zone.index);
    return lowestFree(used, kZoneCapacity);
}

RecordReferences CodeplugDocument::referencesToChannels(const QList<int>& numbers) const {
    RecordReferences refs;
    for (const Zone& zone : m_zones)
        refs.zones += std::any_of(numbers.begin(), numbers.end(),
                                  [&](int n) { return zone.memberIndices.contains(n - 1); })
                          ? 1
                          : 0;
    return refs;
}

EditResult CodeplugDocument::updateZoneQuietly(int index, const ZoneEdit& zoneEdit) {
    if (const int limit = zoneMemberLimit(); zoneEdit.memberIndices.size() > limit)
        return EditResult::refused(RefusalKind::full,
                                   tr("Zone '%1' holds at most %2 channels, not %3.")
                                       .arg(zoneEdit.name, QString::number(limit),
                                            QString::number(zoneEdit.memberIndices.size())));
    const bool isNew = std::none_of(m_zones.begin(), m_zones.end(),
                                    [&](const Zone& z) { return z.index == index; });
    return edit((isNew ? tr("New zone %1") : tr("Edit zone %1")).arg(index + 1),
                [&](CodeplugImage& image) { return applyZoneEdit(zoneEdit, index, image); },
                notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "zone"), index + 1LL),
                tr("Zone %1 changed: %2 (%3 channels)")
                    .arg(QString::number(index + 1), zoneEdit.name,
                         QString::number(zoneEdit.memberIndices.size())));
}

EditResult CodeplugDocument::deleteZoneQuietly(int index) {
    if (auto refused = guard())
        return *refused;
    if (std::none_of(m_zones.begin(), m_zones.end(),
                     [&](const Zone& z) { return z.index == index; }))
        return EditResult::refused(
            RefusalKind::notFound,
            notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "zone"), index + 1LL).text);
    return edit(
        tr("Delete zone %1").arg(index + 1),
        [&](CodeplugImage& image) { return clearZone(index, image); },
        notLocated(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "zone"), index + 1LL),
        tr("Zone %1 deleted.").arg(index + 1));
}

EditResult CodeplugDocument::reorderZonesQuietly(const QList<int>& indices) {
    EditResult result = edit(
        tr("Reorder zones"), [&](CodeplugImage& image) { return compactZones(indices, image); },
        EditRefusal{RefusalKind::notFound, tr("The zones could not be reordered.")},
        tr("Zones reordered."));
    if (!result.isDone())
        return result;
    ChangeSet changes = result.changes();
    changes.zones.moved = movesOf(indices, 0);
    return EditResult::done(changes, result.summary());
}

// ---- settings and themes ----

EditResult CodeplugDocument::writeSettingsQuietly(const DeviceSettings& settings) {
    EditResult result = edit(
        tr("Edit settings"),
        [&](CodeplugImage& image) { return encodeDeviceSettings(settings, image); },
        EditRefusal{RefusalKind::invalid, tr("Could not write settings.")}, QString());
    if (result.isDone()) {
        // What the block now holds: a call sign longer than its field or a
        // limit beyond four digits is stored cut.
        const DeviceSettings stored = m_settings.value_or(settings);
        result.setSummary(tr("Device settings changed: VHF %1–%2, UHF %3–%4 MHz.")
                              .arg(stored.vhfMin)
                              .arg(stored.vhfMax)
                              .arg(stored.uhfMin)
                              .arg(stored.uhfMax));
    }
    return result;
}

EditResult CodeplugDocument::writeThemeQuietly(const QList<ThemeColor>& colors, ThemeKind kind) {
    return edit(
        tr("Edit theme (%1)").arg(themeKindText(kind)),
        [&](CodeplugImage& image) { return encodeTheme(colors, kind, image); },
        EditRefusal{RefusalKind::invalid, tr("Could not write theme.")}, QString());
}

DecodedImage decodeImage(const CodeplugImage& image) {
    DecodedImage decoded;
    decoded.channels = decodeChannels(image);
    MemberLists lists = decodeMemberLists(image, decoded.channels);
    decoded.contacts = std::move(lists.contacts);
    decoded.talkgroups = std::move(lists.talkgroups);
    decoded.zones = std::move(lists.zones);
    return decoded;
}

} // namespace nerka
