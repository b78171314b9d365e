#pragma once

#include "codeplug/ChannelFields.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/RadioChannel.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// How the channel editor derives TX from RX.
enum class FreqMode { simplex, minus, plus, custom, split };
// The kind of a squelch tone as the editor offers it.
enum class ToneKind { none, ctcss, dcs };

// The channel editor's state and rules, apart from any widget: the texts and
// choices the user edits, the repeater-offset modes with their detection and
// the TX recalculation, validity, and the ChannelEdit built from it all.
//
// Frequencies stay texts until the edit is built, so whatever is typed is
// kept as typed; an invalid text only makes the form invalid.
class ChannelForm {
public:
    explicit ChannelForm(const RadioChannel& channel);

    // The standard repeater offset for a receive frequency: 0.6 MHz below
    // 300 MHz, 7.6 MHz from there up.
    [[nodiscard]] static std::int64_t standardOffsetHz(std::uint64_t rxHz);
    // The tone a kind picker and its two value pickers stand for.
    [[nodiscard]] static std::optional<Tone> toneFrom(ToneKind kind, int ctcss, int dcs,
                                                      bool dcsInverted);
    // The mode a stored RX/TX pair opens in, and for `custom` the offset text
    // ("%g" of the difference in MHz; empty for the other modes). Never split.
    struct Detected {
        FreqMode mode = FreqMode::simplex;
        QString customOffset;
    };
    [[nodiscard]] static Detected detectFreqMode(std::uint64_t rxHz, std::uint64_t txHz);
    // The offset picker's label of a mode for a receive frequency
    // ("Simplex", "− Ablage (0.6 MHz)", …, "Disconnected").
    [[nodiscard]] static QString freqModeLabel(FreqMode mode, std::uint64_t rxHz);
    // A warning for a frequency outside both bands the radio's settings allow
    // ("Outside this radio's bands (VHF 136–174, UHF 400–480 MHz)"), empty
    // inside them or while the limits are unset. Only a warning: the channel is still saved, as the
    // limits are the radio's settings and may be changed.
    [[nodiscard]] static QString bandWarning(std::uint64_t hz, const DeviceSettings& bands);

    // ---- state ----
    [[nodiscard]] const RadioChannel& channel() const { return m_channel; }
    [[nodiscard]] const QString& rxText() const { return m_rxText; }
    [[nodiscard]] const QString& txText() const { return m_txText; }
    [[nodiscard]] FreqMode freqMode() const { return m_freqMode; }
    [[nodiscard]] const QString& customOffset() const { return m_customOffset; }
    // The RX frequency the standard offset is judged on: the RX text when it
    // is valid, else the last valid one (the channel's own at first).
    [[nodiscard]] std::uint64_t referenceRxHz() const { return m_referenceRxHz; }

    // Each of these recalculates TX unless the mode is split. Switching to
    // custom with an empty offset text fills in the current TX − RX.
    void setRxText(const QString& text);
    void setFreqMode(FreqMode mode);
    void setCustomOffset(const QString& text);
    // Typed into the TX field; the next recalculation may replace it.
    void setTxText(const QString& text) { m_txText = text; }

    // The offset of the current mode in hertz (nothing for split).
    [[nodiscard]] std::optional<std::int64_t> offsetHz() const;

    // The fields that have no rule of their own; the editor binds them directly.
    QString name;
    bool isDMR = false;
    ChannelPowerLevel power = ChannelPowerLevel::global;
    int colorCode = 0;
    bool timeSlot2 = false;
    bool bandwidthWide = false;
    std::optional<int> contactSlot;
    std::optional<int> groupListIndex;
    ToneKind rxToneKind = ToneKind::none;
    int rxCtcss = 0; // tenths of Hz
    int rxDcs = 0;   // octal digits read as decimal (D023 = 23)
    bool rxDcsInv = false;
    ToneKind txToneKind = ToneKind::none;
    int txCtcss = 0;
    int txDcs = 0;
    bool txDcsInv = false;
    SquelchMode squelchMode = SquelchMode::global;
    int squelchLevel = 5;
    std::optional<int> aprsIndex;

    // The on/off options (the flags of the channel field table).
    [[nodiscard]] bool flag(ChannelField field) const;
    void setFlag(ChannelField field, bool on);

    [[nodiscard]] bool nameValid() const;
    [[nodiscard]] bool rxValid() const;
    [[nodiscard]] bool txValid() const;
    [[nodiscard]] bool isValid() const { return nameValid() && rxValid() && txValid(); }

    // The edit to save, or nothing while the form is invalid. Fields the form
    // does not show keep the channel's values.
    [[nodiscard]] std::optional<ChannelEdit> edit() const;
    // The edit of the form's choices whether or not the form is valid: name
    // and frequencies as typed where they are valid, else the channel's own.
    [[nodiscard]] ChannelEdit chosenValues() const;

private:
    void recalculateTx();

    RadioChannel m_channel;
    QString m_rxText;
    QString m_txText;
    FreqMode m_freqMode = FreqMode::simplex;
    QString m_customOffset;
    std::uint64_t m_referenceRxHz = 0;
    ChannelEdit m_flags; // holds the flags; its other fields are unused
};

} // namespace nerka
