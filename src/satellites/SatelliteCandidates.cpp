#include "satellites/SatelliteCandidates.h"

#include "satellites/SatelliteCodec.h"

#include <QCollator>

#include <algorithm>
#include <cmath>

namespace nerka {

QList<SatelliteCandidate> buildCandidates(const QList<TLERecord>& records,
                                          const SatNOGSFrequencyMap& frequencies) {
    QList<SatelliteCandidate> candidates;
    candidates.reserve(records.size());
    for (const TLERecord& record : records) {
        const auto packed = packTLE(record.line1, record.line2);
        if (!packed)
            continue;
        SatelliteCandidate c;
        c.id = QUuid::createUuid();
        c.name = shortName(record.name);
        c.fullName = record.name;
        c.norad = noradID(record.line1);
        c.tle1 = packed->tle1;
        c.tle2 = packed->tle2;
        if (c.norad) {
            const auto found = frequencies.constFind(*c.norad);
            if (found != frequencies.cend()) {
                c.rxFreq1 = found->rx;
                c.txFreq1 = found->tx;
                if (found->ctcss)
                    c.txTone = Tone::ctcss(*found->ctcss);
            }
        }
        candidates.append(std::move(c));
    }

    QCollator collator; // the user's locale
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](const SatelliteCandidate& a, const SatelliteCandidate& b) {
                         if (a.isFM() != b.isFM())
                             return a.isFM();
                         return collator.compare(a.name, b.name) < 0;
                     });
    return candidates;
}

namespace {

// The whole name, and when it holds "(" with a ")" after it also the text
// between them and the text before the "("; upper-cased, trimmed, none empty.
QStringList recordKeys(const QString& recordName) {
    const QString whole = recordName.toUpper().trimmed();
    QStringList keys{whole};
    const qsizetype open = whole.indexOf(u'(');
    if (open >= 0) {
        const qsizetype close = whole.indexOf(u')', open + 1);
        if (close >= 0) {
            keys.append(whole.mid(open + 1, close - open - 1).trimmed());
            keys.append(whole.left(open).trimmed());
        }
    }
    keys.removeAll(QString());
    return keys;
}

} // namespace

namespace {

bool matchesName(const QString& key, const TLERecord& record) {
    const QStringList keys = recordKeys(record.name);
    return std::any_of(keys.begin(), keys.end(),
                       [&](const QString& k) { return k.startsWith(key); });
}

// The two elements that tell satellites sharing a name prefix apart: objects
// launched together differ in inclination and mean motion by far more than
// one object's elements drift between two keps refreshes.
struct OrbitShape {
    double inclinationDeg = 0.0;
    double revsPerDay = 0.0;
};

// Character positions in the unpacked element-line-2 text the radio stores
// (the packed fields joined): inclination first, mean motion after the
// right ascension, eccentricity, argument of perigee and mean anomaly.
constexpr int kInclinationFirst = 0;
constexpr int kInclinationLength = 8;
constexpr int kMeanMotionFirst = 39;
constexpr int kMeanMotionLength = 11;

// Nothing for elements that are blank or zero (a satellite whose elements were
// never set) or do not read as numbers.
std::optional<OrbitShape> orbitShapeOf(const QByteArray& packedTle2) {
    const QString text = unpackText(packedTle2);
    bool inclinationOk = false;
    bool motionOk = false;
    const double inclination =
        text.mid(kInclinationFirst, kInclinationLength).trimmed().toDouble(&inclinationOk);
    const double motion =
        text.mid(kMeanMotionFirst, kMeanMotionLength).trimmed().toDouble(&motionOk);
    if (!inclinationOk || !motionOk || !(motion > 0.0) || !std::isfinite(inclination) ||
        !std::isfinite(motion))
        return std::nullopt;
    return OrbitShape{inclination, motion};
}

// One degree of inclination weighs as much as a tenth of a revolution a day.
double shapeDistance(const OrbitShape& a, const OrbitShape& b) {
    return std::fabs(a.inclinationDeg - b.inclinationDeg) +
           std::fabs(a.revsPerDay - b.revsPerDay) * 10.0;
}

// The element set to refresh `satellite` with. Several sets may share the
// stored (cut) name: then the one whose orbit is nearest the stored elements
// wins, so a satellite is not moved onto a sibling's orbit. A single match, or
// a satellite without stored elements, takes the first match.
std::optional<TLERecord> refreshRecordFor(const Satellite& satellite,
                                          const QList<TLERecord>& records) {
    const QString key = satellite.name.toUpper().trimmed();
    if (key.isEmpty())
        return std::nullopt;
    QList<const TLERecord*> matches;
    for (const TLERecord& record : records)
        if (matchesName(key, record))
            matches.append(&record);
    if (matches.isEmpty())
        return std::nullopt;
    const auto stored = orbitShapeOf(satellite.tle2);
    if (matches.size() == 1 || !stored)
        return *matches.front();
    const TLERecord* best = nullptr;
    double bestDistance = 0.0;
    for (const TLERecord* record : matches) {
        const auto packed = packTLE(record->line1, record->line2);
        const auto shape = packed ? orbitShapeOf(packed->tle2) : std::nullopt;
        if (!shape)
            continue;
        const double distance = shapeDistance(*stored, *shape);
        if (!best || distance < bestDistance) {
            best = record;
            bestDistance = distance;
        }
    }
    return best ? *best : *matches.front();
}

} // namespace

std::optional<TLERecord> findTLE(const QString& satelliteName, const QList<TLERecord>& records) {
    const QString key = satelliteName.toUpper().trimmed();
    if (key.isEmpty())
        return std::nullopt;
    for (const TLERecord& record : records)
        if (matchesName(key, record))
            return record;
    return std::nullopt;
}

KepsRefresh refreshKepsOf(const QList<Satellite>& satellites, const QList<TLERecord>& records) {
    KepsRefresh result;
    result.satellites = satellites;
    for (Satellite& satellite : result.satellites) {
        const auto record = refreshRecordFor(satellite, records);
        const auto packed = record ? packTLE(record->line1, record->line2) : std::nullopt;
        if (!packed) {
            result.missingNames.append(satellite.name);
            continue;
        }
        satellite.tle1 = packed->tle1;
        satellite.tle2 = packed->tle2;
        ++result.updatedCount;
    }
    return result;
}

} // namespace nerka
