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

// The next byte at or after `p` that might begin a line break: a control byte
// below 0x0E (LF, VT, FF, CR and the harmless ones below them) or any byte of a
// multi-byte character (U+0085, U+2028 and U+2029 live there). ASCII text is
// skipped eight bytes at a time; the caller checks each candidate exactly.
const Byte* nextBreakCandidate(const Byte* p, const Byte* end) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        // High bit set in a byte below 0x0E (borrow trick) or in a byte >= 0x80.
        const std::uint64_t flagged = (((word - kOnes * 0x0E) & ~word) | word) & kHighBits;
        if (flagged) {
            if constexpr (std::endian::native == std::endian::little)
                return p + (std::countr_zero(flagged) >> 3);
            else
                break;
        }
        p += 8;
    }
    while (p < end && *p >= 0x0E && *p < 0x80)
        ++p;
    return p;
}

// Finds the end of the line that starts at `p` and where the next one starts.
// Line breaks: LF, CR, CR LF (one break), VT, FF, U+0085, U+2028, U+2029.
const Byte* lineEnd(const Byte* p, const Byte* end, const Byte*& next) {
    for (;;) {
        p = nextBreakCandidate(p, end);
        if (p == end) {
            next = end;
            return end;
        }
        const Byte b = *p;
        if (b == '\n' || b == 0x0B || b == 0x0C) {
            next = p + 1;
            return p;
        }
        if (b == '\r') {
            next = (end - p >= 2 && p[1] == '\n') ? p + 2 : p + 1;
            return p;
        }
        if (b == 0xC2 && end - p >= 2 && p[1] == 0x85) {
            next = p + 2;
            return p;
        }
        if (b == 0xE2 && end - p >= 3 && p[1] == 0x80 && (p[2] == 0xA8 || p[2] == 0xA9)) {
            next = p + 3;
            return p;
        }
        ++p;
    }
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
void splitFields(const Byte* begin, const Byte* end, size_t maxFields, std::vector<Span>& fields,
                 std::string& scratch) {
    fields.clear();
    if (std::memchr(begin, '"', size_t(end - begin)) == nullptr) {
        const Byte* start = begin;
        for (const Byte* p = begin; p < end; ++p) {
            if (*p == ',' || *p == ';') {
                fields.push_back({start, p});
                if (fields.size() == maxFields)
                    break;
                start = p + 1;
            }
        }
        if (fields.size() < maxFields)
            fields.push_back({start, end});
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

Result parseUtf8(QByteArrayView text) {
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
        const Byte* lineStart = p;
        const Byte* lineStop = lineEnd(p, end, next);
        p = next;

        utf8::trimHorizontalSpace(lineStart, lineStop);
        if (lineStart == lineStop || *lineStart == '#')
            continue;

        if (firstLine) {
            firstLine = false;
            splitFields(lineStart, lineStop, SIZE_MAX, fields, scratch);
            if (isHeader(fields)) {
                columns = columnsFromHeader(fields);
                fieldsNeeded = columns.fieldsNeeded();
                continue;
            }
        } else {
            splitFields(lineStart, lineStop, fieldsNeeded, fields, scratch);
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

Result parse(const QString& text) {
    return parseUtf8(text.toUtf8());
}

Result parseFileContents(QByteArrayView bytes) {
    if (utf8::isValid(bytes))
        return parseUtf8(bytes);
    return parseUtf8(utf8::fromLatin1(bytes));
}

} // namespace nerka::DMRUserDBImport
