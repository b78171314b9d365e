#include "codeplug/CsvText.h"

#include <QCoreApplication>
#include <algorithm>

namespace nerka {

namespace {

QString trimmed(const QString& text, bool keepTabs) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    const auto blank = [keepTabs](QChar c) { return c == u' ' || (!keepTabs && c == u'\t'); };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

QString csvField(const QString& field, QChar separator) {
    // A reader splits a row with a bare tab at tabs, any other at "," and ";".
    const bool splitsHere =
        separator == u'\t' ? field.contains(u'\t')
                           : field.contains(u'\t') || field.contains(u',') || field.contains(u';');
    const bool needsQuotes =
        splitsHere || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r');
    if (!needsQuotes)
        return field;
    QString escaped = field;
    escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

QString unclosedQuoteText() {
    return QCoreApplication::translate(
        "CsvImport", "quote not closed (the rest of the file was taken into this row)");
}

QList<CsvTextRow> splitCsvText(const QString& text) {
    QList<CsvTextRow> rows;
    qsizetype i = 0;
    int line = 1;
    const qsizetype n = text.size();
    while (i < n) {
        // Find the row's end first, to learn whether it holds a tab.
        bool inQuotes = false;
        bool hasTab = false;
        qsizetype end = i;
        int lines = 0;
        for (; end < n; ++end) {
            const QChar c = text[end];
            if (c == u'"')
                inQuotes = !inQuotes;
            else if (!inQuotes && (c == u'\n' || c == u'\r'))
                break;
            else if (c == u'\n')
                ++lines;
            else if (!inQuotes && c == u'\t')
                hasTab = true;
        }
        const auto isSeparator = [hasTab](QChar c) {
            return hasTab ? c == u'\t' : (c == u',' || c == u';');
        };
        CsvTextRow row{line, {}, inQuotes};
        QString field;
        bool quotedField = false;
        qsizetype k = i;
        while (k <= end) {
            if (k == end || isSeparator(text[k])) {
                row.fields.append(quotedField ? field : trimmed(field, hasTab));
                field.clear();
                quotedField = false;
                ++k;
                continue;
            }
            if (text[k] == u'"' && trimmed(field, hasTab).isEmpty() && !quotedField) {
                // A quoted field: up to the closing quote, "" being a quote.
                field.clear();
                quotedField = true;
                ++k;
                while (k < end) {
                    if (text[k] == u'"') {
                        if (k + 1 < end && text[k + 1] == u'"') {
                            field.append(u'"');
                            k += 2;
                            continue;
                        }
                        ++k;
                        break;
                    }
                    field.append(text[k++]);
                }
                // Anything between the closing quote and the separator is dropped.
                while (k < end && !isSeparator(text[k]))
                    ++k;
                continue;
            }
            field.append(text[k++]);
        }
        const bool blank = std::all_of(row.fields.cbegin(), row.fields.cend(),
                                       [](const QString& f) { return f.isEmpty(); });
        if (!blank)
            rows.append(row);
        line += 1 + lines;
        i = end;
        if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        if (i < n)
            ++i;
    }
    return rows;
}

} // namespace nerka
