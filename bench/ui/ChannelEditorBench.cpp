// ui.channel_editor_open_ms: opening the channel editor on a full codeplug
// (1024 channels, 1024 contacts, every talkgroup): building the sheet with
// its pickers, showing it, and the first round of events that lays it out.

#include "UiBench.h"

#include "codeplug/ContactCodec.h"
#include "controller/RadioController.h"
#include "sim/SampleCodeplug.h"
#include "ui/editors/RecordEditors.h"
#include "ui/kit/Dialogs.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <vector>

using namespace nerka;

NERKA_UI_BENCH(channelEditorOpen) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("prefs.ini")), QSettings::IniFormat);
    RadioController controller(&settings);

    // Filled through the codecs in one image, then published once.
    CodeplugImage image = blankCodeplug(RadioVariant::gd77);
    for (int slot = 0; slot < CodeplugDocument::kContactCapacity; ++slot) {
        const ContactEdit contact{QStringLiteral("Contact %1").arg(slot + 1),
                                  std::uint32_t(2'620'000 + slot), ContactType::group,
                                  TimeSlotOverride::none};
        (void)applyContactEdit(contact, slot, image);
    }
    controller.document().load(image, decodeImage(image));
    QList<ChannelEdit> edits;
    for (int i = 0; i < CodeplugDocument::kChannelCapacity; ++i) {
        ChannelEdit edit;
        edit.name = QStringLiteral("CH %1").arg(i + 1);
        edit.rxHz = 438'000'000 + std::uint64_t(i) * 12'500;
        edit.txHz = edit.rxHz - 7'600'000;
        edit.isDMR = i % 2 == 1;
        edit.contactSlot = i;
        edits.append(edit);
    }
    controller.document().importChannels(edits);
    while (const auto talkgroup = controller.document().newTalkgroup())
        controller.document().updateTalkgroup(
            talkgroup->index,
            TalkgroupEdit{QStringLiteral("TG %1").arg(talkgroup->index + 1), {talkgroup->index}});
    if (controller.document().channels().size() != CodeplugDocument::kChannelCapacity ||
        controller.document().contacts().size() != CodeplugDocument::kContactCapacity) {
        std::fprintf(stderr,
                     "channelEditorOpen: codeplug not full (%lld channels, %lld contacts)\n",
                     static_cast<long long>(controller.document().channels().size()),
                     static_cast<long long>(controller.document().contacts().size()));
        return;
    }

    QWidget window;
    window.resize(1000, 800);
    window.show();
    WidgetDialogs dialogs;
    RecordEditors editors(controller, dialogs, &window);
    QApplication::processEvents();

    std::vector<double> rounds;
    for (int round = 0; round < 21; ++round) {
        const auto started = std::chrono::steady_clock::now();
        editors.editChannel(500 + round);
        QApplication::processEvents();
        rounds.push_back(bench::elapsedMs(started));
        if (QWidget* sheet = editors.openSheet())
            sheet->close();
        QApplication::processEvents();
    }
    std::sort(rounds.begin(), rounds.end());
    bench::printFigure("ui.channel_editor_open_ms", rounds[rounds.size() / 2], "ms");
}
