#pragma once

#include "satellites/Satellite.h"
#include "satellites/SatelliteCandidates.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <QUuid>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace nerka {

// The satellite picker sheet shown after a keps load: the candidates with
// their SatNOGS frequencies, a filter for FM satellites and a search, and a
// footer that counts the ticks against the free slots. "Add" hands the ticked
// candidates, in list order, to `onAdd` and closes. Open it with open().
class SatellitePickerView : public QDialog {
    Q_OBJECT
public:
    SatellitePickerView(QList<SatelliteCandidate> candidates, QList<Satellite> existing,
                        int freeSlots, QWidget* parent);

    std::function<void(const QList<SatelliteCandidate>&)> onAdd;

    [[nodiscard]] QPushButton* addButton() const { return m_add; }
    [[nodiscard]] QListWidget* list() const { return m_list; }
    [[nodiscard]] QLabel* footer() const { return m_footer; }
    [[nodiscard]] QLabel* warning() const { return m_warning; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuildRows();
    void updateRow(int row);
    void toggleRow(int row);
    void updateFooter();

    QList<SatelliteCandidate> m_candidates;
    QList<Satellite> m_existing;
    int m_freeSlots = 0;
    QSet<QUuid> m_selection;
    QList<int> m_shown; // candidate index of each visible row

    QCheckBox* m_onlyFM = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_footer = nullptr;
    QLabel* m_warningIcon = nullptr;
    QLabel* m_warning = nullptr;
    QPushButton* m_add = nullptr;
};

} // namespace nerka
