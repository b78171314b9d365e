#pragma once

#include "codeplug/ContactCodec.h"
#include "controller/CodeplugDiff.h"

#include <QHash>
#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace nerka {

// The words of the change list: record nouns, field labels and values as the
// record editors show them, so a change reads the way the user set it.

// Names of one codeplug's records, for values that refer to other records.
struct ChangeNames {
    QHash<int, QString> channels;    // channel number → name
    QHash<int, DMRContact> contacts; // contact slot → contact
    QHash<int, QString> talkgroups;  // talkgroup index → name
    QStringList aprsSystems;         // APRS system index → name
};

// "Channel", "Contact", "Talkgroup", "Zone", "Settings", "APRS system",
// "Day theme", "Night theme", "Satellite", "Region".
[[nodiscard]] QString recordNoun(CodeplugChange::Kind kind);
// The same word as the source text of the catalogue ("Channel").
[[nodiscard]] const char* recordNounSource(CodeplugChange::Kind kind);
// The number the user sees for a record key: the channel number, a 1-based
// position for contacts, talkgroups, zones, APRS systems and satellites, the
// index itself for theme colours and regions.
[[nodiscard]] int recordNumber(CodeplugChange::Kind kind, int key);

// The editor's label of a record field ("Power", "Contact (TX)", "TX tone");
// the field's key when no editor shows it. Theme colours are labelled by
// their slot (`field` is then ignored; pass the colour index as `key`).
[[nodiscard]] QString fieldLabel(CodeplugChange::Kind kind, const QString& field, int key = 0);
// A field's value as the editors show it: "High", "88.5 Hz", "DCS 023 N",
// "Bayern (TG 262)", "145.50000", "#FF0000", "on" / "off". `names` are those of
// the codeplug the value comes from.
[[nodiscard]] QString fieldValueText(CodeplugChange::Kind kind, const QString& field,
                                     const QJsonValue& value, const ChangeNames& names);

// A contact named with its ID: "Bayern (TG 262)", "Max (Private Call 2621234)".
[[nodiscard]] QString contactText(const DMRContact& contact);
// A packed RGB565 colour as #RRGGBB.
[[nodiscard]] QString themeColorText(int packed);
// "elements updated (epoch 2026-12-01)"; without an epoch "elements updated".
// `epoch` is the dump's ISO text or null.
[[nodiscard]] QString elementsUpdatedText(const QJsonValue& epoch);
// "adds A, B; removes C; order changed" for a member list that gained
// `added` and lost `removed` names, and whose remaining members now stand in
// another order when `orderChanged`. Long lists name the first few and count
// the rest.
[[nodiscard]] QString membersChangeText(const QStringList& added, const QStringList& removed,
                                        bool orderChanged);

} // namespace nerka
