// `nerka-cli ports --doctor` as a process, and the hint a connection failure
// that the doctor can explain leaves on standard error.

#include "CliProcess.h"
#include "sim/PseudoTerminal.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

class DoctorCli : public ::testing::Test {
protected:
    test::CliOutput run(const QStringList& args) {
        return test::runCli(args, test::isolatedEnvironment(home));
    }
    QTemporaryDir home;
};

} // namespace

TEST_F(DoctorCli, ReportLooksAtTheGivenPortAndEndsWithTheCount) {
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.open().ok());
    const test::CliOutput r = run({QStringLiteral("ports"), QStringLiteral("--doctor"),
                                   QStringLiteral("--port"), terminal.slavePath()});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    EXPECT_TRUE(r.out.contains(terminal.slavePath()));
    EXPECT_TRUE(r.out.contains(QStringLiteral("ModemManager")));
    EXPECT_TRUE(r.out.contains(
        QRegularExpression(QStringLiteral("\n\n(No problem|\\d+ problems?) found\\.\n$"))));
    // Every line is a tagged finding, its indented fix, or the closing count.
    const QRegularExpression shape(QStringLiteral(
        "^(\\[(ok|note|problem)\\] +\\S.*| {10}Fix: .*|(No problem|\\d+ problems?) found\\.)$"));
    for (const QString& line : r.outLines())
        EXPECT_TRUE(shape.match(line).hasMatch()) << line.toStdString();
}

TEST_F(DoctorCli, FailedOpenPrintsTheErrorThenAOneLineHint) {
    const QString missing = home.filePath(QStringLiteral("ttyGone"));
    const test::CliOutput r = run({QStringLiteral("info"), QStringLiteral("--port"), missing});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringLiteral(
                         "\u2022 Error: Could not open serial port: No such file or directory\n"));
    EXPECT_EQ(r.err, QStringLiteral("Could not open serial port: No such file or directory\n"
                                    "Hint: run 'nerka-cli ports --doctor --port %1' to find out "
                                    "why and how to fix it.\n")
                         .arg(missing));
}

TEST_F(DoctorCli, PortOptionBelongsToTheDoctor) {
    EXPECT_EQ(
        run({QStringLiteral("ports"), QStringLiteral("--port"), QStringLiteral("/dev/x")}).exitCode,
        2);
    EXPECT_EQ(run({QStringLiteral("ports"), QStringLiteral("--doctor"), QStringLiteral("--all")})
                  .exitCode,
              2);
}
