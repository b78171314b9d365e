#include "cli/ControllerSession.h"

#include "controller/FileStore.h"
#include "controller/PrintableText.h"
#include "controller/RadioController.h"
#include "link/DeviceDoctor.h"
#include "sim/RadioSimulator.h"
#include "sim/SampleCodeplug.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>

namespace nerka::cli {

namespace {

constexpr int kProgressBarWidth = 40;

const QCommandLineOption& portOption() {
    static const QCommandLineOption option(QStringLiteral("port"),
                                           QStringLiteral("Serial device of the radio."),
                                           QStringLiteral("PATH"));
    return option;
}

const QCommandLineOption& demoOption() {
    static const QCommandLineOption option(
        QStringLiteral("demo"),
        QStringLiteral("Use a built-in stand-in radio with a sample codeplug."));
    return option;
}

const QCommandLineOption& demoTypeOption() {
    static const QCommandLineOption option(
        QStringLiteral("demo-type"),
        QStringLiteral("Radio type of the stand-in (0-4 GD-77 family, 5-10 UV380 family)."),
        QStringLiteral("N"));
    return option;
}

} // namespace

void addRadioOptions(QCommandLineParser& parser) {
    parser.addOption(portOption());
    parser.addOption(demoOption());
    parser.addOption(demoTypeOption());
}

std::optional<int> readRadioOptions(CliContext& context, const CliCommand& command,
                                    const QCommandLineParser& parser, RadioOptions& options) {
    options.port = parser.value(portOption());
    options.demo = parser.isSet(demoOption());
    if (parser.isSet(portOption()) && options.port.isEmpty())
        return usageError(context, command, QStringLiteral("--port needs a path"));
    if (options.demo && parser.isSet(portOption()))
        return usageError(context, command,
                          QStringLiteral("--demo cannot be combined with --port"));
    if (parser.isSet(demoTypeOption())) {
        if (!options.demo)
            return usageError(context, command, QStringLiteral("--demo-type needs --demo"));
        bool ok = false;
        const uint type = parser.value(demoTypeOption()).toUInt(&ok);
        if (!ok)
            return usageError(context, command, QStringLiteral("--demo-type needs a number"));
        options.demoType = type;
    }
    return std::nullopt;
}

ControllerSession::ControllerSession(CliContext& context, RadioOptions options)
    : m_context(context), m_options(std::move(options)) {
    if (m_options.demo) {
        // The demo's stand-in lives in a temporary folder that is gone after
        // the run; remembering it would spoil the user's remembered radio.
        m_demoDir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<QSettings>(
            m_demoDir->filePath(QStringLiteral("preferences.ini")), QSettings::IniFormat);
    } else {
        m_settings = std::make_unique<QSettings>(QStringLiteral("Nerka"), QStringLiteral("Nerka"));
    }
    m_controller = std::make_unique<RadioController>(m_settings.get());
    if (m_demoDir)
        // Backups of the demo's stand-in go with it, not among the user's radios.
        m_controller->backups().setFolder(m_demoDir->filePath(QStringLiteral("backups")));
    const ActivityLog& log = m_controller->activityLog();
    QObject::connect(&log, &ActivityLog::lineAppended, m_controller.get(),
                     [this](const QString& line) { printLine(line); });
    // Every error report (after its line) also goes to standard error, as the
    // log shows it.
    QObject::connect(&log, &ActivityLog::errorRecorded, m_controller.get(),
                     [this](const QString& text) { printError(printableText(text)); });
    QObject::connect(m_controller.get(), &RadioController::finished, m_controller.get(),
                     [this](const OperationResult& result) { m_results.append(result); });
    if (m_context.errIsTerminal)
        QObject::connect(m_controller.get(), &RadioController::progressChanged, m_controller.get(),
                         [this] { showProgress(m_controller->progress()); });
    QObject::connect(m_controller.get(), &RadioController::writeStepsChanged, m_controller.get(),
                     [this] { printWriteSteps(); });
}

void ControllerSession::printWriteSteps() {
    const WriteSteps& steps = m_controller->writeSteps();
    for (std::size_t i = 0; i < WriteSteps::kSteps.size(); ++i) {
        const WriteStep step = WriteSteps::kSteps[i];
        const WriteStepState state = steps.state(step);
        // A new write starts every step afresh; waiting and skipped steps
        // say nothing until they run.
        if (state == m_stepsShown[i])
            continue;
        m_stepsShown[i] = state;
        if (state == WriteStepState::waiting || state == WriteStepState::skipped)
            continue;
        QString line = WriteSteps::name(step) + QStringLiteral(": ") + WriteSteps::stateText(state);
        if (!steps.detail(step).isEmpty())
            line += QStringLiteral(" — ") + steps.detail(step);
        endProgress();
        m_context.err << printableText(line) << '\n';
        m_context.err.flush();
    }
}

ControllerSession::~ControllerSession() {
    endProgress();
    m_controller.reset();
    m_simulator.reset();
}

void ControllerSession::printLine(const QString& line) {
    endProgress();
    m_context.out << line << '\n';
    m_context.out.flush();
}

void ControllerSession::printError(const QString& text) {
    endProgress();
    m_context.err << text << '\n';
    m_context.err.flush();
}

void ControllerSession::showProgress(double fraction) {
    if (!m_controller->status().isWorking())
        return;
    const int percent = std::clamp(int(fraction * 100.0), 0, 100);
    if (percent == m_progressShown)
        return;
    m_progressShown = percent;
    const int filled = percent * kProgressBarWidth / 100;
    m_context.err << '\r' << '[' << QString(filled, QLatin1Char('#'))
                  << QString(kProgressBarWidth - filled, QLatin1Char(' ')) << "] "
                  << QString::number(percent).rightJustified(3) << '%';
    // During a write the bar names the step it measures.
    const WriteSteps& steps = m_controller->writeSteps();
    if (const WriteStep* step = steps.active() ? steps.running() : nullptr)
        m_context.err << ' ' << WriteSteps::name(*step).leftJustified(6);
    m_context.err.flush();
}

void ControllerSession::endProgress() {
    if (m_progressShown < 0)
        return;
    // The bar is transient: its line is blanked, so log lines never mix
    // with it; the next progress step draws it again.
    m_progressShown = -1;
    m_context.err << '\r' << QString(kProgressBarWidth + 15, QLatin1Char(' ')) << '\r';
    m_context.err.flush();
}

void ControllerSession::waitUntil(const std::function<bool()>& done) {
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void ControllerSession::finish() {
    RadioController& c = *m_controller;
    waitUntil([&] { return !c.status().isWorking(); });
    // Once this marker comes back every result posted by the operation has
    // been delivered.
    bool settled = false;
    c.afterQueuedWork([&settled] { settled = true; });
    waitUntil([&] { return settled; });
    endProgress();
}

OperationResult ControllerSession::run(DeviceOperation operation,
                                       const std::function<void()>& start) {
    // Results of operations before this one are not its result.
    m_resultsTaken = m_results.size();
    start();
    return waitFor(operation);
}

OperationResult ControllerSession::waitFor(DeviceOperation operation) {
    const auto ended = [&]() -> std::optional<OperationResult> {
        for (qsizetype i = m_resultsTaken; i < m_results.size(); ++i) {
            if (m_results[i].operation == operation) {
                m_resultsTaken = i + 1;
                return m_results[i];
            }
        }
        return std::nullopt;
    };
    std::optional<OperationResult> result;
    waitUntil([&] { return (result = ended()).has_value(); });
    finish();
    return *result;
}

bool ControllerSession::checkOutput(const QString& path) {
    const auto refusal = FileStore::targetRefusal(path);
    if (!refusal)
        return true;
    m_controller->activityLog().appendError(*refusal);
    finish();
    return false;
}

bool ControllerSession::startDemo() {
    m_simulator = std::make_unique<RadioSimulator>();
    m_simulator->setRadioType(m_options.demoType);
    if (auto loaded = m_simulator->loadCodeplug(sampleCodeplug(m_simulator->variant())); !loaded) {
        m_controller->activityLog().appendError(loaded.error());
        return false;
    }
    if (auto started = m_simulator->start(); !started) {
        m_controller->activityLog().appendError(started.error());
        return false;
    }
    SerialDevice device;
    device.path = m_simulator->devicePath();
    device.name = QStringLiteral("Nerka demo radio");
    device.vendorID = SerialDevice::kOpenGD77VendorID;
    device.productID = SerialDevice::kOpenGD77ProductID;
    m_controller->registerDevice(device);
    m_controller->refreshPorts();
    m_controller->selectPort(device);
    return true;
}

bool ControllerSession::connect() {
    RadioController& c = *m_controller;
    if (m_options.demo) {
        if (!startDemo()) {
            finish();
            return false;
        }
    } else if (!m_options.port.isEmpty()) {
        // Any path is accepted; one that discovery does not list (a
        // pseudo-terminal, say) joins the list as a device of its own.
        c.refreshPorts();
        const QList<SerialDevice> listed = c.ports();
        auto it = std::find_if(listed.begin(), listed.end(),
                               [&](const SerialDevice& d) { return d.path == m_options.port; });
        SerialDevice device;
        if (it != listed.end()) {
            device = *it;
        } else {
            device.path = m_options.port;
            device.name = QFileInfo(m_options.port).fileName();
            c.registerDevice(device);
            c.refreshPorts();
        }
        c.selectPort(device);
    } else {
        c.refreshPorts();
        c.selectPort(c.automaticPortChoice(c.ports()));
    }
    const OperationResult result = run(DeviceOperation::connect, [&c] { c.connectRadio(false); });
    const bool connected = result.ok() && c.hasInterface() && c.status().isConnected();
    // A port refused or held, or no radio at all: the doctor can say why.
    if (!connected && !m_options.demo && result.linkError &&
        DeviceDoctor::explains(*result.linkError)) {
        m_context.err << "Hint: run 'nerka-cli ports --doctor"
                      << (m_options.port.isEmpty() ? QString() : " --port " + m_options.port)
                      << "' to find out why and how to fix it.\n";
        m_context.err.flush();
    }
    return connected;
}

} // namespace nerka::cli
