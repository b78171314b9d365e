#include "report/ReportPages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <numeric>
#include <optional>

namespace nerka {

namespace {

constexpr qreal kReportPointSize = 8;
constexpr qreal kCardPointSize = 14;
constexpr qreal kCellPaddingPoints = 2;
const QList<int> kCardColumns{CodeplugReport::numberColumn, CodeplugReport::nameColumn,
                              CodeplugReport::rxColumn};

// Widths that fill `available`: narrow columns get what they need, the
// others share the rest equally (their text wraps); room left over goes to
// every column in proportion to its need.
QList<qreal> fittedColumnWidths(const QList<qreal>& natural, qreal available) {
    QList<int> order(natural.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return natural[a] < natural[b]; });
    QList<qreal> widths(natural.size());
    qreal remaining = available;
    qsizetype left = natural.size();
    for (const int c : order) {
        widths[c] = std::min(natural[c], remaining / qreal(left));
        remaining -= widths[c];
        --left;
    }
    const qreal used = std::accumulate(widths.begin(), widths.end(), qreal(0));
    if (used > 0 && remaining > 0) {
        for (qreal& w : widths)
            w += remaining * w / used;
    }
    return widths;
}

qreal wrappedHeight(const QFontMetricsF& metrics, const QString& text, qreal width) {
    if (metrics.horizontalAdvance(text) <= width)
        return metrics.height();
    return metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

} // namespace

QPageLayout ReportPages::pageLayout(Paper paper) {
    if (paper == Paper::card)
        return QPageLayout(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(6, 6, 6, 6),
                           QPageLayout::Millimeter);
    // Landscape: a channel row has ten columns.
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

ReportPages::ReportPages(const CodeplugReport& report, Paper paper, QPagedPaintDevice& device) {
    layOut(report, paper, device);
}

QFont ReportPages::font(Style style) const {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    switch (style) {
    case Style::title:
        font.setPointSizeF(m_basePointSize * 1.75);
        font.setBold(true);
        break;
    case Style::heading:
        font.setPointSizeF(m_basePointSize * 1.3);
        font.setBold(true);
        break;
    case Style::head:
        font.setPointSizeF(m_basePointSize);
        font.setBold(true);
        break;
    case Style::cell:
    case Style::fact:
        font.setPointSizeF(m_basePointSize);
        break;
    }
    return font;
}

void ReportPages::layOut(const CodeplugReport& report, Paper paper, QPagedPaintDevice& device) {
    const bool card = paper == Paper::card;
    m_basePointSize = card ? kCardPointSize : kReportPointSize;
    m_pageRect =
        QRectF(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    m_padPx = kCellPaddingPoints * device.logicalDpiY() / 72.0;
    const qreal pageWidth = m_pageRect.width();
    const qreal pageHeight = m_pageRect.height();
    const QFontMetricsF cellMetrics(font(Style::cell), &device);
    const QFontMetricsF headMetrics(font(Style::head), &device);
    const QFontMetricsF headingMetrics(font(Style::heading), &device);
    const QFontMetricsF titleMetrics(font(Style::title), &device);

    int page = 0;
    qreal y = 0;
    const auto place = [&](const QRectF& box, const QString& text, Style style, bool inCell) {
        const QFontMetricsF& metrics = style == Style::head      ? headMetrics
                                       : style == Style::heading ? headingMetrics
                                       : style == Style::title   ? titleMetrics
                                                                 : cellMetrics;
        const qreal width = box.width() - (inCell ? 2 * m_padPx : 0);
        m_items.append({page, box, text, style, inCell, metrics.horizontalAdvance(text) > width});
    };

    if (!card) {
        const qreal titleHeight = titleMetrics.height() * 1.3;
        place(QRectF(0, y, pageWidth, titleHeight), report.title, Style::title, false);
        y += titleHeight;
        for (const auto& [label, value] : report.facts) {
            const QString line = label + QStringLiteral(": ") + value;
            const qreal height = wrappedHeight(cellMetrics, line, pageWidth);
            place(QRectF(0, y, pageWidth, height), line, Style::fact, false);
            y += height;
        }
        y += headingMetrics.height() * 0.6;
    }

    bool firstSection = true;
    for (const ReportTable& table : report.tables) {
        if (card && table.kind != ReportTable::Kind::zone)
            continue;
        QList<int> columns;
        for (qsizetype c = 0; c < table.headers.size(); ++c) {
            if (!card || kCardColumns.contains(int(c)))
                columns.append(int(c));
        }
        const QList<QStringList> rows =
            table.rows.isEmpty() ? QList<QStringList>{{QStringLiteral("(none)")}} : table.rows;
        QList<qreal> natural;
        for (const int c : columns) {
            qreal need = headMetrics.horizontalAdvance(table.headers[c]);
            for (const QStringList& row : rows)
                need = std::max(need, cellMetrics.horizontalAdvance(row.value(c)));
            // A little slack, so rounding never wraps a text measured to fit.
            natural.append(need * 1.02 + 2 * m_padPx + 2);
        }
        const QList<qreal> widths = fittedColumnWidths(natural, pageWidth);
        const qreal tableWidth = std::accumulate(widths.begin(), widths.end(), qreal(0));
        const auto rowHeight = [&](const QStringList& cells, const QFontMetricsF& metrics) {
            qreal height = metrics.height();
            for (qsizetype i = 0; i < columns.size(); ++i)
                height = std::max(height, wrappedHeight(metrics, cells.value(columns[i]),
                                                        widths[i] - 2 * m_padPx));
            return height + 2 * m_padPx;
        };
        // The grid of the part of the table on one page: a rule under each
        // row, and the column rules from its head to its last row.
        qreal gridTop = 0;
        const auto closeGrid = [&] {
            qreal x = 0;
            m_rules.append({page, QLineF(x, gridTop, x, y)});
            for (const qreal width : widths) {
                x += width;
                m_rules.append({page, QLineF(x, gridTop, x, y)});
            }
        };
        const auto placeRow = [&](const QStringList& cells, Style style, qreal height) {
            qreal x = 0;
            for (qsizetype i = 0; i < columns.size(); ++i) {
                place(QRectF(x, y, widths[i], height), cells.value(columns[i]), style, true);
                x += widths[i];
            }
            m_rows.append({page, QRectF(0, y, tableWidth, height)});
            y += height;
            m_rules.append({page, QLineF(0, y, tableWidth, y)});
        };
        const qreal headingHeight = headingMetrics.height() * 1.4;
        const qreal headHeight = rowHeight(table.headers, headMetrics);
        const auto placeHeading = [&](bool continued) {
            const QString title =
                continued ? table.title + QStringLiteral(" (continued)") : table.title;
            place(QRectF(0, y, pageWidth, headingHeight), title, Style::heading, false);
            y += headingHeight;
            gridTop = y;
            m_rules.append({page, QLineF(0, y, tableWidth, y)});
            placeRow(table.headers, Style::head, headHeight);
        };
        // A section starts where its title, head and first row fit; each
        // zone of the card starts a page.
        if ((card && !firstSection) ||
            (y > 0 &&
             y + headingHeight + headHeight + rowHeight(rows.first(), cellMetrics) > pageHeight)) {
            ++page;
            y = 0;
        }
        firstSection = false;
        placeHeading(false);
        bool rowOnPage = false;
        for (const QStringList& row : rows) {
            const qreal height = rowHeight(row, cellMetrics);
            if (rowOnPage && y + height > pageHeight) {
                closeGrid();
                ++page;
                y = 0;
                placeHeading(true);
            }
            placeRow(row, Style::cell, height);
            rowOnPage = true;
        }
        closeGrid();
        y += headingMetrics.height() * 0.6;
    }
    if (card && firstSection)
        place(QRectF(0, 0, pageWidth, headingMetrics.height() * 1.4),
              QCoreApplication::translate("CodeplugReport", "No zones."), Style::heading, false);
    m_pageCount = page + 1;
}

bool ReportPages::print(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QPen gridPen(Qt::darkGray, 0);
    const QPen textPen(Qt::black, 0);
    qsizetype nextRule = 0;
    qsizetype nextItem = 0;
    for (int page = 0; page < m_pageCount; ++page) {
        if (page > 0)
            device.newPage();
        painter.setPen(gridPen);
        for (; nextRule < m_rules.size() && m_rules[nextRule].page == page; ++nextRule)
            painter.drawLine(m_rules[nextRule].line);
        painter.setPen(textPen);
        std::optional<Style> fontStyle;
        qreal ascent = 0;
        for (; nextItem < m_items.size() && m_items[nextItem].page == page; ++nextItem) {
            const Item& item = m_items[nextItem];
            if (item.text.isEmpty())
                continue;
            if (fontStyle != item.style) {
                painter.setFont(font(item.style));
                ascent = painter.fontMetrics().ascent();
                fontStyle = item.style;
            }
            const qreal inset = item.inCell ? m_padPx : 0;
            // Most cells are one line: drawn at their baseline, which skips
            // the layout of a box.
            if (item.wraps)
                painter.drawText(item.box.adjusted(inset, inset, -inset, -inset),
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, item.text);
            else
                painter.drawText(QPointF(item.box.left() + inset, item.box.top() + inset + ascent),
                                 item.text);
        }
    }
    return painter.end();
}

ReportPages::Pdf ReportPages::pdf(const CodeplugReport& report, Paper paper) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Pdf out;
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(pageLayout(paper));
        writer.setResolution(300);
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Nerka"));
        const ReportPages pages(report, paper, writer);
        if (!pages.print(writer))
            return out;
        out.pageCount = pages.pageCount();
    }
    out.bytes = buffer.data();
    return out;
}

} // namespace nerka
