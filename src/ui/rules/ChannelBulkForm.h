#pragma once

#include "codeplug/ChannelFields.h"
#include "codeplug/RadioChannel.h"
#include "ui/rules/ChannelForm.h"

#include <QList>
#include <QString>

#include <array>
#include <utility>

namespace nerka {

// The channel editor's rules for several channels at once, over the fields
// of the channel field table. Name and frequencies are each channel's own;
// the TX field stands for the offset, which sets each TX from its own RX
// (simplex, minus or plus the standard offset). `values` holds what the
// editor shows and the user picks, seeded from the first channel; a field
// whose value differs between the channels is mixed (the offset: when the
// channels' TX − RX differ). Only the fields
// marked changed are applied, to every channel, each through the rules of the
// single-channel editor; a field that does not apply to a channel (a DMR
// field on an FM channel and the other way round, judged on the mode the
// channel ends up with) is left alone there and counted.
class ChannelBulkForm {
public:
    // `channels` must not be empty.
    explicit ChannelBulkForm(QList<RadioChannel> channels);

    [[nodiscard]] const QList<RadioChannel>& channels() const { return m_channels; }
    [[nodiscard]] bool isMixed(ChannelField field) const { return m_mixed[std::size_t(field)]; }
    [[nodiscard]] bool isChanged(ChannelField field) const { return m_changed[std::size_t(field)]; }
    void setChanged(ChannelField field, bool changed) { m_changed[std::size_t(field)] = changed; }
    // Whether any channel is DMR / FM (before a change of mode).
    [[nodiscard]] bool anyDMR() const;
    [[nodiscard]] bool anyFM() const;
    [[nodiscard]] static bool appliesTo(ChannelField field, bool isDMR);

    ChannelForm values;

    struct Result {
        // Every channel that changes, with its whole edit.
        QList<std::pair<int, ChannelEdit>> edits;
        // What was left alone ("colour code left alone on 3 FM channels"),
        // empty when nothing was.
        QString note;
    };
    [[nodiscard]] Result apply() const;

private:
    QList<RadioChannel> m_channels;
    std::array<bool, std::size_t(kChannelFieldCount)> m_mixed{};
    std::array<bool, std::size_t(kChannelFieldCount)> m_changed{};
};

} // namespace nerka
