#pragma once

#include "codeplug/ZoneCodec.h"
#include "ui/views/KeyedRowsModel.h"

#include <QAbstractListModel>

namespace nerka {

class RadioController;

// The controller's zones, one row each, keyed by index. A row shows the
// name and, on a second line, the channels.
class ZoneListModel final : public KeyedRowsModel<QAbstractListModel> {
    Q_OBJECT

public:
    enum Role { NameRole = Qt::UserRole + 100, MembersRole };

    explicit ZoneListModel(RadioController& controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    [[nodiscard]] const QList<Zone>& zones() const { return m_rows; }
    // "No channels", or the count followed by the names.
    [[nodiscard]] static QString membersText(const Zone& record);

private:
    void apply(const ChangeSet& changes);
    RadioController& m_controller;
    QList<Zone> m_rows;
};

} // namespace nerka
