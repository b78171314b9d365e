#include "controller/ActivityLog.h"

#include "controller/PrintableText.h"

namespace nerka {

ActivityLog::ActivityLog(QObject* parent) : QObject(parent) {}

void ActivityLog::append(const QString& message) {
    const QString line = QStringLiteral("\u2022 ") + printableText(message);
    m_lines.append(line);
    Q_EMIT lineAppended(line);
}

void ActivityLog::appendError(const QString& message) {
    append(tr("Error: %1").arg(message));
    Q_EMIT errorRecorded(message);
}

void ActivityLog::record(const EditResult& result) {
    if (result.isRefused()) {
        if (const QString text = result.errorText(); !text.isEmpty())
            appendError(text);
        return;
    }
    for (const QString& note : result.notes())
        append(note);
    if (!result.summary().isEmpty())
        append(result.summary());
}

} // namespace nerka
