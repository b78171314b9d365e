#pragma once

#include "codeplug/ContactCodec.h"
#include "codeplug/RepeaterListCsv.h"

#include <QList>
#include <QString>

namespace nerka {

// Contacts as CSV: the header row "Name,DMR-ID,Type,Time slot", then one row
// per contact: Type "Group", "Private" or "All", Time slot "No override",
// "Force TS1" or "Force TS2". Reading accepts, in any case, every text the
// window shows for them as well: a type with " Call" after it ("All Call"),
// a time slot as "TS1", "TS2", "1", "2" or "None"; empty reads as Group and
// No override. Reading back what was written gives the same contacts.
[[nodiscard]] QString contactsCsv(const QList<DMRContact>& contacts);

struct ContactCsvRead {
    QList<ContactEdit> contacts; // in row order
    QList<int> lines;            // per contact, its 1-based line in the file
    QList<SkippedCsvRow> skipped;
};

// Rows after the header (columns found by name, in any order); a row without
// a name, with a DMR ID outside 1-16777215 or an unknown type or time slot is
// skipped with its reason. Never fails.
[[nodiscard]] ContactCsvRead parseContactsCsv(const QString& text);

} // namespace nerka
