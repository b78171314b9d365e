#include "ui/views/MembershipModel.h"

#include "controller/RadioController.h"
#include "ui/views/RecordRoles.h"
#include "ui/views/SearchProxyModel.h"

#include <QHash>

#include <algorithm>

namespace nerka {

namespace {

// Beyond this many flipped cells in one column, the column is announced whole.
constexpr qsizetype kCellsAnnouncedOneByOne = 32;

} // namespace

MembershipModel::MembershipModel(RadioController& controller, Kind kind, QObject* parent)
    : QAbstractTableModel(parent), m_controller(controller), m_kind(kind) {
    m_lists = buildLists();
    m_rows = buildRows(m_lists);
    connect(&controller.document(), &CodeplugDocument::recordsChanged, this,
            &MembershipModel::apply);
}

QList<MembershipModel::List> MembershipModel::buildLists() const {
    QList<List> lists;
    const auto add = [&lists](int key, const QString& name, QList<int> members) {
        List list{key, name, std::move(members), {}};
        list.memberSet = QSet<int>(list.members.cbegin(), list.members.cend());
        lists.append(std::move(list));
    };
    if (m_kind == Kind::zones) {
        for (const Zone& zone : m_controller.document().zones()) {
            QList<int> numbers;
            numbers.reserve(zone.memberIndices.size());
            for (int position : zone.memberIndices)
                numbers.append(position + 1);
            add(zone.index, zone.name, std::move(numbers));
        }
    } else {
        // A list may have no name; its column still needs a header.
        for (const Talkgroup& talkgroup : m_controller.document().talkgroups())
            add(talkgroup.index,
                talkgroup.name.isEmpty() ? tr("Talkgroup %1").arg(talkgroup.index + 1)
                                         : talkgroup.name,
                talkgroup.memberSlots);
    }
    return lists;
}

QList<MembershipModel::Row> MembershipModel::buildRows(const QList<List>& lists) const {
    QList<Row> rows;
    if (m_kind == Kind::zones) {
        rows.reserve(m_controller.document().channels().size());
        for (const RadioChannel& channel : m_controller.document().channels())
            rows.append({channel.number,
                         QStringLiteral("%1: %2").arg(channel.number).arg(channel.name),
                         SearchProxyModel::channelSearchText(channel), false});
        return rows;
    }
    // Group contacts are the candidates; any other slot shows only while a
    // list names it.
    QSet<int> named;
    for (const List& list : lists)
        named.unite(list.memberSet);
    QHash<int, const DMRContact*> bySlot;
    for (const DMRContact& contact : m_controller.document().contacts())
        bySlot.insert(contact.slot, &contact);
    QList<int> slots;
    for (const DMRContact& contact : m_controller.document().contacts())
        if (contact.type == ContactType::group || named.contains(contact.slot))
            slots.append(contact.slot);
    for (int slot : named)
        if (!bySlot.contains(slot))
            slots.append(slot);
    std::sort(slots.begin(), slots.end());
    for (int slot : slots) {
        const DMRContact* contact = bySlot.value(slot);
        Row row{slot, {}, {}, !contact || contact->type != ContactType::group};
        if (!contact) {
            row.name = QStringLiteral("#%1 (no contact)").arg(slot + 1);
        } else {
            row.name =
                QStringLiteral("%1 (%2)").arg(contact->name, QString::number(contact->dmrID));
            if (contact->type == ContactType::privateCall)
                row.name += tr(" \u2014 private call");
            else if (contact->type == ContactType::allCall)
                row.name += tr(" \u2014 all call");
        }
        row.searchText = contact ? contact->name : row.name;
        rows.append(std::move(row));
    }
    return rows;
}

void MembershipModel::apply(const ChangeSet& changes) {
    const bool relevant =
        changes.replaced ||
        (m_kind == Kind::zones ? !changes.channels.isEmpty() || !changes.zones.isEmpty()
                               : !changes.contacts.isEmpty() || !changes.talkgroups.isEmpty());
    if (!relevant)
        return;
    QList<List> lists = buildLists();
    // Zone rows follow the channels only; talkgroup rows also follow the lists.
    QList<Row> rows = m_kind == Kind::zones && changes.channels.isEmpty() && !changes.replaced
                          ? m_rows
                          : buildRows(lists);
    const bool sameShape = !changes.replaced && rows.size() == m_rows.size() &&
                           lists.size() == m_lists.size() &&
                           std::equal(rows.cbegin(), rows.cend(), m_rows.cbegin(),
                                      [](const Row& a, const Row& b) { return a.key == b.key; }) &&
                           std::equal(lists.cbegin(), lists.cend(), m_lists.cbegin(),
                                      [](const List& a, const List& b) { return a.key == b.key; });
    if (!sameShape) {
        beginResetModel();
        m_lists = std::move(lists);
        m_rows = std::move(rows);
        endResetModel();
        return;
    }
    // Same rows and columns: announce only the cells that changed, so the
    // current cell and the scroll position stay where the user left them.
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (rows[r] == m_rows[r])
            continue;
        m_rows[r] = rows[r];
        Q_EMIT dataChanged(index(int(r), NameColumn), index(int(r), NameColumn));
        Q_EMIT headerDataChanged(Qt::Vertical, int(r), int(r));
    }
    for (qsizetype l = 0; l < lists.size(); ++l) {
        if (lists[l] == m_lists[l])
            continue;
        // The cells whose tick flipped; a toggle flips one, and announcing
        // one cell spares the search proxy and the view a pass over the column.
        QSet<int> flipped = lists[l].memberSet;
        flipped.unite(m_lists[l].memberSet);
        flipped.subtract(QSet<int>(lists[l].memberSet).intersect(m_lists[l].memberSet));
        const bool renamed = lists[l].name != m_lists[l].name;
        m_lists[l] = std::move(lists[l]);
        const int column = int(l) + 1;
        if (renamed)
            Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
        else
            Q_EMIT countChanged(column);
        if (m_rows.isEmpty())
            continue;
        if (renamed || flipped.size() > kCellsAnnouncedOneByOne) {
            Q_EMIT dataChanged(index(0, column), index(int(m_rows.size()) - 1, column));
            continue;
        }
        for (int key : flipped)
            if (const std::optional<int> row = rowOfKey(key))
                Q_EMIT dataChanged(index(*row, column), index(*row, column), {Qt::CheckStateRole});
    }
}

int MembershipModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int MembershipModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lists.size()) + 1;
}

const MembershipModel::List* MembershipModel::listAt(int column) const {
    if (column < 1 || column > m_lists.size())
        return nullptr;
    return &m_lists[column - 1];
}

int MembershipModel::memberLimit() const {
    return m_kind == Kind::zones ? m_controller.document().zoneMemberLimit()
                                 : m_controller.document().talkgroupMemberLimit();
}

int MembershipModel::memberCount(int column) const {
    const List* list = listAt(column);
    return list ? int(list->members.size()) : 0;
}

QString MembershipModel::countText(int column) const {
    const List* list = listAt(column);
    if (!list)
        return {};
    return (m_kind == Kind::zones ? tr("%1: %2/%3 channels") : tr("%1: %2/%3 contacts"))
        .arg(list->name, QString::number(list->members.size()), QString::number(memberLimit()));
}

std::optional<int> MembershipModel::columnOfList(int listKey) const {
    for (qsizetype l = 0; l < m_lists.size(); ++l)
        if (m_lists[l].key == listKey)
            return int(l) + 1;
    return std::nullopt;
}

std::optional<int> MembershipModel::rowOfKey(int rowKey) const {
    const auto it = std::lower_bound(m_rows.cbegin(), m_rows.cend(), rowKey,
                                     [](const Row& r, int k) { return r.key < k; });
    if (it == m_rows.cend() || it->key != rowKey)
        return std::nullopt;
    return int(it - m_rows.cbegin());
}

QVariant MembershipModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = m_rows.at(index.row());
    if (index.column() == NameColumn) {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole:
            return row.name;
        case KeyRole:
            return row.key;
        case SearchTextRole:
            return row.searchText;
        case MarkedRole:
            return row.marked;
        default:
            return {};
        }
    }
    const List* list = listAt(index.column());
    const bool member = list->memberSet.contains(row.key);
    switch (role) {
    case Qt::CheckStateRole:
        return member ? Qt::Checked : Qt::Unchecked;
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        // The cell alone says nothing: name the record and the list.
        return tr("%1 in %2").arg(row.name, list->name);
    case KeyRole:
        return row.key;
    default:
        return {};
    }
}

Qt::ItemFlags MembershipModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    if (index.column() == NameColumn)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

bool MembershipModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() == NameColumn ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    return setMembers({index}, value.value<Qt::CheckState>() == Qt::Checked);
}

bool MembershipModel::setMembers(const QModelIndexList& cells, bool member) {
    QList<std::pair<int, int>> pairs;
    for (const QModelIndex& cell : cells) {
        if (cell.model() != this || !(flags(cell) & Qt::ItemIsUserCheckable))
            continue;
        pairs.append({listAt(cell.column())->key, m_rows.at(cell.row()).key});
    }
    if (pairs.isEmpty())
        return false;
    CodeplugDocument& document = m_controller.document();
    // The document's change signal updates the cells (apply above).
    const EditResult result = m_kind == Kind::zones
                                  ? document.setZoneMemberships(pairs, member)
                                  : document.setTalkgroupMemberships(pairs, member);
    return result.isDone();
}

bool MembershipModel::toggle(const QModelIndex& index) {
    return toggleAll({index});
}

bool MembershipModel::toggleAll(const QModelIndexList& cells) {
    bool allTicked = true;
    bool any = false;
    for (const QModelIndex& cell : cells) {
        if (cell.model() != this || !(flags(cell) & Qt::ItemIsUserCheckable))
            continue;
        any = true;
        allTicked =
            allTicked && cell.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    }
    return any && setMembers(cells, !allTicked);
}

QVariant MembershipModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical && section >= 0 && section < m_rows.size() &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole))
        return m_rows.at(section).name;
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == NameColumn) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return m_kind == Kind::zones ? tr("Channel") : tr("Contact");
        return {};
    }
    const List* list = listAt(section);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return list->name;
    case Qt::ToolTipRole:
        return countText(section);
    case CountTextRole:
        return QStringLiteral("%1/%2").arg(list->members.size()).arg(memberLimit());
    case ListKeyRole:
        return list->key;
    default:
        return {};
    }
}

} // namespace nerka
