#include "codeplug/ChannelReferences.h"

#include "codeplug/ChannelRecord.h"

#include <QCoreApplication>
#include <QStringList>

namespace nerka {

namespace {

constexpr qsizetype kUnresolvedNamed = 10;

// The key of the record called `name` in `byKey`, by name only: "#N" names
// a position, which in another codeplug holds an unrelated record.
std::optional<int> recordCalled(const QHash<int, QString>& byKey, const QString& name) {
    const auto key = referenceNamed(byKey, name);
    if (!key || !byKey.contains(*key) || byKey.value(*key).compare(name, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return key;
}

// The stored reference (0 none, else key + 1) for `name`; `stored` stays
// while the record it names is still called `name`.
int referenceFor(int stored, const QString& name, const QHash<int, QString>& byKey,
                 const QString& what, int line, QList<SkippedCsvRow>& unresolved) {
    if (name.isEmpty())
        return 0;
    if (stored > 0 && byKey.contains(stored - 1) && byKey.value(stored - 1) == name)
        return stored;
    if (const auto key = recordCalled(byKey, name))
        return *key + 1;
    unresolved.append({line, QStringLiteral("%1 '%2'").arg(what, name)});
    return 0;
}

} // namespace

ResolvedChannelRecords resolveChannelRecordReferences(const QList<QByteArray>& records,
                                                      const QList<ChannelRowReferences>& references,
                                                      const ChannelRowNames& here) {
    ResolvedChannelRecords resolved;
    resolved.records = records;
    resolved.zones.resize(records.size());
    if (references.size() != records.size())
        return resolved;
    for (qsizetype i = 0; i < records.size(); ++i) {
        QByteArray& record = resolved.records[i];
        if (record.size() != ChannelRecord::kSize)
            continue;
        const ChannelRowReferences& names = references[i];
        const int line = int(i) + 2;
        const int storedContact = quint8(record[ChannelRecord::kContactOffset]) |
                                  (quint8(record[ChannelRecord::kContactOffset + 1]) << 8);
        const int contact = referenceFor(storedContact, names.contact, here.contacts,
                                         QCoreApplication::translate("CsvImport", "contact"), line,
                                         resolved.unresolved);
        record[ChannelRecord::kContactOffset] = char(contact & 0xFF);
        record[ChannelRecord::kContactOffset + 1] = char(contact >> 8);
        const int storedList = quint8(record[ChannelRecord::kGroupListOffset]);
        record[ChannelRecord::kGroupListOffset] = char(referenceFor(
            storedList, names.groupList, here.groupLists,
            QCoreApplication::translate("CsvImport", "group list"), line, resolved.unresolved));
        if (names.zones.isEmpty())
            continue;
        // One zone of that whole name, else the names between commas.
        QStringList wanted{names.zones};
        if (!recordCalled(here.zoneList, names.zones))
            wanted = names.zones.split(u',', Qt::SkipEmptyParts);
        for (const QString& part : wanted) {
            const QString zone = part.trimmed();
            if (const auto index = recordCalled(here.zoneList, zone)) {
                if (!resolved.zones[i].contains(*index))
                    resolved.zones[i].append(*index);
            } else {
                resolved.unresolved.append(
                    {line, QCoreApplication::translate("CsvImport", "zone '%1'").arg(zone)});
            }
        }
    }
    return resolved;
}

QString unresolvedNamesNote(const QList<SkippedCsvRow>& unresolved) {
    if (unresolved.isEmpty())
        return {};
    QStringList named;
    for (qsizetype i = 0; i < unresolved.size() && i < kUnresolvedNamed; ++i)
        named.append(QCoreApplication::translate("CsvImport", "line %1 %2")
                         .arg(unresolved[i].line)
                         .arg(unresolved[i].reason));
    if (unresolved.size() > kUnresolvedNamed)
        named.append(QCoreApplication::translate("CsvImport", "%1 more")
                         .arg(unresolved.size() - kUnresolvedNamed));
    return QCoreApplication::translate("CsvImport", "%1 %2 not in this codeplug, left empty: %3")
        .arg(unresolved.size())
        .arg(unresolved.size() == 1 ? QCoreApplication::translate("CsvImport", "name")
                                    : QCoreApplication::translate("CsvImport", "names"),
             named.join(QStringLiteral(", ")));
}

} // namespace nerka
