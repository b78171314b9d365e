#include "codeplug/RecordFieldTables.h"

namespace nerka {

const QList<ContactFieldInfo>& contactFieldTable() {
    static const QList<ContactFieldInfo> table{
        {QLatin1String("name"), QStringLiteral("Name"), QStringLiteral("Name"),
         [](const DMRContact& c) { return QJsonValue(c.name); },
         [](const DMRContact& c) { return c.name; }},
        {QLatin1String("dmrID"), QStringLiteral("DMR-ID"), QStringLiteral("DMR-ID"),
         [](const DMRContact& c) { return QJsonValue(qint64(c.dmrID)); },
         [](const DMRContact& c) { return QString::number(c.dmrID); }},
        // The dump and the CSV keep the file's words ("Group"); the window
        // shows "Group Call".
        {QLatin1String("type"), QStringLiteral("Type"), QStringLiteral("Type"),
         [](const DMRContact& c) { return QJsonValue(rawText(c.type)); },
         [](const DMRContact& c) { return displayText(c.type); }},
        {QLatin1String("timeSlotOverride"), QStringLiteral("Time slot override"),
         QStringLiteral("Time slot"),
         [](const DMRContact& c) { return QJsonValue(rawText(c.timeSlotOverride)); },
         [](const DMRContact& c) { return rawText(c.timeSlotOverride); }},
    };
    return table;
}

const QList<SettingsFieldInfo>& settingsFieldTable() {
    static const QList<SettingsFieldInfo> table{
        {QLatin1String("call"), QStringLiteral("Callsign"), QString(),
         [](const DeviceSettings& s) { return QJsonValue(s.call); },
         [](const DeviceSettings& s) { return s.call; }},
        {QLatin1String("dmrID"), QStringLiteral("DMR-ID"), QString(),
         [](const DeviceSettings& s) { return QJsonValue(qint64(s.dmrID)); },
         [](const DeviceSettings& s) { return QString::number(s.dmrID); }},
        {QLatin1String("vhfMin"), QStringLiteral("VHF Minimum (MHz)"), QString(),
         [](const DeviceSettings& s) { return QJsonValue(s.vhfMin); },
         [](const DeviceSettings& s) { return QString::number(s.vhfMin); }},
        {QLatin1String("vhfMax"), QStringLiteral("VHF Maximum (MHz)"), QString(),
         [](const DeviceSettings& s) { return QJsonValue(s.vhfMax); },
         [](const DeviceSettings& s) { return QString::number(s.vhfMax); }},
        {QLatin1String("uhfMin"), QStringLiteral("UHF Minimum (MHz)"), QString(),
         [](const DeviceSettings& s) { return QJsonValue(s.uhfMin); },
         [](const DeviceSettings& s) { return QString::number(s.uhfMin); }},
        {QLatin1String("uhfMax"), QStringLiteral("UHF Maximum (MHz)"), QString(),
         [](const DeviceSettings& s) { return QJsonValue(s.uhfMax); },
         [](const DeviceSettings& s) { return QString::number(s.uhfMax); }},
    };
    return table;
}

} // namespace nerka
