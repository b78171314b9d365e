#include "ui/views/ContactTableModel.h"

#include "codeplug/ContactCodec.h"
#include "controller/RadioController.h"
#include "ui/views/RecordRoles.h"

namespace nerka {

namespace {

// The contact's time slot in the words of the contact editor ("No override",
// "Force TS1", "Force TS2"), so the list and the editor read alike.
QString timeSlotText(TimeSlotOverride slot) {
    return rawText(slot);
}

} // namespace

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
        switch (index.column()) {
        case NameColumn:
            return contact.name;
        case DmrIdColumn:
            return QString::number(contact.dmrID);
        case TypeColumn:
            return displayText(contact.type);
        case TimeSlotColumn:
            return timeSlotText(contact.timeSlotOverride);
        default:
            return {};
        }
    default:
        return {};
    }
}

QVariant ContactTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return QStringLiteral("Name");
    case DmrIdColumn:
        return QStringLiteral("DMR-ID");
    case TypeColumn:
        return QStringLiteral("Type");
    case TimeSlotColumn:
        return QStringLiteral("Time slot");
    default:
        return {};
    }
}

} // namespace nerka
