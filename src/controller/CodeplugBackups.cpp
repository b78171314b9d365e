#include "controller/CodeplugBackups.h"
#include "controller/FileStore.h"

#include "codeplug/CodeplugFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace nerka {

namespace {

const QString kTimeFormat = QStringLiteral("yyyyMMdd-HHmmss");

// codeplug-20261207-105300.nerka, codeplug-20261207-105300-2.nerka
const QRegularExpression& backupNamePattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^codeplug-(\\d{8}-\\d{6})(?:-(\\d+))?\\.nerka$"));
    return pattern;
}

// Order of backups in one folder: time stamp, then the uniqueness suffix
// (none counts as 1), so "-2" sorts after the plain name of the same second.
struct NameKey {
    QString stamp;
    int sequence = 1;
    friend bool operator<(const NameKey& a, const NameKey& b) {
        return a.stamp != b.stamp ? a.stamp < b.stamp : a.sequence < b.sequence;
    }
};

std::optional<NameKey> nameKey(const QString& fileName) {
    const auto match = backupNamePattern().match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    NameKey key{match.captured(1), 1};
    if (match.hasCaptured(2))
        key.sequence = match.captured(2).toInt();
    return key;
}

// Model and serial of a radio folder name; nothing for a folder of another kind.
std::optional<std::pair<QString, std::uint32_t>> parseRadioFolder(const QString& name) {
    const qsizetype dash = name.lastIndexOf(QLatin1Char('-'));
    if (dash <= 0 || name.size() - dash - 1 != 8)
        return std::nullopt;
    bool ok = false;
    const std::uint32_t serial = name.mid(dash + 1).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    QString model = name.left(dash);
    model.replace(QLatin1Char('_'), QLatin1Char(' '));
    return std::pair{model, serial};
}

} // namespace

QString CodeplugBackups::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/backups");
}

CodeplugBackups::CodeplugBackups(QString folder) : m_folder(std::move(folder)) {}

QString CodeplugBackups::radioFolderName(const QString& model, std::uint32_t flashSerial) {
    QString safe = model;
    for (QChar& c : safe) {
        const bool kept = (c.isLetterOrNumber() && c.unicode() < 0x80) || c == QLatin1Char('.') ||
                          c == QLatin1Char('-');
        if (!kept)
            c = QLatin1Char('_');
    }
    if (safe.isEmpty())
        safe = QStringLiteral("radio");
    return safe + QLatin1Char('-') + QString::asprintf("%08X", flashSerial);
}

Result<SavedBackup, QString> CodeplugBackups::save(const CodeplugImage& image, const QString& model,
                                                   std::uint32_t flashSerial,
                                                   const QDateTime& now) const {
    if (m_folder.isEmpty())
        return QCoreApplication::translate("CodeplugBackups",
                                           "No folder for backups is known on this system.");
    const QDir radioDir(m_folder + QLatin1Char('/') + radioFolderName(model, flashSerial));
    if (!QDir().mkpath(radioDir.path()))
        return QCoreApplication::translate("CodeplugBackups", "Cannot create the backup folder %1.")
            .arg(QDir::toNativeSeparators(radioDir.path()));

    const QString stamp = now.toString(kTimeFormat);
    QString name = QStringLiteral("codeplug-") + stamp + QStringLiteral(".nerka");
    for (int sequence = 2; radioDir.exists(name); ++sequence)
        name = QStringLiteral("codeplug-") + stamp + QLatin1Char('-') + QString::number(sequence) +
               QStringLiteral(".nerka");
    const QString path = radioDir.filePath(name);

    if (auto failed = FileStore::write(path, encodeCodeplugFile(image)))
        return *failed;

    // Keep the newest ones; a file that cannot be removed stays (the backup
    // itself succeeded).
    QList<std::pair<NameKey, QString>> existing;
    for (const QString& entry : radioDir.entryList(QDir::Files)) {
        if (auto key = nameKey(entry))
            existing.append({*key, entry});
    }
    std::sort(existing.begin(), existing.end(),
              [](const auto& a, const auto& b) { return b.first < a.first; });
    int kept = 1; // the one just saved
    for (const auto& [key, entry] : existing) {
        if (entry == name)
            continue;
        if (kept < kKeptPerRadio) {
            ++kept;
            continue;
        }
        QFile::remove(radioDir.filePath(entry));
    }
    return SavedBackup{path};
}

QList<CodeplugBackup> CodeplugBackups::list(std::optional<std::uint32_t> flashSerial) const {
    QList<CodeplugBackup> out;
    const QDir root(m_folder);
    for (const QString& radio : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const auto parsed = parseRadioFolder(radio);
        if (!parsed || (flashSerial && parsed->second != *flashSerial))
            continue;
        const QDir radioDir(root.filePath(radio));
        for (const QFileInfo& info : radioDir.entryInfoList(QDir::Files)) {
            const auto key = nameKey(info.fileName());
            if (!key)
                continue;
            CodeplugBackup backup;
            backup.path = info.absoluteFilePath();
            backup.model = parsed->first;
            backup.flashSerial = parsed->second;
            backup.time = QDateTime::fromString(key->stamp, kTimeFormat);
            backup.sizeBytes = info.size();
            out.append(backup);
        }
    }
    std::sort(out.begin(), out.end(), [](const CodeplugBackup& a, const CodeplugBackup& b) {
        if (a.time != b.time)
            return a.time > b.time;
        const auto ka = nameKey(QFileInfo(a.path).fileName());
        const auto kb = nameKey(QFileInfo(b.path).fileName());
        if (ka->sequence != kb->sequence)
            return ka->sequence > kb->sequence;
        return a.path < b.path;
    });
    return out;
}

} // namespace nerka
