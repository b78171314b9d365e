#include "codeplug/ChannelChecks.h"

#include "codeplug/ChannelCsvImport.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/NameField.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace nerka {

namespace {

// As many rows as a skipped-rows note names before it only counts.
constexpr qsizetype kOutsideRowsNamed = 10;
constexpr std::uint64_t kChecksHzPerMHz = 1'000'000;

bool bandIsSet(int minMHz, int maxMHz) {
    return minMHz > 0 && maxMHz > minMHz;
}

bool bandHolds(int minMHz, int maxMHz, std::uint64_t hz) {
    return bandIsSet(minMHz, maxMHz) && hz >= std::uint64_t(minMHz) * kChecksHzPerMHz &&
           hz <= std::uint64_t(maxMHz) * kChecksHzPerMHz;
}

} // namespace

std::optional<BandLimits> BandLimits::of(const std::optional<DeviceSettings>& settings) {
    if (!settings)
        return std::nullopt;
    const BandLimits bands{settings->vhfMin, settings->vhfMax, settings->uhfMin, settings->uhfMax};
    if (!bandIsSet(bands.vhfMinMHz, bands.vhfMaxMHz) &&
        !bandIsSet(bands.uhfMinMHz, bands.uhfMaxMHz))
        return std::nullopt;
    return bands;
}

std::optional<BandLimits::Band> BandLimits::bandOf(std::uint64_t hz) const {
    if (bandHolds(vhfMinMHz, vhfMaxMHz, hz))
        return Band::vhf;
    if (bandHolds(uhfMinMHz, uhfMaxMHz, hz))
        return Band::uhf;
    return std::nullopt;
}

QString BandLimits::text() const {
    return QStringLiteral("VHF %1\u2013%2, UHF %3\u2013%4 MHz")
        .arg(vhfMinMHz)
        .arg(vhfMaxMHz)
        .arg(uhfMinMHz)
        .arg(uhfMaxMHz);
}

QString shortMegahertzText(std::uint64_t hz) {
    QString text = QString::asprintf("%.6f", double(hz) / double(kChecksHzPerMHz));
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text + QStringLiteral(" MHz");
}

QString outsideBandsText(const BandLimits& bands) {
    return QCoreApplication::translate("CsvImport", "outside this radio's bands (%1)")
        .arg(bands.text());
}

std::optional<FrequencyOutside> frequencyOutsideBands(const ChannelEdit& edit,
                                                      const std::optional<BandLimits>& bands) {
    if (!bands)
        return std::nullopt;
    if (!bands->contains(edit.rxHz))
        return FrequencyOutside{QStringLiteral("RX"), edit.rxHz};
    if (!edit.rxOnly && !bands->contains(edit.txHz))
        return FrequencyOutside{QStringLiteral("TX"), edit.txHz};
    return std::nullopt;
}

QString channelBandWarning(const ChannelEdit& edit, const std::optional<BandLimits>& bands) {
    const auto outside = frequencyOutsideBands(edit, bands);
    if (!outside)
        return {};
    return QStringLiteral("%1 %2 %3")
        .arg(outside->field, shortMegahertzText(outside->hz), outsideBandsText(*bands));
}

QString outsideChannelsNote(const QList<std::pair<int, ChannelEdit>>& edits,
                            const std::optional<BandLimits>& bands) {
    QStringList named;
    qsizetype count = 0;
    for (const auto& [number, edit] : edits) {
        const auto outside = frequencyOutsideBands(edit, bands);
        if (!outside)
            continue;
        if (++count <= kOutsideRowsNamed)
            named.append(
                QCoreApplication::translate("CsvImport", "channel %1 %2 %3")
                    .arg(QString::number(number), outside->field, shortMegahertzText(outside->hz)));
    }
    if (count == 0)
        return {};
    if (count > kOutsideRowsNamed)
        named.append(
            QCoreApplication::translate("CsvImport", "%1 more").arg(count - kOutsideRowsNamed));
    return QCoreApplication::translate("CsvImport", "%1 %2 %3: %4")
        .arg(count)
        .arg(count == 1 ? QCoreApplication::translate("CsvImport", "channel")
                        : QCoreApplication::translate("CsvImport", "channels"),
             outsideBandsText(*bands), named.join(QStringLiteral(", ")));
}

ScreenedChannelRows screenChannelRows(const QList<ChannelEdit>& edits, const QList<int>& lines,
                                      const std::optional<BandLimits>& bands) {
    ScreenedChannelRows screened;
    for (qsizetype i = 0; i < edits.size(); ++i) {
        const auto outside = frequencyOutsideBands(edits[i], bands);
        if (!outside) {
            screened.kept.append(i);
            continue;
        }
        const int line = i < lines.size() ? lines[i] : int(i) + 1;
        screened.outside.append(
            {line, QStringLiteral("%1 %2").arg(edits[i].name, shortMegahertzText(outside->hz))});
    }
    return screened;
}

QString outsideRowsNote(const QList<SkippedCsvRow>& outside, const BandLimits& bands) {
    if (outside.isEmpty())
        return {};
    QStringList named;
    for (qsizetype i = 0; i < outside.size() && i < kOutsideRowsNamed; ++i)
        named.append(QCoreApplication::translate("CsvImport", "line %1 %2")
                         .arg(outside[i].line)
                         .arg(outside[i].reason));
    if (outside.size() > kOutsideRowsNamed)
        named.append(QCoreApplication::translate("CsvImport", "%1 more")
                         .arg(outside.size() - kOutsideRowsNamed));
    return QCoreApplication::translate("CsvImport", "%1 %2 %3: %4")
        .arg(outside.size())
        .arg(outside.size() == 1 ? QCoreApplication::translate("CsvImport", "row")
                                 : QCoreApplication::translate("CsvImport", "rows"),
             outsideBandsText(bands), named.join(QStringLiteral(", ")));
}

std::optional<QString> channelRoomRefusal(qsizetype rows, qsizetype channelsInUse,
                                          const QString& verb) {
    const qsizetype free = std::max<qsizetype>(0, ChannelBank::kTotalChannels - channelsInUse);
    if (rows <= free)
        return std::nullopt;
    return QCoreApplication::translate("CsvImport",
                                       "Channel memory is full (max %1): %2 to %3, %4 free.")
        .arg(ChannelBank::kTotalChannels)
        .arg(rows)
        .arg(verb)
        .arg(free);
}

FollowedTx txFollowingRx(std::uint64_t oldRxHz, std::uint64_t oldTxHz, std::uint64_t newRxHz,
                         const std::optional<BandLimits>& bands) {
    const std::int64_t offset = std::int64_t(oldTxHz) - std::int64_t(oldRxHz);
    if (offset == 0)
        return {newRxHz, false};
    const std::int64_t tx = std::int64_t(newRxHz) + offset;
    bool keep = tx >= 1 && tx <= std::int64_t(kMaxChannelFrequencyHz);
    if (keep && bands) {
        const auto band = bands->bandOf(newRxHz);
        keep = band && bands->bandOf(oldRxHz) == band && bands->bandOf(std::uint64_t(tx)) == band;
    }
    if (!keep)
        return {newRxHz, true};
    return {std::uint64_t(tx), false};
}

QString simplexNote(qsizetype channels) {
    if (channels <= 0)
        return {};
    return channels == 1
               ? QCoreApplication::translate("CsvImport",
                                             "1 channel set to simplex (TX would leave the band)")
               : QCoreApplication::translate("CsvImport",
                                             "%1 channels set to simplex (TX would leave the band)")
                     .arg(channels);
}

TypedChannelChange checkTypedChannelChange(const RadioChannel& before, ChannelEdit edit,
                                           bool rxTyped, const std::optional<BandLimits>& bands) {
    TypedChannelChange change;
    if (rxTyped && edit.rxHz != before.rxHz) {
        const FollowedTx followed = txFollowingRx(before.rxHz, before.txHz, edit.rxHz, bands);
        edit.txHz = followed.txHz;
        change.setToSimplex = followed.setToSimplex;
    }
    edit.name = storedChannelName(edit.name);
    change.warning = channelBandWarning(edit, bands);
    change.edit = std::move(edit);
    return change;
}

QString storedChannelName(const QString& text) {
    return storedName(text, ChannelRecord::kNameWidth);
}

} // namespace nerka
