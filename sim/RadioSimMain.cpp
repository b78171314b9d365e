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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nerka-radio-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Stand-in for an OpenGD77 radio on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption type(QStringLiteral("type"),
                                  QStringLiteral("Raw radio type (0–4 GD-77 family, 5–10 UV380)."),
                                  QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption codeplug(QStringLiteral("codeplug"),
                                      QStringLiteral("Codeplug file to place in memory."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption eeprom(QStringLiteral("eeprom"),
                                    QStringLiteral("Raw EEPROM image, placed at address 0."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption flash(QStringLiteral("flash"),
                                   QStringLiteral("Raw flash image, placed at address 0."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption link(
        QStringLiteral("link"),
        QStringLiteral("Path of the device link (default: a new temporary folder)."),
        QStringLiteral("PATH"));
    const QCommandLineOption revision(QStringLiteral("firmware"),
                                      QStringLiteral("Firmware revision to report."),
                                      QStringLiteral("TEXT"));
    const QCommandLineOption rebootDelay(
        QStringLiteral("reboot-delay"),
        QStringLiteral("Milliseconds the radio stays away when it reboots."), QStringLiteral("MS"));
    parser.addOptions({type, codeplug, eeprom, flash, link, revision, rebootDelay});
    parser.process(app);

    bool ok = false;
    const uint rawType = parser.value(type).toUInt(&ok);
    if (!ok)
        return fail(QStringLiteral("--type needs a number"));
    if (parser.isSet(codeplug) && (parser.isSet(eeprom) || parser.isSet(flash)))
        return fail(QStringLiteral("--codeplug cannot be combined with --eeprom or --flash"));

    RadioSimulator radio;
    radio.setRadioType(rawType);
    if (parser.isSet(revision))
        radio.setFirmwareRevision(parser.value(revision));
    if (parser.isSet(rebootDelay)) {
        const int delayMs = parser.value(rebootDelay).toInt(&ok);
        if (!ok || delayMs < 0)
            return fail(QStringLiteral("--reboot-delay needs a number of milliseconds"));
        radio.setRebootDelayMs(delayMs);
    }

    QString error;
    if (parser.isSet(codeplug)) {
        auto bytes = readFile(parser.value(codeplug), error);
        if (!bytes)
            return fail(error);
        auto decoded = decodeCodeplugFile(*bytes);
        if (auto* e = std::get_if<CodeplugError>(&decoded))
            return fail(e->description());
        const CodeplugImage& image = std::get<CodeplugImage>(decoded);
        if (image.variant && *image.variant != radio.variant())
            return fail(QStringLiteral("the codeplug is for the %1 family, the radio type is %2")
                            .arg(QLatin1String(variantKey(*image.variant)),
                                 QLatin1String(variantKey(radio.variant()))));
        if (auto loaded = radio.loadCodeplug(image); !loaded)
            return fail(loaded.error());
    }
    for (const auto& [option, bank] : {std::pair{&eeprom, Bank::eeprom}, {&flash, Bank::flash}}) {
        if (!parser.isSet(*option))
            continue;
        auto bytes = readFile(parser.value(*option), error);
        if (!bytes)
            return fail(error);
        if (!radio.setMemory(bank, 0, *bytes))
            return fail(parser.value(*option) + QStringLiteral(" is larger than the radio's ") +
                        QLatin1String(bankKey(bank)));
    }

    // Block the stop signals before the serving thread starts, so that only
    // sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    if (auto started = radio.start(parser.value(link)); !started)
        return fail(started.error());
    std::printf("%s\n", qPrintable(radio.devicePath()));
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    radio.stop();
    return 0;
}
