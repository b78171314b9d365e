#pragma once

#include "codeplug/TalkgroupCodec.h"
#include "ui/views/KeyedRowsModel.h"

#include <QAbstractListModel>

namespace nerka {

class RadioController;

// The controller's RX group lists, one row each, keyed by index. A row shows the
// name and, on a second line, the members.
class TalkgroupListModel final : public KeyedRowsModel<QAbstractListModel> {
    Q_OBJECT

public:
    enum Role { NameRole = Qt::UserRole + 100, MembersRole };

    explicit TalkgroupListModel(RadioController& controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    [[nodiscard]] const QList<Talkgroup>& talkgroups() const { return m_rows; }
    // "No members", or the count followed by the names.
    [[nodiscard]] static QString membersText(const Talkgroup& record);

private:
    void apply(const ChangeSet& changes);
    RadioController& m_controller;
    QList<Talkgroup> m_rows;
};

} // namespace nerka
