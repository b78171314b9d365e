#pragma once

#include "controller/RadioController.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace nerka::test {

// Every result a controller hands out, in the order it came: the device
// operations' (RadioController::finished), the document's edits
// (CodeplugDocument::edited), and the error reports the user is shown
// (ActivityLog::errorRecorded: the window's alert, the command line's
// standard error). Tests assert on these instead of reading the log's text.
class ResultRecorder {
public:
    explicit ResultRecorder(RadioController& controller) {
        QObject::connect(&controller, &RadioController::finished, &controller,
                         [this](const OperationResult& result) { operations.append(result); });
        QObject::connect(&controller.document(), &CodeplugDocument::edited, &controller,
                         [this](const EditResult& result) { edits.append(result); });
        QObject::connect(&controller.activityLog(), &ActivityLog::errorRecorded, &controller,
                         [this](const QString& text) { reports.append(text); });
    }
    ResultRecorder(const ResultRecorder&) = delete;
    ResultRecorder& operator=(const ResultRecorder&) = delete;

    // The last result of `operation`, if one ended.
    [[nodiscard]] std::optional<OperationResult> last(DeviceOperation operation) const {
        for (qsizetype i = operations.size() - 1; i >= 0; --i)
            if (operations[i].operation == operation)
                return operations[i];
        return std::nullopt;
    }
    // How many results of `operation` came.
    [[nodiscard]] qsizetype count(DeviceOperation operation) const {
        return std::count_if(
            operations.begin(), operations.end(),
            [operation](const OperationResult& r) { return r.operation == operation; });
    }
    // The last error report, if there was one.
    [[nodiscard]] std::optional<QString> lastReport() const {
        return reports.isEmpty() ? std::nullopt : std::optional<QString>(reports.last());
    }
    // The last edit's result; an edit must have been made.
    [[nodiscard]] EditResult lastEdit() const {
        EXPECT_FALSE(edits.isEmpty());
        return edits.isEmpty() ? EditResult::nothingToDo() : edits.last();
    }
    // Forgets everything recorded so far (a test's mark before an action).
    void clear() {
        operations.clear();
        edits.clear();
        reports.clear();
    }

    QList<OperationResult> operations;
    QList<EditResult> edits;
    QStringList reports;
};

} // namespace nerka::test
