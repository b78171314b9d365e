#include "ui/rules/SatellitePickerRules.h"

#include <QCoreApplication>

#include "ui/rules/FrequencyText.h"

namespace nerka {

bool SatellitePickerRules::matches(const SatelliteCandidate& candidate, bool onlyFM,
                                   const QString& search) {
    if (onlyFM && !candidate.isFM())
        return false;
    if (search.isEmpty())
        return true;
    return candidate.name.contains(search, Qt::CaseInsensitive) ||
           candidate.fullName.contains(search, Qt::CaseInsensitive);
}

QList<int> SatellitePickerRules::visible(const QList<SatelliteCandidate>& candidates, bool onlyFM,
                                         const QString& search) {
    QList<int> rows;
    for (int i = 0; i < candidates.size(); ++i) {
        if (matches(candidates[i], onlyFM, search))
            rows.append(i);
    }
    return rows;
}

bool SatellitePickerRules::inCodeplug(const SatelliteCandidate& candidate,
                                      const QList<Satellite>& existing) {
    for (const Satellite& satellite : existing) {
        if (satellite.name.compare(candidate.name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString SatellitePickerRules::frequencyText(const SatelliteCandidate& candidate) {
    if (!candidate.isFM())
        return QCoreApplication::translate("nerka::SatellitePickerRules", "no FM transponder");
    return QCoreApplication::translate("nerka::SatellitePickerRules", "RX %1 · TX %2")
        .arg(FrequencyText::formatMHz(candidate.rxFreq1),
             FrequencyText::formatMHz(candidate.txFreq1));
}

QString SatellitePickerRules::footerText(int selected, int freeSlots) {
    return QCoreApplication::translate("nerka::SatellitePickerRules",
                                       "%1 selected \u2014 %2 free slot(s)")
        .arg(selected)
        .arg(freeSlots);
}

QString SatellitePickerRules::tooManyText() {
    return QCoreApplication::translate("nerka::SatellitePickerRules",
                                       "Too many for the free slots");
}

QList<SatelliteCandidate> SatellitePickerRules::chosen(const QList<SatelliteCandidate>& candidates,
                                                       const QSet<QUuid>& selection) {
    QList<SatelliteCandidate> result;
    for (const SatelliteCandidate& candidate : candidates) {
        if (selection.contains(candidate.id))
            result.append(candidate);
    }
    return result;
}

} // namespace nerka
