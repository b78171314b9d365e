#include "ui/views/TalkgroupListModel.h"

#include "controller/RadioController.h"
#include "ui/views/RecordRoles.h"

namespace nerka {

TalkgroupListModel::TalkgroupListModel(RadioController& controller, QObject* parent)
    : KeyedRowsModel<QAbstractListModel>(parent), m_controller(controller),
      m_rows(controller.document().talkgroups()) {
    connect(&controller.document(), &CodeplugDocument::recordsChanged, this,
            &TalkgroupListModel::apply);
}

void TalkgroupListModel::apply(const ChangeSet& changes) {
    applyChanges(m_rows, m_controller.document().talkgroups(), changes.talkgroups, changes.replaced,
                 [](const Talkgroup& r) { return r.index; });
}

QString TalkgroupListModel::membersText(const Talkgroup& record) {
    const qsizetype count = record.contactNames.size();
    if (count == 0)
        return tr("No members");
    const QString names = record.contactNames.join(QStringLiteral(", "));
    return count == 1 ? tr("1 member: %1").arg(names) : tr("%1 members: %2").arg(count).arg(names);
}

int TalkgroupListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant TalkgroupListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Talkgroup& record = m_rows.at(index.row());
    switch (role) {
    case KeyRole:
        return record.index;
    case SearchTextRole:
    case NameRole:
        return record.name;
    case MembersRole:
        return membersText(record);
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return QString(record.name + QLatin1Char('\n') + membersText(record));
    case Qt::ToolTipRole:
        return membersText(record);
    default:
        return {};
    }
}

QVariant TalkgroupListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return tr("Name");
    return QAbstractListModel::headerData(section, orientation, role);
}

} // namespace nerka
