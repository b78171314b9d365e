#pragma once

#include <QString>

namespace nerka {

// `text` with every control character (C0, DEL and C1: line breaks, escape,
// NUL…) shown as "\x" and two upper-case hex digits, so a name or a radio's
// reply cannot split a log line or send escape sequences to a terminal. Only
// what is shown changes; stored names keep their characters.
[[nodiscard]] QString printableText(const QString& text);

} // namespace nerka
