#include "codeplug/ChannelPresets.h"

#include <array>

namespace nerka {

namespace {

ChannelEdit simplexChannel(const QString& name, std::uint64_t hz) {
    ChannelEdit edit;
    edit.name = name;
    edit.rxHz = hz;
    edit.txHz = hz;
    return edit;
}

QList<ChannelEdit> rasterPreset(const char* nameFormat, std::uint64_t firstHz, std::uint64_t stepHz,
                                int count) {
    QList<ChannelEdit> channels;
    channels.reserve(count);
    for (int n = 1; n <= count; ++n)
        channels.append(simplexChannel(QString::asprintf(nameFormat, n),
                                       firstHz + std::uint64_t(n - 1) * stepHz));
    return channels;
}

} // namespace

QList<ChannelEdit> pmr446Preset() {
    return rasterPreset("PMR %02d", 446'006'250, 12'500, 16);
}

QList<ChannelEdit> dpmr446Preset() {
    return rasterPreset("dPMR %02d", 446'103'125, 6'250, 16);
}

QList<ChannelEdit> freenetPreset() {
    constexpr std::array<std::uint64_t, 6> frequenciesHz = {149'025'000, 149'037'500, 149'050'000,
                                                            149'087'500, 149'100'000, 149'112'500};
    QList<ChannelEdit> channels;
    channels.reserve(int(frequenciesHz.size()));
    for (std::size_t i = 0; i < frequenciesHz.size(); ++i)
        channels.append(simplexChannel(QStringLiteral("Freenet %1").arg(i + 1), frequenciesHz[i]));
    return channels;
}

} // namespace nerka
