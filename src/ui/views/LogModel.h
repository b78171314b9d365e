#pragma once

#include <QAbstractListModel>

namespace nerka {

class RadioController;

// The controller's activity log, one row per line, newest last. A new line
// is one inserted row at the end, so a long log never resets the view; the
// lines themselves are read from the controller, which only appends.
class LogModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit LogModel(RadioController& controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    // Follows the controller's log: appends the new lines, or resets when
    // the log got shorter (replaced).
    void sync();

    RadioController& m_controller;
    int m_count = 0;
};

} // namespace nerka
