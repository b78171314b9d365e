// Figures of the codeplug as CSV files: writing the four files of a full
// codeplug, and importing them again in update mode (every row matches a
// record of its name; nothing changes).

#include "../FullCodeplug.h"
#include "codeplug/MemberLists.h"
#include "controller/CodeplugDocument.h"

#include <QCoreApplication>
#include <QTemporaryDir>

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
    QCoreApplication app(argc, argv);
    const CodeplugImage image = bench::fullCodeplug(QStringLiteral("CH"));
    CodeplugDocument document;
    const QList<RadioChannel> channels = decodeChannels(image);
    MemberLists lists = decodeMemberLists(image, channels);
    document.load(image, {channels, lists.contacts, lists.talkgroups, lists.zones});
    QTemporaryDir folder;

    std::vector<double> exportMs;
    std::vector<double> updateMs;
    for (int i = 0; i < 7; ++i) {
        bool ok = true;
        exportMs.push_back(
            milliseconds([&] { ok = document.exportCodeplugCsv(folder.path()).isDone(); }));
        const CodeplugCsvPaths paths = CodeplugCsvPaths::inFolder(folder.path());
        EditResult result = EditResult::nothingToDo();
        updateMs.push_back(milliseconds(
            [&] { result = document.importCodeplugCsv(paths, CsvImportMode::update); }));
        // The export read back into the same codeplug changes nothing.
        if (!ok || !result.isDone() || document.canUndo()) {
            std::fprintf(stderr, "bench_csv: the update import of the export changed the "
                                 "codeplug or failed\n");
            return 1;
        }
    }
    std::printf("csv.export_full_ms: %.1f ms\n", median(exportMs));
    std::printf("csv.update_import_full_ms: %.1f ms\n", median(updateMs));
    return 0;
}
