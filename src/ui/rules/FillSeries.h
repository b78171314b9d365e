#pragma once

#include "codeplug/ChannelFields.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace nerka {

// Fill down: the texts a column's cells get when the top selected cell is
// filled into the selected cells below it. `texts` are the cells' current
// texts, top first; the result has one text per cell (the top one kept).
// RX and TX continue a series when there are three cells or more and the
// first two hold frequencies a step apart (145.500, 145.525 → 145.550, …);
// a step that would leave the frequency range stops the series, and the
// remaining cells keep their texts. Every other column copies the top text.
[[nodiscard]] QStringList fillDown(ChannelField field, const QStringList& texts);

} // namespace nerka
