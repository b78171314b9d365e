#include "ui/window/PreferencesWindow.h"

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"
#include "ui/window/WindowLanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QVBoxLayout>

namespace nerka {

namespace {

QCheckBox* addToggle(QVBoxLayout* layout, const QString& label, const QString& note) {
    auto* toggle = new QCheckBox(label);
    toggle->setAccessibleName(label);
    auto* noteLabel = new QLabel(note);
    noteLabel->setWordWrap(true);
    noteLabel->setContentsMargins(24, 0, 0, 6);
    QFont small = noteLabel->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    noteLabel->setFont(small);
    layout->addWidget(toggle);
    layout->addWidget(noteLabel);
    toggle->setAccessibleDescription(note);
    return toggle;
}

} // namespace

PreferencesWindow::PreferencesWindow(RadioController& controller, QWidget* parent)
    : QWidget(parent, Qt::Window), m_controller(controller) {
    setWindowTitle(tr("Preferences"));
    setAccessibleName(tr("Preferences"));

    auto* connection = new QGroupBox(tr("Connection"));
    auto* connectionLayout = new QVBoxLayout(connection);
    m_autoConnect = addToggle(connectionLayout, tr("Auto-connect on launch"),
                              tr("On launch, tries to reconnect to the last used device "
                                 "with exponential backoff (max. 30 s)."));
    m_autoRead = addToggle(connectionLayout, tr("Load codeplug after auto-connect"),
                           tr("Reads the codeplug automatically — but only if no "
                              "codeplug is loaded and there are no unsaved changes."));

    QGroupBox* ports = buildPortsBox();

    auto* writing = new QGroupBox(tr("Writing"));
    auto* writingLayout = new QVBoxLayout(writing);
    m_writeWholeRegions =
        addToggle(writingLayout, tr("Write whole regions (slower, for troubleshooting)"),
                  tr("By default a write sends only the blocks that changed since the "
                     "radio's codeplug was read."));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(connection);
    layout->addWidget(ports);
    layout->addWidget(writing);
    layout->addWidget(buildLanguageBox());
    layout->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* closeButton = buttons->button(QDialogButtonBox::Close);
    closeButton->setText(tr("Close"));
    closeButton->setAccessibleName(tr("Close"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    layout->addWidget(buttons);

    connectToggles();
    // The remembered port changes whenever a connection succeeds.
    QObject::connect(&controller, &RadioController::firmwareChanged, this,
                     &PreferencesWindow::reload);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    QObject::connect(close, &QShortcut::activated, this, &QWidget::close);
    reload();
}

QGroupBox* PreferencesWindow::buildPortsBox() {
    auto* ports = new QGroupBox(tr("Ports"));
    auto* portsLayout = new QVBoxLayout(ports);
    m_showAllPorts = addToggle(portsLayout, tr("Show all serial ports"),
                               tr("By default only OpenGD77 devices (USB 1FC9:0094) "
                                  "are shown."));
    auto* form = new QFormLayout;
    m_rememberedPort = new QLineEdit;
    m_rememberedPort->setReadOnly(true);
    m_rememberedPort->setAccessibleName(tr("Remembered port"));
    // Room for a whole device path ("/dev/serial/by-id/usb-…-if00").
    m_rememberedPort->setMinimumWidth(m_rememberedPort->fontMetrics().averageCharWidth() * 48);
    form->addRow(tr("Remembered port"), m_rememberedPort);
    portsLayout->addLayout(form);
    m_forget = new QPushButton(tr("Forget remembered port"));
    m_forget->setAccessibleName(m_forget->text());
    portsLayout->addWidget(m_forget, 0, Qt::AlignLeft);
    return ports;
}

QGroupBox* PreferencesWindow::buildLanguageBox() {
    const QString title = tr("Language");
    auto* box = new QGroupBox(title);
    auto* boxLayout = new QVBoxLayout(box);
    m_language = new QComboBox;
    m_language->setAccessibleName(title);
    // Each language is named in itself, so it can be found in any of them.
    m_language->addItem(tr("System"), static_cast<int>(LanguagePreference::system));
    m_language->addItem(QStringLiteral("English"), static_cast<int>(LanguagePreference::english));
    m_language->addItem(QStringLiteral("Deutsch"), static_cast<int>(LanguagePreference::german));
    const QString note = tr("Applies the next time Nerka starts.");
    auto* noteLabel = new QLabel(note);
    noteLabel->setWordWrap(true);
    m_language->setAccessibleDescription(note);
    auto* row = new QHBoxLayout;
    row->addWidget(m_language);
    row->addWidget(noteLabel, 1);
    boxLayout->addLayout(row);
    QObject::connect(m_language, &QComboBox::activated, this, [this] {
        if (QSettings* store = m_controller.preferences().store())
            storeLanguagePreference(
                *store, static_cast<LanguagePreference>(m_language->currentData().toInt()));
    });
    return box;
}

void PreferencesWindow::connectToggles() {
    Preferences& prefs = m_controller.preferences();
    QObject::connect(m_autoConnect, &QCheckBox::toggled, this,
                     [&prefs](bool on) { prefs.setAutoConnect(on); });
    QObject::connect(m_autoRead, &QCheckBox::toggled, this,
                     [&prefs](bool on) { prefs.setAutoRead(on); });
    QObject::connect(m_showAllPorts, &QCheckBox::toggled, this, [this, &prefs](bool on) {
        if (prefs.showAllPorts() == on)
            return;
        prefs.setShowAllPorts(on);
        // The port list follows the choice at once.
        m_controller.refreshPorts();
    });
    QObject::connect(m_writeWholeRegions, &QCheckBox::toggled, this,
                     [&prefs](bool on) { prefs.setWriteWholeRegions(on); });
    QObject::connect(m_forget, &QPushButton::clicked, this, [this, &prefs] {
        // Empty text, not a removed key: the next launch still looks for a
        // radio but can no longer match the old path.
        prefs.setLastPortPath(QString());
        reload();
    });
}

void PreferencesWindow::reload() {
    const Preferences& prefs = m_controller.preferences();
    const QSignalBlocker a(m_autoConnect), b(m_autoRead), c(m_showAllPorts), d(m_writeWholeRegions);
    m_autoConnect->setChecked(prefs.autoConnect());
    m_autoRead->setChecked(prefs.autoRead());
    m_showAllPorts->setChecked(prefs.showAllPorts());
    m_writeWholeRegions->setChecked(prefs.writeWholeRegions());
    m_rememberedPort->setText(prefs.lastPortPath());
    m_forget->setEnabled(!prefs.lastPortPath().isEmpty());
    if (const QSettings* store = prefs.store())
        m_language->setCurrentIndex(
            m_language->findData(static_cast<int>(storedLanguagePreference(*store))));
}

void PreferencesWindow::showEvent(QShowEvent* event) {
    reload();
    // The first time it opens, over the middle of the main window rather
    // than at the screen's corner; after that where the user left it.
    if (!m_placed) {
        m_placed = true;
        centreOnWindow(this, parentWidget());
    }
    QWidget::showEvent(event);
}

} // namespace nerka
