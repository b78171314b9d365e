#pragma once

#include "codeplug/ContactCodec.h"
#include "ui/views/KeyedRowsModel.h"

#include <QAbstractTableModel>

namespace nerka {

class RadioController;

// The controller's DMR contacts, one row each, keyed by slot.
class ContactTableModel final : public KeyedRowsModel<QAbstractTableModel> {
    Q_OBJECT

public:
    enum Column { NameColumn, DmrIdColumn, TypeColumn, TimeSlotColumn, ColumnCount };

    explicit ContactTableModel(RadioController& controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    [[nodiscard]] const QList<DMRContact>& contacts() const { return m_rows; }

private:
    void apply(const ChangeSet& changes);
    RadioController& m_controller;
    QList<DMRContact> m_rows;
};

} // namespace nerka
