#pragma once

#include "codeplug/ChannelFields.h"
#include "codeplug/RadioChannel.h"

#include <QString>

#include <variant>

namespace nerka {

// The text a cell offers for editing ("145.50000", "DMR", "88.5", "Yes"):
// the field's text of the channel field table. References show their
// record's name from `names` ("#3" when it has none; empty when the channel
// has no reference).
[[nodiscard]] QString channelCellText(const RadioChannel& channel, ChannelField field,
                                      const ChannelRowNames& names = {});

// The channel with one field set to `text`, read by the field's rule of the
// channel field table; a name is cut and replaced as the channel stores it;
// a new RX leaves TX as it is (the caller lets it follow with
// checkTypedChannelChange, which knows the radio's bands); a reference is
// named in `names` (or "#" and its number), or empty to clear it. The reason names the field ("RX
// (MHz): not a number in MHz") when the text is refused. Zones cannot be set here.
[[nodiscard]] std::variant<ChannelEdit, QString> editChannelCell(const RadioChannel& channel,
                                                                 ChannelField field,
                                                                 const QString& text,
                                                                 const ChannelRowNames& names = {});

} // namespace nerka
