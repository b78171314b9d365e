#include "controller/PrintableText.h"

#include <algorithm>

namespace nerka {

QString printableText(const QString& text) {
    const auto isControl = [](QChar c) { return c.category() == QChar::Other_Control; };
    if (std::none_of(text.begin(), text.end(), isControl))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (isControl(c))
            out += QStringLiteral("\\x") +
                   QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

} // namespace nerka
