#pragma once

#include "satellites/Satellite.h"
#include "ui/rules/SatelliteFormRules.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace nerka {

// The satellite editor sheet: name, three frequency pairs and the two CTCSS
// tones of one satellite. It edits a copy; "Save" hands the edited satellite
// to `onSave` and closes, "Cancel" closes without effect. Open it with open().
class SatelliteEditView : public QDialog {
    Q_OBJECT
public:
    SatelliteEditView(const Satellite& satellite, bool isNew, QWidget* parent);

    std::function<void(const Satellite&)> onSave;

    // The confirm button, for the window and tests.
    [[nodiscard]] QPushButton* saveButton() const { return m_save; }

private:
    [[nodiscard]] SatelliteForm currentForm() const;
    void revalidate();
    void save();

    Satellite m_satellite;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_freq[6] = {}; // rx1, tx1, rx2, tx2, rx3, tx3
    QComboBox* m_txTone = nullptr;
    QComboBox* m_armTone = nullptr;
    QLabel* m_hint = nullptr;
    QPushButton* m_save = nullptr;
};

} // namespace nerka
