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

QJsonObject channelToJson(const RadioChannel& c) {
    return QJsonObject{
        {QStringLiteral("number"), c.number},
        {QStringLiteral("name"), c.name},
        {QStringLiteral("mode"), rawText(c.mode)},
        {QStringLiteral("rxHz"), qint64(c.rxHz)},
        {QStringLiteral("txHz"), qint64(c.txHz)},
        {QStringLiteral("powerRaw"), int(c.powerRaw)},
        {QStringLiteral("power"), rawText(powerLevel(c.powerRaw))},
        {QStringLiteral("bandwidthWide"), c.bandwidthWide},
        {QStringLiteral("rxOnly"), c.rxOnly},
        {QStringLiteral("timeSlot"), c.timeSlot},
        {QStringLiteral("colorCode"), c.colorCode},
        {QStringLiteral("rxTone"), toneToJson(c.rxTone)},
        {QStringLiteral("txTone"), toneToJson(c.txTone)},
        {QStringLiteral("contactIndex"), optionalInt(c.contactIndex)},
        {QStringLiteral("groupListIndex"), optionalInt(c.groupListIndex)},
        {QStringLiteral("squelchMode"), rawText(c.squelchMode)},
        {QStringLiteral("squelchLevel"), c.squelchLevel},
        {QStringLiteral("skipScan"), c.skipScan},
        {QStringLiteral("skipZoneScan"), c.skipZoneScan},
        {QStringLiteral("vox"), c.vox},
        {QStringLiteral("monitor"), c.monitor},
        {QStringLiteral("powerSave"), c.powerSave},
        {QStringLiteral("beep"), c.beep},
        {QStringLiteral("aprsIndex"), optionalInt(c.aprsIndex)},
    };
}

QJsonObject contactToJson(const DMRContact& c) {
    return QJsonObject{{QStringLiteral("slot"), c.slot},
                       {QStringLiteral("name"), c.name},
                       {QStringLiteral("dmrID"), qint64(c.dmrID)},
                       {QStringLiteral("type"), rawText(c.type)},
                       {QStringLiteral("timeSlotOverride"), rawText(c.timeSlotOverride)}};
}

QJsonObject talkgroupToJson(const Talkgroup& t) {
    return QJsonObject{
        {QStringLiteral("index"), t.index},
        {QStringLiteral("name"), t.name},
        {QStringLiteral("memberSlots"), intArray(t.memberSlots)},
        {QStringLiteral("contactNames"), QJsonArray::fromStringList(t.contactNames)}};
}

QJsonObject zoneToJson(const Zone& z) {
    return QJsonObject{
        {QStringLiteral("index"), z.index},
        {QStringLiteral("name"), z.name},
        {QStringLiteral("memberIndices"), intArray(z.memberIndices)},
        {QStringLiteral("channelNames"), QJsonArray::fromStringList(z.channelNames)}};
}

QJsonObject settingsToJson(const DeviceSettings& s) {
    return QJsonObject{
        {QStringLiteral("call"), s.call},     {QStringLiteral("dmrID"), qint64(s.dmrID)},
        {QStringLiteral("vhfMin"), s.vhfMin}, {QStringLiteral("vhfMax"), s.vhfMax},
        {QStringLiteral("uhfMin"), s.uhfMin}, {QStringLiteral("uhfMax"), s.uhfMax}};
}

QJsonValue themeToJson(const std::optional<QList<ThemeColor>>& theme) {
    if (!theme)
        return QJsonValue();
    QJsonArray out;
    for (const ThemeColor& color : *theme)
        out.append(int(packThemeColor(color)));
    return out;
}

QJsonObject satelliteToJson(const Satellite& s) {
    return QJsonObject{{QStringLiteral("index"), s.index},
                       {QStringLiteral("name"), s.name},
                       {QStringLiteral("tle1"), hexText(s.tle1)},
                       {QStringLiteral("tle2"), hexText(s.tle2)},
                       {QStringLiteral("epoch"), epochJson(s)},
                       {QStringLiteral("rxFreq1"), qint64(s.rxFreq1)},
                       {QStringLiteral("txFreq1"), qint64(s.txFreq1)},
                       {QStringLiteral("txTone"), toneToJson(s.txTone)},
                       {QStringLiteral("armTone"), toneToJson(s.armTone)},
                       {QStringLiteral("rxFreq2"), qint64(s.rxFreq2)},
                       {QStringLiteral("txFreq2"), qint64(s.txFreq2)},
                       {QStringLiteral("rxFreq3"), qint64(s.rxFreq3)},
                       {QStringLiteral("txFreq3"), qint64(s.txFreq3)},
                       {QStringLiteral("additionalData"), hexText(s.additionalData)}};
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
