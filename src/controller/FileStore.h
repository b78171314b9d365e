#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace nerka {

// The one way Nerka reads and writes files.
//
// Reading is bounded by the kind of file: a file above its kind's limit is
// refused before any of it is read (a device or pipe without a size is read
// up to the limit and no further), so a wrong pick such as /dev/zero or a
// multi-gigabyte file never fills memory.
//
// Writing is atomic: the bytes go to a temporary file beside the target that
// is renamed over it once everything is on disk, so the target holds either
// its old contents or the new ones, never a torn mix. A target that exists
// and is not a regular file (a device node, a FIFO, a folder) is refused; a
// symbolic link to a regular file writes its target.
//
// Every failure text names the file and the reason.
class FileStore {
public:
    enum class Kind {
        codeplug,   // a codeplug file: about 120 KB for either family
        channelCsv, // a channel list in CSV
        dmrList,    // a DMR user-ID list (a worldwide list is some 20 MB)
        keps,       // keps text
        satnogs,    // a SatNOGS transmitter list (JSON)
        theme,      // a .gtm theme: 64 bytes of colours
        ops,        // the command line's operations file (JSON)
    };

    // The largest file of each kind that is read.
    [[nodiscard]] static qint64 maxBytes(Kind kind);

    // The file's bytes, or the failure text: "Could not read NAME: REASON".
    [[nodiscard]] static std::variant<QByteArray, QString> read(const QString& path, Kind kind);

    // Writes `bytes` to `path` atomically; the failure text
    // ("Could not save NAME: REASON") when nothing was changed.
    [[nodiscard]] static std::optional<QString> write(const QString& path, const QByteArray& bytes);

    // Writes several files, all or none: every file is written to its
    // temporary before any target is replaced, and a target replaced before a
    // later one fails is put back. Two entries naming the same file are refused.
    [[nodiscard]] static std::optional<QString>
    writeAll(const QList<std::pair<QString, QByteArray>>& files);

    // Why `path` cannot be a save target (it exists and is no regular file,
    // nor a link to one), or nothing when it can.
    [[nodiscard]] static std::optional<QString> targetRefusal(const QString& path);

    // The name a message shows for `path`: the path as the user gave it.
    [[nodiscard]] static QString displayName(const QString& path);
};

} // namespace nerka
