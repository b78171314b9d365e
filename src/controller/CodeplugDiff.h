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

// Record-level differences from `old` to `new`, ordered by kind and key. A
// codeplug holds the same as another exactly when no change is listed: every
// differing byte of the regions both hold is either part of a record listed
// as changed, added or removed, or reported under `bytes`.
struct CodeplugDiff {
    QList<CodeplugChange> changes;
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
// One readable line for a change: channel 12 renamed "X" → "Y", zone 3 gains 2 channels, …
// Numbers are those the user sees: channel numbers, and 1-based contact,
// talkgroup, zone, APRS and satellite positions; regions keep their index.
[[nodiscard]] QString changeText(const CodeplugChange& change);
[[nodiscard]] QStringList diffText(const CodeplugDiff& diff);

} // namespace nerka
