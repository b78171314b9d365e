#pragma once

#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/FieldText.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ZoneCodec.h"

#include <QJsonValue>
#include <QLatin1String>
#include <QList>
#include <QString>

namespace nerka {

// The field tables of the small record kinds, in the style of the channel
// field table (ChannelFields.h): one row per field with its `dump --json`
// key, its one label, its CSV header where a CSV carries it, and how to read
// it from the record. The JSON dump, the change list and the contact table
// and CSV iterate over these instead of listing the fields again.
template <typename Record> struct RecordFieldInfo {
    QLatin1String key; // `dump --json` and `edit`
    QString label;
    QString csvHeader; // empty where no CSV carries the field
    QJsonValue (*dump)(const Record&) = nullptr;
    // The value as the window and the CSV write it.
    QString (*text)(const Record&) = nullptr;
    // True when `text` is one of a few words (a contact's type) rather than
    // a name or a number: the window shows it translated.
    bool wordValue = false;

    // The label and the value in the window's language (FieldText.h);
    // `label` and `text` stay what files carry.
    [[nodiscard]] QString displayLabel() const { return fieldDisplayText(label); }
    [[nodiscard]] QString displayValue(const Record& record) const {
        return wordValue ? fieldDisplayText(text(record)) : text(record);
    }
};

using ContactFieldInfo = RecordFieldInfo<DMRContact>;
using SettingsFieldInfo = RecordFieldInfo<DeviceSettings>;
using TalkgroupFieldInfo = RecordFieldInfo<Talkgroup>;
using ZoneFieldInfo = RecordFieldInfo<Zone>;

// Name, DMR-ID, Type, Time slot override.
[[nodiscard]] const QList<ContactFieldInfo>& contactFieldTable();
// Callsign, DMR-ID, VHF and UHF minimum and maximum.
[[nodiscard]] const QList<SettingsFieldInfo>& settingsFieldTable();
// The member lists: name, the members (contact slots; channel positions) and
// the members' names, one per member. The names follow from the members and
// are shown, not compared.
[[nodiscard]] const QList<TalkgroupFieldInfo>& talkgroupFieldTable();
[[nodiscard]] const QList<ZoneFieldInfo>& zoneFieldTable();

// The label of a dump key in a table in the window's language, or the key
// itself when the table has no such field.
template <typename Record>
[[nodiscard]] QString fieldLabelOf(const QList<RecordFieldInfo<Record>>& table, QStringView key) {
    for (const auto& row : table) {
        if (row.key == key)
            return row.displayLabel();
    }
    return key.toString();
}

} // namespace nerka
