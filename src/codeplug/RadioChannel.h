#pragma once

#include "codeplug/Tone.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace nerka {

// A DMR colour code is 0 to 15.
inline constexpr int kMaxColorCode = 15;

enum class ChannelMode { fm, dmr };

// Record codes: global 0, open 1, normal 2..14 (with a level), closed 15.
enum class SquelchMode { global, open, normal, closed };

// The editor's view of the raw power byte; see powerLevel().
enum class ChannelPowerLevel { global, min, low, mid, high, max };

inline constexpr std::array<ChannelMode, 2> kAllChannelModes = {ChannelMode::fm, ChannelMode::dmr};
inline constexpr std::array<SquelchMode, 4> kAllSquelchModes = {
    SquelchMode::global, SquelchMode::open, SquelchMode::normal, SquelchMode::closed};
inline constexpr std::array<ChannelPowerLevel, 6> kAllChannelPowerLevels = {
    ChannelPowerLevel::global, ChannelPowerLevel::min,  ChannelPowerLevel::low,
    ChannelPowerLevel::mid,    ChannelPowerLevel::high, ChannelPowerLevel::max};

// Raw texts: "FM" / "DMR"; "Global" / "Open" / "Normal" / "Closed";
// "Global" / "Min" / "Low" / "Mid" / "High" / "Max".
[[nodiscard]] QString rawText(ChannelMode mode);
[[nodiscard]] QString rawText(SquelchMode mode);
[[nodiscard]] QString rawText(ChannelPowerLevel level);
// The inverse of rawText: exact, case-sensitive match, nothing otherwise.
[[nodiscard]] std::optional<ChannelMode> channelModeFromRawText(const QString& text);
[[nodiscard]] std::optional<SquelchMode> squelchModeFromRawText(const QString& text);
[[nodiscard]] std::optional<ChannelPowerLevel> channelPowerLevelFromRawText(const QString& text);

// Raw power byte → level: 0 global, 1 min, 2-3 low, 4-6 mid, 7-9 high, 10+ max.
[[nodiscard]] ChannelPowerLevel powerLevel(std::uint8_t powerRaw);
// The byte to store for a level chosen in the editor. When the level is the
// one the current byte already maps to, the byte is kept as it is (so a
// channel with byte 2 stays at 2 when saved as "Low"); otherwise global 0,
// min 1, low 3, mid 6, high 9, max 10.
[[nodiscard]] std::uint8_t powerRawFor(ChannelPowerLevel level, std::uint8_t currentRaw);

// One decoded channel. `number` (1-based) locates and identifies the record;
// two channels are equal when every field is.
struct RadioChannel {
    int number = 0;
    QString name;
    ChannelMode mode = ChannelMode::fm;
    std::uint64_t rxHz = 0;
    std::uint64_t txHz = 0;
    std::uint8_t powerRaw = 0;
    bool bandwidthWide = false;
    bool rxOnly = false;
    int timeSlot = 1; // 1 or 2
    int colorCode = 0;
    std::optional<Tone> rxTone;
    std::optional<Tone> txTone;
    std::optional<int> contactIndex;   // contact slot, 0-based
    std::optional<int> groupListIndex; // RX group list, 0-based
    SquelchMode squelchMode = SquelchMode::global;
    int squelchLevel = 5; // 1..9; 5 when the mode is not normal
    bool skipScan = false;
    bool skipZoneScan = false;
    bool vox = false;
    bool monitor = false;
    bool powerSave = true;
    bool beep = true;
    std::optional<int> aprsIndex; // APRS system, 0-based

    [[nodiscard]] bool isDMR() const { return mode == ChannelMode::dmr; }

    friend bool operator==(const RadioChannel&, const RadioChannel&) = default;
};

// Everything a user can change on a channel. The defaults are those of a
// channel added from a preset or a CSV line: FM, power global, colour code 0,
// time slot 1, narrow, no tones, no references, squelch global (level 5),
// power save and key beep on.
struct ChannelEdit {
    QString name;
    std::uint64_t rxHz = 0;
    std::uint64_t txHz = 0;
    bool isDMR = false;
    std::uint8_t powerRaw = 0;
    int colorCode = 0;
    bool timeSlotTS2 = false;
    bool bandwidthWide = false;
    bool rxOnly = false;
    std::optional<Tone> rxTone;
    std::optional<Tone> txTone;
    std::optional<int> contactSlot;
    std::optional<int> groupListIndex;
    SquelchMode squelchMode = SquelchMode::global;
    int squelchLevel = 5;
    bool skipScan = false;
    bool skipZoneScan = false;
    bool vox = false;
    bool monitor = false;
    bool powerSave = true;
    bool beep = true;
    std::optional<int> aprsIndex;

    friend bool operator==(const ChannelEdit&, const ChannelEdit&) = default;
};

// The edit that, applied to the channel's own record, leaves its decoded
// values as they are: the starting point of an editor or of an operation that
// changes a few fields.
[[nodiscard]] ChannelEdit channelEditFrom(const RadioChannel& channel);

} // namespace nerka
