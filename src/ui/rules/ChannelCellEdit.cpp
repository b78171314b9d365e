#include "ui/rules/ChannelCellEdit.h"

#include "codeplug/ChannelChecks.h"
#include "codeplug/ChannelCsvRows.h"
#include "ui/rules/ChannelForm.h"
#include "ui/rules/FrequencyText.h"

namespace nerka {

namespace {

QString yesNo(bool flag) {
    return flag ? QStringLiteral("Yes") : QStringLiteral("No");
}

} // namespace

QString channelCellText(const RadioChannel& c, ChannelCell cell, const ChannelRowNames& names) {
    const auto reference = [](const QHash<int, QString>& byKey, const std::optional<int>& key) {
        return key ? byKey.value(*key, QStringLiteral("#%1").arg(*key + 1)) : QString();
    };
    switch (cell) {
    case ChannelCell::name:
        return c.name;
    case ChannelCell::rx:
        return FrequencyText::formatMHz(c.rxHz);
    case ChannelCell::tx:
        return FrequencyText::formatMHz(c.txHz);
    case ChannelCell::mode:
        return c.isDMR() ? QStringLiteral("DMR") : QStringLiteral("FM");
    case ChannelCell::power:
        return rawText(powerLevel(c.powerRaw));
    case ChannelCell::rxTone:
        return c.rxTone ? c.rxTone->displayText() : QString();
    case ChannelCell::txTone:
        return c.txTone ? c.txTone->displayText() : QString();
    case ChannelCell::timeSlot:
        return QString::number(c.timeSlot);
    case ChannelCell::colorCode:
        return QString::number(c.colorCode);
    case ChannelCell::scanSkip:
        return yesNo(c.skipScan);
    case ChannelCell::rxOnly:
        return yesNo(c.rxOnly);
    case ChannelCell::contact:
        return reference(names.contacts, c.contactIndex);
    case ChannelCell::groupList:
        return reference(names.groupLists, c.groupListIndex);
    }
    return {};
}

std::variant<ChannelEdit, QString> editChannelCell(const RadioChannel& channel, ChannelCell cell,
                                                   const QString& text,
                                                   const ChannelRowNames& names) {
    ChannelForm form(channel);
    const QString t = text.trimmed();
    switch (cell) {
    case ChannelCell::name:
        if (t.isEmpty())
            return QStringLiteral("Name: enter a name");
        // Cut and replaced as the radio stores it, as on every other path.
        form.name = storedChannelName(text);
        break;
    case ChannelCell::rx:
        if (!FrequencyText::isValid(text))
            return QStringLiteral("RX: ") + FrequencyText::problem(text);
        // TX stays here; checkTypedChannelChange decides how it follows.
        form.setFreqMode(FreqMode::split);
        form.setRxText(text);
        break;
    case ChannelCell::tx:
        if (!FrequencyText::isValid(text))
            return QStringLiteral("TX: ") + FrequencyText::problem(text);
        form.setFreqMode(FreqMode::split);
        form.setTxText(text);
        break;
    case ChannelCell::mode:
        if (t.compare(QLatin1String("DMR"), Qt::CaseInsensitive) == 0)
            form.isDMR = true;
        else if (t.compare(QLatin1String("FM"), Qt::CaseInsensitive) == 0)
            form.isDMR = false;
        else
            return QStringLiteral("Mode: FM or DMR");
        break;
    case ChannelCell::power: {
        const auto raw = parsePowerText(t);
        if (!raw)
            return QStringLiteral("Power: Global, Min, Low, Mid, High or Max");
        // The editor's rule: the stored byte stays when its level is chosen again.
        form.power = powerLevel(*raw);
        break;
    }
    case ChannelCell::rxTone:
    case ChannelCell::txTone: {
        const auto tone = parseToneText(t);
        const QString field =
            cell == ChannelCell::rxTone ? QStringLiteral("RX tone: ") : QStringLiteral("TX tone: ");
        if (!tone)
            return field + QStringLiteral("a CTCSS frequency (88.5) or DCS code (D023N) of the "
                                          "radio's tables, or Off");
        ChannelEdit edit = *form.edit();
        (cell == ChannelCell::rxTone ? edit.rxTone : edit.txTone) = *tone;
        return edit;
    }
    case ChannelCell::timeSlot:
        if (t != QLatin1String("1") && t != QLatin1String("2"))
            return QStringLiteral("Time slot: 1 or 2");
        form.timeSlot2 = t == QLatin1String("2");
        break;
    case ChannelCell::colorCode: {
        bool ok = false;
        const int value = t.toInt(&ok);
        if (!ok || value < 0 || value > kMaxColorCode)
            return QStringLiteral("Colour code: 0 to %1").arg(kMaxColorCode);
        form.colorCode = value;
        break;
    }
    case ChannelCell::scanSkip:
    case ChannelCell::rxOnly: {
        const auto flag = parseFlagText(t);
        if (!flag)
            return (cell == ChannelCell::scanSkip ? QStringLiteral("Scan skip")
                                                  : QStringLiteral("RX only")) +
                   QStringLiteral(": Yes or No");
        (cell == ChannelCell::scanSkip ? form.skipScan : form.rxOnly) = *flag;
        break;
    }
    case ChannelCell::contact:
    case ChannelCell::groupList: {
        const bool contact = cell == ChannelCell::contact;
        std::optional<int> key;
        if (!t.isEmpty()) {
            key = referenceNamed(contact ? names.contacts : names.groupLists, t);
            if (!key)
                return contact ? QStringLiteral("Contact (TX): no contact named '%1'").arg(t)
                               : QStringLiteral("Group list: no talkgroup list named '%1'").arg(t);
        }
        (contact ? form.contactSlot : form.groupListIndex) = key;
        break;
    }
    }
    const auto edit = form.edit();
    if (!edit)
        return QStringLiteral("The channel's stored values cannot be edited here.");
    return *edit;
}

} // namespace nerka
