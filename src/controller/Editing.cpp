#include "controller/RadioController.h"

#include "controller/FileStore.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelCsvImport.h"
#include "codeplug/MemberLists.h"
#include "satellites/SatelliteCodec.h"

#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

namespace nerka {

namespace {

// Undo keeps this many steps. Every snapshot shares the unchanged buffers of
// its neighbours, but each edit detaches the region it wrote (up to ~80 KB).
constexpr qsizetype kUndoLimit = 100;

const QString kBusyText = QStringLiteral("Busy: wait for the running transfer to finish.");

QString channelFullText() {
    return QStringLiteral("Channel memory is full (max %1).")
        .arg(RadioController::kChannelCapacity);
}

QString notLocatedText(const char* what, long long number) {
    return QStringLiteral("Could not locate %1 %2 in memory.")
        .arg(QLatin1String(what), QString::asprintf("%lld", number));
}

// The lowest value in 0 … capacity − 1 that is not in `used`.
std::optional<int> lowestFree(const QSet<int>& used, int capacity) {
    for (int candidate = 0; candidate < capacity; ++candidate)
        if (!used.contains(candidate))
            return candidate;
    return std::nullopt;
}

QSet<int> usedChannelSlots(const QList<RadioChannel>& channels) {
    QSet<int> used;
    for (const RadioChannel& channel : channels)
        used.insert(channel.number - 1);
    return used;
}

// Regions whose bytes differ between two images of the same codeplug.
RegionSet differingRegions(const CodeplugImage& a, const CodeplugImage& b) {
    RegionSet regions;
    const qsizetype count = std::min(a.blobs.size(), b.blobs.size());
    for (qsizetype i = 0; i < count; ++i)
        if (a.blobs[i] != b.blobs[i])
            regions.insert(int(i));
    return regions;
}

} // namespace

// ---- common steps ----

bool RadioController::editingBlocked() const {
    // A running write empties dirtyRegions when it finishes, and a running read
    // replaces the image: an edit made meanwhile would silently vanish.
    return m_status.isWorking();
}

void RadioController::pushUndoSnapshot() {
    if (!m_image)
        return;
    m_undoStack.append(Snapshot{*m_image, m_dirtyRegions});
    if (m_undoStack.size() > kUndoLimit)
        m_undoStack.removeFirst();
    m_redoStack.clear();
    Q_EMIT undoStateChanged();
}

void RadioController::clearUndoHistory() {
    if (m_undoStack.isEmpty() && m_redoStack.isEmpty())
        return;
    m_undoStack.clear();
    m_redoStack.clear();
    Q_EMIT undoStateChanged();
}

void RadioController::storeEdit(const CodeplugImage& changed, const RegionSet& regions) {
    pushUndoSnapshot();
    assignImage(changed);
    RegionSet dirty = m_dirtyRegions;
    dirty.insert(regions.begin(), regions.end());
    assignDirtyRegions(dirty);
}

void RadioController::commitEdit(const CodeplugImage& changed, const RegionSet& regions) {
    if (regions.empty())
        return;
    storeEdit(changed, regions);
    const QList<RadioChannel> channels = decodeChannels(changed);
    MemberLists lists = decodeMemberLists(changed, channels);
    assignChannels(channels);
    assignContacts(lists.contacts);
    assignTalkgroups(lists.talkgroups);
    assignZones(lists.zones);
}

bool RadioController::applyToImage(const std::function<RegionSet(CodeplugImage&)>& codec,
                                   const QString& failureText,
                                   const std::function<void(const CodeplugImage&)>& publish) {
    if (!m_image)
        return false;
    if (editingBlocked()) {
        reportError(kBusyText);
        return false;
    }
    CodeplugImage changed = *m_image;
    const RegionSet regions = codec(changed);
    if (regions.empty()) {
        if (!failureText.isEmpty())
            reportError(failureText);
        return false;
    }
    if (publish) {
        storeEdit(changed, regions);
        publish(changed);
    } else {
        commitEdit(changed, regions);
    }
    return true;
}

void RadioController::republishFromImage() {
    if (!m_image)
        return;
    const CodeplugImage& image = *m_image;
    const DecodedImage decoded = decodeImage(image);
    assignChannels(decoded.channels);
    assignContacts(decoded.contacts);
    assignTalkgroups(decoded.talkgroups);
    assignZones(decoded.zones);
    assignAprsSystems(decodeAprsSystems(image));
    assignSettings(decodeDeviceSettings(image));
    assignDayTheme(decodeTheme(ThemeKind::day, image));
    assignNightTheme(decodeTheme(ThemeKind::night, image));
    assignSatellites(decodeSatellites(image).value_or(QList<Satellite>{}));
}

void RadioController::restoreSnapshot(const Snapshot& snapshot) {
    // The snapshot's dirty set is right as long as nothing was written to the
    // radio since. A region outside the current dirty set holds what the radio
    // holds; if the restored bytes differ there (a write happened in between),
    // the region must be written again.
    RegionSet dirty = snapshot.dirty;
    for (int region : differingRegions(*m_image, snapshot.image))
        if (!m_dirtyRegions.count(region))
            dirty.insert(region);
    assignImage(snapshot.image);
    assignDirtyRegions(dirty);
    republishFromImage();
}

void RadioController::undo() {
    if (!m_image || m_undoStack.isEmpty())
        return;
    if (editingBlocked()) {
        reportError(kBusyText);
        return;
    }
    const Snapshot snapshot = m_undoStack.takeLast();
    m_redoStack.append(Snapshot{*m_image, m_dirtyRegions});
    restoreSnapshot(snapshot);
    Q_EMIT undoStateChanged();
}

void RadioController::redo() {
    if (!m_image || m_redoStack.isEmpty())
        return;
    if (editingBlocked()) {
        reportError(kBusyText);
        return;
    }
    const Snapshot snapshot = m_redoStack.takeLast();
    m_undoStack.append(Snapshot{*m_image, m_dirtyRegions});
    restoreSnapshot(snapshot);
    Q_EMIT undoStateChanged();
}

// ---- channels ----

// The record arguments usually come from the published lists, which a commit
// replaces: every operation takes what it needs from them before it commits.

void RadioController::updateChannel(const RadioChannel& channel, const ChannelEdit& edit) {
    const int number = channel.number;
    if (!applyToImage([&](CodeplugImage& image) { return applyChannelEdit(edit, number, image); },
                      notLocatedText("channel", number)))
        return;
    log(QStringLiteral("Channel %1 changed: %2 (RX %3)")
            .arg(QString::number(number), edit.name,
                 QString::asprintf("%.5f", double(edit.rxHz) / 1'000'000.0)));
}

std::optional<int> RadioController::createChannel() {
    std::optional<int> slot;
    if (!applyToImage([&](CodeplugImage& image) -> RegionSet {
            slot = lowestFree(usedChannelSlots(m_channels), kChannelCapacity);
            if (!slot) {
                reportError(channelFullText());
                return {};
            }
            return createBlankChannel(*slot, image);
        }))
        return std::nullopt;
    const int number = *slot + 1;
    log(QStringLiteral("Channel %1 created.").arg(number));
    return number;
}

void RadioController::importChannels(const QList<ChannelEdit>& edits, const QString& skippedNote) {
    if (!m_image)
        return reportError(QStringLiteral("No codeplug loaded."));
    if (editingBlocked())
        return reportError(kBusyText);
    if (edits.isEmpty())
        return reportError(QStringLiteral("Nichts zu importieren."));

    CodeplugImage changed = *m_image;
    QSet<int> used = usedChannelSlots(m_channels);
    RegionSet regions;
    int placed = 0;
    std::optional<int> unwritableSlot;
    for (const ChannelEdit& edit : edits) {
        const auto slot = lowestFree(used, kChannelCapacity);
        if (!slot)
            break; // the remaining edits are dropped
        const RegionSet blank = createBlankChannel(*slot, changed);
        if (blank.empty()) {
            // The image has no room where the layout puts this slot; counting
            // it as imported would report a channel that does not exist.
            unwritableSlot = *slot;
            break;
        }
        used.insert(*slot);
        regions.insert(blank.begin(), blank.end());
        regions.merge(applyChannelEdit(edit, *slot + 1, changed));
        ++placed;
    }
    if (placed == 0) {
        if (unwritableSlot)
            return reportError(notLocatedText("channel", *unwritableSlot + 1));
        return reportError(QStringLiteral("Channel memory is full."));
    }
    commitEdit(changed, regions);
    log(QStringLiteral("%1 channels imported%2.")
            .arg(QString::number(placed),
                 skippedNote.isEmpty() ? QString() : QStringLiteral("; ") + skippedNote));
}

void RadioController::importChannelCsv(const QString& path) {
    const auto read = FileStore::read(path, FileStore::Kind::channelCsv);
    if (const auto* failure = std::get_if<QString>(&read))
        return reportError(*failure);
    // Text that is not UTF-8 cannot be read as such; guessing another encoding
    // would put wrong characters into channel names.
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(std::get<QByteArray>(read));
    if (decoder.hasError())
        return reportError(QStringLiteral("The CSV file could not be read: %1 is not UTF-8 text.")
                               .arg(FileStore::displayName(path)));

    const ChannelCsvRead csv = readChannelCsv(text);
    if (csv.layout == ChannelCsvLayout::repeaterList) {
        // Nothing is imported from a file without one readable row; the
        // reasons say what to fix.
        if (csv.channels.isEmpty())
            return reportError(QStringLiteral("No valid channels found in the repeater-list CSV%1.")
                                   .arg(csv.skipped.isEmpty()
                                            ? QString()
                                            : QStringLiteral(": ") + skippedRowsText(csv.skipped)));
        return importChannels(csv.channels, skippedRowsText(csv.skipped));
    }
    if (csv.channels.isEmpty())
        return reportError(
            QStringLiteral("No valid channels found in the CSV. Format: Name,RX,TX,Mode,\u2026"));
    importChannels(csv.channels);
}

void RadioController::copyChannel(const RadioChannel& channel) {
    if (!m_image)
        return;
    const int number = channel.number;
    const auto record = readChannelRecord(number - 1, *m_image);
    assignChannelClipboard(record);
    if (!record)
        return reportError(notLocatedText("channel", number));
    log(QStringLiteral("Channel %1 copied.").arg(number));
}

std::optional<int> RadioController::pasteChannel(const QByteArray& record) {
    std::optional<int> slot;
    if (!applyToImage([&](CodeplugImage& image) -> RegionSet {
            slot = lowestFree(usedChannelSlots(m_channels), kChannelCapacity);
            if (!slot) {
                reportError(channelFullText());
                return {};
            }
            return pasteChannelRecord(record, *slot, image);
        }))
        return std::nullopt;
    return *slot + 1;
}

std::optional<int> RadioController::pasteChannelClipboard() {
    if (!m_channelClipboard)
        return std::nullopt;
    const auto number = pasteChannel(*m_channelClipboard);
    if (number)
        log(QStringLiteral("Channel pasted \u2192 %1.").arg(*number));
    return number;
}

std::optional<int> RadioController::duplicateChannel(const RadioChannel& channel) {
    if (!m_image)
        return std::nullopt;
    const int original = channel.number;
    const auto record = readChannelRecord(original - 1, *m_image);
    if (!record)
        return std::nullopt;
    const auto number = pasteChannel(*record);
    if (number)
        log(QStringLiteral("Channel %1 duplicated \u2192 %2.").arg(original).arg(*number));
    return number;
}

void RadioController::deleteChannel(const RadioChannel& channel) {
    const int number = channel.number;
    if (!applyToImage([&](CodeplugImage& image) { return clearChannelSlot(number - 1, image); }))
        return;
    log(QStringLiteral("Channel %1 deleted.").arg(number));
}

void RadioController::deleteChannels(const QList<RadioChannel>& channels) {
    const qsizetype count = channels.size();
    if (!applyToImage([&](CodeplugImage& image) {
            RegionSet regions;
            for (const RadioChannel& channel : channels)
                regions.merge(clearChannelSlot(channel.number - 1, image));
            return regions;
        }))
        return;
    log(QStringLiteral("%1 channels deleted.").arg(count));
}

void RadioController::reorderChannels(const QList<RadioChannel>& newOrder) {
    // `order`: the old slots in their new order. `oldToNew`: every old slot up
    // to the highest listed one, mapped to its new position; unlisted slots
    // map to themselves, so zone members naming them keep their value.
    QList<int> order;
    order.reserve(newOrder.size());
    int highestOld = -1;
    for (const RadioChannel& channel : newOrder) {
        order.append(channel.number - 1);
        highestOld = std::max(highestOld, channel.number - 1);
    }
    QHash<int, int> oldToNew;
    for (int slot = 0; slot <= highestOld; ++slot)
        oldToNew.insert(slot, slot);
    for (qsizetype i = 0; i < order.size(); ++i)
        oldToNew.insert(order[i], int(i));
    if (!applyToImage(
            [&](CodeplugImage& image) { return compactChannels(order, oldToNew, image); }))
        return;
    log(QStringLiteral("Channels reordered."));
}

// ---- contacts ----

std::optional<DMRContact> RadioController::newContact() const {
    if (!m_image)
        return std::nullopt;
    QSet<int> used;
    for (const DMRContact& contact : m_contacts)
        used.insert(contact.slot);
    const auto slot = lowestFree(used, kContactCapacity);
    if (!slot)
        return std::nullopt;
    DMRContact contact;
    contact.id = QUuid::createUuid();
    contact.slot = *slot;
    return contact;
}

void RadioController::updateContact(const DMRContact& contact, const ContactEdit& edit) {
    const int slot = contact.slot;
    if (!applyToImage([&](CodeplugImage& image) { return applyContactEdit(edit, slot, image); },
                      notLocatedText("contact", slot + 1LL)))
        return;
    // One substitution pass, so a "%n" typed into a name stays as typed.
    log(QStringLiteral("Contact %1 changed: %2 (ID %3)")
            .arg(QString::number(slot + 1), edit.name, QString::number(edit.dmrID)));
}

void RadioController::deleteContact(const DMRContact& contact) {
    const int slot = contact.slot;
    if (!applyToImage([&](CodeplugImage& image) { return clearContact(slot, image); }))
        return;
    log(QStringLiteral("Contact %1 deleted.").arg(slot + 1));
}

void RadioController::reorderContacts(const QList<DMRContact>& newOrder) {
    QList<int> order;
    order.reserve(newOrder.size());
    for (const DMRContact& contact : newOrder)
        order.append(contact.slot);
    if (!applyToImage([&](CodeplugImage& image) { return compactContacts(order, image); }))
        return;
    log(QStringLiteral("Contacts reordered."));
}

// ---- talkgroups (RX group lists) ----

std::optional<Talkgroup> RadioController::newTalkgroup() const {
    if (!m_image)
        return std::nullopt;
    QSet<int> used;
    for (const Talkgroup& talkgroup : m_talkgroups)
        used.insert(talkgroup.index);
    const auto index = lowestFree(used, kTalkgroupCapacity);
    if (!index)
        return std::nullopt;
    Talkgroup talkgroup;
    talkgroup.id = QUuid::createUuid();
    talkgroup.index = *index;
    return talkgroup;
}

void RadioController::updateTalkgroup(const Talkgroup& talkgroup, const QString& name,
                                      const QList<int>& memberSlots) {
    const int index = talkgroup.index;
    const TalkgroupEdit edit{name, memberSlots};
    if (!applyToImage([&](CodeplugImage& image) { return applyTalkgroupEdit(edit, index, image); },
                      notLocatedText("talkgroup", index + 1LL)))
        return;
    log(QStringLiteral("Talkgroup %1 changed: %2 (%3 contacts)")
            .arg(QString::number(index + 1), edit.name, QString::number(edit.memberSlots.size())));
}

void RadioController::deleteTalkgroup(const Talkgroup& talkgroup) {
    const int index = talkgroup.index;
    if (!applyToImage([&](CodeplugImage& image) { return clearTalkgroup(index, image); }))
        return;
    log(QStringLiteral("Talkgroup %1 deleted.").arg(index + 1));
}

void RadioController::reorderTalkgroups(const QList<Talkgroup>& newOrder) {
    QList<TalkgroupOrderEntry> order;
    order.reserve(newOrder.size());
    for (const Talkgroup& talkgroup : newOrder)
        order.append(TalkgroupOrderEntry{talkgroup.index, int(talkgroup.memberSlots.size())});
    if (!applyToImage([&](CodeplugImage& image) { return compactTalkgroups(order, image); }))
        return;
    log(QStringLiteral("Talkgroups reordered."));
}

// ---- zones ----

std::optional<Zone> RadioController::newZone() const {
    if (!m_image)
        return std::nullopt;
    QSet<int> used;
    for (const Zone& zone : m_zones)
        used.insert(zone.index);
    const auto index = lowestFree(used, kZoneCapacity);
    if (!index)
        return std::nullopt;
    Zone zone;
    zone.id = QUuid::createUuid();
    zone.index = *index;
    return zone;
}

void RadioController::updateZone(const Zone& zone, const QString& name,
                                 const QList<int>& memberIndices) {
    const int index = zone.index;
    const ZoneEdit edit{name, memberIndices};
    if (!applyToImage([&](CodeplugImage& image) { return applyZoneEdit(edit, index, image); },
                      notLocatedText("zone", index + 1LL)))
        return;
    log(QStringLiteral("Zone %1 changed: %2 (%3 channels)")
            .arg(QString::number(index + 1), edit.name,
                 QString::number(edit.memberIndices.size())));
}

void RadioController::deleteZone(const Zone& zone) {
    const int index = zone.index;
    if (!applyToImage([&](CodeplugImage& image) { return clearZone(index, image); }))
        return;
    log(QStringLiteral("Zone %1 deleted.").arg(index + 1));
}

void RadioController::reorderZones(const QList<Zone>& newOrder) {
    QList<int> order;
    order.reserve(newOrder.size());
    for (const Zone& zone : newOrder)
        order.append(zone.index);
    if (!applyToImage([&](CodeplugImage& image) { return compactZones(order, image); }))
        return;
    log(QStringLiteral("Zones reordered."));
}

// ---- device settings and themes ----

void RadioController::writeSettings(const DeviceSettings& settings) {
    // Publish what the block now holds: a call sign longer than its field or a
    // limit beyond four digits is stored cut, and the view must show that.
    DeviceSettings stored;
    const auto publish = [&](const CodeplugImage& changed) {
        stored = decodeDeviceSettings(changed).value_or(settings);
        assignSettings(stored);
    };
    if (!applyToImage([&](CodeplugImage& image) { return encodeDeviceSettings(settings, image); },
                      QStringLiteral("Could not write settings."), publish))
        return;
    log(QStringLiteral("Device settings changed: VHF %1\u2013%2, UHF %3\u2013%4 MHz.")
            .arg(stored.vhfMin)
            .arg(stored.vhfMax)
            .arg(stored.uhfMin)
            .arg(stored.uhfMax));
}

bool RadioController::storeTheme(const QList<ThemeColor>& colors, ThemeKind kind) {
    // The colours as stored (RGB565), so the view matches the block and what
    // undo or a reload would show.
    const auto publish = [&](const CodeplugImage& changed) {
        const QList<ThemeColor> stored = decodeTheme(kind, changed).value_or(colors);
        if (kind == ThemeKind::day)
            assignDayTheme(stored);
        else
            assignNightTheme(stored);
    };
    return applyToImage([&](CodeplugImage& image) { return encodeTheme(colors, kind, image); },
                        QStringLiteral("Could not write theme."), publish);
}

void RadioController::writeTheme(const QList<ThemeColor>& colors, ThemeKind kind) {
    storeTheme(colors, kind);
}

void RadioController::setThemeColor(ThemeKind kind, int index, double r, double g, double b) {
    const auto& current = kind == ThemeKind::day ? m_dayTheme : m_nightTheme;
    if (!m_image || !current || index < 0 || index >= current->size())
        return;
    QList<ThemeColor> colors = *current;
    colors[index] = ThemeColor{r, g, b};
    writeTheme(colors, kind);
}

void RadioController::importTheme(const QString& path, ThemeKind kind) {
    const auto& current = kind == ThemeKind::day ? m_dayTheme : m_nightTheme;
    if (!m_image || !current)
        return reportError(QStringLiteral("Kein Theme im Codeplug vorhanden."));
    if (editingBlocked())
        return reportError(kBusyText);
    // Only the first 64 bytes are colours; the size limit keeps a wrong pick
    // (a huge file, a device) from being pulled into memory.
    const auto read = FileStore::read(path, FileStore::Kind::theme);
    if (const auto* failure = std::get_if<QString>(&read))
        return reportError(*failure);
    const auto colors = parseGtm(std::get<QByteArray>(read).left(ThemeBlock::kDataSize));
    if (!colors)
        return reportError(QStringLiteral("Invalid .gtm file."));
    if (!storeTheme(*colors, kind))
        return;
    log(QStringLiteral("Theme (%1) imported from %2.")
            .arg(themeKindText(kind), QFileInfo(path).fileName()));
}

bool RadioController::exportTheme(ThemeKind kind, const QString& path) {
    const auto& theme = kind == ThemeKind::day ? m_dayTheme : m_nightTheme;
    if (!theme) {
        reportError(QStringLiteral("Kein Theme vorhanden."));
        return false;
    }
    if (auto failure = FileStore::write(path, encodeGtm(*theme))) {
        reportError(*failure);
        return false;
    }
    log(QStringLiteral("Theme (%1) exported to %2.")
            .arg(themeKindText(kind), QFileInfo(path).fileName()));
    return true;
}

} // namespace nerka
