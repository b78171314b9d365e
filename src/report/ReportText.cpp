#include "report/ReportText.h"

#include <algorithm>

namespace nerka {

namespace {

QString underlined(const QString& title, QChar mark) {
    return title + QLatin1Char('\n') + QString(title.size(), mark) + QLatin1Char('\n');
}

QString alignedLine(const QStringList& cells, const QList<qsizetype>& widths) {
    QString line;
    for (qsizetype c = 0; c < widths.size(); ++c) {
        if (c > 0)
            line += QStringLiteral("  ");
        line += cells.value(c).leftJustified(widths[c]);
    }
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line + QLatin1Char('\n');
}

QString tableText(const ReportTable& table) {
    QList<qsizetype> widths;
    for (const QString& header : table.headers)
        widths.append(header.size());
    for (const QStringList& row : table.rows) {
        for (qsizetype c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], row.value(c).size());
    }
    QString text = underlined(table.title, QLatin1Char('-'));
    text += alignedLine(table.headers, widths);
    if (table.rows.isEmpty())
        text += QStringLiteral("(none)\n");
    for (const QStringList& row : table.rows)
        text += alignedLine(row, widths);
    return text;
}

} // namespace

QString ReportText::render(const CodeplugReport& report) {
    QString text = underlined(report.title, QLatin1Char('='));
    for (const auto& [label, value] : report.facts)
        text += label + QStringLiteral(": ") + value + QLatin1Char('\n');
    for (const ReportTable& table : report.tables)
        text += QLatin1Char('\n') + tableText(table);
    return text;
}

} // namespace nerka
