// Records taken from another codeplug into the one being edited.

#include "controller/CodeplugDocument.h"

#include <QCoreApplication>

namespace nerka {

namespace {

QString mergeKindHeading(MergeKind kind) {
    switch (kind) {
    case MergeKind::contact:
        return QCoreApplication::translate("CodeplugDocument", "Contacts");
    case MergeKind::talkgroup:
        return QCoreApplication::translate("CodeplugDocument", "Talkgroups");
    case MergeKind::channel:
        return QCoreApplication::translate("CodeplugDocument", "Channels");
    case MergeKind::zone:
        break;
    }
    return QCoreApplication::translate("CodeplugDocument", "Zones");
}

// "Channels from club.nerka: 2 added, 1 added as a copy, 1 replaced, 3
// already there."; empty when no record of the kind was taken.
QString mergeKindLine(MergeKind kind, const MergeKindOutcome& outcome, const QString& otherName) {
    QStringList parts;
    if (outcome.added > 0)
        parts.append(
            QCoreApplication::translate("CodeplugDocument", "%1 added").arg(outcome.added));
    if (outcome.copied > 0)
        parts.append(QCoreApplication::translate("CodeplugDocument", "%1 added as a copy")
                         .arg(outcome.copied));
    if (outcome.replaced > 0)
        parts.append(
            QCoreApplication::translate("CodeplugDocument", "%1 replaced").arg(outcome.replaced));
    if (outcome.used > 0)
        parts.append(
            QCoreApplication::translate("CodeplugDocument", "%1 already there").arg(outcome.used));
    if (parts.isEmpty())
        return {};
    return QCoreApplication::translate("CodeplugDocument", "%1 from %2: %3.")
        .arg(mergeKindHeading(kind), otherName, parts.join(QStringLiteral(", ")));
}

} // namespace

EditResult CodeplugDocument::mergeFromQuietly(const CodeplugImage& other, const QString& otherName,
                                              const MergeSelection& chosen,
                                              const std::array<ClashAnswer, 4>& answers) {
    if (auto refused = guard())
        return refused->reported();
    const CodeplugMerge merged = mergeCodeplug(*m_image, other, chosen, answers);
    if (!merged.refusal.isEmpty())
        return EditResult::refused(RefusalKind::full, merged.refusal);
    QStringList lines;
    for (MergeKind kind : kMergeKinds) {
        const QString line = mergeKindLine(kind, merged.of(kind), otherName);
        if (!line.isEmpty())
            lines.append(line);
    }
    if (lines.isEmpty())
        return EditResult::refused(
            RefusalKind::invalid,
            QCoreApplication::translate("CodeplugDocument", "No record chosen to merge."));
    EditResult result =
        storeEdit(QCoreApplication::translate("CodeplugDocument", "Merge from %1").arg(otherName),
                  merged.image, merged.regions);
    if (!result.isDone()) {
        // Every record taken is there already: nothing changes, but the log
        // says what was found.
        result.setSummary(lines.join(QLatin1Char(' ')));
        return result;
    }
    result.setSummary(lines.takeLast());
    for (const QString& line : lines)
        result.addNote(line);
    return result;
}

} // namespace nerka
