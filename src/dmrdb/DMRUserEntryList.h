#pragma once

#include "dmrdb/DMRUserEntry.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string_view>

namespace nerka {

// An ordered list of DMRUserEntry values, stored compactly: the worldwide ID
// list has about a million rows, and three QStrings per row would cost more
// than 200 bytes each. Here a row is one fixed 24-byte record plus its texts as
// UTF-8 in one shared text buffer. Reading an element builds the DMRUserEntry
// value on the fly; the codecs read the UTF-8 texts directly.
//
// Copies are cheap (both buffers are implicitly shared) until one copy is
// appended to. Element order is insertion order; nothing is sorted or merged.
class DMRUserEntryList {
public:
    DMRUserEntryList() = default;
    DMRUserEntryList(std::initializer_list<DMRUserEntry> entries);
    explicit DMRUserEntryList(const QList<DMRUserEntry>& entries);

    [[nodiscard]] qsizetype size() const { return m_records.size(); }
    [[nodiscard]] qsizetype count() const { return m_records.size(); }
    [[nodiscard]] bool isEmpty() const { return m_records.isEmpty(); }

    // Room for `entries` rows holding `textBytes` bytes of UTF-8 text in all.
    void reserve(qsizetype entries, qsizetype textBytes);
    // Gives back the text space reserved beyond what is used.
    void squeeze();
    void clear();

    void append(const DMRUserEntry& entry);
    // Appends a row from texts that are already UTF-8 (the CSV reader and the
    // flash decoder use this to avoid building QStrings they do not keep).
    void appendUtf8(std::uint32_t id, std::string_view callsign, std::string_view firstName,
                    std::string_view lastName);

    // Element access; `index` must be in 0..size()-1.
    [[nodiscard]] DMRUserEntry at(qsizetype index) const;
    [[nodiscard]] DMRUserEntry operator[](qsizetype index) const { return at(index); }
    [[nodiscard]] std::uint32_t idAt(qsizetype index) const { return m_records[index].id; }
    [[nodiscard]] std::string_view callsignUtf8(qsizetype index) const;
    [[nodiscard]] std::string_view firstNameUtf8(qsizetype index) const;
    [[nodiscard]] std::string_view lastNameUtf8(qsizetype index) const;

    [[nodiscard]] QList<DMRUserEntry> toList() const;

    // Whether both are copies of one list that neither has changed since:
    // then they hold the same values without comparing them (O(1)).
    [[nodiscard]] bool sharesStorageWith(const DMRUserEntryList& other) const {
        return m_records.constData() == other.m_records.constData() &&
               m_records.size() == other.m_records.size() &&
               m_text.constData() == other.m_text.constData();
    }

    // Element-wise comparison of the values (not of the storage).
    friend bool operator==(const DMRUserEntryList& a, const DMRUserEntryList& b);

    // Read-only iteration yielding DMRUserEntry values, so that
    // `for (const DMRUserEntry& e : list)` works as with a QList.
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = DMRUserEntry;
        using difference_type = qsizetype;
        using pointer = void;
        using reference = DMRUserEntry;

        const_iterator() = default;
        const_iterator(const DMRUserEntryList* list, qsizetype index)
            : m_list(list), m_index(index) {}

        DMRUserEntry operator*() const { return m_list->at(m_index); }
        DMRUserEntry operator[](difference_type n) const { return m_list->at(m_index + n); }
        const_iterator& operator++() {
            ++m_index;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++m_index;
            return old;
        }
        const_iterator& operator--() {
            --m_index;
            return *this;
        }
        const_iterator operator--(int) {
            const_iterator old = *this;
            --m_index;
            return old;
        }
        const_iterator& operator+=(difference_type n) {
            m_index += n;
            return *this;
        }
        const_iterator& operator-=(difference_type n) {
            m_index -= n;
            return *this;
        }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return a.m_index - b.m_index;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.m_index == b.m_index;
        }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
            return a.m_index <=> b.m_index;
        }

    private:
        const DMRUserEntryList* m_list = nullptr;
        qsizetype m_index = 0;
    };

    [[nodiscard]] const_iterator begin() const { return {this, 0}; }
    [[nodiscard]] const_iterator end() const { return {this, size()}; }

private:
    // One row: the ID and where its three texts lie in m_text (callsign, first
    // name and last name back to back, starting at textOffset).
    struct Record {
        std::uint32_t id;
        std::uint32_t callsignBytes;
        std::uint32_t firstNameBytes;
        std::uint32_t lastNameBytes;
        qint64 textOffset;
    };
    static_assert(sizeof(Record) == 24);

    QList<Record> m_records;
    QByteArray m_text;
};

} // namespace nerka
