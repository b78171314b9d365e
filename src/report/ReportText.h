#pragma once

#include "report/CodeplugReport.h"

namespace nerka {

// The report as plain text: the title block as "Label: value" lines, then
// each section under its underlined title as columns aligned with spaces
// ("(none)" under the headers of an empty section).
class ReportText {
public:
    [[nodiscard]] static QString render(const CodeplugReport& report);
};

} // namespace nerka
