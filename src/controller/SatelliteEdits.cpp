// The document's edits of the satellite table in the custom-data area.

#include "controller/CodeplugDocument.h"

#include "satellites/SatelliteCodec.h"

#include <QCoreApplication>
#include <QUuid>

#include <algorithm>
#include <variant>

namespace nerka {

namespace {

QString satelliteNotWrittenText() {
    return QCoreApplication::translate("nerka::CodeplugDocument", "Could not write the satellite.");
}
QString satelliteBlockAddedText() {
    return QCoreApplication::translate("nerka::CodeplugDocument",
                                       "Added a satellite block to the codeplug.");
}

EditResult satelliteRefusal(const QString& text) {
    return EditResult::refused(RefusalKind::invalid, text);
}

// A codeplug copy with a satellite block; the regions written when one had to
// be added, or the text of the BlockError when none can be.
std::variant<RegionSet, QString> ensureBlock(CodeplugImage& image) {
    auto ensured = ensureSatelliteBlock(image);
    if (const auto* error = std::get_if<SatelliteCodec::BlockError>(&ensured))
        return error->description();
    return std::get<RegionSet>(ensured);
}

Satellite satelliteFrom(const SatelliteCandidate& candidate) {
    Satellite satellite;
    satellite.id = QUuid::createUuid();
    satellite.name = candidate.name;
    satellite.tle1 = candidate.tle1;
    satellite.tle2 = candidate.tle2;
    satellite.rxFreq1 = candidate.rxFreq1;
    satellite.txFreq1 = candidate.txFreq1;
    satellite.txTone = candidate.txTone;
    satellite.additionalData = QByteArray(SatelliteRecord::kAdditionalDataSize, '\0');
    return satellite;
}

} // namespace

EditResult CodeplugDocument::refreshKeps(const QList<TLERecord>& records) {
    return announce(refreshKepsQuietly(records));
}

EditResult CodeplugDocument::refreshKepsQuietly(const QList<TLERecord>& records) {
    if (!m_image || m_satellites.isEmpty())
        return EditResult::nothingToDo();
    const KepsRefresh refresh = refreshKepsOf(m_satellites, records);
    if (refresh.updatedCount == 0)
        return EditResult::nothingToDo();
    // Without a table to write, no keps were refreshed.
    CodeplugImage changed = *m_image;
    const RegionSet regions = writeSatellites(refresh.satellites, changed);
    EditResult result = storeEdit(
        QCoreApplication::translate("nerka::CodeplugDocument", "Refresh keps"), changed, regions);
    if (!result.isDone())
        return result;
    QString line = QCoreApplication::translate("nerka::CodeplugDocument",
                                               "Refreshed the keps of %n satellite(s)", nullptr,
                                               int(refresh.updatedCount));
    if (!refresh.missingNames.isEmpty())
        line = QCoreApplication::translate("nerka::CodeplugDocument", "%1 — no TLE for: %2")
                   .arg(line, refresh.missingNames.join(QStringLiteral(", ")));
    result.setSummary(line + QStringLiteral("."));
    return result;
}

EditResult CodeplugDocument::addSatellites(const QList<SatelliteCandidate>& candidates) {
    return announce(addSatellitesQuietly(candidates));
}

EditResult CodeplugDocument::addSatellitesQuietly(const QList<SatelliteCandidate>& candidates) {
    if (candidates.isEmpty())
        return EditResult::nothingToDo();
    if (!m_image)
        return EditResult::refused(
            RefusalKind::noCodeplug,
            QCoreApplication::translate("nerka::CodeplugDocument", "Load a codeplug first."));
    if (m_busy)
        return EditResult::refused(RefusalKind::busy, transferBusyText());
    CodeplugImage changed = *m_image;
    auto ensured = ensureBlock(changed);
    if (const auto* error = std::get_if<QString>(&ensured))
        return satelliteRefusal(*error);
    RegionSet regions = std::get<RegionSet>(ensured);
    const bool blockAdded = !regions.empty();
    QList<Satellite> list = m_satellites;
    int processed = 0;
    for (const SatelliteCandidate& candidate : candidates) {
        if (list.size() >= kSatelliteCapacity)
            break;
        Satellite satellite = satelliteFrom(candidate);
        auto same = std::find_if(list.begin(), list.end(), [&](const Satellite& s) {
            return s.name.compare(candidate.name, Qt::CaseInsensitive) == 0;
        });
        if (same != list.end()) {
            satellite.index = same->index;
            *same = satellite;
        } else {
            satellite.index = int(list.size());
            list.append(satellite);
        }
        ++processed;
    }
    const int skipped = int(candidates.size()) - processed;
    const RegionSet written = writeSatellites(list, changed);
    if (written.empty())
        return satelliteRefusal(satelliteNotWrittenText());
    regions.insert(written.begin(), written.end());
    EditResult result = storeEdit(
        QCoreApplication::translate("nerka::CodeplugDocument", "Add satellites"), changed, regions);
    if (!result.isDone())
        return result;
    // Said once the block is really part of the codeplug.
    if (blockAdded)
        result.addNote(satelliteBlockAddedText());
    QString line = QCoreApplication::translate("nerka::CodeplugDocument", "Added %n satellite(s)",
                                               nullptr, int(processed));
    if (skipped > 0)
        line = QCoreApplication::translate("nerka::CodeplugDocument",
                                           "%1 (%2 skipped — only %3 slots)")
                   .arg(line)
                   .arg(skipped)
                   .arg(kSatelliteCapacity);
    result.setSummary(line + QStringLiteral("."));
    return result;
}

std::optional<Satellite> CodeplugDocument::newSatellite() const {
    if (m_satellites.size() >= kSatelliteCapacity)
        return std::nullopt;
    Satellite satellite;
    satellite.id = QUuid::createUuid();
    satellite.index = int(m_satellites.size());
    satellite.tle1 = QByteArray(SatelliteRecord::kTle1Size, '\0');
    satellite.tle2 = QByteArray(SatelliteRecord::kTle2Size, '\0');
    satellite.additionalData = QByteArray(SatelliteRecord::kAdditionalDataSize, '\0');
    return satellite;
}

EditResult CodeplugDocument::updateSatellite(const Satellite& satellite,
                                             const QList<TLERecord>& keps) {
    return announce(updateSatelliteQuietly(satellite, keps));
}

EditResult CodeplugDocument::updateSatelliteQuietly(const Satellite& satellite,
                                                    const QList<TLERecord>& keps) {
    if (!m_image)
        return EditResult::silentlyRefused(RefusalKind::noCodeplug, QString());
    if (m_busy)
        return EditResult::refused(RefusalKind::busy, transferBusyText());
    CodeplugImage changed = *m_image;
    auto ensured = ensureBlock(changed);
    if (const auto* error = std::get_if<QString>(&ensured))
        return satelliteRefusal(*error);
    RegionSet regions = std::get<RegionSet>(ensured);
    const bool blockAdded = !regions.empty();
    Satellite edited = satellite;
    if (const auto record = findTLE(satellite.name, keps)) {
        if (const auto packed = packTLE(record->line1, record->line2)) {
            edited.tle1 = packed->tle1;
            edited.tle2 = packed->tle2;
        }
    }
    QList<Satellite> list = m_satellites;
    auto same = std::find_if(list.begin(), list.end(),
                             [&](const Satellite& s) { return s.index == satellite.index; });
    int slot = satellite.index;
    if (same != list.end()) {
        *same = edited;
    } else {
        // The table has 25 slots: a 26th satellite would be cut off by the
        // write while the log called it changed.
        if (list.size() >= kSatelliteCapacity)
            return EditResult::refused(
                RefusalKind::full, QCoreApplication::translate("nerka::CodeplugDocument",
                                                               "Satellite memory is full (max %1).")
                                       .arg(kSatelliteCapacity));
        // Appended satellites land in the slot after the last one, whatever
        // index the caller gave.
        slot = int(list.size());
        edited.index = slot;
        list.append(edited);
    }
    const RegionSet written = writeSatellites(list, changed);
    if (written.empty())
        return satelliteRefusal(satelliteNotWrittenText());
    regions.insert(written.begin(), written.end());
    EditResult result = storeEdit(
        QCoreApplication::translate("nerka::CodeplugDocument", "Edit satellite %1").arg(slot + 1),
        changed, regions);
    if (!result.isDone())
        return result;
    if (blockAdded)
        result.addNote(satelliteBlockAddedText());
    result.setSummary(
        QCoreApplication::translate("nerka::CodeplugDocument", "Satellite %1 changed: %2")
            .arg(QString::number(slot + 1), satellite.name));
    result.setCreatedKey(slot);
    return result;
}

EditResult CodeplugDocument::deleteSatellite(int index) {
    return announce(deleteSatelliteQuietly(index));
}

EditResult CodeplugDocument::deleteSatelliteQuietly(int index) {
    if (!m_image)
        return EditResult::silentlyRefused(RefusalKind::noCodeplug, QString());
    if (m_busy)
        return EditResult::refused(RefusalKind::busy, transferBusyText());
    QList<Satellite> list = m_satellites;
    auto removed = std::find_if(list.begin(), list.end(),
                                [&](const Satellite& s) { return s.index == index; });
    // Nothing to delete must not be logged as a deletion.
    if (removed == list.end())
        return EditResult::refused(
            RefusalKind::notFound,
            QCoreApplication::translate("nerka::CodeplugDocument",
                                        "Could not locate satellite %1 in memory.")
                .arg(index + 1));
    const QString name = removed->name;
    list.removeIf([&](const Satellite& s) { return s.index == index; });
    CodeplugImage changed = *m_image;
    const RegionSet regions = writeSatellites(list, changed);
    EditResult result =
        storeEdit(QCoreApplication::translate("nerka::CodeplugDocument", "Delete satellite %1")
                      .arg(index + 1),
                  changed, regions);
    if (result.isDone())
        result.setSummary(
            QCoreApplication::translate("nerka::CodeplugDocument", "Satellite deleted: %1")
                .arg(name));
    return result;
}

} // namespace nerka
