#include "ScreenshotTour.h"

#include "controller/RadioController.h"
#include "ui/editors/RecordEditors.h"
#include "ui/window/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace nerka {

namespace {

constexpr int kTourLimitMs = 60'000;
constexpr int kPollMs = 50;
// Lets layouts, queued model updates and deferred paints settle before a grab.
constexpr int kSettleMs = 150;

QString pictureName(SidebarItem item) {
    switch (item) {
    case SidebarItem::connection:
        return QStringLiteral("connection");
    case SidebarItem::settings:
        return QStringLiteral("settings");
    case SidebarItem::channels:
        return QStringLiteral("channels");
    case SidebarItem::zones:
        return QStringLiteral("zones");
    case SidebarItem::contacts:
        return QStringLiteral("contacts");
    case SidebarItem::talkgroups:
        return QStringLiteral("talkgroups");
    case SidebarItem::satellites:
        return QStringLiteral("satellites");
    case SidebarItem::dmrDatabase:
        return QStringLiteral("dmr-database");
    case SidebarItem::theme:
        return QStringLiteral("theme");
    }
    return {};
}

void settle() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kSettleMs)
        QApplication::processEvents(QEventLoop::AllEvents, kSettleMs);
}

} // namespace

ScreenshotTour::ScreenshotTour(RadioController& radio, MainWindow& window, QString folder,
                               QObject* parent)
    : QObject(parent), m_radio(radio), m_window(window), m_folder(std::move(folder)) {}

void ScreenshotTour::start() {
    m_elapsed.start();
    if (!QDir().mkpath(m_folder)) {
        fail(QStringLiteral("cannot create the folder %1").arg(m_folder));
        return;
    }
    when(
        QStringLiteral("the demo radio's codeplug"),
        [this] {
            return m_radio.status().isConnected() && m_radio.document().image().has_value() &&
                   !m_radio.status().isWorking();
        },
        [this] { importUsers(); });
}

void ScreenshotTour::when(const QString& waitingFor, std::function<bool()> ready,
                          std::function<void()> next) {
    if (ready()) {
        next();
        return;
    }
    if (m_elapsed.elapsed() > kTourLimitMs) {
        fail(QStringLiteral("gave up waiting for %1 after %2 s; the log:\n%3")
                 .arg(waitingFor)
                 .arg(kTourLimitMs / 1000)
                 .arg(m_radio.activityLog().lines().join(QLatin1Char('\n'))));
        return;
    }
    QTimer::singleShot(kPollMs, this,
                       [this, waitingFor, ready = std::move(ready), next = std::move(next)] {
                           when(waitingFor, ready, next);
                       });
}

void ScreenshotTour::importUsers() {
    const QString path = m_work.filePath(QStringLiteral("users.csv"));
    QFile file(path);
    if (!m_work.isValid() || !file.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("cannot write the sample DMR users to %1").arg(path));
        return;
    }
    file.write("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n"
               "2621001,DL1ABC,Anna,Becker\n"
               "2621002,DL2XYZ,Jonas,Weber\n"
               "2341003,G4DEF,Oliver,Smith\n"
               "3101004,K1ABC,Emily,Johnson\n"
               "2061005,ON4GHI,Lucas,Peeters\n"
               "2081006,F5JKL,Camille,Martin\n");
    file.close();
    m_radio.importDMRDatabase(path);
    when(
        QStringLiteral("the DMR user import"),
        [this] { return m_radio.dmrUserDB().has_value() && !m_radio.status().isWorking(); },
        [this] { takePictures(); });
}

void ScreenshotTour::takePictures() {
    m_window.resize(1100, 720);
    for (SidebarItem item : kSidebarItems) {
        m_window.showSection(item);
        settle();
        if (!save(&m_window, pictureName(item)))
            return;
    }

    m_window.showSection(SidebarItem::channels);
    // A DMR channel shows the editor's fuller form.
    const auto& channels = m_radio.document().channels();
    const auto dmr = std::find_if(channels.begin(), channels.end(),
                                  [](const RadioChannel& c) { return c.isDMR(); });
    m_window.editors()->editChannel(dmr != channels.end() ? dmr->number : 1);
    if (!saveSheet(QStringLiteral("channel-editor")))
        return;
    std::printf("nerka: saved %d pictures in %s\n", int(kSidebarItems.size()) + 1,
                qPrintable(QDir(m_folder).absolutePath()));
    std::fflush(stdout);
    QApplication::exit(0);
}

bool ScreenshotTour::saveSheet(const QString& name) {
    settle();
    QDialog* sheet = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
            sheet = dialog;
    }
    if (!sheet) {
        fail(QStringLiteral("the sheet for %1 did not open").arg(name));
        return false;
    }
    const bool saved = save(sheet, name);
    sheet->reject();
    return saved;
}

bool ScreenshotTour::save(QWidget* widget, const QString& name) {
    const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path, "PNG")) {
        fail(QStringLiteral("cannot save %1").arg(path));
        return false;
    }
    return true;
}

void ScreenshotTour::fail(const QString& reason) {
    std::fprintf(stderr, "nerka: screenshots: %s\n", qPrintable(reason));
    QApplication::exit(1);
}

} // namespace nerka
