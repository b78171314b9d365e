#include <gtest/gtest.h>

#include <QStandardPaths>

#ifdef NERKA_TEST_WIDGETS
#include "ui/kit/AccessibleNames.h"

#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    // Test mode sends QStandardPaths (and with it every default QSettings)
    // to throw-away locations, so no test can touch the real user's preferences.
    QStandardPaths::setTestModeEnabled(true);
    TestApplication app(argc, argv);
#ifdef NERKA_TEST_WIDGETS
    // The window's tests find controls by their labels, as the program's
    // accessibility tree presents them.
    nerka::installAccessibleNames();
#endif
    TestApplication::setOrganizationName(QStringLiteral("nerka-tests"));
    TestApplication::setApplicationName(QStringLiteral("nerka-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
