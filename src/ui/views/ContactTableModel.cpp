#include "ui/views/ContactTableModel.h"

#include "codeplug/ContactCodec.h"
#include "codeplug/RecordFieldTables.h"
#include "controller/RadioController.h"
#include "ui/views/RecordRoles.h"

namespace nerka {

ContactTableModel::ContactTableModel(RadioController& controller, QObject* parent)
    : KeyedRowsModel<QAbstractTableModel>(parent), m_controller(controller),
      m_rows(controller.document().contacts()) {
    connect(&controller.document(), &CodeplugDocument::recordsChanged, this,
            &ContactTableModel::apply);
}

void ContactTableModel::apply(const ChangeSet& changes) {
    applyChanges(m_rows, m_controller.document().contacts(), changes.contacts, changes.replaced,
                 [](const DMRContact& r) { return r.slot; });
}

int ContactTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ContactTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ContactTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const DMRContact& contact = m_rows.at(index.row());
    switch (role) {
    case KeyRole:
        return contact.slot;
    case SearchTextRole:
        return contact.name;
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (index.column() < contactFieldTable().size())
            return contactFieldTable()[index.column()].displayValue(contact);
        return {};
    default:
        return {};
    }
}

QVariant ContactTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section >= 0 && section < contactFieldTable().size())
        return contactFieldTable()[section].displayLabel();
    return {};
}

} // namespace nerka
