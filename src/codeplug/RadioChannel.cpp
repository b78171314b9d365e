#include "codeplug/RadioChannel.h"

namespace nerka {

QString rawText(ChannelMode mode) {
    return mode == ChannelMode::dmr ? QStringLiteral("DMR") : QStringLiteral("FM");
}

QString rawText(SquelchMode mode) {
    switch (mode) {
    case SquelchMode::global:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Global"));
    case SquelchMode::open:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Open"));
    case SquelchMode::normal:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Normal"));
    case SquelchMode::closed:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Closed"));
    }
    return {};
}

QString rawText(ChannelPowerLevel level) {
    switch (level) {
    case ChannelPowerLevel::global:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Global"));
    case ChannelPowerLevel::min:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Min"));
    case ChannelPowerLevel::low:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Low"));
    case ChannelPowerLevel::mid:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Mid"));
    case ChannelPowerLevel::high:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "High"));
    case ChannelPowerLevel::max:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Max"));
    }
    return {};
}

namespace {

template <typename Enum, std::size_t N>
std::optional<Enum> fromRawText(const std::array<Enum, N>& all, const QString& text) {
    for (Enum value : all) {
        if (rawText(value) == text)
            return value;
    }
    return std::nullopt;
}

} // namespace

std::optional<ChannelMode> channelModeFromRawText(const QString& text) {
    return fromRawText(kAllChannelModes, text);
}

std::optional<SquelchMode> squelchModeFromRawText(const QString& text) {
    return fromRawText(kAllSquelchModes, text);
}

std::optional<ChannelPowerLevel> channelPowerLevelFromRawText(const QString& text) {
    return fromRawText(kAllChannelPowerLevels, text);
}

ChannelPowerLevel powerLevel(std::uint8_t powerRaw) {
    if (powerRaw == 0)
        return ChannelPowerLevel::global;
    if (powerRaw == 1)
        return ChannelPowerLevel::min;
    if (powerRaw <= 3)
        return ChannelPowerLevel::low;
    if (powerRaw <= 6)
        return ChannelPowerLevel::mid;
    if (powerRaw <= 9)
        return ChannelPowerLevel::high;
    return ChannelPowerLevel::max;
}

std::uint8_t powerRawFor(ChannelPowerLevel level, std::uint8_t currentRaw) {
    if (level == powerLevel(currentRaw))
        return currentRaw;
    switch (level) {
    case ChannelPowerLevel::global:
        return 0;
    case ChannelPowerLevel::min:
        return 1;
    case ChannelPowerLevel::low:
        return 3;
    case ChannelPowerLevel::mid:
        return 6;
    case ChannelPowerLevel::high:
        return 9;
    case ChannelPowerLevel::max:
        return 10;
    }
    return currentRaw;
}

ChannelEdit channelEditFrom(const RadioChannel& channel) {
    ChannelEdit edit;
    edit.name = channel.name;
    edit.rxHz = channel.rxHz;
    edit.txHz = channel.txHz;
    edit.isDMR = channel.isDMR();
    edit.powerRaw = channel.powerRaw;
    edit.colorCode = channel.colorCode;
    edit.timeSlotTS2 = channel.timeSlot == 2;
    edit.bandwidthWide = channel.bandwidthWide;
    edit.rxOnly = channel.rxOnly;
    edit.rxTone = channel.rxTone;
    edit.txTone = channel.txTone;
    edit.contactSlot = channel.contactIndex;
    edit.groupListIndex = channel.groupListIndex;
    edit.squelchMode = channel.squelchMode;
    edit.squelchLevel = channel.squelchLevel;
    edit.skipScan = channel.skipScan;
    edit.skipZoneScan = channel.skipZoneScan;
    edit.vox = channel.vox;
    edit.monitor = channel.monitor;
    edit.powerSave = channel.powerSave;
    edit.beep = channel.beep;
    edit.aprsIndex = channel.aprsIndex;
    return edit;
}

} // namespace nerka
