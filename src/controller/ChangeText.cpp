#include "controller/ChangeText.h"

#include "codeplug/ChannelFields.h"
#include "codeplug/FieldText.h"
#include "codeplug/Megahertz.h"
#include "codeplug/RadioChannel.h"
#include "codeplug/RecordFieldTables.h"
#include "codeplug/ThemeCodec.h"
#include "controller/RecordJson.h"
#include "satellites/SatelliteFields.h"

#include <QCoreApplication>
#include <QHash>

#include <cmath>

namespace nerka {

namespace {

using Kind = CodeplugChange::Kind;

// Members named in one phrase before the rest is counted.
constexpr int kNamedMembers = 8;

QString megahertz(qint64 hz) {
    return megahertzText(std::uint64_t(hz));
}

QString onOff(const QJsonValue& value) {
    return value.toBool() ? QCoreApplication::translate("ChangeText", "on")
                          : QCoreApplication::translate("ChangeText", "off");
}

// "88.5 Hz", "DCS 023 N", or `none`.
QString toneText(const QJsonValue& value, const QString& none) {
    const auto tone = toneFromJson(value);
    if (!tone || !*tone)
        return none;
    if ((*tone)->kind == Tone::Kind::ctcss)
        return QString::asprintf("%.1f Hz", (*tone)->value / 10.0);
    return QString::asprintf("DCS %03d ", (*tone)->value) +
           ((*tone)->inverted ? QLatin1Char('I') : QLatin1Char('N'));
}

QString contactTypeText(const QString& raw) {
    const auto type = contactTypeFromRawText(raw);
    return type ? displayText(*type) : raw;
}

QString channelValue(const QString& field, const QJsonValue& value, const ChangeNames& names) {
    const ChannelFieldInfo* row = channelFieldByDumpKey(field);
    if (row && row->kind == FieldKind::frequency)
        return megahertz(value.toInteger());
    if (row && row->kind == FieldKind::tone)
        return toneText(value, QCoreApplication::translate("ChangeText", "Off"));
    // Values the dump keeps as a flag or a number: the table's display text.
    if (row && (row->id == ChannelField::bandwidth || row->id == ChannelField::timeSlot)) {
        const bool second = value.isBool() ? value.toBool() : value.toInt() == 2;
        return fieldDisplayText(row->choices.value(second ? 1 : 0));
    }
    if (field == QLatin1String("powerRaw")) {
        // The byte behind a level: "Low (2)".
        const int raw = value.toInt();
        return fieldDisplayText(rawText(powerLevel(std::uint8_t(raw)))) + QStringLiteral(" (") +
               QString::number(raw) + QLatin1Char(')');
    }
    if (value.isNull()) {
        if (field == QLatin1String("contactIndex") || field == QLatin1String("groupListIndex") ||
            field == QLatin1String("aprsIndex"))
            return QCoreApplication::translate("ChangeText", "None");
    }
    if (field == QLatin1String("contactIndex")) {
        const int slot = value.toInt();
        const auto it = names.contacts.constFind(slot);
        return it != names.contacts.constEnd() ? contactText(*it)
                                               : QLatin1Char('#') + QString::number(slot + 1);
    }
    if (field == QLatin1String("groupListIndex")) {
        const int index = value.toInt();
        const auto it = names.talkgroups.constFind(index);
        return it != names.talkgroups.constEnd() ? *it
                                                 : QLatin1Char('#') + QString::number(index + 1);
    }
    if (field == QLatin1String("aprsIndex")) {
        const int index = value.toInt();
        QString text = QStringLiteral("APRS ") + QString::number(index + 1);
        if (index >= 0 && index < names.aprsSystems.size())
            text += QStringLiteral(": ") + names.aprsSystems[index];
        return text;
    }
    return {};
}

QString satelliteValue(const QString& field, const QJsonValue& value) {
    if (field.startsWith(QLatin1String("rxFreq")) || field.startsWith(QLatin1String("txFreq"))) {
        const qint64 hz = value.toInteger();
        return hz == 0 ? QCoreApplication::translate("ChangeText", "not set") : megahertz(hz);
    }
    if (field == QLatin1String("txTone") || field == QLatin1String("armTone"))
        return toneText(value, QCoreApplication::translate("ChangeText", "None"));
    return {};
}

} // namespace

const char* recordNounSource(CodeplugChange::Kind kind) {
    switch (kind) {
    case Kind::channel:
        return QT_TRANSLATE_NOOP("ChangeText", "Channel");
    case Kind::contact:
        return QT_TRANSLATE_NOOP("ChangeText", "Contact");
    case Kind::talkgroup:
        return QT_TRANSLATE_NOOP("ChangeText", "Talkgroup");
    case Kind::zone:
        return QT_TRANSLATE_NOOP("ChangeText", "Zone");
    case Kind::settings:
        return QT_TRANSLATE_NOOP("ChangeText", "Settings");
    case Kind::aprs:
        return QT_TRANSLATE_NOOP("ChangeText", "APRS system");
    case Kind::dayTheme:
        return QT_TRANSLATE_NOOP("ChangeText", "Day theme");
    case Kind::nightTheme:
        return QT_TRANSLATE_NOOP("ChangeText", "Night theme");
    case Kind::satellite:
        return QT_TRANSLATE_NOOP("ChangeText", "Satellite");
    case Kind::bytes:
        return QT_TRANSLATE_NOOP("ChangeText", "Region");
    }
    return "";
}

QString recordNoun(CodeplugChange::Kind kind) {
    return QCoreApplication::translate("ChangeText", recordNounSource(kind));
}

int recordNumber(CodeplugChange::Kind kind, int key) {
    switch (kind) {
    case Kind::contact:
    case Kind::talkgroup:
    case Kind::zone:
    case Kind::aprs:
    case Kind::satellite:
        return key + 1;
    default:
        return key;
    }
}

QString fieldLabel(CodeplugChange::Kind kind, const QString& field, int key) {
    if (kind == Kind::dayTheme || kind == Kind::nightTheme)
        return themeSlotLabel(key);
    if (kind == Kind::channel) {
        const ChannelFieldInfo* row = channelFieldByDumpKey(field);
        return row ? row->displayLabel() : field;
    }
    if (kind == Kind::contact)
        return fieldLabelOf(contactFieldTable(), field);
    if (kind == Kind::settings)
        return fieldLabelOf(settingsFieldTable(), field);
    if (kind == Kind::talkgroup)
        return fieldLabelOf(talkgroupFieldTable(), field);
    if (kind == Kind::zone)
        return fieldLabelOf(zoneFieldTable(), field);
    if (kind == Kind::satellite)
        return fieldLabelOf(satelliteFieldTable(), field);
    // An APRS system is compared by its name only.
    return field == QLatin1String("name") ? fieldDisplayText(QStringLiteral("Name")) : field;
}

QString fieldValueText(CodeplugChange::Kind kind, const QString& field, const QJsonValue& value,
                       const ChangeNames& names) {
    QString text;
    if (kind == Kind::channel)
        text = channelValue(field, value, names);
    else if (kind == Kind::satellite)
        text = satelliteValue(field, value);
    else if (kind == Kind::dayTheme || kind == Kind::nightTheme)
        text = themeColorText(value.toInt());
    else if (kind == Kind::contact && field == QLatin1String("type"))
        text = contactTypeText(value.toString());
    if (!text.isEmpty())
        return text;
    if (value.isBool())
        return onOff(value);
    if (value.isDouble())
        return QString::number(value.toInteger());
    if (value.isString())
        return value.toString();
    if (value.isNull() || value.isUndefined())
        return QCoreApplication::translate("ChangeText", "None");
    return {};
}

QString contactText(const DMRContact& contact) {
    QString kind;
    switch (contact.type) {
    case ContactType::group:
        kind = QStringLiteral("TG");
        break;
    case ContactType::privateCall:
    case ContactType::allCall:
        kind = displayText(contact.type);
        break;
    }
    return contact.name + QStringLiteral(" (") + kind + QLatin1Char(' ') +
           QString::number(contact.dmrID) + QLatin1Char(')');
}

QString themeColorText(int packed) {
    const ThemeColor color = unpackThemeColor(std::uint16_t(packed));
    const auto byte = [](double component) { return int(std::lround(component * 255.0)); };
    return QString::asprintf("#%02X%02X%02X", byte(color.r), byte(color.g), byte(color.b));
}

QString elementsUpdatedText(const QJsonValue& epoch) {
    const QString text = epoch.toString();
    if (text.size() < 10)
        return QCoreApplication::translate("ChangeText", "elements updated");
    return QCoreApplication::translate("ChangeText", "elements updated (epoch %1)")
        .arg(text.left(10));
}

QString membersChangeText(const QStringList& added, const QStringList& removed, bool orderChanged) {
    const auto list = [&](const QStringList& names) {
        QString text = names.mid(0, kNamedMembers).join(QStringLiteral(", "));
        if (names.size() > kNamedMembers) {
            const qsizetype rest = names.size() - kNamedMembers;
            text = QCoreApplication::translate("ChangeText", "%1 and %n more", nullptr, int(rest))
                       .arg(text);
        }
        return text;
    };
    QStringList parts;
    if (!added.isEmpty())
        parts.append(QCoreApplication::translate("ChangeText", "adds %1").arg(list(added)));
    if (!removed.isEmpty())
        parts.append(QCoreApplication::translate("ChangeText", "removes %1").arg(list(removed)));
    if (orderChanged || parts.isEmpty())
        parts.append(QCoreApplication::translate("ChangeText", "order changed"));
    return parts.join(QStringLiteral("; "));
}

} // namespace nerka
