// The channel table's own clipboard format and what a paste reads.

#include "ui/rules/ChannelClipboard.h"

#include <QMimeData>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

QByteArray record(char fill) {
    return QByteArray(56, fill);
}

} // namespace

TEST(ChannelClipboardTest, RecordsRoundTripAndForeignBytesAreRefused) {
    const QList<QByteArray> records{record('a'), record('\xFF'), record('\0')};
    const QByteArray bytes = ChannelClipboard::encodeRecords(records);
    EXPECT_EQ(bytes.size(), 7 + 3 * 56);
    EXPECT_EQ(ChannelClipboard::decodeRecords(bytes), records);

    QByteArray wrongVersion = bytes;
    wrongVersion[4] = 2;
    QByteArray wrongCount = bytes;
    wrongCount[5] = 4;
    const QList<QByteArray> foreign{QByteArray(),
                                    bytes.left(6),
                                    bytes.chopped(1),
                                    bytes + 'x',
                                    wrongVersion,
                                    wrongCount,
                                    ChannelClipboard::encodeRecords({}),
                                    QByteArray("XRKC") + bytes.mid(4)};
    for (const QByteArray& b : foreign)
        EXPECT_FALSE(ChannelClipboard::decodeRecords(b).has_value()) << b.toHex().toStdString();
    // Every prefix of a valid encoding fails cleanly.
    for (qsizetype n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(ChannelClipboard::decodeRecords(bytes.left(n)).has_value()) << n;
}

TEST(ChannelClipboardTest, PasteTakesTheOwnFormatFirstThenTheText) {
    RadioChannel channel;
    channel.name = QStringLiteral("S20");
    channel.rxHz = channel.txHz = 145'500'000;
    channel.contactIndex = 2;
    ChannelRowNames names;
    names.contacts = {{2, QStringLiteral("Hamburg")}};
    const auto both = ChannelClipboard::mimeData({record('a')}, {channel}, names);
    EXPECT_TRUE(both->text().startsWith(QStringLiteral("Name\tRX (MHz)\t")));
    const ChannelClipboard::Contents own = ChannelClipboard::read(both.get(), names);
    EXPECT_EQ(own.records, QList<QByteArray>{record('a')});
    ASSERT_EQ(own.references.size(), 1);
    EXPECT_EQ(own.references[0].contact, QStringLiteral("Hamburg"));
    EXPECT_TRUE(own.rows.channels.isEmpty());

    // Broken own bytes: the text still serves, its names looked up where it lands.
    both->setData(ChannelClipboard::mimeType(), QByteArray("NRKC"));
    ChannelRowNames there;
    there.contacts = {{9, QStringLiteral("Hamburg")}};
    const ChannelClipboard::Contents text = ChannelClipboard::read(both.get(), there);
    EXPECT_TRUE(text.records.isEmpty());
    ASSERT_EQ(text.rows.channels.size(), 1);
    EXPECT_EQ(text.rows.channels[0].name, QStringLiteral("S20"));
    EXPECT_EQ(text.rows.channels[0].contactSlot, 9);

    QMimeData empty;
    EXPECT_TRUE(ChannelClipboard::read(&empty, {}).isEmpty());
    EXPECT_TRUE(ChannelClipboard::read(nullptr, {}).isEmpty());
}
