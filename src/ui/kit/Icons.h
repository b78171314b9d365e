#pragma once

#include <QIcon>
#include <QString>

namespace nerka {

// Icons are named by symbol names ("arrow.down", "person.3", …). Each maps to
// a freedesktop icon-theme name; when the running theme has no such icon, the
// bundled SVG ":/icons/<symbol>.svg" is used, so every icon shows on a bare
// machine without an icon theme.
class Icons {
public:
    // The icon for a symbol name; an empty icon for a name that is not known.
    [[nodiscard]] static QIcon icon(const QString& symbol);
    // The freedesktop name a symbol maps to (empty when unknown).
    [[nodiscard]] static QString themeName(const QString& symbol);
    // The resource path of the bundled fallback.
    [[nodiscard]] static QString fallbackPath(const QString& symbol);
    // Every symbol name the program uses.
    [[nodiscard]] static QStringList symbols();
};

} // namespace nerka
