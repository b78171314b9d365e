#include "codeplug/ContactCsv.h"

#include "codeplug/CsvText.h"

#include <array>

namespace nerka {

namespace {

constexpr std::uint32_t kMaxDmrId = 16'777'215;
const QStringList kColumns{QStringLiteral("Name"), QStringLiteral("DMR-ID"), QStringLiteral("Type"),
                           QStringLiteral("Time slot")};

template <typename T, std::size_t N>
std::optional<T> fromText(const std::array<T, N>& values, const QString& text) {
    for (const T value : values) {
        if (rawText(value).compare(text, Qt::CaseInsensitive) == 0)
            return value;
    }
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
        ContactEdit edit;
        edit.name = at[0] >= 0 ? fields.value(at[0]) : QString();
        if (edit.name.trimmed().isEmpty()) {
            skip(QStringLiteral("no name"));
            continue;
        }
        bool ok = false;
        const qulonglong id = field(1).toULongLong(&ok);
        if (!ok || id == 0 || id > kMaxDmrId) {
            skip(QStringLiteral("DMR ID '%1' is not 1\u201316777215").arg(field(1)));
            continue;
        }
        edit.dmrID = std::uint32_t(id);
        if (!field(2).isEmpty()) {
            const auto type = fromText(kAllContactTypes, field(2));
            if (!type) {
                skip(QStringLiteral("type '%1' unknown").arg(field(2)));
                continue;
            }
            edit.type = *type;
        }
        if (!field(3).isEmpty()) {
            const auto slot = fromText(kAllTimeSlotOverrides, field(3));
            if (!slot) {
                skip(QStringLiteral("time slot '%1' unknown").arg(field(3)));
                continue;
            }
            edit.timeSlotOverride = *slot;
        }
        read.contacts.append(edit);
    }
    return read;
}

} // namespace nerka
