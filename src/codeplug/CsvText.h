#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace nerka {

// Delimited text as the table exports write it and read it back.

// One field, quoted when a reader would split it or take it for a quote: it
// holds a tab, the separator (any of "," and ";" for a comma separator), a
// quote or a line break; a quote inside is doubled.
[[nodiscard]] QString csvField(const QString& field, QChar separator);

struct CsvTextRow {
    int line = 0; // 1-based line of the row's first character
    QStringList fields;
    // A quote opened in this row is never closed: the row ran to the end of
    // the text, taking every line after it. Readers skip it, naming its line.
    bool unclosedQuote = false;
};

// The reason a reader gives for a row with an unclosed quote.
[[nodiscard]] QString unclosedQuoteText();

// Splits text into rows and fields. A row holding a tab outside quotes is
// split at tabs only, any other at "," and ";". A field starting with '"'
// runs to the next lone '"' (line breaks included); "" inside is a quote.
// Unquoted fields are trimmed of spaces (and of tabs where tabs do not
// separate). Rows whose fields are all empty are dropped.
[[nodiscard]] QList<CsvTextRow> splitCsvText(const QString& text);

} // namespace nerka
