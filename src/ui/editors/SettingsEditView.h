#pragma once

#include "codeplug/DeviceSettingsCodec.h"
#include "ui/kit/InvalidFieldMark.h"
#include "ui/rules/SettingsForm.h"

#include <QList>
#include <QWidget>

#include <optional>
#include <utility>

class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace nerka {

class RadioController;

// The device settings section of the window: the call sign, the radio's DMR
// ID and the VHF and UHF band limits of the loaded codeplug, edited in place.
// "Apply" (or Return in a field) writes them through the document as one
// undoable edit; it is enabled only while the input is valid, differs from
// the codeplug and no transfer runs. "Abbrechen" puts the codeplug's values
// back. The fields follow the codeplug: when a read, an open or an undo
// changes its settings, the new values show and what was typed but not
// applied is dropped. Without a codeplug the section says how to load one.
class SettingsEditView : public QWidget {
    Q_OBJECT
public:
    explicit SettingsEditView(RadioController& controller, QWidget* parent = nullptr);

    // The texts without a codeplug, as written (shown translated).
    static constexpr const char* kEmptyTitle = QT_TR_NOOP("No settings loaded");
    static constexpr const char* kEmptyMessage =
        QT_TR_NOOP("Please load a codeplug first — via Load from device or the File › Open menu.");

    // Writes the input to the codeplug; a refused write keeps it (the
    // activity log and the error alert say why).
    void apply();
    // The codeplug's values back in the fields.
    void revert();

    [[nodiscard]] QPushButton* applyButton() const { return m_apply; }
    [[nodiscard]] QPushButton* revertButton() const { return m_revert; }
    [[nodiscard]] bool showsEmptyState() const;
    // The note under the form as shown now (empty while hidden), and the
    // field marked as invalid.
    [[nodiscard]] QString shownNote() const;
    [[nodiscard]] QWidget* markedField() const { return m_mark.field(); }
    // The warning that the codeplug's call sign or DMR ID is empty.
    [[nodiscard]] bool warnsOfMissingIdentity() const;

private:
    QWidget* buildEmptyPage();
    QWidget* buildFormPage();
    QLineEdit* addField(QFormLayout* form, const QString& label, QString SettingsForm::*text);
    static void alignLabels(const QList<QFormLayout*>& forms);
    // Shows the codeplug's settings when they are not those shown, or the
    // empty state when there are none.
    void followCodeplug();
    void fillFields(const DeviceSettings& settings);
    [[nodiscard]] bool textsChanged() const;
    // The buttons, the note and the marked field, after every change.
    void refreshState();

    RadioController& m_controller;
    QStackedWidget* m_pages = nullptr;
    QWidget* m_emptyPage = nullptr;
    QWidget* m_formPage = nullptr;
    // The codeplug's settings the fields were filled from.
    std::optional<DeviceSettings> m_shown;
    SettingsForm m_form{DeviceSettings{}};
    // Each field by the form's text it edits, to fill it and mark it.
    QList<std::pair<QString SettingsForm::*, QLineEdit*>> m_fields;
    QLineEdit* m_firstField = nullptr;
    QLabel* m_note = nullptr;
    QLabel* m_identityWarning = nullptr; // the codeplug's call sign or DMR ID is empty
    QPushButton* m_revert = nullptr;
    QPushButton* m_apply = nullptr;
    InvalidFieldMark m_mark;
    bool m_filling = false; // while fillFields sets the texts
};

} // namespace nerka
