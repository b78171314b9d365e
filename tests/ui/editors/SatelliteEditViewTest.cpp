#include "ui/editors/SatelliteEditView.h"

#include "../Accessible.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace nerka {
namespace {

using test::findAccessible;

TEST(SatelliteEditViewTest, CutsTheNameValidatesFrequenciesAndSavesTheEdit) {
    Satellite satellite;
    satellite.index = 4;
    satellite.name = QStringLiteral("SO-50");
    satellite.rxFreq1 = 436795000;
    satellite.txFreq1 = 145850000;
    satellite.tle1 = QByteArray(12, 0);
    satellite.tle2 = QByteArray(28, 0);
    satellite.additionalData = QByteArray(24, 0);

    SatelliteEditView view(satellite, false, nullptr);
    std::optional<Satellite> saved;
    view.onSave = [&](const Satellite& s) { saved = s; };
    view.show();
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Edit satellite 5"));
    EXPECT_EQ(SatelliteEditView(satellite, true, nullptr).windowTitle(),
              QStringLiteral("New satellite (slot 5)"));

    auto* name = qobject_cast<QLineEdit*>(findAccessible(&view, QStringLiteral("Name"))->object());
    ASSERT_TRUE(name);
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("AO-91 SAT"));
    EXPECT_EQ(name->text(), QStringLiteral("AO-91 SA"));

    // The first "TX (MHz)" is the voice pair's.
    auto* voiceTx =
        qobject_cast<QLineEdit*>(findAccessible(&view, QStringLiteral("TX (MHz)"))->object());
    ASSERT_TRUE(voiceTx);
    EXPECT_EQ(voiceTx->text(), QStringLiteral("145.85000"));
    voiceTx->selectAll();
    QTest::keyClicks(voiceTx, QStringLiteral("abc"));
    EXPECT_FALSE(view.confirmButton()->isEnabled());
    voiceTx->selectAll();
    QTest::keyClicks(voiceTx, QStringLiteral("145,900"));
    EXPECT_TRUE(view.confirmButton()->isEnabled());

    ASSERT_TRUE(findAccessible(&view, QStringLiteral("Keps epoch (UTC)")));
    ASSERT_TRUE(findAccessible(&view, QStringLiteral("TX CTCSS")));
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Save")));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->name, QStringLiteral("AO-91 SA"));
    EXPECT_EQ(saved->txFreq1, 145900000u);
    EXPECT_EQ(saved->rxFreq2, 0u); // empty field: not set
    EXPECT_EQ(saved->index, 4);
    EXPECT_EQ(view.result(), QDialog::Accepted);
}

} // namespace
} // namespace nerka
