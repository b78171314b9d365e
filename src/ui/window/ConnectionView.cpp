#include "ui/window/ConnectionView.h"

#include "controller/RadioController.h"
#include "link/DeviceDoctor.h"
#include "ui/kit/Icons.h"
#include "ui/views/PortListModel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThreadPool>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace nerka {

namespace {

// One doctor at a time in the process: gathering the system view walks the
// group database with getgrent(), which is not safe to run twice at once.
// The pool belongs to the application object, which waits for a running
// look before it goes.
QThreadPool& doctorThread() {
    static QPointer<QThreadPool> pool;
    if (!pool) {
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setMaxThreadCount(1);
    }
    return *pool;
}

QLabel* addDeviceRow(QFormLayout* form, const QString& label) {
    auto* value = new QLabel;
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setAccessibleDescription(label);
    form->addRow(label, value);
    return value;
}

} // namespace

QString ConnectionView::protocolText(const FirmwareInfo& firmware) {
    return radioVariant(firmware.radioType) == RadioVariant::uv380 ? tr("UV380 (STM32, 'X')")
                                                                   : tr("GD77 (MK22, 'W')");
}

QString ConnectionView::flashSerialText(std::uint32_t serial) {
    return QString::asprintf("0x%08X", unsigned(serial));
}

ConnectionView::ConnectionView(RadioController& controller, QWidget* parent)
    : QWidget(parent), m_controller(controller) {
    auto* heading = new QLabel(tr("Connection"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(buildPortForm());
    // Below the form rather than in it: a form row keeps a wrapped text at the
    // height it needs at its narrowest, far taller than the text.
    m_advice = new QLabel;
    m_advice->setWordWrap(true);
    m_advice->setTextFormat(Qt::PlainText);
    m_advice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_advice->setFrameShape(QFrame::StyledPanel);
    m_advice->setMargin(6);
    m_advice->hide();
    layout->addWidget(m_advice);
    layout->addWidget(buildDeviceBlock());
    layout->addStretch();
    setTabOrder(m_ports, m_refresh);
    setTabOrder(m_refresh, m_connect);

    connectController();
    showSelectedPort();
    refresh();
    // A sheet opened while no radio is listed explains it at once; in the
    // window, the first port discovery replaces this answer.
    if (m_controller.ports().isEmpty())
        requestAdvice([] { return DeviceDoctor::adviceWithoutRadio(); }, true);
}

QFormLayout* ConnectionView::buildPortForm() {
    m_portModel = new PortListModel(m_controller, this);
    m_ports = new QComboBox;
    m_ports->setModel(m_portModel);
    m_ports->setAccessibleName(tr("Port"));
    m_ports->setMinimumContentsLength(24);
    m_refresh = new QToolButton;
    m_refresh->setIcon(Icons::icon(QStringLiteral("arrow.clockwise")));
    m_refresh->setToolTip(tr("Refresh ports"));
    m_refresh->setAccessibleName(tr("Refresh ports"));
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(m_ports, 1);
    portRow->addWidget(m_refresh);
    m_noDevice = new QLabel(tr("No device found"));

    m_connect = new QPushButton(tr("Connect"));
    m_connect->setDefault(true);
    m_hint = new QLabel(hintText());
    m_hint->setWordWrap(true);
    m_state = new QLabel;
    m_progress = new QLabel;

    auto* form = new QFormLayout;
    auto* portLabel = new QLabel(tr("Port"));
    portLabel->setBuddy(m_ports);
    form->addRow(portLabel, portRow);
    form->addRow(QString(), m_noDevice);
    auto* connectRow = new QHBoxLayout;
    connectRow->addWidget(m_connect);
    connectRow->addWidget(m_state);
    connectRow->addWidget(m_progress);
    connectRow->addStretch();
    form->addRow(QString(), connectRow);
    form->addRow(QString(), m_hint);
    return form;
}

QGroupBox* ConnectionView::buildDeviceBlock() {
    m_device = new QGroupBox(tr("Device"));
    auto* deviceForm = new QFormLayout(m_device);
    m_model = addDeviceRow(deviceForm, tr("Model"));
    m_firmware = addDeviceRow(deviceForm, tr("Firmware"));
    m_build = addDeviceRow(deviceForm, tr("Build"));
    m_protocol = addDeviceRow(deviceForm, tr("Protocol"));
    m_flashSerial = addDeviceRow(deviceForm, tr("Flash serial no."));
    return m_device;
}

void ConnectionView::connectController() {
    RadioController& controller = m_controller;
    QObject::connect(m_refresh, &QToolButton::clicked, &controller, &RadioController::refreshPorts);
    QObject::connect(m_connect, &QPushButton::clicked, this, &ConnectionView::connectOrDisconnect);
    QObject::connect(m_ports, &QComboBox::activated, this, &ConnectionView::portChosen);
    for (auto signal : {&SessionFrame::statusChanged, &SessionFrame::firmwareChanged,
                        &SessionFrame::progressChanged, &SessionFrame::portsChanged})
        QObject::connect(&controller, signal, this, &ConnectionView::refresh);
    QObject::connect(&controller, &RadioController::writeStepsChanged, this,
                     &ConnectionView::refresh);
    // The model (connected first) has the new list; the picker shows the
    // selection in it again.
    QObject::connect(&controller, &RadioController::portsChanged, this,
                     &ConnectionView::showSelectedPort);
    QObject::connect(&controller, &RadioController::selectedPortChanged, this,
                     &ConnectionView::showSelectedPort);
    // A device operation that failed on the port (connecting or a transfer)
    // may be the doctor's to explain; its error kind says whether.
    QObject::connect(
        &controller, &RadioController::finished, this, [this](const OperationResult& result) {
            if (!result.linkError || !DeviceDoctor::explains(*result.linkError))
                return;
            const auto& port = m_controller.selectedPort();
            const QString path = port ? port->path : QString();
            const LinkErrorKind kind = *result.linkError;
            requestAdvice([path, kind] { return DeviceDoctor::adviceOnFailure(path, kind); },
                          false);
        });
    QObject::connect(&controller, &RadioController::portsChanged, this, [this] {
        if (m_controller.ports().isEmpty())
            requestAdvice([] { return DeviceDoctor::adviceWithoutRadio(); }, true);
        else if (m_adviceWithoutRadio)
            clearAdvice();
    });
    QObject::connect(&controller, &RadioController::statusChanged, this, [this] {
        if (m_controller.status().isConnected())
            clearAdvice();
    });
}

QString ConnectionView::hintText() {
    return tr("The device must be switched on and connected via USB.");
}

void ConnectionView::requestAdvice(std::function<QString()> diagnose, bool withoutRadio) {
    const quint64 request = ++m_adviceRequest;
    m_adviceWithoutRadio = withoutRadio;
    QPointer<ConnectionView> view(this);
    doctorThread().start([view, request, diagnose = std::move(diagnose)] {
        const QString advice = diagnose();
        // Posted to the application object, which outlives every view; the
        // guard drops the answer when the view has gone meanwhile.
        QCoreApplication* app = QCoreApplication::instance();
        if (!app)
            return; // the program is ending
        QMetaObject::invokeMethod(
            app,
            [view, request, advice] {
                if (view)
                    view->showAdvice(request, advice);
            },
            Qt::QueuedConnection);
    });
}

void ConnectionView::showAdvice(quint64 request, const QString& advice) {
    if (request != m_adviceRequest)
        return; // a newer request or a connection came since
    m_advice->setText(advice);
    m_advice->setVisible(!advice.isEmpty());
}

void ConnectionView::clearAdvice() {
    ++m_adviceRequest;
    m_adviceWithoutRadio = false;
    m_advice->clear();
    m_advice->hide();
}

void ConnectionView::refresh() {
    const RadioController::Status& status = m_controller.status();
    const auto& firmware = m_controller.firmware();
    m_noDevice->setVisible(m_controller.ports().isEmpty());
    m_connect->setText(status.isDisconnected() ? tr("Connect") : tr("Disconnect"));
    m_connect->setAccessibleName(m_connect->text());
    // A write owns the connection until it is verified: through the reboot
    // and the reconnect that follows it.
    m_connect->setEnabled(!m_controller.writeSteps().active() &&
                          (!status.isDisconnected() || m_controller.selectedPort().has_value()));
    m_ports->setEnabled(status.isDisconnected());
    m_state->setText(firmware && !status.isDisconnected() ? tr("Connected") : tr("Disconnected"));
    // How to attach a radio matters only while none is.
    m_hint->setVisible(status.isDisconnected());
    m_device->setVisible(firmware.has_value());
    if (firmware) {
        m_model->setText(radioTypeDisplayName(firmware->radioType));
        m_firmware->setText(firmware->firmwareRevision);
        m_build->setText(firmware->buildDate);
        m_protocol->setText(protocolText(*firmware));
        m_flashSerial->setText(flashSerialText(firmware->flashChipSerial));
    }
    const bool transfer = status.isWorking() && m_controller.hasInterface();
    m_progress->setVisible(transfer);
    m_progress->setText(QString::number(int(std::floor(m_controller.progress() * 100.0))) +
                        QStringLiteral(" %"));
}

void ConnectionView::showSelectedPort() {
    const auto& selected = m_controller.selectedPort();
    const int row = selected ? m_portModel->rowOf(selected->path) : -1;
    const QSignalBlocker block(m_ports);
    m_ports->setCurrentIndex(row);
    refresh();
}

void ConnectionView::portChosen(int row) {
    const QList<SerialDevice>& ports = m_portModel->ports();
    if (row >= 0 && row < ports.size())
        m_controller.selectPort(ports[row]);
}

void ConnectionView::connectOrDisconnect() {
    if (m_controller.status().isDisconnected()) {
        // The picker may show a port the user arrowed to without activating.
        portChosen(m_ports->currentIndex());
        m_controller.connectRadio(false);
    } else if (onDisconnect) {
        onDisconnect();
    } else {
        m_controller.disconnectRadio();
    }
}

QDialog* ConnectionView::openSheet(RadioController& controller, QWidget* window) {
    auto* sheet = new QDialog(window);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowTitle(tr("Connection"));
    sheet->setAccessibleName(tr("Connection"));
    auto* view = new ConnectionView(controller, sheet);
    auto* buttons = new QDialogButtonBox;
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setAccessibleName(close->text());
    QObject::connect(buttons, &QDialogButtonBox::rejected, sheet, &QDialog::reject);
    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(view);
    layout->addWidget(buttons);
    // The sheet grows with its content: the Device block appears only once
    // connected, and a sheet sized before that squeezed its rows and clipped
    // their letters.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    sheet->setMinimumWidth(440);
    sheet->open();
    return sheet;
}

} // namespace nerka
