#pragma once

#include "satellites/Satellite.h"
#include "satellites/SatelliteCandidates.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QUuid>

namespace nerka {

// The rules of the satellite picker, apart from its widgets: which
// candidates show, which are already in the codeplug, and the footer.
class SatellitePickerRules {
public:
    // Shown when `onlyFM` is off or the candidate has both frequencies, and
    // its name or full name contains `search` ignoring case (an empty search
    // matches everything).
    [[nodiscard]] static bool matches(const SatelliteCandidate& candidate, bool onlyFM,
                                      const QString& search);
    // Indexes of the candidates that show, in list order.
    [[nodiscard]] static QList<int> visible(const QList<SatelliteCandidate>& candidates,
                                            bool onlyFM, const QString& search);

    // A satellite of the codeplug has the candidate's name, ignoring case.
    [[nodiscard]] static bool inCodeplug(const SatelliteCandidate& candidate,
                                         const QList<Satellite>& existing);

    // "RX 145.80000 · TX 437.80000", or "no FM transponder".
    [[nodiscard]] static QString frequencyText(const SatelliteCandidate& candidate);

    // selected + " selected — " + freeSlots + " free slot(s)".
    [[nodiscard]] static QString footerText(int selected, int freeSlots);
    [[nodiscard]] static bool tooMany(int selected, int freeSlots) { return selected > freeSlots; }
    [[nodiscard]] static QString tooManyText();

    // The ticked candidates in list order.
    [[nodiscard]] static QList<SatelliteCandidate>
    chosen(const QList<SatelliteCandidate>& candidates, const QSet<QUuid>& selection);
};

} // namespace nerka
