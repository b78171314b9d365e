#include "satellites/SatelliteCandidates.h"

#include <QCollator>

#include <algorithm>

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

std::optional<TLERecord> findTLE(const QString& satelliteName, const QList<TLERecord>& records) {
    const QString key = satelliteName.toUpper().trimmed();
    if (key.isEmpty())
        return std::nullopt;
    for (const TLERecord& record : records) {
        const QStringList keys = recordKeys(record.name);
        if (std::any_of(keys.begin(), keys.end(),
                        [&](const QString& k) { return k.startsWith(key); }))
            return record;
    }
    return std::nullopt;
}

KepsRefresh refreshKepsOf(const QList<Satellite>& satellites, const QList<TLERecord>& records) {
    KepsRefresh result;
    result.satellites = satellites;
    for (Satellite& satellite : result.satellites) {
        const auto record = findTLE(satellite.name, records);
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
