#include "ui/rules/ShownNumber.h"

#include "dmrdb/DMRSelection.h"

#include <QLocale>

#include <atomic>

namespace nerka {

namespace {

std::atomic<bool> numbersFollowLocale{false};

bool showsSourceTexts(const QLocale& locale) {
    return !numbersFollowLocale.load() || locale.language() == QLocale::C;
}

} // namespace

void setNumbersFollowLocale(bool on) {
    numbersFollowLocale.store(on);
}

QString shownNumber(qsizetype value) {
    const QLocale locale;
    if (showsSourceTexts(locale))
        return QString::number(value);
    return locale.toString(static_cast<qlonglong>(value));
}

QString shownGroupedNumber(qsizetype value) {
    const QLocale locale;
    if (showsSourceTexts(locale))
        return groupedNumber(value);
    return locale.toString(static_cast<qlonglong>(value));
}

QString shownDecimal(double value, int decimals) {
    const QLocale locale;
    if (showsSourceTexts(locale))
        return QString::number(value, 'f', decimals);
    QLocale plain = locale;
    // Frequencies and distances read better without thousands separators.
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals);
}

} // namespace nerka
