#pragma once

#include "codeplug/Tone.h"
#include "satellites/SatNOGS.h"
#include "satellites/Satellite.h"
#include "satellites/TLE.h"

#include <QByteArray>
#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <cstdint>
#include <optional>

namespace nerka {

// A satellite the user can pick from the last keps load.
struct SatelliteCandidate {
    QUuid id;         // made fresh for every candidate
    QString name;     // short name, what the satellite is called in the codeplug
    QString fullName; // the element set's name
    std::optional<int> norad;
    QByteArray tle1;           // 12 packed bytes
    QByteArray tle2;           // 28 packed bytes
    std::uint32_t rxFreq1 = 0; // downlink in Hz from SatNOGS; 0 = unknown
    std::uint32_t txFreq1 = 0; // uplink in Hz from SatNOGS; 0 = unknown
    std::optional<Tone> txTone;

    // Both frequencies known: what the "Only FM satellites" filter shows.
    [[nodiscard]] bool isFM() const { return rxFreq1 != 0 && txFreq1 != 0; }

    friend bool operator==(const SatelliteCandidate&, const SatelliteCandidate&) = default;
};

inline size_t qHash(const SatelliteCandidate& c, size_t seed = 0) {
    seed = qHashMulti(seed, c.id, c.name, c.fullName, c.norad.value_or(-1), c.norad.has_value());
    return qHashMulti(seed, c.tle1, c.tle2, c.rxFreq1, c.txFreq1, c.txTone);
}

// One candidate per element set whose lines hold all packed fields, with the
// SatNOGS frequencies of its NORAD number when there are any. FM candidates
// come first; within each group the order is by short name, compared
// case-insensitively in the user's locale (ties keep the keps order).
[[nodiscard]] QList<SatelliteCandidate> buildCandidates(const QList<TLERecord>& records,
                                                        const SatNOGSFrequencyMap& frequencies);

// The first element set one of whose names (the whole name, the text inside its
// parentheses, the text before them; upper-cased and trimmed) equals or begins
// with the satellite's name, upper-cased and trimmed. A blank name finds nothing.
[[nodiscard]] std::optional<TLERecord> findTLE(const QString& satelliteName,
                                               const QList<TLERecord>& records);

struct KepsRefresh {
    QList<Satellite> satellites; // same order, only tle1 and tle2 replaced
    int updatedCount = 0;
    QStringList missingNames; // satellites for which no usable element set was found
};

// New orbital elements for every satellite whose element set is found. When
// several sets match its name as findTLE does, the one whose inclination and
// mean motion are nearest the satellite's stored elements is taken; with a
// single match or without stored elements, the first match.
[[nodiscard]] KepsRefresh refreshKepsOf(const QList<Satellite>& satellites,
                                        const QList<TLERecord>& records);

} // namespace nerka
