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
