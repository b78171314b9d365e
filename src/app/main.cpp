#include "DemoRadio.h"
#include "ScreenshotTour.h"

#include "controller/RadioController.h"
#include "ui/kit/AccessibleNames.h"
#include "ui/window/MainWindow.h"
#include "ui/window/NerkaApp.h"
#include "ui/window/WindowLanguage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QIcon>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Set by the startup benchmark: print the time to the first shown window and quit.
constexpr const char* kStartupProbeVariable = "NERKA_STARTUP_PROBE";
// Set by scripts/screenshots to a folder: save a picture of every section
// there (with --demo) and quit.
constexpr const char* kScreenshotsVariable = "NERKA_SCREENSHOTS";

// --help and --version print text only; they must work without a display.
bool printsOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

void describe(QCoreApplication& app, QCommandLineParser& parser,
              const QCommandLineOption& demoOption) {
    QCoreApplication::setOrganizationName(QStringLiteral("Nerka"));
    QCoreApplication::setApplicationName(QStringLiteral("Nerka"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NERKA_VERSION));
    parser.setApplicationDescription(
        QStringLiteral("Codeplug programming for radios running the OpenGD77 firmware."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(demoOption);
    parser.process(app);
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    const QCommandLineOption demoOption(
        QStringLiteral("demo"),
        QStringLiteral("Start with a built-in stand-in radio holding a sample codeplug; "
                       "your own preferences stay untouched."));
    if (printsOnly(argc, argv)) {
        QCoreApplication core(argc, argv);
        QCommandLineParser parser;
        describe(core, parser, demoOption); // prints and exits
        return 0;
    }
    QApplication app(argc, argv);
    // Before any widget exists: pickers are then named by their labels in the
    // accessibility tree, as every other control is.
    nerka::installAccessibleNames();
    QCommandLineParser parser;
    describe(app, parser, demoOption);
    // Ties the windows to the desktop entry (its icon and name in task bars
    // on Wayland) and uses the installed icon, else the one built in.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.nerka.Nerka"));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("org.nerka.Nerka"), QIcon(QStringLiteral(":/app/org.nerka.Nerka.svg"))));

    const QString screenshotFolder = qEnvironmentVariable(kScreenshotsVariable);
    if (!screenshotFolder.isEmpty() && !parser.isSet(demoOption)) {
        std::fprintf(stderr, "nerka: %s needs --demo\n", kScreenshotsVariable);
        return 2;
    }

    std::unique_ptr<nerka::DemoRadio> demo;
    if (parser.isSet(demoOption)) {
        demo = std::make_unique<nerka::DemoRadio>();
        if (const QString error = demo->start(); !error.isEmpty()) {
            std::fprintf(stderr, "nerka: the demo radio cannot start: %s\n", qPrintable(error));
            return 1;
        }
    }

    // The language is chosen once, before any window text exists: the
    // preference (the demo's own store with --demo), else the locale.
    QSettings* store = demo ? demo->preferenceStore() : nullptr;
    const nerka::LanguagePreference preference =
        store ? nerka::storedLanguagePreference(*store)
              : nerka::storedLanguagePreference(QSettings());
    const nerka::WindowTranslators translators(
        nerka::windowLanguageFor(preference, nerka::systemMessagesLocaleName()),
        QStringLiteral(":/i18n"));

    nerka::NerkaApp shell(store);
    if (demo)
        demo->attach(shell.radio());
    shell.start();

    if (qEnvironmentVariableIsSet(kStartupProbeVariable)) {
        QTimer::singleShot(0, &app, [&] {
            std::printf("first-show-ms: %lld\n", static_cast<long long>(sinceStart.elapsed()));
            std::fflush(stdout);
            QApplication::exit(0);
        });
    }
    std::unique_ptr<nerka::ScreenshotTour> tour;
    if (!screenshotFolder.isEmpty()) {
        tour = std::make_unique<nerka::ScreenshotTour>(shell.radio(), shell.window(),
                                                       screenshotFolder);
        tour->start();
    }
    return QApplication::exec();
}
