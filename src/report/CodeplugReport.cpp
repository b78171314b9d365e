#include "report/CodeplugReport.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelFields.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/FieldText.h"
#include "codeplug/Megahertz.h"
#include "codeplug/MemberLists.h"
#include "codeplug/RecordFieldTables.h"
#include "satellites/SatelliteCodec.h"
#include "satellites/SatelliteFields.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

namespace nerka {

namespace {

// Control characters (C0, DEL, C1) as "\x" and two hex digits.
QString reportPrintable(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const ushort code = ch.unicode();
        if (code < 0x20 || (code >= 0x7F && code < 0xA0))
            out += QStringLiteral("\\x") +
                   QString::number(code, 16).rightJustified(2, QLatin1Char('0')).toUpper();
        else
            out += ch;
    }
    return out;
}

QString joinedParts(const QStringList& parts) {
    return parts.join(QStringLiteral(" · "));
}

// "Label: value" of each field that applies to the channel and has a value.
QString labelledValues(const RadioChannel& channel, const ChannelRowNames& names,
                       std::initializer_list<ChannelField> fields) {
    QStringList parts;
    for (const ChannelField id : fields) {
        const ChannelFieldInfo& field = channelField(id);
        const QString value = field.displayText(channel, names);
        if (!value.isEmpty())
            parts.append(field.displayLabel() + QStringLiteral(": ") + value);
    }
    return joinedParts(parts);
}

const QList<ChannelField>& reportSignallingFields() {
    static const QList<ChannelField> fields{ChannelField::colorCode, ChannelField::timeSlot,
                                            ChannelField::rxTone, ChannelField::txTone};
    return fields;
}

// Every field no other column shows: the flags that are set by their
// label, the other settings as "Label: value".
QString otherSettingsText(const RadioChannel& channel, const ChannelRowNames& names) {
    static const QSet<ChannelField> shownElsewhere{
        ChannelField::name,     ChannelField::mode,      ChannelField::rx,
        ChannelField::tx,       ChannelField::power,     ChannelField::colorCode,
        ChannelField::timeSlot, ChannelField::rxTone,    ChannelField::txTone,
        ChannelField::contact,  ChannelField::groupList, ChannelField::zones};
    QStringList parts;
    for (const ChannelFieldInfo& field : channelFieldTable()) {
        if (shownElsewhere.contains(field.id) || !field.appliesTo(channel.isDMR()))
            continue;
        // The level means something only with the normal squelch.
        if (field.id == ChannelField::squelchLevel && channel.squelchMode != SquelchMode::normal)
            continue;
        const QString value = field.shownText(channel, names);
        if (field.kind == FieldKind::flag) {
            if (value == yesNoText(true))
                parts.append(field.displayLabel());
        } else if (!value.isEmpty()) {
            parts.append(field.displayLabel() + QStringLiteral(": ") + fieldDisplayText(value));
        }
    }
    return joinedParts(parts);
}

QString offsetText(const RadioChannel& channel) {
    if (channel.txHz == channel.rxHz)
        return QString();
    return channel.txHz > channel.rxHz
               ? QStringLiteral("+") + megahertzText(channel.txHz - channel.rxHz)
               : QStringLiteral("−") + megahertzText(channel.rxHz - channel.txHz);
}

QStringList channelHeaders() {
    return {QCoreApplication::translate("CodeplugReport", "No."),
            channelField(ChannelField::name).displayLabel(),
            channelField(ChannelField::mode).displayLabel(),
            channelField(ChannelField::rx).displayLabel(),
            channelField(ChannelField::tx).displayLabel(),
            QCoreApplication::translate("CodeplugReport", "Offset (MHz)"),
            QCoreApplication::translate("CodeplugReport", "Tone / colour code"),
            QCoreApplication::translate("CodeplugReport", "Contact / group list"),
            channelField(ChannelField::power).displayLabel(),
            QCoreApplication::translate("CodeplugReport", "Other settings")};
}

QStringList channelRow(const RadioChannel& c, const ChannelRowNames& names) {
    QStringList row(CodeplugReport::channelColumnCount);
    row[CodeplugReport::numberColumn] = QString::number(c.number);
    row[CodeplugReport::nameColumn] = channelField(ChannelField::name).shownText(c, names);
    row[CodeplugReport::modeColumn] = channelField(ChannelField::mode).displayText(c, names);
    row[CodeplugReport::rxColumn] = channelField(ChannelField::rx).shownText(c, names);
    row[CodeplugReport::txColumn] = channelField(ChannelField::tx).shownText(c, names);
    row[CodeplugReport::offsetColumn] = offsetText(c);
    QStringList signalling;
    for (const ChannelField id : reportSignallingFields()) {
        const QString part = labelledValues(c, names, {id});
        if (!part.isEmpty())
            signalling.append(part);
    }
    row[CodeplugReport::signallingColumn] = joinedParts(signalling);
    row[CodeplugReport::contactColumn] =
        labelledValues(c, names, {ChannelField::contact, ChannelField::groupList});
    row[CodeplugReport::powerColumn] = channelField(ChannelField::power).displayText(c, names);
    row[CodeplugReport::otherColumn] = otherSettingsText(c, names);
    return row;
}

ChannelRowNames reportRowNames(const MemberLists& lists) {
    ChannelRowNames names;
    for (const DMRContact& contact : lists.contacts)
        names.contacts.insert(contact.slot, contact.name);
    for (const Talkgroup& talkgroup : lists.talkgroups)
        names.groupLists.insert(talkgroup.index, talkgroup.name);
    return names;
}

template <typename Record>
ReportTable recordTable(ReportTable::Kind kind, const QString& title,
                        const QList<RecordFieldInfo<Record>>& table,
                        const QList<QLatin1String>& keys, const QList<Record>& records) {
    QList<const RecordFieldInfo<Record>*> fields;
    for (const QLatin1String key : keys) {
        for (const auto& row : table) {
            if (row.key == key)
                fields.append(&row);
        }
    }
    ReportTable out{kind, title, {}, {}};
    for (const auto* field : fields)
        out.headers.append(field->displayLabel());
    for (const Record& record : records) {
        QStringList row;
        for (const auto* field : fields)
            row.append(field->displayValue(record));
        out.rows.append(row);
    }
    return out;
}

QString familyText(const CodeplugImage& image) {
    if (!image.variant)
        return QCoreApplication::translate("CodeplugReport", "Unknown");
    return *image.variant == RadioVariant::uv380 ? QStringLiteral("UV380") : QStringLiteral("GD77");
}

void makePrintable(CodeplugReport& report) {
    for (auto& [label, value] : report.facts)
        value = reportPrintable(value);
    for (ReportTable& table : report.tables) {
        table.title = reportPrintable(table.title);
        for (QStringList& row : table.rows) {
            for (QString& cell : row)
                cell = reportPrintable(cell);
        }
    }
}

} // namespace

CodeplugReport CodeplugReport::of(const CodeplugImage& image, const QString& source,
                                  const QDate& date) {
    const QList<RadioChannel> channels = decodeChannels(image);
    const MemberLists lists = decodeMemberLists(image, channels);
    const ChannelRowNames names = reportRowNames(lists);

    CodeplugReport report;
    report.title = QCoreApplication::translate("CodeplugReport", "Codeplug report");
    report.facts.append(
        {QCoreApplication::translate("CodeplugReport", "Radio family"), familyText(image)});
    if (const auto settings = decodeDeviceSettings(image)) {
        for (const SettingsFieldInfo& field : settingsFieldTable())
            report.facts.append({field.displayLabel(), field.text(*settings)});
    }
    report.facts.append({QCoreApplication::translate("CodeplugReport", "Source"), source});
    report.facts.append(
        {QCoreApplication::translate("CodeplugReport", "Date"), date.toString(Qt::ISODate)});

    QHash<int, const RadioChannel*> byNumber;
    for (const RadioChannel& channel : channels)
        byNumber.insert(channel.number, &channel);
    QSet<int> zoned;
    for (const Zone& zone : lists.zones) {
        ReportTable table{ReportTable::Kind::zone,
                          QCoreApplication::translate("CodeplugReport", "Zone %1: %2")
                              .arg(zone.index + 1)
                              .arg(zone.name),
                          channelHeaders(),
                          {}};
        for (qsizetype m = 0; m < zone.memberIndices.size(); ++m) {
            const int number = zone.memberIndices[m] + 1;
            zoned.insert(number);
            if (const RadioChannel* channel = byNumber.value(number)) {
                table.rows.append(channelRow(*channel, names));
            } else {
                // A member entry that names no channel: its number and the
                // stand-in name the zone decoder gave it.
                QStringList row(channelColumnCount);
                row[numberColumn] = QString::number(number);
                row[nameColumn] = zone.channelNames.value(m);
                table.rows.append(row);
            }
        }
        report.tables.append(table);
    }
    ReportTable unzoned{ReportTable::Kind::unzoned,
                        QCoreApplication::translate("CodeplugReport", "Channels in no zone"),
                        channelHeaders(),
                        {}};
    for (const RadioChannel& channel : channels) {
        if (!zoned.contains(channel.number))
            unzoned.rows.append(channelRow(channel, names));
    }
    report.tables.append(unzoned);

    report.tables.append(recordTable<Talkgroup>(
        ReportTable::Kind::talkgroups,
        QCoreApplication::translate("CodeplugReport", "Talkgroup lists"), talkgroupFieldTable(),
        {QLatin1String("name"), QLatin1String("contactNames")}, lists.talkgroups));
    report.tables.append(recordTable<DMRContact>(
        ReportTable::Kind::contacts, QCoreApplication::translate("CodeplugReport", "Contacts"),
        contactFieldTable(),
        {QLatin1String("name"), QLatin1String("dmrID"), QLatin1String("type"),
         QLatin1String("timeSlotOverride")},
        lists.contacts));
    report.tables.append(recordTable<Satellite>(
        ReportTable::Kind::satellites, QCoreApplication::translate("CodeplugReport", "Satellites"),
        satelliteFieldTable(),
        {QLatin1String("name"), QLatin1String("epoch"), QLatin1String("rxFreq1"),
         QLatin1String("txFreq1"), QLatin1String("txTone"), QLatin1String("armTone"),
         QLatin1String("rxFreq2"), QLatin1String("txFreq2"), QLatin1String("rxFreq3"),
         QLatin1String("txFreq3")},
        decodeSatellites(image).value_or(QList<Satellite>{})));
    makePrintable(report);
    return report;
}

} // namespace nerka
