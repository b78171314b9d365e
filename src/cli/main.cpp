#include "cli/CliCommand.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Nerka"));
    QCoreApplication::setApplicationName(QStringLiteral("Nerka"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NERKA_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    nerka::cli::CliContext context{app.arguments().mid(1), out, err, isatty(STDERR_FILENO) == 1};
    return nerka::cli::runCli(context);
}
