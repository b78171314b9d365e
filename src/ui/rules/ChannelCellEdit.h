#pragma once

#include "codeplug/ChannelCsvRows.h"
#include "codeplug/RadioChannel.h"

#include <QString>

#include <variant>

namespace nerka {

// The channel fields a table cell edits in place.
enum class ChannelCell {
    name,
    rx,
    tx,
    mode,
    power,
    rxTone,
    txTone,
    timeSlot,
    colorCode,
    scanSkip,
    rxOnly,
    contact,   // the TX contact, by name
    groupList, // the talkgroup list, by name
};

// The text a cell offers for editing ("145.50000", "DMR", "88.5", "Yes").
// References show their record's name from `names` ("#3" when it has none;
// empty when the channel has no reference).
[[nodiscard]] QString channelCellText(const RadioChannel& channel, ChannelCell cell,
                                      const ChannelRowNames& names = {});

// The channel with one cell set to `text`, through the channel editor's
// rules: a name, cut to what the channel stores; RX as a frequency text (TX
// unchanged: the caller lets it follow with checkTypedChannelChange, which
// knows the radio's bands); TX as a frequency text; Mode FM or DMR; power by level name; a
// tone of the radio's tables; time slot 1 or 2; colour code 0-15; yes or no;
// a contact or talkgroup list named in `names` (or "#" and its number), or
// nothing to clear the reference. The reason names the field ("RX: not a
// number") when the text is refused.
[[nodiscard]] std::variant<ChannelEdit, QString> editChannelCell(const RadioChannel& channel,
                                                                 ChannelCell cell,
                                                                 const QString& text,
                                                                 const ChannelRowNames& names = {});

} // namespace nerka
