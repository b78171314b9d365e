#include "ui/rules/DMRDatabaseFigures.h"

#include <QCoreApplication>

#include "dmrdb/DMRFlashFormat.h"
#include "ui/rules/ShownNumber.h"

#include <algorithm>

namespace nerka {

qsizetype DMRDatabaseFigures::capacity(std::optional<RadioVariant> family, DMRDBFormat format,
                                       int textLength) {
    return nerka::capacity(family.value_or(RadioVariant::uv380), format, textLength);
}

QString DMRDatabaseFigures::capacityText(qsizetype capacity) {
    return QStringLiteral("~") + shownNumber(capacity);
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
        return QCoreApplication::translate(
                   "nerka::DMRDatabaseFigures",
                   "Imported %1 entries exceed the ~%2 that fit; the preferred prefixes "
                   "decide which are written.")
            .arg(count, fit);
    }
    if (format == DMRDBFormat::compressed) {
        return QCoreApplication::translate(
                   "nerka::DMRDatabaseFigures",
                   "Imported %1 entries exceed the ~%2 that fit; only the first %2 "
                   "(lowest DMR IDs) will be written.")
            .arg(count, fit);
    }
    return QCoreApplication::translate(
               "nerka::DMRDatabaseFigures",
               "Imported %1 entries exceed the ~%2 that fit uncompressed; switch Format "
               "to Compressed to fit the full worldwide database.")
        .arg(count, fit);
}

int DMRDatabaseFigures::previewRows(qsizetype total) {
    return int(std::clamp<qsizetype>(total, 0, kPreviewRows));
}

QString DMRDatabaseFigures::shownText(qsizetype total) {
    const int shown = previewRows(total);
    if (shown >= total)
        return {};
    return QCoreApplication::translate("nerka::DMRDatabaseFigures", "showing first %1 of %2")
        .arg(QString::number(shown), QString::number(total));
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
    return QCoreApplication::translate("nerka::DMRDatabaseFigures", "Download from %1").arg(host);
}

QString DMRDatabaseFigures::emptyText(const QString& host) {
    return QCoreApplication::translate(
               "nerka::DMRDatabaseFigures",
               "Use Import CSV\u2026, Download from %1, or Read from device to load entries.")
        .arg(host);
}

QString DMRDatabaseFigures::writeMessage(qsizetype entries, qsizetype capacity) {
    if (capacity > 0 && capacity < entries)
        return QCoreApplication::translate(
                   "nerka::DMRDatabaseFigures",
                   "Only %1 of the %2 entries fit: the %1 with the lowest DMR IDs will be "
                   "written to the DMR-ID database flash area. The device will reboot "
                   "afterwards. Your codeplug is not affected.")
            .arg(shownGroupedNumber(capacity), shownGroupedNumber(entries));
    return QCoreApplication::translate(
               "nerka::DMRDatabaseFigures",
               "%1 entries will be written to the DMR-ID database flash area. The device "
               "will reboot afterwards. Your codeplug is not affected.")
        .arg(QString::number(entries));
}

QString DMRDatabaseFigures::writeMessage(const DMRSelectionOutcome& outcome) {
    return selectionSummary(outcome) + QLatin1Char(' ') +
           QCoreApplication::translate(
               "nerka::DMRDatabaseFigures",
               "The device will reboot afterwards. Your codeplug is not affected.");
}

QString DMRDatabaseFigures::prefixListText(const DMRPrefixNames::Parsed& parsed) {
    QStringList described;
    for (const QString& prefix : parsed.prefixes)
        described.append(DMRPrefixNames::describe(prefix));
    QString text = described.isEmpty() ? QCoreApplication::translate("nerka::DMRDatabaseFigures",
                                                                     "No preferred prefixes")
                                       : described.join(QStringLiteral(", "));
    if (!parsed.unknown.isEmpty())
        text += QCoreApplication::translate("nerka::DMRDatabaseFigures",
                                            "; not a prefix or a known country: %1")
                    .arg(parsed.unknown.join(QStringLiteral(", ")));
    return text;
}

QString DMRDatabaseFigures::selectionText(const DMRSelectionOutcome& outcome) {
    if (outcome.prefixes.isEmpty())
        return QCoreApplication::translate("nerka::DMRDatabaseFigures",
                                           "No preferred prefixes: the lowest IDs fill the radio.");
    const qsizetype kept = outcome.keptSelected();
    const QString selected = shownGroupedNumber(outcome.selected);
    const QString fit = kept == outcome.selected
                            ? QCoreApplication::translate("nerka::DMRDatabaseFigures",
                                                          "%1 entries in the selection, all fit")
                                  .arg(selected)
                            : QCoreApplication::translate("nerka::DMRDatabaseFigures",
                                                          "%1 entries in the selection, %2 fit")
                                  .arg(selected, shownGroupedNumber(kept));
    if (outcome.filled > 0)
        return QCoreApplication::translate("nerka::DMRDatabaseFigures",
                                           "%1; %2 more fill the rest of the radio.")
            .arg(fit, shownGroupedNumber(outcome.filled));
    if (!outcome.fillRest && outcome.selected < outcome.candidates)
        return QCoreApplication::translate("nerka::DMRDatabaseFigures",
                                           "%1; nothing else is written.")
            .arg(fit);
    return fit + QLatin1Char('.');
}

QString DMRDatabaseFigures::cutText(const DMRSelectionOutcome& outcome) {
    QStringList cut;
    for (const DMRPrefixShare& share : outcome.prefixes) {
        if (share.complete())
            continue;
        cut.append(
            share.kept == 0
                ? QCoreApplication::translate("nerka::DMRDatabaseFigures", "%1 keeps none of %2")
                      .arg(share.prefix, shownGroupedNumber(share.matched))
                : QCoreApplication::translate("nerka::DMRDatabaseFigures", "%1 keeps %2 of %3")
                      .arg(share.prefix, shownGroupedNumber(share.kept),
                           shownGroupedNumber(share.matched)));
    }
    return cut.isEmpty() ? QString()
                         : QCoreApplication::translate("nerka::DMRDatabaseFigures", "Cut: %1")
                               .arg(cut.join(QStringLiteral("; ")));
}

QString DMRDatabaseFigures::matchesText(qsizetype listed, qsizetype total) {
    if (total == 0)
        return QCoreApplication::translate("nerka::DMRDatabaseFigures", "No matches");
    if (listed >= total)
        return total == 1 ? QCoreApplication::translate("nerka::DMRDatabaseFigures", "1 match")
                          : QCoreApplication::translate("nerka::DMRDatabaseFigures", "%1 matches")
                                .arg(QString::number(total));
    return QCoreApplication::translate("nerka::DMRDatabaseFigures",
                                       "showing first %1 of %2 matches")
        .arg(QString::number(listed), QString::number(total));
}

QString DMRDatabaseFigures::formatLabel(DMRDBFormat format) {
    return format == DMRDBFormat::compressed
               ? QCoreApplication::translate("nerka::DMRDatabaseFigures", "Compressed (worldwide)")
               : QCoreApplication::translate("nerka::DMRDatabaseFigures", "Uncompressed");
}

QString DMRDatabaseFigures::nameFormatLabel(DMRNameFormat format) {
    return format == DMRNameFormat::firstName
               ? QCoreApplication::translate("nerka::DMRDatabaseFigures", "First name")
               : QCoreApplication::translate("nerka::DMRDatabaseFigures", "Full name");
}

} // namespace nerka
