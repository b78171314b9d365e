#include "ui/views/ChannelTableModel.h"

#include "codeplug/ChannelChecks.h"
#include "controller/RadioController.h"
#include "ui/kit/Icons.h"
#include "ui/views/RecordRoles.h"
#include "ui/views/SearchProxyModel.h"

#include <QCoreApplication>

#include <algorithm>

namespace nerka {

namespace {

QString simplexMarkText() {
    return QCoreApplication::translate(
        "nerka::ChannelTableModel", "TX set to RX: with its offset, TX would have left the band");
}

} // namespace

ChannelTableModel::ChannelTableModel(RadioController& controller, QObject* parent)
    : KeyedRowsModel<QAbstractTableModel>(parent), m_controller(controller) {
    refreshContactNames();
    refreshGroupListNames();
    refreshZoneNames();
    m_rows = controller.document().channels();
    connect(&controller.document(), &CodeplugDocument::recordsChanged, this,
            &ChannelTableModel::apply);
}

void ChannelTableModel::apply(const ChangeSet& changes) {
    applyChanges(m_rows, m_controller.document().channels(), changes.channels, changes.replaced,
                 [](const RadioChannel& c) { return c.number; });
    if ((changes.replaced || !changes.contacts.isEmpty()) && refreshContactNames()) {
        columnChanged(DetailsColumn);
        columnChanged(columnOf(ChannelField::contact));
    }
    if (changes.replaced || changes.settings) {
        // The band marks follow the radio's band limits.
        columnChanged(RxColumn);
        columnChanged(TxColumn);
    }
    if (changes.replaced)
        m_cellNotes.clear();
    if ((changes.replaced || !changes.talkgroups.isEmpty()) && refreshGroupListNames())
        columnChanged(columnOf(ChannelField::groupList));
    if ((changes.replaced || !changes.zones.isEmpty() || !changes.channels.isEmpty()) &&
        refreshZoneNames())
        columnChanged(ZonesColumn);
}

void ChannelTableModel::columnChanged(int column) {
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, column), index(int(m_rows.size()) - 1, column));
}

ChannelRowNames ChannelTableModel::referenceNames() const {
    ChannelRowNames names;
    names.contacts = m_contactNames;
    names.groupLists = m_groupListNames;
    names.zones = m_zoneNames;
    return names;
}

bool ChannelTableModel::refreshContactNames() {
    QHash<int, QString> names;
    names.reserve(m_controller.document().contacts().size());
    for (const DMRContact& contact : m_controller.document().contacts())
        names.insert(contact.slot, contact.name);
    if (names == m_contactNames)
        return false;
    m_contactNames = std::move(names);
    return true;
}

bool ChannelTableModel::refreshGroupListNames() {
    QHash<int, QString> names;
    for (const Talkgroup& talkgroup : m_controller.document().talkgroups())
        names.insert(talkgroup.index, talkgroup.name);
    if (names == m_groupListNames)
        return false;
    m_groupListNames = std::move(names);
    return true;
}

bool ChannelTableModel::refreshZoneNames() {
    QHash<int, QStringList> names;
    for (const Zone& zone : m_controller.document().zones()) {
        for (const int member : zone.memberIndices)
            names[member + 1].append(zone.name);
    }
    if (names == m_zoneNames)
        return false;
    m_zoneNames = std::move(names);
    return true;
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

std::optional<int> ChannelTableModel::rowOf(int number) const {
    // Rows are ascending by number.
    const auto it =
        std::lower_bound(m_rows.cbegin(), m_rows.cend(), number,
                         [](const RadioChannel& channel, int n) { return channel.number < n; });
    if (it == m_rows.cend() || it->number != number)
        return std::nullopt;
    return int(it - m_rows.cbegin());
}

std::optional<ChannelField> ChannelTableModel::fieldOf(int column) {
    for (int f = 0; f < kChannelFieldCount; ++f) {
        if (columnOf(ChannelField(f)) == column)
            return ChannelField(f);
    }
    return std::nullopt;
}

std::optional<ChannelField> ChannelTableModel::cellOf(int column) {
    const auto field = fieldOf(column);
    if (!field || !channelField(*field).canRead())
        return std::nullopt;
    return field;
}

QString ChannelTableModel::detailsText(const RadioChannel& channel) const {
    QStringList parts;
    if (channel.isDMR()) {
        parts << tr("TS%1").arg(channel.timeSlot) << tr("CC %1").arg(channel.colorCode);
        if (channel.contactIndex) {
            parts << m_contactNames.value(*channel.contactIndex,
                                          QStringLiteral("#%1").arg(*channel.contactIndex + 1));
        }
    } else {
        parts << (channel.bandwidthWide ? tr("25 kHz") : tr("12.5 kHz"));
    }
    if (channel.rxOnly)
        parts << tr("Receive only");
    return parts.join(QStringLiteral(", "));
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && cellOf(index.column()) && m_controller.document().image() &&
        !m_controller.status().isWorking())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const std::optional<ChannelField> cell = cellOf(index.column());
    if (role != Qt::EditRole || !cell ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const RadioChannel channel = m_rows.at(index.row());
    auto edit = editChannelCell(channel, *cell, value.toString(), referenceNames());
    if (const auto* reason = std::get_if<QString>(&edit)) {
        setCellNote(channel.number, index.column(), *reason);
        Q_EMIT cellRefused(index, *reason);
        return false;
    }
    setCellNote(channel.number, index.column(), {});
    const TypedChannelChange change =
        checkTypedChannelChange(channel, std::get<ChannelEdit>(edit), *cell == ChannelField::rx,
                                BandLimits::of(m_controller.document().settings()));
    // The document announces the change; the row follows through apply().
    const EditResult result = m_controller.document().updateChannels(
        {{channel.number, change.edit}}, simplexNote(change.setToSimplex ? 1 : 0));
    if (change.setToSimplex && result.isDone())
        setCellNote(channel.number, TxColumn, simplexMarkText());
    return !result.isRefused();
}

void ChannelTableModel::markSetToSimplex(const QList<int>& numbers) {
    for (const int number : numbers)
        setCellNote(number, TxColumn, simplexMarkText());
}

void ChannelTableModel::setCellNote(int number, int column, const QString& note) {
    const std::pair<int, int> key{number, column};
    if (note.isEmpty() ? m_cellNotes.remove(key) == 0 : m_cellNotes.value(key) == note)
        return;
    if (!note.isEmpty())
        m_cellNotes.insert(key, note);
    if (const auto row = rowOf(number))
        Q_EMIT dataChanged(index(*row, column), index(*row, column),
                           {Qt::ToolTipRole, Qt::DecorationRole});
}

QString ChannelTableModel::cellMark(const RadioChannel& channel, int column) const {
    const QString note = m_cellNotes.value({channel.number, column});
    if (!note.isEmpty() || (column != RxColumn && column != TxColumn))
        return note;
    const auto bands = BandLimits::of(m_controller.document().settings());
    if (!bands || bands->contains(column == RxColumn ? channel.rxHz : channel.txHz) ||
        (column == TxColumn && channel.rxOnly))
        return {};
    QString text = outsideBandsText(*bands);
    text[0] = text[0].toUpper();
    return text;
}

// Numbers for numbers and frequencies, the value's place for an enumeration,
// the shown text otherwise.
QVariant ChannelTableModel::sortKey(const RadioChannel& channel, int column) const {
    if (column == NumberColumn)
        return channel.number;
    const auto field = fieldOf(column);
    if (!field)
        return {};
    const ChannelFieldInfo& row = channelField(*field);
    const QString shown = row.shownText(channel, referenceNames());
    switch (row.kind) {
    case FieldKind::frequency:
    case FieldKind::integer:
        return shown.isEmpty() ? QVariant(-1) : QVariant(row.dump(channel).toInteger());
    case FieldKind::enumeration:
        return int(row.choices.indexOf(shown));
    default:
        return shown.toLower();
    }
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const RadioChannel& channel = m_rows.at(index.row());
    const int column = index.column();
    const std::optional<ChannelField> field = fieldOf(column);
    switch (role) {
    case KeyRole:
        return channel.number;
    case SearchTextRole:
        return SearchProxyModel::channelSearchText(channel);
    case Qt::EditRole:
        if (const auto cell = cellOf(column))
            return channelCellText(channel, *cell, referenceNames());
        return {};
    case SortRole:
        if (column == DetailsColumn)
            return detailsText(channel).toLower();
        return sortKey(channel, column);
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (column == NumberColumn)
            return channel.number;
        if (column == DetailsColumn)
            return detailsText(channel);
        if (field)
            return channelField(*field).displayText(channel, referenceNames());
        return {};
    case Qt::DecorationRole:
        if (!cellMark(channel, column).isEmpty())
            return Icons::icon(QStringLiteral("exclamationmark.triangle.fill"));
        if (column == DetailsColumn && channel.rxOnly)
            return Icons::icon(QStringLiteral("lock.fill"));
        return {};
    case Qt::ToolTipRole:
        return cellMark(channel, column);
    case Qt::TextAlignmentRole:
        if (column == NumberColumn ||
            (field && (channelField(*field).kind == FieldKind::frequency ||
                       channelField(*field).kind == FieldKind::integer)))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == NumberColumn)
        return QStringLiteral("#");
    if (section == DetailsColumn)
        return tr("Details");
    if (const auto field = fieldOf(section))
        return channelField(*field).displayLabel();
    return {};
}

} // namespace nerka
