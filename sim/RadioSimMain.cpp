// nerka-radio-sim: serves one stand-in radio on a pseudo-terminal until
// SIGINT or SIGTERM. Prints the device path (a stable symbolic link that
// survives the radio's reboots) as its first line.

#include "codeplug/CodeplugFile.h"
#include "sim/RadioSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <optional>

using namespace nerka;

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "nerka-radio-sim: %s\n", qPrintable(message));
    return 2;
}

std::optional<QByteArray> readFile(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + QStringLiteral(": ") + file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

// The command-line options, in the order --help lists them.
struct SimOptions {
    QCommandLineOption type{QStringLiteral("type"),
                            QStringLiteral("Raw radio type (0–4 GD-77 family, 5–10 UV380)."),
                            QStringLiteral("N"), QStringLiteral("0")};
    QCommandLineOption codeplug{QStringLiteral("codeplug"),
                                QStringLiteral("Codeplug file to place in memory."),
                                QStringLiteral("FILE")};
    QCommandLineOption eeprom{QStringLiteral("eeprom"),
                              QStringLiteral("Raw EEPROM image, placed at address 0."),
                              QStringLiteral("FILE")};
    QCommandLineOption flash{QStringLiteral("flash"),
                             QStringLiteral("Raw flash image, placed at address 0."),
                             QStringLiteral("FILE")};
    QCommandLineOption link{
        QStringLiteral("link"),
        QStringLiteral("Path of the device link (default: a new temporary folder)."),
        QStringLiteral("PATH")};
    QCommandLineOption revision{QStringLiteral("firmware"),
                                QStringLiteral("Firmware revision to report."),
                                QStringLiteral("TEXT")};
    QCommandLineOption rebootDelay{
        QStringLiteral("reboot-delay"),
        QStringLiteral("Milliseconds the radio stays away when it reboots."), QStringLiteral("MS")};
};

// Radio type, firmware revision and reboot delay; why not, when an option is wrong.
std::optional<QString> configureRadio(RadioSimulator& radio, const QCommandLineParser& parser,
                                      const SimOptions& options) {
    bool ok = false;
    const uint rawType = parser.value(options.type).toUInt(&ok);
    if (!ok)
        return QStringLiteral("--type needs a number");
    if (parser.isSet(options.codeplug) &&
        (parser.isSet(options.eeprom) || parser.isSet(options.flash)))
        return QStringLiteral("--codeplug cannot be combined with --eeprom or --flash");
    radio.setRadioType(rawType);
    if (parser.isSet(options.revision))
        radio.setFirmwareRevision(parser.value(options.revision));
    if (parser.isSet(options.rebootDelay)) {
        const int delayMs = parser.value(options.rebootDelay).toInt(&ok);
        if (!ok || delayMs < 0)
            return QStringLiteral("--reboot-delay needs a number of milliseconds");
        radio.setRebootDelayMs(delayMs);
    }
    return std::nullopt;
}

// The codeplug file or the raw memory images; why not, when one cannot be placed.
std::optional<QString> loadMemory(RadioSimulator& radio, const QCommandLineParser& parser,
                                  const SimOptions& options) {
    QString error;
    if (parser.isSet(options.codeplug)) {
        auto bytes = readFile(parser.value(options.codeplug), error);
        if (!bytes)
            return error;
        auto decoded = decodeCodeplugFile(*bytes);
        if (auto* e = std::get_if<CodeplugError>(&decoded))
            return e->description();
        const CodeplugImage& image = std::get<CodeplugImage>(decoded);
        if (image.variant && *image.variant != radio.variant())
            return QStringLiteral("the codeplug is for the %1 family, the radio type is %2")
                .arg(QLatin1String(variantKey(*image.variant)),
                     QLatin1String(variantKey(radio.variant())));
        if (auto loaded = radio.loadCodeplug(image); !loaded)
            return loaded.error();
    }
    for (const auto& [option, bank] :
         {std::pair{&options.eeprom, Bank::eeprom}, {&options.flash, Bank::flash}}) {
        if (!parser.isSet(*option))
            continue;
        auto bytes = readFile(parser.value(*option), error);
        if (!bytes)
            return error;
        if (!radio.setMemory(bank, 0, *bytes))
            return parser.value(*option) + QStringLiteral(" is larger than the radio's ") +
                   QLatin1String(bankKey(bank));
    }
    return std::nullopt;
}

// Serves the radio at `link` until SIGINT or SIGTERM.
int serveUntilStopped(RadioSimulator& radio, const QString& link) {
    // Block the stop signals before the serving thread starts, so that only
    // sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    if (auto started = radio.start(link); !started)
        return fail(started.error());
    std::printf("%s\n", qPrintable(radio.devicePath()));
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    radio.stop();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nerka-radio-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Stand-in for an OpenGD77 radio on a pseudo-terminal."));
    parser.addHelpOption();
    const SimOptions options;
    parser.addOptions({options.type, options.codeplug, options.eeprom, options.flash, options.link,
                       options.revision, options.rebootDelay});
    parser.process(app);

    RadioSimulator radio;
    if (auto error = configureRadio(radio, parser, options))
        return fail(*error);
    if (auto error = loadMemory(radio, parser, options))
        return fail(*error);
    return serveUntilStopped(radio, parser.value(options.link));
}
