// Figures of the printed report of a full codeplug (1,024 channels, 68 zones
// of 80): building it from the image and rendering it as text, as HTML, and
// as laid-out PDF pages. Each figure is the whole path from the image.

#include "../FullCodeplug.h"
#include "report/CodeplugReport.h"
#include "report/ReportHtml.h"
#include "report/ReportPages.h"
#include "report/ReportText.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace nerka;

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename F> double milliseconds(F&& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main(int argc, char** argv) {
    // Fonts for the page layout; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const CodeplugImage image = bench::fullCodeplug(QStringLiteral("CH"));
    const auto report = [&] { return CodeplugReport::of(image, QStringLiteral("full"), {}); };

    std::vector<double> textMs;
    std::vector<double> htmlMs;
    std::vector<double> pdfMs;
    qsizetype sink = 0;
    for (int i = 0; i < 5; ++i) {
        textMs.push_back(milliseconds([&] { sink += ReportText::render(report()).size(); }));
        htmlMs.push_back(milliseconds([&] { sink += ReportHtml::render(report()).size(); }));
        int pages = 0;
        pdfMs.push_back(milliseconds(
            [&] { pages = ReportPages::pdf(report(), ReportPages::Paper::report).pageCount; }));
        if (pages < 68) {
            std::fprintf(stderr, "bench_report: the PDF has %d pages, fewer than the zones\n",
                         pages);
            return 1;
        }
    }
    if (sink == 0)
        return 1;
    std::printf("report.text_full_ms: %.1f ms\n", median(textMs));
    std::printf("report.html_full_ms: %.1f ms\n", median(htmlMs));
    std::printf("report.pdf_full_ms: %.1f ms\n", median(pdfMs));
    return 0;
}
