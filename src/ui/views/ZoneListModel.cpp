#include "ui/views/ZoneListModel.h"

#include "controller/RadioController.h"
#include "ui/views/RecordRoles.h"

namespace nerka {

ZoneListModel::ZoneListModel(RadioController& controller, QObject* parent)
    : KeyedRowsModel<QAbstractListModel>(parent), m_controller(controller),
      m_rows(controller.document().zones()) {
    connect(&controller.document(), &CodeplugDocument::recordsChanged, this, &ZoneListModel::apply);
}

void ZoneListModel::apply(const ChangeSet& changes) {
    applyChanges(m_rows, m_controller.document().zones(), changes.zones, changes.replaced,
                 [](const Zone& r) { return r.index; });
}

QString ZoneListModel::membersText(const Zone& record) {
    const qsizetype count = record.channelNames.size();
    if (count == 0)
        return tr("No channels");
    const QString names = record.channelNames.join(QStringLiteral(", "));
    return count == 1 ? tr("1 channel: %1").arg(names)
                      : tr("%1 channels: %2").arg(count).arg(names);
}

int ZoneListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ZoneListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Zone& record = m_rows.at(index.row());
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

QVariant ZoneListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return tr("Name");
    return QAbstractListModel::headerData(section, orientation, role);
}

} // namespace nerka
