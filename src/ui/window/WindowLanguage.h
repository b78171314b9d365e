#pragma once

#include <QLocale>
#include <QString>

#include <memory>
#include <vector>

class QSettings;
class QTranslator;

namespace nerka {

// What the user picked in Preferences › Language; `system` follows the locale.
enum class LanguagePreference { system, english, german };

// The language the window shows. `source` is the text as written in the code
// (no translator), what scripts and tests get in the C locale.
enum class WindowLanguage { source, english, german };

// The stored choice ("language": "system", "en" or "de"); anything else,
// or nothing stored, counts as `system`.
[[nodiscard]] LanguagePreference storedLanguagePreference(const QSettings& store);
void storeLanguagePreference(QSettings& store, LanguagePreference preference);

// The name of the locale messages follow, as POSIX orders it: LC_ALL, then
// LC_MESSAGES, then LANG (empty when none is set).
[[nodiscard]] QString systemMessagesLocaleName();

// `de*` → German; empty, `C`, `C.*` and `POSIX` → source texts; any other
// locale → English. An explicit preference wins over the locale.
[[nodiscard]] WindowLanguage windowLanguageFor(LanguagePreference preference,
                                               const QString& localeName);

// The locale numbers and dates are shown in: the system's when it speaks the
// chosen language (its regional formats), else a plain one of that language.
[[nodiscard]] QLocale displayLocaleFor(WindowLanguage language, const QLocale& system);

// The window's translators for one language, installed on the application
// while this object lives: nerka_<lang>.qm and nerka_core_<lang>.qm from
// `folder` (the app's ":/i18n"), and Qt's own qtbase_<lang>.qm when it is
// installed, so standard dialogs speak the same language. Installs nothing
// for WindowLanguage::source. Sets QLocale's default to displayLocaleFor().
class WindowTranslators {
public:
    WindowTranslators(WindowLanguage language, const QString& folder,
                      const QLocale& system = QLocale::system());
    ~WindowTranslators();
    WindowTranslators(const WindowTranslators&) = delete;
    WindowTranslators& operator=(const WindowTranslators&) = delete;

    // How many catalogues were found and installed.
    [[nodiscard]] int installedCount() const { return static_cast<int>(m_installed.size()); }

private:
    void installFile(const QString& name, const QString& folder);

    std::vector<std::unique_ptr<QTranslator>> m_installed;
    QLocale m_previousDefault;
    bool m_changedDefault = false;
};

} // namespace nerka
