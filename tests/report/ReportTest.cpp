// The codeplug report of the sample codeplug and of a full one, as text, as
// XHTML read back with an XML reader, and as PDF pages read back with the
// poppler tools.

#include "report/CodeplugReport.h"
#include "report/ReportHtml.h"
#include "report/ReportPages.h"
#include "report/ReportText.h"

#include "bench/FullCodeplug.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/MemberLists.h"
#include "sim/SampleCodeplug.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

CodeplugReport sampleReport() {
    return CodeplugReport::of(sampleCodeplug(RadioVariant::gd77), QStringLiteral("sample.nerka"),
                              QDate(2026, 3, 14));
}

// The lines of the text section titled `title`, after its underline and head.
QStringList sectionLines(const QString& text, const QString& title) {
    const qsizetype at = text.indexOf(QLatin1Char('\n') + title + QLatin1Char('\n'));
    if (at < 0)
        return {};
    const qsizetype end = text.indexOf(QStringLiteral("\n\n"), at + 1);
    return text.mid(at + 1, end < 0 ? -1 : end - at - 1)
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
        .mid(3);
}

QStringList cellsOf(const QString& line) {
    return line.split(QRegularExpression(QStringLiteral("\\s{2,}")), Qt::SkipEmptyParts);
}

// The output of a poppler tool on `pdf`.
QString popplerOutput(const QString& tool, const QStringList& args) {
    const QString program = QStandardPaths::findExecutable(tool);
    EXPECT_FALSE(program.isEmpty()) << tool.toStdString() << " (poppler-utils) is not installed";
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& path) {
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(popplerOutput(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString pdfText(const QString& path, int page = 0) {
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    return popplerOutput(QStringLiteral("pdftotext"), args << path << QStringLiteral("-"));
}

QString savedPdf(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

} // namespace

TEST(CodeplugReport, TextListsEveryZoneWithItsChannelsInOrder) {
    const CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
    const MemberLists lists = decodeMemberLists(image, decodeChannels(image));
    const QString text = ReportText::render(sampleReport());

    for (const QString& fact :
         {QStringLiteral("Radio family: GD77"), QStringLiteral("Callsign: DO1NRK"),
          QStringLiteral("DMR-ID: 2621337"), QStringLiteral("UHF Maximum (MHz): 440"),
          QStringLiteral("Source: sample.nerka"), QStringLiteral("Date: 2026-03-14")})
        EXPECT_TRUE(text.contains(QLatin1Char('\n') + fact + QLatin1Char('\n')))
            << fact.toStdString();

    ASSERT_EQ(lists.zones.size(), 5);
    qsizetype previous = 0;
    for (const Zone& zone : lists.zones) {
        const QString title = QStringLiteral("Zone %1: %2").arg(zone.index + 1).arg(zone.name);
        const qsizetype at = text.indexOf(title);
        EXPECT_GT(at, previous) << title.toStdString();
        previous = at;
        const QStringList lines = sectionLines(text, title);
        ASSERT_EQ(lines.size(), zone.memberIndices.size()) << title.toStdString();
        for (qsizetype m = 0; m < lines.size(); ++m) {
            const QStringList cells = cellsOf(lines[m]);
            ASSERT_GE(cells.size(), 2);
            EXPECT_EQ(cells[0], QString::number(zone.memberIndices[m] + 1));
            EXPECT_EQ(cells[1], zone.channelNames[m]);
        }
    }
    // Every channel of the sample is in a zone; the other sections follow.
    EXPECT_EQ(sectionLines(text, QStringLiteral("Channels in no zone")),
              QStringList{QStringLiteral("(none)")});
    EXPECT_EQ(
        cellsOf(sectionLines(text, QStringLiteral("Talkgroup lists")).value(0)),
        (QStringList{QStringLiteral("DL+Bayern"), QStringLiteral("Deutschland, Bayern, Lokal")}));
    EXPECT_EQ(cellsOf(sectionLines(text, QStringLiteral("Contacts")).value(4)),
              (QStringList{QStringLiteral("Parrot"), QStringLiteral("262997"),
                           QStringLiteral("Private Call"), QStringLiteral("No override")}));
    EXPECT_EQ(sectionLines(text, QStringLiteral("Satellites")).size(), 4);
}

TEST(CodeplugReport, DescribesAnFmAndADmrChannelFully) {
    const QStringList lines =
        sectionLines(ReportText::render(sampleReport()), QStringLiteral("Zone 2: FM Relais"));
    EXPECT_EQ(cellsOf(lines.value(0)),
              (QStringList{QStringLiteral("11"), QStringLiteral("DB0MU R2"), QStringLiteral("FM"),
                           QStringLiteral("145.65000"), QStringLiteral("145.05000"),
                           QStringLiteral("−0.60000"), QStringLiteral("TX tone: 123.0"),
                           QStringLiteral("Global"),
                           QStringLiteral("Bandwidth: 25 kHz · Squelch: Normal · Squelch level: 5 "
                                          "· Power save · Key beep")}));
    const QStringList dmr =
        sectionLines(ReportText::render(sampleReport()), QStringLiteral("Zone 3: DMR Relais"));
    EXPECT_EQ(
        cellsOf(dmr.value(2)),
        (QStringList{QStringLiteral("21"), QStringLiteral("DB0MUE TG2621"), QStringLiteral("DMR"),
                     QStringLiteral("439.41250"), QStringLiteral("431.81250"),
                     QStringLiteral("−7.60000"), QStringLiteral("Farbcode: 1 · Time slot: TS2"),
                     QStringLiteral("Contact (TX): Bayern · RX group list: DL+Bayern"),
                     QStringLiteral("Global"),
                     QStringLiteral("Squelch: Global · Power save · Key beep")}));
}

TEST(CodeplugReport, HtmlIsWellFormedAndHoldsTheSameRows) {
    CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
    // A stored name with control characters must not break the XML (nor
    // reach a terminal in the text form).
    (void)applyContactEdit(
        {QStringLiteral("Esc\x1b[2J&<b>"), 4242, ContactType::group, TimeSlotOverride::none}, 20,
        image);
    const CodeplugReport report = CodeplugReport::of(image, QStringLiteral("radio"), QDate());
    EXPECT_FALSE(ReportText::render(report).contains(QChar(0x1b)));
    const QString html = ReportHtml::render(report);
    EXPECT_TRUE(html.contains(QStringLiteral("tr { page-break-inside: avoid;")));

    QXmlStreamReader xml(html);
    QList<QList<QStringList>> tables; // the body rows of each table
    QStringList row;
    bool inBody = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("table"))
            tables.append(QList<QStringList>{});
        else if (xml.isStartElement() && xml.name() == QLatin1String("tbody"))
            inBody = true;
        else if (xml.isEndElement() && xml.name() == QLatin1String("tbody"))
            inBody = false;
        else if (inBody && xml.isStartElement() && xml.name() == QLatin1String("tr"))
            row.clear();
        else if (inBody && xml.isStartElement() && xml.name() == QLatin1String("td"))
            row.append(xml.readElementText());
        else if (inBody && xml.isEndElement() && xml.name() == QLatin1String("tr"))
            tables.last().append(row);
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line "
                                 << xml.lineNumber();
    ASSERT_EQ(tables.size(), report.tables.size() + 1); // the title block first
    for (qsizetype t = 0; t < report.tables.size(); ++t) {
        const QList<QStringList> expected = report.tables[t].rows.isEmpty()
                                                ? QList<QStringList>{{QStringLiteral("(none)")}}
                                                : report.tables[t].rows;
        EXPECT_EQ(tables[t + 1], expected) << report.tables[t].title.toStdString();
    }
    const QString contacts = ReportText::render(report);
    EXPECT_TRUE(contacts.contains(QStringLiteral("Esc\\x1B[2J&<b>")));
}

TEST(CodeplugReport, PdfPagesHoldWholeRowsAndEveryZone) {
    QTemporaryDir dir;
    const CodeplugReport report = CodeplugReport::of(bench::fullCodeplug(QStringLiteral("Kanal ")),
                                                     QStringLiteral("full.nerka"), QDate());
    const ReportPages::Pdf pdf = ReportPages::pdf(report, ReportPages::Paper::report);
    ASSERT_GT(pdf.pageCount, 68); // 68 zones of 80 channels are many pages
    const QString path = savedPdf(dir, QStringLiteral("full.pdf"), pdf.bytes);
    EXPECT_EQ(pdfPages(path), pdf.pageCount);
    const QString text = pdfText(path);
    for (int zone = 0; zone < 68; ++zone)
        EXPECT_TRUE(text.contains(QStringLiteral("Zone %1: Zone %2").arg(zone + 1).arg(zone)))
            << zone;
    EXPECT_TRUE(text.contains(QStringLiteral("Zone 1: Zone 0 (continued)")));

    // The layout behind it: every row lies whole on its page.
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter writer(&sink);
    writer.setPageLayout(ReportPages::pageLayout(ReportPages::Paper::report));
    const ReportPages pages(report, ReportPages::Paper::report, writer);
    EXPECT_GT(pages.pageCount(), 68);
    for (const ReportPages::PlacedRow& row : pages.rows())
        ASSERT_TRUE(pages.pageRect().adjusted(0, 0, 0.01, 0.01).contains(row.box))
            << "page " << row.page << " row at " << row.box.top();
}

TEST(CodeplugReport, PocketCardGivesEachZoneItsOwnPages) {
    QTemporaryDir dir;
    const CodeplugReport report = sampleReport();
    const ReportPages::Pdf card = ReportPages::pdf(report, ReportPages::Paper::card);
    ASSERT_EQ(card.pageCount, 5); // each sample zone fits on one A6 page
    const QString path = savedPdf(dir, QStringLiteral("card.pdf"), card.bytes);
    ASSERT_EQ(pdfPages(path), 5);
    const QStringList zones{QStringLiteral("Simplex"), QStringLiteral("FM Relais"),
                            QStringLiteral("DMR Relais"), QStringLiteral("DMR Simplex"),
                            QStringLiteral("Favoriten")};
    for (int page = 1; page <= 5; ++page) {
        const QString text = pdfText(path, page);
        EXPECT_TRUE(text.contains(QStringLiteral("Zone %1: %2").arg(page).arg(zones[page - 1])))
            << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("Farbcode"))); // number, name and RX only
    }
    EXPECT_TRUE(pdfText(path, 2).contains(QStringLiteral("DB0MU R2")));
    EXPECT_TRUE(pdfText(path, 2).contains(QStringLiteral("145.65000")));

    // A long zone goes on over more pages under its repeated title.
    const CodeplugReport full =
        CodeplugReport::of(bench::fullCodeplug(QStringLiteral("K")), QString(), QDate());
    const ReportPages::Pdf fullCard = ReportPages::pdf(full, ReportPages::Paper::card);
    EXPECT_GE(fullCard.pageCount, 68 * 2);
    EXPECT_EQ(fullCard.pageCount % 68, 0); // every zone of 80 takes the same pages
}
