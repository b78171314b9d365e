#include "ui/editors/ZoneEditView.h"

#include "codeplug/Megahertz.h"
#include "ui/kit/AccessibleNames.h"
#include "ui/kit/Icons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace nerka {

namespace {

constexpr int kPositionRole = Qt::UserRole;
// The rows each list has room for at least.
constexpr int kShownRows = 12;

} // namespace

ZoneEditView::ZoneEditView(const Zone& zone, bool isNew, QList<RadioChannel> channels,
                           int maxMembers, QWidget* parent)
    : RecordSheet(parent), m_selection(zone.memberIndices, maxMembers),
      m_channels(std::move(channels)) {
    for (int i = 0; i < zone.memberIndices.size() && i < zone.channelNames.size(); ++i)
        m_memberNames.insert(zone.memberIndices[i], zone.channelNames[i]);
    setSheetTitle(isNew ? tr("New zone (slot %1)").arg(zone.index + 1)
                        : tr("Edit zone %1").arg(zone.index + 1));
    auto* form = new QFormLayout;
    body()->addLayout(form);
    m_name = new QLineEdit(zone.name, this);
    m_name->setAccessibleName(tr("Name"));
    m_name->setMaxLength(ZoneRecord::kNameWidth);
    form->addRow(tr("Name"), m_name);

    // The picker beside the zone's channels, each as tall as the sheet: the
    // sheet is resized by its corner, and both lists grow with it.
    auto* sides = new QSplitter(Qt::Horizontal, this);
    sides->setChildrenCollapsible(false);
    sides->addWidget(buildPicker());
    sides->addWidget(buildMembers());
    body()->addWidget(sides, 1);

    connect(m_name, &QLineEdit::textChanged, this, &ZoneEditView::refreshValidity);
    rebuildList(-1);
    setSizeGripEnabled(true);
    finishSheet();
}

QWidget* ZoneEditView::buildPicker() {
    // The channels not in the zone, filtered by name, number or frequency;
    // several are chosen at once and added in channel order.
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    m_filter = new QLineEdit(side);
    m_filter->setPlaceholderText(tr("Filter channels"));
    m_filter->setAccessibleName(m_filter->placeholderText());
    addNamedClearButton(m_filter, tr("Clear filter"));
    layout->addWidget(m_filter);
    m_candidates = makeRowList(side, tr("Channels to add"));
    m_candidates->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_candidates->installEventFilter(this);
    layout->addWidget(m_candidates, 1);
    auto* addLine = new QHBoxLayout;
    m_add = new QPushButton(Icons::icon(QStringLiteral("plus")), tr("Add channel"), side);
    m_add->setAccessibleName(tr("Add channel"));
    m_add->setAutoDefault(false);
    addLine->addWidget(m_add);
    m_room = new QLabel(side);
    m_room->setWordWrap(true);
    addLine->addWidget(m_room, 1);
    layout->addLayout(addLine);
    connect(m_add, &QPushButton::clicked, this, &ZoneEditView::addChosenChannels);
    connect(m_filter, &QLineEdit::textChanged, this, &ZoneEditView::fillCandidates);
    connect(m_candidates, &QListWidget::itemSelectionChanged, this, &ZoneEditView::updateAddButton);
    connect(m_candidates, &QListWidget::itemDoubleClicked, this, &ZoneEditView::addChosenChannels);
    return side;
}

QWidget* ZoneEditView::buildMembers() {
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    m_counter = new QLabel(side);
    layout->addWidget(m_counter);
    m_empty = new QLabel(tr("No channels in the zone yet."), side);
    m_empty->setAccessibleName(m_empty->text());
    m_empty->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(m_empty, 1);
    m_list = makeRowList(side, tr("Channels in the zone"));
    m_list->setUniformItemSizes(false); // each row holds its remove button
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->installEventFilter(this);
    layout->addWidget(m_list, 1);

    auto* moveButtons = new QHBoxLayout;
    m_up = new QPushButton(tr("Move up"), side);
    m_down = new QPushButton(tr("Move down"), side);
    for (QPushButton* button : {m_up, m_down}) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
        moveButtons->addWidget(button);
    }
    moveButtons->addStretch(1);
    layout->addLayout(moveButtons);

    connect(m_up, &QPushButton::clicked, this, [this] {
        const int row = m_list->currentRow();
        moveRow(row, row - 1);
    });
    connect(m_down, &QPushButton::clicked, this, [this] {
        const int row = m_list->currentRow();
        moveRow(row, row + 1);
    });
    // A drop reorders the items itself; the new order is read back once the
    // drop has finished, and the rows are rebuilt from the selection.
    connect(m_list->model(), &QAbstractItemModel::rowsMoved, this, [this] {
        if (!m_rebuilding)
            QTimer::singleShot(0, this, &ZoneEditView::takeDroppedOrder);
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_up->setEnabled(row > 0);
        m_down->setEnabled(row >= 0 && row + 1 < m_list->count());
    });
    return side;
}

QListWidget* ZoneEditView::makeRowList(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setAccessibleName(name);
    list->setUniformItemSizes(true);
    // Rows as high as the tables' rows, and room for at least twelve of them.
    const int rowHeight = list->fontMetrics().height() + 8;
    list->setMinimumHeight(kShownRows * rowHeight + 2 * list->frameWidth());
    list->setMinimumWidth(list->fontMetrics().averageCharWidth() * 28);
    return list;
}

QString ZoneEditView::channelText(int position) const {
    for (const RadioChannel& channel : m_channels)
        if (channel.number - 1 == position)
            return QStringLiteral("%1: %2").arg(channel.number).arg(channel.name);
    return m_memberNames.value(position, QStringLiteral("#%1").arg(position + 1));
}

void ZoneEditView::rebuildList(int currentRow) {
    m_rebuilding = true;
    m_list->clear();
    const QList<int>& members = m_selection.members();
    for (int row = 0; row < members.size(); ++row) {
        auto* item = new QListWidgetItem(Icons::icon(QStringLiteral("line.3.horizontal")),
                                         channelText(members[row]), m_list);
        item->setData(kPositionRole, members[row]);
        item->setSizeHint(QSize(0, m_list->fontMetrics().height() + 8));
        item->setFlags(item->flags() | Qt::ItemIsDragEnabled);
        item->setFlags(item->flags() & ~Qt::ItemIsDropEnabled);
        auto* remove = new QToolButton(m_list);
        remove->setIcon(Icons::icon(QStringLiteral("minus.circle")));
        remove->setToolTip(tr("Remove from zone"));
        remove->setAccessibleName(tr("Remove from zone"));
        remove->setText(QStringLiteral("\u2212")); // shown only without an icon
        remove->setAutoRaise(true);
        // Out of the tab chain, which runs through the form; from the
        // keyboard the list's Delete key removes the current row.
        remove->setFocusPolicy(Qt::NoFocus);
        auto* rowWidget = new QWidget(m_list);
        auto* rowLayout = new QHBoxLayout(rowWidget);
        rowLayout->setContentsMargins(0, 0, 4, 0);
        rowLayout->addStretch(1);
        rowLayout->addWidget(remove);
        m_list->setItemWidget(item, rowWidget);
        connect(remove, &QToolButton::clicked, this,
                [this, item] { removeRow(m_list->row(item)); });
    }
    m_rebuilding = false;
    m_list->setCurrentRow(std::min(currentRow, int(members.size()) - 1));
    m_up->setEnabled(m_list->currentRow() > 0);
    m_down->setEnabled(m_list->currentRow() >= 0 && m_list->currentRow() + 1 < m_list->count());
    m_empty->setVisible(members.isEmpty());
    m_list->setVisible(!members.isEmpty());
    m_counter->setText(m_selection.zoneCounterText());
    m_counter->setAccessibleName(m_counter->text());

    fillCandidates();
}

bool ZoneEditView::channelMatches(const RadioChannel& channel, const QString& filter) {
    if (filter.trimmed().isEmpty())
        return true;
    const QString text = QString::number(channel.number) + QLatin1Char(' ') + channel.name +
                         QLatin1Char(' ') + megahertzText(channel.rxHz) + QLatin1Char(' ') +
                         megahertzText(channel.txHz);
    return text.contains(filter.trimmed(), Qt::CaseInsensitive);
}

void ZoneEditView::fillCandidates() {
    // Only channels that are not in the zone yet are offered.
    m_candidates->clear();
    for (const RadioChannel& channel : m_channels) {
        const int position = channel.number - 1;
        if (m_selection.contains(position) || !channelMatches(channel, m_filter->text()))
            continue;
        auto* item =
            new QListWidgetItem(channelText(position) + QStringLiteral("  \u2014  ") +
                                    QString::asprintf("%.5f MHz", double(channel.rxHz) / 1e6),
                                m_candidates);
        item->setData(kPositionRole, position);
        item->setSizeHint(QSize(0, m_candidates->fontMetrics().height() + 8));
    }
    updateAddButton();
}

void ZoneEditView::updateAddButton() {
    const int chosen = int(m_candidates->selectedItems().size());
    const int room = m_selection.maxMembers() - m_selection.count();
    m_add->setEnabled(chosen > 0 && chosen <= room);
    // Too many chosen: none is added, and the note says how many fit.
    const QString note = chosen > room ? tr("Only %1 more fit (max %2 channels).")
                                             .arg(QString::number(std::max(room, 0)),
                                                  QString::number(m_selection.maxMembers()))
                                       : QString();
    m_room->setText(note);
    m_room->setAccessibleName(note);
}

void ZoneEditView::addChosenChannels() {
    QList<int> chosen;
    for (int row = 0; row < m_candidates->count(); ++row)
        if (m_candidates->item(row)->isSelected())
            chosen.append(m_candidates->item(row)->data(kPositionRole).toInt());
    if (chosen.isEmpty() || chosen.size() > m_selection.maxMembers() - m_selection.count())
        return;
    for (int position : chosen)
        (void)m_selection.add(position);
    rebuildList(m_selection.count() - 1);
}

void ZoneEditView::removeRow(int row) {
    if (m_selection.removeAt(row))
        rebuildList(row);
}

void ZoneEditView::moveRow(int from, int to) {
    if (m_selection.move(from, to))
        rebuildList(to);
}

void ZoneEditView::takeDroppedOrder() {
    QList<int> order;
    for (int row = 0; row < m_list->count(); ++row)
        order.append(m_list->item(row)->data(kPositionRole).toInt());
    // Apply the dropped order as moves, so the selection stays the one rule.
    for (int target = 0; target < order.size(); ++target) {
        const int from = int(m_selection.members().indexOf(order[target]));
        if (from != target)
            m_selection.move(from, target);
    }
    rebuildList(m_list->currentRow());
}

bool ZoneEditView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_candidates && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            addChosenChannels();
            return true;
        }
    }
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int row = m_list->currentRow();
        if (key->modifiers() & Qt::ControlModifier) {
            if (key->key() == Qt::Key_Up) {
                moveRow(row, row - 1);
                return true;
            }
            if (key->key() == Qt::Key_Down) {
                moveRow(row, row + 1);
                return true;
            }
        }
        if (key->key() == Qt::Key_Delete) {
            removeRow(row);
            return true;
        }
    }
    return RecordSheet::eventFilter(watched, event);
}

// A zone without a name is not listed on decoding, so saving one would make
// the zone vanish: the name is required.
bool ZoneEditView::isInputValid() const {
    return !m_name->text().trimmed().isEmpty();
}

bool ZoneEditView::save() {
    return !onSave || onSave(ZoneEdit{m_name->text(), m_selection.members()});
}

} // namespace nerka
