#include "ui/rules/ShownNumber.h"

#include "dmrdb/DMRSelection.h"

#include <QLocale>

namespace nerka {

QString shownNumber(qsizetype value) {
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return groupedNumber(value);
    return locale.toString(static_cast<qlonglong>(value));
}

} // namespace nerka
