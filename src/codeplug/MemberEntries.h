#pragma once

// The member list of a talkgroup (RX group list) or zone record: `Count`
// little-endian 16-bit words from `Offset`, each a 1-based index or 0 for an
// empty entry. Internal to the codecs of those records.

#include "codeplug/ByteIO.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <cstdint>

namespace nerka {

template <int Offset, int Count> struct MemberEntries {
    static int wordOffset(int j) { return Offset + 2 * j; }

    static std::uint16_t word(const char* record, int j) {
        const char* p = record + wordOffset(j);
        return std::uint16_t(std::uint8_t(p[0]) | (std::uint8_t(p[1]) << 8));
    }

    // The entries that are not empty.
    static int count(const char* record) {
        int count = 0;
        for (int j = 0; j < Count; ++j)
            count += word(record, j) != 0;
        return count;
    }

    // The 0-based indices a record keeps of `indices`: in order, at most
    // `Count`, only those below `limit`. Anything else would be stored as a
    // member that names nothing, or wrap around to 0 and open a gap the radio
    // does not expect.
    static QList<int> storable(const QList<int>& indices, int limit) {
        QList<int> stored;
        for (int index : indices) {
            if (stored.size() == Count)
                break;
            if (index >= 0 && index < limit)
                stored.append(index);
        }
        return stored;
    }

    // Writes `stored` (0-based) as the list; the entries after them are empty.
    static void write(ByteWriter& w, const QList<int>& stored) {
        for (int j = 0; j < Count; ++j)
            w.setU16le(wordOffset(j), j < stored.size() ? std::uint16_t(stored[j] + 1) : 0);
    }

    // Replaces every member whose 0-based index is a key of `oldToNew` with
    // the mapped index; true when one was replaced.
    static bool remap(QByteArray& record, const QHash<int, int>& oldToNew) {
        ByteWriter w(record);
        bool touched = false;
        for (int j = 0; j < Count; ++j) {
            const int value = word(record.constData(), j);
            const auto it = value != 0 ? oldToNew.constFind(value - 1) : oldToNew.constEnd();
            if (it == oldToNew.constEnd())
                continue;
            const int newValue = it.value() + 1;
            if (newValue < 1 || newValue > 0xFFFF)
                continue; // cannot be stored; the member keeps its value
            w.setU16le(wordOffset(j), std::uint16_t(newValue));
            touched = true;
        }
        return touched;
    }
};

} // namespace nerka
