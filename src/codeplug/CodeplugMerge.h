#pragma once

#include "codeplug/CodeplugImage.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>

namespace nerka {

// Records of a second codeplug taken into this one. A record brings what it
// refers to: a zone its channels, a channel its TX contact and RX group list,
// a group list its contacts. A record of the same kind and name that holds
// the same is used as it is; one of that name that holds something else is a
// clash, settled once per kind. Both codeplugs must be of the same family.

// The kinds in the order they are taken (each refers only to earlier ones).
enum class MergeKind { contact = 0, talkgroup = 1, channel = 2, zone = 3 };
inline constexpr std::array<MergeKind, 4> kMergeKinds = {MergeKind::contact, MergeKind::talkgroup,
                                                         MergeKind::channel, MergeKind::zone};

// What happens to a record whose name a different record here already has.
enum class ClashAnswer {
    useExisting, // the record here stands for it; references go to it
    addCopy,     // added beside it under a free name ("Name 2")
    replace,     // overwritten in its place, so what refers to it here follows
};

// The records chosen, by their key in the other codeplug: zone indices,
// channel numbers, talkgroup (RX group list) indices and contact slots.
struct MergeSelection {
    QList<int> zones;
    QList<int> channels;
    QList<int> talkgroups;
    QList<int> contacts;
    [[nodiscard]] bool isEmpty() const {
        return zones.isEmpty() && channels.isEmpty() && talkgroups.isEmpty() && contacts.isEmpty();
    }
};

// How a record of the other codeplug stands against this one.
enum class MergeStatus {
    added, // no record of its kind here has its name
    same,  // one here has its name and holds the same (with references by name)
    clash, // one here has its name and holds something else
};

struct MergeKindOutcome {
    // Every record of the kind that the merge took (chosen or brought along),
    // by its key in the other codeplug, with how it stood.
    QMap<int, MergeStatus> taken;
    QStringList clashNames; // names of the clashing records, in key order
    int added = 0;
    int copied = 0;
    int replaced = 0;
    int used = 0; // taken as the record here (same, or a clash answered useExisting)
};

struct CodeplugMerge {
    CodeplugImage image; // this codeplug with the records taken
    RegionSet regions;   // the regions written
    std::array<MergeKindOutcome, 4> kinds;
    // Non-empty when the records do not fit ("No room for 3 more zones: …")
    // or the codeplugs are of different families: nothing may be taken then.
    QString refusal;
    [[nodiscard]] const MergeKindOutcome& of(MergeKind kind) const {
        return kinds[std::size_t(kind)];
    }
};

// Takes the chosen records of `other` into `image`, with everything they
// refer to, answering each kind's clashes as `answers` says (indexed by
// MergeKind). New records go into the lowest free slots.
[[nodiscard]] CodeplugMerge mergeCodeplug(const CodeplugImage& image, const CodeplugImage& other,
                                          const MergeSelection& chosen,
                                          const std::array<ClashAnswer, 4>& answers = {});

// Every record of `other`, for the list to choose from.
[[nodiscard]] MergeSelection wholeSelection(const CodeplugImage& other);

// `name` made unique among `taken` by a number ("Name 2", "Name 3", …), the
// name cut so that the whole fits `width` characters.
[[nodiscard]] QString freeMergeName(const QString& name, int width, const QStringList& taken);

} // namespace nerka
