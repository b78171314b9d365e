#include "controller/RadioController.h"

#include "controller/FileStore.h"

#include "codeplug/ChannelCsvRows.h"
#include "codeplug/ContactCsv.h"
#include "codeplug/RepeaterListCsv.h"

#include <QFileInfo>
#include <QSet>

namespace nerka {

namespace {

QString exported(qsizetype count, const char* one, const char* many, const QString& path) {
    return QStringLiteral("%1 %2 exported to %3.")
        .arg(QString::number(count), QLatin1String(count == 1 ? one : many),
             QFileInfo(path).fileName());
}

} // namespace

ChannelRowNames RadioController::channelRowNames() const {
    ChannelRowNames names;
    for (const DMRContact& contact : contacts())
        names.contacts.insert(contact.slot, contact.name);
    for (const Talkgroup& talkgroup : talkgroups())
        names.groupLists.insert(talkgroup.index, talkgroup.name);
    for (const Zone& zone : zones()) {
        names.zoneList.insert(zone.index, zone.name);
        for (const int member : zone.memberIndices)
            names.zones[member + 1].append(zone.name);
    }
    return names;
}

std::optional<QList<RadioChannel>> RadioController::channelsToExport(const QList<int>& numbers) {
    if (!image()) {
        reportError(QStringLiteral("No codeplug loaded."));
        return std::nullopt;
    }
    const QSet<int> wanted(numbers.begin(), numbers.end());
    QList<RadioChannel> chosen;
    for (const RadioChannel& channel : channels()) {
        if (wanted.isEmpty() || wanted.contains(channel.number))
            chosen.append(channel);
    }
    if (chosen.isEmpty()) {
        reportError(QStringLiteral("No channels to export."));
        return std::nullopt;
    }
    return chosen;
}

bool RadioController::exportChannelsTable(const QList<int>& numbers, const QString& path) {
    const std::optional<QList<RadioChannel>> chosen = channelsToExport(numbers);
    if (!chosen)
        return false;
    const QString text = channelRowsText(*chosen, u',', channelRowNames());
    if (auto failure = FileStore::write(path, text.toUtf8())) {
        reportError(*failure);
        return false;
    }
    log(exported(chosen->size(), "channel", "channels", path));
    return true;
}

bool RadioController::exportContactsCsv(const QString& path) {
    if (!image()) {
        reportError(QStringLiteral("No codeplug loaded."));
        return false;
    }
    if (contacts().isEmpty()) {
        reportError(QStringLiteral("No contacts to export."));
        return false;
    }
    if (auto failure = FileStore::write(path, contactsCsv(contacts()).toUtf8())) {
        reportError(*failure);
        return false;
    }
    log(exported(contacts().size(), "contact", "contacts", path));
    return true;
}

bool RadioController::exportChannelsCsv(const QList<int>& numbers, const QString& path) {
    const std::optional<QList<RadioChannel>> chosen = channelsToExport(numbers);
    if (!chosen)
        return false;
    if (auto failure = FileStore::write(path, repeaterListCsv(*chosen).toUtf8())) {
        reportError(*failure);
        return false;
    }
    log(exported(chosen->size(), "channel", "channels", path));
    return true;
}

} // namespace nerka
