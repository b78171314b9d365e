#include "ui/views/ListSection.h"

#include "controller/RadioController.h"
#include "ui/kit/AccessibleItemView.h"
#include "ui/kit/AccessibleNames.h"
#include "ui/kit/Dialogs.h"
#include "ui/kit/Icons.h"
#include "ui/views/RecordRoles.h"
#include "ui/views/SearchProxyModel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QStackedWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace nerka {

ListSection::ListSection(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_controller(controller), m_dialogs(dialogs) {
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(4);

    m_search = new QLineEdit(this);
    addNamedClearButton(m_search, tr("Clear search"));
    m_layout->addWidget(m_search);

    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolBar->setIconSize(QSize(16, 16));
    // The overflow button appears when the section is too narrow for every
    // command; it shows only a chevron.
    if (auto* more = m_toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setToolTip(tr("More commands"));
        more->setAccessibleName(more->toolTip());
    }
    m_layout->addWidget(m_toolBar);

    m_stack = new QStackedWidget(this);
    m_layout->addWidget(m_stack, 1);

    // Shown in place of the list while a search hides every record.
    m_noMatch = new QLabel(m_stack);
    m_noMatch->setAlignment(Qt::AlignCenter);
    m_noMatch->setWordWrap(true);
    m_stack->addWidget(m_noMatch);

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_proxy)
            m_proxy->setSearchText(text);
        Q_EMIT searchTextChanged(text);
        refreshActions();
        updateListPage();
    });
    connect(&controller, &RadioController::statusChanged, this, &ListSection::refreshActions);
    connect(&controller.document(), &CodeplugDocument::imageChanged, this,
            &ListSection::refreshActions);
}

ListSection::~ListSection() = default;

void ListSection::setUpList(QAbstractItemModel* model, QAbstractItemView* view,
                            const QString& searchLabel, const QString& plural, bool channelRule) {
    m_model = model;
    m_view = view;
    m_search->setPlaceholderText(searchLabel);
    m_search->setAccessibleName(searchLabel);

    m_proxy = new SearchProxyModel(
        channelRule ? SearchProxyModel::Rule::channel : SearchProxyModel::Rule::name, this);
    m_proxy->setSourceModel(model);
    m_proxy->setSearchText(m_search->text());
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_proxy, signal, this, &ListSection::updateListPage);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &ListSection::updateListPage);
    view->setModel(m_proxy);
    view->setParent(m_stack);
    m_stack->addWidget(view);
    m_stack->setCurrentWidget(view);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab leaves the list for the next control; the arrows move within it.
    view->setTabKeyNavigation(false);
    view->installEventFilter(this);
    // No focus proxy: it would move the list ahead of the search field and
    // the commands in the Tab order. Focus given to the section goes on to
    // the list (focusInEvent).
    // Table rows as high as a line of text needs: the style's default row
    // height spreads the rows far apart and fits a third fewer on the screen.
    if (auto* table = qobject_cast<QTableView*>(view)) {
        table->verticalHeader()->setDefaultSectionSize(
            std::max(table->fontMetrics().height(), table->iconSize().height()) + 8);
    }

    connect(view, &QWidget::customContextMenuRequested, this, &ListSection::showContextMenu);
    connect(view, &QAbstractItemView::doubleClicked, this, [this] { editCurrent(); });
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListSection::refreshActions);
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ListSection::refreshActions);
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model, signal, this, &ListSection::countMayHaveChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &ListSection::countMayHaveChanged);
    connect(model, &QAbstractItemModel::dataChanged, this, &ListSection::refreshActions);
    m_lastCount = model->rowCount();
    m_plural = plural;
    refreshActions();
}

void ListSection::countMayHaveChanged() {
    const int count = recordCount();
    if (count != m_lastCount) {
        m_lastCount = count;
        Q_EMIT recordCountChanged(count);
    }
    refreshActions();
    updateListPage();
}

QString ListSection::noMatchText() const {
    const bool hidesAll = m_model && m_proxy && m_model->rowCount() > 0 &&
                          m_proxy->rowCount() == 0 && !m_search->text().isEmpty();
    if (!hidesAll)
        return {};
    return tr("No %1 match '%2'").arg(m_plural, m_search->text());
}

void ListSection::updateListPage() {
    if (!m_view)
        return;
    const QString noMatch = noMatchText();
    m_noMatch->setText(noMatch);
    m_noMatch->setAccessibleName(noMatch);
    QWidget* page = m_view;
    if (m_alternate && m_alternateShown)
        page = m_alternate;
    else if (!noMatch.isEmpty())
        page = m_noMatch;
    else if (m_placeholder && m_placeholderWanted)
        page = m_placeholder;
    m_stack->setCurrentWidget(page);
}

void ListSection::setSearchText(const QString& text) {
    if (m_search->text() != text)
        m_search->setText(text);
}

QString ListSection::searchText() const {
    return m_search->text();
}

int ListSection::recordCount() const {
    return m_model ? m_model->rowCount() : 0;
}

QList<int> ListSection::selectedKeys() const {
    if (!m_view || !m_view->selectionModel())
        return {};
    QModelIndexList rows = m_view->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QList<int> keys;
    keys.reserve(rows.size());
    for (const QModelIndex& index : rows)
        keys.append(index.data(KeyRole).toInt());
    return keys;
}

void ListSection::selectKeys(const QList<int>& keys) {
    if (!m_view || !m_proxy)
        return;
    const QSet<int> wanted(keys.cbegin(), keys.cend());
    QItemSelection selection;
    QModelIndex first;
    const int lastColumn = std::max(0, m_proxy->columnCount() - 1);
    for (int row = 0; row < m_proxy->rowCount(); ++row) {
        const QModelIndex index = m_proxy->index(row, 0);
        if (!wanted.contains(index.data(KeyRole).toInt()))
            continue;
        if (!first.isValid())
            first = index;
        selection.select(index, m_proxy->index(row, lastColumn));
    }
    QItemSelectionModel* model = m_view->selectionModel();
    model->select(selection, QItemSelectionModel::ClearAndSelect);
    if (first.isValid()) {
        model->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        m_view->scrollTo(first);
    }
}

std::optional<int> ListSection::currentKey() const {
    if (!m_view || !m_view->selectionModel())
        return std::nullopt;
    const QItemSelectionModel* model = m_view->selectionModel();
    const QModelIndex current = model->currentIndex();
    if (current.isValid() && model->isRowSelected(current.row(), current.parent()))
        return current.siblingAtColumn(0).data(KeyRole).toInt();
    const QList<int> keys = selectedKeys();
    if (keys.isEmpty())
        return std::nullopt;
    return keys.first();
}

bool ListSection::canEdit() const {
    return m_controller.document().image().has_value() && !m_controller.status().isWorking();
}

void ListSection::editCurrent() {
    if (!canEdit())
        return;
    if (const std::optional<int> key = currentKey())
        Q_EMIT editRequested(*key);
}

void ListSection::deleteSelection() {
    if (!canEdit())
        return;
    if (const std::optional<int> key = currentKey())
        deleteRecord(*key);
}

void ListSection::deleteRecord(int) {}

void ListSection::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    focusList();
}

QAction* ListSection::commandAction(ListCommand) const {
    return nullptr;
}

void ListSection::focusList() {
    if (!m_view)
        return;
    if (m_stack->currentWidget() != m_view) {
        m_stack->currentWidget()->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_view->setFocus(Qt::OtherFocusReason);
    moveCurrentToFocusColumn();
}

void ListSection::moveCurrentToFocusColumn() {
    QItemSelectionModel* selection = m_view ? m_view->selectionModel() : nullptr;
    if (!selection || !m_proxy || m_proxy->rowCount() == 0)
        return;
    const int column = firstFocusColumn();
    const QModelIndex current = selection->currentIndex();
    if (current.isValid() && current.column() >= column)
        return;
    // The current row, else the first selected one, else the first row; the
    // selection stays as it is.
    int row = current.isValid() ? current.row() : 0;
    if (!current.isValid()) {
        const QModelIndexList rows = selection->selectedRows();
        if (!rows.isEmpty())
            row = rows.first().row();
    }
    selection->setCurrentIndex(m_proxy->index(row, column), QItemSelectionModel::NoUpdate);
}

namespace {

// "1 channel", "3 channels": the one and the many text are translated whole.
QString counted(int count, const QString& one, const QString& many) {
    return count == 1 ? one : many.arg(count);
}

} // namespace

void ListSection::deleteAfterAsking(const QString& subject, bool several,
                                    const RecordReferences& references,
                                    const std::function<void()>& proceed) {
    if (!references.any()) {
        proceed();
        return;
    }
    QStringList users;
    if (references.channels > 0)
        users.append(counted(references.channels, tr("1 channel"), tr("%1 channels")));
    if (references.talkgroups > 0)
        users.append(counted(references.talkgroups, tr("1 talkgroup"), tr("%1 talkgroups")));
    if (references.zones > 0)
        users.append(counted(references.zones, tr("1 zone"), tr("%1 zones")));
    const QString message =
        (several ? tr("%1 are used by %2. Delete them and clear those references?")
                 : tr("%1 is used by %2. Delete it and clear those references?"))
            .arg(subject, users.join(tr(" and ")));
    m_dialogs.confirm(this, tr("Delete and clear references?"), message, tr("Delete"),
                      tr("Abbrechen"), proceed);
}

QAction* ListSection::addToolAction(const QString& label, const QString& symbol,
                                    const QString& toolTip) {
    QAction* action = m_toolBar->addAction(Icons::icon(symbol), label);
    if (!toolTip.isEmpty())
        action->setToolTip(toolTip);
    if (QWidget* button = m_toolBar->widgetForAction(action)) {
        // Toolbar buttons take no focus by default; the keyboard user tabs
        // through them like any other button.
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleName(label);
    }
    return action;
}

void ListSection::addRecordCommands(const QString& noun) {
    m_newAction = addToolAction(tr("New"), QStringLiteral("plus"));
    m_editAction = addToolAction(tr("Edit"), QStringLiteral("pencil"));
    m_deleteAction = addToolAction(tr("Delete"), QStringLiteral("trash"));
    m_contextEdit =
        new QAction(Icons::icon(QStringLiteral("pencil")), tr("Edit %1").arg(noun), this);
    m_contextDelete =
        new QAction(Icons::icon(QStringLiteral("trash")), tr("Delete %1").arg(noun), this);
    connect(m_newAction, &QAction::triggered, this, [this] {
        if (canEdit())
            Q_EMIT newRequested();
    });
    for (QAction* edit : {m_editAction, m_contextEdit})
        connect(edit, &QAction::triggered, this, &ListSection::editCurrent);
    for (QAction* remove : {m_deleteAction, m_contextDelete})
        connect(remove, &QAction::triggered, this, &ListSection::deleteSelection);
}

void ListSection::updateRecordActions() {
    if (!m_newAction)
        return;
    const bool editable = canEdit();
    const bool selected = currentKey().has_value() && !m_alternateShown;
    m_newAction->setEnabled(editable);
    for (QAction* action : {m_editAction, m_deleteAction, m_contextEdit, m_contextDelete})
        action->setEnabled(editable && selected);
}

void ListSection::updateActions() {
    updateRecordActions();
}

void ListSection::refreshActions() {
    updateActions();
    const QList<QAction*> actions = m_toolBar->actions();
    for (QAction* action : actions) {
        QWidget* button = m_toolBar->widgetForAction(action);
        if (!button)
            continue;
        QString name = action->text();
        name.remove(QLatin1Char('&'));
        button->setAccessibleName(name.isEmpty() ? action->toolTip() : name);
    }
}

QList<QAction*> ListSection::contextActions() const {
    if (!m_contextEdit)
        return {};
    return {m_contextEdit, m_contextDelete};
}

void ListSection::showContextMenu(const QPoint& pos) {
    refreshActions();
    // One menu for the list's lifetime, filled afresh: assistive technology
    // finds it under the list, and the items it has seen keep their menu.
    // Opened with popup(), not exec(): the request returns at once.
    if (!m_contextMenu)
        m_contextMenu = newContextMenu(m_view);
    m_contextMenu->clear();
    for (QAction* action : contextActions()) {
        if (action)
            m_contextMenu->addAction(action);
        else
            m_contextMenu->addSeparator();
    }
    if (!m_contextMenu->isEmpty())
        m_contextMenu->popup(m_view->viewport()->mapToGlobal(pos));
}

bool ListSection::eventFilter(QObject* watched, QEvent* event) {
    // Tab into the list lands in a cell that F2 can open, not in the slot
    // number; set before the view picks its own first cell.
    if (watched == m_view && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
        moveCurrentToFocusColumn();
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            switch (key->key()) {
            case Qt::Key_Delete:
            case Qt::Key_Backspace:
                deleteSelection();
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                editCurrent();
                return true;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ListSection::setListPlaceholder(QWidget* widget) {
    m_placeholder = widget;
    widget->setParent(m_stack);
    m_stack->addWidget(widget);
}

void ListSection::showListPlaceholder(bool show) {
    m_placeholderWanted = show;
    updateListPage();
}

void ListSection::setAlternateView(QWidget* widget) {
    m_alternate = widget;
    widget->setParent(m_stack);
    m_stack->addWidget(widget);
}

void ListSection::showAlternateView(bool show) {
    m_alternateShown = show;
    updateListPage();
    refreshActions();
}

} // namespace nerka
