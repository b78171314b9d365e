#include "ui/editors/DMRDatabaseView.h"

#include "controller/RadioController.h"
#include "dmrdb/DMRFlashFormat.h"
#include "dmrdb/DMRPrefixNames.h"
#include "link/RadioType.h"
#include "ui/editors/DMRFiguresWorker.h"
#include "ui/editors/DMRPreviewModel.h"
#include "ui/editors/FlowLayout.h"
#include "ui/kit/Dialogs.h"
#include "ui/kit/Icons.h"
#include "ui/rules/DMRDatabaseFigures.h"
#include "ui/rules/ShownNumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace nerka {

namespace {

QPushButton* command(const QString& label, const QString& symbol, QWidget* parent) {
    auto* button = new QPushButton(Icons::icon(symbol), label, parent);
    button->setAccessibleName(label);
    return button;
}

QLabel* figure(QFormLayout* form, const QString& label, QWidget* parent) {
    auto* value = new QLabel(parent);
    value->setObjectName(label);
    value->setAccessibleName(label);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    form->addRow(label, value);
    return value;
}

QComboBox* picker(QFormLayout* form, const QString& label, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setAccessibleName(label);
    form->addRow(label, box);
    return box;
}

bool hasEntries(const std::optional<DMRUserDatabase>& database) {
    return database && !database->entries.isEmpty();
}

} // namespace

DMRDatabaseView::DMRDatabaseView(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_controller(controller), m_dialogs(dialogs) {
    setAccessibleName(tr("DMR Database"));
    m_worker = new DMRFiguresWorker(this);
    m_selection = m_controller.preferences().dmrSelection();
    const QString host = WebServices::hostName(controller.tuning().dmrIdServiceUrl);
    auto* layout = new QVBoxLayout(this);
    buildCommands(layout, host);
    buildProgressRow(layout);
    buildFigures(layout);
    buildWarning(layout);
    buildSelection(layout);
    buildBody(layout, host);
    connectSignals();
    const auto& database = m_controller.dmrUserDB();
    m_textLength = database ? clampDMRTextLength(database->textLength)
                            : DMRDatabaseFigures::kDefaultTextLength;
    refreshFromDatabase();
    refreshProgress();
}

void DMRDatabaseView::buildCommands(QVBoxLayout* layout, const QString& host) {
    // The commands wrap onto a second line in a narrow window rather than
    // holding the whole window at the width of all five.
    auto* commands = new FlowLayout;
    m_import = command(tr("Import CSV\u2026"), QStringLiteral("square.and.arrow.down"), this);
    m_download =
        command(DMRDatabaseFigures::downloadLabel(host), QStringLiteral("arrow.down.circle"), this);
    m_read =
        command(tr("Read from device"), QStringLiteral("square.and.arrow.down.on.square"), this);
    m_export = command(tr("Export CSV\u2026"), QStringLiteral("square.and.arrow.up"), this);
    m_write = command(tr("Write to device"), QStringLiteral("arrow.up.doc"), this);
    for (QPushButton* button : {m_import, m_download, m_read, m_export, m_write})
        commands->addWidget(button);
    layout->addLayout(commands);

    connectCommands();
}

void DMRDatabaseView::connectCommands() {
    connect(m_import, &QPushButton::clicked, this, &DMRDatabaseView::importCsv);
    connect(m_download, &QPushButton::clicked, this, [this] {
        m_controller.downloadDMRDatabase();
        // One download at a time: the command stays off until it completes.
        refreshCommands();
    });
    connect(m_read, &QPushButton::clicked, &m_controller,
            &RadioController::readDMRDatabaseFromDevice);
    connect(m_export, &QPushButton::clicked, this, &DMRDatabaseView::exportCsv);
    connect(m_write, &QPushButton::clicked, this, &DMRDatabaseView::writeToDevice);
}

void DMRDatabaseView::buildProgressRow(QVBoxLayout* layout) {
    auto* progressRow = new QHBoxLayout;
    m_progressText = new QLabel(this);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(tr("Progress"));
    // The row keeps its room while hidden, so a transfer starting or ending
    // does not push the screen below it down and up again.
    for (QWidget* part :
         {static_cast<QWidget*>(m_progressText), static_cast<QWidget*>(m_progress)}) {
        QSizePolicy policy = part->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        part->setSizePolicy(policy);
    }
    progressRow->addWidget(m_progressText);
    progressRow->addWidget(m_progress, 1);
    layout->addLayout(progressRow);
}

void DMRDatabaseView::buildFigures(QVBoxLayout* layout) {
    // The figures and the choices stand side by side with a clear gap, and
    // the choices move under the figures when the pane is too narrow.
    auto* columns = new FlowLayout(2 * fontMetrics().height());
    auto* figuresBlock = new QWidget(this);
    auto* figures = new QFormLayout(figuresBlock);
    figures->setContentsMargins(0, 0, 0, 0);
    m_onDevice = figure(figures, tr("On device"), figuresBlock);
    m_imported = figure(figures, tr("Imported"), figuresBlock);
    m_capacity = figure(figures, tr("Capacity"), figuresBlock);
    columns->addWidget(figuresBlock);
    auto* settingsBlock = new QWidget(this);
    auto* settings = new QFormLayout(settingsBlock);
    settings->setContentsMargins(0, 0, 0, 0);
    m_format = picker(settings, tr("Format"), settingsBlock);
    for (DMRDBFormat format : {DMRDBFormat::compressed, DMRDBFormat::uncompressed})
        m_format->addItem(DMRDatabaseFigures::formatLabel(format), int(format));
    m_nameFormat = picker(settings, tr("Name shown"), settingsBlock);
    for (DMRNameFormat format : {DMRNameFormat::firstName, DMRNameFormat::fullName})
        m_nameFormat->addItem(DMRDatabaseFigures::nameFormatLabel(format), int(format));
    m_textLengthPicker = picker(settings, tr("Text length"), settingsBlock);
    columns->addWidget(settingsBlock);
    // Figure rows as tall as the picker rows, so each figure lines up with
    // the choice beside it, and wide enough for eight digits, so the choices
    // do not shift sideways when a figure grows.
    const int figureWidth = fontMetrics().horizontalAdvance(QStringLiteral("~00000000"));
    for (QLabel* value : {m_onDevice, m_imported, m_capacity}) {
        value->setMinimumHeight(m_format->sizeHint().height());
        value->setMinimumWidth(figureWidth);
    }
    layout->addLayout(columns);
}

void DMRDatabaseView::buildWarning(QVBoxLayout* layout) {
    m_warningRow = new QWidget(this);
    auto* warningLayout = new QHBoxLayout(m_warningRow);
    warningLayout->setContentsMargins(0, 0, 0, 0);
    auto* warningIcon = new QLabel(m_warningRow);
    warningIcon->setPixmap(Icons::icon(QStringLiteral("exclamationmark.triangle.fill")).pixmap(16));
    m_warning = new QLabel(m_warningRow);
    m_warning->setWordWrap(true);
    warningLayout->addWidget(warningIcon, 0, Qt::AlignTop);
    warningLayout->addWidget(m_warning, 1);
    layout->addWidget(m_warningRow);
}

void DMRDatabaseView::buildSelection(QVBoxLayout* layout) {
    // The selection: which entries go to the radio when not all fit.
    auto* selection = new QFormLayout;
    m_prefixes = new QLineEdit(this);
    m_prefixes->setAccessibleName(tr("Preferred prefixes"));
    m_prefixes->setPlaceholderText(tr("e.g. 262, 263, 232 or Germany, Austria"));
    m_prefixes->setToolTip(
        tr("DMR ID prefixes in priority order. Their entries are written first; a prefix that does "
           "not fit whole keeps its lowest IDs."));
    m_prefixes->setText(m_selection.prefixes.join(QStringLiteral(", ")));
    selection->addRow(tr("Preferred prefixes"), m_prefixes);
    m_prefixesRead = new QLabel(this);
    m_prefixesRead->setAccessibleName(tr("Prefixes read"));
    m_prefixesRead->setWordWrap(true);
    m_prefixesRead->setText(
        DMRDatabaseFigures::prefixListText(DMRPrefixNames::parse(m_prefixes->text())));
    selection->addRow(QString(), m_prefixesRead);
    m_fillRest = new QCheckBox(tr("Fill the rest of the radio"), this);
    m_fillRest->setAccessibleName(m_fillRest->text());
    m_fillRest->setChecked(m_selection.fillRest);
    selection->addRow(QString(), m_fillRest);
    m_selectionFigures = figure(selection, tr("Selection"), this);
    m_selectionFigures->setWordWrap(true);
    m_cutPrefixes = new QLabel(this);
    m_cutPrefixes->setAccessibleName(tr("Cut prefixes"));
    m_cutPrefixes->setWordWrap(true);
    m_cutPrefixes->setVisible(false);
    selection->addRow(QString(), m_cutPrefixes);
    layout->addLayout(selection);
}

void DMRDatabaseView::buildBody(QVBoxLayout* layout, const QString& host) {
    m_body = new QStackedWidget(this);
    auto* empty = new QWidget(m_body);
    auto* emptyLayout = new QVBoxLayout(empty);
    emptyLayout->addStretch(1);
    auto* emptyIcon = new QLabel(empty);
    emptyIcon->setPixmap(Icons::icon(QStringLiteral("person.text.rectangle")).pixmap(48));
    emptyIcon->setAlignment(Qt::AlignCenter);
    auto* emptyTitle = new QLabel(tr("No DMR database loaded"), empty);
    emptyTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont = emptyTitle->font();
    titleFont.setBold(true);
    emptyTitle->setFont(titleFont);
    auto* emptyText = new QLabel(DMRDatabaseFigures::emptyText(host), empty);
    emptyText->setAlignment(Qt::AlignCenter);
    emptyText->setWordWrap(true);
    emptyLayout->addWidget(emptyIcon);
    emptyLayout->addWidget(emptyTitle);
    emptyLayout->addWidget(emptyText);
    emptyLayout->addStretch(1);
    m_body->addWidget(empty);

    auto* preview = new QWidget(m_body);
    auto* previewLayout = new QVBoxLayout(preview);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    m_search = new QLineEdit(preview);
    m_search->setAccessibleName(tr("Search"));
    m_search->setPlaceholderText(tr("Search by ID, callsign or name"));
    m_search->setToolTip(m_search->placeholderText());
    previewLayout->addWidget(m_search);
    m_model = new DMRPreviewModel(this);
    m_table = new QTableView(preview);
    m_table->setTabKeyNavigation(false); // Tab leaves the table; arrows move within
    m_table->setAccessibleName(tr("Preview"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // Fixed row heights: the table never measures its rows' contents.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // As high as the rows of the other tables (a line of text and a margin).
    m_table->verticalHeader()->setDefaultSectionSize(
        std::max(m_table->fontMetrics().height(), m_table->iconSize().height()) + 8);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Headings over their columns' left-aligned text, not centred over it.
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->setColumnWidth(DMRPreviewModel::idColumn, 110);
    m_shownNote = new QLabel(preview);
    previewLayout->addWidget(m_table, 1);
    previewLayout->addWidget(m_shownNote);
    m_body->addWidget(preview);
    layout->addWidget(m_body, 1);
}

void DMRDatabaseView::connectSignals() {
    connect(m_format, &QComboBox::currentIndexChanged, this, &DMRDatabaseView::formatChosen);
    connect(m_nameFormat, &QComboBox::currentIndexChanged, this,
            &DMRDatabaseView::nameFormatChosen);
    connect(m_textLengthPicker, &QComboBox::currentIndexChanged, this,
            &DMRDatabaseView::textLengthChosen);

    connect(m_prefixes, &QLineEdit::editingFinished, this, &DMRDatabaseView::storeSelection);
    connect(m_prefixes, &QLineEdit::textChanged, this, &DMRDatabaseView::prefixesEdited);
    connect(m_fillRest, &QCheckBox::toggled, this, &DMRDatabaseView::fillRestToggled);
    connect(m_search, &QLineEdit::textChanged, this, &DMRDatabaseView::searchEdited);
    connect(m_worker, &DMRFiguresWorker::outcomeReady, this, &DMRDatabaseView::outcomeReady);
    connect(m_worker, &DMRFiguresWorker::searchReady, this, &DMRDatabaseView::searchReady);

    connect(&m_controller, &RadioController::dmrUserDBChanged, this,
            &DMRDatabaseView::refreshFromDatabase);
    connect(&m_controller, &RadioController::dmrDBOnDeviceCountChanged, this,
            &DMRDatabaseView::refreshFigures);
    connect(&m_controller, &RadioController::firmwareChanged, this,
            &DMRDatabaseView::refreshFigures);
    connect(&m_controller, &RadioController::statusChanged, this, [this] {
        refreshCommands();
        refreshProgress();
    });
    connect(&m_controller, &RadioController::progressChanged, this,
            &DMRDatabaseView::refreshProgress);
    // An import ends with a new database or with an error report.
    connect(&m_controller.activityLog(), &ActivityLog::errorRecorded, this, [this] {
        if (m_importing) {
            m_importing = false;
            refreshProgress();
        }
    });
}

DMRDatabaseView::~DMRDatabaseView() {
    storeSelection();
}

void DMRDatabaseView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const auto& database = m_controller.dmrUserDB();
    m_textLength = database ? clampDMRTextLength(database->textLength)
                            : DMRDatabaseFigures::kDefaultTextLength;
    fillTextLengthChoices();
    refreshFigures();
    if (!m_controller.status().isDisconnected())
        m_controller.refreshDMRDatabaseOnDeviceCount();
}

void DMRDatabaseView::refreshFromDatabase() {
    if (m_importing) {
        m_importing = false;
        refreshProgress();
    }
    const auto& database = m_controller.dmrUserDB();
    // The screen stores its text length into the database whenever the user
    // changes it, so a database that arrives from elsewhere (a device read)
    // brings the length its records were written with.
    if (database)
        m_textLength = clampDMRTextLength(database->textLength);
    m_updatingPickers = true;
    const DMRDBFormat format = database ? database->format : currentFormat();
    const DMRNameFormat nameFormat = database ? database->nameFormat : currentNameFormat();
    m_format->setCurrentIndex(m_format->findData(int(format)));
    m_nameFormat->setCurrentIndex(m_nameFormat->findData(int(nameFormat)));
    m_updatingPickers = false;
    fillTextLengthChoices();

    m_body->setCurrentIndex(hasEntries(database) ? 1 : 0);
    // A search stays on a new list: its matches replace the old ones when
    // they are found.
    if (hasEntries(database) && !m_search->text().trimmed().isEmpty())
        searchEdited();
    else
        showBrowseRows();
    refreshFigures();
    refreshCommands();
}

DMRDBFormat DMRDatabaseView::currentFormat() const {
    return DMRDBFormat(m_format->currentData().toInt());
}

DMRNameFormat DMRDatabaseView::currentNameFormat() const {
    return DMRNameFormat(m_nameFormat->currentData().toInt());
}

void DMRDatabaseView::fillTextLengthChoices() {
    m_updatingPickers = true;
    m_textLengthPicker->clear();
    for (int length : DMRDatabaseFigures::textLengthChoices(m_textLength))
        m_textLengthPicker->addItem(QString::number(length), length);
    m_textLengthPicker->setCurrentIndex(m_textLengthPicker->findData(m_textLength));
    m_updatingPickers = false;
}

std::optional<RadioVariant> DMRDatabaseView::family() const {
    const auto& firmware = m_controller.firmware();
    if (!firmware)
        return std::nullopt;
    return radioVariant(firmware->radioType);
}

void DMRDatabaseView::refreshFigures() {
    const auto& onDevice = m_controller.dmrDBOnDeviceCount();
    showFigure(m_onDevice, tr("On device"), onDevice ? shownNumber(*onDevice) : QString());
    const auto& database = m_controller.dmrUserDB();
    const qsizetype imported = database ? database->entries.size() : 0;
    showFigure(m_imported, tr("Imported"), shownNumber(imported));
    const DMRDBFormat format = currentFormat();
    // What fits depends on the radio: with none identified (disconnected, or
    // rebooting after a write) no capacity is claimed and nothing is said to
    // fit or not.
    const qsizetype capacity = DMRDatabaseFigures::capacity(family(), format, m_textLength);
    showFigure(m_capacity, tr("Capacity"),
               family() ? DMRDatabaseFigures::capacityText(capacity) : QString());
    const auto warning = family() ? DMRDatabaseFigures::overCapacityWarning(
                                        imported, capacity, format, !m_selection.isEmpty())
                                  : std::nullopt;
    m_warning->setText(warning.value_or(QString()));
    m_warningRow->setVisible(warning.has_value());
    requestOutcome();
}

void DMRDatabaseView::showFigure(QLabel* value, const QString& caption, const QString& text) {
    // An unknown figure shows a dash; assistive technology hears the caption
    // with the figure ("Capacity: ~37135"), or that it is not known.
    value->setText(text.isEmpty() ? QStringLiteral("\u2014") : text);
    value->setAccessibleName(caption + QStringLiteral(": ") +
                             (text.isEmpty() ? tr("not known") : text));
}

qsizetype DMRDatabaseView::currentCapacity() const {
    return DMRDatabaseFigures::capacity(family(), currentFormat(), m_textLength);
}

void DMRDatabaseView::prefixesEdited() {
    const DMRPrefixNames::Parsed parsed = DMRPrefixNames::parse(m_prefixes->text());
    m_prefixesRead->setText(DMRDatabaseFigures::prefixListText(parsed));
    if (parsed.prefixes == m_selection.prefixes)
        return;
    m_selection.prefixes = parsed.prefixes;
    selectionChanged();
}

void DMRDatabaseView::fillRestToggled() {
    m_selection.fillRest = m_fillRest->isChecked();
    selectionChanged();
}

void DMRDatabaseView::selectionChanged() {
    // Stored when the field is left or the pane is: the preference store
    // writes its file after each change, too slow for every keystroke.
    m_selectionUnsaved = true;
    refreshFigures();
}

void DMRDatabaseView::storeSelection() {
    if (!m_selectionUnsaved)
        return;
    m_selectionUnsaved = false;
    m_controller.preferences().setDMRSelection(m_selection);
}

void DMRDatabaseView::hideEvent(QHideEvent* event) {
    storeSelection();
    QWidget::hideEvent(event);
}

void DMRDatabaseView::requestOutcome() {
    const auto& database = m_controller.dmrUserDB();
    if (!hasEntries(database)) {
        m_outcome.reset();
        showFigure(m_selectionFigures, tr("Selection"), QString());
        m_cutPrefixes->setVisible(false);
        return;
    }
    // Counted on the worker: a million entries are sorted once per list,
    // then each edit costs microseconds there and nothing here.
    m_worker->requestOutcome(database->entries, currentCapacity(), m_selection);
}

void DMRDatabaseView::outcomeReady(const DMRSelectionOutcome& outcome) {
    m_outcome = outcome;
    showFigure(m_selectionFigures, tr("Selection"), DMRDatabaseFigures::selectionText(outcome));
    const QString cut = DMRDatabaseFigures::cutText(outcome);
    m_cutPrefixes->setText(cut);
    m_cutPrefixes->setVisible(!cut.isEmpty());
    if (m_askWhenCounted) {
        m_askWhenCounted = false;
        askToWrite();
    }
}

void DMRDatabaseView::searchEdited() {
    const auto& database = m_controller.dmrUserDB();
    if (m_search->text().trimmed().isEmpty() || !hasEntries(database)) {
        showBrowseRows();
        return;
    }
    m_worker->requestSearch(database->entries, m_search->text(), DMRDatabaseFigures::kSearchRows);
}

void DMRDatabaseView::searchReady(const DMRUserEntryList& entries, const QString& query,
                                  const DMRUserSearch::Result& result) {
    // A result for a text since cleared or changed is not shown.
    if (query != m_search->text())
        return;
    m_model->setMatches(entries, currentNameFormat(), result.rows);
    m_shownNote->setText(DMRDatabaseFigures::matchesText(result.rows.size(), result.total));
    m_shownNote->setVisible(true);
}

void DMRDatabaseView::showBrowseRows() {
    const auto& database = m_controller.dmrUserDB();
    if (hasEntries(database))
        m_model->setEntries(database->entries, database->nameFormat);
    else
        m_model->setEntries({}, currentNameFormat());
    m_shownNote->setText(DMRDatabaseFigures::shownText(m_model->total()));
    m_shownNote->setVisible(!m_shownNote->text().isEmpty());
}

void DMRDatabaseView::refreshCommands() {
    const ControllerStatus& status = m_controller.status();
    const bool entries = hasEntries(m_controller.dmrUserDB());
    m_download->setEnabled(!m_controller.dmrDownloadRunning());
    m_read->setEnabled(status.isConnected());
    m_export->setEnabled(entries);
    m_write->setEnabled(entries && status.isConnected());
}

void DMRDatabaseView::refreshProgress() {
    const ControllerStatus& status = m_controller.status();
    const bool working = status.isWorking();
    // A file import changes neither status nor progress; while it is parsed
    // on the queue the pane shows a busy bar of its own.
    const bool busy = working || m_importing;
    m_progressText->setText(working ? status.text : tr("Importing DMR IDs\u2026"));
    m_progressText->setVisible(busy);
    m_progress->setVisible(busy);
    if (working) {
        m_progress->setRange(0, 1000);
        m_progress->setValue(int(m_controller.progress() * 1000.0));
    } else {
        m_progress->setRange(0, 0);
    }
}

void DMRDatabaseView::storeOptions() {
    m_controller.setDMRDatabaseOptions(currentNameFormat(), currentFormat(), m_textLength);
}

void DMRDatabaseView::formatChosen() {
    if (m_updatingPickers)
        return;
    storeOptions();
    refreshFigures();
}

void DMRDatabaseView::nameFormatChosen() {
    if (m_updatingPickers)
        return;
    storeOptions();
}

void DMRDatabaseView::textLengthChosen() {
    if (m_updatingPickers || m_textLengthPicker->currentIndex() < 0)
        return;
    m_textLength = m_textLengthPicker->currentData().toInt();
    storeOptions();
    refreshFigures();
}

void DMRDatabaseView::importCsv() {
    m_dialogs.openFile(this, tr("Import DMR IDs from CSV"),
                       {tr("CSV files (*.csv *.txt)"), tr("All files (*)")},
                       [this](const QString& path) {
                           m_importing = true;
                           refreshProgress();
                           m_controller.importDMRDatabase(path);
                       });
}

void DMRDatabaseView::exportCsv() {
    m_dialogs.saveFile(this, tr("Export DMR IDs to CSV"), {tr("CSV files (*.csv)")},
                       QStringLiteral("dmr_ids.csv"),
                       [this](const QString& path) { m_controller.exportDMRDatabase(path); });
}

void DMRDatabaseView::writeToDevice() {
    const auto& database = m_controller.dmrUserDB();
    if (!m_selection.isEmpty() && hasEntries(database)) {
        // The question names what the selection takes: asked when the
        // figures of the latest edit are in.
        if (m_worker->outcomePending() || !m_outcome)
            m_askWhenCounted = true;
        else
            askToWrite();
        return;
    }
    const qsizetype count = database ? database->entries.size() : 0;
    m_dialogs.confirm(this, tr("Write DMR database to the device?"),
                      DMRDatabaseFigures::writeMessage(count, currentCapacity()), tr("Write"),
                      tr("Abbrechen"), [this] { m_controller.writeDMRDatabase(); });
}

void DMRDatabaseView::askToWrite() {
    m_dialogs.confirm(
        this, tr("Write DMR database to the device?"), DMRDatabaseFigures::writeMessage(*m_outcome),
        tr("Write"), tr("Abbrechen"),
        [this, selection = m_selection] { m_controller.writeDMRDatabase(selection); });
}

} // namespace nerka
