#pragma once

#include "ui/views/MembershipModel.h"

#include <QWidget>

class QLabel;
class QTableView;

namespace nerka {

class SearchProxyModel;

// The membership grid of the Zones and Talkgroups sections: the tick table
// of a MembershipModel under the section's search (name or frequency for
// channels, name for contacts), and below it the current column's count
// against the limit ("Home: 12/80 channels"). A click anywhere in a cell
// toggles it; from the keyboard the arrows move between cells, Shift and the
// arrows choose several, and Space toggles them all as one step.
class MembershipGridView final : public QWidget {
    Q_OBJECT

public:
    MembershipGridView(RadioController& controller, MembershipModel::Kind kind,
                       QWidget* parent = nullptr);

    void setSearchText(const QString& text);
    // Toggles the current cell.
    void toggleCurrent();
    // Space: toggles every chosen cell as one step (all off when all are
    // ticked, else all on), or the current cell when none is chosen.
    void toggleSelection();

    [[nodiscard]] MembershipModel* model() const { return m_model; }
    [[nodiscard]] SearchProxyModel* proxy() const { return m_proxy; }
    [[nodiscard]] QTableView* table() const { return m_table; }
    [[nodiscard]] QLabel* countLabel() const { return m_count; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCount();

    MembershipModel* m_model = nullptr;
    SearchProxyModel* m_proxy = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_count = nullptr;
};

} // namespace nerka
