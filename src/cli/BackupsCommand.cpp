#include "cli/CliCommand.h"

#include "controller/CodeplugBackups.h"

#include <QDir>

namespace nerka::cli {

namespace {

int runBackups(CliContext& context);

const CliCommand kBackups{"backups", "[--radio SERIAL]",
                          "list the automatic backups taken before writes: path, radio, date",
                          &runBackups};
const CliRegistration kBackupsRegistration{kBackups};

// "0x4A7C21E0" or "4A7C21E0", as `info` prints the flash serial.
std::optional<std::uint32_t> parseSerial(QString text) {
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        text = text.mid(2);
    if (text.isEmpty() || text.size() > 8)
        return std::nullopt;
    bool ok = false;
    const std::uint32_t serial = text.toUInt(&ok, 16);
    return ok ? std::optional<std::uint32_t>(serial) : std::nullopt;
}

int runBackups(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption radio(QStringLiteral("radio"),
                                   QStringLiteral("Only the backups of the radio with this flash "
                                                  "serial (as `info` prints it)."),
                                   QStringLiteral("SERIAL"));
    parser.addOption(radio);
    if (auto code = parseArguments(context, kBackups, parser, 0, 0))
        return *code;
    std::optional<std::uint32_t> serial;
    if (parser.isSet(radio)) {
        serial = parseSerial(parser.value(radio));
        if (!serial)
            return usageError(
                context, kBackups,
                QStringLiteral("--radio needs a flash serial in hex, like 0x4A7C21E0"));
    }
    const CodeplugBackups backups;
    for (const CodeplugBackup& backup : backups.list(serial))
        context.out << QDir::toNativeSeparators(backup.path) << '\t' << backup.model << ' '
                    << QString::asprintf("0x%08X", backup.flashSerial) << '\t'
                    << backup.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << '\n';
    context.out.flush();
    if (context.out.status() != QTextStream::Ok) {
        context.err << "nerka-cli: backups: cannot write to standard output\n";
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

} // namespace nerka::cli
