// Figure of the write question: the time from the two codeplugs (what the
// radio holds and what is in memory, every one of 1,024 channels renamed) to
// the question on screen with its grouped change list.

#include "UiBench.h"

#include "../FullCodeplug.h"
#include "controller/CodeplugDiff.h"
#include "ui/kit/Dialogs.h"
#include "ui/window/ChangeSections.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

#include <algorithm>
#include <vector>

NERKA_UI_BENCH(writeQuestion) {
    using namespace nerka;
    const CodeplugImage radio = bench::fullCodeplug(QStringLiteral("A"));
    const CodeplugImage memory = bench::fullCodeplug(QStringLiteral("B"));
    QWidget window;
    window.resize(900, 700);
    window.show();
    WidgetDialogs dialogs;
    std::vector<double> runs;
    qsizetype lines = 0;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const auto diff = diffCodeplugs(radio, memory);
        const QList<ChangeGroup> groups = changeGroups(std::get<CodeplugDiff>(diff));
        dialogs.confirmChanges(
            &window, QStringLiteral("Write changes to the device?"), changeCountText(groups),
            QStringLiteral("Write"), QStringLiteral("Abbrechen"), [] {},
            QStringLiteral("What the write changes on the radio:"), changeSections(groups));
        QDialog* question = nullptr;
        while (!question) {
            QApplication::processEvents();
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible())
                    question = dialog;
        }
        runs.push_back(bench::elapsedMs(start));
        lines = 0;
        for (const ChangeGroup& group : groups)
            lines += group.lines.size();
        // The dialog deletes itself once closed.
        question->reject();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(runs.begin(), runs.end());
    bench::printFigure("ui.write_question_1024_ms", runs[runs.size() / 2], "ms");
    bench::printFigure("ui.write_question_1024_lines", double(lines), "lines");
}
