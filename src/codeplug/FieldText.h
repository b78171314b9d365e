#pragma once

#include <QString>
#include <QStringList>

namespace nerka {

// Field labels and value words (labels, choices, "Yes"/"No", power levels,
// contact types) are kept in their source words wherever they are carried:
// CSV headers and cells, `dump --json` values, the clipboard. The window shows
// them in its language through these; they are marked for the catalogue with
// QT_TRANSLATE_NOOP("Fields", …) where they are defined. Without an installed
// translator (nerka-cli, the tests) the source text comes back unchanged.
inline constexpr char kFieldTextContext[] = "Fields";

[[nodiscard]] QString fieldDisplayText(const QString& sourceText);
[[nodiscard]] QStringList fieldDisplayTexts(const QStringList& sourceTexts);

} // namespace nerka
