#include "ui/editors/DMRPreviewModel.h"

#include "ui/rules/DMRDatabaseFigures.h"

namespace nerka {

namespace {

// Whether the first `rows` rows read the same (O(rows), not O(size)).
bool samePrefix(const DMRUserEntryList& a, const DMRUserEntryList& b, int rows) {
    for (int i = 0; i < rows; ++i) {
        if (a.idAt(i) != b.idAt(i) || a.callsignUtf8(i) != b.callsignUtf8(i) ||
            a.firstNameUtf8(i) != b.firstNameUtf8(i) || a.lastNameUtf8(i) != b.lastNameUtf8(i))
            return false;
    }
    return true;
}

} // namespace

void DMRPreviewModel::setEntries(const DMRUserEntryList& entries, DMRNameFormat nameFormat) {
    const int rows = DMRDatabaseFigures::previewRows(entries.size());
    if (!m_matches && nameFormat == m_nameFormat && entries.size() == m_entries.size() &&
        rows == m_rows && samePrefix(entries, m_entries, rows)) {
        m_entries = entries;
        return;
    }
    beginResetModel();
    m_entries = entries;
    m_nameFormat = nameFormat;
    m_rows = rows;
    m_matches.reset();
    endResetModel();
}

void DMRPreviewModel::setMatches(const DMRUserEntryList& entries, DMRNameFormat nameFormat,
                                 const QList<qsizetype>& rows) {
    beginResetModel();
    m_entries = entries;
    m_nameFormat = nameFormat;
    m_matches = rows;
    m_rows = int(rows.size());
    endResetModel();
}

int DMRPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int DMRPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnCount_;
}

QVariant DMRPreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const qsizetype entry = entryAt(index.row());
    if (index.column() == idColumn)
        return QString::number(m_entries.idAt(entry));
    return displayText(m_entries.at(entry), m_nameFormat);
}

QVariant DMRPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == idColumn ? tr("DMR ID") : tr("Callsign / Name");
}

} // namespace nerka
