#include "cli/CliCommand.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

int main(int argc, char** argv) {
    // The report lays pages out with fonts, which needs a GUI application.
    // It never shows a window, so it runs on the offscreen platform and works
    // without a display; every other command stays a console application.
    std::unique_ptr<QCoreApplication> application;
    if (argc > 1 && std::strcmp(argv[1], "report") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& app = *application;
    QCoreApplication::setOrganizationName(QStringLiteral("Nerka"));
    QCoreApplication::setApplicationName(QStringLiteral("Nerka"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NERKA_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    nerka::cli::CliContext context{app.arguments().mid(1), out, err, isatty(STDERR_FILENO) == 1};
    return nerka::cli::runCli(context);
}
