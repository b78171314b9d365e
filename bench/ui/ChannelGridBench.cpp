// Figures of the channel table's bulk work on a full 1024-channel codeplug:
// ui.bulk_edit_1024_ms (one field of every channel through the bulk editor's
// rules and the document, one step), ui.paste_1000_rows_ms (1000 rows of
// spreadsheet text pasted into the shown table) and ui.sort_1024_ms (the
// shown table sorted by RX).

#include "UiBench.h"

#include "codeplug/ChannelCsvRows.h"
#include "controller/RadioController.h"
#include "sim/SampleCodeplug.h"
#include "ui/kit/Dialogs.h"
#include "ui/rules/ChannelBulkForm.h"
#include "ui/views/ChannelTableModel.h"
#include "ui/views/ChannelsSection.h"

#include <QApplication>
#include <QClipboard>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

using namespace nerka;

namespace {

QList<ChannelEdit> channelEdits(int count) {
    QList<ChannelEdit> edits;
    for (int i = 0; i < count; ++i) {
        ChannelEdit edit;
        edit.name = QStringLiteral("CH %1").arg(i + 1);
        // Not in RX order, so the sort has work to do.
        edit.rxHz = edit.txHz = 430'000'000 + std::uint64_t((i * 37) % count) * 12'500;
        edit.isDMR = i % 2 == 1;
        edits.append(edit);
    }
    return edits;
}

double median(std::vector<double> rounds) {
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

struct Setup {
    QTemporaryDir dir;
    QSettings settings{dir.filePath(QStringLiteral("prefs.ini")), QSettings::IniFormat};
    RadioController controller{&settings};
    Setup() {
        const CodeplugImage blank = blankCodeplug(RadioVariant::gd77);
        controller.document().load(blank, decodeImage(blank));
    }
};

} // namespace

NERKA_UI_BENCH(bulkEdit) {
    Setup setup;
    RadioController& controller = setup.controller;
    controller.document().importChannels(channelEdits(CodeplugDocument::kChannelCapacity));
    WidgetDialogs dialogs;
    ChannelsSection section(controller, dialogs);
    section.show();
    QApplication::processEvents();
    std::vector<double> rounds;
    for (int round = 0; round < 7; ++round) {
        const auto started = std::chrono::steady_clock::now();
        ChannelBulkForm form(controller.document().channels());
        form.values.power = round % 2 == 0 ? ChannelPowerLevel::high : ChannelPowerLevel::low;
        form.setChanged(ChannelField::power, true);
        const ChannelBulkForm::Result result = form.apply();
        const EditResult done = controller.document().updateChannels(result.edits, result.note);
        rounds.push_back(bench::elapsedMs(started));
        if (!done.isDone() || done.changes().channels.changed.size() != 1024) {
            std::fprintf(stderr, "bulkEdit: the edit did not reach every channel\n");
            return;
        }
        QApplication::processEvents();
    }
    bench::printFigure("ui.bulk_edit_1024_ms", median(rounds), "ms");
}

NERKA_UI_BENCH(pasteRows) {
    std::vector<double> rounds;
    for (int round = 0; round < 5; ++round) {
        Setup setup;
        RadioController& controller = setup.controller;
        controller.document().importChannels(channelEdits(12));
        QList<RadioChannel> rows;
        for (const ChannelEdit& edit : channelEdits(1000)) {
            RadioChannel channel;
            channel.name = edit.name;
            channel.rxHz = edit.rxHz;
            channel.txHz = edit.txHz;
            rows.append(channel);
        }
        QApplication::clipboard()->setText(channelRowsText(rows, u'\t'));
        WidgetDialogs dialogs;
        ChannelsSection section(controller, dialogs);
        section.show();
        section.selectKeys({6});
        QApplication::processEvents();
        const auto started = std::chrono::steady_clock::now();
        section.paste();
        rounds.push_back(bench::elapsedMs(started));
        if (controller.document().channels().size() != 1012 ||
            section.selectedChannelNumbers().size() != 1000) {
            std::fprintf(stderr, "pasteRows: the rows were not pasted\n");
            return;
        }
    }
    bench::printFigure("ui.paste_1000_rows_ms", median(rounds), "ms");
}

NERKA_UI_BENCH(sortChannels) {
    Setup setup;
    RadioController& controller = setup.controller;
    controller.document().importChannels(channelEdits(CodeplugDocument::kChannelCapacity));
    WidgetDialogs dialogs;
    ChannelsSection section(controller, dialogs);
    section.resize(900, 700);
    section.show();
    QApplication::processEvents();
    auto* table = static_cast<QTableView*>(section.view());
    std::vector<double> rounds;
    for (int round = 0; round < 11; ++round) {
        const auto started = std::chrono::steady_clock::now();
        table->sortByColumn(round % 2 == 0 ? ChannelTableModel::RxColumn
                                           : ChannelTableModel::NumberColumn,
                            Qt::AscendingOrder);
        rounds.push_back(bench::elapsedMs(started));
        QApplication::processEvents();
    }
    bench::printFigure("ui.sort_1024_ms", median(rounds), "ms");
}
