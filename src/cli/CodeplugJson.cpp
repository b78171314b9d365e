#include "cli/CodeplugJson.h"

#include "codeplug/AprsCodec.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/MemberLists.h"
#include "codeplug/ThemeCodec.h"
#include "controller/PrintableText.h"
#include "satellites/SatelliteCodec.h"

#include <QJsonArray>
#include <QTextStream>

namespace nerka::cli {

namespace {

QJsonValue optionalInt(const std::optional<int>& value) {
    return value ? QJsonValue(*value) : QJsonValue();
}

QJsonValue hexText(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex());
}

QJsonArray regionsJson(const CodeplugImage& image) {
    QJsonArray regions;
    for (const CodeplugRegion& r : image.regions)
        regions.append(QJsonObject{{QStringLiteral("bank"), QLatin1String(bankKey(r.bank))},
                                   {QStringLiteral("address"), qint64(r.address)},
                                   {QStringLiteral("length"), r.length}});
    return regions;
}

QJsonObject channelJson(const RadioChannel& c) {
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

QJsonObject contactJson(const DMRContact& c) {
    return QJsonObject{{QStringLiteral("slot"), c.slot},
                       {QStringLiteral("name"), c.name},
                       {QStringLiteral("dmrID"), qint64(c.dmrID)},
                       {QStringLiteral("type"), rawText(c.type)},
                       {QStringLiteral("timeSlotOverride"), rawText(c.timeSlotOverride)}};
}

QJsonArray intArray(const QList<int>& values) {
    QJsonArray out;
    for (int v : values)
        out.append(v);
    return out;
}

QJsonObject talkgroupJson(const Talkgroup& t) {
    return QJsonObject{
        {QStringLiteral("index"), t.index},
        {QStringLiteral("name"), t.name},
        {QStringLiteral("memberSlots"), intArray(t.memberSlots)},
        {QStringLiteral("contactNames"), QJsonArray::fromStringList(t.contactNames)}};
}

QJsonObject zoneJson(const Zone& z) {
    return QJsonObject{
        {QStringLiteral("index"), z.index},
        {QStringLiteral("name"), z.name},
        {QStringLiteral("memberIndices"), intArray(z.memberIndices)},
        {QStringLiteral("channelNames"), QJsonArray::fromStringList(z.channelNames)}};
}

QJsonValue themeJson(const std::optional<QList<ThemeColor>>& theme) {
    if (!theme)
        return QJsonValue();
    QJsonArray out;
    for (const ThemeColor& color : *theme)
        out.append(int(packThemeColor(color)));
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

QJsonObject satelliteJson(const Satellite& s) {
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

QString megahertz(std::uint64_t hz) {
    return QString::asprintf("%.5f", double(hz) / 1e6);
}

} // namespace

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

QJsonObject codeplugToJson(const CodeplugImage& image) {
    const QList<RadioChannel> channels = decodeChannels(image);
    const MemberLists lists = decodeMemberLists(image, channels);

    QJsonObject root;
    root[QStringLiteral("variant")] =
        image.variant ? QJsonValue(QLatin1String(variantKey(*image.variant))) : QJsonValue();
    root[QStringLiteral("regions")] = regionsJson(image);

    QJsonArray channelArray;
    for (const RadioChannel& c : channels)
        channelArray.append(channelJson(c));
    root[QStringLiteral("channels")] = channelArray;

    QJsonArray contactArray;
    for (const DMRContact& c : lists.contacts)
        contactArray.append(contactJson(c));
    root[QStringLiteral("contacts")] = contactArray;

    QJsonArray talkgroupArray;
    for (const Talkgroup& t : lists.talkgroups)
        talkgroupArray.append(talkgroupJson(t));
    root[QStringLiteral("talkgroups")] = talkgroupArray;

    QJsonArray zoneArray;
    for (const Zone& z : lists.zones)
        zoneArray.append(zoneJson(z));
    root[QStringLiteral("zones")] = zoneArray;

    root[QStringLiteral("aprsSystems")] = QJsonArray::fromStringList(decodeAprsSystems(image));

    if (const auto s = decodeDeviceSettings(image))
        root[QStringLiteral("settings")] = QJsonObject{
            {QStringLiteral("call"), s->call},     {QStringLiteral("dmrID"), qint64(s->dmrID)},
            {QStringLiteral("vhfMin"), s->vhfMin}, {QStringLiteral("vhfMax"), s->vhfMax},
            {QStringLiteral("uhfMin"), s->uhfMin}, {QStringLiteral("uhfMax"), s->uhfMax}};
    else
        root[QStringLiteral("settings")] = QJsonValue();

    root[QStringLiteral("dayTheme")] = themeJson(decodeTheme(ThemeKind::day, image));
    root[QStringLiteral("nightTheme")] = themeJson(decodeTheme(ThemeKind::night, image));

    QJsonArray satelliteArray;
    for (const Satellite& s : decodeSatellites(image).value_or(QList<Satellite>{}))
        satelliteArray.append(satelliteJson(s));
    root[QStringLiteral("satellites")] = satelliteArray;
    return root;
}

QString codeplugSummary(const CodeplugImage& image) {
    const QList<RadioChannel> channels = decodeChannels(image);
    const MemberLists lists = decodeMemberLists(image, channels);
    const QList<Satellite> satellites = decodeSatellites(image).value_or(QList<Satellite>{});

    QString text;
    QTextStream out(&text);
    out << "Variant: " << (image.variant ? variantKey(*image.variant) : "none") << '\n';
    out << "Regions: " << image.regions.size() << '\n';
    for (const CodeplugRegion& r : image.regions)
        out << "  " << bankKey(r.bank) << " 0x" << QString::number(r.address, 16).toUpper() << ' '
            << r.length << " bytes\n";
    out << "Channels: " << channels.size() << ", contacts: " << lists.contacts.size()
        << ", talkgroups: " << lists.talkgroups.size() << ", zones: " << lists.zones.size()
        << ", satellites: " << satellites.size() << '\n';
    if (const auto s = decodeDeviceSettings(image))
        out << "Settings: " << printableText(s->call) << ", DMR ID " << s->dmrID << ", VHF "
            << s->vhfMin << "\u2013" << s->vhfMax << ", UHF " << s->uhfMin << "\u2013" << s->uhfMax
            << " MHz\n";

    for (const RadioChannel& c : channels) {
        out << "Channel " << c.number << ": " << printableText(c.name) << " " << rawText(c.mode)
            << " RX " << megahertz(c.rxHz) << " TX " << megahertz(c.txHz);
        if (c.isDMR())
            out << " CC" << c.colorCode << " TS" << c.timeSlot;
        else if (c.rxTone || c.txTone)
            out << " tone " << (c.txTone ? c.txTone->displayText() : QStringLiteral("-")) << '/'
                << (c.rxTone ? c.rxTone->displayText() : QStringLiteral("-"));
        out << '\n';
    }
    for (const DMRContact& c : lists.contacts)
        out << "Contact " << c.slot + 1 << ": " << printableText(c.name) << " " << c.dmrID << " "
            << rawText(c.type) << '\n';
    for (const Talkgroup& t : lists.talkgroups)
        out << "Talkgroup " << t.index + 1 << ": " << printableText(t.name) << " ("
            << printableText(t.contactNames.join(QStringLiteral(", "))) << ")\n";
    for (const Zone& z : lists.zones)
        out << "Zone " << z.index + 1 << ": " << printableText(z.name) << " ("
            << printableText(z.channelNames.join(QStringLiteral(", "))) << ")\n";
    for (const Satellite& s : satellites)
        out << "Satellite " << s.index + 1 << ": " << printableText(s.name) << " RX "
            << megahertz(s.rxFreq1) << " TX " << megahertz(s.txFreq1) << '\n';
    return text;
}

} // namespace nerka::cli
