#include "ui/views/ChannelTableModel.h"

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

} // namespace

ChannelTableModel::ChannelTableModel(RadioController& controller, QObject* parent)
    : KeyedRowsModel<QAbstractTableModel>(parent), m_controller(controller) {
    refreshContactNames();
    m_rows = controller.channels();
    connect(&controller.document(), &CodeplugDocument::recordsChanged, this,
            &ChannelTableModel::apply);
}

void ChannelTableModel::apply(const ChangeSet& changes) {
    applyChanges(m_rows, m_controller.channels(), changes.channels, changes.replaced,
                 [](const RadioChannel& c) { return c.number; });
    // Only a changed contact name shows in the Details column.
    if ((changes.replaced || !changes.contacts.isEmpty()) && refreshContactNames() &&
        !m_rows.isEmpty()) {
        Q_EMIT dataChanged(index(0, DetailsColumn), index(int(m_rows.size()) - 1, DetailsColumn));
    }
}

bool ChannelTableModel::refreshContactNames() {
    QHash<int, QString> names;
    names.reserve(m_controller.contacts().size());
    for (const DMRContact& contact : m_controller.contacts())
        names.insert(contact.slot, contact.name);
    if (names == m_contactNames)
        return false;
    m_contactNames = std::move(names);
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

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const RadioChannel& channel = m_rows.at(index.row());
    switch (role) {
    case KeyRole:
        return channel.number;
    case SearchTextRole:
        return SearchProxyModel::channelSearchText(channel);
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        switch (index.column()) {
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
        default:
            return {};
        }
    case Qt::DecorationRole:
        if (index.column() == DetailsColumn && channel.rxOnly)
            return Icons::icon(QStringLiteral("lock.fill"));
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == NumberColumn || index.column() == RxColumn ||
            index.column() == TxColumn)
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
    default:
        return {};
    }
}

} // namespace nerka
