#include "ui/views/SatelliteTableModel.h"

#include "codeplug/Megahertz.h"
#include "controller/RadioController.h"
#include "satellites/SatelliteCodec.h"
#include "ui/views/RecordRoles.h"

#include <QDateTime>

namespace nerka {

namespace {

// "%.5f" MHz, or a dash for a frequency that is not set (0).
QString mhzText(std::uint32_t hz) {
    return hz == 0 ? QStringLiteral("—") : megahertzText(hz);
}

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
        switch (index.column()) {
        case NameColumn:
            return satellite.name;
        case RxColumn:
            return mhzText(satellite.rxFreq1);
        case TxColumn:
            return mhzText(satellite.txFreq1);
        case CtcssColumn:
            return satellite.txTone ? satellite.txTone->displayText() : QStringLiteral("—");
        case EpochColumn: {
            const std::optional<QDateTime> epoch = epochDate(satellite);
            return epoch ? epoch->toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                         : QStringLiteral("—");
        }
        default:
            return {};
        }
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
        return QStringLiteral("Name");
    case RxColumn:
        return QStringLiteral("RX (MHz)");
    case TxColumn:
        return QStringLiteral("TX (MHz)");
    case CtcssColumn:
        return QStringLiteral("CTCSS");
    case EpochColumn:
        return QStringLiteral("Keps epoch (UTC)");
    default:
        return {};
    }
}

} // namespace nerka
