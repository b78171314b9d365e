#pragma once

#include "link/SerialDevice.h"

#include <QAbstractListModel>

namespace nerka {

class RadioController;

// The serial devices the controller found, one row each: the display name
// (with the path as tool tip and under PathRole).
class PortListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { PathRole = Qt::UserRole + 100 };

    explicit PortListModel(RadioController& controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    [[nodiscard]] const QList<SerialDevice>& ports() const { return m_rows; }
    // The row of the device at `path`, or -1.
    [[nodiscard]] int rowOf(const QString& path) const;

private:
    void refresh();

    RadioController& m_controller;
    QList<SerialDevice> m_rows;
};

} // namespace nerka
