#pragma once

#include <QString>

namespace nerka {

// The text of a CSV file, or why it cannot be read.
struct CsvFileText {
    QString text;
    QString failure; // empty when the text was read
};

// Reads a CSV file as UTF-8 (a byte order mark is dropped). Text that is
// not UTF-8 is refused rather than guessed at: another encoding would put
// wrong characters into names.
[[nodiscard]] CsvFileText readCsvText(const QString& path);

} // namespace nerka
