#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace nerka {

// How rows of an imported CSV file meet the records already there.
enum class CsvImportMode {
    append,  // every row becomes a new record
    update,  // a row changes the record of its name in place; other rows are added
    replace, // the records of the kind become the file's rows
};

[[nodiscard]] QString csvImportModeKey(CsvImportMode mode); // "append", "update", "replace"
[[nodiscard]] std::optional<CsvImportMode> csvImportModeFromKey(const QString& key);

// The files of a codeplug as CSV; an empty path leaves that kind alone.
struct CodeplugCsvPaths {
    QString contacts;
    QString talkgroups;
    QString channels;
    QString zones;

    // The four files of this name in `folder` that exist.
    [[nodiscard]] static CodeplugCsvPaths inFolder(const QString& folder);
    [[nodiscard]] bool isEmpty() const {
        return contacts.isEmpty() && talkgroups.isEmpty() && channels.isEmpty() && zones.isEmpty();
    }
};

// The names the export gives the four files, in the order they are read.
inline const QStringList kCodeplugCsvFileNames{
    QStringLiteral("contacts.csv"), QStringLiteral("talkgroups.csv"),
    QStringLiteral("channels.csv"), QStringLiteral("zones.csv")};

} // namespace nerka
