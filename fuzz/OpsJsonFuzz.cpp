// The operations file of `nerka-cli edit`: the input is the JSON file, run
// in-process against a sample codeplug exactly as the command line runs it.
// No input may crash, hang or corrupt the saved file's format.

#include "cli/CliCommand.h"
#include "codeplug/CodeplugFile.h"
#include "sim/SampleCodeplug.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdlib>

namespace {

struct Setup {
    int argc = 1;
    char name[8] = "opsfuzz";
    char* argv[2] = {name, nullptr};
    QTemporaryDir dir;
    std::unique_ptr<QCoreApplication> app;
    QString codeplug;
    QString ops;
    QString out;

    Setup() {
        // The command's preferences go to the temporary folder, not the user's.
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        app = std::make_unique<QCoreApplication>(argc, argv);
        codeplug = dir.filePath(QStringLiteral("in.nerka"));
        ops = dir.filePath(QStringLiteral("ops.json"));
        out = dir.filePath(QStringLiteral("out.nerka"));
        QFile file(codeplug);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(
                nerka::encodeCodeplugFile(nerka::sampleCodeplug(nerka::RadioVariant::gd77))) < 0)
            std::abort();
    }
};

Setup& setup() {
    static Setup s;
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nerka;
    Setup& s = setup();
    {
        QFile file(s.ops);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QFile::remove(s.out);
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    cli::CliContext context{{QStringLiteral("edit"), s.codeplug, QStringLiteral("--ops"), s.ops,
                             QStringLiteral("-o"), s.out},
                            out,
                            err,
                            false};
    (void)cli::runCli(context);

    // Whatever was saved is a codeplug file that reads back.
    QFile saved(s.out);
    if (saved.open(QIODevice::ReadOnly) &&
        !std::holds_alternative<CodeplugImage>(decodeCodeplugFile(saved.readAll())))
        std::abort();
    return 0;
}
