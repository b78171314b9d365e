#include "satellites/TextCharacters.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace nerka {

namespace {

// Below U+0300 (where the combining marks begin) every code unit is a
// character of its own, except CR LF, which parsers have split apart already.
bool isSimple(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x300 && c != u'\r'; });
}

} // namespace

TextCharacters::TextCharacters(const QString& text) : m_text(text) {
    m_starts.reserve(text.size() + 1);
    if (isSimple(text)) {
        for (qsizetype i = 0; i <= text.size(); ++i)
            m_starts.append(i);
        return;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    m_starts.append(0);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        m_starts.append(at);
    if (m_starts.last() != text.size())
        m_starts.append(text.size());
}

QString TextCharacters::mid(int first, int length) const {
    if (first < 0 || length <= 0 || first >= count())
        return {};
    const int last = std::min(count(), first + length);
    return m_text.mid(m_starts[first], m_starts[last] - m_starts[first]);
}

std::optional<int> parseWholeNumber(const QString& text) {
    const qsizetype digitsFrom = (text.startsWith(u'+') || text.startsWith(u'-')) ? 1 : 0;
    if (text.size() == digitsFrom)
        return std::nullopt;
    for (qsizetype i = digitsFrom; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace nerka
