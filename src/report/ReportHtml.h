#pragma once

#include "report/CodeplugReport.h"

namespace nerka {

// The report as one XHTML page (well-formed XML, so any XML reader takes
// it): the title block and then one table per section. Rows carry
// "page-break-inside: avoid", so a browser never cuts one across pages, and
// table heads repeat on every page.
class ReportHtml {
public:
    [[nodiscard]] static QString render(const CodeplugReport& report);
};

} // namespace nerka
