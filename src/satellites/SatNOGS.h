#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// The FM frequency pair of one satellite, as SatNOGS lists it.
struct SatNOGSFreqs {
    std::uint32_t rx = 0;     // Hz, the downlink
    std::uint32_t tx = 0;     // Hz, the uplink
    std::optional<int> ctcss; // tenths of Hz, for Tone::ctcss

    friend bool operator==(const SatNOGSFreqs&, const SatNOGSFreqs&) = default;
};

// NORAD catalogue number → its FM frequencies.
using SatNOGSFrequencyMap = QMap<qint64, SatNOGSFreqs>;

namespace SatNOGS {

// The transmitter list of the SatNOGS database API, relative to its host.
inline constexpr char kTransmittersPath[] = "/api/transmitters/?format=json";

// The keys of one element of the transmitter list that we use; a missing key
// or a JSON null gives nothing.
struct Transmitter {
    std::optional<QString> description;
    std::optional<qint64> noradCatId;  // "norad_cat_id"
    std::optional<qint64> uplinkLow;   // "uplink_low", Hz
    std::optional<qint64> downlinkLow; // "downlink_low", Hz
    std::optional<QString> mode;
    std::optional<bool> alive;

    friend bool operator==(const Transmitter&, const Transmitter&) = default;
};

// The transmitters of a response body: a JSON array of objects. Nothing when the
// body is not such an array, or when any element or any of the keys above has
// the wrong JSON type (a number that is not a whole number counts as one): the
// response is then taken as undecodable as a whole.
[[nodiscard]] std::optional<QList<Transmitter>> decodeTransmitters(const QByteArray& body);

// One entry per satellite from the alive FM transmitters with both an uplink and
// a downlink between 1 Hz and 4 GHz: per NORAD number the first described as
// "voice", else the first described as "repeater", else the first in the list.
[[nodiscard]] SatNOGSFrequencyMap selectFrequencies(const QList<Transmitter>& transmitters);

// The CTCSS tone named in a description ("CTCSS 67.0 Hz" → 670), in tenths of Hz.
[[nodiscard]] std::optional<int> ctcssInDescription(const QString& description);

} // namespace SatNOGS

// The FM frequencies of a transmitter-list response; the empty map when the
// body cannot be decoded or lists no qualifying transmitter.
[[nodiscard]] SatNOGSFrequencyMap parseSatNOGS(const QByteArray& body);

} // namespace nerka
