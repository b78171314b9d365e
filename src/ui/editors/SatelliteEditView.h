#pragma once

#include "satellites/Satellite.h"
#include "ui/rules/SatelliteFormRules.h"

#include "ui/editors/RecordSheet.h"

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace nerka {

// The satellite editor sheet: name, three frequency pairs and the two CTCSS
// tones of one satellite. It edits a copy; "Save" hands the edited satellite
// to `onSave` and closes, "Cancel" closes without effect. Open it with open().
// It has the frame of the other record sheets: title row, width, the note
// while the input is invalid.
class SatelliteEditView : public RecordSheet {
    Q_OBJECT
public:
    SatelliteEditView(const Satellite& satellite, bool isNew, QWidget* parent);

    std::function<void(const Satellite&)> onSave;

protected:
    [[nodiscard]] bool isInputValid() const override;
    [[nodiscard]] QString invalidReason() const override;
    [[nodiscard]] QWidget* invalidField() const override;
    bool save() override;

private:
    [[nodiscard]] SatelliteForm currentForm() const;
    void revalidate();
    [[nodiscard]] int firstInvalidFrequency() const;

    Satellite m_satellite;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_freq[6] = {}; // rx1, tx1, rx2, tx2, rx3, tx3
    QComboBox* m_txTone = nullptr;
    QComboBox* m_armTone = nullptr;
};

} // namespace nerka
