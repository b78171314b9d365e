#pragma once

#include "controller/EditResult.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

namespace nerka {

class RadioController;

// Who belongs to which list, as a grid of tick boxes: channels × zones, or
// contacts × talkgroup lists. Column 0 names the row's record; every further
// column is one list (its header is the list's name) and each of its cells is
// checked when the row's record is a member. Checking or unchecking a cell
// asks the controller for the change; a refused change leaves the cell as it
// was. The rows are keyed like the record lists (channel number, contact slot)
// and carry the search text of SearchProxyModel under SearchTextRole.
//
// The row's name is also its vertical header, which stays in view while the
// grid scrolls sideways.
//
// Talkgroup rows are the group contacts, plus any other record a list names:
// a private or all-call contact, or a slot with no contact left, so such a
// member can still be taken out. Those rows are marked (MarkedRole).
class MembershipModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Kind { zones, talkgroups };
    enum Role {
        // Header of a list column: "12/80" (members against the limit).
        CountTextRole = Qt::UserRole + 200,
        // Cell of column 0: true for a row that is not a candidate (see above).
        MarkedRole,
        // Header of a list column: the list's index.
        ListKeyRole,
    };
    static constexpr int NameColumn = 0;

    MembershipModel(RadioController& controller, Kind kind, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    [[nodiscard]] Kind kind() const { return m_kind; }
    // Flips the cell's membership; true when the controller made the change.
    bool toggle(const QModelIndex& index);
    // Makes the records of these cells members of their lists (or takes them
    // out) as one undo step; name cells are left out. New members join in
    // record order. True when anything changed.
    bool setMembers(const QModelIndexList& cells, bool member);
    // Flips the cells as one step: when every one is ticked they are all
    // unticked, otherwise all are ticked.
    bool toggleAll(const QModelIndexList& cells);
    [[nodiscard]] int memberLimit() const;
    [[nodiscard]] int memberCount(int column) const;
    // "Home: 12/80 channels", the column's list with its count and limit.
    [[nodiscard]] QString countText(int column) const;
    [[nodiscard]] std::optional<int> columnOfList(int listKey) const;
    [[nodiscard]] std::optional<int> rowOfKey(int rowKey) const;

Q_SIGNALS:
    // The members of the list in `column` changed but not its name: its
    // CountTextRole and tooltip are new, its header text is not. Announced
    // apart from headerDataChanged, which makes a table lay out its header
    // and repaint every cell; the grid repaints just that header section.
    void countChanged(int column);

private:
    struct Row {
        int key = 0;
        QString name;       // shown in column 0
        QString searchText; // what the search matches
        bool marked = false;
        friend bool operator==(const Row&, const Row&) = default;
    };
    struct List {
        int key = 0;
        QString name;
        QList<int> members; // member keys: channel numbers or contact slots
        QSet<int> memberSet;
        friend bool operator==(const List& a, const List& b) {
            return a.key == b.key && a.name == b.name && a.members == b.members;
        }
    };

    void apply(const ChangeSet& changes);
    // `lists`: the lists the rows are for (talkgroup rows include their members).
    [[nodiscard]] QList<Row> buildRows(const QList<List>& lists) const;
    [[nodiscard]] QList<List> buildLists() const;
    [[nodiscard]] const List* listAt(int column) const;

    RadioController& m_controller;
    Kind m_kind;
    QList<Row> m_rows;
    QList<List> m_lists;
};

} // namespace nerka
