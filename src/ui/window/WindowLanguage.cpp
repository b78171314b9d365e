#include "ui/window/WindowLanguage.h"

#include "ui/rules/ShownNumber.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace nerka {

namespace {

constexpr const char* kLanguageKey = "language";

} // namespace

LanguagePreference storedLanguagePreference(const QSettings& store) {
    const QString value = store.value(QLatin1String(kLanguageKey)).toString();
    if (value == QLatin1String("en"))
        return LanguagePreference::english;
    if (value == QLatin1String("de"))
        return LanguagePreference::german;
    return LanguagePreference::system;
}

void storeLanguagePreference(QSettings& store, LanguagePreference preference) {
    switch (preference) {
    case LanguagePreference::system:
        store.setValue(QLatin1String(kLanguageKey), QStringLiteral("system"));
        return;
    case LanguagePreference::english:
        store.setValue(QLatin1String(kLanguageKey), QStringLiteral("en"));
        return;
    case LanguagePreference::german:
        store.setValue(QLatin1String(kLanguageKey), QStringLiteral("de"));
        return;
    }
}

QString systemMessagesLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

WindowLanguage windowLanguageFor(LanguagePreference preference, const QString& localeName) {
    switch (preference) {
    case LanguagePreference::english:
        return WindowLanguage::english;
    case LanguagePreference::german:
        return WindowLanguage::german;
    case LanguagePreference::system:
        break;
    }
    if (localeName.startsWith(QLatin1String("de")))
        return WindowLanguage::german;
    if (localeName.isEmpty() || localeName == QLatin1String("C") ||
        localeName.startsWith(QLatin1String("C.")) || localeName == QLatin1String("POSIX"))
        return WindowLanguage::source;
    return WindowLanguage::english;
}

QLocale displayLocaleFor(WindowLanguage language, const QLocale& system) {
    switch (language) {
    case WindowLanguage::german:
        return system.language() == QLocale::German ? system
                                                    : QLocale(QLocale::German, QLocale::Germany);
    case WindowLanguage::english:
        return system.language() == QLocale::English
                   ? system
                   : QLocale(QLocale::English, QLocale::UnitedKingdom);
    case WindowLanguage::source:
        break;
    }
    return system;
}

WindowTranslators::WindowTranslators(WindowLanguage language, const QString& folder,
                                     const QLocale& system)
    : m_previousDefault(QLocale()) {
    if (language == WindowLanguage::source)
        return;
    const QString suffix =
        language == WindowLanguage::german ? QStringLiteral("de") : QStringLiteral("en");
    QLocale::setDefault(displayLocaleFor(language, system));
    setNumbersFollowLocale(true);
    m_changedDefault = true;
    installFile(QStringLiteral("qtbase_") + suffix,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installFile(QStringLiteral("nerka_core_") + suffix, folder);
    installFile(QStringLiteral("nerka_") + suffix, folder);
}

WindowTranslators::~WindowTranslators() {
    for (const auto& translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
    if (m_changedDefault) {
        setNumbersFollowLocale(false);
        QLocale::setDefault(m_previousDefault);
    }
}

void WindowTranslators::installFile(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    // A missing catalogue leaves those texts as written; the others still apply.
    if (!translator->load(name, folder))
        return;
    QCoreApplication::installTranslator(translator.get());
    m_installed.push_back(std::move(translator));
}

} // namespace nerka
