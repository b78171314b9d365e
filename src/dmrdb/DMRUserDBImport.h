#pragma once

#include "dmrdb/DMRUserEntryList.h"

#include <QByteArrayView>
#include <QString>

namespace nerka {

// The reader of DMR user-ID CSV texts (a local file or the service's
// download). It never fails: rows it cannot use are counted as skipped, and a
// text without a usable row gives an empty list. It keeps every accepted row in
// file order; sorting, duplicate IDs and the 24-bit ID range are the flash
// encoder's business.
namespace DMRUserDBImport {

struct Result {
    DMRUserEntryList entries; // accepted rows in file order
    qsizetype parsed = 0;     // always entries.size()
    qsizetype skipped = 0;    // data rows rejected (bad or zero ID, no callsign and no first name)
};

// Reads a whole CSV text.
[[nodiscard]] Result parse(const QString& text);

// The same for a text already encoded as UTF-8; this is the fast path for big
// files, which never builds a QString for a field it does not keep.
[[nodiscard]] Result parseUtf8(QByteArrayView text);

// Reads the bytes of a file or download: as UTF-8 when they are valid UTF-8,
// otherwise line by line, each line as UTF-8 when it is valid UTF-8 and as
// ISO 8859-1 when it is not.
[[nodiscard]] Result parseFileContents(QByteArrayView bytes);

} // namespace DMRUserDBImport

} // namespace nerka
