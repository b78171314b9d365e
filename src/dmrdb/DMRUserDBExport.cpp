#include "dmrdb/DMRUserDBExport.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace nerka {

QByteArray csvExportText(const DMRUserEntryList& entries) {
    std::vector<qsizetype> order(size_t(entries.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&entries](qsizetype a, qsizetype b) {
        return entries.idAt(a) < entries.idAt(b);
    });
    QByteArray text(kDMRCsvHeader);
    for (qsizetype index : order)
        text += csvLine(entries.at(index)).toUtf8();
    return text;
}

} // namespace nerka
