#pragma once

#include "satellites/Satellite.h"
#include "ui/views/KeyedRowsModel.h"

#include <QAbstractTableModel>

namespace nerka {

class RadioController;

// The codeplug's satellite table, one row per satellite, keyed by index.
class SatelliteTableModel final : public KeyedRowsModel<QAbstractTableModel> {
    Q_OBJECT

public:
    enum Column { NameColumn, RxColumn, TxColumn, CtcssColumn, EpochColumn, ColumnCount };

    explicit SatelliteTableModel(RadioController& controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    [[nodiscard]] const QList<Satellite>& satellites() const { return m_rows; }
    void refresh();

private:
    RadioController& m_controller;
    QList<Satellite> m_rows;
};

} // namespace nerka
