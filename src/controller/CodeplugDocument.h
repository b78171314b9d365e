#pragma once

#include "codeplug/CodeplugImage.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/RadioChannel.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ThemeCodec.h"
#include "codeplug/ZoneCodec.h"
#include "controller/EditResult.h"
#include "satellites/Satellite.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

namespace nerka {

// Lists decoded on the thread that obtained an image (the work queue after a
// read), handed to CodeplugDocument::load on the main thread.
struct DecodedImage {
    QList<RadioChannel> channels;
    QList<DMRContact> contacts;
    QList<Talkgroup> talkgroups;
    QList<Zone> zones;
};

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
// (talkgroups, zones) together with generation(), which grows whenever a
// whole codeplug is loaded or dropped; two records are equal when their
// contents are.
//
// Main thread only.
class CodeplugDocument : public QObject {
    Q_OBJECT

public:
    explicit CodeplugDocument(QObject* parent = nullptr);

    // ---- state ----
    [[nodiscard]] const std::optional<CodeplugImage>& image() const { return m_image; }
    [[nodiscard]] quint64 generation() const { return m_generation; }
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

    [[nodiscard]] bool canUndo() const { return !m_undo.isEmpty(); }
    [[nodiscard]] bool canRedo() const { return !m_redo.isEmpty(); }
    // The label of the step the next undo or redo takes back ("Delete 3 channels").
    [[nodiscard]] QString undoLabel() const;
    [[nodiscard]] QString redoLabel() const;

    // While set (a transfer runs), every edit is refused as busy: a read
    // would replace the image and a write would clear the dirty set under it.
    void setBusy(bool busy) { m_busy = busy; }

    // ---- whole codeplug ----
    // Publishes a new codeplug (a read, an open, a restore): clears the undo
    // history and the marked regions; the baseline stays (it is the radio's).
    void load(const CodeplugImage& image, const DecodedImage& decoded);
    // Drops the codeplug and the baseline (a disconnect by the user).
    void clear();
    // The radio is known to hold `image` (read in full, or verified).
    void setBaseline(const CodeplugImage& image);
    // The radio now holds `sent` in `regions` (a write succeeded).
    void markWritten(const CodeplugImage& sent, const RegionSet& regions);
    // Nothing is known of what the radio holds (another radio may come).
    void forgetBaseline();
    // Marks regions to be written whatever the baseline says (a write of a
    // whole file, a verification that failed). Indices the image lacks are ignored.
    void markRegionsChanged(const RegionSet& regions);
    // Makes exactly `regions` the ones to write (the command line's write of
    // chosen regions of a file): the others are taken as what the radio holds.
    void writeOnly(const RegionSet& regions);

    // ---- channels ----
    EditResult updateChannel(int number, const ChannelEdit& edit);
    // A blank channel in the lowest free slot.
    EditResult createChannel();
    // A new channel in the lowest free slot with `edit` stored: one step.
    EditResult addChannel(const ChannelEdit& edit);
    EditResult importChannels(const QList<ChannelEdit>& edits);
    EditResult pasteChannel(const QByteArray& record);
    EditResult duplicateChannel(int number);
    // Deletes the channels and removes them from every zone.
    EditResult deleteChannels(const QList<int>& numbers);
    // `numbers`: every channel, in its new order.
    EditResult reorderChannels(const QList<int>& numbers);

    // ---- several channels at once (ChannelBulkEdits.cpp) ----
    // Inserts new channels right after channel `afterNumber` (after the last
    // channel when none), in order, as one step: the channels behind them
    // move up and every zone follows them. Refused as a whole when they do
    // not all fit. The result's createdKey is the first new number; the new
    // channels are numbered from there on.
    // Each new channel joins the zones (by index) at its place in `zones`, in
    // the same step; a zone already holding as many channels as it can takes
    // no more, and the summary counts those left out.
    EditResult insertChannelRecords(const QList<QByteArray>& records,
                                    std::optional<int> afterNumber,
                                    const QList<QList<int>>& zones = {});
    EditResult insertChannels(const QList<ChannelEdit>& edits, std::optional<int> afterNumber,
                              const QList<QList<int>>& zones = {});
    // Stores each edit in its channel as one step ("Edit 12 channels").
    EditResult updateChannels(const QList<std::pair<int, ChannelEdit>>& edits);
    // importChannels, and each new channel added to the zones (by index) at
    // the same place in `zones`, as one step. A zone already holding as many
    // channels as it can takes no more; the summary counts those left out.
    EditResult importChannelsIntoZones(const QList<ChannelEdit>& edits,
                                       const QList<QList<int>>& zones);

    // ---- contacts, talkgroups, zones ----
    [[nodiscard]] std::optional<int> freeContactSlot() const;
    [[nodiscard]] std::optional<int> freeTalkgroupIndex() const;
    [[nodiscard]] std::optional<int> freeZoneIndex() const;
    EditResult updateContact(int slot, const ContactEdit& edit);
    // New contacts in the lowest free slots, in order, as one step; refused
    // whole when they do not all fit.
    EditResult importContacts(const QList<ContactEdit>& edits);
    // Deletes the contact, clears it as any channel's contact and removes it
    // from every talkgroup.
    EditResult deleteContact(int slot);
    EditResult reorderContacts(const QList<int>& slots);
    EditResult updateTalkgroup(int index, const TalkgroupEdit& edit);
    // Deletes the talkgroup and clears it from every channel's group list.
    EditResult deleteTalkgroup(int index);
    EditResult reorderTalkgroups(const QList<int>& indices);
    EditResult updateZone(int index, const ZoneEdit& edit);
    EditResult deleteZone(int index);
    EditResult reorderZones(const QList<int>& indices);

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
    EditResult setZoneMembership(int index, const QList<int>& numbers, bool member);
    // A new zone in the lowest free index, named `name`, holding the channels
    // in the order given: one step. createdKey() is the zone's index.
    EditResult createZoneFromChannels(const QString& name, const QList<int>& numbers);
    // Puts contact `slot` into talkgroup list `index` (at its end) or takes
    // it out. Adding to a full list is refused, naming the limit.
    EditResult setTalkgroupMembership(int index, int slot, bool member);

    // ---- settings, themes and other blocks ----
    EditResult writeSettings(const DeviceSettings& settings);
    EditResult writeTheme(const QList<ThemeColor>& colors, ThemeKind kind);
    // The frame every edit runs in: `codec` changes a copy of the image and
    // returns the regions it wrote (none: refused with `failure`). When no byte
    // differs afterwards, nothing to do. Otherwise the copy becomes the image
    // as one undo step named `label`, and the result carries `summary`.
    using Codec = std::function<RegionSet(CodeplugImage&)>;
    EditResult edit(const QString& label, const Codec& codec, const EditRefusal& failure,
                    const QString& summary);

    // ---- undo ----
    EditResult undo();
    EditResult redo();

Q_SIGNALS:
    // Records were added, removed, changed or moved (or the whole codeplug replaced).
    void recordsChanged(const nerka::ChangeSet& changes);
    void imageChanged();
    void dirtyRegionsChanged();
    void undoStateChanged();

private:
    struct Step {
        QString label;
        CodeplugImage image; // the image the step replaced
    };

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
    RegionSet m_marked;
    RegionSet m_dirty;
    quint64 m_generation = 0;
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

    QList<Step> m_undo;
    QList<Step> m_redo;
};

} // namespace nerka
