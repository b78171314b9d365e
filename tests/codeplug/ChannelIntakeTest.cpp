// Channels copied in one codeplug and pasted into another: references travel
// by name, rows the radio cannot use are left out, everything is named.

#include "codeplug/ChannelIntake.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelReferences.h"
#include "codeplug/CodeplugLayout.h"

#include <gtest/gtest.h>

using namespace nerka;

namespace {

CodeplugImage blankGd77() {
    CodeplugImage image;
    image.variant = RadioVariant::gd77;
    image.regions = layoutForVariant(RadioVariant::gd77).regions;
    for (const auto& region : image.regions)
        image.blobs.append(QByteArray(region.length, '\0'));
    return image;
}

// The raw records of the channels `edits` become, as the table copies them.
QList<QByteArray> recordsOf(const QList<ChannelEdit>& edits) {
    CodeplugImage image = blankGd77();
    QList<QByteArray> records;
    for (qsizetype i = 0; i < edits.size(); ++i) {
        EXPECT_FALSE(createBlankChannel(int(i), image).empty());
        EXPECT_FALSE(applyChannelEdit(edits[i], int(i) + 1, image).empty());
        records.append(*readChannelRecord(int(i), image));
    }
    return records;
}

ChannelEdit channelAt(const QString& name, std::uint64_t rxHz, std::optional<int> contact,
                      std::optional<int> groupList) {
    ChannelEdit edit;
    edit.name = name;
    edit.rxHz = edit.txHz = rxHz;
    edit.isDMR = true;
    edit.contactSlot = contact;
    edit.groupListIndex = groupList;
    return edit;
}

} // namespace

TEST(ChannelIntakeTest, PastedRecordsReferToTheRecordsOfTheirNamesInTheOtherCodeplug) {
    // Copied from: contact 1 Hamburg, contact 2 Berlin; list 0 DL; zone 0 Home.
    ChannelRowNames source;
    source.contacts = {{1, QStringLiteral("Hamburg")}, {2, QStringLiteral("Berlin")}};
    source.groupLists = {{0, QStringLiteral("DL")}};
    source.zoneList = {{0, QStringLiteral("Home")}};
    const QList<ChannelEdit> copied{
        channelAt(QStringLiteral("HH"), 439'100'000, 1, 0),
        channelAt(QStringLiteral("B"), 439'200'000, 2, std::nullopt),
        channelAt(QStringLiteral("6m"), 52'525'000, 1, std::nullopt),
    };
    const QList<QByteArray> records = recordsOf(copied);
    QList<RadioChannel> channels;
    for (qsizetype i = 0; i < records.size(); ++i)
        channels.append(*decodeChannelRecord(records[i], int(i) + 1));
    source.zones = {{1, {QStringLiteral("Home")}}};
    const QString text = channelRowsText(channels, u'\t', source);
    EXPECT_TRUE(text.contains(QStringLiteral("\tHamburg\tDL\tHome\t")));

    // Pasted into: slot 1 holds Deutschland, Hamburg sits in slot 4, no
    // Berlin, no list DL, zone Home at index 3.
    ChannelRowNames target;
    target.contacts = {{1, QStringLiteral("Deutschland")}, {4, QStringLiteral("hamburg")}};
    target.zoneList = {{3, QStringLiteral("Home")}};
    const auto bands = BandLimits::of(DeviceSettings{{}, 0, 136, 174, 400, 480});

    const ChannelIntake own =
        screenChannelRecords(records, channelRowReferences(text), target, bands);
    ASSERT_EQ(own.records.size(), 2); // 6m left out
    const auto hh = decodeChannelRecord(own.records[0], 1);
    const auto b = decodeChannelRecord(own.records[1], 2);
    EXPECT_EQ(hh->contactIndex, 4) << "Hamburg by name, not slot 1 (Deutschland)";
    EXPECT_FALSE(hh->groupListIndex);
    EXPECT_FALSE(b->contactIndex) << "Berlin is not there";
    EXPECT_EQ(own.zones, (QList<QList<int>>{{3}, {}}));
    EXPECT_EQ(own.note,
              QStringLiteral("1 row outside this radio's bands (VHF 136–174, UHF 400–480 MHz): "
                             "line 4 6m 52.525 MHz; 2 names not in this codeplug, left empty: "
                             "line 2 group list 'DL', line 3 contact 'Berlin'"));
    // Every other byte is the copied one.
    QByteArray expected = records[0];
    expected[46] = char(5); // Hamburg, slot 4
    expected[43] = char(0); // no DL here
    EXPECT_EQ(own.records[0], expected);

    // The text alone gives the same channels.
    const ChannelIntake rows = screenChannelRows(parseChannelRows(text, target), bands);
    ASSERT_EQ(rows.edits.size(), 2);
    EXPECT_EQ(rows.edits[0].contactSlot, 4);
    EXPECT_FALSE(rows.edits[1].contactSlot);
    EXPECT_EQ(rows.note, own.note);

    // Pasted back where copied: the same records, byte for byte.
    const ChannelIntake home =
        screenChannelRecords(records, channelRowReferences(text), source, std::nullopt);
    EXPECT_EQ(home.records, records);
    EXPECT_TRUE(home.note.isEmpty());
}

TEST(ChannelIntakeTest, SameNamedRecordsKeepTheirSlotAndPositionsDoNotResolve) {
    ChannelRowNames here;
    here.contacts = {{0, QStringLiteral("TG 9")}, {7, QStringLiteral("TG 9")}};
    const QList<QByteArray> records = recordsOf({channelAt("A", 145'500'000, 7, std::nullopt),
                                                 channelAt("B", 145'500'000, 5, std::nullopt)});
    // Slot 7 is still "TG 9": kept though slot 0 has that name too. "#6"
    // named a slot with no contact: never resolved to whatever is there now.
    const ResolvedChannelRecords resolved = resolveChannelRecordReferences(
        records, {{QStringLiteral("TG 9"), {}, {}}, {QStringLiteral("#6"), {}, {}}}, here);
    EXPECT_EQ(decodeChannelRecord(resolved.records[0], 1)->contactIndex, 7);
    EXPECT_FALSE(decodeChannelRecord(resolved.records[1], 2)->contactIndex);
    EXPECT_EQ(resolved.unresolved, (QList<SkippedCsvRow>{{3, QStringLiteral("contact '#6'")}}));
    // Without rows for every record the records stay as copied.
    EXPECT_EQ(resolveChannelRecordReferences(records, {}, here).records, records);
}
