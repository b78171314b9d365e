#include "controller/RadioController.h"

#include "controller/FileStore.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelCsvImport.h"
#include "codeplug/ChannelIntake.h"
#include "codeplug/ContactCsv.h"
#include "codeplug/MemberLists.h"
#include "satellites/SatelliteCodec.h"

#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

namespace nerka {

namespace {

// The text of a CSV file, or why it cannot be read.
struct CsvFileText {
    QString text;
    QString failure;
};

CsvFileText readCsvText(const QString& path) {
    const auto read = FileStore::read(path, FileStore::Kind::channelCsv);
    if (const auto* failure = std::get_if<QString>(&read))
        return {{}, *failure};
    // Text that is not UTF-8 cannot be read as such; guessing another encoding
    // would put wrong characters into names.
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(std::get<QByteArray>(read));
    if (decoder.hasError())
        return {{},
                QStringLiteral("The CSV file could not be read: %1 is not UTF-8 text.")
                    .arg(FileStore::displayName(path))};
    return {std::move(text), {}};
}

// An import's skipped rows follow the count in its one log line:
// "12 channels imported; 2 rows skipped: …".
void appendSkippedNote(EditResult& result, const QString& skippedNote) {
    if (!result.isDone() || skippedNote.isEmpty())
        return;
    QString summary = result.summary();
    if (summary.endsWith(QLatin1Char('.')))
        summary.chop(1);
    result.setSummary(summary + QStringLiteral("; ") + skippedNote + QLatin1Char('.'));
}

} // namespace

// ---- common steps ----

bool RadioController::editingBlocked() const {
    // A running write marks the sent regions as written when it finishes, and
    // a running read replaces the image: an edit made meanwhile would
    // silently vanish.
    return m_status.isWorking();
}

EditResult RadioController::report(EditResult result) {
    if (result.isDone() && !result.summary().isEmpty())
        log(result.summary());
    // Without a codeplug every edit does nothing, silently.
    if (result.isRefused() && result.refusal()->kind != RefusalKind::noCodeplug)
        reportError(result.refusal()->text);
    return result;
}

bool RadioController::storeEdit(const QString& label, const CodeplugImage& changed,
                                const RegionSet& regions) {
    if (regions.empty())
        return false;
    const EditResult result = report(m_document.edit(
        label,
        [&](CodeplugImage& image) {
            image = changed;
            return regions;
        },
        EditRefusal{RefusalKind::invalid, QStringLiteral("Nothing was written.")}, QString()));
    return result.isDone();
}

EditResult RadioController::undo() {
    return report(m_document.undo());
}

EditResult RadioController::redo() {
    return report(m_document.redo());
}

// ---- channels ----

EditResult RadioController::updateChannel(const RadioChannel& channel, const ChannelEdit& edit) {
    return report(m_document.updateChannel(channel.number, edit));
}

EditResult RadioController::createChannel() {
    return report(m_document.createChannel());
}

EditResult RadioController::addChannel(const ChannelEdit& edit) {
    return report(m_document.addChannel(edit));
}

EditResult RadioController::importChannels(const QList<ChannelEdit>& edits,
                                           const QString& skippedNote) {
    EditResult result = m_document.importChannels(edits);
    // The import commands say when there is nothing to import into.
    if (result.isRefused() && result.refusal()->kind == RefusalKind::noCodeplug)
        reportError(result.refusal()->text);
    appendSkippedNote(result, skippedNote);
    return report(std::move(result));
}

void RadioController::importChannelCsv(const QString& path) {
    const CsvFileText file = readCsvText(path);
    if (!file.failure.isEmpty())
        return reportError(file.failure);
    const ChannelCsvRead csv = readChannelCsv(file.text, channelRowNames());
    if (csv.layout != ChannelCsvLayout::nerka) {
        // Nothing is imported from a file without one readable row; the
        // reasons say what to fix.
        if (csv.channels.isEmpty())
            return reportError(QStringLiteral("No valid channels found in the %1CSV%2.")
                                   .arg(csv.layout == ChannelCsvLayout::repeaterList
                                            ? QStringLiteral("repeater-list ")
                                            : QString())
                                   .arg(csv.skipped.isEmpty()
                                            ? QString()
                                            : QStringLiteral(": ") + skippedRowsText(csv.skipped)));
    } else if (csv.channels.isEmpty()) {
        return reportError(
            QStringLiteral("No valid channels found in the CSV. Format: Name,RX,TX,Mode,\u2026"));
    }
    // Rows the radio cannot use are left out and named in the one log line.
    const ChannelIntake intake = screenChannelCsvRows(csv, BandLimits::of(m_document.settings()));
    if (intake.edits.isEmpty())
        return reportError(QStringLiteral("No channels imported: %1.").arg(intake.note));
    if (csv.layout == ChannelCsvLayout::allFields)
        (void)importChannelsIntoZones(intake.edits, intake.zones, intake.note);
    else
        (void)importChannels(intake.edits, intake.note);
}

void RadioController::importContactsCsv(const QString& path) {
    const CsvFileText file = readCsvText(path);
    if (!file.failure.isEmpty())
        return reportError(file.failure);
    const ContactCsvRead csv = parseContactsCsv(file.text);
    if (csv.contacts.isEmpty())
        return reportError(
            QStringLiteral("No valid contacts found in the CSV%1")
                .arg(csv.skipped.isEmpty()
                         ? QStringLiteral(". Format: Name,DMR-ID,Type,Time slot")
                         : QStringLiteral(": ") + skippedRowsText(csv.skipped) + u'.'));
    EditResult result = m_document.importContacts(csv.contacts);
    if (result.isRefused() && result.refusal()->kind != RefusalKind::busy)
        return reportError(result.refusal()->text);
    if (!csv.skipped.isEmpty())
        appendSkippedNote(result, skippedRowsText(csv.skipped));
    (void)report(std::move(result));
}

void RadioController::copyChannel(const RadioChannel& channel) {
    if (!image())
        return;
    const int number = channel.number;
    const auto record = readChannelRecord(number - 1, *image());
    assignChannelClipboard(record);
    // Zones stay out: the record copied is pasted as a new channel of its own.
    const ChannelRowNames names = channelRowNames();
    const auto copied = record ? decodeChannelRecord(*record, number) : std::nullopt;
    m_channelClipboardNames = {};
    if (copied && copied->contactIndex)
        m_channelClipboardNames.contact = names.contacts.value(*copied->contactIndex);
    if (copied && copied->groupListIndex)
        m_channelClipboardNames.groupList = names.groupLists.value(*copied->groupListIndex);
    if (!record)
        return reportError(QStringLiteral("Could not locate channel %1 in memory.").arg(number));
    log(QStringLiteral("Channel %1 copied.").arg(number));
}

EditResult RadioController::pasteChannel(const QByteArray& record) {
    return report(m_document.pasteChannel(record));
}

EditResult RadioController::pasteChannelClipboard() {
    if (!m_channelClipboard)
        return EditResult::refused(RefusalKind::invalid, QStringLiteral("Nothing to paste."));
    // The record's contact and group list by the names they had when copied
    // (one of them may have been deleted or its slot reused since).
    const ChannelIntake intake =
        screenChannelRecords({*m_channelClipboard}, {m_channelClipboardNames}, channelRowNames(),
                             BandLimits::of(m_document.settings()));
    if (intake.records.isEmpty()) {
        reportError(QStringLiteral("No channels pasted: %1.").arg(intake.note));
        return EditResult::refused(RefusalKind::invalid, intake.note);
    }
    EditResult result = m_document.pasteChannel(intake.records.first());
    appendSkippedNote(result, intake.note);
    return report(std::move(result));
}

EditResult RadioController::duplicateChannel(const RadioChannel& channel) {
    return report(m_document.duplicateChannel(channel.number));
}

EditResult RadioController::deleteChannel(const RadioChannel& channel) {
    return report(m_document.deleteChannels({channel.number}));
}

EditResult RadioController::deleteChannels(const QList<RadioChannel>& channels) {
    QList<int> numbers;
    numbers.reserve(channels.size());
    for (const RadioChannel& channel : channels)
        numbers.append(channel.number);
    return report(m_document.deleteChannels(numbers));
}

EditResult RadioController::reorderChannels(const QList<RadioChannel>& newOrder) {
    QList<int> numbers;
    numbers.reserve(newOrder.size());
    for (const RadioChannel& channel : newOrder)
        numbers.append(channel.number);
    return report(m_document.reorderChannels(numbers));
}

// ---- contacts ----

std::optional<DMRContact> RadioController::newContact() const {
    const auto slot = m_document.freeContactSlot();
    if (!slot)
        return std::nullopt;
    DMRContact contact;
    contact.slot = *slot;
    return contact;
}

EditResult RadioController::updateContact(const DMRContact& contact, const ContactEdit& edit) {
    return report(m_document.updateContact(contact.slot, edit));
}

EditResult RadioController::deleteContact(const DMRContact& contact) {
    return report(m_document.deleteContact(contact.slot));
}

EditResult RadioController::reorderContacts(const QList<DMRContact>& newOrder) {
    QList<int> slots;
    for (const DMRContact& contact : newOrder)
        slots.append(contact.slot);
    return report(m_document.reorderContacts(slots));
}

// ---- talkgroups (RX group lists) ----

std::optional<Talkgroup> RadioController::newTalkgroup() const {
    const auto index = m_document.freeTalkgroupIndex();
    if (!index)
        return std::nullopt;
    Talkgroup talkgroup;
    talkgroup.index = *index;
    return talkgroup;
}

EditResult RadioController::updateTalkgroup(const Talkgroup& talkgroup, const QString& name,
                                            const QList<int>& memberSlots) {
    return report(m_document.updateTalkgroup(talkgroup.index, TalkgroupEdit{name, memberSlots}));
}

EditResult RadioController::deleteTalkgroup(const Talkgroup& talkgroup) {
    return report(m_document.deleteTalkgroup(talkgroup.index));
}

EditResult RadioController::reorderTalkgroups(const QList<Talkgroup>& newOrder) {
    QList<int> indices;
    for (const Talkgroup& talkgroup : newOrder)
        indices.append(talkgroup.index);
    return report(m_document.reorderTalkgroups(indices));
}

// ---- zones ----

std::optional<Zone> RadioController::newZone() const {
    const auto index = m_document.freeZoneIndex();
    if (!index)
        return std::nullopt;
    Zone zone;
    zone.index = *index;
    return zone;
}

EditResult RadioController::updateZone(const Zone& zone, const QString& name,
                                       const QList<int>& memberIndices) {
    return report(m_document.updateZone(zone.index, ZoneEdit{name, memberIndices}));
}

EditResult RadioController::deleteZone(const Zone& zone) {
    return report(m_document.deleteZone(zone.index));
}

EditResult RadioController::reorderZones(const QList<Zone>& newOrder) {
    QList<int> indices;
    for (const Zone& zone : newOrder)
        indices.append(zone.index);
    return report(m_document.reorderZones(indices));
}

// ---- device settings and themes ----

EditResult RadioController::writeSettings(const DeviceSettings& settings) {
    return report(m_document.writeSettings(settings));
}

EditResult RadioController::writeTheme(const QList<ThemeColor>& colors, ThemeKind kind) {
    return report(m_document.writeTheme(colors, kind));
}

void RadioController::setThemeColor(ThemeKind kind, int index, double r, double g, double b) {
    const auto& current = m_document.theme(kind);
    if (!image() || !current || index < 0 || index >= current->size())
        return;
    QList<ThemeColor> colors = *current;
    colors[index] = ThemeColor{r, g, b};
    (void)writeTheme(colors, kind);
}

void RadioController::importTheme(const QString& path, ThemeKind kind) {
    const auto& current = m_document.theme(kind);
    if (!image() || !current)
        return reportError(QStringLiteral("Kein Theme im Codeplug vorhanden."));
    if (editingBlocked())
        return reportError(QStringLiteral("Busy: wait for the running transfer to finish."));
    // Only the first 64 bytes are colours; the size limit keeps a wrong pick
    // (a huge file, a device) from being pulled into memory.
    const auto read = FileStore::read(path, FileStore::Kind::theme);
    if (const auto* failure = std::get_if<QString>(&read))
        return reportError(*failure);
    const auto colors = parseGtm(std::get<QByteArray>(read).left(ThemeBlock::kDataSize));
    if (!colors)
        return reportError(QStringLiteral("Invalid .gtm file."));
    if (!writeTheme(*colors, kind).isDone())
        return;
    log(QStringLiteral("Theme (%1) imported from %2.")
            .arg(themeKindText(kind), QFileInfo(path).fileName()));
}

bool RadioController::exportTheme(ThemeKind kind, const QString& path) {
    const auto& theme = m_document.theme(kind);
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
