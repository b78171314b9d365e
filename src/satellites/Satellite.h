#pragma once

#include "codeplug/Tone.h"

#include <QByteArray>
#include <QHashFunctions>
#include <QString>
#include <QUuid>

#include <cstdint>
#include <optional>

namespace nerka {

// One entry of the radio's satellite table.
struct Satellite {
    QUuid id;                  // identity in lists; made fresh on every decode, never stored
    int index = 0;             // 0-based slot in the satellite block when decoded
    QString name;              // at most 8 characters are stored
    QByteArray tle1;           // packed orbital elements of element line 1 (12 bytes stored)
    QByteArray tle2;           // packed orbital elements of element line 2 (28 bytes stored)
    std::uint32_t rxFreq1 = 0; // Hz; 0 = not set
    std::uint32_t txFreq1 = 0;
    std::optional<Tone> txTone;
    std::optional<Tone> armTone;
    std::uint32_t rxFreq2 = 0;
    std::uint32_t txFreq2 = 0;
    std::uint32_t rxFreq3 = 0;
    std::uint32_t txFreq3 = 0;
    QByteArray additionalData; // 24 bytes kept without being interpreted

    friend bool operator==(const Satellite&, const Satellite&) = default;
};

inline size_t qHash(const std::optional<Tone>& tone, size_t seed = 0) {
    return tone ? qHashMulti(seed, true, *tone) : qHashMulti(seed, false);
}

inline size_t qHash(const Satellite& s, size_t seed = 0) {
    seed = qHashMulti(seed, s.id, s.index, s.name, s.tle1, s.tle2, s.rxFreq1, s.txFreq1);
    seed = qHashMulti(seed, s.txTone, s.armTone, s.rxFreq2, s.txFreq2, s.rxFreq3, s.txFreq3);
    return qHashMulti(seed, s.additionalData);
}

} // namespace nerka
