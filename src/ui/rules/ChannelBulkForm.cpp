#include "ui/rules/ChannelBulkForm.h"

#include "codeplug/ChannelCsvImport.h"

#include <QStringList>

#include <algorithm>

namespace nerka {

namespace {

// A value standing for the field of one channel; two channels agree on the
// field when these are equal.
QString fieldKey(BulkField field, const RadioChannel& c) {
    const auto tone = [](const std::optional<Tone>& t) { return t ? t->displayText() : QString(); };
    const auto optional = [](const std::optional<int>& v) {
        return v ? QString::number(*v) : QString();
    };
    switch (field) {
    case BulkField::offset:
        return QString::number(int(ChannelForm::detectFreqMode(c.rxHz, c.txHz).mode));
    case BulkField::mode:
        return QString::number(int(c.mode));
    case BulkField::power:
        return QString::number(int(powerLevel(c.powerRaw)));
    case BulkField::rxOnly:
        return QString::number(c.rxOnly);
    case BulkField::timeSlot:
        return QString::number(c.timeSlot);
    case BulkField::colorCode:
        return QString::number(c.colorCode);
    case BulkField::contact:
        return optional(c.contactIndex);
    case BulkField::groupList:
        return optional(c.groupListIndex);
    case BulkField::bandwidth:
        return QString::number(c.bandwidthWide);
    case BulkField::rxTone:
        return tone(c.rxTone);
    case BulkField::txTone:
        return tone(c.txTone);
    case BulkField::squelch:
        return QStringLiteral("%1/%2").arg(int(c.squelchMode)).arg(c.squelchLevel);
    case BulkField::skipScan:
        return QString::number(c.skipScan);
    case BulkField::skipZoneScan:
        return QString::number(c.skipZoneScan);
    case BulkField::vox:
        return QString::number(c.vox);
    case BulkField::monitor:
        return QString::number(c.monitor);
    case BulkField::powerSave:
        return QString::number(c.powerSave);
    case BulkField::beep:
        return QString::number(c.beep);
    case BulkField::aprs:
        return optional(c.aprsIndex);
    case BulkField::count:
        break;
    }
    return {};
}

// How the note names a field that was left alone somewhere.
QString fieldLabel(BulkField field) {
    switch (field) {
    case BulkField::offset:
        return QStringLiteral("offset");
    case BulkField::timeSlot:
        return QStringLiteral("time slot");
    case BulkField::colorCode:
        return QStringLiteral("colour code");
    case BulkField::contact:
        return QStringLiteral("TX contact");
    case BulkField::groupList:
        return QStringLiteral("RX group list");
    case BulkField::bandwidth:
        return QStringLiteral("bandwidth");
    case BulkField::rxTone:
        return QStringLiteral("RX tone");
    case BulkField::txTone:
        return QStringLiteral("TX tone");
    default:
        return QStringLiteral("field");
    }
}

} // namespace

ChannelBulkForm::ChannelBulkForm(QList<RadioChannel> channels)
    : values(channels.value(0)), m_channels(std::move(channels)) {
    for (std::size_t f = 0; f < m_mixed.size(); ++f) {
        const auto field = BulkField(f);
        const QString first = fieldKey(field, m_channels.value(0));
        for (const RadioChannel& c : m_channels) {
            if (fieldKey(field, c) != first) {
                m_mixed[f] = true;
                break;
            }
        }
    }
}

bool ChannelBulkForm::anyDMR() const {
    return std::any_of(m_channels.cbegin(), m_channels.cend(),
                       [](const RadioChannel& c) { return c.isDMR(); });
}

bool ChannelBulkForm::anyFM() const {
    return std::any_of(m_channels.cbegin(), m_channels.cend(),
                       [](const RadioChannel& c) { return !c.isDMR(); });
}

bool ChannelBulkForm::appliesTo(BulkField field, bool isDMR) {
    switch (field) {
    case BulkField::timeSlot:
    case BulkField::colorCode:
    case BulkField::contact:
    case BulkField::groupList:
        return isDMR;
    case BulkField::bandwidth:
    case BulkField::rxTone:
    case BulkField::txTone:
        return !isDMR;
    default:
        return true;
    }
}

ChannelBulkForm::Result ChannelBulkForm::apply() const {
    Result result;
    // Per field: how many channels it was left alone on, and whether those
    // were all DMR or all FM (for the note's wording).
    std::array<int, std::size_t(BulkField::count)> leftAlone{};
    std::array<int, std::size_t(BulkField::count)> leftAloneDMR{};
    const ChannelForm& v = values;
    for (const RadioChannel& c : m_channels) {
        const ChannelEdit before = channelEditFrom(c);
        ChannelEdit e = before;
        if (isChanged(BulkField::mode))
            e.isDMR = v.isDMR;
        const auto set = [&](BulkField field, auto&& assign) {
            if (!isChanged(field))
                return;
            if (!appliesTo(field, e.isDMR)) {
                ++leftAlone[std::size_t(field)];
                leftAloneDMR[std::size_t(field)] += e.isDMR ? 1 : 0;
                return;
            }
            assign();
        };
        set(BulkField::offset, [&] {
            const std::int64_t standard = ChannelForm::standardOffsetHz(c.rxHz);
            std::int64_t offset = 0;
            if (v.freqMode() == FreqMode::minus)
                offset = -standard;
            else if (v.freqMode() == FreqMode::plus)
                offset = standard;
            const std::int64_t txHz = std::int64_t(c.rxHz) + offset;
            // As in the editor: a TX below 1 Hz leaves TX as it is.
            if (txHz < 1 || std::uint64_t(txHz) > kMaxChannelFrequencyHz)
                ++leftAlone[std::size_t(BulkField::offset)];
            else
                e.txHz = std::uint64_t(txHz);
        });
        set(BulkField::power, [&] { e.powerRaw = powerRawFor(v.power, c.powerRaw); });
        set(BulkField::rxOnly, [&] { e.rxOnly = v.rxOnly; });
        set(BulkField::timeSlot, [&] { e.timeSlotTS2 = v.timeSlot2; });
        set(BulkField::colorCode, [&] { e.colorCode = v.colorCode; });
        set(BulkField::contact, [&] { e.contactSlot = v.contactSlot; });
        set(BulkField::groupList, [&] { e.groupListIndex = v.groupListIndex; });
        set(BulkField::bandwidth, [&] { e.bandwidthWide = v.bandwidthWide; });
        set(BulkField::rxTone, [&] {
            e.rxTone = ChannelForm::toneFrom(v.rxToneKind, v.rxCtcss, v.rxDcs, v.rxDcsInv);
        });
        set(BulkField::txTone, [&] {
            e.txTone = ChannelForm::toneFrom(v.txToneKind, v.txCtcss, v.txDcs, v.txDcsInv);
        });
        set(BulkField::squelch, [&] {
            e.squelchMode = v.squelchMode;
            e.squelchLevel = v.squelchLevel;
        });
        set(BulkField::skipScan, [&] { e.skipScan = v.skipScan; });
        set(BulkField::skipZoneScan, [&] { e.skipZoneScan = v.skipZoneScan; });
        set(BulkField::vox, [&] { e.vox = v.vox; });
        set(BulkField::monitor, [&] { e.monitor = v.monitor; });
        set(BulkField::powerSave, [&] { e.powerSave = v.powerSave; });
        set(BulkField::beep, [&] { e.beep = v.beep; });
        set(BulkField::aprs, [&] { e.aprsIndex = v.aprsIndex; });
        if (!(e == before))
            result.edits.append({c.number, e});
    }
    QStringList notes;
    for (std::size_t f = 0; f < leftAlone.size(); ++f) {
        const int count = leftAlone[f];
        if (count == 0)
            continue;
        QString kind;
        if (BulkField(f) != BulkField::offset)
            kind = leftAloneDMR[f] == count ? QStringLiteral("DMR ") : QStringLiteral("FM ");
        notes.append(QStringLiteral("%1 left alone on %2 %3%4")
                         .arg(fieldLabel(BulkField(f)), QString::number(count), kind,
                              count == 1 ? QStringLiteral("channel") : QStringLiteral("channels")));
    }
    result.note = notes.join(QStringLiteral(", "));
    return result;
}

} // namespace nerka
