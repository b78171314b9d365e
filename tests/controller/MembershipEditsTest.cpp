#include "controller/CodeplugDocument.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/MemberLists.h"

#include <gtest/gtest.h>

using namespace nerka;

namespace {

// A document of `variant` with channels 1..channelCount, contacts in slots
// 0..contactCount-1 (group calls), zone 0 "Local" and talkgroup 0 "Bayern".
CodeplugImage membershipImage(RadioVariant variant, int channelCount, int contactCount) {
    CodeplugImage image;
    image.variant = variant;
    image.regions = layoutForVariant(variant).regions;
    for (const auto& region : image.regions)
        image.blobs.append(QByteArray(region.length, '\0'));
    for (int number = 1; number <= channelCount; ++number) {
        EXPECT_FALSE(createBlankChannel(number - 1, image).empty());
        ChannelEdit edit;
        edit.name = QStringLiteral("Ch %1").arg(number);
        edit.rxHz = edit.txHz = 430'000'000 + std::uint64_t(number) * 12'500;
        EXPECT_FALSE(applyChannelEdit(edit, number, image).empty());
    }
    for (int slot = 0; slot < contactCount; ++slot)
        EXPECT_FALSE(applyContactEdit({QStringLiteral("TG %1").arg(slot), std::uint32_t(262 + slot),
                                       ContactType::group, TimeSlotOverride::none},
                                      slot, image)
                         .empty());
    EXPECT_FALSE(applyZoneEdit({QStringLiteral("Local"), {}}, 0, image).empty());
    EXPECT_FALSE(applyTalkgroupEdit({QStringLiteral("Bayern"), {}}, 0, image).empty());
    return image;
}

void loadMembershipImage(CodeplugDocument& document, const CodeplugImage& image) {
    const QList<RadioChannel> channels = decodeChannels(image);
    MemberLists lists = decodeMemberLists(image, channels);
    document.load(image, {channels, lists.contacts, lists.talkgroups, lists.zones});
}

QList<int> numberRange(int first, int last) {
    QList<int> out;
    for (int n = first; n <= last; ++n)
        out.append(n);
    return out;
}

} // namespace

// Per family: the limit of a zone and of a talkgroup list, reached by
// additions, and the addition past it refused whole with the limit named.
TEST(MembershipEditsTest, LimitsPerRadioFamily) {
    struct Case {
        RadioVariant variant;
        int zoneLimit;
        int talkgroupLimit;
    };
    for (const Case& c : {Case{RadioVariant::gd77, 80, 32}, Case{RadioVariant::uv380, 80, 32}}) {
        SCOPED_TRACE(variantKey(c.variant));
        CodeplugDocument document;
        loadMembershipImage(document,
                            membershipImage(c.variant, c.zoneLimit + 2, c.talkgroupLimit + 1));
        EXPECT_EQ(document.zoneMemberLimit(), c.zoneLimit);
        EXPECT_EQ(document.talkgroupMemberLimit(), c.talkgroupLimit);

        ASSERT_TRUE(document.setZoneMembership(0, numberRange(1, c.zoneLimit - 1), true).isDone());
        const CodeplugImage before = *document.image();
        const EditResult over =
            document.setZoneMembership(0, numberRange(c.zoneLimit, c.zoneLimit + 1), true);
        ASSERT_TRUE(over.isRefused());
        EXPECT_EQ(over.refusal()->kind, RefusalKind::full);
        EXPECT_TRUE(over.refusal()->text.contains(QString::number(c.zoneLimit)))
            << over.refusal()->text.toStdString();
        EXPECT_EQ(document.image()->blobs, before.blobs); // nothing partly applied
        EXPECT_EQ(document.undoLabel(),
                  QStringLiteral("Add %1 channels to zone 1").arg(c.zoneLimit - 1));
        ASSERT_TRUE(document.setZoneMembership(0, {c.zoneLimit}, true).isDone());
        EXPECT_EQ(document.zones().first().memberIndices.size(), c.zoneLimit);
        EXPECT_TRUE(
            document.createZoneFromChannels(QStringLiteral("Big"), numberRange(1, c.zoneLimit + 1))
                .isRefused());

        for (int slot = 0; slot < c.talkgroupLimit; ++slot)
            ASSERT_TRUE(document.setTalkgroupMembership(0, slot, true).isDone()) << slot;
        const EditResult full = document.setTalkgroupMembership(0, c.talkgroupLimit, true);
        ASSERT_TRUE(full.isRefused());
        EXPECT_TRUE(full.refusal()->text.contains(QString::number(c.talkgroupLimit)));
        EXPECT_EQ(document.talkgroups().first().memberSlots.size(), c.talkgroupLimit);

        // A whole-record edit past the limit is refused too, not cut short.
        const EditResult zoneEdit =
            document.updateZone(0, {QStringLiteral("Local"), numberRange(0, c.zoneLimit)});
        ASSERT_TRUE(zoneEdit.isRefused());
        EXPECT_EQ(zoneEdit.refusal()->text,
                  QStringLiteral("Zone 'Local' holds at most %1 channels, not %2.")
                      .arg(c.zoneLimit)
                      .arg(c.zoneLimit + 1));
        EXPECT_TRUE(
            document
                .updateTalkgroup(0, {QStringLiteral("Bayern"), numberRange(0, c.talkgroupLimit)})
                .isRefused());
        EXPECT_EQ(document.talkgroups().first().memberSlots.size(), c.talkgroupLimit);
    }
    EXPECT_EQ(CodeplugDocument::zoneMemberLimit(std::nullopt), 80);
}

TEST(MembershipEditsTest, ZoneMembershipOfManyChannelsIsOneStep) {
    CodeplugDocument document;
    loadMembershipImage(document, membershipImage(RadioVariant::gd77, 6, 0));
    ASSERT_TRUE(document.setZoneMembership(0, {2}, true).isDone());
    EXPECT_EQ(document.undoLabel(), QStringLiteral("Add channel 2 to zone 1"));

    // Appended in the order given after the present members; 2 stays once.
    const EditResult added = document.setZoneMembership(0, {5, 2, 1, 5}, true);
    ASSERT_TRUE(added.isDone());
    EXPECT_EQ(document.zones().first().memberIndices, (QList<int>{1, 4, 0}));
    EXPECT_EQ(added.changes().zones.changed, QList<int>{0});
    EXPECT_EQ(added.summary(), QStringLiteral("Zone 1 changed: Local (3 channels)"));
    EXPECT_EQ(document.undoLabel(), QStringLiteral("Add 2 channels to zone 1"));
    EXPECT_TRUE(document.setZoneMembership(0, {1, 2}, true).isNothingToDo());

    ASSERT_TRUE(document.setZoneMembership(0, {2, 5, 6}, false).isDone());
    EXPECT_EQ(document.zones().first().memberIndices, QList<int>{0});
    EXPECT_EQ(document.undoLabel(), QStringLiteral("Remove 2 channels from zone 1"));
    ASSERT_TRUE(document.undo().isDone());
    EXPECT_EQ(document.zones().first().memberIndices, (QList<int>{1, 4, 0}));

    EXPECT_EQ(document.setZoneMembership(0, {9}, true).refusal()->kind, RefusalKind::notFound);
    EXPECT_EQ(document.setZoneMembership(3, {1}, true).refusal()->kind, RefusalKind::notFound);
}

TEST(MembershipEditsTest, NewZoneFromChannels) {
    CodeplugDocument document;
    loadMembershipImage(document, membershipImage(RadioVariant::uv380, 4, 0));
    const EditResult created = document.createZoneFromChannels(QStringLiteral("Repeaters"), {3, 1});
    ASSERT_TRUE(created.isDone());
    EXPECT_EQ(created.createdKey(), 1);
    EXPECT_EQ(document.undoLabel(), QStringLiteral("New zone 2"));
    ASSERT_EQ(document.zones().size(), 2);
    EXPECT_EQ(document.zones()[1].name, QStringLiteral("Repeaters"));
    EXPECT_EQ(document.zones()[1].memberIndices, (QList<int>{2, 0}));

    EXPECT_EQ(document.createZoneFromChannels(QStringLiteral("  "), {1}).refusal()->kind,
              RefusalKind::invalid);
    EXPECT_EQ(document.createZoneFromChannels(QStringLiteral("X"), {1, 7}).refusal()->kind,
              RefusalKind::notFound);
    EXPECT_EQ(document.zones().size(), 2);
}

TEST(MembershipEditsTest, TalkgroupMembershipAddsAndRemovesOneContact) {
    CodeplugDocument document;
    CodeplugImage image = membershipImage(RadioVariant::gd77, 0, 3);
    // Slot 9 holds no contact: a member left behind by a deleted contact.
    ASSERT_FALSE(applyTalkgroupEdit({QStringLiteral("Bayern"), {9}}, 0, image).empty());
    loadMembershipImage(document, image);

    ASSERT_TRUE(document.setTalkgroupMembership(0, 2, true).isDone());
    EXPECT_EQ(document.talkgroups().first().memberSlots, (QList<int>{9, 2}));
    EXPECT_EQ(document.undoLabel(), QStringLiteral("Add contact 3 to talkgroup 1"));
    EXPECT_TRUE(document.setTalkgroupMembership(0, 2, true).isNothingToDo());
    EXPECT_EQ(document.setTalkgroupMembership(0, 7, true).refusal()->kind, RefusalKind::notFound);

    ASSERT_TRUE(document.setTalkgroupMembership(0, 9, false).isDone());
    EXPECT_EQ(document.talkgroups().first().memberSlots, QList<int>{2});
    EXPECT_EQ(document.undoLabel(), QStringLiteral("Remove contact 10 from talkgroup 1"));
    EXPECT_TRUE(document.setTalkgroupMembership(0, 9, false).isNothingToDo());
}

// Ticks of the membership grid: many cells in several lists are one undo
// step; new members join after the last member before them in record order,
// so a list in order stays in order and one the user ordered keeps its order;
// a list past its limit refuses the whole step.
TEST(MembershipEditsTest, GridTicksAreOneStepAndJoinInRecordOrder) {
    CodeplugImage image = membershipImage(RadioVariant::gd77, 90, 4);
    EXPECT_FALSE(applyZoneEdit({QStringLiteral("Mixed"), {8, 1}}, 1, image).empty());
    EXPECT_FALSE(applyTalkgroupEdit({QStringLiteral("Hessen"), {}}, 1, image).empty());
    CodeplugDocument document;
    loadMembershipImage(document, image);

    const EditResult added = document.setZoneMemberships({{0, 7}, {0, 3}, {1, 6}, {1, 2}}, true);
    ASSERT_TRUE(added.isDone());
    EXPECT_EQ(document.undoLabel(), QStringLiteral("Add 3 channels to 2 zones"));
    EXPECT_EQ(document.zones()[0].memberIndices, (QList<int>{2, 6}));
    EXPECT_EQ(document.zones()[1].memberIndices, (QList<int>{8, 1, 5}));
    ASSERT_TRUE(document.undo().isDone());
    EXPECT_TRUE(document.zones()[0].memberIndices.isEmpty());
    EXPECT_EQ(document.zones()[1].memberIndices, (QList<int>{8, 1}));

    ASSERT_TRUE(document.setTalkgroupMemberships({{0, 3}, {0, 1}, {1, 2}}, true).isDone());
    EXPECT_EQ(document.talkgroups()[0].memberSlots, (QList<int>{1, 3}));
    ASSERT_TRUE(document.setTalkgroupMemberships({{0, 3}, {1, 2}}, false).isDone());
    EXPECT_EQ(document.undoLabel(), QStringLiteral("Remove 2 contacts from 2 talkgroups"));
    EXPECT_EQ(document.talkgroups()[0].memberSlots, QList<int>{1});
    EXPECT_TRUE(document.setTalkgroupMemberships({{0, 3}}, false).isNothingToDo());

    QList<std::pair<int, int>> tooMany;
    for (int number : numberRange(1, 81))
        tooMany.append({0, number});
    tooMany.append({1, 50});
    const EditResult refused = document.setZoneMemberships(tooMany, true);
    ASSERT_TRUE(refused.isRefused());
    EXPECT_TRUE(
        refused.refusal()->text.startsWith(QStringLiteral("Zone 'Local' holds at most 80")));
    EXPECT_EQ(document.zones()[1].memberIndices, (QList<int>{8, 1}));
}
