#include "ui/rules/DMRDatabaseFigures.h"

#include "dmrdb/DMRFlashFormat.h"

#include <algorithm>

namespace nerka {

qsizetype DMRDatabaseFigures::capacity(std::optional<RadioVariant> family, DMRDBFormat format,
                                       int textLength) {
    return nerka::capacity(family.value_or(RadioVariant::uv380), format, textLength);
}

QString DMRDatabaseFigures::capacityText(qsizetype capacity) {
    return QStringLiteral("~") + QString::number(capacity);
}

std::optional<QString> DMRDatabaseFigures::overCapacityWarning(qsizetype imported,
                                                               qsizetype capacity,
                                                               DMRDBFormat format,
                                                               bool hasSelection) {
    if (imported <= capacity)
        return std::nullopt;
    const QString count = QString::number(imported);
    const QString fit = QString::number(capacity);
    if (hasSelection) {
        return QStringLiteral("Imported ") + count + QStringLiteral(" entries exceed the ~") + fit +
               QStringLiteral(" that fit; the preferred prefixes decide which are written.");
    }
    if (format == DMRDBFormat::compressed) {
        return QStringLiteral("Imported ") + count + QStringLiteral(" entries exceed the ~") + fit +
               QStringLiteral(" that fit; only the first ") + fit +
               QStringLiteral(" (lowest DMR IDs) will be written.");
    }
    return QStringLiteral("Imported ") + count + QStringLiteral(" entries exceed the ~") + fit +
           QStringLiteral(" that fit uncompressed; switch Format to Compressed to fit the full "
                          "worldwide database.");
}

int DMRDatabaseFigures::previewRows(qsizetype total) {
    return int(std::clamp<qsizetype>(total, 0, kPreviewRows));
}

QString DMRDatabaseFigures::shownText(qsizetype total) {
    const int shown = previewRows(total);
    if (shown >= total)
        return {};
    return QStringLiteral("showing first ") + QString::number(shown) + QStringLiteral(" of ") +
           QString::number(total);
}

QList<int> DMRDatabaseFigures::textLengthChoices(int current) {
    current = clampDMRTextLength(current);
    QList<int> choices{8, 12, 16, 20};
    if (!choices.contains(current)) {
        choices.append(current);
        std::sort(choices.begin(), choices.end());
    }
    return choices;
}

QString DMRDatabaseFigures::downloadLabel(const QString& host) {
    return QStringLiteral("Download from ") + host;
}

QString DMRDatabaseFigures::emptyText(const QString& host) {
    return QStringLiteral("Use Import CSV\u2026, Download from ") + host +
           QStringLiteral(", or Read from device to load entries.");
}

QString DMRDatabaseFigures::writeMessage(qsizetype entries, qsizetype capacity) {
    const QString rest = QStringLiteral(
        " will be written to the DMR-ID database flash area. The device will reboot afterwards. "
        "Your codeplug is not affected.");
    if (capacity > 0 && capacity < entries)
        return QStringLiteral("Only %1 of the %2 entries fit: the %1 with the lowest DMR IDs")
                   .arg(groupedNumber(capacity), groupedNumber(entries)) +
               rest;
    return QString::number(entries) + QStringLiteral(" entries") + rest;
}

QString DMRDatabaseFigures::writeMessage(const DMRSelectionOutcome& outcome) {
    return selectionSummary(outcome) +
           QStringLiteral(" The device will reboot afterwards. Your codeplug is not affected.");
}

QString DMRDatabaseFigures::prefixListText(const DMRPrefixNames::Parsed& parsed) {
    QStringList described;
    for (const QString& prefix : parsed.prefixes)
        described.append(DMRPrefixNames::describe(prefix));
    QString text = described.isEmpty() ? QStringLiteral("No preferred prefixes")
                                       : described.join(QStringLiteral(", "));
    if (!parsed.unknown.isEmpty())
        text += QStringLiteral("; not a prefix or a known country: ") +
                parsed.unknown.join(QStringLiteral(", "));
    return text;
}

QString DMRDatabaseFigures::selectionText(const DMRSelectionOutcome& outcome) {
    if (outcome.prefixes.isEmpty())
        return QStringLiteral("No preferred prefixes: the lowest IDs fill the radio.");
    const qsizetype kept = outcome.keptSelected();
    QString text = groupedNumber(outcome.selected) + QStringLiteral(" entries in the selection, ") +
                   (kept == outcome.selected ? QStringLiteral("all fit")
                                             : groupedNumber(kept) + QStringLiteral(" fit"));
    if (outcome.filled > 0)
        return text + QStringLiteral("; ") + groupedNumber(outcome.filled) +
               QStringLiteral(" more fill the rest of the radio.");
    if (!outcome.fillRest && outcome.selected < outcome.candidates)
        return text + QStringLiteral("; nothing else is written.");
    return text + QLatin1Char('.');
}

QString DMRDatabaseFigures::cutText(const DMRSelectionOutcome& outcome) {
    QStringList cut;
    for (const DMRPrefixShare& share : outcome.prefixes) {
        if (share.complete())
            continue;
        cut.append(share.prefix + QStringLiteral(" keeps ") +
                   (share.kept == 0 ? QStringLiteral("none") : groupedNumber(share.kept)) +
                   QStringLiteral(" of ") + groupedNumber(share.matched));
    }
    return cut.isEmpty() ? QString() : QStringLiteral("Cut: ") + cut.join(QStringLiteral("; "));
}

QString DMRDatabaseFigures::matchesText(qsizetype listed, qsizetype total) {
    if (total == 0)
        return QStringLiteral("No matches");
    if (listed >= total)
        return QString::number(total) +
               (total == 1 ? QStringLiteral(" match") : QStringLiteral(" matches"));
    return QStringLiteral("showing first ") + QString::number(listed) + QStringLiteral(" of ") +
           QString::number(total) + QStringLiteral(" matches");
}

QString DMRDatabaseFigures::formatLabel(DMRDBFormat format) {
    return format == DMRDBFormat::compressed ? QStringLiteral("Compressed (worldwide)")
                                             : QStringLiteral("Uncompressed");
}

QString DMRDatabaseFigures::nameFormatLabel(DMRNameFormat format) {
    return format == DMRNameFormat::firstName ? QStringLiteral("First name")
                                              : QStringLiteral("Full name");
}

} // namespace nerka
