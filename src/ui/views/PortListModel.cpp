#include "ui/views/PortListModel.h"

#include "controller/RadioController.h"

namespace nerka {

PortListModel::PortListModel(RadioController& controller, QObject* parent)
    : QAbstractListModel(parent), m_controller(controller), m_rows(controller.ports()) {
    connect(&controller, &RadioController::portsChanged, this, &PortListModel::refresh);
}

void PortListModel::refresh() {
    // The list is short and unordered by key; a reset is what a combo box
    // handles best.
    if (m_rows == m_controller.ports())
        return;
    beginResetModel();
    m_rows = m_controller.ports();
    endResetModel();
}

int PortListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PortListModel::rowOf(const QString& path) const {
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).path == path)
            return row;
    }
    return -1;
}

QVariant PortListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const SerialDevice& device = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return device.displayName();
    case Qt::ToolTipRole:
    case PathRole:
        return device.path;
    default:
        return {};
    }
}

} // namespace nerka
