#include "WindowFixture.h"

#include "link/DeviceDoctor.h"
#include "ui/window/ConnectionView.h"

#include <QLabel>

namespace nerka::test {

// A port that has gone: the alert keeps the controller's own error, and the
// Connection screen shows the doctor's advice about the missing device beside
// it, until a connection succeeds.
TEST_F(WindowTest, FailedConnectionShowsTheDoctorsAdviceBesideTheAlert) {
    const QString path = dir.filePath(QStringLiteral("ttyACM-gone"));
    SerialDevice gone{path, QStringLiteral("OpenGD77"), SerialDevice::kOpenGD77VendorID,
                      SerialDevice::kOpenGD77ProductID};
    radio->registerDevice(gone);
    radio->refreshPorts();
    radio->selectPort(gone);
    window.showSection(SidebarItem::connection);
    auto* view = window.sectionWidget(SidebarItem::connection)->findChild<ConnectionView*>();
    if (!view)
        view = qobject_cast<ConnectionView*>(window.sectionWidget(SidebarItem::connection));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->adviceLabel()->isHidden());

    ASSERT_TRUE(press(&window, QStringLiteral("Connect")));
    ASSERT_TRUE(radio.waitFor([&] { return !view->adviceLabel()->isHidden(); }))
        << radio.results.reports.join(u'\n').toStdString();
    const QString advice = view->adviceLabel()->text();
    EXPECT_TRUE(advice.contains(QStringLiteral("The port %1 does not exist.").arg(path)))
        << advice.toStdString();
    ASSERT_FALSE(dialogs.asked.isEmpty());
    EXPECT_EQ(dialogs.asked.last().kind, QStringLiteral("alert"));
    EXPECT_FALSE(dialogs.asked.last().message.contains(QStringLiteral("does not exist.")));
    EXPECT_NE(findAccessible(&window, advice), nullptr);
}

} // namespace nerka::test
