#include "ui/views/LogModel.h"

#include "controller/RadioController.h"

namespace nerka {

LogModel::LogModel(RadioController& controller, QObject* parent)
    : QAbstractListModel(parent), m_controller(controller),
      m_count(int(controller.activityLog().lines().size())) {
    connect(&controller.activityLog(), &ActivityLog::lineAppended, this, &LogModel::sync);
}

void LogModel::sync() {
    const int count = int(m_controller.activityLog().lines().size());
    if (count > m_count) {
        beginInsertRows({}, m_count, count - 1);
        m_count = count;
        endInsertRows();
    } else if (count < m_count) {
        beginResetModel();
        m_count = count;
        endResetModel();
    }
}

int LogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_count;
}

QVariant LogModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
        return m_controller.activityLog().lines().value(index.row());
    return {};
}

} // namespace nerka
