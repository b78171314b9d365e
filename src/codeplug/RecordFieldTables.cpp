#include "codeplug/RecordFieldTables.h"

#include <QJsonArray>

namespace nerka {

namespace {

QJsonValue memberJson(const QList<int>& members) {
    QJsonArray out;
    for (int member : members)
        out.append(member);
    return out;
}

// Members as the window counts them: 1-based.
QString memberNumbersText(const QList<int>& members, int first) {
    QStringList numbers;
    for (int member : members)
        numbers.append(QString::number(member + first));
    return numbers.join(QStringLiteral(", "));
}

} // namespace

const QList<ContactFieldInfo>& contactFieldTable() {
    static const QList<ContactFieldInfo> table{
        {QLatin1String("name"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Name")),
         QStringLiteral("Name"), [](const DMRContact& c) { return QJsonValue(c.name); },
         [](const DMRContact& c) { return c.name; }},
        {QLatin1String("dmrID"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "DMR-ID")),
         QStringLiteral("DMR-ID"), [](const DMRContact& c) { return QJsonValue(qint64(c.dmrID)); },
         [](const DMRContact& c) { return QString::number(c.dmrID); }},
        // The dump and the CSV keep the file's words ("Group"); the window
        // shows "Group Call".
        {QLatin1String("type"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Type")),
         QStringLiteral("Type"), [](const DMRContact& c) { return QJsonValue(rawText(c.type)); },
         [](const DMRContact& c) { return displayText(c.type); }, true},
        {QLatin1String("timeSlotOverride"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Time slot override")),
         QStringLiteral("Time slot"),
         [](const DMRContact& c) { return QJsonValue(rawText(c.timeSlotOverride)); },
         [](const DMRContact& c) { return rawText(c.timeSlotOverride); }, true},
    };
    return table;
}

const QList<SettingsFieldInfo>& settingsFieldTable() {
    static const QList<SettingsFieldInfo> table{
        {QLatin1String("call"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Callsign")),
         QString(), [](const DeviceSettings& s) { return QJsonValue(s.call); },
         [](const DeviceSettings& s) { return s.call; }},
        {QLatin1String("dmrID"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "DMR-ID")),
         QString(), [](const DeviceSettings& s) { return QJsonValue(qint64(s.dmrID)); },
         [](const DeviceSettings& s) { return QString::number(s.dmrID); }},
        {QLatin1String("vhfMin"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "VHF Minimum (MHz)")), QString(),
         [](const DeviceSettings& s) { return QJsonValue(s.vhfMin); },
         [](const DeviceSettings& s) { return QString::number(s.vhfMin); }},
        {QLatin1String("vhfMax"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "VHF Maximum (MHz)")), QString(),
         [](const DeviceSettings& s) { return QJsonValue(s.vhfMax); },
         [](const DeviceSettings& s) { return QString::number(s.vhfMax); }},
        {QLatin1String("uhfMin"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "UHF Minimum (MHz)")), QString(),
         [](const DeviceSettings& s) { return QJsonValue(s.uhfMin); },
         [](const DeviceSettings& s) { return QString::number(s.uhfMin); }},
        {QLatin1String("uhfMax"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "UHF Maximum (MHz)")), QString(),
         [](const DeviceSettings& s) { return QJsonValue(s.uhfMax); },
         [](const DeviceSettings& s) { return QString::number(s.uhfMax); }},
    };
    return table;
}

const QList<TalkgroupFieldInfo>& talkgroupFieldTable() {
    static const QList<TalkgroupFieldInfo> table{
        {QLatin1String("name"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Name")),
         QStringLiteral("Name"), [](const Talkgroup& t) { return QJsonValue(t.name); },
         [](const Talkgroup& t) { return t.name; }},
        {QLatin1String("memberSlots"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Contacts")),
         QStringLiteral("Contacts"), [](const Talkgroup& t) { return memberJson(t.memberSlots); },
         [](const Talkgroup& t) { return memberNumbersText(t.memberSlots, 1); }},
        {QLatin1String("contactNames"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Contact names")), QString(),
         [](const Talkgroup& t) { return QJsonValue(QJsonArray::fromStringList(t.contactNames)); },
         [](const Talkgroup& t) { return t.contactNames.join(QStringLiteral(", ")); }},
    };
    return table;
}

const QList<ZoneFieldInfo>& zoneFieldTable() {
    static const QList<ZoneFieldInfo> table{
        {QLatin1String("name"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Name")),
         QStringLiteral("Name"), [](const Zone& z) { return QJsonValue(z.name); },
         [](const Zone& z) { return z.name; }},
        // Positions are 0-based; channel numbers start at 1.
        {QLatin1String("memberIndices"), QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Channels")),
         QStringLiteral("Channels"), [](const Zone& z) { return memberJson(z.memberIndices); },
         [](const Zone& z) { return memberNumbersText(z.memberIndices, 1); }},
        {QLatin1String("channelNames"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Channel names")), QString(),
         [](const Zone& z) { return QJsonValue(QJsonArray::fromStringList(z.channelNames)); },
         [](const Zone& z) { return z.channelNames.join(QStringLiteral(", ")); }},
    };
    return table;
}

} // namespace nerka
