#include "ui/rules/ChannelCellEdit.h"

#include "ui/rules/ChannelForm.h"

namespace nerka {

namespace {

constexpr qsizetype kMaxCellNameLength = 16;

} // namespace

QString channelCellText(const RadioChannel& c, ChannelField field, const ChannelRowNames& names) {
    return channelField(field).text(c, names);
}

std::variant<ChannelEdit, QString> editChannelCell(const RadioChannel& channel, ChannelField field,
                                                   const QString& text,
                                                   const ChannelRowNames& names) {
    const ChannelFieldInfo& row = channelField(field);
    if (!row.canRead())
        return row.reason(QStringLiteral("cannot be set in a cell"));
    ChannelEdit edit = channelEditFrom(channel);
    if (const auto problem = row.read(text, edit, names))
        return row.reason(*problem);
    if (field == ChannelField::name && text.size() > kMaxCellNameLength)
        return row.reason(QStringLiteral("at most %1 characters").arg(kMaxCellNameLength));
    if (field == ChannelField::rx) {
        // TX follows RX as in the editor: a repeater pair keeps its offset.
        ChannelForm form(channel);
        form.setRxText(text);
        if (const auto moved = form.edit()) {
            edit.txHz = moved->txHz;
            edit.rxHz = moved->rxHz;
        }
    }
    return edit;
}

} // namespace nerka
