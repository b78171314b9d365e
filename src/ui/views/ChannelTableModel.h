#pragma once

#include "codeplug/RadioChannel.h"
#include "ui/views/KeyedRowsModel.h"

#include <QAbstractTableModel>
#include <QHash>

#include <optional>

namespace nerka {

class RadioController;

// The document's channels, one row each, keyed by channel number. Follows the
// document's changes row by row (see KeyedRowsModel) and refreshes the
// Details column when a contact name changed.
class ChannelTableModel final : public KeyedRowsModel<QAbstractTableModel> {
    Q_OBJECT

public:
    enum Column {
        NumberColumn,
        NameColumn,
        ModeColumn,
        RxColumn,
        TxColumn,
        DetailsColumn,
        ColumnCount
    };

    explicit ChannelTableModel(RadioController& controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    [[nodiscard]] const QList<RadioChannel>& channels() const { return m_rows; }
    // The row of the channel with this number, if the model holds it.
    [[nodiscard]] std::optional<int> rowOf(int number) const;

    // "TS1, CC 1, <contact>" for DMR, "12.5 kHz" or "25 kHz" for FM, with
    // ", Receive only" for a receive-only channel.
    [[nodiscard]] QString detailsText(const RadioChannel& channel) const;

private:
    void apply(const ChangeSet& changes);
    // True when a contact name changed.
    bool refreshContactNames();

    RadioController& m_controller;
    QList<RadioChannel> m_rows;
    QHash<int, QString> m_contactNames; // by contact slot
};

} // namespace nerka
