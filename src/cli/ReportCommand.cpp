#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"

#include "codeplug/CodeplugFile.h"
#include "controller/FileStore.h"
#include "report/CodeplugReport.h"
#include "report/ReportHtml.h"
#include "report/ReportPages.h"
#include "report/ReportText.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace nerka::cli {

namespace {

int runReport(CliContext& context);

const CliCommand kReport{"report", "FILE [--format text|html|pdf|card] [-o OUT]",
                         "print a codeplug file on paper: its zones with their channels, the "
                         "channels in no zone, talkgroup lists, contacts and satellites as text "
                         "(the default), HTML or PDF, or as a pocket card (PDF, a page per zone)",
                         &runReport};
const CliRegistration kReportRegistration{kReport};

const QString kReportFormats = QStringLiteral("text|html|pdf|card");

// Prints the failure as every command does and gives the exit code.
int reportFailure(CliContext& context, const QString& message) {
    context.out << "• Error: " << message << '\n';
    context.err << message << '\n';
    return ControllerSession::exitCode(false);
}

int runReport(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("text, html, pdf or card."),
                                    QStringLiteral("FORMAT"), QStringLiteral("text"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("File to write."), QStringLiteral("OUT"));
    parser.addOption(format);
    parser.addOption(output);
    if (auto code = parseArguments(context, kReport, parser, 1, 1))
        return *code;
    const QString layout = parser.value(format);
    if (!kReportFormats.split(u'|').contains(layout))
        return usageError(context, kReport, QStringLiteral("unknown format: ") + layout);
    const bool paged = layout == QLatin1String("pdf") || layout == QLatin1String("card");
    const QString out = parser.value(output);
    if (paged && out.isEmpty())
        return usageError(context, kReport,
                          QStringLiteral("--format ") + layout + QStringLiteral(" needs -o OUT"));
    // Pages are measured with fonts, which only a GUI application has.
    if (paged && !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return reportFailure(context, QStringLiteral("PDF output is not available here."));
    if (!out.isEmpty()) {
        if (const auto refusal = FileStore::targetRefusal(out))
            return reportFailure(context, *refusal);
    }

    const QString path = parser.positionalArguments().first();
    const auto read = FileStore::read(path, FileStore::Kind::codeplug);
    if (const auto* failure = std::get_if<QString>(&read))
        return reportFailure(context, *failure);
    auto decoded = decodeCodeplugFile(std::get<QByteArray>(read));
    if (const auto* error = std::get_if<CodeplugError>(&decoded))
        return reportFailure(context, error->description());
    const CodeplugReport report = CodeplugReport::of(
        std::get<CodeplugImage>(decoded), QFileInfo(path).fileName(), QDate::currentDate());

    if (layout == QLatin1String("text") && out.isEmpty()) {
        context.out << ReportText::render(report);
        return ControllerSession::exitCode(true);
    }
    QByteArray bytes;
    QString pages;
    if (paged) {
        const ReportPages::Pdf pdf =
            ReportPages::pdf(report, layout == QLatin1String("card") ? ReportPages::Paper::card
                                                                     : ReportPages::Paper::report);
        if (pdf.bytes.isEmpty())
            return reportFailure(context, QStringLiteral("Could not lay out the PDF."));
        bytes = pdf.bytes;
        pages = pdf.pageCount == 1 ? QStringLiteral(" (1 page)")
                                   : QStringLiteral(" (%1 pages)").arg(pdf.pageCount);
    } else {
        bytes = (layout == QLatin1String("html") ? ReportHtml::render(report)
                                                 : ReportText::render(report))
                    .toUtf8();
    }
    if (const auto failure = FileStore::write(out, bytes))
        return reportFailure(context, *failure);
    context.out << "• Report written to " << FileStore::displayName(out) << pages << ".\n";
    return ControllerSession::exitCode(true);
}

} // namespace

} // namespace nerka::cli
