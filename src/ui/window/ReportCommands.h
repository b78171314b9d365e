#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace nerka {

class CodeplugReport;
class Dialogs;
class RadioController;

// The codeplug on paper from the File menu: "Print…" (the report or the
// pocket card, in Qt's print preview, from which it goes to a printer) and
// Export › "Report as PDF…" and "Report as HTML…". The report shows the
// codeplug in memory, unsaved changes included. A file that cannot be
// written is reported as an error; the old file stays as it was.
class ReportCommands : public QObject {
    Q_OBJECT
public:
    ReportCommands(RadioController& controller, Dialogs& dialogs, QWidget* window);

    [[nodiscard]] QAction* printAction() const { return m_print; }
    [[nodiscard]] QAction* pdfAction() const { return m_pdf; }
    [[nodiscard]] QAction* htmlAction() const { return m_html; }

    // Asks for the report or the pocket card, then opens the print preview.
    void print();
    void exportPdf();
    void exportHtml();

    // Each needs a codeplug.
    void updateActions();

private:
    [[nodiscard]] CodeplugReport currentReport() const;
    // "<file name>-report.<suffix>", or "codeplug-report.<suffix>".
    [[nodiscard]] QString proposedName(const QString& suffix) const;
    void saveReport(const QString& title, const QString& filter, const QString& suffix, bool pdf);

    RadioController& m_controller;
    Dialogs& m_dialogs;
    QPointer<QWidget> m_window;
    QAction* m_print = nullptr;
    QAction* m_pdf = nullptr;
    QAction* m_html = nullptr;
};

} // namespace nerka
