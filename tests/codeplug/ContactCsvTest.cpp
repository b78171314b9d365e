// Contacts as CSV: export then import is the identity; bad rows are named.

#include "codeplug/ContactCsv.h"

#include <gtest/gtest.h>

using namespace nerka;

TEST(ContactCsvTest, ExportThenImportIsTheIdentityAndBadRowsAreNamed) {
    const QList<DMRContact> contacts{
        {0, QStringLiteral("Local"), 9, ContactType::group, TimeSlotOverride::none},
        {3, QStringLiteral("Anna, \"DL\""), 2621001, ContactType::privateCall,
         TimeSlotOverride::ts1},
        {7, QStringLiteral("All;call"), 16777215, ContactType::allCall, TimeSlotOverride::ts2}};
    const ContactCsvRead read = parseContactsCsv(contactsCsv(contacts));
    EXPECT_TRUE(read.skipped.isEmpty());
    ASSERT_EQ(read.contacts.size(), contacts.size());
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        const DMRContact& c = contacts[i];
        EXPECT_EQ(read.contacts[i], (ContactEdit{c.name, c.dmrID, c.type, c.timeSlotOverride}));
    }

    const ContactCsvRead bad = parseContactsCsv(
        QStringLiteral("DMR-ID,Name,Type\n1,,\n0,Zero,\n5,Five,Broadcast\n6,six,private\n"));
    EXPECT_EQ(bad.skipped,
              (QList<SkippedCsvRow>{{2, QStringLiteral("no name")},
                                    {3, QStringLiteral("DMR ID '0' is not 1–16777215")},
                                    {4, QStringLiteral("type 'Broadcast' unknown")}}));
    ASSERT_EQ(bad.contacts.size(), 1);
    EXPECT_EQ(bad.contacts[0].type, ContactType::privateCall);
}

// Every text the window shows for a type or a time slot reads back as that
// value; a word that names neither is refused with its reason.
TEST(ContactCsvTest, ReadsTheTypeAndTimeSlotTextsOfEveryView) {
    struct Case {
        QString type;
        QString timeSlot;
        ContactType wantType;
        TimeSlotOverride wantSlot;
    };
    const QList<Case> cases{
        {"Group", "No override", ContactType::group, TimeSlotOverride::none},
        {"Group Call", "", ContactType::group, TimeSlotOverride::none},
        {"private call", "TS1", ContactType::privateCall, TimeSlotOverride::ts1},
        {"Private Call", "TS2", ContactType::privateCall, TimeSlotOverride::ts2},
        {"All Call", "Force TS2", ContactType::allCall, TimeSlotOverride::ts2},
        {"All call", "force ts1", ContactType::allCall, TimeSlotOverride::ts1},
        {"all", "2", ContactType::allCall, TimeSlotOverride::ts2},
        {"", "None", ContactType::group, TimeSlotOverride::none},
        {"ALL", "ts 1", ContactType::allCall, TimeSlotOverride::ts1},
    };
    for (const Case& c : cases) {
        const ContactCsvRead read = parseContactsCsv(
            QStringLiteral("Name,DMR-ID,Type,Time slot\nX,7,%1,%2\n").arg(c.type, c.timeSlot));
        ASSERT_EQ(read.contacts.size(), 1) << c.type.toStdString() << c.timeSlot.toStdString();
        EXPECT_EQ(read.contacts[0].type, c.wantType) << c.type.toStdString();
        EXPECT_EQ(read.contacts[0].timeSlotOverride, c.wantSlot) << c.timeSlot.toStdString();
    }
    const ContactCsvRead bad = parseContactsCsv(
        QStringLiteral("Name,DMR-ID,Type,Time slot\nA,1,Call,\nB,2,,TS3\nC,3,,Force 2\n"));
    EXPECT_TRUE(bad.contacts.isEmpty());
    EXPECT_EQ(bad.skipped,
              (QList<SkippedCsvRow>{{2, QStringLiteral("type 'Call' unknown")},
                                    {3, QStringLiteral("time slot 'TS3' unknown")},
                                    {4, QStringLiteral("time slot 'Force 2' unknown")}}));
}
