// The change list as a user reads it after ordinary work: pasting rows into
// the middle, sorting and renumbering, copies that share a name.
#include "controller/CodeplugDiff.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/ZoneCodec.h"
#include "sim/SampleCodeplug.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace nerka;

namespace {

QStringList linesOf(const CodeplugImage& before, const CodeplugImage& after) {
    auto result = diffCodeplugs(before, after);
    EXPECT_TRUE(std::holds_alternative<CodeplugDiff>(result));
    return diffText(std::get<CodeplugDiff>(result));
}

// Puts copies of channels `sources` (numbers) right after channel
// `afterNumber`, as a paste of copied rows does: the channels behind move up
// and the zones follow them.
void pasteCopies(CodeplugImage& image, const QList<int>& sources, int afterNumber) {
    const QList<RadioChannel> channels = decodeChannels(image);
    QList<int> order;
    for (const RadioChannel& c : channels)
        order.append(c.number - 1);
    int free = channels.last().number; // the slot after the last channel
    const qsizetype at = order.indexOf(afterNumber - 1) + 1;
    for (qsizetype i = 0; i < sources.size(); ++i) {
        const auto record = readChannelRecord(sources[i] - 1, image);
        ASSERT_TRUE(record);
        ASSERT_FALSE(pasteChannelRecord(*record, free, image).empty());
        order.insert(at + i, free++);
    }
    QHash<int, int> oldToNew;
    for (qsizetype i = 0; i < order.size(); ++i)
        oldToNew.insert(order[i], int(i));
    ASSERT_FALSE(compactChannels(order, oldToNew, image).empty());
}

void reorder(CodeplugImage& image, const QList<int>& numbersInNewOrder) {
    QList<int> order;
    QHash<int, int> oldToNew;
    for (qsizetype i = 0; i < numbersInNewOrder.size(); ++i) {
        order.append(numbersInNewOrder[i] - 1);
        oldToNew.insert(numbersInNewOrder[i] - 1, int(i));
    }
    ASSERT_FALSE(compactChannels(order, oldToNew, image).empty());
}

TEST(ChangeList, PastedRowsReadAsAnInsertAndZonesKeepTheirChannels) {
    const CodeplugImage before = sampleCodeplug(RadioVariant::gd77);
    CodeplugImage after = before;
    pasteCopies(after, {13, 15}, 5); // DB0ZU R6 and DB0MUC, pasted at 6
    EXPECT_EQ(linesOf(before, after),
              (QStringList{QStringLiteral("2 channels inserted at 6; "
                                          "26 channels after them renumbered")}));
}

TEST(ChangeList, SortingByNameReadsAsOneRenumberingLine) {
    const CodeplugImage before = sampleCodeplug(RadioVariant::gd77);
    CodeplugImage after = before;
    QList<RadioChannel> sorted = decodeChannels(before);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const RadioChannel& a, const RadioChannel& b) { return a.name < b.name; });
    QList<int> numbers;
    for (const RadioChannel& c : sorted)
        numbers.append(c.number);
    reorder(after, numbers);
    const QStringList lines = linesOf(before, after);
    ASSERT_EQ(lines.size(), 1) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" channels renumbered")))
        << lines[0].toStdString();
}

TEST(ChangeList, CopiesSharingANameLeaveTheirZoneUnchanged) {
    const CodeplugImage before = sampleCodeplug(RadioVariant::gd77);
    CodeplugImage after = before;
    pasteCopies(after, {29, 29}, 29); // two more "DMR S 433.450" behind the first
    const QStringList lines = linesOf(before, after);
    for (const QString& line : lines)
        EXPECT_FALSE(line.startsWith(QStringLiteral("Zone"))) << line.toStdString();
}

TEST(ChangeList, GroupsCountTheRecordsOfEachKindInWords) {
    const CodeplugImage before = sampleCodeplug(RadioVariant::gd77);
    const auto countOf = [&](const CodeplugImage& after) {
        const auto diff = std::get<CodeplugDiff>(diffCodeplugs(before, after));
        return changeCountText(changeGroups(diff));
    };
    EXPECT_EQ(countOf(before), QStringLiteral("Nothing changed"));

    CodeplugImage edited = before;
    for (int number : {1, 2, 3}) {
        ChannelEdit edit = channelEditFrom(decodeChannels(edited)[number - 1]);
        edit.powerRaw = 10;
        ASSERT_FALSE(applyChannelEdit(edit, number, edited).empty());
    }
    ASSERT_FALSE(applyZoneEdit({QStringLiteral("Simplex"), {0, 1}}, 0, edited).empty());
    EXPECT_EQ(countOf(edited), QStringLiteral("3 channels and 1 zone changed"));
    const auto groups = changeGroups(std::get<CodeplugDiff>(diffCodeplugs(before, edited)));
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[0].heading, QStringLiteral("Channels"));
    EXPECT_EQ(groups[0].lines.size(), 3);
    EXPECT_EQ(groups[1].heading, QStringLiteral("Zones"));

    CodeplugImage pasted = before;
    pasteCopies(pasted, {13}, 5);
    EXPECT_EQ(countOf(pasted), QStringLiteral("27 channels changed"));
}

} // namespace
