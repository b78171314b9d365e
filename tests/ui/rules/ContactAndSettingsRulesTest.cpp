#include "ui/rules/ContactRules.h"
#include "ui/rules/SettingsForm.h"

#include <gtest/gtest.h>

using namespace nerka;

TEST(ContactRulesTest, DmrIdRangeAndForm) {
    EXPECT_EQ(ContactRules::parseDmrId(QStringLiteral(" 1234567 ")), 1234567u);
    EXPECT_EQ(ContactRules::parseDmrId(QStringLiteral("+16777215")), 16777215u);
    EXPECT_EQ(ContactRules::parseDmrId(QStringLiteral("1")), 1u);
    for (const char* text :
         {"0", "16777216", "", "+", "-5", "++1", "+ 1", "12a", "1 000", "99999999999999999999"})
        EXPECT_FALSE(ContactRules::parseDmrId(QString::fromUtf8(text))) << text;
}

TEST(ContactRulesTest, EditNeedsNameAndId) {
    EXPECT_FALSE(ContactRules::edit(QString(), QStringLiteral("1"), ContactType::group,
                                    TimeSlotOverride::none));
    EXPECT_FALSE(ContactRules::edit(QStringLiteral("TG"), QStringLiteral("0"), ContactType::group,
                                    TimeSlotOverride::none));
    const auto edit = ContactRules::edit(QStringLiteral("TG 91"), QStringLiteral("91"),
                                         ContactType::privateCall, TimeSlotOverride::ts2);
    ASSERT_TRUE(edit);
    EXPECT_EQ(*edit, (ContactEdit{QStringLiteral("TG 91"), 91, ContactType::privateCall,
                                  TimeSlotOverride::ts2}));
}

TEST(SettingsFormTest, CallsignCutNumbersAndBands) {
    SettingsForm form(DeviceSettings{QStringLiteral("DL1ABCDEF"), 2621234, 136, 174, 400, 480});
    EXPECT_EQ(form.call, QStringLiteral("DL1ABCDE"));
    EXPECT_TRUE(form.isValid());
    form.vhfMin = QStringLiteral(" 144 ");
    const auto settings = form.settings();
    ASSERT_TRUE(settings);
    EXPECT_EQ(*settings, (DeviceSettings{QStringLiteral("DL1ABCDE"), 2621234, 144, 174, 400, 480}));

    form.uhfMin = QStringLiteral("481"); // above the maximum
    EXPECT_FALSE(form.uhfValid());
    form.uhfMin = QStringLiteral("4x0");
    EXPECT_FALSE(form.isValid());
    form.uhfMin = QStringLiteral("400");
    form.dmrID = QStringLiteral("0");
    EXPECT_FALSE(form.settings());
    form.dmrID = QStringLiteral("2621234");
    form.vhfMax = QStringLiteral("1000");
    EXPECT_FALSE(form.vhfValid());
}
