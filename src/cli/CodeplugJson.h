#pragma once

#include "codeplug/CodeplugImage.h"
#include "codeplug/Tone.h"

#include <QJsonObject>
#include <QJsonValue>

#include <QString>
#include <optional>

namespace nerka::cli {

// The JSON object of `dump --json`: the image's variant and regions and every
// record list decoded from it.
[[nodiscard]] QJsonObject codeplugToJson(const CodeplugImage& image);

// A tone as JSON: null, {"ctcss": tenths} or {"dcs": code, "inverted": bool}.
[[nodiscard]] QJsonValue toneToJson(const std::optional<Tone>& tone);
// The reverse; nothing when the value is not one of those three shapes.
[[nodiscard]] std::optional<std::optional<Tone>> toneFromJson(const QJsonValue& value);

// The readable summary of `dump`: counts, then one line per record.
[[nodiscard]] QString codeplugSummary(const CodeplugImage& image);

} // namespace nerka::cli
