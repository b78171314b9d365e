#include "controller/RadioController.h"

#include "controller/FileStore.h"

#include "codeplug/RepeaterListCsv.h"

#include <QFileInfo>
#include <QSet>

namespace nerka {

bool RadioController::exportChannelsCsv(const QList<int>& numbers, const QString& path) {
    if (!image()) {
        reportError(QStringLiteral("No codeplug loaded."));
        return false;
    }
    const QSet<int> wanted(numbers.begin(), numbers.end());
    QList<RadioChannel> chosen;
    for (const RadioChannel& channel : channels()) {
        if (wanted.isEmpty() || wanted.contains(channel.number))
            chosen.append(channel);
    }
    if (chosen.isEmpty()) {
        reportError(QStringLiteral("No channels to export."));
        return false;
    }
    if (auto failure = FileStore::write(path, repeaterListCsv(chosen).toUtf8())) {
        reportError(*failure);
        return false;
    }
    log(QStringLiteral("%1 %2 exported to %3.")
            .arg(QString::number(chosen.size()),
                 chosen.size() == 1 ? QStringLiteral("channel") : QStringLiteral("channels"),
                 QFileInfo(path).fileName()));
    return true;
}

} // namespace nerka
