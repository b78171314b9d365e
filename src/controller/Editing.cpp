// The document's edits that add to its core ones: the imports (built-in sets,
// CSV files, themes), the clipboard, edits with a note in their line, and the
// blank records an editor starts from.

#include "controller/CodeplugDocument.h"

#include "controller/CsvFileText.h"
#include "controller/FileStore.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelCsvImport.h"
#include "codeplug/ChannelIntake.h"
#include "codeplug/ContactCsv.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace nerka {

namespace {

// A note follows the summary in its one log line: "12 channels imported;
// 2 rows skipped: …".
EditResult withNote(EditResult result, const QString& note) {
    if (!result.isDone() || note.isEmpty())
        return result;
    QString summary = result.summary();
    if (summary.endsWith(QLatin1Char('.')))
        summary.chop(1);
    result.setSummary(summary + QStringLiteral("; ") + note + QLatin1Char('.'));
    return result;
}

EditResult refusedWith(const QString& text) {
    return EditResult::refused(RefusalKind::invalid, text);
}

} // namespace

EditResult CodeplugDocument::storeEdit(const QString& label, const CodeplugImage& changed,
                                       const RegionSet& regions) {
    if (regions.empty())
        return EditResult::nothingToDo();
    return edit(
        label,
        [&](CodeplugImage& image) {
            image = changed;
            return regions;
        },
        EditRefusal{RefusalKind::invalid,
                    QCoreApplication::translate("nerka::CodeplugDocument", "Nothing was written.")},
        QString());
}

// ---- channels ----

EditResult CodeplugDocument::importChannels(const QList<ChannelEdit>& edits,
                                            const QString& skippedNote) {
    // The import commands say when there is nothing to import into.
    return announce(withNote(importChannelsQuietly(edits).reported(), skippedNote));
}

EditResult CodeplugDocument::importChannelCsv(const QString& path) {
    return announce(importChannelCsvQuietly(path));
}

EditResult CodeplugDocument::importChannelCsvQuietly(const QString& path) {
    const CsvFileText file = readCsvText(path);
    if (!file.failure.isEmpty())
        return refusedWith(file.failure);
    const ChannelCsvRead csv = readChannelCsv(file.text, channelRowNames());
    if (csv.layout != ChannelCsvLayout::nerka) {
        // Nothing is imported from a file without one readable row; the
        // reasons say what to fix.
        if (csv.channels.isEmpty())
            return refusedWith(
                QCoreApplication::translate("nerka::CodeplugDocument",
                                            "No valid channels found in the %1CSV%2.")
                    .arg(csv.layout == ChannelCsvLayout::repeaterList
                             ? QCoreApplication::translate("nerka::CodeplugDocument",
                                                           "repeater-list ")
                             : QString())
                    .arg(csv.skipped.isEmpty()
                             ? QString()
                             : QStringLiteral(": ") + skippedRowsText(csv.skipped)));
    } else if (csv.channels.isEmpty()) {
        return refusedWith(QCoreApplication::translate(
            "nerka::CodeplugDocument",
            "No valid channels found in the CSV. Format: Name,RX,TX,Mode,…"));
    }
    // Rows the radio cannot use are left out and named in the one log line.
    const ChannelIntake intake = screenChannelCsvRows(csv, BandLimits::of(m_settings));
    if (intake.edits.isEmpty())
        return refusedWith(
            QCoreApplication::translate("nerka::CodeplugDocument", "No channels imported: %1.")
                .arg(intake.note));
    if (csv.layout == ChannelCsvLayout::allFields)
        return withNote(importChannelsIntoZonesQuietly(intake.edits, intake.zones).reported(),
                        intake.note);
    return withNote(importChannelsQuietly(intake.edits).reported(), intake.note);
}

EditResult CodeplugDocument::copyChannel(int number) {
    if (!m_image)
        return announce(EditResult::silentlyRefused(RefusalKind::noCodeplug, QString()));
    m_channelClipboard = readChannelRecord(number - 1, *m_image);
    // Zones stay out: the record copied is pasted as a new channel of its own.
    const ChannelRowNames names = channelRowNames();
    const auto copied =
        m_channelClipboard ? decodeChannelRecord(*m_channelClipboard, number) : std::nullopt;
    m_channelClipboardNames = {};
    if (copied && copied->contactIndex)
        m_channelClipboardNames.contact = names.contacts.value(*copied->contactIndex);
    if (copied && copied->groupListIndex)
        m_channelClipboardNames.groupList = names.groupLists.value(*copied->groupListIndex);
    Q_EMIT channelClipboardChanged();
    if (!m_channelClipboard)
        return announce(EditResult::refused(
            RefusalKind::notFound,
            QCoreApplication::translate("nerka::CodeplugDocument",
                                        "Could not locate channel %1 in memory.")
                .arg(number)));
    return announce(EditResult::done(
        {},
        QCoreApplication::translate("nerka::CodeplugDocument", "Channel %1 copied.").arg(number)));
}

EditResult CodeplugDocument::copyChannels(const QList<int>& numbers) {
    if (numbers.size() == 1)
        return copyChannel(numbers.first());
    if (numbers.isEmpty())
        return announce(EditResult::nothingToDo());
    return announce(EditResult::done(
        {}, QCoreApplication::translate("nerka::CodeplugDocument", "%1 channels copied.")
                .arg(numbers.size())));
}

EditResult CodeplugDocument::pasteChannelClipboard() {
    if (!m_channelClipboard)
        return announce(EditResult::silentlyRefused(
            RefusalKind::invalid,
            QCoreApplication::translate("nerka::CodeplugDocument", "Nothing to paste.")));
    // The record's contact and group list by the names they had when copied
    // (one of them may have been deleted or its slot reused since).
    const ChannelIntake intake =
        screenChannelRecords({*m_channelClipboard}, {m_channelClipboardNames}, channelRowNames(),
                             BandLimits::of(m_settings));
    if (intake.records.isEmpty())
        return announce(refusedWith(
            QCoreApplication::translate("nerka::CodeplugDocument", "No channels pasted: %1.")
                .arg(intake.note)));
    return announce(withNote(pasteChannelQuietly(intake.records.first()), intake.note));
}

EditResult CodeplugDocument::nothingPasted(const QString& skippedNote) {
    if (!skippedNote.isEmpty() && m_image)
        return announce(refusedWith(
            QCoreApplication::translate("nerka::CodeplugDocument", "No channels pasted: %1.")
                .arg(skippedNote)));
    return announce(EditResult::nothingToDo());
}

EditResult CodeplugDocument::insertChannelRecords(const QList<QByteArray>& records,
                                                  std::optional<int> afterNumber,
                                                  const QList<QList<int>>& zones,
                                                  const QString& skippedNote) {
    if (records.isEmpty())
        return nothingPasted(skippedNote);
    return announce(
        withNote(insertChannelRecordsQuietly(records, afterNumber, zones), skippedNote));
}

EditResult CodeplugDocument::insertChannels(const QList<ChannelEdit>& edits,
                                            std::optional<int> afterNumber,
                                            const QString& skippedNote,
                                            const QList<QList<int>>& zones) {
    if (edits.isEmpty())
        return nothingPasted(skippedNote);
    return announce(withNote(insertChannelsQuietly(edits, afterNumber, zones), skippedNote));
}

EditResult CodeplugDocument::updateChannels(const QList<std::pair<int, ChannelEdit>>& edits,
                                            const QString& note) {
    EditResult result = withNote(updateChannelsQuietly(edits), note);
    if (result.isNothingToDo() && !note.isEmpty() && m_image)
        result.setSummary(
            QCoreApplication::translate("nerka::CodeplugDocument", "No channel changed; %1.")
                .arg(note));
    return announce(std::move(result));
}

EditResult CodeplugDocument::importChannelsIntoZones(const QList<ChannelEdit>& edits,
                                                     const QList<QList<int>>& zones,
                                                     const QString& skippedNote) {
    return announce(withNote(importChannelsIntoZonesQuietly(edits, zones).reported(), skippedNote));
}

// ---- contacts, talkgroups, zones ----

EditResult CodeplugDocument::importContactsCsv(const QString& path) {
    return announce(importContactsCsvQuietly(path));
}

EditResult CodeplugDocument::importContactsCsvQuietly(const QString& path) {
    const CsvFileText file = readCsvText(path);
    if (!file.failure.isEmpty())
        return refusedWith(file.failure);
    const ContactCsvRead csv = parseContactsCsv(file.text);
    if (csv.contacts.isEmpty())
        return refusedWith(
            QCoreApplication::translate("nerka::CodeplugDocument",
                                        "No valid contacts found in the CSV%1")
                .arg(csv.skipped.isEmpty()
                         ? QCoreApplication::translate("nerka::CodeplugDocument",
                                                       ". Format: Name,DMR-ID,Type,Time slot")
                         : QStringLiteral(": ") + skippedRowsText(csv.skipped) + u'.'));
    EditResult result = importContactsQuietly(csv.contacts).reported();
    return csv.skipped.isEmpty() ? result : withNote(result, skippedRowsText(csv.skipped));
}

std::optional<DMRContact> CodeplugDocument::newContact() const {
    const auto slot = freeContactSlot();
    if (!slot)
        return std::nullopt;
    DMRContact contact;
    contact.slot = *slot;
    return contact;
}

std::optional<Talkgroup> CodeplugDocument::newTalkgroup() const {
    const auto index = freeTalkgroupIndex();
    if (!index)
        return std::nullopt;
    Talkgroup talkgroup;
    talkgroup.index = *index;
    return talkgroup;
}

std::optional<Zone> CodeplugDocument::newZone() const {
    const auto index = freeZoneIndex();
    if (!index)
        return std::nullopt;
    Zone zone;
    zone.index = *index;
    return zone;
}

// ---- themes ----

EditResult CodeplugDocument::setThemeColor(ThemeKind kind, int index, double r, double g,
                                           double b) {
    const auto& current = theme(kind);
    if (!m_image || !current || index < 0 || index >= current->size())
        return announce(EditResult::nothingToDo());
    QList<ThemeColor> colors = *current;
    colors[index] = ThemeColor{r, g, b};
    return writeTheme(colors, kind);
}

EditResult CodeplugDocument::importTheme(const QString& path, ThemeKind kind) {
    return announce(importThemeQuietly(path, kind));
}

EditResult CodeplugDocument::importThemeQuietly(const QString& path, ThemeKind kind) {
    if (!m_image || !theme(kind))
        return EditResult::refused(
            RefusalKind::noCodeplug,
            QCoreApplication::translate("nerka::CodeplugDocument",
                                        "Kein Theme im Codeplug vorhanden."));
    if (m_busy)
        return EditResult::refused(RefusalKind::busy, transferBusyText());
    // Only the first 64 bytes are colours; the size limit keeps a wrong pick
    // (a huge file, a device) from being pulled into memory.
    const auto read = FileStore::read(path, FileStore::Kind::theme);
    if (const auto* failure = std::get_if<QString>(&read))
        return refusedWith(*failure);
    const auto colors = parseGtm(std::get<QByteArray>(read).left(ThemeBlock::kDataSize));
    if (!colors)
        return refusedWith(
            QCoreApplication::translate("nerka::CodeplugDocument", "Invalid .gtm file."));
    EditResult result = writeThemeQuietly(*colors, kind);
    if (result.isDone())
        result.setSummary(
            QCoreApplication::translate("nerka::CodeplugDocument", "Theme (%1) imported from %2.")
                .arg(themeKindText(kind), QFileInfo(path).fileName()));
    return result;
}

EditResult CodeplugDocument::exportTheme(ThemeKind kind, const QString& path) {
    const auto& colors = theme(kind);
    if (!colors)
        return announce(refusedWith(
            QCoreApplication::translate("nerka::CodeplugDocument", "Kein Theme vorhanden.")));
    if (auto failure = FileStore::write(path, encodeGtm(*colors)))
        return announce(refusedWith(*failure));
    return announce(EditResult::done(
        {}, QCoreApplication::translate("nerka::CodeplugDocument", "Theme (%1) exported to %2.")
                .arg(themeKindText(kind), QFileInfo(path).fileName())));
}

} // namespace nerka
