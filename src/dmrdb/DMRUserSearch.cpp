#include "dmrdb/DMRUserSearch.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

namespace nerka {

namespace {

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

// Whether `text` contains `needle` (already lower-case ASCII), ignoring the
// case of ASCII letters.
bool containsAscii(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size())
        return false;
    return std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                       [](char a, char b) { return asciiLower(a) == b; }) != text.end();
}

bool containsText(std::string_view text, const QString& needle) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()))
        .contains(needle, Qt::CaseInsensitive);
}

} // namespace

DMRUserSearch::Result DMRUserSearch::find(const DMRUserEntryList& entries, const QString& query,
                                          qsizetype limit) {
    Result result;
    const QString wanted = query.trimmed();
    if (wanted.isEmpty())
        return result;
    const QByteArray utf8 = wanted.toUtf8();
    const std::string_view digits(utf8.constData(), size_t(utf8.size()));
    const bool isNumber =
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    const bool ascii =
        std::all_of(digits.begin(), digits.end(), [](char c) { return (c & 0x80) == 0; });
    std::string lower(digits);
    std::transform(lower.begin(), lower.end(), lower.begin(), asciiLower);

    const auto textMatches = [&](std::string_view text) {
        return ascii ? containsAscii(text, lower) : containsText(text, wanted);
    };
    char idText[16];
    for (qsizetype i = 0; i < entries.size(); ++i) {
        bool match = false;
        if (isNumber) {
            const auto end = std::to_chars(idText, idText + sizeof idText, entries.idAt(i)).ptr;
            match = std::string_view(idText, size_t(end - idText)).starts_with(digits);
        }
        match = match || textMatches(entries.callsignUtf8(i)) ||
                textMatches(entries.firstNameUtf8(i)) || textMatches(entries.lastNameUtf8(i));
        if (!match)
            continue;
        if (result.total++ < limit)
            result.rows.append(i);
    }
    return result;
}

} // namespace nerka
