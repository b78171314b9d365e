#pragma once

// A GD-77 codeplug with every channel slot, contact slot, talkgroup list and
// zone in use, for the benchmarks that need a full memory.

#include "codeplug/ChannelCodec.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ZoneCodec.h"
#include "sim/SampleCodeplug.h"

#include <QString>

namespace nerka::bench {

// 1,024 channels named `prefix` + number (odd ones DMR), 1,024 contacts, 76
// talkgroup lists of 32 contacts and 68 zones of 80 channels.
inline CodeplugImage fullCodeplug(const QString& prefix) {
    CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
    for (int p = 0; p < 1024; ++p) {
        (void)createBlankChannel(p, image);
        ChannelEdit edit;
        edit.name = prefix + QString::number(p + 1);
        edit.rxHz = 430'000'000 + std::uint64_t(p) * 12'500;
        edit.txHz = edit.rxHz + 7'600'000;
        edit.isDMR = p % 2 == 1;
        edit.contactSlot = p % 1024;
        (void)applyChannelEdit(edit, p + 1, image);
    }
    for (int slot = 0; slot < 1024; ++slot)
        (void)applyContactEdit({QStringLiteral("TG %1").arg(slot), std::uint32_t(2620000 + slot),
                                ContactType::group, TimeSlotOverride::none},
                               slot, image);
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
    return image;
}

} // namespace nerka::bench
