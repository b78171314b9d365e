// Decodes a full codeplug image the way the controller does after every edit
// (channels, contacts, talkgroups and zones with member names, APRS names,
// settings, both themes, satellites) and prints the median time of one decode.

#include "codeplug/AprsCodec.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/CustomDataBlock.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/MemberLists.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ThemeCodec.h"
#include "codeplug/ZoneCodec.h"
#include "satellites/SatelliteCodec.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace nerka;

namespace {

CodeplugImage fullImage(RadioVariant variant) {
    CodeplugImage image;
    image.variant = variant;
    image.regions = layoutForVariant(variant).regions;
    for (const auto& r : image.regions)
        image.blobs.append(QByteArray(r.length, char(0xFF)));

    // Custom-data area with a day and a night theme block, then erased space.
    QByteArray area(CustomDataArea::kSize, char(0xFF));
    area.replace(0, 8, "OpenGD77");
    auto putU32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            area[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    int at = CustomDataArea::kFirstBlockOffset;
    for (std::uint32_t type :
         {CustomDataArea::kDayThemeBlockType, CustomDataArea::kNightThemeBlockType}) {
        putU32(at, type);
        putU32(at + 4, ThemeBlock::kDataSize);
        at += CustomDataArea::kBlockHeadSize + ThemeBlock::kDataSize;
    }
    const BankAddress custom = layoutForVariant(variant).additionalSettingsBank;
    (void)writeBytes(image, custom.bank, custom.address, area);
    (void)ensureSatelliteBlock(image);

    for (int p = 0; p < 1024; ++p) {
        (void)createBlankChannel(p, image);
        ChannelEdit edit;
        edit.name = QStringLiteral("Channel %1").arg(p + 1);
        edit.rxHz = 430'000'000 + std::uint64_t(p) * 12'500;
        edit.txHz = edit.rxHz + 7'600'000;
        edit.isDMR = p % 2 == 1;
        edit.contactSlot = p % 1024;
        edit.groupListIndex = p % 76;
        edit.rxTone = Tone::ctcss(885);
        (void)applyChannelEdit(edit, p + 1, image);
    }
    for (int slot = 0; slot < 1024; ++slot) {
        ContactEdit edit{QStringLiteral("TG %1").arg(slot), std::uint32_t(2620000 + slot),
                         ContactType::group, TimeSlotOverride::none};
        (void)applyContactEdit(edit, slot, image);
    }
    for (int index = 0; index < 76; ++index) {
        TalkgroupEdit edit{QStringLiteral("List %1").arg(index), {}};
        for (int m = 0; m < 32; ++m)
            edit.memberSlots.append((index * 32 + m) % 1024);
        (void)applyTalkgroupEdit(edit, index, image);
    }
    for (int index = 0; index < 68; ++index) {
        ZoneEdit edit{QStringLiteral("Zone %1").arg(index), {}};
        for (int m = 0; m < 80; ++m)
            edit.memberIndices.append((index * 80 + m) % 1024);
        (void)applyZoneEdit(edit, index, image);
    }
    QList<Satellite> satellites;
    for (int i = 0; i < 25; ++i) {
        Satellite s;
        s.name = QStringLiteral("SAT%1").arg(i);
        s.rxFreq1 = 435'000'000;
        s.txFreq1 = 145'000'000;
        satellites.append(s);
    }
    (void)writeSatellites(satellites, image);
    return image;
}

struct Decoded {
    QList<RadioChannel> channels;
    MemberLists lists;
    QStringList aprs;
    std::optional<DeviceSettings> settings;
    std::optional<QList<ThemeColor>> day, night;
    QList<Satellite> satellites;
};

Decoded decodeAll(const CodeplugImage& image) {
    Decoded d;
    d.channels = decodeChannels(image);
    d.lists = decodeMemberLists(image, d.channels);
    d.aprs = decodeAprsSystems(image);
    d.settings = decodeDeviceSettings(image);
    d.day = decodeTheme(ThemeKind::day, image);
    d.night = decodeTheme(ThemeKind::night, image);
    d.satellites = decodeSatellites(image).value_or(QList<Satellite>{});
    return d;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const CodeplugImage image = fullImage(RadioVariant::gd77);
    const Decoded check = decodeAll(image);
    if (check.channels.size() != 1024 || check.lists.contacts.size() != 1024 ||
        check.lists.talkgroups.size() != 76 || check.lists.zones.size() != 68 || !check.day ||
        !check.night || check.satellites.size() != 25) {
        std::fprintf(stderr,
                     "bench_codecs: the test image did not decode in full (%lld channels, %lld "
                     "contacts, %lld talkgroups, %lld zones, %lld satellites)\n",
                     qlonglong(check.channels.size()), qlonglong(check.lists.contacts.size()),
                     qlonglong(check.lists.talkgroups.size()), qlonglong(check.lists.zones.size()),
                     qlonglong(check.satellites.size()));
        return 1;
    }

    std::vector<double> micros;
    for (int i = 0; i < 200; ++i) {
        const auto start = std::chrono::steady_clock::now();
        Decoded d = decodeAll(image);
        const auto end = std::chrono::steady_clock::now();
        if (d.channels.isEmpty())
            return 1;
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("codecs.decode_full_image: %.0f us\n", micros[micros.size() / 2]);
    return 0;
}
