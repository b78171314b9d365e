#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace nerka {

// A text seen as user-perceived characters (grapheme clusters), so that
// positions and lengths count what a reader counts: "e" with a combining accent
// is one character, as is a character outside the Basic Multilingual Plane.
class TextCharacters {
public:
    explicit TextCharacters(const QString& text);

    [[nodiscard]] int count() const { return int(m_starts.size()) - 1; }
    // Characters first .. first + length - 1; cut at the end of the text, empty
    // when `first` lies past it.
    [[nodiscard]] QString mid(int first, int length) const;
    [[nodiscard]] QString left(int length) const { return mid(0, length); }

private:
    QString m_text;
    // Code-unit offset of each character's start, then the text's length.
    QList<qsizetype> m_starts;
};

// An optional "+" or "-" followed by decimal digits only, nothing else (no
// white space, no decimal point); nothing when it does not fit an int.
[[nodiscard]] std::optional<int> parseWholeNumber(const QString& text);

} // namespace nerka
