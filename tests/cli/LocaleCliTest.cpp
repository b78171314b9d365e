// nerka-cli's output is a contract with scripts: a German desktop session
// (LANG=de_DE.UTF-8, LC_ALL unset) changes none of it, nor the files it writes.
// The shared libraries mark their texts for translation; only the window
// installs translators, so the command line keeps the source texts.

#include "CliProcess.h"
#include "codeplug/CodeplugFile.h"
#include "sim/SampleCodeplug.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

QProcessEnvironment localeEnvironment(const QTemporaryDir& home, bool german) {
    QProcessEnvironment env = test::isolatedEnvironment(home);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE", "LANG"})
        env.remove(QString::fromLatin1(name));
    if (german) {
        env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    } else {
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    }
    return env;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

class LocaleCliTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Runs `args` in the C locale and in German; the exit code, both streams
    // and every file in `written` must be the same byte for byte.
    void expectSameInGerman(const QStringList& args, const QStringList& written = {}) {
        const std::string command = args.join(QLatin1Char(' ')).toStdString();
        const test::CliOutput plain = test::runCli(args, localeEnvironment(home, false));
        QList<QByteArray> plainFiles;
        for (const QString& name : written)
            plainFiles.append(fileBytes(path(name)));
        const test::CliOutput german = test::runCli(args, localeEnvironment(home, true));
        EXPECT_NE(plain.exitCode, -1) << command;
        EXPECT_EQ(german.exitCode, plain.exitCode) << command;
        EXPECT_EQ(german.out.toStdString(), plain.out.toStdString()) << command;
        EXPECT_EQ(german.err.toStdString(), plain.err.toStdString()) << command;
        for (qsizetype i = 0; i < written.size(); ++i)
            EXPECT_EQ(fileBytes(path(written[i])), plainFiles[i]) << written[i].toStdString();
    }

    QTemporaryDir dir;
    QTemporaryDir home;
};

} // namespace

TEST_F(LocaleCliTest, GermanLocaleChangesNoOutputOfTheCommandLine) {
    write(QStringLiteral("gd77.nerka"), encodeCodeplugFile(sampleCodeplug(RadioVariant::gd77)));
    write(QStringLiteral("uv380.nerka"), encodeCodeplugFile(sampleCodeplug(RadioVariant::uv380)));
    // Edits whose log lines, refusals and skipped rows come from the
    // controller's and the codeplug's texts, in the C locale and in German.
    write(QStringLiteral("rows.csv"), "Repeater;145.600;145.000;FM\nBroken;abc;;FM\n");
    write(QStringLiteral("ops.json"), R"([
        {"op": "createChannel"},
        {"op": "updateChannel", "number": 3, "edit": {"name": "Local", "rxHz": 145500000,
                                                      "colorCode": 3, "txTone": {"ctcss": 885}}},
        {"op": "updateChannel", "number": 1, "edit": {"rxHz": "145.5"}},
        {"op": "importChannels", "csv": ")" +
                                          path(QStringLiteral("rows.csv")).toUtf8() + R"("},
        {"op": "importTheme", "kind": "day", "path": "/nonexistent.gtm"},
        {"op": "deleteChannels", "numbers": [2]},
        {"op": "writeSettings", "call": "DL1ABC", "vhfMin": 144, "vhfMax": 146,
                                "uhfMin": 430, "uhfMax": 440}
    ])");
    write(QStringLiteral("contacts.csv"), "Name,DMR-ID,Type\nHamburg,4711,Group\n,12,Group\n"
                                          "Far,99999999,Private\n");

    const QString gd77 = path(QStringLiteral("gd77.nerka"));
    expectSameInGerman({QStringLiteral("dump"), gd77});
    expectSameInGerman({QStringLiteral("dump"), gd77, QStringLiteral("--json")});
    expectSameInGerman({QStringLiteral("report"), gd77});
    expectSameInGerman({QStringLiteral("edit"), gd77, QStringLiteral("--ops"),
                        path(QStringLiteral("ops.json")), QStringLiteral("-o"),
                        path(QStringLiteral("edited.nerka"))},
                       {QStringLiteral("edited.nerka")});
    expectSameInGerman({QStringLiteral("diff"), gd77, path(QStringLiteral("edited.nerka"))});
    expectSameInGerman({QStringLiteral("diff"), gd77, path(QStringLiteral("uv380.nerka"))});
    expectSameInGerman({QStringLiteral("export-csv"), gd77, QStringLiteral("-o"),
                        path(QStringLiteral("channels.csv"))},
                       {QStringLiteral("channels.csv")});
    expectSameInGerman({QStringLiteral("export-csv"), QStringLiteral("--format"),
                        QStringLiteral("repeater-list"), gd77, QStringLiteral("-o"),
                        path(QStringLiteral("list.csv"))},
                       {QStringLiteral("list.csv")});
    expectSameInGerman({QStringLiteral("import-csv"), gd77, QStringLiteral("--contacts"),
                        path(QStringLiteral("contacts.csv")), QStringLiteral("-o"),
                        path(QStringLiteral("imported.nerka"))},
                       {QStringLiteral("imported.nerka")});
    expectSameInGerman({QStringLiteral("dump"), path(QStringLiteral("missing.nerka"))});
    expectSameInGerman({QStringLiteral("ports"), QStringLiteral("--doctor")});
}
