#include "codeplug/CodeplugMerge.h"
#include "codeplug/BlankCodeplug.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/MemberLists.h"

#include <gtest/gtest.h>

using namespace nerka;

namespace {

// A small codeplug built with the program's own encoders.
class Builder {
public:
    Builder() : image(newCodeplug(RadioVariant::gd77)) {}

    Builder& contact(int slot, const char* name, std::uint32_t id) {
        EXPECT_FALSE(applyContactEdit({QString::fromLatin1(name), id}, slot, image).empty());
        return *this;
    }
    Builder& talkgroup(int index, const char* name, const QList<int>& slots) {
        EXPECT_FALSE(applyTalkgroupEdit({QString::fromLatin1(name), slots}, index, image).empty());
        return *this;
    }
    Builder& channel(int number, const char* name, std::uint64_t rxHz,
                     std::optional<int> contact = {}, std::optional<int> groupList = {}) {
        ChannelEdit edit;
        edit.name = QString::fromLatin1(name);
        edit.rxHz = edit.txHz = rxHz;
        edit.isDMR = contact.has_value();
        edit.contactSlot = contact;
        edit.groupListIndex = groupList;
        EXPECT_FALSE(createBlankChannel(number - 1, image).empty());
        EXPECT_FALSE(applyChannelEdit(edit, number, image).empty());
        return *this;
    }
    Builder& zone(int index, const char* name, const QList<int>& positions) {
        EXPECT_FALSE(applyZoneEdit({QString::fromLatin1(name), positions}, index, image).empty());
        return *this;
    }

    CodeplugImage image;
};

struct Decoded {
    QList<RadioChannel> channels;
    MemberLists lists;
    explicit Decoded(const CodeplugImage& image)
        : channels(decodeChannels(image)), lists(decodeMemberLists(image, channels)) {}
    [[nodiscard]] QStringList contactNames() const {
        QStringList names;
        for (const DMRContact& c : lists.contacts)
            names.append(c.name);
        return names;
    }
    [[nodiscard]] const RadioChannel* channel(const QString& name) const {
        for (const RadioChannel& c : channels)
            if (c.name == name)
                return &c;
        return nullptr;
    }
};

// The club's codeplug: a zone of two DMR repeaters with a TX contact each and
// one RX group list.
CodeplugImage clubCodeplug() {
    return Builder()
        .contact(0, "Bayern", 2627)
        .contact(1, "Lokal", 9)
        .contact(2, "Weltweit", 91)
        .talkgroup(0, "Club", {0, 1})
        .channel(1, "DB0ABC", 439'100'000, 0, 0)
        .channel(2, "DB0XYZ", 438'200'000, 2, 0)
        .channel(3, "Unrelated", 145'500'000)
        .zone(0, "Club", {0, 1})
        .image;
}

} // namespace

TEST(CodeplugMerge, ZoneBringsItsChannelsContactsAndGroupListReusingWhatExistsByName) {
    // Here: "Lokal" exactly as the club has it (reused), and "Bayern" with
    // another ID (a clash), both in other slots than the club's.
    const CodeplugImage mine = Builder()
                                   .contact(0, "Mein Freund", 2621234)
                                   .contact(1, "Lokal", 9)
                                   .contact(2, "Bayern", 262)
                                   .channel(1, "Home", 145'500'000)
                                   .image;
    MergeSelection chosen;
    chosen.zones = {0};
    const CodeplugMerge merged = mergeCodeplug(mine, clubCodeplug(), chosen);
    ASSERT_TRUE(merged.refusal.isEmpty()) << merged.refusal.toStdString();

    const Decoded after(merged.image);
    EXPECT_EQ(after.contactNames(), (QStringList{"Mein Freund", "Lokal", "Bayern", "Weltweit"}))
        << "no duplicates: Lokal and Bayern used, Weltweit added in the lowest free slot";
    EXPECT_EQ(merged.of(MergeKind::contact).clashNames, QStringList{"Bayern"});
    EXPECT_EQ(merged.of(MergeKind::contact).used, 2);
    EXPECT_EQ(merged.of(MergeKind::contact).added, 1);

    ASSERT_EQ(after.lists.talkgroups.size(), 1);
    EXPECT_EQ(after.lists.talkgroups[0].memberSlots, (QList<int>{2, 1})) << "Bayern, Lokal here";
    const RadioChannel* abc = after.channel(QStringLiteral("DB0ABC"));
    const RadioChannel* xyz = after.channel(QStringLiteral("DB0XYZ"));
    ASSERT_TRUE(abc && xyz);
    EXPECT_EQ(abc->number, 2);
    EXPECT_EQ(abc->contactIndex, 2);
    EXPECT_EQ(xyz->contactIndex, 3);
    EXPECT_EQ(abc->groupListIndex, 0);
    EXPECT_FALSE(after.channel(QStringLiteral("Unrelated"))) << "only what the zone needs";
    ASSERT_EQ(after.lists.zones.size(), 1);
    EXPECT_EQ(after.lists.zones[0].channelNames, (QStringList{"DB0ABC", "DB0XYZ"}));
    EXPECT_EQ(merged.regions, (RegionSet{0, 1, 3}));

    // Taken again, everything is there already: nothing changes.
    const CodeplugMerge again = mergeCodeplug(merged.image, clubCodeplug(), chosen);
    EXPECT_EQ(again.image, merged.image);
    EXPECT_EQ(again.of(MergeKind::zone).taken.value(0), MergeStatus::same);
}

TEST(CodeplugMerge, ClashAnswersPerKind) {
    const CodeplugImage mine = Builder().contact(5, "Bayern", 262).talkgroup(3, "Club", {5}).image;
    MergeSelection chosen;
    chosen.channels = {1};
    struct Case {
        ClashAnswer answer;
        QStringList contacts;
        int channelContact; // the slot DB0ABC's TX contact names
        QList<int> clubMembers;
    };
    const QList<Case> cases = {
        {ClashAnswer::useExisting, {"Bayern", "Lokal"}, 5, {5, 0}},
        {ClashAnswer::addCopy, {"Bayern 2", "Lokal", "Bayern"}, 0, {0, 1}},
        {ClashAnswer::replace, {"Lokal", "Bayern"}, 5, {5, 0}},
    };
    for (const Case& c : cases) {
        std::array<ClashAnswer, 4> answers{};
        answers[std::size_t(MergeKind::contact)] = c.answer;
        answers[std::size_t(MergeKind::talkgroup)] = ClashAnswer::replace;
        const CodeplugMerge merged = mergeCodeplug(mine, clubCodeplug(), chosen, answers);
        const Decoded after(merged.image);
        QStringList names;
        for (const DMRContact& contact : after.lists.contacts)
            names.append(contact.name);
        std::sort(names.begin(), names.end());
        QStringList expected = c.contacts;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected) << int(c.answer);
        EXPECT_EQ(after.channel(QStringLiteral("DB0ABC"))->contactIndex, c.channelContact);
        ASSERT_EQ(after.lists.talkgroups.size(), 1) << "the group list replaced in its place";
        EXPECT_EQ(after.lists.talkgroups[0].index, 3);
        EXPECT_EQ(after.lists.talkgroups[0].memberSlots, c.clubMembers) << int(c.answer);
        if (c.answer == ClashAnswer::replace) {
            EXPECT_EQ(after.lists.contacts[1].slot, 5);
            EXPECT_EQ(after.lists.contacts[1].dmrID, 2627u) << "the club's Bayern in its place";
        }
    }
}

TEST(CodeplugMerge, RefusesWhatDoesNotFitAndOtherFamilies) {
    Builder full;
    for (int index = 0; index < 68; ++index)
        full.zone(index, QStringLiteral("Z%1").arg(index).toLatin1().constData(), {});
    MergeSelection chosen;
    chosen.zones = {0};
    EXPECT_EQ(mergeCodeplug(full.image, clubCodeplug(), chosen).refusal,
              QStringLiteral("No room for more zones: a codeplug holds 68."));
    EXPECT_FALSE(
        mergeCodeplug(newCodeplug(RadioVariant::uv380), clubCodeplug(), chosen).refusal.isEmpty());
}

TEST(CodeplugMerge, FreeNamesFitTheField) {
    EXPECT_EQ(freeMergeName(QStringLiteral("Bayern"), 16, {"Bayern", "Bayern 2"}),
              QStringLiteral("Bayern 3"));
    EXPECT_EQ(freeMergeName(QStringLiteral("ABCDEFGHIJKLMNOP"), 16, {}),
              QStringLiteral("ABCDEFGHIJKLMN 2"));
}
