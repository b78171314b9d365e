#include "WindowFixture.h"

#include "codeplug/ContactCodec.h"
#include "ui/window/MergeSheet.h"

#include <QTreeWidget>

namespace nerka::test {

// The sheet lists the other codeplug's records with how they stand here;
// ticking a zone takes it with its channels and what they refer to, and a
// clash of names is asked about once for its kind.
TEST_F(WindowTest, MergeSheetTakesATickedZoneAndAsksOnceAboutAClash) {
    ASSERT_TRUE(radio->newCodeplug(RadioVariant::gd77).isDone());
    // "Bayern" here holds another ID than the sample's.
    ASSERT_TRUE(radio->document().updateContact(0, {QStringLiteral("Bayern"), 1}).isDone());
    MergeSheet sheet(*radio, dialogs, sampleCodeplug(RadioVariant::gd77),
                     QStringLiteral("club.nerka"), &window);

    QTreeWidget* list = sheet.list();
    ASSERT_EQ(list->topLevelItemCount(), 4);
    QTreeWidgetItem* zones = list->topLevelItem(0);
    EXPECT_EQ(zones->text(0), QStringLiteral("Zones"));
    QTreeWidgetItem* contacts = list->topLevelItem(3);
    QTreeWidgetItem* bayern = nullptr;
    for (int i = 0; i < contacts->childCount(); ++i)
        if (contacts->child(i)->text(0) == QStringLiteral("Bayern"))
            bayern = contacts->child(i);
    ASSERT_NE(bayern, nullptr);
    EXPECT_EQ(bayern->text(1), QStringLiteral("differs from the one of this name here"));
    EXPECT_EQ(zones->child(0)->text(1), QStringLiteral("new"));

    // The zone of the DMR repeaters: its group list holds "Bayern".
    for (int i = 0; i < zones->childCount(); ++i)
        if (zones->child(i)->text(0) == QStringLiteral("DMR Relais"))
            zones->child(i)->setCheckState(0, Qt::Checked);
    dialogs.choiceAnswers.enqueue(1); // add as a copy
    sheet.take();
    EXPECT_EQ(dialogs.count(QStringLiteral("choose")), 1);
    EXPECT_EQ(dialogs.last(QStringLiteral("choose"))->title, QStringLiteral("Name clash"));
    const CodeplugDocument& document = radio->document();
    ASSERT_EQ(document.zones().size(), 1);
    EXPECT_EQ(document.zones()[0].name, QStringLiteral("DMR Relais"));
    QStringList names;
    for (const DMRContact& contact : document.contacts())
        names.append(contact.name);
    EXPECT_TRUE(names.contains(QStringLiteral("Bayern 2"))) << names.join(',').toStdString();
    EXPECT_EQ(document.undoLabel(), QStringLiteral("Merge from club.nerka"));
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
}

} // namespace nerka::test
