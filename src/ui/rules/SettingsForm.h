#pragma once

#include "codeplug/DeviceSettingsCodec.h"

#include <QString>

#include <optional>

namespace nerka {

// The device settings editor's texts and rules. Numbers are decimal integers
// after trimming. The DMR ID must be a 24-bit ID (1 … 16777215); each band
// limit must be a whole MHz from 1 to 999 (what a channel frequency can be)
// with the minimum not above the maximum, so the radio never receives an
// empty or reversed band.
class SettingsForm {
public:
    static constexpr int kCallWidth = 8;
    static constexpr int kMinBandMHz = 1;
    static constexpr int kMaxBandMHz = 999;

    explicit SettingsForm(const DeviceSettings& settings);

    // Typing more than 8 characters keeps the first 8.
    [[nodiscard]] static QString cutCallsign(const QString& text);
    [[nodiscard]] static std::optional<int> parseInteger(const QString& text);

    QString call;
    QString dmrID;
    QString vhfMin;
    QString vhfMax;
    QString uhfMin;
    QString uhfMax;

    [[nodiscard]] bool dmrIdValid() const;
    [[nodiscard]] bool vhfValid() const;
    [[nodiscard]] bool uhfValid() const;
    [[nodiscard]] bool isValid() const { return dmrIdValid() && vhfValid() && uhfValid(); }

    // The first invalid field, top to bottom, and why, with the field's
    // caption in the words the sheet shows ("UHF Maximum (MHz): …").
    struct Problem {
        QString SettingsForm::*field;
        QString reason;
    };
    [[nodiscard]] std::optional<Problem> problem() const;

    // The settings to save, or nothing while invalid.
    [[nodiscard]] std::optional<DeviceSettings> settings() const;
};

} // namespace nerka
