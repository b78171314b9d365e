#include "ui/views/ChannelTableModel.h"

#include "codeplug/ChannelChecks.h"
#include "controller/RadioController.h"
#include "ui/kit/Icons.h"
#include "ui/views/RecordRoles.h"
#include "ui/views/SearchProxyModel.h"

#include <algorithm>

namespace nerka {

namespace {

QString mhzText(std::uint64_t hz) {
    return QString::asprintf("%.5f", double(hz) / 1e6);
}

QString yesNo(bool flag) {
    return flag ? QStringLiteral("Yes") : QString();
}

const QString kSimplexMark =
    QStringLiteral("TX set to RX: with its offset, TX would have left the band");

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
        columnChanged(ContactColumn);
    }
    if (changes.replaced || changes.settings) {
        // The band marks follow the radio's band limits.
        columnChanged(RxColumn);
        columnChanged(TxColumn);
    }
    if (changes.replaced)
        m_cellNotes.clear();
    if ((changes.replaced || !changes.talkgroups.isEmpty()) && refreshGroupListNames())
        columnChanged(GroupListColumn);
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
    QHash<int, QString> names;
    for (const Zone& zone : m_controller.document().zones()) {
        for (const int member : zone.memberIndices) {
            QString& text = names[member + 1];
            if (!text.isEmpty())
                text += QStringLiteral(", ");
            text += zone.name;
        }
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

std::optional<ChannelCell> ChannelTableModel::cellOf(int column) {
    switch (column) {
    case NameColumn:
        return ChannelCell::name;
    case ModeColumn:
        return ChannelCell::mode;
    case RxColumn:
        return ChannelCell::rx;
    case TxColumn:
        return ChannelCell::tx;
    case PowerColumn:
        return ChannelCell::power;
    case RxToneColumn:
        return ChannelCell::rxTone;
    case TxToneColumn:
        return ChannelCell::txTone;
    case TimeSlotColumn:
        return ChannelCell::timeSlot;
    case ColorCodeColumn:
        return ChannelCell::colorCode;
    case ScanSkipColumn:
        return ChannelCell::scanSkip;
    case RxOnlyColumn:
        return ChannelCell::rxOnly;
    case ContactColumn:
        return ChannelCell::contact;
    case GroupListColumn:
        return ChannelCell::groupList;
    default:
        return std::nullopt;
    }
}

QString ChannelTableModel::detailsText(const RadioChannel& channel) const {
    QStringList parts;
    if (channel.isDMR()) {
        parts << QStringLiteral("TS%1").arg(channel.timeSlot)
              << QStringLiteral("CC %1").arg(channel.colorCode);
        if (channel.contactIndex) {
            parts << m_contactNames.value(*channel.contactIndex,
                                          QStringLiteral("#%1").arg(*channel.contactIndex + 1));
        }
    } else {
        parts << (channel.bandwidthWide ? QStringLiteral("25 kHz") : QStringLiteral("12.5 kHz"));
    }
    if (channel.rxOnly)
        parts << QStringLiteral("Receive only");
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
    const std::optional<ChannelCell> cell = cellOf(index.column());
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
        checkTypedChannelChange(channel, std::get<ChannelEdit>(edit), *cell == ChannelCell::rx,
                                BandLimits::of(m_controller.document().settings()));
    // The document announces the change; the row follows through apply().
    const EditResult result = m_controller.document().updateChannels(
        {{channel.number, change.edit}}, simplexNote(change.setToSimplex ? 1 : 0));
    if (change.setToSimplex && result.isDone())
        setCellNote(channel.number, TxColumn, kSimplexMark);
    return !result.isRefused();
}

void ChannelTableModel::markSetToSimplex(const QList<int>& numbers) {
    for (const int number : numbers)
        setCellNote(number, TxColumn, kSimplexMark);
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

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const RadioChannel& channel = m_rows.at(index.row());
    const int column = index.column();
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
        switch (column) {
        case NumberColumn:
            return channel.number;
        case RxColumn:
            return qulonglong(channel.rxHz);
        case TxColumn:
            return qulonglong(channel.txHz);
        case PowerColumn:
            return int(powerLevel(channel.powerRaw));
        case TimeSlotColumn:
            return channel.timeSlot;
        case ColorCodeColumn:
            return channel.colorCode;
        default:
            return data(index, Qt::DisplayRole).toString().toLower();
        }
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        switch (column) {
        case NumberColumn:
            return channel.number;
        case NameColumn:
            return channel.name;
        case ModeColumn:
            return channel.isDMR() ? QStringLiteral("DMR") : QStringLiteral("FM");
        case RxColumn:
            return mhzText(channel.rxHz);
        case TxColumn:
            return mhzText(channel.txHz);
        case DetailsColumn:
            return detailsText(channel);
        case PowerColumn:
            return rawText(powerLevel(channel.powerRaw));
        case RxToneColumn:
            return channel.rxTone ? channel.rxTone->displayText() : QString();
        case TxToneColumn:
            return channel.txTone ? channel.txTone->displayText() : QString();
        case TimeSlotColumn:
            return channel.isDMR() ? QStringLiteral("TS%1").arg(channel.timeSlot) : QString();
        case ColorCodeColumn:
            return channel.isDMR() ? QString::number(channel.colorCode) : QString();
        case ContactColumn:
            if (!channel.contactIndex)
                return QString();
            return m_contactNames.value(*channel.contactIndex,
                                        QStringLiteral("#%1").arg(*channel.contactIndex + 1));
        case GroupListColumn:
            if (!channel.groupListIndex)
                return QString();
            return m_groupListNames.value(*channel.groupListIndex,
                                          QStringLiteral("#%1").arg(*channel.groupListIndex + 1));
        case ZonesColumn:
            return m_zoneNames.value(channel.number);
        case ScanSkipColumn:
            return yesNo(channel.skipScan);
        case RxOnlyColumn:
            return yesNo(channel.rxOnly);
        default:
            return {};
        }
    case Qt::DecorationRole:
        if (!cellMark(channel, column).isEmpty())
            return Icons::icon(QStringLiteral("exclamationmark.triangle.fill"));
        if (column == DetailsColumn && channel.rxOnly)
            return Icons::icon(QStringLiteral("lock.fill"));
        return {};
    case Qt::ToolTipRole:
        return cellMark(channel, column);
    case Qt::TextAlignmentRole:
        if (column == NumberColumn || column == RxColumn || column == TxColumn ||
            column == ColorCodeColumn)
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
    switch (section) {
    case NumberColumn:
        return QStringLiteral("#");
    case NameColumn:
        return QStringLiteral("Name");
    case ModeColumn:
        return QStringLiteral("Mode");
    case RxColumn:
        return QStringLiteral("RX (MHz)");
    case TxColumn:
        return QStringLiteral("TX (MHz)");
    case DetailsColumn:
        return QStringLiteral("Details");
    case PowerColumn:
        return QStringLiteral("Power");
    case RxToneColumn:
        return QStringLiteral("RX tone");
    case TxToneColumn:
        return QStringLiteral("TX tone");
    case TimeSlotColumn:
        return QStringLiteral("Time slot");
    case ColorCodeColumn:
        return QStringLiteral("Colour code");
    case ContactColumn:
        return QStringLiteral("TX contact");
    case GroupListColumn:
        return QStringLiteral("Group list");
    case ZonesColumn:
        return QStringLiteral("Zones");
    case ScanSkipColumn:
        return QStringLiteral("Scan skip");
    case RxOnlyColumn:
        return QStringLiteral("RX only");
    default:
        return {};
    }
}

} // namespace nerka
