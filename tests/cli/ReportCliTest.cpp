// nerka-cli report run as a process on the sample codeplug file.

#include "CliProcess.h"
#include "codeplug/CodeplugFile.h"
#include "report/CodeplugReport.h"
#include "report/ReportText.h"
#include "sim/SampleCodeplug.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;
using test::runCli;

namespace {

QString writeSample(const QTemporaryDir& dir) {
    QFile file(dir.filePath(QStringLiteral("sample.nerka")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeCodeplugFile(sampleCodeplug(RadioVariant::gd77)));
    return file.fileName();
}

} // namespace

TEST(ReportCli, PrintsTheTextReportOrWritesTheChosenFormat) {
    QTemporaryDir dir;
    const QString codeplug = writeSample(dir);

    const auto text = runCli({QStringLiteral("report"), codeplug});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    // Nothing but the report on standard output, so it can be piped.
    EXPECT_EQ(text.out, ReportText::render(CodeplugReport::of(sampleCodeplug(RadioVariant::gd77),
                                                              QStringLiteral("sample.nerka"),
                                                              QDate::currentDate())));

    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    const auto card = runCli({QStringLiteral("report"), codeplug, QStringLiteral("--format"),
                              QStringLiteral("card"), QStringLiteral("-o"), pdf});
    ASSERT_EQ(card.exitCode, 0) << card.err.toStdString();
    EXPECT_EQ(card.outLines().value(0),
              QStringLiteral("• Report written to %1 (5 pages).").arg(pdf));
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");

    // A file that is not a codeplug fails without touching the output.
    const auto broken =
        runCli({QStringLiteral("report"), pdf, QStringLiteral("--format"), QStringLiteral("html"),
                QStringLiteral("-o"), dir.filePath(QStringLiteral("r.html"))});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("r.html"))));
}

TEST(ReportCli, RefusesAPdfWithoutOutputAndUnknownFormats) {
    QTemporaryDir dir;
    const QString codeplug = writeSample(dir);
    for (const QStringList& args :
         {QStringList{QStringLiteral("report"), codeplug, QStringLiteral("--format"),
                      QStringLiteral("pdf")},
          QStringList{QStringLiteral("report"), codeplug, QStringLiteral("--format"),
                      QStringLiteral("docx"), QStringLiteral("-o"), QStringLiteral("x")},
          QStringList{QStringLiteral("report")}}) {
        const auto run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage: nerka-cli report")))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}
