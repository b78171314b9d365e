#include "ui/window/ReportCommands.h"

#include "controller/FileStore.h"
#include "controller/RadioController.h"
#include "report/CodeplugReport.h"
#include "report/ReportHtml.h"
#include "report/ReportPages.h"
#include "ui/kit/Dialogs.h"

#include <QAction>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

namespace nerka {

ReportCommands::ReportCommands(RadioController& controller, Dialogs& dialogs, QWidget* window)
    : QObject(window), m_controller(controller), m_dialogs(dialogs), m_window(window) {
    m_print = new QAction(tr("Print…"), this);
    m_print->setShortcut(QKeySequence::Print);
    m_pdf = new QAction(tr("Report as PDF…"), this);
    m_html = new QAction(tr("Report as HTML…"), this);
    QObject::connect(m_print, &QAction::triggered, this, &ReportCommands::print);
    QObject::connect(m_pdf, &QAction::triggered, this, &ReportCommands::exportPdf);
    QObject::connect(m_html, &QAction::triggered, this, &ReportCommands::exportHtml);
    updateActions();
}

void ReportCommands::updateActions() {
    const bool hasImage = m_controller.document().image().has_value();
    m_print->setEnabled(hasImage);
    m_pdf->setEnabled(hasImage);
    m_html->setEnabled(hasImage);
}

CodeplugReport ReportCommands::currentReport() const {
    const auto& url = m_controller.documentURL();
    const QString source = url && url->isLocalFile() ? QFileInfo(url->toLocalFile()).fileName()
                                                     : QStringLiteral("radio");
    return CodeplugReport::of(*m_controller.document().image(), source, QDate::currentDate());
}

QString ReportCommands::proposedName(const QString& suffix) const {
    const auto& url = m_controller.documentURL();
    const QString base = url && url->isLocalFile()
                             ? QFileInfo(url->toLocalFile()).completeBaseName()
                             : QStringLiteral("codeplug");
    return base + QStringLiteral("-report.") + suffix;
}

void ReportCommands::print() {
    if (!m_controller.document().image())
        return;
    m_dialogs.choose(m_window, tr("Print"),
                     tr("Print the whole report, or a pocket card with a page per zone?"),
                     {tr("Report"), tr("Pocket card")}, tr("Abbrechen"), [this](int choice) {
                         if (!m_controller.document().image())
                             return;
                         const ReportPages::Paper paper =
                             choice == 1 ? ReportPages::Paper::card : ReportPages::Paper::report;
                         auto* preview = new QPrintPreviewDialog(m_window);
                         preview->setAttribute(Qt::WA_DeleteOnClose);
                         preview->setWindowTitle(tr("Print"));
                         preview->setAccessibleName(tr("Print"));
                         preview->printer()->setPageLayout(ReportPages::pageLayout(paper));
                         const CodeplugReport report = currentReport();
                         // The preview lays the pages out again for the printer and page
                         // set-up chosen in it.
                         QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                                          [report, paper](QPrinter* printer) {
                                              const ReportPages pages(report, paper, *printer);
                                              (void)pages.print(*printer);
                                          });
                         preview->open();
                     });
}

void ReportCommands::exportPdf() {
    saveReport(tr("Export report as PDF"), tr("PDF (*.pdf)"), QStringLiteral("pdf"), true);
}

void ReportCommands::exportHtml() {
    saveReport(tr("Export report as HTML"), tr("HTML (*.html *.htm)"), QStringLiteral("html"),
               false);
}

void ReportCommands::saveReport(const QString& title, const QString& filter, const QString& suffix,
                                bool pdf) {
    if (!m_controller.document().image())
        return;
    m_dialogs.saveFile(
        m_window, title, {filter}, proposedName(suffix), [this, pdf](const QString& path) {
            if (!m_controller.document().image())
                return;
            const CodeplugReport report = currentReport();
            const QByteArray bytes =
                pdf ? ReportPages::pdf(report, ReportPages::Paper::report).bytes
                    : ReportHtml::render(report).toUtf8();
            if (bytes.isEmpty()) {
                m_controller.activityLog().appendError(tr("Could not lay out the report."));
                return;
            }
            if (const auto failure = FileStore::write(path, bytes)) {
                m_controller.activityLog().appendError(*failure);
                return;
            }
            m_controller.activityLog().append(
                tr("Report written to %1.").arg(FileStore::displayName(path)));
        });
}

} // namespace nerka
