#include "cli/CodeplugJson.h"

#include "controller/RecordJson.h"

#include "codeplug/AprsCodec.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/Megahertz.h"
#include "codeplug/MemberLists.h"
#include "codeplug/ThemeCodec.h"
#include "controller/PrintableText.h"
#include "satellites/SatelliteCodec.h"

#include <QJsonArray>
#include <QTextStream>

namespace nerka::cli {

namespace {

QJsonArray regionsJson(const CodeplugImage& image) {
    QJsonArray regions;
    for (const CodeplugRegion& r : image.regions)
        regions.append(QJsonObject{{QStringLiteral("bank"), QLatin1String(bankKey(r.bank))},
                                   {QStringLiteral("address"), qint64(r.address)},
                                   {QStringLiteral("length"), r.length}});
    return regions;
}

} // namespace

QJsonObject codeplugToJson(const CodeplugImage& image) {
    const QList<RadioChannel> channels = decodeChannels(image);
    const MemberLists lists = decodeMemberLists(image, channels);

    QJsonObject root;
    root[QStringLiteral("variant")] =
        image.variant ? QJsonValue(QLatin1String(variantKey(*image.variant))) : QJsonValue();
    root[QStringLiteral("regions")] = regionsJson(image);

    QJsonArray channelArray;
    for (const RadioChannel& c : channels)
        channelArray.append(channelToJson(c));
    root[QStringLiteral("channels")] = channelArray;

    QJsonArray contactArray;
    for (const DMRContact& c : lists.contacts)
        contactArray.append(contactToJson(c));
    root[QStringLiteral("contacts")] = contactArray;

    QJsonArray talkgroupArray;
    for (const Talkgroup& t : lists.talkgroups)
        talkgroupArray.append(talkgroupToJson(t));
    root[QStringLiteral("talkgroups")] = talkgroupArray;

    QJsonArray zoneArray;
    for (const Zone& z : lists.zones)
        zoneArray.append(zoneToJson(z));
    root[QStringLiteral("zones")] = zoneArray;

    root[QStringLiteral("aprsSystems")] = QJsonArray::fromStringList(decodeAprsSystems(image));

    if (const auto s = decodeDeviceSettings(image))
        root[QStringLiteral("settings")] = settingsToJson(*s);
    else
        root[QStringLiteral("settings")] = QJsonValue();

    root[QStringLiteral("dayTheme")] = themeToJson(decodeTheme(ThemeKind::day, image));
    root[QStringLiteral("nightTheme")] = themeToJson(decodeTheme(ThemeKind::night, image));

    QJsonArray satelliteArray;
    for (const Satellite& s : decodeSatellites(image).value_or(QList<Satellite>{}))
        satelliteArray.append(satelliteToJson(s));
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
            << " RX " << megahertzText(c.rxHz) << " TX " << megahertzText(c.txHz);
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
            << megahertzText(s.rxFreq1) << " TX " << megahertzText(s.txFreq1) << '\n';
    return text;
}

} // namespace nerka::cli
