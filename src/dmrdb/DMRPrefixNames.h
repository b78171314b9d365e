#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace nerka {

// Names for the leading digits of DMR IDs. IDs are numbered by country in
// the style of the mobile country codes: the first three digits of a
// seven-digit ID name the country or region (262 and 263 Germany, 310..316
// the USA, 234 and 235 the United Kingdom). The built-in table holds the
// common ones; any other prefix is used as its digits alone.
class DMRPrefixNames {
public:
    // The country or region of the first three digits of `prefix`; empty
    // when the table does not know them or `prefix` is shorter than three.
    [[nodiscard]] static QString regionOf(QStringView prefix);
    // "262 Germany", or the digits alone when the region is unknown.
    [[nodiscard]] static QString describe(const QString& prefix);
    // The prefixes of the region called `name` (case-insensitive; "USA" and
    // "UK" too), in ascending order; empty when no region has that name.
    [[nodiscard]] static QStringList prefixesOf(QStringView name);

    // A list of prefixes and region names as the user types it:
    // "262, 263; Austria 228". Items are separated by "," or ";"; an item
    // that is not a region name is read as words separated by spaces, each a
    // prefix (1..8 digits, not starting with 0) or a region name. Repeats
    // keep their first place.
    struct Parsed {
        QStringList prefixes; // in the order given
        QStringList unknown;  // words that are neither
    };
    [[nodiscard]] static Parsed parse(QStringView text);

    // The prefixes as "262,263,232" (what parse() reads back).
    [[nodiscard]] static QString join(const QStringList& prefixes);
};

} // namespace nerka
