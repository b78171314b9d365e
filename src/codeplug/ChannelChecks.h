#pragma once

#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/RadioChannel.h"
#include "codeplug/RepeaterListCsv.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>

namespace nerka {

// The checks that every way of making or changing a channel runs (the
// channel editor, a table cell, fill down, the bulk editor, paste, the CSV
// imports, the command line's edit), so that each check has one rule and one
// text wherever it fires. Pure functions; the callers decide what a failed
// check means on their path: a value a person typed is kept with a warning,
// a row from a file or the clipboard is left out and named.

// The frequency ranges the radio's device settings allow, in whole MHz.
struct BandLimits {
    int vhfMinMHz = 0;
    int vhfMaxMHz = 0;
    int uhfMinMHz = 0;
    int uhfMaxMHz = 0;

    enum class Band { vhf, uhf };

    // The limits of `settings`, or nothing while they are not set (no
    // settings, or neither band with a lower limit above 0 and an upper
    // limit above that): nothing is checked then. A band not set on its own
    // holds no frequency.
    [[nodiscard]] static std::optional<BandLimits>
    of(const std::optional<DeviceSettings>& settings);

    // The band that holds `hz` (limits included), or nothing.
    [[nodiscard]] std::optional<Band> bandOf(std::uint64_t hz) const;
    [[nodiscard]] bool contains(std::uint64_t hz) const { return bandOf(hz).has_value(); }
    // "VHF 136–174, UHF 400–480 MHz" (en dashes).
    [[nodiscard]] QString text() const;

    friend bool operator==(const BandLimits&, const BandLimits&) = default;
};

// A frequency in MHz without trailing zeros, as the checks name it ("52.525 MHz").
[[nodiscard]] QString shortMegahertzText(std::uint64_t hz);

// "outside this radio's bands (VHF 136–174, UHF 400–480 MHz)": the reason of
// every band check, at a field ("Outside …"), a cell, a log line or a skipped row.
[[nodiscard]] QString outsideBandsText(const BandLimits& bands);

// The first frequency of the channel that lies outside the bands, with the
// field it is in: RX, else TX (a receive-only channel does not transmit, so
// its TX is not checked). Nothing inside the bands or while they are unset.
struct FrequencyOutside {
    QString field; // "RX" or "TX"
    std::uint64_t hz = 0;
};
[[nodiscard]] std::optional<FrequencyOutside>
frequencyOutsideBands(const ChannelEdit& edit, const std::optional<BandLimits>& bands);

// The warning for a value a person typed, kept as typed: "RX 52.525 MHz
// outside this radio's bands (VHF 136–174, UHF 400–480 MHz)"; empty inside.
[[nodiscard]] QString channelBandWarning(const ChannelEdit& edit,
                                         const std::optional<BandLimits>& bands);

// The same warning for values typed into several channels at once (fill
// down, the bulk editor): "2 channels outside this radio's bands (VHF
// 136–174, UHF 400–480 MHz): channel 5 RX 52.525 MHz, channel 7 TX 223.5
// MHz"; the first ten named. Empty when all are inside.
[[nodiscard]] QString outsideChannelsNote(const QList<std::pair<int, ChannelEdit>>& edits,
                                          const std::optional<BandLimits>& bands);

// Rows from a file or the clipboard before they become channels: those
// outside the bands are left out, each named by its line, name and the
// frequency outside ("6m Call 52.525 MHz").
struct ScreenedChannelRows {
    QList<qsizetype> kept; // indices into the rows, in order
    QList<SkippedCsvRow> outside;
};
// `lines` holds each row's line (1-based); a row beyond it is named by its
// position in `edits` + 1.
[[nodiscard]] ScreenedChannelRows screenChannelRows(const QList<ChannelEdit>& edits,
                                                    const QList<int>& lines,
                                                    const std::optional<BandLimits>& bands);
// "3 rows outside this radio's bands (VHF 136–174, UHF 400–480 MHz): line 2
// 6m Call 52.525 MHz, …"; the first ten rows named, the rest counted. Empty
// for no rows.
[[nodiscard]] QString outsideRowsNote(const QList<SkippedCsvRow>& outside, const BandLimits& bands);

// Adding rows in bulk (an import, a paste): all of them fit, or none is
// added. The refusal says how many there are and how many slots are free:
// "Channel memory is full (max 1024): 89 to import, 14 free." `verb` is
// "import" or "paste". Nothing when they fit.
[[nodiscard]] std::optional<QString> channelRoomRefusal(qsizetype rows, qsizetype channelsInUse,
                                                        const QString& verb);

// TX following a new RX: the channel keeps its offset (TX − RX) while its
// new RX lies in the band of its old RX and the new TX lies in that band too;
// otherwise TX becomes RX. While the bands are unset the offset is kept as
// long as the record can hold the TX.
struct FollowedTx {
    std::uint64_t txHz = 0;
    bool setToSimplex = false; // the channel had an offset and lost it
};
[[nodiscard]] FollowedTx txFollowingRx(std::uint64_t oldRxHz, std::uint64_t oldTxHz,
                                       std::uint64_t newRxHz,
                                       const std::optional<BandLimits>& bands);
// "2 channels set to simplex (TX would leave the band)"; empty for none.
[[nodiscard]] QString simplexNote(qsizetype channels);

// A person's change to one channel in the channel table (a cell, fill
// down): with a new RX, TX follows it by txFollowingRx; the name becomes the
// stored one; `warning` is the band warning of the result (the change is
// kept all the same).
struct TypedChannelChange {
    ChannelEdit edit;
    bool setToSimplex = false;
    QString warning;
};
[[nodiscard]] TypedChannelChange checkTypedChannelChange(const RadioChannel& before,
                                                         ChannelEdit edit, bool rxTyped,
                                                         const std::optional<BandLimits>& bands);

// The name a channel stores for `text`: cut to 16 characters, a character
// the radio cannot store as "?".
[[nodiscard]] QString storedChannelName(const QString& text);

} // namespace nerka
