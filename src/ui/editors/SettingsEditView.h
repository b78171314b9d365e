#pragma once

#include "codeplug/DeviceSettingsCodec.h"
#include "ui/editors/RecordSheet.h"
#include "ui/rules/SettingsForm.h"

#include <QList>

#include <functional>

class QFormLayout;
class QLineEdit;

namespace nerka {

// The device settings editor sheet: call sign, the radio's DMR ID and the
// VHF and UHF band limits, handed to `onSave` as DeviceSettings.
class SettingsEditView : public RecordSheet {
    Q_OBJECT
public:
    SettingsEditView(const DeviceSettings& settings, QWidget* parent);

    // True when the receiver took the settings; false keeps the sheet open.
    std::function<bool(const DeviceSettings&)> onSave;

protected:
    [[nodiscard]] bool isInputValid() const override;
    [[nodiscard]] QString invalidReason() const override;
    [[nodiscard]] QWidget* invalidField() const override;
    bool save() override;

private:
    QLineEdit* addField(QFormLayout* form, const QString& label, QString SettingsForm::*text);
    static void alignLabels(const QList<QFormLayout*>& forms);

    SettingsForm m_form;
    // Each field by the form's text it edits, to mark the invalid one.
    QList<std::pair<QString SettingsForm::*, QLineEdit*>> m_fields;
};

} // namespace nerka
