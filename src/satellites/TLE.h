#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace nerka {

// One two-line element set from keps text.
struct TLERecord {
    QString name;  // the name line before the element lines, trimmed; else the catalogue number
    QString line1; // element line 1 as read (line breaks removed, not trimmed)
    QString line2;

    friend bool operator==(const TLERecord&, const TLERecord&) = default;
};

// Element lines: "1 " and "2 " lines of at least 68 characters (the final
// checksum digit may be missing). Character positions are 0-based.
struct TLEFormat {
    static constexpr int kMinimumLineLength = 68;
    static constexpr int kCatalogueNumberFirst = 2; // characters 2-6 of either line
    static constexpr int kCatalogueNumberLength = 5;
    static constexpr int kPackedText1Length = 24;
    static constexpr int kPackedText2Length = 55;
    static constexpr int kShortNameLength = 8;
};

// The element sets of keps text in text order. Lines break at LF, CR, CR LF, VT,
// FF, U+0085, U+2028 and U+2029; empty lines are dropped. A line that does not
// start an element pair becomes the pending name (a blank one clears it).
[[nodiscard]] QList<TLERecord> parseTLE(const QString& text);

// The name the satellite gets in the codeplug, at most 8 characters: the text in
// the first parentheses when that is 1 to 8 characters long, else the first 8
// characters of the trimmed full name.
[[nodiscard]] QString shortName(const QString& fullName);

// The NORAD catalogue number in characters 2-6 of element line 1: an optional
// sign and decimal digits only.
[[nodiscard]] std::optional<int> noradID(const QString& line1);

// The orbital elements the radio stores, packed (12 and 28 bytes).
struct PackedTLE {
    QByteArray tle1;
    QByteArray tle2;

    friend bool operator==(const PackedTLE&, const PackedTLE&) = default;
};

// Epoch year, epoch day and first derivative of the mean motion from line 1 (24
// characters); inclination, right ascension, eccentricity, argument of perigee,
// mean anomaly, mean motion and revolution number from line 2 (55 characters).
// Nothing when a line is too short for its fields.
[[nodiscard]] std::optional<PackedTLE> packTLE(const QString& line1, const QString& line2);

} // namespace nerka
