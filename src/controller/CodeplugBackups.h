#pragma once

#include "codeplug/CodeplugImage.h"
#include "link/Result.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// One automatic backup on disk.
struct CodeplugBackup {
    QString path;
    QString model; // the radio's model as its folder names it
    std::uint32_t flashSerial = 0;
    QDateTime time; // local time, from the file name
    qint64 sizeBytes = 0;
};

// Where a backup went.
struct SavedBackup {
    QString path;
};

// The automatic backups of the codeplugs that writes replaced: one folder per
// radio, <model>-<flash serial as 8 hex digits>, holding codeplug files named
// codeplug-yyyyMMdd-HHmmss.nerka (with -2, -3, … when several land in one
// second); the newest kKeptPerRadio of each radio are kept. Plain file work,
// usable from any thread; the folder is set before use.
class CodeplugBackups {
public:
    static constexpr int kKeptPerRadio = 20;

    // The per-user data folder's "backups" folder.
    [[nodiscard]] static QString defaultFolder();

    explicit CodeplugBackups(QString folder = defaultFolder());

    [[nodiscard]] const QString& folder() const { return m_folder; }
    void setFolder(const QString& folder) { m_folder = folder; }

    // The folder name of a radio: its model with every character other than
    // letters, digits, '.' and '-' replaced by '_', a '-', the serial as %08X.
    [[nodiscard]] static QString radioFolderName(const QString& model, std::uint32_t flashSerial);

    // Saves `image` as a codeplug file in the radio's folder (created when
    // missing), written to a temporary file and renamed into place, then
    // removes the oldest files beyond kKeptPerRadio (never the one just saved).
    // On failure nothing is left behind and the error says why.
    [[nodiscard]] Result<SavedBackup, QString>
    save(const CodeplugImage& image, const QString& model, std::uint32_t flashSerial,
         const QDateTime& now = QDateTime::currentDateTime()) const;

    // Every backup, newest first; only those of one radio when a serial is given.
    [[nodiscard]] QList<CodeplugBackup>
    list(std::optional<std::uint32_t> flashSerial = std::nullopt) const;

private:
    QString m_folder;
};

} // namespace nerka
