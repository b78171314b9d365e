// Figures of the DMR Database pane with the worldwide list loaded: how long
// the pane takes to show (figures, over-capacity warning, preview), and the
// longest stall of the window when the format or the text length changes.

#include "UiBench.h"

#include "controller/RadioController.h"
#include "ui/editors/DMRDatabaseView.h"
#include "ui/kit/Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;
using nerka::bench::elapsedMs;
using nerka::bench::printFigure;

// The pane asks nothing modal while it is only shown and its pickers change.
class NoDialogs final : public nerka::Dialogs {
public:
    void confirm(QWidget*, const QString&, const QString&, const QString&, const QString&,
                 std::function<void()>, const QString&) override {}
    void confirmLoss(QWidget*, const QString&, const QString&, const QString&, const QString&,
                     std::function<void()>, std::function<void()>) override {}
    void alert(QWidget*, const QString&, const QString&, const QString&,
               std::function<void()>) override {}
    void openFile(QWidget*, const QString&, const QStringList&,
                  std::function<void(const QString&)>) override {}
    void saveFile(QWidget*, const QString&, const QStringList&, const QString&,
                  std::function<void(const QString&)>) override {}
    void chooseFolder(QWidget*, const QString&, std::function<void(const QString&)>) override {}
    void choose(QWidget*, const QString&, const QString&, const QStringList&, const QString&,
                std::function<void(int)>) override {}
    void chooseColor(QWidget*, const QString&, const QColor&,
                     std::function<void(const QColor&)>) override {}
};

// Time of one picker change including the repaint it causes.
double changeMs(QComboBox* picker, int index, QWidget* pane) {
    const auto start = Clock::now();
    picker->setCurrentIndex(index);
    pane->repaint();
    QApplication::processEvents();
    return elapsedMs(start);
}

} // namespace

NERKA_UI_BENCH(dmrDatabaseScreen) {
    constexpr int kEntries = 1000000;
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("ids.csv"));
    {
        QFile file(csv);
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(csv));
            return;
        }
        QByteArray text("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n");
        text.reserve(40 * kEntries);
        for (int i = 0; i < kEntries; ++i) {
            text += QByteArray::number(1000000 + i) + ",XX" + QByteArray::number(i) + ",Ann,Lee\n";
        }
        file.write(text);
    }
    QSettings settings(dir.filePath(QStringLiteral("prefs.ini")), QSettings::IniFormat);
    nerka::RadioController controller(&settings);
    controller.importDMRDatabase(csv);
    if (!QTest::qWaitFor([&] { return controller.dmrUserDB().has_value(); }, 120000)) {
        std::fprintf(stderr, "the import did not finish\n");
        return;
    }
    // Uncompressed at 20 characters the million entries exceed the capacity,
    // so the warning is part of what is shown.
    controller.setDMRDatabaseOptions(nerka::DMRNameFormat::firstName,
                                     nerka::DMRDBFormat::uncompressed, 20);

    NoDialogs dialogs;
    // The window is already up when the pane is chosen: warm up the style,
    // fonts and the item views once, so the figure is the pane's own cost.
    {
        nerka::RadioController empty(&settings);
        nerka::DMRDatabaseView warmUp(empty, dialogs, nullptr);
        warmUp.show();
        warmUp.repaint();
        QApplication::processEvents();
    }
    const auto start = Clock::now();
    nerka::DMRDatabaseView view(controller, dialogs, nullptr);
    view.resize(900, 700);
    view.show();
    view.repaint();
    QApplication::processEvents();
    printFigure("ui.dmrdb_screen_1m_ms", elapsedMs(start), "ms");

    auto* format = view.findChild<QComboBox*>();
    QComboBox* length = nullptr;
    for (QComboBox* box : view.findChildren<QComboBox*>()) {
        if (box->accessibleName() == QStringLiteral("Format"))
            format = box;
        if (box->accessibleName() == QStringLiteral("Text length"))
            length = box;
    }
    double longest = 0;
    for (int round = 0; round < 5; ++round) {
        longest = std::max(longest, changeMs(format, (round + 1) % 2, &view));
        longest = std::max(longest, changeMs(length, round % length->count(), &view));
    }
    printFigure("ui.dmrdb_option_change_max_ms", longest, "ms");
}
