#pragma once

// Runs the built nerka-cli (NERKA_CLI_PATH) as a process and collects what it
// left behind.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace nerka::test {

struct CliOutput {
    int exitCode = -1; // -1 when the process crashed or did not finish
    QString out;
    QString err;
    [[nodiscard]] QStringList outLines() const {
        return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

// The system environment with HOME, XDG_CONFIG_HOME and XDG_DATA_HOME inside
// `home`, so the program's preferences and backups stay in the test's own folder.
inline QProcessEnvironment isolatedEnvironment(const QTemporaryDir& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("HOME"), home.path());
    return env;
}

// Runs nerka-cli with `args` in `env` and waits at most `timeoutMs` for it to end.
inline CliOutput runCli(const QStringList& args,
                        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                        int timeoutMs = 60000) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(NERKA_CLI_PATH), args);
    EXPECT_TRUE(process.waitForFinished(timeoutMs)) << args.join(QLatin1Char(' ')).toStdString();
    CliOutput output;
    output.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    output.out = QString::fromUtf8(process.readAllStandardOutput());
    output.err = QString::fromUtf8(process.readAllStandardError());
    return output;
}

} // namespace nerka::test
