#include "sim/SampleCodeplug.h"

#include "codeplug/AprsCodec.h"
#include "codeplug/BlankCodeplug.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/CustomDataBlock.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/NameField.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ThemeCodec.h"
#include "codeplug/ZoneCodec.h"
#include "satellites/SatelliteCodec.h"
#include "satellites/TLE.h"

#include <QtEndian>

namespace nerka {

namespace {

constexpr std::uint64_t kMHz = 1000000;

// Contact slots of the sample, 0-based.
enum ContactSlot : int {
    kWorldwide = 0,
    kGermany = 1,
    kRegion = 2,
    kLocal = 3,
    kParrot = 4,
    kFriend = 5,
    kSimplexTg = 6,
};

// RX group lists of the sample, 0-based.
enum GroupList : int { kGroupGermany = 0, kGroupWorldwide = 1 };

struct SampleContact {
    const char* name;
    std::uint32_t dmrID;
    ContactType type;
};

const SampleContact kContacts[] = {
    {"Weltweit", 91, ContactType::group},         {"Deutschland", 262, ContactType::group},
    {"Bayern", 2621, ContactType::group},         {"Lokal", 9, ContactType::group},
    {"Parrot", 262997, ContactType::privateCall}, {"DL2ABC Max", 2621844, ContactType::privateCall},
    {"Simplex TG99", 99, ContactType::group},
};

ChannelEdit fmSimplex(const char* name, std::uint64_t hz, bool wide = true) {
    ChannelEdit e;
    e.name = QString::fromUtf8(name);
    e.rxHz = hz;
    e.txHz = hz;
    e.bandwidthWide = wide;
    e.squelchMode = SquelchMode::normal;
    e.squelchLevel = 5;
    return e;
}

ChannelEdit fmRepeater(const char* name, std::uint64_t outputHz, std::int64_t offsetHz,
                       std::optional<Tone> tone) {
    ChannelEdit e = fmSimplex(name, outputHz);
    e.txHz = std::uint64_t(std::int64_t(outputHz) + offsetHz);
    e.txTone = tone;
    return e;
}

ChannelEdit dmr(const char* name, std::uint64_t outputHz, std::int64_t offsetHz, int colorCode,
                bool ts2, int contact, std::optional<int> groupList) {
    ChannelEdit e;
    e.name = QString::fromUtf8(name);
    e.rxHz = outputHz;
    e.txHz = std::uint64_t(std::int64_t(outputHz) + offsetHz);
    e.isDMR = true;
    e.colorCode = colorCode;
    e.timeSlotTS2 = ts2;
    e.contactSlot = contact;
    e.groupListIndex = groupList;
    return e;
}

QList<ChannelEdit> sampleChannels() {
    constexpr std::int64_t k2mShift = -600000;
    constexpr std::int64_t k70cmShift = -7600000;
    const auto hz = [](double mhz) { return std::uint64_t(mhz * double(kMHz) + 0.5); };
    QList<ChannelEdit> channels = {
        // 2 m FM simplex
        fmSimplex("S20 Anruf", hz(145.500)),
        fmSimplex("S21", hz(145.525)),
        fmSimplex("S22", hz(145.550)),
        fmSimplex("S23", hz(145.575)),
        fmSimplex("S24", hz(145.600), false),
        // 70 cm FM simplex
        fmSimplex("U272", hz(433.400)),
        fmSimplex("U276", hz(433.450)),
        fmSimplex("U280 Anruf", hz(433.500)),
        fmSimplex("U284", hz(433.550)),
        fmSimplex("U288", hz(433.600)),
        // 2 m FM repeaters, -600 kHz
        fmRepeater("DB0MU R2", hz(145.650), k2mShift, Tone::ctcss(1230)),
        fmRepeater("DB0AAT R4", hz(145.700), k2mShift, Tone::ctcss(885)),
        fmRepeater("DB0ZU R6", hz(145.750), k2mShift, Tone::ctcss(719)),
        fmRepeater("DB0RO R7", hz(145.775), k2mShift, std::nullopt),
        // 70 cm FM repeaters, -7.6 MHz
        fmRepeater("DB0MUC", hz(438.825), k70cmShift, Tone::ctcss(670)),
        fmRepeater("DB0FS", hz(439.175), k70cmShift, Tone::ctcss(670)),
        fmRepeater("DB0TS", hz(439.225), k70cmShift, Tone::dcs(23, false)),
        fmRepeater("DB0WZ", hz(438.950), k70cmShift, Tone::ctcss(1318)),
        // DMR repeaters: TS1 for the wide-area talkgroups, TS2 for regional and local
        dmr("DB0MUE TG262", hz(439.4125), k70cmShift, 1, false, kGermany, kGroupGermany),
        dmr("DB0MUE TG91", hz(439.4125), k70cmShift, 1, false, kWorldwide, kGroupWorldwide),
        dmr("DB0MUE TG2621", hz(439.4125), k70cmShift, 1, true, kRegion, kGroupGermany),
        dmr("DB0MUE Lokal", hz(439.4125), k70cmShift, 1, true, kLocal, kGroupGermany),
        dmr("DB0MUE Parrot", hz(439.4125), k70cmShift, 1, true, kParrot, std::nullopt),
        dmr("DB0AX TG262", hz(438.2125), k70cmShift, 3, false, kGermany, kGroupGermany),
        dmr("DB0AX TG2621", hz(438.2125), k70cmShift, 3, true, kRegion, kGroupGermany),
        dmr("DB0AX Lokal", hz(438.2125), k70cmShift, 3, true, kLocal, kGroupGermany),
        dmr("DM0ULM TG262", hz(439.5375), k70cmShift, 2, false, kGermany, kGroupGermany),
        dmr("DM0ULM TG9", hz(439.5375), k70cmShift, 2, true, kLocal, kGroupGermany),
        // DMR simplex
        dmr("DMR S 433.450", hz(433.450), 0, 1, false, kSimplexTg, std::nullopt),
        dmr("DMR S 433.625", hz(433.625), 0, 1, false, kSimplexTg, std::nullopt),
        // APRS on 2 m, receive only
        fmSimplex("APRS 144.800", hz(144.800)),
    };
    channels.last().rxOnly = true;
    channels.last().aprsIndex = 0;
    // Two channels with their own power and squelch, as a real codeplug has.
    channels[13].powerRaw = 9;    // DB0RO: high power
    channels[0].squelchLevel = 3; // calling channel: more open squelch
    return channels;
}

QList<ThemeColor> rgb(std::initializer_list<std::uint32_t> hexColors) {
    QList<ThemeColor> colors;
    for (std::uint32_t c : hexColors)
        colors.append({double((c >> 16) & 0xFF) / 255.0, double((c >> 8) & 0xFF) / 255.0,
                       double(c & 0xFF) / 255.0});
    return colors;
}

// Slot order: text, background, decoration, text input, boot text, boot
// background, notification, warning, error, notification background, menu
// name, menu name background, menu item, menu highlight, option value, header
// text, header background, RSSI bar, RSSI bar S9+, channel name, channel/VFO
// TG, contact info, zone name, VFO RX, VFO TX, CSS/SQL values, TX counter,
// polar, satellite spot, and three more.
QList<ThemeColor> dayTheme() {
    return rgb({0x000000, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0x0000C0, 0xC08000,
                0xC00000, 0xE0E0E0, 0xFFFFFF, 0x0040A0, 0x000000, 0x80C0FF, 0x004080, 0xFFFFFF,
                0x0040A0, 0x00A000, 0xE00000, 0x000000, 0x0060C0, 0x004000, 0x606060, 0x006000,
                0xA00000, 0x404040, 0xC00000, 0x000080, 0xC06000, 0x000000, 0x000000, 0x000000});
}

QList<ThemeColor> nightTheme() {
    return rgb({0xE0E0E0, 0x000000, 0xE0E0E0, 0xFFFFFF, 0xFFC040, 0x000000, 0x60A0FF, 0xFFC000,
                0xFF4040, 0x202020, 0xFFFFFF, 0x203060, 0xE0E0E0, 0x304080, 0x80C0FF, 0xFFFFFF,
                0x203060, 0x40C040, 0xFF4040, 0xFFFFFF, 0x80C0FF, 0x80FF80, 0xA0A0A0, 0x80FF80,
                0xFF8080, 0xC0C0C0, 0xFF4040, 0x8080FF, 0xFFA040, 0xE0E0E0, 0xE0E0E0, 0xE0E0E0});
}

QByteArray themeBlock(ThemeKind kind, const QList<ThemeColor>& colors) {
    QByteArray block(CustomDataArea::kBlockHeadSize, '\0');
    qToLittleEndian<std::uint32_t>(themeBlockType(kind), block.data());
    qToLittleEndian<std::uint32_t>(ThemeBlock::kDataSize, block.data() + 4);
    block.append(encodeGtm(colors));
    return block;
}

struct SampleSatellite {
    const char* name;
    const char* line1;
    const char* line2;
    std::uint32_t downlinkHz;
    std::uint32_t uplinkHz;
    std::optional<Tone> uplinkTone;
    std::optional<Tone> armTone;
};

QList<Satellite> sampleSatellites() {
    const SampleSatellite list[] = {
        {"ISS", "1 25544U 98067A   24100.51041667  .00016717  00000-0  30164-3 0  9993",
         "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.50184577448192", 145800000,
         145990000, Tone::ctcss(670), std::nullopt},
        {"SO-50", "1 27607U 02058C   24100.21378451  .00002551  00000-0  35087-3 0  9994",
         "2 27607  64.5556 120.1911 0048356 265.0915  94.4629 14.81069112141207", 436795000,
         145850000, Tone::ctcss(670), Tone::ctcss(744)},
        {"AO-91", "1 43017U 17073E   24100.43619306  .00003815  00000-0  32810-3 0  9991",
         "2 43017  97.6178  35.7264 0217046  76.4563 286.0722 14.86563290346514", 145960000,
         435250000, Tone::ctcss(670), std::nullopt},
        {"AO-27", "1 22825U 93061C   24100.16834218  .00000171  00000-0  80981-4 0  9997",
         "2 22825  98.6411  59.4472 0007978 211.1574 148.9143 14.30593152591563", 436795000,
         145850000, std::nullopt, std::nullopt},
    };
    QList<Satellite> satellites;
    for (const SampleSatellite& s : list) {
        const auto packed = packTLE(QString::fromLatin1(s.line1), QString::fromLatin1(s.line2));
        if (!packed)
            continue;
        Satellite satellite;
        satellite.index = int(satellites.size());
        satellite.name = QString::fromLatin1(s.name);
        satellite.tle1 = packed->tle1;
        satellite.tle2 = packed->tle2;
        satellite.rxFreq1 = s.downlinkHz;
        satellite.txFreq1 = s.uplinkHz;
        satellite.txTone = s.uplinkTone;
        satellite.armTone = s.armTone;
        satellite.additionalData = QByteArray(SatelliteRecord::kAdditionalDataSize, '\0');
        satellites.append(satellite);
    }
    return satellites;
}

} // namespace

CodeplugImage sampleCodeplug(RadioVariant variant) {
    const CodeplugLayout& layout = layoutForVariant(variant);
    CodeplugImage image = blankCodeplug(variant);

    DeviceSettings settings;
    settings.call = QStringLiteral("DO1NRK");
    settings.dmrID = 2621337;
    settings.vhfMin = 144;
    settings.vhfMax = 148;
    settings.uhfMin = 430;
    settings.uhfMax = 440;
    (void)encodeDeviceSettings(settings, image);

    int slot = 0;
    for (const SampleContact& c : kContacts) {
        ContactEdit edit;
        edit.name = QString::fromUtf8(c.name);
        edit.dmrID = c.dmrID;
        edit.type = c.type;
        (void)applyContactEdit(edit, slot++, image);
    }
    (void)applyTalkgroupEdit({QStringLiteral("DL+Bayern"), {kGermany, kRegion, kLocal}},
                             kGroupGermany, image);
    (void)applyTalkgroupEdit({QStringLiteral("Weltweit"), {kWorldwide, kGermany}}, kGroupWorldwide,
                             image);

    const QList<ChannelEdit> channels = sampleChannels();
    for (int position = 0; position < channels.size(); ++position) {
        (void)createBlankChannel(position, image);
        (void)applyChannelEdit(channels[position], position + 1, image);
    }

    // Zones by channel position (0-based), in the order of the list above.
    const auto range = [](int first, int last) {
        QList<int> members;
        for (int p = first; p <= last; ++p)
            members.append(p);
        return members;
    };
    (void)applyZoneEdit({QStringLiteral("Simplex"), range(0, 9)}, 0, image);
    (void)applyZoneEdit({QStringLiteral("FM Relais"), range(10, 17)}, 1, image);
    (void)applyZoneEdit({QStringLiteral("DMR Relais"), range(18, 27)}, 2, image);
    (void)applyZoneEdit({QStringLiteral("DMR Simplex"), range(28, 29)}, 3, image);
    (void)applyZoneEdit({QStringLiteral("Favoriten"), {0, 7, 20, 30}}, 4, image);

    // APRS systems: the table has no encoder; only the names are set here,
    // the other bytes of an entry stay erased.
    const QStringList aprs = {QStringLiteral("APRS EU"), QStringLiteral("APRS DB0")};
    for (int i = 0; i < aprs.size(); ++i)
        (void)writeBytes(image, layout.aprsBank.bank,
                         layout.aprsBank.address +
                             std::uint32_t(i * AprsTable::kEntrySize + AprsTable::kNameOffset),
                         encodeName(aprs[i], AprsTable::kNameWidth));

    // Theme blocks right after the custom-data head; the satellite block goes
    // into the erased space behind them.
    const QByteArray themes =
        themeBlock(ThemeKind::day, dayTheme()) + themeBlock(ThemeKind::night, nightTheme());
    (void)writeBytes(image, layout.additionalSettingsBank.bank,
                     layout.additionalSettingsBank.address + CustomDataArea::kFirstBlockOffset,
                     themes);
    (void)ensureSatelliteBlock(image);
    (void)writeSatellites(sampleSatellites(), image);
    return image;
}

} // namespace nerka
