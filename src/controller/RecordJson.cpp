#include "controller/RecordJson.h"

#include "satellites/SatelliteCodec.h"

#include <QJsonArray>

namespace nerka {

namespace {

QJsonValue optionalInt(const std::optional<int>& value) {
    return value ? QJsonValue(*value) : QJsonValue();
}

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
    return RecordFields{
        {QLatin1String("number"), c.number},
        {QLatin1String("name"), c.name},
        {QLatin1String("mode"), rawText(c.mode)},
        {QLatin1String("rxHz"), qint64(c.rxHz)},
        {QLatin1String("txHz"), qint64(c.txHz)},
        {QLatin1String("powerRaw"), int(c.powerRaw)},
        {QLatin1String("power"), rawText(powerLevel(c.powerRaw))},
        {QLatin1String("bandwidthWide"), c.bandwidthWide},
        {QLatin1String("rxOnly"), c.rxOnly},
        {QLatin1String("timeSlot"), c.timeSlot},
        {QLatin1String("colorCode"), c.colorCode},
        {QLatin1String("rxTone"), toneToJson(c.rxTone)},
        {QLatin1String("txTone"), toneToJson(c.txTone)},
        {QLatin1String("contactIndex"), optionalInt(c.contactIndex)},
        {QLatin1String("groupListIndex"), optionalInt(c.groupListIndex)},
        {QLatin1String("squelchMode"), rawText(c.squelchMode)},
        {QLatin1String("squelchLevel"), c.squelchLevel},
        {QLatin1String("skipScan"), c.skipScan},
        {QLatin1String("skipZoneScan"), c.skipZoneScan},
        {QLatin1String("vox"), c.vox},
        {QLatin1String("monitor"), c.monitor},
        {QLatin1String("powerSave"), c.powerSave},
        {QLatin1String("beep"), c.beep},
        {QLatin1String("aprsIndex"), optionalInt(c.aprsIndex)},
    };
}

RecordFields contactFields(const DMRContact& c) {
    return RecordFields{{QLatin1String("slot"), c.slot},
                        {QLatin1String("name"), c.name},
                        {QLatin1String("dmrID"), qint64(c.dmrID)},
                        {QLatin1String("type"), rawText(c.type)},
                        {QLatin1String("timeSlotOverride"), rawText(c.timeSlotOverride)}};
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
    return RecordFields{
        {QLatin1String("call"), s.call},     {QLatin1String("dmrID"), qint64(s.dmrID)},
        {QLatin1String("vhfMin"), s.vhfMin}, {QLatin1String("vhfMax"), s.vhfMax},
        {QLatin1String("uhfMin"), s.uhfMin}, {QLatin1String("uhfMax"), s.uhfMax}};
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

QJsonValue toneToJson(const std::optional<Tone>& tone) {
    if (!tone)
        return QJsonValue();
    if (tone->kind == Tone::Kind::ctcss)
        return QJsonObject{{QStringLiteral("ctcss"), tone->value}};
    return QJsonObject{{QStringLiteral("dcs"), tone->value},
                       {QStringLiteral("inverted"), tone->inverted}};
}

std::optional<std::optional<Tone>> toneFromJson(const QJsonValue& value) {
    if (value.isNull())
        return std::optional<Tone>{};
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject o = value.toObject();
    if (o.contains(QStringLiteral("ctcss")) && o.value(QStringLiteral("ctcss")).isDouble())
        return std::optional<Tone>{Tone::ctcss(o.value(QStringLiteral("ctcss")).toInt())};
    if (o.contains(QStringLiteral("dcs")) && o.value(QStringLiteral("dcs")).isDouble())
        return std::optional<Tone>{Tone::dcs(o.value(QStringLiteral("dcs")).toInt(),
                                             o.value(QStringLiteral("inverted")).toBool())};
    return std::nullopt;
}

} // namespace nerka
