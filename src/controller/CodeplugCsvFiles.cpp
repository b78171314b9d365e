// The codeplug as four CSV files: contacts, talkgroup lists, channels and
// zones, linked by name. The export writes them into one folder; the import
// reads them in that order, so every file finds the records it names, and
// makes them one undo step.

#include "controller/CodeplugDocument.h"

#include "codeplug/ChannelChecks.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelCsvImport.h"
#include "codeplug/ChannelIntake.h"
#include "codeplug/ContactCsv.h"
#include "codeplug/MemberListCsv.h"
#include "codeplug/NameField.h"
#include "codeplug/RecordFieldTables.h"
#include "controller/CsvFileText.h"
#include "controller/FileStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace nerka {

namespace {

// Rows of one file matched to the records of its kind by name.
struct NamePlan {
    QList<std::pair<int, qsizetype>> matched;     // (record key, row)
    QList<qsizetype> added;                       // rows that name no record
    QList<int> unmatched;                         // records no row names, highest key first
    QList<std::pair<qsizetype, QString>> skipped; // (row, reason)
};

// Append adds every row. Update and replace change the record a row names
// in place; a name that several records (or several rows) share cannot say
// which record is meant, so its row is left out and its records are kept.
NamePlan planByName(const QHash<int, QString>& records, const QStringList& rowNames,
                    CsvImportMode mode, const char* many) {
    NamePlan plan;
    if (mode == CsvImportMode::append) {
        for (qsizetype row = 0; row < rowNames.size(); ++row)
            plan.added.append(row);
        return plan;
    }
    QHash<QString, QList<int>> keysByName;
    for (auto it = records.cbegin(); it != records.cend(); ++it)
        keysByName[it.value()].append(it.key());
    QSet<QString> named;
    QSet<int> kept;
    for (qsizetype row = 0; row < rowNames.size(); ++row) {
        const QString& name = rowNames[row];
        const QList<int> keys = keysByName.value(name);
        for (int key : keys)
            kept.insert(key);
        if (named.contains(name))
            plan.skipped.append({row, QCoreApplication::translate("nerka::CodeplugDocument",
                                                                  "name '%1' given twice")
                                          .arg(name)});
        else if (keys.size() > 1)
            plan.skipped.append(
                {row,
                 QCoreApplication::translate("nerka::CodeplugDocument", "name '%1' matches %2 %3")
                     .arg(name, QString::number(keys.size()),
                          QCoreApplication::translate("nerka::CodeplugDocument", many))});
        else if (keys.size() == 1)
            plan.matched.append({keys.first(), row});
        else
            plan.added.append(row);
        named.insert(name);
    }
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        if (!kept.contains(it.key()))
            plan.unmatched.append(it.key());
    }
    std::sort(plan.unmatched.begin(), plan.unmatched.end(), std::greater<>());
    return plan;
}

// What one file did: "2 updated, 1 added; 1 row skipped: line 4 no name".
struct FileCounts {
    qsizetype updated = 0;
    qsizetype added = 0;
    qsizetype deleted = 0;
};

QString fileLineText(const FileCounts& counts, const QStringList& notes) {
    QStringList parts;
    if (counts.updated > 0)
        parts.append(QCoreApplication::translate("nerka::CodeplugDocument", "%1 updated")
                         .arg(counts.updated));
    if (counts.added > 0)
        parts.append(
            QCoreApplication::translate("nerka::CodeplugDocument", "%1 added").arg(counts.added));
    if (counts.deleted > 0)
        parts.append(QCoreApplication::translate("nerka::CodeplugDocument", "%1 deleted")
                         .arg(counts.deleted));
    QString line = parts.isEmpty()
                       ? QCoreApplication::translate("nerka::CodeplugDocument", "nothing changed")
                       : parts.join(u", ");
    for (const QString& note : notes) {
        if (!note.isEmpty())
            line += QStringLiteral("; ") + note;
    }
    return line;
}

// "Zone memory is full (max 68): 3 to import, 1 free."
EditResult memoryFull(const char* what, int capacity, qsizetype wanted, qsizetype free) {
    return EditResult::refused(
        RefusalKind::full,
        QCoreApplication::translate("nerka::CodeplugDocument",
                                    "%1 memory is full (max %2): %3 to import, %4 free.")
            .arg(QCoreApplication::translate("nerka::CodeplugDocument", what))
            .arg(capacity)
            .arg(wanted)
            .arg(free));
}

// The free indices of a table of `capacity` records, lowest first.
QList<int> freeIndices(const QSet<int>& used, int capacity) {
    QList<int> free;
    for (int index = 0; index < capacity; ++index) {
        if (!used.contains(index))
            free.append(index);
    }
    return free;
}

// A talkgroup list or zone row read against the records its members name.
struct ListRow {
    int line = 0;
    QString name;
    QList<int> members; // keys of the named records
};

struct ListRows {
    QList<ListRow> rows;
    QList<SkippedCsvRow> skipped;    // rows left out
    QList<SkippedCsvRow> unresolved; // members left out of rows that stay
};

// The member names resolved to keys (`memberNames`: key → name); a list
// longer than `limit` cannot be stored and is left out whole.
ListRows resolveListRows(const MemberListCsvRead& read, const RecordNameIndex& memberNames,
                         int limit, const char* noun, const char* nouns, int nameWidth) {
    ListRows out;
    out.skipped = read.skipped;
    for (const MemberListRow& row : read.rows) {
        ListRow list{row.line, storedName(row.name, nameWidth), {}};
        for (const QString& member : row.members) {
            const auto key = memberNames.find(member);
            if (!key)
                out.unresolved.append(
                    {row.line,
                     QStringLiteral("%1 '%2'").arg(
                         QCoreApplication::translate("nerka::CodeplugDocument", noun), member)});
            else if (!list.members.contains(*key))
                list.members.append(*key);
        }
        if (list.members.size() > limit)
            out.skipped.append(
                {row.line,
                 QCoreApplication::translate("nerka::CodeplugDocument", "%1 %2, at most %3")
                     .arg(QString::number(list.members.size()),
                          QCoreApplication::translate("nerka::CodeplugDocument", nouns),
                          QString::number(limit))});
        else
            out.rows.append(list);
    }
    return out;
}

QString unresolvedText(const QList<SkippedCsvRow>& unresolved) {
    if (unresolved.isEmpty())
        return {};
    QStringList named;
    for (const SkippedCsvRow& row : unresolved.mid(0, 10))
        named.append(QCoreApplication::translate("nerka::CodeplugDocument", "line %1 %2")
                         .arg(row.line)
                         .arg(row.reason));
    QString text =
        QCoreApplication::translate("nerka::CodeplugDocument", "%1 not found, left out: %2")
            .arg(unresolved.size() == 1
                     ? QCoreApplication::translate("nerka::CodeplugDocument", "1 member")
                     : QCoreApplication::translate("nerka::CodeplugDocument", "%1 members")
                           .arg(unresolved.size()),
                 named.join(QStringLiteral(", ")));
    if (unresolved.size() > 10)
        text = QCoreApplication::translate("nerka::CodeplugDocument", "%1 and %2 more")
                   .arg(text, QString::number(unresolved.size() - 10));
    return text;
}

QList<SkippedCsvRow> skippedOfPlan(const NamePlan& plan, const QList<int>& lines) {
    QList<SkippedCsvRow> skipped;
    for (const auto& [row, reason] : plan.skipped)
        skipped.append({lines.value(row), reason});
    return skipped;
}

} // namespace

QString csvImportModeKey(CsvImportMode mode) {
    // The key is also the word of the import's log line (translated there).
    switch (mode) {
    case CsvImportMode::append:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "append"));
    case CsvImportMode::update:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "update"));
    case CsvImportMode::replace:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "replace"));
    }
    return {};
}

std::optional<CsvImportMode> csvImportModeFromKey(const QString& key) {
    for (CsvImportMode mode :
         {CsvImportMode::append, CsvImportMode::update, CsvImportMode::replace}) {
        if (csvImportModeKey(mode) == key)
            return mode;
    }
    return std::nullopt;
}

CodeplugCsvPaths CodeplugCsvPaths::inFolder(const QString& folder) {
    const QDir dir(folder);
    const auto existing = [&](qsizetype i) {
        const QString path = dir.filePath(kCodeplugCsvFileNames[i]);
        return QFileInfo::exists(path) ? path : QString();
    };
    return {existing(0), existing(1), existing(2), existing(3)};
}

// ---- export ----

EditResult CodeplugDocument::exportTalkgroupsCsv(const QString& path) {
    if (auto refused = guard())
        return announce(*refused);
    if (auto failure = FileStore::write(path, talkgroupsCsv(m_talkgroups, m_contacts).toUtf8()))
        return announce(EditResult::refused(RefusalKind::invalid, *failure));
    return announce(
        EditResult::done({}, QCoreApplication::translate("nerka::CodeplugDocument",
                                                         "%1 talkgroup lists exported to %2.")
                                 .arg(m_talkgroups.size())
                                 .arg(QFileInfo(path).fileName())));
}

EditResult CodeplugDocument::exportZonesCsv(const QString& path) {
    if (auto refused = guard())
        return announce(*refused);
    if (auto failure = FileStore::write(path, zonesCsv(m_zones, m_channels).toUtf8()))
        return announce(EditResult::refused(RefusalKind::invalid, *failure));
    return announce(EditResult::done(
        {}, QCoreApplication::translate("nerka::CodeplugDocument", "%1 zones exported to %2.")
                .arg(m_zones.size())
                .arg(QFileInfo(path).fileName())));
}

EditResult CodeplugDocument::exportCodeplugCsv(const QString& folder) {
    if (auto refused = guard())
        return announce(*refused);
    const QDir dir(folder);
    const QList<QByteArray> texts{contactsCsv(m_contacts).toUtf8(),
                                  talkgroupsCsv(m_talkgroups, m_contacts).toUtf8(),
                                  channelRowsText(m_channels, u',', channelRowNames()).toUtf8(),
                                  zonesCsv(m_zones, m_channels).toUtf8()};
    for (qsizetype i = 0; i < texts.size(); ++i) {
        // Each file is replaced whole or not at all; a failure names the file
        // and leaves the ones not yet written as they were.
        if (auto failure = FileStore::write(dir.filePath(kCodeplugCsvFileNames[i]), texts[i]))
            return announce(EditResult::refused(RefusalKind::invalid, *failure));
    }
    return announce(
        EditResult::done({}, QCoreApplication::translate("nerka::CodeplugDocument",
                                                         "Codeplug exported as 4 CSV files to %1.")
                                 .arg(QDir::toNativeSeparators(dir.absolutePath()))));
}

// ---- import ----

EditResult CodeplugDocument::importCodeplugCsv(const CodeplugCsvPaths& paths, CsvImportMode mode) {
    return announce(importCodeplugCsvQuietly(paths, mode));
}

EditResult CodeplugDocument::importCodeplugCsvQuietly(const CodeplugCsvPaths& paths,
                                                      CsvImportMode mode) {
    if (auto refused = guard())
        return *refused;
    if (paths.isEmpty())
        return EditResult::refused(
            RefusalKind::invalid,
            QCoreApplication::translate("nerka::CodeplugDocument",
                                        "No CSV files to import: the folder holds none of %1.")
                .arg(kCodeplugCsvFileNames.join(QStringLiteral(", "))));
    // Every file is read before anything changes.
    const QStringList given{paths.contacts, paths.talkgroups, paths.channels, paths.zones};
    QStringList texts;
    for (const QString& path : given) {
        if (path.isEmpty()) {
            texts.append(QString());
            continue;
        }
        CsvFileText file = readCsvText(path);
        if (!file.failure.isEmpty())
            return EditResult::refused(RefusalKind::invalid, file.failure);
        texts.append(std::move(file.text));
    }

    QStringList lines;
    return asOneStep(
        QCoreApplication::translate("nerka::CodeplugDocument", "Import codeplug from CSV files"),
        [&]() -> std::optional<EditResult> {
            for (qsizetype i = 0; i < given.size(); ++i) {
                if (given[i].isEmpty())
                    continue;
                QString line;
                std::optional<EditResult> refusal;
                if (i == 0)
                    refusal = importContactRows(texts[i], mode, line);
                else if (i == 1)
                    refusal = importTalkgroupRows(texts[i], mode, line);
                else if (i == 2)
                    refusal = importChannelRows(texts[i], mode, !paths.zones.isEmpty(), line);
                else
                    refusal = importZoneRows(texts[i], mode, line);
                if (refusal)
                    return refusal;
                lines.append(QFileInfo(given[i]).fileName() + QStringLiteral(": ") + line + u'.');
            }
            return std::nullopt;
        },
        [&](bool changed) {
            EditResult result =
                changed
                    ? EditResult::done(
                          wholeCodeplug(),
                          QCoreApplication::translate("nerka::CodeplugDocument",
                                                      "Codeplug imported from %1 (%2).")
                              .arg(lines.size() == 1
                                       ? QCoreApplication::translate("nerka::CodeplugDocument",
                                                                     "1 CSV file")
                                       : QCoreApplication::translate("nerka::CodeplugDocument",
                                                                     "%1 CSV files")
                                             .arg(lines.size()),
                                   QCoreApplication::translate(
                                       "nerka::CodeplugDocument",
                                       csvImportModeKey(mode).toUtf8().constData())))
                    : EditResult::done(
                          {}, QCoreApplication::translate(
                                  "nerka::CodeplugDocument",
                                  "The CSV files hold what the codeplug holds: nothing changed."));
            for (const QString& line : lines)
                result.addNote(line);
            return result;
        });
}

std::optional<EditResult> CodeplugDocument::importContactRows(const QString& text,
                                                              CsvImportMode mode, QString& line) {
    const ContactCsvRead csv = parseContactsCsv(text);
    QHash<int, QString> names;
    for (const DMRContact& contact : m_contacts)
        names.insert(contact.slot, contact.name);
    QStringList rowNames;
    for (const ContactEdit& edit : csv.contacts)
        rowNames.append(storedName(edit.name, ContactRecord::kNameWidth));
    const NamePlan plan =
        planByName(names, rowNames, mode, QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contacts"));
    const QList<DMRContact> before = m_contacts;
    FileCounts counts;
    if (!plan.matched.isEmpty()) {
        const EditResult updated = edit(
            QString(),
            [&](CodeplugImage& image) {
                RegionSet regions;
                for (const auto& [slot, row] : plan.matched)
                    regions.merge(applyContactEdit(csv.contacts[row], slot, image));
                return regions;
            },
            EditRefusal{RefusalKind::notFound,
                        QCoreApplication::translate("nerka::CodeplugDocument",
                                                    "The contacts could not be changed.")},
            QString());
        if (updated.isRefused())
            return updated;
        for (const auto& match : plan.matched) {
            const int slot = match.first;
            const auto now = std::find_if(m_contacts.cbegin(), m_contacts.cend(),
                                          [&](const DMRContact& c) { return c.slot == slot; });
            counts.updated += now != m_contacts.cend() && !before.contains(*now) ? 1 : 0;
        }
    }
    if (mode == CsvImportMode::replace) {
        for (int slot : plan.unmatched) {
            if (const EditResult removed = deleteContactQuietly(slot); removed.isRefused())
                return removed;
            ++counts.deleted;
        }
    }
    QList<ContactEdit> adds;
    for (qsizetype row : plan.added)
        adds.append(csv.contacts[row]);
    if (!adds.isEmpty()) {
        if (const EditResult added = importContactsQuietly(adds); added.isRefused())
            return added;
        counts.added = adds.size();
    }
    line = fileLineText(counts, {skippedRowsText(csv.skipped + skippedOfPlan(plan, csv.lines))});
    return std::nullopt;
}

std::optional<EditResult> CodeplugDocument::importTalkgroupRows(const QString& text,
                                                                CsvImportMode mode, QString& line) {
    QHash<int, QString> names;
    for (const DMRContact& contact : m_contacts)
        names.insert(contact.slot, contact.name);
    const RecordNameIndex contactNames(names);
    const MemberListCsvRead read =
        parseMemberListCsv(text, talkgroupFieldTable().value(1).csvHeader, contactNames);
    if (read.headerMissing)
        return EditResult::refused(
            RefusalKind::invalid,
            QCoreApplication::translate("nerka::CodeplugDocument",
                                        "The talkgroup CSV has no Name column."));
    const ListRows rows = resolveListRows(read, contactNames, talkgroupMemberLimit(),
                                          QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contact"),
                                          QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contacts"),
                                          GroupListRecord::kNameWidth);
    names.clear();
    QSet<int> used;
    for (const Talkgroup& talkgroup : m_talkgroups) {
        names.insert(talkgroup.index, talkgroup.name);
        used.insert(talkgroup.index);
    }
    QStringList rowNames;
    QList<int> lines;
    for (const ListRow& row : rows.rows) {
        rowNames.append(row.name);
        lines.append(row.line);
    }
    const NamePlan plan = planByName(names, rowNames, mode, "talkgroup lists");
    const QList<int> free = freeIndices(used, kTalkgroupCapacity);
    if (plan.added.size() >
        free.size() + (mode == CsvImportMode::replace ? plan.unmatched.size() : 0))
        return memoryFull(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "Talkgroup"),
                          kTalkgroupCapacity, plan.added.size(), free.size());
    const QList<Talkgroup> before = m_talkgroups;
    FileCounts counts;
    const auto store = [&](const QList<std::pair<int, qsizetype>>& targets) {
        return edit(
            QString(),
            [&](CodeplugImage& image) {
                RegionSet regions;
                for (const auto& [index, row] : targets)
                    regions.merge(applyTalkgroupEdit(
                        TalkgroupEdit{rows.rows[row].name, rows.rows[row].members}, index, image));
                return regions;
            },
            EditRefusal{RefusalKind::notFound,
                        QCoreApplication::translate("nerka::CodeplugDocument",
                                                    "The talkgroup lists could not be changed.")},
            QString());
    };
    if (!plan.matched.isEmpty()) {
        if (const EditResult updated = store(plan.matched); updated.isRefused())
            return updated;
        for (const auto& match : plan.matched) {
            const int index = match.first;
            const auto now = std::find_if(m_talkgroups.cbegin(), m_talkgroups.cend(),
                                          [&](const Talkgroup& t) { return t.index == index; });
            counts.updated += now != m_talkgroups.cend() && !before.contains(*now) ? 1 : 0;
        }
    }
    if (mode == CsvImportMode::replace) {
        for (int index : plan.unmatched) {
            if (const EditResult removed = deleteTalkgroupQuietly(index); removed.isRefused())
                return removed;
            ++counts.deleted;
        }
    }
    if (!plan.added.isEmpty()) {
        QSet<int> nowUsed;
        for (const Talkgroup& talkgroup : m_talkgroups)
            nowUsed.insert(talkgroup.index);
        const QList<int> slots = freeIndices(nowUsed, kTalkgroupCapacity);
        QList<std::pair<int, qsizetype>> targets;
        for (qsizetype i = 0; i < plan.added.size(); ++i)
            targets.append({slots[i], plan.added[i]});
        if (const EditResult added = store(targets); added.isRefused())
            return added;
        counts.added = targets.size();
    }
    line = fileLineText(counts, {skippedRowsText(rows.skipped + skippedOfPlan(plan, lines)),
                                 unresolvedText(rows.unresolved)});
    return std::nullopt;
}

std::optional<EditResult> CodeplugDocument::importChannelRows(const QString& text,
                                                              CsvImportMode mode, bool zonesFollow,
                                                              QString& line) {
    ChannelCsvRead csv = readChannelCsv(text, channelRowNames());
    if (zonesFollow) {
        // The zones file says who belongs to which zone; the channels'
        // Zones column would name zones that may not exist yet.
        const QString zoneNoun =
            fieldDisplayText(channelField(ChannelField::zones).noun) + QStringLiteral(" '");
        csv.unresolved.removeIf(
            [&](const SkippedCsvRow& row) { return row.reason.startsWith(zoneNoun); });
        for (QList<int>& zones : csv.zones)
            zones.clear();
    }
    const ChannelIntake intake = screenChannelCsvRows(csv, BandLimits::of(m_settings));
    QHash<int, QString> names;
    for (const RadioChannel& channel : m_channels)
        names.insert(channel.number, channel.name);
    QStringList rowNames;
    for (const ChannelEdit& edit : intake.edits)
        rowNames.append(storedChannelName(edit.name));
    const NamePlan plan =
        planByName(names, rowNames, mode, QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channels"));
    FileCounts counts;
    if (!plan.matched.isEmpty()) {
        const QList<RadioChannel> before = m_channels;
        QList<std::pair<int, ChannelEdit>> edits;
        for (const auto& [number, row] : plan.matched)
            edits.append({number, intake.edits[row]});
        if (const EditResult updated = updateChannelsQuietly(edits); updated.isRefused())
            return updated;
        for (const auto& [number, row] : plan.matched)
            counts.updated += channel(number) && !before.contains(*channel(number)) ? 1 : 0;
    }
    // Deleting renumbers the channels behind: it comes after the updates.
    if (mode == CsvImportMode::replace && !plan.unmatched.isEmpty()) {
        if (const EditResult removed = deleteChannelsQuietly(plan.unmatched); removed.isRefused())
            return removed;
        counts.deleted = plan.unmatched.size();
    }
    if (!plan.added.isEmpty()) {
        QList<ChannelEdit> adds;
        QList<QList<int>> zones;
        for (qsizetype row : plan.added) {
            adds.append(intake.edits[row]);
            zones.append(intake.zones.value(row));
        }
        const EditResult added =
            zonesFollow ? importChannelsQuietly(adds) : importChannelsIntoZonesQuietly(adds, zones);
        if (added.isRefused())
            return added;
        counts.added = adds.size();
    }
    QStringList ambiguous;
    for (const auto& [row, reason] : plan.skipped)
        ambiguous.append(reason);
    line = fileLineText(
        counts,
        {intake.note, ambiguous.isEmpty()
                          ? QString()
                          : QCoreApplication::translate("nerka::CodeplugDocument", "left out: %1")
                                .arg(ambiguous.join(QStringLiteral(", ")))});
    return std::nullopt;
}

std::optional<EditResult> CodeplugDocument::importZoneRows(const QString& text, CsvImportMode mode,
                                                           QString& line) {
    QHash<int, QString> names; // channels by position, as zones hold them
    for (const RadioChannel& channel : m_channels)
        names.insert(channel.number - 1, channel.name);
    const RecordNameIndex channelNames(names);
    const MemberListCsvRead read =
        parseMemberListCsv(text, zoneFieldTable().value(1).csvHeader, channelNames);
    if (read.headerMissing)
        return EditResult::refused(RefusalKind::invalid,
                                   QCoreApplication::translate("nerka::CodeplugDocument",
                                                               "The zone CSV has no Name column."));
    const ListRows rows = resolveListRows(read, channelNames, zoneMemberLimit(),
                                          QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"),
                                          QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channels"),
                                          ZoneRecord::kNameWidth);
    names.clear();
    QSet<int> used;
    for (const Zone& zone : m_zones) {
        names.insert(zone.index, zone.name);
        used.insert(zone.index);
    }
    QStringList rowNames;
    QList<int> lines;
    for (const ListRow& row : rows.rows) {
        rowNames.append(row.name);
        lines.append(row.line);
    }
    const NamePlan plan =
        planByName(names, rowNames, mode, QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "zones"));
    const QList<int> free = freeIndices(used, kZoneCapacity);
    if (plan.added.size() >
        free.size() + (mode == CsvImportMode::replace ? plan.unmatched.size() : 0))
        return memoryFull(QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "Zone"), kZoneCapacity,
                          plan.added.size(), free.size());
    const QList<Zone> before = m_zones;
    FileCounts counts;
    const auto store = [&](const QList<std::pair<int, qsizetype>>& targets) {
        return edit(
            QString(),
            [&](CodeplugImage& image) {
                RegionSet regions;
                for (const auto& [index, row] : targets)
                    regions.merge(applyZoneEdit(
                        ZoneEdit{rows.rows[row].name, rows.rows[row].members}, index, image));
                return regions;
            },
            EditRefusal{RefusalKind::notFound,
                        QCoreApplication::translate("nerka::CodeplugDocument",
                                                    "The zones could not be changed.")},
            QString());
    };
    if (!plan.matched.isEmpty()) {
        if (const EditResult updated = store(plan.matched); updated.isRefused())
            return updated;
        for (const auto& match : plan.matched) {
            const int index = match.first;
            const auto now = std::find_if(m_zones.cbegin(), m_zones.cend(),
                                          [&](const Zone& z) { return z.index == index; });
            counts.updated += now != m_zones.cend() && !before.contains(*now) ? 1 : 0;
        }
    }
    if (mode == CsvImportMode::replace) {
        for (int index : plan.unmatched) {
            if (const EditResult removed = deleteZoneQuietly(index); removed.isRefused())
                return removed;
            ++counts.deleted;
        }
    }
    if (!plan.added.isEmpty()) {
        QSet<int> nowUsed;
        for (const Zone& zone : m_zones)
            nowUsed.insert(zone.index);
        const QList<int> slots = freeIndices(nowUsed, kZoneCapacity);
        QList<std::pair<int, qsizetype>> targets;
        for (qsizetype i = 0; i < plan.added.size(); ++i)
            targets.append({slots[i], plan.added[i]});
        if (const EditResult added = store(targets); added.isRefused())
            return added;
        counts.added = targets.size();
    }
    line = fileLineText(counts, {skippedRowsText(rows.skipped + skippedOfPlan(plan, lines)),
                                 unresolvedText(rows.unresolved)});
    return std::nullopt;
}

} // namespace nerka
