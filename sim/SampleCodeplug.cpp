#include "sim/SampleCodeplug.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ZoneCodec.h"

namespace nerka {

namespace {

struct SampleChannel {
    const char* name;
    std::uint64_t rxHz;
    std::uint64_t txHz;
    bool dmr;
    int colorCode;
    bool ts2;
    std::optional<int> ctcssTenths;
    std::optional<int> contactSlot;
    std::optional<int> groupList;
};

const SampleChannel kChannels[] = {
    {"Anruf 2m", 145500000, 145500000, false, 0, false, std::nullopt, std::nullopt, std::nullopt},
    {"Anruf 70cm", 433500000, 433500000, false, 0, false, std::nullopt, std::nullopt, std::nullopt},
    {"DB0ABC", 439125000, 431525000, false, 0, false, 670, std::nullopt, std::nullopt},
    {"DB0XYZ 2m", 145775000, 145175000, false, 0, false, 885, std::nullopt, std::nullopt},
    {"DMR TG262", 439412500, 431812500, true, 1, false, std::nullopt, 0, 0},
    {"DMR TG9 TS2", 439412500, 431812500, true, 1, true, std::nullopt, 2, std::nullopt},
    {"DMR Simplex", 433450000, 433450000, true, 1, false, std::nullopt, 3, std::nullopt},
    {"PMR 1", 446006250, 446006250, false, 0, false, std::nullopt, std::nullopt, std::nullopt},
};

struct SampleContact {
    const char* name;
    std::uint32_t dmrID;
    ContactType type;
};

const SampleContact kContacts[] = {
    {"Deutschland", 262, ContactType::group}, {"Bayern", 2622, ContactType::group},
    {"Lokal", 9, ContactType::group},         {"Simplex", 99, ContactType::group},
    {"Welt", 91, ContactType::group},
};

} // namespace

CodeplugImage sampleCodeplug(RadioVariant variant) {
    const CodeplugLayout& layout = layoutForVariant(variant);
    CodeplugImage image;
    image.variant = variant;
    image.regions = layout.regions;
    for (const CodeplugRegion& region : layout.regions)
        image.blobs.append(QByteArray(region.length, '\0'));

    // Every write below lands inside the layout's regions; the returned
    // region sets do not matter for a freshly built image.
    DeviceSettings settings;
    settings.call = QStringLiteral("DL0NRK");
    settings.dmrID = 2629999;
    settings.vhfMin = 136;
    settings.vhfMax = 174;
    settings.uhfMin = 400;
    settings.uhfMax = 480;
    (void)encodeDeviceSettings(settings, image);

    int slot = 0;
    for (const SampleContact& c : kContacts) {
        ContactEdit edit;
        edit.name = QString::fromUtf8(c.name);
        edit.dmrID = c.dmrID;
        edit.type = c.type;
        (void)applyContactEdit(edit, slot++, image);
    }
    (void)applyTalkgroupEdit({QStringLiteral("Deutschland+"), {0, 1, 4}}, 0, image);

    int position = 0;
    for (const SampleChannel& c : kChannels) {
        (void)createBlankChannel(position, image);
        ChannelEdit edit;
        edit.name = QString::fromUtf8(c.name);
        edit.rxHz = c.rxHz;
        edit.txHz = c.txHz;
        edit.isDMR = c.dmr;
        edit.colorCode = c.colorCode;
        edit.timeSlotTS2 = c.ts2;
        edit.bandwidthWide = !c.dmr && c.rxHz < 446000000;
        if (c.ctcssTenths)
            edit.txTone = Tone{Tone::Kind::ctcss, *c.ctcssTenths, false};
        edit.contactSlot = c.contactSlot;
        edit.groupListIndex = c.groupList;
        (void)applyChannelEdit(edit, position + 1, image);
        ++position;
    }
    (void)applyZoneEdit({QStringLiteral("Analog"), {0, 1, 2, 3, 7}}, 0, image);
    (void)applyZoneEdit({QStringLiteral("DMR"), {4, 5, 6}}, 1, image);
    return image;
}

} // namespace nerka
