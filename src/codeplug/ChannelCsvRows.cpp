#include "codeplug/ChannelCsvRows.h"

#include "codeplug/ChannelCsvImport.h"
#include "codeplug/CsvText.h"

#include <algorithm>
#include <array>

namespace nerka {

std::variant<ChannelRowRead, QString>
readChannelRow(const QStringList& fields, const QList<std::optional<ChannelField>>& columns,
               const ChannelRowNames& names) {
    std::array<std::optional<QString>, kChannelFieldCount> value;
    for (qsizetype i = 0; i < fields.size() && i < columns.size(); ++i) {
        if (columns[i])
            value[std::size_t(*columns[i])] = fields[i];
    }
    ChannelRowRead read;
    for (const ChannelField field : allFieldsCsvOrder()) {
        const ChannelFieldInfo& row = channelField(field);
        const std::optional<QString>& text = value[std::size_t(field)];
        const bool given = text && !text->trimmed().isEmpty();
        // A field left empty keeps the default of an imported channel.
        if (!row.canRead() || (!given && !row.required))
            continue;
        const QString givenText = text.value_or(QString());
        if (const auto problem = row.read(givenText, read.edit, names)) {
            // A name this codeplug lacks leaves the reference empty.
            if (row.kind != FieldKind::reference)
                return row.reason(*problem);
            read.unresolved.append(
                QStringLiteral("%1 '%2'").arg(fieldDisplayText(row.noun), givenText.trimmed()));
        }
    }
    // Without a TX column TX is RX.
    const auto& tx = value[std::size_t(ChannelField::tx)];
    if (!tx || tx->trimmed().isEmpty())
        read.edit.txHz = read.edit.rxHz;
    if (const auto& zoneText = value[std::size_t(ChannelField::zones)]) {
        const QString whole = zoneText->trimmed();
        QStringList wanted;
        if (!whole.isEmpty())
            wanted = referenceNamed(names.zoneList, whole) ? QStringList{whole}
                                                           : whole.split(u',', Qt::SkipEmptyParts);
        for (const QString& name : wanted) {
            const auto index = referenceNamed(names.zoneList, name.trimmed());
            if (!index || !names.zoneList.contains(*index))
                read.unresolved.append(QStringLiteral("%1 '%2'").arg(
                    fieldDisplayText(channelField(ChannelField::zones).noun), name.trimmed()));
            else if (!read.zones.contains(*index))
                read.zones.append(*index);
        }
    }
    return read;
}

bool hasChannelRowsHeader(const QString& text) {
    const QList<CsvTextRow> rows = splitCsvText(text.left(4096));
    if (rows.isEmpty())
        return false;
    // Beyond the seven columns of the import's own layout.
    for (const QString& header : rows.first().fields) {
        const auto field = channelFieldByCsvHeader(header);
        if (field &&
            channelField(*field).csvColumn > channelField(ChannelField::timeSlot).csvColumn)
            return true;
    }
    return false;
}

const QStringList& channelRowColumns() {
    static const QStringList columns = [] {
        QStringList list;
        for (const ChannelField field : allFieldsCsvOrder())
            list.append(channelField(field).csvHeaders.first());
        return list;
    }();
    return columns;
}

QString channelRowsText(const QList<RadioChannel>& channels, QChar separator,
                        const ChannelRowNames& names) {
    QString text;
    const auto appendRow = [&](const QStringList& fields) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text.append(separator);
            text.append(csvField(fields[i], separator));
        }
        text.append(u'\n');
    };
    appendRow(channelRowColumns());
    for (const RadioChannel& c : channels)
        appendRow(channelRowFields(c, names));
    return text;
}

QStringList channelRowFields(const RadioChannel& channel, const ChannelRowNames& names) {
    QStringList fields;
    for (const ChannelField field : allFieldsCsvOrder())
        fields.append(channelField(field).text(channel, names));
    return fields;
}

ChannelRowsRead parseChannelRows(const QString& text, const ChannelRowNames& names) {
    ChannelRowsRead read;
    QList<CsvTextRow> rows = splitCsvText(text);
    // Comment lines are dropped before the header is looked for.
    rows.removeIf([](const CsvTextRow& row) { return row.fields.first().startsWith(u'#'); });
    if (rows.isEmpty())
        return read;

    QList<std::optional<ChannelField>> columns;
    qsizetype first = 0;
    const QStringList& top = rows.first().fields;
    if (std::any_of(top.cbegin(), top.cend(), [](const QString& field) {
            return field.trimmed().compare(QLatin1String("name"), Qt::CaseInsensitive) == 0;
        })) {
        for (const QString& header : rows.first().fields)
            columns.append(channelFieldByCsvHeader(header));
        first = 1;
    } else {
        // Without a header only the import's seven columns are known by place.
        const int last = channelField(ChannelField::timeSlot).csvColumn;
        for (qsizetype c = 0; c <= last; ++c)
            columns.append(allFieldsCsvOrder()[c]);
    }
    for (qsizetype r = first; r < rows.size(); ++r) {
        if (rows[r].unclosedQuote) {
            read.skipped.append({rows[r].line, unclosedQuoteText()});
            continue;
        }
        auto row = readChannelRow(rows[r].fields, columns, names);
        if (auto* taken = std::get_if<ChannelRowRead>(&row)) {
            read.channels.append(std::move(taken->edit));
            read.zones.append(std::move(taken->zones));
            read.lines.append(rows[r].line);
            for (const QString& name : taken->unresolved)
                read.unresolved.append({rows[r].line, name});
        } else
            read.skipped.append({rows[r].line, std::get<QString>(row)});
    }
    return read;
}

QList<ChannelRowReferences> channelRowReferences(const QString& text) {
    QList<CsvTextRow> rows = splitCsvText(text);
    rows.removeIf([](const CsvTextRow& row) { return row.fields.first().startsWith(u'#'); });
    if (rows.isEmpty())
        return {};
    qsizetype contact = -1;
    qsizetype groupList = -1;
    qsizetype zones = -1;
    const QStringList& header = rows.first().fields;
    for (qsizetype i = 0; i < header.size(); ++i) {
        const auto field = channelFieldByCsvHeader(header[i]);
        if (field == ChannelField::contact)
            contact = i;
        else if (field == ChannelField::groupList)
            groupList = i;
        else if (field == ChannelField::zones)
            zones = i;
    }
    if (contact < 0 && groupList < 0 && zones < 0)
        return {};
    QList<ChannelRowReferences> references;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& fields = rows[r].fields;
        const auto field = [&](qsizetype at) {
            return at >= 0 ? fields.value(at).trimmed() : QString();
        };
        references.append({field(contact), field(groupList), field(zones)});
    }
    return references;
}

} // namespace nerka
