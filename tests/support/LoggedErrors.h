#pragma once

#include "controller/RadioController.h"

#include <QString>

#include <optional>

namespace nerka {

// The text of the last error report in the controller's activity log, from
// line `from` on (a test takes the log's size as the mark before an action).
[[nodiscard]] inline std::optional<QString> lastLoggedError(const RadioController& controller,
                                                            qsizetype from = 0) {
    const QString prefix = QStringLiteral("\u2022 Error: ");
    const QStringList& lines = controller.activityLog().lines();
    for (qsizetype i = lines.size() - 1; i >= from && i >= 0; --i) {
        if (lines[i].startsWith(prefix))
            return lines[i].mid(prefix.size());
    }
    return std::nullopt;
}

} // namespace nerka
