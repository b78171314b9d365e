// The document's exports: channels and contacts as CSV files.

#include "controller/CodeplugDocument.h"

#include "controller/FileStore.h"

#include "codeplug/ChannelCsvRows.h"
#include "codeplug/ContactCsv.h"
#include "codeplug/RepeaterListCsv.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace nerka {

namespace {

QString exported(qsizetype count, const char* one, const char* many, const QString& path) {
    return QCoreApplication::translate("nerka::CodeplugDocument", "%1 %2 exported to %3.")
        .arg(QString::number(count),
             QCoreApplication::translate("nerka::CodeplugDocument", count == 1 ? one : many),
             QFileInfo(path).fileName());
}

EditResult exportRefused(const QString& text) {
    return EditResult::refused(RefusalKind::invalid, text);
}

// Writes `text` to `path`: done with `line`, or refused with the file's error.
EditResult exportText(const QString& path, const QString& text, const QString& line) {
    if (auto failure = FileStore::write(path, text.toUtf8()))
        return exportRefused(*failure);
    return EditResult::done({}, line);
}

} // namespace

ChannelRowNames CodeplugDocument::channelRowNames() const {
    ChannelRowNames names;
    for (const DMRContact& contact : m_contacts)
        names.contacts.insert(contact.slot, contact.name);
    for (const Talkgroup& talkgroup : m_talkgroups)
        names.groupLists.insert(talkgroup.index, talkgroup.name);
    for (const Zone& zone : m_zones) {
        names.zoneList.insert(zone.index, zone.name);
        for (const int member : zone.memberIndices)
            names.zones[member + 1].append(zone.name);
    }
    return names;
}

std::variant<QList<RadioChannel>, EditResult>
CodeplugDocument::channelsToExport(const QList<int>& numbers) const {
    if (!m_image)
        return EditResult::refused(
            RefusalKind::noCodeplug,
            QCoreApplication::translate("nerka::CodeplugDocument", "No codeplug loaded."));
    const QSet<int> wanted(numbers.begin(), numbers.end());
    QList<RadioChannel> chosen;
    for (const RadioChannel& channel : m_channels) {
        if (wanted.isEmpty() || wanted.contains(channel.number))
            chosen.append(channel);
    }
    if (chosen.isEmpty())
        return exportRefused(
            QCoreApplication::translate("nerka::CodeplugDocument", "No channels to export."));
    return chosen;
}

EditResult CodeplugDocument::exportChannelsTable(const QList<int>& numbers, const QString& path) {
    auto chosen = channelsToExport(numbers);
    if (auto* refused = std::get_if<EditResult>(&chosen))
        return announce(*refused);
    const auto& list = std::get<QList<RadioChannel>>(chosen);
    return announce(
        exportText(path, channelRowsText(list, u',', channelRowNames()),
                   exported(list.size(), QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"),
                            QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channels"), path)));
}

EditResult CodeplugDocument::exportChannelsCsv(const QList<int>& numbers, const QString& path) {
    auto chosen = channelsToExport(numbers);
    if (auto* refused = std::get_if<EditResult>(&chosen))
        return announce(*refused);
    const auto& list = std::get<QList<RadioChannel>>(chosen);
    return announce(
        exportText(path, repeaterListCsv(list),
                   exported(list.size(), QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channel"),
                            QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "channels"), path)));
}

EditResult CodeplugDocument::exportContactsCsv(const QString& path) {
    if (!m_image)
        return announce(EditResult::refused(
            RefusalKind::noCodeplug,
            QCoreApplication::translate("nerka::CodeplugDocument", "No codeplug loaded.")));
    if (m_contacts.isEmpty())
        return announce(exportRefused(
            QCoreApplication::translate("nerka::CodeplugDocument", "No contacts to export.")));
    return announce(exportText(
        path, contactsCsv(m_contacts),
        exported(m_contacts.size(), QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contact"),
                 QT_TRANSLATE_NOOP("nerka::CodeplugDocument", "contacts"), path)));
}

} // namespace nerka
