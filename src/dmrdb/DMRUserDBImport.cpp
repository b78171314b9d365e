#include "dmrdb/DMRUserDBImport.h"

#include "dmrdb/Utf8Text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace nerka::DMRUserDBImport {

namespace {

using Byte = unsigned char;

struct Span {
    const Byte* begin;
    const Byte* end;

    [[nodiscard]] bool isEmpty() const { return begin == end; }
    [[nodiscard]] std::string_view view() const {
        return {reinterpret_cast<const char*>(begin), size_t(end - begin)};
    }
};

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// High bit set in every byte of `word` that equals `byte` (and possibly in
// bytes above such a byte: callers check the lowest flagged byte exactly).
constexpr std::uint64_t bytesEqual(std::uint64_t word, Byte byte) {
    const std::uint64_t x = word ^ (kOnes * byte);
    return (x - kOnes) & ~x & kHighBits;
}

std::uint64_t load8(const Byte* p) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

// Offset of the lowest flagged byte of a non-zero mask, in memory order.
int firstFlagged(std::uint64_t mask) {
    if constexpr (std::endian::native == std::endian::little)
        return std::countr_zero(mask) >> 3;
    else
        return std::countl_zero(mask) >> 3;
}

// The next byte at or after `p` that might begin a line break or is a double
// quote: a control byte below 0x0E (LF, VT, FF, CR and the harmless ones below
// them), any byte of a multi-byte character (U+0085, U+2028 and U+2029 live
// there) or '"'. ASCII text is skipped eight bytes at a time; the caller
// checks each candidate exactly.
const Byte* nextCandidate(const Byte* p, const Byte* end) {
    while (end - p >= 8) {
        const std::uint64_t word = load8(p);
        const std::uint64_t flagged =
            ((((word - kOnes * 0x0E) & ~word) | word) & kHighBits) | bytesEqual(word, '"');
        if (flagged)
            return p + firstFlagged(flagged);
        p += 8;
    }
    while (p < end && *p >= 0x0E && *p < 0x80 && *p != '"')
        ++p;
    return p;
}

struct Line {
    const Byte* begin;
    const Byte* end;
    bool hasQuote;
};

// The line that starts at `p`, and in `next` where the one after it starts.
// Line breaks: LF, CR, CR LF (one break), VT, FF, U+0085, U+2028, U+2029.
// Every non-ASCII byte of the text passes through here, so this is also where
// a malformed UTF-8 sequence is noticed (`invalid` is set; the byte is skipped).
Line nextLine(const Byte* p, const Byte* end, const Byte*& next, bool& invalid) {
    Line line{p, end, false};
    for (;;) {
        p = nextCandidate(p, end);
        if (p == end) {
            next = end;
            return line;
        }
        const Byte b = *p;
        int breakLength = 0;
        if (b == '"') {
            line.hasQuote = true;
        } else if (b == '\n' || b == 0x0B || b == 0x0C) {
            breakLength = 1;
        } else if (b == '\r') {
            breakLength = (end - p >= 2 && p[1] == '\n') ? 2 : 1;
        } else if (b >= 0x80) {
            if (b == 0xC2 && end - p >= 2 && p[1] == 0x85) {
                breakLength = 2;
            } else if (b == 0xE2 && end - p >= 3 && p[1] == 0x80 &&
                       (p[2] == 0xA8 || p[2] == 0xA9)) {
                breakLength = 3;
            } else {
                const int length = utf8::sequenceLength(p, end);
                if (length == 0)
                    invalid = true;
                p += std::max(length, 1);
                continue;
            }
        }
        if (breakLength > 0) {
            line.end = p;
            next = p + breakLength;
            return line;
        }
        ++p;
    }
}

// The next "," or ";" at or after `p`, or `end`.
const Byte* nextSeparator(const Byte* p, const Byte* end) {
    while (end - p >= 8) {
        const std::uint64_t word = load8(p);
        const std::uint64_t flagged = bytesEqual(word, ',') | bytesEqual(word, ';');
        if (flagged) {
            const Byte* hit = p + firstFlagged(flagged);
            if (*hit == ',' || *hit == ';')
                return hit;
            p = hit + 1;
            continue;
        }
        p += 8;
    }
    while (p < end && *p != ',' && *p != ';')
        ++p;
    return p;
}

// An ID counts as a number when it is an optional "+" (or a "-" before a zero
// value) and one or more ASCII digits whose value fits in 32 bits.
std::optional<std::uint32_t> parseNumber(Span field) {
    const Byte* p = field.begin;
    if (p == field.end)
        return std::nullopt;
    const bool negative = *p == '-';
    if (*p == '+' || negative)
        ++p;
    if (p == field.end)
        return std::nullopt;
    std::uint64_t value = 0;
    for (; p < field.end; ++p) {
        const unsigned digit = unsigned(*p) - '0';
        if (digit > 9)
            return std::nullopt;
        value = value * 10 + digit;
        if (value > 0xFFFFFFFFULL)
            return std::nullopt;
    }
    if (negative && value != 0)
        return std::nullopt;
    return std::uint32_t(value);
}

// Case-insensitive comparison with a lower-case ASCII name. No non-ASCII
// character lower-cases to one of the letters of the header names, so bytes
// suffice.
bool equalsLowered(Span field, std::string_view name) {
    if (size_t(field.end - field.begin) != name.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i) {
        Byte c = field.begin[i];
        if (c >= 'A' && c <= 'Z')
            c = Byte(c + ('a' - 'A'));
        if (c != Byte(name[i]))
            return false;
    }
    return true;
}

template <size_t N> bool isOneOf(Span field, const std::array<std::string_view, N>& names) {
    return std::any_of(names.begin(), names.end(),
                       [&](std::string_view name) { return equalsLowered(field, name); });
}

constexpr std::array<std::string_view, 6> kIdNames{"radio_id", "radio id", "id",
                                                   "dmr_id",   "dmrid",    "dmr id"};
constexpr std::array<std::string_view, 2> kCallsignNames{"callsign", "call"};
constexpr std::array<std::string_view, 5> kFirstNameNames{"first_name", "first name", "firstname",
                                                          "fname", "name"};
constexpr std::array<std::string_view, 5> kLastNameNames{"last_name", "last name", "lastname",
                                                         "lname", "surname"};

struct Columns {
    size_t id = 0;
    size_t callsign = 1;
    size_t firstName = 2;
    size_t lastName = 3;

    [[nodiscard]] size_t fieldsNeeded() const {
        return std::max({id, callsign, firstName, lastName}) + 1;
    }
};

// Splits one trimmed line into at most `maxFields` fields (the rest of the line
// cannot change them), each trimmed of horizontal white space. Without a
// double quote every "," and ";" separates. With one, quotes toggle a quoted
// state and are dropped, and separators inside quotes are text; the unquoted
// field texts are then assembled in `scratch`.
void splitFields(const Byte* begin, const Byte* end, bool hasQuote, size_t maxFields,
                 std::vector<Span>& fields, std::string& scratch) {
    fields.clear();
    if (!hasQuote) {
        const Byte* start = begin;
        for (;;) {
            const Byte* separator = nextSeparator(start, end);
            fields.push_back({start, separator});
            if (separator == end || fields.size() == maxFields)
                break;
            start = separator + 1;
        }
    } else {
        // The unquoted text is never longer than the line, so the buffer does
        // not move while spans point into it.
        if (scratch.size() < size_t(end - begin))
            scratch.resize(size_t(end - begin));
        const Byte* base = reinterpret_cast<const Byte*>(scratch.data());
        Byte* out = reinterpret_cast<Byte*>(scratch.data());
        const Byte* start = base;
        bool inQuotes = false;
        for (const Byte* p = begin; p < end; ++p) {
            const Byte c = *p;
            if (c == '"') {
                inQuotes = !inQuotes;
            } else if (!inQuotes && (c == ',' || c == ';')) {
                fields.push_back({start, out});
                if (fields.size() == maxFields)
                    break;
                start = out;
            } else {
                *out++ = c;
            }
        }
        if (fields.size() < maxFields)
            fields.push_back({start, out});
    }
    for (Span& field : fields)
        utf8::trimHorizontalSpace(field.begin, field.end);
}

// The first line is a header when its first field is empty or not a number,
// or when any field names the ID column.
bool isHeader(const std::vector<Span>& fields) {
    if (fields.front().isEmpty() || !parseNumber(fields.front()))
        return true;
    return std::any_of(fields.begin(), fields.end(),
                       [](Span field) { return isOneOf(field, kIdNames); });
}

template <size_t N>
void takePosition(const std::vector<Span>& fields, const std::array<std::string_view, N>& names,
                  size_t& position) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (isOneOf(fields[i], names)) {
            position = i;
            return;
        }
    }
}

Columns columnsFromHeader(const std::vector<Span>& fields) {
    Columns columns;
    takePosition(fields, kIdNames, columns.id);
    takePosition(fields, kCallsignNames, columns.callsign);
    takePosition(fields, kFirstNameNames, columns.firstName);
    takePosition(fields, kLastNameNames, columns.lastName);
    return columns;
}

Span fieldAt(const std::vector<Span>& fields, size_t position) {
    if (position < fields.size())
        return fields[position];
    return {nullptr, nullptr};
}

} // namespace

// Reads `text` as UTF-8. With `stopWhenInvalid`, gives up at the first
// malformed sequence and reports it in `invalid`.
static Result parseText(QByteArrayView text, bool stopWhenInvalid, bool& invalid) {
    Result result;
    const Byte* p = reinterpret_cast<const Byte*>(text.data());
    const Byte* const end = p + text.size();
    // A byte-order mark is no part of the first line.
    if (end - p >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        p += 3;

    // The kept texts are a subset of the input, so the text buffer never grows
    // past this reservation (and pages never written are never resident).
    result.entries.reserve(text.size() / 40 + 16, text.size());

    std::vector<Span> fields;
    std::string scratch;
    Columns columns;
    size_t fieldsNeeded = columns.fieldsNeeded();
    bool firstLine = true;

    while (p < end) {
        const Byte* next = nullptr;
        const Line line = nextLine(p, end, next, invalid);
        if (invalid && stopWhenInvalid)
            return {};
        p = next;
        const Byte* lineStart = line.begin;
        const Byte* lineStop = line.end;

        utf8::trimHorizontalSpace(lineStart, lineStop);
        if (lineStart == lineStop || *lineStart == '#')
            continue;

        if (firstLine) {
            firstLine = false;
            splitFields(lineStart, lineStop, line.hasQuote, SIZE_MAX, fields, scratch);
            if (isHeader(fields)) {
                columns = columnsFromHeader(fields);
                fieldsNeeded = columns.fieldsNeeded();
                continue;
            }
        } else {
            splitFields(lineStart, lineStop, line.hasQuote, fieldsNeeded, fields, scratch);
        }

        const std::optional<std::uint32_t> id = parseNumber(fieldAt(fields, columns.id));
        const Span callsign = fieldAt(fields, columns.callsign);
        const Span firstName = fieldAt(fields, columns.firstName);
        if (!id || *id == 0 || (callsign.isEmpty() && firstName.isEmpty())) {
            ++result.skipped;
            continue;
        }
        result.entries.appendUtf8(*id, callsign.view(), firstName.view(),
                                  fieldAt(fields, columns.lastName).view());
    }

    result.entries.squeeze();
    result.parsed = result.entries.size();
    return result;
}

Result parseUtf8(QByteArrayView text) {
    bool invalid = false;
    return parseText(text, false, invalid);
}

Result parse(const QString& text) {
    return parseUtf8(text.toUtf8());
}

// The text as UTF-8, deciding line by line: a line that is valid UTF-8 is
// kept, any other is read as ISO 8859-1. Lines end at LF, CR, VT and FF here,
// the breaks both readings share; a file wholly in one encoding comes out as
// the whole-file reading would give it.
static QByteArray utf8ByLine(QByteArrayView bytes) {
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 8);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype stop = start;
        while (stop < bytes.size() && bytes[stop] != '\n' && bytes[stop] != '\r' &&
               bytes[stop] != '\v' && bytes[stop] != '\f')
            ++stop;
        const QByteArrayView line = bytes.sliced(start, stop - start);
        if (utf8::isValid(line))
            out.append(line);
        else
            out.append(utf8::fromLatin1(line));
        if (stop < bytes.size())
            out.append(bytes[stop++]);
        start = stop;
    }
    return out;
}

Result parseFileContents(QByteArrayView bytes) {
    // Validation happens during the parse itself, which costs nothing extra
    // for the usual valid file.
    bool invalid = false;
    Result result = parseText(bytes, true, invalid);
    if (!invalid)
        return result;
    // One stray byte must not turn every other non-ASCII name into mojibake.
    return parseUtf8(utf8ByLine(bytes));
}

} // namespace nerka::DMRUserDBImport
