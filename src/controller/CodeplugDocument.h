#pragma once

#include "codeplug/ChannelCsvRows.h"
#include "codeplug/CodeplugImage.h"
#include "codeplug/CodeplugMerge.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/RadioChannel.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ThemeCodec.h"
#include "codeplug/ZoneCodec.h"
#include "controller/CodeplugCsvSet.h"
#include "controller/EditResult.h"
#include "directory/RepeaterDirectory.h"
#include "satellites/Satellite.h"
#include "satellites/SatelliteCandidates.h"
#include "satellites/TLE.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>
#include <variant>

namespace nerka {

// Lists decoded on the thread that obtained an image (the work queue after a
// read), handed to CodeplugDocument::load on the main thread.
struct DecodedImage {
    QList<RadioChannel> channels;
    QList<DMRContact> contacts;
    QList<Talkgroup> talkgroups;
    QList<Zone> zones;
};

// Decodes channels, then contacts, talkgroups and zones of an image where it
// is called (the work queue after a read, the main thread after a file open).
[[nodiscard]] DecodedImage decodeImage(const CodeplugImage& image);

// The key of a record in its list: a channel's number, a contact's slot, a
// talkgroup's, zone's or satellite's index. The document's edits take keys.
[[nodiscard]] inline int recordKey(const RadioChannel& channel) {
    return channel.number;
}
[[nodiscard]] inline int recordKey(const DMRContact& contact) {
    return contact.slot;
}
[[nodiscard]] inline int recordKey(const Talkgroup& talkgroup) {
    return talkgroup.index;
}
[[nodiscard]] inline int recordKey(const Zone& zone) {
    return zone.index;
}
[[nodiscard]] inline int recordKey(const Satellite& satellite) {
    return satellite.index;
}
template <typename Record> [[nodiscard]] QList<int> recordKeys(const QList<Record>& records) {
    QList<int> keys;
    keys.reserve(records.size());
    for (const Record& record : records)
        keys.append(recordKey(record));
    return keys;
}

// How many records refer to one record; what deleting it would clear.
struct RecordReferences {
    int channels = 0;   // channels naming a contact or a talkgroup
    int talkgroups = 0; // talkgroups listing a contact
    int zones = 0;      // zones listing a channel
    [[nodiscard]] bool any() const { return channels + talkgroups + zones > 0; }
};

// The codeplug being edited: its image, every record decoded from it, the
// undo history and the baseline (what the connected radio is known to hold).
// Every edit goes through here and returns what it did; the published lists
// are re-derived from the image after each change and announced by key.
//
// Records are identified by their number (channels), slot (contacts) or index
// (talkgroups, zones); two records are equal when their contents are.
//
// Main thread only.
class CodeplugDocument : public QObject {
    Q_OBJECT

public:
    // How many records of each kind a codeplug holds; the free-slot searches
    // and the "memory is full" texts use these.
    static constexpr int kChannelCapacity = 1024;
    static constexpr int kContactCapacity = 1024;
    static constexpr int kTalkgroupCapacity = 76;
    static constexpr int kZoneCapacity = 68;
    static constexpr int kSatelliteCapacity = 25;

    explicit CodeplugDocument(QObject* parent = nullptr);

    // ---- state ----
    [[nodiscard]] const std::optional<CodeplugImage>& image() const { return m_image; }
    [[nodiscard]] const QList<RadioChannel>& channels() const { return m_channels; }
    [[nodiscard]] const QList<DMRContact>& contacts() const { return m_contacts; }
    [[nodiscard]] const QList<Talkgroup>& talkgroups() const { return m_talkgroups; }
    [[nodiscard]] const QList<Zone>& zones() const { return m_zones; }
    [[nodiscard]] const QStringList& aprsSystems() const { return m_aprsSystems; }
    [[nodiscard]] const std::optional<DeviceSettings>& settings() const { return m_settings; }
    [[nodiscard]] const std::optional<QList<ThemeColor>>& theme(ThemeKind kind) const {
        return kind == ThemeKind::day ? m_dayTheme : m_nightTheme;
    }
    [[nodiscard]] const QList<Satellite>& satellites() const { return m_satellites; }
    [[nodiscard]] std::optional<RadioChannel> channel(int number) const;

    // Regions where the image differs from the baseline, or that are marked
    // changed; every region when no baseline is known; none without an image.
    [[nodiscard]] const RegionSet& dirtyRegions() const { return m_dirty; }
    [[nodiscard]] bool hasBaseline() const { return m_baseline.has_value(); }
    // The flash serial of the radio the baseline is of, when known.
    [[nodiscard]] const std::optional<std::uint32_t>& baselineRadio() const {
        return m_baselineRadio;
    }
    // A codeplug started without a radio (File › New…): its settings block
    // and undecoded bytes are invented, so a write lays only its records over
    // the radio's own codeplug. Any other codeplug loaded ends it.
    [[nodiscard]] bool isNew() const { return m_new; }

    [[nodiscard]] bool canUndo() const { return !m_undo.isEmpty(); }
    [[nodiscard]] bool canRedo() const { return !m_redo.isEmpty(); }
    // The label of the step the next undo or redo takes back ("Delete 3 channels").
    [[nodiscard]] QString undoLabel() const;
    [[nodiscard]] QString redoLabel() const;

    // The raw channel record last copied; it outlives the codeplug, so a
    // channel copied from one codeplug can be pasted into the next.
    [[nodiscard]] const std::optional<QByteArray>& channelClipboard() const {
        return m_channelClipboard;
    }
    [[nodiscard]] bool hasChannelClipboard() const { return m_channelClipboard.has_value(); }

    // ---- whole codeplug ----
    // Publishes a new codeplug (a read, an open, a restore): clears the undo
    // history and the marked regions; the baseline stays (it is the radio's).
    void load(const CodeplugImage& image, const DecodedImage& decoded);
    // Publishes a codeplug started without a radio (isNew()).
    void loadNew(const CodeplugImage& image, const DecodedImage& decoded);
    // The radio (its flash serial, when known) is known to hold `image` (read
    // in full, or verified).
    void setBaseline(const CodeplugImage& image, std::optional<std::uint32_t> radio = {});
    // The radio now holds `sent` in `regions` (a write succeeded). A write to
    // another radio than the baseline's starts a baseline of that radio.
    void markWritten(const CodeplugImage& sent, const RegionSet& regions,
                     std::optional<std::uint32_t> radio = {});
    // After a write of a new codeplug: the codeplug becomes what the radio
    // holds now (its records on the radio's own settings).
    void adoptWritten(const CodeplugImage& sent);

    // ---- edits ----
    // Every edit, import and export below returns what it did and announces
    // that result once with `edited` (the activity log writes its lines from
    // it). Without a codeplug each is refused silently, unless it says
    // otherwise; while a transfer runs each is refused as busy.

    // ---- channels ----
    EditResult updateChannel(int number, const ChannelEdit& edit) {
        return announce(updateChannelQuietly(number, edit));
    }
    // A blank channel in the lowest free slot.
    EditResult createChannel() { return announce(createChannelQuietly()); }
    // A new channel in the lowest free slot with `edit` stored: one step.
    EditResult addChannel(const ChannelEdit& edit) { return announce(addChannelQuietly(edit)); }
    // `skippedNote` (the CSV import's skipped rows) follows the count in the
    // one log line: "12 channels imported; 2 rows skipped: …". Without a
    // codeplug: "No codeplug loaded.".
    EditResult importChannels(const QList<ChannelEdit>& edits, const QString& skippedNote = {});
    // A built-in set's or a CSV file's channels (Nerka's own layout or a
    // repeater list, told apart by the header row).
    EditResult importChannelCsv(const QString& path);
    // Copies the channel's raw record to the clipboard ("Channel N copied.").
    EditResult copyChannel(int number);
    // The channel table's copy: one channel as copyChannel; several (which
    // travel on the system clipboard) only say so ("3 channels copied.").
    EditResult copyChannels(const QList<int>& numbers);
    EditResult pasteChannel(const QByteArray& record) {
        return announce(pasteChannelQuietly(record));
    }
    // The window's paste action: pastes the clipboard ("Channel pasted → N.").
    EditResult pasteChannelClipboard();
    EditResult duplicateChannel(int number) { return announce(duplicateChannelQuietly(number)); }
    // Deletes the channels and removes them from every zone.
    EditResult deleteChannels(const QList<int>& numbers) {
        return announce(deleteChannelsQuietly(numbers));
    }
    // `numbers`: every channel, in its new order.
    EditResult reorderChannels(const QList<int>& numbers) {
        return announce(reorderChannelsQuietly(numbers));
    }

    // ---- several channels at once (ChannelBulkEdits.cpp) ----
    // Inserts new channels right after channel `afterNumber` (after the last
    // channel when none), in order, as one step: the channels behind them
    // move up and every zone follows them. Refused as a whole when they do
    // not all fit. The result's createdKey is the first new number; the new
    // channels are numbered from there on.
    // Each new channel joins the zones (by index) at its place in `zones`, in
    // the same step; a zone already holding as many channels as it can takes
    // no more, and the summary counts those left out.
    // `skippedNote` (rows left out or changed on the way, ChannelIntake) is
    // appended to the line; with nothing to insert but a note, it is the error.
    EditResult insertChannelRecords(const QList<QByteArray>& records,
                                    std::optional<int> afterNumber,
                                    const QList<QList<int>>& zones = {},
                                    const QString& skippedNote = {});
    EditResult insertChannels(const QList<ChannelEdit>& edits, std::optional<int> afterNumber,
                              const QString& skippedNote = {}, const QList<QList<int>>& zones = {});
    // Stores each edit in its channel as one step ("Edit 12 channels"), `note`
    // (what was left alone) appended to the line ("12 channels changed;
    // colour code left alone on 3 FM channels.").
    EditResult updateChannels(const QList<std::pair<int, ChannelEdit>>& edits,
                              const QString& note = {});
    // importChannels, and each new channel added to the zones (by index) at
    // the same place in `zones`, as one step. A zone already holding as many
    // channels as it can takes no more; the summary counts those left out.
    EditResult importChannelsIntoZones(const QList<ChannelEdit>& edits,
                                       const QList<QList<int>>& zones,
                                       const QString& skippedNote = {});

    // ---- channel and contact files (DocumentFiles.cpp) ----
    // Each file is replaced whole or not at all; "N channels exported to NAME.".
    // The channels with these numbers (every channel for none) as a
    // repeater-list CSV.
    EditResult exportChannelsCsv(const QList<int>& numbers, const QString& path);
    // The same with every field of a channel (ChannelCsvRows.h): contact,
    // group list and zones by name; importChannelCsv reads it back.
    EditResult exportChannelsTable(const QList<int>& numbers, const QString& path);
    // Every contact as CSV (ContactCsv.h).
    EditResult exportContactsCsv(const QString& path);
    // Contacts from a CSV file (the layout exportContactsCsv writes), added as
    // one step; unreadable rows are skipped and named in the line, a file
    // without one readable row is an error.
    EditResult importContactsCsv(const QString& path);

    // ---- repeaters from a directory (RepeaterEdits.cpp) ----
    // One channel per repeater, in the order given, as one undo step: a
    // repeater that already is a channel (same RX, TX and mode) or lies
    // outside the radio's bands is left out and named; the channels join the
    // zone named `zoneName` (created when no zone has that name; no zone when
    // empty). A DMR repeater with talkgroups gets a talkgroup list of them
    // (contacts reused by ID or created) as its channel's group list, its
    // first talkgroup as the TX contact. One log line.
    EditResult addRepeaters(const QList<DirectoryRepeater>& repeaters, const QString& zoneName);

    // ---- records from another codeplug (MergeEdits.cpp) ----
    // Takes the chosen records of `other` (named `otherName` in the log)
    // with everything they refer to, as one undo step with one log line per
    // kind taken ("Channels from club.nerka: 2 added, 1 already there.").
    // Clashes of names are settled per kind as `answers` says. Refused whole
    // when the records do not fit or the families differ.
    EditResult mergeFrom(const CodeplugImage& other, const QString& otherName,
                         const MergeSelection& chosen, const std::array<ClashAnswer, 4>& answers) {
        return announce(mergeFromQuietly(other, otherName, chosen, answers));
    }

    // ---- the codeplug as CSV files (CodeplugCsvFiles.cpp) ----
    // Talkgroup lists and zones as CSV (MemberListCsv.h).
    EditResult exportTalkgroupsCsv(const QString& path);
    EditResult exportZonesCsv(const QString& path);
    // contacts.csv, talkgroups.csv, channels.csv and zones.csv into `folder`,
    // each replaced whole or not at all: "Codeplug exported as 4 CSV files to
    // FOLDER.".
    EditResult exportCodeplugCsv(const QString& folder);
    // Reads the given files in the order contacts, talkgroup lists, channels,
    // zones, each meeting the records there as `mode` says, as one undo step
    // with one log line per file naming the rows left out. A file that cannot
    // be read or rows that do not fit refuse the whole import: nothing
    // changes. When nothing differs afterwards there is no step.
    EditResult importCodeplugCsv(const CodeplugCsvPaths& paths, CsvImportMode mode);
    // The names the channel table files use for references.
    [[nodiscard]] ChannelRowNames channelRowNames() const;

    // ---- contacts, talkgroups, zones ----
    [[nodiscard]] std::optional<int> freeContactSlot() const;
    [[nodiscard]] std::optional<int> freeTalkgroupIndex() const;
    [[nodiscard]] std::optional<int> freeZoneIndex() const;
    // A blank record in the lowest free place, for an editor to fill; nothing
    // when the list is full.
    [[nodiscard]] std::optional<DMRContact> newContact() const;
    [[nodiscard]] std::optional<Talkgroup> newTalkgroup() const;
    [[nodiscard]] std::optional<Zone> newZone() const;
    EditResult updateContact(int slot, const ContactEdit& edit) {
        return announce(updateContactQuietly(slot, edit));
    }
    // New contacts in the lowest free slots, in order, as one step; refused
    // whole when they do not all fit.
    EditResult importContacts(const QList<ContactEdit>& edits) {
        return announce(importContactsQuietly(edits));
    }
    // Deletes the contact, clears it as any channel's contact and removes it
    // from every talkgroup.
    EditResult deleteContact(int slot) { return announce(deleteContactQuietly(slot)); }
    EditResult reorderContacts(const QList<int>& slots) {
        return announce(reorderContactsQuietly(slots));
    }
    EditResult updateTalkgroup(int index, const TalkgroupEdit& edit) {
        return announce(updateTalkgroupQuietly(index, edit));
    }
    // Deletes the talkgroup and clears it from every channel's group list.
    EditResult deleteTalkgroup(int index) { return announce(deleteTalkgroupQuietly(index)); }
    EditResult reorderTalkgroups(const QList<int>& indices) {
        return announce(reorderTalkgroupsQuietly(indices));
    }
    EditResult updateZone(int index, const ZoneEdit& edit) {
        return announce(updateZoneQuietly(index, edit));
    }
    EditResult deleteZone(int index) { return announce(deleteZoneQuietly(index)); }
    EditResult reorderZones(const QList<int>& indices) {
        return announce(reorderZonesQuietly(indices));
    }

    // Zones listing any of the channels (each zone counted once).
    [[nodiscard]] RecordReferences referencesToChannels(const QList<int>& numbers) const;
    [[nodiscard]] RecordReferences referencesToContact(int slot) const;
    [[nodiscard]] RecordReferences referencesToTalkgroup(int index) const;

    // ---- membership (MembershipEdits.cpp) ----
    // The most members one zone (channels) or one talkgroup list (contacts)
    // holds on radios of `variant`; without a variant, the larger figure.
    [[nodiscard]] static int zoneMemberLimit(std::optional<RadioVariant> variant);
    [[nodiscard]] static int talkgroupMemberLimit(std::optional<RadioVariant> variant);
    // The limits for the codeplug loaded now.
    [[nodiscard]] int zoneMemberLimit() const;
    [[nodiscard]] int talkgroupMemberLimit() const;
    // Puts the channels (numbers) into zone `index`, appended in the order
    // given after its present members, or takes them out: one step. An
    // addition that would pass the zone's limit is refused whole, naming the
    // limit; channels already in (or already out) are left as they are.
    EditResult setZoneMembership(int index, const QList<int>& numbers, bool member) {
        return announce(setZoneMembershipQuietly(index, numbers, member));
    }
    // A new zone in the lowest free index, named `name`, holding the channels
    // in the order given: one step. createdKey() is the zone's index.
    EditResult createZoneFromChannels(const QString& name, const QList<int>& numbers) {
        return announce(createZoneFromChannelsQuietly(name, numbers));
    }
    // Puts contact `slot` into talkgroup list `index` (at its end) or takes
    // it out. Adding to a full list is refused, naming the limit.
    EditResult setTalkgroupMembership(int index, int slot, bool member) {
        return announce(setTalkgroupMembershipQuietly(index, slot, member));
    }
    // Many ticks of the membership grid as one step: each pair puts record
    // `second` (a channel number, or a contact slot) into list `first` (a
    // zone or talkgroup index), or takes it out. A record joins a list right
    // after the last member that comes before it in record order, so a list
    // in channel (or contact) order stays in that order. An addition that
    // would pass a list's limit refuses the whole step, naming that list.
    EditResult setZoneMemberships(const QList<std::pair<int, int>>& cells, bool member) {
        return announce(setZoneMembershipsQuietly(cells, member));
    }
    EditResult setTalkgroupMemberships(const QList<std::pair<int, int>>& cells, bool member) {
        return announce(setTalkgroupMembershipsQuietly(cells, member));
    }

    // ---- settings and themes ----
    EditResult writeSettings(const DeviceSettings& settings) {
        return announce(writeSettingsQuietly(settings));
    }
    EditResult writeTheme(const QList<ThemeColor>& colors, ThemeKind kind) {
        return announce(writeThemeQuietly(colors, kind));
    }
    // Replaces colour `index` of the theme of `kind`; nothing to do when the
    // codeplug has no such theme or colour.
    EditResult setThemeColor(ThemeKind kind, int index, double r, double g, double b);
    // Reads a .gtm file into the theme of `kind` ("Theme (Day) imported from
    // NAME."). Without such a theme: "Kein Theme im Codeplug vorhanden.".
    EditResult importTheme(const QString& path, ThemeKind kind);
    // Saves the theme of `kind` as a .gtm file: "Kein Theme vorhanden." when
    // the codeplug has none, the file store's text when the file cannot be
    // written (it is replaced whole or not at all), else the line
    // "Theme (Day) exported to <name>.".
    EditResult exportTheme(ThemeKind kind, const QString& path);

    // ---- satellites (SatelliteEdits.cpp) ----
    // A blank satellite after the last one; nothing when the table is full.
    [[nodiscard]] std::optional<Satellite> newSatellite() const;
    // Stores the satellite at its index (a new one after the last), with its
    // keps from `keps` when they name it. Adds the satellite block when the
    // codeplug has none.
    EditResult updateSatellite(const Satellite& satellite, const QList<TLERecord>& keps = {});
    EditResult deleteSatellite(int index);
    // Adds the candidates (replacing satellites of the same name) as far as
    // the table has room; "Load a codeplug first." without a codeplug.
    EditResult addSatellites(const QList<SatelliteCandidate>& candidates);
    // New keps for the satellites of the table that `records` name.
    EditResult refreshKeps(const QList<TLERecord>& records);

    // ---- undo ----
    EditResult undo() { return announce(undoQuietly()); }
    EditResult redo() { return announce(redoQuietly()); }

Q_SIGNALS:
    // Records were added, removed, changed or moved (or the whole codeplug replaced).
    void recordsChanged(const nerka::ChangeSet& changes);
    void imageChanged();
    void dirtyRegionsChanged();
    void undoStateChanged();
    void channelClipboardChanged();
    // The result of every edit, import and export above, once each.
    void edited(const nerka::EditResult& result);

private:
    // The controller runs what the radio holds and whether a transfer runs.
    friend class RadioController;
    friend class SessionFrame;

    // While set (a transfer runs), every edit is refused as busy: a read
    // would replace the image and a write would clear the dirty set under it.
    void setBusy(bool busy) { m_busy = busy; }
    // Nothing is known of what the radio holds (another radio may come).
    void forgetBaseline();
    // Marks regions to be written whatever the baseline says (a write of a
    // whole file, a verification that failed). Indices the image lacks are ignored.
    void markRegionsChanged(const RegionSet& regions);
    // Makes exactly `regions` the ones to write (the command line's write of
    // chosen regions of a file): the others are taken as what the radio holds.
    void writeOnly(const RegionSet& regions);

    EditResult announce(EditResult result) {
        Q_EMIT edited(result);
        return result;
    }

    // The edits above as made, before their result is announced.
    EditResult updateChannelQuietly(int number, const ChannelEdit& edit);
    EditResult createChannelQuietly();
    EditResult addChannelQuietly(const ChannelEdit& edit);
    EditResult importChannelsQuietly(const QList<ChannelEdit>& edits);
    EditResult pasteChannelQuietly(const QByteArray& record);
    EditResult duplicateChannelQuietly(int number);
    EditResult deleteChannelsQuietly(const QList<int>& numbers);
    EditResult reorderChannelsQuietly(const QList<int>& numbers);
    EditResult insertChannelRecordsQuietly(const QList<QByteArray>& records,
                                           std::optional<int> afterNumber,
                                           const QList<QList<int>>& zones);
    EditResult insertChannelsQuietly(const QList<ChannelEdit>& edits,
                                     std::optional<int> afterNumber,
                                     const QList<QList<int>>& zones);
    EditResult updateChannelsQuietly(const QList<std::pair<int, ChannelEdit>>& edits);
    EditResult importChannelsIntoZonesQuietly(const QList<ChannelEdit>& edits,
                                              const QList<QList<int>>& zones);
    EditResult updateContactQuietly(int slot, const ContactEdit& edit);
    EditResult importContactsQuietly(const QList<ContactEdit>& edits);
    EditResult deleteContactQuietly(int slot);
    EditResult reorderContactsQuietly(const QList<int>& slots);
    EditResult updateTalkgroupQuietly(int index, const TalkgroupEdit& edit);
    EditResult deleteTalkgroupQuietly(int index);
    EditResult reorderTalkgroupsQuietly(const QList<int>& indices);
    EditResult updateZoneQuietly(int index, const ZoneEdit& edit);
    EditResult deleteZoneQuietly(int index);
    EditResult reorderZonesQuietly(const QList<int>& indices);
    EditResult setZoneMembershipQuietly(int index, const QList<int>& numbers, bool member);
    EditResult createZoneFromChannelsQuietly(const QString& name, const QList<int>& numbers);
    EditResult setTalkgroupMembershipQuietly(int index, int slot, bool member);
    EditResult writeSettingsQuietly(const DeviceSettings& settings);
    EditResult writeThemeQuietly(const QList<ThemeColor>& colors, ThemeKind kind);
    EditResult importThemeQuietly(const QString& path, ThemeKind kind);
    EditResult importChannelCsvQuietly(const QString& path);
    EditResult importContactsCsvQuietly(const QString& path);
    EditResult updateSatelliteQuietly(const Satellite& satellite, const QList<TLERecord>& keps);
    EditResult deleteSatelliteQuietly(int index);
    EditResult addSatellitesQuietly(const QList<SatelliteCandidate>& candidates);
    EditResult refreshKepsQuietly(const QList<TLERecord>& records);
    EditResult undoQuietly();
    EditResult redoQuietly();
    // A paste with nothing to insert: the note of the refused rows as the
    // error, or nothing to do.
    EditResult nothingPasted(const QString& skippedNote);
    // The steps of importCodeplugCsv: each reads its file's text, changes
    // the records of its kind and says what it did in `line` ("2 updated, 1
    // added; 1 row skipped: …"); a refusal stops the import.
    EditResult importCodeplugCsvQuietly(const CodeplugCsvPaths& paths, CsvImportMode mode);
    EditResult mergeFromQuietly(const CodeplugImage& other, const QString& otherName,
                                const MergeSelection& chosen,
                                const std::array<ClashAnswer, 4>& answers);
    EditResult addRepeatersQuietly(const QList<DirectoryRepeater>& repeaters,
                                   const QString& zoneName);
    // The talkgroup lists of the DMR repeaters in `channels` (by position in
    // `repeaters`): contacts by ID, one list per repeater; sets each
    // channel's group list and TX contact. Notes what had no room.
    std::optional<EditResult> addRepeaterTalkgroups(const QList<DirectoryRepeater>& repeaters,
                                                    QList<ChannelEdit>& channels,
                                                    QStringList& notes);
    std::optional<EditResult> importContactRows(const QString& text, CsvImportMode mode,
                                                QString& line);
    // The talkgroup list and zone files: one routine over what the two differ in.
    struct MemberListKind;
    std::optional<EditResult> importMemberListRows(const MemberListKind& kind, const QString& text,
                                                   CsvImportMode mode, QString& line);
    std::optional<EditResult> importTalkgroupRows(const QString& text, CsvImportMode mode,
                                                  QString& line);
    std::optional<EditResult> importChannelRows(const QString& text, CsvImportMode mode,
                                                bool zonesFollow, QString& line);
    std::optional<EditResult> importZoneRows(const QString& text, CsvImportMode mode,
                                             QString& line);
    // The channels with these numbers (every channel for none), or why
    // there are none to export.
    [[nodiscard]] std::variant<QList<RadioChannel>, EditResult>
    channelsToExport(const QList<int>& numbers) const;
    // Makes `changed` (a copy of the image with `regions` written) one undo
    // step named `label`; nothing to do when no byte differs.
    // Runs `steps` (edits of this document) as one undo step named `label`.
    // A refusal from `steps` puts the codeplug and its undo steps back as
    // they were and is returned; otherwise `finish` makes the result, told
    // whether anything differs (no step is kept when nothing does).
    EditResult asOneStep(const QString& label,
                         const std::function<std::optional<EditResult>()>& steps,
                         const std::function<EditResult(bool changed)>& finish);
    // The change set of an edit of several kinds: the views read every record again.
    [[nodiscard]] static ChangeSet wholeCodeplug();
    EditResult storeEdit(const QString& label, const CodeplugImage& changed,
                         const RegionSet& regions);

    // Many ticks of the membership grid as one step, before announced.
    EditResult setZoneMembershipsQuietly(const QList<std::pair<int, int>>& cells, bool member);
    EditResult setTalkgroupMembershipsQuietly(const QList<std::pair<int, int>>& cells, bool member);
    // The frame every edit runs in: `codec` changes a copy of the image and
    // returns the regions it wrote (none: refused with `failure`). When no byte
    // differs afterwards, nothing to do. Otherwise the copy becomes the image
    // as one undo step named `label`, and the result carries `summary`.
    using Codec = std::function<RegionSet(CodeplugImage&)>;
    EditResult edit(const QString& label, const Codec& codec, const EditRefusal& failure,
                    const QString& summary);

    struct Step {
        QString label;
        CodeplugImage image; // the image the step replaced
    };
    // Undo keeps this many steps (the oldest goes first). Every step shares
    // the unchanged buffers of its neighbours, but each edit detaches the
    // region it wrote (up to ~80 KB).
    static constexpr qsizetype kUndoLimit = 100;

    [[nodiscard]] std::optional<EditResult> guard() const;
    // Makes `changed` the image, re-derives the lists, recomputes the dirty
    // set and announces what changed.
    ChangeSet replaceImage(const CodeplugImage& changed);
    void recomputeDirty();
    void setUndo(QList<Step> undo, QList<Step> redo);
    EditResult restore(QList<Step>& from, QList<Step>& to, const QString& verb);
    [[nodiscard]] std::optional<int> freeChannelSlot(const QSet<int>& taken) const;
    // The frame of insertChannelRecords and insertChannels: `write` stores
    // new channel `i` (0-based) into the free slot `position`.
    using ChannelWriter = std::function<RegionSet(qsizetype i, int position, CodeplugImage&)>;
    EditResult insertChannelsWith(qsizetype count, std::optional<int> afterNumber,
                                  const ChannelWriter& write, const QList<QList<int>>& zones);

    std::optional<CodeplugImage> m_image;
    // Per region: the bytes the radio holds; a null array where unknown.
    std::optional<CodeplugImage> m_baseline;
    std::optional<std::uint32_t> m_baselineRadio;
    bool m_new = false;
    RegionSet m_marked;
    RegionSet m_dirty;
    bool m_busy = false;

    QList<RadioChannel> m_channels;
    QList<DMRContact> m_contacts;
    QList<Talkgroup> m_talkgroups;
    QList<Zone> m_zones;
    QStringList m_aprsSystems;
    std::optional<DeviceSettings> m_settings;
    std::optional<QList<ThemeColor>> m_dayTheme;
    std::optional<QList<ThemeColor>> m_nightTheme;
    QList<Satellite> m_satellites;
    std::optional<QByteArray> m_channelClipboard;
    // The names the copied record referred to when it was copied: a paste
    // keeps the stored slots only while those records still have them.
    ChannelRowReferences m_channelClipboardNames;

    QList<Step> m_undo;
    QList<Step> m_redo;
};

} // namespace nerka
