#include "codeplug/MemberListCsv.h"

#include "codeplug/CsvText.h"
#include "codeplug/RecordFieldTables.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace nerka {

namespace {

const QString kMemberSeparator = QStringLiteral(", ");

template <typename Info> QString memberHeader(const QList<Info>& table) {
    return table.value(1).csvHeader;
}

QString memberListText(const QString& membersHeader,
                       const QList<std::pair<QString, QStringList>>& lists) {
    QString text = QStringLiteral("Name,") + membersHeader + u'\n';
    for (const auto& [name, members] : lists)
        text +=
            csvField(name, u',') + u',' + csvField(members.join(kMemberSeparator), u',') + u'\n';
    return text;
}

// The members' field split at commas, with neighbouring pieces joined again
// where together they are a known name (the longest such run wins).
QStringList splitMembers(const QString& field, const RecordNameIndex& known) {
    const QStringList pieces = field.split(u',');
    QStringList members;
    for (qsizetype i = 0; i < pieces.size();) {
        // A run longer than every known name cannot be one.
        qsizetype taken = 1;
        QString run = pieces[i];
        for (qsizetype end = i + 2; end <= pieces.size(); ++end) {
            run += u',' + pieces[end - 1];
            const QString name = run.trimmed();
            if (name.size() > known.longestName())
                break;
            if (known.contains(name))
                taken = end - i;
        }
        const QString member = pieces.mid(i, taken).join(u',').trimmed();
        if (!member.isEmpty())
            members.append(member);
        i += taken;
    }
    return members;
}

} // namespace

QHash<int, QString> distinctNames(const QHash<int, QString>& names) {
    QHash<QString, int> uses;
    for (const QString& name : names)
        ++uses[name];
    QHash<int, QString> distinct;
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        distinct.insert(it.key(), uses.value(it.value()) > 1
                                      ? QStringLiteral("%1 #%2").arg(it.value()).arg(it.key() + 1)
                                      : it.value());
    return distinct;
}

RecordNameIndex::RecordNameIndex(const QHash<int, QString>& names) : m_names(names) {
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        m_longestName = std::max(m_longestName, it.value().size());
        for (auto [index, key] :
             {std::pair{&m_exact, it.value()}, std::pair{&m_caseless, it.value().toCaseFolded()}}) {
            const auto found = index->constFind(key);
            if (found == index->cend() || it.key() < *found)
                index->insert(key, it.key());
        }
    }
}

std::optional<int> RecordNameIndex::find(const QString& text) const {
    static const QRegularExpression numbered(QStringLiteral("^(.*) #(\\d+)$"));
    if (const QRegularExpressionMatch match = numbered.match(text); match.hasMatch()) {
        const int key = match.captured(2).toInt() - 1;
        if (m_names.contains(key) && m_names.value(key) == match.captured(1))
            return key;
    }
    if (const auto exact = m_exact.constFind(text); exact != m_exact.cend())
        return *exact;
    if (const auto caseless = m_caseless.constFind(text.toCaseFolded());
        caseless != m_caseless.cend())
        return *caseless;
    if (text.startsWith(u'#')) {
        bool ok = false;
        const int key = text.mid(1).toInt(&ok) - 1;
        if (ok && m_names.contains(key))
            return key;
    }
    return std::nullopt;
}

QString talkgroupsCsv(const QList<Talkgroup>& talkgroups, const QList<DMRContact>& contacts) {
    QHash<int, QString> names;
    for (const DMRContact& contact : contacts)
        names.insert(contact.slot, contact.name);
    const QHash<int, QString> distinct = distinctNames(names);
    QList<std::pair<QString, QStringList>> lists;
    for (const Talkgroup& talkgroup : talkgroups) {
        QStringList members;
        for (int slot : talkgroup.memberSlots)
            members.append(distinct.value(slot, QStringLiteral("#%1").arg(slot + 1)));
        lists.append({talkgroup.name, members});
    }
    return memberListText(memberHeader(talkgroupFieldTable()), lists);
}

QString zonesCsv(const QList<Zone>& zones, const QList<RadioChannel>& channels) {
    QHash<int, QString> names; // by channel position, as zones hold them
    for (const RadioChannel& channel : channels)
        names.insert(channel.number - 1, channel.name);
    const QHash<int, QString> distinct = distinctNames(names);
    QList<std::pair<QString, QStringList>> lists;
    for (const Zone& zone : zones) {
        QStringList members;
        for (int index : zone.memberIndices)
            members.append(distinct.value(index, QStringLiteral("#%1").arg(index + 1)));
        lists.append({zone.name, members});
    }
    return memberListText(memberHeader(zoneFieldTable()), lists);
}

MemberListCsvRead parseMemberListCsv(const QString& text, const QString& membersHeader,
                                     const RecordNameIndex& members) {
    MemberListCsvRead read;
    const QList<CsvTextRow> rows = splitCsvText(text);
    if (rows.isEmpty())
        return read;
    qsizetype nameAt = -1;
    qsizetype membersAt = -1;
    const QStringList& header = rows.first().fields;
    for (qsizetype i = 0; i < header.size(); ++i) {
        const QString column = header[i].trimmed();
        if (column.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0 && nameAt < 0)
            nameAt = i;
        else if (column.compare(membersHeader, Qt::CaseInsensitive) == 0 && membersAt < 0)
            membersAt = i;
    }
    if (nameAt < 0) {
        read.headerMissing = true;
        return read;
    }
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& fields = rows[r].fields;
        MemberListRow row;
        row.line = rows[r].line;
        row.name = fields.value(nameAt).trimmed();
        if (rows[r].unclosedQuote) {
            read.skipped.append({row.line, unclosedQuoteText()});
            continue;
        }
        if (row.name.isEmpty()) {
            read.skipped.append({row.line, QCoreApplication::translate("CsvImport", "no name")});
            continue;
        }
        if (membersAt >= 0)
            row.members = splitMembers(fields.value(membersAt), members);
        read.rows.append(row);
    }
    return read;
}

} // namespace nerka
