#include "ui/rules/ChannelClipboard.h"

#include "codeplug/ChannelRecord.h"

#include <QMimeData>

namespace nerka {

namespace {

const QByteArray kMagic = QByteArrayLiteral("NRKC");
constexpr char kVersion = 1;
constexpr qsizetype kHeaderSize = 4 + 1 + 2;
// More records than a codeplug holds are never copied; a count above it
// marks foreign bytes.
constexpr int kMaxRecords = ChannelBank::kTotalChannels;

} // namespace

const QString& ChannelClipboard::mimeType() {
    static const QString type = QStringLiteral("application/x-nerka-channel-records");
    return type;
}

QByteArray ChannelClipboard::encodeRecords(const QList<QByteArray>& records) {
    QByteArray bytes = kMagic;
    bytes.append(kVersion);
    const auto count = quint16(records.size());
    bytes.append(char(count & 0xFF));
    bytes.append(char(count >> 8));
    for (const QByteArray& record : records)
        bytes.append(record);
    return bytes;
}

std::optional<QList<QByteArray>> ChannelClipboard::decodeRecords(const QByteArray& bytes) {
    if (bytes.size() < kHeaderSize || !bytes.startsWith(kMagic) || bytes[4] != kVersion)
        return std::nullopt;
    const int count = quint8(bytes[5]) | (quint8(bytes[6]) << 8);
    if (count == 0 || count > kMaxRecords ||
        bytes.size() != kHeaderSize + qsizetype(count) * ChannelRecord::kSize)
        return std::nullopt;
    QList<QByteArray> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i)
        records.append(
            bytes.mid(kHeaderSize + qsizetype(i) * ChannelRecord::kSize, ChannelRecord::kSize));
    return records;
}

std::unique_ptr<QMimeData> ChannelClipboard::mimeData(const QList<QByteArray>& records,
                                                      const QList<RadioChannel>& channels,
                                                      const ChannelRowNames& names) {
    auto data = std::make_unique<QMimeData>();
    if (!records.isEmpty() && records.size() <= kMaxRecords)
        data->setData(mimeType(), encodeRecords(records));
    data->setText(channelRowsText(channels, u'\t', names));
    return data;
}

ChannelClipboard::Contents ChannelClipboard::read(const QMimeData* data,
                                                  const ChannelRowNames& names) {
    Contents contents;
    if (!data)
        return contents;
    if (data->hasFormat(mimeType())) {
        if (auto records = decodeRecords(data->data(mimeType()))) {
            contents.records = std::move(*records);
            if (data->hasText())
                contents.references = channelRowReferences(data->text());
            return contents;
        }
    }
    if (data->hasText())
        contents.rows = parseChannelRows(data->text(), names);
    return contents;
}

} // namespace nerka
