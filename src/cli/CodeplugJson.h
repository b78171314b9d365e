#pragma once

#include "codeplug/CodeplugImage.h"

#include <QJsonObject>
#include <QString>

namespace nerka::cli {

// The JSON object of `dump --json`: the image's variant and regions and every
// record list decoded from it.
[[nodiscard]] QJsonObject codeplugToJson(const CodeplugImage& image);

// The readable summary of `dump`: counts, then one line per record.
[[nodiscard]] QString codeplugSummary(const CodeplugImage& image);

} // namespace nerka::cli
