#include "ui/editors/SatellitePickerView.h"

#include "../Accessible.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace nerka {
namespace {

using test::findAccessible;

SatelliteCandidate candidate(const char* name, const char* fullName, std::uint32_t rx,
                             std::uint32_t tx) {
    SatelliteCandidate c;
    c.id = QUuid::createUuid();
    c.name = QString::fromLatin1(name);
    c.fullName = QString::fromLatin1(fullName);
    c.rxFreq1 = rx;
    c.txFreq1 = tx;
    return c;
}

TEST(SatellitePickerViewTest, FiltersTicksCountsAgainstFreeSlotsAndAdds) {
    const QList<SatelliteCandidate> candidates{
        candidate("AO-91", "FOX-1B (AO-91)", 145960000, 435250000),
        candidate("SO-50", "SAUDISAT 1C (SO-50)", 436795000, 145850000),
        candidate("ISS", "ISS (ZARYA)", 0, 0),
    };
    Satellite existing;
    existing.name = QStringLiteral("so-50");
    SatellitePickerView view(candidates, {existing}, 1, nullptr);
    QList<SatelliteCandidate> added;
    view.onAdd = [&](const QList<SatelliteCandidate>& chosen) { added = chosen; };
    view.show();
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Add satellites"));

    QListWidget* list = view.list();
    ASSERT_EQ(list->count(), 3);
    EXPECT_TRUE(list->item(1)->text().contains(QStringLiteral("in codeplug")));
    EXPECT_TRUE(list->item(2)->text().contains(QStringLiteral("no FM transponder")));
    EXPECT_FALSE(view.addButton()->isEnabled());

    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Only FM satellites")));
    EXPECT_EQ(list->count(), 2);
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Only FM satellites")));

    // Tick ISS and AO-91 from the keyboard, then narrow the search: the ticks stay.
    list->setFocus();
    list->setCurrentRow(2);
    QTest::keyClick(list, Qt::Key_Space);
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(view.footer()->text(), QStringLiteral("2 selected \u2014 1 free slot(s)"));
    EXPECT_TRUE(view.warning()->isVisible());
    EXPECT_EQ(view.warning()->text(), QStringLiteral("Too many for the free slots"));

    auto* search =
        qobject_cast<QLineEdit*>(findAccessible(&view, QStringLiteral("Search"))->object());
    ASSERT_TRUE(search);
    QTest::keyClicks(search, QStringLiteral("zarya"));
    ASSERT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Space); // unticks ISS
    EXPECT_EQ(view.footer()->text(), QStringLiteral("1 selected \u2014 1 free slot(s)"));
    EXPECT_FALSE(view.warning()->isVisible());

    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Add")));
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(added[0].name, QStringLiteral("AO-91"));
    EXPECT_EQ(view.result(), QDialog::Accepted);
}

} // namespace
} // namespace nerka
