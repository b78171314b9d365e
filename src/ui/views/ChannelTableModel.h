#pragma once

#include "codeplug/ChannelFields.h"
#include "codeplug/RadioChannel.h"
#include "ui/rules/ChannelCellEdit.h"
#include "ui/views/KeyedRowsModel.h"

#include <QAbstractTableModel>
#include <QHash>

#include <optional>

namespace nerka {

class RadioController;

// The document's channels, one row each, keyed by channel number. Follows the
// document's changes row by row (see KeyedRowsModel) and refreshes the
// columns that show other records' names (contact, group list, zones) when
// those change.
//
// The first six columns are the table's default set; the others are offered
// by the column chooser. Cells of channel fields are editable in place: an
// entry goes through the channel editor's rules (ChannelCellEdit) and then
// the controller; a refused entry leaves the channel as it was and is
// announced by cellRefused. A cell carries a mark (a warning icon with its
// reason as the tooltip) while its RX or TX lies outside the radio's bands,
// after TX was set to RX because the offset would have left the band, and
// after an entry into it was refused, until the next entry into that cell.
class ChannelTableModel final : public KeyedRowsModel<QAbstractTableModel> {
    Q_OBJECT

public:
    // The number, the fields of the channel field table in its order with
    // Details after TX (name, mode, RX and TX come first), and nothing else.
    enum Column {
        NumberColumn,
        NameColumn,
        ModeColumn,
        RxColumn,
        TxColumn,
        DetailsColumn,
    };
    // The column that shows a field.
    [[nodiscard]] static constexpr int columnOf(ChannelField field) {
        return int(field) <= int(ChannelField::tx) ? int(field) + 1 : int(field) + 2;
    }
    static constexpr int ZonesColumn = int(ChannelField::zones) + 2;
    static constexpr int ColumnCount = kChannelFieldCount + 2;
    static constexpr int kDefaultColumnCount = DetailsColumn + 1;
    // Numbers for numeric columns, texts otherwise: what the view sorts by.
    static constexpr int SortRole = Qt::UserRole + 40;

    explicit ChannelTableModel(RadioController& controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    [[nodiscard]] const QList<RadioChannel>& channels() const { return m_rows; }
    // The row of the channel with this number, if the model holds it.
    [[nodiscard]] std::optional<int> rowOf(int number) const;
    // The channel field a column shows, if it shows one.
    [[nodiscard]] static std::optional<ChannelField> fieldOf(int column);
    // The channel field a column edits, if it edits one.
    [[nodiscard]] static std::optional<ChannelField> cellOf(int column);

    // "TS1, CC 1, <contact>" for DMR, "12.5 kHz" or "25 kHz" for FM, with
    // ", Receive only" for a receive-only channel.
    [[nodiscard]] QString detailsText(const RadioChannel& channel) const;

Q_SIGNALS:
    // An entry in this cell was refused; `reason` says why ("RX: not a number").
    void cellRefused(const QModelIndex& index, const QString& reason);

private:
    void apply(const ChangeSet& changes);
    // Each true when that list's names changed.
    // The contact and talkgroup list names the reference cells show and read.
    [[nodiscard]] ChannelRowNames referenceNames() const;
    [[nodiscard]] QVariant sortKey(const RadioChannel& channel, int column) const;
    bool refreshContactNames();
    bool refreshGroupListNames();
    bool refreshZoneNames();
    void columnChanged(int column);

public:
    // Marks the TX cells of channels whose TX fill down set to RX.
    void markSetToSimplex(const QList<int>& numbers);

private:
    // The reason a cell is marked with, if any.
    [[nodiscard]] QString cellMark(const RadioChannel& channel, int column) const;
    void setCellNote(int number, int column, const QString& note);

    RadioController& m_controller;
    // Notes of single cells (a refused entry, TX set to simplex), by
    // channel number and column.
    QHash<std::pair<int, int>, QString> m_cellNotes;
    QList<RadioChannel> m_rows;
    QHash<int, QString> m_contactNames;   // by contact slot
    QHash<int, QString> m_groupListNames; // by talkgroup index
    QHash<int, QStringList> m_zoneNames;  // by channel number: the zones holding it
};

} // namespace nerka
