#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

namespace nerka {

// Which entries go to the radio when not all of them fit. A DMR ID's leading
// decimal digits name its country or region (262 and 263 Germany, 310..316
// the USA), so the user lists such prefixes in priority order: the entries of
// the first prefix are taken first, then those of the second, and so on; with
// `fillRest` the remaining entries follow lowest ID first until the radio is
// full. A selection without prefixes takes the lowest IDs, as the radio's
// table always did.
struct DMRSelection {
    // Decimal digits, 1..8 of them, not starting with 0; priority order. A
    // prefix that is not of that form matches nothing.
    QStringList prefixes;
    bool fillRest = true;

    [[nodiscard]] bool isEmpty() const { return prefixes.isEmpty(); }

    friend bool operator==(const DMRSelection&, const DMRSelection&) = default;
};

// What one prefix of a selection brought in. An entry counts once, under the
// first prefix in priority order that matches it, so with 26 before 262 the
// entries of 262 count under 26 and 262 matches none of its own.
struct DMRPrefixShare {
    QString prefix;
    qsizetype matched = 0; // entries counted under this prefix
    qsizetype kept = 0;    // of those, the ones that fit (the lowest IDs)

    [[nodiscard]] bool complete() const { return kept == matched; }

    friend bool operator==(const DMRPrefixShare&, const DMRPrefixShare&) = default;
};

// A run [begin, end) of positions in the sorted ID list.
struct DMRPositionRange {
    qsizetype begin = 0;
    qsizetype end = 0;

    friend bool operator==(const DMRPositionRange&, const DMRPositionRange&) = default;
};

// The outcome of applying a selection to a sorted list of distinct IDs.
struct DMRSelectionOutcome {
    QList<DMRPrefixShare> prefixes; // in priority order
    bool fillRest = true;
    qsizetype candidates = 0; // IDs offered
    qsizetype selected = 0;   // IDs matched by a prefix
    qsizetype filled = 0;     // IDs taken lowest first after the prefixes' own
    qsizetype written = 0;    // IDs chosen in all; never above the capacity
    // The chosen positions, ascending and disjoint: the records to write, in
    // the ID order the flash format requires.
    std::vector<DMRPositionRange> chosen;

    // IDs of the selection that fit.
    [[nodiscard]] qsizetype keptSelected() const { return written - filled; }
};

// Chooses at most `capacity` of `sortedIds` (ascending, distinct) by
// `selection`. A prefix that does not fit whole keeps its lowest IDs; the
// prefixes after it, once the radio is full, keep none. Without prefixes the
// first `capacity` IDs are chosen. Runs in O(P^2 log n) for P prefixes: the
// IDs of a prefix lie in one run of the sorted list per digit count.
[[nodiscard]] DMRSelectionOutcome selectForRadio(std::span<const std::uint32_t> sortedIds,
                                                 qsizetype capacity, const DMRSelection& selection);

// One sentence that names what a write takes, for the write question and the
// activity log: "Writing 37,135 of 295,113 entries: 262, 263, 232 complete,
// the rest filled by lowest ID." Numbers are grouped by thousands with ",".
[[nodiscard]] QString selectionSummary(const DMRSelectionOutcome& outcome);

// `value` with "," between groups of three digits (37135 gives "37,135").
[[nodiscard]] QString groupedNumber(qsizetype value);

} // namespace nerka
