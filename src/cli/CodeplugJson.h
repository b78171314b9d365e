#pragma once

#include "codeplug/CodeplugImage.h"
#include "codeplug/Tone.h"
#include "controller/RecordJson.h"

#include <QJsonObject>
#include <QJsonValue>

#include <QString>
#include <optional>

namespace nerka::cli {

// The JSON object of `dump --json`: the image's variant and regions and every
// record list decoded from it.
[[nodiscard]] QJsonObject codeplugToJson(const CodeplugImage& image);

// Tones as JSON, shared with the codeplug diff.
using nerka::toneFromJson;
using nerka::toneToJson;

// The readable summary of `dump`: counts, then one line per record.
[[nodiscard]] QString codeplugSummary(const CodeplugImage& image);

} // namespace nerka::cli
