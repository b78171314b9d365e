#include "ui/rules/ChannelBulkForm.h"

#include "codeplug/ChannelCsvImport.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace nerka {

namespace {

// A value standing for the field of one channel; two channels agree on the
// field when these are equal. The offset compares TX − RX.
QString bulkFieldKey(ChannelField field, const RadioChannel& c) {
    if (field == ChannelField::tx)
        return QString::number(std::int64_t(c.txHz) - std::int64_t(c.rxHz));
    // What the editor shows: a power level, not its byte.
    const ChannelFieldInfo& row = channelField(field);
    return row.display ? row.display(c, {}) : row.text(c, {});
}

// How the note names a field that was left alone somewhere.
QString bulkFieldLabel(ChannelField field) {
    return field == ChannelField::tx
               ? QCoreApplication::translate("nerka::ChannelBulkForm", "offset")
               : channelField(field).displayLabel();
}

} // namespace

ChannelBulkForm::ChannelBulkForm(QList<RadioChannel> channels)
    : values(channels.value(0)), m_channels(std::move(channels)) {
    for (std::size_t f = 0; f < m_mixed.size(); ++f) {
        const auto field = ChannelField(f);
        const QString first = bulkFieldKey(field, m_channels.value(0));
        for (const RadioChannel& c : m_channels) {
            if (bulkFieldKey(field, c) != first) {
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

bool ChannelBulkForm::appliesTo(ChannelField field, bool isDMR) {
    return channelField(field).appliesTo(isDMR);
}

namespace {

// TX at the offset of `mode` from the channel's own RX; false when that
// would leave the frequencies a channel holds (TX is then left as it is).
bool setBulkOffset(const RadioChannel& c, FreqMode mode, ChannelEdit& e) {
    const std::int64_t standard = ChannelForm::standardOffsetHz(c.rxHz);
    std::int64_t offset = 0;
    if (mode == FreqMode::minus)
        offset = -standard;
    else if (mode == FreqMode::plus)
        offset = standard;
    const std::int64_t txHz = std::int64_t(c.rxHz) + offset;
    if (txHz < 1 || std::uint64_t(txHz) > kMaxChannelFrequencyHz)
        return false;
    e.txHz = std::uint64_t(txHz);
    return true;
}

} // namespace

ChannelBulkForm::Result ChannelBulkForm::apply() const {
    Result result;
    // Per field: how many channels it was left alone on, and whether those
    // were all DMR or all FM (for the note's wording).
    std::array<int, std::size_t(kChannelFieldCount)> leftAlone{};
    std::array<int, std::size_t(kChannelFieldCount)> leftAloneDMR{};
    const ChannelForm& v = values;
    const ChannelEdit chosen = v.chosenValues();
    for (const RadioChannel& c : m_channels) {
        const ChannelEdit before = channelEditFrom(c);
        ChannelEdit e = before;
        if (isChanged(ChannelField::mode))
            e.isDMR = v.isDMR;
        for (const ChannelFieldInfo& row : channelFieldTable()) {
            const auto f = std::size_t(row.id);
            if (!isChanged(row.id) || row.id == ChannelField::mode || !row.copy)
                continue;
            if (!row.appliesTo(e.isDMR)) {
                ++leftAlone[f];
                leftAloneDMR[f] += e.isDMR ? 1 : 0;
            } else if (row.id == ChannelField::tx) {
                if (!setBulkOffset(c, v.freqMode(), e))
                    ++leftAlone[f];
            } else if (row.id == ChannelField::power) {
                e.powerRaw = powerRawFor(v.power, c.powerRaw);
            } else {
                row.copy(chosen, e);
            }
        }
        if (!(e == before))
            result.edits.append({c.number, e});
    }
    QStringList notes;
    for (std::size_t f = 0; f < leftAlone.size(); ++f) {
        const int count = leftAlone[f];
        if (count == 0)
            continue;
        // "Colour code left alone on 2 FM channels": whole sentences, so each
        // language words them its own way.
        const char* text = nullptr;
        const bool dmrOnly = leftAloneDMR[f] == count;
        if (ChannelField(f) == ChannelField::tx)
            text =
                count == 1
                    ? QT_TRANSLATE_NOOP("nerka::ChannelBulkForm", "%1 left alone on 1 channel")
                    : QT_TRANSLATE_NOOP("nerka::ChannelBulkForm", "%1 left alone on %2 channels");
        else if (dmrOnly)
            text = count == 1 ? QT_TRANSLATE_NOOP("nerka::ChannelBulkForm",
                                                  "%1 left alone on 1 DMR channel")
                              : QT_TRANSLATE_NOOP("nerka::ChannelBulkForm",
                                                  "%1 left alone on %2 DMR channels");
        else
            text = count == 1 ? QT_TRANSLATE_NOOP("nerka::ChannelBulkForm",
                                                  "%1 left alone on 1 FM channel")
                              : QT_TRANSLATE_NOOP("nerka::ChannelBulkForm",
                                                  "%1 left alone on %2 FM channels");
        const QString sentence = QCoreApplication::translate("nerka::ChannelBulkForm", text)
                                     .arg(bulkFieldLabel(ChannelField(f)));
        notes.append(count == 1 ? sentence : sentence.arg(count));
    }
    result.note = notes.join(QStringLiteral(", "));
    return result;
}

} // namespace nerka
