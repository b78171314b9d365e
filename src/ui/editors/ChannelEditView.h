#pragma once

#include "codeplug/ContactCodec.h"
#include "codeplug/RadioChannel.h"
#include "codeplug/TalkgroupCodec.h"
#include "ui/editors/RecordSheet.h"
#include "ui/rules/ChannelBulkForm.h"
#include "ui/rules/ChannelForm.h"

#include <QList>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class QVBoxLayout;

namespace nerka {

// The channel editor sheet. It edits a copy of one channel with the contact,
// talkgroup and APRS lists for its pickers, and hands the resulting
// ChannelEdit to `onSave`; it never touches the controller. With `onPrev` /
// `onNext` set, the header offers "Previous channel (saves)" / "Next channel
// (saves)": each saves valid input like "Apply" and then calls the callback,
// which loads the neighbour into this same sheet with loadChannel().
//
// In bulk mode ("Edit 12 channels") the sheet edits several channels at
// once: name and frequencies are each channel's own and not offered, the
// offset offers simplex and the standard offsets (applied to each channel's
// RX), a field whose value differs between the channels shows "Mixed" (a
// picker entry, a stepper's special text, a partly checked box), and
// "Apply" hands ChannelBulkForm's result to `onSaveBulk`.
class ChannelEditView : public RecordSheet {
    Q_OBJECT
public:
    struct Lists {
        QList<DMRContact> contacts;
        QList<Talkgroup> talkgroups;
        QStringList aprsSystems;
        // The band limits of the radio's settings, for a warning beside a
        // frequency outside them; none without settings.
        std::optional<DeviceSettings> bands;
    };

    ChannelEditView(const RadioChannel& channel, bool isNew, Lists lists, QWidget* parent);
    // Bulk mode over `channels` (at least one).
    ChannelEditView(const QList<RadioChannel>& channels, Lists lists, QWidget* parent);
    ~ChannelEditView() override;

    // Bulk mode: true when the receiver took the edits; false keeps the sheet open.
    std::function<bool(const ChannelBulkForm::Result&)> onSaveBulk;
    // The bulk form with the user's choices, or nullptr outside bulk mode.
    [[nodiscard]] const ChannelBulkForm* bulkForm() const;

    // True when the receiver took the edit; false keeps the sheet open.
    std::function<bool(const ChannelEdit&)> onSave;
    std::function<void()> onPrev;
    std::function<void()> onNext;

    // Shows another channel in this sheet (the neighbour after Previous/Next).
    void loadChannel(const RadioChannel& channel, bool isNew, Lists lists);
    // Whether there is a neighbour on each side; the buttons show only when
    // the matching callback is set.
    void setNavigation(bool hasPrevious, bool hasNext);

    [[nodiscard]] const ChannelForm& form() const { return *m_form; }

protected:
    [[nodiscard]] bool isInputValid() const override;
    [[nodiscard]] QString invalidReason() const override;
    [[nodiscard]] QWidget* invalidField() const override;
    bool save() override;

private:
    void buildForm();
    void buildNavigation();
    void buildGeneral(QWidget* content, QVBoxLayout* column);
    void buildModeSections(QWidget* content, QVBoxLayout* column);
    void buildOptions(QWidget* content, QVBoxLayout* column);
    void connectFields();
    void connectName();
    void addToggle(ChannelField field, QFormLayout* form, QWidget* content);
    QComboBox* choicePicker(ChannelField field, QFormLayout* form, QWidget* parent);
    // The warnings beside RX and TX for a frequency outside the radio's bands.
    void refreshBandWarnings();
    void populate();
    void fillTonePickers();
    void showFieldsForMode();
    void refreshOffsetLabels();
    void inputChanged();
    void navigate(const std::function<void()>& to);
    // Bulk mode: hides what each channel keeps and shows the mixed fields.
    void enterBulkMode();
    // A widget of `field` changed: in bulk mode it counts as changed unless
    // it shows "Mixed" again.
    void fieldEdited(ChannelField field, bool showsMixed);

    std::unique_ptr<ChannelForm> m_form;
    // Bulk mode only; its values are taken from m_form when saving.
    std::unique_ptr<ChannelBulkForm> m_bulk;
    QFormLayout* m_general = nullptr;
    Lists m_lists;
    bool m_isNew = false;
    bool m_loading = false;

    QToolButton* m_prev = nullptr;
    QToolButton* m_next = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_rx = nullptr;
    QComboBox* m_offsetMode = nullptr;
    QLabel* m_customLabel = nullptr;
    QLineEdit* m_customOffset = nullptr;
    QLineEdit* m_tx = nullptr;
    QLabel* m_rxWarning = nullptr;
    QLabel* m_txWarning = nullptr;
    QComboBox* m_mode = nullptr;
    QComboBox* m_power = nullptr;
    QGroupBox* m_dmrBox = nullptr;
    QComboBox* m_timeSlot = nullptr;
    QSpinBox* m_colorCode = nullptr;
    QComboBox* m_contact = nullptr;
    QComboBox* m_groupList = nullptr;
    QGroupBox* m_fmBox = nullptr;
    QComboBox* m_bandwidth = nullptr;
    struct TonePickers {
        QComboBox* kind = nullptr;
        QLabel* ctcssLabel = nullptr;
        QComboBox* ctcss = nullptr;
        QLabel* dcsLabel = nullptr;
        QComboBox* dcs = nullptr;
        QCheckBox* inverted = nullptr;
    };
    TonePickers m_rxTone;
    TonePickers m_txTone;
    QComboBox* m_squelchMode = nullptr;
    QSpinBox* m_squelchLevel = nullptr;
    // The toggles of the flag fields, by ChannelField; null for other fields.
    std::array<QCheckBox*, kChannelFieldCount> m_toggles{};
    QComboBox* m_aprs = nullptr;
};

} // namespace nerka
