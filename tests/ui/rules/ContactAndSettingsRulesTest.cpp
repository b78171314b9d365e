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

TEST(SettingsFormTest, TheFirstInvalidFieldIsNamedWithItsReason) {
    const SettingsForm valid(DeviceSettings{QStringLiteral("DL1ABC"), 2621234, 136, 174, 400, 480});
    EXPECT_FALSE(valid.problem());
    struct Case {
        QString SettingsForm::*field;
        QString text;
        QString reason;
    };
    const QList<Case> cases{
        {&SettingsForm::dmrID, QStringLiteral("0"),
         QStringLiteral("DMR-ID: must be a number from 1 to 16777215")},
        {&SettingsForm::vhfMin, QStringLiteral(""),
         QStringLiteral("VHF Minimum (MHz): must be a whole number of MHz from 1 to 999")},
        {&SettingsForm::vhfMax, QStringLiteral("1000"),
         QStringLiteral("VHF Maximum (MHz): must be a whole number of MHz from 1 to 999")},
        {&SettingsForm::uhfMin, QStringLiteral("4x0"),
         QStringLiteral("UHF Minimum (MHz): must be a whole number of MHz from 1 to 999")},
        {&SettingsForm::uhfMax, QStringLiteral("399"),
         QStringLiteral("UHF Maximum (MHz): must not be below the minimum (400)")},
    };
    for (const Case& c : cases) {
        SettingsForm form = valid;
        form.*c.field = c.text;
        const auto problem = form.problem();
        ASSERT_TRUE(problem) << c.reason.toStdString();
        EXPECT_EQ(problem->field, c.field) << c.reason.toStdString();
        EXPECT_EQ(problem->reason, c.reason);
        EXPECT_FALSE(form.isValid()) << "the rule and the reason agree";
    }
}
