#pragma once

#include "codeplug/ContactCodec.h"
#include "codeplug/RadioChannel.h"
#include "codeplug/RepeaterListCsv.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ZoneCodec.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace nerka {

// Talkgroup lists and zones as CSV: the header row "Name,Contacts" (or
// "Name,Channels", the headers of the field tables), then one row per list:
// its name and its members by name, ", " between them, in the list's order.
// A member whose name another record of its kind shares is written
// "Name #N" with the number the window shows (contact 3, channel 12), and
// read back the same way, so lists with copies of one channel survive.

// The names that tell records apart, by the records' 0-based positions (a
// contact's slot, a channel's number - 1): each record's name, or "Name #N"
// (N = position + 1, the number the window shows) for a name several records
// share.
[[nodiscard]] QHash<int, QString> distinctNames(const QHash<int, QString>& names);

// The records of one kind by name, for reading names from a file. find()
// gives the position of the record a name means: "Name #N" is the record
// numbered N when it bears that name; any other text is read as a reference
// (exactly, else ignoring case; the lowest position among records sharing a
// name; "#N" alone for the record numbered N). Each lookup is a hash lookup,
// so a file of thousands of members against thousands of records stays fast.
class RecordNameIndex {
public:
    explicit RecordNameIndex(const QHash<int, QString>& names);
    [[nodiscard]] std::optional<int> find(const QString& text) const;
    [[nodiscard]] bool contains(const QString& name) const { return m_exact.contains(name); }
    [[nodiscard]] qsizetype longestName() const { return m_longestName; }

private:
    QHash<int, QString> m_names;
    QHash<QString, int> m_exact;    // name → lowest position
    QHash<QString, int> m_caseless; // case-folded name → lowest position
    qsizetype m_longestName = 0;
};

[[nodiscard]] QString talkgroupsCsv(const QList<Talkgroup>& talkgroups,
                                    const QList<DMRContact>& contacts);
[[nodiscard]] QString zonesCsv(const QList<Zone>& zones, const QList<RadioChannel>& channels);

struct MemberListRow {
    int line = 0; // 1-based line of the row
    QString name;
    QStringList members; // the members' names as the row gives them
};

struct MemberListCsvRead {
    QList<MemberListRow> rows; // in file order
    QList<SkippedCsvRow> skipped;
    // Set when the header lacks the Name column: nothing can be read.
    bool headerMissing = false;
};

// The rows after the header, whose columns are found by their headers in any
// order (`membersHeader` is "Contacts" or "Channels"); fields separated by
// "," or ";". The members' field is split at commas, and pieces are joined
// back where together they form a name `members` knows (a name holding a
// comma). A row without a name is skipped with its line.
[[nodiscard]] MemberListCsvRead parseMemberListCsv(const QString& text,
                                                   const QString& membersHeader,
                                                   const RecordNameIndex& members);

} // namespace nerka
