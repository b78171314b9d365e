#pragma once

#include "controller/EditResult.h"

#include <QObject>
#include <QStringList>

namespace nerka {

// The activity log: the lines the user reads of what the program did, oldest
// first, each beginning with "• ". The controller's reports and the results
// of edits are written here, in the order they arrive; a line is never changed
// or removed, and the log has no length limit and no time stamps.
//
// Main thread only.
class ActivityLog : public QObject {
    Q_OBJECT

public:
    explicit ActivityLog(QObject* parent = nullptr);

    [[nodiscard]] const QStringList& lines() const { return m_lines; }

    // Appends "• " + message; control characters in names or radio replies
    // are shown escaped, so they cannot break the line.
    void append(const QString& message);
    // An error report: the line "• Error: " + message, and errorRecorded.
    void appendError(const QString& message);
    // An edit's lines: its notes and summary when it was done (or had nothing
    // to do but says why), its error when it was refused loudly.
    void record(const EditResult& result);

Q_SIGNALS:
    void lineAppended(const QString& line);
    // Every error report, with its text as the user is shown it (the window's
    // alert, the command line's standard error).
    void errorRecorded(const QString& text);

private:
    QStringList m_lines;
};

} // namespace nerka
