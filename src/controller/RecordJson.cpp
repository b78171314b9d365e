#include "controller/RecordJson.h"

#include "codeplug/RecordFieldTables.h"
#include "satellites/SatelliteFields.h"

#include <QJsonArray>

namespace nerka {

RecordFields channelFields(const RadioChannel& c) {
    RecordFields fields{{QLatin1String("number"), c.number}};
    for (const ChannelFieldInfo& row : channelFieldTable()) {
        if (row.dumpKey.isEmpty())
            continue;
        fields.append({row.dumpKey, row.dump(c)});
        if (!row.dumpTextKey.isEmpty())
            fields.append({row.dumpTextKey, row.display(c, {})});
    }
    return fields;
}

RecordFields contactFields(const DMRContact& c) {
    RecordFields fields{{QLatin1String("slot"), c.slot}};
    for (const ContactFieldInfo& row : contactFieldTable())
        fields.append({row.key, row.dump(c)});
    return fields;
}

RecordFields talkgroupFields(const Talkgroup& t) {
    RecordFields fields{{QLatin1String("index"), t.index}};
    for (const TalkgroupFieldInfo& row : talkgroupFieldTable())
        fields.append({row.key, row.dump(t)});
    return fields;
}

RecordFields zoneFields(const Zone& z) {
    RecordFields fields{{QLatin1String("index"), z.index}};
    for (const ZoneFieldInfo& row : zoneFieldTable())
        fields.append({row.key, row.dump(z)});
    return fields;
}

RecordFields settingsFields(const DeviceSettings& s) {
    RecordFields fields;
    for (const SettingsFieldInfo& row : settingsFieldTable())
        fields.append({row.key, row.dump(s)});
    return fields;
}

QJsonObject fieldsToJson(const RecordFields& fields) {
    QJsonObject object;
    for (const auto& [key, value] : fields)
        object.insert(key, value);
    return object;
}

QJsonObject channelToJson(const RadioChannel& channel) {
    return fieldsToJson(channelFields(channel));
}

QJsonObject contactToJson(const DMRContact& contact) {
    return fieldsToJson(contactFields(contact));
}

QJsonObject talkgroupToJson(const Talkgroup& talkgroup) {
    return fieldsToJson(talkgroupFields(talkgroup));
}

QJsonObject zoneToJson(const Zone& zone) {
    return fieldsToJson(zoneFields(zone));
}

QJsonObject settingsToJson(const DeviceSettings& settings) {
    return fieldsToJson(settingsFields(settings));
}

QJsonObject satelliteToJson(const Satellite& satellite) {
    return fieldsToJson(satelliteFields(satellite));
}

QJsonValue themeToJson(const std::optional<QList<ThemeColor>>& theme) {
    if (!theme)
        return QJsonValue();
    QJsonArray out;
    for (const ThemeColor& color : *theme)
        out.append(int(packThemeColor(color)));
    return out;
}

RecordFields satelliteFields(const Satellite& s) {
    RecordFields fields{{QLatin1String("index"), s.index}};
    for (const SatelliteFieldInfo& row : satelliteFieldTable())
        fields.append({row.key, row.dump(s)});
    return fields;
}

} // namespace nerka
