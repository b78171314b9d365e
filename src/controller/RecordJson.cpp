#include "controller/RecordJson.h"

#include "codeplug/RecordFieldTables.h"
#include "satellites/SatelliteCodec.h"

#include <QJsonArray>

namespace nerka {

namespace {

QJsonValue hexText(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex());
}

QJsonArray intArray(const QList<int>& values) {
    QJsonArray out;
    for (int v : values)
        out.append(v);
    return out;
}

QJsonValue epochJson(const Satellite& s) {
    const auto epoch = epochDate(s);
    if (!epoch)
        return QJsonValue();
    // Rounded to the nearest second.
    const qint64 ms = epoch->toMSecsSinceEpoch();
    const qint64 seconds = (ms >= 0 ? ms + 500 : ms - 499) / 1000;
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate);
}

} // namespace

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
    return RecordFields{
        {QLatin1String("index"), t.index},
        {QLatin1String("name"), t.name},
        {QLatin1String("memberSlots"), intArray(t.memberSlots)},
        {QLatin1String("contactNames"), QJsonArray::fromStringList(t.contactNames)}};
}

RecordFields zoneFields(const Zone& z) {
    return RecordFields{
        {QLatin1String("index"), z.index},
        {QLatin1String("name"), z.name},
        {QLatin1String("memberIndices"), intArray(z.memberIndices)},
        {QLatin1String("channelNames"), QJsonArray::fromStringList(z.channelNames)}};
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
    return RecordFields{{QLatin1String("index"), s.index},
                        {QLatin1String("name"), s.name},
                        {QLatin1String("tle1"), hexText(s.tle1)},
                        {QLatin1String("tle2"), hexText(s.tle2)},
                        {QLatin1String("epoch"), epochJson(s)},
                        {QLatin1String("rxFreq1"), qint64(s.rxFreq1)},
                        {QLatin1String("txFreq1"), qint64(s.txFreq1)},
                        {QLatin1String("txTone"), toneToJson(s.txTone)},
                        {QLatin1String("armTone"), toneToJson(s.armTone)},
                        {QLatin1String("rxFreq2"), qint64(s.rxFreq2)},
                        {QLatin1String("txFreq2"), qint64(s.txFreq2)},
                        {QLatin1String("rxFreq3"), qint64(s.rxFreq3)},
                        {QLatin1String("txFreq3"), qint64(s.txFreq3)},
                        {QLatin1String("additionalData"), hexText(s.additionalData)}};
}

} // namespace nerka
