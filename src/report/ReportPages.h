#pragma once

#include "report/CodeplugReport.h"

#include <QByteArray>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace nerka {

// The report laid out on pages, and printed: to a PDF in memory or to any
// paged device (a printer, the print preview). Rows are never cut: a row
// that does not fit below the last one starts the next page, under the
// section's title (marked "continued") and its head row again. The layout
// measures with the device's own fonts and resolution, so the pages it
// counts are the pages printed.
class ReportPages {
public:
    enum class Paper {
        report, // A4 landscape: the title block and every section
        card,   // A6: a page per zone with channel number, name and RX in large type
    };

    // A4 landscape for the report, A6 portrait for the pocket card.
    [[nodiscard]] static QPageLayout pageLayout(Paper paper);

    // Lays the report out on the pages of `device` (its page layout as set).
    ReportPages(const CodeplugReport& report, Paper paper, QPagedPaintDevice& device);

    [[nodiscard]] int pageCount() const { return m_pageCount; }
    // Prints every page on `device`, the one the layout was made for; false
    // when the device cannot be painted on (nothing was printed then).
    bool print(QPagedPaintDevice& device) const;

    // One placed table row (head rows included): its page and its box on
    // that page, in device pixels from the printable area's corner.
    struct PlacedRow {
        int page = 0;
        QRectF box;
    };
    [[nodiscard]] const QList<PlacedRow>& rows() const { return m_rows; }
    // The printable area of a page, in the same pixels.
    [[nodiscard]] QRectF pageRect() const { return m_pageRect; }

    struct Pdf {
        QByteArray bytes;
        int pageCount = 0;
    };
    // The report as a PDF on `paper`'s pages.
    [[nodiscard]] static Pdf pdf(const CodeplugReport& report, Paper paper);

private:
    enum class Style { title, heading, head, cell, fact };
    struct Item {
        int page = 0;
        QRectF box;
        QString text;
        Style style = Style::cell;
        bool inCell = false; // a table cell: its text is inset by the padding
        bool wraps = false;  // more than one line: laid out in its box when printed
    };

    void layOut(const CodeplugReport& report, Paper paper, QPagedPaintDevice& device);
    [[nodiscard]] QFont font(Style style) const;

    struct Rule {
        int page = 0;
        QLineF line;
    };

    QList<Item> m_items; // in page order
    QList<Rule> m_rules; // in page order
    QList<PlacedRow> m_rows;
    QRectF m_pageRect;
    int m_pageCount = 1;
    qreal m_basePointSize = 8;
    qreal m_padPx = 0;
};

} // namespace nerka
