#pragma once

#include "codeplug/ChannelCsvRows.h"
#include "codeplug/RadioChannel.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QMimeData;

namespace nerka {

// The channel table's clipboard contents. Copy puts two forms on the
// clipboard: the raw channel records in Nerka's own format, which another
// Nerka window pastes with every byte (and so every field) intact, and the
// rows as tab-separated text with a header row for a spreadsheet: the
// columns of "Export to CSV (all fields)", so TX contact, group list and
// zones travel by name. A paste of the records takes those names from the
// text, so the records refer to the records of the codeplug they land in.
class ChannelClipboard {
public:
    // The own format's MIME type.
    static const QString& mimeType();

    // The own format: "NRKC", a version byte, the count as 16-bit
    // little-endian, then the 56-byte records one after the other.
    [[nodiscard]] static QByteArray encodeRecords(const QList<QByteArray>& records);
    // The records, or nothing when the bytes are not exactly that format
    // (another version, a count that does not match the length, no records).
    [[nodiscard]] static std::optional<QList<QByteArray>> decodeRecords(const QByteArray& bytes);

    // Both forms of the channels whose raw records are `records` (same
    // order), references named by `names` (the codeplug copied from).
    [[nodiscard]] static std::unique_ptr<QMimeData> mimeData(const QList<QByteArray>& records,
                                                             const QList<RadioChannel>& channels,
                                                             const ChannelRowNames& names);

    // What a paste would insert: the own records with the references their
    // rows name, when the clipboard holds them; else the channels read from
    // its text with references looked up in `names` (the codeplug pasted
    // into), and the rows refused.
    struct Contents {
        QList<QByteArray> records;
        QList<ChannelRowReferences> references; // per record
        ChannelRowsRead rows;
        [[nodiscard]] bool isEmpty() const {
            return records.isEmpty() && rows.channels.isEmpty() && rows.skipped.isEmpty();
        }
    };
    [[nodiscard]] static Contents read(const QMimeData* data, const ChannelRowNames& names);
};

} // namespace nerka
