#pragma once

#include "dmrdb/DMRUserEntry.h"
#include "dmrdb/DMRUserEntryList.h"

#include <QAbstractTableModel>

#include <optional>

namespace nerka {

// The preview of the DMR database screen: the first entries in list order,
// or the matches of a search, "DMR ID" and "Callsign / Name" (the display text in the chosen name
// format). Texts are formed only for the rows the view asks for, and the
// model holds a shared copy of the list, so a million entries cost nothing.
class DMRPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { idColumn, textColumn, columnCount_ };

    using QAbstractTableModel::QAbstractTableModel;

    // Resets the model only when what it shows changes: the name format, the
    // shown rows or the total. Changing the format or the text length of the
    // database therefore keeps the table and its scroll position.
    void setEntries(const DMRUserEntryList& entries, DMRNameFormat nameFormat);
    // Shows the entries at `rows` of `entries` (the matches of a search).
    void setMatches(const DMRUserEntryList& entries, DMRNameFormat nameFormat,
                    const QList<qsizetype>& rows);

    [[nodiscard]] qsizetype total() const { return m_entries.size(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    [[nodiscard]] qsizetype entryAt(int row) const { return m_matches ? (*m_matches)[row] : row; }

    DMRUserEntryList m_entries;
    DMRNameFormat m_nameFormat = DMRNameFormat::firstName;
    int m_rows = 0;
    std::optional<QList<qsizetype>> m_matches; // list indices shown; none: the first rows
};

} // namespace nerka
