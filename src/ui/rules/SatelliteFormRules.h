#pragma once

#include "codeplug/Tone.h"
#include "satellites/Satellite.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// What the satellite editor holds while the user types: texts for the name
// and the six frequencies (rx1, tx1, rx2, tx2, rx3, tx3) and the two tones.
struct SatelliteForm {
    static constexpr int kFrequencyCount = 6;

    QString name;
    QString frequencies[kFrequencyCount];
    std::optional<Tone> txTone;
    std::optional<Tone> armTone;
};

// The rules of the satellite editor, apart from its widgets.
//
// A frequency of 0 Hz means "not set" in the satellite table, so an empty (or
// blank) frequency field stands for 0 and a set frequency shows as "%.5f" MHz;
// any other text must be a valid frequency. The name must hold something
// besides spaces: the table drops blank names when it is written, so saving
// one would silently delete the satellite.
class SatelliteFormRules {
public:
    static constexpr int kMaxNameLength = 8;

    // Typing more than 8 characters keeps the first 8.
    [[nodiscard]] static QString cutName(const QString& name);

    // The form's texts for a satellite.
    [[nodiscard]] static SatelliteForm formFor(const Satellite& satellite);
    // "" for 0 Hz (not set), else MHz with five decimals.
    [[nodiscard]] static QString frequencyText(std::uint32_t hz);
    // 0 for an empty or blank text, the hertz of a valid frequency, nothing
    // for anything else.
    [[nodiscard]] static std::optional<std::uint32_t> parseFrequency(const QString& text);

    [[nodiscard]] static bool isNameValid(const QString& name);
    [[nodiscard]] static bool isValid(const SatelliteForm& form);

    // The satellite with the form's values, or nothing while the form is
    // invalid. Fields the form does not show (index, elements, extra data)
    // stay as in `original`.
    [[nodiscard]] static std::optional<Satellite> apply(const Satellite& original,
                                                        const SatelliteForm& form);

    // The choices of a tone picker: no tone, then the CTCSS table in
    // ascending order. A value the satellite holds that the table lacks (an
    // unusual CTCSS value, or a DCS code) is offered too, so opening and
    // saving never changes a tone the user did not touch.
    [[nodiscard]] static QList<std::optional<Tone>> toneChoices(const std::optional<Tone>& current);
    // The epoch of the satellite's orbital elements as "yyyy-MM-dd HH:mm:ss"
    // (UTC); a dash when it has none, including a new satellite whose
    // elements are still all zero bytes (which would read as 1999-12-31).
    [[nodiscard]] static QString epochText(const Satellite& satellite);

    // "None", "%.1f Hz" for CTCSS, the tone's own text for DCS.
    [[nodiscard]] static QString toneLabel(const std::optional<Tone>& tone);
};

} // namespace nerka
