#include "controller/FileStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <unistd.h>

namespace nerka {

namespace {

constexpr qint64 kKiB = 1024;
constexpr qint64 kMiB = 1024 * kKiB;
constexpr qint64 kReadPieceBytes = 256 * kKiB;

QString kindText(FileStore::Kind kind) {
    switch (kind) {
    case FileStore::Kind::codeplug:
        return QCoreApplication::translate("FileStore", "a codeplug file");
    case FileStore::Kind::channelCsv:
        return QCoreApplication::translate("FileStore", "a channel CSV file");
    case FileStore::Kind::dmrList:
        return QCoreApplication::translate("FileStore", "a DMR ID list");
    case FileStore::Kind::keps:
        return QCoreApplication::translate("FileStore", "a keps file");
    case FileStore::Kind::satnogs:
        return QCoreApplication::translate("FileStore", "a SatNOGS transmitter list");
    case FileStore::Kind::theme:
        return QCoreApplication::translate("FileStore", "a .gtm theme");
    case FileStore::Kind::ops:
        return QCoreApplication::translate("FileStore", "an operations file");
    }
    return {};
}

QString sizeText(qint64 bytes) {
    if (bytes % kMiB == 0)
        return QStringLiteral("%1 MiB").arg(bytes / kMiB);
    return QStringLiteral("%1 KiB").arg(bytes / kKiB);
}

QString readFailure(const QString& path, const QString& reason) {
    return QCoreApplication::translate("FileStore", "Could not read %1: %2")
        .arg(FileStore::displayName(path), reason);
}

QString saveFailure(const QString& path, const QString& reason) {
    return QCoreApplication::translate("FileStore", "Could not save %1: %2")
        .arg(FileStore::displayName(path), reason);
}

// Qt leaves some failures (a write cut by a full disk or a file-size limit,
// reported at commit) as "Unknown error"; errno still holds the reason then.
QString reasonOf(const QFileDevice& file, int savedErrno) {
    const QString text = file.errorString();
    if ((text.isEmpty() || text == QLatin1String("Unknown error")) && savedErrno != 0)
        return QString::fromLocal8Bit(std::strerror(savedErrno));
    return text.isEmpty() ? QCoreApplication::translate("FileStore", "Unknown error") : text;
}

// The file a write lands in: the target of a symbolic link, else the path.
QString landingPath(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
}

} // namespace

qint64 FileStore::maxBytes(Kind kind) {
    switch (kind) {
    case Kind::codeplug:
        return 1 * kMiB;
    case Kind::channelCsv:
        return 4 * kMiB;
    case Kind::dmrList:
        return 64 * kMiB;
    case Kind::keps:
    case Kind::satnogs:
        return 16 * kMiB;
    case Kind::theme:
        return 64 * kKiB;
    case Kind::ops:
        return 4 * kMiB;
    }
    return 0;
}

QString FileStore::displayName(const QString& path) {
    return QDir::toNativeSeparators(path);
}

std::variant<QByteArray, QString> FileStore::read(const QString& path, Kind kind) {
    const qint64 limit = maxBytes(kind);
    const auto tooLarge = [&] {
        return readFailure(path, QCoreApplication::translate(
                                     "FileStore", "it is larger than %1, the limit for %2.")
                                     .arg(sizeText(limit), kindText(kind)));
    };
    if (QFileInfo(path).isDir())
        return readFailure(path, QCoreApplication::translate("FileStore", "it is a folder."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return readFailure(path, file.errorString());
    // A regular file announces its size: one too large is refused unread.
    if (!file.isSequential() && file.size() > limit)
        return tooLarge();
    QByteArray bytes;
    if (!file.isSequential())
        bytes.reserve(file.size());
    // Pieces, so a device or pipe stops one piece past the limit.
    for (;;) {
        const QByteArray piece = file.read(std::min(kReadPieceBytes, limit + 1 - bytes.size()));
        if (file.error() != QFileDevice::NoError)
            return readFailure(path, file.errorString());
        if (piece.isEmpty())
            break;
        bytes.append(piece);
        if (bytes.size() > limit)
            return tooLarge();
    }
    return bytes;
}

std::optional<QString> FileStore::targetRefusal(const QString& path) {
    const QFileInfo info(path); // follows a symbolic link
    if (!info.exists() || info.isFile())
        return std::nullopt;
    if (info.isDir())
        return saveFailure(path, QCoreApplication::translate("FileStore", "it is a folder."));
    return saveFailure(
        path, QCoreApplication::translate("FileStore",
                                          "it is not a regular file (a device, pipe or socket)."));
}

std::optional<QString> FileStore::write(const QString& path, const QByteArray& bytes) {
    return writeAll({{path, bytes}});
}

namespace {

using FileStoreFiles = QList<std::pair<QString, QByteArray>>;
using FileStorePending = std::vector<std::unique_ptr<QSaveFile>>;

// Writes every file's temporary in full (none of the targets is touched);
// the failure of the first that cannot be written.
std::optional<QString> writeTemporaries(const FileStoreFiles& files, FileStorePending& pending) {
    for (const auto& [path, bytes] : files) {
        auto file = std::make_unique<QSaveFile>(path);
        errno = 0;
        if (!file->open(QIODevice::WriteOnly))
            return saveFailure(path, reasonOf(*file, errno));
        errno = 0;
        if (file->write(bytes) != bytes.size() || !file->flush()) {
            const QString reason = reasonOf(*file, errno);
            file->cancelWriting();
            return saveFailure(path, reason);
        }
        pending.push_back(std::move(file));
    }
    return std::nullopt;
}

// The old contents of the targets replaced before the last one, kept under a
// second name (a hard link: no copy) until every target is replaced.
class KeptTargets {
public:
    // Keeps the old contents of `target`; false when they cannot be kept.
    bool keep(const QString& target) {
        Kept k{target, {}};
        if (QFileInfo::exists(target)) {
            k.keptAs = target + QStringLiteral(".nerka-previous");
            QFile::remove(k.keptAs);
            if (::link(QFile::encodeName(target).constData(),
                       QFile::encodeName(k.keptAs).constData()) != 0 &&
                !QFile::copy(target, k.keptAs))
                return false;
        }
        m_kept.push_back(k);
        return true;
    }
    // The targets from `count` on were not replaced: their kept names go.
    void forgetFrom(size_t count) {
        for (size_t i = count; i < m_kept.size(); ++i)
            if (!m_kept[i].keptAs.isEmpty())
                QFile::remove(m_kept[i].keptAs);
        if (m_kept.size() > count)
            m_kept.resize(count);
    }
    // Gives every kept target its old contents back (a new target goes).
    void putBack() const {
        for (const Kept& k : m_kept) {
            if (k.keptAs.isEmpty())
                QFile::remove(k.target);
            else
                (void)::rename(QFile::encodeName(k.keptAs).constData(),
                               QFile::encodeName(k.target).constData());
        }
    }
    // Every target is replaced: the old contents go.
    void drop() const {
        for (const Kept& k : m_kept)
            if (!k.keptAs.isEmpty())
                QFile::remove(k.keptAs);
    }

private:
    struct Kept {
        QString target;
        QString keptAs; // empty when the target did not exist
    };
    std::vector<Kept> m_kept;
};

// Replaces the targets with their written temporaries, one after another;
// when one fails, the ones replaced before it get their old contents back.
std::optional<QString> replaceTargets(const FileStoreFiles& files, FileStorePending& pending) {
    KeptTargets kept;
    for (size_t i = 0; i < pending.size(); ++i) {
        const QString& path = files[qsizetype(i)].first;
        if (i + 1 < pending.size() && !kept.keep(landingPath(path))) {
            kept.forgetFrom(i);
            kept.drop();
            return saveFailure(
                path, QCoreApplication::translate(
                          "FileStore",
                          "its old contents could not be kept while the files are replaced."));
        }
        errno = 0;
        if (!pending[i]->commit()) {
            const QString reason = reasonOf(*pending[i], errno);
            // Only the targets before this one were replaced; this one's
            // kept name goes, the earlier ones get their old contents back.
            kept.forgetFrom(i);
            kept.putBack();
            return saveFailure(path, reason);
        }
    }
    kept.drop();
    return std::nullopt;
}

} // namespace

std::optional<QString> FileStore::writeAll(const QList<std::pair<QString, QByteArray>>& files) {
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (auto refusal = targetRefusal(files[i].first))
            return refusal;
        for (qsizetype j = 0; j < i; ++j)
            if (landingPath(files[i].first) == landingPath(files[j].first))
                return saveFailure(
                    files[i].first,
                    QCoreApplication::translate(
                        "FileStore", "it is named twice; the files would overwrite each other."));
    }
    // Every temporary is written in full before any target is touched.
    FileStorePending pending;
    if (auto failure = writeTemporaries(files, pending))
        return failure;
    return replaceTargets(files, pending);
}

} // namespace nerka
