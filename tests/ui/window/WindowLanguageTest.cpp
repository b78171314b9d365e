#include "WindowFixture.h"

#include "ui/rules/ShownNumber.h"
#include "ui/window/MainWindow.h"
#include "ui/window/NerkaApp.h"
#include "ui/window/PreferencesWindow.h"
#include "ui/window/WindowLanguage.h"

#include <QComboBox>
#include <QCoreApplication>

namespace nerka::test {

TEST(WindowLanguage, PreferenceWinsElseTheMessagesLocaleDecides) {
    struct Case {
        LanguagePreference preference;
        const char* locale;
        WindowLanguage expected;
    };
    const Case cases[] = {
        {LanguagePreference::system, "de_DE.UTF-8", WindowLanguage::german},
        {LanguagePreference::system, "de_AT", WindowLanguage::german},
        {LanguagePreference::system, "de", WindowLanguage::german},
        {LanguagePreference::system, "C", WindowLanguage::source},
        {LanguagePreference::system, "C.UTF-8", WindowLanguage::source},
        {LanguagePreference::system, "POSIX", WindowLanguage::source},
        {LanguagePreference::system, "", WindowLanguage::source},
        {LanguagePreference::system, "en_US.UTF-8", WindowLanguage::english},
        {LanguagePreference::system, "fr_FR.UTF-8", WindowLanguage::english},
        {LanguagePreference::english, "de_DE.UTF-8", WindowLanguage::english},
        {LanguagePreference::german, "C", WindowLanguage::german},
        {LanguagePreference::english, "C", WindowLanguage::english},
    };
    for (const Case& c : cases)
        EXPECT_EQ(windowLanguageFor(c.preference, QString::fromLatin1(c.locale)), c.expected)
            << c.locale << " preference " << static_cast<int>(c.preference);
}

TEST(WindowLanguage, NumbersFollowTheChosenLanguageKeepingTheSystemsRegion) {
    const QLocale swiss(QLocale::German, QLocale::Switzerland);
    EXPECT_EQ(displayLocaleFor(WindowLanguage::german, swiss), swiss);
    EXPECT_EQ(displayLocaleFor(WindowLanguage::german, QLocale::c()).decimalPoint(),
              QStringLiteral(","));
    EXPECT_EQ(displayLocaleFor(WindowLanguage::english, swiss).decimalPoint(), QStringLiteral("."));
    EXPECT_EQ(displayLocaleFor(WindowLanguage::source, QLocale::c()), QLocale::c());
}

TEST(WindowLanguage, PreferencesStoreTheChoiceForTheNextStart) {
    TempSettings store;
    EXPECT_EQ(storedLanguagePreference(*store.get()), LanguagePreference::system);
    ScriptedDialogs dialogs;
    NerkaApp app(store.get(), &dialogs);
    app.window().showPreferences();
    QComboBox* choice = app.window().preferencesWindow()->languageChoice();
    EXPECT_EQ(choice->accessibleName(), QStringLiteral("Language"));
    EXPECT_EQ(choice->currentText(), QStringLiteral("System"));
    choice->setCurrentIndex(choice->findText(QStringLiteral("Deutsch")));
    Q_EMIT choice->activated(choice->currentIndex());
    EXPECT_EQ(storedLanguagePreference(*store.get()), LanguagePreference::german);
    EXPECT_EQ(store->value(QStringLiteral("language")).toString(), QStringLiteral("de"));
    store->setValue(QStringLiteral("language"), QStringLiteral("klingon"));
    EXPECT_EQ(storedLanguagePreference(*store.get()), LanguagePreference::system);
}

TEST(WindowLanguage, TranslatorsApplyWhileTheyLiveAndLeaveTheSourceTextsAfter) {
    const QString folder = QStringLiteral(NERKA_QM_DIR);
    {
        const WindowTranslators none(WindowLanguage::source, folder);
        EXPECT_EQ(none.installedCount(), 0);
    }
    {
        const WindowTranslators german(WindowLanguage::german, folder, QLocale::c());
        EXPECT_GE(german.installedCount(), 1);
        EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
        // Numbers only shown follow the language; as written without one.
        EXPECT_EQ(shownGroupedNumber(37135), QStringLiteral("37.135"));
        EXPECT_EQ(shownDecimal(145.5, 5), QStringLiteral("145,50000"));
        EXPECT_EQ(PreferencesWindow::tr("Applies the next time Nerka starts."),
                  QStringLiteral("Gilt ab dem nächsten Start von Nerka."));
    }
    EXPECT_EQ(PreferencesWindow::tr("Applies the next time Nerka starts."),
              QStringLiteral("Applies the next time Nerka starts."));
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral("."));
    EXPECT_EQ(shownGroupedNumber(37135), QStringLiteral("37,135"));
    EXPECT_EQ(shownNumber(37135), QStringLiteral("37135"));
    EXPECT_EQ(shownDecimal(145.5, 5), QStringLiteral("145.50000"));
}

} // namespace nerka::test
