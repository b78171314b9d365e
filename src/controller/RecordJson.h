#pragma once

#include "codeplug/ChannelFields.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/RadioChannel.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ThemeCodec.h"
#include "codeplug/Tone.h"
#include "codeplug/ZoneCodec.h"
#include "satellites/Satellite.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1String>
#include <QList>

#include <optional>
#include <utility>

namespace nerka {

// A record's fields as (key, value) pairs in a fixed order. The command
// line's dump prints them as JSON objects and the codeplug diff compares them
// pair by pair, so both speak of a record in the same field names and values.
using RecordFields = QList<std::pair<QLatin1String, QJsonValue>>;

[[nodiscard]] RecordFields channelFields(const RadioChannel& channel);
[[nodiscard]] RecordFields contactFields(const DMRContact& contact);
[[nodiscard]] RecordFields talkgroupFields(const Talkgroup& talkgroup);
[[nodiscard]] RecordFields zoneFields(const Zone& zone);
[[nodiscard]] RecordFields settingsFields(const DeviceSettings& settings);
[[nodiscard]] RecordFields satelliteFields(const Satellite& satellite);
[[nodiscard]] QJsonObject fieldsToJson(const RecordFields& fields);

// Each decoded record as a JSON object whose keys are the record's fields.
[[nodiscard]] QJsonObject channelToJson(const RadioChannel& channel);
[[nodiscard]] QJsonObject contactToJson(const DMRContact& contact);
[[nodiscard]] QJsonObject talkgroupToJson(const Talkgroup& talkgroup);
[[nodiscard]] QJsonObject zoneToJson(const Zone& zone);
[[nodiscard]] QJsonObject settingsToJson(const DeviceSettings& settings);
[[nodiscard]] QJsonObject satelliteToJson(const Satellite& satellite);
// Null, or the packed RGB565 values of every colour.
[[nodiscard]] QJsonValue themeToJson(const std::optional<QList<ThemeColor>>& theme);

} // namespace nerka
