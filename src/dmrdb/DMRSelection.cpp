#include "dmrdb/DMRSelection.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace nerka {

namespace {

using Ranges = std::vector<DMRPositionRange>;

// DMR IDs have at most 8 decimal digits (0xFFFFFF = 16777215).
constexpr int kMaxIdDigits = 8;

// The value of a prefix of 1..8 digits that does not start with 0 (no ID
// does); nothing for any other text.
std::optional<std::uint64_t> prefixValue(const QString& prefix) {
    if (prefix.isEmpty() || prefix.size() > kMaxIdDigits || prefix.front() == QLatin1Char('0'))
        return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : prefix) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + std::uint64_t(c.unicode() - '0');
    }
    return value;
}

// Positions of the IDs whose digits begin with `value` (`digits` long): the
// IDs of each total length form one run [value * 10^k, (value + 1) * 10^k),
// and the runs rise with the length.
Ranges prefixRanges(std::span<const std::uint32_t> ids, std::uint64_t value, int digits) {
    Ranges ranges;
    const auto position = [ids](std::uint64_t id) {
        return qsizetype(std::lower_bound(ids.begin(), ids.end(), id,
                                          [](std::uint32_t a, std::uint64_t b) { return a < b; }) -
                         ids.begin());
    };
    std::uint64_t scale = 1;
    for (int length = digits; length <= kMaxIdDigits; ++length, scale *= 10) {
        const qsizetype begin = position(value * scale);
        const qsizetype end = position((value + 1) * scale);
        if (begin < end)
            ranges.push_back({begin, end});
    }
    return ranges;
}

qsizetype lengthOf(const Ranges& ranges) {
    qsizetype total = 0;
    for (const DMRPositionRange& range : ranges)
        total += range.end - range.begin;
    return total;
}

// The positions of `a` that are not in `b` (both ascending and disjoint).
Ranges subtract(const Ranges& a, const Ranges& b) {
    Ranges out;
    size_t j = 0;
    for (DMRPositionRange range : a) {
        while (j < b.size() && b[j].end <= range.begin)
            ++j;
        for (size_t k = j; k < b.size() && b[k].begin < range.end; ++k) {
            if (b[k].begin > range.begin)
                out.push_back({range.begin, b[k].begin});
            range.begin = std::max(range.begin, b[k].end);
        }
        if (range.begin < range.end)
            out.push_back(range);
    }
    return out;
}

// The union of `a` and `b`, ascending, with touching runs joined.
Ranges unite(const Ranges& a, const Ranges& b) {
    Ranges all;
    all.reserve(a.size() + b.size());
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(all),
               [](DMRPositionRange x, DMRPositionRange y) { return x.begin < y.begin; });
    Ranges out;
    for (DMRPositionRange range : all) {
        if (!out.empty() && range.begin <= out.back().end)
            out.back().end = std::max(out.back().end, range.end);
        else
            out.push_back(range);
    }
    return out;
}

// The first `count` positions of `ranges`.
Ranges firstPositions(const Ranges& ranges, qsizetype count) {
    Ranges out;
    for (DMRPositionRange range : ranges) {
        if (count <= 0)
            break;
        range.end = std::min(range.end, range.begin + count);
        count -= range.end - range.begin;
        out.push_back(range);
    }
    return out;
}

} // namespace

DMRSelectionOutcome selectForRadio(std::span<const std::uint32_t> sortedIds, qsizetype capacity,
                                   const DMRSelection& selection) {
    DMRSelectionOutcome outcome;
    outcome.fillRest = selection.fillRest;
    const auto count = qsizetype(sortedIds.size());
    outcome.candidates = count;
    qsizetype room = std::clamp<qsizetype>(capacity, 0, count);
    if (selection.isEmpty()) {
        outcome.written = outcome.filled = room;
        if (room > 0)
            outcome.chosen.push_back({0, room});
        return outcome;
    }

    Ranges claimed; // positions matched by an earlier prefix
    Ranges taken;   // positions chosen so far
    for (const QString& prefix : selection.prefixes) {
        DMRPrefixShare share;
        share.prefix = prefix;
        if (const auto value = prefixValue(prefix)) {
            const Ranges matching = prefixRanges(sortedIds, *value, int(prefix.size()));
            const Ranges own = subtract(matching, claimed);
            share.matched = lengthOf(own);
            share.kept = std::min(share.matched, room);
            room -= share.kept;
            taken = unite(taken, firstPositions(own, share.kept));
            claimed = unite(claimed, matching);
        }
        outcome.selected += share.matched;
        outcome.prefixes.append(share);
    }
    if (selection.fillRest && room > 0) {
        const Ranges rest = subtract({{0, count}}, taken);
        const Ranges filled = firstPositions(rest, room);
        outcome.filled = lengthOf(filled);
        taken = unite(taken, filled);
    }
    outcome.written = lengthOf(taken);
    outcome.chosen = std::move(taken);
    return outcome;
}

QString groupedNumber(qsizetype value) {
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString selectionSummary(const DMRSelectionOutcome& outcome) {
    const QString text =
        QCoreApplication::translate("DMRSelection", "Writing %1 of %2 entries")
            .arg(groupedNumber(outcome.written), groupedNumber(outcome.candidates));
    if (outcome.prefixes.isEmpty())
        return QCoreApplication::translate("DMRSelection", "%1, lowest IDs first.").arg(text);

    // Neighbouring prefixes in the same state share one phrase: "262, 263
    // complete"; a prefix cut part-way has one of its own.
    QStringList parts;
    QStringList group;
    QString groupWord;
    const auto closeGroup = [&] {
        if (!group.isEmpty())
            parts.append(group.join(QStringLiteral(", ")) + QLatin1Char(' ') + groupWord);
        group.clear();
    };
    for (const DMRPrefixShare& share : outcome.prefixes) {
        QString word;
        if (share.matched == 0)
            word = QCoreApplication::translate("DMRSelection", "without entries");
        else if (share.complete())
            word = QCoreApplication::translate("DMRSelection", "complete");
        else if (share.kept == 0)
            word = QCoreApplication::translate("DMRSelection", "left out");
        if (word.isEmpty()) {
            closeGroup();
            parts.append(
                QCoreApplication::translate("DMRSelection", "%1 cut to %2 of %3")
                    .arg(share.prefix, groupedNumber(share.kept), groupedNumber(share.matched)));
            continue;
        }
        if (word != groupWord)
            closeGroup();
        groupWord = word;
        group.append(share.prefix);
    }
    closeGroup();
    if (outcome.filled > 0)
        parts.append(QCoreApplication::translate("DMRSelection", "the rest filled by lowest ID"));
    else if (!outcome.fillRest && outcome.selected < outcome.candidates)
        parts.append(QCoreApplication::translate("DMRSelection", "no other entries"));
    return text + QStringLiteral(": ") + parts.join(QStringLiteral(", ")) + QLatin1Char('.');
}

} // namespace nerka
