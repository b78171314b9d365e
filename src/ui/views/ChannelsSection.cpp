#include "ui/views/ChannelsSection.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelIntake.h"
#include "codeplug/ChannelPresets.h"
#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"
#include "ui/kit/Icons.h"
#include "ui/kit/PopupMenu.h"
#include "ui/kit/StayOpenMenu.h"
#include "ui/rules/ChannelClipboard.h"
#include "ui/rules/FillSeries.h"
#include "ui/views/ChannelCellDelegate.h"
#include "ui/views/ChannelTableModel.h"
#include "ui/views/RecordRoles.h"
#include "ui/views/SearchProxyModel.h"
#include "ui/views/ZoneMembershipMenu.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>
#include <numeric>

namespace nerka {

namespace {

// The preference that remembers the visible columns, by header text.
const QString kColumnsKey = QStringLiteral("channelTableColumns");

// The name a column is remembered by: its label as written, whatever the
// window's language, so the choice survives a change of language.
QString storedColumnName(int column) {
    if (const auto field = ChannelTableModel::fieldOf(column))
        return channelField(*field).label;
    return QStringLiteral("Details");
}
// How long the status bar shows why a cell entry was refused.
constexpr int kCellProblemShownMs = 10'000;
// The widest a column grows to fit its contents, in average characters: a
// long list of zone names scrolls within its cell rather than push every
// other column out of view.
constexpr int kChannelColumnMostChars = 40;

} // namespace

ChannelsSection::ChannelsSection(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : ListSection(controller, dialogs, parent) {
    m_model = new ChannelTableModel(controller, this);
    m_table = new QTableView;
    m_table->setAccessibleName(tr("Channels"));
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);

    buildCommands();
    buildTableCommands();
    new ZoneMembershipMenu(
        controller, [this] { return selectedChannelNumbers(); }, this);
    setUpList(m_model, m_table, tr("Search channels"), tr("channels"), true);
    buildCellEditing();
    buildColumns();
    // New, imported and restored channels are selected and scrolled to.
    connect(&controller.document(), &CodeplugDocument::recordsChanged, this,
            [this](const ChangeSet& changes) {
                if (!m_pasting && !changes.replaced && !changes.channels.added.isEmpty())
                    selectChannels(changes.channels.added);
            });
}

void ChannelsSection::buildCommands() {
    m_new = addToolAction(tr("New"), QStringLiteral("plus"));
    m_edit = addToolAction(tr("Edit"), QStringLiteral("pencil"));
    m_moveUp = addToolAction(tr("Move up"), QStringLiteral("arrow.up"), tr("Move selection up"));
    m_moveDown =
        addToolAction(tr("Move down"), QStringLiteral("arrow.down"), tr("Move selection down"));
    m_delete =
        addToolAction(tr("Delete (0)"), QStringLiteral("trash"), tr("Delete selected channels"));
    connect(m_new, &QAction::triggered, this, [this] {
        if (canEdit())
            Q_EMIT newRequested();
    });
    connect(m_edit, &QAction::triggered, this, &ChannelsSection::editSelection);
    connect(m_moveUp, &QAction::triggered, this, [this] { moveSelection(-1); });
    connect(m_moveDown, &QAction::triggered, this, [this] { moveSelection(+1); });
    connect(m_delete, &QAction::triggered, this, &ChannelsSection::deleteSelection);
    m_renumber = new QAction(tr("Renumber in this order"), this);
    m_exportAllFields = new QAction(tr("Export to CSV (all fields)\u2026"), this);
    connect(m_exportAllFields, &QAction::triggered, this, &ChannelsSection::exportAllFields);
    connect(m_renumber, &QAction::triggered, this, &ChannelsSection::renumberInViewOrder);

    m_importMenu = new QMenu(this);
    const auto addPreset = [this](const QString& label, QList<ChannelEdit> (*preset)()) {
        QAction* action = m_importMenu->addAction(label);
        connect(action, &QAction::triggered, this, [this, preset] {
            if (canEdit())
                (void)this->controller().document().importChannels(preset());
        });
    };
    addPreset(tr("PMR446 (16 channels)"), &pmr446Preset);
    addPreset(tr("dPMR446 (16 channels)"), &dpmr446Preset);
    addPreset(tr("Freenet (6 channels)"), &freenetPreset);
    m_importMenu->addSeparator();
    connect(m_importMenu->addAction(tr("From CSV file…")), &QAction::triggered, this,
            &ChannelsSection::importCsv);
    connect(m_importMenu->addAction(tr("Add repeaters…")), &QAction::triggered, this, [this] {
        if (canEdit())
            Q_EMIT addRepeatersRequested();
    });
    m_import = addToolAction(tr("Import"), QStringLiteral("square.and.arrow.down.on.square"),
                             tr("Import channels"));
    if (auto* button = qobject_cast<QToolButton*>(sectionToolBar()->widgetForAction(m_import)))
        attachPopupMenu(button, m_importMenu);
    m_export = addToolAction(tr("Export channels\u2026"), QStringLiteral("square.and.arrow.up"));
    connect(m_export, &QAction::triggered, this, &ChannelsSection::exportCsv);
}

void ChannelsSection::buildTableCommands() {
    m_duplicate = new QAction(tr("Duplicate"), this);
    // The clipboard commands work on the table while it has the focus.
    const auto tableAction = [this](const QString& label, QKeySequence::StandardKey key) {
        auto* action = new QAction(label, this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_table->addAction(action);
        return action;
    };
    m_cut = tableAction(tr("Cut"), QKeySequence::Cut);
    m_copy = tableAction(tr("Copy"), QKeySequence::Copy);
    m_paste = tableAction(tr("Paste"), QKeySequence::Paste);
    m_selectAll = tableAction(tr("Select all"), QKeySequence::SelectAll);
    m_fillDown = new QAction(tr("Fill down"), this);
    m_fillDown->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_fillDown->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(m_fillDown);
    connect(m_fillDown, &QAction::triggered, this, &ChannelsSection::fillDown);
    m_contextDelete = new QAction(Icons::icon(QStringLiteral("trash")), tr("Delete"), this);
    m_contextEdit = new QAction(Icons::icon(QStringLiteral("pencil")), tr("Edit"), this);

    connect(m_contextEdit, &QAction::triggered, this, &ChannelsSection::editSelection);
    connect(m_contextDelete, &QAction::triggered, this, &ChannelsSection::deleteSelection);
    connect(m_duplicate, &QAction::triggered, this, &ChannelsSection::duplicateCurrent);
    connect(m_copy, &QAction::triggered, this, &ChannelsSection::copySelection);
    connect(m_cut, &QAction::triggered, this, &ChannelsSection::cutSelection);
    connect(m_paste, &QAction::triggered, this, &ChannelsSection::paste);
    connect(m_selectAll, &QAction::triggered, this, &ChannelsSection::selectAll);
    connect(&controller().document(), &CodeplugDocument::channelClipboardChanged, this,
            &ChannelsSection::refreshActions);
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &ChannelsSection::refreshActions);
}

void ChannelsSection::buildCellEditing() {
    // Cells of channel fields are edited in place: typing, F2 or a click on
    // a selected cell opens the cell; Return and a double click still open
    // the editor sheet.
    m_table->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                             QAbstractItemView::SelectedClicked);
    connect(m_model, &ChannelTableModel::cellRefused, this, &ChannelsSection::showCellProblem);
    auto* delegate = new ChannelCellDelegate(m_table);
    m_table->setItemDelegate(delegate);
    // Tab from the row's last editable cell leaves the table, as Tab does
    // when no cell is open.
    delegate->isLastCell = [this] {
        const QHeaderView* header = m_table->horizontalHeader();
        const int visual = header->visualIndex(m_table->currentIndex().column());
        for (int v = visual + 1; v < header->count(); ++v) {
            const int column = header->logicalIndex(v);
            if (!header->isSectionHidden(column) && ChannelTableModel::cellOf(column))
                return false;
        }
        return true;
    };
    connect(delegate, &ChannelCellDelegate::tabbedOut, this, [this] {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(m_table, &tab);
    });
    // Return in a cell goes on to the same column of the next row.
    connect(delegate, &ChannelCellDelegate::returnPressed, this, [this] {
        const QModelIndex current = m_table->currentIndex();
        const QModelIndex below = current.sibling(current.row() + 1, current.column());
        if (below.isValid())
            m_table->setCurrentIndex(below);
    });
}

void ChannelsSection::buildColumns() {
    // Sorting by a column sorts the view only; the # column keeps the slot.
    proxy()->setSortRole(ChannelTableModel::SortRole);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(ChannelTableModel::NumberColumn, Qt::AscendingOrder);
    connect(m_table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &ChannelsSection::refreshActions);

    // The column chooser: the toolbar's "Columns" menu and the header's context menu.
    // It stays open while columns are ticked, so several are chosen at once.
    m_columnMenu = new StayOpenMenu(this);
    for (int column = ChannelTableModel::NameColumn; column < ChannelTableModel::ColumnCount;
         ++column) {
        const QString label = m_model->headerData(column, Qt::Horizontal).toString();
        QAction* action = m_columnMenu->addAction(label);
        action->setCheckable(true);
        connect(action, &QAction::toggled, this,
                [this, column](bool on) { setColumnShown(column, on); });
    }
    connect(m_columnMenu, &QMenu::aboutToShow, this, [this] {
        const QList<QAction*> actions = m_columnMenu->actions();
        for (qsizetype i = 0; i < actions.size(); ++i) {
            const QSignalBlocker block(actions[i]);
            actions[i]->setChecked(isColumnShown(ChannelTableModel::NameColumn + int(i)));
        }
    });
    m_columns = new QAction(tr("Columns"), this);
    m_columns->setMenu(m_columnMenu);
    m_table->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table->horizontalHeader(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) {
                m_columnMenu->popup(m_table->horizontalHeader()->mapToGlobal(pos));
            });
    restoreColumns();

    m_table->setColumnWidth(ChannelTableModel::NumberColumn, 48);
    m_table->setColumnWidth(ChannelTableModel::NameColumn, 160);
    m_table->setColumnWidth(ChannelTableModel::ModeColumn, 56);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ChannelsSection::fitColumnsOnce);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &ChannelsSection::fitColumnsOnce);
    fitColumnsOnce();
}

void ChannelsSection::fitColumnsOnce() {
    if (m_columnsFitted || m_model->rowCount() == 0)
        return;
    m_columnsFitted = true;
    const QHeaderView* header = m_table->horizontalHeader();
    int last = -1;
    for (int visual = 0; visual < header->count(); ++visual) {
        if (!header->isSectionHidden(header->logicalIndex(visual)))
            last = header->logicalIndex(visual);
    }
    for (int column = ChannelTableModel::RxColumn; column < ChannelTableModel::ColumnCount;
         ++column) {
        if (column != last && isColumnShown(column))
            widenToContents(column);
    }
}

void ChannelsSection::widenToContents(int column) {
    QHeaderView* header = m_table->horizontalHeader();
    const int before = header->sectionSize(column);
    m_table->resizeColumnToContents(column);
    const int most = kChannelColumnMostChars * m_table->fontMetrics().averageCharWidth();
    header->resizeSection(column, std::max(before, std::min(header->sectionSize(column), most)));
}

QList<int> ChannelsSection::selectedChannelNumbers() const {
    QList<int> numbers = selectedKeys();
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QList<RadioChannel> ChannelsSection::selectedChannels() const {
    QList<RadioChannel> channels;
    for (const int number : selectedChannelNumbers()) {
        if (const std::optional<int> row = m_model->rowOf(number))
            channels.append(m_model->channels().at(*row));
    }
    return channels;
}

QList<QAction*> ChannelsSection::contextActions() const {
    QList<QAction*> actions{m_contextEdit, m_duplicate, m_cut,     m_copy,          m_paste,
                            m_selectAll,   m_fillDown,  nullptr,   m_contextDelete, nullptr,
                            m_moveUp,      m_moveDown,  m_renumber};
    if (auto* zones = findChild<ZoneMembershipMenu*>()) // "Add to zone", "Remove from zone"
        actions << nullptr << zones->actions();
    actions << nullptr << m_exportAllFields << m_columns;
    return actions;
}

void ChannelsSection::deleteSelection() {
    const QList<RadioChannel> channels = selectedChannels();
    if (!canEdit() || channels.isEmpty())
        return;
    QList<int> numbers;
    for (const RadioChannel& channel : channels)
        numbers.append(channel.number);
    const RecordReferences references = controller().document().referencesToChannels(numbers);
    const QString subject = channels.size() == 1 ? tr("Channel '%1'").arg(channels.first().name)
                                                 : tr("%1 channels").arg(channels.size());
    // After the delete the row that followed the deleted ones takes the
    // first one's place in the view: it becomes the selection.
    int firstRow = proxy()->rowCount();
    for (const QModelIndex& index : view()->selectionModel()->selectedRows())
        firstRow = std::min(firstRow, index.row());
    deleteAfterAsking(subject, channels.size() > 1, references, [this, channels, firstRow] {
        if (!controller().document().deleteChannels(recordKeys(channels)).isDone())
            return;
        const int rows = proxy()->rowCount();
        if (rows == 0)
            return;
        const int row = std::min(firstRow, rows - 1);
        selectKeys({proxy()->index(row, 0).data(KeyRole).toInt()});
    });
}

void ChannelsSection::moveSelection(int delta) {
    if (!canEdit() || (delta != -1 && delta != 1))
        return;
    const QList<int> numbers = selectedChannelNumbers();
    QList<RadioChannel> order = m_model->channels();
    if (numbers.isEmpty() || order.isEmpty())
        return;
    QList<bool> selected(order.size(), false);
    for (const int number : numbers) {
        if (const std::optional<int> row = m_model->rowOf(number))
            selected[*row] = true;
    }
    // The rows the search shows, as positions in `order`. A move steps past
    // the neighbour the user sees; channels the search hides keep their order
    // and let the moved ones by.
    QList<qsizetype> shown;
    for (int row = 0; row < proxy()->rowCount(); ++row)
        shown.append(proxy()->mapToSource(proxy()->index(row, 0)).row());
    std::sort(shown.begin(), shown.end());
    const auto moveTo = [&](qsizetype from, qsizetype to) {
        order.move(from, to);
        const bool flag = selected[from];
        selected.remove(from);
        selected.insert(to, flag);
    };
    // Moving up: every selected channel goes before the unselected shown one
    // above it, so a block of selected channels moves as one. Moving down
    // mirrors it.
    if (delta < 0) {
        for (qsizetype k = 1; k < shown.size(); ++k) {
            const qsizetype at = shown[k];
            const qsizetype above = shown[k - 1];
            if (selected[at] && !selected[above]) {
                moveTo(at, above);
                shown[k - 1] = above;
                shown[k] = above + 1;
            }
        }
    } else {
        for (qsizetype k = shown.size() - 2; k >= 0; --k) {
            const qsizetype at = shown[k];
            const qsizetype below = shown[k + 1];
            if (selected[at] && !selected[below]) {
                moveTo(at, below);
                shown[k] = below - 1;
                shown[k + 1] = below;
            }
        }
    }
    if (!controller().document().reorderChannels(recordKeys(order)).isDone())
        return; // nothing was reordered
    // The reorder numbers the channels 1 … n in their new order, so the moved
    // channels are found again by position.
    QList<int> moved;
    for (qsizetype i = 0; i < selected.size(); ++i) {
        if (selected[i])
            moved.append(int(i) + 1);
    }
    selectKeys(moved);
}

void ChannelsSection::duplicateCurrent() {
    if (!canEdit())
        return;
    const std::optional<int> number = currentKey();
    const std::optional<int> row = number ? m_model->rowOf(*number) : std::nullopt;
    if (!row)
        return;
    if (const std::optional<int> created =
            controller()
                .document()
                .duplicateChannel(m_model->channels().at(*row).number)
                .createdKey())
        selectKeys({*created});
}

void ChannelsSection::copySelection() {
    const QList<RadioChannel> channels = selectedChannels();
    const std::optional<CodeplugImage>& image = controller().document().image();
    if (!image || channels.isEmpty())
        return;
    QList<QByteArray> records;
    records.reserve(channels.size());
    for (const RadioChannel& channel : channels) {
        if (const auto record = readChannelRecord(channel.number - 1, *image))
            records.append(*record);
    }
    // Without every record the own format would paste fewer channels than
    // the text names; the text alone then serves.
    if (records.size() != channels.size())
        records.clear();
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(
            ChannelClipboard::mimeData(records, channels, controller().document().channelRowNames())
                .release());
    (void)controller().document().copyChannels(recordKeys(channels));
}

void ChannelsSection::cutSelection() {
    if (!canEdit() || selectedChannelNumbers().isEmpty())
        return;
    copySelection();
    deleteSelection();
}

bool ChannelsSection::canPaste() const {
    if (controller().document().hasChannelClipboard())
        return true;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data && (data->hasFormat(ChannelClipboard::mimeType()) || data->hasText());
}

void ChannelsSection::paste() {
    if (!canEdit())
        return;
    const QList<int> selected = selectedChannelNumbers();
    const std::optional<int> after =
        selected.isEmpty() ? std::nullopt : std::optional<int>(selected.last());
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const ChannelRowNames here = controller().document().channelRowNames();
    const ChannelClipboard::Contents contents =
        ChannelClipboard::read(clipboard ? clipboard->mimeData() : nullptr, here);
    // References by name in this codeplug; rows outside its bands left out.
    const auto bands = BandLimits::of(controller().document().settings());
    // The pasted rows become the selection. Dropping the old one first spares
    // the selection model from following it through every inserted row.
    m_table->clearSelection();
    m_pasting = true;
    const auto pasted = qScopeGuard([this] { m_pasting = false; });
    if (!contents.records.isEmpty()) {
        const ChannelIntake intake =
            screenChannelRecords(contents.records, contents.references, here, bands);
        const EditResult result = controller().document().insertChannelRecords(
            intake.records, after, intake.zones, intake.note);
        if (const std::optional<int> created = result.createdKey())
            selectCreated(*created, intake.records.size());
        return;
    }
    if (!contents.isEmpty()) {
        const ChannelIntake intake = screenChannelRows(contents.rows, bands);
        const EditResult result =
            controller().document().insertChannels(intake.edits, after, intake.note, intake.zones);
        if (const std::optional<int> created = result.createdKey())
            selectCreated(*created, intake.edits.size());
        return;
    }
    // Nothing usable on the system clipboard: the record copied last.
    if (controller().document().hasChannelClipboard()) {
        if (const std::optional<int> created =
                controller().document().pasteChannelClipboard().createdKey())
            selectCreated(*created, 1);
    }
}

void ChannelsSection::restoreColumns() {
    QSettings* store = controller().preferences().store();
    const QVariant stored = store ? store->value(kColumnsKey) : QVariant();
    const QStringList shown = stored.toStringList();
    for (int column = ChannelTableModel::NameColumn; column < ChannelTableModel::ColumnCount;
         ++column) {
        // Columns remembered under an earlier header (the field's first CSV
        // header) stay chosen.
        const auto field = ChannelTableModel::fieldOf(column);
        const bool named = shown.contains(storedColumnName(column)) ||
                           (field && shown.contains(channelField(*field).csvHeaders.first()));
        const bool show =
            stored.isValid() ? named : column < ChannelTableModel::kDefaultColumnCount;
        m_table->setColumnHidden(column, !show);
    }
}

bool ChannelsSection::isColumnShown(int column) const {
    return !m_table->isColumnHidden(column);
}

QAction* ChannelsSection::commandAction(ListCommand command) const {
    switch (command) {
    case ListCommand::cut:
        return m_cut;
    case ListCommand::copy:
        return m_copy;
    case ListCommand::paste:
        return m_paste;
    case ListCommand::selectAll:
        return m_selectAll;
    case ListCommand::fillDown:
        return m_fillDown;
    case ListCommand::columns:
        return m_columns;
    }
    return nullptr;
}

void ChannelsSection::leaveShortcutsToWindow() {
    // The actions keep their shortcuts, which the context menu shows.
    for (QAction* action : {m_cut, m_copy, m_paste, m_selectAll, m_fillDown})
        m_table->removeAction(action);
}

int ChannelsSection::firstFocusColumn() const {
    const QHeaderView* header = m_table->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!header->isSectionHidden(column) && ChannelTableModel::cellOf(column))
            return column;
    }
    return ChannelTableModel::NumberColumn;
}

void ChannelsSection::setColumnShown(int column, bool shown) {
    // The number column always shows: it is what "Renumber" and the sort refer to.
    if (column <= ChannelTableModel::NumberColumn || column >= ChannelTableModel::ColumnCount)
        return;
    if (isColumnShown(column) == shown)
        return;
    // The last shown column fills the rest of the row; once another column
    // comes after it, it would fall back to the default width and cut its
    // text. Every shown column keeps the width it has on screen.
    QHeaderView* header = m_table->horizontalHeader();
    QList<std::pair<int, int>> widths;
    for (int c = 0; c < ChannelTableModel::ColumnCount; ++c) {
        if (isColumnShown(c))
            widths.append({c, header->sectionSize(c)});
    }
    m_table->setColumnHidden(column, !shown);
    header->setStretchLastSection(false);
    for (const auto& [c, width] : widths)
        header->resizeSection(c, width);
    if (shown) {
        header->resizeSection(column, header->defaultSectionSize());
        widenToContents(column);
    }
    header->setStretchLastSection(true);
    QStringList labels;
    for (int c = ChannelTableModel::NameColumn; c < ChannelTableModel::ColumnCount; ++c) {
        if (isColumnShown(c))
            labels.append(storedColumnName(c));
    }
    if (QSettings* store = controller().preferences().store())
        store->setValue(kColumnsKey, labels);
}

void ChannelsSection::showCellProblem(const QModelIndex& sourceIndex, const QString& reason) {
    m_cellProblem = reason;
    const QModelIndex shown = proxy()->mapFromSource(sourceIndex);
    const QRect cell = m_table->visualRect(shown);
    QToolTip::showText(m_table->viewport()->mapToGlobal(cell.bottomLeft()), reason,
                       m_table->viewport(), cell);
    m_table->setAccessibleDescription(reason);
    // Where the eye is: the status bar too (the cell keeps it as its tooltip).
    if (auto* window = qobject_cast<QMainWindow*>(this->window()))
        window->statusBar()->showMessage(reason, kCellProblemShownMs);
}

bool ChannelsSection::isSortedByOtherThanNumber() const {
    const QHeaderView* header = m_table->horizontalHeader();
    return header->sortIndicatorSection() != ChannelTableModel::NumberColumn ||
           header->sortIndicatorOrder() != Qt::AscendingOrder;
}

void ChannelsSection::renumberInViewOrder() {
    if (!canEdit() || !isSortedByOtherThanNumber())
        return;
    // Every channel, hidden by the search or not, sorted as the view sorts
    // (stable, so equal keys keep their numbers' order).
    const int column = m_table->horizontalHeader()->sortIndicatorSection();
    const bool descending =
        m_table->horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
    QList<int> rows(m_model->rowCount());
    std::iota(rows.begin(), rows.end(), 0);
    const auto key = [this, column](int row) {
        return m_model->data(m_model->index(row, column), ChannelTableModel::SortRole);
    };
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        const QPartialOrdering order = QVariant::compare(key(a), key(b));
        return descending ? order == QPartialOrdering::Greater : order == QPartialOrdering::Less;
    });
    QList<RadioChannel> order;
    order.reserve(rows.size());
    for (const int row : rows)
        order.append(m_model->channels().at(row));
    const QList<int> selected = selectedChannelNumbers();
    if (!controller().document().reorderChannels(recordKeys(order)).isDone())
        return;
    m_table->sortByColumn(ChannelTableModel::NumberColumn, Qt::AscendingOrder);
    // The same channels stay selected under their new numbers.
    QList<int> renumbered;
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (selected.contains(order[i].number))
            renumbered.append(int(i) + 1);
    }
    selectKeys(renumbered);
}

void ChannelsSection::fillDown() {
    const QList<RadioChannel> channels = selectedChannels();
    const QModelIndex current = m_table->currentIndex();
    const std::optional<ChannelField> cell =
        current.isValid() ? ChannelTableModel::cellOf(current.column()) : std::nullopt;
    if (!canEdit() || channels.size() < 2 || !cell)
        return;
    // Top to bottom as the view shows them.
    QList<RadioChannel> rows;
    for (int row = 0; row < proxy()->rowCount(); ++row) {
        const int number = proxy()->index(row, 0).data(KeyRole).toInt();
        for (const RadioChannel& channel : channels) {
            if (channel.number == number)
                rows.append(channel);
        }
    }
    const ChannelRowNames names = controller().document().channelRowNames();
    QStringList texts;
    for (const RadioChannel& channel : rows)
        texts.append(channelCellText(channel, *cell, names));
    const QStringList filled = nerka::fillDown(*cell, texts);
    const auto bands = BandLimits::of(controller().document().settings());
    QList<std::pair<int, ChannelEdit>> edits;
    QList<int> simplex;
    QStringList refused;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        auto edit = editChannelCell(rows[i], *cell, filled[i], names);
        if (auto* e = std::get_if<ChannelEdit>(&edit)) {
            const TypedChannelChange change =
                checkTypedChannelChange(rows[i], *e, *cell == ChannelField::rx, bands);
            edits.append({rows[i].number, change.edit});
            if (change.setToSimplex)
                simplex.append(rows[i].number);
        } else {
            refused.append(tr("channel %1 %2").arg(rows[i].number).arg(std::get<QString>(edit)));
        }
    }
    QStringList notes;
    if (!refused.isEmpty())
        notes.append(
            tr("%1 not filled: %2").arg(refused.size()).arg(refused.join(QStringLiteral(", "))));
    if (!simplex.isEmpty())
        notes.append(simplexNote(simplex.size()));
    const QList<int> selected = selectedChannelNumbers();
    if (controller().document().updateChannels(edits, notes.join(QStringLiteral("; "))).isDone())
        m_model->markSetToSimplex(simplex);
    selectKeys(selected);
    // The filled column stays current, so Ctrl+D can go on in it.
    m_table->selectionModel()->setCurrentIndex(
        proxy()->mapFromSource(
            m_model->index(m_model->rowOf(rows.first().number).value_or(0), current.column())),
        QItemSelectionModel::NoUpdate);
}

void ChannelsSection::selectAll() {
    m_table->selectAll();
}

void ChannelsSection::selectCreated(int first, qsizetype count) {
    QList<int> keys;
    keys.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        keys.append(first + int(i));
    selectChannels(keys);
}

void ChannelsSection::selectChannels(const QList<int>& numbers) {
    // Like selectKeys, but adjacent rows make one range: a thousand pasted
    // rows are one range to the selection model, not a thousand.
    const QSet<int> wanted(numbers.cbegin(), numbers.cend());
    QItemSelection selection;
    QModelIndex first;
    const int lastColumn = proxy()->columnCount() - 1;
    int runStart = -1;
    const auto closeRun = [&](int endRow) {
        if (runStart >= 0)
            selection.select(proxy()->index(runStart, 0), proxy()->index(endRow, lastColumn));
        runStart = -1;
    };
    for (int row = 0; row < proxy()->rowCount(); ++row) {
        const QModelIndex index = proxy()->index(row, 0);
        if (!wanted.contains(index.data(KeyRole).toInt())) {
            closeRun(row - 1);
            continue;
        }
        if (!first.isValid())
            first = index;
        if (runStart < 0)
            runStart = row;
    }
    closeRun(proxy()->rowCount() - 1);
    QItemSelectionModel* model = m_table->selectionModel();
    model->select(selection, QItemSelectionModel::ClearAndSelect);
    if (first.isValid()) {
        model->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        m_table->scrollTo(first);
    }
}

void ChannelsSection::importCsv() {
    if (!canEdit())
        return;
    dialogs().openFile(
        this, tr("Import channels from CSV"), {tr("CSV files (*.csv)"), tr("All files (*)")},
        [this](const QString& path) { controller().document().importChannelCsv(path); });
}

void ChannelsSection::exportCsv() {
    if (!controller().document().image() || m_model->channels().isEmpty())
        return;
    const QList<int> numbers = selectedChannelNumbers(); // none selected: every channel
    dialogs().saveFile(this, tr("Export channels"), {tr("CSV files (*.csv)"), tr("All files (*)")},
                       QStringLiteral("channels.csv"), [this, numbers](const QString& path) {
                           controller().document().exportChannelsCsv(numbers, path);
                       });
}

void ChannelsSection::exportAllFields() {
    if (!controller().document().image() || m_model->channels().isEmpty())
        return;
    const QList<int> numbers = selectedChannelNumbers(); // none selected: every channel
    dialogs().saveFile(
        this, tr("Export channels (all fields)"), {tr("CSV files (*.csv)"), tr("All files (*)")},
        QStringLiteral("channels-all-fields.csv"), [this, numbers](const QString& path) {
            controller().document().exportChannelsTable(numbers, path);
        });
}

void ChannelsSection::updateActions() {
    const bool editable = canEdit();
    const QList<int> numbers = selectedChannelNumbers();
    const qsizetype count = numbers.size();
    // Judged on the rows shown: with a search, the first shown row cannot
    // move up even when hidden channels are above it.
    std::optional<int> firstRow;
    std::optional<int> lastRow;
    for (const QModelIndex& index : view()->selectionModel()->selectedRows()) {
        firstRow = std::min(firstRow.value_or(index.row()), index.row());
        lastRow = std::max(lastRow.value_or(index.row()), index.row());
    }
    const int total = proxy()->rowCount();

    m_new->setEnabled(editable);
    m_edit->setEnabled(editable && count > 0);
    m_contextEdit->setText(count > 1 ? tr("Edit %1 channels\u2026").arg(count) : tr("Edit"));
    m_contextEdit->setEnabled(editable && count > 0);
    // Moves follow the numbers; in a view sorted otherwise they would jump.
    const bool byNumber = !isSortedByOtherThanNumber();
    m_moveUp->setEnabled(editable && byNumber && firstRow && *firstRow > 0);
    m_moveDown->setEnabled(editable && byNumber && lastRow && *lastRow < total - 1);
    m_renumber->setEnabled(editable && !byNumber && m_model->rowCount() > 1);
    m_fillDown->setEnabled(editable && count > 1);
    m_delete->setText(tr("Delete (%1)").arg(count));
    m_delete->setEnabled(editable && count > 0);
    m_contextDelete->setText(count > 1 ? tr("Delete %1 channels").arg(count) : tr("Delete"));
    m_contextDelete->setEnabled(editable && count > 0);
    m_duplicate->setEnabled(editable && count > 0);
    m_copy->setEnabled(controller().document().image().has_value() && count > 0);
    m_cut->setEnabled(editable && count > 0);
    m_paste->setEnabled(editable && canPaste());
    m_selectAll->setEnabled(total > 0);
    m_import->setEnabled(editable);
    m_export->setEnabled(controller().document().image().has_value() && total > 0);
    m_exportAllFields->setEnabled(controller().document().image().has_value() &&
                                  m_model->rowCount() > 0);
}

void ChannelsSection::editSelection() {
    const QList<int> numbers = selectedChannelNumbers();
    if (numbers.size() < 2)
        return editCurrent();
    if (canEdit())
        Q_EMIT editChannelsRequested(numbers);
}

bool ChannelsSection::eventFilter(QObject* watched, QEvent* event) {
    // Return on several selected rows edits them together.
    if (watched == view() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain =
            key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            editSelection();
            return true;
        }
    }
    return ListSection::eventFilter(watched, event);
}

} // namespace nerka
