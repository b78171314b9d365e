// The "Add repeaters" sheet driven as a user does: a list read from a file,
// narrowed by place and mode, added as a zone, then checked against the list.

#include "ui/editors/RepeaterSheet.h"

#include "../Accessible.h"
#include "../ScriptedDialogs.h"
#include "../views/ViewsFixture.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace nerka {
namespace {

class RepeaterSheetTest : public test::ViewsFixture {
protected:
    QLineEdit* field(const QString& name) const {
        for (QLineEdit* edit : sheet->findChildren<QLineEdit*>())
            if (edit->accessibleName() == name)
                return edit;
        ADD_FAILURE() << "no field " << name.toStdString();
        return nullptr;
    }
    void type(const QString& name, const QString& text) const {
        QLineEdit* edit = field(name);
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    QStringList shownCallsigns() const {
        QStringList callsigns;
        for (const FoundRepeater& f : sheet->shownRepeaters())
            callsigns.append(f.repeater.callsign);
        return callsigns;
    }

    test::ScriptedDialogs dialogs;
    QTemporaryDir dir;
    RepeaterSheet* sheet = nullptr;
};

TEST_F(RepeaterSheetTest, RepeatersNearAPlaceBecomeAZoneAndAreCheckedLater) {
    loadCodeplug();
    QFile list(dir.filePath(QStringLiteral("near.csv")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,Latitude,Longitude,City\n"
               "DB0FAR,439.200000,-,7.600000,,,FM,52.52,13.40,Berlin\n"
               "DB0NEAR,439.100000,-,7.600000,Tone,88.5,FM,48.20,11.60,Munich\n"
               "DB0HERE,145.612500,-,0.600000,,,FM,48.14,11.58,Munich\n"
               "DB0DIG,438.512500,-,7.600000,,,DMR,48.15,11.59,Munich\n");
    list.close();
    QWidget window;
    sheet = new RepeaterSheet(controller, dialogs, &window);
    sheet->show();
    EXPECT_FALSE(sheet->confirmButton()->isEnabled());
    EXPECT_NE(test::findAccessible(sheet, QStringLiteral("Check channels")), nullptr);

    dialogs.fileAnswers.enqueue(list.fileName());
    QTest::mouseClick(qobject_cast<QPushButton*>(
                          test::findAccessible(sheet, QStringLiteral("Choose file…"))->object()),
                      Qt::LeftButton);
    EXPECT_EQ(sheet->shownRepeaters().size(), 4);

    type(QStringLiteral("Near"), QStringLiteral("JN58td"));
    EXPECT_EQ(shownCallsigns(), (QStringList{QStringLiteral("DB0DIG"), QStringLiteral("DB0HERE"),
                                             QStringLiteral("DB0NEAR")}));
    QTest::mouseClick(
        qobject_cast<QCheckBox*>(test::findAccessible(sheet, QStringLiteral("DMR"))->object()),
        Qt::LeftButton);
    EXPECT_EQ(shownCallsigns(),
              (QStringList{QStringLiteral("DB0HERE"), QStringLiteral("DB0NEAR")}));
    EXPECT_EQ(sheet->statusText(), QStringLiteral("2 repeaters."));
    type(QStringLiteral("Zone"), QStringLiteral("Trip"));
    ASSERT_TRUE(sheet->confirmButton()->isEnabled());
    QTest::mouseClick(sheet->confirmButton(), Qt::LeftButton);
    const Zone zone = controller.document().zones().last();
    EXPECT_EQ(zone.name, QStringLiteral("Trip"));
    EXPECT_EQ(zone.channelNames,
              (QStringList{QStringLiteral("DB0HERE"), QStringLiteral("DB0NEAR")}));

    // Later: the zone's channels against the list.
    RepeaterSheet* again = new RepeaterSheet(controller, dialogs, &window);
    sheet = again;
    again->show();
    again->readSource(list.fileName());
    type(QStringLiteral("Zone"), QStringLiteral("Trip"));
    QTest::mouseClick(qobject_cast<QPushButton*>(
                          test::findAccessible(again, QStringLiteral("Check channels"))->object()),
                      Qt::LeftButton);
    EXPECT_NE(
        test::findAccessible(again, QStringLiteral("Every channel of zone 'Trip' agrees with the "
                                                   "list.")),
        nullptr);
}

} // namespace
} // namespace nerka
