#include "report/ReportHtml.h"

namespace nerka {

namespace {

QString esc(const QString& text) {
    return text.toHtmlEscaped();
}

QString pageStart(const QString& title, const QString& style) {
    return QStringLiteral("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\">\n"
                          "<head>\n<meta charset=\"utf-8\"/>\n<title>") +
           esc(title) + QStringLiteral("</title>\n<style>\n") + style +
           QStringLiteral("</style>\n</head>\n<body>\n");
}

const QString kPageEnd = QStringLiteral("</body>\n</html>\n");

// The attributes keep the grid where the style sheet is not applied (mail
// readers, plain viewers).
const QString kTableStart =
    QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"");

QString headRow(const QStringList& headers) {
    QString html = QStringLiteral("<tr>");
    for (const QString& header : headers)
        html += QStringLiteral("<th>") + esc(header) + QStringLiteral("</th>");
    return html + QStringLiteral("</tr>");
}

QString bodyRow(const QStringList& cells, qsizetype columns) {
    QString html = QStringLiteral("<tr>");
    for (qsizetype c = 0; c < columns; ++c)
        html += QStringLiteral("<td>") + esc(cells.value(c)) + QStringLiteral("</td>");
    return html + QStringLiteral("</tr>\n");
}

QString sectionHtml(const ReportTable& table) {
    QString html = QStringLiteral("<h2>") + esc(table.title) + QStringLiteral("</h2>\n");
    html += kTableStart + QStringLiteral(">\n<thead>") + headRow(table.headers) +
            QStringLiteral("</thead>\n<tbody>\n");
    if (table.rows.isEmpty())
        html += QStringLiteral("<tr><td colspan=\"%1\">(none)</td></tr>\n")
                    .arg(std::max<qsizetype>(1, table.headers.size()));
    for (const QStringList& row : table.rows)
        html += bodyRow(row, table.headers.size());
    return html + QStringLiteral("</tbody>\n</table>\n");
}

const QString kReportStyle =
    QStringLiteral("body { font-family: sans-serif; font-size: 8pt; }\n"
                   "h1 { font-size: 14pt; }\n"
                   "h2 { font-size: 11pt; page-break-after: avoid; break-after: avoid; }\n"
                   "table { border-collapse: collapse; width: 100%; }\n"
                   "thead { display: table-header-group; }\n"
                   "tr { page-break-inside: avoid; break-inside: avoid; }\n"
                   "th, td { border: 1px solid #888; padding: 2px 4px; text-align: left; "
                   "vertical-align: top; }\n"
                   "th { background: #eee; }\n");

} // namespace

QString ReportHtml::render(const CodeplugReport& report) {
    QString html = pageStart(report.title, kReportStyle);
    html += QStringLiteral("<h1>") + esc(report.title) + QStringLiteral("</h1>\n");
    html += kTableStart + QStringLiteral(">\n<tbody>\n");
    for (const auto& [label, value] : report.facts)
        html += QStringLiteral("<tr><th>") + esc(label) + QStringLiteral("</th><td>") + esc(value) +
                QStringLiteral("</td></tr>\n");
    html += QStringLiteral("</tbody>\n</table>\n");
    for (const ReportTable& table : report.tables)
        html += sectionHtml(table);
    return html + kPageEnd;
}

} // namespace nerka
