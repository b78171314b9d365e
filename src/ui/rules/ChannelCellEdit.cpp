#include "ui/rules/ChannelCellEdit.h"

#include <QCoreApplication>

#include "codeplug/ChannelChecks.h"

namespace nerka {

QString channelCellText(const RadioChannel& c, ChannelField field, const ChannelRowNames& names) {
    return channelField(field).text(c, names);
}

std::variant<ChannelEdit, QString> editChannelCell(const RadioChannel& channel, ChannelField field,
                                                   const QString& text,
                                                   const ChannelRowNames& names) {
    const ChannelFieldInfo& row = channelField(field);
    if (!row.canRead())
        return row.reason(
            QCoreApplication::translate("nerka::ChannelCellEdit", "cannot be set in a cell"));
    ChannelEdit edit = channelEditFrom(channel);
    if (const auto problem = row.read(text, edit, names))
        return row.reason(*problem);
    // Cut and replaced as the radio stores it, as on every other path.
    if (field == ChannelField::name)
        edit.name = storedChannelName(text);
    return edit;
}

} // namespace nerka
