#pragma once

#include "dmrdb/DMRUserEntryList.h"

#include <QList>
#include <QString>

namespace nerka {

// Finding entries of an imported list by what a user remembers of them.
class DMRUserSearch {
public:
    struct Result {
        QList<qsizetype> rows; // list indices of the first matches, in list order
        qsizetype total = 0;   // every match, also those beyond the limit
    };

    // The entries whose ID begins with `query` (when it is all digits) or
    // whose callsign, first name or last name contains it, ignoring case.
    // Surrounding spaces of the query do not count; an empty query matches
    // nothing. At most `limit` rows are listed, all matches are counted.
    // One pass over the list; letters outside ASCII are compared through
    // QString only when the query holds one.
    [[nodiscard]] static Result find(const DMRUserEntryList& entries, const QString& query,
                                     qsizetype limit);
};

} // namespace nerka
