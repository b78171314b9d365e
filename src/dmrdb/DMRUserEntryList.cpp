#include "dmrdb/DMRUserEntryList.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace nerka {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string_view utf8View(const QByteArray& bytes) {
    return {bytes.constData(), size_t(bytes.size())};
}

// A single text longer than 4 GiB cannot come out of a CSV line or a flash
// record that fits in memory next to it; the cap only keeps the record sound.
std::uint32_t textSize(std::string_view text) {
    return std::uint32_t(std::min<size_t>(text.size(), std::numeric_limits<std::uint32_t>::max()));
}

} // namespace

DMRUserEntryList::DMRUserEntryList(std::initializer_list<DMRUserEntry> entries) {
    m_records.reserve(qsizetype(entries.size()));
    for (const DMRUserEntry& entry : entries)
        append(entry);
}

DMRUserEntryList::DMRUserEntryList(const QList<DMRUserEntry>& entries) {
    m_records.reserve(entries.size());
    for (const DMRUserEntry& entry : entries)
        append(entry);
}

void DMRUserEntryList::reserve(qsizetype entries, qsizetype textBytes) {
    m_records.reserve(entries);
    m_text.reserve(textBytes);
}

void DMRUserEntryList::squeeze() {
    // The text buffer shrinks in place (realloc). QList::squeeze would copy the
    // records into a new block, briefly holding both; their unused tail costs
    // address space only, since pages never written are never resident.
    m_text.squeeze();
}

void DMRUserEntryList::clear() {
    m_records.clear();
    m_text.clear();
}

void DMRUserEntryList::append(const DMRUserEntry& entry) {
    const QByteArray callsign = entry.callsign.toUtf8();
    const QByteArray firstName = entry.firstName.toUtf8();
    const QByteArray lastName = entry.lastName.toUtf8();
    appendUtf8(entry.id, utf8View(callsign), utf8View(firstName), utf8View(lastName));
}

void DMRUserEntryList::appendUtf8(std::uint32_t id, std::string_view callsign,
                                  std::string_view firstName, std::string_view lastName) {
    Record record;
    record.id = id;
    record.callsignBytes = textSize(callsign);
    record.firstNameBytes = textSize(firstName);
    record.lastNameBytes = textSize(lastName);
    record.textOffset = m_text.size();
    const qsizetype textBytes =
        qsizetype(record.callsignBytes) + record.firstNameBytes + record.lastNameBytes;
    if (textBytes > 0) {
        // One resize and plain copies: this runs once per row of a big file.
        m_text.resize(record.textOffset + textBytes);
        char* out = m_text.data() + record.textOffset;
        for (std::string_view part :
             {callsign.substr(0, record.callsignBytes), firstName.substr(0, record.firstNameBytes),
              lastName.substr(0, record.lastNameBytes)}) {
            if (!part.empty()) // an empty view may carry a null pointer
                std::memcpy(out, part.data(), part.size());
            out += part.size();
        }
    }
    m_records.append(record);
}

std::string_view DMRUserEntryList::callsignUtf8(qsizetype index) const {
    const Record& r = m_records.constData()[index];
    return {m_text.constData() + r.textOffset, r.callsignBytes};
}

std::string_view DMRUserEntryList::firstNameUtf8(qsizetype index) const {
    const Record& r = m_records.constData()[index];
    return {m_text.constData() + r.textOffset + r.callsignBytes, r.firstNameBytes};
}

std::string_view DMRUserEntryList::lastNameUtf8(qsizetype index) const {
    const Record& r = m_records.constData()[index];
    return {m_text.constData() + r.textOffset + r.callsignBytes + r.firstNameBytes,
            r.lastNameBytes};
}

DMRUserEntry DMRUserEntryList::at(qsizetype index) const {
    DMRUserEntry entry;
    entry.id = idAt(index);
    entry.callsign = fromUtf8(callsignUtf8(index));
    entry.firstName = fromUtf8(firstNameUtf8(index));
    entry.lastName = fromUtf8(lastNameUtf8(index));
    return entry;
}

QList<DMRUserEntry> DMRUserEntryList::toList() const {
    QList<DMRUserEntry> out;
    out.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        out.append(at(i));
    return out;
}

bool operator==(const DMRUserEntryList& a, const DMRUserEntryList& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a.idAt(i) != b.idAt(i) || a.callsignUtf8(i) != b.callsignUtf8(i) ||
            a.firstNameUtf8(i) != b.firstNameUtf8(i) || a.lastNameUtf8(i) != b.lastNameUtf8(i))
            return false;
    }
    return true;
}

} // namespace nerka
