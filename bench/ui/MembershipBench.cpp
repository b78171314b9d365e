// ui.membership_grid_open_ms: the channels × zones grid of a full codeplug
// (1,024 channels, 68 zones of 40 channels) built, laid out and painted once.
// ui.membership_toggle_ms: Space on a grid cell, through the controller's
// edit and the document's re-decode to the repainted grid.

#include "UiBench.h"

#include "controller/RadioController.h"
#include "sim/SampleCodeplug.h"
#include "ui/views/MembershipGridView.h"

#include <QApplication>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <vector>

using namespace nerka;

namespace {

double membershipMedian(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

NERKA_UI_BENCH(membershipGrid) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("prefs.ini")), QSettings::IniFormat);
    RadioController controller(&settings);
    const CodeplugImage blank = blankCodeplug(RadioVariant::gd77);
    controller.document().load(blank, decodeImage(blank));
    QList<ChannelEdit> edits;
    for (int i = 0; i < CodeplugDocument::kChannelCapacity; ++i) {
        ChannelEdit edit;
        edit.name = QStringLiteral("CH %1").arg(i + 1);
        edit.rxHz = edit.txHz = 430'000'000 + std::uint64_t(i) * 12'500;
        edits.append(edit);
    }
    controller.document().importChannels(edits);
    for (int z = 0; z < CodeplugDocument::kZoneCapacity; ++z) {
        QList<int> members;
        for (int m = 0; m < 40; ++m)
            members.append((z * 15 + m) % CodeplugDocument::kChannelCapacity);
        controller.document().updateZone((*controller.document().newZone()).index,
                                         ZoneEdit{QStringLiteral("Zone %1").arg(z + 1), members});
    }
    if (controller.document().channels().size() != CodeplugDocument::kChannelCapacity ||
        controller.document().zones().size() != CodeplugDocument::kZoneCapacity) {
        std::fprintf(stderr, "membershipGrid: the codeplug is not full\n");
        return;
    }

    std::vector<double> opens;
    for (int round = 0; round < 9; ++round) {
        const auto started = std::chrono::steady_clock::now();
        MembershipGridView grid(controller, MembershipModel::Kind::zones);
        grid.resize(1000, 700);
        grid.show();
        grid.repaint();
        QApplication::processEvents();
        opens.push_back(bench::elapsedMs(started));
        if (grid.table()->model()->columnCount() != CodeplugDocument::kZoneCapacity + 1) {
            std::fprintf(stderr, "membershipGrid: the grid misses zones\n");
            return;
        }
    }
    bench::printFigure("ui.membership_grid_open_ms", membershipMedian(opens), "ms");

    MembershipGridView grid(controller, MembershipModel::Kind::zones);
    grid.resize(1000, 700);
    grid.show();
    QApplication::processEvents();
    QTableView* table = grid.table();
    table->setFocus();
    table->setCurrentIndex(table->model()->index(3, 2));
    const int before = int(controller.document().zones().at(1).memberIndices.size());
    std::vector<double> toggles;
    for (int round = 0; round < 21; ++round) {
        const auto started = std::chrono::steady_clock::now();
        QTest::keyClick(table, Qt::Key_Space);
        // The update requests of the changed cell and header are painted here.
        QApplication::processEvents();
        toggles.push_back(bench::elapsedMs(started));
    }
    // 21 toggles of the same cell leave it flipped once.
    if (int(controller.document().zones().at(1).memberIndices.size()) == before) {
        std::fprintf(stderr, "membershipGrid: Space did not toggle the cell\n");
        return;
    }
    bench::printFigure("ui.membership_toggle_ms", membershipMedian(toggles), "ms");
}
