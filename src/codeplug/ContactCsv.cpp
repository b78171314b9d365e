#include "codeplug/ContactCsv.h"

#include "codeplug/CsvText.h"
#include "codeplug/RecordFieldTables.h"

#include <QCoreApplication>
#include <array>

namespace nerka {

namespace {

constexpr std::uint32_t kMaxDmrId = 16'777'215;
// The header: the CSV headers of the contact field table, in its order.
const QStringList kColumns = [] {
    QStringList columns;
    for (const ContactFieldInfo& row : contactFieldTable())
        columns.append(row.csvHeader);
    return columns;
}();

// A call type as any view writes it: "Group", "Private", "All" (the file's
// own words) or with " Call" after them, as the contact editor and the
// contact table show them ("All Call", "All call").
std::optional<ContactType> contactTypeFromCsvText(const QString& text) {
    QString word = text.simplified();
    if (word.endsWith(QLatin1String(" call"), Qt::CaseInsensitive))
        word.chop(5);
    for (const ContactType type : kAllContactTypes) {
        if (rawText(type).compare(word, Qt::CaseInsensitive) == 0)
            return type;
    }
    return std::nullopt;
}

// A time slot override as any view writes it: the editor's "No override",
// "Force TS1", "Force TS2", the time slot alone as the channel views show it
// ("TS1", "TS2", or "1", "2"), or "None".
std::optional<TimeSlotOverride> timeSlotOverrideFromCsvText(const QString& text) {
    QString word = text.simplified();
    if (word.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0)
        return TimeSlotOverride::none;
    for (const TimeSlotOverride slot : kAllTimeSlotOverrides) {
        if (rawText(slot).compare(word, Qt::CaseInsensitive) == 0)
            return slot;
    }
    if (word.startsWith(QLatin1String("Force "), Qt::CaseInsensitive))
        return std::nullopt;
    if (word.startsWith(QLatin1String("TS"), Qt::CaseInsensitive))
        word = word.mid(2).trimmed();
    if (word == QLatin1String("1"))
        return TimeSlotOverride::ts1;
    if (word == QLatin1String("2"))
        return TimeSlotOverride::ts2;
    return std::nullopt;
}

} // namespace

QString contactsCsv(const QList<DMRContact>& contacts) {
    QString text = kColumns.join(u',') + u'\n';
    for (const DMRContact& c : contacts) {
        text += csvField(c.name, u',') + u',' + QString::number(c.dmrID) + u',' + rawText(c.type) +
                u',' + rawText(c.timeSlotOverride) + u'\n';
    }
    return text;
}

ContactCsvRead parseContactsCsv(const QString& text) {
    ContactCsvRead read;
    const QList<CsvTextRow> rows = splitCsvText(text);
    if (rows.isEmpty())
        return read;
    std::array<qsizetype, 4> at{-1, -1, -1, -1};
    for (qsizetype i = 0; i < rows.first().fields.size(); ++i) {
        qsizetype column = -1;
        for (qsizetype c = 0; c < kColumns.size(); ++c) {
            if (kColumns[c].compare(rows.first().fields[i].trimmed(), Qt::CaseInsensitive) == 0)
                column = c;
        }
        if (column >= 0)
            at[std::size_t(column)] = i;
    }
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& fields = rows[r].fields;
        const auto field = [&](std::size_t column) {
            return at[column] >= 0 ? fields.value(at[column]).trimmed() : QString();
        };
        const auto skip = [&](const QString& reason) {
            read.skipped.append({rows[r].line, reason});
        };
        if (rows[r].unclosedQuote) {
            skip(unclosedQuoteText());
            continue;
        }
        ContactEdit edit;
        edit.name = at[0] >= 0 ? fields.value(at[0]) : QString();
        if (edit.name.trimmed().isEmpty()) {
            skip(QCoreApplication::translate("CsvImport", "no name"));
            continue;
        }
        bool ok = false;
        const qulonglong id = field(1).toULongLong(&ok);
        if (!ok || id == 0 || id > kMaxDmrId) {
            skip(QCoreApplication::translate("CsvImport", "DMR ID '%1' is not 1–16777215")
                     .arg(field(1)));
            continue;
        }
        edit.dmrID = std::uint32_t(id);
        if (!field(2).isEmpty()) {
            const auto type = contactTypeFromCsvText(field(2));
            if (!type) {
                skip(QCoreApplication::translate("CsvImport", "type '%1' unknown").arg(field(2)));
                continue;
            }
            edit.type = *type;
        }
        if (!field(3).isEmpty()) {
            const auto slot = timeSlotOverrideFromCsvText(field(3));
            if (!slot) {
                skip(QCoreApplication::translate("CsvImport", "time slot '%1' unknown")
                         .arg(field(3)));
                continue;
            }
            edit.timeSlotOverride = *slot;
        }
        read.contacts.append(edit);
        read.lines.append(rows[r].line);
    }
    return read;
}

} // namespace nerka
