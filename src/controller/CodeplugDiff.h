#pragma once

#include "codeplug/CodeplugImage.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include <variant>

namespace nerka {

// One record that differs between two codeplugs.
struct CodeplugChange {
    // In the order the changes are listed.
    enum class Kind {
        channel,
        contact,
        talkgroup,
        zone,
        settings,
        aprs,
        dayTheme,
        nightTheme,
        satellite,
        bytes, // bytes that no decoded record field covers, per region
    };
    enum class Type { added, removed, changed };

    struct Field {
        QString name; // the record field's key in the codeplug's JSON dump
        QJsonValue oldValue;
        QJsonValue newValue;
    };

    Kind kind = Kind::channel;
    // Channel number, contact slot, talkgroup, zone, APRS or satellite index,
    // theme colour index, region index for `bytes`; 0 for settings.
    int key = 0;
    Type type = Type::changed;
    // The fields whose values differ (empty for added and removed). For
    // `bytes`: one field named by the offset of the first differing run within
    // the region, with the old and new bytes of that run as hex text.
    QList<Field> fields;
    // The added or removed record as the dump prints it, for texts that name
    // it (empty for changed records).
    QJsonObject oldRecord;
    QJsonObject newRecord;
};

// A change as the user reads it. Where the position-by-position changes speak
// of numbers, this speaks of records: records are matched by content, then by
// name, then by place, so a record found again under another number is moved
// (or, when it only kept its order while others moved, renumbered) rather than
// changed at two numbers; new records that pushed others behind them were
// inserted; references to a moved record that follow it are no change; zone
// and talkgroup members are compared as the records they name.
struct ReadableChange {
    enum class Type {
        added,
        deleted,
        changed,
        moved,          // `key` → `newKey`
        renumbered,     // `key` → `newKey`, keeping its order among the others
        renumberedMany, // `count` records renumbered (`others`: besides those listed as moved)
        inserted,       // `count` new records from `key` on, pushing `followers` behind them
        bytes,          // a `bytes` change: `details` holds its one sentence
    };

    CodeplugChange::Kind kind = CodeplugChange::Kind::channel;
    Type type = Type::changed;
    int key = 0;         // as CodeplugChange::key; the new key for added records
    int newKey = 0;      // moved and renumbered
    int count = 0;       // renumberedMany, inserted
    int followers = 0;   // inserted: records behind the insert that were renumbered
    bool others = false; // renumberedMany
    QString name;        // the record's name (before the change; after for added)
    // changed: one phrase per field ("Power Low → High", "renamed to X").
    QStringList details;
};

// Record-level differences from `old` to `new`, ordered by kind and key. A
// codeplug holds the same as another exactly when no change is listed: every
// differing byte of the regions both hold is either part of a record listed
// as changed, added or removed, or reported under `bytes`.
struct CodeplugDiff {
    // Position by position, as the JSON form lists them.
    QList<CodeplugChange> changes;
    // The same differences in plain words (empty exactly when `changes` is).
    QList<ReadableChange> readable;
    [[nodiscard]] bool same() const { return changes.isEmpty(); }
};

// The longest run of bytes a `bytes` change quotes; a longer run is cut there.
inline constexpr int kDiffQuotedBytes = 64;

// The differences, or the reason two codeplugs cannot be compared (they are of
// different radio families).
[[nodiscard]] std::variant<CodeplugDiff, QString> diffCodeplugs(const CodeplugImage& oldImage,
                                                                const CodeplugImage& newImage);

// "channel", "contact", … as the JSON form names a kind.
[[nodiscard]] QString changeKindKey(CodeplugChange::Kind kind);
// {"same": bool, "changes": [{"kind", "key", "change", "fields": {FIELD: [OLD, NEW]}}]},
// "fields" only for changed records.
[[nodiscard]] QJsonObject diffToJson(const CodeplugDiff& diff);
// One line in plain words: "Channel 12 DB0AAT R4: Power Low → High",
// "Channel 12 DB0AAT R4 moved to 14", "Zone 3 Home: adds DB0AAT, DB0XYZ".
// Numbers are those the user sees: channel numbers, and 1-based contact,
// talkgroup, zone, APRS and satellite positions; regions keep their index.
[[nodiscard]] QString changeText(const ReadableChange& change);
// The lines of `diff.readable`.
[[nodiscard]] QStringList diffText(const CodeplugDiff& diff);

// The change list grouped by kind, in the order of the list: a heading
// ("Channels", "Settings"), how many records (theme colours, regions) the
// group's lines change, and the lines.
struct ChangeGroup {
    CodeplugChange::Kind kind = CodeplugChange::Kind::channel;
    QString heading;
    int count = 0;
    QStringList lines;
};
[[nodiscard]] QList<ChangeGroup> changeGroups(const CodeplugDiff& diff);
// The changes counted in words: "3 channels and 1 zone changed",
// "1,024 channels, 2 contacts and the settings changed"; "Nothing changed"
// when the codeplugs hold the same.
[[nodiscard]] QString changeCountText(const QList<ChangeGroup>& groups);

} // namespace nerka
