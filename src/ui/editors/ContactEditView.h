#pragma once

#include "codeplug/ContactCodec.h"
#include "ui/editors/RecordSheet.h"

#include <functional>

class QComboBox;
class QLineEdit;

namespace nerka {

// The contact editor sheet: name, DMR ID, call type and time-slot override of
// a copy of one contact, handed to `onSave` as a ContactEdit.
class ContactEditView : public RecordSheet {
    Q_OBJECT
public:
    ContactEditView(const DMRContact& contact, bool isNew, QWidget* parent);

    // True when the receiver took the edit; false keeps the sheet open.
    std::function<bool(const ContactEdit&)> onSave;

protected:
    [[nodiscard]] bool isInputValid() const override;
    [[nodiscard]] QString invalidReason() const override;
    [[nodiscard]] QWidget* invalidField() const override;
    bool save() override;

private:
    [[nodiscard]] std::optional<ContactEdit> edit() const;

    QLineEdit* m_name = nullptr;
    QLineEdit* m_id = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_override = nullptr;
};

} // namespace nerka
