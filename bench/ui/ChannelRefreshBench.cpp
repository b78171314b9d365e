// ui.channel_refresh_ms: the channel list's refresh after an edit of a full
// 1024-channel codeplug: the keyed model update, the search proxy and the
// shown table, from the controller's channelsChanged to the end of the edit.

#include "UiBench.h"

#include "controller/RadioController.h"
#include "sim/SampleCodeplug.h"
#include "ui/kit/Dialogs.h"
#include "ui/views/ChannelTableModel.h"
#include "ui/views/ChannelsSection.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

using namespace nerka;

NERKA_UI_BENCH(channelRefresh) {
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
        edit.isDMR = i % 2 == 1;
        edits.append(edit);
    }
    controller.document().importChannels(edits);
    if (controller.document().channels().size() != CodeplugDocument::kChannelCapacity) {
        std::fprintf(stderr, "channelRefresh: only %lld channels\n",
                     static_cast<long long>(controller.document().channels().size()));
        return;
    }

    // Connected before the section, so the clock starts before its model runs.
    std::chrono::steady_clock::time_point started;
    QObject::connect(&controller.document(), &CodeplugDocument::recordsChanged,
                     [&started] { started = std::chrono::steady_clock::now(); });
    WidgetDialogs dialogs;
    ChannelsSection section(controller, dialogs);
    section.resize(900, 700);
    section.show();
    section.selectKeys({512, 513});
    QApplication::processEvents();

    std::vector<double> rounds;
    for (int round = 0; round < 21; ++round) {
        const RadioChannel channel = controller.document().channels().at(500 + round);
        ChannelEdit edit = channelEditFrom(channel);
        edit.name = QStringLiteral("Edited %1").arg(round);
        controller.document().updateChannel(channel.number, edit);
        rounds.push_back(bench::elapsedMs(started));
        QApplication::processEvents();
    }
    // The figure only counts when the table shows the edits.
    const std::optional<int> row = section.model()->rowOf(501);
    if (!row || section.model()->channels().at(*row).name != QStringLiteral("Edited 0") ||
        section.selectedChannelNumbers() != QList<int>{512, 513}) {
        std::fprintf(stderr, "channelRefresh: the table did not follow the edits\n");
        return;
    }
    std::sort(rounds.begin(), rounds.end());
    bench::printFigure("ui.channel_refresh_ms", rounds[rounds.size() / 2], "ms");
}
