#include "ui/views/SatelliteTableModel.h"

#include "controller/RadioController.h"
#include "satellites/SatelliteFields.h"
#include "ui/views/RecordRoles.h"

#include <array>

namespace nerka {

namespace {

// The satellite field each column shows, in column order.
constexpr std::array<const char*, SatelliteTableModel::ColumnCount> kSatelliteColumnFields{
    "name", "rxFreq1", "txFreq1", "txTone", "epoch"};

} // namespace

SatelliteTableModel::SatelliteTableModel(RadioController& controller, QObject* parent)
    : KeyedRowsModel<QAbstractTableModel>(parent), m_controller(controller),
      m_rows(controller.document().satellites()) {
    connect(&controller.document(), &CodeplugDocument::recordsChanged, this,
            [this](const ChangeSet& changes) {
                if (changes.replaced || changes.satellites)
                    refresh();
            });
}

void SatelliteTableModel::refresh() {
    updateRows(
        m_rows, m_controller.document().satellites(), [](const Satellite& s) { return s.index; },
        [](Satellite a, const Satellite& b) {
            // Satellites get a fresh id on every decode.
            a.id = b.id;
            return a == b;
        });
}

int SatelliteTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SatelliteTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SatelliteTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Satellite& satellite = m_rows.at(index.row());
    switch (role) {
    case KeyRole:
        return satellite.index;
    case SearchTextRole:
        return satellite.name;
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (index.column() < ColumnCount) {
            const SatelliteFieldInfo* field =
                satelliteField(QLatin1String(kSatelliteColumnFields[size_t(index.column())]));
            return field ? field->text(satellite) : QString();
        }
        return {};
    case Qt::TextAlignmentRole:
        // Frequencies right-aligned, as in the channel table, so their
        // digits line up.
        if (index.column() == RxColumn || index.column() == TxColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant SatelliteTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("Name");
    case RxColumn:
        return tr("RX (MHz)");
    case TxColumn:
        return tr("TX (MHz)");
    case CtcssColumn:
        return tr("CTCSS");
    case EpochColumn:
        return tr("Keps epoch (UTC)");
    default:
        return {};
    }
}

} // namespace nerka
